#pragma once
// Texts the in-memory chart control and grid show: numbers with a fixed
// number of decimals and optional thousands separators (always "," and ".",
// never the machine's locale), colours as SVG writes them, and text made
// safe for XML.
#include <cstdint>
#include <string>
#include <string_view>

namespace host {
// The number rounded to `places` decimals (0 to 15; more count as 15), with
// "," between thousands when `separators`; "-" only when the rounded
// number is not zero.
std::string FixedText(double d, int32_t places, bool separators);
// A colour number (red + 256 * green + 65536 * blue) as "#rrggbb"; only its
// lower 24 bits count.
std::string ColourHex(int32_t lColour);
// The text with &, <, >, " and ' escaped and the control characters XML
// cannot carry dropped.
std::string XmlText(std::string_view s);
// The number of characters of UTF-8 text (bytes that start a character).
size_t CharCount(std::string_view s);
}  // namespace host
