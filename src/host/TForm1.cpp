// The host window's layout, taken from its form description.
#include "host/TForm1.h"

#include "base/Colors.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/Ui.h"
#include "platform/qt/QtConvert_p.h"

namespace qbx {

TForm1::TForm1(QWidget* parent)
    : QWidget(parent)
    , button1_(new QPushButton(QStringLiteral("Button1"), this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setGeometry(207, 131, 609, 325);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(clBtnFace));
    palette.setColor(QPalette::WindowText, ToQColor(clWindowText));
    setPalette(palette);
    setAutoFillBackground(true);
    TFontDesc font { "MS Sans Serif", -11, 0, DEFAULT_CHARSET, clWindowText, 0 };
    setFont(ToQFont(font));

    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setGeometry(320, 88, 75, 25);
    button1_->setFocus(); // tab order 0: the first and only control to take the focus
    connect(button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm1::Button1Click()
{
    // Loading, preparing and showing arrive with the report core; until then the click says so.
    CurrentPlatform().GetUi().MessageBox(
        "Loading and showing 1.qb3 is not available yet: the report core is not built", "Form1", mtInformation);
}

} // namespace qbx
