#pragma once
// One chart: its title, footer and legend, orientation, limits, grouping
// rule, queries and the series colours it shares with the manifest it was
// loaded under.  The definition part is a plain holder; Render draws the
// chart into the host's chart control and data grid.
//
// Drawing runs each chart query for the host's asset codes and draws it as
// chart group g (g the query's place in Queries) by one of three roads: plain
// bars or lines, one chart point and grid row per X value of the whole
// drawing (CChartPlain.cpp, ChartXPoints.h); stacked bars
// read across or down the result (CChartStacked.cpp); bars stacked by the
// chart's grouping rule (CChartRule.cpp).  The grid beside the chart gets
// the same numbers under a heading row.
//
// What a drawing leaves behind belongs to that drawing alone: the title
// taken from a "CHARTTITLE" column and the "No Data Available." header are
// worked out afresh each time, and the definition's title text is never
// changed, so the same chart object drawn for other asset codes shows their
// data's title.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "charts/ChartXPoints.h"
#include "core/ErrorDisplay.h"
#include "interfaces/ChartControls.h"
#include "interfaces/IChart.h"
#include "platform/runtime/Variant.h"
#include "platform/runtime/cvCollection.h"
#include "sql/SqlValues.h"

class CChart final : public IChart, public _CChart, public ShowsErrors<ErrDisplay::A> {
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
    bool Render(const Ref<ISpreadsheetGrid>& sprData, const Ref<IChartControl>& chChart,
                const std::string& sAssetCodes) override;

    // _CChart
    bool FieldExists(const Ref<ADODB::Recordset>& rs, const std::string& sFieldName) override;

    // The name of the definition the chart was read from (what LoadChart was
    // given); "" for a chart made otherwise.  Messages name the chart by it.
    const std::string& DefinitionName() const { return definitionName_; }
    void SetDefinitionName(const std::string& sName) { definitionName_ = sName; }
    // The 1-based place of the query whose statement the last Render could
    // not open (the queries before it drawn, those after it not run); 0 when
    // every query opened.
    int32_t FailedQuery() const { return failedQuery_; }
    // Why that query could not be opened, in the engine's words; "" when it
    // was shown as an error instead, or when every query opened.
    const std::string& FailedQueryReason() const { return failedQueryReason_; }

    std::string TypeName() const override { return "CChart"; }

private:
    // ---- plain series and grid cells (CChartPlain.cpp)

    // The open record set of sSQL with every "ASSET_CODE" outside quoted text
    // replaced by sAssetCodes, checked to be a list of numbers; Nothing when
    // the engine refuses the statement as too big or the argument as invalid
    // (silently, the engine's reason kept for FailedQueryReason), or on any
    // other failure, a list that is no list of numbers included (shown; a
    // statement's failure named by the chart and lQuery, the query's 1-based
    // place in the chart).
    Ref<ADODB::Recordset> ExecuteQuery(const std::string& sSQL, const std::string& sAssetCodes,
                                       int32_t lQuery);
    // The codes as a list of numbers for the statements, read on the
    // drawing's first call and kept for its other queries (a chart of 1,000
    // queries spent six sevenths of its drawing reading them again for
    // each); raises as SqlCodeList.
    const SqlFragment& AssetCodes(const std::string& sAssetCodes);
    // One axis of a plain series: formats the chart axis, adds its legend
    // entry and grid heading, sizes the grid and writes the values into the
    // chart and into the grid column under the axis's heading, each record's
    // at the point and row of its X value: "Y" and "Y2" as the y of the
    // point; "X" as a point label of the group (the X axis that placed the
    // query's records one label a point of the drawing, the point's X value,
    // before any other X axis's labels, one a record) and as a cell of the
    // column its field shares, where no query has written that row yet.  A
    // Null leaves its chart point without a value and its cell empty.  The
    // record set is left at its end.  Passes errors on.
    void PopulateAxisData(const Ref<ISpreadsheetGrid>& sprData, const Ref<IChartControl>& chChart,
                          const Ref<ADODB::Recordset>& rs, const Ref<IChartAxis>& oAxis, int32_t lChartGroup);
    // Sets x ("X") or y ("Y", "Y2") of the point to the text; any other axis
    // writes nothing.  Passes errors on.
    void AddChartData(const Ref<IChartControl>& chChart, const std::string& sAxis, const std::string& sValue,
                      int32_t lGroup, int32_t lSeries, int32_t lPoint);
    // Writes one cell with the type that sCellType codes ("0" date, "12"
    // currency, "13" number, anything else text, which alone takes the
    // format pattern), in Arial 8.  Passes errors on.
    void PopulateCell(const Ref<ISpreadsheetGrid>& sprData, int32_t lCol, int32_t lRow, const Variant& vValue,
                      const std::string& sCellType, bool bBold, const std::string& sFormat,
                      int16_t iDecimalPlaces);
    // The cell type code of a type name ("Number" "13", "Currency" "12",
    // "Date" "0", "Text" "5", exactly so written), else "".
    static std::string GetType(const std::string& sType);
    // The cell type code of an ADO data type number; "" for one it does not know.
    static std::string GetFieldType(int32_t lType);
    // The cell type code of an axis's values: its type name's when it has
    // one, else that of its column's data type.
    static std::string CellType(const std::string& sType, int32_t lFieldType);
    // An axis's decimal places as a cell takes them; raises 6 beyond 16 bits.
    static int16_t CellDecimals(int32_t lDecimals);
    // The limits: a legend count beyond LegendLimit empties the group's
    // legend entries and clears LegendOK; a series count beyond SeriesLimit
    // clears DataOK; a limit of 0 is none.
    void CheckLimits(const Ref<IChartControl>& chChart, int32_t lChartGroup, int32_t lLegendCount,
                     int32_t lSeriesCount);
    // Room for a heading row and column above lRows rows of lCols columns:
    // at least 10 rows and 50 columns.  Within one drawing the grid only
    // grows, so a later, smaller result keeps what an earlier one wrote.
    void SizeGrid(const Ref<ISpreadsheetGrid>& sprData, int32_t lRows, int32_t lCols);

