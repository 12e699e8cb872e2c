#pragma once
// One chart: its title, footer and legend, orientation, limits, grouping
// rule, queries and the series colours it shares with the manifest it was
// loaded under.  The definition part is a plain holder; Render draws the
// chart into the host's chart control and data grid.
#include <cstdint>
#include <string>

#include "interfaces/IChart.h"
#include "platform/runtime/cvCollection.h"

class CChart final : public IChart, public _CChart {
public:
    static constexpr const char* kProgID = "cvDataManager.CChart";

    // Makes the empty query, colour and field-definition collections; nothing else.
    CChart();

    Ref<IChartLabel> Title() override { return title_; }
    void SetTitle(const Ref<IChartLabel>& oValue) override { title_ = oValue; }
    Ref<IChartLabel> Footer() override { return footer_; }
    void SetFooter(const Ref<IChartLabel>& oValue) override { footer_ = oValue; }
    Ref<IChartLegend> Legend() override { return legend_; }
    void SetLegend(const Ref<IChartLegend>& oValue) override { legend_ = oValue; }
    bool IsHorizontal() override { return isHorizontal_; }
    void SetIsHorizontal(bool bValue) override { isHorizontal_ = bValue; }
    int32_t SeriesLimit() override { return seriesLimit_; }
    void SetSeriesLimit(int32_t lValue) override { seriesLimit_ = lValue; }
    int32_t LegendLimit() override { return legendLimit_; }
    void SetLegendLimit(int32_t lValue) override { legendLimit_ = lValue; }
    bool TerralithRule() override { return terralithRule_; }
    void SetTerralithRule(bool bValue) override { terralithRule_ = bValue; }
    std::string TerralithRuleSeries() override { return ruleSeries_; }
    void SetTerralithRuleSeries(const std::string& sValue) override { ruleSeries_ = sValue; }
    std::string TerralithRuleStackingCategory() override { return ruleStackingCategory_; }
    void SetTerralithRuleStackingCategory(const std::string& sValue) override {
        ruleStackingCategory_ = sValue;
    }
    std::string TerralithRuleValue() override { return ruleValue_; }
    void SetTerralithRuleValue(const std::string& sValue) override { ruleValue_ = sValue; }
    bool TerralithRuleSortData() override { return ruleSortData_; }
    void SetTerralithRuleSortData(bool bValue) override { ruleSortData_ = bValue; }
    Ref<cvCollection> Queries() override { return queries_; }
    void SetQueries(const Ref<cvCollection>& oValue) override { queries_ = oValue; }
    Ref<cvCollection> SeriesColours() override { return seriesColours_; }
    void SetSeriesColours(const Ref<cvCollection>& oValue) override { seriesColours_ = oValue; }
    Ref<cvCollection> FieldDefinitions() override { return fieldDefinitions_; }
    void SetFieldDefinitions(const Ref<cvCollection>& oValue) override { fieldDefinitions_ = oValue; }
    // Not drawn yet: raises 438.
    bool Render(const Ref<ISpreadsheetGrid>& sprData, const Ref<IChartControl>& chChart,
                const std::string& sAssetCodes) override;

    // _CChart
    bool FieldExists(const Ref<ADODB::Recordset>& rs, const std::string& sFieldName) override;

    std::string TypeName() const override { return "CChart"; }

private:
    Ref<IChartLabel> title_, footer_;
    Ref<IChartLegend> legend_;
    bool isHorizontal_ = false;
    int32_t seriesLimit_ = 0;
    int32_t legendLimit_ = 0;
    bool terralithRule_ = false;
    std::string ruleSeries_, ruleStackingCategory_, ruleValue_;
    bool ruleSortData_ = false;
    Ref<cvCollection> queries_, seriesColours_, fieldDefinitions_;
};
