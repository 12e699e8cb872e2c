#pragma once
// Reading an error report in the list tests: the report lists an operation's
// arguments as "name=value", separated by a comma and blanks.
#include <string>

#include "platform/runtime/Text.h"

// True when the report records the call, written with ", " between its
// arguments ("CListField.IListField_PopulatePV(ctl='Chooser', sSymbol='EUR')").
inline bool RecordsCall(const std::string& report, const std::string& call) {
    std::string text = report;
    for (std::string once; (once = Replace(text, ",  ", ", ")) != text;) text = once;
    return text.find(call) != std::string::npos;
}
