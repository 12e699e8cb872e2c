#include "platform/xml/NulReference.h"

namespace {

// Where a construct whose content is literal text ends, or npos.
size_t SkipLiteral(std::string_view text, size_t at) {
    struct Literal {
        std::string_view open, close;
    };
    static constexpr Literal kLiterals[] = {{"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};
    for (const Literal& literal : kLiterals) {
        if (text.substr(at, literal.open.size()) == literal.open) {
            size_t end = text.find(literal.close, at + literal.open.size());
            return end == std::string_view::npos ? text.size() : end + literal.close.size();
        }
    }
    return std::string_view::npos;
}

// True when the reference starting at `at` ("&#...;") names character 0.
bool NamesNul(std::string_view text, size_t at) {
    size_t i = at + 2;
    bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
    if (hex) ++i;
    size_t digits = 0;
    bool zero = true;
    for (; i < text.size() && text[i] != ';'; ++i, ++digits) {
        char c = text[i];
        bool digit = (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        if (!digit) return false;
        if (c != '0') zero = false;
    }
    return i < text.size() && digits > 0 && zero;
}

}  // namespace

bool HoldsNulReference(std::string_view sText) {
    for (size_t at = 0; at < sText.size();) {
        if (sText[at] == '<') {
            size_t end = SkipLiteral(sText, at);
            if (end != std::string_view::npos) {
                at = end;
                continue;
            }
        } else if (sText[at] == '&' && sText.substr(at, 2) == "&#" && NamesNul(sText, at)) {
            return true;
        }
        ++at;
    }
    return false;
}
