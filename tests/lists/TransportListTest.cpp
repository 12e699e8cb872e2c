// The transport list on the sample data: its coded look-up lists, the
// source, destination, transport-system and user-field trees with their
// grouping, keys, tags, check boxes and window freeze, the fixed choices, and
// the countries of the host's asset groups; what caller text may reach a
// statement, and what a fill that fails leaves behind and shows.
#include <gtest/gtest.h>

#include <set>

#include "ActiveCriteria.h"
#include "ReportText.h"
#include "host/controls/MemoryDataTypeChooser.h"
#include "host/controls/MemoryListBox.h"
#include "host/controls/MemoryTreeView.h"
#include "lists/CListTransport.h"
#include "support/SqliteFile.h"

namespace {

class TransportLists : public ActiveCriteriaFixture {
protected:
    void SetUp() override {
        FakeRootFixture::SetUp();
        OpenRoot();
    }

    // The active query's location criteria: a sector in each country (none: no country).
    void SelectCountries(const std::vector<std::string>& countries) { UseCriteria(SectorsIn(countries)); }

    static Ref<MemoryTreeView> Tree(const std::string& name) { return New<MemoryTreeView>(name); }
    std::vector<std::string> Db(const std::string& sql) { return Column(DatabasePath(), sql); }
    std::string Shown() const {
        std::string out;
        for (const auto& m : messages) out += m.title + ": " + m.text + "\n";
        return out + Dialog();
    }
    // Frozen once, released once, and every node added while frozen.
    static void ExpectFrozenFill(MemoryTreeView& tree) {
        const WindowLockRecord lock = tree.LockRecord();
        EXPECT_EQ(lock.Locks, 1);
        EXPECT_EQ(lock.Unlocks, 1);
        EXPECT_FALSE(lock.Frozen);
        EXPECT_EQ(tree.Memory().FrozenAdds(), tree.Memory().Count());
    }
    static std::string ParentOf(MemoryTreeView& tree, const std::string& key) {
        auto node = tree.Memory().Node(key);
        if (!node) return "?";
        Ref<ITreeNode> parent = node->Parent();
        return parent ? parent->Key() : "";
    }
    // The keys of the tree with the prefix, in any order.
    static std::set<std::string> KeysWith(MemoryTreeView& tree, const std::string& prefix) {
        std::set<std::string> keys;
        for (const std::string& k : tree.Memory().Keys())
            if (k.rfind(prefix, 0) == 0) keys.insert(k);
        return keys;
    }
    std::set<std::string> DbKeys(const std::string& prefix, const std::string& sql) {
        std::set<std::string> keys;
        for (const std::string& code : Db(sql)) keys.insert(prefix + code);
        return keys;
    }

