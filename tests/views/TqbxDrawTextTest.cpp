// Text layout on the deterministic test font, where a character of a 10-point font advances 42 measuring
// pixels (round(83 / 2)) and one of a 12-point font 50 (100 / 2); a page unit is 6.25 measuring pixels.
#include "views/TqbxDrawText.h"

#include "platform/fake/FakePlatform.h"
#include "platform/fake/RecordingCanvas.h"
#include "views/LinesOf.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

class DrawTextTest : public testing::Test
{
protected:
    // Lays `text` out in a box `width` page units wide and `height` high.
    void Layout(const std::u16string& text, long double width, long double height = 100, int points = 10)
    {
        TqbxFont font;
        font.SetSize(points);
        engine.Lock();
        engine.SetFont(font);
        engine.SetOptions(true, allowTags, rotation, true, true, wordBreak, false);
        TRect scaled { 0, 0, static_cast<int>(width), static_cast<int>(height) - 1 };
        engine.SetDimensions({ 0, 0, width, height - 1 }, scaled, 1, 1, 1);
        engine.SetGaps(paragraphGap, 0, lineSpacing);
        TWideStrings lines;
        lines.SetText(text);
        engine.SetText(lines);
        engine.Unlock();
    }
    std::vector<std::u16string> Lines() const { return LinesOf(engine.Lines); }

    fake::FakePlatform platform;
    TqbxDrawText engine;
    bool allowTags = false, wordBreak = false;
    int rotation = 0;
    long double paragraphGap = 0, lineSpacing = 0;
};

TEST_F(DrawTextTest, WrapsAtSpacesAndCutsLongWords)
{
    Layout(u"aaa bbb ccc", 40); // 250 pixels: five characters
    EXPECT_EQ(Lines(), (std::vector<std::u16string> { u"aaa", u"bbb", u"ccc" }));
    EXPECT_EQ(engine.Lines.Objects(0), 1);
    EXPECT_EQ(engine.Lines.Objects(2), 2);
    Layout(u"abcdefghij", 40);
    EXPECT_EQ(Lines(), (std::vector<std::u16string> { u"abcde", u"fghij" }));
    Layout(u"\u4E2D\u4E2D", 10); // 62 pixels; a wide character advances 83
    EXPECT_EQ(Lines(), (std::vector<std::u16string> { u"\u4E2D", u"\u4E2D" }));
    Layout(u"a\r\n\r\nb", 40);
    EXPECT_EQ(Lines(), (std::vector<std::u16string> { u"a", u" ", u"b" }));
    EXPECT_EQ(engine.Lines.Objects(1), 3);
}

TEST_F(DrawTextTest, FirstLineIndent)
{
    paragraphGap = 8; // the first line is 200 pixels wide: four characters
    Layout(u"aaaaaaaaa", 40);
    EXPECT_EQ(Lines(), (std::vector<std::u16string> { u"aaaa", u"aaaaa" }));
}

TEST_F(DrawTextTest, HeightsAndUnusedSpace)
{
    lineSpacing = 2;
    Layout(u"aaa bbb ccc", 40);
    EXPECT_NEAR(static_cast<double>(engine.TextHeight()), 45.84, 1e-9); // 3 x (83 / 6.25 + 2)
    lineSpacing = 0;
    Layout(u"a\r\nb", 40, 32, 12); // lines of exactly 16 page units, two of them fit exactly
    EXPECT_NEAR(static_cast<double>(engine.UnusedSpace()), 0.0001, 1e-12);
    Layout(u"a", 40, 10, 12);
    EXPECT_EQ(engine.UnusedSpace(), 0) << "below one line";
    Layout(u"aa a", 100, 100, 12);
    EXPECT_NEAR(static_cast<double>(engine.TextWidth()), 200 / 6.25, 1e-9);
}

TEST_F(DrawTextTest, SplitsInsideAParagraph)
{
    Layout(u"aaaaa  bb", 40, 21, 12); // 250 pixels: five characters; one 16-unit line fits
    ASSERT_EQ(engine.Lines.Count(), 2);
    bool paragraphBreak = false;
    EXPECT_EQ(engine.GetOutBoundsText(paragraphBreak), u"bb\r\n") << "the leading space is dropped";
    EXPECT_TRUE(paragraphBreak);
    EXPECT_EQ(engine.GetInBoundsText(), u"aaaaa ");
    EXPECT_EQ(engine.Lines.Count(), 1);

    allowTags = true;
    Layout(u"<b>aaaa bbbb</b>", 40, 21, 12);
    EXPECT_EQ(engine.GetOutBoundsText(paragraphBreak), u"<b>bbbb</b>\r\n") << "the continuation keeps bold";

    Layout(u"aaaa\r\nbbbb", 40, 21, 12);
    EXPECT_EQ(engine.GetOutBoundsText(paragraphBreak), u"bbbb\r\n");
    EXPECT_FALSE(paragraphBreak) << "the cut falls between paragraphs";
    Layout(u"aaaa", 40, 21, 12);
    EXPECT_EQ(engine.GetOutBoundsText(paragraphBreak), u"") << "everything fits";
}

