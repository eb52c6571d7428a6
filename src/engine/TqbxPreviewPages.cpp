// The prepared pages store while a run fills it: source pages and short names, pages and objects as
// differences, passes, logical page numbers, anchors, and moving kept objects to the next page.
#include "engine/TqbxPreviewPages.h"

#include "base/FloatText.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "base/Units.h"
#include "formats/TqbxXMLSerializer.h"
#include "report/ClassRegistry.h"
#include "report/PaperSizes.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxGraphicViews.h"
#include "views/TqbxMemoView.h"

#include <algorithm>
#include <cctype>

namespace qbx {
namespace {

// What an element costs in memory besides its name and attributes (the item record and its bookkeeping).
constexpr std::size_t kItemOverhead = sizeof(TqbxXMLItem) + 16;

} // namespace

TqbxPreviewPages::TqbxPreviewPages(TqbxReport& report)
    : TqbxCustomPreviewPages(report)
    , outline_(*this)
{
    root().Name = "preparedreport";
    document_.KeepDeferredMarkers = true;
}

TqbxPreviewPages::~TqbxPreviewPages()
{
    Clear();
}

int TqbxPreviewPages::PageCount() const
{
    return const_cast<TqbxPreviewPages*>(this)->PagesItem().Count();
}

TqbxXMLItem* TqbxPreviewPages::PageItem(int index)
{
    TqbxXMLItem& pages = PagesItem();
    return index >= 0 && index < pages.Count() ? pages.Items(index) : nullptr;
}

void TqbxPreviewPages::Clear()
{
    ClearPageCache();
    Finish(); // no template object may keep pointing at a source copy
    sourcePages_.clear();
    outline_.Reset();
    document_.Clear();
    root().Name = "preparedreport";
    dictionary_.Clear();
    pictureCache_.Clear();
    CurPage = -1;
    XMLSize = 0;
    passStartPage_ = -1;
    passStartObject_ = 0;
    logicalCounter_ = 0;
}

void TqbxPreviewPages::Initialize()
{
    document_.TempDir = Report.EngineOptions.TempDir;
    Report.ProgressStart(ptRunning);
}

void TqbxPreviewPages::Finish()
{
    ClearPageCache();
    for (const auto& page : sourcePages_) {
        page->SetSourceComponent(nullptr);
        for (TqbxComponent* copy : page->AllObjects()) {
            if (TqbxComponent* original = copy->SourceComponent(); original && original->SourceComponent() == copy)
                original->SetSourceComponent(nullptr);
            copy->SetSourceComponent(nullptr);
        }
    }
    if (Report.EngineRunning)
        Report.ProgressStop(ptRunning);
}

// Source pages.

int TqbxPreviewPages::SourceIndexOf(const TqbxComponent& templatePage) const
{
    for (std::size_t i = 0; i < sourcePages_.size(); ++i)
        if (sourcePages_[i]->SourceComponent() == &templatePage)
            return static_cast<int>(i);
    return -1;
}

void TqbxPreviewPages::AddSourcePage(TqbxReportPage& templatePage)
{
    auto* copy = static_cast<TqbxReportPage*>(ClassRegistry::Instance().Create(templatePage.ClassName(), nullptr));
    sourcePages_.emplace_back(copy);
    copy->Assign(templatePage);
    copy->SetName(templatePage.Name());
    copy->SetSourceComponent(&templatePage);
    int index = static_cast<int>(sourcePages_.size()) - 1;
    for (TqbxComponent* child : templatePage.Objects())
        CopySourceObject(*child, *copy, index);
}

void TqbxPreviewPages::CopySourceObject(TqbxComponent& templateObject, TqbxComponent& copyParent, int sourceIndex)
{
    if (!(templateObject.StyleFlags() & sfCopyToPreview))
        return;
    TqbxComponent* copy = ClassRegistry::Instance().Create(templateObject.ClassName(), &copyParent);
    copy->Assign(templateObject);
    copy->SetName(templateObject.Name());
    if (auto* picture = dynamic_cast<TqbxPictureView*>(copy))
        picture->PictureChanged = false; // the copy's picture is the template's, not a new one to store
    LinkSourceCopy(templateObject, *copy, sourceIndex);
    for (TqbxComponent* child : templateObject.Objects())
        CopySourceObject(*child, *copy, sourceIndex);
}

void TqbxPreviewPages::LinkSourceCopy(TqbxComponent& templateObject, TqbxComponent& copy, int sourceIndex)
{
    templateObject.SetSourceComponent(&copy);
    copy.SetSourceComponent(&templateObject);
    std::string base = copy.BaseName();
    std::string prefix = copy.IsBand()
        ? "b"
        : std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(base.empty() ? 'x' : base[0]))));
    std::string shortName = dictionary_.NextName(prefix);
    dictionary_.Add(shortName, "Page" + std::to_string(sourceIndex) + "." + copy.Name(), &copy);
    if (auto* memo = dynamic_cast<TqbxCustomMemoView*>(&copy)) {
        memo->SetDataSet(nullptr);
        memo->DataField.clear();
    }
    TqbxXMLSerializer serializer(nullptr);
    copy.SetBaseName((copy.StyleFlags() & sfFullAttributes) ? copy.ClassName() : serializer.ComponentToText(copy));
    templateObject.SetAliasName(shortName);
    copy.SetAliasName(shortName);
}

