// The console host's reference-list commands as a person or a script runs
// them: `terralith lists` names every fill of the six lists, `terralith list`
// prints what one fill put into its control, and a fill that fails or a
// command that is mistyped says so in its exit status.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>

#include "HostCommandFixture.h"
#include "support/SqliteFile.h"

namespace {

class ListCommands : public HostCommandFixture {};

// The fill members of the list interfaces, as "IListWell.PopulateWellTypes":
// every member but the code and description look-ups.
std::set<std::string> InterfaceFillMembers() {
    const std::string here = __FILE__;
    const std::string interfaces = here.substr(0, here.rfind("/tests/")) + "/interfaces/";
    std::set<std::string> members;
    const std::regex member(R"(virtual\s+[\w:<>]+\s+(\w+)\(([^)]*))");
    for (const char* name :
         {"IListWell", "IListTransport", "IListField", "IListBlock", "IListLocation", "IListCompany"}) {
        std::ifstream in(interfaces + name + ".h");
        std::stringstream text;
        text << in.rdbuf();
        const std::string source = text.str();
        EXPECT_FALSE(source.empty()) << name;
        for (std::sregex_iterator it(source.begin(), source.end(), member), end; it != end; ++it) {
            const std::string method = (*it)[1], arguments = (*it)[2];
            if (arguments == "int32_t lID") continue;  // a look-up
            members.insert(std::string(name) + "." + method);
        }
    }
    return members;
}

TEST_F(ListCommands, ListsNamesOneFillForEveryFillMemberOfTheSixLists) {
    HostProcessRun run = Run({"lists"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::stringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Name,Member,Control,Arguments\r");
    std::set<std::string> members, names;
    while (std::getline(lines, line)) {
        std::vector<std::string> cells = Split(line.substr(0, line.size() - 1), ",");
        ASSERT_EQ(cells.size(), 4u) << line;
        EXPECT_TRUE(names.insert(cells[0]).second) << "named twice: " << cells[0];
        members.insert(cells[1]);
    }
    const std::set<std::string> expected = InterfaceFillMembers();
    EXPECT_GT(expected.size(), 40u);
    EXPECT_EQ(members, expected);
}

TEST_F(ListCommands, AListPrintsItsRowsItemValuesAndCodes) {
    HostProcessRun run = Run({"list", "well-types"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Text,ItemData,Code\r\nExploration,1,EXPL\r\nAppraisal,2,APPR\r\nDevelopment,3,DEV\r\n"
              "Injection,4,INJ\r\n");
    EXPECT_EQ(run.err, "");
    run = Run({"list", "well-locations", "99"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "terralith: list well-locations 99: nothing matches; the list is empty\n");

    run = Run({"list", "transport-specifications"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "Display,Column,Quantity,Unit\r\nLength,Pipe_Length,Pipeline Length,km\r\n"))
        << run.out;
    EXPECT_TRUE(Has(run.out, "Sea Tanker Capacity (Storage),Storage_Capacity,Oil Tanker Capacity,Mbbl\r\n"));

    // The rigs of the rig types of the query file given.
    std::string query = ReadFile(data.Path() + "Default/Default.xml");
    query = Replace(query, "<WellDetail />",
                    "<WellDetail><RigTypes><RigType Code=\"DRILLSHIP\" Description=\"Drillship\"/></RigTypes>"
                    "</WellDetail>");
    run = Run({"list", "rig-names", "--query", data.Write("Rigs.xml", query)});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Text,ItemData,Code\r\nOcean Merlin,1,11\r\nRockall Navigator,2,12\r\n");

    // A cell holding a comma is quoted.
    run = Run({"list", "country-codes", "North=3,1", "Empty="});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Key,Value\r\nNorth|NULL,\"North|NULL|3,1\"\r\nEmpty|NULL,Empty|NULL|\r\n"
              "North|GB,\"North|GB|1,3,\"\r\nNorth|NO,\"North|NO|3,\"\r\n");
    // So is one holding a quote, which is doubled.
    run = Run({"list", "country-codes", "Say \"hi\"=3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(StartsWith(run.out, "Key,Value\r\n\"Say \"\"hi\"\"|NULL\",\"Say \"\"hi\"\"|NULL|3\"\r\n"))
        << run.out;
    // A group whose codes are no transport's stays as given.
    run = Run({"list", "country-codes", "Far=99999"});
    EXPECT_EQ(
        run.err,
        "terralith: list country-codes Far=99999: nothing matches; the asset groups hold only those given\n");
}

TEST_F(ListCommands, ATreePrintsIndentedByLevelWithItsKeysOnRequest) {
    HostProcessRun run = Run({"list", "transport-development-statuses"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "All\n  Current\n    Onstream\n    Under Development\n    Ceased Production\n    Abandoned\n"
              "  Probable\n    Probable Development\n  Possible\n    Technical Reserves\n");

    run = Run({"list", "rig-types", "--keys"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "All  [ALL]\n  Drillship  [DRILLSHIP]\n  Jack-up  [JACKUP]\n  Land Rig  [LAND]\n"
              "  Platform Rig  [PLATFORM]\n  Semi-submersible  [SEMISUB]\n");

    // The active query comes from the query file given: its one country.
    std::string query = ReadFile(data.Path() + "Default/Default.xml");
    query = Replace(query, "<LocationDetail />",
                    "<LocationDetail><Sectors><Sector SectorCode=\"41\" SectorName=\"S\" CountryCode=\"NL\" "
                    "CountryName=\"N\" RegionCode=\"R\" RegionName=\"R\"/></Sectors></LocationDetail>");
    run =
        Run({"list", "transport-destinations", "Terminal", "--keys", "--query", data.Write("NL.xml", query)});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "All  [ROOT]\n  Duinhaven Gas Terminal  [T_18]\n  Zeehaven Oil Terminal  [T_19]\n");
    EXPECT_EQ(run.err, "");

    // Nothing matches where the fill's search found no rows, whatever its
    // top node; the basin tree searches nothing.
    Exec(DatabasePath(), "DELETE FROM Lookup WHERE LOOKUP_TYPE = 'RIG_TYPE'");
    for (const auto& [args, says] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"list", "field-locations", "99"},
              "terralith: list field-locations 99: nothing matches; the tree holds only its top node\n"},
             {{"list", "rig-types"},
              "terralith: list rig-types: nothing matches; the tree holds only its top node\n"},
             {{"list", "basin-tree"}, ""}}) {
        run = Run(args);
        EXPECT_EQ(run.status, 0) << args[1];
        EXPECT_EQ(run.err, says);
        EXPECT_EQ(run.out, "All\n") << args[1];
    }
}

TEST_F(ListCommands, MistypedCommandsExitTwoAndFailedFillsOne) {
    HostProcessRun run = Run({"list", "no-such-list"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Has(run.err, "unknown list: no-such-list")) << run.err;

    run = Run({"list", "well-locations"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Has(run.err, "usage: terralith list well-locations SECTORS")) << run.err;

    run = Run({"list", "block-locations", "11", "perhaps"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Has(run.err, "perhaps")) << run.err;

    // A fill of a few choices takes only those, in their letter case.
    for (const char* choice : {"X", "both"}) {
        run = Run({"list", "development-statuses", choice});
        EXPECT_EQ(run.status, 2) << choice;
        EXPECT_TRUE(Has(run.err, "takes one of Both, Commercial, Technical")) << run.err;
        EXPECT_EQ(run.out, "");
    }

    // A fill that shows its error prints nothing, not even a heading; one
    // that shows only a warning fails too.
    Exec(DatabasePath(),
         "UPDATE Options SET Value = 'SELECT nothing FROM nowhere' WHERE [Key] = 'SQL_GEOLOGICAL_ALL'");
    for (const auto& [args, says] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"list", "transport-systems", "'GB') OR ('1'='1"}, "'GB') OR ('1'='1"},
             {{"list", "well-locations", "13; DELETE FROM Well"}, "'13; DELETE FROM Well'"},
             {{"list", "geological-details"}, "terralith: Failed to add: "}}) {
        run = Run(args);
        EXPECT_EQ(run.status, 1) << args.back();
        EXPECT_TRUE(Has(run.err, says) && !Has(run.err, "nothing matches")) << run.err;
        EXPECT_EQ(run.out, "");
    }

    // Last, as it takes the lists' look-up table away.
    Exec(DatabasePath(), "DROP TABLE Lookup");
    run = Run({"list", "well-types"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "no such table: Lookup")) << run.err;
    EXPECT_EQ(run.out, "");
    // Its report went to the test's own log, not to the user's.
    EXPECT_TRUE(Has(Log(), "no such table: Lookup")) << Log();
}

}  // namespace
