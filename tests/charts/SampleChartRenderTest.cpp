// Every kind of sample chart drawn from the sample database into the
// in-memory chart control and grid, its numbers checked against the same
// question put to the database files directly, and its picture parsed back.
#include <sqlite3.h>

#include <cmath>
#include <map>
#include <pugixml.hpp>

#include "ChartFixture.h"
#include "host/controls/MemoryChartControl.h"
#include "host/controls/MemoryGrid.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"

namespace {

// One value as the database file holds it.
struct RawValue {
    bool null = true;
    double number = 0;
    std::string text;
};
using RawRow = std::vector<RawValue>;

class SampleChartRenderTest : public ChartFixture {
protected:
    void SetUp() override {
        ChartFixture::SetUp();
        OpenRoot();
        MakeChartRoot();
        // The catalogue as the database describes it; the user shows oil and condensate in bbl/d.
        auto rs = gTools()->NewADODBRecordset();
        rs->Open("SELECT Asset_Type, Grid_Type, Field_Name, Category FROM FieldChooser", root->Connection());
        for (; !rs->Eof(); rs->MoveNext()) {
            const std::string name = CStr(rs->Fields("Field_Name").Value());
            const bool barrels = name == "OIL_PRODUCTION" || name == "CONDENSATE_PRODUCTION";
            AddField(CStr(rs->Fields("Asset_Type").Value()), CStr(rs->Fields("Grid_Type").Value()), name,
                     CStr(rs->Fields("Category").Value()), barrels ? "bbl/d" : "");
        }
        engine = New<CChartEngine>();
        engine->Initialise(data.Path() + "Charts/ChartManifest.xml", data.Path() + "Charts/Definitions");
    }

    // Loads a sample chart for the asset type and draws it into new controls.
    bool Draw(const std::string& name, const std::string& assetType, const std::string& codes) {
        query->SetQueryType(assetType);
        loaded = engine->LoadChart(name);
        EXPECT_FALSE(loaded.IsNothing()) << name;
        if (!loaded) return false;
        grid = std::make_shared<MemoryGrid>();
        control = std::make_shared<MemoryChartControl>();
        return loaded->Render(grid, control, codes);
    }

