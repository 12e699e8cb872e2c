#pragma once
// The host's chart control and spreadsheet grid, as the charts drive them: a
// chart group per chart query with its data, legend entries, point labels
// and style slots; the chart area with its axes; header, footer and legend;
// and the grid's cells, types, fonts and sizes.  Positions are 1-based.  A
// control refuses an index it does not have with 381 (invalid property array
// index); every other member cannot fail.
//
// Codes, as these controls read them:
//   chart type        1 line, 2 bar, 4 stacked bar
//   annotation        0 values, 1 point labels, 2 value labels
//   fill pattern      1 none, 2 solid, 3 and up hatched
//   line pattern      1 none, 2 solid, 3 dashed, 4 dotted, 5 dash-dot
//   symbol shape      1 none, 2 dot, 3 box, 4 triangle, 5 diamond, 6 cross
//   title rotation    0 or 1 none, 2 turned a quarter left, 3 a quarter right
//   numbering method  2 ticks at whole powers of ten only, else steps of 1, 2 or 5
//   legend anchor     16 N, 17 NE, 1 E, 33 SE, 32 S, 34 SW, 2 W, 18 NW
//   orientation       1 vertical, 2 horizontal
//   border type       1 none, any other a plain line
//   cell type         0 date, 5 text, 12 currency, 13 number
//   colours           red + 256 * green + 65536 * blue
#include <cstdint>
#include <string>

#include "interfaces/HostControls.h"
#include "platform/runtime/Variant.h"

// The font of a chart text.
class IChartFont : public virtual Object {
public:
    // Sets the face.
    virtual void SetName(const std::string& sName) = 0;
    // Sets the size in points.
    virtual void SetSize(int32_t lSize) = 0;
    // Sets bold.
    virtual void SetBold(bool bBold) = 0;
    // Sets underlined.
    virtual void SetUnderline(bool bUnderline) = 0;
};

// The values of a chart group: series by points.
class IChartData : public virtual Object {
public:
    // Sets whether changes are gathered before the group is drawn again.
    virtual void SetIsBatched(bool bBatched) = 0;
    // The number of series.
    virtual int32_t NumSeries() = 0;
    // Sets the number of series (values of series beyond it are dropped; 381 below 0).
    virtual void SetNumSeries(int32_t lCount) = 0;
    // The number of points of a series; 381 outside 1..NumSeries.
    virtual int32_t NumPoints(int32_t lSeries) = 0;
    // Sets the number of points of a series; 381 outside 1..NumSeries or for a count below 0.
    virtual void SetNumPoints(int32_t lSeries, int32_t lCount) = 0;
    // Sets the x value of a point (any value; the control converts it); 381 outside the series and points.
    virtual void SetX(int32_t lSeries, int32_t lPoint, const Variant& vValue) = 0;
    // Sets the y value of a point: a number, or text read as a number; Null, Empty or other text leave
    // the point without a value; 381 outside 1..NumSeries and 1..NumPoints.
    virtual void SetY(int32_t lSeries, int32_t lPoint, const Variant& vValue) = 0;
};

// A list of texts: the legend entries of a group.
class IChartTextList : public virtual Object {
public:
    // Appends the value's text (Null and Empty as "").
    virtual void Add(const Variant& vText) = 0;
    // Empties the list.
    virtual void RemoveAll() = 0;
};

// A list of values: the series fields or point labels of a group.
class IChartValueList : public virtual Object {
public:
    // Appends the value.
    virtual void Add(const Variant& vValue) = 0;
};

// The colours of a fill.
class IChartInterior : public virtual Object {
public:
    // Sets the foreground colour.
    virtual void SetForegroundColor(int32_t lColour) = 0;
    // Sets the background colour.
    virtual void SetBackgroundColor(int32_t lColour) = 0;
};

// The fill of a bar.
class IChartFill : public virtual Object {
public:
    // Sets the fill pattern code.
    virtual void SetPattern(int32_t lPattern) = 0;
    // The fill's colours.
    virtual Ref<IChartInterior> Interior() = 0;
};

// The line of a line series.
class IChartLine : public virtual Object {
public:
    // Sets the line pattern code.
    virtual void SetPattern(int32_t lPattern) = 0;
    // Sets the line colour.
    virtual void SetColor(int32_t lColour) = 0;
    // Sets the line width.
    virtual void SetWidth(int32_t lWidth) = 0;
};

// The point symbol of a line series.
class IChartSymbol : public virtual Object {
public:
    // Sets the symbol shape code.
    virtual void SetShape(int32_t lShape) = 0;
    // Sets the symbol size.
    virtual void SetSize(int32_t lSize) = 0;
    // Sets the symbol colour.
    virtual void SetColor(int32_t lColour) = 0;
};

