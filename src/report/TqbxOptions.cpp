// Defaults, copying and reset rules of the option objects, and the template password check.
#include "report/TqbxOptions.h"

#include "base/Unicode.h"
#include "formats/TqbxResources.h"
#include "platform/Platform.h"
#include "platform/Ui.h"
#include "report/ClassBuilder.h"

namespace qbx {
namespace {

using K = TPropKind;

// A localized text, or the window's own designed text when the table has none for the key.
std::string TextOr(const std::string& key, const std::string& designed)
{
    std::string text = TqbxResources::Instance().Get(key);
    return text == key ? designed : text;
}

} // namespace

const ClassInfo& TqbxEngineOptions::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using E = TqbxEngineOptions;
        ClassInfo c("TqbxEngineOptions", nullptr, nullptr);
        ClassBuilder<E>(c)
            .Field("ConvertNulls", K::Boolean, "Boolean", &E::ConvertNulls)
            .Default(Variant(true))
            .Field("DoublePass", K::Boolean, "Boolean", &E::DoublePass)
            .Default(Variant(false))
            .Field("MaxMemSize", K::Integer, "Integer", &E::MaxMemSize)
            .Default(Variant(10))
            .Field("PrintIfEmpty", K::Boolean, "Boolean", &E::PrintIfEmpty)
            .Default(Variant(true))
            .Boolean("SilentMode", &E::SilentMode, &E::SetSilentMode)
            .Default(Variant(false))
            .Field("NewSilentMode", K::Enum, "TqbxSilentMode", &E::NewSilentMode)
            .Names({ "simMessageBoxes", "simSilent", "simReThrow" })
            .Default(Variant(0))
            .Field("TempDir", K::String, "String", &E::TempDir)
            .Field("UseFileCache", K::Boolean, "Boolean", &E::UseFileCache)
            .Default(Variant(false));
        return c;
    }();
    return info;
}

void TqbxEngineOptions::Assign(const TqbxPersistent& source)
{
    const auto* o = dynamic_cast<const TqbxEngineOptions*>(&source);
    if (!o) {
        TqbxPersistent::Assign(source);
        return;
    }
    ConvertNulls = o->ConvertNulls;
    DoublePass = o->DoublePass;
    MaxMemSize = o->MaxMemSize;
    PrintIfEmpty = o->PrintIfEmpty;
    NewSilentMode = o->NewSilentMode;
    TempDir = o->TempDir;
    UseFileCache = o->UseFileCache;
}

void TqbxEngineOptions::Clear()
{
    ConvertNulls = true;
    DoublePass = false;
}

const ClassInfo& TqbxPreviewOptions::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using P = TqbxPreviewOptions;
        ClassInfo c("TqbxPreviewOptions", nullptr, nullptr);
        ClassBuilder<P>(c)
            .Field("AllowEdit", K::Boolean, "Boolean", &P::AllowEdit)
            .Default(Variant(true))
            .Field("Buttons", K::Set, "TqbxPreviewButtons", &P::Buttons)
            .Flags(15)
            .Field("DoubleBuffered", K::Boolean, "Boolean", &P::DoubleBuffered)
            .Default(Variant(true))
            .Field("Maximized", K::Boolean, "Boolean", &P::Maximized)
            .Default(Variant(true))
            .Field("MDIChild", K::Boolean, "Boolean", &P::MDIChild)
            .Default(Variant(false))
            .Field("Modal", K::Boolean, "Boolean", &P::Modal)
            .Default(Variant(true))
            .Field("OutlineExpand", K::Boolean, "Boolean", &P::OutlineExpand)
            .Default(Variant(true))
            .Field("OutlineVisible", K::Boolean, "Boolean", &P::OutlineVisible)
            .Default(Variant(false))
            .Field("OutlineWidth", K::Integer, "Integer", &P::OutlineWidth)
            .Default(Variant(120))
            .Field("PagesInCache", K::Integer, "Integer", &P::PagesInCache)
            .Default(Variant(50))
            .Field("ThumbnailVisible", K::Boolean, "Boolean", &P::ThumbnailVisible)
            .Default(Variant(false))
            .Field("ShowCaptions", K::Boolean, "Boolean", &P::ShowCaptions)
            .Default(Variant(false))
            .Field("Zoom", K::Float, "Extended", &P::Zoom)
            .Field("ZoomMode", K::Enum, "TqbxZoomMode", &P::ZoomMode)
            .Names({ "zmDefault", "zmWholePage", "zmPageWidth", "zmManyPages" })
            .Default(Variant(0));
        return c;
    }();
    return info;
}

