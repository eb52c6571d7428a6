// TqbxCustomPreviewPages: what the engine, the preview, printing and exports ask of prepared pages.
#pragma once

#include "platform/Geometry.h"

#include <iosfwd>
#include <memory>
#include <string>

namespace qbx {

class Canvas;
class TqbxComponent;
class TqbxCustomExportFilter;
class TqbxCustomOutline;
class TqbxPictureView;
class TqbxReport;
class TqbxReportPage;

// Whether AddPage makes new pages or writes over the pages that follow the current one.
enum class TqbxAddMode { amAdd, amWriteOver };

// The system's pointing-hand cursor, shown over links and drill-down groups.
inline constexpr int crHandPoint = -21;

// What a mouse position over a prepared page asks of the preview (ObjectOver).
struct TqbxObjectOverResult
{
    int Cursor = 0; // 0: the default cursor
    bool Rebuild = false; // the drill-down list changed: prepare the report again
    bool Repaint = false; // the page was modified and written back
    int ShowPage = 0; // a link asked for this page (1-based); 0: none
    int ShowTop = 0; // and for this position on it
    std::string OpenURL; // a link for the system to open
};

// Lifetime: owned by the report, whose engine fills it during a run. Interface only; the store is
// TqbxPreviewPages.
class TqbxCustomPreviewPages
{
public:
    explicit TqbxCustomPreviewPages(TqbxReport& report)
        : Report(report)
    {
    }
    virtual ~TqbxCustomPreviewPages() = default;
    TqbxCustomPreviewPages(const TqbxCustomPreviewPages&) = delete;
    TqbxCustomPreviewPages& operator=(const TqbxCustomPreviewPages&) = delete;

    virtual int PageCount() const = 0;
    // The rebuilt page, owned by the page cache: valid until a later GetPage pushes it out. nullptr
    // when there are no pages.
    virtual TqbxReportPage* GetPage(int index) = 0;
    virtual TPoint GetPageSize(int index) = 0; // pixels; (0, 0) out of range
    virtual void Clear() = 0;
    virtual void Initialize() = 0;
    virtual void AddObject(TqbxComponent& band) = 0;
    virtual void AddPage(TqbxReportPage& templatePage) = 0;
    virtual void AddSourcePage(TqbxReportPage& templatePage) = 0;
    virtual void AddToSourcePage(TqbxComponent& object) = 0;
    virtual void BeginPass() = 0;
    virtual void ClearFirstPass() = 0;
    virtual void CutObjects(int position) = 0;
    virtual void Finish() = 0;
    virtual void IncLogicalPageNumber() = 0;
    virtual void ResetLogicalPageNumber() = 0;
    virtual void PasteObjects(long double x, long double y) = 0;
    virtual void ShiftAnchors(int after, int top) = 0;
    virtual void AddPicture(TqbxPictureView& picture) = 0;
    virtual bool BandExists(const TqbxComponent& band) const = 0;
    virtual int GetCurPosition() const = 0;
    virtual int GetAnchorCursor() const = 0;
    virtual long double GetLastY() const = 0;
    virtual int GetLogicalPageNumber() const = 0;
    virtual int GetLogicalTotalPages() const = 0;
    virtual void AddEmptyPage(int index) = 0;
    virtual void DeletePage(int index) = 0;
    virtual void ModifyPage(int index, TqbxReportPage& page) = 0;
    virtual void DrawPage(
        int index, Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
        = 0;
    virtual TqbxObjectOverResult ObjectOver(
        int index, int x, int y, bool click, long double scale, long double offsetX, long double offsetY)
        = 0;
    virtual void AddFrom(TqbxReport& other) = 0;
    virtual void LoadFromStream(std::unique_ptr<std::istream> in, bool allowPartialLoading) = 0;
    virtual void SaveToStream(std::ostream& out) = 0;
    virtual bool LoadFromFile(const std::string& fileName, bool raiseIfMissing) = 0;
    virtual void SaveToFile(const std::string& fileName) = 0;
    virtual bool Export(TqbxCustomExportFilter& filter) = 0;

    TqbxReport& Report;
    TqbxAddMode AddMode = TqbxAddMode::amAdd;
    int CurPage = -1; // the page being filled; -1 when there is none
    int CurPreviewPage = 1; // the page the preview shows, from 1
    int FirstReportPageIndex = 0; // where the current run's pages start
    virtual TqbxCustomOutline& Outline() = 0;
};

} // namespace qbx
