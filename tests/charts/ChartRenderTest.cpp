// Drawing a chart: bar and line queries placed by X value, the grid beside it,
// the header with a title from the data, the no-data road, limits, legend,
// styles and colours, column widths, and what the drawing refuses.
#include <tuple>

#include "RenderFixture.h"
#include "charts/ChartColours.h"
#include "platform/runtime/Text.h"
#include "platform/units/Units.h"

namespace {

class ChartRenderTest : public RenderFixture {};

const std::string kOil = RenderFixture::Rows(
    "SELECT 2001 AS YR, 1.5 AS OIL, 10 AS GAS UNION ALL SELECT 2002, NULL, 20 UNION ALL SELECT 2003, 4.25, "
    "30");

TEST_F(ChartRenderTest, BarsGiveAPointAndACellPerRecordAndANullLeavesAGap) {
    AddQuery(kOil, Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL", "Oil", "Number", "", 2)}));
    EXPECT_TRUE(Render());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");

    auto group = control->Group(1);
    EXPECT_EQ(group->chartType, 2);
    EXPECT_EQ(group->data->Series(), 1);
    EXPECT_EQ(group->data->Points(1), 3);
    EXPECT_FALSE(group->data->isBatched);
    ASSERT_EQ(group->pointLabels->items.size(), 3u);
    EXPECT_EQ(CStr(group->pointLabels->items[2]), "2003");
    EXPECT_EQ(Y(1, 1, 1), 1.5);
    EXPECT_EQ(Y(1, 1, 2), std::nullopt) << "a year without a figure is a gap";
    EXPECT_EQ(Y(1, 1, 3), 4.25);
    EXPECT_EQ(group->seriesLabels->items, std::vector<std::string>{"Oil"});
    EXPECT_EQ(control->Area().x->annotationMethod, 1);

    // Headings from the field name, or the legend label where there is one.
    EXPECT_EQ(grid->Text(1, 1), "YR");
    EXPECT_EQ(grid->Text(2, 1), "Oil");
    EXPECT_TRUE(CellAt(2, 1).bold);
    EXPECT_EQ(grid->Text(1, 2), "2,001") << "an integer column is a number cell without an axis type";
    EXPECT_EQ(CellAt(1, 2).cellType, 13);
    EXPECT_EQ(grid->Text(2, 2), "1.50");
    EXPECT_EQ(CellAt(2, 2).cellType, 13);
    EXPECT_EQ(grid->Text(2, 3), "");
    EXPECT_EQ(grid->Text(2, 4), "4.25");
    EXPECT_EQ(grid->MaxRows(), 10);
    EXPECT_EQ(grid->MaxCols(), 50);
    EXPECT_EQ(grid->RowsFrozen(), 1);
    EXPECT_EQ(grid->ColsFrozen(), 1);

    // A bar query takes its group's colour.
    auto slot = group->styles->Slot(1);
    ASSERT_TRUE(slot);
    EXPECT_EQ(slot->fill->pattern, 2);
    EXPECT_EQ(slot->fill->interior->foregroundColor, ChartSeriesColour(chart->SeriesColours(), 1));
    EXPECT_EQ(slot->fill->interior->backgroundColor, slot->fill->interior->foregroundColor);
    EXPECT_FALSE(control->HeaderPart().isShowing) << "no title label, no header";
    EXPECT_FALSE(control->LegendPart().isShowing);
}

TEST_F(ChartRenderTest, LinesOnTwoAxesWriteTheirColumnsAndFollowTheirStyles) {
    chart->SeriesColours()->Add(Variant(255), "Series_0");
    chart->SeriesColours()->Add(Variant(65280), "Series_1");
    auto oil = Series("LINE", {Axis("X", "YR"), Axis("Y", "OIL", "Oil")});
    auto gas = Series("LINE", {Axis("X", "YR"), Axis("Y2", "GAS", "Gas")});
    gas->SetDrawingOrder(2);
    Ref<IChartStyle> style = New<CChartStyle>();
    style->SetType("LINE");
    style->SetPattern("3");
    style->SetForegroundColour("16711680");
    style->SetWidth(4);
    style->SetShape("6");
    gas->SetChartStyles(gTools()->NewCollection());
    gas->ChartStyles()->Add(Variant(style), "ID_0");
    AddQuery(kOil, oil);
    AddQuery(kOil, gas);
    EXPECT_TRUE(Render());

    EXPECT_EQ(control->Group(1)->chartType, 1);
    EXPECT_EQ(Y(2, 1, 3), 30) << "the right-hand axis writes y of its own group";
    EXPECT_EQ(grid->Text(3, 1), "Gas");
    EXPECT_EQ(grid->Text(3, 4), "30");
    EXPECT_EQ(grid->Text(1, 1), "YR") << "a heading is written once";
    EXPECT_EQ(grid->Text(4, 1), "");
    EXPECT_TRUE(control->Area().y2->isShowing);

    auto line1 = control->Group(1)->styles->Slot(1);
    EXPECT_EQ(line1->line->color, 255);
    EXPECT_EQ(line1->line->width, 2);
    EXPECT_EQ(line1->symbol->shape, 5);
    EXPECT_EQ(line1->symbol->size, 7);
    EXPECT_EQ(line1->symbol->color, 255);
    auto line2 = control->Group(2)->styles->Slot(1);
    EXPECT_EQ(control->Group(2)->drawingOrder, 2);
    EXPECT_EQ(line2->line->pattern, 3);
    EXPECT_EQ(line2->line->color, 16711680) << "the definition's style overrides the query's colour";
    EXPECT_EQ(line2->line->width, 4);
    EXPECT_EQ(line2->symbol->shape, 6);
    EXPECT_EQ(line2->symbol->size, 6);
    EXPECT_EQ(line2->symbol->color, 65280) << "a style without a symbol colour keeps the query's";

    // Two queries on the right-hand axis: each heading stands over its own values.
    chart = New<CChart>();
    AddQuery(kOil, Series("LINE", {Axis("X", "YR"), Axis("Y2", "GAS", "Gas")}));
    AddQuery(kOil, Series("LINE", {Axis("X", "YR"), Axis("Y2", "OIL", "Oil")}));
    NewControls();
    EXPECT_TRUE(Render());
    EXPECT_EQ(grid->Text(2, 1), "Gas");
    EXPECT_EQ(grid->Text(2, 4), "30");
    EXPECT_EQ(grid->Text(3, 1), "Oil");
    EXPECT_EQ(grid->Text(3, 4), "4") << "a number cell without decimal places";
    EXPECT_EQ(Y(1, 1, 3), 30);
    EXPECT_EQ(Y(2, 1, 3), 4.25);

    // A later, shorter query does not cut off the rows an earlier one wrote; its years the
    // earlier one lacked are added after them, each with its own point and row.
    chart = New<CChart>();
    std::string fifteen = "SELECT 1 AS YR, 1 AS OIL";
    for (int i = 2; i <= 15; ++i)
        fifteen += " UNION ALL SELECT " + std::to_string(i) + ", " + std::to_string(i);
    AddQuery(Rows(fifteen), Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL")}));
    AddQuery(kOil, Series("LINE", {Axis("X", "YR"), Axis("Y2", "GAS")}));
    NewControls();
    EXPECT_TRUE(Render());
    EXPECT_EQ(grid->MaxRows(), 19);
    EXPECT_EQ(grid->Text(2, 16), "15");
    EXPECT_EQ(grid->Text(3, 4), "") << "year 3 has no gas";
    EXPECT_EQ(grid->Text(1, 19), "2,003");
    EXPECT_EQ(grid->Text(3, 19), "30");
    EXPECT_EQ(grid->Text(2, 19), "");
    EXPECT_EQ(control->Group(1)->data->Points(1), 18);
    EXPECT_EQ(Y(1, 1, 15), 15);
    EXPECT_EQ(Y(2, 1, 18), 30);
    EXPECT_EQ(Y(2, 1, 3), std::nullopt);
    ASSERT_EQ(control->Group(1)->pointLabels->items.size(), 18u);
    EXPECT_EQ(CStr(control->Group(1)->pointLabels->items[15]), "2001") << "every group labels every point";
    chart->Queries()->Remove(Variant(1));
    NewControls();
    EXPECT_TRUE(Render());
    EXPECT_EQ(grid->MaxRows(), 10) << "the next drawing sizes the grid afresh";

    // A new value goes between the query's own neighbours, in number order among the new
    // ones there; 2000.0 is 2000; a repeated value keeps a point per repeat.
    chart = New<CChart>();
    AddQuery(Rows("SELECT 2000 AS YR, 1 AS V UNION ALL SELECT 2010, 2"),
             Series("BAR", {Axis("X", "YR"), Axis("Y", "V", "A")}));
    AddQuery(Rows("SELECT 2000.0 AS YR, 10 AS V UNION ALL SELECT 2005, 20 UNION ALL SELECT 2010, 30"),
             Series("BAR", {Axis("X", "YR"), Axis("Y", "V", "B")}));
    AddQuery(Rows("SELECT 2003 AS YR, 100 AS V UNION ALL SELECT 2010, 200 UNION ALL SELECT 2010, 300"),
             Series("BAR", {Axis("Y", "V", "C"), Axis("X", "YR")}));
    NewControls();
    EXPECT_TRUE(Render());
    std::vector<std::string> labels;
    for (const Variant& v : control->Group(3)->pointLabels->items) labels.push_back(CStr(v));
    EXPECT_EQ(labels, (std::vector<std::string>{"2000", "2003", "2005", "2010", "2010"}));
    EXPECT_EQ((std::vector<std::optional<double>>{Y(1, 1, 1), Y(1, 1, 4), Y(2, 1, 1), Y(2, 1, 3), Y(2, 1, 4),
                                                  Y(3, 1, 2), Y(3, 1, 4), Y(3, 1, 5), Y(3, 1, 3)}),
              (std::vector<std::optional<double>>{1, 2, 10, 20, 30, 100, 200, 300, std::nullopt}));
    EXPECT_EQ(grid->Text(1, 1), "YR") << "the headings in the order the axes came";
    EXPECT_EQ(grid->Text(4, 1), "C");
    EXPECT_EQ(grid->Text(4, 3), "100");
    EXPECT_EQ(grid->Text(1, 6), "2,010");
    EXPECT_EQ(grid->Text(4, 6), "300");
    EXPECT_EQ(grid->Text(2, 6), "");

    // Two queries: the points their X values give, each value at its own point, and the grid.
    struct TwoQueries {
        const char* what;
        std::string x, first, second;
        std::vector<std::string> labels;
        std::vector<std::tuple<int32_t, int32_t, double>> values;           // group, point, y
        std::vector<std::tuple<int32_t, int32_t, std::string>> cells = {};  // grid column, row, text
        // The axes where they differ from X x and Y "V" headed "A" and "B".
        std::string secondX = "", firstY = "V", secondY = "V", firstLegend = "A", secondLegend = "B";
        std::string secondAxis = "Y";
        std::string firstXType = "", secondXType = "";  // the X axes' type names
        std::string firstXFormat = "", secondXFormat = "";
        int32_t secondXDecimals = 0;
        std::string firstAlsoX = "";  // a second series of the first query, its X axis on this column
        std::vector<std::string> firstAlsoLabels = {};  // that axis's labels, after the points' in group 1
    };
    // Years from `from` by `step` to `to` as rows of YR and V (V the year less 1900).
    auto years = [](int from, int to, int step) {
        std::string sql;
        for (int y = from; step > 0 ? y <= to : y >= to; y += step)
            sql += (sql.empty() ? "SELECT " + std::to_string(y) + " AS YR, "
                                : " UNION ALL SELECT " + std::to_string(y) + ", ") +
                   std::to_string(y - 1900) + (sql.empty() ? " AS V" : "");
        return sql;
    };
    std::vector<std::string> seventies;
    for (int y = 1970; y <= 1980; ++y) seventies.push_back(std::to_string(y));
    const TwoQueries cases[] = {
        {"years that run downwards take new ones in downwards",
         "YR",
         "SELECT 2003 AS YR, 3 AS V UNION ALL SELECT 2001, 1",
         "SELECT 2004 AS YR, 40 AS V UNION ALL SELECT 2002, 20 UNION ALL SELECT 2001, 10",
         {"2004", "2003", "2002", "2001"},
         {{2, 1, 40}, {2, 3, 20}, {1, 2, 3}}},
        {"a query in another order than the points still fits its new values in by value",
         "YR",
         "SELECT 1 AS YR, 1 AS V UNION ALL SELECT 2, 2 UNION ALL SELECT 3, 3 UNION ALL SELECT 6, 6",
         "SELECT 2 AS YR, 20 AS V UNION ALL SELECT 4, 40 UNION ALL SELECT 1, 10",
         {"1", "2", "3", "4", "6"},
         {{2, 4, 40}, {2, 1, 10}}},
        {"a first query of one year runs upwards",
         "YR",
         "SELECT 2000 AS YR, 1 AS V",
         "SELECT 2000 AS YR, 10 AS V UNION ALL SELECT 2010, 20",
         {"2000", "2010"},
         {{1, 1, 1}, {2, 1, 10}, {2, 2, 20}}},
        {"a repeat beyond a value's points stands right after them, before a new value there",
         "YR",
         "SELECT 2000 AS YR, 1 AS V UNION ALL SELECT 2010, 2 UNION ALL SELECT 2020, 3",
         "SELECT 2010 AS YR, 10 AS V UNION ALL SELECT 2010, 20 UNION ALL SELECT 2011, 30",
         {"2000", "2010", "2010", "2011", "2020"},
         {{1, 2, 2}, {1, 5, 3}, {2, 2, 10}, {2, 3, 20}, {2, 4, 30}}},
        {"every fifth year upwards, then every year downwards: the axis runs upwards",
         "YR",
         years(1970, 1980, 5),
         years(1980, 1970, -1),
         seventies,
         {{1, 6, 75}, {2, 1, 70}, {2, 5, 74}, {2, 11, 80}},
         {{1, 7, "1,975"}, {2, 7, "75"}, {3, 6, "74"}, {3, 2, "70"}, {2, 6, ""}}},
        {"every fifth year downwards, then every year upwards: the axis runs downwards",
         "YR",
         years(1980, 1970, -5),
         years(1970, 1980, 1),
         {seventies.rbegin(), seventies.rend()},
         {{1, 6, 75}, {2, 11, 70}, {2, 7, 74}}},
        {"Null before numbers before texts",
         "YR",
         "SELECT 2001 AS YR, 1 AS V UNION ALL SELECT 2002, 2",
         "SELECT 'Zulu' AS YR, 30 AS V UNION ALL SELECT 2000, 10 UNION ALL SELECT NULL, 20",
         {"", "2000", "2001", "2002", "Zulu"},
         {{2, 5, 30}, {2, 2, 10}, {2, 1, 20}, {1, 3, 1}}},
        {"a year written as text is the year; other writings of it are texts",
         "YR",
         "SELECT 1970 AS YR, 1 AS V UNION ALL SELECT 1971, 2",
         "SELECT '1970' AS YR, 10 AS V UNION ALL SELECT '01970', 20 UNION ALL SELECT '1971 ', 30 UNION "
         "ALL SELECT '1972', 40",
         {"1970", "1971", "1972", "01970", "1971 "},
         {{2, 1, 10}, {2, 3, 40}, {2, 4, 20}, {2, 5, 30}, {1, 2, 2}}},
        {"a date and its serial number are one X value",
         "D",
         "SELECT '2001-01-01' AS D, 1 AS V UNION ALL SELECT '2001-01-03', 3 UNION ALL SELECT SPUD_DATE, 0 "
         "FROM Well WHERE 0",
         "SELECT 36892 AS D, 10 AS V UNION ALL SELECT 36893, 20",
         {"2001-01-01", "36893", "2001-01-03"},
         {{2, 1, 10}, {2, 2, 20}, {1, 3, 3}}},
        {"a date written as the database writes it is the date; other writings of it are texts",
         "D",
         "SELECT '2001-01-01' AS D, 1 AS V UNION ALL SELECT '2001-01-03 12:30:00', 3 UNION ALL SELECT "
         "SPUD_DATE, 0 FROM Well WHERE 0",
         "SELECT '2001-01-03 12:30:00' AS D, 30 AS V UNION ALL SELECT '2001-01-01', 10 UNION ALL SELECT "
         "'2001-01-02 00:00:00', 20 UNION ALL SELECT '2001-1-1', 40 UNION ALL SELECT '2001-01-01 ', 50",
         {"2001-01-01", "2001-01-02 00:00:00", "2001-01-03 12:30:00", "2001-1-1", "2001-01-01 "},
         {{1, 3, 3}, {2, 1, 10}, {2, 2, 20}, {2, 3, 30}, {2, 4, 40}, {2, 5, 50}}},
        {"texts are one X value whatever their letter case; a new one with none after it ends the axis",
         "R",
         "SELECT 'North' AS R, 1 AS V UNION ALL SELECT 'south', 2",
         "SELECT 'NORTH' AS R, 10 AS V UNION ALL SELECT 'East', 20",
         {"North", "south", "East"},
         {{2, 1, 10}, {2, 3, 20}, {1, 2, 2}}},
        {"a new category stands before the one that follows it in its query, in the query's order",
         "R",
         "SELECT 'Alpha' AS R, 1 AS V UNION ALL SELECT 'Gamma', 3",
         "SELECT 'Alpha' AS R, 10 AS V UNION ALL SELECT 'Zulu', 20 UNION ALL SELECT 'Yak', 30 UNION ALL "
         "SELECT 'gamma', 40",
         {"Alpha", "Zulu", "Yak", "Gamma"},
         {{2, 2, 20}, {2, 3, 30}, {2, 4, 40}, {1, 4, 3}}},
        {"a repeated category stands right after its point, before a new one there",
         "R",
         "SELECT 'North' AS R, 1 AS V UNION ALL SELECT 'South', 2",
         "SELECT 'East' AS R, 10 AS V UNION ALL SELECT 'South', 20 UNION ALL SELECT 'North', 30 UNION ALL "
         "SELECT 'North', 40",
         {"North", "North", "East", "South"},
         {{1, 4, 2}, {2, 1, 30}, {2, 2, 40}, {2, 3, 10}, {2, 4, 20}}},
        {"value axes of two queries with one heading get a column each",
         "YR",
         "SELECT 2001 AS YR, 5 AS VAL",
         "SELECT 2001 AS YR, 50 AS VAL",
         {"2001"},
         {{1, 1, 5}, {2, 1, 50}},
         {{1, 1, "YR"}, {2, 1, "VAL"}, {3, 1, "VAL"}, {2, 2, "5"}, {3, 2, "50"}, {4, 1, ""}},
         "",
         "VAL",
         "VAL",
         "",
         "",
         "Y2"},
        {"an X axis headed as another query's values in other letters gets its own column",
         "D",
         "SELECT 2001 AS D, 7 AS YR",
         "SELECT 2001 AS yr, 10 AS V",
         {"2001"},
         {{1, 1, 7}, {2, 1, 10}},
         {{1, 1, "D"},
          {2, 1, "YR"},
          {3, 1, "yr"},
          {4, 1, "B"},
          {1, 2, "2,001"},
          {2, 2, "7"},
          {3, 2, "2,001"},
          {4, 2, "10"}},
         "yr",
         "YR",
         "V",
         ""},
        {"X axes headed alike in other letters share one column",
         "YR",
         "SELECT 2001 AS YR, 5 AS V",
         "SELECT 2001 AS yr, 50 AS V",
         {"2001"},
         {{1, 1, 5}, {2, 1, 50}},
         {{1, 1, "YR"}, {2, 1, "A"}, {3, 1, "B"}, {4, 1, ""}, {2, 2, "5"}, {3, 2, "50"}},
         "yr"},
        {"the X column is written by the first query that has it",
         "YR",
         "SELECT 2001 AS YR, 5 AS V",
         "SELECT '2001' AS YR, 50 AS V",
         {"2001"},
         {{1, 1, 5}, {2, 1, 50}},
         {{1, 2, "2,001"}, {3, 2, "50"}}},
        {"a value axis headed as the X axis in other letters gets its own column",
         "YR",
         "SELECT 2001 AS YR, 7 AS V",
         "SELECT 2001 AS YR, 10 AS V",
         {"2001"},
         {{1, 1, 7}, {2, 1, 10}},
         {{1, 1, "YR"}, {2, 1, "A"}, {3, 1, "yr"}, {1, 2, "2,001"}, {2, 2, "7"}, {3, 2, "10"}},
         "",
         "V",
         "V",
         "A",
         "yr"},
        {.what =
             "a text a later query adds beside a date shows as it is written, not as the date it parses to",
         .x = "D",
         .first = "SELECT '1999-02-02' AS D, 1 AS V",
         .second = "SELECT '1999-02-02 ' AS D, 2 AS V",
         .labels = {"1999-02-02", "1999-02-02 "},
         .values = {{1, 1, 1}, {2, 2, 2}},
         .cells = {{1, 2, "1999-02-02"}, {1, 3, "1999-02-02 "}},
         .firstXType = "Date",
         .secondXType = "Text"},
        {.what = "a date with its time that a later query's text column adds keeps its time beside the day",
         .x = "D",
         .first = "SELECT '1967-06-21' AS D, 1 AS V",
         .second = "SELECT '1967-06-21 12:30:00' AS D, 2 AS V",
         .labels = {"1967-06-21", "1967-06-21 12:30:00"},
         .values = {{1, 1, 1}, {2, 2, 2}},
         .cells = {{1, 2, "1967-06-21"}, {1, 3, "1967-06-21 12:30:00"}},
         .firstXType = "Date"},
        {.what = "a year a later query writes as text shows as written beside the number",
         .x = "YR",
         .first = "SELECT 1999 AS YR, 1 AS V",
         .second = "SELECT '01999' AS YR, 2 AS V",
         .labels = {"1999", "01999"},
         .values = {{1, 1, 1}, {2, 2, 2}},
         .cells = {{1, 2, "1,999"}, {1, 3, "01999"}},
         .firstXType = "Number",
         .secondXType = "Text"},
        {.what = "half years a later query adds between the years keep their own decimal places",
         .x = "YR",
         .first = "SELECT 1990 AS YR, 1 AS V UNION ALL SELECT 1992, 2",
         .second = "SELECT 1991.5 AS YR, 3 AS V UNION ALL SELECT 1992.5, 4",
         .labels = {"1990", "1991.5", "1992", "1992.5"},
         .values = {{2, 2, 3}, {2, 4, 4}},
         .cells = {{1, 2, "1,990"}, {1, 3, "1,991.5"}, {1, 4, "1,992"}, {1, 5, "1,992.5"}},
         .secondXDecimals = 1},
        {.what = "days a later query adds, texts as they are, keep their own date pattern",
         .x = "D",
         .first = "SELECT '1999-01-01' AS D, 1 AS V UNION ALL SELECT '2000-01-01', 2",
         .second = "SELECT '1999-06-15' AS D, 3 AS V",
         .labels = {"1999-01-01", "1999-06-15", "2000-01-01"},
         .values = {{2, 2, 3}},
         .cells = {{1, 2, "1999"}, {1, 3, "15/06/1999"}, {1, 4, "2000"}},
         .firstXFormat = "yyyy",
         .secondXFormat = "dd/mm/yyyy"},
        {.what = "a query's X axis on another column writes that column's values, once, and labels its "
                 "records after the points' labels",
         .x = "YR",
         .first = "SELECT 1990 AS YR, 19900 AS YR10, 1 AS V UNION ALL SELECT 1992, 19920, 2",
         .second = "SELECT 1991 AS YR, 3 AS V",
         .labels = {"1990", "1991", "1992"},
         .values = {{1, 3, 2}, {2, 2, 3}},
         .cells = {{3, 1, "YR10"}, {3, 2, "19,900"}, {3, 3, ""}, {3, 4, "19,920"}, {4, 1, "B"}},
         .firstAlsoX = "YR10",
         .firstAlsoLabels = {"19900", "19920"}},
        {.what = "X axes on one field share its column across queries, each cell its record's own value",
         .x = "YR",
         .first = "SELECT 1990 AS YR, 19900 AS YR10, 1 AS V UNION ALL SELECT 1992, 19920, 2",
         .second = "SELECT 19910 AS YR10, 3 AS V",
         .labels = {"1990", "1992", "19910"},
         .values = {{1, 2, 2}, {2, 3, 3}},
         .cells = {{3, 1, "YR10"},
                   {4, 1, "B"},
                   {5, 1, ""},
                   {3, 2, "19,900"},
                   {3, 3, "19,920"},
                   {3, 4, "19,910"},
                   {1, 4, ""},
                   {4, 4, "3"}},
         .secondX = "YR10",
         .firstAlsoX = "YR10",
         .firstAlsoLabels = {"19900", "19920"}},
        {.what = "two series of one query on one X column share it; no later column moves",
         .x = "YR",
         .first = "SELECT 2001 AS YR, 5 AS V",
         .second = "SELECT 2001 AS YR, 50 AS V",
         .labels = {"2001"},
         .values = {{1, 1, 5}, {2, 1, 50}},
         .cells = {{1, 1, "YR"}, {2, 1, "A"}, {3, 1, "B"}, {4, 1, ""}, {1, 2, "2,001"}, {3, 2, "50"}},
         .firstAlsoX = "YR",
         .firstAlsoLabels = {"2001"}},
    };
    for (const TwoQueries& c : cases) {
        chart = New<CChart>();
        Ref<IChartQuery> first =
            AddQuery(Rows(c.first), Series("BAR", {Axis("X", c.x, "", c.firstXType, c.firstXFormat),
                                                   Axis("Y", c.firstY, c.firstLegend)}));
        if (!c.firstAlsoX.empty())
            first->Series()->Add(Variant(Series("LINE", {Axis("X", c.firstAlsoX)})), "Series_1");
        AddQuery(Rows(c.second), Series("BAR", {Axis("X", c.secondX.empty() ? c.x : c.secondX, "",
                                                     c.secondXType, c.secondXFormat, c.secondXDecimals),
                                                Axis(c.secondAxis, c.secondY, c.secondLegend)}));
        NewControls();
        EXPECT_TRUE(Render()) << c.what;
        EXPECT_EQ(Dialog(), "") << c.what;
        for (int32_t g = 1; g <= 2; ++g) {
            labels.clear();
            for (const Variant& v : control->Group(g)->pointLabels->items)
                labels.push_back(v.IsNull() ? "" : CStr(v));
            std::vector<std::string> expected = c.labels;
            if (g == 1) expected.insert(expected.end(), c.firstAlsoLabels.begin(), c.firstAlsoLabels.end());
            EXPECT_EQ(labels, expected) << c.what << ", group " << g;
        }
        for (const auto& [group, point, y] : c.values)
            EXPECT_EQ(Y(group, 1, point), y) << c.what << ", " << group << " " << point;
        for (const auto& [col, row, text] : c.cells)
            EXPECT_EQ(grid->Text(col, row), text) << c.what << ", column " << col << " row " << row;
        // One grid row per point.
        EXPECT_EQ(grid->Text(1, static_cast<int32_t>(c.labels.size()) + 2), "") << c.what;
    }

    // A query without X values takes the points record by record, and new points after them.
    chart = New<CChart>();
    AddQuery(kOil, Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL")}));
    AddQuery(Rows(years(2001, 2004, 1)), Series("LINE", {Axis("Y2", "V")}));
    NewControls();
    EXPECT_TRUE(Render());
    EXPECT_EQ(control->Group(1)->pointLabels->items.size(), 4u);
    EXPECT_EQ(grid->Text(1, 5) + "|" + grid->Text(3, 5), "|104") << "a point without a caption";

    // An X value a later query adds to a column is in the unit of the column's first axis.
    chart = New<CChart>();
    Ref<IChartAxis> rate = Axis("X", "R", "", "Text");
    rate->SetCategory("Liquids_Production");
    rate->SetDefaultUnit("bbl/d");
    AddQuery(Rows("SELECT 0.25 AS R, 1 AS V"), Series("BAR", {rate, Axis("Y", "V")}));
    AddQuery(Rows("SELECT 0.5 AS R, 2 AS V"), Series("BAR", {Axis("X", "R", "", "Text"), Axis("Y2", "V")}));
    NewControls();
    EXPECT_TRUE(Render());
    EXPECT_EQ(grid->Text(1, 2) + "|" + grid->Text(1, 3), "250|500");
}

TEST_F(ChartRenderTest, MoreQueriesThanColoursTakeTheColoursAgainAndNoColoursAPalette) {
    chart->SeriesColours()->Add(Variant(111), "Series_0");
    chart->SeriesColours()->Add(Variant(222), "Series_1");
    for (int i = 0; i < 3; ++i) AddQuery(kOil, Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL")}));
    EXPECT_TRUE(Render());
    EXPECT_EQ(control->Group(2)->styles->Slot(1)->fill->interior->foregroundColor, 222);
    EXPECT_EQ(control->Group(3)->styles->Slot(1)->fill->interior->foregroundColor, 111);
    EXPECT_EQ(Dialog(), "");

    chart->SetSeriesColours(gTools()->NewCollection());
    NewControls();
    EXPECT_TRUE(Render());
    EXPECT_NE(control->Group(3)->styles->Slot(1)->fill->interior->foregroundColor, host::kUnset);
}

TEST_F(ChartRenderTest, TheTitleComesFromTheDataOfEachDrawingInItsUnit) {
    Ref<IChartLabel> title = Label("Production of CHARTTITLE");
    title->SetCategory("Liquids_Production");
    title->SetDefaultUnit("bbl/d");
    title->SetSheetLabel("Total");
    title->SetType("Number");
    title->SetFontSize(12);
    chart->SetTitle(title);
    // 0.0125 and 0.0135 Mbbl/d are 12.5 and 13.5 bbl/d: halves go to the even neighbour.
    AddQuery(
        "SELECT 2001 AS YR, 7 AS OIL, CASE WHEN 1 IN (ASSET_CODE) THEN 0.0125 ELSE 0.0135 END AS CHARTTITLE",
        Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL", "Oil")}));
    EXPECT_TRUE(Render("1"));
    EXPECT_EQ(control->HeaderPart().text, "Production of 12  (bbl/d)");
    EXPECT_TRUE(control->HeaderPart().isShowing);
    EXPECT_TRUE(control->HeaderPart().font->bold) << "the header is always bold";
    EXPECT_EQ(control->HeaderPart().font->size, 12);
    // Two rows above the headings: the sheet label with the unit, and the value.
    EXPECT_EQ(grid->Text(1, 1), "Total  (bbl/d)");
    EXPECT_EQ(grid->Text(2, 1), "12");
    EXPECT_EQ(grid->Text(1, 3), "YR");
    EXPECT_EQ(grid->Text(2, 4), "7");

    NewControls();
    EXPECT_TRUE(Render("2"));
    EXPECT_EQ(control->HeaderPart().text, "Production of 14  (bbl/d)")
        << "each drawing takes its own data's title";

    // Without data the header says so for this drawing only; the definition keeps its text.
    chart->Queries()
        ->Item(Variant(1))
        .ToObject<IChartQuery>()
        ->SetSQL(Rows("SELECT 2001 AS YR, 7 AS OIL, 0.0125 AS CHARTTITLE"));
    NewControls();
    EXPECT_TRUE(Render("3"));
    EXPECT_EQ(control->HeaderPart().text, "No Data Available.  (bbl/d)");
    EXPECT_EQ(title->Text(), "Production of CHARTTITLE");
    NewControls();
    EXPECT_TRUE(Render("1"));
    EXPECT_EQ(control->HeaderPart().text, "Production of 12  (bbl/d)");

    // A title without a unit and without a value from the data ends in a blank.
    title->SetCategory("");
    chart->Queries()->Item(Variant(1)).ToObject<IChartQuery>()->SetSQL(Rows("SELECT 2001 AS YR, 7 AS OIL"));
    NewControls();
    EXPECT_TRUE(Render("1"));
    EXPECT_EQ(control->HeaderPart().text, "Production of CHARTTITLE ");
    EXPECT_EQ(grid->Text(1, 1), "YR") << "no title value, no rows above the headings";
}

TEST_F(ChartRenderTest, AQueryWithoutRecordsSaysSoAndTheOthersStillDraw) {
    AddQuery(Rows("SELECT 2001 AS YR, 1 AS OIL") + " AND 0",
             Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL")}));
    // No title element: the message goes to the grid alone.
    EXPECT_TRUE(Render());
    EXPECT_EQ(Dialog(), "");
    EXPECT_EQ(grid->Text(1, 1), "No Data Available.");
    EXPECT_TRUE(CellAt(1, 1).bold);
    EXPECT_EQ(CellAt(1, 1).fontSize, 9);
    EXPECT_FALSE(control->HeaderPart().isShowing);

    chart->SetTitle(Label("Oil"));
    AddQuery(kOil, Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL")}));
    NewControls();
    EXPECT_TRUE(Render());
    EXPECT_EQ(control->HeaderPart().text, "No Data Available. ");
    EXPECT_EQ(Y(2, 1, 3), 4.25);
    EXPECT_EQ(grid->Text(1, 1), "YR") << "the headings of the query with data";
}

TEST_F(ChartRenderTest, LimitsEmptyTheLegendOrFailTheResultButTheChartIsDrawn) {
    AddQuery(kOil, Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL", "Oil")}));
    chart->SetLegendLimit(3);  // three records: within the limit
    chart->SetSeriesLimit(3);  // three fields: within the limit
    EXPECT_TRUE(Render());
    EXPECT_EQ(control->Group(1)->seriesLabels->items, std::vector<std::string>{"Oil"});

    // No legend element at all: the too-large entry still shows, in the control's own font.
    chart->SetLegendLimit(2);
    chart->SetSeriesLimit(2);
    NewControls();
    EXPECT_FALSE(Render());
    EXPECT_EQ(Dialog(), "");
    EXPECT_EQ(control->Group(1)->seriesLabels->items, std::vector<std::string>{kTooLarge});
    EXPECT_TRUE(control->LegendPart().isShowing);
    EXPECT_EQ(control->LegendPart().anchor, 16);
    EXPECT_EQ(control->LegendPart().border->type, 4);
    EXPECT_EQ(Y(1, 1, 3), 4.25) << "the data is drawn all the same";

    // A legend element without a title label: the same.
    Ref<IChartLegend> legend = New<CChartLegend>();
    chart->SetLegend(legend);
    NewControls();
    EXPECT_FALSE(Render());
    EXPECT_EQ(Dialog(), "");
    EXPECT_EQ(control->Group(1)->seriesLabels->items, std::vector<std::string>{kTooLarge});

    // Within the limits a visible legend takes its title's font and its codes.
    chart->SetLegendLimit(0);
    chart->SetSeriesLimit(0);
    Ref<IChartLabel> legendTitle = Label("Series");
    legendTitle->SetBold(true);
    legendTitle->SetFontSize(10);
    legend->SetTitle(legendTitle);
    legend->SetVisible(true);
    legend->SetAnchor("SouthWest");
    legend->SetOrientation("Horizontal");
    NewControls();
    EXPECT_TRUE(Render());
    EXPECT_EQ(control->LegendPart().text, "Series");
    EXPECT_EQ(control->LegendPart().anchor, 34);
    EXPECT_EQ(control->LegendPart().orientation, 2);
    EXPECT_TRUE(control->LegendPart().font->bold);
    EXPECT_EQ(control->LegendPart().font->size, 10);
    legend->SetAnchor("Middle");
    legend->SetOrientation("Diagonal");
    NewControls();
    EXPECT_TRUE(Render());
    EXPECT_EQ(control->LegendPart().anchor, 17);
    EXPECT_EQ(control->LegendPart().orientation, 1);
    legend->SetVisible(false);
    NewControls();
    control->Legend()->SetIsShowing(true);
    EXPECT_TRUE(Render());
    EXPECT_FALSE(control->LegendPart().isShowing);
}

TEST_F(ChartRenderTest, AnUnknownRenderModeDrawsNothingButTakesItsOrderAndStyles) {
    auto series = Series("bar", {Axis("X", "YR"), Axis("Y", "OIL")});
    series->SetDrawingOrder(3);
    Ref<IChartStyle> style = New<CChartStyle>();
    style->SetType("BAR");
    style->SetForegroundColour("255");
    style->SetClusterWidth(65);
    series->SetChartStyles(gTools()->NewCollection());
    series->ChartStyles()->Add(Variant(style), "ID_0");
    AddQuery(kOil, series);
    EXPECT_TRUE(Render());
    EXPECT_TRUE(control->Group(1)->pointLabels->items.empty());
    EXPECT_EQ(control->Group(1)->drawingOrder, 3);
    EXPECT_EQ(control->Group(1)->styles->Slot(1)->fill->interior->foregroundColor, 255);
    EXPECT_EQ(control->Area().bar->clusterWidth, 65);
}

TEST_F(ChartRenderTest, EveryColumnTakesTheWidestTextsWidthAndTheChartItsOrientation) {
    AddQuery(kOil, Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL")}));
    chart->SetIsHorizontal(true);
    grid->SetMeasuredWidth(2, 57.5);
    grid->SetMeasuredWidth(7, 12);
    EXPECT_TRUE(Render());
    EXPECT_EQ(grid->ColWidth(1), 58);
    EXPECT_EQ(grid->ColWidth(50), 58);
    EXPECT_TRUE(control->Area().isHorizontal);
}

TEST_F(ChartRenderTest, AssetCodesMustBeNumbersAndStandForEveryPlaceholder) {
    AddQuery(
        "SELECT 'ASSET_CODE' AS T, 'asset_code' AS U, 5 AS V WHERE 1 IN (ASSET_CODE) AND 2 IN (ASSET_CODE)",
        Series("BAR", {Axis("X", "U"), Axis("Y", "V")}));
    EXPECT_TRUE(Render("1, 2"));
    ASSERT_EQ(control->Group(1)->pointLabels->items.size(), 1u);
    EXPECT_EQ(CStr(control->Group(1)->pointLabels->items[0]), "asset_code");

    NewControls();
    EXPECT_FALSE(Render("1) OR (1=1"));
    ASSERT_EQ(messages.size(), 1u) << "the host's codes are refused as the user's input";
    EXPECT_TRUE(Contains(messages[0].text, "1) OR (1=1")) << messages[0].text;
    EXPECT_TRUE(control->Groups().empty());
    EXPECT_FALSE(control->HeaderPart().isShowing);
}

TEST_F(ChartRenderTest, AFailingStatementEndsTheDrawingAndAFailingStepIsShown) {
    chart->SetTitle(Label("Oil"));
    AddQuery(kOil, Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL")}));
    AddQuery("SELECT NoSuchColumn FROM Field WHERE Field_Code IN (ASSET_CODE)",
             Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL")}));
    AddQuery(kOil, Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL")}));
    EXPECT_FALSE(Render());
    EXPECT_TRUE(Contains(Dialog(), "Method: CChart.ExecuteQuery")) << Dialog();
    EXPECT_TRUE(Contains(Dialog(), "Query 2: no such column: NoSuchColumn")) << Dialog();
    EXPECT_EQ(control->Groups().size(), 1u) << "the query before it is drawn; those after it are not run";
    EXPECT_EQ(Y(1, 1, 3), 4.25);
    EXPECT_EQ(Cast<CChart>(chart)->FailedQuery(), 2);
    EXPECT_FALSE(control->HeaderPart().isShowing);

    // A statement the engine finds too complex is no fault to show, but the drawing ends there
    // all the same: the queries before it are drawn, placed by X among themselves (the third
    // query's earlier year is no point), and the chart knows which query it could not open.
    std::string tooComplex = "SELECT 1999 AS YR, 1 AS OIL";
    for (int i = 0; i < 600; ++i) tooComplex += " UNION ALL SELECT 1999, 1";
    Ref<IChart> drawn = chart;
    chart = New<CChart>();
    chart->SetTitle(Label("Oil"));
    AddQuery(kOil, Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL")}));
    AddQuery(Rows(tooComplex), Series("BAR", {Axis("X", "YR"), Axis("Y", "OIL")}));
    AddQuery(Rows("SELECT 1999 AS YR, 9 AS OIL"), Series("BAR", {Axis("X", "YR"), Axis("Y2", "OIL")}));
    NewControls();
    ResetErrorFramework();
    EXPECT_FALSE(Render());
    EXPECT_EQ(Dialog(), "");
    ASSERT_EQ(control->Groups().size(), 1u);
    EXPECT_EQ(control->Group(1)->data->Points(1), 3);
    EXPECT_EQ(Y(1, 1, 1), 1.5);
    EXPECT_EQ(grid->Text(1, 2), "2,001");
    EXPECT_EQ(grid->Text(2, 4), "4");
    EXPECT_EQ(grid->Text(1, 1), "") << "no headings, header or legend after a query that was not opened";
    EXPECT_FALSE(control->HeaderPart().isShowing);
    EXPECT_EQ(Cast<CChart>(chart)->FailedQuery(), 2);
    EXPECT_TRUE(Contains(Cast<CChart>(chart)->FailedQueryReason(), "too many terms"))
        << Cast<CChart>(chart)->FailedQueryReason();
    chart->Queries()->Remove(Variant(2));
    NewControls();
    EXPECT_TRUE(Render());
    EXPECT_EQ(Cast<CChart>(chart)->FailedQuery(), 0);
    EXPECT_EQ(control->Group(1)->data->Points(1), 4);
    chart = drawn;

    // A chart read from a definition is named by it.
    WriteChart("FieldProduction",
               ChartFile("<Queries><Query><Name>Oil</Name><SQL>" + kOil +
                         "</SQL></Query><Query><Name>Gas</Name><SQL>SELECT * FROM nowhere WHERE 1 IN "
                         "(ASSET_CODE)</SQL></Query></Queries>"));
    Ref<IChart> loaded = InitialisedEngine()->LoadChart("FieldProduction");
    NewControls();
    EXPECT_FALSE(loaded->Render(grid, control, "1"));
    EXPECT_TRUE(Contains(Dialog(), "FieldProduction, query 2: no such table: nowhere")) << Dialog();

    // A column the record set lacks fails the drawing, which shows where.
    chart->Queries()->Remove(Variant(3));
    chart->Queries()->Remove(Variant(2));
    AddQuery(kOil, Series("BAR", {Axis("X", "YR"), Axis("Y", "WATER")}));
    NewControls();
    EXPECT_FALSE(Render());
    EXPECT_TRUE(Contains(Dialog(), "Call Stack: CChart.IChart_Render()")) << Dialog();
    EXPECT_TRUE(Contains(Dialog(), "Call Stack: CChart.PopulateAxisData(")) << Dialog();
}

TEST_F(ChartRenderTest, TextCellsShowTheirPatternAndTypedCellsTheirValue) {
    auto x = Axis("X", "YR", "", "Text");
    auto y = Axis("Y", "V", "", "number", "0.0");
    auto y2 = Axis("Y2", "V", "Pi", "Number", "0.0", 3);
    AddQuery(Rows("SELECT 2001 AS YR, 3.14159 AS V"), Series("BAR", {x, y, y2}));
    EXPECT_TRUE(Render());
    EXPECT_EQ(CellAt(1, 2).cellType, 5);
    EXPECT_EQ(grid->Text(2, 2), "3.1") << "a type name in the wrong case gives a text cell";
    EXPECT_EQ(CellAt(2, 2).cellType, 5);
    EXPECT_EQ(grid->Text(3, 2), "3.142") << "a number cell ignores the pattern";
    EXPECT_EQ(grid->Text(2, 1), "V");
    EXPECT_EQ(grid->Text(3, 1), "Pi") << "a legend label heads the column of its values";
}

}  // namespace
