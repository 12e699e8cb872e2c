// The in-memory spreadsheet grid: cells shown by their types, rows moved
// down, widths measured, and the grid written as CSV.
#include <gtest/gtest.h>

#include "host/controls/MemoryGrid.h"
#include "platform/runtime/Text.h"
#include "support/ErrorAssert.h"

namespace {
// Writes a cell the way the chart code does: current cell, type, value, font.
void Put(ISpreadsheetGrid& grid, int32_t col, int32_t row, int32_t type, const Variant& value) {
    grid.SetCol(col);
    grid.SetRow(row);
    grid.SetCellType(type);
    grid.SetText(col, row, value);
}
}  // namespace

TEST(MemoryGrid, CellsShowTheirValuesAsTheirTypesSay) {
    MemoryGrid grid;
    Put(grid, 1, 1, 13, Variant(1234.5));
    grid.SetTypeNumberDecPlaces(2);
    grid.SetTypeNumberShowSep(true);
    Put(grid, 2, 1, 13, Variant("-0.004"));
    grid.SetTypeNumberDecPlaces(2);
    Put(grid, 3, 1, 13, Variant(2.675));
    grid.SetTypeNumberDecPlaces(1);
    Put(grid, 4, 1, 12, Variant::Currency(123456789));
    grid.SetTypeCurrencyShowSep(true);
    Put(grid, 5, 1, 0, Variant::Date(DateSerial(2003, 7, 1)));
    grid.SetTypeDateCentury(true);
    Put(grid, 6, 1, 5, Variant(3.25));
    Put(grid, 7, 1, 13, Variant::Null());
    Put(grid, 8, 1, 13, Variant("n/a"));
    EXPECT_EQ(grid.Text(1, 1), "1,234.50");
    EXPECT_EQ(grid.Text(2, 1), "0.00") << "no minus before a zero";
    EXPECT_EQ(grid.Text(3, 1), "2.7");
    EXPECT_EQ(grid.Text(4, 1), "12,345.68");
    EXPECT_EQ(grid.Text(5, 1), "2003-07-01");
    EXPECT_EQ(grid.Text(6, 1), "3.25");
    EXPECT_EQ(grid.Text(7, 1), "");
    EXPECT_EQ(grid.Text(8, 1), "n/a");
    grid.Font()->SetBold(true);
    grid.Font()->SetSize(9);
    EXPECT_TRUE(grid.Cell(8, 1)->bold) << "the font acts on the current cell";
    EXPECT_FALSE(grid.Cell(7, 1)->bold);
    EXPECT_EQ(grid.MaxCols(), 8);
    EXPECT_EQ(grid.MaxRows(), 1);
    EXPECT_RAISES(381, grid.SetText(0, 1, Variant(1)));
    EXPECT_RAISES(381, grid.SetCol(0));
}

TEST(MemoryGrid, InsertedRowsMoveTheCellsDownAndGrowTheGrid) {
    MemoryGrid grid;
    grid.SetMaxRows(10);
    grid.SetMaxCols(50);
    for (int32_t r = 1; r <= 10; ++r) grid.SetText(1, r, Variant("row " + std::to_string(r)));
    grid.InsertRows(1, 2);
    EXPECT_EQ(grid.MaxRows(), 12);
    EXPECT_EQ(grid.Text(1, 1), "");
    EXPECT_EQ(grid.Text(1, 3), "row 1");
    EXPECT_EQ(grid.Text(1, 12), "row 10") << "nothing falls off the end";
    grid.SetMaxRows(11);
    EXPECT_EQ(grid.Text(1, 12), "") << "a smaller grid drops the rows beyond";
    EXPECT_EQ(grid.Text(1, 11), "row 9");
    grid.SetMaxRows(3);
    EXPECT_EQ(grid.Text(1, 4), "") << "and so does the next smaller size";
    EXPECT_EQ(grid.Text(1, 3), "row 1");
    EXPECT_EQ(grid.Text(1, 11), "") << "nor does a row the size before kept";
    grid.SetText(2, 3, Variant("col 2"));
    grid.SetText(3, 3, Variant("col 3"));
    grid.SetMaxCols(2);
    EXPECT_EQ(grid.Text(3, 3), "") << "a smaller grid drops the columns beyond";
    EXPECT_EQ(grid.Text(2, 3), "col 2") << "and keeps its last column";
    grid.SetMaxCols(0);
    EXPECT_EQ(grid.Text(1, 3), "");

    // The current cell is the one at its place when it is set: rows inserted
    // or a size that drops it leave a new cell there.
    MemoryGrid current;
    Put(current, 2, 1, 5, Variant("moved"));
    current.InsertRows(1, 1);
    current.Font()->SetBold(true);
    ASSERT_NE(current.Cell(2, 1), nullptr);
    EXPECT_TRUE(current.Cell(2, 1)->bold);
    EXPECT_FALSE(current.Cell(2, 2)->bold) << "the moved cell keeps its font";
    Put(current, 3, 8, 5, Variant("dropped"));
    current.Font()->SetBold(true);
    current.SetMaxRows(5);
    EXPECT_EQ(current.Cell(3, 8), nullptr);
    current.Font()->SetSize(12);
    ASSERT_NE(current.Cell(3, 8), nullptr);
    EXPECT_FALSE(current.Cell(3, 8)->bold) << "made anew";
    EXPECT_EQ(current.MaxRows(), 8) << "the grid grows to hold it again";
    Put(current, 4, 2, 5, Variant("gone"));
    current.SetMaxCols(3);
    current.Font()->SetSize(14);
    ASSERT_NE(current.Cell(4, 2), nullptr);
    EXPECT_EQ(current.Text(4, 2), "");
    EXPECT_EQ(current.MaxCols(), 4);
}

