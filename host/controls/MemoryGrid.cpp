#include "MemoryGrid.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

#include "ControlErrors.h"
#include "ControlText.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace {
[[noreturn]] void RaiseBadIndex() {
    Raise(host::kInvalidArrayIndex, "MemoryGrid", host::kInvalidArrayIndexText);
}

// A cell's value as a number where it is one; text is read with "." as decimal point.
bool AsNumber(const Variant& v, double& d) {
    if (v.IsNumber() || v.Kind() == VarKind::Boolean) {
        d = v.ToDouble();
        return true;
    }
    if (v.Kind() == VarKind::Date) {
        d = v.DateSerial();
        return true;
    }
    return v.IsString() && ParseNumber(v.StringRef(), d);
}

// What the cell shows; "" for a cell without a value.
std::string TextOf(const GridCell& cell) {
    if (cell.value.IsNull() || cell.value.IsEmpty()) return "";
    const Variant& v = cell.value;
    double d = 0;
    switch (cell.cellType) {
        case 13:
            if (AsNumber(v, d)) return host::FixedText(d, cell.numberDecPlaces, cell.numberShowSep);
            break;
        case 12:
            if (AsNumber(v, d)) return host::FixedText(d, 2, cell.currencyShowSep);
            break;
        case 0: {
            double serial = 0;
            if (v.Kind() == VarKind::Date)
                serial = v.DateSerial();
            else if (!(v.IsString() && ParseDate(v.StringRef(), serial)) && !AsNumber(v, serial))
                break;
            if (!IsDateSerial(serial)) break;
            std::string text = DateToText(std::floor(serial)).substr(0, 10);
            return cell.dateCentury ? text : text.substr(2);
        }
        default:
            break;
    }
    return v.ToString();
}

// At least as many characters as the cell shows, where that is known without
// writing its text: a number or currency cell holding a number below 10^15
// shows a sign when it is negative, the whole digits of the number rounded
// (no more than those of its whole part plus one), their separators and its
// decimals.  Nothing for any other cell.
std::optional<size_t> ShownAtMost(const GridCell& cell) {
    const Variant& v = cell.value;
    if ((cell.cellType != 13 && cell.cellType != 12) || !(v.IsNumber() || v.Kind() == VarKind::Boolean))
        return std::nullopt;
    const double d = v.ToDouble();
    if (!(std::fabs(d) < 1e15)) return std::nullopt;
    const int32_t places = cell.cellType == 12 ? 2 : std::clamp<int32_t>(cell.numberDecPlaces, 0, 15);
    const bool separators = cell.cellType == 12 ? cell.currencyShowSep : cell.numberShowSep;
    size_t whole = 1;
    for (auto rounded = static_cast<uint64_t>(std::fabs(d)) + 1; rounded >= 10; rounded /= 10) ++whole;
    return (d < 0 ? 1 : 0) + whole + (separators ? (whole - 1) / 3 : 0) +
           (places > 0 ? 1 + static_cast<size_t>(places) : 0);
}

std::string CsvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    return "\"" + Replace(s, "\"", "\"\"") + "\"";
}
}  // namespace

// The font of whatever cell is current when it is set.
class MemoryGrid::CurrentFont final : public IGridFont {
public:
    explicit CurrentFont(MemoryGrid& grid) : grid_(grid) {}
    void SetName(const std::string& sName) override { grid_.Current().fontName = sName; }
    void SetSize(int32_t lSize) override { grid_.Current().fontSize = lSize; }
    void SetBold(bool bBold) override { grid_.Current().bold = bBold; }

private:
    MemoryGrid& grid_;
};

MemoryGrid::MemoryGrid(std::string sName)
    : name_(std::move(sName)), font_(std::make_shared<CurrentFont>(*this)) {}

void MemoryGrid::SetMaxCols(int32_t lCount) {
    if (lCount < 0) RaiseBadIndex();
    maxCols_ = lCount;
    current_ = nullptr;
    columns_.erase(columns_.upper_bound(lCount), columns_.end());
}

