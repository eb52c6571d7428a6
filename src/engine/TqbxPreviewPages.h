// TqbxPreviewPages: the prepared pages of a run, kept as differences against copies of the template
// pages, with their outline, anchors, logical page numbers and pictures.
#pragma once

#include "engine/TqbxCustomPreviewPages.h"
#include "engine/TqbxDictionary.h"
#include "engine/TqbxOutline.h"
#include "engine/TqbxPictureCache.h"
#include "formats/TqbxXML.h"

#include <list>
#include <memory>
#include <vector>

namespace qbx {

class TqbxXMLSerializer;

// Owned by the report. Owns its XML document, its source pages (copies of template pages that are
// parented by nothing), the dictionary, the picture cache, the outline and the pages it rebuilt.
class TqbxPreviewPages : public TqbxCustomPreviewPages
{
public:
    explicit TqbxPreviewPages(TqbxReport& report);
    ~TqbxPreviewPages() override;

    int PageCount() const override;
    TqbxReportPage* GetPage(int index) override;
    TPoint GetPageSize(int index) override;
    void Clear() override;
    void Initialize() override;
    void AddObject(TqbxComponent& band) override;
    void AddPage(TqbxReportPage& templatePage) override;
    void AddSourcePage(TqbxReportPage& templatePage) override;
    void AddToSourcePage(TqbxComponent& object) override;
    void BeginPass() override;
    void ClearFirstPass() override;
    void CutObjects(int position) override;
    void Finish() override;
    void IncLogicalPageNumber() override;
    void ResetLogicalPageNumber() override;
    void PasteObjects(long double x, long double y) override;
    void ShiftAnchors(int after, int top) override;
    void AddPicture(TqbxPictureView& picture) override;
    bool BandExists(const TqbxComponent& band) const override;
    int GetCurPosition() const override;
    int GetAnchorCursor() const override;
    long double GetLastY() const override;
    int GetLogicalPageNumber() const override;
    int GetLogicalTotalPages() const override;
    void AddEmptyPage(int index) override;
    void DeletePage(int index) override;
    void ModifyPage(int index, TqbxReportPage& page) override;
    void DrawPage(int index, Canvas& canvas, long double scaleX, long double scaleY, long double offsetX,
        long double offsetY) override;
    TqbxObjectOverResult ObjectOver(
        int index, int x, int y, bool click, long double scale, long double offsetX, long double offsetY) override;
    void AddFrom(TqbxReport& other) override;
    void LoadFromStream(std::unique_ptr<std::istream> in, bool allowPartialLoading) override;
    void SaveToStream(std::ostream& out) override;
    bool LoadFromFile(const std::string& fileName, bool raiseIfMissing) override;
    void SaveToFile(const std::string& fileName) override;
    bool Export(TqbxCustomExportFilter& filter) override;
    TqbxCustomOutline& Outline() override { return outline_; }

    // Appends an anchor with the text at the current page and `top` (the engine's CurY).
    void AddAnchor(const std::string& text, long double top);
    // The 1-based page of the last anchor with that text (without regard to case); 1 when none.
    int GetAnchorPage(const std::string& text) const;
    // The last anchor with that text (without regard to case); nullptr when none.
    const TqbxXMLItem* FindAnchor(const std::string& text) const;
    // Where an object of rebuilt page `index` lies on the sheet, in device pixels at `scale`: its page
    // position moved by the page's margins (swapped on mirrored even pages) and the offset.
    TRect SheetRect(
        int index, const TqbxComponent& object, long double scale, long double offsetX = 0, long double offsetY = 0);
    // Gives the first source copy of `templatePage` a custom paper of the size (pixels).
    void ModifyPageSize(const TqbxReportPage& templatePage, long double height, long double width);
    // The source object a short name stands for; nullptr when the name is unknown.
    TqbxComponent* SourceObject(const std::string& shortName) const;

    // The document's parts, each made on first use.
    TqbxXMLItem& PagesItem() { return *root().FindItem("previewpages"); }
    TqbxXMLItem& AnchorsItem() { return *root().FindItem("anchors"); }
    TqbxXMLItem& LogicalPagesItem() { return *root().FindItem("logicalpagenumbers"); }
    TqbxXMLItem& OutlineItem() { return *root().FindItem("outline"); }
    TqbxXMLDocument& Document() { return document_; }

    const std::vector<std::unique_ptr<TqbxReportPage>>& SourcePages() const { return sourcePages_; }
    const TqbxDictionary& Dictionary() const { return dictionary_; }
    const TqbxPictureCache& PictureCache() const { return pictureCache_; }
    int CachedPages() const { return static_cast<int>(pageCache_.size()); }
    std::size_t XMLSize = 0; // bytes of page content added since the last memory check (an estimate)
    int CopyNo = 0; // handed to memos while printing
    long double PrintScale = 1;

private:
    TqbxXMLItem& root() { return document_.Root(); }
    TqbxXMLItem* PageItem(int index);
    TqbxXMLItem* CurPageItem() { return PageItem(CurPage); }
    void AddObjectTo(TqbxXMLItem& parent, TqbxComponent& component);
    void CopySourceObject(TqbxComponent& templateObject, TqbxComponent& copyParent, int sourceIndex);
    void LinkSourceCopy(TqbxComponent& templateObject, TqbxComponent& copy, int sourceIndex);
    int SourceIndexOf(const TqbxComponent& templatePage) const;
    void CheckMemory();
    void ClearPageCache();
    void EvictPages();
    std::unique_ptr<TqbxReportPage> BuildPage(TqbxXMLItem& item);
    void BuildObjects(TqbxXMLItem& item, TqbxComponent& parent, TqbxXMLSerializer& serializer);
    void CompleteDocument();
    void RebuildFromDocument();
    const TqbxXMLItem* LogicalPageItem() const;
    bool CountsLogicalPages() const;

    TqbxXMLDocument document_;
    std::vector<std::unique_ptr<TqbxReportPage>> sourcePages_;
    TqbxDictionary dictionary_;
    TqbxPictureCache pictureCache_;
    TqbxOutline outline_;
    // Rebuilt pages, most recently used first.
    std::list<std::pair<int, std::unique_ptr<TqbxReportPage>>> pageCache_;
    int passStartPage_ = -1, passStartObject_ = 0;
    int logicalCounter_ = 0;
};

} // namespace qbx
