// TqbxComponent: every object of a report. A tree of parents and children with names unique per report,
// geometry, a font inherited from the parent, restrictions and the difference text of prepared pages.
#pragma once

#include "report/TqbxFont.h"
#include "report/TqbxPersistent.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace qbx {

class TqbxComponent;
class TqbxReport;

// The base name of a class: its name with the first "Tqbx" and then the first "View" removed.
std::string BaseNameOf(const std::string& className);

enum TqbxRestriction : int { rfDontModify = 1, rfDontSize = 2, rfDontMove = 4, rfDontDelete = 8, rfDontEdit = 16 };
using TqbxRestrictions = int;

// Style flags of a component.
inline constexpr int sfCopyToPreview = 2; // the object is copied into prepared pages
inline constexpr int sfFullAttributes = 4; // prepared pages hold its full attribute text, not a difference

// Lifetime: a component created with a parent is that parent's child and is destroyed with it (or
// explicitly, which detaches it first). A component created without a parent is owned by the caller.
// The report root is the platform owner of everything below it: names are unique across the report.
class TqbxComponent : public TqbxPersistent
{
public:
    explicit TqbxComponent(TqbxComponent* parent = nullptr);
    ~TqbxComponent() override;
    TqbxComponent(const TqbxComponent&) = delete;
    TqbxComponent& operator=(const TqbxComponent&) = delete;

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Assign(const TqbxPersistent& source) override;

    // Names.
    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    // The stem of generated names; on a prepared pages' source copy, the text that rebuilds its objects.
    std::string BaseName() const { return baseName_.empty() ? BaseNameOf(ClassName()) : baseName_; }
    void SetBaseName(std::string value) { baseName_ = std::move(value); }
    void CreateUniqueName();

    // The tree. Objects are the direct children in order; AllObjects every descendant in pre-order.
    const std::vector<TqbxComponent*>& Objects() const { return objects_; }
    std::vector<TqbxComponent*> AllObjects() const;
    TqbxComponent* Parent() const { return parent_; }
    virtual void SetParent(TqbxComponent* parent);
    // Moves one of this object's children to another position among them.
    void MoveChild(TqbxComponent* child, int index);
    TqbxComponent* Owner() const { return owner_; } // the report root this object was created under
    TqbxComponent* Page() const; // the nearest page at or above the object
    TqbxReport* Report() const;
    TqbxComponent* FindObject(const std::string& name) const;
    virtual const std::vector<TqbxComponent*>& ContainedObjects() const { return objects_; }
    // Frees all children.
    virtual void Clear();

    // Geometry in page units (pixels at 96 dpi), relative to the parent.
    long double Left() const { return left_; }
    long double Top() const { return top_; }
    long double Width() const { return width_; }
    long double Height() const { return height_; }
    virtual void SetLeft(long double value);
    virtual void SetTop(long double value);
    virtual void SetWidth(long double value);
    virtual void SetHeight(long double value);
    void SetBounds(long double left, long double top, long double width, long double height);
    long double AbsLeft() const;
    long double AbsTop() const;

    // Fonts.
    TqbxFont& Font() { return font_; }
    const TqbxFont& Font() const { return font_; }
    virtual void SetFont(const TqbxFont& font);
    bool ParentFont() const { return parentFont_; }
    virtual void SetParentFont(bool value);

