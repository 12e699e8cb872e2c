#include "JetFunctions.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "AdoErrors.h"
#include "JetTranslator.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/Variant.h"

namespace ADODB {

namespace {

using Args = sqlite3_value**;

bool IsNullArg(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

std::string_view TextOf(sqlite3_value* v) {
    const unsigned char* p = sqlite3_value_text(v);
    return p ? std::string_view(reinterpret_cast<const char*>(p), static_cast<size_t>(sqlite3_value_bytes(v)))
             : std::string_view();
}

// A value as Jet turns it into text: whole numbers plainly, other numbers
// with up to 15 significant digits and "." as the decimal point.
std::string ToText(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_NULL:
            return "";
        case SQLITE_INTEGER: {
            char buf[24];
            auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(sqlite3_value_int64(v)));
            return std::string(buf, r.ptr);
        }
        case SQLITE_FLOAT:
            return DoubleToText(sqlite3_value_double(v));
        default:
            return std::string(TextOf(v));
    }
}

void ResultText(sqlite3_context* ctx, std::string_view s) {
    sqlite3_result_text64(ctx, s.data(), s.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

// A failed conversion is the engine's type-mismatch failure, which the
// provider reports as "data type mismatch".
void Mismatch(sqlite3_context* ctx, const char* fn) {
    std::string m = std::string("Data type mismatch in criteria expression (") + fn + ").";
    sqlite3_result_error(ctx, m.c_str(), -1);
    sqlite3_result_error_code(ctx, SQLITE_MISMATCH);
}

void InvalidArgument(sqlite3_context* ctx, const char* fn) {
    std::string m = std::string("Invalid procedure call or argument (") + fn + ").";
    sqlite3_result_error(ctx, m.c_str(), -1);
}

// The number a value holds, as CDbl reads it; false when it holds none.
bool ToNumber(sqlite3_value* v, double& out) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            out = static_cast<double>(sqlite3_value_int64(v));
            return true;
        case SQLITE_FLOAT:
            out = sqlite3_value_double(v);
            return true;
        default:
            return ParseNumber(TextOf(v), out);
    }
}

// A date value: ISO text as the data set stores dates, the forms Jet reads,
// or a serial number.
bool ToDate(sqlite3_value* v, double& out) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            out = sqlite3_value_double(v);
            return true;
        default:
            return ParseDate(TextOf(v), out);
    }
}

// UTF-8 aware character positions: Left, Mid and Len count characters.
size_t CharCount(std::string_view s) {
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

size_t ByteOfChar(std::string_view s, size_t chars) {
    size_t i = 0;
    while (i < s.size() && chars > 0) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
        --chars;
    }
    return i;
}

std::string_view CharSlice(std::string_view s, size_t from, size_t count) {
    size_t b = ByteOfChar(s, from);
    size_t e = b + ByteOfChar(s.substr(b), count);
    return s.substr(b, e - b);
}

// A count or position argument; false when it is Null, no number or negative.
bool ToCount(sqlite3_value* v, int64_t& out) {
    double d = 0;
    if (IsNullArg(v) || !ToNumber(v, d) || !(d >= 0) || d > 2147483647.0) return false;
    out = static_cast<int64_t>(RoundHalfEven(d));
    return true;
}

void FnConcat(sqlite3_context* ctx, int, Args a) {
    // Jet's "&" treats Null as empty text, and only two Nulls give Null.
    if (IsNullArg(a[0]) && IsNullArg(a[1])) return sqlite3_result_null(ctx);
    ResultText(ctx, ToText(a[0]) + ToText(a[1]));
}

void FnNz(sqlite3_context* ctx, int argc, Args a) {
    if (!IsNullArg(a[0])) return sqlite3_result_value(ctx, a[0]);
    // In a query, Nz without a default gives empty text.
    if (argc > 1) return sqlite3_result_value(ctx, a[1]);
    sqlite3_result_text(ctx, "", 0, SQLITE_STATIC);
}

void FnVal(sqlite3_context* ctx, int, Args a) {
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    int type = sqlite3_value_type(a[0]);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) return sqlite3_result_value(ctx, a[0]);
    try {
        sqlite3_result_double(ctx, Val(TextOf(a[0])));
    } catch (const Error& e) {
        sqlite3_result_error(ctx, e.Description().c_str(), -1);
    }
}

