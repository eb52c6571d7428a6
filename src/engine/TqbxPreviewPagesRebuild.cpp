// Prepared pages read back: pages rebuilt from their differences and cached, page edits, drawing,
// the mouse over a page, and exporting.
#include "base/FloatText.h"
#include "base/PageRange.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "base/Units.h"
#include "engine/TqbxCustomExportFilter.h"
#include "engine/TqbxPreviewPages.h"
#include "formats/TqbxXMLSerializer.h"
#include "platform/Canvas.h"
#include "platform/Platform.h"
#include "platform/Ui.h"
#include "report/ClassRegistry.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxDMPViews.h"
#include "views/TqbxGraphicViews.h"
#include "views/TqbxMemoView.h"

#include <algorithm>
#include <sstream>

namespace qbx {
namespace {

// The source page index of an element named "page" + index; -1 for any other name.
int SourceIndexOfElement(const std::string& name)
{
    long long index = 0;
    if (name.size() <= 4 || AsciiUpper(name.substr(0, 4)) != "PAGE" || !TryTextToInt64(name.substr(4), index))
        return -1;
    return static_cast<int>(index);
}

// The page's background: colour, frame and back picture over the printable area.
void DrawPageBackground(TqbxReportPage& page, Canvas& canvas, long double scaleX, long double scaleY,
    long double offsetX, long double offsetY)
{
    if (page.Color == clNone && page.BackPicture.empty() && page.Frame.Typ == 0)
        return;
    TqbxPictureView background;
    background.Color = page.Color;
    background.Frame.Assign(page.Frame);
    background.KeepAspectRatio = false;
    background.SetPicture(page.BackPicture);
    background.SetBounds(0, 0, (page.PaperWidth() - page.LeftMargin - page.RightMargin) * qb01cm,
        (page.PaperHeight() - page.TopMargin - page.BottomMargin) * qb01cm);
    background.Draw(canvas, scaleX, scaleY, offsetX + page.LeftMargin * qb01cm * scaleX,
        offsetY + page.TopMargin * qb01cm * scaleY);
}

// The views of a page in drawing order (every descendant that is one).
std::vector<TqbxView*> ViewsOf(const TqbxComponent& page)
{
    std::vector<TqbxView*> views;
    for (TqbxComponent* c : page.AllObjects())
        if (auto* view = dynamic_cast<TqbxView*>(c))
            views.push_back(view);
    return views;
}

TRect ScaledRect(
    const TqbxComponent& c, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    return { RoundToInt(offsetX + c.AbsLeft() * scaleX), RoundToInt(offsetY + c.AbsTop() * scaleY),
        RoundToInt(offsetX + (c.AbsLeft() + c.Width()) * scaleX),
        RoundToInt(offsetY + (c.AbsTop() + c.Height()) * scaleY) };
}

// Swaps the left and right margins of a page for as long as it lives (mirrored even pages).
class MirroredMargins
{
public:
    MirroredMargins(TqbxReportPage& page, bool mirror)
        : page_(page)
        , mirror_(mirror)
    {
        if (mirror_)
            std::swap(page_.LeftMargin, page_.RightMargin);
    }
    ~MirroredMargins()
    {
        if (mirror_)
            std::swap(page_.LeftMargin, page_.RightMargin);
    }
    MirroredMargins(const MirroredMargins&) = delete;
    MirroredMargins& operator=(const MirroredMargins&) = delete;

private:
    TqbxReportPage& page_;
    bool mirror_;
};

} // namespace

TqbxReportPage* TqbxPreviewPages::GetPage(int index)
{
    TqbxXMLItem* item = PageItem(index);
    if (!item)
        return nullptr;
    bool running = Report.EngineRunning;
    auto cached = std::find_if(pageCache_.begin(), pageCache_.end(), [&](const auto& e) { return e.first == index; });
    if (cached != pageCache_.end()) {
        if (!running) {
            pageCache_.splice(pageCache_.begin(), pageCache_, cached);
            return pageCache_.front().second.get();
        }
        pageCache_.erase(cached); // while a run fills the store, pages are always rebuilt
    }
    document_.LoadItem(*item);
    pageCache_.emplace_front(index, BuildPage(*item));
    EvictPages();
    return pageCache_.front().second.get();
}

void TqbxPreviewPages::ClearPageCache()
{
    pageCache_.clear();
}

void TqbxPreviewPages::EvictPages()
{
    std::size_t limit = static_cast<std::size_t>(std::max(Report.PreviewOptions.PagesInCache, 1));
    while (pageCache_.size() > 1 && pageCache_.size() > limit) {
        TqbxXMLItem* item = PageItem(pageCache_.back().first);
        pageCache_.pop_back();
        if (item && Report.EngineOptions.UseFileCache && item->Unloadable)
            document_.UnloadItem(*item);
    }
}

std::unique_ptr<TqbxReportPage> TqbxPreviewPages::BuildPage(TqbxXMLItem& item)
{
    TqbxXMLSerializer serializer(nullptr);
    std::unique_ptr<TqbxReportPage> page;
    int source = SourceIndexOfElement(item.Name);
    if (source >= 0 && source < static_cast<int>(sourcePages_.size())) {
        const TqbxReportPage& copy = *sourcePages_[static_cast<std::size_t>(source)];
        page.reset(static_cast<TqbxReportPage*>(ClassRegistry::Instance().Create(copy.ClassName(), nullptr)));
        page->Assign(copy);
        page->SetName(copy.Name());
        for (int i = 0; i < item.Count(); ++i)
            BuildObjects(*item.Items(i), *page, serializer);
    } else {
        // A page written whole (ModifyPage, AddFrom, a dot-matrix page): its element is the template form.
        bool dotMatrix = SameText(item.Name, TqbxDMPPage::StaticClassInfo().ClassName());
        page.reset(dotMatrix ? new TqbxDMPPage() : new TqbxReportPage());
        serializer.Owner = page.get();
        serializer.ReadRootComponent(*page, item);
    }
    page->UpdateDimensions();
    for (const std::string& error : serializer.Errors.Items())
        Report.Errors.Add(error);
    return page;
}

void TqbxPreviewPages::BuildObjects(TqbxXMLItem& item, TqbxComponent& parent, TqbxXMLSerializer& serializer)
{
    TqbxComponent* object = nullptr;
    try {
        if (TqbxComponent* source = SourceObject(item.Name)) {
            object = serializer.ReadComponentFromText(&parent, source->BaseName() + " " + item.Text, true);
            object->SetName(source->Name());
            if (auto* picture = dynamic_cast<TqbxPictureView*>(object); picture && picture->Picture().empty())
                picture->SetPicture(pictureCache_.Get(picture->ImageIndex));
        } else {
            object = serializer.ReadComponentFromText(&parent, item.Name + item.Text, true);
        }
    } catch (const Exception& e) {
        serializer.Errors.Add(e.what()); // an unknown name or class: the object and its children are left out
        return;
    }
    for (int i = 0; i < item.Count(); ++i)
        BuildObjects(*item.Items(i), *object, serializer);
}

TPoint TqbxPreviewPages::GetPageSize(int index)
{
    TqbxXMLItem* item = PageItem(index);
    if (!item)
        return { 0, 0 };
    int source = SourceIndexOfElement(item->Name);
    const TqbxReportPage* page = source >= 0 && source < static_cast<int>(sourcePages_.size())
        ? sourcePages_[static_cast<std::size_t>(source)].get()
        : GetPage(index);
    return page ? TPoint { RoundToInt(page->Width()), RoundToInt(page->Height()) } : TPoint { 0, 0 };
}

// Page edits.

void TqbxPreviewPages::AddEmptyPage(int index)
{
    TqbxXMLItem* at = PageItem(index);
    if (!at)
        return;
    auto item = std::make_unique<TqbxXMLItem>();
    item->Name = at->Name;
    PagesItem().InsertItem(index, std::move(item));
    ClearPageCache();
}

void TqbxPreviewPages::DeletePage(int index)
{
    TqbxXMLItem* item = PageItem(index);
    if (!item || PageCount() < 2)
        return;
    delete item;
    ClearPageCache();
}

void TqbxPreviewPages::ModifyPage(int index, TqbxReportPage& page)
{
    TqbxXMLItem* item = PageItem(index);
    if (!item)
        return;
    document_.LoadItem(*item);
    item->Clear();
    TqbxXMLSerializer serializer(&page);
    serializer.WriteRootComponent(page, true, *item);
    item->Unloadable = false;
    ClearPageCache();
}

void TqbxPreviewPages::AddFrom(TqbxReport& other)
{
    TqbxPreviewPages& theirs = other.PreviewPages();
    for (int i = 0; i < theirs.PageCount(); ++i) {
        TqbxReportPage* page = theirs.GetPage(i);
        if (!page)
            continue;
        std::string name = PageCount() > 0 ? PageItem(PageCount() - 1)->Name : page->ClassName();
        TqbxXMLItem* item = PagesItem().Add();
        TqbxXMLSerializer serializer(page);
        serializer.WriteRootComponent(*page, true, *item);
        item->Name = name;
    }
    ClearPageCache();
}

// Drawing.

void TqbxPreviewPages::DrawPage(
    int index, Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    TqbxReportPage* page = GetPage(index);
    if (!page)
        return;
    MirroredMargins mirror(*page, page->MirrorMargins && index % 2 == 1);
    bool printer = canvas.IsPrinter();
    if (!printer) {
        canvas.SaveClip();
        canvas.IntersectClip(
            { RoundToInt(offsetX), RoundToInt(offsetY), RoundToInt(page->PaperWidth() * qb01cm * scaleX + offsetX - 1),
                RoundToInt(page->PaperHeight() * qb01cm * scaleY + offsetY - 1) });
    }
    try {
        DrawPageBackground(*page, canvas, scaleX, scaleY, offsetX, offsetY);
        long double x = offsetX + page->LeftMargin * qb01cm * scaleX;
        long double y = offsetY + page->TopMargin * qb01cm * scaleY;
        for (TqbxView* view : ViewsOf(*page)) {
            TRect r = ScaledRect(*view, scaleX, scaleY, x, y);
            if (!canvas.RectVisible({ r.Left - 20, r.Top - 20, r.Right + 20, r.Bottom + 20 }))
                continue;
            if (printer && !view->Printable)
                continue;
            if (auto* memo = dynamic_cast<TqbxCustomMemoView*>(view)) {
                memo->TotalPages = PageCount();
                memo->CopyNo = CopyNo;
                memo->PrintScale = PrintScale;
            }
            view->SetPrinting(printer);
            view->Draw(canvas, scaleX, scaleY, x, y);
            view->SetPrinting(false);
        }
    } catch (...) {
        if (!printer)
            canvas.RestoreClip();
        throw;
    }
    if (!printer)
        canvas.RestoreClip();
}

// The mouse over a prepared page.

TRect TqbxPreviewPages::SheetRect(
    int index, const TqbxComponent& object, long double scale, long double offsetX, long double offsetY)
{
    TqbxReportPage* page = GetPage(index);
    bool mirror = page->MirrorMargins && index % 2 == 1;
    long double left = mirror ? page->RightMargin : page->LeftMargin;
    return ScaledRect(
        object, scale, scale, offsetX + left * qb01cm * scale, offsetY + page->TopMargin * qb01cm * scale);
}

TqbxObjectOverResult TqbxPreviewPages::ObjectOver(
    int index, int x, int y, bool click, long double scale, long double offsetX, long double offsetY)
{
    TqbxObjectOverResult result;
    if ((Report.EngineRunning) || !PageItem(index))
        return result;
    TqbxReportPage* page = GetPage(index);
    Report.ProgressMessage("");
    std::vector<TqbxComponent*> objects = page->AllObjects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        TqbxComponent& c = **it;
        TRect r = SheetRect(index, c, scale, offsetX, offsetY);
        if (x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom)
            continue;
        auto* header = dynamic_cast<TqbxGroupHeader*>(&c);
        if (!header)
            header = dynamic_cast<TqbxGroupHeader*>(c.Parent());
        if (header && header->DrillDown) {
            result.Cursor = crHandPoint;
            if (click) {
                std::string key = header->Name() + "." + std::to_string(header->Tag());
                auto& list = Report.DrillDownList;
                auto found = std::find(list.begin(), list.end(), key);
                if (found == list.end())
                    list.push_back(key);
                else
                    list.erase(found);
                result.Rebuild = true;
            }
            return result;
        }
        auto* view = dynamic_cast<TqbxView*>(&c);
        if (!view)
            continue;
        if (view->Cursor != 0)
            result.Cursor = view->Cursor;
        if (!view->URL.empty()) {
            Report.ProgressMessage(view->URL);
            if (view->Cursor == 0)
                result.Cursor = crHandPoint;
        }
        if (!click) {
            if (Report.OnMouseOverObject)
                Report.OnMouseOverObject(*view);
            return result;
        }
        const std::string& url = view->URL;
        if (!url.empty() && url[0] == '@') {
            long long pageNo = 0;
            if (TryTextToInt64(url.substr(1), pageNo))
                result.ShowPage = static_cast<int>(pageNo);
        } else if (!url.empty() && url[0] == '#') {
            const TqbxXMLItem* anchor = FindAnchor(url.substr(1));
            result.ShowPage = anchor ? anchor->IntProp("page") + 1 : 1;
            result.ShowTop = anchor ? anchor->IntProp("top") : 0;
        } else if (!url.empty()) {
            result.OpenURL = url;
        }
        bool modified = false;
        if (!view->OnPreviewClick().empty()) {
            Report.Errors.Add("Script handlers are not available yet: " + view->Name() + ".OnPreviewClick ("
                + view->OnPreviewClick() + ") needs the script engine");
            Report.ShowErrors();
        }
        if (Report.OnClickObject)
            Report.OnClickObject(*view, modified);
        if (modified) {
            ModifyPage(index, *page);
            result.Repaint = true;
        }
        return result;
    }
    return result;
}

