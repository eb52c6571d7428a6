// The property registry: declaration order, inheritance, re-publishing, access by name, registries.
#include "TestComponents.h"
#include "base/Exceptions.h"
#include "report/ClassRegistry.h"
#include "report/TqbxReport.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

std::vector<std::string> Names(const ClassInfo& info)
{
    std::vector<std::string> names;
    for (const PropInfo* p : info.Properties())
        names.push_back(p->Name);
    return names;
}

TEST(PropertyRegistry, ReportRootListsItsPropertiesInDeclarationOrder)
{
    // The attribute order of the template root element; Name comes first and is written apart.
    EXPECT_EQ(Names(TqbxReport::StaticClassInfo()),
        (std::vector<std::string> { "Name", "Tag", "Version", "ParentReport", "DataSet", "DataSetName",
            "DotMatrixReport", "EngineOptions", "IniFile", "OldStyleProgress", "Preview", "PreviewOptions",
            "PrintOptions", "ReportOptions", "ScriptLanguage", "ScriptText", "ShowProgress", "StoreInDFM",
            "OnRunDialogs", "OnStartReport", "OnStopReport" }));
    EXPECT_EQ(Names(TqbxEngineOptions::StaticClassInfo()),
        (std::vector<std::string> { "ConvertNulls", "DoublePass", "MaxMemSize", "PrintIfEmpty", "SilentMode",
            "NewSilentMode", "TempDir", "UseFileCache" }));
    EXPECT_FALSE(TqbxReport::StaticClassInfo().FindProperty("Preview")->IsStored(TqbxReport()));
}

TEST(PropertyRegistry, RepublishedPropertiesKeepTheirBasePosition)
{
    const ClassInfo& probe = test::ProbeView::StaticClassInfo();
    EXPECT_EQ(Names(probe), (std::vector<std::string> { "Name", "Tag", "Description", "Left", "Visible" }));
    EXPECT_TRUE(probe.InheritsFrom(TqbxComponent::StaticClassInfo()));
    EXPECT_FALSE(TqbxComponent::StaticClassInfo().InheritsFrom(probe));
    EXPECT_EQ(probe.FindProperty("visible")->Default->AsBoolean(), true);
}

TEST(PropertyRegistry, PropertiesAreReadAndWrittenByName)
{
    TqbxReport report;
    EXPECT_EQ(report.GetPropValue("IniFile").AsString(), "\\Software\\Lantorra");
    report.SetPropValue("Version", Variant("5.0"));
    EXPECT_EQ(report.Version(), "4.3");
    report.SetPropValue("ScriptText", Variant("a\r\nb"));
    EXPECT_EQ(report.ScriptText().Count(), 2);
    EXPECT_EQ(report.GetPropValue("ScriptText").AsString(), "a\r\nb");
    report.SetPropValue("showprogress", Variant("False"));
    EXPECT_FALSE(report.ShowProgress());
    EXPECT_THROW(report.SetPropValue("Colour", Variant(1)), EConvertError);

    TqbxFont font;
    font.SetPropValue("Style", Variant(3));
    EXPECT_EQ(font.Style(), fsBold | fsItalic);
    const PropInfo* size = font.GetClassInfo().FindProperty("Size");
    EXPECT_FALSE(size->IsStored(font)) << "the point size follows from Height and is not written";
    EXPECT_EQ(font.GetClassInfo().FindProperty("Pitch")->EnumOrdinal("FPFIXED"), 2);
}

TEST(PropertyRegistry, AssignCopiesSharedProperties)
{
    test::RegisterProbes();
    test::ProbeView a, b;
    a.SetLeft(12.5L);
    a.SetVisible(false);
    a.SetTag(3);
    b.Assign(a);
    EXPECT_EQ(b.Left(), 12.5L);
    EXPECT_FALSE(b.Visible());
    EXPECT_EQ(b.Tag(), 3);
}

TEST(ClassRegistry, CreatesByExactNameAndIgnoresRepeats)
{
    RegisterStandardClasses();
    RegisterStandardClasses();
    ClassRegistry& classes = ClassRegistry::Instance();
    std::vector<std::string> names = classes.ClassNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "TqbxReport"), 1);
    std::unique_ptr<TqbxComponent> report(classes.Create("TqbxReport", nullptr));
    EXPECT_TRUE(report->IsReportRoot());
    EXPECT_EQ(classes.Find("tqbxreport"), nullptr);
    try {
        classes.Create("TqbxNoSuchView", nullptr);
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot find class TqbxNoSuchView");
    }

    ObjectRegistry& kinds = ObjectRegistry::Instance();
    std::size_t before = kinds.Kinds().size();
    ObjectKind probe { &test::ProbeView::StaticClassInfo(), "PROBE", 7, "Probe", "", 0 };
    kinds.Register(probe);
    kinds.Register(probe);
    EXPECT_EQ(kinds.Kinds().size(), before + 1);
    EXPECT_EQ(kinds.ImageIndexOf(test::ProbeView::StaticClassInfo()), 7);
    EXPECT_NE(classes.Find("TqbxProbeView"), nullptr);
}

} // namespace
} // namespace qbx
