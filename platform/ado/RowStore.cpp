#include "RowStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

#include "AdoErrors.h"
#include "AdoTypes.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace ADODB {

namespace {

// The ADO type a declared column type gives; 0 for a column without one
// (an expression), whose values decide.
int32_t DeclaredType(const char* decl) {
    if (!decl || !*decl) return 0;
    std::string d = UCase(decl);
    auto has = [&](const char* w) { return d.find(w) != std::string::npos; };
    if (has("BOOL") || d == "BIT" || has("YESNO") || has("YES/NO") || has("LOGICAL")) return adBoolean;
    if (has("DATE") || has("TIME")) return adDate;
    if (has("CURRENCY") || has("MONEY")) return adCurrency;
    if (has("REAL") || has("DOUBLE") || has("FLOAT") || has("NUMERIC") || has("DECIMAL") || has("SINGLE"))
        return adDouble;
    if (has("INT") || has("LONG") || has("SHORT") || has("COUNTER") || has("AUTOINCREMENT") || d == "BYTE")
        return adInteger;
    return adVarWChar;
}

// Two or four decimal digits; -1 when one is not a digit.
int Digits2(const char* p) {
    unsigned a = static_cast<unsigned char>(p[0]) - '0', b = static_cast<unsigned char>(p[1]) - '0';
    return a > 9 || b > 9 ? -1 : static_cast<int>(a * 10 + b);
}
int Digits4(const char* p) {
    int hi = Digits2(p), lo = Digits2(p + 2);
    return hi < 0 || lo < 0 ? -1 : hi * 100 + lo;
}

// The serial of a valid date from the year 100 on: days since 1899-12-30,
// counted as DateSerial counts them, inline because a date column reads one
// per row.
double CivilSerial(int y, int m, int d) {
    y -= m <= 2;
    const int era = y / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy =
        (153 * static_cast<unsigned>(m + (m > 2 ? -3 : 9)) + 2) / 5 + static_cast<unsigned>(d) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    // 719468 days from 0000-03-01 to 1970-01-01, which is serial 25569.
    return static_cast<double>(int64_t{era} * 146097 + static_cast<int64_t>(doe) - 719468 + 25569);
}

// "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS", the forms the data set stores,
// read without copying; anything else goes the slower general way.
bool ReadDate(std::string_view s, double& out) {
    if ((s.size() == 10 || s.size() == 19) && s[4] == '-' && s[7] == '-') {
        const char* p = s.data();
        int y = Digits4(p), m = Digits2(p + 5), d = Digits2(p + 8);
        static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        bool ok = y >= 100 && m >= 1 && m <= 12 && d >= 1 && d <= days[m - 1] &&
                  (m != 2 || d != 29 || (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)));
        if (ok && s.size() == 10) {
            out = CivilSerial(y, m, d);
            return true;
        }
        if (ok) {
            int hh = Digits2(p + 11), mm = Digits2(p + 14), ss = Digits2(p + 17);
            ok = (p[10] == ' ' || p[10] == 'T') && p[13] == ':' && p[16] == ':' && hh >= 0 && hh < 24 &&
                 mm >= 0 && mm < 60 && ss >= 0 && ss < 60;
            if (ok) {
                double serial = CivilSerial(y, m, d), time = TimeSerial(hh, mm, ss);
                out = serial >= 0 ? serial + time : serial - time;
                return true;
            }
        }
    }
    return ParseDate(s, out);
}

std::string_view ValueText(sqlite3_value* v) {
    const unsigned char* p = sqlite3_value_text(v);
    return p ? std::string_view(reinterpret_cast<const char*>(p), static_cast<size_t>(sqlite3_value_bytes(v)))
             : std::string_view();
}

// Holds the connection's own (recursive) lock while the rows are read, on a
// connection that has one; the library opens its connections without it, and
// then this is nothing.  With the lock held, the values the statement hands
// out are "protected", so they may be read directly: one call per cell
// instead of one lock and unlock per call.
class DbLock {
public:
    explicit DbLock(sqlite3* db) : m_(sqlite3_db_mutex(db)) { sqlite3_mutex_enter(m_); }
    ~DbLock() { sqlite3_mutex_leave(m_); }
    DbLock(const DbLock&) = delete;
    DbLock& operator=(const DbLock&) = delete;

private:
    sqlite3_mutex* m_;
};

