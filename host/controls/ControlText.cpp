#include "ControlText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace host {

std::string FixedText(double d, int32_t places, bool separators) {
    places = std::clamp<int32_t>(places, 0, 15);
    if (!std::isfinite(d)) return d != d ? "NaN" : (d < 0 ? "-Infinity" : "Infinity");
    // Written straight into the one string returned: a grid measures every
    // cell of every column by its text.
    char buffer[400];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(d), std::chars_format::fixed, places);
    const std::string_view digits(buffer, static_cast<size_t>(r.ptr - buffer));
    const size_t point = std::min(digits.find('.'), digits.size());
    const bool zero = digits.find_first_not_of("0.") == std::string_view::npos;
    std::string out;
    out.reserve(digits.size() + point / 3 + 1);
    if (d < 0 && !zero) out += '-';
    for (size_t i = 0; i < point; ++i) {
        out += digits[i];
        if (separators && i + 1 < point && (point - i - 1) % 3 == 0) out += ',';
    }
    out += digits.substr(point);
    return out;
}

std::string ColourHex(int32_t lColour) {
    const uint32_t c = static_cast<uint32_t>(lColour) & 0xFFFFFFu;
    const uint32_t red = c & 0xFF, green = (c >> 8) & 0xFF, blue = (c >> 16) & 0xFF;
    static const char* const kHex = "0123456789abcdef";
    std::string out = "#";
    for (uint32_t part : {red, green, blue}) {
        out += kHex[part >> 4];
        out += kHex[part & 0xF];
    }
    return out;
}

std::string XmlText(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if (u >= 0x20 || c == '\t' || c == '\n' || c == '\r') out += c;
        }
    }
    return out;
}

size_t CharCount(std::string_view s) {
    return static_cast<size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace host
