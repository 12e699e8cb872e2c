#pragma once
// The forms in which chart definition files and the chart manifest write
// their values, each read as text and turned into its property's type.
// Numbers are read with "." as decimal point whatever the machine's locale.
#include <cstdint>
#include <string>

// A decimal number rounded to the nearest whole number, a half to the even
// neighbour; raises 13 for text that is no number, 6 beyond 32 bits.
int32_t ChartWholeNumber(const std::string& sText);
// "True" or "False" in any letter case, or a number (0 false, else true);
// raises 13 for any other text.
bool ChartFlag(const std::string& sText);
// One colour component: a whole number as above within 16 bits (6 beyond),
// a value above 255 counting as 255 and one below 0 as 0.
int32_t ChartColourComponent(const std::string& sText);
// "red,green,blue" as the decimal text of red + 256 * green + 65536 * blue;
// parts after the third are ignored; raises 9 for fewer than three parts and
// as ChartColourComponent for a part that is no component.
std::string ChartColour(const std::string& sText);
