// `terralith run QUERY.xml --grid NAME` as a script runs it: the record set
// the grid shows, in the columns the grid layout file chooses, in their
// order and units, checked against the database read directly.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "HostCommandFixture.h"
#include "support/SqliteFile.h"

namespace {

// The fields the sample field query files find (Borealis and its
// subsidiaries in three sectors, oil and oil-and-gas fields).
constexpr const char* kSampleFields =
    "SELECT Field_Code FROM Field WHERE FIELD_TYPE_CODE IN ('OIL','OILGAS') AND Field_Code IN "
    "(SELECT I.Field_Code FROM FieldInterest I JOIN FieldSector S ON S.Field_Code = I.Field_Code "
    "JOIN Company C ON C.Company_Code = I.Company_Code WHERE (C.Company_Code = 101 OR C.Parent_Code = 101) "
    "AND S.Sector_Code IN (11,12,21))";

// The sample settings' factors: 1 bbl = 0.158987294928 m³, 1 m = 3.28083989501312 ft.
constexpr double kMMbblToMMm3 = 0.158987294928;
constexpr double kMetreToFeet = 3.28083989501312;

class RunGrid : public HostCommandFixture {
protected:
    // The sample's default layout with the Field/Assets columns replaced.
    std::string FieldAssetsLayout(const std::string& fields) {
        std::string xml = ReadFile(data.Path() + "Default/GridLayouts.xml");
        const size_t field = xml.find("<Field>");
        const size_t a = xml.find("<Fields>", xml.find("<Assets>", field));
        const size_t b = xml.find("</Fields>", a);
        return data.Write("Mine.xml", xml.substr(0, a) + "<Fields>" + fields + xml.substr(b));
    }
    // Column 0 to column 1 of a statement's rows, joined by "|" in the statement.
    std::map<std::string, std::string> Pairs(const std::string& sql) {
        std::map<std::string, std::string> pairs;
        for (const std::string& row : Column(DatabasePath(), sql)) {
            const size_t bar = row.find('|');
            pairs[row.substr(0, bar)] = row.substr(bar + 1);
        }
        return pairs;
    }
};

// The converted cell against the database value times the factor; Null empty.
void ExpectConverted(const std::string& cell, const std::string& stored, double factor,
                     const std::string& where) {
    if (stored.empty()) {
        EXPECT_EQ(cell, "") << where;
        return;
    }
    double shown = 0, value = 0;
    ASSERT_TRUE(ParseNumber(cell, shown)) << where << ": " << cell;
    ASSERT_TRUE(ParseNumber(stored, value)) << where << ": " << stored;
    EXPECT_NEAR(shown, value * factor, std::abs(value * factor) * 1e-12) << where;
}

TEST_F(RunGrid, TheChosenColumnsInTheirOrderAndUnits) {
    const std::string layout = FieldAssetsLayout(
        "<Field ID=\"EVMnemonic\" Seq=\"1\" ColumnWidth=\"900\"/>"
        "<Field ID=\"REC_R_OIL\" UnitID=\"MMm3\" Seq=\"2\" ColumnWidth=\"900\"/>"
        "<Field ID=\"Field_Name\" Seq=\"3\" ColumnWidth=\"900\"/>"
        "<Field ID=\"WATER_DEPTH\" UnitID=\"ft\" Seq=\"4\" ColumnWidth=\"900\"/>"
        "<Field ID=\"Country_Name\" Seq=\"5\" ColumnWidth=\"900\"/>"
        "<Field ID=\"REC_R_TOTAL\" Seq=\"6\" ColumnWidth=\"900\"/>");
    HostProcessRun run =
        Run({"run", SampleQuery("fields-gross.xml"), "--grid", "field/assets", "--layout", layout});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_GT(lines.size(), 1u);
    // Field_Name is pinned to the first place, the mnemonic to the last.
    EXPECT_EQ(lines[0],
              "Field,Recoverable Oil (MMm³),Water Depth (ft),Country,Recoverable Total (MMboe),Mnemonic");

    const std::string codes = std::string(" FROM Field WHERE Field_Code IN (") + kSampleFields + ")";
    const auto oil = Pairs("SELECT Field_Name || '|' || IFNULL(REC_R_OIL, '')" + codes);
    const auto depth = Pairs("SELECT Field_Name || '|' || IFNULL(WATER_DEPTH, '')" + codes);
    const auto country = Pairs("SELECT Field_Name || '|' || Country_Name" + codes);
    const auto total = Pairs("SELECT Field_Name || '|' || IFNULL(REC_R_TOTAL, '')" + codes);
    const auto mnemonic = Pairs("SELECT Field_Name || '|' || EVMnemonic" + codes);
    ASSERT_EQ(lines.size() - 1, oil.size()) << "one row per field found";
    bool nullSeen = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> cells = Split(lines[i], ",");
        ASSERT_EQ(cells.size(), 6u) << lines[i];
        const std::string& field = cells[0];
        ASSERT_EQ(oil.count(field), 1u) << field;
        ExpectConverted(cells[1], oil.at(field), kMMbblToMMm3, field + " oil");
        ExpectConverted(cells[2], depth.at(field), kMetreToFeet, field + " depth");
        EXPECT_EQ(cells[3], country.at(field));
        ExpectConverted(cells[4], total.at(field), 1, field + " total");
        EXPECT_EQ(cells[5], mnemonic.at(field));
        nullSeen = nullSeen || total.at(field).empty();
    }
    EXPECT_TRUE(nullSeen) << "a field without a total shows an empty cell";
}

