#pragma once
// The rows of a static record set, kept compactly: one typed array per
// column (whole numbers, real numbers, or texts), a Null bit per cell, and a
// Variant only for the rare cell whose value contradicts its column's type.
// A Variant is made when a value is read, never while the rows are loaded.
//
// Odd values.  A cell whose value contradicts its column's type (a text that
// is no date in a DATE column, or a number beyond the range of dates there,
// a word in a Boolean one) is marked as a Null is, and its value is kept
// beside the column, in row order, as the Variant it reads as; the column
// keeps its storage.  So a cell reads the same wherever it stands: a valid
// date after such a text is still a Date.  A column that turned into a
// Variant a cell at its first odd value read every later cell by the
// engine's type of its value (a date after the text became a text) and took
// 80 bytes a cell where a number takes 8: one text in the SPUD_DATE column of
// the wells below took them from 113 MB to 166 MB that way, and leaves them
// at 113 MB this way.  Loading and reading the tables
// below take the same time either way; on the first, the same number of
// instructions to 0.01%.
//
// Texts.  The text columns of a result mostly repeat a few thousand values
// (codes, names of fields, formations, operators), so a text column keeps
// each distinct text once, in a pool of its own, and a cell holds the number
// of its text: one byte while the column has at most 256 texts, two up to
// 65,536, four beyond.  While the rows are stepped, a column's dictionary is
// built as they come only as long as it holds at most 256 texts: that small,
// every column's dictionary stays in the processor's cache.  A column that
// outgrows it is stored plain (an arena of its texts, a four-byte handle per
// cell) until every row is in; then its dictionary is made in one pass over
// that column alone, which keeps this larger dictionary in the cache too,
// where looking each text up as the rows come would touch all of them at
// once.  That pass gives up on a column whose first 16K, 32K, 64K, ... texts
// are more than 90% distinct (references, comments), and the dictionary is
// kept only when its ids and texts take less than the plain storage.
//
// Memory against the values' own bytes (8 a number, its length a text,
// nothing a Null), as bench/RecordsetBench measures it:
//                                               200,000 x 20    604,225 wells x 51
//   a handle and an arena copy per cell (before)    1.20x           1.47x
//   dictionary, 32-bit ids                          0.76x           0.78x
//   dictionary, 8-, 16- or 32-bit ids (this)        0.70x           0.52x
// The first table has six text columns of about 10,000 texts each, in
// random order; the second is the sample generator's Well table at 50,000
// fields: 35 text columns, 30 of them with at most 20 texts, one all
// distinct.  Narrow ids are what bring the wells to half: most of their text
// columns are short codes, for which a four-byte id takes more room than the
// code itself.
//
// Time, against the same code storing every text plain (fastest of several
// runs of opening the set and reading every value through the typed reads):
// on the wells, loading takes 1,779 ms against 1,851 and reading 290 against
// 595, the small dictionaries staying in the cache where plain texts stream
// from memory; on the first table, whose dictionaries do not fit the cache
// and are read in random order, loading takes 298 ms against 264 and
// reading 64 against 34.  That table is where the dictionaries cost time.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "AdoTypes.h"
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
    // Drops every row and column.
    void Clear();

    // The number of rows kept.
    uint32_t Rows() const { return rows_; }
    // The number of columns.
    int Columns() const { return static_cast<int>(cols_.size()); }
    // The name of column `c` as the engine reports it.
    const std::string& Name(int c) const { return cols_[c].name; }
    // The ADO type number of column `c`.
    int32_t Type(int c) const { return cols_[c].type; }
    // The column with that name, without regard to case; -1 when none.
    int Find(std::string_view sName) const {
        // A walk over the rows reads the same fields in the same order on
        // every row, so the field that followed the last one found last time
        // is tried first, on its exact bytes.
        if (last_ >= 0) {
            const int32_t guess = successor_[static_cast<size_t>(last_)];
            if (guess >= 0) {
                const std::string& name = cols_[static_cast<size_t>(guess)].name;
                if (name.size() == sName.size() && std::memcmp(name.data(), sName.data(), name.size()) == 0)
                    return last_ = guess;
            }
        }
        return FindByHash(sName);
    }

    // The cell as a Variant of its column's kind (a value that contradicts
    // its column as its own kind); Null for SQL NULL.
    Variant Value(int c, uint32_t row) const {
        const Column& col = cols_[c];
        return AsideBit(col, row) ? AsideValue(col, row) : CellValue(col, row);
    }
    // True when the cell is SQL NULL.
    bool IsNull(int c, uint32_t row) const {
        const Column& col = cols_[c];
        return AsideBit(col, row) && !Odd(col, row);
    }
    // The cell as CLng, CDbl and CStr would turn its Variant: raises 94 for
    // Null, 13 for text that is no number, 6 for a number beyond the range.
    int32_t LongValue(int c, uint32_t row) const;
    double DoubleValue(int c, uint32_t row) const {
        const Column& col = cols_[c];
        if (!AsideBit(col, row)) {
            if (col.store == Store::Real) return col.reals[row];
            if (col.store == Store::Int && col.type == adInteger) return static_cast<double>(col.ints[row]);
        }
        return ConvertedDouble(col, row);
    }
    // A text cell in place, valid until Clear; a cell of another kind as
    // text, valid until the next such conversion.
    std::string_view TextValue(int c, uint32_t row) const {
        const Column& col = cols_[c];
        if (!AsideBit(col, row)) {
            if (col.store == Store::Dict) return DictText(col, IdAt(col, row));
            if (col.store == Store::Text) return col.arena.Get(col.texts[row]);
        }
        return ConvertedText(col, row);
    }

    // Readies column `c` to be compared many times (a sort); cheap to repeat.
    void PrepareCompare(int c) const;
    // <0, 0, >0 ordering two rows by one column: Null first, numbers by
    // value (dates as serials, True as -1), then text without regard to case.
    int Compare(int c, uint32_t a, uint32_t b) const;

    // What the kept rows occupy.
    size_t MemoryBytes() const;
    // How column `c` keeps its texts: 1, 2 or 4 for a dictionary with ids of
    // that many bytes, 0 for plain arena handles or a column of another kind.
    int TextIdBytes(int c) const;

