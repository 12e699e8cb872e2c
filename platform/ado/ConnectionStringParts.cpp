#include "ConnectionStringParts.h"

#include "platform/runtime/Text.h"

namespace ADODB {

ConnectionStringParts ConnectionStringParts::Parse(const std::string& s) {
    ConnectionStringParts out;
    size_t i = 0;
    while (i < s.size()) {
        size_t eq = s.find('=', i);
        size_t semi = s.find(';', i);
        if (eq == std::string::npos || (semi != std::string::npos && semi < eq)) {
            // A part without "=" names nothing; skip it.
            if (semi == std::string::npos) break;
            i = semi + 1;
            continue;
        }
        std::string key = Trim(std::string_view(s).substr(i, eq - i));
        size_t v = eq + 1;
        while (v < s.size() && s[v] == ' ') ++v;
        std::string value;
        if (v < s.size() && (s[v] == '"' || s[v] == '\'')) {
            // A quoted value ends at its closing quote; a doubled quote is one quote.
            char q = s[v++];
            while (v < s.size()) {
                if (s[v] == q) {
                    if (v + 1 < s.size() && s[v + 1] == q) {
                        value += q;
                        v += 2;
                        continue;
                    }
                    ++v;
                    break;
                }
                value += s[v++];
            }
            size_t next = s.find(';', v);
            i = next == std::string::npos ? s.size() : next + 1;
        } else {
            size_t end = s.find(';', v);
            if (end == std::string::npos) end = s.size();
            value = Trim(std::string_view(s).substr(v, end - v));
            i = end + 1;
        }
        if (EqualsNoCase(key, "Data Source"))
            out.DataSource = value;
        else if (EqualsNoCase(key, "Provider"))
            out.Provider = value;
    }
    return out;
}

std::string QuoteConnectionValue(const std::string& sValue) {
    return "\"" + Replace(sValue, "\"", "\"\"") + "\"";
}

bool IsSqliteProvider(const std::string& sProvider) { return EqualsNoCase(Trim(sProvider), "SQLite"); }

}  // namespace ADODB
