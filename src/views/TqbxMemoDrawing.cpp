// The memo's geometry and drawing: text rectangle and margins, the text engine set up for drawing and
// measuring, auto width, underlines, heights and widths, and splitting across pages.
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "report/TqbxReport.h"
#include "views/TqbxDrawText.h"
#include "views/TqbxMemoView.h"

namespace qbx {
namespace {

const TRectF kUnbounded { 0, 0, 10000, 10000 }; // for measuring text as wide as it wants

// Holds the text engine from construction to destruction, also when drawing fails.
class EngineLock
{
public:
    explicit EngineLock(TqbxDrawText& engine)
        : engine_(engine)
    {
        engine_.Lock();
    }
    ~EngineLock() { engine_.Unlock(); }
    EngineLock(const EngineLock&) = delete;
    EngineLock& operator=(const EngineLock&) = delete;

private:
    TqbxDrawText& engine_;
};

TRectF ToRectF(const TRect& r)
{
    return { static_cast<long double>(r.Left), static_cast<long double>(r.Top), static_cast<long double>(r.Right),
        static_cast<long double>(r.Bottom) };
}

TRect ToRect(const TRectF& r)
{
    return { RoundToInt(r.Left), RoundToInt(r.Top), RoundToInt(r.Right), RoundToInt(r.Bottom) };
}

} // namespace

long double TqbxCustomMemoView::HorizontalMargins() const
{
    long double w = Frame.Width();
    return 2 * GapX + ((Frame.Typ & ftLeft) ? (w - 1) / 2 : 0) + ((Frame.Typ & ftRight) ? w / 2 : 0)
        + (Frame.DropShadow ? Frame.ShadowWidth : 0);
}

long double TqbxCustomMemoView::VerticalMargins() const
{
    long double w = Frame.Width();
    return 2 * GapY + ((Frame.Typ & ftTop) ? (w - 1) / 2 : 0) + ((Frame.Typ & ftBottom) ? w / 2 : 0)
        + (Frame.DropShadow ? Frame.ShadowWidth : 0);
}

TRect TqbxCustomMemoView::ComputeTextRect() const
{
    long double w = Frame.Width();
    int gapX = RoundToInt(scaleX_ * GapX), gapY = RoundToInt(scaleY_ * GapY);
    return { FX + ((Frame.Typ & ftLeft) ? RoundToInt((scaleX_ * w - 1) / 2) : 0) + gapX,
        FY + ((Frame.Typ & ftTop) ? RoundToInt((scaleY_ * w - 1) / 2) : 0) + gapY,
        FX1 - ((Frame.Typ & ftRight) ? RoundToInt(scaleX_ * w / 2) : 0) - gapX + 1,
        FY1 - ((Frame.Typ & ftBottom) ? RoundToInt(scaleY_ * w / 2) : 0) - gapY + 1 };
}

void TqbxCustomMemoView::BeginDraw(
    Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    TqbxStretcheable::BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
    textRect_ = ComputeTextRect();
}

TRect TqbxCustomMemoView::PageUnitTextRect()
{
    SetDeviceRect(1, 1, 0, 0);
    return ComputeTextRect();
}

TqbxDrawText& TqbxCustomMemoView::Engine() const
{
    TqbxReport* report = Report();
    return report ? report->DrawText() : GlobalDrawText();
}

void TqbxCustomMemoView::SetUpEngine(TqbxDrawText& engine) const
{
    engine.SetFont(Highlight.Active ? Highlight.Font : Font());
    engine.SetOptions(WordWrap, AllowHTMLTags, Rotation(), Wysiwyg, Clipped, WordBreak, RTLReading);
    engine.SetGaps(ParagraphGap, CharSpacing, LineSpacing);
}

void TqbxCustomMemoView::LayOut(TqbxDrawText& engine, const TRectF& original, const TRect& scaled,
    long double printScale, long double scaleX, long double scaleY, const TWideStrings& lines) const
{
    engine.SetDimensions(original, scaled, printScale, scaleY, scaleX);
    engine.SetText(lines);
    engine.SetParaBreaks(FirstParaBreak, LastParaBreak);
}

void TqbxCustomMemoView::FitWidth(TqbxDrawText& engine, const TWideStrings& lines)
{
    LayOut(engine, kUnbounded, ToRect(kUnbounded), 1, 1, 1, lines);
    long double oldWidth = Width();
    SetWidth(engine.TextWidth() + HorizontalMargins());
    if (HAlign == haRight)
        SetLeft(Left() + oldWidth - Width());
    else if (HAlign == haCenter)
        SetLeft(Left() + (oldWidth - Width()) / 2);
    if (Parent())
        Parent()->AlignChildren();
}

TWideStrings TqbxCustomMemoView::DrawnLines() const
{
    if (IsDesigning() && IsDataField()) {
        TWideStrings shown;
        shown.Add(Utf8ToUtf16("[" + DataSet()->UserName() + ".\"" + DataField + "\"]"));
        return shown;
    }
    if (IsDesigning() || !AllowExpressions)
        return Memo;
    std::u16string wide = Memo.Text();
    if (wide.find(u'[') == std::u16string::npos)
        return Memo; // no marker: every repaint of plain text skips the conversions below
    std::string text = Utf16ToUtf8(wide);
    ReplaceFirstIgnoringCase(text, "[TOTALPAGES#]", std::to_string(TotalPages));
    std::string copyName = "CopyName" + std::to_string(CopyNo);
    ReplaceFirstIgnoringCase(text, "[COPYNAME#]", qbxGlobalVariables().Get(copyName).ToText()); // "" when absent
    TWideStrings lines;
    lines.SetText(Utf8ToUtf16(text));
    return lines;
}

void TqbxCustomMemoView::Draw(
    Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    TWideStrings lines = DrawnLines();
    TqbxDrawText& engine = Engine();
    EngineLock lock(engine);
    TColor savedColor = Color;
    try {
        if (Highlight.Active)
            Color = Highlight.Color;
        SetUpEngine(engine);
        if (AutoWidth && !IsDesigning())
            FitWidth(engine, lines);
        TRect original = PageUnitTextRect();
        TqbxStretcheable::Draw(canvas, scaleX, scaleY, offsetX, offsetY);
        LayOut(engine, ToRectF(original), textRect_, IsPrinting() ? PrintScale : 1, scaleX, scaleY, lines);
        if (Underlines && Rotation() == 0)
            DrawUnderlines(engine);
        engine.DrawText(canvas, HAlign, VAlign);
    } catch (...) {
        Color = savedColor;
        throw;
    }
    Color = savedColor;
}

void TqbxCustomMemoView::DrawUnderlines(const TqbxDrawText& engine)
{
    Canvas& c = *canvas_;
    c.Pen = { Frame.Color(), FFrameWidth, psSolid };
    long double step = engine.LineHeight() * scaleY_;
    if (step <= 0)
        return;
    for (long double y = FY + step + (GapY - LineSpacing + 1) * scaleY_; y < FY1; y += step) {
        c.MoveTo(FX, RoundToInt(y));
        c.LineTo(FX1, RoundToInt(y));
    }
}

long double TqbxCustomMemoView::CalcHeight()
{
    TqbxDrawText& engine = Engine();
    EngineLock lock(engine);
    SetUpEngine(engine);
    TRectF original = AutoWidth ? kUnbounded : ToRectF(PageUnitTextRect());
    LayOut(engine, original, ToRect(original), 1, 1, 1, Memo);
    return RoundToInt(engine.TextHeight() + VerticalMargins());
}

long double TqbxCustomMemoView::CalcWidth()
{
    TqbxDrawText& engine = Engine();
    EngineLock lock(engine);
    SetUpEngine(engine);
    LayOut(engine, kUnbounded, ToRect(kUnbounded), 1, 1, 1, Memo);
    return RoundToInt(engine.TextWidth() + HorizontalMargins());
}

void TqbxCustomMemoView::InitPart()
{
    partBuffer_ = Memo.Text();
    FirstParaBreak = LastParaBreak = false;
}

long double TqbxCustomMemoView::DrawPart()
{
    Memo.SetText(partBuffer_);
    TqbxDrawText& engine = Engine();
    EngineLock lock(engine);
    SetUpEngine(engine);
    TRect original = PageUnitTextRect();
    LayOut(engine, ToRectF(original), original, 1, 1, 1, Memo);
    bool paragraphBreak = false;
    partBuffer_ = engine.GetOutBoundsText(paragraphBreak);
    Memo.SetText(engine.GetInBoundsText());
    LastParaBreak = paragraphBreak;
    long double unused = engine.UnusedSpace();
    return unused == 0 ? Height() : unused;
}

} // namespace qbx
