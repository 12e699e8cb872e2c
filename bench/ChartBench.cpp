// A stacked chart of production by operator and year drawn from the fields a
// query found, beside the engine running the very statement the drawing ran,
// raw:
//
//   across/render  IChart.Render of a chart stacked across its result: a
//                  record per operator (a chart series), a column per year
//                  (a point), drawn into the in-memory chart control and grid;
//   across/raw     sqlite3_step over the same statement (the host's codes put
//                  in for "ASSET_CODE" and translated for the engine once
//                  beforehand), reading every column of every row by its type;
//   down/render, down/raw  the same stacked down the result: a record per
//                  year (a point), a column per operator (a series);
//   rule/render, rule/raw  the chart's grouping rule: a record per field and
//                  year, summed into a row per operator by year.
//
// And a plain line chart of two queries over every field, the first giving
// twice each field's code as its X value in order, the second twice the code
// and one, so that the two queries' X values interleave:
//
//   inorder/render, inorder/raw  the second query in order too;
//   opposite/render, opposite/raw  the second query in the opposite order,
//                  each of its values placed between two of the first's.
//
// And a plain line chart of many series, a query each giving one field's
// production by year (the host's fields in turn, again from the first when
// there are fewer), every series a grid column of its own:
//
//   many100/render, many100/raw    100 series;
//   many1000/render, many1000/raw  1,000 series.
//
// The summary prints the opposite order's drawing against the one in order:
// placing the points by X value costs about the same whatever order the
// later query comes in; and the chart of 1,000 series against the one of
// 100: the grid and the drawing grow with the series, about ten times.
//
// Each stacked chart is drawn once before the timing and its control must
// hold TERRALITH_BENCH_SERIES series (50, or as many operators as have
// figures in a smaller data set) of TERRALITH_BENCH_YEARS points
// (30), every point with a value, and its grid every cell that has figures
// (the grouping rule leaves a year without figures blank and draws it as
// 0); each plain chart of two queries a point per X value, upwards, with the
// value of its query at every other point, and a grid row per point; each
// chart of many series a point per year with figures, its series' values
// where its field has them, and the grid a row per point and a column per
// series; or the program stops.
//
// The data set is made here by the sample generator: TERRALITH_BENCH_FIELDS
// fields (50000), unless TERRALITH_BENCH_SET names a folder terralith-sample
// made earlier; the charts read their units from the sample's units file,
// whatever units the set was made with.  The years are the last ones up to
// the data year; the operators are the ones running the most fields with
// figures in those years; the host's codes are those fields, at
// most an equal share of TERRALITH_BENCH_CODES (10000) from each operator.
// TERRALITH_BENCH_REPETITIONS sets the repetitions (7).  The summary prints
// the medians of CPU and wall time and the ratio of each drawing to its raw
// statement.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchDataSet.h"
#include "BenchSupport.h"
#include "charts/CChartEngine.h"
#include "core/CTools.h"
#include "core/CwndShowError.h"
#include "core/Globals.h"
#include "fieldchooser/CFieldDetail.h"
#include "fieldchooser/CSelectedFields.h"
#include "host/controls/MemoryChartControl.h"
#include "host/controls/MemoryGrid.h"
#include "interfaces/IChart.h"
#include "platform/ado/JetTranslator.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/ui/MsgBox.h"
#include "platform/units/Units.h"
#include "sql/SqlValues.h"
#include "support/FakeLists.h"
#include "support/FakeQuery.h"
#include "support/FakeRoot.h"
#include "support/TempDir.h"

namespace bench {
// The chart query's SQL with the host's codes put in for "ASSET_CODE" as the
// chart puts them in, translated for the engine.
std::string ChartStatement(const std::string& sSQL, const std::string& sAssetCodes) {
    return ADODB::JetTranslator::Translate(ReplacePlaceholder(sSQL, "ASSET_CODE", SqlCodeList(sAssetCodes)));
}
}  // namespace bench