void FnLeft(sqlite3_context* ctx, int, Args a) {
    int64_t n = 0;
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    if (!ToCount(a[1], n)) return InvalidArgument(ctx, "Left");
    std::string s = ToText(a[0]);
    ResultText(ctx, CharSlice(s, 0, static_cast<size_t>(n)));
}

void FnRight(sqlite3_context* ctx, int, Args a) {
    int64_t n = 0;
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    if (!ToCount(a[1], n)) return InvalidArgument(ctx, "Right");
    std::string s = ToText(a[0]);
    size_t len = CharCount(s);
    size_t take = std::min(len, static_cast<size_t>(n));
    ResultText(ctx, CharSlice(s, len - take, take));
}

void FnMid(sqlite3_context* ctx, int argc, Args a) {
    int64_t start = 0, n = std::numeric_limits<int32_t>::max();
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    if (!ToCount(a[1], start) || start < 1 || (argc > 2 && !ToCount(a[2], n)))
        return InvalidArgument(ctx, "Mid");
    std::string s = ToText(a[0]);
    ResultText(ctx, CharSlice(s, static_cast<size_t>(start - 1), static_cast<size_t>(n)));
}

void FnLen(sqlite3_context* ctx, int, Args a) {
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(CharCount(ToText(a[0]))));
}

void FnUCase(sqlite3_context* ctx, int, Args a) {
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    ResultText(ctx, UCase(ToText(a[0])));
}

void FnLCase(sqlite3_context* ctx, int, Args a) {
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    ResultText(ctx, LCase(ToText(a[0])));
}

// InStr([start,] text, find [, compare]): 1-based character position, 0 when
// absent; text comparison (without regard to case) unless compare is 0.
void FnInStr(sqlite3_context* ctx, int argc, Args a) {
    int64_t start = 1;
    int first = 0;
    if (argc >= 3) {
        if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
        if (!ToCount(a[0], start) || start < 1) return InvalidArgument(ctx, "InStr");
        first = 1;
    }
    if (IsNullArg(a[first]) || IsNullArg(a[first + 1])) return sqlite3_result_null(ctx);
    bool noCase = true;
    if (argc == 4) {
        double c = 0;
        if (!ToNumber(a[3], c)) return Mismatch(ctx, "InStr");
        noCase = c != 0;
    }
    std::string s = ToText(a[first]), find = ToText(a[first + 1]);
    size_t from = ByteOfChar(s, static_cast<size_t>(start - 1));
    if (static_cast<size_t>(start - 1) > CharCount(s)) return sqlite3_result_int(ctx, 0);
    size_t at = InStr(s, find, from + 1, noCase);
    sqlite3_result_int64(
        ctx, at == 0 ? 0 : static_cast<sqlite3_int64>(CharCount(std::string_view(s).substr(0, at - 1)) + 1));
}

template <int Part>
void FnDatePart(sqlite3_context* ctx, int, Args a) {
    double d = 0;
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    const char* name = Part == 0 ? "Year" : Part == 1 ? "Month" : "Day";
    if (!ToDate(a[0], d)) return Mismatch(ctx, name);
    // A number beyond the range of dates fails as the engine's functions
    // fail: an error raised here would unwind through the engine's frames.
    if (!IsDateSerial(d)) return InvalidArgument(ctx, (std::string(name) + ": overflow").c_str());
    DateParts p = SplitDate(d);
    sqlite3_result_int(ctx, Part == 0 ? p.year : Part == 1 ? p.month : p.day);
}

void FnCLng(sqlite3_context* ctx, int, Args a) {
    double d = 0;
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    if (!ToNumber(a[0], d)) return Mismatch(ctx, "CLng");
    double r = RoundHalfEven(d);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return InvalidArgument(ctx, "CLng: overflow");
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(r));
}

void FnCDbl(sqlite3_context* ctx, int, Args a) {
    double d = 0;
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    if (!ToNumber(a[0], d)) return Mismatch(ctx, "CDbl");
    sqlite3_result_double(ctx, d);
}

