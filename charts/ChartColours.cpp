#include "charts/ChartColours.h"

#include <iterator>

#include "platform/runtime/Error.h"
#include "platform/runtime/Variant.h"

namespace {
// Twelve colours that tell neighbouring series apart, red first in each number.
constexpr int32_t kPalette[] = {0xB4771F, 0x0E7FFF, 0x2CA02C, 0x2827D6, 0xBD6794, 0x4B568C,
                                0xC277E3, 0x7F7F7F, 0x22BDBC, 0xCFBE17, 0xE8C7AE, 0x78BBFF};
}  // namespace

int32_t ChartSeriesColour(const Ref<cvCollection>& oColours, int32_t lPosition) {
    if (lPosition < 1)
        Raise(rt::kInvalidCall, "", "A series colour is counted from 1, not " + std::to_string(lPosition));
    const int32_t count = oColours ? oColours->Count() : 0;
    if (count == 0) return kPalette[static_cast<size_t>(lPosition - 1) % std::size(kPalette)];
    return CLng(oColours->Item(Variant((lPosition - 1) % count + 1)));
}
