// The tree fills of the block, field, location and company lists on the
// sample data: keys, texts, shape, tags and expansion, the window freeze and
// its release on every way out, and what a refused or failing fill leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "ReportText.h"
#include "host/controls/MemoryGeologicalAgeControl.h"
#include "host/controls/MemoryTreeView.h"
#include "lists/CListBlock.h"
#include "lists/CListCompany.h"
#include "lists/CListField.h"
#include "lists/CListLocation.h"
#include "support/FakeRootFixture.h"
#include "support/SqliteFile.h"

namespace {

constexpr int32_t kKeyNotUnique = 35602;
constexpr int32_t kElementNotFound = 35601;

class TreeFills : public FakeRootFixture {
protected:
    void SetUp() override {
        FakeRootFixture::SetUp();
        OpenRoot();
    }

    static Ref<MemoryTreeView> Tree(const std::string& name = "TreeView1") {
        return New<MemoryTreeView>(name);
    }
    // The key of the node's parent ("" at the top level); "?" for a missing node.
    static std::string ParentOf(MemoryTreeView& tree, const std::string& key) {
        auto node = tree.Memory().Node(key);
        if (!node) return "?";
        Ref<ITreeNode> parent = node->Parent();
        return parent ? parent->Key() : "";
    }
    static std::string TextOf(MemoryTreeView& tree, const std::string& key) {
        auto node = tree.Memory().Node(key);
        return node ? node->Text() : "?";
    }
    // The freeze was taken once and released once, and every node went in while frozen.
    static void ExpectFrozenFill(MemoryTreeView& tree) {
        WindowLockRecord lock = tree.LockRecord();
        EXPECT_EQ(lock.Locks, 1);
        EXPECT_EQ(lock.Unlocks, 1);
        EXPECT_FALSE(lock.Frozen);
        EXPECT_EQ(tree.Memory().FrozenAdds(), tree.Memory().Count());
    }
    std::vector<std::string> Db(const std::string& sql) { return Column(DatabasePath(), sql); }

