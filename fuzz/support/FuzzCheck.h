#pragma once
// What every fuzz target shares: reporting a broken property (which ends the
// run, so the fuzzer keeps the input) and a private temporary folder.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzz {

// Prints what went wrong with the pieces that show it, and aborts.
[[noreturn]] inline void Fail(const std::string& what, const std::string& detail = "") {
    std::fprintf(stderr, "\nFAILED CHECK: %s\n", what.c_str());
    if (!detail.empty()) std::fprintf(stderr, "%s\n", detail.c_str());
    std::fflush(stderr);
    std::abort();
}

// Text with its non-printable bytes escaped, for messages.
inline std::string Shown(const std::string& s) {
    static const char digits[] = "0123456789abcdef";
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return out + "\"";
}

// The text with the letter case of its ASCII letters turned over, for look-ups
// that must ignore case.
inline std::string SwapCase(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

// A folder of this process's own below the system's temporary folder, made
// on first use and removed when the process ends normally.  Ends in "/".
inline const std::string& TempFolder() {
    // Never destroyed: the handler that removes the folder runs after the
    // static objects are gone.
    static const std::string* folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "terralith-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) Fail("cannot make a temporary folder");
        auto* made = new std::string(pattern + "/");
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(TempFolder(), ec);
        });
        return made;
    }();
    return *folder;
}

}  // namespace fuzz
