#pragma once
// A text of a chart (title, footer, legend title, axis title) with its font
// and, for the chart title, the unit details and grid settings of the value
// it shows.  A plain holder; only ParseUnitDetails reaches outside.
#include <cstdint>
#include <string>

#include "interfaces/IChart.h"

class CChartLabel final : public IChartLabel {
public:
    static constexpr const char* kProgID = "cvDataManager.CChartLabel";

    std::string Text() override { return text_; }
    void SetText(const std::string& sValue) override { text_ = sValue; }
    std::string FontName() override { return fontName_; }
    void SetFontName(const std::string& sValue) override { fontName_ = sValue; }
    int32_t FontSize() override { return fontSize_; }
    void SetFontSize(int32_t lValue) override { fontSize_ = lValue; }
    bool Bold() override { return bold_; }
    void SetBold(bool bValue) override { bold_ = bValue; }
    bool Underline() override { return underline_; }
    void SetUnderline(bool bValue) override { underline_ = bValue; }
    std::string ColumnName() override { return columnName_; }
    void SetColumnName(const std::string& sValue) override { columnName_ = sValue; }
    std::string GridName() override { return gridName_; }
    void SetGridName(const std::string& sValue) override { gridName_ = sValue; }
    std::string Category() override { return category_; }
    void SetCategory(const std::string& sValue) override { category_ = sValue; }
    std::string DefaultUnit() override { return defaultUnit_; }
    void SetDefaultUnit(const std::string& sValue) override { defaultUnit_ = sValue; }
    std::string SheetLabel() override { return sheetLabel_; }
    void SetSheetLabel(const std::string& sValue) override { sheetLabel_ = sValue; }
    std::string Type() override { return type_; }
    void SetType(const std::string& sValue) override { type_ = sValue; }
    // Kept as text, as stored definitions of other tools expect; read back as a whole number.
    int32_t DecimalPlaces() override;
    void SetDecimalPlaces(int32_t lValue) override;
    void ParseUnitDetails() override;

    std::string TypeName() const override { return "CChartLabel"; }

private:
    std::string text_;
    std::string fontName_ = "Arial";
    int32_t fontSize_ = 8;
    bool bold_ = false;
    bool underline_ = false;
    std::string columnName_, gridName_, category_, defaultUnit_, sheetLabel_, type_;
    std::string decimalPlaces_ = "0";
};