    Ref<CListBlock> block = New<CListBlock>();
    Ref<CListField> field = New<CListField>();
    Ref<CListLocation> location = New<CListLocation>();
    Ref<CListCompany> company = New<CListCompany>();
};

TEST_F(TreeFills, BlocksHangBelowTheirQuadrantAndBlockOrTheirBasin) {
    auto tree = Tree("Blocks");
    block->PopulateBlockLocationTree(tree, "11, 16", true);
    EXPECT_EQ(tree->Memory().Keys().front(), "ROOT");
    EXPECT_TRUE(tree->Memory().Node("ROOT")->Expanded());
    EXPECT_EQ(TextOf(*tree, "ROOT"), "All");
    ExpectFrozenFill(*tree);

    // Every block of the two sectors has its node; the offshore ones below
    // their quadrant and block, the onshore licence areas below their basin.
    const auto offshore =
        Db("SELECT Block_Code || '|' || Quadrant || '|' || Block || '|' || IFNULL(Sub_Block, '') FROM Block "
           "WHERE Sector_Code = 11");
    const auto onshore = Db(
        "SELECT Block_Code || '|' || Block_Reference || '|' || Basin_Name FROM Block WHERE Sector_Code = 16");
    ASSERT_FALSE(offshore.empty());
    ASSERT_FALSE(onshore.empty());
    std::map<std::string, int> blocksOf;
    for (const auto& row : offshore) {
        auto f = Split(row, "|");
        const std::string whole = f[1] + "/" + f[2];
        ++blocksOf["B_" + whole];
        EXPECT_EQ(ParentOf(*tree, "Q_" + f[1]), "ROOT");
        EXPECT_EQ(TextOf(*tree, "Q_" + f[1]), f[1]);
        EXPECT_EQ(ParentOf(*tree, "B_" + whole), "Q_" + f[1]);
        EXPECT_EQ(TextOf(*tree, "B_" + whole), whole);
        if (f[3].empty()) {
            EXPECT_FALSE(tree->Memory().Node("BR_" + f[0])) << row;
        } else {
            EXPECT_EQ(ParentOf(*tree, "BR_" + f[0]), "B_" + whole);
            EXPECT_EQ(TextOf(*tree, "BR_" + f[0]), whole + f[3]);
        }
    }
    for (const auto& row : onshore) {
        auto f = Split(row, "|");
        EXPECT_EQ(ParentOf(*tree, "BR_" + f[0]), "PB_" + f[2]);
        EXPECT_EQ(TextOf(*tree, "BR_" + f[0]), f[1]);
        EXPECT_EQ(ParentOf(*tree, "PB_" + f[2]), "ROOT");
        EXPECT_EQ(TextOf(*tree, "PB_" + f[2]), f[2]);
    }
    // A block split into parts answers for the first part in the statement's
    // order (by reference).
    const auto split =
        Db("SELECT Quadrant || '/' || Block FROM Block WHERE Sector_Code = 11 AND Sub_Block IS NOT NULL "
           "LIMIT 1");
    ASSERT_EQ(split.size(), 1u);
    const auto firstPart =
        Db("SELECT Block_Code FROM Block WHERE Sector_Code = 11 AND Quadrant || '/' || Block = '" + split[0] +
           "' ORDER BY Block_Reference LIMIT 1");
    EXPECT_EQ(tree->Memory().Node("B_" + split[0])->Tag().ToString(), firstPart.at(0));
    EXPECT_GT(blocksOf["B_" + split[0]], 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");
}

TEST_F(TreeFills, RelinquishedBlocksComeOnlyWhenAsked) {
    auto all = Tree(), held = Tree();
    block->PopulateBlockLocationTree(all, "11", true);
    block->PopulateBlockLocationTree(held, "11", false);
    const auto relinquished =
        Db("SELECT Block_Code FROM Block WHERE Sector_Code = 11 AND Sub_Block IS NOT NULL AND "
           "Licence_Area_Status_Code = 'RELINQ'");
    const auto kept =
        Db("SELECT Block_Code FROM Block WHERE Sector_Code = 11 AND Sub_Block IS NOT NULL AND "
           "Licence_Area_Status_Code <> 'RELINQ'");
    ASSERT_FALSE(relinquished.empty());
    for (const auto& code : relinquished) {
        EXPECT_TRUE(all->Memory().Node("BR_" + code)) << code;
        EXPECT_FALSE(held->Memory().Node("BR_" + code)) << code;
    }
    for (const auto& code : kept) EXPECT_TRUE(held->Memory().Node("BR_" + code)) << code;
}

TEST_F(TreeFills, AFailedTreeFillPassesItsErrorOnAndAlwaysReleasesTheWindow) {
    // A tree that still holds "ROOT" refuses the second fill at its start.
    auto tree = Tree("Blocks");
    block->PopulateBlockLocationTree(tree, "16", true);
    const int32_t count = tree->Memory().Count();
    Error e = CaughtError([&] { block->PopulateBlockLocationTree(tree, "16", true); });
    EXPECT_EQ(e.Number(), kKeyNotUnique);
    EXPECT_TRUE(RecordsCall(e.Description(),
                            "CListBlock.IListBlock_PopulateBlockLocationTree(tvTree.Name='Blocks', "
                            "sSelectedSectors='16', bReturnRelinquished=True)"))
        << e.Description();
    EXPECT_EQ(tree->Memory().Count(), count);
    EXPECT_EQ(tree->LockRecord().Locks, 2);
    EXPECT_EQ(tree->LockRecord().Unlocks, 2);
    EXPECT_FALSE(tree->Frozen());

    // A block code that comes twice fails at the second row, nodes added so far stay.
    root->SetOption("SQL_ALL_BLOCK_IN_SECTORS",
                    "SELECT 7 AS Block_Code, 'PEDL 1' AS Block_Reference, NULL AS Quadrant, NULL AS Block, "
                    "NULL AS Sub_Block, 'Weald Basin' AS Basin_Name WHERE 1 IN (<SectorCodes>) "
                    "UNION ALL SELECT 7, 'PEDL 2', NULL, NULL, NULL, 'Wessex Basin'");
    auto twice = Tree("Twice");
    EXPECT_RAISES(kKeyNotUnique, block->PopulateBlockLocationTree(twice, "1", true));
    EXPECT_EQ(twice->Print(),
              "ROOT|All|+\n  PB_Weald Basin|Weald Basin\n    BR_7|PEDL 1\n  PB_Wessex Basin|Wessex Basin\n");
    EXPECT_FALSE(twice->Frozen());
    EXPECT_EQ(twice->LockRecord().Unlocks, 1);

    // The same for the field tree.
    auto fields = Tree("Fields");
    fields->Nodes()->Add("", 0, "ROOT", "Old");
    EXPECT_RAISES(kKeyNotUnique, field->PopulateFieldLocationTree(fields, "11"));
    EXPECT_FALSE(fields->Frozen());
    EXPECT_EQ(fields->LockRecord().Unlocks, 1);
    EXPECT_TRUE(messages.empty()) << "the tree fills show nothing themselves";
}

TEST_F(TreeFills, SectorTextThatIsNoListOfNumbersNeverReachesTheStatement) {
    for (const std::string bad : {"11) OR (1=1", "11; DROP TABLE Block", "'11'", "11,,12", "1e400x"}) {
        auto tree = Tree("Bad");
        Error e = CaughtError([&] { block->PopulateBlockLocationTree(tree, bad, true); });
        EXPECT_EQ(e.Number(), ERR_USER_INPUT) << bad;
        EXPECT_EQ(tree->Memory().Count(), 0) << bad;
        EXPECT_FALSE(tree->Frozen());

        auto fields = Tree("BadFields");
        e = CaughtError([&] { field->PopulateFieldLocationTree(fields, bad); });
        EXPECT_EQ(e.Number(), ERR_USER_INPUT) << bad;
        EXPECT_TRUE(Contains(e.Description(), bad.substr(0, 2))) << e.Description();
        EXPECT_EQ(fields->Memory().Count(), 0);
    }
    // No sector at all selects nothing: the root alone.
    auto none = Tree();
    block->PopulateBlockLocationTree(none, "", false);
    EXPECT_EQ(none->Print(), "ROOT|All|+\n");
}

TEST_F(TreeFills, FieldsHangBelowTheirGroupingOrTheRoot) {
    auto tree = Tree("Fields");
    field->PopulateFieldLocationTree(tree, "11,12,13,21");
    ExpectFrozenFill(*tree);
    const auto rows =
        Db("SELECT DISTINCT F.Field_Code || '|' || F.Field_Name || '|' || F.FIELD_GROUPING || '|' || "
           "IFNULL(F.FIELD_GROUPING_CODE, '') FROM Field F JOIN FieldSector S ON S.Field_Code = F.Field_Code "
           "WHERE S.Sector_Code IN (11, 12, 13, 21)");
    int grouped = 0, groupings = 0;
    for (const auto& row : rows) {
        auto f = Split(row, "|");
        if (f[2] == "1") {
            ++groupings;
            EXPECT_EQ(ParentOf(*tree, "G_" + f[0]), "ROOT");
            EXPECT_EQ(TextOf(*tree, "G_" + f[0]), f[1]);
        } else if (!f[3].empty()) {
            ++grouped;
            EXPECT_EQ(ParentOf(*tree, "F_" + f[0]), "G_" + f[3]);
        } else {
            EXPECT_EQ(ParentOf(*tree, "F_" + f[0]), "ROOT");
            EXPECT_EQ(TextOf(*tree, "F_" + f[0]), f[1]);
        }
    }
    EXPECT_GT(grouped, 0);
    EXPECT_GT(groupings, 0);
    EXPECT_EQ(tree->Memory().Count(), static_cast<int32_t>(rows.size()) + 1);

    // A member before its grouping names the node after its own grouping
    // name; code 0 and Null are no grouping; a field listed twice stays at
    // its first place.
    root->SetOption(
        "SQL_FIELDS_IN_SECTORS",
        "SELECT 0 AS Field_Grouping, 1 AS Field_Code, 'One' AS Field_Name, 7 AS Field_Grouping_Code, "
        "'Seven by member' AS Field_Grouping_Name WHERE 1 IN (<SectorCodes>) "
        "UNION ALL SELECT 1, 7, 'Seven', NULL, NULL "
        "UNION ALL SELECT 0, 2, 'Two', 0, NULL "
        "UNION ALL SELECT 0, 3, 'Three', NULL, NULL "
        "UNION ALL SELECT 0, 2, 'Two again', 7, 'Seven'");
    auto made = Tree("Made");
    field->PopulateFieldLocationTree(made, "1");
    EXPECT_EQ(made->Print(), "ROOT|All|+\n  G_7|Seven by member\n    F_1|One\n  F_2|Two\n  F_3|Three\n");
}

TEST_F(TreeFills, TheLocationTreeAddsOnlyWhatIsMissingAndTheBasinTreeOnlyItsRoot) {
    auto tree = Tree("Locations");
    location->PopulateLocationTree(tree);
    const auto sectors = Db(
        "SELECT S.Sector_Code || '|' || S.Sector_Name || '|' || C.Country_Code || '|' || C.Region_Code FROM "
        "Sector S JOIN Country C ON C.Country_Code = S.Country_Code");
    ASSERT_EQ(sectors.size(), 15u);
    for (const auto& row : sectors) {
        auto f = Split(row, "|");
        EXPECT_EQ(ParentOf(*tree, "SEC_" + f[0]), "COU_" + f[2]);
        EXPECT_EQ(TextOf(*tree, "SEC_" + f[0]), f[1]);
        EXPECT_EQ(ParentOf(*tree, "COU_" + f[2]), "REG_" + f[3]);
        EXPECT_EQ(ParentOf(*tree, "REG_" + f[3]), "");
    }
    EXPECT_EQ(TextOf(*tree, "COU_GB"), "United Kingdom");
    EXPECT_EQ(TextOf(*tree, "REG_NSEA"), "North Sea");
    EXPECT_EQ(tree->Memory().Count(), 2 + 6 + 15);
    EXPECT_EQ(tree->LockRecord().Locks, 0) << "the location tree is not frozen";

    // Filled again: every key is there, nothing is added, nothing fails.
    const std::string before = tree->Print();
    location->PopulateLocationTree(tree);
    EXPECT_EQ(tree->Print(), before);

    // A country named under a second region stays under its first one.
    root->SetOption(
        "SQL_LOCATION_LOOKUP",
        "SELECT 'A' AS Region_Code, 'Alpha' AS Region_Name, 'X' AS Country_Code, 'Ex' AS Country_Name, "
        "1 AS Sector_Code, 'One' AS Sector_Name UNION ALL SELECT 'B', 'Beta', 'X', 'Ex', 2, 'Two'");
    auto moved = Tree("Moved");
    location->PopulateLocationTree(moved);
    EXPECT_EQ(moved->Print(), "REG_A|Alpha\n  COU_X|Ex\n    SEC_1|One\n    SEC_2|Two\nREG_B|Beta\n");

    auto basins = Tree("Basins");
    location->PopulateBasinTree(basins);
    EXPECT_EQ(basins->Print(), "ROOT|All|+\n");
    location->PopulateBasinTree(basins);
    EXPECT_EQ(basins->Print(), "ROOT|All|+\n");
    EXPECT_TRUE(Contains(Dialog(), "CListLocation.IListLocation_PopulateBasinTree(tvTree.Name='Basins')"))
        << Dialog();
}

TEST_F(TreeFills, LicenceTypesAreExpandedWithTheirSubTypesBelow) {
    auto tree = Tree("Types");
    block->PopulateLicenceTypeTree(tree);
    EXPECT_EQ(tree->Print(),
              "PROD|Production Licence|+\n  PROD_TRAD|Traditional\n  PROD_FRONT|Frontier\n"
              "  PROD_PROMOTE|Promote\n  PROD_INNOV|Innovate\nEXPL|Exploration Licence|+\n"
              "PEDL|Petroleum Exploration and Development Licence|+\nAPA|Award in Predefined Areas|+\n");
    EXPECT_EQ(Dialog(), "");
    // The tree is not emptied first: the sub-types come again and are refused.
    block->PopulateLicenceTypeTree(tree);
    EXPECT_TRUE(Contains(Dialog(), "PopulateLicenceTypeTree")) << Dialog();
    EXPECT_EQ(tree->Memory().Count(), 8);
}

TEST_F(TreeFills, CompaniesStandBelowEachParentTheyAreListedUnder) {
    auto tree = Tree("Companies");
    tree->Nodes()->Add("", 0, "OLD", "Cleared first");
    company->PopulateCompanyTree(tree);
    EXPECT_FALSE(tree->Memory().Node("OLD"));
    const auto rows = Db("SELECT Company_Code || '|' || Parent_Code || '|' || Company_Name FROM Company");
    for (const auto& row : rows) {
        auto f = Split(row, "|");
        if (f[1] == "0") {
            EXPECT_EQ(ParentOf(*tree, "P_" + f[0]), "");
            EXPECT_EQ(TextOf(*tree, "P_" + f[0]), f[2]);
        } else {
            EXPECT_EQ(ParentOf(*tree, "S_" + f[0]), "P_" + f[1]);
            EXPECT_EQ(TextOf(*tree, "S_" + f[0]), f[2]);
        }
    }
    EXPECT_EQ(tree->Memory().Count(), static_cast<int32_t>(rows.size()));
    EXPECT_EQ(tree->LockRecord().Locks, 0);

    // A company under two parents, twice under one, a parent listed twice,
    // and parents whose rows are not together.
    root->SetOption(
        "SQL_COMPANY_LOOKUP",
        "SELECT 0 AS Parent_Code, 1 AS Company_Code, 'One' AS Company_Name UNION ALL SELECT 0, 2, 'Two' "
        "UNION ALL SELECT 0, 1, 'One again' UNION ALL SELECT 1, 9, 'Nine' UNION ALL SELECT 2, 9, 'Nine' "
        "UNION ALL SELECT 1, 9, 'Nine' UNION ALL SELECT 1, 8, 'Eight'");
    company->PopulateCompanyTree(tree);
    EXPECT_EQ(tree->Print(), "P_1|One\n  S_9|Nine\n  S2_9|Nine\n  S_8|Eight\nP_2|Two\n  S1_9|Nine\n");
    EXPECT_EQ(Dialog(), "");

    // A subsidiary before its parent ends the fill; what was added stays.
    root->SetOption(
        "SQL_COMPANY_LOOKUP",
        "SELECT 0 AS Parent_Code, 1 AS Company_Code, 'One' AS Company_Name UNION ALL SELECT 3, 9, 'Nine' "
        "UNION ALL SELECT 0, 3, 'Three'");
    company->PopulateCompanyTree(tree);
    EXPECT_EQ(tree->Print(), "P_1|One\n");
    EXPECT_TRUE(Contains(Dialog(), "CListCompany.IListCompany_PopulateCompanyTree(ctlTree='Companies')"))
        << Dialog();
    EXPECT_TRUE(Contains(Dialog(), std::to_string(kElementNotFound))) << Dialog();
}

TEST_F(TreeFills, TheGeologicalControlGetsItsCodeListsAndItsAgeTree) {
    auto ages = New<MemoryGeologicalAgeControl>("Ages");
    ages->Nodes()->Add("", 0, "OLD", "Cleared first");
    field->PopulateFieldReservoir(ages);
    EXPECT_EQ(Dialog(), "");
    ASSERT_TRUE(ages->Eras());
    EXPECT_EQ(ages->Eras()->Count(), 4);
    EXPECT_EQ(ages->Eras()->Item(Variant("MZ")).ToString(), "MZ|Mesozoic");
    EXPECT_EQ(ages->Periods()->Item(Variant("JUR")).ToString(), "JUR|Jurassic");
    EXPECT_EQ(ages->Formations()->Count(), 22);
    EXPECT_EQ(ages->Formations()->Item(Variant("BRENT")).ToString(), "BRENT|Brent Group");

    MemoryTreeView& tree = ages->Tree();
    EXPECT_FALSE(tree.Memory().Node("OLD"));
    EXPECT_EQ(ParentOf(tree, "CZ_PARENT"), "");
    EXPECT_EQ(TextOf(tree, "CZ_PARENT"), "Cenozoic");
    // Lower keys are made of the names above them.
    EXPECT_EQ(ParentOf(tree, "CenozoicPAL_PARENT"), "CZ_PARENT");
    EXPECT_EQ(ParentOf(tree, "MesozoicJurassic_212"), "MesozoicJUR_PARENT");
    EXPECT_EQ(TextOf(tree, "MesozoicJurassic_212"), "Brent Group");
    EXPECT_EQ(tree.Memory().Count(), 4 + 9 + 22);

    // Codes with a Null name are left out of the code lists.  A period whose
    // rows are split by another's comes back and is refused; what was set
    // and added stays.
    root->SetOption("SQL_GEOLOGICAL_ERA",
                    "SELECT 'A' AS ERA_CODE, 'Alpha' AS ERA_NAME UNION ALL SELECT 'B', NULL UNION ALL SELECT "
                    "'C', 'Gamma'");
    root->SetOption("SQL_GEOLOGICAL_ALL",
                    "SELECT 'E' AS ERA_CODE, 'Era' AS ERA_NAME, 'P1' AS PERIOD_CODE, 'One' AS PERIOD_NAME, "
                    "1 AS AGE_CODE, 'F1' AS FORMATION_NAME UNION ALL SELECT 'E', 'Era', 'P2', 'Two', 2, 'F2' "
                    "UNION ALL SELECT 'E', 'Era', 'P1', 'One', 3, 'F3'");
    field->PopulateFieldReservoir(ages);
    EXPECT_EQ(tree.Print(),
              "E_PARENT|Era\n  EraP1_PARENT|One\n    EraOne_1|F1\n  EraP2_PARENT|Two\n    EraTwo_2|F2\n");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Contains(Log(), "CListField.IListField_PopulateFieldReservoir(ctl.Name='Ages')")) << Log();
    ASSERT_EQ(ages->Eras()->Count(), 2);
    EXPECT_EQ(ages->Eras()->Item(Variant(2)).ToString(), "C|Gamma");
    EXPECT_EQ(ages->Periods()->Count(), 9);
}

}  // namespace