    // Rows of a statement run on the copy's files with a connection of the test's own; the
    // annual figures' file is attached as "A".
    std::vector<RawRow> Raw(const std::string& sql) {
        std::vector<RawRow> rows;
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open_v2(DatabasePath().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        const std::string attach = "ATTACH '" + data.Path() + "Core/Database/Annual.db' AS A";
        EXPECT_EQ(sqlite3_exec(db, attach.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_stmt* st = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        while (st && sqlite3_step(st) == SQLITE_ROW) {
            RawRow row;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                RawValue v;
                v.null = sqlite3_column_type(st, c) == SQLITE_NULL;
                v.number = sqlite3_column_double(st, c);
                const unsigned char* t = sqlite3_column_text(st, c);
                v.text = t ? reinterpret_cast<const char*>(t) : "";
                row.push_back(v);
            }
            rows.push_back(row);
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
        return rows;
    }

    std::optional<double> Y(int32_t group, int32_t series, int32_t point) const {
        return control->Group(group)->data->Value(series, point);
    }
    static void ExpectValue(const std::optional<double>& actual, const RawValue& expected, double factor,
                            const std::string& where) {
        if (expected.null) {
            EXPECT_EQ(actual, std::nullopt) << where;
        } else {
            ASSERT_TRUE(actual.has_value()) << where;
            EXPECT_NEAR(*actual, expected.number * factor, 1e-9 * std::max(1.0, std::fabs(*actual))) << where;
        }
    }
    double CellNumber(int32_t col, int32_t row) const {
        const GridCell* cell = grid->Cell(col, row);
        return cell && !cell->value.IsNull() ? CDbl(cell->value) : std::nan("");
    }

    // The picture of the chart, parsed; its texts.
    std::vector<std::string> PictureTexts() {
        const std::string svg = control->Svg();
        pugi::xml_document doc;
        EXPECT_TRUE(doc.load_string(svg.c_str())) << svg;
        EXPECT_STREQ(doc.document_element().name(), "svg");
        std::vector<std::string> texts;
        for (const pugi::xpath_node& n : doc.select_nodes("//*[local-name()='text']"))
            texts.push_back(n.node().child_value());
        return texts;
    }
    static bool Has(const std::vector<std::string>& texts, const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    static constexpr const char* kFields = "1001,1003,1013,1014,1044,1045";

    Ref<IChartEngine> engine;
    Ref<IChart> loaded;
    std::shared_ptr<MemoryGrid> grid;
    std::shared_ptr<MemoryChartControl> control;
};

TEST_F(SampleChartRenderTest, LinesOnTwoAxesShowTheYearlySumsInTheChosenUnits) {
    ASSERT_TRUE(Draw("FieldProduction", "Field", kFields));
    EXPECT_EQ(Dialog(), "");
    const auto raw = Raw(std::string("SELECT Prod_Year, SUM(OIL_PRODUCTION), SUM(GAS_PRODUCTION) FROM "
                                     "A.FieldAnnualTotal_Gross WHERE Field_Code IN (") +
                         kFields + ") GROUP BY Prod_Year ORDER BY Prod_Year");
    ASSERT_GT(raw.size(), 5u);
    auto oil = control->Group(1), gas = control->Group(2);
    EXPECT_EQ(oil->chartType, 1);
    ASSERT_EQ(oil->data->Points(1), static_cast<int32_t>(raw.size()));
    ASSERT_EQ(gas->data->Points(1), static_cast<int32_t>(raw.size()));
    for (size_t i = 0; i < raw.size(); ++i) {
        const int32_t p = static_cast<int32_t>(i + 1);
        EXPECT_EQ(CStr(oil->pointLabels->items[i]), raw[i][0].text);
        ExpectValue(Y(1, 1, p), raw[i][1], 1000, "oil in bbl/d, year " + raw[i][0].text);
        ExpectValue(Y(2, 1, p), raw[i][2], 1, "gas, year " + raw[i][0].text);
        EXPECT_EQ(grid->Text(1, p + 1), CStr(oil->pointLabels->items[i]));
        if (!raw[i][1].null) {
            EXPECT_NEAR(CellNumber(2, p + 1), raw[i][1].number * 1000, 1e-6);
        }
        if (!raw[i][2].null) {
            EXPECT_NEAR(CellNumber(3, p + 1), raw[i][2].number, 1e-6);
        }
    }
    EXPECT_EQ(grid->Text(1, 1), "PROD_YEAR");
    EXPECT_EQ(grid->Text(2, 1), "Oil");
    EXPECT_EQ(grid->Text(3, 1), "Gas");
    EXPECT_EQ(control->Area().y->title, "Oil (bbl/d)");
    EXPECT_EQ(control->Area().y2->title, "Gas (MMscf/d)");
    EXPECT_EQ(control->HeaderPart().text, "Oil and gas production ");
    EXPECT_EQ(control->LegendPart().anchor, 32);
    EXPECT_EQ(control->LegendPart().orientation, 2);
    EXPECT_EQ(oil->styles->Slot(1)->line->color, 31 + 256 * 119 + 65536 * 180);

    const auto texts = PictureTexts();
    for (const std::string& t :
         {std::string("Oil and gas production"), std::string("Production"), std::string("Oil"),
          std::string("Gas"), std::string("Oil (bbl/d)"), std::string("Gas (MMscf/d)"), raw[0][0].text})
        EXPECT_TRUE(Has(texts, t) || Has(texts, t + " ")) << t;

    // The same chart with one query limited to the years from 2030: each figure stays at its
    // own year, whichever query lacks the early years (the later one adds them before its own).
    const std::string sample = ReadFile(data.Path() + "Charts/Definitions/FieldProduction.xml");
    for (const char* column : {"GAS_PRODUCTION", "OIL_PRODUCTION"}) {
        const std::string from = std::string("SUM(") + column + ") AS " + column +
                                 " FROM FieldAnnualTotal_Gross WHERE Field_Code IN (ASSET_CODE)";
        ASSERT_TRUE(Contains(sample, from));
        const std::string name = std::string("From2030_") + column;
        data.Write("Charts/Definitions/" + name + ".xml",
                   Replace(sample, from, from + " AND Prod_Year &gt;= 2030"));
        ASSERT_TRUE(Draw(name, "Field", kFields));
        EXPECT_EQ(Dialog(), "");
        const size_t limited = column == std::string("GAS_PRODUCTION") ? 2 : 1;
        ASSERT_EQ(control->Group(1)->data->Points(1), static_cast<int32_t>(raw.size())) << name;
        ASSERT_EQ(control->Group(2)->data->Points(1), static_cast<int32_t>(raw.size())) << name;
        ASSERT_EQ(control->Group(1)->pointLabels->items.size(), raw.size()) << name;
        for (size_t i = 0; i < raw.size(); ++i) {
            const int32_t p = static_cast<int32_t>(i + 1);
            const std::string year = raw[i][0].text;
            const bool lacking = std::stoi(year) < 2030;
            EXPECT_EQ(CStr(control->Group(1)->pointLabels->items[i]), year) << name;
            EXPECT_EQ(grid->Text(1, p + 1), year) << name;
            for (size_t q = 1; q <= 2; ++q) {
                const int32_t group = static_cast<int32_t>(q);
                const double factor = q == 1 ? 1000 : 1;
                if (q == limited && lacking) {
                    EXPECT_EQ(Y(group, 1, p), std::nullopt) << name << " " << year;
                    EXPECT_EQ(grid->Text(group + 1, p + 1), "") << name << " " << year;
                    continue;
                }
                ExpectValue(Y(group, 1, p), raw[i][q], factor, name + " " + year);
                if (!raw[i][q].null) {
                    EXPECT_NEAR(CellNumber(group + 1, p + 1), raw[i][q].number * factor, 1e-6)
                        << name << year;
                }
            }
        }
        EXPECT_EQ(grid->Text(1, static_cast<int32_t>(raw.size()) + 2), "") << "one row per year";
    }
}

TEST_F(SampleChartRenderTest, BarsOfCountsAndMoneyForEachAssetType) {
    ASSERT_TRUE(Draw("FieldCapex", "Field", kFields));
    auto capex = Raw(std::string("SELECT Prod_Year, SUM(CAPEX_REAL) FROM A.FieldAnnualTotal_Gross WHERE "
                                 "Field_Code IN (") +
                     kFields + ") GROUP BY Prod_Year ORDER BY Prod_Year");
    ASSERT_EQ(control->Group(1)->data->Points(1), static_cast<int32_t>(capex.size()));
    EXPECT_EQ(control->Group(1)->chartType, 2);
    for (size_t i = 0; i < capex.size(); ++i)
        ExpectValue(Y(1, 1, static_cast<int32_t>(i + 1)), capex[i][1], 1, "capex " + capex[i][0].text);
    EXPECT_EQ(control->FooterPart().text, "Money of the data year");
    EXPECT_EQ(control->Area().bar->clusterWidth, 70);
    EXPECT_TRUE(Has(PictureTexts(), "Money of the data year"));

    ASSERT_TRUE(Draw("WellsSpudded", "Well", "1,2,3,4,5,6,7,8,9,10"));
    auto wells =
        Raw("SELECT substr(SPUD_DATE, 1, 4), COUNT(*) FROM Well WHERE Well_Code BETWEEN 1 AND 10 AND "
            "SPUD_DATE IS "
            "NOT NULL GROUP BY substr(SPUD_DATE, 1, 4) ORDER BY 1");
    ASSERT_FALSE(wells.empty());
    ASSERT_EQ(control->Group(1)->data->Points(1), static_cast<int32_t>(wells.size()));
    for (size_t i = 0; i < wells.size(); ++i) {
        EXPECT_EQ(CStr(control->Group(1)->pointLabels->items[i]), wells[i][0].text);
        ExpectValue(Y(1, 1, static_cast<int32_t>(i + 1)), wells[i][1], 1, "wells " + wells[i][0].text);
    }

    ASSERT_TRUE(Draw("BlocksAwarded", "Block", "1,2,3,4,5,6,7,8,9,10"));
    auto blocks =
        Raw("SELECT Licence_Round_Year, COUNT(*) FROM Block WHERE Block_Code BETWEEN 1 AND 10 AND "
            "Licence_Round_Year IS NOT NULL GROUP BY 1 ORDER BY 1");
    ASSERT_EQ(control->Group(1)->data->Points(1), static_cast<int32_t>(blocks.size()));
    for (size_t i = 0; i < blocks.size(); ++i)
        ExpectValue(Y(1, 1, static_cast<int32_t>(i + 1)), blocks[i][1], 1, "blocks " + blocks[i][0].text);
    EXPECT_EQ(Dialog(), "");
}

TEST_F(SampleChartRenderTest, StackedDownTheResultIsASeriesPerLiquid) {
    ASSERT_TRUE(Draw("FieldLiquidsByType", "Field", kFields));
    EXPECT_EQ(Dialog(), "");
    const auto raw =
        Raw(std::string("SELECT Prod_Year, SUM(OIL_PRODUCTION), SUM(CONDENSATE_PRODUCTION), "
                        "SUM(LPG_PRODUCTION) FROM A.FieldAnnualTotal_Gross WHERE Field_Code IN (") +
            kFields + ") GROUP BY Prod_Year ORDER BY Prod_Year");
    auto group = control->Group(1);
    EXPECT_EQ(group->chartType, 4);
    ASSERT_EQ(group->data->Series(), 3);
    EXPECT_EQ((group->seriesLabels->items), (std::vector<std::string>{"Oil", "Condensate", "LPG"}));
    for (int32_t s = 1; s <= 3; ++s) {
        ASSERT_EQ(group->data->Points(s), static_cast<int32_t>(raw.size()));
        for (size_t i = 0; i < raw.size(); ++i)
            ExpectValue(Y(1, s, static_cast<int32_t>(i + 1)), raw[i][static_cast<size_t>(s)], 1000,
                        group->seriesLabels->items[static_cast<size_t>(s - 1)] + " " + raw[i][0].text);
    }
    // Every fifth year labelled.
    const auto& labels = control->Area().x->valueLabels->labels;
    ASSERT_FALSE(labels.empty());
    for (const auto& [position, text] : labels) {
        EXPECT_EQ(std::fmod(position, 5.0), 0) << position;
        EXPECT_EQ(text, raw[static_cast<size_t>(position) - 1][0].text);
    }
    EXPECT_EQ(grid->Text(1, 1), "Year");
    EXPECT_EQ(grid->Text(4, 1), "LPG");
    EXPECT_EQ(grid->Text(1, 2), raw[0][0].text);
    const auto texts = PictureTexts();
    for (const char* t : {"Oil", "Condensate", "LPG", "Liquids"}) EXPECT_TRUE(Has(texts, t)) << t;
}

TEST_F(SampleChartRenderTest, StackedAcrossTheResultIsASeriesPerFieldTitledByItsCountry) {
    ASSERT_TRUE(Draw("FieldRemainingLiquids", "Field", kFields));
    EXPECT_EQ(Dialog(), "");
    const auto raw =
        Raw(std::string("SELECT Field_Name, REM_R_OIL, REM_R_COND, REM_R_LPG, Country_Name FROM Field "
                        "WHERE Field_Code IN (") +
            kFields + ") ORDER BY Field_Name");
    auto group = control->Group(1);
    ASSERT_EQ(group->data->Series(), static_cast<int32_t>(raw.size()));
    EXPECT_EQ(group->data->Points(1), 3) << "the country column's point is not drawn";
    std::string country;
    for (size_t r = 0; r < raw.size(); ++r) {
        const int32_t s = static_cast<int32_t>(r + 1);
        EXPECT_EQ(group->seriesLabels->items[r], raw[r][0].text);
        for (int32_t c = 1; c <= 3; ++c) {
            ExpectValue(Y(1, s, c), raw[r][static_cast<size_t>(c)], 1, raw[r][0].text);
            // Two rows down for the country; a missing value shows 0.
            EXPECT_NEAR(CellNumber(c + 1, s + 3), raw[r][static_cast<size_t>(c)].number, 1e-9);
        }
        if (country.empty()) country = raw[r][4].text;
    }
    EXPECT_EQ(control->HeaderPart().text, "Remaining liquids, " + country + " ");
    EXPECT_TRUE(control->Area().isHorizontal);
    EXPECT_EQ(grid->Text(2, 3), "Oil");
    EXPECT_EQ(grid->Text(5, 3), "") << "no heading for the country";
    const auto texts = PictureTexts();
    EXPECT_TRUE(Has(texts, raw[0][0].text));
    EXPECT_TRUE(Has(texts, "Condensate"));
}

TEST_F(SampleChartRenderTest, TheGroupingRuleCountsEachGroupingOnceAndItsFieldsWhereItHasNothing) {
    ASSERT_TRUE(Draw("FieldProductionByOperator", "Field", kFields));
    EXPECT_EQ(Dialog(), "");
    const std::string codes = kFields;
    // Per operator and year: every record of the chosen fields, except the fields of a chosen
    // grouping that itself has production that year.
    const std::string inGrouping =
        "F.FIELD_GROUPING = 0 AND EXISTS (SELECT 1 FROM Field P JOIN A.FieldAnnualTotal_Gross PG ON "
        "PG.Field_Code = P.Field_Code WHERE P.Field_Code = F.FIELD_GROUPING_CODE AND P.FIELD_GROUPING = 1 "
        "AND "
        "P.Field_Code IN (" +
        codes + ") AND PG.Prod_Year = G.Prod_Year AND COALESCE(PG.TOTAL_PRODUCTION, 0) <> 0)";
    const std::string from =
        " FROM A.FieldAnnualTotal_Gross G JOIN Field F ON F.Field_Code = G.Field_Code WHERE "
        "F.Field_Code IN (" +
        codes + ")";
    std::map<std::pair<std::string, std::string>, double> expected, naive;
    for (const RawRow& r : Raw("SELECT COALESCE(F.Operator_Name, 'No operator'), G.Prod_Year, "
                               "SUM(COALESCE(G.TOTAL_PRODUCTION, 0))" +
                               from + " AND NOT (" + inGrouping + ") GROUP BY 1, 2"))
        expected[{r[0].text, r[1].text}] = r[2].number;
    for (const RawRow& r : Raw("SELECT COALESCE(F.Operator_Name, 'No operator'), G.Prod_Year, "
                               "SUM(COALESCE(G.TOTAL_PRODUCTION, 0))" +
                               from + " GROUP BY 1, 2"))
        naive[{r[0].text, r[1].text}] = r[2].number;
    ASSERT_NE(expected, naive) << "the sample's codes hold a grouping with its fields";

    auto group = control->Group(1);
    const auto& rows = group->seriesLabels->items;
    const auto& points = control->Area().x->valueLabels->labels;
    ASSERT_EQ(group->data->Series(), static_cast<int32_t>(rows.size()));
    size_t cells = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        std::string previousYear;
        for (const auto& [position, year] : points) {
            EXPECT_LT(previousYear, year) << "years in order";
            previousYear = year;
            const auto it = expected.find({rows[r], year});
            const double want = it == expected.end() ? 0 : it->second;
            cells += it != expected.end();
            const auto got = Y(1, static_cast<int32_t>(r + 1), static_cast<int32_t>(position));
            ASSERT_TRUE(got.has_value());
            EXPECT_NEAR(*got, want, 1e-9 * std::max(1.0, want)) << rows[r] << " " << year;
        }
    }
    EXPECT_EQ(cells, expected.size()) << "every operator and year drawn";
    const auto texts = PictureTexts();
    for (const std::string& row : rows) EXPECT_TRUE(Has(texts, row)) << row;
    EXPECT_TRUE(Has(texts, "Total production by operator") || Has(texts, "Total production by operator "));
}

}  // namespace
