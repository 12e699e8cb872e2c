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

// Writes the heading and the rows; a row shorter than the heading is filled
// with empty cells.  Aligned: each column as wide as its widest cell, two
// blanks between columns, no trailing blanks.  CSV: cells joined by ",", a
// cell holding a comma, a quote or a line break put in quotes with its
// quotes doubled, lines ended by CR LF.
void PrintTable(std::ostream& out, const TableRow& heading, const std::vector<TableRow>& rows, bool aligned);

}  // namespace host
