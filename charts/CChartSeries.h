#pragma once
// One series of a chart query: how it is drawn, its axes and its styles.  A
// plain holder.  VerticalPlot is kept as the text "True" or "False".
#include <cstdint>
#include <string>

#include "interfaces/IChart.h"
#include "platform/runtime/cvCollection.h"

class CChartSeries final : public IChartSeries {
public:
    static constexpr const char* kProgID = "cvDataManager.CChartSeries";

    // Makes the empty axis collection; nothing else.
    CChartSeries();

    std::string RenderMode() override { return renderMode_; }
    void SetRenderMode(const std::string& sValue) override { renderMode_ = sValue; }
    int32_t DrawingOrder() override { return drawingOrder_; }
    void SetDrawingOrder(int32_t lValue) override { drawingOrder_ = lValue; }
    std::string StackingCategory() override { return stackingCategory_; }
    void SetStackingCategory(const std::string& sValue) override { stackingCategory_ = sValue; }
    bool VerticalPlot() override;
    void SetVerticalPlot(bool bValue) override;
    Ref<cvCollection> ChartStyles() override { return chartStyles_; }
    void SetChartStyles(const Ref<cvCollection>& oValue) override { chartStyles_ = oValue; }
    Ref<cvCollection> Axes() override { return axes_; }
    void SetAxes(const Ref<cvCollection>& oValue) override { axes_ = oValue; }

    std::string TypeName() const override { return "CChartSeries"; }

private:
    std::string renderMode_;
    int32_t drawingOrder_ = 0;
    std::string stackingCategory_;
    std::string verticalPlot_ = "False";
    Ref<cvCollection> chartStyles_;
    Ref<cvCollection> axes_;
};
