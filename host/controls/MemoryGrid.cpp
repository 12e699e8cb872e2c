#include "MemoryGrid.h"

#include <algorithm>
#include <cmath>
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
    std::erase_if(cells_, [&](const auto& c) { return c.first.second > lCount; });
}

void MemoryGrid::SetMaxRows(int32_t lCount) {
    if (lCount < 0) RaiseBadIndex();
    maxRows_ = lCount;
    std::erase_if(cells_, [&](const auto& c) { return c.first.first > lCount; });
}

void MemoryGrid::SetCol(int32_t lCol) {
    if (lCol < 1) RaiseBadIndex();
    col_ = lCol;
}

void MemoryGrid::SetRow(int32_t lRow) {
    if (lRow < 1) RaiseBadIndex();
    row_ = lRow;
}

void MemoryGrid::Grow(int32_t lCol, int32_t lRow) {
    maxCols_ = std::max(maxCols_, lCol);
    maxRows_ = std::max(maxRows_, lRow);
}

GridCell& MemoryGrid::Current() {
    Grow(col_, row_);
    return cells_[{row_, col_}];
}

void MemoryGrid::SetText(int32_t lCol, int32_t lRow, const Variant& vValue) {
    if (lCol < 1 || lRow < 1) RaiseBadIndex();
    Grow(lCol, lRow);
    cells_[{lRow, lCol}].value = vValue;
}

void MemoryGrid::InsertRows(int32_t lRow, int32_t lCount) {
    if (lRow < 1 || lCount < 0) RaiseBadIndex();
    std::map<std::pair<int32_t, int32_t>, GridCell> moved;
    for (auto& [at, cell] : cells_)
        moved.emplace(std::pair{at.first >= lRow ? at.first + lCount : at.first, at.second}, std::move(cell));
    cells_ = std::move(moved);
    // The grid grows with its rows, so nothing moved down falls off its end.
    maxRows_ += lCount;
}

const GridCell* MemoryGrid::Cell(int32_t lCol, int32_t lRow) const {
    auto it = cells_.find({lRow, lCol});
    return it == cells_.end() ? nullptr : &it->second;
}

std::string MemoryGrid::Text(int32_t lCol, int32_t lRow) const {
    const GridCell* cell = Cell(lCol, lRow);
    if (!cell || cell->value.IsNull() || cell->value.IsEmpty()) return "";
    const Variant& v = cell->value;
    double d = 0;
    switch (cell->cellType) {
        case 13:
            if (AsNumber(v, d)) return host::FixedText(d, cell->numberDecPlaces, cell->numberShowSep);
            break;
        case 12:
            if (AsNumber(v, d)) return host::FixedText(d, 2, cell->currencyShowSep);
            break;
        case 0: {
            double serial = 0;
            if (v.Kind() == VarKind::Date)
                serial = v.DateSerial();
            else if (!(v.IsString() && ParseDate(v.StringRef(), serial)) && !AsNumber(v, serial))
                break;
            if (!IsDateSerial(serial)) break;
            std::string text = DateToText(std::floor(serial)).substr(0, 10);
            return cell->dateCentury ? text : text.substr(2);
        }
        default:
            break;
    }
    return v.ToString();
}

double MemoryGrid::MaxTextColWidth(int32_t lCol) {
    if (lCol < 1) RaiseBadIndex();
    auto m = measured_.find(lCol);
    if (m != measured_.end()) return m->second;
    // Widths count characters of 8-point text; bigger and bold fonts take more.
    double widest = 0;
    for (const auto& [at, cell] : cells_) {
        if (at.second != lCol) continue;
        const double w = static_cast<double>(host::CharCount(Text(lCol, at.first))) * cell.fontSize / 8.0 *
                         (cell.bold ? 1.1 : 1.0);
        widest = std::max(widest, w);
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
    for (const auto& [at, cell] : cells_) {
        if (at.first > maxRows_ || at.second > maxCols_ || Text(at.second, at.first).empty()) continue;
        rows = std::max(rows, at.first);
        cols = std::max(cols, at.second);
    }
    return {cols, rows};
}

std::string MemoryGrid::Csv() const {
    auto [cols, rows] = UsedExtent();
    std::string out;
    for (int32_t r = 1; r <= rows; ++r) {
        for (int32_t c = 1; c <= cols; ++c) {
            if (c > 1) out += ',';
            out += CsvField(Text(c, r));
        }
        out += "\r\n";
    }
    return out;
}

std::string MemoryGrid::Table() const {
    auto [cols, rows] = UsedExtent();
    std::vector<size_t> widths(static_cast<size_t>(cols), 0);
    for (int32_t r = 1; r <= rows; ++r)
        for (int32_t c = 1; c <= cols; ++c)
            widths[static_cast<size_t>(c - 1)] =
                std::max(widths[static_cast<size_t>(c - 1)], host::CharCount(Text(c, r)));
    std::string out;
    for (int32_t r = 1; r <= rows; ++r) {
        int32_t last = cols;
        while (last > 0 && Text(last, r).empty()) --last;
        std::string line;
        for (int32_t c = 1; c <= last; ++c) {
            const std::string text = Text(c, r);
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