TEST_F(DrawTextTest, InlineTags)
{
    allowTags = true;
    Layout(u"a<b>b</b><font color=\"#FF0000\">c</font><sub>d</sub><xyz>e<nope", 100);
    ASSERT_EQ(engine.Lines.Count(), 1);
    EXPECT_EQ(engine.Lines.Strings(0), u"abcde<nope");
    const TqbxHTMLTags& tags = engine.Tags.Lines[0];
    EXPECT_TRUE(tags[0].Unchanged);
    EXPECT_EQ(tags[1].FontStyle, fsBold);
    EXPECT_FALSE(tags[1].Unchanged);
    EXPECT_EQ(tags[1].TextPos, 5);
    EXPECT_EQ(tags[2].FontColor, clRed);
    EXPECT_EQ(tags[3].PointSize, 7); // round(10 / 1.5)
    EXPECT_EQ(tags[3].Lowered, 1);
    EXPECT_TRUE(tags[3].Reduced);
    EXPECT_EQ(tags[4].TextPos, 57) << "the five-character tag is dropped but counted";
    Layout(u"<font color=red>x</font><font color=\"pink\">y", 300);
    EXPECT_EQ(engine.Lines.Strings(0), u"x<font color=\"pink\">y") << "an unknown colour leaves the tag as text";
}

TEST_F(DrawTextTest, RussianSyllableHyphenation)
{
    EXPECT_EQ(HyphenationPart(u"колокол", 6), 4u); // ко-ло-кол
    EXPECT_EQ(HyphenationPart(u"колокол", 4), 2u);
    EXPECT_EQ(HyphenationPart(u"мак", 3), 0u) << "three letters never break";
    EXPECT_EQ(HyphenationPart(u"вьюга", 5), 3u) << "вью-га: no break before the soft sign";
    wordBreak = true;
    Layout(u"а колокол", 40); // 250 pixels: five characters
    EXPECT_EQ(Lines(), (std::vector<std::u16string> { u"а ко-", u"локол" }));
}

// On the screen at scale 1 a page unit is one pixel; the 10-point test font is 13 pixels high and a
// character advances 6 there, against 42 / 6.25 = 6.72 pixels measured.
struct DrawnText
{
    TPoint At;
    std::u16string Text;
    std::vector<int> Advances;
    int Escapement;
};

std::vector<DrawnText> Drawn(const fake::RecordingCanvas& canvas)
{
    std::vector<DrawnText> out;
    for (const CanvasCommand& c : canvas.Commands())
        if (c.Type == CanvasCommand::TextOut)
            out.push_back({ c.Points[0], c.Text, c.Advances, c.Font.Escapement });
    return out;
}

TEST_F(DrawTextTest, JustifiesAtSpacesAndSpreadsLines)
{
    Layout(u"aa bb cc dd", 60); // 375 measuring pixels: eight characters a line
    fake::RecordingCanvas canvas;
    engine.DrawText(canvas, 3, 0);
    std::vector<DrawnText> drawn = Drawn(canvas);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].Text, u"aa bb cc");
    EXPECT_EQ(drawn[0].At, (TPoint { 0, 0 }));
    // 60 - 8 * 6 = 12 pixels go to the two spaces.
    EXPECT_EQ(drawn[0].Advances, (std::vector<int> { 6, 6, 12, 6, 6, 12, 6, 6 }));
    // Two lines measure 2 * 83 / 6.25 = 27 pixels, one more than two 13-pixel lines: the first gets it.
    EXPECT_EQ(drawn[1].At, (TPoint { 0, 14 }));
    EXPECT_EQ(drawn[1].Text, u"dd");
}

TEST_F(DrawTextTest, AlignsAndRotates)
{
    struct Case
    {
        int rotation, hAlign;
        TPoint at;
    };
    const Case cases[] = {
        { 0, 1, { 47, 0 } }, // measured 84 / 6.25 = 13 wide: starts 60 - 13 in, less the right edge pixel
        { 0, 2, { 24, 0 } },
        { 90, 0, { 0, 99 } }, // reads upwards from the bottom left corner
        { 180, 0, { 60, 99 } }, // upside down from the bottom right corner
        { 270, 0, { 60, 0 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rotation * 10 + c.hAlign);
        rotation = c.rotation;
        Layout(u"ab", 60);
        fake::RecordingCanvas canvas;
        engine.DrawText(canvas, c.hAlign, 0);
        std::vector<DrawnText> drawn = Drawn(canvas);
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].At, c.at);
        EXPECT_EQ(drawn[0].Escapement, c.rotation * 10);
        // The device line is one pixel narrower than measured; the first character gets the pixel.
        EXPECT_EQ(drawn[0].Advances, (std::vector<int> { 7, 6 }));
    }
}

// A device that keeps text extents in 16 bits: from the character where a line passes 32767 pixels
// every cumulative extent reads 32767.
class SixteenBitCanvas : public fake::RecordingCanvas
{
public:
    std::vector<int> CharAdvances(std::u16string_view text) override
    {
        std::vector<int> advances = fake::RecordingCanvas::CharAdvances(text);
        int sum = 0;
        for (int& a : advances) {
            int capped = std::min(sum + a, 32767);
            a = capped - sum;
            sum = capped;
        }
        return advances;
    }
};

TEST_F(DrawTextTest, LongLinesSurviveSixteenBitExtents)
{
    Layout(std::u16string(6000, u'a'), 41000); // 252000 measuring pixels fit on one line
    ASSERT_EQ(engine.Lines.Count(), 1);
    SixteenBitCanvas canvas; // 36000 pixels at 6 a character, past 32767
    engine.DrawText(canvas, 0, 0);
    std::vector<DrawnText> drawn = Drawn(canvas);
    ASSERT_EQ(drawn.size(), 1u);
    long long total = 0;
    for (int a : drawn[0].Advances) {
        ASSERT_TRUE(a == 6 || a == 7) << a;
        total += a;
    }
    EXPECT_EQ(total, 40320) << "round(252000 / 6.25): the measured width";
}

} // namespace
} // namespace qbx
