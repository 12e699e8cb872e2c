#include "lists/CodeListValue.h"

#include <vector>

#include "core/HuntERR31.h"
#include "core/mTL5ErrorCodes.h"
#include "platform/runtime/Text.h"

namespace listfill {

namespace {

constexpr const char* kNotAList = "The value '%0' is not a list of numbers or of quoted texts.";
constexpr const char* kCommaInText =
    "The value '%0' holds a quoted text with a comma, which a code never holds.";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The texts of a list of single-quoted literals, their doubled quotes made
// single again; refuses anything else.
std::vector<std::string> QuotedTexts(const std::string& sList) {
    std::vector<std::string> texts;
    size_t i = 0;
    const size_t n = sList.size();
    for (;;) {
        while (i < n && IsBlank(sList[i])) ++i;
        if (i == n || sList[i] != '\'') RefuseInput(kNotAList, {sList});
        ++i;
        std::string text;
        for (;;) {
            if (i == n) RefuseInput(kNotAList, {sList});  // the literal never ends
            if (sList[i] == '\'') {
                if (i + 1 < n && sList[i + 1] == '\'') {
                    text += '\'';
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            text += sList[i++];
        }
        // The texts are written again as one comma list, which a comma
        // inside one of them would split.
        if (text.find(',') != std::string::npos) RefuseInput(kCommaInText, {sList});
        texts.push_back(std::move(text));
        while (i < n && IsBlank(sList[i])) ++i;
        if (i == n) return texts;
        if (sList[i] != ',') RefuseInput(kNotAList, {sList});
        ++i;
    }
}

}  // namespace

SqlFragment CodeListValue(const std::string& sList) {
    const std::string trimmed = Trim(sList);
    if (trimmed.empty() || trimmed[0] != '\'') return SqlCodeList(sList);
    const std::vector<std::string> texts = QuotedTexts(trimmed);
    // One text on its own: a list of one empty text would read as no text.
    if (texts.size() == 1) return SqlText(texts.front());
    std::string joined;
    for (size_t k = 0; k < texts.size(); ++k) joined += (k ? "," : "") + texts[k];
    return SqlQuotedList(joined);
}

}  // namespace listfill
