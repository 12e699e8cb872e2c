// The console host's chart commands as a script runs them: `charts` lists
// the manifest's charts per asset type, `chart` draws one for the assets of
// a query file (or given codes) into an SVG picture and a CSV grid.
#include <gtest/gtest.h>

#include <set>

#include "HostCommandFixture.h"
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
    EXPECT_EQ(Run({"charts", "Transport"}).out, "AssetType,Category,Chart,Definition,Description\r\n");

    EXPECT_EQ(Run({"charts", "Charts/Field"}).status, 2) << "an asset type is one of the four";
    run = Run({"charts", "--manifest", scratch.Path() + "none.xml"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "none.xml")) << run.err;
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
    HostProcessRun run = Run({"chart", "NoSuchChart", "--codes", "1", "--svg", Out("x.svg")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "NoSuchChart.xml")) << run.err;

    run = Run({"chart", "FieldCapex", "--svg", Out("x.svg")});
    EXPECT_EQ(run.status, 2) << "neither a query nor codes";
    EXPECT_EQ(Run({"chart", "FieldCapex", "--codes", "1"}).status, 2) << "no picture to write";

    // Codes that are no list of numbers never reach a statement; the picture is still written.
    run = Run({"chart", "FieldCapex", "--codes", "1) OR (1=1", "--svg", Out("x.svg")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "1) OR (1=1")) << run.err;
    EXPECT_TRUE(Has(ReadFile(Out("x.svg")), "<svg"));

    // Assets without data: the chart says so.
    run = Run({"chart", "FieldCapex", "--codes", "999999", "--svg", Out("e.svg"), "--grid", Out("e.csv")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(ReadFile(Out("e.svg")), "No Data Available."));
    EXPECT_TRUE(Has(ReadFile(Out("e.csv")), "No Data Available."));

    run = Run({"chart", "FieldCapex", "--codes", "1001", "--svg", scratch.Path() + "missing/x.svg"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "missing/x.svg")) << run.err;
}

}  // namespace