namespace {

struct Road {
    std::string name;                     // "across", "down", "rule", "inorder" or "opposite"
    Ref<IChart> chart;                    // loaded from its definition file
    std::vector<std::string> statements;  // one per chart query, as the engine reads it, the codes put in
    size_t rows = 0;                      // rows the raw statements gave
    size_t values = 0;                    // values they read
    bool plain = false;                   // a plain chart of two queries, else a stacked one
    int series = 0;                       // a plain chart of this many queries, a series each
    int points = 0;                       // the points of each series
};

// An operator or a field: its code, and its name where one was asked for.
struct Coded {
    int code = 0;
    std::string name;
};

struct DataSet {
    const TempDir& dir = bench::Scratch();  // removed when the run ends, however it ends
    std::string folder, database;
    Ref<FakeRoot> root;
    Ref<IChartEngine> engine;
    sqlite3* raw = nullptr;  // the engine opened raw
    int firstYear = 0, years = 0;
    std::vector<Coded> operators;
    std::string codes;  // the host's asset codes
    size_t codeCount = 0;
    Road across{"across", {}, {}, 0, 0}, down{"down", {}, {}, 0, 0}, rule{"rule", {}, {}, 0, 0};
    Road inorder{"inorder", {}, {}, 0, 0, true}, opposite{"opposite", {}, {}, 0, 0, true};
    Road many100{"many100", {}, {}, 0, 0, true, 100}, many1000{"many1000", {}, {}, 0, 0, true, 1000};
    size_t fields = 0;           // the fields of the plain charts, a point each per query
    std::vector<int> producing;  // the host's fields with figures, a series each in the charts of many

    // Every chart, in the order the benchmarks run.
    std::array<Road*, 7> Roads() { return {&across, &down, &rule, &inorder, &opposite, &many100, &many1000}; }
};

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "chart benchmark: %s\n", message.c_str());
    std::exit(1);
}

// The core database opened raw, with the annual figures' file attached and
// its tables seen under their linked names, as the library's connection does.
sqlite3* OpenRaw(const DataSet& d) {
    sqlite3* db = bench::OpenReadOnly(d.database);
    // An attached file is opened read-only as the main one is.
    const std::string setup = "ATTACH DATABASE '" + Replace(d.folder, "'", "''") +
                              "Core/Database/Annual.db' AS link1;"
                              "CREATE TEMP VIEW FieldAnnualTotal_Gross AS SELECT * FROM "
                              "link1.FieldAnnualTotal_Gross;";
    char* error = nullptr;
    if (sqlite3_exec(db, setup.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error ? error : "?";
        sqlite3_free(error);
        sqlite3_close(db);
        throw std::runtime_error("cannot attach the annual figures: " + text);
    }
    return db;
}

// Steps each statement reading every column as its type comes.
void Step(sqlite3* db, Road& road) {
    size_t rows = 0, values = 0;
    double sum = 0;
    for (const std::string& statement : road.statements) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, statement.c_str(), -1, &st, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db)) + ": " + statement.substr(0, 200));
        const int columns = sqlite3_column_count(st);
        while (sqlite3_step(st) == SQLITE_ROW) {
            ++rows;
            for (int i = 0; i < columns; ++i) {
                switch (sqlite3_column_type(st, i)) {
                    case SQLITE_INTEGER:
                        sum += static_cast<double>(sqlite3_column_int64(st, i));
                        ++values;
                        break;
                    case SQLITE_FLOAT:
                        sum += sqlite3_column_double(st, i);
                        ++values;
                        break;
                    case SQLITE_TEXT:
                    case SQLITE_BLOB: {
                        const unsigned char* t = sqlite3_column_text(st, i);
                        sum += sqlite3_column_bytes(st, i) ? t[0] : 0;
                        ++values;
                        break;
                    }
                    default:
                        break;
                }
            }
        }
        sqlite3_finalize(st);
    }
    benchmark::DoNotOptimize(sum);
    road.rows = rows;
    road.values = values;
}

// The whole numbers the statement's rows hold in their first column, with the text of the second.
std::vector<Coded> CodedRows(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db)) + ": " + sql);
    std::vector<Coded> rows;
    while (sqlite3_step(st) == SQLITE_ROW) {
        const unsigned char* t = sqlite3_column_count(st) > 1 ? sqlite3_column_text(st, 1) : nullptr;
        rows.push_back({sqlite3_column_int(st, 0), t ? reinterpret_cast<const char*>(t) : ""});
    }
    sqlite3_finalize(st);
    return rows;
}

