// TqbxCustomExportFilter: what the prepared pages store hands an export filter, page by page.
#pragma once

#include <string>

namespace qbx {

class TqbxComponent;
class TqbxReportPage;

// Owned by whoever exports; the store only drives it. Every call has a default that does nothing, so
// a filter overrides what it needs.
class TqbxCustomExportFilter
{
public:
    virtual ~TqbxCustomExportFilter() = default;
    // Asked first: false cancels the export (a filter may ask its own questions here).
    virtual bool ShowModal() { return true; }
    // The pages to export as a printing page-range text ("1,3,5-12"); empty: every page.
    virtual std::string PageRange() const { return {}; }
    virtual bool CurrentPageOnly() const { return false; }
    virtual void OnBeginDoc() { }
    // `index` is 0-based; the page is rebuilt and laid out, valid until OnEndPage.
    virtual void OnBeginPage(int index, TqbxReportPage& page) { (void)index, (void)page; }
    // Every printable object of the page in drawing order, with its data for display prepared.
    virtual void OnData(TqbxComponent& object) { (void)object; }
    virtual void OnEndPage() { }
    virtual void OnEndDoc() { }
};

} // namespace qbx