[[noreturn]] void TooBig() {
    Raise(adErrProviderFailed, kProviderSource, "The result of the statement is too big to hold in memory.");
}

// Currency keeps four decimals as a whole number; false when out of range.
bool ToCurrency(double d, int64_t& out) {
    double scaled = std::nearbyint(d * 10000.0);
    if (!(std::fabs(scaled) < 9.2e18)) return false;
    out = static_cast<int64_t>(scaled);
    return true;
}

template <class T>
size_t Bytes(const std::vector<T>& v) {
    return v.capacity() * sizeof(T);
}

// A fast hash of a text cell for the column dictionaries: whole words
// multiplied in, the tail read as one (overlapping) word.
uint64_t TextHash(std::string_view s) {
    constexpr uint64_t kMul = 0x9E3779B97F4A7C15ull;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(s.data());
    size_t n = s.size();
    auto load8 = [](const unsigned char* q) {
        uint64_t w;
        std::memcpy(&w, q, 8);
        return w;
    };
    auto load4 = [](const unsigned char* q) {
        uint32_t w;
        std::memcpy(&w, q, 4);
        return uint64_t{w};
    };
    uint64_t h = n * kMul;
    if (n >= 8) {
        // Whole words, then the last eight bytes (which may overlap).
        for (; n > 8; p += 8, n -= 8) {
            h = (h ^ load8(p)) * kMul;
            h ^= h >> 29;
        }
        h = (h ^ load8(p + n - 8)) * kMul;
    } else if (n >= 4) {
        h = (h ^ (load4(p) | load4(p + n - 4) << 32)) * kMul;
    } else if (n > 0) {
        h = (h ^ (uint64_t{p[0]} | uint64_t{p[n / 2]} << 8 | uint64_t{p[n - 1]} << 16)) * kMul;
    }
    h ^= h >> 32;
    h *= 0xD6E8FEB86659FD93ull;
    h ^= h >> 32;
    return h;
}

// Equal bytes; short texts, the common case, without a call.
bool SameBytes(const char* a, const char* b, size_t n) {
    if (n > 16) return std::memcmp(a, b, n) == 0;
    if (n >= 8) {
        uint64_t a1, b1, a2, b2;
        std::memcpy(&a1, a, 8);
        std::memcpy(&b1, b, 8);
        std::memcpy(&a2, a + n - 8, 8);
        std::memcpy(&b2, b + n - 8, 8);
        return ((a1 ^ b1) | (a2 ^ b2)) == 0;
    }
    if (n >= 4) {
        uint32_t a1, b1, a2, b2;
        std::memcpy(&a1, a, 4);
        std::memcpy(&b1, b, 4);
        std::memcpy(&a2, a + n - 4, 4);
        std::memcpy(&b2, b + n - 4, 4);
        return ((a1 ^ b1) | (a2 ^ b2)) == 0;
    }
    for (size_t i = 0; i < n; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// The most texts a column's dictionary takes while the rows are read.
constexpr uint32_t kSmallTexts = 256;
// The first check of whether a text column is nearly all distinct, and the
// share of distinct texts that gives the dictionary up.
constexpr uint64_t kFirstDistinctCheck = 16384;
constexpr double kMostlyDistinct = 0.9;

}  // namespace

namespace {

uint32_t NameHash(std::string_view s) {
    uint32_t h = 2166136261u;
    for (char c : s) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b >= 'A' && b <= 'Z') b = static_cast<unsigned char>(b + 32);
        h = (h ^ b) * 16777619u;
    }
    return h;
}

}  // namespace

void RowStore::IndexNames() {
    size_t size = 8;
    while (size < cols_.size() * 2) size *= 2;
    nameIndex_.assign(size, -1);
    successor_.assign(cols_.size(), -1);
    last_ = -1;
    for (size_t c = 0; c < cols_.size(); ++c) {
        // Of two columns with one name, the first is the one found.
        if (Find(cols_[c].name) >= 0) continue;
        size_t i = NameHash(cols_[c].name) & (size - 1);
        while (nameIndex_[i] >= 0) i = (i + 1) & (size - 1);
        nameIndex_[i] = static_cast<int32_t>(c);
    }
    successor_.assign(cols_.size(), -1);
    last_ = -1;
}

