#pragma once
// One axis of a chart series: the chart axis it drives ("X", "Y", "Y2"), the
// result column it shows, the grid cell settings of that column and its unit
// details.  A plain holder; only ParseUnitDetails reaches outside.
#include <cstdint>
#include <string>

#include "interfaces/IChart.h"

class CChartAxis final : public IChartAxis, public _CChartAxis {
public:
    static constexpr const char* kProgID = "cvDataManager.CChartAxis";

    std::string Name() override { return name_; }
    void SetName(const std::string& sValue) override { name_ = sValue; }
    Ref<IChartLabel> Label() override { return label_; }
    void SetLabel(const Ref<IChartLabel>& oValue) override { label_ = oValue; }
    std::string LegendLabel() override { return legendLabel_; }
    void SetLegendLabel(const std::string& sValue) override { legendLabel_ = sValue; }
    std::string FieldName() override { return fieldName_; }
    void SetFieldName(const std::string& sValue) override { fieldName_ = sValue; }
    std::string Type() override { return type_; }
    void SetType(const std::string& sValue) override { type_ = sValue; }
    std::string Format() override { return format_; }
    void SetFormat(const std::string& sValue) override { format_ = sValue; }
    int32_t DecimalPlaces() override { return decimalPlaces_; }
    void SetDecimalPlaces(int32_t lValue) override { decimalPlaces_ = lValue; }
    int32_t TickSpacing() override { return tickSpacing_; }
    void SetTickSpacing(int32_t lValue) override { tickSpacing_ = lValue; }
    int32_t AnnotationRotationAngle() override { return annotationRotationAngle_; }
    void SetAnnotationRotationAngle(int32_t lValue) override { annotationRotationAngle_ = lValue; }
    int32_t AnnotationSpacing() override { return annotationSpacing_; }
    void SetAnnotationSpacing(int32_t lValue) override { annotationSpacing_ = lValue; }
    std::string ScalingFactor() override { return scalingFactor_; }
    void SetScalingFactor(const std::string& sValue) override { scalingFactor_ = sValue; }
    std::string ColumnName() override { return columnName_; }
    void SetColumnName(const std::string& sValue) override { columnName_ = sValue; }
    std::string GridName() override { return gridName_; }
    void SetGridName(const std::string& sValue) override { gridName_ = sValue; }
    std::string Category() override { return category_; }
    void SetCategory(const std::string& sValue) override { category_ = sValue; }
    std::string DefaultUnit() override { return defaultUnit_; }
    void SetDefaultUnit(const std::string& sValue) override { defaultUnit_ = sValue; }
    bool Visible() override { return visible_; }
    void SetVisible(bool bValue) override { visible_ = bValue; }
    // Kept in 16 bits, as the chart control's numbering codes are; read back widened with its sign.
    int32_t NumberingMethod() override { return numberingMethod_; }
    void SetNumberingMethod(int16_t iValue) override { numberingMethod_ = iValue; }
    void ParseUnitDetails() override;

    // _CChartAxis
    int32_t IChartAxis_NumberingMethod() override { return NumberingMethod(); }

    std::string TypeName() const override { return "CChartAxis"; }

private:
    std::string name_;
    Ref<IChartLabel> label_;
    std::string legendLabel_, fieldName_, type_, format_;
    int32_t decimalPlaces_ = 0;
    int32_t tickSpacing_ = 0;
    int32_t annotationRotationAngle_ = 0;
    int32_t annotationSpacing_ = 0;
    std::string scalingFactor_, columnName_, gridName_, category_, defaultUnit_;
    bool visible_ = true;
    int16_t numberingMethod_ = 0;
};
