#pragma once
// The strings component of the tools library: delimited lists and tokens,
// text between markers, folder separators and message templates.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"
#include "platform/runtime/Variant.h"

class cvStrings : public virtual Object {
public:
    static constexpr const char* kProgID = "cvTools2.cvStrings";

    // lCount items of the delimited text from the 0-based item lStart, joined
    // by the delimiter.  A negative start counts from the end (-1 is the last
    // item); a count of 0 takes every item from the start on, a negative count
    // stops that many items before the end (-1: up to, not including, the
    // last).  A start past either end gives "".  With "/" or "\" as the
    // delimiter the text is a path and both separate its items.
    std::string Token(const std::string& sText, const std::string& sDelimiter, int32_t lStart,
                      int32_t lCount);
    // The number of items of the delimited text; 0 for "".
    int32_t ItemCount(const std::string& sText, const std::string& sDelimiter);

    // The text between the first start marker and the first end marker after
    // it; "" when either is missing.  An empty start marker stands for the
    // start of the text, an empty end marker for its end.  lInclude non-zero
    // keeps the markers in the result; lCompare 1 finds them without regard to
    // case, 0 exactly.
    std::string Between(const std::string& sText, const std::string& sStart, const std::string& sEnd,
                        int32_t lInclude = 0, int32_t lCompare = 1);
    std::string TextBetween(const std::string& sText, const std::string& sStart, const std::string& sEnd,
                            int32_t lInclude = 0, int32_t lCompare = 1);

    // lFlag 0: the folder ending in exactly one "/" (a trailing "/" or "\", or
    // a run of them, becomes one "/").  lFlag 1: a share name without its
    // trailing separators, ready for a path part that begins with one.  ""
    // stays "" with either flag, so a folder that could not be found never
    // turns into the root folder.
    std::string WithTrailingSeparator(const std::string& sFolder, int32_t lFlag = 0);

    // The text before its first NUL character; lTrim non-zero also removes the
    // blanks at both ends of what remains (system buffers come padded).
    std::string CutAtNull(const std::string& sText, int32_t lTrim = 1);

    // "%0", "%1", ... replaced by the 0-based entries of the values (a value
    // that is not an array is entry 0).
    std::string FormatText(const std::string& sTemplate, const Variant& vValues);

    // Each item of the list between quote characters, with an embedded quote
    // doubled, items still separated by the delimiter.  The quote texts "''"
    // and "'" both mean the single quote.  "" gives "".
    std::string QuoteList(const std::string& sList, const std::string& sQuote = "'",
                          const std::string& sDelimiter = ",");
    // The list without delimiters at its start and end: all of them with lMode
    // non-zero, one at each end with lMode 0.
    std::string TrimList(const std::string& sList, const std::string& sDelimiter = ",", int32_t lMode = 1);

    // A comma list fit for an SQL IN list: blanks around items trimmed, empty
    // and repeated items removed, the order of first appearance kept.
    std::string TidyList(const std::string& sList);
    std::string NormaliseList(const std::string& sList);
    // One comma list with the items of both lists, without repeats.
    std::string CombineLists(const std::string& sList1, const std::string& sList2);
};
