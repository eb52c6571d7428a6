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

TEST(TForm1, ReportStartsWithTheDesignTimeTemplate)
{
    TForm1 form;
    TqbxReport& report = form.qbxReport1();
    ASSERT_EQ(report.PagesCount(), 2);
    EXPECT_EQ(report.Pages(0)->Name(), "Data");
    EXPECT_EQ(report.Pages(1)->Name(), "Page1");
    EXPECT_EQ(report.Pages(1)->Width(), 378); // 100 mm
    ASSERT_NE(report.FindObject("BarCode1"), nullptr);
    EXPECT_EQ(report.FindObject("BarCode1")->Parent(), report.Pages(1));
    EXPECT_EQ(report.ReportOptions.CreateDate, 39880.6655121528);
    EXPECT_EQ(report.PrintOptions.Printer, "Default");
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
