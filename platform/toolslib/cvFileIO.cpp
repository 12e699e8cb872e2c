#include "cvFileIO.h"

#include <filesystem>
#include <sstream>

#include "platform/runtime/Error.h"
#include "platform/runtime/RegularFile.h"
#include "platform/runtime/Text.h"

namespace {

std::string TrimWhite(std::string_view s) {
    size_t b = 0, e = s.size();
    auto white = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (b < e && white(s[b])) ++b;
    while (e > b && white(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

}  // namespace

std::string cvFileIO::ReadINI(const std::string& sFile, const std::string& sSection,
                              const std::string& sKey) {
    std::error_code ec;
    if (sFile.empty() || !std::filesystem::exists(sFile, ec)) return "";
    std::istringstream in(ReadRegularFile(sFile, kProgID));

    const std::string section = TrimWhite(sSection), key = TrimWhite(sKey);
    bool inSection = false;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first && StartsWith(line, "\xEF\xBB\xBF")) line.erase(0, 3);  // a UTF-8 byte-order mark
        first = false;
        std::string t = TrimWhite(line);
        if (t.empty() || t[0] == ';' || t[0] == '#') continue;
        if (t[0] == '[') {
            size_t close = t.find(']');
            inSection =
                close != std::string::npos && EqualsNoCase(TrimWhite(t.substr(1, close - 1)), section);
            continue;
        }
        if (!inSection) continue;
        size_t eq = t.find('=');
        if (eq != std::string::npos && EqualsNoCase(TrimWhite(t.substr(0, eq)), key))
            return TrimWhite(t.substr(eq + 1));
    }
    return "";
}