// The style of one series of a group.
class IChartStyleSlot : public virtual Object {
public:
    // Its fill.
    virtual Ref<IChartFill> Fill() = 0;
    // Its line.
    virtual Ref<IChartLine> Line() = 0;
    // Its point symbol.
    virtual Ref<IChartSymbol> Symbol() = 0;
};

// The style slots of a group.
class IChartStyles : public virtual Object {
public:
    // The number of slots: the group's NumSeries, or more once a higher slot was reached.
    virtual int32_t Count() = 0;
    // The slot; a slot beyond Count is made; 381 below 1.
    virtual Ref<IChartStyleSlot> Item(int32_t lIndex) = 0;
};

// One chart group: the drawing of one chart query.
class IChartGroup : public virtual Object {
public:
    // Sets the chart type code.
    virtual void SetChartType(int32_t lType) = 0;
    // Sets the drawing order (lower first).
    virtual void SetDrawingOrder(int32_t lOrder) = 0;
    // The group's values.
    virtual Ref<IChartData> Data() = 0;
    // The group's legend entries.
    virtual Ref<IChartTextList> SeriesLabels() = 0;
    // The group's series fields.
    virtual Ref<IChartValueList> SeriesFields() = 0;
    // The group's point labels.
    virtual Ref<IChartValueList> PointLabels() = 0;
    // The group's style slots.
    virtual Ref<IChartStyles> Styles() = 0;
};

// Labels at chosen positions of an axis.
class IChartValueLabels : public virtual Object {
public:
    // Puts the text's label at the position (a number); a label at the same position is replaced.
    virtual void Add(const Variant& vPosition, const Variant& vText) = 0;
};

// The number format of axis labels.
class IChartNumberFormat : public virtual Object {
public:
    // Sets the decimal places of the labels.
    virtual void SetDecimalPlaces(int32_t lPlaces) = 0;
    // Sets whether thousands are separated.
    virtual void SetUseSeparators(bool bUse) = 0;
};

// The label format of an axis.
class IChartLabelFormat : public virtual Object {
public:
    // Its number format.
    virtual Ref<IChartNumberFormat> Number() = 0;
};

// One axis of the chart area.
class IChartAxisControl : public virtual Object {
public:
    // Sets whether the axis is shown.
    virtual void SetIsShowing(bool bShowing) = 0;
    // Sets the annotation code.
    virtual void SetAnnotationMethod(int32_t lMethod) = 0;
    // Sets the rotation of the labels in degrees.
    virtual void SetAnnotationRotationAngle(int32_t lAngle) = 0;
    // The value labels.
    virtual Ref<IChartValueLabels> ValueLabels() = 0;
    // The font of the labels.
    virtual Ref<IChartFont> Font() = 0;
    // The font of the title.
    virtual Ref<IChartFont> TitleFont() = 0;
    // Sets the title.
    virtual void SetTitle(const std::string& sTitle) = 0;
    // Sets the title rotation code.
    virtual void SetTitleRotation(int32_t lRotation) = 0;
    // The label format.
    virtual Ref<IChartLabelFormat> LabelFormat() = 0;
    // Sets the numbering method code.
    virtual void SetNumMethod(int32_t lMethod) = 0;
    // Sets the distance between ticks (0 or less: the control's own).
    virtual void SetTickSpacing(int32_t lSpacing) = 0;
};

// The bars of the chart area.
class IChartBar : public virtual Object {
public:
    // Sets the width of a cluster of bars in percent of its room.
    virtual void SetClusterWidth(int32_t lWidth) = 0;
};

// The plotting area.
class IChartArea : public virtual Object {
public:
    // Sets whether categories run down instead of across.
    virtual void SetIsHorizontal(bool bHorizontal) = 0;
    // The bar settings.
    virtual Ref<IChartBar> Bar() = 0;
    // The axis "X", "Y" or "Y2"; 381 for any other name.
    virtual Ref<IChartAxisControl> Axes(const std::string& sName) = 0;
};

// Where a text sits.
class IChartLocation : public virtual Object {
public:
    // Sets the distance from the left edge.
    virtual void SetLeft(int32_t lLeft) = 0;
};

// The header or the footer.
class IChartTitle : public virtual Object {
public:
    // Sets whether it is shown.
    virtual void SetIsShowing(bool bShowing) = 0;
    // Sets its text.
    virtual void SetText(const std::string& sText) = 0;
    // Its font.
    virtual Ref<IChartFont> Font() = 0;
    // Its place.
    virtual Ref<IChartLocation> Location() = 0;
};

// The border of the legend.
class IChartBorder : public virtual Object {
public:
    // Sets the border type code.
    virtual void SetType(int32_t lType) = 0;
    // Sets the border width.
    virtual void SetWidth(int32_t lWidth) = 0;
};