    // Restrictions, visibility, grouping, description.
    TqbxRestrictions Restrictions() const { return restrictions_; }
    void SetRestrictions(TqbxRestrictions value) { restrictions_ = value; }
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value) { visible_ = value; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    const std::string& Description() const { return description_; }
    void SetDescription(const std::string& value) { description_ = value; }

    // Flags of the object's life.
    bool IsDesigning() const { return designing_; }
    void SetDesigning(bool value) { designing_ = value; }
    bool IsLoading() const { return loading_; }
    void SetLoading(bool value) { loading_ = value; }
    bool IsPrinting() const { return printing_; }
    void SetPrinting(bool value) { printing_ = value; }
    bool IsWriting() const { return writing_; }
    void SetWriting(bool value) { writing_ = value; }
    bool IsAncestor() const { return inherited_; }
    void SetAncestor(bool value) { inherited_ = value; }
    int StyleFlags() const { return styleFlags_; }
    void SetStyleFlags(int flags) { styleFlags_ = flags; }
    const std::string& AliasName() const { return aliasName_; }
    void SetAliasName(const std::string& value) { aliasName_ = value; }
    TqbxComponent* SourceComponent() const { return source_; }
    void SetSourceComponent(TqbxComponent* value) { source_ = value; }
    TqbxComponent* SourceBand() const { return sourceBand_; }
    void SetSourceBand(TqbxComponent* value) { sourceBand_ = value; }

    // Class-level queries that Diff, AbsLeft and the engine ask.
    virtual std::string GetDescription() const { return ClassName(); }
    virtual bool IsBand() const { return false; }
    virtual bool IsVerticalBand() const { return false; }
    virtual bool IsDialogPage() const { return false; }
    virtual bool IsReportRoot() const { return false; }
    virtual bool IsPage() const { return false; }
    // Data sets and other non-visual components that live on a data page.
    virtual bool IsDialogComponent() const { return false; }
    virtual bool HasAutoWidth() const { return false; }

    // Copies through the template stream: Assign saves the source without children but with default
    // values and loads that into this object (which loses its children); AssignAll includes the children.
    void AssignAll(const TqbxComponent& source);
    // The object's full attribute text, then a space and Diff(reference) when a reference is given.
    std::string FullDiff(const TqbxComponent* reference) const;

    // Called on the report root for every component of the report that is being destroyed, so that
    // references to it are cleared.
    virtual void RemovedNotification(TqbxComponent*) { }
    // Called on every object of the report when one of them is destroyed: clear references to it.
    virtual void ReferenceRemoved(TqbxComponent*) { }

    // Text objects stream their text as the attribute Text (UTF-8); others have none.
    virtual bool HasTextAttribute() const { return false; }
    virtual std::string TextAttribute() const { return {}; }
    virtual void SetTextAttribute(const std::string&) { }

    // Reading and writing templates. LoadFromStream clears this object first and adds what the
    // serializer collected to the report's Errors; SaveToStream writes this object as the root.
    virtual void LoadFromStream(std::istream& in);
    // LoadFromStream's work; `asCopy` makes every child a new, unnamed object (AssignAll).
    void ReadTemplate(std::istream& in, bool asCopy);
    virtual void SaveToStream(std::ostream& out, bool saveChildren = true, bool saveDefaultValues = false);
    // Called once an object and every reference of the template it came from have been read.
    virtual void Loaded() { }

    // The Align of a view as its ordinal (baNone = 0 ... baClient = 6); -1 for objects that are no views.
    virtual int ViewAlign() const { return -1; }
    // Places the child views by their Align: left- and width-aligned ones against their neighbours from
    // the left, right- and width-aligned ones from the right, then centre, bottom and client ones.
    virtual void AlignChildren();

    // Hooks.
    virtual void BeforeStartReport() { }

    // The attributes of this object that differ from `reference` (see the difference text rules).
    virtual std::string Diff(const TqbxComponent& reference) const;
    // Prepared pages store measurements to four decimals; smaller differences are no change.
    static constexpr long double kDiffTolerance = 0.0001L;

protected:
    virtual void FontChanged();
    // The saved bounds of BeforePrint/AfterPrint.
    struct Bounds
    {
        long double Left = 0, Top = 0, Width = 0, Height = 0;
    } savedBounds_;

private:
    void Detach();
    void StoreUnlessRestricted(long double& field, long double value, TqbxRestriction guard);
    void CollectDescendants(std::vector<TqbxComponent*>& into) const;
    void CheckNewName(const std::string& name) const;

    std::vector<TqbxComponent*> objects_; // owned: freed by Clear and the destructor
    TqbxComponent* parent_ = nullptr;
    TqbxComponent* owner_ = nullptr;
    TqbxComponent* source_ = nullptr;
    TqbxComponent* sourceBand_ = nullptr;
    std::string name_;
    std::string aliasName_;
    std::string baseName_; // empty: derived from the class name
    std::string description_;
    TqbxFont font_;
    long double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TqbxRestrictions restrictions_ = 0;
    int tag_ = 0;
    int groupIndex_ = 0;
    int styleFlags_ = 0;
    bool parentFont_ = true;
    bool visible_ = true;
    bool designing_ = false, loading_ = false, printing_ = false, writing_ = false, inherited_ = false;
};

} // namespace qbx