void RowStore::Clear() {
    nameIndex_.clear();
    successor_.clear();
    last_ = -1;
    cols_.clear();
    cols_.shrink_to_fit();
    converted_.clear();
    converted_.shrink_to_fit();
    rows_ = 0;
}

void RowStore::Load(sqlite3* db, sqlite3_stmt* stmt) {
    Clear();
    DbLock lock(db);
    try {
        const int n = sqlite3_column_count(stmt);
        cols_.resize(static_cast<size_t>(n));
        for (int c = 0; c < n; ++c) {
            Column& col = cols_[c];
            const char* name = sqlite3_column_name(stmt, c);
            col.name = name ? name : "";
            col.type = DeclaredType(sqlite3_column_decltype(stmt, c));
            col.declared = col.type != 0;
            if (col.declared) Decide(col, 0);
        }
        IndexNames();
        for (;;) {
            int rc = sqlite3_step(stmt);
            if (rc == SQLITE_DONE) break;
            if (rc != SQLITE_ROW) RaiseEngineError(db, rc);
            if (rows_ == static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) TooBig();
            for (int c = 0; c < n; ++c) {
                // The cells whose value fits their column's storage as it
                // comes, inline; Null, conversions, dates as text and numbers
                // beyond the range of dates go the long way.
                Column& col = cols_[c];
                sqlite3_value* v = sqlite3_column_value(stmt, c);
                const int t = sqlite3_value_type(v);
                if (col.store == Store::Int && t == SQLITE_INTEGER && col.type == adInteger) {
                    col.ints.push_back(sqlite3_value_int64(v));
                } else if (col.store == Store::Real && (t == SQLITE_FLOAT || t == SQLITE_INTEGER)) {
                    const double d = sqlite3_value_double(v);
                    if (col.type != adDate || IsDateSerial(d))
                        col.reals.push_back(d);
                    else
                        Append(col, v);  // beyond the range of dates
                } else if (col.store == Store::Dict && t == SQLITE_TEXT) {
                    const std::string_view text = ValueText(v);
                    if (!AddSmall(col, text)) {
                        MakePlain(col);
                        col.texts.push_back(col.arena.Add(text));
                    }
                } else if (col.store == Store::Text && t == SQLITE_TEXT) {
                    col.texts.push_back(col.arena.Add(ValueText(v)));
                } else {
                    Append(col, v);
                }
            }
            ++rows_;
        }
        // Growth left spare room in every array; give it back, since the
        // rows are kept for as long as the record set is open.
        for (Column& col : cols_) {
            if (col.store == Store::Pending) Decide(col, SQLITE_TEXT);  // no value: text
            if (col.store == Store::Text) Encode(col);
            if (col.store == Store::Dict) col.dict.Seal();
            col.ints.shrink();
            col.reals.shrink();
            col.texts.shrink();
            col.arena.Shrink();
            col.ids8.shrink_to_fit();
            col.odd.shrink_to_fit();
            col.aside.shrink_to_fit();
        }
    } catch (const std::bad_alloc&) {
        Clear();
        Raise(adErrProviderFailed, kProviderSource, "Not enough memory to hold the result of the statement.");
    } catch (...) {
        Clear();
        throw;
    }
}

// Fixes a column's storage from its declared type, or for an expression
// from the engine type of its first value.
void RowStore::Decide(Column& col, int sqlType) {
    if (!col.declared) {
        col.type = sqlType == SQLITE_INTEGER ? adInteger : sqlType == SQLITE_FLOAT ? adDouble : adVarWChar;
    }
    switch (col.type) {
        case adInteger:
        case adBoolean:
        case adCurrency:
            col.store = Store::Int;
            col.ints.resize(rows_);
            break;
        case adDouble:
        case adDate:
            col.store = Store::Real;
            col.reals.resize(rows_);
            break;
        default:
            col.store = Store::Dict;
            col.idBytes = 1;
            col.ids8.assign(rows_, 0);
            break;
    }
}