TEST(MemoryGrid, WidthsCountCharactersOfTheCellsFont) {
    MemoryGrid grid;
    Put(grid, 2, 1, 5, Variant("abcd"));
    Put(grid, 2, 2, 5, Variant("Ölfeld"));
    grid.Font()->SetSize(16);
    EXPECT_DOUBLE_EQ(grid.MaxTextColWidth(2), 12.0) << "six characters at twice the size";
    EXPECT_DOUBLE_EQ(grid.MaxTextColWidth(3), 0.0);
    // A number's width counts its sign, its separators and a digit that
    // rounding carries into, whichever cell of the column comes first.
    struct Pair {
        double wide, narrow;
        int32_t places;
        bool separators;
        double width;
    };
    int32_t col = 10;
    for (const Pair& p : {Pair{99.6, 12, 0, false, 3}, Pair{-12, 12, 0, false, 3},
                          Pair{1234, 9999, 0, true, 5}, Pair{9.96, 1.25, 1, false, 4}}) {
        for (const bool wideFirst : {true, false}) {
            ++col;
            for (int32_t row = 1; row <= 2; ++row) {
                Put(grid, col, row, 13, Variant((row == 1) == wideFirst ? p.wide : p.narrow));
                grid.SetTypeNumberDecPlaces(p.places);
                grid.SetTypeNumberShowSep(p.separators && (row == 1) == wideFirst);
            }
            EXPECT_DOUBLE_EQ(grid.MaxTextColWidth(col), p.width)
                << grid.Text(col, 1) << " and " << grid.Text(col, 2);
        }
    }
    grid.SetMeasuredWidth(2, 57.5);
    EXPECT_DOUBLE_EQ(grid.MaxTextColWidth(2), 57.5);
    grid.SetColWidth(2, 58);
    EXPECT_DOUBLE_EQ(grid.ColWidth(2), 58);
}

TEST(MemoryGrid, CsvQuotesWhatNeedsItAndCoversTheUsedPart) {
    MemoryGrid grid;
    grid.SetMaxRows(10);
    grid.SetMaxCols(50);
    grid.SetText(1, 1, Variant("Field, name"));
    grid.SetText(2, 1, Variant("He said \"oil\""));
    grid.SetText(3, 1, Variant("two\nlines"));
    grid.SetText(1, 2, Variant("Harrier"));
    grid.SetText(3, 3, Variant(2.5));
    grid.SetText(5, 8, Variant::Null());
    EXPECT_EQ(grid.Csv(),
              "\"Field, name\",\"He said \"\"oil\"\"\",\"two\nlines\"\r\n"
              "Harrier,,\r\n"
              ",,2.5\r\n");
    grid.SetText(3, 1, Variant("Oil"));
    EXPECT_EQ(grid.Table(),
              "Field, name | He said \"oil\" | Oil\n"
              "Harrier\n"
              "            |               | 2.5\n");
}
