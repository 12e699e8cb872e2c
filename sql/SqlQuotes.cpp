#include "sql/SqlQuotes.h"

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(std::string_view s, size_t at, std::string_view find, bool noCase) {
    if (s.size() - at < find.size()) return false;
    for (size_t k = 0; k < find.size(); ++k) {
        char a = s[at + k], b = find[k];
        if (noCase ? Lower(a) != Lower(b) : a != b) return false;
    }
    return true;
}

// The position just past the quoted part that opens at `at`.  A doubled
// quote inside needs no care: it ends the part and opens the next at once.
size_t SkipQuoted(std::string_view s, size_t at) {
    const size_t end = s.find(s[at] == '[' ? ']' : s[at], at + 1);
    return end == std::string_view::npos ? s.size() : end + 1;
}

}  // namespace

std::string ReplaceOutsideQuotes(std::string_view sText, std::string_view sFind, std::string_view sWith,
                                 bool bNoCase) {
    if (sFind.empty()) return std::string(sText);
    std::string out;
    out.reserve(sText.size());
    size_t i = 0;
    while (i < sText.size()) {
        const char c = sText[i];
        if (c == '\'' || c == '"' || c == '`' || c == '[') {
            const size_t end = SkipQuoted(sText, i);
            out.append(sText.substr(i, end - i));
            i = end;
        } else if (MatchesAt(sText, i, sFind, bNoCase)) {
            out.append(sWith);
            i += sFind.size();
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}