bool RowStore::TextSet::Find(std::string_view s, uint32_t& id, bool add) {
    if (slots.empty()) slots.assign(64, 0);
    const uint64_t h = TextHash(s);
    const uint64_t tag = h >> 32 << 32;
    const size_t mask = slots.size() - 1;
    size_t i = static_cast<size_t>(h) & mask;
    for (;; i = (i + 1) & mask) {
        const uint64_t slot = slots[i];
        if (slot == 0) break;
        if ((slot & 0xFFFFFFFF00000000ull) == tag) {
            id = static_cast<uint32_t>(slot) - 1;
            const uint32_t at = offsets[id], size = offsets[id + 1] - at;
            if (size == s.size() && SameBytes(pool.data() + at, s.data(), size)) return true;
        }
    }
    if (!add || pool.size() + s.size() > UINT32_MAX) return false;
    id = Count();
    pool.append(s);
    offsets.push_back(static_cast<uint32_t>(pool.size()));
    slots[i] = tag | (uint64_t{id} + 1);
    if (uint64_t{Count()} * 2 > slots.size()) Grow();
    return true;
}

void RowStore::TextSet::Grow() {
    std::vector<uint64_t> bigger(slots.size() * 2, 0);
    const size_t mask = bigger.size() - 1;
    for (uint32_t id = 0; id < Count(); ++id) {
        const uint64_t h = TextHash(Text(id));
        size_t j = static_cast<size_t>(h) & mask;
        while (bigger[j]) j = (j + 1) & mask;
        bigger[j] = (h >> 32 << 32) | (uint64_t{id} + 1);
    }
    slots.swap(bigger);
}

void RowStore::TextSet::Seal() {
    std::vector<uint64_t>().swap(slots);
    pool.shrink_to_fit();
    offsets.shrink_to_fit();
}

size_t RowStore::TextSet::Bytes() const {
    return pool.capacity() + offsets.capacity() * sizeof(uint32_t) + slots.capacity() * sizeof(uint64_t);
}

// While a text column has seen at most 256 texts, its dictionary is built
// as the rows come: it is small enough to stay in the processor's cache
// beside every other column's, and no text is stored twice.  False when the
// text would be the 257th.
bool RowStore::AddSmall(Column& col, std::string_view s) {
    // Rows in a table's own order often repeat their neighbour's text (the
    // wells of one field share its name, block, country and operator): that
    // one is tried before the hash.
    if (!col.ids8.empty() && col.dict.Count() > 0) {
        const uint8_t last = col.ids8.back();  // a Null's 0 names a text too
        const std::string_view t = col.dict.Text(last);
        if (t.size() == s.size() && SameBytes(t.data(), s.data(), s.size())) {
            col.ids8.push_back(last);
            return true;
        }
    }
    uint32_t id;
    if (!col.dict.Find(s, id, col.dict.Count() < kSmallTexts)) return false;
    col.ids8.push_back(static_cast<uint8_t>(id));
    return true;
}

// A text column that outgrew the small dictionary: its texts so far into
// its arena, one handle per cell, as the rest will come.
void RowStore::MakePlain(Column& col) {
    for (uint32_t r = 0; r < col.ids8.size(); ++r)
        col.texts.push_back(AsideBit(col, r) ? 0 : col.arena.Add(DictText(col, col.ids8[r])));
    std::vector<uint8_t>().swap(col.ids8);
    col.dict = TextSet();
    col.store = Store::Text;
}

