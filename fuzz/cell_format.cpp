// Fuzz target: the format pattern of a chart's text cells (ChartFormat), as a
// chart definition's axis gives it, applied to a value of any kind.
//
// Input: a kind byte (0 text, 1 number, 2 date, 3 Boolean), the value's text,
// a NUL byte, then the pattern.  A number or date is read from the value's
// text (0 when it is none).  Every pattern gives a text or raises Error 6 (a
// date out of range), never anything else; the same call gives the same text;
// a text that is neither a number nor a date comes back unchanged; a number
// written "Scientific" or "Fixed" reads back within the rounding of its two
// decimals.
#include <cmath>
#include <cstdint>
#include <string>

#include "charts/ChartCellFormat.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "support/FuzzCheck.h"

namespace {

const std::string* gInput = nullptr;

[[noreturn]] void Fail(const std::string& what, const std::string& detail = "") {
    fuzz::Fail(what, detail + "\ninput: " + fuzz::Shown(*gInput));
}

// The value through the pattern; false when it raised 6.
bool Format(const Variant& value, const std::string& pattern, std::string& out) {
    try {
        out = ChartFormat(value, pattern);
        return true;
    } catch (const Error& e) {
        if (e.Number() != 6) Fail("ChartFormat raised " + std::to_string(e.Number()), fuzz::Shown(pattern));
        return false;
    }
}

// A number written in two decimals reads back within their rounding.
void CheckReadBack(double d, const std::string& pattern, double tolerance) {
    std::string text;
    double back = 0;
    if (!Format(Variant(d), pattern, text) || !ParseNumber(text, back) || std::fabs(back - d) > tolerance)
        Fail(pattern + " does not read back", DoubleToText(d) + " -> " + fuzz::Shown(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string input(reinterpret_cast<const char*>(data), size);
    gInput = &input;
    const size_t nul = input.find('\0', 1);
    const std::string text = input.substr(1, nul == std::string::npos ? std::string::npos : nul - 1);
    const std::string pattern = nul == std::string::npos ? "" : input.substr(nul + 1);
    double number = 0, serial = 0;
    const bool isNumber = ParseNumber(Trim(text), number) && std::isfinite(number);
    const bool isDate = ParseDate(Trim(text), serial);
    Variant value;
    switch (data[0] % 4) {
        case 0:
            value = Variant(text);
            break;
        case 1:
            value = Variant(isNumber ? number : 0.0);
            break;
        case 2:
            value = Variant::Date(isDate ? serial : 0.0);
            break;
        default:
            value = Variant(isNumber && number != 0);
            break;
    }
    std::string first, second;
    const bool formatted = Format(value, pattern, first);
    if (Format(value, pattern, second) != formatted || first != second)
        Fail("the same call gave another text", fuzz::Shown(first) + " / " + fuzz::Shown(second));
    if (data[0] % 4 == 0 && !isNumber && !isDate && first != text)
        Fail("a text that is no number or date changed", fuzz::Shown(first));
    if (isNumber && (number == 0 || (std::fabs(number) > 1e-300 && std::fabs(number) < 1e300))) {
        CheckReadBack(number, "Scientific", std::fabs(number) * 0.0051);
        CheckReadBack(number, "Fixed", 0.0051 + std::fabs(number) * 1e-14);
    }
    return 0;
}
