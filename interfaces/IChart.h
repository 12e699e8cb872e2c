#pragma once
// The chart definition model: a chart with its queries, each query with the
// series drawn from its result, each series with its axes and styles, and the
// labels and legend.  Apart from Render and ParseUnitDetails these are plain
// holders: a setter stores what it is given without a check, a getter returns
// what is stored, and an object is stored by reference, so the holder and the
// one who set it share it.  Getters and setters cannot fail.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class cvCollection;
class IChartControl;
class ISpreadsheetGrid;
namespace ADODB {
class Recordset;
}

// A text with its font and, where it shows a value, that value's unit details.
class IChartLabel : public virtual Object {
public:
    // The text shown; "" when new.
    virtual std::string Text() = 0;
    // Stores the text.
    virtual void SetText(const std::string& sValue) = 0;
    // The font face; "Arial" when new.
    virtual std::string FontName() = 0;
    // Stores the font face.
    virtual void SetFontName(const std::string& sValue) = 0;
    // The font size; 8 when new.
    virtual int32_t FontSize() = 0;
    // Stores the font size.
    virtual void SetFontSize(int32_t lValue) = 0;
    // Bold; False when new.
    virtual bool Bold() = 0;
    // Stores bold.
    virtual void SetBold(bool bValue) = 0;
    // Underlined; False when new.
    virtual bool Underline() = 0;
    // Stores underlined.
    virtual void SetUnderline(bool bValue) = 0;
    // The catalogue key of the field whose unit details apply; "" when new.
    virtual std::string ColumnName() = 0;
    // Stores the field key.
    virtual void SetColumnName(const std::string& sValue) = 0;
    // The grid type of that field ("Assets", "Ownership", "Annual"); "" when new.
    virtual std::string GridName() = 0;
    // Stores the grid type.
    virtual void SetGridName(const std::string& sValue) = 0;
    // The unit category of the labelled value; "" when new.
    virtual std::string Category() = 0;
    // Stores the unit category.
    virtual void SetCategory(const std::string& sValue) = 0;
    // The unit of the labelled value; "" when new.
    virtual std::string DefaultUnit() = 0;
    // Stores the unit.
    virtual void SetDefaultUnit(const std::string& sValue) = 0;
    // The heading written into the grid for the chart title; "" when new.
    virtual std::string SheetLabel() = 0;
    // Stores the heading.
    virtual void SetSheetLabel(const std::string& sValue) = 0;
    // The grid cell type name of the labelled value; "" when new.
    virtual std::string Type() = 0;
    // Stores the cell type name.
    virtual void SetType(const std::string& sValue) = 0;
    // The decimal places of the labelled value, kept as decimal text; 0 when new.
    virtual int32_t DecimalPlaces() = 0;
    // Stores the decimal places as decimal text.
    virtual void SetDecimalPlaces(int32_t lValue) = 0;
    // With ColumnName and GridName both set, copies Category and DefaultUnit from the field chooser's
    // field of the active query's asset type; else changes nothing; passes any error on (no active
    // query, no such field), the two values then staying as they were.
    virtual void ParseUnitDetails() = 0;
};

// The legend settings.
class IChartLegend : public virtual Object {
public:
    // The legend title with its font; Nothing when new.
    virtual Ref<IChartLabel> Title() = 0;
    // Stores the title label (Nothing is accepted).
    virtual void SetTitle(const Ref<IChartLabel>& oValue) = 0;
    // "North", "NorthEast", "East", ... "NorthWest"; "NorthEast" when new.
    virtual std::string Anchor() = 0;
    // Stores the anchor name.
    virtual void SetAnchor(const std::string& sValue) = 0;
    // "Horizontal" or "Vertical"; "Vertical" when new.
    virtual std::string Orientation() = 0;
    // Stores the orientation name.
    virtual void SetOrientation(const std::string& sValue) = 0;
    // True when the legend is shown; False when new.
    virtual bool Visible() = 0;
    // Stores the flag.
    virtual void SetVisible(bool bValue) = 0;
};

