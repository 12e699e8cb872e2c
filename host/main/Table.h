#pragma once
// Results as a table: aligned columns under a heading for a person at a
// terminal, CSV (RFC 4180) with a heading row for a program reading a pipe
// or a file.
#include <ostream>
#include <string>
#include <vector>

namespace host {

using TableRow = std::vector<std::string>;

// True when standard output is a terminal.
bool ResultsOnTerminal();

// Writes a result that is not a table (a value, a record, a statement) and a
// line break: as it is for a program, with its control characters shown as
// escapes (lines kept) when standard output is a terminal.
void PrintText(std::ostream& out, const std::string& text);

// Writes the heading and the rows; a row shorter than the heading is filled
// with empty cells.  Aligned (for a person to read): each cell on one line,
// its control characters shown as escapes (VisibleText), each column as wide
// as its widest cell so shown, two blanks between columns, no trailing
// blanks.  CSV (for a program): the cells as they are, joined by ",", a
// cell holding a comma, a quote or a line break put in quotes with its
// quotes doubled, lines ended by CR LF; on a terminal each cell's control
// characters but its line feeds are shown as escapes (VisibleText) first.
void PrintTable(std::ostream& out, const TableRow& heading, const std::vector<TableRow>& rows, bool aligned);

}  // namespace host