// Adds the code to a comma-separated list.
void AppendCode(std::string& list, int code) {
    if (!list.empty()) list += ',';
    list += std::to_string(code);
}

std::string XmlText(const std::string& text) {
    return Replace(Replace(Replace(text, "&", "&amp;"), "<", "&lt;"), ">", "&gt;");
}

std::string AxisXml(const std::string& name, const std::string& title, const std::string& field,
                    const std::string& type, bool inUnit, int spacing) {
    return "<Axis><Name>" + name + "</Name><Visible>True</Visible>" +
           "<Title FontName=\"Arial\" FontSize=\"9\" Underline=\"False\" Bold=\"True\">" + title +
           "</Title>" + "<FieldName" +
           (inUnit ? " ColumnName=\"TOTAL_PRODUCTION\" GridName=\"Annual\"" : "") + " Type=\"" + type +
           "\" DecimalPlaces=\"1\">" + field + "</FieldName><TickSpacing>0</TickSpacing>" +
           "<AnnotationRotationAngle>45</AnnotationRotationAngle><AnnotationSpacing>" +
           std::to_string(spacing) + "</AnnotationSpacing><NumberingMethod>1</NumberingMethod></Axis>";
}

// A chart definition of one stacked query, as the sample's charts are written.
std::string ChartXml(const std::string& title, const std::string& head, const std::string& sql, bool down,
                     const std::string& stacking, const std::string& xField) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TerralithChart><Chart>"
           "<Title FontName=\"Arial\" FontSize=\"12\" Underline=\"False\" Bold=\"True\">" +
           title +
           "</Title><Legend FontName=\"Arial\" FontSize=\"8\" Bold=\"False\" Anchor=\"East\" "
           "Orientation=\"Vertical\">Operator</Legend>" +
           head + "<Queries><Query><Name>Production</Name><SQL>" + XmlText(sql) +
           "</SQL><SeriesData><Series><RenderMode>STACKED</RenderMode><DrawingOrder>1</DrawingOrder>"
           "<VerticalPlot>" +
           (down ? "True" : "False") + "</VerticalPlot>" +
           (stacking.empty() ? "" : "<StackingCategory>" + stacking + "</StackingCategory>") + "<Axes>" +
           AxisXml("X", "Year", xField, "Text", false, 5) +
           AxisXml("Y", "Total production", "", "Number", true, 0) +
           "</Axes></Series></SeriesData></Query></Queries></Chart></TerralithChart>\n";
}

// A plain line chart of two queries, X against Y and X against Y2.
std::string PlainChartXml(const std::string& first, const std::string& second) {
    auto query = [](const std::string& name, const std::string& sql, const std::string& axis,
                    const std::string& field) {
        return "<Query><Name>" + name + "</Name><SQL>" + XmlText(sql) +
               "</SQL><SeriesData><Series><RenderMode>LINE</RenderMode><DrawingOrder>1</DrawingOrder>"
               "<VerticalPlot>False</VerticalPlot><Axes>" +
               AxisXml("X", "Code", "X", "Number", false, 0) +
               AxisXml(axis, name, field, "Number", false, 0) + "</Axes></Series></SeriesData></Query>";
    };
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TerralithChart><Chart>"
           "<Title FontName=\"Arial\" FontSize=\"12\" Underline=\"False\" Bold=\"True\">Codes</Title>"
           "<Queries>" +
           query("First", first, "Y", "FIRST") + query("Second", second, "Y2", "SECOND") +
           "</Queries></Chart></TerralithChart>\n";
}