// One drawing style of a series.
class IChartStyle : public virtual Object {
public:
    // "BAR", "LINE" or "STACKED": the kind of series it applies to; "" when new.
    virtual std::string Type() = 0;
    // Stores the kind.
    virtual void SetType(const std::string& sValue) = 0;
    // The fill or line pattern code; "2" when new.
    virtual std::string Pattern() = 0;
    // Stores the pattern code.
    virtual void SetPattern(const std::string& sValue) = 0;
    // The line width; 1 when new.
    virtual int32_t Width() = 0;
    // Stores the line width.
    virtual void SetWidth(int32_t lValue) = 0;
    // The bar fill foreground or line colour number as decimal text; "" when new.
    virtual std::string ForegroundColour() = 0;
    // Stores the colour text.
    virtual void SetForegroundColour(const std::string& sValue) = 0;
    // The bar fill background colour number as decimal text; "" when new.
    virtual std::string BackgroundColour() = 0;
    // Stores the colour text.
    virtual void SetBackgroundColour(const std::string& sValue) = 0;
    // The point symbol code of a line; "2" when new.
    virtual std::string Shape() = 0;
    // Stores the symbol code.
    virtual void SetShape(const std::string& sValue) = 0;
    // The point symbol size; 6 when new.
    virtual int32_t ShapeSize() = 0;
    // Stores the symbol size.
    virtual void SetShapeSize(int32_t lValue) = 0;
    // The point symbol colour number as decimal text; "" when new.
    virtual std::string ShapeColour() = 0;
    // Stores the colour text.
    virtual void SetShapeColour(const std::string& sValue) = 0;
    // The bar cluster width; 50 when new.
    virtual int32_t ClusterWidth() = 0;
    // Stores the cluster width.
    virtual void SetClusterWidth(int32_t lValue) = 0;
};

// One axis of a series: the chart axis it drives, the result column it shows
// and how that column's values appear in the grid.
class IChartAxis : public virtual Object {
public:
    // "X", "Y" or "Y2"; "" when new.
    virtual std::string Name() = 0;
    // Stores the axis name.
    virtual void SetName(const std::string& sValue) = 0;
    // The axis title with its font; Nothing when new.
    virtual Ref<IChartLabel> Label() = 0;
    // Stores the title label (Nothing is accepted).
    virtual void SetLabel(const Ref<IChartLabel>& oValue) = 0;
    // The legend entry and grid heading of the axis's values; "" when new.
    virtual std::string LegendLabel() = 0;
    // Stores the legend entry.
    virtual void SetLegendLabel(const std::string& sValue) = 0;
    // The result column holding the axis's values; "" when new.
    virtual std::string FieldName() = 0;
    // Stores the column name.
    virtual void SetFieldName(const std::string& sValue) = 0;
    // The grid cell type name ("Number", "Currency", "Date", "Text"); "" when new.
    virtual std::string Type() = 0;
    // Stores the cell type name.
    virtual void SetType(const std::string& sValue) = 0;
    // The format pattern of text cells; "" when new.
    virtual std::string Format() = 0;
    // Stores the pattern.
    virtual void SetFormat(const std::string& sValue) = 0;
    // The decimal places of number cells; 0 when new.
    virtual int32_t DecimalPlaces() = 0;
    // Stores the decimal places.
    virtual void SetDecimalPlaces(int32_t lValue) = 0;
    // The tick spacing of the chart axis, 0 for the control's own; 0 when new.
    virtual int32_t TickSpacing() = 0;
    // Stores the tick spacing.
    virtual void SetTickSpacing(int32_t lValue) = 0;
    // The rotation of the point labels; 0 when new.
    virtual int32_t AnnotationRotationAngle() = 0;
    // Stores the rotation.
    virtual void SetAnnotationRotationAngle(int32_t lValue) = 0;
    // The spacing of the value labels of stacked charts; 0 when new.
    virtual int32_t AnnotationSpacing() = 0;
    // Stores the spacing.
    virtual void SetAnnotationSpacing(int32_t lValue) = 0;
    // Kept only; "" when new.
    virtual std::string ScalingFactor() = 0;
    // Stores the text.
    virtual void SetScalingFactor(const std::string& sValue) = 0;
    // The catalogue key of the field whose unit details apply; "" when new.
    virtual std::string ColumnName() = 0;
    // Stores the field key.
    virtual void SetColumnName(const std::string& sValue) = 0;
    // The grid type of that field; "" when new.
    virtual std::string GridName() = 0;
    // Stores the grid type.
    virtual void SetGridName(const std::string& sValue) = 0;
    // The unit category of the values, "" for no conversion; "" when new.
    virtual std::string Category() = 0;
    // Stores the unit category.
    virtual void SetCategory(const std::string& sValue) = 0;
    // The unit the values are shown in; "" when new.
    virtual std::string DefaultUnit() = 0;
    // Stores the unit.
    virtual void SetDefaultUnit(const std::string& sValue) = 0;
    // True when the chart axis is shown; True when new.
    virtual bool Visible() = 0;
    // Stores the flag.
    virtual void SetVisible(bool bValue) = 0;
    // The numbering method, kept as a 16-bit number and widened with its sign; 0 when new.
    virtual int32_t NumberingMethod() = 0;
    // Stores the numbering method.
    virtual void SetNumberingMethod(int16_t iValue) = 0;
    // As for a label: Category and DefaultUnit from the field chooser; passes any error on.
    virtual void ParseUnitDetails() = 0;
};

