// The host window Form1: one button that loads, prepares and shows the report 1.qb3.
#pragma once

#include <QPushButton>
#include <QWidget>

namespace qbx {

// A top-level window owned by the program's main routine; its button is its Qt child.
class TForm1 : public QWidget
{
public:
    explicit TForm1(QWidget* parent = nullptr);

    QPushButton* Button1() const { return button1_; }

private:
    void Button1Click();

    QPushButton* button1_;
};

} // namespace qbx