void TqbxPreviewPages::AddToSourcePage(TqbxComponent& object)
{
    if (sourcePages_.empty())
        return;
    TqbxReportPage& page = *sourcePages_.back();
    TqbxComponent* parent = &page;
    if (TqbxComponent* templateParent = object.Parent(); templateParent && templateParent->SourceComponent())
        parent = templateParent->SourceComponent();
    TqbxComponent* copy = ClassRegistry::Instance().Create(object.ClassName(), parent);
    copy->Assign(object);
    copy->SetName(object.Name());
    LinkSourceCopy(object, *copy, static_cast<int>(sourcePages_.size()) - 1);
}

TqbxComponent* TqbxPreviewPages::SourceObject(const std::string& shortName) const
{
    const TqbxDictionary::Entry* entry = dictionary_.Find(shortName);
    return entry ? entry->Object : nullptr;
}

// Pages and objects.

void TqbxPreviewPages::CheckMemory()
{
    if (!Report.EngineOptions.UseFileCache
        || XMLSize <= static_cast<std::size_t>(std::max(Report.EngineOptions.MaxMemSize, 0)) * 1048576u)
        return;
    for (int i = PageCount() - 2; i >= 0; --i) {
        TqbxXMLItem& item = *PageItem(i);
        if (!item.Loaded)
            break;
        document_.UnloadItem(item);
    }
    XMLSize = 0;
}

void TqbxPreviewPages::AddPage(TqbxReportPage& templatePage)
{
    CheckMemory();
    ++CurPage;
    if (CurPage < PageCount() && AddMode != TqbxAddMode::amAdd)
        return;
    TqbxXMLItem* item = PagesItem().Add();
    item->Name = "page" + std::to_string(SourceIndexOf(templatePage));
    item->Unloadable = PageCount() > 2;
    Report.Progress(ptRunning, CurPage + 1);
    AddMode = TqbxAddMode::amWriteOver;
    CurPage = PageCount() - 1;
    IncLogicalPageNumber();
}

void TqbxPreviewPages::AddObject(TqbxComponent& band)
{
    if (TqbxXMLItem* page = CurPageItem())
        AddObjectTo(*page, band);
}

void TqbxPreviewPages::AddObjectTo(TqbxXMLItem& parent, TqbxComponent& component)
{
    if (!component.Visible() || !(component.StyleFlags() & sfCopyToPreview))
        return;
    // A class test by the property registry: cheaper than a cast for every stored object.
    bool isPicture = component.GetClassInfo().InheritsFrom(TqbxPictureView::StaticClassInfo());
    if (auto* picture = isPicture ? static_cast<TqbxPictureView*>(&component) : nullptr;
        picture && picture->PictureChanged) {
        AddPicture(*picture);
        picture->PictureChanged = false;
    }
    TqbxXMLItem* item = parent.Add();
    if (TqbxComponent* source = component.SourceComponent()) {
        item->Name = component.AliasName();
        if (Report.EngineOptions.DoublePass && !Report.FinalPass)
            item->Text = component.TqbxComponent::Diff(*source); // a first pass keeps only geometry
        else if (component.StyleFlags() & sfFullAttributes)
            item->Text = component.FullDiff(source);
        else
            item->Text = component.Diff(*source);
    } else {
        item->Name = component.ClassName();
        item->Text = component.FullDiff(nullptr);
    }
    XMLSize += item->Name.size() + item->Text.size() + kItemOverhead;
    for (TqbxComponent* child : component.Objects())
        AddObjectTo(*item, *child);
}