// Turns a plain text column into a dictionary column when that takes less
// memory.  The texts of a column with many distinct ones were stored plain
// while the rows were read, so that the step loop stays a copy per text;
// here one column is looked at from first row to last, which keeps its
// dictionary in the processor's cache, where the rows read in their own
// order would touch every text column's large dictionary at once.
void RowStore::Encode(Column& col) {
    TextSet d;
    uint8_t idBytes = 1;
    std::vector<uint8_t> ids8(rows_, 0);
    std::vector<uint16_t> ids16;
    std::vector<uint32_t> ids32;
    uint32_t row = 0;
    uint64_t seen = 0, nextCheck = kFirstDistinctCheck;
    const bool whole = col.arena.ForEach([&](std::string_view s) {
        while (AsideBit(col, row)) ++row;  // a cell set aside keeps id 0, never read
        uint32_t id;
        if (!d.Find(s, id, true)) return false;
        if (id == 256u && idBytes == 1) {
            ids16.assign(ids8.begin(), ids8.end());
            std::vector<uint8_t>().swap(ids8);
            idBytes = 2;
        } else if (id == 65536u && idBytes == 2) {
            ids32.assign(ids16.begin(), ids16.end());
            std::vector<uint16_t>().swap(ids16);
            idBytes = 4;
        }
        if (idBytes == 1)
            ids8[row] = static_cast<uint8_t>(id);
        else if (idBytes == 2)
            ids16[row] = static_cast<uint16_t>(id);
        else
            ids32[row] = id;
        ++row;
        if (++seen == nextCheck) {
            // Nearly all distinct so far: a dictionary would only repeat the texts.
            if (static_cast<double>(d.Count()) > kMostlyDistinct * static_cast<double>(seen)) return false;
            nextCheck *= 2;
        }
        return true;
    });
    if (!whole) return;
    const uint64_t dictBytes =
        uint64_t{rows_} * idBytes + d.pool.size() + d.offsets.size() * sizeof(uint32_t);
    const uint64_t plainBytes = uint64_t{rows_} * sizeof(uint32_t) + col.arena.Size();
    if (dictBytes >= plainBytes) return;
    col.texts.clear();
    col.arena.Clear();
    col.idBytes = idBytes;
    col.ids8 = std::move(ids8);
    col.ids16 = std::move(ids16);
    col.ids32 = std::move(ids32);
    d.Seal();
    col.dict = std::move(d);
    col.store = Store::Dict;
}

// Stores a value that is of its column's kind, or that converts to it as
// the provider converts; anything else is set aside.  What a cell reads as
// depends on its value and its column alone, never on the cells before it.
void RowStore::Append(Column& col, sqlite3_value* value) {
    const int t = sqlite3_value_type(value);
    if (t != SQLITE_NULL) {
        if (col.store == Store::Pending) Decide(col, t);
        switch (col.store) {
            case Store::Int:
                if (t == SQLITE_INTEGER) {
                    int64_t v = sqlite3_value_int64(value);
                    if (col.type == adBoolean) v = v != 0;
                    if (col.type != adCurrency || ToCurrency(static_cast<double>(v), v)) {
                        col.ints.push_back(v);
                        return;
                    }
                } else if (t == SQLITE_FLOAT) {
                    double d = sqlite3_value_double(value);
                    int64_t v = 0;
                    if (col.type == adCurrency ? ToCurrency(d, v)
                                               : (d == std::trunc(d) && std::fabs(d) < 9.2e18 &&
                                                  (v = static_cast<int64_t>(d), true))) {
                        col.ints.push_back(col.type == adBoolean ? v != 0 : v);
                        return;
                    }
                }
                break;
            case Store::Real:
                if (t == SQLITE_FLOAT || t == SQLITE_INTEGER) {
                    // A number beyond the range of dates is no date: it
                    // would make every read of the cell as a date overflow.
                    const double d = sqlite3_value_double(value);
                    if (col.type != adDate || IsDateSerial(d)) {
                        col.reals.push_back(d);
                        return;
                    }
                } else if (col.type == adDate) {
                    double d = 0;
                    if (ReadDate(ValueText(value), d)) {
                        col.reals.push_back(d);
                        return;
                    }
                }
                break;
            case Store::Text:
            case Store::Dict:
                // A declared text column reads every value as text, as the
                // provider would; an expression keeps each value's own type.
                if (t == SQLITE_TEXT || t == SQLITE_BLOB || col.declared) {
                    const std::string_view text = ValueText(value);
                    if (col.store == Store::Dict && AddSmall(col, text)) return;
                    if (col.store == Store::Dict) MakePlain(col);
                    col.texts.push_back(col.arena.Add(text));
                    return;
                }
                break;
            case Store::Pending:
                break;
        }
        // The value contradicts its column's type: kept as it is, beside
        // the column, which keeps its storage for the cells after it.
        col.odd.push_back({rows_, OwnValue(value, t)});
    }
    // A Null or an odd value: the cell is marked, with a placeholder in the
    // column's storage that is never read.
    const size_t w = rows_ >> 6;
    if (col.aside.size() <= w) col.aside.resize(w + 1);
    col.aside[w] |= uint64_t{1} << (rows_ & 63);
    switch (col.store) {
        case Store::Int:
            col.ints.push_back(0);
            break;
        case Store::Real:
            col.reals.push_back(0);
            break;
        case Store::Text:
            col.texts.push_back(0);
            break;
        case Store::Dict:
            col.ids8.push_back(0);
            break;
        case Store::Pending:
            break;
    }
}