// The legend: the groups' legend entries, with a title.
class IChartLegendArea : public virtual Object {
public:
    // Sets whether it is shown.
    virtual void SetIsShowing(bool bShowing) = 0;
    // Sets its title.
    virtual void SetText(const std::string& sText) = 0;
    // Its font.
    virtual Ref<IChartFont> Font() = 0;
    // Its border.
    virtual Ref<IChartBorder> Border() = 0;
    // Sets the anchor code.
    virtual void SetAnchor(int32_t lAnchor) = 0;
    // Sets the orientation code.
    virtual void SetOrientation(int32_t lOrientation) = 0;
};

// The chart control.
class IChartControl : public virtual IHostControl {
public:
    // The chart group; groups up to it are made as needed; 381 below 1.
    virtual Ref<IChartGroup> ChartGroups(int32_t lGroup) = 0;
    // The plotting area.
    virtual Ref<IChartArea> ChartArea() = 0;
    // The header.
    virtual Ref<IChartTitle> Header() = 0;
    // The footer.
    virtual Ref<IChartTitle> Footer() = 0;
    // The legend.
    virtual Ref<IChartLegendArea> Legend() = 0;
};

// The font of the grid's current cell.
class IGridFont : public virtual Object {
public:
    // Sets the current cell's face.
    virtual void SetName(const std::string& sName) = 0;
    // Sets the current cell's size in points.
    virtual void SetSize(int32_t lSize) = 0;
    // Sets the current cell's bold.
    virtual void SetBold(bool bBold) = 0;
};

// The spreadsheet grid beside the chart.  The current cell is chosen with
// SetCol and SetRow; the Type members, CellType and Font act on it.
class ISpreadsheetGrid : public virtual IHostControl {
public:
    // The number of columns.
    virtual int32_t MaxCols() = 0;
    // Sets the number of columns (cells beyond it are dropped; 381 below 0).
    virtual void SetMaxCols(int32_t lCount) = 0;
    // The number of rows.
    virtual int32_t MaxRows() = 0;
    // Sets the number of rows (cells beyond it are dropped; 381 below 0).
    virtual void SetMaxRows(int32_t lCount) = 0;
    // Makes the column current; 381 below 1.
    virtual void SetCol(int32_t lCol) = 0;
    // Makes the row current; 381 below 1.
    virtual void SetRow(int32_t lRow) = 0;
    // Sets the current cell's type code.
    virtual void SetCellType(int32_t lType) = 0;
    // Sets whether a date cell shows four-digit years.
    virtual void SetTypeDateCentury(bool bCentury) = 0;
    // Sets a date cell's format code.
    virtual void SetTypeDateFormat(int32_t lFormat) = 0;
    // Sets the current cell's horizontal alignment (0 left, 1 right, 2 centre).
    virtual void SetTypeHAlign(int32_t lAlign) = 0;
    // Sets the current cell's vertical alignment (0 top, 1 bottom, 2 centre).
    virtual void SetTypeVAlign(int32_t lAlign) = 0;
    // Sets whether a text cell wraps its text.
    virtual void SetTypeTextWordWrap(bool bWrap) = 0;
    // Sets whether a currency cell separates thousands.
    virtual void SetTypeCurrencyShowSep(bool bShow) = 0;
    // Sets whether a currency cell shows its symbol.
    virtual void SetTypeCurrencySymbol(bool bShow) = 0;
    // Sets a currency cell's leading-zero code.
    virtual void SetTypeCurrencyLeadingZero(int32_t lCode) = 0;
    // Sets whether a number cell separates thousands.
    virtual void SetTypeNumberShowSep(bool bShow) = 0;
    // Sets a number cell's leading-zero code.
    virtual void SetTypeNumberLeadingZero(int32_t lCode) = 0;
    // Sets a number cell's decimal places.
    virtual void SetTypeNumberDecPlaces(int32_t lPlaces) = 0;
    // The current cell's font.
    virtual Ref<IGridFont> Font() = 0;
    // Writes a cell's value (any value; Null and Empty leave it blank); the grid grows to hold the
    // cell; 381 below column or row 1.
    virtual void SetText(int32_t lCol, int32_t lRow, const Variant& vValue) = 0;
    // Inserts empty rows before the row, moving the rows from there down; the grid grows by the count;
    // 381 for a row below 1 or a count below 0.
    virtual void InsertRows(int32_t lRow, int32_t lCount) = 0;
    // Sets whether rows and columns fit their texts.
    virtual void SetAutoSize(bool bAutoSize) = 0;
    // The width of the widest text of the column, in the grid's width units; 381 below 1.
    virtual double MaxTextColWidth(int32_t lCol) = 0;
    // Sets the column's width; 381 below 1.
    virtual void SetColWidth(int32_t lCol, double dWidth) = 0;
    // Sets the number of columns that stay in view.
    virtual void SetColsFrozen(int32_t lCount) = 0;
    // Sets the number of rows that stay in view.
    virtual void SetRowsFrozen(int32_t lCount) = 0;
};
