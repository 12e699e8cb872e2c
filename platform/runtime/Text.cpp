#include "Text.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>

#include "Error.h"

namespace {
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string LTrim(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string LCase(std::string_view s) {
    std::string r(s);
    for (auto& c : r) c = Lower(c);
    return r;
}

std::string UCase(std::string_view s) {
    std::string r(s);
    for (auto& c : r) c = Upper(c);
    return r;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(Lower(a[i]));
        unsigned char y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

size_t InStr(std::string_view s, std::string_view find, size_t start, bool noCase) {
    if (start < 1) start = 1;
    if (start > s.size() + 1) return 0;
    if (find.empty()) return start;
    if (!noCase) {
        auto p = s.find(find, start - 1);
        return p == std::string_view::npos ? 0 : p + 1;
    }
    for (size_t i = start - 1; i + find.size() <= s.size(); ++i)
        if (EqualsNoCase(s.substr(i, find.size()), find)) return i + 1;
    return 0;
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
    if (find.empty()) return std::string(s);
    std::string r;
    r.reserve(s.size());
    size_t pos = 0;
    while (true) {
        auto p = s.find(find, pos);
        if (p == std::string_view::npos) break;
        r.append(s.substr(pos, p - pos));
        r.append(with);
        pos = p + find.size();
    }
    r.append(s.substr(pos));
    return r;
}

std::string WithLineBreaks(std::string_view sMessage) { return Replace(sMessage, "||", "\r\n"); }

std::vector<std::string> Split(std::string_view s, std::string_view delimiter) {
    std::vector<std::string> out;
    if (delimiter.empty()) {
        out.emplace_back(s);
        return out;
    }
    size_t pos = 0;
    while (true) {
        auto p = s.find(delimiter, pos);
        if (p == std::string_view::npos) {
            out.emplace_back(s.substr(pos));
            return out;
        }
        out.emplace_back(s.substr(pos, p - pos));
        pos = p + delimiter.size();
    }
}

std::string Join(const std::vector<std::string>& items, std::string_view delimiter) {
    std::string r;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i) r.append(delimiter);
        r.append(items[i]);
    }
    return r;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }
bool EndsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

bool NextUtf8Character(std::string_view s, size_t& i, char32_t& c) {
    const unsigned char lead = static_cast<unsigned char>(s[i]);
    size_t more = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        c = lead;
        ++i;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        more = 1, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return false;
    }
    if (s.size() - i <= more) return false;
    for (size_t k = 1; k <= more; ++k) {
        const unsigned char next = static_cast<unsigned char>(s[i + k]);
        if ((next & 0xC0) != 0x80) return false;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += more + 1;
    return true;
}

std::string VisibleText(std::string_view s, bool keepLines) {
    static const char kDigits[] = "0123456789ABCDEF";
    auto hex = [](unsigned value) { return std::string{kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]}; };
    std::string shown;
    shown.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const size_t at = i;
        char32_t c = 0;
        if (!NextUtf8Character(s, i, c)) {
            shown += "\\x" + hex(static_cast<unsigned char>(s[i++]));
            continue;
        }
        if (keepLines && c == '\n') {
            shown += static_cast<char>(c);
        } else if (c == 0x1B) {
            shown += "\\e";
        } else if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            shown += "\\x" + hex(c);
        } else if (c >= 0x80 && c <= 0x9F) {
            shown += "\\u00" + hex(c);
        } else {
            shown.append(s.substr(at, i - at));
        }
    }
    return shown;
}