private:
    enum class Store : uint8_t { Pending, Int, Real, Text, Dict };

    // The distinct texts of a column, and while they are collected a hash
    // index over them.
    struct TextSet {
        std::string pool;                  // the texts, one after another
        std::vector<uint32_t> offsets{0};  // text i is pool[offsets[i], offsets[i + 1])
        std::vector<uint64_t> slots;       // open addressing: hash << 32 | (id + 1); 0 empty

        uint32_t Count() const { return static_cast<uint32_t>(offsets.size() - 1); }
        std::string_view Text(uint32_t id) const {
            return std::string_view(pool.data() + offsets[id], offsets[id + 1] - offsets[id]);
        }
        // The id of `s`; a new text is added when `add` allows, else false.
        // False too when the texts would outgrow the 32-bit offsets.
        bool Find(std::string_view s, uint32_t& id, bool add);
        // Drops the index, keeping the texts.
        void Seal();
        size_t Bytes() const;

    private:
        void Grow();
    };

    // A cell whose value contradicts its column's type, kept as it is.
    struct OddCell {
        uint32_t row;
        Variant value;
    };

    struct Column {
        std::string name;
        int32_t type = 0;       // ADO type number
        bool declared = false;  // the type came from the column's declaration
        Store store = Store::Pending;
        uint8_t idBytes = 0;           // Dict: width of an id
        ChunkedArray<int64_t> ints;    // Integer, Boolean, Currency (scaled by 10000)
        ChunkedArray<double> reals;    // Double, Date (serial)
        ChunkedArray<uint32_t> texts;  // Text: handles in `arena`
        TextArena arena;               // Text: every text of the column, as read
        std::vector<uint8_t> ids8;     // Dict: the id of each cell, 1, 2 or 4 bytes wide
        std::vector<uint16_t> ids16;
        std::vector<uint32_t> ids32;
        TextSet dict;                         // Dict: the distinct texts
        mutable std::vector<uint32_t> ranks;  // Dict: order of each id's text, made for a sort
        std::vector<OddCell> odd;             // by row: the values that contradict the column's type
        std::vector<uint64_t> aside;  // one bit per row, a Null or an odd value; empty until the first
    };

    void Append(Column& col, sqlite3_value* value);
    // A value that contradicts its column, as the Variant of its own kind.
    static Variant OwnValue(sqlite3_value* value, int sqlType);
    void Decide(Column& col, int sqlType);
    void Encode(Column& col);
    bool AddSmall(Column& col, std::string_view s);
    void MakePlain(Column& col);
    static uint32_t IdAt(const Column& col, uint32_t row) {
        return col.idBytes == 1 ? col.ids8[row] : col.idBytes == 2 ? col.ids16[row] : col.ids32[row];
    }
    static std::string_view DictText(const Column& col, uint32_t id) { return col.dict.Text(id); }
    static std::string_view TextAt(const Column& col, uint32_t row) {
        return col.store == Store::Dict ? DictText(col, IdAt(col, row)) : col.arena.Get(col.texts[row]);
    }
    // True for a cell kept out of the column's storage: a Null or an odd value.
    static bool AsideBit(const Column& col, uint32_t row) {
        size_t w = row >> 6;
        return w < col.aside.size() && (col.aside[w] >> (row & 63) & 1);
    }
    // The odd value of a cell set aside; nullptr for a Null.  Inline, with
    // no call, so that a loop reading cells keeps what it loaded across it.
    static const Variant* Odd(const Column& col, uint32_t row) {
        size_t lo = 0, hi = col.odd.size();
        while (lo < hi) {
            const size_t mid = lo + (hi - lo) / 2;
            if (col.odd[mid].row < row)
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo < col.odd.size() && col.odd[lo].row == row ? &col.odd[lo].value : nullptr;
    }
    // A cell set aside as a Variant: its odd value, or Null.
    static Variant AsideValue(const Column& col, uint32_t row);
    // A cell set aside for a typed read: its odd value; raises 94 for a Null.
    static const Variant& AsideRead(const Column& col, uint32_t row);
    // A cell in the column's storage as a Variant of the column's kind.
    Variant CellValue(const Column& col, uint32_t row) const;
    // The typed reads of a Null cell or one of another kind.
    double ConvertedDouble(const Column& col, uint32_t row) const;
    std::string_view ConvertedText(const Column& col, uint32_t row) const;

    void IndexNames();
    int FindByHash(std::string_view sName) const;

    std::vector<Column> cols_;
    // Open addressing over the names folded to lower case: a field is read
    // by name in the innermost loop of every result walk.
    std::vector<int32_t> nameIndex_;
    mutable std::vector<int32_t> successor_;  // the field looked up after each one, last time
    mutable int32_t last_ = -1;
    mutable std::string converted_;  // TextValue of a cell that is not text
    uint32_t rows_ = 0;
};

}  // namespace ADODB
