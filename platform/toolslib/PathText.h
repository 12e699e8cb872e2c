#pragma once
// Taking paths apart.  Paths here use "/", but paths written on another
// system (stored settings, linked-table sources) use "\", so both count as a
// separator wherever a path is split.
#include <string>
#include <string_view>

namespace toolslib {

inline bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

// The path without the separators at its end ("a/b//" -> "a/b").
std::string_view WithoutTrailingSeparators(std::string_view sPath);
// The path without the separators at its start ("//a" -> "a").
std::string_view WithoutLeadingSeparators(std::string_view sPath);
// True when the text is one or more separators and nothing else.
bool IsOnlySeparators(std::string_view sPath);
// The 0-based position of the last separator, npos when there is none.
size_t LastSeparator(std::string_view sPath);

}  // namespace toolslib