// Exporting.

bool TqbxPreviewPages::Export(TqbxCustomExportFilter& filter)
{
    if (!filter.ShowModal())
        return false;
    Report.Terminated = false;
    std::vector<PageSpan> spans;
    std::string range = filter.CurrentPageOnly() ? std::to_string(CurPreviewPage) : filter.PageRange();
    if (!ParsePageRange(range, spans)) {
        Report.Errors.Add("Invalid page range '" + range + "'");
        Report.ShowErrors();
        return false;
    }
    bool ok = true;
    Report.ProgressStart(ptExporting);
    try {
        filter.OnBeginDoc();
        int count = PageCount();
        for (int i = 0; i < count && !Report.Terminated; ++i) {
            if (!PageInRange(spans, i + 1, count))
                continue;
            TqbxReportPage* page = GetPage(i);
            filter.OnBeginPage(i, *page);
            for (TqbxView* view : ViewsOf(*page)) {
                if (auto* memo = dynamic_cast<TqbxCustomMemoView*>(view))
                    memo->TotalPages = count;
                filter.OnData(*view);
            }
            filter.OnEndPage();
            Report.Progress(ptExporting, i + 1);
            CurrentPlatform().GetUi().ProcessMessages();
        }
        filter.OnEndDoc();
    } catch (const Exception& e) {
        Report.Errors.Add(e.what());
        ok = false;
    }
    Report.ProgressStop(ptExporting);
    if (!ok)
        Report.ShowErrors();
    return ok;
}

} // namespace qbx
