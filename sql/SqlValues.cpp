#include "sql/SqlValues.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "core/ErrorHandler.h"
#include "core/HuntERR31.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "sql/SqlQuotes.h"

namespace {

// What the refusals say of a value (RefuseValue puts the value and its
// place before it).
constexpr const char* kNotANumber = "is not a valid number.";
constexpr const char* kNotADate = "is not a valid date.";
constexpr const char* kNotAName = "is not a valid name: only letters, digits and '_' may be used.";
constexpr const char* kHoldsNul = "holds a NUL character, which a query cannot carry.";

// Beyond this a double no longer holds every whole number.
constexpr double kExactWhole = 9007199254740992.0;  // 2^53

std::string Canonical(double d) {
    char buf[64];
    std::to_chars_result r;
    if (d == std::trunc(d) && std::fabs(d) < kExactWhole)
        r = std::to_chars(buf, buf + sizeof buf, static_cast<int64_t>(d));
    else
        r = std::to_chars(buf, buf + sizeof buf, d);
    std::string s(buf, r.ptr);
    // -0 is written as 0; any other negative number goes in brackets.
    if (s == "-0") return "0";
    return s[0] == '-' ? "(" + s + ")" : s;
}

// The number in the text, or false.
bool ReadNumber(const std::string& s, double& d) { return ParseNumber(s, d) && std::isfinite(d); }

std::string Quoted(const std::string& s, std::string_view sOf) {
    if (s.find('\0') != std::string::npos) RefuseValue(s, sOf, kHoldsNul);
    return "'" + Replace(s, "'", "''") + "'";
}

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string TwoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

}  // namespace

SqlFragment SqlCodeList(const std::string& sList, std::string_view sOf) {
    return PassOn("SqlValues.SqlCodeList(sList)", ERR_ARGS(sList), [&] {
        if (Trim(sList).empty()) return SqlFragment("");
        std::string out;
        for (const std::string& item : Split(sList, ",")) {
            double d = 0;
            if (!ReadNumber(Trim(item), d)) RefuseValue(item, sOf, kNotANumber, sList);
            if (!out.empty()) out += ',';
            out += Canonical(d);
        }
        return SqlFragment(out);
    });
}

SqlFragment SqlQuotedList(const std::string& sList, std::string_view sOf) {
    return PassOn("SqlValues.SqlQuotedList(sList)", ERR_ARGS(sList), [&] {
        if (sList.empty()) return SqlFragment("");
        std::string out;
        bool first = true;
        for (const std::string& item : Split(sList, ",")) {
            if (!first) out += ',';
            first = false;
            out += Quoted(item, sOf);
        }
        return SqlFragment(out);
    });
}

std::optional<std::vector<std::string>> ReadQuotedList(std::string_view sList, char cQuote) {
    auto blanks = [&](size_t& i) {
        while (i < sList.size() && (sList[i] == ' ' || sList[i] == '\t')) ++i;
    };
    std::vector<std::string> texts;
    size_t i = 0;
    for (;;) {
        blanks(i);
        if (i == sList.size() || sList[i] != cQuote) return std::nullopt;
        std::string text;
        for (++i;; ++i) {
            if (i == sList.size()) return std::nullopt;  // the literal never ends
            if (sList[i] != cQuote) {
                text += sList[i];
            } else if (i + 1 < sList.size() && sList[i + 1] == cQuote) {
                text += cQuote;
                ++i;
            } else {
                ++i;
                break;
            }
        }
        texts.push_back(std::move(text));
        blanks(i);
        if (i == sList.size()) return texts;
        if (sList[i] != ',') return std::nullopt;
        ++i;
    }
}

SqlFragment SqlText(const std::string& sValue, std::string_view sOf) {
    return PassOn("SqlValues.SqlText(sValue)", ERR_ARGS(sValue),
                  [&] { return SqlFragment(Quoted(sValue, sOf)); });
}

SqlFragment SqlNumber(double dValue) {
    return PassOn("SqlValues.SqlNumber(dValue)", ERR_ARGS(dValue), [&] {
        if (!std::isfinite(dValue))
            RefuseValue(std::isnan(dValue) ? "NaN" : dValue > 0 ? "inf" : "-inf", "", kNotANumber);
        return SqlFragment(Canonical(dValue));
    });
}

SqlFragment SqlNumber(const std::string& sValue, std::string_view sOf) {
    return PassOn("SqlValues.SqlNumber(sValue)", ERR_ARGS(sValue), [&] {
        double d = 0;
        if (!ReadNumber(sValue, d)) RefuseValue(sValue, sOf, kNotANumber);
        return SqlFragment(Canonical(d));
    });
}

SqlFragment SqlDate(double dDate, std::string_view sOf, std::string_view sWritten) {
    return PassOn("SqlValues.SqlDate(dDate)", ERR_ARGS(dDate), [&] {
        // The last half second of 9999-12-31 rounds into the year 10000.
        if (!std::isfinite(dDate) || !IsDateSerial(dDate) || SplitDate(dDate).year > 9999) {
            char buf[64];
            auto r = std::to_chars(buf, buf + sizeof buf, dDate);
            RefuseValue(sWritten.empty() ? std::string_view(buf, r.ptr - buf) : sWritten, sOf, kNotADate);
        }
        std::string s = "#" + FormatDateMDY(dDate);
        const DateParts p = SplitDate(dDate);
        if (p.hour || p.minute || p.second)
            s += " " + TwoDigits(p.hour) + ":" + TwoDigits(p.minute) + ":" + TwoDigits(p.second);
        return SqlFragment(s + "#");
    });
}

SqlFragment SqlDate(const std::string& sValue, std::string_view sOf) {
    return PassOn("SqlValues.SqlDate(sValue)", ERR_ARGS(sValue), [&] {
        double d = 0;
        if (!(ReadNumber(sValue, d) && IsDateSerial(d)) && !ParseDate(sValue, d))
            RefuseValue(sValue, sOf, kNotADate);
        return SqlDate(d, sOf, sValue);
    });
}

SqlFragment SqlIdentifier(const std::string& sName, std::string_view sOf) {
    return PassOn("SqlValues.SqlIdentifier(sName)", ERR_ARGS(sName), [&] {
        if (sName.empty()) RefuseValue(sName, sOf, kNotAName);
        for (char c : sName)
            if (!IsNameChar(c)) RefuseValue(sName, sOf, kNotAName);
        return SqlFragment("[" + sName + "]");
    });
}

SqlFragment SqlConstant(SqlConstantText sText) { return SqlFragment(sText.Text()); }

std::string ReplacePlaceholder(std::string_view sTemplate, std::string_view sPlaceholder,
                               const SqlFragment& value) {
    return PassOn(
        "SqlValues.ReplacePlaceholder(sTemplate, sPlaceholder, value)",
        ERR_ARGS(std::string(sTemplate), std::string(sPlaceholder), value.Text()), [&] {
            if (sPlaceholder.empty() || sPlaceholder.find_first_of("'\"`[]") != std::string_view::npos)
                Raise(rt::kInvalidCall);
            return ReplaceOutsideQuotes(sTemplate, sPlaceholder, value.Text(), false);
        });
}