// A plain line chart of a query per field, its production by year: year
// against Y, headed by its own column name.
std::string ManyChartXml(const DataSet& d, int series) {
    std::string queries;
    for (int s = 1; s <= series; ++s) {
        const int field = d.producing[static_cast<size_t>(s - 1) % d.producing.size()];
        const std::string column = "F" + std::to_string(s);
        const std::string sql = "SELECT Prod_Year AS PROD_YEAR, TOTAL_PRODUCTION AS " + column +
                                " FROM FieldAnnualTotal_Gross WHERE Field_Code = " + std::to_string(field) +
                                " AND Prod_Year BETWEEN " + std::to_string(d.firstYear) + " AND " +
                                std::to_string(d.firstYear + d.years - 1) + " ORDER BY Prod_Year";
        queries += "<Query><Name>" + column + "</Name><SQL>" + XmlText(sql) +
                   "</SQL><SeriesData><Series><RenderMode>LINE</RenderMode><DrawingOrder>" +
                   std::to_string(s) + "</DrawingOrder><VerticalPlot>False</VerticalPlot><Axes>" +
                   AxisXml("X", "Year", "PROD_YEAR", "Text", false, 0) +
                   AxisXml("Y", column, column, "Number", false, 0) + "</Axes></Series></SeriesData></Query>";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TerralithChart><Chart>"
           "<Title FontName=\"Arial\" FontSize=\"12\" Underline=\"False\" Bold=\"True\">Production by "
           "field</Title><Queries>" +
           queries + "</Queries></Chart></TerralithChart>\n";
}

// The annual figures of the host's fields in the chosen years.
std::string From(const DataSet& d) {
    return " FROM FieldAnnualTotal_Gross G INNER JOIN Field F ON F.Field_Code = G.Field_Code "
           "WHERE F.Field_Code IN (ASSET_CODE) AND G.Prod_Year BETWEEN " +
           std::to_string(d.firstYear) + " AND " + std::to_string(d.firstYear + d.years - 1);
}

// The three charts written into the benchmark's own chart folder.
void WriteCharts(const DataSet& d) {
    // Across: an operator per record, a year per column.
    std::string across = "SELECT MAX(F.Operator_Name) AS OPERATOR";
    for (int y = d.firstYear; y < d.firstYear + d.years; ++y)
        across += ", SUM(CASE WHEN G.Prod_Year = " + std::to_string(y) +
                  " THEN G.TOTAL_PRODUCTION ELSE 0 END) AS [" + std::to_string(y) + "]";
    across += From(d) + " GROUP BY F.Operator_Code ORDER BY 1";

    // Down: a year per record, an operator per column.
    std::string down = "SELECT G.Prod_Year AS PROD_YEAR";
    for (const Coded& o : d.operators)
        down += ", SUM(CASE WHEN F.Operator_Code = " + std::to_string(o.code) +
                " THEN G.TOTAL_PRODUCTION ELSE 0 END) AS OPERATOR_" + std::to_string(o.code);
    down += From(d) + " GROUP BY G.Prod_Year ORDER BY G.Prod_Year";

    // The grouping rule: a field and year per record, groupings first.
    const std::string rule =
        "SELECT G.Prod_Year AS PROD_YEAR, F.Operator_Name AS OPERATOR, F.FIELD_GROUPING, "
        "F.FIELD_GROUPING_CODE, F.Field_Code AS FIELD_CODE, G.TOTAL_PRODUCTION, G.Prod_Year AS ColumnOrder" +
        From(d) + " ORDER BY F.FIELD_GROUPING DESC, G.Prod_Year";

    const std::string folder = "Charts/";
    d.dir.Write(folder + "BenchAcross.xml",
                ChartXml("Production by operator", "<IsHorizontal>False</IsHorizontal>", across, false,
                         "OPERATOR", ""));
    d.dir.Write(folder + "BenchDown.xml",
                ChartXml("Production by operator", "", down, true, "", "PROD_YEAR"));
    // Plain: every field's code twice as X in order; the code twice and one, in order or not.
    const std::string first =
        "SELECT Field_Code * 2 AS X, Field_Code AS FIRST FROM Field ORDER BY Field_Code";
    const std::string second =
        "SELECT Field_Code * 2 + 1 AS X, Field_Code AS SECOND FROM Field ORDER BY Field_Code";
    d.dir.Write(folder + "BenchInOrder.xml", PlainChartXml(first, second));
    d.dir.Write(folder + "BenchOpposite.xml", PlainChartXml(first, second + " DESC"));
    d.dir.Write(folder + "BenchRule.xml",
                ChartXml("Production by operator",
                         "<TerralithRule Series=\"PROD_YEAR\" StackingCategory=\"OPERATOR\" "
                         "Value=\"TOTAL_PRODUCTION\" SortData=\"True\"/>",
                         rule, false, "", "PROD_YEAR"));
    d.dir.Write(folder + "BenchMany100.xml", ManyChartXml(d, d.many100.series));
    d.dir.Write(folder + "BenchMany1000.xml", ManyChartXml(d, d.many1000.series));
}

// The catalogue as the database describes it, so that the charts read the
// unit of their values through the field chooser for the active query's
// asset type.
void MakeChooser(DataSet& d) {
    auto manager = New<FakeQueryManager>();
    manager->ActiveQuery()->SetQueryType("Field");
    d.root->SetQueries(manager);
    Ref<cvCollection> catalogue = gTools()->NewCollection();
    auto child = [](const Ref<cvCollection>& parent, const std::string& key) {
        if (!parent->Exists(key)) parent->Add(Variant(gTools()->NewCollection()), key);
        return parent->Item(Variant(key)).ToObject<cvCollection>();
    };
    auto rs = gTools()->NewADODBRecordset();
    rs->Open("SELECT Asset_Type, Grid_Type, Field_Name, Category FROM FieldChooser", d.root->Connection());
    for (; !rs->Eof(); rs->MoveNext()) {
        auto field = New<CFieldDetail>();
        field->SetAssetType(CStr(rs->Fields("Asset_Type").Value()));
        field->SetGridType(CStr(rs->Fields("Grid_Type").Value()));
        field->SetFieldName(CStr(rs->Fields("Field_Name").Value()));
        field->SetCategory(CStr(rs->Fields("Category").Value()));
        child(child(child(catalogue, field->AssetType()), field->GridType()), "FIELDS")
            ->Add(Variant(field), field->FieldName());
    }
    rs->Close();
    auto lists = New<FakeLists>();
    lists->SetAvailableFields(catalogue);
    d.root->SetLists(lists);
    d.root->SetFieldChooser(New<CSelectedFields>());
}

// Draws the plain chart into new controls and stops the program unless it
// drew a point per X value, upwards, each query's value at every other point,
// and a grid row per point.
void CheckPlain(const DataSet& d, const Road& road, const MemoryGrid& grid,
                const MemoryChartControl& control) {
    const int32_t points = static_cast<int32_t>(2 * d.fields);
    if (control.Groups().size() != 2) Fail(road.name + ": not two chart groups");
    for (int32_t g = 1; g <= 2; ++g) {
        const auto group = control.Groups()[static_cast<size_t>(g - 1)];
        if (group->data->Points(1) != points ||
            static_cast<int32_t>(group->pointLabels->items.size()) != points)
            Fail(road.name + ": group " + std::to_string(g) + " has " +
                 std::to_string(group->data->Points(1)) + " points instead of " + std::to_string(points));
        double previous = -1;
        for (int32_t p = 1; p <= points; ++p) {
            const double x = CDbl(group->pointLabels->items[static_cast<size_t>(p - 1)]);
            if (x <= previous)
                Fail(road.name + ": the X values do not run upwards at point " + std::to_string(p));
            previous = x;
            // The first query's values stand at its even X values, the second's at the odd ones.
            const bool own = (static_cast<int64_t>(x) % 2 == 0) == (g == 1);
            if (group->data->Value(1, p).has_value() != own)
                Fail(road.name + ": group " + std::to_string(g) + " point " + std::to_string(p) +
                     (own ? " has no value" : " has another query's value"));
        }
    }
    if (!grid.Cell(1, points + 1) || grid.Cell(1, points + 2)) Fail(road.name + ": not a grid row per point");
}

// Stops the program unless the chart of many series drew a point per year
// with figures in every series, the values its rows gave, and a grid row per
// point under a heading per series.
void CheckMany(const Road& road, const MemoryGrid& grid, const MemoryChartControl& control) {
    const int32_t points = road.points;
    if (static_cast<int>(control.Groups().size()) != road.series)
        Fail(road.name + ": " + std::to_string(control.Groups().size()) + " chart groups instead of " +
             std::to_string(road.series));
    size_t values = 0;
    for (int32_t g = 1; g <= road.series; ++g) {
        const auto group = control.Groups()[static_cast<size_t>(g - 1)];
        if (group->data->Points(1) != points)
            Fail(road.name + ": series " + std::to_string(g) + " has " +
                 std::to_string(group->data->Points(1)) + " points instead of " + std::to_string(points));
        for (int32_t p = 1; p <= points; ++p)
            if (group->data->Value(1, p)) ++values;
        const std::string heading = "F" + std::to_string(g);
        if (grid.Text(g + 1, 1) != heading)
            Fail(road.name + ": column " + std::to_string(g + 1) + " is headed \"" + grid.Text(g + 1, 1) +
                 "\" instead of " + heading);
    }
    // The statements' values less their years.
    if (values != road.values - road.rows)
        Fail(road.name + ": " + std::to_string(values) + " values drawn instead of " +
             std::to_string(road.values - road.rows));
    if (!grid.Cell(1, points + 1) || grid.Cell(1, points + 2)) Fail(road.name + ": not a grid row per point");
}

// Draws the chart into new controls and stops the program unless it drew
// every series with every point, the grid holding every value.
void Check(const DataSet& d, const Road& road) {
    auto grid = std::make_shared<MemoryGrid>();
    auto control = std::make_shared<MemoryChartControl>();
    const bool ok = road.chart->Render(grid, control, d.codes);
    const std::string shown = CwndShowError::Instance().Text();
    if (!ok || !shown.empty()) Fail(road.name + ": the drawing failed: " + shown);
    if (road.series) return CheckMany(road, *grid, *control);
    if (road.plain) return CheckPlain(d, road, *grid, *control);
    const int series = static_cast<int>(d.operators.size());
    if (control->Groups().size() != 1) Fail(road.name + ": not one chart group");
    const auto group = control->Group(1);
    if (group->chartType != 4) Fail(road.name + ": not drawn as stacked bars");
    if (group->data->Series() != series)
        Fail(road.name + ": " + std::to_string(group->data->Series()) + " series instead of " +
             std::to_string(series));
    if (static_cast<int>(group->seriesLabels->items.size()) != series)
        Fail(road.name + ": " + std::to_string(group->seriesLabels->items.size()) + " legend entries");
    size_t cells = 0, blank = 0;
    for (int s = 1; s <= series; ++s) {
        if (group->data->Points(s) != road.points)
            Fail(road.name + ": series " + std::to_string(s) + " has " +
                 std::to_string(group->data->Points(s)) + " points instead of " +
                 std::to_string(road.points));
        for (int p = 1; p <= road.points; ++p) {
            const std::optional<double> value = group->data->Value(s, p);
            if (!value) Fail(road.name + ": no value at series " + std::to_string(s));
            // Across the result a series is a grid row, down it a grid column.
            const int col = road.name == "down" ? s + 1 : p + 1;
            const int row = road.name == "down" ? p + 1 : s + 1;
            if (grid->Cell(col, row)) {
                ++cells;
            } else if (road.name == "rule" && *value == 0) {
                ++blank;  // a year in which the operator's fields have no figures
            } else {
                Fail(road.name + ": no grid cell at series " + std::to_string(s) + ", point " +
                     std::to_string(p));
            }
        }
    }
    const size_t expected = static_cast<size_t>(series) * static_cast<size_t>(road.points);
    if (cells + blank != expected || cells == 0)
        Fail(road.name + ": " + std::to_string(cells) + " grid cells instead of " + std::to_string(expected));
    if (control->Area().x->valueLabels->labels.empty()) Fail(road.name + ": no year labels");
}

DataSet& Data() {
    static DataSet* data = [] {
        auto* d = new DataSet;
        d->folder = bench::GeneratedDataSet(d->dir.Path());
        d->database = d->folder + "Core/Database/Terralith.db";
        d->root = FakeRoot::Install(d->folder);
        // The unit categories the charts written below name come with them, from the sample's units
        // file, whatever units the data set was made with (one made without --units has none).
        auto units = New<Units>();
        std::ifstream file(TERRALITH_UNITS_FILE, std::ios::binary);
        units->LoadDefinitions(std::string(std::istreambuf_iterator<char>(file), {}));
        d->root->SetUnits(units);
        d->root->OpenDatabase();
        bench::RequireLinkedTables(d->root->Connection());
        MakeChooser(*d);

        // The years up to the data year, and the operators running the most fields with figures in them.
        d->years = std::max(1, bench::EnvNumber("TERRALITH_BENCH_YEARS", 30));
        d->firstYear = std::atoi(d->root->DataYear().c_str()) - d->years + 1;
        const int wanted = std::max(1, bench::EnvNumber("TERRALITH_BENCH_SERIES", 50));
        const int budget = std::max(wanted, bench::EnvNumber("TERRALITH_BENCH_CODES", 10000));
        const std::string years =
            std::to_string(d->firstYear) + " AND " + std::to_string(d->firstYear + d->years - 1);
        const std::string producing =
            "F.Operator_Code IS NOT NULL AND F.Operator_Name IS NOT NULL AND F.Field_Code IN (SELECT "
            "Field_Code FROM FieldAnnualTotal_Gross WHERE Prod_Year BETWEEN " +
            years + ")";
        d->raw = OpenRaw(*d);
        sqlite3* db = d->raw;
        std::set<std::string> names;
        for (const Coded& o :
             CodedRows(db, "SELECT F.Operator_Code, MAX(F.Operator_Name) FROM Field F WHERE " + producing +
                               " GROUP BY F.Operator_Code ORDER BY COUNT(*) DESC, "
                               "F.Operator_Code")) {
            // The grouping rule keys its rows by the name: one name, one operator.
            if (static_cast<int>(d->operators.size()) < wanted && names.insert(o.name).second)
                d->operators.push_back(o);
        }
        // A small data set has fewer: the stacked charts then have a series for each there is.
        if (d->operators.empty()) Fail("no operator has figures in the years");
        std::string chosen;
        for (const Coded& o : d->operators) AppendCode(chosen, o.code);
        // An equal share of the codes for each operator, its first fields by code.
        const std::vector<Coded> fields =
            CodedRows(db,
                      "SELECT Field_Code FROM (SELECT F.Field_Code, ROW_NUMBER() OVER (PARTITION BY "
                      "F.Operator_Code ORDER BY F.Field_Code) AS n FROM Field F WHERE " +
                          producing + " AND F.Operator_Code IN (" + chosen +
                          ")) WHERE n <= " + std::to_string(budget / wanted) + " ORDER BY Field_Code");
        for (const Coded& f : fields) AppendCode(d->codes, f.code);
        d->codeCount = fields.size();
        // The series of the charts of many: the host's fields with figures in the years.
        for (const Coded& f :
             CodedRows(db, "SELECT DISTINCT Field_Code FROM FieldAnnualTotal_Gross WHERE Field_Code IN (" +
                               d->codes + ") AND Prod_Year BETWEEN " + years + " ORDER BY Field_Code"))
            d->producing.push_back(f.code);
        if (d->producing.empty()) Fail("none of the host's fields has figures in the years");
        // Across the result a point is a year; down it and by the rule, a year with figures.
        d->across.points = d->years;
        d->down.points = d->rule.points =
            CodedRows(db, bench::ChartStatement("SELECT COUNT(DISTINCT G.Prod_Year)" + From(*d), d->codes))
                .at(0)
                .code;
        for (Road* many : {&d->many100, &d->many1000}) {
            std::string drawn;
            for (size_t f = 0; f < std::min(d->producing.size(), static_cast<size_t>(many->series)); ++f)
                AppendCode(drawn, d->producing[f]);
            many->points = CodedRows(db,
                                     "SELECT COUNT(DISTINCT Prod_Year) FROM FieldAnnualTotal_Gross WHERE "
                                     "Field_Code IN (" +
                                         drawn + ") AND Prod_Year BETWEEN " + years)
                               .at(0)
                               .code;
        }

        d->fields = static_cast<size_t>(CodedRows(db, "SELECT COUNT(*) FROM Field").at(0).code);
        WriteCharts(*d);
        d->engine = New<CChartEngine>();
        d->engine->Initialise(d->folder + "Charts/ChartManifest.xml", d->dir.Path() + "Charts");
        for (auto [road, file] :
             {std::pair{&d->across, "BenchAcross"}, std::pair{&d->down, "BenchDown"},
              std::pair{&d->rule, "BenchRule"}, std::pair{&d->inorder, "BenchInOrder"},
              std::pair{&d->opposite, "BenchOpposite"}, std::pair{&d->many100, "BenchMany100"},
              std::pair{&d->many1000, "BenchMany1000"}}) {
            road->chart = d->engine->LoadChart(file);
            if (!road->chart) Fail(std::string("cannot load ") + file);
            // The statements the drawing opens: the codes put in as ExecuteQuery puts them.
            Ref<cvCollection> queries = road->chart->Queries();
            for (int32_t q = 1; q <= queries->Count(); ++q)
                road->statements.push_back(bench::ChartStatement(
                    queries->Item(Variant(q)).ToObject<IChartQuery>()->SQL(), d->codes));
            // Stepped once first: the check of a chart of many series reads what the statements gave.
            Step(d->raw, *road);
            Check(*d, *road);
        }
        return d;
    }();
    return *data;
}

// The engine over the same statement, on a connection kept open for the
// whole run as the library keeps its own.
void BM_Raw(benchmark::State& state, Road* road) {
    DataSet& d = Data();
    for (auto _ : state) Step(d.raw, *road);
}

// The drawing into new controls (made before the timing; each repetition
// is one iteration), as a host draws a chart it shows afresh.
void BM_Render(benchmark::State& state, Road* road) {
    DataSet& d = Data();
    auto grid = std::make_shared<MemoryGrid>();
    auto control = std::make_shared<MemoryChartControl>();
    for (auto _ : state) {
        if (!road->chart->Render(grid, control, d.codes)) state.SkipWithError("the drawing failed");
    }
}

void Summary(const bench::MedianReporter& reporter, const DataSet& d, const Road& road) {
    if (road.series)
        std::printf("\n%s: %d series of at most %d points each; the statements gave %zu rows, %zu values\n",
                    road.name.c_str(), road.series, road.points, road.rows, road.values);
    else if (road.plain)
        std::printf("\n%s: two queries of %zu points each; the statements gave %zu rows, %zu values\n",
                    road.name.c_str(), d.fields, road.rows, road.values);
    else
        std::printf("\n%s: %zu series of %d points; the statement gave %zu rows, %zu values\n",
                    road.name.c_str(), d.operators.size(), road.points, road.rows, road.values);
    bench::PrintRatio(reporter, road.name, "render");
}

// One drawing against another.
void Against(const bench::MedianReporter& reporter, const std::string& title, const std::string& one,
             const std::string& other) {
    const auto a = reporter.At(one + "/render"), b = reporter.At(other + "/render");
    if (b.cpu <= 0 || b.wall <= 0) return;
    std::printf(
        "\n%s, drawn:\n  CPU  %.1f ms against %.1f ms: %.2fx\n  wall %.1f ms against %.1f ms: %.2fx\n",
        title.c_str(), a.cpu * 1e3, b.cpu * 1e3, a.cpu / b.cpu, a.wall * 1e3, b.wall * 1e3, a.wall / b.wall);
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = bench::Initialize(argc, argv);
    ui::SetMessageBoxHandler([](const std::string&, int32_t, const std::string&) { return ui::vbOK; });

    DataSet& data = Data();
    std::printf("%zu asset codes of %zu operators, years %d to %d\n", data.codeCount, data.operators.size(),
                data.firstYear, data.firstYear + data.years - 1);
    for (Road* road : data.Roads()) {
        for (const char* what : {"raw", "render"}) {
            auto fn = std::string(what) == "raw" ? BM_Raw : BM_Render;
            bench::Register(
                road->name + "/" + what, [fn, road](benchmark::State& s) { fn(s, road); }, repetitions);
        }
    }
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const Road* road : data.Roads()) Summary(reporter, data, *road);
    Against(reporter, "opposite order against in order", "opposite", "inorder");
    Against(reporter, "1,000 series against 100", "many1000", "many100");

    for (Road* road : data.Roads()) road->chart.Reset();
    data.engine.Reset();
    sqlite3_close(data.raw);
    data.root.Reset();
    ReleaseModuleData();
    benchmark::Shutdown();
    return 0;
}