// The axis class's own interface.
class _CChartAxis : public virtual Object {
public:
    // The same value as IChartAxis::NumberingMethod.
    virtual int32_t IChartAxis_NumberingMethod() = 0;
};

// One series drawn from a query's result.
class IChartSeries : public virtual Object {
public:
    // "BAR", "LINE" or "STACKED"; "" when new.
    virtual std::string RenderMode() = 0;
    // Stores the render mode.
    virtual void SetRenderMode(const std::string& sValue) = 0;
    // The drawing order of the series' chart group; 0 when new.
    virtual int32_t DrawingOrder() = 0;
    // Stores the drawing order.
    virtual void SetDrawingOrder(int32_t lValue) = 0;
    // The result column holding a stacked series' category; "" when new.
    virtual std::string StackingCategory() = 0;
    // Stores the column name.
    virtual void SetStackingCategory(const std::string& sValue) = 0;
    // True when a stacked series is read down the result; kept as "True"/"False"; False when new.
    virtual bool VerticalPlot() = 0;
    // Stores the flag as "True" or "False".
    virtual void SetVerticalPlot(bool bValue) = 0;
    // The styles (IChartStyle under "ID_0", "ID_1", ...); Nothing when new.
    virtual Ref<cvCollection> ChartStyles() = 0;
    // Stores the style collection (Nothing is accepted).
    virtual void SetChartStyles(const Ref<cvCollection>& oValue) = 0;
    // The axes (IChartAxis under their names); a new empty collection when new.
    virtual Ref<cvCollection> Axes() = 0;
    // Stores the axis collection.
    virtual void SetAxes(const Ref<cvCollection>& oValue) = 0;
};

// One query of a chart.
class IChartQuery : public virtual Object {
public:
    // The query's name, its key in IChart::Queries; "" when new.
    virtual std::string Name() = 0;
    // Stores the name.
    virtual void SetName(const std::string& sValue) = 0;
    // The statement; every "ASSET_CODE" in it stands for the asset codes; "" when new.
    virtual std::string SQL() = 0;
    // Stores the statement.
    virtual void SetSQL(const std::string& sValue) = 0;
    // The series (IChartSeries under "Series_0", "Series_1", ...); a new empty collection when new.
    virtual Ref<cvCollection> Series() = 0;
    // Stores the series collection.
    virtual void SetSeries(const Ref<cvCollection>& oValue) = 0;
};