// A value that contradicts its column, as its own kind.
Variant RowStore::OwnValue(sqlite3_value* value, int t) {
    switch (t) {
        case SQLITE_INTEGER: {
            int64_t v = sqlite3_value_int64(value);
            if (v >= INT32_MIN && v <= INT32_MAX) return Variant(static_cast<int32_t>(v));
            return Variant(static_cast<double>(v));
        }
        case SQLITE_FLOAT:
            return Variant(sqlite3_value_double(value));
        default:
            return Variant(ValueText(value));
    }
}

Variant RowStore::AsideValue(const Column& col, uint32_t row) {
    const Variant* odd = Odd(col, row);
    return odd ? *odd : Variant::Null();
}

Variant RowStore::CellValue(const Column& col, uint32_t row) const {
    switch (col.store) {
        case Store::Int: {
            int64_t v = col.ints[row];
            if (col.type == adBoolean) return Variant(v != 0);
            if (col.type == adCurrency) return Variant::Currency(v);
            // A whole number beyond a Long's range still reads as its value.
            if (v >= INT32_MIN && v <= INT32_MAX) return Variant(static_cast<int32_t>(v));
            return Variant(static_cast<double>(v));
        }
        case Store::Real:
            return col.type == adDate ? Variant::Date(col.reals[row]) : Variant(col.reals[row]);
        case Store::Text:
        case Store::Dict:
            return Variant(TextAt(col, row));
        case Store::Pending:
            break;
    }
    return Variant::Null();
}

// The typed reads take the direct way for the common columns (whole numbers,
// real numbers, text) and let a Variant convert everything else, so they
// answer exactly what the Variant's conversions answer.

int32_t RowStore::LongValue(int c, uint32_t row) const {
    const Column& col = cols_[c];
    if (AsideBit(col, row)) return AsideRead(col, row).ToLong();
    if (col.store == Store::Int && col.type == adInteger) {
        int64_t v = col.ints[row];
        if (v < INT32_MIN || v > INT32_MAX) Raise(rt::kOverflow);
        return static_cast<int32_t>(v);
    }
    if (col.store == Store::Real) {
        double d = RoundHalfEven(col.reals[row]);
        if (!(d >= -2147483648.0 && d <= 2147483647.0)) Raise(rt::kOverflow);
        return static_cast<int32_t>(d);
    }
    return CellValue(col, row).ToLong();
}

const Variant& RowStore::AsideRead(const Column& col, uint32_t row) {
    const Variant* odd = Odd(col, row);
    if (!odd) Raise(rt::kInvalidNull);
    return *odd;
}

double RowStore::ConvertedDouble(const Column& col, uint32_t row) const {
    if (AsideBit(col, row)) return AsideRead(col, row).ToDouble();
    return CellValue(col, row).ToDouble();
}

std::string_view RowStore::ConvertedText(const Column& col, uint32_t row) const {
    if (AsideBit(col, row)) {
        const Variant& odd = AsideRead(col, row);
        if (odd.IsString()) return odd.StringRef();  // kept until Clear, as a text cell is
        converted_ = odd.ToString();
    } else {
        converted_ = CellValue(col, row).ToString();
    }
    return converted_;
}

int RowStore::TextIdBytes(int c) const {
    const Column& col = cols_[c];
    return col.store == Store::Dict ? col.idBytes : 0;
}

