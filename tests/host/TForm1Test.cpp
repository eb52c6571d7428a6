// The host window opens headless with the geometry, colours and button of its form.
#include "host/TForm1.h"

#include "base/Colors.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(TForm1, HasTheFormsGeometryAndButton)
{
    TForm1 form;
    form.show();
    QApplication::processEvents();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Form1");
    EXPECT_EQ(form.geometry(), QRect(207, 131, 609, 325));
    QColor face = form.palette().color(QPalette::Window);
    EXPECT_EQ(RGBColor(face.red(), face.green(), face.blue()), ColorToRGB(clBtnFace));
    EXPECT_EQ(form.font().pixelSize(), 11);

    QPushButton* button = form.findChild<QPushButton*>("Button1");
    ASSERT_EQ(button, form.Button1());
    EXPECT_EQ(button->text(), "Button1");
    EXPECT_EQ(button->geometry(), QRect(320, 88, 75, 25));
    EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(form.focusWidget(), button);
}

TEST(TForm1, ButtonSaysWhatIsNotBuiltYet)
{
    TForm1 form;
    testing::internal::CaptureStderr();
    form.Button1()->click();
    std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("not available yet"), std::string::npos) << printed;
}

} // namespace
} // namespace qbx
