#pragma once
// Values a query file stores as text, read as what they stand for.  A query
// file may hold anything a person typed, so a value that means nothing is
// refused, naming the element it stands in, rather than read as either
// answer: the criteria sets read their flags and whole numbers through
// here, and so does the description tree, so that both say the same.
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// A flag as stored ("True", "False" or a number, as the run time reads
// flags).  Raises &H80041066 naming sElement and the value for anything
// else, "" included.
bool FlagOf(std::string_view sElement, const std::string& sValue);
// A whole number as stored (as the run time reads one: "2.5" is 2), from
// lLeast to lMost.  Raises &H80041066 naming sElement and the value for
// anything else, "" included.
int32_t WholeOf(std::string_view sElement, const std::string& sValue,
                int32_t lLeast = std::numeric_limits<int32_t>::min(),
                int32_t lMost = std::numeric_limits<int32_t>::max());
