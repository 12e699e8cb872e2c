#pragma once
// One drawing style of a chart series.  A plain holder; colours are kept as
// the decimal text of the colour number.
#include <cstdint>
#include <string>

#include "interfaces/IChart.h"

class CChartStyle final : public IChartStyle {
public:
    static constexpr const char* kProgID = "cvDataManager.CChartStyle";

    std::string Type() override { return type_; }
    void SetType(const std::string& sValue) override { type_ = sValue; }
    std::string Pattern() override { return pattern_; }
    void SetPattern(const std::string& sValue) override { pattern_ = sValue; }
    int32_t Width() override { return width_; }
    void SetWidth(int32_t lValue) override { width_ = lValue; }
    std::string ForegroundColour() override { return foregroundColour_; }
    void SetForegroundColour(const std::string& sValue) override { foregroundColour_ = sValue; }
    std::string BackgroundColour() override { return backgroundColour_; }
    void SetBackgroundColour(const std::string& sValue) override { backgroundColour_ = sValue; }
    std::string Shape() override { return shape_; }
    void SetShape(const std::string& sValue) override { shape_ = sValue; }
    int32_t ShapeSize() override { return shapeSize_; }
    void SetShapeSize(int32_t lValue) override { shapeSize_ = lValue; }
    std::string ShapeColour() override { return shapeColour_; }
    void SetShapeColour(const std::string& sValue) override { shapeColour_ = sValue; }
    int32_t ClusterWidth() override { return clusterWidth_; }
    void SetClusterWidth(int32_t lValue) override { clusterWidth_ = lValue; }

    std::string TypeName() const override { return "CChartStyle"; }

private:
    std::string type_;
    std::string pattern_ = "2";
    int32_t width_ = 1;
    std::string foregroundColour_, backgroundColour_;
    std::string shape_ = "2";
    int32_t shapeSize_ = 6;
    std::string shapeColour_;
    int32_t clusterWidth_ = 50;
};