// One chart.
class IChart : public virtual Object {
public:
    // The title label; Nothing when new.
    virtual Ref<IChartLabel> Title() = 0;
    // Stores the title label (Nothing is accepted).
    virtual void SetTitle(const Ref<IChartLabel>& oValue) = 0;
    // The footer label; Nothing when new.
    virtual Ref<IChartLabel> Footer() = 0;
    // Stores the footer label (Nothing is accepted).
    virtual void SetFooter(const Ref<IChartLabel>& oValue) = 0;
    // The legend settings; Nothing when new.
    virtual Ref<IChartLegend> Legend() = 0;
    // Stores the legend (Nothing is accepted).
    virtual void SetLegend(const Ref<IChartLegend>& oValue) = 0;
    // True when the chart is drawn horizontally; False when new.
    virtual bool IsHorizontal() = 0;
    // Stores the flag.
    virtual void SetIsHorizontal(bool bValue) = 0;
    // The count beyond which rendering reports False, 0 for none; 0 when new.
    virtual int32_t SeriesLimit() = 0;
    // Stores the limit.
    virtual void SetSeriesLimit(int32_t lValue) = 0;
    // The most legend entries shown, 0 for no limit; 0 when new.
    virtual int32_t LegendLimit() = 0;
    // Stores the limit.
    virtual void SetLegendLimit(int32_t lValue) = 0;
    // True when stacked series are grouped by the chart's rule; False when new.
    virtual bool TerralithRule() = 0;
    // Stores the flag.
    virtual void SetTerralithRule(bool bValue) = 0;
    // The rule's column whose values are the points; "" when new.
    virtual std::string TerralithRuleSeries() = 0;
    // Stores the column name.
    virtual void SetTerralithRuleSeries(const std::string& sValue) = 0;
    // The rule's column whose values are the stacked rows, "" for the value columns; "" when new.
    virtual std::string TerralithRuleStackingCategory() = 0;
    // Stores the column name.
    virtual void SetTerralithRuleStackingCategory(const std::string& sValue) = 0;
    // The rule's summed columns, separated by ","; "" when new.
    virtual std::string TerralithRuleValue() = 0;
    // Stores the column list.
    virtual void SetTerralithRuleValue(const std::string& sValue) = 0;
    // True when the rule orders the points by "ColumnOrder"; False when new.
    virtual bool TerralithRuleSortData() = 0;
    // Stores the flag.
    virtual void SetTerralithRuleSortData(bool bValue) = 0;
    // The queries (IChartQuery under their names); a new empty collection when new.
    virtual Ref<cvCollection> Queries() = 0;
    // Stores the query collection.
    virtual void SetQueries(const Ref<cvCollection>& oValue) = 0;
    // The series colours (the manifest's own collection once loaded); a new empty collection when new.
    virtual Ref<cvCollection> SeriesColours() = 0;
    // Stores the colour collection.
    virtual void SetSeriesColours(const Ref<cvCollection>& oValue) = 0;
    // Kept only; a new empty collection when new.
    virtual Ref<cvCollection> FieldDefinitions() = 0;
    // Stores the collection.
    virtual void SetFieldDefinitions(const Ref<cvCollection>& oValue) = 0;
    // Draws the chart for the asset codes into the chart control and the data grid; True when every
    // query gave data within the limits; shows any error itself and returns False.
    virtual bool Render(const Ref<ISpreadsheetGrid>& sprData, const Ref<IChartControl>& chChart,
                        const std::string& sAssetCodes) = 0;
};

// The chart class's own interface.
class _CChart : public virtual Object {
public:
    // True when the record set has a column of that name, compared in upper case; passes any error on.
    virtual bool FieldExists(const Ref<ADODB::Recordset>& rs, const std::string& sFieldName) = 0;
};
