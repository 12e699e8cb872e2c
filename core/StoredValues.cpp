#include "core/StoredValues.h"

#include <string>

#include "core/HuntERR31.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Variant.h"

namespace {

// Runs a run-time conversion; false when the value does not convert (type
// mismatch or overflow), any other failure passing on.
template <class Convert>
bool Converts(Convert&& convert) {
    try {
        convert();
        return true;
    } catch (const Error& e) {
        if (e.Number() != rt::kTypeMismatch && e.Number() != rt::kOverflow) throw;
    }
    return false;
}

}  // namespace

bool FlagOf(std::string_view sElement, const std::string& sValue) {
    bool flag = false;
    if (!Converts([&] { flag = Variant(sValue).ToBool(); }))
        RefuseValue(sValue, sElement, "is not a flag: True or False.");
    return flag;
}

int32_t WholeOf(std::string_view sElement, const std::string& sValue, int32_t lLeast, int32_t lMost) {
    int32_t n = 0;
    const bool whole = Converts([&] { n = Variant(sValue).ToLong(); });
    const bool full =
        lLeast == std::numeric_limits<int32_t>::min() && lMost == std::numeric_limits<int32_t>::max();
    if (!whole && full) RefuseValue(sValue, sElement, "is not a whole number.");
    if (!whole || n < lLeast || n > lMost)
        RefuseValue(
            sValue, sElement,
            "is not a whole number from " + std::to_string(lLeast) + " to " + std::to_string(lMost) + ".");
    return n;
}