TEST_F(RunGrid, TheGridPicksTheRecordSetOfTheQuerysAssetType) {
    // Ownership: the participant rows, one per field and company.
    HostProcessRun run = Run({"run", SampleQuery("fields-gross.xml"), "--grid", "Field/Ownership"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_GT(lines.size(), 1u);
    EXPECT_EQ(lines[0],
              "Field,Company,Parent Company,Equity (%),Operator,Recoverable Total (Net) (MMboe),"
              "Remaining Total (Net) (MMboe)");
    const std::vector<std::string> interests =
        Column(DatabasePath(), std::string("SELECT Field_Code FROM FieldInterest WHERE Field_Code IN (") +
                                   kSampleFields + ")");
    EXPECT_EQ(lines.size() - 1, interests.size());
    // Agreeing with --results is no conflict.
    EXPECT_EQ(
        Run({"run", SampleQuery("fields-gross.xml"), "--grid", "Field/Ownership", "--results", "participant"})
            .out,
        run.out);

    // Annual: the annual rows, every one with its year.
    run = Run({"run", SampleQuery("fields-gross.xml"), "--grid", "Field/Annual", "--limit", "5"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(Has(run.err, "printed empty")) << run.err;
    lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 6u) << run.out;
    EXPECT_TRUE(StartsWith(lines[0], "Field,Year,Oil (Mbbl/d),")) << lines[0];
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> cells = Split(lines[i], ",");
        ASSERT_GT(cells.size(), 2u) << lines[i];
        EXPECT_GE(Val(cells[1]), 1900) << lines[i];
    }

    // Another record set than --results asks for, or another asset type:
    // usage errors, before anything runs.
    run = Run({"run", SampleQuery("fields-gross.xml"), "--grid", "Field/Annual", "--results", "asset"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "terralith: the grid Field/Annual shows the annual rows, not the asset rows\n");
    EXPECT_EQ(run.out, "");
    run = Run({"run", SampleQuery("wells-gross.xml"), "--grid", "Field/Assets"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "terralith: the grid Field/Assets shows Field assets; this is a Well query\n");
    EXPECT_EQ(run.out, "");
    run = Run({"run", SampleQuery("wells-gross.xml"), "--grid", "Well/Annual"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Has(run.err, "unknown grid: Well/Annual; the grids are Block/Assets, ")) << run.err;
    EXPECT_EQ(Run({"run", SampleQuery("wells-gross.xml"), "--grid", "Well/Assets", "--sql"}).status, 2);
    EXPECT_EQ(Run({"run", SampleQuery("wells-gross.xml"), "--layout", "x.xml"}).status, 2);
}

TEST_F(RunGrid, AColumnTheRowsLackAndLayoutsThatCannotBeLoaded) {
    // The catalogue offers a column the asset table does not have.
    Exec(DatabasePath(),
         "INSERT INTO FieldChooser (Asset_Type, Grid_Type, Sequence, Field_Name, Display_Name, Category) "
         "VALUES ('Field', 'Assets', 999, 'Gone_Column', 'Gone', 'Oil_Reserves')");
    const std::string layout = FieldAssetsLayout(
        "<Field ID=\"Field_Name\" Seq=\"1\" ColumnWidth=\"900\"/>"
        "<Field ID=\"Gone_Column\" Seq=\"2\" ColumnWidth=\"900\"/>"
        "<Field ID=\"Country_Name\" Seq=\"3\" ColumnWidth=\"900\"/>");
    HostProcessRun run = Run({"run", SampleQuery("fields-gross.xml"), "--grid", "Field/Assets", "--layout",
                              layout, "--limit", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string said = "terralith: the asset rows have no column Gone_Column; printed empty\n";
    EXPECT_TRUE(StartsWith(run.err, said)) << run.err;
    EXPECT_EQ(run.err.find(said, 1), std::string::npos) << "said once: " << run.err;
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    EXPECT_EQ(lines[0], "Field,Gone (MMbbl),Country");
    for (size_t i = 1; i < lines.size(); ++i) EXPECT_TRUE(Has(lines[i], ",,")) << lines[i];

    // A file that is not there, or no layout: exit 1 naming it, nothing run.
    const std::string missing = data.Path() + "Missing.xml";
    run = Run({"run", SampleQuery("fields-gross.xml"), "--grid", "Field/Assets", "--layout", missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, missing)) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string broken = data.Write("Broken.xml", "<GridLayouts><AssetTypes><Field>");
    run = Run({"run", SampleQuery("fields-gross.xml"), "--grid", "Field/Assets", "--layout", broken});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, broken)) << run.err;
    EXPECT_EQ(run.out, "");
    // A layout lacking a later grid stops the load there: Field/Assets was
    // loaded, the file all the same was not.
    std::string xml = ReadFile(data.Path() + "Default/GridLayouts.xml");
    const size_t a = xml.find("<Transport>"), b = xml.find("</Transport>");
    ASSERT_NE(b, std::string::npos);
    const std::string partial = data.Write("Partial.xml", xml.erase(a, b + 12 - a));
    run = Run({"run", SampleQuery("fields-gross.xml"), "--grid", "Field/Assets", "--layout", partial});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, partial)) << run.err;
    EXPECT_EQ(run.out, "");

    // Without --layout the settings' file; none named is a failure too.
    RemoveSetting("DefaultLayoutFile");
    run = Run({"run", SampleQuery("fields-gross.xml"), "--grid", "Field/Assets"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "--layout FILE")) << run.err;
}

}  // namespace
