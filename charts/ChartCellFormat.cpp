#include "charts/ChartCellFormat.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/runtime/Text.h"

namespace {

// The pictures that named ones and the date marks ddddd, dddddd and ttttt stand for.
constexpr const char* kShortDate = "yyyy-mm-dd";
constexpr const char* kLongDate = "d mmmm yyyy";
constexpr const char* kLongTime = "hh:nn:ss";

// A picture taken apart: literal text, or one of the number picture's marks.
struct Token {
    enum Kind { Literal, Zero, Hash, Point, Comma, Percent, Exponent } kind;
    std::string text;  // a literal's text; an exponent's mark as written ("E+", "e-", ...)
};

// Splits at ";" outside quotes and after-backslash characters.
std::vector<std::string> Sections(const std::string& pic) {
    std::vector<std::string> out(1);
    for (size_t i = 0; i < pic.size(); ++i) {
        const char c = pic[i];
        if (c == '"') {
            const size_t end = pic.find('"', i + 1);
            const size_t stop = end == std::string::npos ? pic.size() : end + 1;
            out.back() += pic.substr(i, stop - i);
            i = stop - 1;
        } else if (c == '\\' && i + 1 < pic.size()) {
            out.back() += pic.substr(i, 2);
            ++i;
        } else if (c == ';') {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

std::vector<Token> Tokens(const std::string& section) {
    std::vector<Token> out;
    auto literal = [&](const std::string& text) {
        if (!out.empty() && out.back().kind == Token::Literal)
            out.back().text += text;
        else
            out.push_back({Token::Literal, text});
    };
    for (size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if (c == '"') {
            const size_t end = section.find('"', i + 1);
            const size_t stop = end == std::string::npos ? section.size() : end;
            literal(section.substr(i + 1, stop - i - 1));
            i = stop;
        } else if (c == '\\' && i + 1 < section.size()) {
            literal(section.substr(++i, 1));
        } else if (c == '0') {
            out.push_back({Token::Zero, ""});
        } else if (c == '#') {
            out.push_back({Token::Hash, ""});
        } else if (c == '.') {
            out.push_back({Token::Point, ""});
        } else if (c == ',') {
            out.push_back({Token::Comma, ""});
        } else if (c == '%') {
            out.push_back({Token::Percent, ""});
        } else if ((c == 'E' || c == 'e') && i + 2 < section.size() &&
                   (section[i + 1] == '+' || section[i + 1] == '-') &&
                   (section[i + 2] == '0' || section[i + 2] == '#')) {
            // Only digits right after the sign make an exponent; "E+" before text is text.
            out.push_back({Token::Exponent, section.substr(i, 2)});
            ++i;
        } else {
            literal(std::string(1, c));
        }
    }
    return out;
}

bool IsDigitPlace(const Token& t) { return t.kind == Token::Zero || t.kind == Token::Hash; }

bool HasDigitPlace(const std::string& section) {
    const std::vector<Token> tokens = Tokens(section);
    return std::any_of(tokens.begin(), tokens.end(), IsDigitPlace);
}

// The value's (above 0, finite) first 15 significant digits, and the power of
// ten of the first of them: a = d.ddd... x 10^power.
void SignificantDigits(double a, std::string& digits, int& power) {
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
    const std::string text(buf, res.ptr);
    const size_t e = text.find('e');
    digits = text.substr(0, 1) + text.substr(2, e - 2);
    power = std::atoi(text.c_str() + e + 1);
}

// The first `keep` (0 or more) of the digits, rounded half away from zero on
// the digit after them; one digit more when rounding carries past the first.
std::string RoundDigits(std::string digits, int keep) {
    if (static_cast<int>(digits.size()) <= keep) digits.append(keep + 1 - digits.size(), '0');
    std::string kept = digits.substr(0, static_cast<size_t>(keep));
    if (digits[static_cast<size_t>(keep)] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[static_cast<size_t>(i)] == '9'; --i) kept[static_cast<size_t>(i)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[static_cast<size_t>(i)];
    }
    return kept;
}

// The value (not below 0) times 10^shift rounded half away from zero to
// `decimals` places on its first 15 significant digits: the whole digits
// without leading zeros ("" for none) and exactly `decimals` fraction digits.
// The shift moves the written digits, so that a percent or a scaling by
// thousands rounds the value as written, not as its binary neighbour lies.
void RoundedDigits(double a, int shift, int decimals, std::string& whole, std::string& frac) {
    std::string kept;
    if (a > 0) {
        std::string digits;
        int power = 0;
        SignificantDigits(a, digits, power);
        const int keep = power + shift + 1 + decimals;
        if (keep >= 0) kept = RoundDigits(digits, keep);
    }
    if (kept.size() < static_cast<size_t>(decimals) + 1) kept.insert(0, decimals + 1 - kept.size(), '0');
    whole = kept.substr(0, kept.size() - static_cast<size_t>(decimals));
    frac = kept.substr(kept.size() - static_cast<size_t>(decimals));
    const size_t first = whole.find_first_not_of('0');
    whole = first == std::string::npos ? "" : whole.substr(first);
}

// The value (not below 0) times 10^shift as `wholeDigits` digits before the
// point and `decimals` after it, times a power of ten, which it returns:
// 1234.5 with one whole digit and two decimals is 1.23 and 3.  Zero is all
// zeros (the whole part "") and the power 0.
int ScientificDigits(double a, int shift, int wholeDigits, int decimals, std::string& whole,
                     std::string& frac) {
    const int keep = wholeDigits + decimals;
    std::string kept(static_cast<size_t>(keep), '0');
    int power = 0;
    if (a > 0) {
        std::string digits;
        SignificantDigits(a, digits, power);
        power += shift;
        kept = RoundDigits(digits, keep);
        if (static_cast<int>(kept.size()) > keep) {
            kept.pop_back();
            ++power;
        }
        power -= wholeDigits - 1;
    }
    whole = kept.substr(0, static_cast<size_t>(wholeDigits));
    frac = kept.substr(static_cast<size_t>(wholeDigits));
    if (a == 0) whole.clear();
    return power;
}

// The whole part's digits with separators between thousands and the text
// that stands between its `places` digit places, each after as many places as
// its number says counted from the left: a text with more places after it
// than there are digits goes in front, as the places a # leaves empty do.
std::string WholeDigits(const std::string& digits, bool thousands, int places,
                        const std::vector<std::pair<int, std::string>>& marks) {
    const int n = static_cast<int>(digits.size());
    std::string out;
    // The marks come in the picture's order, so the places after each only
    // fall: one pass over them beside the digits.
    size_t next = 0;
    auto marksDownTo = [&](int right) {  // the texts with `right` or more places after them
        for (; next < marks.size() && places - marks[next].first >= right; ++next) out += marks[next].second;
    };
    marksDownTo(n);
    for (int j = n - 1; j >= 0; --j) {  // j: the digits after this one
        out += digits[static_cast<size_t>(n - 1 - j)];
        if (thousands && j > 0 && j % 3 == 0) out += ',';
        marksDownTo(j);
    }
    return out;
}

// The fraction's digits with the text that stands between its digit places,
// each after as many places as its number says; a text after places a #
// left empty follows the last digit.
std::string FractionDigits(const std::string& digits, const std::vector<std::pair<int, std::string>>& marks) {
    std::string out;
    size_t next = 0;
    for (size_t k = 0; k <= digits.size(); ++k) {
        for (; next < marks.size() && (static_cast<size_t>(marks[next].first) == k || k == digits.size());
             ++next)
            out += marks[next].second;
        if (k < digits.size()) out += digits[k];
    }
    return out;
}

// One section applied to the value's size; the sign is the caller's.
std::string FormatNumberSection(double a, const std::string& section) {
    const std::vector<Token> tokens = Tokens(section);
    auto isDigit = [&](size_t i) { return i < tokens.size() && IsDigitPlace(tokens[i]); };
    if (std::none_of(tokens.begin(), tokens.end(), IsDigitPlace)) {
        // No place for a digit: the section is a text that stands for the values of its sign
        // ("n/a" for the negative ones), a point, comma or percent sign written as it stands.
        std::string text;
        for (const Token& t : tokens)
            text += t.kind == Token::Literal ? t.text
                    : t.kind == Token::Point ? "."
                    : t.kind == Token::Comma ? ","
                                             : "%";
        return text;
    }
    size_t first = tokens.size(), last = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token::Kind k = tokens[i].kind;
        if (k == Token::Zero || k == Token::Hash || k == Token::Point) {
            if (first == tokens.size()) first = i;
            last = i;
        }
    }
    std::string prefix, suffix, exponentMark, exponentText;
    int minWhole = 0, wholePlaces = 0, fracPlaces = 0, minFrac = 0, minExponent = 0, shift = 0;
    bool point = false, thousands = false, percent = false;
    // Text between the digits (000-00-0000), by the digit places before it:
    // in the whole part counted from its left, in the fraction from the point.
    std::vector<std::pair<int, std::string>> wholeMarks, fracMarks;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        std::string& side = i < first ? prefix : suffix;
        switch (t.kind) {
            case Token::Literal:
                if (i < first || i > last)
                    side += t.text;
                else if (!exponentMark.empty())
                    exponentText += t.text;
                else if (point)
                    fracMarks.emplace_back(fracPlaces, t.text);
                else
                    wholeMarks.emplace_back(wholePlaces, t.text);
                break;
            case Token::Percent:
                percent = true;
                side += "%";
                break;
            case Token::Comma: {
                // A run of commas at once: those that end the digits of the whole part
                // (before the point, written or not) or of the fraction each divide by
                // 1,000; between digits of the whole part, one or more, they separate
                // thousands.  A run lies wholly between the first and last digit or
                // wholly outside them.  A thousand commas leave nothing of any number,
                // so that more need not be counted.
                size_t to = i;
                while (to + 1 < tokens.size() && tokens[to + 1].kind == Token::Comma) ++to;
                const int run = static_cast<int>(to - i + 1);
                if (exponentMark.empty() && i > 0 && isDigit(i - 1) && !isDigit(to + 1))
                    shift -= 3 * std::min(run, 1000);
                else if (i > first && i < last && !point && exponentMark.empty())
                    thousands = true;
                else if (i < first || i > last)
                    side.append(static_cast<size_t>(run), ',');
                i = to;
                break;
            }
            case Token::Point:
                point = true;
                break;
            case Token::Exponent:
                if (exponentMark.empty()) exponentMark = t.text;
                break;
            case Token::Zero:
            case Token::Hash:
                if (!exponentMark.empty()) {
                    if (t.kind == Token::Zero) ++minExponent;
                } else if (point) {
                    ++fracPlaces;
                    if (t.kind == Token::Zero) minFrac = fracPlaces;
                } else {
                    ++wholePlaces;
                    if (t.kind == Token::Zero) ++minWhole;
                }
                break;
        }
    }
    if (percent) shift += 2;
    std::string whole, frac, exponent;
    if (exponentMark.empty()) {
        RoundedDigits(a, shift, fracPlaces, whole, frac);
    } else {
        // As many digits before the point as the picture has 0s there, at least one.
        const int power = ScientificDigits(a, shift, std::max(minWhole, 1), fracPlaces, whole, frac);
        exponent = std::to_string(std::abs(power));
        if (static_cast<int>(exponent.size()) < minExponent)
            exponent.insert(0, minExponent - exponent.size(), '0');
        exponent.insert(0, power < 0 ? "-" : exponentMark[1] == '+' ? "+" : "");
        exponent.insert(0, 1, exponentMark[0]);
    }
    if (static_cast<int>(whole.size()) < minWhole) whole.insert(0, minWhole - whole.size(), '0');
    while (static_cast<int>(frac.size()) > minFrac && frac.back() == '0') frac.pop_back();
    return prefix + WholeDigits(whole, thousands, wholePlaces, wholeMarks) +
           (point ? "." + FractionDigits(frac, fracMarks) : "") + exponent + exponentText + suffix;
}

std::string Pad2(int v) {
    std::string text = std::to_string(v);
    if (v < 10) text.insert(text.begin(), '0');
    return text;
}

// The weekday of a whole day's serial, 1 Sunday ... 7 Saturday; serial 0, 30
// December 1899, was a Saturday.
int Weekday(double day) {
    const long long whole = static_cast<long long>(day);
    return static_cast<int>(((whole + 6) % 7 + 7) % 7) + 1;
}

// The length of the morning-or-afternoon marker at pic[i] (letter case
// ignored): 5 "AM/PM", 4 "AMPM", 3 "A/P"; 0 for none.
size_t AmPmLength(std::string_view pic, size_t i) {
    const std::string_view rest = pic.substr(i);
    if (EqualsNoCase(rest.substr(0, 5), "AM/PM")) return 5;
    if (EqualsNoCase(rest.substr(0, 4), "AMPM")) return 4;
    if (EqualsNoCase(rest.substr(0, 3), "A/P")) return 3;
    return 0;
}

// True when `is(pic, i)` holds at a character outside quotes and
// after-backslash characters: only there does a character mark anything.
template <class Is>
bool AnyOutsideLiterals(std::string_view pic, Is is) {
    for (size_t i = 0; i < pic.size(); ++i) {
        if (pic[i] == '"') {
            const size_t end = pic.find('"', i + 1);
            if (end == std::string_view::npos) return false;
            i = end;
        } else if (pic[i] == '\\') {
            ++i;
        } else if (is(pic, i)) {
            return true;
        }
    }
    return false;
}

// True when a marker stands outside literals: only such a marker is one, and
// switches the hours to a 12-hour clock.
bool HasAmPm(std::string_view pic) {
    return AnyOutsideLiterals(pic, [](std::string_view p, size_t i) { return AmPmLength(p, i) != 0; });
}

// True when a section holds a date or time mark outside literals: such a
// section writes the date its value is, where one without is a text alone.
bool HasDateCodes(std::string_view section) {
    return AnyOutsideLiterals(section, [](std::string_view p, size_t i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(p[i])));
        return std::string_view("dmyhnswqc").find(c) != std::string_view::npos || AmPmLength(p, i) != 0 ||
               (c == 't' && EqualsNoCase(p.substr(i, 5), "ttttt"));
    });
}

