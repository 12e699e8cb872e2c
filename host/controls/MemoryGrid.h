#pragma once
// An in-memory spreadsheet grid: cells with their values, types, number
// settings and fonts, the grid's size, frozen rows and columns and column
// widths, kept for tests to read.  A cell shows its value as its type says:
// a number cell with its decimal places (and thousands separators when
// asked), a currency cell with two, a date cell as "YYYY-MM-DD", any other as
// text.  The grid writes itself as CSV (RFC 4180) or as an aligned table.
//
// Storage.  The cells are kept by column: an ordered map of the columns that
// hold a cell, each a hash table of its cells by row that knows a row below
// which it holds none.  So every step costs what it touches: finding a cell
// is a look-up among the columns and one in its column (and the current cell
// is kept at hand, since the chart sets its type, format and font one call at
// a time); a size that holds the last row and column held touches no cell; a
// smaller one cuts the columns beyond it off the end of the map and takes
// from each column holding rows beyond it the cells of the rows it drops,
// each looked up by its row, or in one pass over the column where that holds
// fewer cells than the rows dropped (a pass over every such column made 100
// one-row shrinks of two columns of 100,000 rows take 103 ms, of 1,000,000
// rows 3 s; about 0.01 ms at either size now, bench/ControlsBench);
// measuring a column reads that column's cells alone, and writes the text of
// only those numbers that could be wider than the widest so far.  The charts
// size the grid for every axis they write and measure every column, and each
// value axis has a column of its own, so one map of every cell by row and
// column made a plain chart quadratic in its series: every sizing walked all
// cells to erase those beyond it, and every column's width walked them
// again.  The console host drawing a line chart of a query per series over 81 years
// (byte-identical pictures and grids either way):
//                                      100 series   1,000   2,000   5,000
//   one map of every cell (before)       0.19 s     43 s    187 s   1,235 s
//   by column (this)                     0.12 s     0.76 s  1.50 s  3.49 s
// and bench/ChartBench's plain chart of two queries of 50,000 points went
// from 44 to about 5 times the engine's statements.
// The cells are not kept in a dense array: a plain chart whose queries have
// X values of their own fills each column only at its query's points, so
// 1,000 queries of 100 points each would make 100,000 rows of 1,000 columns,
// a thousandth of them used.  A column is a hash table rather than a vector
// sorted by row because a later query's values come in its record order,
// which its X values place anywhere among the rows before: a sorted vector
// would move half its cells for each.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "interfaces/ChartControls.h"
#include "platform/runtime/AtomicWrite.h"

struct GridCell {
    Variant value;
    int32_t cellType = 5;
    bool dateCentury = false;
    int32_t dateFormat = 0;
    int32_t hAlign = 0;
    int32_t vAlign = 0;
    bool wordWrap = false;
    bool currencyShowSep = false;
    bool currencySymbol = true;
    int32_t currencyLeadingZero = 0;
    bool numberShowSep = false;
    int32_t numberLeadingZero = 0;
    int32_t numberDecPlaces = 2;
    std::string fontName = "Arial";
    int32_t fontSize = 8;
    bool bold = false;
};

class MemoryGrid final : public ISpreadsheetGrid {
public:
    explicit MemoryGrid(std::string sName = "Grid1");

