// The Qt UI services, headless: message boxes print, timers tick in the event loop.
#include "platform/Platform.h"
#include "platform/Ui.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(QtUi, HeadlessMessageBoxesPrintAndTakeTheFirstAnswer)
{
    Ui& ui = CurrentPlatform().GetUi();
    ASSERT_TRUE(ui.IsHeadless());
    testing::internal::CaptureStderr();
    EXPECT_EQ(ui.MessageBox("Dataset \"X\" does not exist", "Error", mtError), mrOk);
    EXPECT_EQ(ui.MessageBox("Save?", "Question", mtConfirmation, mbYesNo), mrYes);
    std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed, "Error: Dataset \"X\" does not exist\nQuestion: Save?\n");
    std::string value = "kept";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(ui.InputQuery("Password", "Enter password", value, true));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(value, "kept");
}

TEST(QtUi, TimersTickFromTheMessageLoop)
{
    Ui& ui = CurrentPlatform().GetUi();
    int ticks = 0;
    std::unique_ptr<Timer> timer = ui.CreateTimer([&] { ++ticks; });
    EXPECT_EQ(timer->Interval(), 50);
    EXPECT_FALSE(timer->Enabled());
    timer->SetEnabled(true);
    QElapsedTimer clock;
    clock.start();
    while (ticks == 0 && clock.elapsed() < 5000)
        ui.ProcessMessages();
    EXPECT_GE(ticks, 1);
    timer->SetEnabled(false);
    EXPECT_FALSE(timer->Enabled());
}

} // namespace
} // namespace qbx
