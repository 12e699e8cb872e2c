#pragma once
// The legend settings of a chart: its title label, anchor, orientation and
// whether it shows.  A plain holder.
#include <string>

#include "interfaces/IChart.h"

class CChartLegend final : public IChartLegend {
public:
    static constexpr const char* kProgID = "cvDataManager.CChartLegend";

    Ref<IChartLabel> Title() override { return title_; }
    void SetTitle(const Ref<IChartLabel>& oValue) override { title_ = oValue; }
    std::string Anchor() override { return anchor_; }
    void SetAnchor(const std::string& sValue) override { anchor_ = sValue; }
    std::string Orientation() override { return orientation_; }
    void SetOrientation(const std::string& sValue) override { orientation_ = sValue; }
    bool Visible() override { return visible_; }
    void SetVisible(bool bValue) override { visible_ = bValue; }

    std::string TypeName() const override { return "CChartLegend"; }

private:
    Ref<IChartLabel> title_;
    std::string anchor_ = "NorthEast";
    std::string orientation_ = "Vertical";
    bool visible_ = false;
};