void TqbxPreviewPages::AddPicture(TqbxPictureView& picture)
{
    picture.ImageIndex = picture.Picture().empty() ? 0 : pictureCache_.Add(picture.Picture());
}

bool TqbxPreviewPages::BandExists(const TqbxComponent& band) const
{
    TqbxXMLItem* page = const_cast<TqbxPreviewPages*>(this)->PageItem(CurPage);
    if (!page)
        return false;
    for (int i = 0; i < page->Count(); ++i) {
        TqbxComponent* source = SourceObject(page->Items(i)->Name);
        if (!source)
            continue;
        if (source->SourceComponent() == &band)
            return true;
        bool bothPageFooters = dynamic_cast<const TqbxPageFooter*>(&band) && dynamic_cast<TqbxPageFooter*>(source);
        bool bothColumnFooters
            = dynamic_cast<const TqbxColumnFooter*>(&band) && dynamic_cast<TqbxColumnFooter*>(source);
        if (bothPageFooters || bothColumnFooters)
            return true;
    }
    return false;
}

int TqbxPreviewPages::GetCurPosition() const
{
    TqbxXMLItem* page = const_cast<TqbxPreviewPages*>(this)->PageItem(CurPage);
    return page ? page->Count() : 0;
}

long double TqbxPreviewPages::GetLastY() const
{
    TqbxXMLItem* page = const_cast<TqbxPreviewPages*>(this)->PageItem(CurPage);
    long double lastY = 0;
    for (int i = 0; page && i < page->Count(); ++i) {
        const TqbxXMLItem& item = *page->Items(i);
        TqbxComponent* source = SourceObject(item.Name);
        if (!source || !source->IsBand() || dynamic_cast<TqbxPageFooter*>(source) || dynamic_cast<TqbxOverlay*>(source))
            continue;
        long double y = item.FloatProp("t", source->Top()) + item.FloatProp("h", source->Height());
        lastY = std::max(lastY, y);
    }
    return lastY;
}

// Passes.

void TqbxPreviewPages::BeginPass()
{
    passStartPage_ = PageCount() - 1;
    if (TqbxXMLItem* page = PageItem(passStartPage_))
        passStartObject_ = page->Count();
    ResetLogicalPageNumber();
}

void TqbxPreviewPages::ClearFirstPass()
{
    ClearPageCache();
    if (passStartPage_ == -1) {
        for (int i = root().Count() - 1; i >= 0; --i) {
            const std::string& name = root().Items(i)->Name;
            if (!SameText(name, "anchors") && !SameText(name, "logicalpagenumbers"))
                delete root().Items(i);
        }
        outline_.Reset();
    } else {
        TqbxXMLItem& pages = PagesItem();
        while (pages.Count() > passStartPage_ + 1)
            delete pages.Items(pages.Count() - 1);
        if (TqbxXMLItem* page = PageItem(passStartPage_)) {
            document_.LoadItem(*page);
            while (page->Count() > passStartObject_)
                delete page->Items(page->Count() - 1);
        }
    }
    ResetLogicalPageNumber();
    CurPage = passStartPage_;
    XMLSize = 0;
}

// Logical page numbers.

bool TqbxPreviewPages::CountsLogicalPages() const
{
    return !(Report.EngineOptions.DoublePass && Report.FinalPass);
}

void TqbxPreviewPages::IncLogicalPageNumber()
{
    if (!CountsLogicalPages())
        return;
    ++logicalCounter_;
    TqbxXMLItem* item = LogicalPagesItem().Add();
    item->Name = "page";
    item->SetProp("n", std::to_string(logicalCounter_));
}

void TqbxPreviewPages::ResetLogicalPageNumber()
{
    if (!CountsLogicalPages())
        return;
    TqbxXMLItem& numbers = LogicalPagesItem();
    for (int i = std::min(CurPage, numbers.Count() - 1); i > passStartPage_ && i >= 0; --i) {
        TqbxXMLItem& item = *numbers.Items(i);
        item.SetProp("t", std::to_string(logicalCounter_));
        if (item.Prop("n") == "1")
            break;
    }
    logicalCounter_ = 0;
}

