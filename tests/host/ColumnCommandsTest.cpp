// `terralith columns` as a script runs it: a grid's chosen columns from the
// grid layout file the settings name (or --layout), in order with unit and
// width, and an exit status that tells a failed load from a done one.
#include <gtest/gtest.h>

#include "HostCommandFixture.h"

namespace {

class ColumnCommands : public HostCommandFixture {
protected:
    std::string Layout(const std::string& annualFields) {
        std::string xml = ReadFile(data.Path() + "Default/GridLayouts.xml");
        const std::string open = "<Annual>", close = "</Annual>";
        const size_t a = xml.find(open), b = xml.find(close);
        return xml.substr(0, a + open.size()) + "<Fields>" + annualFields + "</Fields>" + xml.substr(b);
    }
};

TEST_F(ColumnCommands, AGridsColumnsInOrderWithTheirUnitsAndWidths) {
    HostProcessRun run = Run({"columns", "field/assets"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::vector<std::string> lines = Split(run.out, "\r\n");
    ASSERT_GT(lines.size(), 4u) << run.out;
    EXPECT_EQ(lines[0], "Grid,Position,Column,Name,Unit,Width");
    EXPECT_EQ(lines[1], "Field/Assets,1,Field_Name,Field,,2400");
    EXPECT_TRUE(Has(run.out, "Field/Assets,8,REC_R_TOTAL,Recoverable Total,MMboe,1300\r\n")) << run.out;
    EXPECT_TRUE(StartsWith(lines[lines.size() - 2], "Field/Assets,11,EVMnemonic,")) << run.out;

    // Without GRID every grid, in the chooser's order.
    run = Run({"columns"});
    ASSERT_EQ(run.status, 0) << run.err;
    const size_t block = run.out.find("\r\nBlock/Assets,1,"), annual = run.out.find("\r\nField/Annual,1,"),
                 transport = run.out.find("\r\nTransport/Ownership,1,");
    EXPECT_TRUE(block < annual && annual < transport && transport != std::string::npos) << run.out;
}

TEST_F(ColumnCommands, AnotherLayoutFileItsUnitsAndAFileThatCannotBeLoaded) {
    const std::string layout =
        data.Write("Mine.xml",
                   Layout("<Field ID=\"Field_Name\" Seq=\"1\" ColumnWidth=\"2000\"/>"
                          "<Field ID=\"Prod_Year\" Seq=\"2\" ColumnWidth=\"700\"/>"
                          "<Field ID=\"GAS_PRODUCTION\" UnitID=\"furlong\" Seq=\"3\" ColumnWidth=\"900\"/>"
                          "<Field ID=\"TOTAL_PRODUCTION\" UnitID=\"GJ/d\" Seq=\"4\" ColumnWidth=\"1000\"/>"));
    HostProcessRun run = Run({"columns", "Field/Annual", "--layout", layout});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Grid,Position,Column,Name,Unit,Width\r\n"
              "Field/Annual,1,Field_Name,Field,,2000\r\n"
              "Field/Annual,2,Prod_Year,Year,,700\r\n"
              "Field/Annual,3,GAS_PRODUCTION,Gas,MMscf/d,900\r\n"
              "Field/Annual,4,TOTAL_PRODUCTION,Total,GJ/d,1000\r\n");
    EXPECT_TRUE(Has(run.err, "Unit: furlong not found")) << "a warning, not a failure: " << run.err;

    // A file that cannot be a layout is named first with why, as a query
    // file is, and nothing is loaded from it.
    std::string deep;
    for (int i = 0; i < 300; ++i) deep = "<a>" + deep + "</a>";
    const struct {
        std::string file, says;
    } unusable[] = {
        {data.Path() + "Missing.xml", ": No such file or directory"},
        {data.Write("Cut.xml", "<GridLayouts>\n  <AssetTypes>\n</GridLayouts>"),
         ": not well-formed XML: line 3, column 3: Start-end tags mismatch"},
        {SampleQuery("fields-gross.xml"),
         ": not a grid layout file: its root element is Query, not GridLayouts"},
        {data.Write("Deep.xml", "<GridLayouts>" + deep + "</GridLayouts>"),
         ": malformed XML: elements nested deeper than 256 levels"},
    };
    for (const auto& u : unusable) {
        run = Run({"columns", "Field/Annual", "--layout", u.file});
        EXPECT_EQ(run.status, 1) << u.file;
        EXPECT_EQ(run.err, "terralith: " + u.file + u.says + "\n");
        EXPECT_EQ(run.out, "");
    }
    // A layout the chooser loads only in part is no layout to print.
    run =
        Run({"columns", "--layout",
             data.Write("Part.xml", Replace(Layout(""), "<Annual><Fields></Fields></Annual>", "<Annual/>"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "Invalid Results grids Layout file")) << run.err;
    EXPECT_EQ(run.out, "");

    RemoveSetting("DefaultLayoutFile");
    run = Run({"columns"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "--layout FILE")) << run.err;

    run = Run({"columns", "Field/Sideways"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Has(run.err, "unknown grid: Field/Sideways; the grids are Block/Assets, ")) << run.err;
}

}  // namespace