std::string FormatDate(double serial, const std::string& pic);

// The date and the time, the date alone at midnight, the time alone on the
// day of serial 0.
std::string GeneralDate(double serial) {
    const DateParts p = SplitDate(serial);
    if (p.year == 1899 && p.month == 12 && p.day == 30) return FormatDate(serial, kLongTime);
    if (p.hour == 0 && p.minute == 0 && p.second == 0) return FormatDate(serial, kShortDate);
    return FormatDate(serial, kShortDate) + " " + FormatDate(serial, kLongTime);
}

std::string FormatDate(double serial, const std::string& pic) {
    static const char* const months[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    static const char* const days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                       "Thursday", "Friday", "Saturday"};
    const DateParts p = SplitDate(serial);
    const bool twelveHours = HasAmPm(pic);
    // The day the date shows, whose weekday and place in the year the marks give: before
    // serial 0 the time counts away from zero (-1.5 is noon of 29 December 1899), and a time
    // that rounds to the next midnight shows the next day.
    const double day = DateSerial(p.year, p.month, p.day);
    const int dayOfYear = static_cast<int>(day - DateSerial(p.year, 1, 1)) + 1;
    const int firstWeekday = Weekday(DateSerial(p.year, 1, 1));
    std::string out;
    char previous = 0;  // the letter of the date mark before, for minutes after hours
    for (size_t i = 0; i < pic.size();) {
        const char raw = pic[i];
        if (raw == '"') {
            const size_t end = pic.find('"', i + 1);
            const size_t stop = end == std::string::npos ? pic.size() : end;
            out += pic.substr(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (raw == '\\' && i + 1 < pic.size()) {
            out += pic[i + 1];
            i += 2;
            continue;
        }
        if (const size_t marker = AmPmLength(pic, i)) {
            // "AM/PM" and "A/P" show their own half as written, letter case kept; "AMPM"
            // shows "AM" or "PM".
            const bool morning = p.hour < 12;
            out += marker == 5   ? pic.substr(morning ? i : i + 3, 2)
                   : marker == 4 ? std::string(morning ? "AM" : "PM")
                                 : pic.substr(morning ? i : i + 2, 1);
            i += marker;
            continue;
        }
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(raw)));
        size_t run = 1;
        while (i + run < pic.size() && std::tolower(static_cast<unsigned char>(pic[i + run])) == c) ++run;
        bool mark = true;
        if (c == 'm' && run <= 2) {
            // The next mark, past what is copied as it stands: literals do not
            // part minutes from the seconds after them, as they do not from the
            // hour before.
            size_t next = i + run;
            while (next < pic.size() && !std::isalpha(static_cast<unsigned char>(pic[next]))) {
                if (pic[next] == '"') {
                    const size_t end = pic.find('"', next + 1);
                    next = end == std::string::npos ? pic.size() : end + 1;
                } else {
                    next += pic[next] == '\\' && next + 1 < pic.size() ? 2 : 1;
                }
            }
            const bool minutes =
                previous == 'h' ||
                (next < pic.size() && std::tolower(static_cast<unsigned char>(pic[next])) == 's');
            const int v = minutes ? p.minute : p.month;
            out += run == 2 ? Pad2(v) : std::to_string(v);
        } else if (c == 'm') {
            const std::string name = months[p.month - 1];
            out += run == 3 ? name.substr(0, 3) : name;
        } else if (c == 'd') {
            const std::string name = days[Weekday(day) - 1];
            out += run == 1   ? std::to_string(p.day)
                   : run == 2 ? Pad2(p.day)
                   : run == 3 ? name.substr(0, 3)
                   : run == 4 ? name
                   : run == 5 ? FormatDate(serial, kShortDate)
                              : FormatDate(serial, kLongDate);
        } else if (c == 't' && run >= 5) {
            out += FormatDate(serial, kLongTime);
        } else if (c == 'c') {
            for (size_t k = 0; k < run; ++k) out += GeneralDate(serial);
        } else if (c == 'w') {
            out += std::to_string(run == 1 ? Weekday(day) : (dayOfYear - 1 + firstWeekday - 1) / 7 + 1);
        } else if (c == 'q') {
            out += std::to_string((p.month - 1) / 3 + 1);
        } else if (c == 'y') {
            const std::string year = std::to_string(p.year);
            out += run == 1 ? std::to_string(dayOfYear) : run < 4 ? year.substr(year.size() - 2) : year;
        } else if (c == 'h') {
            const int hour = twelveHours ? (p.hour + 11) % 12 + 1 : p.hour;
            out += run >= 2 ? Pad2(hour) : std::to_string(hour);
        } else if (c == 'n') {
            out += run >= 2 ? Pad2(p.minute) : std::to_string(p.minute);
        } else if (c == 's') {
            out += run >= 2 ? Pad2(p.second) : std::to_string(p.second);
        } else {
            out.append(pic, i, run);
            mark = false;
        }
        if (mark) previous = c;
        i += run;
    }
    return out;
}

