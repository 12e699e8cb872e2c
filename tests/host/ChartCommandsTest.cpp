// The console host's chart commands as a script runs them: `charts` lists
// the manifest's charts per asset type, `chart` draws one for the assets of
// a query file (or given codes) into an SVG picture and a CSV grid.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>

#include "HostCommandFixture.h"
#include "support/Fifo.h"
#include "support/SqliteFile.h"

namespace {

class ChartCommands : public HostCommandFixture {
protected:
    std::string Out(const std::string& name) const { return scratch.Path() + name; }
};

TEST_F(ChartCommands, ChartsListsTheManifestPerAssetType) {
    HostProcessRun run = Run({"charts"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 8u) << run.out;
    EXPECT_EQ(lines[0], "AssetType,Category,Chart,Definition,Description");
    EXPECT_TRUE(Has(run.out,
                    "Field,Production / Production by operator,Total production by operator,"
                    "FieldProductionByOperator,"))
        << run.out;
    EXPECT_TRUE(Has(run.out, "Well,Drilling,Wells spudded per year,WellsSpudded,")) << run.out;
    EXPECT_TRUE(Has(lines[1], "Field,Production,Oil and gas production,FieldProduction,"))
        << "manifest order";

    run = Run({"charts", "Block"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(Lines(run.out).size(), 2u) << run.out;
    EXPECT_TRUE(Has(run.out, "Block,Licensing,Blocks awarded per year,BlocksAwarded,"));
    EXPECT_EQ(Run({"charts", "bLOCK"}).out, run.out) << "an asset type in any letter case";
    EXPECT_EQ(run.err, "");
    run = Run({"charts", "Transport"});
    EXPECT_EQ(run.out, "AssetType,Category,Chart,Definition,Description\r\n");
    EXPECT_EQ(run.err, "terralith: nothing matches: the chart manifest offers no charts of Transport\n");

    EXPECT_EQ(Run({"charts", "Charts/Field"}).status, 2) << "an asset type is one of the four";
    run = Run({"charts", "--manifest", scratch.Path() + "none.xml"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "none.xml")) << run.err;
    // One that cannot be looked at is said with the system's reason, not a crash.
    run = Run({"charts", "--manifest", scratch.Path() + std::string(5000, 'm')});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "cannot be read: File name too long")) << run.err;
    // A file that is there but no manifest says so, naming it.
    const std::string binary = data.Write("binary.xml", std::string{'\x7f', 'E', 'L', 'F', '\0', '\x01'});
    run = Run({"charts", "--manifest", binary});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "binary.xml")) << run.err;
    EXPECT_EQ(run.out, "");
    // Two charts of one name: the manifest and the chart are named.
    const std::string twice =
        data.Write("twice.xml", Replace(ReadFile(data.Path() + "Charts/ChartManifest.xml"),
                                        "Definition=\"FieldCapex\"", "Definition=\"FieldProduction\""));
    run = Run({"charts", "--manifest", twice});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "the chart manifest " + twice +
                                 " lists \"FieldProduction\" twice, the second time as the chart \"Capital "
                                 "spend\": Key is not unique in collection"))
        << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(ChartCommands, ChartDrawsForTheAssetsOfTheQueryIntoAPictureAndAGrid) {
    // The assets the query finds, as `run` prints them.
    HostProcessRun run = Run({"run", SampleQuery("fields-gross.xml"), "--format", "csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> codes;
    const auto rows = Lines(run.out);
    for (size_t i = 1; i < rows.size(); ++i) codes.push_back(rows[i].substr(0, rows[i].find(',')));
    ASSERT_FALSE(codes.empty());

    run = Run({"chart", "FieldCapex", SampleQuery("fields-gross.xml"), "--svg", Out("q.svg"), "--grid",
               Out("q.csv")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string svg = ReadFile(Out("q.svg"));
    EXPECT_TRUE(Has(svg, "<svg")) << svg.substr(0, 200);
    EXPECT_TRUE(Has(svg, ">Capital spend <") || Has(svg, ">Capital spend<")) << "the title";
    EXPECT_TRUE(Has(svg, ">Money of the data year<")) << "the footer";
    const std::string grid = ReadFile(Out("q.csv"));
    const auto gridLines = Lines(grid);
    ASSERT_FALSE(gridLines.empty());
    EXPECT_EQ(gridLines[0], "PROD_YEAR,Capex");
    const std::vector<std::string> years =
        Column(data.Path() + "Core/Database/Annual.db",
               "SELECT DISTINCT Prod_Year FROM FieldAnnualTotal_Gross WHERE Field_Code IN (" +
                   Join(codes, ",") + ") ORDER BY 1");
    ASSERT_EQ(gridLines.size(), years.size() + 1) << grid;
    EXPECT_TRUE(StartsWith(gridLines[1], years[0] + ",")) << gridLines[1];

    // The same chart for the same codes given by hand.
    run = Run(
        {"chart", "FieldCapex", "--codes", Join(codes, ","), "--svg", Out("c.svg"), "--grid", Out("c.csv")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(Out("c.csv")), grid);
    EXPECT_EQ(ReadFile(Out("c.svg")), svg);
}

TEST_F(ChartCommands, WhatCannotBeDrawnSaysSo) {
    // A name that differs from a chart's in letter case only is told the chart's.
    const std::string definitions = data.Path() + "Charts/Definitions";
    HostProcessRun run;
    for (const auto& [name, says] : std::vector<std::pair<std::string, std::string>>{
             {"NoSuchChart", "NoSuchChart.xml in " + definitions + "\n"},
             {"fieldCAPEX", "fieldCAPEX.xml in " + definitions +
                                "; there is FieldCapex (a chart's name is matched in its letter case)\n"}}) {
        run = Run({"chart", name, "--codes", "1", "--svg", Out("x.svg")});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_EQ(run.err, "terralith: there is no chart definition " + says);
    }

    // Files that are no chart definition: a query file, an empty one, one cut short.
    data.Write("Charts/Definitions/Empty.xml", "");
    data.Write("Charts/Definitions/Cut.xml", "<TerralithChart><Chart><Title Text=\"Cut");
    for (const char* name : {"../../Default/Default", "Empty", "Cut"}) {
        run = Run({"chart", name, "--codes", "1001", "--svg", Out("x.svg")});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_TRUE(Has(run.err, std::string(name) + ".xml")) << run.err;
        EXPECT_FALSE(std::filesystem::exists(Out("x.svg"))) << name;
    }

    // A chart of fields for a query of wells: the manifest says so before anything runs, the
    // library where the chart reads a column wells lack; no bare "Invalid procedure call".
    data.Write("Charts/Definitions/Unlisted.xml",
               ReadFile(data.Path() + "Charts/Definitions/FieldProduction.xml"));
    for (const char* name : {"FieldProduction", "Unlisted"}) {
        run = Run({"chart", name, SampleQuery("wells-gross.xml"), "--svg", Out("w.svg")});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_TRUE(
            Has(run.err, name == std::string("Unlisted")
                             ? "it is a chart of Field assets (the column OIL_PRODUCTION of the Annual "
                               "grid), and the active query finds Well assets"
                             : "FieldProduction is a chart of fields and the query " +
                                   SampleQuery("wells-gross.xml") + " finds wells"))
            << run.err;
        EXPECT_FALSE(Has(run.err, "Invalid procedure call")) << run.err;
        EXPECT_FALSE(std::filesystem::exists(Out("w.svg"))) << name;
    }

    run = Run({"chart", "FieldCapex", "--svg", Out("x.svg")});
    EXPECT_EQ(run.status, 2) << "neither a query nor codes";
    EXPECT_EQ(Run({"chart", "FieldCapex", "--codes", "1"}).status, 2) << "no picture to write";

    // Codes that are no list of numbers never reach a statement; a chart
    // that showed a failure writes nothing, as does one whose query was refused.
    run =
        Run({"chart", "FieldCapex", "--codes", "1) OR (1=1", "--svg", Out("x.svg"), "--grid", Out("x.csv")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "1) OR (1=1")) << run.err;
    EXPECT_FALSE(std::filesystem::exists(Out("x.svg")));
    EXPECT_FALSE(std::filesystem::exists(Out("x.csv")));
    // Nor does a list that holds no code at all, with or without a query.
    for (const std::vector<std::string>& given : {std::vector<std::string>{"--codes", " "},
                                                  {"--codes", ",,,"},
                                                  {SampleQuery("fields-gross.xml"), "--codes", " "}}) {
        std::vector<std::string> args{"chart", "FieldCapex", "--svg", Out("x.svg")};
        args.insert(args.end(), given.begin(), given.end());
        run = Run(args);
        EXPECT_EQ(run.status, 1) << "'" << given.back() << "'";
        EXPECT_TRUE(Has(run.err, "'" + given.back() + "'")) << run.err;
        EXPECT_FALSE(std::filesystem::exists(Out("x.svg")));
    }
    // A list with an item that is no code is refused naming the option.
    for (const char* given : {"1001,abc", "\t", "1001, 1003,x"}) {
        run = Run({"chart", "FieldCapex", "--codes", given, "--svg", Out("x.svg")});
        EXPECT_EQ(run.status, 1) << given;
        EXPECT_TRUE(Has(run.err, " of '--codes' ")) << run.err;
        EXPECT_EQ(run.err.find('\t'), std::string::npos) << "a tab is shown, not passed for blanks";
        EXPECT_FALSE(std::filesystem::exists(Out("x.svg")));
    }
    // So is a query whose asset type is misspelt, quoted and in its file.
    const std::string feld = data.Write("feld.xml", Replace(ReadFile(SampleQuery("fields-gross.xml")),
                                                            ">Field</AssetType>", ">Feld</AssetType>"));
    run = Run({"chart", "FieldCapex", feld, "--svg", Out("x.svg")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "terralith: " + feld +
                           ": the query's asset type \"Feld\" is none of Field, Well, Block and Transport, "
                           "so it gives no statement\n");
    EXPECT_FALSE(std::filesystem::exists(Out("x.svg")));
    const std::string refused = data.Write(
        "refused.xml",
        Replace(ReadFile(SampleQuery("fields-gross.xml")), "<FieldDetail>",
                "<FieldDetail><AssetCodes><AssetCode Code=\"1;DROP TABLE Options\"/></AssetCodes>"));
    run = Run({"chart", "FieldCapex", refused, "--svg", Out("x.svg")});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(std::filesystem::exists(Out("x.svg")));

    // Assets without data: the chart says so.
    run = Run({"chart", "FieldCapex", "--codes", "999999", "--svg", Out("e.svg"), "--grid", Out("e.csv")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(ReadFile(Out("e.svg")), "No Data Available."));
    EXPECT_TRUE(Has(ReadFile(Out("e.csv")), "No Data Available."));

    // A query the engine cannot open (too complex) is named; the one before it is drawn and
    // written all the same, and the status is 1.
    const std::string production = ReadFile(data.Path() + "Charts/Definitions/FieldProduction.xml");
    const std::string gas = "SELECT Prod_Year AS PROD_YEAR, SUM(GAS_PRODUCTION) AS GAS_PRODUCTION";
    ASSERT_TRUE(Has(production, gas));
    std::string tooComplex = "SELECT 1 AS PROD_YEAR, 1 AS GAS_PRODUCTION";
    for (int i = 0; i < 600; ++i) tooComplex += " UNION ALL SELECT 1, 1";
    data.Write("Charts/Definitions/TooComplex.xml", Replace(production, gas, tooComplex));
    run = Run({"chart", "TooComplex", "--codes", "1001", "--svg", Out("t.svg"), "--grid", Out("t.csv")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "query 2 (Gas) of the chart TooComplex could not be opened (too many terms"))
        << run.err;
    const auto written = Lines(ReadFile(Out("t.csv")));
    ASSERT_GT(written.size(), 2u);
    EXPECT_TRUE(StartsWith(written[1], Column(data.Path() + "Core/Database/Annual.db",
                                              "SELECT MIN(Prod_Year) FROM FieldAnnualTotal_Gross WHERE "
                                              "Field_Code = 1001")[0] +
                                           ","))
        << written[1];
    EXPECT_TRUE(Has(ReadFile(Out("t.svg")), "<svg"));
    // When it is the first query, nothing was drawn: the query is named and nothing is written,
    // since a blank picture would pass for one of assets without data.
    const std::string oil = "SELECT Prod_Year AS PROD_YEAR, SUM(OIL_PRODUCTION) AS OIL_PRODUCTION";
    ASSERT_TRUE(Has(production, oil));
    data.Write("Charts/Definitions/FirstTooComplex.xml",
               Replace(production, oil, Replace(tooComplex, "GAS_PRODUCTION", "OIL_PRODUCTION")));
    run = Run({"chart", "FirstTooComplex", "--codes", "1001", "--svg", Out("f.svg"), "--grid", Out("f.csv")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(
        run.err,
        "terralith: the chart could not be drawn: query 1 (Oil) of the chart FirstTooComplex could not be "
        "opened (too many terms in compound SELECT)\n");
    EXPECT_FALSE(std::filesystem::exists(Out("f.svg")));
    EXPECT_FALSE(std::filesystem::exists(Out("f.csv")));

    run = Run({"chart", "FieldCapex", "--codes", "1001", "--svg", scratch.Path() + "missing/x.svg"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "missing/x.svg")) << run.err;
}

TEST_F(ChartCommands, OutputsAreCheckedBeforeAnythingRunsAndWrittenWhole) {
    const std::string query = data.Write("q.xml", ReadFile(SampleQuery("fields-gross.xml")));
    const std::string database = DatabasePath();
    const std::string kept = data.Write("kept.svg", "an earlier picture");
    std::filesystem::create_symlink(kept, Out("link.svg"));
    MakeFifo(Out("pipe.svg"));
    std::filesystem::create_symlink(Out("pipe.svg"), Out("pipelink.svg"));
    std::filesystem::create_directory(Out("folder.svg"));
    // Every file the command reads, and links to some of them.
    const std::string settings = data.Path() + "Host.settings.xml";
    const std::string annual = data.Path() + "Core/Database/Annual.db";
    const std::vector<std::string> inputs = {query,
                                             database,
                                             annual,
                                             data.Path() + "Core/Database/Options.ini",
                                             data.Path() + "Translations.xml",
                                             data.Path() + "Default/Default.xml",
                                             data.Path() + "Charts/ChartManifest.xml",
                                             data.Path() + "Charts/Definitions/FieldCapex.xml"};
    // Files of the data set that this command does not read: never written over either.
    const std::vector<std::string> dataSet = {
        data.Path() + "Default/GridLayouts.xml", data.Path() + "Core/Database/Notes.db",
        data.Path() + "Charts/Definitions/FieldProduction.xml", data.Path() + "Quartz/indGB.dat"};
    std::map<std::string, std::string> before;
    for (const std::string& input : inputs) before[input] = ReadFile(input);
    for (const std::string& file : dataSet) before[file] = ReadFile(file);
    std::filesystem::create_symlink(annual, Out("annual-link.db"));
    std::filesystem::create_hard_link(query, Out("hard.xml"));
    std::filesystem::create_hard_link(dataSet[2], Out("hard-chart.xml"));
    // A pipe named through the host's own open files, as /dev/stdout names
    // standard output when it is piped.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const std::string openPipe = "/proc/self/fd/" + std::to_string(pipeEnds[1]);

    struct Case {
        std::vector<std::string> outputs;  // --svg, then --grid when given
        bool force;
        std::string says;
    };
    const Case cases[] = {
        {{database}, false, "is there already; give --force to replace it"},
        {{database}, true, "the command reads"},
        {{Out("new.svg"), kept}, false, "is there already; give --force to replace it"},
        {{Out("link.svg")}, false, "is there already; give --force to replace it"},
        {{query}, true, "the command reads"},
        {{Out("x.svg"), Out("x.svg")}, false, "is named twice"},
        {{Out("x.svg"), Out("sub/../x.svg")}, true, "are one file"},
        {{Out("pipe.svg")}, true, "not a regular file"},
        {{Out("pipelink.svg")}, true, "not a regular file"},
        {{Out("folder.svg")}, true, "not a regular file"},
        {{Out("new.svg"), "/dev/null"}, true, "not a regular file"},
        {{openPipe}, true, "not a regular file"},
        {{Out("new.svg"), Out("nofolder/g.csv")},
         false,
         "nofolder/g.csv cannot be written: there is no folder"},
        {{Out("new.svg"), kept + "/g.csv"}, false, "kept.svg/g.csv\": cannot use the name"},
        {{annual}, true, "the command reads"},
        {{Out("annual-link.db")}, true, "is the file " + annual + " the command reads"},
        {{Out("new.svg"), Out("hard.xml")}, true, "is the file " + query + " the command reads"},
        {{Out("new.svg"), settings}, true, "the command reads"},
        {{inputs[3]}, true, "the command reads"},
        {{Out("new.svg"), inputs[4]}, true, "the command reads"},
        {{inputs[5]}, true, "the command reads"},
        {{inputs[6]}, true, "the command reads"},
        {{Out("new.svg"), inputs[7]}, true, "the command reads"},
        {{Out("new.svg"), dataSet[0]}, true, "Default/GridLayouts.xml is one of the data set's files"},
        {{dataSet[1]}, true, "Notes.db is one of the data set's files"},
        {{Out("new.svg"), dataSet[2]}, true, "FieldProduction.xml is one of the data set's files"},
        {{dataSet[3]}, true, "indGB.dat is one of the data set's files"},
        {{Out("hard-chart.xml")}, true, "is the file " + dataSet[2] + ", one of the data set's files"},
    };
    std::filesystem::create_directory(Out("sub"));
    for (const Case& c : cases) {
        std::vector<std::string> args{"chart", "FieldCapex", query, "--svg", c.outputs[0]};
        if (c.outputs.size() > 1) args.insert(args.end(), {"--grid", c.outputs[1]});
        if (c.force) args.push_back("--force");
        FifoWatchdog watchdog(Out("pipe.svg"));
        HostProcessRun run = Run(args);
        EXPECT_EQ(run.status, 1) << c.outputs[0];
        EXPECT_TRUE(Has(run.err, c.says)) << run.err;
        EXPECT_FALSE(watchdog.Fired()) << "an output pipe was opened";
    }
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    EXPECT_TRUE(StartsWith(ReadFile(database), "SQLite format 3")) << "the database is no picture";
    // The start-up repair of linked tables writes to the core database itself.
    for (const auto& [file, content] : before) {
        if (file == database) continue;
        EXPECT_TRUE(ReadFile(file) == content) << file;
    }
    EXPECT_EQ(ReadFile(settings), settingsXml);
    EXPECT_EQ(ReadFile(kept), "an earlier picture");
    EXPECT_FALSE(std::filesystem::exists(Out("new.svg")));
    EXPECT_EQ(std::filesystem::status(Out("pipe.svg")).type(), std::filesystem::file_type::fifo);

    // Killed while the picture is written (past its file size limit), once
    // the grid is: neither takes its name, and nothing is left beside them.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    HostProcessRun killed = RunHostProcess(TERRALITH_BINARY,
                                           {"--settings=" + settings, "chart", "FieldCapex", query, "--svg",
                                            Out("k.svg"), "--grid", Out("k.csv")},
                                           scratch.Path());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(killed.status, -1) << "not killed: " << killed.err;
    for (const auto& entry : std::filesystem::directory_iterator(scratch.Path()))
        EXPECT_FALSE(StartsWith(entry.path().filename().string(), "k.") ||
                     StartsWith(entry.path().filename().string(), ".k."))
            << entry.path();

    // With --force a picture is replaced through its link, whole, and
    // nothing is left beside it.
    HostProcessRun run = Run({"chart", "FieldCapex", query, "--svg", Out("link.svg"), "--force"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::is_symlink(Out("link.svg")));
    EXPECT_TRUE(Has(ReadFile(kept), "<svg")) << ReadFile(kept);
    for (const auto& entry : std::filesystem::directory_iterator(data.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".kept.svg.tmp"), std::string::npos);

    // A grid given the very name the picture it replaces is kept under: both
    // take their names, and both stay.
    struct stat old {};
    ASSERT_EQ(::stat(scratch.Write("c.svg", "an earlier picture").c_str(), &old), 0);
    const std::string grid = Out(".c.svg.tmp-" + std::to_string(old.st_ino));
    run = Run({"chart", "FieldCapex", query, "--svg", Out("c.svg"), "--grid", grid, "--force"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(ReadFile(Out("c.svg")), "<svg")) << ReadFile(Out("c.svg"));
    EXPECT_TRUE(std::filesystem::exists(grid)) << "the grid was removed";

    // As an ordinary user, with the grid in a folder of the user's own.  Over
    // another user's picture that the user may read and write, in a shared
    // folder (anyone may write, the sticky bit set): refused, and the shared
    // folder is as it was; through a link, the refusal names the file.  Over the user's own picture that may
    // be written but not read: replaced. The user may use the data, the scratch folder and the test's
    // $TMPDIR.
    if (!scratch.OrdinaryUserReaches()) GTEST_SKIP() << "the ordinary user cannot reach " << scratch.Path();
    using std::filesystem::perms;
    for (const std::string& folder : {data.Path(), scratch.Path(), std::string(std::getenv("TMPDIR"))}) {
        std::filesystem::permissions(folder, perms::others_all, std::filesystem::perm_options::add);
        for (const auto& e : std::filesystem::recursive_directory_iterator(folder))
            std::filesystem::permissions(
                e.path(), e.is_directory() ? perms::others_all : perms::others_read | perms::others_write,
                std::filesystem::perm_options::add);
    }
    std::filesystem::remove(Out("stdout"));
    std::filesystem::remove(Out("stderr"));
    ASSERT_TRUE(scratch.MakeOrdinaryUserFolders());
    std::filesystem::create_symlink(Out("shared/c.svg"), Out("mine/link.svg"));
    const std::string own = Out("mine/own.svg");
    // The data set's folders whose files are found by listing them, the
    // user's own and entered but not listed (0300): their files are the data
    // set's all the same, reached through a link or reaching through one.
    const std::string backup = data.Write("Core/Database/Annual.bak", "an older release's data");
    const std::string sharedDefinition = data.Path() + "Charts/Definitions/Shared.xml";
    std::filesystem::create_symlink(scratch.Write("mine/shared.xml", "<TerralithChart/>"), sharedDefinition);
    for (const auto& [link, file] : {std::pair{Out("mine/backup.xml"), backup},
                                     {Out("mine/index.xml"), dataSet[3]},
                                     {Out("mine/chart.svg"), dataSet[2]}})
        std::filesystem::create_symlink(file, link);
    std::filesystem::create_directory_symlink(data.Path() + "Core/Database", Out("mine/database"));
    // The user's own file that the user may write but not read.
    const std::string unread = scratch.Write("mine/unread.db", "not known to be a database");
    ASSERT_TRUE(::chown(unread.c_str(), 65534, 65534) == 0 && ::chmod(unread.c_str(), 0200) == 0);
    for (const char* folder : {"Core/Database", "Charts/Definitions", "Quartz"})
        ASSERT_TRUE(::chown((data.Path() + folder).c_str(), 65534, 65534) == 0 &&
                    ::chmod((data.Path() + folder).c_str(), 0300) == 0);
    const struct {
        std::string picture;
        int status;
        std::string says;
        bool made = false;        // by new, not chart
        bool coreUnread = false;  // while the core database is not there
    } asUser[] = {
        {Out("shared/c.svg"), 1, "c.svg\": cannot replace another user's file in a shared folder"},
        {Out("mine/link.svg"), 1, "shared folder (the link leads to \"" + Out("shared/c.svg") + "\")"},
        {own, 0, ""},
        {Out("mine/backup.xml"), 1, "is the file " + backup + ", one of the data set's files", true},
        {Out("mine/database/Annual.bak"), 1, "is the file " + backup + ", one of the data set's files", true},
        {Out("mine/index.xml"), 1, "is the file " + dataSet[3] + ", one of the data set's files", true},
        {Out("mine/chart.svg"), 1, "is the file " + dataSet[2] + ", one of the data set's files"},
        {sharedDefinition, 1, "Shared.xml is one of the data set's files"},
        {dataSet[2], 1, "FieldProduction.xml is one of the data set's files", true},
        {unread, 1,
         "unread.db may be a database file (it cannot be read to tell), and the core database cannot be read",
         true, true},
    };
    for (const auto& row : asUser) {
        if (row.coreUnread) std::filesystem::rename(database, database + ".kept");
        const std::string grid = Out("mine/") + std::to_string(row.status) + ".csv";
        const std::string before = ReadFile(row.picture);
        const pid_t child = ::fork();
        if (child == 0) {
            // The program is opened before the user changes, and run by that
            // descriptor: the build's folder may be one the user cannot search.
            const int program = ::open(TERRALITH_BINARY, O_RDONLY);
            if (program < 0 || !BecomeOrdinaryUser()) ::_exit(99);
            ::_exit(Run(row.made ? std::vector<std::string>{"new", "--type", "Field", row.picture, "--force"}
                                 : std::vector<std::string>{"chart", "FieldCapex", query, "--svg",
                                                            row.picture, "--grid", grid, "--force"},
                        "/proc/self/fd/" + std::to_string(program))
                        .status &
                    0xff);
        }
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (row.coreUnread) std::filesystem::rename(database + ".kept", database);
        const std::string err = ReadFile(Out("stderr"));
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, row.status) << err;
        EXPECT_TRUE(row.says.empty() ? err.empty() : Has(err, row.says)) << err;
        EXPECT_TRUE(row.status == 0 ? Has(ReadFile(row.picture), "<svg") : ReadFile(row.picture) == before)
            << row.picture << ": " << ReadFile(row.picture);
        EXPECT_EQ(std::filesystem::exists(grid), row.status == 0) << err;
        for (const std::string& folder :
             {std::filesystem::path(row.picture).parent_path().string(), Out("mine")})
            for (const auto& entry : std::filesystem::directory_iterator(folder))
                EXPECT_FALSE(StartsWith(entry.path().filename().string(), ".")) << entry.path();
    }
}

}  // namespace
