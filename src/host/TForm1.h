// The host window Form1: one button that loads, prepares and shows the report 1.qb3.
#pragma once

#include "report/TqbxReport.h"

#include <QPushButton>
#include <QWidget>

namespace qbx {

// A top-level window owned by the program's main routine; its button is its Qt child.
class TForm1 : public QWidget
{
public:
    explicit TForm1(QWidget* parent = nullptr);

    QPushButton* Button1() const { return button1_; }
    TqbxReport& qbxReport1() { return report_; }

    // Loads 1.qb3 from the current folder, prepares it and shows it.
    void Button1Click();

private:
    void ConfigureReport();

    QPushButton* button1_;
    TqbxReport report_;
};

} // namespace qbx
