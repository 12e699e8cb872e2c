#include "cvStrings.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "PathText.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace {

bool IsPathDelimiter(const std::string& sDelimiter) { return sDelimiter == "/" || sDelimiter == "\\"; }

// The items of a delimited text; none for "".
std::vector<std::string> Items(const std::string& sText, const std::string& sDelimiter) {
    std::vector<std::string> items;
    if (sText.empty()) return items;
    if (!IsPathDelimiter(sDelimiter)) return Split(sText, sDelimiter);
    size_t from = 0;
    for (size_t i = 0; i <= sText.size(); ++i) {
        if (i == sText.size() || toolslib::IsPathSeparator(sText[i])) {
            items.emplace_back(sText.substr(from, i - from));
            from = i + 1;
        }
    }
    return items;
}

std::string JoinRange(const std::vector<std::string>& items, int64_t from, int64_t to,
                      const std::string& sDelimiter) {
    std::string out;
    for (int64_t i = from; i < to; ++i) {
        if (i > from) out += sDelimiter;
        out += items[static_cast<size_t>(i)];
    }
    return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimBlanks(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

}  // namespace

std::string cvStrings::Token(const std::string& sText, const std::string& sDelimiter, int32_t lStart,
                             int32_t lCount) {
    std::vector<std::string> items = Items(sText, sDelimiter);
    const int64_t n = static_cast<int64_t>(items.size());
    const int64_t start = lStart < 0 ? n + lStart : lStart;
    if (start < 0 || start >= n) return "";
    int64_t end = n;
    if (lCount > 0)
        end = std::min<int64_t>(n, start + lCount);
    else if (lCount < 0)
        end = n + lCount;
    if (end <= start) return "";
    return JoinRange(items, start, end, sDelimiter);
}

int32_t cvStrings::ItemCount(const std::string& sText, const std::string& sDelimiter) {
    return static_cast<int32_t>(Items(sText, sDelimiter).size());
}

std::string cvStrings::Between(const std::string& sText, const std::string& sStart, const std::string& sEnd,
                               int32_t lInclude, int32_t lCompare) {
    const bool noCase = lCompare == 1;
    size_t startAt = InStr(sText, sStart, 1, noCase);
    if (startAt == 0) return "";
    size_t inner = startAt - 1 + sStart.size();
    size_t endAt = sEnd.empty() ? sText.size() + 1 : InStr(sText, sEnd, inner + 1, noCase);
    if (endAt == 0) return "";
    if (lInclude) return sText.substr(startAt - 1, endAt - 1 + sEnd.size() - (startAt - 1));
    return sText.substr(inner, endAt - 1 - inner);
}

std::string cvStrings::TextBetween(const std::string& sText, const std::string& sStart,
                                   const std::string& sEnd, int32_t lInclude, int32_t lCompare) {
    return Between(sText, sStart, sEnd, lInclude, lCompare);
}

std::string cvStrings::WithTrailingSeparator(const std::string& sFolder, int32_t lFlag) {
    if (lFlag != 0 && lFlag != 1)
        Raise(rt::kInvalidCall, kProgID,
              "WithTrailingSeparator: the flag must be 0 (folder) or 1 (share name)");
    if (sFolder.empty()) return "";
    std::string stripped(toolslib::WithoutTrailingSeparators(sFolder));
    if (lFlag == 1) return stripped;
    // The root folder is its own separator.
    if (stripped.empty()) return "/";
    return stripped + "/";
}

std::string cvStrings::CutAtNull(const std::string& sText, int32_t lTrim) {
    std::string cut = sText.substr(0, sText.find('\0'));
    return lTrim ? TrimBlanks(cut) : cut;
}

std::string cvStrings::FormatText(const std::string& sTemplate, const Variant& vValues) {
    return FillPlaceholders(sTemplate, vValues, 0);
}

std::string cvStrings::QuoteList(const std::string& sList, const std::string& sQuote,
                                 const std::string& sDelimiter) {
    if (sList.empty()) return "";
    const std::string quote = sQuote == "''" ? "'" : sQuote;
    std::vector<std::string> items = Items(sList, sDelimiter);
    for (auto& item : items) item = quote + Replace(item, quote, quote + quote) + quote;
    return Join(items, sDelimiter);
}

std::string cvStrings::TrimList(const std::string& sList, const std::string& sDelimiter, int32_t lMode) {
    if (sDelimiter.empty()) return sList;
    std::string_view v(sList);
    const size_t d = sDelimiter.size();
    bool trimmed = false;
    while (StartsWith(v, sDelimiter) && !(trimmed && !lMode)) v.remove_prefix(d), trimmed = true;
    trimmed = false;
    while (EndsWith(v, sDelimiter) && !(trimmed && !lMode)) v.remove_suffix(d), trimmed = true;
    return std::string(v);
}

std::string cvStrings::TidyList(const std::string& sList) {
    std::vector<std::string> kept;
    std::unordered_set<std::string> seen;
    for (const std::string& raw : Split(sList, ",")) {
        std::string item = TrimBlanks(raw);
        if (!item.empty() && seen.insert(item).second) kept.push_back(std::move(item));
    }
    return Join(kept, ",");
}

std::string cvStrings::NormaliseList(const std::string& sList) { return TidyList(sList); }

std::string cvStrings::CombineLists(const std::string& sList1, const std::string& sList2) {
    return TidyList(sList1 + "," + sList2);
}
