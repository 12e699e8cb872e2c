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

#include "ChunkedArray.h"
#include "TextArena.h"
#include "platform/runtime/Variant.h"

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

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
        int32_t type = 0;       // ADO type number
        bool declared = false;  // the type came from the column's declaration
        Store store = Store::Pending;
        ChunkedArray<int64_t> ints;    // Integer, Boolean, Currency (scaled by 10000)
        ChunkedArray<double> reals;    // Double, Date (serial)
        ChunkedArray<uint32_t> texts;  // handles of texts in the arena
        std::vector<Variant> vars;     // cells that contradict the column's type
        std::vector<uint64_t> nulls;   // one bit per row; empty until the first Null
    };

    void Append(Column& col, sqlite3_value* value);
    void Decide(Column& col, int sqlType);
    void MakeVariant(Column& col);
    bool IsNull(const Column& col, uint32_t row) const {
        size_t w = row >> 6;
        return w < col.nulls.size() && (col.nulls[w] >> (row & 63) & 1);
    }
    Variant CellValue(const Column& col, uint32_t row) const;

    void IndexNames();

    std::vector<Column> cols_;
    // Open addressing over the names folded to lower case: a field is read
    // by name in the innermost loop of every result walk.
    std::vector<int32_t> nameIndex_;
    mutable std::vector<int32_t> successor_;  // the field looked up after each one, last time
    mutable int32_t last_ = -1;
    TextArena arena_;
    uint32_t rows_ = 0;
};

}  // namespace ADODB
