#include "charts/ChartValueForms.h"

#include <vector>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/Variant.h"

int32_t ChartWholeNumber(const std::string& sText) { return CLng(Variant(sText)); }

bool ChartFlag(const std::string& sText) { return CBool(Variant(sText)); }

int32_t ChartColourComponent(const std::string& sText) {
    const int32_t value = CInt(Variant(sText));
    // A component beyond the range of a colour still names the nearest one,
    // as the colour controls that wrote these files treated it.
    if (value > 255) return 255;
    if (value < 0) return 0;
    return value;
}

std::string ChartColour(const std::string& sText) {
    const std::vector<std::string> parts = Split(sText, ",");
    if (parts.size() < 3)
        Raise(rt::kSubscript, "",
              "The colour \"" + VisibleText(sText) + "\" needs red, green and blue separated by \",\"");
    const int32_t red = ChartColourComponent(parts[0]);
    const int32_t green = ChartColourComponent(parts[1]);
    const int32_t blue = ChartColourComponent(parts[2]);
    return CStr(Variant(red + 256 * green + 65536 * blue));
}
