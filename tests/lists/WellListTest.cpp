// The well list on the sample data: its coded look-up lists and what the
// look-ups answer after them, the wells of the sectors and the rigs of the
// active query's rig types with their caches, the rig-type tree, the award
// rounds, the geological-age control and the well dates; and what a fill
// that fails leaves behind and shows.
#include <gtest/gtest.h>

#include "ActiveCriteria.h"
#include "ReportText.h"
#include "host/controls/MemoryDataTypeChooser.h"
#include "host/controls/MemoryGeologicalAgeControl.h"
#include "host/controls/MemoryListBox.h"
#include "host/controls/MemoryTreeView.h"
#include "lists/CListWell.h"
#include "support/SqliteFile.h"

namespace {

class WellLists : public ActiveCriteriaFixture {
protected:
    void SetUp() override {
        FakeRootFixture::SetUp();
        OpenRoot();
    }

    static Ref<MemoryListBox> List(const std::string& name) { return New<MemoryListBox>(name); }
    std::vector<std::string> Db(const std::string& sql) { return Column(DatabasePath(), sql); }
    // Everything shown to the user, one message a line.
    std::string Shown() const {
        std::string out;
        for (const auto& m : messages) out += m.title + ": " + m.text + "\n";
        return out + Dialog();
    }
    // The list's texts, one a line.
    static std::string Texts(const MemoryListBox& list) {
        std::string out;
        for (const ListRow& row : list.Rows()) out += row.Text + "\n";
        return out;
    }
    static std::string Lines(const std::vector<std::string>& values) {
        std::string out;
        for (const std::string& v : values) out += v + "\n";
        return out;
    }