    // Places the records of every bar and line query of this drawing by the
    // values of the first "X" axis with a field name of its bar and line
    // series (a query without one, or whose result lacks that column, record
    // by record); rsResults holds the record sets of the first queries, by
    // query.
    void PlacePoints(const std::vector<Ref<ADODB::Recordset>>& rsResults);
    // The grid column of an axis headed by its legend label, else its field
    // name.  "X" axes (bX) on one field, or headed alike (letter case
    // ignored), share a column across the queries; every value axis gets a
    // column of its own, so every series stands under its heading, whatever
    // other axes are headed alike.
    int32_t GridColumn(const Ref<IChartAxis>& oAxis, bool bX);
    // True, once, for each 1-based point of a grid column: the first axis to
    // ask writes that cell, so no cell is written twice.
    bool TakeCell(int32_t lColumn, int32_t lPoint);

    // ---- stacked series (CChartStacked.cpp)

    // One chart series per record, one point and grid column per data
    // column but a "CHARTTITLE" one, which takes no place; a Null or empty
    // value leaves its point unset and shows "0".  Passes errors on.
    void ParseHorizontalStackedData(const Ref<ADODB::Recordset>& rs, const Ref<ISpreadsheetGrid>& sprData,
                                    const Ref<IChartControl>& chChart, const Ref<cvCollection>& oAxes,
                                    const std::string& sStackingCategory, int32_t lChartGroup);
    // One chart series per data column, one point per record.  Shows its
    // errors and returns.
    void ParseVerticalStackedData(const Ref<ADODB::Recordset>& rs, const Ref<ISpreadsheetGrid>& sprData,
                                  const Ref<IChartControl>& chChart, const Ref<cvCollection>& oAxes,
                                  const std::string& sStackingCategory, int32_t lChartGroup);

    // ---- grouping rule (CChartRule.cpp)

    // Sums the rule's value columns into rows by points and draws them as
    // stacked bars and grid rows; applies both limits.  Shows its errors and
    // returns.
    void PlotStackedGraphUsingTerralithRule(const Ref<ADODB::Recordset>& rs,
                                            const Ref<ISpreadsheetGrid>& sprData,
                                            const Ref<IChartControl>& chChart, const Ref<cvCollection>& oAxes,
                                            int32_t lChartGroup);

    // ---- rendering (CChart.cpp)

    void PlotSeries(const Ref<ADODB::Recordset>& rs, const Ref<ISpreadsheetGrid>& sprData,
                    const Ref<IChartControl>& chChart, const Ref<IChartSeries>& oSeries, int32_t lGroup);
    void StyleSeries(const Ref<IChartControl>& chChart, const Ref<IChartSeries>& oSeries, int32_t lGroup,
                     int32_t lSeries);
    void ShowNoData(const Ref<ISpreadsheetGrid>& sprData);
    void WriteHeader(const Ref<ISpreadsheetGrid>& sprData, const Ref<IChartControl>& chChart);
    void WriteLegend(const Ref<IChartControl>& chChart);
    static void SizeColumns(const Ref<ISpreadsheetGrid>& sprData);

    // Rendering state, set up at the start of every Render.
    bool dataOK_ = true;
    bool legendOK_ = true;
    bool noData_ = false;    // a query gave no records: the header says so
    std::string dataTitle_;  // the first non-empty "CHARTTITLE" value
    int32_t gridRows_ = 0;   // the grid's size as this drawing set it; 0 before the first
    int32_t gridCols_ = 0;
    // The grid's columns in order: the heading, the field and unit details of
    // the first axis on it (its cells' unit), whether it holds X values, and
    // by point, the cells written.
    struct Column {
        std::string heading, field, category, unit;
        bool x = false;
        std::vector<bool> written;
    };
    std::vector<Column> columns_;
    int32_t failedQuery_ = 0;  // the query whose statement could not be opened; 0 none
    std::string failedQueryReason_;
    // The list AssetCodes made for this drawing; none before its first query.
    std::optional<SqlFragment> assetCodes_;
    ChartXPoints xPoints_;  // the points of the bar and line queries
    // Per query (0-based), the point of each of its records; empty for a
    // query that is not drawn as bars or lines.
    std::vector<std::vector<int32_t>> recordPoints_;
    // Per query (0-based), the "X" axis whose values placed its records;
    // Nothing for a query placed record by record or not drawn as bars or
    // lines.
    std::vector<Ref<IChartAxis>> xAxes_;

    std::string definitionName_;
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