    std::string Name() override { return name_; }
    int32_t MaxCols() override { return maxCols_; }
    void SetMaxCols(int32_t lCount) override;
    int32_t MaxRows() override { return maxRows_; }
    void SetMaxRows(int32_t lCount) override;
    void SetCol(int32_t lCol) override;
    void SetRow(int32_t lRow) override;
    void SetCellType(int32_t lType) override { Current().cellType = lType; }
    void SetTypeDateCentury(bool bCentury) override { Current().dateCentury = bCentury; }
    void SetTypeDateFormat(int32_t lFormat) override { Current().dateFormat = lFormat; }
    void SetTypeHAlign(int32_t lAlign) override { Current().hAlign = lAlign; }
    void SetTypeVAlign(int32_t lAlign) override { Current().vAlign = lAlign; }
    void SetTypeTextWordWrap(bool bWrap) override { Current().wordWrap = bWrap; }
    void SetTypeCurrencyShowSep(bool bShow) override { Current().currencyShowSep = bShow; }
    void SetTypeCurrencySymbol(bool bShow) override { Current().currencySymbol = bShow; }
    void SetTypeCurrencyLeadingZero(int32_t lCode) override { Current().currencyLeadingZero = lCode; }
    void SetTypeNumberShowSep(bool bShow) override { Current().numberShowSep = bShow; }
    void SetTypeNumberLeadingZero(int32_t lCode) override { Current().numberLeadingZero = lCode; }
    void SetTypeNumberDecPlaces(int32_t lPlaces) override { Current().numberDecPlaces = lPlaces; }
    Ref<IGridFont> Font() override { return font_; }
    void SetText(int32_t lCol, int32_t lRow, const Variant& vValue) override;
    void InsertRows(int32_t lRow, int32_t lCount) override;
    void SetAutoSize(bool bAutoSize) override { autoSize_ = bAutoSize; }
    double MaxTextColWidth(int32_t lCol) override;
    void SetColWidth(int32_t lCol, double dWidth) override;
    void SetColsFrozen(int32_t lCount) override { colsFrozen_ = lCount; }
    void SetRowsFrozen(int32_t lCount) override { rowsFrozen_ = lCount; }

    // ---- what tests and hosts read

    // The cell, or nullptr when nothing was ever set on it (or it was dropped).
    const GridCell* Cell(int32_t lCol, int32_t lRow) const;
    // What the cell shows; "" for a cell without a value.
    std::string Text(int32_t lCol, int32_t lRow) const;
    int32_t Col() const { return col_; }
    int32_t Row() const { return row_; }
    bool AutoSize() const { return autoSize_; }
    int32_t ColsFrozen() const { return colsFrozen_; }
    int32_t RowsFrozen() const { return rowsFrozen_; }
    // The width set for the column; 0 when none was.
    double ColWidth(int32_t lCol) const;
    // Makes MaxTextColWidth answer dWidth for the column, as a real grid
    // measuring its fonts would.
    void SetMeasuredWidth(int32_t lCol, double dWidth) { measured_[lCol] = dWidth; }
    // The used part of the grid (up to the last row and column that show
    // something) as CSV: fields quoted where they hold ",", a quote or a line
    // break, quotes doubled, lines ended by CR LF.
    std::string Csv() const;
    // The used part as lines of columns padded to their widest text, joined by " | ".
    std::string Table() const;
    // Writes Csv as the file, whole or not at all, replacing a file there only when `existing`
    // says so; raises as WriteFileAtomically does (58 there already, 75 not a regular file, ...).
    void SaveCsv(const std::string& sFile, ExistingFile existing) const;

    std::string TypeName() const override { return "MemoryGrid"; }

private:
    class CurrentFont;
    // The cells of one column.
    struct Column {
        std::unordered_map<int32_t, GridCell> cells;  // by row
        int32_t lastRow = 0;                          // no cell lies below it
    };
    // The current cell, made when nothing was set on it yet; the grid grows to hold it.
    GridCell& Current();
    // The cell, made when nothing was set on it yet; the grid grows to hold it.
    GridCell& At(int32_t lCol, int32_t lRow);
    void Grow(int32_t lCol, int32_t lRow);
    std::pair<int32_t, int32_t> UsedExtent() const;
    // The used part, with its columns at hand for reading it cell by cell.
    struct UsedPart {
        int32_t cols = 0, rows = 0;
        std::vector<const Column*> columns;  // 1 to cols; nullptr for one without cells
        // What the cell shows, as MemoryGrid::Text.
        std::string Text(int32_t lCol, int32_t lRow) const;
    };
    UsedPart Used() const;

    std::string name_;
    std::map<int32_t, Column> columns_;  // by number; only columns that hold a cell
    int32_t lastRow_ = 0;                // no cell of any column lies below it
    int32_t maxCols_ = 0, maxRows_ = 0;
    int32_t col_ = 1, row_ = 1;
    // The cell at (col_, row_) once Current has made it; nullptr whenever
    // it may have moved or gone (another cell made current, the grid resized,
    // rows inserted).  The hash tables never move a cell they keep.
    GridCell* current_ = nullptr;
    bool autoSize_ = false;
    int32_t colsFrozen_ = 0, rowsFrozen_ = 0;
    std::map<int32_t, double> colWidths_, measured_;
    std::shared_ptr<IGridFont> font_;
};