void TqbxPreviewOptions::Clear()
{
    OutlineExpand = true;
    OutlineVisible = false;
    OutlineWidth = 120;
    PagesInCache = 50;
    ThumbnailVisible = false;
}

TqbxPrintOptions::TqbxPrintOptions()
    : Printer(TqbxResources::Instance().Get("prDefault"))
{
}

const ClassInfo& TqbxPrintOptions::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using P = TqbxPrintOptions;
        ClassInfo c("TqbxPrintOptions", nullptr, nullptr);
        ClassBuilder<P>(c)
            .Field("Copies", K::Integer, "Integer", &P::Copies)
            .Default(Variant(1))
            .Field("Collate", K::Boolean, "Boolean", &P::Collate)
            .Default(Variant(true))
            .Field("PageNumbers", K::String, "String", &P::PageNumbers)
            .Field("Printer", K::String, "String", &P::Printer)
            .Field("PrintMode", K::Enum, "TqbxPrintMode", &P::PrintMode)
            .Names({ "pmDefault", "pmSplit", "pmJoin", "pmScale" })
            .Default(Variant(0))
            .Field("PrintOnSheet", K::Integer, "Integer", &P::PrintOnSheet)
            .Field("PrintPages", K::Enum, "TqbxPrintPages", &P::PrintPages)
            .Names({ "ppAll", "ppOdd", "ppEven" })
            .Default(Variant(0))
            .Field("Reverse", K::Boolean, "Boolean", &P::Reverse)
            .Default(Variant(false))
            .Field("ShowDialog", K::Boolean, "Boolean", &P::ShowDialog)
            .Default(Variant(true));
        return c;
    }();
    return info;
}

void TqbxPrintOptions::Clear()
{
    *this = TqbxPrintOptions();
}

TqbxReportOptions::TqbxReportOptions(TqbxReport* report)
    : report_(report)
{
    Clear();
}

const ClassInfo& TqbxReportOptions::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using R = TqbxReportOptions;
        ClassInfo c("TqbxReportOptions", nullptr, nullptr);
        ClassBuilder<R>(c)
            .Field("Author", K::String, "String", &R::Author)
            .Field("Compressed", K::Boolean, "Boolean", &R::Compressed)
            .Default(Variant(false))
            .Field("ConnectionName", K::String, "String", &R::ConnectionName)
            .Field("CreateDate", K::Float, "TDateTime", &R::CreateDate)
            .Property(
                "Description", K::Lines, "TStrings", [](const R& o) { return o.Description.JoinedUtf8(); },
                [](R& o, const std::string& text) { o.Description.SetText(Utf8ToUtf16(text)); })
            .Field("InitString", K::String, "String", &R::InitString)
            .Field("Name", K::String, "String", &R::Name)
            .Field("LastChange", K::Float, "TDateTime", &R::LastChange)
            .Field("Password", K::String, "String", &R::Password)
            .Field("Picture", K::Picture, "TPicture", &R::Picture)
            .Field("VersionBuild", K::String, "String", &R::VersionBuild)
            .Field("VersionMajor", K::String, "String", &R::VersionMajor)
            .Field("VersionMinor", K::String, "String", &R::VersionMinor)
            .Field("VersionRelease", K::String, "String", &R::VersionRelease);
        return c;
    }();
    return info;
}

void TqbxReportOptions::Clear()
{
    Author.clear();
    Compressed = false;
    CreateDate = LastChange = Now();
    Description.Clear();
    Picture.clear();
    VersionBuild.clear();
    VersionMajor.clear();
    VersionMinor.clear();
    VersionRelease.clear();
    ConnectionName.clear();
    InitString.clear();
    Name.clear();
    Password.clear();
    PrevPassword.clear();
}

bool TqbxReportOptions::CheckPassword()
{
    if (Password.empty() || Password == PrevPassword)
        return true;
    std::string typed;
    // The table has no texts for the password window; its own designed texts stand in.
    bool confirmed = CurrentPlatform().GetUi().InputQuery(
        TextOr("5000", "Password"), TextOr("5001", "Enter the password:"), typed, true);
    if (!confirmed || typed != Password)
        return false;
    PrevPassword = Password;
    return true;
}

} // namespace qbx
