#pragma once
// Caller text that stands for a list of codes in a list statement's "IN (...)"
// (countries, development statuses, asset codes, rig types): checked before
// it reaches the statement, so that no text can end a literal early or add to
// the statement.
#include <string>

#include "sql/SqlValues.h"

namespace listfill {

// The list as statement text: either numbers ("11, 12" -> "11,12", as
// SqlCodeList writes them) or single-quoted texts with every quote inside
// doubled ("'GB', 'O''Neil'" -> "'GB','O''Neil'").  Blanks around items are
// dropped; "" (or only blanks) gives "".  Anything else, a mix of the two
// kinds included, raises &H80041066 naming the list.
SqlFragment CodeListValue(const std::string& sList);

}  // namespace listfill