// The picture a named format stands for; the name itself when it is none.
std::string NamedPicture(const std::string& pic) {
    static const char* const named[][2] = {
        {"Fixed", "0.00"},        {"Standard", "#,##0.00"},       {"Currency", "#,##0.00"},
        {"Percent", "0.00%"},     {"Scientific", "0.00E+00"},     {"General Date", "c"},
        {"Long Date", kLongDate}, {"Medium Date", "d mmm yyyy"},  {"Short Date", kShortDate},
        {"Long Time", kLongTime}, {"Medium Time", "hh:nn AM/PM"}, {"Short Time", "hh:nn"}};
    for (const auto& n : named)
        if (EqualsNoCase(pic, n[0])) return n[1];
    return pic;
}

// The named formats that write a number as one of two words: the first for
// any number but 0, the second for 0.
const char* const* TwoWords(const std::string& pic) {
    static const char* const words[][3] = {
        {"Yes/No", "Yes", "No"}, {"True/False", "True", "False"}, {"On/Off", "On", "Off"}};
    for (const auto& w : words)
        if (EqualsNoCase(pic, w[0])) return w + 1;
    return nullptr;
}

}  // namespace

std::string ChartFormat(const Variant& vValue, const std::string& sPattern) {
    if (vValue.IsNull() || vValue.IsEmpty()) return "";
    double number = 0, serial = 0;
    bool isNumber = false, isDate = false;
    switch (vValue.Kind()) {
        case VarKind::Integer:
        case VarKind::Long:
        case VarKind::Double:
        case VarKind::Currency:
        case VarKind::Boolean:
            number = serial = vValue.ToDouble();
            // An infinity has no digits to write; as a date it lies out of range.
            isNumber = std::isfinite(number);
            isDate = true;
            break;
        case VarKind::Date:
            number = serial = vValue.DateSerial();
            isNumber = std::isfinite(number);
            isDate = true;
            break;
        case VarKind::String:
            isNumber = ParseNumber(Trim(vValue.StringRef()), number) && std::isfinite(number);
            isDate = isNumber ? (serial = number, true) : ParseDate(Trim(vValue.StringRef()), serial);
            break;
        default:
            break;
    }
    // What no picture writes: a date that holds no number (an infinity) is that number's text,
    // as a Double's is; no date's text can be made of it.
    auto asItIs = [&] { return vValue.Kind() == VarKind::Date ? DoubleToText(number) : vValue.ToString(); };
    if (EqualsNoCase(sPattern, "General Number")) return isNumber ? DoubleToText(number) : asItIs();
    if (const char* const* words = TwoWords(sPattern))
        return isNumber ? words[number == 0 ? 1 : 0] : asItIs();
    const std::string pic = NamedPicture(sPattern);
    const std::vector<std::string> sections = Sections(pic);
    // One section without a digit place is a date picture, whatever the value.
    const bool firstHasDigits = HasDigitPlace(sections[0]);
    if (sections.size() == 1 && !firstHasDigits) return isDate ? FormatDate(serial, pic) : asItIs();
    // Sections part values by their sign, which a number has and a date as its serial: the
    // third for zero, the second for below zero, where they are given, else the first.
    const bool signedValue = isNumber || (isDate && std::isfinite(serial));
    if (!signedValue) return asItIs();
    const double d = isNumber ? number : serial;
    const size_t chosen = d == 0 && sections.size() >= 3 && !sections[2].empty()  ? 2
                          : d < 0 && sections.size() >= 2 && !sections[1].empty() ? 1
                                                                                  : 0;
    const std::string& section = sections[chosen];
    const bool hasDigits = chosen == 0 ? firstHasDigits : HasDigitPlace(section);
    // A section of date marks writes the date, the value's own, sign and all (a date before
    // 30 December 1899 is below zero); any other is a number's, or a text alone.
    if (!hasDigits && HasDateCodes(section)) return FormatDate(serial, section);
    if (!isNumber) return asItIs();
    return (chosen == 0 && d < 0 ? "-" : "") + FormatNumberSection(std::fabs(d), section);
}
