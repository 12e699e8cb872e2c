// The chart definition model: what new objects hold and what they keep.
#include "ChartFixture.h"
#include "charts/CChart.h"
#include "charts/CChartAxis.h"
#include "charts/CChartLabel.h"
#include "charts/CChartLegend.h"
#include "charts/CChartQuery.h"
#include "charts/CChartSeries.h"
#include "charts/CChartStyle.h"
#include "host/controls/MemoryChartControl.h"
#include "host/controls/MemoryGrid.h"
#include "platform/ado/Recordset.h"

class ChartModelTest : public ChartFixture {};

TEST_F(ChartModelTest, NewObjectsHoldTheirDefaults) {
    auto axis = New<CChartAxis>();
    EXPECT_TRUE(axis->Visible());
    EXPECT_TRUE(axis->Label().IsNothing());
    EXPECT_EQ(axis->Name() + axis->LegendLabel() + axis->FieldName() + axis->Type() + axis->Format() +
                  axis->ScalingFactor() + axis->ColumnName() + axis->GridName() + axis->Category() +
                  axis->DefaultUnit(),
              "");
    EXPECT_EQ(axis->DecimalPlaces() + axis->TickSpacing() + axis->AnnotationRotationAngle() +
                  axis->AnnotationSpacing() + axis->NumberingMethod(),
              0);

    auto legend = New<CChartLegend>();
    EXPECT_EQ(legend->Anchor(), "NorthEast");
    EXPECT_EQ(legend->Orientation(), "Vertical");
    EXPECT_FALSE(legend->Visible());

    auto label = New<CChartLabel>();
    EXPECT_EQ(label->FontName(), "Arial");
    EXPECT_EQ(label->FontSize(), 8);
    EXPECT_FALSE(label->Bold());
    EXPECT_FALSE(label->Underline());
    EXPECT_EQ(label->DecimalPlaces(), 0);

    auto style = New<CChartStyle>();
    EXPECT_EQ(style->Pattern(), "2");
    EXPECT_EQ(style->Shape(), "2");
    EXPECT_EQ(style->ShapeSize(), 6);
    EXPECT_EQ(style->Width(), 1);
    EXPECT_EQ(style->ClusterWidth(), 50);
    EXPECT_EQ(style->ForegroundColour(), "");

    auto series = New<CChartSeries>();
    EXPECT_TRUE(series->ChartStyles().IsNothing());
    ASSERT_FALSE(series->Axes().IsNothing());
    EXPECT_EQ(series->Axes()->Count(), 0);
    EXPECT_FALSE(series->VerticalPlot());

    auto chart = New<CChart>();
    EXPECT_TRUE(chart->Title().IsNothing());
    EXPECT_TRUE(chart->Legend().IsNothing());
    EXPECT_NE(chart->Queries().get(), chart->SeriesColours().get());
    EXPECT_NE(chart->SeriesColours().get(), chart->FieldDefinitions().get());
    EXPECT_NE(New<CChartQuery>()->Series().get(), New<CChartQuery>()->Series().get());
}

TEST_F(ChartModelTest, StoredFormsReadBackAndObjectsAreShared) {
    auto series = New<CChartSeries>();
    series->SetVerticalPlot(true);
    EXPECT_TRUE(series->VerticalPlot());
    series->SetVerticalPlot(false);
    EXPECT_FALSE(series->VerticalPlot());

    auto label = New<CChartLabel>();
    label->SetDecimalPlaces(3);
    EXPECT_EQ(label->DecimalPlaces(), 3);
    label->SetDecimalPlaces(-12);
    EXPECT_EQ(label->DecimalPlaces(), -12);

    auto axis = New<CChartAxis>();
    axis->SetNumberingMethod(-1);
    EXPECT_EQ(axis->NumberingMethod(), -1);
    EXPECT_EQ(Cast<_CChartAxis>(Ref<IChartAxis>(axis))->IChartAxis_NumberingMethod(), -1);
    axis->SetNumberingMethod(-32768);
    EXPECT_EQ(axis->IChartAxis_NumberingMethod(), -32768);

    auto chart = New<CChart>();
    chart->SetTitle(label);
    label->SetText("Changed later");
    EXPECT_EQ(chart->Title()->Text(), "Changed later");
    chart->SetTitle(nullptr);
    EXPECT_TRUE(chart->Title().IsNothing()) << "no setter checks what it is given";
}

TEST_F(ChartModelTest, ParseUnitDetailsAsksOnlyWithAColumnAndAGrid) {
    MakeChartRoot("Field");
    AddField("Field", "Assets", "WATER_DEPTH", "Depth", "ft");
    AddField("Field", "Assets", "NO_UNIT", "", "");
    auto axis = New<CChartAxis>();
    axis->SetCategory("kept");
    axis->SetColumnName("WATER_DEPTH");
    root->SetFieldChooser(nullptr);
    axis->ParseUnitDetails();
    EXPECT_EQ(axis->Category(), "kept") << "no grid: the chooser is not asked";

    MakeChartRoot("Field");
    AddField("Field", "Assets", "WATER_DEPTH", "Depth", "ft");
    AddField("Field", "Assets", "NO_UNIT", "", "");
    axis->SetGridName("Assets");
    axis->ParseUnitDetails();
    EXPECT_EQ(axis->Category(), "Depth");
    EXPECT_EQ(axis->DefaultUnit(), "ft");

    auto label = New<CChartLabel>();
    label->SetColumnName("NO_UNIT");
    label->SetGridName("Assets");
    label->SetDefaultUnit("old");
    label->ParseUnitDetails();
    EXPECT_EQ(label->Category(), "");
    EXPECT_EQ(label->DefaultUnit(), "") << "a field without a unit replaces the unit with nothing";

    // A column the query's asset type lacks: a chart of other assets, said before the
    // field chooser is asked (which would show a bare "Invalid procedure call").
    label->SetColumnName("WATER_DEPTH");
    query->SetQueryType("Well");
    Error e = CaughtError([&] { label->ParseUnitDetails(); });
    EXPECT_EQ(e.Number(), 5);
    EXPECT_TRUE(Contains(e.Description(),
                         "it is a chart of Field assets (the column WATER_DEPTH of the Assets "
                         "grid), and the active query finds Well assets"))
        << e.Description();
    EXPECT_EQ(label->Category(), "");
    label->SetColumnName("NOWHERE");
    e = CaughtError([&] { label->ParseUnitDetails(); });
    EXPECT_TRUE(Contains(e.Description(), "no asset type has the column NOWHERE of the Assets grid"))
        << e.Description();
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    EXPECT_EQ(Dialog(), "");
}

TEST_F(ChartModelTest, FieldExistsComparesNamesWithoutCase) {
    OpenRoot();
    auto rs = gTools()->NewADODBRecordset();
    rs->Open("SELECT 1 AS CHARTTITLE, 2 AS Other", root->Connection(), 3, 1);
    auto chart = New<CChart>();
    EXPECT_TRUE(chart->FieldExists(rs, "charttitle"));
    EXPECT_TRUE(chart->FieldExists(rs, "OTHER"));
    EXPECT_FALSE(chart->FieldExists(rs, "CHART"));
}
