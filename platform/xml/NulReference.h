#pragma once
// The character reference "&#0;" (or "&#x0;") names a character no XML
// document may hold.  The engine turns it into a NUL byte, which ends the
// value where it stands, so the rest of the value would vanish without a
// word; the readers refuse such a document as malformed instead.
#include <string_view>

// True when markup text (UTF-8 or a single-byte encoding) holds a reference
// to character 0 outside comments, CDATA sections and processing
// instructions, where a reference is literal text.  Never fails.
bool HoldsNulReference(std::string_view sText);