void MemoryGrid::SetMaxRows(int32_t lCount) {
    if (lCount < 0) RaiseBadIndex();
    maxRows_ = lCount;
    current_ = nullptr;
    if (lastRow_ <= lCount) return;
    // Only a column holding rows beyond the count has cells to drop, and it
    // drops them by their rows or by a pass over its cells, whichever is fewer.
    lastRow_ = 0;
    for (auto it = columns_.begin(); it != columns_.end();) {
        Column& column = it->second;
        if (column.lastRow > lCount) {
            if (static_cast<size_t>(column.lastRow - lCount) < column.cells.size()) {
                for (int32_t row = column.lastRow; row > lCount; --row) column.cells.erase(row);
                // No cell lies below the count now, wherever the last one left lies.
                column.lastRow = lCount;
            } else {
                column.lastRow = 0;
                std::erase_if(column.cells, [&](const auto& c) {
                    if (c.first > lCount) return true;
                    column.lastRow = std::max(column.lastRow, c.first);
                    return false;
                });
            }
        }
        if (column.cells.empty()) {
            it = columns_.erase(it);
            continue;
        }
        lastRow_ = std::max(lastRow_, column.lastRow);
        ++it;
    }
}

void MemoryGrid::SetCol(int32_t lCol) {
    if (lCol < 1) RaiseBadIndex();
    if (lCol != col_) current_ = nullptr;
    col_ = lCol;
}

void MemoryGrid::SetRow(int32_t lRow) {
    if (lRow < 1) RaiseBadIndex();
    if (lRow != row_) current_ = nullptr;
    row_ = lRow;
}

void MemoryGrid::Grow(int32_t lCol, int32_t lRow) {
    maxCols_ = std::max(maxCols_, lCol);
    maxRows_ = std::max(maxRows_, lRow);
}

GridCell& MemoryGrid::At(int32_t lCol, int32_t lRow) {
    Grow(lCol, lRow);
    Column& column = columns_[lCol];
    column.lastRow = std::max(column.lastRow, lRow);
    lastRow_ = std::max(lastRow_, lRow);
    return column.cells[lRow];
}

GridCell& MemoryGrid::Current() {
    if (!current_) current_ = &At(col_, row_);
    return *current_;
}

void MemoryGrid::SetText(int32_t lCol, int32_t lRow, const Variant& vValue) {
    if (lCol < 1 || lRow < 1) RaiseBadIndex();
    (lCol == col_ && lRow == row_ ? Current() : At(lCol, lRow)).value = vValue;
}

void MemoryGrid::InsertRows(int32_t lRow, int32_t lCount) {
    if (lRow < 1 || lCount < 0) RaiseBadIndex();
    current_ = nullptr;
    for (auto& [number, column] : columns_) {
        if (column.lastRow < lRow) continue;
        std::unordered_map<int32_t, GridCell> moved;
        moved.reserve(column.cells.size());
        for (auto& [row, cell] : column.cells)
            moved.emplace(row >= lRow ? row + lCount : row, std::move(cell));
        column.cells = std::move(moved);
        column.lastRow += lCount;
    }
    if (lastRow_ >= lRow) lastRow_ += lCount;
    // The grid grows with its rows, so nothing moved down falls off its end.
    maxRows_ += lCount;
}

const GridCell* MemoryGrid::Cell(int32_t lCol, int32_t lRow) const {
    auto column = columns_.find(lCol);
    if (column == columns_.end()) return nullptr;
    auto it = column->second.cells.find(lRow);
    return it == column->second.cells.end() ? nullptr : &it->second;
}

std::string MemoryGrid::Text(int32_t lCol, int32_t lRow) const {
    const GridCell* cell = Cell(lCol, lRow);
    return cell ? TextOf(*cell) : "";
}