    Ref<CListWell> well = New<CListWell>();
};

TEST_F(WellLists, EachCodedListReadsItsOwnCodeOnceAndReplaysIt) {
    auto types = List("Types"), statuses = List("Statuses"), results = List("Results");
    well->PopulateWellTypes(types);
    well->PopulateWellStatuses(statuses);
    well->PopulateWellResults(results);
    EXPECT_EQ(types->Print(), "Exploration|1\nAppraisal|2\nDevelopment|3\nInjection|4\n");
    EXPECT_EQ(statuses->Print(),
              "Drilling|1\nProducing|2\nInjecting|3\nSuspended|4\nPlugged and Abandoned|5\n");
    EXPECT_EQ(results->ListCount(), 7);
    EXPECT_EQ(results->List(6), "Not Applicable");

    // Later fills copy the cache: a statement that could no longer run is not read.
    root->SetOption("SQL_LOOKUP", "");
    auto again = List("Types2");
    again->AddItem("Kept");
    well->PopulateWellTypes(again);
    EXPECT_EQ(again->Print(), "Kept|0\nExploration|1\nAppraisal|2\nDevelopment|3\nInjection|4\n");
    EXPECT_EQ(Shown(), "");

    EXPECT_EQ(well->WellTypeCode(3), "DEV");
    EXPECT_EQ(well->WellTypeDescription(3), "Development");
    EXPECT_EQ(well->WellStatusCode(5), "PA");
    EXPECT_EQ(well->WellStatusDescription(2), "Producing");
    EXPECT_EQ(well->WellResultCode(7), "NA");
    EXPECT_EQ(well->WellResultDescription(4), "Oil and Gas");
}

TEST_F(WellLists, AFirstFillThatFailedIsReadAgainByTheNext) {
    const std::string lookup = root->GetOption("SQL_LOOKUP");
    root->SetOption("SQL_LOOKUP", "");
    auto results = List("Results");
    well->PopulateWellResults(results);
    EXPECT_EQ(results->ListCount(), 0);
    ASSERT_EQ(messages.size(), 1u) << Shown();
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_TRUE(RecordsCall(Log(), "CListWell.IListWell_PopulateWellResults(ctl.Name='Results')")) << Log();
    EXPECT_EQ(well->WellResultCode(1), "") << "nothing was listed, so nothing is looked up";

    // The statement can run now: the list is read, not replayed empty.
    root->SetOption("SQL_LOOKUP", lookup);
    well->PopulateWellResults(results);
    EXPECT_EQ(results->ListCount(), 7);
    EXPECT_EQ(well->WellResultCode(2), "GAS");
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(WellLists, ANullCodeFailsBeforeItsRowIsListedAndANullNameTakesNoNumber) {
    root->SetOption(
        "SQL_LOOKUP",
        "SELECT 'A' AS LOOKUP_CODE, 'Alpha' AS LOOKUP_NAME UNION ALL SELECT 'B', NULL "
        "UNION ALL SELECT 'C', 'Gamma' UNION ALL SELECT NULL, 'Broken' UNION ALL SELECT 'D', 'Delta'");
    auto statuses = List("Statuses");
    well->PopulateWellStatuses(statuses);
    // The control and the cache hold the same rows: the broken one is in neither.
    EXPECT_EQ(statuses->Print(), "Alpha|1\nGamma|2\n");
    EXPECT_EQ(well->WellStatusCode(2), "C");
    EXPECT_EQ(CaughtError([&] { well->WellStatusCode(3); }).Number(), rt::kInvalidCall);
    ASSERT_EQ(messages.size(), 1u) << Shown();
    EXPECT_TRUE(Contains(messages[0].text, "Invalid use of Null")) << messages[0].text;
}

TEST_F(WellLists, WellLocationsAreNumberedAfreshForEachFillAndTheLookUpsFollowTheLatest) {
    const std::vector<std::string> south =
        Db("SELECT Well_Reference FROM Well WHERE Sector_Code = 13 ORDER BY Well_Reference");
    const std::vector<std::string> irish =
        Db("SELECT Well_Code FROM Well WHERE Sector_Code = 15 ORDER BY Well_Reference");
    ASSERT_GT(south.size(), 2u);
    ASSERT_GT(irish.size(), 1u);

    auto wells = List("Wells");
    well->PopulateWellLocations(wells, "13");
    EXPECT_EQ(Texts(*wells), Lines(south));
    EXPECT_EQ(wells->ItemData(0), 1);
    EXPECT_EQ(wells->ItemData(static_cast<int32_t>(south.size()) - 1), static_cast<int32_t>(south.size()));
    EXPECT_EQ(well->WellLocationDescription(2), south[1]);

    // Not cleared: the second sector's wells follow, numbered from 1 again.
    well->PopulateWellLocations(wells, " 15 ");
    ASSERT_EQ(wells->ListCount(), static_cast<int32_t>(south.size() + irish.size()));
    EXPECT_EQ(wells->ItemData(static_cast<int32_t>(south.size())), 1);
    EXPECT_EQ(well->WellLocationCode(1), irish[0]);
    EXPECT_EQ(well->WellLocationCode(2), irish[1]);
    EXPECT_EQ(Shown(), "");
}

TEST_F(WellLists, SectorTextThatIsNoListOfNumbersIsRefusedNamingIt) {
    auto wells = List("Wells");
    well->PopulateWellLocations(wells, "13");
    const int32_t listed = wells->ListCount();
    for (const std::string bad : {"13) OR (1=1", "13; DELETE FROM Well", "'13'"}) {
        messages.clear();
        well->PopulateWellLocations(wells, bad);
        ASSERT_EQ(messages.size(), 1u) << bad << Shown() << Log();
        EXPECT_EQ(messages[0].title, "User Input Error") << bad;
        EXPECT_TRUE(Contains(messages[0].text, bad)) << messages[0].text;
        EXPECT_EQ(wells->ListCount(), listed) << bad;
        // The earlier wells are gone from the cache all the same.
        EXPECT_EQ(CaughtError([&] { well->WellLocationCode(1); }).Number(), rt::kInvalidCall) << bad;
    }
    // The award rounds check the same text before any statement runs.
    auto number = List("Number"), year = List("Year"), descriptor = List("Descriptor");
    number->AddItem("old");
    messages.clear();
    well->PopulateAwardRoundLists(number, year, descriptor, "11 OR 1=1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "User Input Error");
    EXPECT_EQ(number->ListCount(), 0);
}

TEST_F(WellLists, TheRigTypeTreeIsReplacedOnlyOnceItsStatementOpened) {
    auto tree = New<MemoryTreeView>("Rigs");
    tree->Nodes()->Add("", 0, "OLD", "Old node");
    well->PopulateRigTypes(tree);
    EXPECT_EQ(tree->Print(),
              "ALL|All|+\n  DRILLSHIP|Drillship\n  JACKUP|Jack-up\n  LAND|Land Rig\n  PLATFORM|Platform Rig\n"
              "  SEMISUB|Semi-submersible\n");

    root->SetOption("SQL_LOOKUP_BY_NAME", "");
    const std::string before = tree->Print();
    well->PopulateRigTypes(tree);
    EXPECT_EQ(tree->Print(), before);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(RecordsCall(Log(), "CListWell.IListWell_PopulateRigTypes(ctl.Name='Rigs')")) << Log();
}

TEST_F(WellLists, AwardRoundListsAreClearedAndFilledInTurn) {
    auto number = List("Number"), year = List("Year"), descriptor = List("Descriptor");
    for (auto& l : {number, year, descriptor}) l->AddItem("old");
    well->PopulateAwardRoundLists(number, year, descriptor, "11,12");
    EXPECT_EQ(Texts(*number),
              Lines(Db("SELECT DISTINCT LICENCE_ROUND FROM Well WHERE Sector_Code IN (11,12) ORDER BY 1")));
    EXPECT_EQ(
        Texts(*year),
        Lines(Db("SELECT DISTINCT LICENCE_ROUND_YEAR FROM Well WHERE Sector_Code IN (11,12) ORDER BY 1")));
    EXPECT_EQ(
        Texts(*descriptor),
        Lines(Db("SELECT DISTINCT LICENCE_AWARD_DESC FROM Well WHERE Sector_Code IN (11,12) ORDER BY 1")));
    EXPECT_GT(number->ListCount(), 1);
    EXPECT_EQ(Shown(), "");

    // The second list cannot be read: the first is complete, the others
    // empty.  The report keeps the blank before each "," of the names.
    const std::string years = root->GetOption("SQL_AWARD_ROUND_YEAR_WELL");
    root->SetOption("SQL_AWARD_ROUND_YEAR_WELL", "");
    const int32_t numbers = number->ListCount();
    well->PopulateAwardRoundLists(number, year, descriptor, "11,12");
    EXPECT_EQ(number->ListCount(), numbers);
    EXPECT_EQ(year->ListCount(), 0);
    EXPECT_EQ(descriptor->ListCount(), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(
        RecordsCall(Log(),
                    "CListWell.IListWell_PopulateAwardRoundLists(ctlNumber.Name ='Number', "
                    "ctlYear.Name ='Year', ctlDescriptor.Name ='Descriptor', sSelectedSectors='11,12')"))
        << Log();

    // No sector: "IN ()", which selects nothing.
    root->SetOption("SQL_AWARD_ROUND_YEAR_WELL", years);
    well->PopulateAwardRoundLists(number, year, descriptor, "");
    EXPECT_EQ(number->ListCount() + year->ListCount() + descriptor->ListCount(), 0);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(WellLists, TheGeologicalDetailsGiveTheCodeListsAndATreeKeyedByNames) {
    auto age = New<MemoryGeologicalAgeControl>("Ages");
    well->PopulateGeologicalDetails(age);
    ASSERT_TRUE(age->Eras() && age->Periods() && age->Formations());
    EXPECT_EQ(age->Eras()->Count(), 4);
    EXPECT_EQ(age->Eras()->Item(Variant("MZ")).ToString(), "MZ|Mesozoic");
    EXPECT_EQ(age->Periods()->Item(Variant("JUR")).ToString(), "JUR|Jurassic");
    EXPECT_EQ(age->Formations()->Count(), 22);
    const std::vector<std::string> keys = age->Tree().Memory().Keys();
    ASSERT_GE(keys.size(), 3u);
    EXPECT_EQ(keys[0], "CZ_PARENT");
    EXPECT_EQ(keys[1], "CenozoicNEO_PARENT");
    EXPECT_EQ(keys[2], "CenozoicNeogene_101");
    EXPECT_EQ(Shown(), "");

    // Era "A" with period code "12" and era "A1" with period code "2" make
    // the same period key: the tree refuses the second, and the user is told
    // where the fill stood, in a box of its own and nowhere else.
    root->SetOption("SQL_GEOLOGICAL_ALL",
                    "SELECT 'E1' AS ERA_CODE, 'A' AS ERA_NAME, '12' AS PERIOD_CODE, 'P' AS PERIOD_NAME, "
                    "1 AS AGE_CODE, 'F1' AS FORMATION_NAME UNION ALL SELECT 'E2', 'A1', '2', 'Q', 2, 'F2'");
    well->PopulateGeologicalDetails(age);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Failed to add: A1, Q");
    EXPECT_EQ(messages[0].style, 0);
    EXPECT_EQ(messages[0].title, "");
    EXPECT_EQ(age->Tree().Print(), "E1_PARENT|A\n  A12_PARENT|P\n    AP_1|F1\nE2_PARENT|A1\n");
    EXPECT_EQ(Dialog(), "");
    EXPECT_EQ(Log(), "");
}

TEST_F(WellLists, AMissingEraStatementStopsTheDetailsBeforeAnythingIsSet) {
    auto age = New<MemoryGeologicalAgeControl>("Ages");
    age->Nodes()->Add("", 0, "KEEP", "Kept");
    root->SetOption("SQL_GEOLOGICAL_ERA", "");
    well->PopulateGeologicalDetails(age);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Failed to add: , ");
    EXPECT_FALSE(age->Eras());
    EXPECT_FALSE(age->Periods());
    EXPECT_FALSE(age->Formations());
    EXPECT_EQ(age->Tree().Print(), "KEEP|Kept\n");
}

TEST_F(WellLists, WellDatesAreAppendedEveryCall) {
    auto chooser = New<MemoryDataTypeChooser>("Dates");
    well->PopulateWellDates(chooser);
    well->PopulateWellDates(chooser);
    EXPECT_EQ(chooser->Print(),
              "Spud Date|SPUD_DATE\nCompletion Date|COMPLETED_DATE\nSpud Date|SPUD_DATE\nCompletion "
              "Date|COMPLETED_DATE\n");
    EXPECT_TRUE(chooser->ClearCalls().empty());
}

// Rig-type criteria of the codes given.
std::string RigTypes(const std::vector<std::string>& codes) {
    std::string items;
    for (const std::string& c : codes) items += "<RigType Code=\"" + c + "\" Description=\"" + c + "\"/>";
    return "<RigTypes>" + items + "</RigTypes>";
}

TEST_F(WellLists, RigNamesAreTheActiveQuerysRigTypesAndAnswerForTheLatestFill) {
    UseCriteria("", RigTypes({"JACKUP", "DRILLSHIP"}));
    auto rigs = List("Rigs");
    rigs->AddItem("old");
    well->PopulateRigNames(rigs);
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(
        Texts(*rigs),
        Lines(Db("SELECT Rig_Name FROM Rig WHERE RIG_TYPE IN ('JACKUP','DRILLSHIP') ORDER BY Rig_Name")));
    EXPECT_EQ(rigs->ItemData(0), 1);
    const std::vector<std::string> codes =
        Db("SELECT Rig_Code FROM Rig WHERE RIG_TYPE IN ('JACKUP','DRILLSHIP') ORDER BY Rig_Name");
    ASSERT_GT(codes.size(), 2u);
    EXPECT_EQ(well->RigNameCode(3), codes[2]);
    EXPECT_EQ(well->RigNameDescription(1), rigs->List(0));

    // One rig type is a list of one.
    UseCriteria("", RigTypes({"DRILLSHIP"}));
    rigs->Clear();
    well->PopulateRigNames(rigs);
    const std::vector<std::string> drillships =
        Db("SELECT Rig_Code FROM Rig WHERE RIG_TYPE = 'DRILLSHIP' ORDER BY Rig_Name");
    ASSERT_FALSE(drillships.empty());
    EXPECT_EQ(Texts(*rigs),
              Lines(Db("SELECT Rig_Name FROM Rig WHERE RIG_TYPE = 'DRILLSHIP' ORDER BY Rig_Name")));
    EXPECT_EQ(well->RigNameCode(1), drillships[0]);
    EXPECT_EQ(Shown(), "");

    // No rig type: an empty list and an empty cache; the statement is not read.
    UseCriteria("", "");
    root->SetOption("SQL_RIG_NAMES", "");
    well->PopulateRigNames(rigs);
    EXPECT_EQ(rigs->ListCount(), 0);
    EXPECT_EQ(CaughtError([&] { well->RigNameCode(1); }).Number(), rt::kInvalidCall);
    EXPECT_EQ(Shown(), "");
}

TEST_F(WellLists, ARigTypeHoldingAQuoteStaysAText) {
    UseCriteria("", RigTypes({"JACK'UP", "SEMISUB"}));
    auto rigs = List("Rigs");
    well->PopulateRigNames(rigs);
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(Texts(*rigs),
              Lines(Db("SELECT Rig_Name FROM Rig WHERE RIG_TYPE = 'SEMISUB' ORDER BY Rig_Name")));
}

TEST_F(WellLists, RigNamesWithoutAnActiveQueryFailThroughTheirOwnHandler) {
    MakeRootWithFakeQuery();
    Cast<FakeQueryManager>(root->Queries())->DropActiveQuery();
    auto rigs = List("Rigs");
    rigs->AddItem("old");
    well->PopulateRigNames(rigs);
    EXPECT_EQ(rigs->ListCount(), 0) << "cleared before the query is asked";
    ASSERT_EQ(messages.size(), 1u) << Shown();
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_TRUE(RecordsCall(Log(), "CListWell.IListWell_PopulateRigNames(ctl.Name='Rigs')")) << Log();
    EXPECT_TRUE(Contains(Log(), "Number: 91 ")) << Log();
}

}  // namespace
