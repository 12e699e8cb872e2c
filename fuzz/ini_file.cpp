// Fuzz target: the tools library's INI reader (cvFileIO::ReadINI, which reads
// Options.ini) on an arbitrary file.
//
// The input is one byte of flags, then three lines: a section name, a key and
// a value; the rest is the body of the file.  The file written is an entry
// "[section]" / "key=value" (the section's and key's "]" and "=" dropped),
// then the body, then, after a line end, the entry again under a section name
// the body does not hold.  Flags: bit 0 writes the entry with CR LF line ends,
// bit 1 puts a UTF-8 byte-order mark before it, bit 2 puts comment lines and
// the same key in a neighbouring section, each with another value, before it.
// Nothing may crash or draw a sanitizer report, and:
//  - the entry reads back as its value without blanks (spaces, tabs, CRs) at
//    either end, under both section names, also when section and key are
//    asked in the other letter case: the first occurrence counts, comments
//    and other sections are not the entry's section;
//  - a section the file does not hold answers "";
//  - every section and key the body names can be looked up without an error
//    (the file is a readable regular file), and what comes back is trimmed,
//    holds no line break, and is, when not empty, the text after the first
//    "=" of a line of the file whose key is the one asked for.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvFileIO.h"
#include "support/FuzzCheck.h"

namespace {

const std::string* gInput = nullptr;

[[noreturn]] void Fail(const std::string& what, const std::string& detail) {
    fuzz::Fail(what, detail + "\ninput: " + fuzz::Shown(*gInput));
}

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Stripped(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && Blank(s[b])) ++b;
    while (e > b && Blank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string Without(std::string s, char c) {
    std::string out;
    for (char x : s)
        if (x != c) out += x;
    return out;
}

// The piece of `rest` up to its first line end, which is taken off.
std::string TakeLine(std::string& rest) {
    size_t end = rest.find('\n');
    std::string line = rest.substr(0, end);
    rest = end == std::string::npos ? std::string() : rest.substr(end + 1);
    return line;
}

// True when some line of the file, blanks aside, is `key` (in any case), "="
// and then `value`.
bool LineHolds(const std::string& file, const std::string& key, const std::string& value) {
    for (const std::string& line : Split(file, "\n")) {
        size_t eq = line.find('=');
        if (eq != std::string::npos && EqualsNoCase(Stripped(line.substr(0, eq)), Stripped(key)) &&
            Stripped(line.substr(eq + 1)) == value)
            return true;
    }
    return false;
}

void WriteFile(const std::string& file, const std::string& bytes) {
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) fuzz::Fail("cannot write " + file);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    gInput = &input;
    if (input.empty()) return 0;
    const unsigned flags = static_cast<unsigned char>(input[0]);
    std::string rest = input.substr(1);
    std::string section = Without(TakeLine(rest), ']');
    std::string key = Without(TakeLine(rest), '=');
    const std::string value = TakeLine(rest);
    const std::string body = rest;
    // A key that begins like a comment or a section header is none.
    const std::string keyStart = Stripped(key);
    if (!keyStart.empty() && (keyStart[0] == ';' || keyStart[0] == '#' || keyStart[0] == '['))
        key = "k" + key;

    // A section name the body does not hold, in any case.
    const std::string lowerBody = LCase(body), lowerSection = LCase(Stripped(section));
    std::string fresh = "fresh";
    while (lowerBody.find(fresh) != std::string::npos || lowerSection == fresh) fresh += "x";
    const std::string absent = fresh + "y";

    const std::string eol = (flags & 1) ? "\r\n" : "\n";
    std::string file = (flags & 2) ? "\xEF\xBB\xBF" : "";
    if (flags & 4) {
        // The neighbour's name differs from the section's once both are trimmed.
        file += "[" + section + "~]" + eol + key + "=neighbour" + eol;
        file += "[" + section + "]" + eol + ";" + key + "=comment" + eol + "#" + key + "=comment" + eol;
    } else {
        file += "[" + section + "]" + eol;
    }
    file += key + "=" + value + eol + body + "\n[" + fresh + "]" + eol + key + "=" + value + eol;

    static const std::string path = fuzz::TempFolder() + "Options.ini";
    WriteFile(path, file);
    cvFileIO io;
    auto read = [&](const std::string& s, const std::string& k) {
        try {
            return io.ReadINI(path, s, k);
        } catch (const Error& e) {
            Fail("reading a regular file raised " + std::to_string(e.Number()) + ": " + e.Description(),
                 "section " + fuzz::Shown(s) + " key " + fuzz::Shown(k));
        }
    };

    const std::string expected = Stripped(value);
    for (const std::string& s : {section, fuzz::SwapCase(section), fresh, fuzz::SwapCase(fresh)}) {
        for (const std::string& k : {key, fuzz::SwapCase(key)}) {
            const std::string got = read(s, k);
            if (got != expected)
                Fail("an entry does not read back as its value",
                     "section " + fuzz::Shown(s) + " key " + fuzz::Shown(k) + " expected " +
                         fuzz::Shown(expected) + " read " + fuzz::Shown(got) +
                         "\nfile: " + fuzz::Shown(file));
        }
    }
    if (!read(absent, key).empty()) Fail("a section the file does not hold has a value", fuzz::Shown(absent));

    // The sections and keys the body names, as a reader of the file would take them.
    std::vector<std::string> sections{section}, keys{key};
    for (const std::string& line : Split(body, "\n")) {
        const std::string t = Stripped(line);
        if (!t.empty() && t[0] == '[' && sections.size() < 12) {
            size_t close = t.find(']');
            sections.push_back(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
        } else if (t.find('=') != std::string::npos && keys.size() < 12) {
            keys.push_back(t.substr(0, t.find('=')));
        }
    }
    for (const std::string& s : sections) {
        for (const std::string& k : keys) {
            const std::string got = read(s, k);
            auto detail = [&] {
                return "section " + fuzz::Shown(s) + " key " + fuzz::Shown(k) + " read " + fuzz::Shown(got) +
                       "\nfile: " + fuzz::Shown(file);
            };
            if (got.find('\n') != std::string::npos) Fail("a value holds a line break", detail());
            if (got != Stripped(got)) Fail("a value is not trimmed", detail());
            if (!got.empty() && !LineHolds(file, k, got))
                Fail("a value is on no line of the key asked for", detail());
        }
    }
    return 0;
}
