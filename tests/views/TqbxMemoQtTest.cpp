// Memos drawn on the Qt canvas in Liberation Sans (the metric twin of Arial): alignment, justification,
// rotation, and the same line breaks and widths on the screen at zoom 1 and on a 600 dpi printer.
#include "platform/Pictures.h"
#include "platform/qt/QtCanvas.h"
#include "views/TqbxDrawText.h"
#include "views/TqbxMemoView.h"

#include <filesystem>
#include <map>
#include <numeric>

#include <gtest/gtest.h>

namespace qbx {
namespace {

// The Qt canvas that also remembers what was written where, with the advances it was given.
class TextRecordingCanvas : public QtCanvas
{
public:
    using QtCanvas::QtCanvas;
    struct Run
    {
        TPoint At;
        std::u16string Text;
        std::vector<int> Advances;
        int Width() const { return std::accumulate(Advances.begin(), Advances.end(), 0); }
    };
    void TextOut(int x, int y, std::u16string_view text, const TTextOutOptions& options = {}) override
    {
        Runs.push_back({ { x, y }, std::u16string(text), { options.Advances.begin(), options.Advances.end() } });
        QtCanvas::TextOut(x, y, text, options);
    }
    std::vector<Run> Runs;
};

const char16_t* const kParagraphs = u"Every report prints what its designer placed, line for line and page for "
                                    u"page.\r\nMeasured once at 600 dpi, the breaks never move.\r\n\r\n"
                                    u"Quick zephyrs blow, vexing daft Jim; waltz, nymph, for quick jigs vex Bud.";

void Place(TqbxMemoView& memo, long double width, long double height, const char16_t* text = kParagraphs)
{
    memo.SetBounds(0, 0, width, height);
    memo.Memo.SetText(text);
}

// The x of the rightmost and leftmost non-white pixel in rows [top, bottom); -1 when there is none.
std::pair<int, int> InkColumns(const RasterImage& image, int top, int bottom)
{
    int left = -1, right = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.PixelColor(x, y) != clWhite) {
                left = left < 0 ? x : std::min(left, x);
                right = std::max(right, x);
            }
    return { left, right };
}

TEST(MemoOnQt, SameBreaksAndWidthsOnScreenAndPrinter)
{
    TqbxMemoView memo;
    Place(memo, 180, 200);
    TextRecordingCanvas screen(200, 220);
    memo.Draw(screen, 1, 1, 0, 0);

    constexpr long double k = 600.0L / 96;
    QImage page(1250, 1375, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(23622); // 600 dpi
    page.setDotsPerMeterY(23622);
    std::vector<TextRecordingCanvas::Run> printed;
    {
        TextRecordingCanvas printer(page, 600, true);
        memo.Draw(printer, k, k, 0, 0);
        printed = printer.Runs;
    }
    ASSERT_GE(screen.Runs.size(), 5u) << "the text wraps into several lines";
    ASSERT_EQ(printed.size(), screen.Runs.size());
    for (std::size_t i = 0; i < printed.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(printed[i].Text, screen.Runs[i].Text) << "the same characters on every line";
        // Each line keeps its measured width on both devices: within a screen pixel after scaling.
        EXPECT_NEAR(printed[i].Width() / k, screen.Runs[i].Width(), 1.0L);
        EXPECT_NEAR((printed[i].At.Y - printed[0].At.Y) / k, screen.Runs[i].At.Y - screen.Runs[0].At.Y, 1.0L);
    }
}

TEST(MemoOnQt, LinesAreSpacedByTheNominalFontHeight)
{
    // Arial 10 measures with height -83 at 600 dpi: a line is 83 / 6.25 + LineSpacing 2 = 15.28 units,
    // whatever ascent and descent the font file has.
    TqbxMemoView memo;
    Place(memo, 300, 100, u"one\r\ntwo\r\nthree");
    memo.CalcHeight();
    EXPECT_NEAR(static_cast<double>(GlobalDrawText().LineHeight()), 15.28, 1e-9);
    EXPECT_NEAR(static_cast<double>(GlobalDrawText().TextHeight()), 45.84, 1e-9);

    // On screen at zoom 1: advances of 2 + 13 pixels, and the block of three lines is round(45.84) = 46
    // high, so one extra pixel goes to one of the first two advances.
    TextRecordingCanvas screen(320, 120);
    memo.Draw(screen, 1, 1, 0, 0);
    ASSERT_EQ(screen.Runs.size(), 3u);
    EXPECT_EQ(screen.Runs[2].At.Y - screen.Runs[0].At.Y, 31);
}

TEST(MemoOnQt, JustifiesWithExtraPixelsOnTheLeftmostSpaces)
{
    TqbxMemoView memo;
    Place(memo, 150, 120);
    memo.HAlign = haBlock;
    TextRecordingCanvas canvas(160, 130);
    memo.Draw(canvas, 1, 1, 0, 0);
    const TRect& r = memo.TextRect();
    ASSERT_GE(canvas.Runs.size(), 4u);
    canvas.Font.Height = -13;
    int naturalSpace = canvas.CharAdvances(u" ")[0];
    const TextRecordingCanvas::Run& first = canvas.Runs[0];
    EXPECT_EQ(first.Width(), r.Right - r.Left) << "a justified line fills the rectangle";
    std::vector<int> spaces;
    for (std::size_t i = 0; i < first.Text.size(); ++i)
        if (first.Text[i] == u' ')
            spaces.push_back(first.Advances[i]);
    ASSERT_GE(spaces.size(), 2u);
    EXPECT_GT(spaces.front(), naturalSpace);
    EXPECT_TRUE(std::is_sorted(spaces.rbegin(), spaces.rend())) << "the leftmost spaces take the spare pixels";
    EXPECT_LE(spaces.front() - spaces.back(), 1);

    // The first paragraph's last line keeps its natural width.
    auto last = std::find_if(canvas.Runs.begin(), canvas.Runs.end(),
        [](const TextRecordingCanvas::Run& run) { return run.Text.ends_with(u"page."); });
    ASSERT_NE(last, canvas.Runs.end());
    EXPECT_LT(last->Width(), r.Right - r.Left - 10);
}

TEST(MemoOnQt, RightAndCentreAlignmentPlaceTheInk)
{
    for (TqbxHAlign align : { haLeft, haRight, haCenter }) {
        SCOPED_TRACE(align);
        TqbxMemoView memo;
        Place(memo, 120, 20, u"Total 1234");
        memo.HAlign = align;
        QtCanvas canvas(130, 30);
        memo.Draw(canvas, 1, 1, 0, 0);
        const TRect& r = memo.TextRect();
        auto [left, right] = InkColumns(canvas.Snapshot(), 0, 30);
        ASSERT_GE(left, 0);
        if (align == haLeft)
            EXPECT_NEAR(left, r.Left, 2);
        else if (align == haRight)
            EXPECT_NEAR(right, r.Right - 1, 2);
        else
            EXPECT_NEAR(left - r.Left, r.Right - 1 - right, 2);
    }
}

TEST(MemoOnQt, RotatedTextStartsAtTheDocumentedCorners)
{
    struct Case
    {
        int rotation;
        bool leftHalf, bottomHalf; // where the first characters' ink lies
    };
    for (Case c : { Case { 90, true, true }, Case { 180, false, true } }) {
        SCOPED_TRACE(c.rotation);
        TqbxMemoView memo;
        Place(memo, 80, 80, u"Abc");
        memo.SetRotation(c.rotation);
        TextRecordingCanvas canvas(90, 90);
        memo.Draw(canvas, 1, 1, 0, 0);
        const TRect& r = memo.TextRect();
        ASSERT_EQ(canvas.Runs.size(), 1u);
        TPoint start = canvas.Runs[0].At;
        EXPECT_EQ(start, (TPoint { c.rotation == 90 ? r.Left : r.Right, r.Bottom }));
        RasterImage image = canvas.Snapshot();
        auto [left, right] = InkColumns(image, 0, 90);
        auto [lowLeft, lowRight] = InkColumns(image, 45, 90);
        EXPECT_GE(lowLeft, 0) << "ink near the bottom";
        EXPECT_EQ(right < 45, c.leftHalf);
    }
}

TEST(MemoOnQt, WritesAPageOfMemosForPeopleToLookAt)
{
    QtCanvas canvas(620, 300);
    std::vector<std::unique_ptr<TqbxMemoView>> memos;
    auto add = [&](long double x, long double y, long double w, long double h, const char16_t* text) {
        auto memo = std::make_unique<TqbxMemoView>();
        memo->SetBounds(x, y, w, h);
        memo->Memo.SetText(text);
        memo->Frame.Typ = ftLeft | ftRight | ftTop | ftBottom;
        memos.push_back(std::move(memo));
        return memos.back().get();
    };
    const char16_t* text = u"The quick brown fox jumps over the lazy dog, twice over.";
    add(10, 10, 140, 60, text);
    add(160, 10, 140, 60, text)->HAlign = haRight;
    add(310, 10, 140, 60, text)->HAlign = haCenter;
    add(460, 10, 140, 60, text)->HAlign = haBlock;
    TqbxMemoView* tags = add(10, 90, 290, 60,
        u"<b>Bold</b>, <i>italic</i>, <u>underlined</u>, <strike>struck</strike>, "
        u"H<sub>2</sub>O and x<sup>2</sup>, <font color=\"#C00000\">red</font>.");
    tags->AllowHTMLTags = true;
    TqbxMemoView* lit = add(310, 90, 290, 60, u"Highlighted: a yellow fill and a bold red font.");
    lit->Highlight.Active = true;
    lit->Highlight.Color = clYellow;
    lit->Highlight.Font.SetStyle(fsBold);
    TqbxMemoView* ruled = add(10, 170, 200, 110, text);
    ruled->Underlines = true;
    ruled->Frame.SetStyle(fsDash);
    ruled->VAlign = vaCenter;
    add(230, 170, 60, 110, u"Rotated 90")->SetRotation(90);
    add(300, 170, 100, 50, u"Rotated 180")->SetRotation(180);
    TqbxMemoView* shadow = add(420, 170, 180, 60, u"Double frame, drop shadow, blue fill");
    shadow->Frame.SetStyle(fsDouble);
    shadow->Frame.DropShadow = true;
    shadow->Color = clSkyBlue;
    for (auto& memo : memos)
        memo->Draw(canvas, 1, 1, 0, 0);
    std::filesystem::create_directories(QBX_TEST_OUTPUT);
    EXPECT_TRUE(canvas.Image()->save(QBX_TEST_OUTPUT "/memos.png"));
}

} // namespace
} // namespace qbx
