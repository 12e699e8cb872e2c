#include "lists/CodeListValue.h"

#include <vector>

#include "core/HuntERR31.h"
#include "core/mTL5ErrorCodes.h"
#include "platform/runtime/Text.h"

namespace listfill {

namespace {

constexpr const char* kNotAList = "is not a list of numbers or of quoted texts.";
constexpr const char* kCommaInText = "holds a quoted text with a comma, which a code never holds.";

}  // namespace

SqlFragment CodeListValue(const std::string& sList) {
    const std::string trimmed = Trim(sList);
    if (trimmed.empty() || trimmed[0] != '\'') return SqlCodeList(sList);
    const std::optional<std::vector<std::string>> read = ReadQuotedList(trimmed);
    if (!read) RefuseValue(sList, "", kNotAList);
    const std::vector<std::string>& texts = *read;
    // The texts are written again as one comma list, which a comma inside
    // one of them would split.
    for (const std::string& text : texts)
        if (text.find(',') != std::string::npos) RefuseValue(sList, "", kCommaInText);
    // One text on its own: a list of one empty text would read as no text.
    if (texts.size() == 1) return SqlText(texts.front());
    std::string joined;
    for (size_t k = 0; k < texts.size(); ++k) joined += (k ? "," : "") + texts[k];
    return SqlQuotedList(joined);
}

}  // namespace listfill