namespace {

// Reads a decimal number (sign, digits, point, exponent) from the start of s;
// returns the characters used (0 when there is no number).  A number past the
// range of a Double reads as an infinity of its sign, one too small for it as
// zero.
size_t ReadDecimal(std::string_view s, double& out) {
    size_t i = 0;
    std::string digits;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) digits += s[i++];
    size_t mantissa = 0;
    // The decimal exponent of the first significant digit, so that a result
    // out of range can be told apart as overflow or underflow.
    long lead = 0;
    bool significant = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        if (significant)
            ++lead;
        else if (s[i] != '0')
            significant = true;
        digits += s[i++], ++mantissa;
    }
    if (i < s.size() && s[i] == '.') {
        digits += s[i++];
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            if (!significant) {
                --lead;
                significant = s[i] != '0';
            }
            digits += s[i++], ++mantissa;
        }
    }
    if (mantissa == 0) return 0;
    long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        std::string exp = "e";
        bool negative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) negative = s[j] == '-', exp += s[j++];
        size_t expDigits = 0;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            if (exponent < 100000) exponent = exponent * 10 + (s[j] - '0');
            exp += s[j++], ++expDigits;
        }
        if (negative) exponent = -exponent;
        if (expDigits) {
            digits += exp;
            i = j;
        } else {
            exponent = 0;
        }
    }
    const char* b = digits.c_str();
    if (*b == '+') ++b;
    auto r = std::from_chars(b, digits.c_str() + digits.size(), out);
    if (r.ec == std::errc::result_out_of_range) {
        double magnitude = lead + exponent > 0 ? HUGE_VAL : 0.0;
        out = *b == '-' ? -magnitude : magnitude;
    } else if (r.ec != std::errc()) {
        return 0;
    }
    return i;
}

size_t ReadRadix(std::string_view s, double& out) {
    if (s.size() < 3 || s[0] != '&') return 0;
    int base = (s[1] == 'H' || s[1] == 'h') ? 16 : (s[1] == 'O' || s[1] == 'o') ? 8 : 0;
    if (!base) return 0;
    size_t i = 2;
    uint64_t v = 0;
    size_t n = 0;
    while (i < s.size()) {
        char c = s[i];
        int d = (c >= '0' && c <= '9')                 ? c - '0'
                : (base == 16 && c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (base == 16 && c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                       : -1;
        if (d < 0 || d >= base) break;
        v = v * base + d;
        ++i, ++n;
        if (v > 0xFFFFFFFFull) return 0;
    }
    if (!n) return 0;
    // A 32-bit pattern reads as a signed Long, as in the classic run time.
    if (v > 0xFFFF)
        out = static_cast<int32_t>(static_cast<uint32_t>(v));
    else
        out = static_cast<int16_t>(static_cast<uint16_t>(v));
    return i;
}

}  // namespace

double Val(std::string_view s) {
    std::string compact;
    for (char c : s)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') compact += c;
    double d = 0;
    if (ReadRadix(compact, d)) return d;
    if (ReadDecimal(compact, d)) {
        if (std::isinf(d)) Raise(rt::kOverflow);
        return d;
    }
    return 0;
}

bool ParseNumber(std::string_view s, double& out) {
    std::string t = Trim(s);
    while (!t.empty() && IsBlank(t.back())) t.pop_back();
    size_t start = 0;
    while (start < t.size() && IsBlank(t[start])) ++start;
    std::string_view v(t);
    v = v.substr(start);
    if (v.empty()) return false;
    double d = 0;
    size_t used = ReadRadix(v, d);
    if (!used) used = ReadDecimal(v, d);
    if (!used || used != v.size()) return false;
    out = d;
    return true;
}

bool IsNumericText(std::string_view s) {
    double d;
    return ParseNumber(s, d) && std::isfinite(d);
}

std::string Hex(int32_t n) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, static_cast<uint32_t>(n), 16);
    std::string s(buf, r.ptr);
    return UCase(s);
}

namespace {
// Days from 1970-01-01 for a civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t yy = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

const int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);  // serial 0
}  // namespace

double DateSerial(int year, int month, int day) {
    // Months outside 1..12 roll into neighbouring years, as DateSerial does.
    int64_t y = year + (month - 1) / 12;
    int m = (month - 1) % 12;
    if (m < 0) m += 12, --y;
    return static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(m + 1), 1) + (day - 1) - kEpochOffset);
}