double MemoryGrid::MaxTextColWidth(int32_t lCol) {
    if (lCol < 1) RaiseBadIndex();
    auto m = measured_.find(lCol);
    if (m != measured_.end()) return m->second;
    // Widths count characters of 8-point text; bigger and bold fonts take more.
    double widest = 0;
    auto column = columns_.find(lCol);
    if (column == columns_.end()) return widest;
    auto width = [](size_t chars, const GridCell& cell) {
        return static_cast<double>(chars) * cell.fontSize / 8.0 * (cell.bold ? 1.1 : 1.0);
    };
    for (const auto& [row, cell] : column->second.cells) {
        // Writing every number of a long column was most of its measuring: a
        // number that cannot be wider than the widest so far is not written.
        const std::optional<size_t> most = ShownAtMost(cell);
        if (most && cell.fontSize > 0 && width(*most, cell) <= widest) continue;
        widest = std::max(widest, width(host::CharCount(TextOf(cell)), cell));
    }
    return widest;
}

void MemoryGrid::SetColWidth(int32_t lCol, double dWidth) {
    if (lCol < 1) RaiseBadIndex();
    colWidths_[lCol] = dWidth;
}

double MemoryGrid::ColWidth(int32_t lCol) const {
    auto it = colWidths_.find(lCol);
    return it == colWidths_.end() ? 0 : it->second;
}

std::pair<int32_t, int32_t> MemoryGrid::UsedExtent() const {
    int32_t cols = 0, rows = 0;
    for (const auto& [number, column] : columns_) {
        if (number > maxCols_) break;
        for (const auto& [row, cell] : column.cells) {
            if (row > maxRows_ || TextOf(cell).empty()) continue;
            rows = std::max(rows, row);
            cols = number;
        }
    }
    return {cols, rows};
}

MemoryGrid::UsedPart MemoryGrid::Used() const {
    UsedPart used;
    std::tie(used.cols, used.rows) = UsedExtent();
    used.columns.assign(static_cast<size_t>(used.cols), nullptr);
    for (auto it = columns_.begin(); it != columns_.end() && it->first <= used.cols; ++it)
        used.columns[static_cast<size_t>(it->first - 1)] = &it->second;
    return used;
}

std::string MemoryGrid::UsedPart::Text(int32_t lCol, int32_t lRow) const {
    const Column* column = columns[static_cast<size_t>(lCol - 1)];
    if (!column) return "";
    auto it = column->cells.find(lRow);
    return it == column->cells.end() ? "" : TextOf(it->second);
}

std::string MemoryGrid::Csv() const {
    const UsedPart used = Used();
    std::string out;
    for (int32_t r = 1; r <= used.rows; ++r) {
        for (int32_t c = 1; c <= used.cols; ++c) {
            if (c > 1) out += ',';
            out += CsvField(used.Text(c, r));
        }
        out += "\r\n";
    }
    return out;
}

std::string MemoryGrid::Table() const {
    const UsedPart used = Used();
    const int32_t cols = used.cols, rows = used.rows;
    std::vector<size_t> widths(static_cast<size_t>(cols), 0);
    for (int32_t r = 1; r <= rows; ++r)
        for (int32_t c = 1; c <= cols; ++c)
            widths[static_cast<size_t>(c - 1)] =
                std::max(widths[static_cast<size_t>(c - 1)], host::CharCount(used.Text(c, r)));
    std::string out;
    for (int32_t r = 1; r <= rows; ++r) {
        int32_t last = cols;
        while (last > 0 && used.Text(last, r).empty()) --last;
        std::string line;
        for (int32_t c = 1; c <= last; ++c) {
            const std::string text = used.Text(c, r);
            if (c > 1) line += " | ";
            line += text + std::string(widths[static_cast<size_t>(c - 1)] - host::CharCount(text), ' ');
        }
        out += RTrim(line) + "\n";
    }
    return out;
}

void MemoryGrid::SaveCsv(const std::string& sFile, ExistingFile existing) const {
    WriteFileAtomically(sFile, Csv(), "MemoryGrid", existing);
}
