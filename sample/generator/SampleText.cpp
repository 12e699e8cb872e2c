#include "SampleText.h"

#include <charconv>

namespace {
// Decodes one UTF-8 sequence at `i`, advancing it; malformed bytes read as U+FFFD.
char32_t NextCodePoint(std::string_view s, size_t& i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + extra >= s.size()) {
        ++i;
        return extra == 0 ? c : 0xFFFD;
    }
    char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k <= extra; ++k) {
        const unsigned char cc = static_cast<unsigned char>(s[i + k]);
        if ((cc >> 6) != 2) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    i += extra + 1;
    return cp;
}

// The plain letters an accented Latin-1 letter is spelt with in a mnemonic.
const char* Unaccented(char32_t cp) {
    switch (cp) {
        case 0xC6:
        case 0xE6:
            return "AE";
        case 0xD8:
        case 0xF8:
            return "O";
        case 0xC5:
        case 0xE5:
        case 0xC0:
        case 0xE0:
        case 0xC1:
        case 0xE1:
        case 0xC2:
        case 0xE2:
        case 0xC4:
        case 0xE4:
            return "A";
        case 0xC9:
        case 0xE9:
        case 0xC8:
        case 0xE8:
        case 0xCA:
        case 0xEA:
            return "E";
        case 0xCD:
        case 0xED:
            return "I";
        case 0xD3:
        case 0xF3:
        case 0xD6:
        case 0xF6:
        case 0xD4:
        case 0xF4:
            return "O";
        case 0xDA:
        case 0xFA:
        case 0xDC:
        case 0xFC:
            return "U";
        case 0xDD:
        case 0xFD:
            return "Y";
        case 0xD0:
        case 0xF0:
            return "D";
        case 0xDF:
            return "SS";
        default:
            return "";
    }
}
}  // namespace

std::string IntText(int64_t n) {
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, n);
    return std::string(buf, r.ptr);
}

std::string IntTextPadded(int64_t n, int width) {
    std::string digits = IntText(n < 0 ? -n : n);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return n < 0 ? "-" + digits : digits;
}

std::string IsoDate(int year, int month, int day) {
    return IntTextPadded(year, 4) + "-" + IntTextPadded(month, 2) + "-" + IntTextPadded(day, 2);
}

std::string AsciiMnemonic(std::string_view name, size_t width) {
    std::string out;
    for (size_t i = 0; i < name.size() && out.size() < width;) {
        const char32_t cp = NextCodePoint(name, i);
        if ((cp >= 'A' && cp <= 'Z') || (cp >= '0' && cp <= '9'))
            out += static_cast<char>(cp);
        else if (cp >= 'a' && cp <= 'z')
            out += static_cast<char>(cp - 'a' + 'A');
        else
            out += Unaccented(cp);
    }
    if (out.size() > width) out.resize(width);
    return out;
}
