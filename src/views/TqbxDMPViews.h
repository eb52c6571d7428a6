// Dot-matrix variants: a page and objects whose geometry snaps to the character grid and whose font is
// a fixed-pitch font chosen by printer style bits.
#pragma once

#include "report/TqbxPages.h"
#include "views/TqbxGraphicViews.h"
#include "views/TqbxMemoView.h"

#include <string>

namespace qbx {

enum TqbxDMPFontStyle : int {
    fsxBold = 1,
    fsxItalic = 2,
    fsxUnderline = 4,
    fsxSuperScript = 8,
    fsxSubScript = 16,
    fsxCondensed = 32,
    fsxWide = 64,
    fsx12cpi = 128,
    fsx15cpi = 256
};
using TqbxDMPFontStyles = int;

// "Courier New" 12 points with the bold, italic and underline of the printer styles.
TqbxFont DMPFont(TqbxDMPFontStyles styles);

class TqbxDMPPage : public TqbxReportPage
{
public:
    explicit TqbxDMPPage(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool IsDotMatrixPage() const override { return true; }
    TqbxDMPFontStyles FontStyle() const { return fontStyle_; }
    // Applies the page font, then lets every object that follows its parent's font take it again.
    void SetFontStyle(TqbxDMPFontStyles styles);
    // The paper holds whole character cells: a size set is rounded to whole columns and lines, and the
    // defaults keep the whole cells that fit, with margins of one cell.
    void SetPaperWidth(long double mm) override;
    void SetPaperHeight(long double mm) override;
    void SetPaperSize(int code) override;
    void SetDefaults() override;

private:
    enum class CellFit { Round, Trunc };
    void SnapPaper(CellFit fit);

    TqbxDMPFontStyles fontStyle_ = 0;
    bool settingDefaults_ = false; // the base's defaults set A4 unsnapped; SetDefaults snaps it after
};

// Shared by the dot-matrix memo and line: printer styles that follow the page until set.
struct DMPStyleHolder
{
    TqbxDMPFontStyles FontStyle = 0;
};

class TqbxDMPMemoView : public TqbxCustomMemoView, public DMPStyleHolder
{
public:
    explicit TqbxDMPMemoView(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::string GetDescription() const override; // the localized "obDMPText"
    TqbxDMPFontStyles GetFontStyle() const { return FontStyle; }
    void SetFontStyle(TqbxDMPFontStyles styles); // clears ParentFont
    void SetParentFont(bool value) override;
    void SetLeft(long double value) override;
    void SetTop(long double value) override;
    void SetWidth(long double value) override;
    void SetHeight(long double value) override;
    std::string Diff(const TqbxComponent& reference) const override; // the memo's, then FontStyle
    // The frame lies half a character cell outside the object.
    void DrawFrame() override;
    long double CalcHeight() override; // whole lines of cells
    long double CalcWidth() override; // whole columns of cells

private:
    void ApplyPrinterFont();
};

class TqbxDMPLineView : public TqbxCustomLineView, public DMPStyleHolder
{
public:
    using TqbxCustomLineView::TqbxCustomLineView;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::string GetDescription() const override; // the localized "obDMPLine"
    TqbxDMPFontStyles GetFontStyle() const { return FontStyle; }
    void SetFontStyle(TqbxDMPFontStyles styles); // clears ParentFont
    void SetParentFont(bool value) override;
    void SetLeft(long double value) override;
    void SetTop(long double value) override;
    void SetWidth(long double value) override;
    std::string Diff(const TqbxComponent& reference) const override; // the view's, then FontStyle
};

class TqbxDMPCommand : public TqbxView
{
public:
    explicit TqbxDMPCommand(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::string GetDescription() const override; // the localized "obDMPCmd"
    std::string Diff(const TqbxComponent& reference) const override; // the view's, then Command
    void SetLeft(long double value) override;
    void SetTop(long double value) override;

    std::string Command; // printer control text
};

// Enters the page class and the three objects (flags 8, image indexes 2, 5 and 21).
void RegisterDotMatrixClasses();

} // namespace qbx
