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

int Digits(const char* p, int n) {
    int v = 0;
    for (int i = 0; i < n; ++i) {
        unsigned d = static_cast<unsigned char>(p[i]) - '0';
        if (d > 9) return -1;
        v = v * 10 + static_cast<int>(d);
    }
    return v;
}

// "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS", the forms the data set stores,
// read without copying; anything else goes the slower general way.
bool ReadDate(std::string_view s, double& out) {
    if ((s.size() == 10 || s.size() == 19) && s[4] == '-' && s[7] == '-') {
        const char* p = s.data();
        int y = Digits(p, 4), m = Digits(p + 5, 2), d = Digits(p + 8, 2);
        static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        bool ok = y >= 100 && m >= 1 && m <= 12 && d >= 1 && d <= days[m - 1] &&
                  (m != 2 || d != 29 || (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)));
        int hh = 0, mm = 0, ss = 0;
        if (ok && s.size() == 19) {
            hh = Digits(p + 11, 2), mm = Digits(p + 14, 2), ss = Digits(p + 17, 2);
            ok = (p[10] == ' ' || p[10] == 'T') && p[13] == ':' && p[16] == ':' && hh >= 0 && hh < 24 &&
                 mm >= 0 && mm < 60 && ss >= 0 && ss < 60;
        }
        if (ok) {
            double serial = DateSerial(y, m, d), time = TimeSerial(hh, mm, ss);
            out = serial >= 0 ? serial + time : serial - time;
            return true;
        }
    }
    return ParseDate(s, out);
}

std::string_view ValueText(sqlite3_value* v) {
    const unsigned char* p = sqlite3_value_text(v);
    return p ? std::string_view(reinterpret_cast<const char*>(p), static_cast<size_t>(sqlite3_value_bytes(v)))
             : std::string_view();
}

// Holds the connection's own (recursive) lock while the rows are read.
// Besides keeping another thread off the statement, it makes the values
// the statement hands out "protected", so they may be read directly: one
// call per cell instead of one lock and unlock per call.
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
    arena_.Clear();
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
            for (int c = 0; c < n; ++c) Append(cols_[c], sqlite3_column_value(stmt, c));
            ++rows_;
        }
        // Growth left spare room in every array; give it back, since the
        // rows are kept for as long as the record set is open.
        for (Column& col : cols_) {
            if (col.store == Store::Pending) Decide(col, SQLITE_TEXT);  // no value: text
            col.ints.shrink();
            col.reals.shrink();
            col.texts.shrink();
            col.vars.shrink_to_fit();
            col.nulls.shrink_to_fit();
        }
        arena_.Shrink();
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
            col.store = Store::Text;
            col.texts.resize(rows_);
            break;
    }
}

void RowStore::MakeVariant(Column& col) {
    std::vector<Variant> vars;
    vars.reserve(rows_ + 1);
    for (uint32_t r = 0; r < rows_; ++r) vars.push_back(IsNull(col, r) ? Variant() : CellValue(col, r));
    col.ints.clear();
    col.reals.clear();
    col.texts.clear();
    col.vars.swap(vars);
    col.store = Store::Var;
}

void RowStore::Append(Column& col, sqlite3_value* value) {
    const int t = sqlite3_value_type(value);
    if (t == SQLITE_NULL) {
        size_t w = rows_ >> 6;
        if (col.nulls.size() <= w) col.nulls.resize(w + 1);
        col.nulls[w] |= uint64_t{1} << (rows_ & 63);
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
            case Store::Var:
                col.vars.emplace_back();
                break;
            case Store::Pending:
                break;
        }
        return;
    }
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
                col.reals.push_back(sqlite3_value_double(value));
                return;
            }
            if (col.type == adDate) {
                double d = 0;
                if (ReadDate(ValueText(value), d)) {
                    col.reals.push_back(d);
                    return;
                }
            }
            break;
        case Store::Text:
            // A declared text column reads every value as text, as the
            // provider would; an expression keeps each value's own type.
            if (t == SQLITE_TEXT || t == SQLITE_BLOB || col.declared) {
                col.texts.push_back(arena_.Add(ValueText(value)));
                return;
            }
            break;
        case Store::Var:
        case Store::Pending:
            break;
    }
    // The value contradicts the column's type: keep it as it is.
    if (col.store != Store::Var) MakeVariant(col);
    switch (t) {
        case SQLITE_INTEGER: {
            int64_t v = sqlite3_value_int64(value);
            if (v >= INT32_MIN && v <= INT32_MAX)
                col.vars.emplace_back(static_cast<int32_t>(v));
            else
                col.vars.emplace_back(static_cast<double>(v));
            break;
        }
        case SQLITE_FLOAT:
            col.vars.emplace_back(sqlite3_value_double(value));
            break;
        default:
            col.vars.emplace_back(ValueText(value));
            break;
    }
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
            return Variant(arena_.Get(col.texts[row]));
        case Store::Var:
            return col.vars[row];
        case Store::Pending:
            break;
    }
    return Variant::Null();
}

Variant RowStore::Value(int c, uint32_t row) const {
    const Column& col = cols_[c];
    if (IsNull(col, row)) return Variant::Null();
    return CellValue(col, row);
}

int RowStore::Find(std::string_view sName) const {
    if (nameIndex_.empty()) return -1;
    // A walk over the rows reads the same fields in the same order on every
    // row, so the field that followed the last one found last time is tried
    // first, on its exact bytes.
    if (last_ >= 0) {
        int32_t guess = successor_[static_cast<size_t>(last_)];
        if (guess >= 0) {
            const std::string& name = cols_[static_cast<size_t>(guess)].name;
            if (name.size() == sName.size() && std::memcmp(name.data(), sName.data(), name.size()) == 0)
                return last_ = guess;
        }
    }
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

int RowStore::Compare(int c, uint32_t a, uint32_t b) const {
    const Column& col = cols_[c];
    bool na = IsNull(col, a), nb = IsNull(col, b);
    if (na || nb) return na == nb ? 0 : na ? -1 : 1;
    switch (col.store) {
        case Store::Int:
            return Order(col.ints[a], col.ints[b]);
        case Store::Real:
            return Order(col.reals[a], col.reals[b]);
        case Store::Text:
            return CompareNoCase(arena_.Get(col.texts[a]), arena_.Get(col.texts[b]));
        case Store::Var:
            return CompareVariants(col.vars[a], col.vars[b]);
        case Store::Pending:
            break;
    }
    return 0;
}

size_t RowStore::MemoryBytes() const {
    size_t total = arena_.Bytes() + Bytes(cols_) + Bytes(nameIndex_) + Bytes(successor_);
    for (const Column& col : cols_) {
        total +=
            col.ints.bytes() + col.reals.bytes() + col.texts.bytes() + Bytes(col.vars) + Bytes(col.nulls);
        total += col.name.capacity();
        for (const Variant& v : col.vars)
            if (v.IsString()) total += v.StringRef().capacity();
    }
    return total;
}

}  // namespace ADODB
