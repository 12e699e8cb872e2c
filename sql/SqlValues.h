#pragma once
// Values into statement text.  Every value that comes from a query file, a
// host or a data row reaches a statement through one of the functions below
// and nowhere else: each checks the value and writes it so that it stays one
// literal (or one list of literals) whatever it holds.  A value that cannot
// be written so is refused with the user input error &H80041066, whose
// message names the value.
//
// What they return is an SqlFragment, a piece of statement text that only
// these functions make; ReplacePlaceholder fills a template's placeholder
// with one and with nothing else, so a raw value cannot be pasted into a
// template by accident.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class SqlFragment;

// Text written in the program itself (a table name chosen by the code), for
// the places where a placeholder takes a name the program knows.  Only a
// constant can be given: text read at run time does not compile here.
class SqlConstantText {
public:
    consteval SqlConstantText(const char* sText) : text_(sText) {}
    const char* Text() const { return text_; }

private:
    const char* text_;
};

// Each function that refuses a value takes sOf, where the value was read
// ("AssetCode@Code", an element and its attribute), and names it in the
// refusal (RefuseValue); "" for a value a host handed in.

// A code list of numbers: "12, 7,3" -> "12,7,3".  Each comma-separated item is
// trimmed and must be a number (written back canonically, as SqlNumber does);
// a list that is empty after trimming gives "".  Raises &H80041066 naming the
// first item that is no number (an empty item included).
SqlFragment SqlCodeList(const std::string& sList, std::string_view sOf = {});
// A list of quoted texts: "A,O'B" -> "'A','O''B'".  Items are taken as they
// are, blanks included; "" gives "".  Raises &H80041066 for a NUL character.
SqlFragment SqlQuotedList(const std::string& sList, std::string_view sOf = {});
// The texts of a list of quoted literals, as a criteria set or a host hands
// one over: "'A', 'O''B'" gives A and O'B.  Each literal stands between
// cQuote characters, a doubled cQuote inside it standing for one; literals
// are separated by "," with blanks (spaces, tabs) around them.  Nothing when
// the text is anything else, "" and a literal that never ends included; the
// caller refuses it in its own words.  Never fails.
std::optional<std::vector<std::string>> ReadQuotedList(std::string_view sList, char cQuote = '\'');
// One text literal: "O'Brien" -> "'O''Brien'".  Raises &H80041066 for a NUL
// character, which the engine would take for the end of the statement.
SqlFragment SqlText(const std::string& sValue, std::string_view sOf = {});
// One number written canonically: a point for the decimals, no grouping, no
// locale; a whole number below 2^53 without a fraction; a negative number in
// brackets ("(-2.5)"), so that a minus in the template before it can never
// make a comment.  Raises &H80041066 for an infinity or NaN.
SqlFragment SqlNumber(double dValue);
// The number a text holds (blanks around it allowed, as the run time reads
// numbers: "1e3", "&H10" and a point decimal, never a locale), written as
// above.  Raises &H80041066 naming the text when it holds no number.
SqlFragment SqlNumber(const std::string& sValue, std::string_view sOf = {});
// A date literal from a date serial: "#MM-DD-YYYY#", with " HH:MM:SS" before
// the closing "#" when the time of day is not midnight.  Raises &H80041066
// for a serial outside the years 100 to 9999, quoting sWritten, the text the
// serial was read from, when given (else the serial).
SqlFragment SqlDate(double dDate, std::string_view sOf = {}, std::string_view sWritten = {});
// A date literal from text holding a date serial ("36921") or a date
// ("YYYY-MM-DD", "MM-DD-YYYY", "M/D/YYYY", a time may follow).  Raises
// &H80041066 naming the text when it holds neither.
SqlFragment SqlDate(const std::string& sValue, std::string_view sOf = {});
// A name (column, table): ASCII letters, digits and "_" only, written in
// brackets ("Field_Code" -> "[Field_Code]") so that a keyword or a number
// stays a name.  Raises &H80041066 naming the text for anything else, the
// empty text included.
SqlFragment SqlIdentifier(const std::string& sName, std::string_view sOf = {});
// A name the program itself spells, taken as it is (see SqlConstantText).
SqlFragment SqlConstant(SqlConstantText sText);

// The template with every occurrence of the placeholder (matched exactly)
// outside quoted text replaced by the fragment, in one pass: text put in is
// never searched again, and a placeholder inside a literal spliced in
// earlier stays text.  Raises 5 for an empty placeholder or one holding a
// quote or bracket character.
std::string ReplacePlaceholder(std::string_view sTemplate, std::string_view sPlaceholder,
                               const SqlFragment& value);

class SqlFragment {
public:
    // The statement text.
    const std::string& Text() const { return text_; }
    bool Empty() const { return text_.empty(); }

private:
    explicit SqlFragment(std::string sText) : text_(std::move(sText)) {}
    std::string text_;

    friend SqlFragment SqlCodeList(const std::string&, std::string_view);
    friend SqlFragment SqlQuotedList(const std::string&, std::string_view);
    friend SqlFragment SqlText(const std::string&, std::string_view);
    friend SqlFragment SqlNumber(double);
    friend SqlFragment SqlNumber(const std::string&, std::string_view);
    friend SqlFragment SqlDate(double, std::string_view, std::string_view);
    friend SqlFragment SqlDate(const std::string&, std::string_view);
    friend SqlFragment SqlIdentifier(const std::string&, std::string_view);
    friend SqlFragment SqlConstant(SqlConstantText);
};
