// Text objects: the memo data model shared by the memo, the system memo and the dot-matrix memo.
#pragma once

#include "base/TWideStrings.h"
#include "views/TqbxView.h"
#include "views/TqbxViewValues.h"

#include <string>

namespace qbx {

enum TqbxHAlign { haLeft, haRight, haCenter, haBlock };
enum TqbxVAlign { vaTop, vaBottom, vaCenter };

// Multi-line text with bracketed expressions. Layout and drawing arrive with the text engine.
class TqbxCustomMemoView : public TqbxStretcheable
{
public:
    explicit TqbxCustomMemoView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Draw(Canvas&, long double, long double, long double, long double) override { ContentNotAvailable(); }
    bool HasAutoWidth() const override { return AutoWidth; }
    bool HasTextAttribute() const override { return true; }
    std::string TextAttribute() const override { return Memo.JoinedUtf8(); }
    void SetTextAttribute(const std::string& text) override;
    void ReferenceRemoved(TqbxComponent* removed) override;

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
    bool FirstParaBreak = false, LastParaBreak = false;

private:
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
};

// The memo meant for page numbers, totals and dates: it publishes a subset of the memo's properties.
class TqbxSysMemoView : public TqbxCustomMemoView
{
public:
    using TqbxCustomMemoView::TqbxCustomMemoView;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
};

} // namespace qbx
