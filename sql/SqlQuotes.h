#pragma once
// Replacement in statement text that never reaches into quoted text.
//
// Values are spliced into statements as literals, and a literal may hold
// anything, a builder tag or a placeholder included.  Were such a tag filled
// inside the literal, the text put there (itself carrying quotes) would end
// the literal early and turn the rest of the value into SQL.  So tags and
// placeholders are looked for only where the engine reads statement text:
// outside '...', "..." and `...` (a doubled quote stays inside) and outside
// [...] names.
#include <string>
#include <string_view>

// The text with every occurrence of sFind outside quoted parts replaced by
// sWith, in one pass from the left (what was put in is not searched again).
// bNoCase finds sFind without regard to the case of ASCII letters.  An
// unterminated quote runs to the end of the text.  An empty sFind changes
// nothing.  Never fails.
std::string ReplaceOutsideQuotes(std::string_view sText, std::string_view sFind, std::string_view sWith,
                                 bool bNoCase);
