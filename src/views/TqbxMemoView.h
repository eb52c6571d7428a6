// Text objects: the memo data model shared by the memo, the system memo and the dot-matrix memo.
#pragma once

#include "base/TWideStrings.h"
#include "views/TqbxView.h"
#include "views/TqbxViewValues.h"

#include <optional>
#include <string>

namespace qbx {

enum TqbxHAlign { haLeft, haRight, haCenter, haBlock };
enum TqbxVAlign { vaTop, vaBottom, vaCenter };

class TqbxDrawText;

// Multi-line text in which bracketed expressions are replaced by their values at print time, or the text
// of a data field. It measures itself for stretching and auto width, splits across pages, flows surplus
// text into another memo and draws through the text engine.
class TqbxCustomMemoView : public TqbxStretcheable
{
public:
    explicit TqbxCustomMemoView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool HasAutoWidth() const override { return AutoWidth; }
    bool HasTextAttribute() const override { return true; }
    std::string TextAttribute() const override { return Memo.JoinedUtf8(); }
    void SetTextAttribute(const std::string& text) override;
    void ReferenceRemoved(TqbxComponent* removed) override;

    // The view's differences, the memo's own ones and the text as attribute "u"; afterwards the next part
    // of a split memo continues the paragraph this part ended in.
    std::string Diff(const TqbxComponent& reference) const override;
    // Resolves the page markers, then background, frame, underlines and the text.
    void Draw(
        Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY) override;
    void BeforePrint() override; // also saves the template text
    void GetData() override; // the field text or the expanded text, highlight, suppression, flow
    void AfterPrint() override; // also restores the template text
    std::string GetComponentText() override;
    // The view's device rectangle, then the text rectangle inside frame lines and gaps.
    void BeginDraw(
        Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY) override;
    long double CalcHeight() override;
    virtual long double CalcWidth();
    void InitPart() override;
    // Keeps what fits the current height and holds the rest for the next part; returns the unused
    // height, or the whole height when not even one line fits.
    long double DrawPart() override;
    bool HasPartLeft() const { return !partBuffer_.empty(); } // text DrawPart has not placed yet
    // Forgets the last printed text, so that the next one prints even when it repeats.
    void ResetSuppressed() { lastText_.reset(); }
    const TRect& TextRect() const { return textRect_; } // of the last BeginDraw, device pixels
    // The name of a report style; setting it copies the style's colour, font and frame.
    const std::string& Style() const { return style_; }
    void SetStyle(const std::string& name);
    int Rotation() const { return rotation_; }
    void SetRotation(int degrees); // kept modulo 360
    TqbxCustomMemoView* FlowTo() const { return flowTo_; } // not owned
    void SetFlowTo(TqbxCustomMemoView* memo) { flowTo_ = memo; }

    TWideStrings Memo;
    bool AllowExpressions = true;
    std::string ExpressionDelimiters = "[,]";
    TqbxFormat DisplayFormat;
    bool HideZeros = false, SuppressRepeated = false;
    TqbxHighlight Highlight;
    TqbxHAlign HAlign = haLeft;
    TqbxVAlign VAlign = vaTop;
    long double GapX = 2, GapY = 1, CharSpacing = 0, LineSpacing = 2, ParagraphGap = 0;
    bool WordWrap = true, WordBreak = false, AllowHTMLTags = false, RTLReading = false;
    bool Clipped = true, Wysiwyg = true, Underlines = false, AutoWidth = false;
    // Mutable: Diff carries LastParaBreak over into FirstParaBreak for the next part.
    mutable bool FirstParaBreak = false, LastParaBreak = false;

    // Run-time state. Value is the last expression's or the data field's value; the prepared pages store
    // sets the page count, copy number and print scale before each draw.
    Variant Value;
    int TotalPages = 0, CopyNo = 0;
    long double PrintScale = 1;

private:
    // Page units at scale 1: the gaps, the framed sides' halves and the drop shadow.
    long double HorizontalMargins() const;
    long double VerticalMargins() const;
    TRect ComputeTextRect() const;
    TRect PageUnitTextRect();
    TqbxDrawText& Engine() const;
    // Font, options and gaps; the highlight's font while the highlight is active.
    void SetUpEngine(TqbxDrawText& engine) const;
    void LayOut(TqbxDrawText& engine, const TRectF& original, const TRect& scaled, long double printScale,
        long double scaleX, long double scaleY, const TWideStrings& lines) const;
    void FitWidth(TqbxDrawText& engine, const TWideStrings& lines);
    void DrawUnderlines(const TqbxDrawText& engine);
    TWideStrings DrawnLines() const;
    void ExpandText(TqbxReport& report);
    std::string ExpandExpression(const std::string& text, TqbxReport& report);
    std::string ValueText(const TqbxFormat& format) const;

    TWideStrings savedMemo_;
    std::optional<std::u16string> lastText_;
    std::u16string partBuffer_;
    TRect textRect_;
    std::string style_;
    int rotation_ = 0;
    TqbxCustomMemoView* flowTo_ = nullptr;
};

class TqbxMemoView : public TqbxCustomMemoView
{
public:
    using TqbxCustomMemoView::TqbxCustomMemoView;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::string GetDescription() const override; // the localized "obText"
};

// The memo meant for page numbers, totals and dates: it publishes a subset of the memo's properties.
class TqbxSysMemoView : public TqbxCustomMemoView
{
public:
    using TqbxCustomMemoView::TqbxCustomMemoView;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::string GetDescription() const override; // the localized "obSysText"
};

} // namespace qbx