    Ref<CListTransport> transport = New<CListTransport>();
};

TEST_F(TransportLists, MethodsAndStatusesAreReadOnceEachAndLookedUpByItemNumber) {
    EXPECT_EQ(transport->TransportMethodCode(1), "");
    auto methods = New<MemoryListBox>("Methods"), statuses = New<MemoryListBox>("Statuses");
    transport->PopulateTransportMethods(methods);
    transport->PopulateTransportStatuses(statuses);
    EXPECT_EQ(methods->Print(), "Pipeline|1\nShuttle Tanker|2\n");
    EXPECT_EQ(statuses->Print(), "Operational|1\nUnder Construction|2\nPlanned|3\nDecommissioned|4\n");

    root->SetOption("SQL_LOOKUP", "");
    auto again = New<MemoryListBox>("Again");
    transport->PopulateTransportStatuses(again);
    EXPECT_EQ(again->Print(), statuses->Print());
    EXPECT_EQ(Shown(), "");
    EXPECT_EQ(transport->TransportMethodCode(2), "TANKER");
    EXPECT_EQ(transport->TransportMethodDescription(1), "Pipeline");
    EXPECT_EQ(transport->TransportStatusCode(3), "PLANNED");
    EXPECT_EQ(transport->TransportStatusDescription(4), "Decommissioned");
}

TEST_F(TransportLists, TheDevelopmentStatusTreeIsFixedAndNeverCleared) {
    auto tree = Tree("Statuses");
    transport->PopulateTransportDevelopmentStatuses(tree);
    EXPECT_EQ(tree->Print(),
              "All|All|+\n  Current|Current\n    ONSTREAM|Onstream\n    UNDERDEV|Under Development\n"
              "    CEASED|Ceased Production\n    ABANDON|Abandoned\n  Probable|Probable\n"
              "    PROBABLE|Probable Development\n  Possible|Possible\n    TECHRES|Technical Reserves\n");
    EXPECT_EQ(tree->LockRecord().Locks, 0) << "a fixed tree is not frozen";

    transport->PopulateTransportDevelopmentStatuses(tree);
    EXPECT_EQ(tree->Memory().Count(), 10) << "the second fill fails at its first node";
    ASSERT_EQ(messages.size(), 1u) << Shown();
    EXPECT_TRUE(Contains(messages[0].text, "Key is not unique")) << messages[0].text;
    EXPECT_TRUE(RecordsCall(
        Log(), "CListTransport.IListTransport_PopulateTransportDevelopmentStatuses(ctl.Name='Statuses')"))
        << Log();
}

TEST_F(TransportLists, SpecificationsReplaceTheChoosersRowsAndDatesAreAppended) {
    auto chooser = New<MemoryDataTypeChooser>("Specs");
    chooser->AddDataType("Old", "OLD");
    transport->PopulateTransportSpecifications(chooser);
    transport->PopulateTransportSpecifications(chooser);
    const std::string rows =
        "Length|Pipe_Length|Pipeline Length|km\n"
        "Diameter|Pipeline_Diameter|Pipeline Diameter|in\n"
        "Oil Pipeline Capacity (Nominal)|Oil_Nominal_Capacity|Oil Pipeline Capacity|Mbbl/d\n"
        "LPG Pipeline Capacity (Nominal)|LPG_Nominal_Capacity|Oil Pipeline Capacity|Mbbl/d\n"
        "Condensate Pipeline Capacity (Nominal)|Cond_Nominal_Capacity|Oil Pipeline Capacity|Mbbl/d\n"
        "Gas Pipeline Capacity (Nominal)|Gas_Nominal_Capacity|Gas Pipeline Capacity|MMscf/d\n"
        "Sea Tanker Capacity (Storage)|Storage_Capacity|Oil Tanker Capacity|Mbbl\n";
    EXPECT_EQ(chooser->Print(), rows);
    EXPECT_EQ(chooser->ClearCalls(), (std::vector<bool>{true, true}));

    auto dates = New<MemoryDataTypeChooser>("Dates");
    transport->PopulateTransportDates(dates);
    transport->PopulateTransportDates(dates);
    EXPECT_EQ(dates->Print(), "Production Start|PRODUCTION_STARTED\nProduction Start|PRODUCTION_STARTED\n");
    EXPECT_TRUE(dates->ClearCalls().empty());
    EXPECT_EQ(Shown(), "");
}

TEST_F(TransportLists, TheSystemTreeGroupsTheCountrysSystemsAndLeavesCheckBoxesAlone) {
    auto tree = Tree("Systems");
    tree->SetCheckboxes(true);
    transport->PopulateTransportSystems(tree, "'GB'");
    EXPECT_EQ(Shown(), "");
    ExpectFrozenFill(*tree);
    EXPECT_TRUE(tree->Checkboxes());
    ASSERT_TRUE(tree->Memory().Node("ROOT"));
    EXPECT_TRUE(tree->Memory().Node("ROOT")->Expanded());
    const std::string gb =
        "SELECT T.Transport_Code FROM Transport T JOIN TransportCountry C ON C.Transport_Code = "
        "T.Transport_Code WHERE C.Country_Code = 'GB' AND ";
    EXPECT_EQ(KeysWith(*tree, "T_"), DbKeys("T_", gb + "T.TRANSPORT_GROUPING = 0"));
    EXPECT_EQ(KeysWith(*tree, "G_"), DbKeys("G_", gb + "T.TRANSPORT_GROUPING = 1"));
    // A member hangs under its system, which sits under the root.
    const std::vector<std::string> member =
        Db(gb + "T.TRANSPORT_GROUPING_CODE IS NOT NULL ORDER BY T.Transport_Code LIMIT 1");
    const std::vector<std::string> group =
        Db("SELECT TRANSPORT_GROUPING_CODE FROM Transport WHERE Transport_Code = " + member.at(0));
    EXPECT_EQ(ParentOf(*tree, "T_" + member[0]), "G_" + group.at(0));
    EXPECT_EQ(ParentOf(*tree, "G_" + group[0]), "ROOT");

    // Never cleared: the next fill fails at the root, and the window is released.
    const int32_t nodes = tree->Memory().Count();
    transport->PopulateTransportSystems(tree, "'GB'");
    EXPECT_EQ(tree->Memory().Count(), nodes);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(tree->LockRecord().Unlocks, 2);
    EXPECT_FALSE(tree->LockRecord().Frozen);
}

TEST_F(TransportLists, AGroupNodeIsMadeByWhicheverOfItsRowsComesFirst) {
    root->SetOption("SQL_TRANSPORT_SYSTEMS",
                    "SELECT 0 AS TRANSPORT_GROUPING, 5 AS TRANSPORT_CODE, 'Line A' AS TRANSPORT_SYSTEM, "
                    "9 AS TRANSPORT_GROUPING_CODE, 'System Nine' AS TRANSPORT_GROUPING_SYSTEM_NAME "
                    "UNION ALL SELECT 1, 9, 'Nine as named by its own row', NULL, NULL "
                    "UNION ALL SELECT 0, 5, 'Line A again', NULL, NULL "
                    "UNION ALL SELECT 0, 6, 'Line B', 0, NULL "
                    "UNION ALL SELECT 0, 7, 'Line C', NULL, NULL");
    auto tree = Tree("Systems");
    transport->PopulateTransportSystems(tree, "");
    EXPECT_EQ(tree->Print(), "ROOT|All|+\n  G_9|System Nine\n    T_5|Line A\n  T_6|Line B\n  T_7|Line C\n");
    EXPECT_FALSE(tree->Checkboxes());
    EXPECT_EQ(Shown(), "");
}

TEST_F(TransportLists, CountryTextThatIsNoCodeListNeverReachesTheStatement) {
    for (const std::string bad : {"'GB') OR ('1'='1", "'GB'; DELETE FROM Transport", "GB", "'GB"}) {
        messages.clear();
        auto tree = Tree("Systems");
        transport->PopulateTransportSystems(tree, bad);
        ASSERT_EQ(messages.size(), 1u) << bad;
        EXPECT_EQ(messages[0].title, "User Input Error") << bad;
        EXPECT_TRUE(Contains(messages[0].text, bad)) << messages[0].text;
        EXPECT_EQ(tree->Memory().Count(), 0) << bad;
        ExpectFrozenFill(*tree);
    }
    messages.clear();
    auto fields = Tree("Fields");
    transport->PopulateUserFields(fields, "'GB'", "'ONSTREAM') OR (1=1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "User Input Error");
    EXPECT_EQ(fields->Memory().Count(), 0);
}

TEST_F(TransportLists, UserFieldsAreTaggedWithTheStatusOfTheirFirstRow) {
    auto tree = Tree("Users");
    transport->PopulateUserFields(tree, "'NO', 'GB'", "'ONSTREAM','CEASED'");
    EXPECT_EQ(Shown(), "");
    ExpectFrozenFill(*tree);
    EXPECT_TRUE(tree->Checkboxes());
    const std::set<std::string> fields = KeysWith(*tree, "F_");
    EXPECT_EQ(
        fields,
        DbKeys("F_",
               "SELECT F.Field_Code FROM Field F JOIN TransportUserField U ON U.Field_Code = F.Field_Code "
               "JOIN TransportCountry C ON C.Transport_Code = U.Transport_Code WHERE C.Country_Code "
               "IN ('NO','GB') AND F.Dev_Status_Code IN ('ONSTREAM','CEASED')"));
    ASSERT_FALSE(fields.empty());
    for (const std::string& key : fields) {
        const std::string status = tree->Memory().Node(key)->Tag().ToString();
        EXPECT_EQ(status, Db("SELECT Dev_Status_Code FROM Field WHERE Field_Code = " + key.substr(2)).at(0));
    }

    root->SetOption(
        "SQL_TRANSPORT_USER_FIELDS",
        "SELECT 0 AS Field_Grouping, 3 AS Field_Code, 'Three' AS Field_Name, 8 AS Field_Grouping_Code, "
        "'Eight' AS Field_Grouping_Name, 'ONSTREAM' AS Dev_Status_Code "
        "UNION ALL SELECT 0, 3, 'Three again', NULL, NULL, 'CEASED' "
        "UNION ALL SELECT 1, 8, 'Eight', NULL, NULL, NULL");
    auto crafted = Tree("Crafted");
    transport->PopulateUserFields(crafted, "", "");
    EXPECT_EQ(crafted->Print(), "ROOT|All|+\n  G_8|Eight\n    F_3|Three\n");
    EXPECT_EQ(crafted->Memory().Node("F_3")->Tag().ToString(), "ONSTREAM");
    EXPECT_TRUE(crafted->Memory().Node("G_8")->Tag().IsEmpty());
    EXPECT_EQ(Shown(), "");
}

TEST_F(TransportLists, UserFieldsWithoutRowsShowOneNodeWithoutCheckBoxes) {
    auto tree = Tree("Users");
    tree->SetCheckboxes(true);
    transport->PopulateUserFields(tree, "'GB'", "'NOSUCHSTATUS'");
    EXPECT_EQ(tree->Print(), "ROOT|No Data\n");
    EXPECT_FALSE(tree->Checkboxes());
    ExpectFrozenFill(*tree);
    EXPECT_EQ(Shown(), "");
}

TEST_F(TransportLists, SourcesAreTheActiveQuerysCountriesFieldsOrTerminals) {
    SelectCountries({"GB", "NO", "GB"});
    auto fields = Tree("Sources");
    transport->PopulateTransportSources(fields, "Field");
    EXPECT_EQ(Shown(), "");
    ExpectFrozenFill(*fields);
    EXPECT_TRUE(fields->Checkboxes());
    EXPECT_TRUE(fields->Memory().Node("ROOT")->Expanded());
    std::string sql = root->GetOption("SQL_FIELDS_IN_COUNTRY");
    sql = Replace(Replace(sql, "<CountryCodes>", "'GB','NO'"), "<FILTER>", "Field");
    sql = "SELECT FIELD_CODE FROM (" + sql + ") WHERE FIELD_GROUPING = 0";
    const std::set<std::string> expected = DbKeys("F_", sql);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(KeysWith(*fields, "F_"), expected);

    auto terminals = Tree("Destinations");
    transport->PopulateTransportDestinations(terminals, "Terminal");
    EXPECT_EQ(Shown(), "");
    ExpectFrozenFill(*terminals);
    EXPECT_TRUE(terminals->Memory().Node("T_2") || terminals->Memory().Node("T_3")) << terminals->Print();
    for (const std::string& key : KeysWith(*terminals, "T_")) {
        const std::string country =
            Db("SELECT Country_Code FROM Terminal WHERE TERMINAL_CODE = " + key.substr(2)).at(0);
        EXPECT_TRUE(country == "GB" || country == "NO") << key;
    }

    // The type is matched exactly: anything else leaves the tree as it was.
    auto other = Tree("Other");
    transport->PopulateTransportSources(other, "field");
    EXPECT_EQ(other->Memory().Count(), 0);
    EXPECT_FALSE(other->Checkboxes());
    ExpectFrozenFill(*other);

    // A tree not emptied: the root is refused inside the tree builder, which
    // shows it; the fill then closes its statement and releases the window.
    transport->PopulateTransportSources(fields, "Field");
    ASSERT_EQ(messages.size(), 1u) << Shown();
    EXPECT_TRUE(Contains(Log(), "Call Stack: CListTransport.ParseFieldLocations")) << Log();
    EXPECT_FALSE(Contains(Log(), "IListTransport_PopulateTransportSources")) << Log();
    EXPECT_EQ(fields->LockRecord().Unlocks, 2);
    EXPECT_FALSE(fields->LockRecord().Frozen);
}

TEST_F(TransportLists, SourcesWithoutAnActiveQueryFailThroughTheirOwnHandler) {
    MakeRootWithFakeQuery();
    Cast<FakeQueryManager>(root->Queries())->DropActiveQuery();
    auto tree = Tree("Sources");
    transport->PopulateTransportSources(tree, "Terminal");
    EXPECT_EQ(tree->Memory().Count(), 0);
    ExpectFrozenFill(*tree);
    ASSERT_EQ(messages.size(), 1u) << Shown();
    EXPECT_TRUE(RecordsCall(Log(),
                            "CListTransport.IListTransport_PopulateTransportSources(tvTree.Name='Sources', "
                            "sSourceType='Terminal')"))
        << Log();
    EXPECT_TRUE(Contains(Log(), "Number: 91 ")) << Log();
}

// The collection of asset groups as the host keeps them.
Ref<cvCollection> Groups(const std::vector<std::pair<std::string, std::string>>& entries) {
    Ref<cvCollection> groups = gTools()->NewCollection();
    for (const auto& [key, value] : entries) groups->Add(Variant(value), key);
    return groups;
}

std::string Entries(const Ref<cvCollection>& groups) {
    std::string out;
    for (int32_t i = 1; i <= groups->Count(); ++i)
        out += groups->KeyAt(i) + " = " + groups->Item(Variant(i)).ToString() + "\n";
    return out;
}

TEST_F(TransportLists, AssetGroupsAreSplitByCountryOnceEachCall) {
    SelectCountries({});
    // 3 runs from Norway to Britain; 1 and 2 lie in Britain alone.
    Ref<cvCollection> groups = Groups({{"North|NULL", "North|x|3,1,2,,"},
                                       {"Done|GB", "Done|GB|99,"},
                                       {"Empty|NULL", "Empty|x|,"},
                                       {"Short|NULL", "Short"}});
    // Rows in a fixed order; the country condition may still be appended.
    root->SetOption("SQL_TRANSPORT_COUNTRY_BY_ASSET",
                    "SELECT Country_Code, Transport_Code FROM (SELECT * FROM TransportCountry ORDER BY "
                    "Transport_Code, Country_Code) WHERE Transport_Code IN (<assetcodes/>)");
    transport->GetCountryCodes(groups);
    EXPECT_EQ(
        Entries(groups),
        "North|NULL = North|x|3,1,2,,\nDone|GB = Done|GB|99,\nEmpty|NULL = Empty|x|,\nShort|NULL = Short\n"
        "North|GB = North|GB|1,2,3,\nNorth|NO = North|NO|3,\n");

    // Again: the same statements, the codes a second time.
    transport->GetCountryCodes(groups);
    EXPECT_EQ(groups->Item(Variant("North|GB")).ToString(), "North|GB|1,2,3,1,2,3,");
    EXPECT_EQ(groups->Count(), 6);
    EXPECT_EQ(Shown(), "");
}

TEST_F(TransportLists, TheActiveQuerysCountriesNarrowTheSplit) {
    SelectCountries({"NO"});
    Ref<cvCollection> groups = Groups({{"North|NULL", "North|x|1,2,3"}});
    transport->GetCountryCodes(groups);
    EXPECT_EQ(Entries(groups), "North|NULL = North|x|1,2,3\nNorth|NO = North|NO|3,\n");
}

TEST_F(TransportLists, AGroupWithoutCodesRunsNoStatementAndBadCodesAreRefused) {
    // No group with codes: the statement (which could not run) is never read.
    root->SetOption("SQL_TRANSPORT_COUNTRY_BY_ASSET", "");
    Ref<cvCollection> groups = Groups({{"Empty|NULL", "Empty|x|"}, {"Commas|NULL", "Commas|x|,,,"}});
    transport->GetCountryCodes(groups);
    EXPECT_EQ(groups->Count(), 2);

    // Codes that are no code list are refused before any statement runs,
    // and the error reaches the caller.
    root->SetOption("SQL_TRANSPORT_COUNTRY_BY_ASSET",
                    "SELECT Country_Code, Transport_Code FROM TransportCountry "
                    "WHERE Transport_Code IN (<assetcodes/>)");
    Ref<cvCollection> bad = Groups({{"Bad|NULL", "Bad|x|1) OR (1=1"}});
    Error e = CaughtError([&] { transport->GetCountryCodes(bad); });
    EXPECT_EQ(e.Number(), ERR_USER_INPUT);
    EXPECT_TRUE(Contains(e.Description(), "1) OR (1=1")) << e.Description();
    EXPECT_EQ(bad->Count(), 1);

    // A group with codes asks the active query; without one, 91 reaches the caller.
    MakeRootWithFakeQuery();
    Cast<FakeQueryManager>(root->Queries())->DropActiveQuery();
    Ref<cvCollection> north = Groups({{"North|NULL", "North|x|1"}});
    EXPECT_EQ(CaughtError([&] { transport->GetCountryCodes(north); }).Number(), 91);
    EXPECT_EQ(north->Count(), 1);
    EXPECT_EQ(Shown(), "");
}

}  // namespace
