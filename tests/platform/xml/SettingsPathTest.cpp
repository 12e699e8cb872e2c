#include <gtest/gtest.h>

#include "LoadedSettings.h"
#include "platform/xml/cvSettings.h"
#include "platform/xml/kqXML.h"
#include "support/ErrorAssert.h"

namespace {

std::string Str(const Variant& v) { return v.IsNull() ? "<Null>" : v.ToString(); }

TEST(SettingsPaths, ElementsAttributesLeadingSlashAndPredicates) {
    auto s = Loaded(
        "<Query><Parameters><General><CompanyDetail><Companies>"
        "<Company ID='1' CAPosition='A' ShortName='North'/><Company ID='2' CAPosition='B' ShortName='South'/>"
        "</Companies><OperatorStatus>Op<b>x</b></OperatorStatus></CompanyDetail></General></Parameters></"
        "Query>");
    EXPECT_EQ(Str(s->GetValue("Query/Parameters/General/CompanyDetail/Companies/Company@ShortName")),
              "North");
    EXPECT_EQ(
        Str(s->GetValue("/Query/Parameters/General/CompanyDetail/Companies/Company[@ID='2']@ShortName")),
        "South");
    // An element's value is its text with the text of the elements below it.
    EXPECT_EQ(Str(s->GetValue("Query/Parameters/General/CompanyDetail/OperatorStatus")), "Opx");
    EXPECT_TRUE(s->GetValue("Query/Nothing/Here").IsNull());
    EXPECT_TRUE(s->GetValue("Query/Parameters@Missing").IsNull());

    // Bound to an element, a leading "/" still starts there, not at the top.
    ASSERT_TRUE(s->Select("Query/Parameters/General"));
    auto general = New<cvSettings>();
    general->Attach(s->Node());
    ASSERT_TRUE(general->Select("/CompanyDetail/Companies/Company[@CAPosition='B']"));
    EXPECT_EQ(general->Attribute("ShortName"), "South");
    EXPECT_TRUE(general->Select("CompanyDetail/Companies/Company[@CAPosition='A']"));
    EXPECT_EQ(general->Attribute("ID"), "1");
    EXPECT_FALSE(general->Select("/Query/Parameters"));  // the top of the document is out of its reach
    EXPECT_EQ(Str(general->GetValue("CompanyDetail/Companies/Company[2]@ID")), "2");
}

TEST(SettingsPaths, LoadedDocumentsResolveFromDocumentThenRoot) {
    auto chart = Loaded(
        "<TerralithChart><Chart><Title>Output</Title><IsHorizontal>1</IsHorizontal>"
        "<SeriesLimit>5</SeriesLimit></Chart></TerralithChart>");
    EXPECT_EQ(Str(chart->GetValue("TerralithChart/Chart/Title")), "Output");
    EXPECT_TRUE(chart->SelectRelative("TerralithChart/Chart"));
    ASSERT_TRUE(chart->Select("TerralithChart/Chart/IsHorizontal"));
    ASSERT_TRUE(chart->SelectRelative("../SeriesLimit"));
    EXPECT_EQ(chart->Text(), "5");

    auto manifest = Loaded(
        "<TerralithChart><Colours><C R='1' G='2' B='3'/></Colours>"
        "<Charts><Field><Cat Name='Production'/></Field></Charts></TerralithChart>");
    ASSERT_TRUE(manifest->Select("Colours"));
    EXPECT_EQ(manifest->Count(), 1);
    ASSERT_TRUE(manifest->Select("Charts/Field"));
    EXPECT_EQ(manifest->Count(), 1);
    ASSERT_TRUE(manifest->Select("/"));  // the top again
    EXPECT_EQ(manifest->Count(), 1);

    auto settings = Loaded(
        "<HostSettings><Options><Paths><DataFolder>/data/</DataFolder></Paths></Options>"
        "</HostSettings>");
    EXPECT_EQ(Str(settings->GetValue("Options/Paths/DataFolder")), "/data/");
    EXPECT_EQ(Str(settings->GetValue("HostSettings/Options/Paths/DataFolder")), "/data/");
    // Attached to the loaded document, the root object reads the same paths.
    auto root = New<cvSettings>();
    root->Attach(settings);
    EXPECT_EQ(Str(root->GetValue("Options/Paths/DataFolder")), "/data/");
}

TEST(SettingsPaths, SetValueCreatesWhatIsMissingAndReadsBack) {
    auto s = Loaded("<GridLayouts><AssetTypes/></GridLayouts>");
    s->SetValue("GridLayouts/AssetTypes/Field/Grids/Annual/YearRange@From", "1990");
    EXPECT_EQ(Str(s->GetValue("GridLayouts/AssetTypes/Field/Grids/Annual/YearRange@From")), "1990");
    s->SetValue("GridLayouts/AssetTypes/Field/Grids/Annual/YearRange@From", 2001);
    EXPECT_EQ(Str(s->GetValue("GridLayouts/AssetTypes/Field/Grids/Annual/YearRange@From")), "2001");
    // Written below the root element when the path does not name it.
    s->SetValue("Extra/Flag", true);
    EXPECT_EQ(Str(s->GetValue("GridLayouts/Extra/Flag")), "True");
    EXPECT_EQ(s->XMLObject()->CountNodes("/GridLayouts/AssetTypes/Field"), 1);

    // A value replaces an element's text and keeps its child elements.
    s->SetValue("GridLayouts/AssetTypes", "t");
    EXPECT_TRUE(s->Select("GridLayouts/AssetTypes/Field"));

    auto empty = New<cvSettings>();
    empty->SetValue("Options/Paths/DataFolder", "/x/");
    EXPECT_EQ(Str(empty->GetValue("Options/Paths/DataFolder")), "/x/");

    EXPECT_RAISES(5, s->SetValue("GridLayouts/Item[@ID='9']", "x"));  // cannot be made
    EXPECT_RAISES(94, s->SetValue("GridLayouts/X", Variant::Null()));
}

TEST(SettingsPaths, InvalidPathsRaiseNumberedErrors) {
    auto s = Loaded("<A><B/></A>");
    EXPECT_RAISES(5, s->Select("A/B[@x='1'"));
    EXPECT_RAISES(5, s->GetValue("A/B]]"));
    EXPECT_RAISES(5, s->GetValue("count(A)"));
    EXPECT_RAISES(5, s->CreateNode("bad name", "A"));
    try {
        s->Select("A/[");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Source(), "cvSettings");
        EXPECT_NE(e.Description().find("A/["), std::string::npos);
    }
}

}  // namespace
