#include "Table.h"

#include <unistd.h>

#include <algorithm>

#include "platform/runtime/Text.h"

namespace host {

namespace {

std::string CsvCell(const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The columns a cell takes on a terminal: its characters, not its UTF-8 bytes.
size_t Width(const std::string& cell) {
    size_t width = 0;
    for (unsigned char c : cell)
        if ((c & 0xC0) != 0x80) ++width;
    return width;
}

}  // namespace

bool ResultsOnTerminal() { return isatty(STDOUT_FILENO) == 1; }

void PrintText(std::ostream& out, const std::string& text) {
    if (ResultsOnTerminal())
        out << VisibleText(text, true) << "\n";
    else
        out << text << "\n";
}

void PrintTable(std::ostream& out, const TableRow& heading, const std::vector<TableRow>& rows, bool aligned) {
    const size_t columns = heading.size();
    auto cell = [](const TableRow& row, size_t i) -> const std::string& {
        static const std::string empty;
        return i < row.size() ? row[i] : empty;
    };
    if (!aligned) {
        // CSV asked for on a terminal is still read by a person there: what a
        // cell holds is shown, not obeyed, but for its line feeds, which stay
        // within the quotes of their cell.  Into a pipe or a file every
        // character is kept.
        const bool shown = ResultsOnTerminal();
        auto line = [&](const TableRow& row) {
            for (size_t i = 0; i < columns; ++i)
                out << (i ? "," : "") << CsvCell(shown ? VisibleText(cell(row, i), true) : cell(row, i));
            out << "\r\n";
        };
        line(heading);
        for (const TableRow& row : rows) line(row);
        return;
    }
    // A person reads the table: a cell is shown on its line, its control
    // characters (a line break or a tab too, which would break the columns)
    // as escapes, and is as wide as what is shown.
    auto shown = [&](const TableRow& row) {
        TableRow text;
        for (size_t i = 0; i < columns; ++i) text.push_back(VisibleText(cell(row, i)));
        return text;
    };
    std::vector<TableRow> lines{shown(heading)};
    for (const TableRow& row : rows) lines.push_back(shown(row));
    std::vector<size_t> width(columns, 0);
    for (size_t i = 0; i < columns; ++i)
        for (const TableRow& row : lines) width[i] = std::max(width[i], Width(row[i]));
    for (const TableRow& row : lines) {
        std::string text;
        for (size_t i = 0; i < columns; ++i) {
            text += row[i];
            if (i + 1 < columns) text += std::string(width[i] - Width(row[i]) + 2, ' ');
        }
        text.erase(text.find_last_not_of(' ') + 1);
        out << text << "\n";
    }
}

}  // namespace host
