#include "PathText.h"

namespace toolslib {

std::string_view WithoutTrailingSeparators(std::string_view sPath) {
    size_t n = sPath.size();
    while (n > 0 && IsPathSeparator(sPath[n - 1])) --n;
    return sPath.substr(0, n);
}

std::string_view WithoutLeadingSeparators(std::string_view sPath) {
    size_t i = 0;
    while (i < sPath.size() && IsPathSeparator(sPath[i])) ++i;
    return sPath.substr(i);
}

bool IsOnlySeparators(std::string_view sPath) {
    return !sPath.empty() && WithoutTrailingSeparators(sPath).empty();
}

size_t LastSeparator(std::string_view sPath) { return sPath.find_last_of("/\\"); }

}  // namespace toolslib
