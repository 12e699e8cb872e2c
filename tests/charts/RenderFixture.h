#pragma once
// Charts drawn into the in-memory chart control and grid: a stand-in root
// over the sample database, and charts put together in code, whose queries
// select literal rows so that each test states its own data.
#include <memory>
#include <string>
#include <vector>

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

class RenderFixture : public ChartFixture {
public:
    // Literal rows as a statement that gives them only for the asset code 1
    // (the code list is spliced into "IN (...)").
    static std::string Rows(const std::string& unionOfSelects) {
        return "SELECT * FROM (" + unionOfSelects + ") WHERE 1 IN (ASSET_CODE)";
    }

protected:
    void SetUp() override {
        ChartFixture::SetUp();
        OpenRoot();
        MakeChartRoot();
        chart = New<CChart>();
        NewControls();
    }

    void NewControls() {
        grid = std::make_shared<MemoryGrid>();
        control = std::make_shared<MemoryChartControl>();
    }

    bool Render(const std::string& codes = "1") { return chart->Render(grid, control, codes); }

    static Ref<IChartLabel> Label(const std::string& text) {
        Ref<IChartLabel> label = New<CChartLabel>();
        label->SetText(text);
        return label;
    }
    static Ref<IChartAxis> Axis(const std::string& name, const std::string& field,
                                const std::string& legend = "", const std::string& type = "",
                                const std::string& format = "", int32_t decimals = 0) {
        Ref<IChartAxis> axis = New<CChartAxis>();
        axis->SetName(name);
        axis->SetFieldName(field);
        axis->SetLegendLabel(legend);
        axis->SetType(type);
        axis->SetFormat(format);
        axis->SetDecimalPlaces(decimals);
        axis->SetLabel(Label(name + " axis"));
        return axis;
    }
    static Ref<IChartSeries> Series(const std::string& mode, const std::vector<Ref<IChartAxis>>& axes,
                                    bool vertical = false, const std::string& stacking = "") {
        Ref<IChartSeries> series = New<CChartSeries>();
        series->SetRenderMode(mode);
        series->SetVerticalPlot(vertical);
        series->SetStackingCategory(stacking);
        for (const Ref<IChartAxis>& a : axes) series->Axes()->Add(Variant(a), a->Name());
        return series;
    }
    // Adds a query of one series under the next name.
    Ref<IChartQuery> AddQuery(const std::string& sql, const Ref<IChartSeries>& series) {
        Ref<IChartQuery> query = New<CChartQuery>();
        query->SetName("Q" + std::to_string(chart->Queries()->Count() + 1));
        query->SetSQL(sql);
        query->Series()->Add(Variant(series), "Series_0");
        chart->Queries()->Add(Variant(query), query->Name());
        return query;
    }
    // A grid cell's settings; a failure, not a crash, when nothing was written there.
    GridCell CellAt(int32_t col, int32_t row) const {
        const GridCell* cell = grid->Cell(col, row);
        if (!cell) {
            ADD_FAILURE() << "no cell at column " << col << ", row " << row;
            return GridCell{};
        }
        return *cell;
    }

    // The y value of a point as the control reads it.
    std::optional<double> Y(int32_t group, int32_t series, int32_t point) const {
        return control->Group(group)->data->Value(series, point);
    }

    static constexpr const char* kTooLarge =
        "Your data selection is too large to show all data points on the legend with the chart";

    Ref<IChart> chart;
    std::shared_ptr<MemoryGrid> grid;
    std::shared_ptr<MemoryChartControl> control;
};
