// Fuzz target: numbers and dates read from arbitrary text, the way values of
// settings, query files and data rows are read.
//
// Every conversion either gives a value or raises Error (never anything else,
// never undefined behaviour: a Double too large for a Long or a Currency must
// raise overflow, not be cast).  A value that was read is written back as
// text and read again: the second reading writes the same text, so a value
// that went through a settings file once does not change again.
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/Variant.h"
#include "support/FuzzCheck.h"

namespace {

const std::string* gInput = nullptr;

[[noreturn]] void Fail(const std::string& what, const std::string& detail = "") {
    fuzz::Fail(what, "input: " + fuzz::Shown(*gInput) + (detail.empty() ? "" : "\n" + detail));
}

// Runs a conversion; an Error means it was refused, which is allowed.
template <class F>
bool Try(F&& f) {
    try {
        f();
        return true;
    } catch (const Error&) {
        return false;
    }
}

void CheckDouble(const std::string& text) {
    double d = 0;
    if (!Try([&] { d = Variant(text).ToDouble(); })) return;
    if (!std::isfinite(d)) Fail("CDbl gave a value that is not finite", DoubleToText(d));
    const std::string written = Variant(d).ToString();
    double again = 0;
    if (!ParseNumber(written, again)) Fail("the text of a Double does not read back", fuzz::Shown(written));
    if (DoubleToText(again) != written)
        Fail("a Double changes on its second trip through text",
             fuzz::Shown(written) + " -> " + fuzz::Shown(DoubleToText(again)));
    // Fifteen significant digits keep the value to within a few units of the
    // fifteenth digit.
    if (std::fabs(again - d) > std::fabs(d) * 1e-14)
        Fail("the text of a Double is not close to it", fuzz::Shown(written));
    if (!IsNumericText(text)) Fail("CDbl read text that IsNumeric refuses");
}

void CheckWhole(const std::string& text) {
    int32_t l = 0;
    if (Try([&] { l = Variant(text).ToLong(); })) {
        int32_t back = 0;
        if (!Try([&] { back = Variant(Variant(l).ToString()).ToLong(); }) || back != l)
            Fail("a Long does not read back from its text", std::to_string(l));
    }
    int16_t i = 0;
    if (Try([&] { i = Variant(text).ToInteger(); })) {
        int16_t back = 0;
        if (!Try([&] { back = Variant(Variant(i).ToString()).ToInteger(); }) || back != i)
            Fail("an Integer does not read back from its text", std::to_string(i));
    }
    int64_t cy = 0;
    if (Try([&] { cy = Variant(text).ToCurrency(); })) {
        const std::string written = Variant::Currency(cy).ToString();
        int64_t back = 0;
        if (!Try([&] { back = Variant(written).ToCurrency(); }) || back != cy)
            Fail("a Currency does not read back from its text", fuzz::Shown(written));
    }
    Try([&] { Variant(text).ToBool(); });
    Try([&] { VarAdd(Variant(text), Variant(int32_t{1})); });
    Try([&] { VarSub(Variant(text), Variant(0.5)); });
    Try([&] { Val(text); });
}

void CheckDate(const std::string& text) {
    double serial = 0;
    if (ParseDate(text, serial) && !IsDateSerial(serial))
        Fail("ParseDate gave a serial outside the date range");
    if (!Try([&] { serial = Variant(text).ToDate(); })) return;
    if (!IsDateSerial(serial)) Fail("CDate gave a serial outside the date range");
    const std::string written = DateToText(serial);
    double again = 0;
    if (!ParseDate(written, again)) Fail("the text of a date does not read back", fuzz::Shown(written));
    if (DateToText(again) != written)
        Fail("a date changes on its second trip through text",
             fuzz::Shown(written) + " -> " + fuzz::Shown(DateToText(again)));
    // The month-day-year form the Jet dialect writes names the same day.
    const std::string mdy = FormatDateMDY(serial);
    double day = 0;
    if (!ParseDate(mdy, day) || DateToText(day) != written.substr(0, 10))
        Fail("the month-day-year text of a date names another day", fuzz::Shown(mdy));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    gInput = &text;
    CheckDouble(text);
    CheckWhole(text);
    CheckDate(text);
    return 0;
}