double TimeSerial(int hour, int minute, int second) {
    return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

bool IsDateSerial(double serial) {
    // 100-01-01 00:00:00 to 9999-12-31 23:59:59, the classic range of dates.
    // Before serial 0 the time of day counts away from zero, so the times of
    // 100-01-01 lie below its serial, down to (not including) the serial of
    // the day before.  A serial is read to the nearest second: a time that
    // rounds into the next day at the end of 9999-12-31 names a day outside
    // the range; one at the end of 100-01-01 names 100-01-02.
    constexpr double kLastSecond = 86399.5 / 86400.0;
    return serial > -657435.0 && serial < 2958465.0 + kLastSecond;
}

DateParts SplitDate(double serial) {
    if (!IsDateSerial(serial)) Raise(rt::kOverflow);
    // Negative serials count whole days back, with the time as a positive
    // fraction of the day (the classic representation).
    double whole = std::trunc(serial);
    double frac = std::fabs(serial - whole);
    int64_t secs = static_cast<int64_t>(std::llround(frac * 86400.0));
    if (secs >= 86400) {
        // Midnight of the next calendar day, whichever side of serial 0.
        secs -= 86400;
        whole += 1;
    }
    DateParts p{};
    CivilFromDays(static_cast<int64_t>(whole) + kEpochOffset, p.year, p.month, p.day);
    p.hour = static_cast<int>(secs / 3600);
    p.minute = static_cast<int>(secs / 60 % 60);
    p.second = static_cast<int>(secs % 60);
    return p;
}

std::string DateToText(double serial) {
    DateParts p = SplitDate(serial);
    char buf[40];
    if (p.hour || p.minute || p.second)
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                      p.minute, p.second);
    else
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", p.year, p.month, p.day);
    return buf;
}

std::string FormatDateMDY(double serial) {
    DateParts p = SplitDate(serial);
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", p.month, p.day, p.year);
    return buf;
}

namespace {
bool ReadInt(std::string_view s, size_t& i, int& out, size_t minDigits, size_t maxDigits) {
    size_t start = i;
    int v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - start < maxDigits) v = v * 10 + (s[i++] - '0');
    if (i - start < minDigits) return false;
    out = v;
    return true;
}

bool ValidDate(int y, int m, int d) {
    if (m < 1 || m > 12 || d < 1 || y < 100 || y > 9999) return false;
    static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d > days[m - 1]) return false;
    if (m == 2 && d == 29 && !((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) return false;
    return true;
}
}  // namespace

bool ParseDate(std::string_view in, double& out) {
    std::string t = Trim(in);
    std::string_view s(t);
    size_t i = 0;
    int y = 0, m = 0, d = 0;
    int a = 0;
    if (!ReadInt(s, i, a, 1, 4)) return false;
    if (i >= s.size()) return false;
    char sep = s[i];
    if (sep != '-' && sep != '/') return false;
    ++i;
    if (i - 1 == 4) {  // YYYY-MM-DD
        y = a;
        if (!ReadInt(s, i, m, 1, 2) || i >= s.size() || s[i] != sep) return false;
        ++i;
        if (!ReadInt(s, i, d, 1, 2)) return false;
    } else {  // M-D-YYYY or M/D/YYYY
        m = a;
        if (!ReadInt(s, i, d, 1, 2) || i >= s.size() || s[i] != sep) return false;
        ++i;
        if (!ReadInt(s, i, y, 4, 4)) return false;
    }
    if (!ValidDate(y, m, d)) return false;
    double serial = DateSerial(y, m, d);
    int hh = 0, mm = 0, ss = 0;
    if (i < s.size()) {
        if (s[i] != ' ' && s[i] != 'T') return false;
        ++i;
        if (!ReadInt(s, i, hh, 1, 2) || i >= s.size() || s[i] != ':') return false;
        ++i;
        if (!ReadInt(s, i, mm, 2, 2)) return false;
        if (i < s.size() && s[i] == ':') {
            ++i;
            if (!ReadInt(s, i, ss, 2, 2)) return false;
        }
        if (i != s.size() || hh > 23 || mm > 59 || ss > 59) return false;
    }
    double time = TimeSerial(hh, mm, ss);
    out = serial >= 0 ? serial + time : serial - time;
    return true;
}

double Now() {
    std::time_t t = std::time(nullptr);
    std::tm lt{};
    localtime_r(&t, &lt);
    return DateSerial(lt.tm_year + 1900, lt.tm_mon + 1, lt.tm_mday) +
           TimeSerial(lt.tm_hour, lt.tm_min, lt.tm_sec);
}
