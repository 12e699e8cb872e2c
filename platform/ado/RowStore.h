#pragma once
// The rows of a static record set, kept compactly: one typed array per
// column (whole numbers, real numbers, or offsets of texts in one shared
// text arena), a Null bit per cell, and a Variant only for the rare cell
// whose value contradicts its column's type.  A Variant is made when a value
// is read, never while the rows are loaded.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/Variant.h"

struct sqlite3;
struct sqlite3_stmt;

namespace ADODB {

class RowStore {
public:
    // Steps `stmt` to its end and keeps every row; raises the engine's
    // failure (nothing is kept then) or &H80004005 when the rows do not fit.
    void Load(sqlite3* db, sqlite3_stmt* stmt);
    void Clear();

    uint32_t Rows() const { return rows_; }
    int Columns() const { return static_cast<int>(cols_.size()); }
    const std::string& Name(int c) const { return cols_[c].name; }
    int32_t Type(int c) const { return cols_[c].type; }
    // The column with that name, without regard to case; -1 when none.
    int Find(std::string_view sName) const;

    Variant Value(int c, uint32_t row) const;
    // <0, 0, >0 ordering two rows by one column: Null first, numbers by
    // value, text without regard to case.
    int Compare(int c, uint32_t a, uint32_t b) const;

    // What the kept rows occupy.
    size_t MemoryBytes() const;

private:
    enum class Store : uint8_t { Pending, Int, Real, Text, Var };

    struct Column {
        std::string name;
        int32_t type = 0;            // ADO type number
        bool declared = false;       // the type came from the column's declaration
        Store store = Store::Pending;
        std::vector<int64_t> ints;   // Integer, Boolean, Currency (scaled by 10000)
        std::vector<double> reals;   // Double, Date (serial)
        std::vector<uint32_t> texts; // arena offsets of length-prefixed texts
        std::vector<Variant> vars;   // cells that contradict the column's type
        std::vector<uint64_t> nulls; // one bit per row; empty until the first Null
    };

    void Append(Column& col, sqlite3_stmt* stmt, int c);
    void AppendText(Column& col, std::string_view s);
    void Decide(Column& col, int sqlType);
    void MakeVariant(Column& col);
    bool IsNull(const Column& col, uint32_t row) const {
        size_t w = row >> 6;
        return w < col.nulls.size() && (col.nulls[w] >> (row & 63) & 1);
    }
    std::string_view TextAt(uint32_t offset) const;
    Variant CellValue(const Column& col, uint32_t row) const;

    std::vector<Column> cols_;
    std::string arena_;
    uint32_t rows_ = 0;
};

}  // namespace ADODB
