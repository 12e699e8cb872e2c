#include "SampleText.h"

#include <charconv>

namespace {
// Code points of the bytes 0x80-0x9F of Windows-1252; 0 marks the unassigned ones.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

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

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The plain letters an accented Latin-1 letter is spelt with in a mnemonic.
const char* Unaccented(char32_t cp) {
    switch (cp) {
        case 0xC6: case 0xE6: return "AE";
        case 0xD8: case 0xF8: return "O";
        case 0xC5: case 0xE5: case 0xC0: case 0xE0: case 0xC1: case 0xE1: case 0xC2: case 0xE2:
        case 0xC4: case 0xE4: return "A";
        case 0xC9: case 0xE9: case 0xC8: case 0xE8: case 0xCA: case 0xEA: return "E";
        case 0xCD: case 0xED: return "I";
        case 0xD3: case 0xF3: case 0xD6: case 0xF6: case 0xD4: case 0xF4: return "O";
        case 0xDA: case 0xFA: case 0xDC: case 0xFC: return "U";
        case 0xDD: case 0xFD: return "Y";
        case 0xD0: case 0xF0: return "D";
        case 0xDF: return "SS";
        default: return "";
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

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const char32_t cp = NextCodePoint(text, i);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char byte = '?';
        for (int k = 0; k < 32; ++k)
            if (kHigh[k] != 0 && kHigh[k] == cp) byte = static_cast<char>(0x80 + k);
        out += byte;
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else if (c < 0xA0)
            AppendUtf8(out, kHigh[c - 0x80] ? kHigh[c - 0x80] : 0xFFFD);
        else
            AppendUtf8(out, c);
    }
    return out;
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