const TqbxXMLItem* TqbxPreviewPages::LogicalPageItem() const
{
    TqbxXMLItem& numbers = const_cast<TqbxPreviewPages*>(this)->LogicalPagesItem();
    return CurPage >= 0 && CurPage < numbers.Count() ? numbers.Items(CurPage) : nullptr;
}

int TqbxPreviewPages::GetLogicalPageNumber() const
{
    const TqbxXMLItem* item = LogicalPageItem();
    return item ? item->IntProp("n") : CurPage - FirstReportPageIndex + 1;
}

int TqbxPreviewPages::GetLogicalTotalPages() const
{
    const TqbxXMLItem* item = LogicalPageItem();
    if (item)
        return item->IntProp("t");
    return Report.RunCounters.TotalPages - FirstReportPageIndex;
}

// Keeping blocks together: objects cut from a page and pasted on the next, anchors moved with them.

void TqbxPreviewPages::CutObjects(int position)
{
    TqbxXMLItem* page = CurPageItem();
    if (!page)
        return;
    TqbxXMLItem& cut = *root().FindItem("cutted");
    while (page->Count() > position && position >= 0)
        cut.AddItem(*page->Items(position));
}

void TqbxPreviewPages::PasteObjects(long double x, long double y)
{
    int at = root().Find("cutted");
    if (at < 0)
        return;
    TqbxXMLItem* cut = root().Items(at);
    TqbxXMLItem* page = CurPageItem();
    if (cut->Count() > 0 && page) {
        const TqbxXMLItem& first = *cut->Items(0);
        long double dx = x - first.FloatProp("l"), dy = y - first.FloatProp("t");
        while (cut->Count() > 0) {
            TqbxXMLItem& item = *cut->Items(0);
            item.SetProp("l", FloatToText(item.FloatProp("l") + dx));
            item.SetProp("t", FloatToText(item.FloatProp("t") + dy));
            page->AddItem(item);
        }
    }
    delete cut;
}

// Anchors.

void TqbxPreviewPages::AddAnchor(const std::string& text, long double top)
{
    TqbxXMLItem* item = AnchorsItem().Add();
    item->Name = "item";
    item->SetProp("text", text);
    item->SetProp("page", std::to_string(CurPage));
    item->SetProp("top", std::to_string(RoundToInt(top)));
}

const TqbxXMLItem* TqbxPreviewPages::FindAnchor(const std::string& text) const
{
    TqbxXMLItem& anchors = const_cast<TqbxPreviewPages*>(this)->AnchorsItem();
    for (int i = anchors.Count() - 1; i >= 0; --i)
        if (SameText(anchors.Items(i)->Prop("text"), text))
            return anchors.Items(i);
    return nullptr;
}

int TqbxPreviewPages::GetAnchorPage(const std::string& text) const
{
    const TqbxXMLItem* anchor = FindAnchor(text);
    return anchor ? anchor->IntProp("page") + 1 : 1;
}

int TqbxPreviewPages::GetAnchorCursor() const
{
    return const_cast<TqbxPreviewPages*>(this)->AnchorsItem().Count() - 1;
}

void TqbxPreviewPages::ShiftAnchors(int after, int top)
{
    TqbxXMLItem& anchors = AnchorsItem();
    if (after + 1 < 0 || after + 1 >= anchors.Count())
        return;
    int dy = top - anchors.Items(after + 1)->IntProp("top");
    for (int i = after + 1; i < anchors.Count(); ++i)
        MoveToNextPage(*anchors.Items(i), dy);
}

void TqbxPreviewPages::ModifyPageSize(const TqbxReportPage& templatePage, long double height, long double width)
{
    int index = SourceIndexOf(templatePage);
    if (index < 0)
        return;
    TqbxReportPage& copy = *sourcePages_[static_cast<std::size_t>(index)];
    copy.SetPaperSize(kCustomPaperSize);
    copy.SetPaperWidth(width / qb01cm);
    copy.SetPaperHeight(height / qb01cm);
    ClearPageCache();
}

} // namespace qbx
