#include "Codepage.h"

#include <cstdint>

namespace {
// The code points of bytes 0x80-0x9F; the rest of the page equals Latin-1.
// Unassigned bytes map to themselves, as the platform's conversion does.
constexpr char32_t kHigh[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}
}  // namespace

std::string FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        char32_t c = (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : b;
        AppendUtf8(out, c);
    }
    return out;
}

std::string ToWindows1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        char32_t c;
        size_t len;
        if (b < 0x80)
            c = b, len = 1;
        else if ((b & 0xE0) == 0xC0 && i + 1 < s.size())
            c = ((b & 0x1F) << 6) | (s[i + 1] & 0x3F), len = 2;
        else if ((b & 0xF0) == 0xE0 && i + 2 < s.size())
            c = ((b & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F), len = 3;
        else if ((b & 0xF8) == 0xF0 && i + 3 < s.size())
            c = 0x110000, len = 4;  // beyond the page
        else
            c = '?', len = 1;
        i += len;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kHigh[k] == c) mapped = static_cast<char>(0x80 + k);
        out += mapped;
    }
    return out;
}
