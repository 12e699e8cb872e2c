// Stacked charts: read across a result (a series per record), down it (a
// series per column), and summed by the chart's grouping rule.
#include "RenderFixture.h"
#include "charts/ChartColours.h"
#include "platform/runtime/Text.h"

namespace {

class ChartStackedRenderTest : public RenderFixture {
protected:
    // The X axis's value labels, by position.
    std::map<double, std::string> XLabels() const { return control->Area().x->valueLabels->labels; }

    // A chart with a grouping rule over the columns YR (points), OP (rows) and V.
    void RuleChart(const std::string& rows, const std::string& stacking = "OP",
                   const std::string& values = "V") {
        chart->SetTerralithRule(true);
        chart->SetTerralithRuleSeries("YR");
        chart->SetTerralithRuleStackingCategory(stacking);
        chart->SetTerralithRuleValue(values);
        chart->SetTerralithRuleSortData(true);
        AddQuery(Rows(rows), Series("STACKED", {Axis("X", "YR"), Axis("Y", "V", "", "Number")}));
    }
};

// Fields across: a title column at the end, a Null and an empty value.
const std::string kAcross = RenderFixture::Rows(
    "SELECT 'Alpha' AS FIELD_NAME, 1.5 AS OIL_NOW, 2 AS GAS, 'Norway' AS CHARTTITLE "
    "UNION ALL SELECT 'Beta', NULL, 4, 'Sweden' UNION ALL SELECT 'Gamma', 3, '', NULL");

TEST_F(ChartStackedRenderTest, AcrossTheResultEachRecordIsASeriesAndEachColumnAPoint) {
    chart->SetTitle(Label("Reserves, CHARTTITLE"));
    chart->SeriesColours()->Add(Variant(10), "Series_0");
    chart->SeriesColours()->Add(Variant(20), "Series_1");
    auto x = Axis("X", "", "", "Text");
    x->SetAnnotationSpacing(2);
    x->SetAnnotationRotationAngle(30);
    auto y = Axis("Y", "", "", "Number", "", 1);
    AddQuery(kAcross, Series("STACKED", {x, y}, false, "FIELD_NAME"));
    EXPECT_TRUE(Render());
    EXPECT_EQ(Dialog(), "");

    auto group = control->Group(1);
    EXPECT_EQ(group->chartType, 4);
    EXPECT_EQ(group->data->Series(), 3);
    EXPECT_EQ(group->data->Points(1), 2) << "the title column's empty point is not drawn";
    EXPECT_EQ(group->data->Points(2), 2) << "by any series";
    EXPECT_EQ(Y(1, 1, 1), 1.5);
    EXPECT_EQ(Y(1, 2, 1), std::nullopt);
    EXPECT_EQ(Y(1, 2, 2), 4);
    EXPECT_EQ(Y(1, 3, 2), std::nullopt) << "empty text is no value";
    EXPECT_EQ((group->seriesLabels->items), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(group->seriesFields->items.size(), 3u);
    EXPECT_EQ(XLabels(), (std::map<double, std::string>{{2, "GAS"}})) << "every second column labelled";
    EXPECT_EQ(control->Area().x->annotationMethod, 2);
    EXPECT_EQ(control->Area().x->annotationRotationAngle, 30);
    EXPECT_EQ(control->HeaderPart().text, "Reserves, Norway ");

    // The grid, two rows down for the title value.
    EXPECT_EQ(grid->Text(1, 3), "FIELD NAME");
    EXPECT_EQ(grid->Text(2, 3), "OIL NOW");
    EXPECT_EQ(grid->Text(4, 3), "") << "no heading for the title column";
    EXPECT_EQ(grid->Text(1, 5), "Beta");
    EXPECT_EQ(grid->Text(2, 5), "0.0") << "a missing value shows 0";
    EXPECT_EQ(grid->Text(3, 6), "0.0");
    EXPECT_EQ(grid->Text(2, 4), "1.5");
    EXPECT_EQ(grid->Text(4, 4), "");

    // Stacked rows take the colours in turn.
    EXPECT_EQ(group->styles->Slot(1)->fill->interior->foregroundColor, 10);
    EXPECT_EQ(group->styles->Slot(2)->fill->interior->foregroundColor, 20);
    EXPECT_EQ(group->styles->Slot(3)->fill->interior->foregroundColor, 10);

    // A title column in the middle takes no point, so the spacing counts the points after it
    // as points: every second point is labelled, not every second column.
    chart = New<CChart>();
    auto spaced = Axis("X", "", "", "Text");
    spaced->SetAnnotationSpacing(2);
    AddQuery(Rows("SELECT 'Alpha' AS FIELD_NAME, 1 AS A, 2 AS B, 'Norway' AS CHARTTITLE, 3 AS C, 4 AS D"),
             Series("STACKED", {spaced, Axis("Y", "")}, false, "FIELD_NAME"));
    NewControls();
    EXPECT_TRUE(Render());
    EXPECT_EQ(control->Group(1)->data->Points(1), 4);
    EXPECT_EQ(XLabels(), (std::map<double, std::string>{{2, "B"}, {4, "D"}}));
}

TEST_F(ChartStackedRenderTest, OnlyAResultWithItsOwnTitleColumnLosesAPoint) {
    chart->SetTitle(Label("CHARTTITLE"));
    AddQuery(kAcross, Series("STACKED", {Axis("X", ""), Axis("Y", "")}, false, "FIELD_NAME"));
    AddQuery(Rows("SELECT 'Alpha' AS FIELD_NAME, 1 AS OIL, 2 AS GAS"),
             Series("STACKED", {Axis("X", ""), Axis("Y", "")}, false, "FIELD_NAME"));
    // A title column in the middle leaves no gap: the column after it is the next point.
    AddQuery(Rows("SELECT 'Alpha' AS FIELD_NAME, 'X' AS CHARTTITLE, 5 AS OIL, 6 AS GAS"),
             Series("STACKED", {Axis("X", ""), Axis("Y", "")}, false, "FIELD_NAME"));
    EXPECT_TRUE(Render());
    EXPECT_EQ(control->Group(1)->data->Points(1), 2);
    EXPECT_EQ(control->Group(2)->data->Points(1), 2) << "the title found before does not shorten this result";
    EXPECT_EQ(Y(2, 1, 2), 2);
    EXPECT_EQ(control->Group(3)->data->Points(1), 2);
    EXPECT_EQ(Y(3, 1, 1), 5);
    EXPECT_EQ(Y(3, 1, 2), 6);
    EXPECT_EQ(XLabels(), (std::map<double, std::string>{{1, "OIL"}, {2, "GAS"}})) << "every point labelled";
    EXPECT_EQ(grid->Text(4, 4), "6")
        << "the grid keeps a column per result column (two rows down for the title)";
    EXPECT_EQ(control->HeaderPart().text, "Norway ");
}

TEST_F(ChartStackedRenderTest, DownTheResultEachColumnIsASeriesAndEachRecordAPoint) {
    auto x = Axis("X", "YR");
    x->SetAnnotationSpacing(2);
    AddQuery(Rows("SELECT 'Y_2001' AS YR, 1 AS OIL_NOW, 10 AS GAS UNION ALL SELECT 'Y_2002', 2, NULL "
                  "UNION ALL SELECT 'Y_2003', 3, 30"),
             Series("STACKED", {x, Axis("Y", "", "", "Text")}, true));
    chart->SetLegendLimit(1);  // two columns: too many legend entries
    EXPECT_TRUE(Render());
    EXPECT_EQ(Dialog(), "");
    auto group = control->Group(1);
    EXPECT_EQ(group->data->Series(), 2);
    EXPECT_EQ(group->data->Points(1), 3);
    EXPECT_EQ(Y(1, 1, 3), 3);
    EXPECT_EQ(Y(1, 2, 1), 10);
    EXPECT_EQ(Y(1, 2, 2), std::nullopt) << "a Null reaches the chart as a gap";
    EXPECT_EQ(XLabels(), (std::map<double, std::string>{{2, "Y_2002"}}));
    EXPECT_EQ(grid->Text(1, 1), "X axis");
    EXPECT_EQ(grid->Text(1, 3), "Y 2002");
    EXPECT_EQ(grid->Text(2, 1), "OIL NOW");
    EXPECT_EQ(grid->Text(3, 4), "30");
    EXPECT_EQ(CellAt(3, 4).cellType, 5) << "the last axis has a type, so the Y axis's type decides";
    EXPECT_EQ(grid->Text(3, 3), "");
    EXPECT_EQ(group->seriesLabels->items, std::vector<std::string>{kTooLarge});

    // A title column among the data columns is no series: each legend label
    // stays on the series that carries its column's values.
    chart = New<CChart>();
    AddQuery(Rows("SELECT 'Y_2001' AS YR, 1 AS OIL, 'Norway' AS CHARTTITLE, 10 AS GAS "
                  "UNION ALL SELECT 'Y_2002', 2, 'Norway', 20"),
             Series("STACKED", {Axis("X", "YR"), Axis("Y", "")}, true));
    NewControls();
    EXPECT_TRUE(Render());
    group = control->Group(1);
    EXPECT_EQ(group->data->Series(), 2);
    EXPECT_EQ(group->seriesLabels->items, (std::vector<std::string>{"OIL", "GAS"}));
    EXPECT_EQ(Y(1, 1, 2), 2);
    EXPECT_EQ(Y(1, 2, 2), 20);
    EXPECT_EQ(grid->Text(4, 3), "20") << "the grid keeps a column per result column";
}

TEST_F(ChartStackedRenderTest, TheRuleSumsRowsByPointsCountingEachGroupingOnceAtEachPoint) {
    chart->SetLegendLimit(3);
    // Grouping 10 stands for field 11.  At 2002 the field comes before its grouping; at 2001
    // the grouping has no value, so its field counts; the record without an operator belongs
    // to no row; ColumnOrder orders the years whatever their arrival.
    RuleChart(
        "SELECT 2002 AS YR, 'A' AS OP, 0 AS FIELD_GROUPING, 10 AS FIELD_GROUPING_CODE, 11 AS FIELD_CODE, 5 "
        "AS V, "
        "2 AS ColumnOrder "
        "UNION ALL SELECT 2002, 'A', -1, NULL, 10, 8, 2 "
        "UNION ALL SELECT 2001, 'A', -1, NULL, 10, 0, 1 "
        "UNION ALL SELECT 2001, 'A', 0, 10, 11, 3, 1 "
        "UNION ALL SELECT 2001, NULL, 0, 0, 12, 7, 1 "
        "UNION ALL SELECT 2001, 'B', 0, 0, 13, 2, 1 "
        "UNION ALL SELECT 2003, 'B B', 0, 0, 14, NULL, 3 "
        "UNION ALL SELECT 2000, 'B', 0, 0, 15, 4, -5");
    EXPECT_TRUE(Render());
    EXPECT_EQ(Dialog(), "");
    auto group = control->Group(1);
    EXPECT_EQ((group->seriesLabels->items), (std::vector<std::string>{"A", "B", "B B"}));
    EXPECT_EQ(XLabels(), (std::map<double, std::string>{{1, "2000"}, {2, "2001"}, {3, "2002"}, {4, "2003"}}));
    EXPECT_EQ(group->data->Series(), 3);
    EXPECT_EQ(group->data->Points(3), 4);
    EXPECT_EQ(Y(1, 1, 2), 3) << "A at 2001: the field, its grouping having no value there";
    EXPECT_EQ(Y(1, 1, 3), 8) << "A at 2002: the grouping alone";
    EXPECT_EQ(Y(1, 1, 1), 0) << "A has nothing at 2000";
    EXPECT_EQ(Y(1, 2, 2), 2) << "B at 2001, without the record that has no operator";
    EXPECT_EQ(Y(1, 2, 1), 4);
    EXPECT_EQ(Y(1, 3, 4), 0) << "a Null value counts 0";

    // The grid: points across, rows down, a cell only where the row has the point.
    EXPECT_EQ(grid->Text(2, 1), "2000");
    EXPECT_EQ(grid->Text(5, 1), "2003");
    EXPECT_TRUE(CellAt(5, 1).bold);
    EXPECT_EQ(grid->Text(1, 4), "B B");
    EXPECT_EQ(grid->Text(3, 2), "3");
    EXPECT_EQ(grid->Text(2, 2), "") << "no cell where A has no point";
    EXPECT_EQ(grid->Text(5, 4), "0");
    EXPECT_EQ(CellAt(3, 2).cellType, 13);
    EXPECT_EQ(grid->MaxRows(), 10);
    EXPECT_EQ(grid->MaxCols(), 50);

    // One row more than the legend takes.
    chart->SetLegendLimit(2);
    chart->SetSeriesLimit(3);
    NewControls();
    EXPECT_FALSE(Render()) << "four points, three allowed";
    EXPECT_EQ(control->Group(1)->seriesLabels->items, std::vector<std::string>{kTooLarge});
    EXPECT_EQ(Y(1, 1, 3), 8) << "the data is drawn all the same";
}

TEST_F(ChartStackedRenderTest, WithoutAStackingColumnTheValueColumnsAreTheRows) {
    RuleChart(
        "SELECT 'Y 1' AS YR, 'x' AS OP, 0 AS FIELD_GROUPING, NULL AS FIELD_GROUPING_CODE, 1 AS FIELD_CODE, "
        "1 AS V, 5 AS W, 5 AS ColumnOrder "
        "UNION ALL SELECT 'Y 2', 'x', 0, NULL, 2, 2, 6, 1 "
        "UNION ALL SELECT 'Y 1', 'x', 0, NULL, 3, 10, 50, 5 "
        "UNION ALL SELECT 'Y 3', 'x', 0, NULL, 5, 0, 0, 1 "
        "UNION ALL SELECT 'Y 2', 'x', 7, NULL, 4, 100, 100, 1",
        "", "W,V");
    EXPECT_TRUE(Render());
    EXPECT_EQ(Dialog(), "");
    auto group = control->Group(1);
    EXPECT_EQ((group->seriesLabels->items), (std::vector<std::string>{"W", "V"}));
    EXPECT_EQ(XLabels(), (std::map<double, std::string>{{1, "Y 2"}, {2, "Y 3"}, {3, "Y 1"}}))
        << "points of equal order keep their arrival";
    EXPECT_EQ(Y(1, 1, 3), 55);
    EXPECT_EQ(Y(1, 1, 1), 6) << "a record that is neither field nor grouping adds nothing";
    EXPECT_EQ(Y(1, 1, 2), 0);
    EXPECT_EQ(Y(1, 2, 3), 11);
    EXPECT_EQ(Y(1, 2, 1), 2);
}

TEST_F(ChartStackedRenderTest, ARuleThatCannotBeReadIsShownAndTheRestIsDrawn) {
    chart->SetTitle(Label("Rule"));
    RuleChart(
        "SELECT 2001 AS YR, 'A' AS OP, NULL AS FIELD_GROUPING, 0 AS FIELD_GROUPING_CODE, 1 AS FIELD_CODE, "
        "1 AS V, 1 AS ColumnOrder");
    EXPECT_TRUE(Render()) << "the rule's failure ends at the rule";
    EXPECT_TRUE(Contains(Dialog(), "Method: CChart.PlotStackedGraphUsingTerralithRule")) << Dialog();
    EXPECT_TRUE(control->HeaderPart().isShowing);
}

}  // namespace
