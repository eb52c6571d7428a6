// The deterministic platform keeps its documented promises.
#include "platform/fake/FakePlatform.h"

#include "base/Exceptions.h"
#include "platform/fake/TestFont.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(FakePlatform, TestFontMetricsAreWorkedOutByHand)
{
    TFontDesc font;
    font.Height = -83; // 10 points at 600 dpi
    TFontMetrics m = fake::TestFontMetrics(font);
    EXPECT_EQ(m.Height, 83);
    EXPECT_EQ(m.Ascent, 66); // round(66.4)
    EXPECT_EQ(m.Descent, 17);
    EXPECT_EQ(fake::TestFontAdvances(font, u"a\u4E2D\U0001F600"), (std::vector<int> { 42, 83, 42, 0 }));
}

TEST(FakePlatform, InstallsItselfAndScriptsTheUi)
{
    {
        fake::FakePlatform platform;
        EXPECT_EQ(&CurrentPlatform(), &platform);
        Ui& ui = CurrentPlatform().GetUi();
        platform.TestUi.MessageAnswers = { mrNo };
        EXPECT_EQ(ui.MessageBox("Really?", "Confirm", mtConfirmation, mbYesNo), mrNo);
        EXPECT_EQ(ui.MessageBox("Done", "Info", mtInformation), mrOk);
        ASSERT_EQ(platform.TestUi.Messages.size(), 2u);
        EXPECT_EQ(platform.TestUi.Messages[0].Caption, "Confirm");

        int ticks = 0;
        auto timer = ui.CreateTimer([&] { ++ticks; });
        EXPECT_EQ(timer->Interval(), 50);
        platform.TestUi.FireTimers();
        timer->SetEnabled(true);
        platform.TestUi.FireTimers();
        EXPECT_EQ(ticks, 1);

        std::string value;
        platform.TestUi.QueryAnswers = { "secret", "\x18" };
        EXPECT_TRUE(ui.InputQuery("Password", "Enter password", value, true));
        EXPECT_EQ(value, "secret");
        EXPECT_FALSE(ui.InputQuery("Password", "Enter password", value, true));
        EXPECT_EQ(CurrentPlatform().CreateMeasuringCanvas(600)->DpiX(), 600);
        EXPECT_THROW(CurrentPlatform().CreateBitmapCanvas(10, 10), ENotAvailable);
    }
    EXPECT_FALSE(HasPlatform());
    try {
        CurrentPlatform();
        ADD_FAILURE();
    } catch (const ENotAvailable& e) {
        EXPECT_STREQ(e.what(), "No platform layer is installed");
    }
}

} // namespace
} // namespace qbx