void FnCStr(sqlite3_context* ctx, int, Args a) {
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    ResultText(ctx, ToText(a[0]));
}

std::string Pad2(int v) {
    return std::string(1, static_cast<char>('0' + v / 10 % 10)) + static_cast<char>('0' + v % 10);
}

// Format of a date with the usual date picture letters (yyyy, yy, mmmm,
// mmm, mm, m, dd, d, hh, h, nn, n, ss, s); anything else is copied.
std::string FormatDatePicture(double serial, std::string_view pic) {
    static const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
    DateParts p = SplitDate(serial);
    std::string out;
    size_t i = 0;
    while (i < pic.size()) {
        char c = static_cast<char>(pic[i] | 0x20);
        size_t run = 1;
        while (i + run < pic.size() && static_cast<char>(pic[i + run] | 0x20) == c) ++run;
        if (c == 'y') {
            std::string y = std::to_string(p.year);
            out += run >= 4 ? y : y.substr(y.size() - 2);
        } else if (c == 'm') {
            std::string name = months[p.month - 1];
            out += run >= 4   ? name
                   : run == 3 ? name.substr(0, 3)
                   : run == 2 ? Pad2(p.month)
                              : std::to_string(p.month);
        } else if (c == 'd') {
            out += run >= 2 ? Pad2(p.day) : std::to_string(p.day);
        } else if (c == 'h') {
            out += run >= 2 ? Pad2(p.hour) : std::to_string(p.hour);
        } else if (c == 'n') {
            out += run >= 2 ? Pad2(p.minute) : std::to_string(p.minute);
        } else if (c == 's') {
            out += run >= 2 ? Pad2(p.second) : std::to_string(p.second);
        } else {
            out.append(pic.substr(i, run));
        }
        i += run;
    }
    return out;
}

void FnFormat(sqlite3_context* ctx, int argc, Args a) {
    if (IsNullArg(a[0])) return sqlite3_result_null(ctx);
    double d = 0;
    bool isDate = sqlite3_value_type(a[0]) == SQLITE_TEXT && ParseDate(TextOf(a[0]), d);
    if (argc < 2 || IsNullArg(a[1]) || !isDate) return ResultText(ctx, ToText(a[0]));
    ResultText(ctx, FormatDatePicture(d, TextOf(a[1])));
}

void FnNow(sqlite3_context* ctx, int, Args) { ResultText(ctx, DateToText(Now())); }

struct FunctionDef {
    const char* name;
    int argc;
    void (*fn)(sqlite3_context*, int, sqlite3_value**);
    bool deterministic;
};

}  // namespace

void RegisterJetFunctions(sqlite3* db) {
    static const FunctionDef defs[] = {
        {JetTranslator::kConcatFunction, 2, FnConcat, true},
        {"Nz", 1, FnNz, true},
        {"Nz", 2, FnNz, true},
        {"Val", 1, FnVal, true},
        {"Left", 2, FnLeft, true},
        {"Right", 2, FnRight, true},
        {"Mid", 2, FnMid, true},
        {"Mid", 3, FnMid, true},
        {"Len", 1, FnLen, true},
        {"UCase", 1, FnUCase, true},
        {"LCase", 1, FnLCase, true},
        {"InStr", 2, FnInStr, true},
        {"InStr", 3, FnInStr, true},
        {"InStr", 4, FnInStr, true},
        {"Year", 1, FnDatePart<0>, true},
        {"Month", 1, FnDatePart<1>, true},
        {"Day", 1, FnDatePart<2>, true},
        {"CLng", 1, FnCLng, true},
        {"CDbl", 1, FnCDbl, true},
        {"CStr", 1, FnCStr, true},
        {"Format", 1, FnFormat, true},
        {"Format", 2, FnFormat, true},
        {"Now", 0, FnNow, false},
    };
    for (const FunctionDef& d : defs) {
        int flags = SQLITE_UTF8 | (d.deterministic ? SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS : 0);
        int rc =
            sqlite3_create_function_v2(db, d.name, d.argc, flags, nullptr, d.fn, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) RaiseEngineError(db, rc);
    }
}

}  // namespace ADODB
