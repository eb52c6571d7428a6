// The four option objects a report owns: engine, preview, print and report options.
#pragma once

#include "base/DateTime.h"
#include "base/TWideStrings.h"
#include "report/TqbxPersistent.h"

#include <string>

namespace qbx {

class TqbxReport;

enum TqbxSilentMode { simMessageBoxes, simSilent, simReThrow };
enum TqbxZoomMode { zmDefault, zmWholePage, zmPageWidth, zmManyPages };
enum TqbxPrintMode { pmDefault, pmSplit, pmJoin, pmScale };
enum TqbxPrintPages { ppAll, ppOdd, ppEven };

// Members of the preview's button set, as bits.
enum TqbxPreviewButton : int {
    pbPrint = 1 << 0,
    pbLoad = 1 << 1,
    pbSave = 1 << 2,
    pbExport = 1 << 3,
    pbZoom = 1 << 4,
    pbFind = 1 << 5,
    pbOutline = 1 << 6,
    pbPageSetup = 1 << 7,
    pbTools = 1 << 8,
    pbEdit = 1 << 9,
    pbNavigator = 1 << 10,
    pbExportQuick = 1 << 11,
    pbNoClose = 1 << 12,
    pbNoFullScreen = 1 << 13,
    pbNoEmail = 1 << 14,
};
inline constexpr int pbDefaultButtons = 4095; // pbPrint through pbExportQuick

// Option objects are plain values owned by their report; each Assign copies the fields its table lists
// and each Clear resets the fields a report's Clear resets.
class TqbxEngineOptions : public TqbxPersistent
{
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Assign(const TqbxPersistent& source) override;
    void Clear(); // ConvertNulls and DoublePass only

    bool ConvertNulls = true;
    bool DoublePass = false;
    int MaxMemSize = 10;
    bool PrintIfEmpty = true;
    TqbxSilentMode NewSilentMode = simMessageBoxes;
    std::string TempDir;
    bool UseFileCache = false;

    // A view of NewSilentMode: True exactly when it is simSilent.
    bool SilentMode() const { return NewSilentMode == simSilent; }
    void SetSilentMode(bool silent) { NewSilentMode = silent ? simSilent : simMessageBoxes; }
};

class TqbxPreviewOptions : public TqbxPersistent
{
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Clear(); // the outline, cache and thumbnail fields only

    bool AllowEdit = true;
    int Buttons = pbDefaultButtons;
    bool DoubleBuffered = true;
    bool Maximized = true;
    bool MDIChild = false;
    bool Modal = true;
    bool OutlineExpand = true;
    bool OutlineVisible = false;
    int OutlineWidth = 120;
    int PagesInCache = 50;
    bool ThumbnailVisible = false;
    bool ShowCaptions = false;
    long double Zoom = 1.0L;
    TqbxZoomMode ZoomMode = zmDefault;
};

class TqbxPrintOptions : public TqbxPersistent
{
public:
    TqbxPrintOptions();
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Clear(); // every field to its default

    int Copies = 1;
    bool Collate = true;
    std::string PageNumbers;
    std::string Printer; // the localized "prDefault"
    TqbxPrintMode PrintMode = pmDefault;
    int PrintOnSheet = 0;
    TqbxPrintPages PrintPages = ppAll;
    bool Reverse = false;
    bool ShowDialog = true;
    int PagesOnSheet = 0; // not published
};

class TqbxReportOptions : public TqbxPersistent
{
public:
    explicit TqbxReportOptions(TqbxReport* report = nullptr); // the report is not owned
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    void Clear();
    // An empty password or the one last accepted passes; otherwise the password window asks, and only
    // the exact text (case included) confirmed with OK passes.
    bool CheckPassword();

    TqbxReport* Report() const { return report_; }

    std::string Author;
    bool Compressed = false;
    std::string ConnectionName;
    TDateTime CreateDate = 0;
    TDateTime LastChange = 0;
    TWideStrings Description;
    std::string InitString;
    std::string Name;
    std::string Password;
    std::string Picture; // the picture's streamed data; empty when it holds no graphic
    std::string VersionBuild, VersionMajor, VersionMinor, VersionRelease;
    std::string PrevPassword; // not published: the password last accepted or saved

private:
    TqbxReport* report_;
};

} // namespace qbx