int RowStore::FindByHash(std::string_view sName) const {
    if (nameIndex_.empty()) return -1;
    const size_t mask = nameIndex_.size() - 1;
    for (size_t i = NameHash(sName) & mask;; i = (i + 1) & mask) {
        int32_t c = nameIndex_[i];
        if (c < 0) return -1;
        if (EqualsNoCase(cols_[static_cast<size_t>(c)].name, sName)) {
            if (last_ >= 0) successor_[static_cast<size_t>(last_)] = c;
            return last_ = c;
        }
    }
}

namespace {

template <class T>
int Order(T a, T b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

// Mixed cells: numbers (dates and booleans among them) before texts.
int CompareVariants(const Variant& a, const Variant& b) {
    bool an = !a.IsString(), bn = !b.IsString();
    if (an && bn) return Order(a.ToDouble(), b.ToDouble());
    if (an != bn) return an ? -1 : 1;
    return CompareNoCase(a.StringRef(), b.StringRef());
}

}  // namespace

// A dictionary column sorts by the rank of each text among the column's
// distinct texts: one comparison of texts per pair of distinct texts instead
// of one per pair of rows.  Texts equal without regard to case share a rank.
void RowStore::PrepareCompare(int c) const {
    const Column& col = cols_[c];
    if (col.store != Store::Dict || !col.ranks.empty() || col.dict.Count() == 0) return;
    std::vector<uint32_t> ids(col.dict.Count());
    for (uint32_t i = 0; i < ids.size(); ++i) ids[i] = i;
    std::sort(ids.begin(), ids.end(),
              [&](uint32_t a, uint32_t b) { return CompareNoCase(DictText(col, a), DictText(col, b)) < 0; });
    std::vector<uint32_t> ranks(ids.size());
    uint32_t rank = 0;
    for (size_t i = 0; i < ids.size(); ++i) {
        if (i > 0 && CompareNoCase(DictText(col, ids[i - 1]), DictText(col, ids[i])) != 0) ++rank;
        ranks[ids[i]] = rank;
    }
    col.ranks.swap(ranks);
}

int RowStore::Compare(int c, uint32_t a, uint32_t b) const {
    const Column& col = cols_[c];
    const bool sa = AsideBit(col, a), sb = AsideBit(col, b);
    if (sa || sb) {
        const Variant* oa = sa ? Odd(col, a) : nullptr;
        const Variant* ob = sb ? Odd(col, b) : nullptr;
        const bool na = sa && !oa, nb = sb && !ob;
        if (na || nb) return na == nb ? 0 : na ? -1 : 1;
        return CompareVariants(oa ? *oa : CellValue(col, a), ob ? *ob : CellValue(col, b));
    }
    switch (col.store) {
        case Store::Int:
            // A Boolean is kept as 1 or 0 but is -1 or 0 as a number, and
            // that is how an odd number beside it compares with it; ordered
            // by its kept value instead, a sort over True, -0.5 and False met
            // a cycle (True < -0.5 < False < True).  So True comes first.
            if (col.type == adBoolean) return Order(col.ints[b], col.ints[a]);
            return Order(col.ints[a], col.ints[b]);
        case Store::Real:
            return Order(col.reals[a], col.reals[b]);
        case Store::Dict:
            if (!col.ranks.empty()) return Order(col.ranks[IdAt(col, a)], col.ranks[IdAt(col, b)]);
            [[fallthrough]];
        case Store::Text:
            return CompareNoCase(TextAt(col, a), TextAt(col, b));
        case Store::Pending:
            break;
    }
    return 0;
}

size_t RowStore::MemoryBytes() const {
    size_t total = Bytes(cols_) + Bytes(nameIndex_) + Bytes(successor_) + converted_.capacity();
    for (const Column& col : cols_) {
        total += col.ints.bytes() + col.reals.bytes() + col.texts.bytes() + col.arena.Bytes() +
                 Bytes(col.ids8) + Bytes(col.ids16) + Bytes(col.ids32) + col.dict.Bytes() + Bytes(col.ranks) +
                 Bytes(col.odd) + Bytes(col.aside);
        total += col.name.capacity();
        for (const OddCell& cell : col.odd)
            if (cell.value.IsString()) total += cell.value.StringRef().capacity();
    }
    return total;
}

}  // namespace ADODB
