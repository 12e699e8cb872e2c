#pragma once
// Text, number and date helpers of the classic run time, locale-free.
// Text is UTF-8; "without regard to case" folds ASCII letters only, which is
// what every code, key and name of the data set needs.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

std::string Trim(std::string_view s);  // blanks at both ends
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
std::string LCase(std::string_view s);
std::string UCase(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
// <0, 0, >0 like StrComp with text comparison.
int CompareNoCase(std::string_view a, std::string_view b);
// 1-based position of `find` in `s` from 1-based `start`, 0 when absent
// (InStr); `noCase` selects text comparison.
size_t InStr(std::string_view s, std::string_view find, size_t start = 1, bool noCase = false);
// Every non-overlapping occurrence, left to right (Replace).
std::string Replace(std::string_view s, std::string_view find, std::string_view with);
// A message text with each "||" turned into a line break (CR LF): messages
// are written on one line, and shown on several.
std::string WithLineBreaks(std::string_view sMessage);
std::vector<std::string> Split(std::string_view s, std::string_view delimiter);
std::string Join(const std::vector<std::string>& items, std::string_view delimiter);
bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);

// Decodes the UTF-8 character at s[i] and steps past it; false, i unmoved,
// for a malformed, cut, overlong or surrogate sequence.
bool NextUtf8Character(std::string_view s, size_t& i, char32_t& c);

// Text as a person may be shown it, on a terminal or not: every control
// character is a visible escape, so no value quoted in a message (a file
// name, a cell, a value read from a file) can move the cursor, erase the
// screen, set the window's title or overwrite the start of its line.  ESC is
// \e; CR, line feed and tab are \r, \n and \t; any other C0 byte and DEL
// are \xNN; a C1 character (U+0080 to U+009F, which a terminal obeys like
// ESC [ and the rest) is \u00NN; a byte that is not part of valid UTF-8 is
// \xNN, as an 8-bit terminal would take 0x80-0x9F for C1 controls (hex in
// upper case).  A backslash stays as it is: a path written with backslashes
// reads as before, and the text is then the same however often it is
// escaped, at the cost of "\e" in a value and an ESC looking alike.
// keepLines: the text is several lines (a report, a usage text, a statement),
// so its line feeds stay as its layout; a CR is shown as \r all the same, the
// CR of a CR LF too, so that none reaches a terminal (a caller that ends its
// own lines with CR LF makes them line feeds first).  Otherwise the text is
// one line and a line break in it is a character of a value.  A tab is shown
// either way: nothing this system shows lays itself out with tabs, and a tab
// in a quoted value would pass for blanks.
std::string VisibleText(std::string_view s, bool keepLines = false);

// Classic Val: the leading number of the text (blanks ignored, "&H"/"&O"
// prefixes read), 0 when there is none.  A number past the range of a Double
// raises 6 (overflow), as the classic Val does.
double Val(std::string_view s);
// True when the text converts to a number (IsNumeric of a text).
bool IsNumericText(std::string_view s);
// Parses a whole text as a number the way CDbl does; false when it is not one.
// A number past the range of a Double gives an infinity of its sign (callers
// that convert raise 6 for it), one too small for a Double gives 0.
bool ParseNumber(std::string_view s, double& out);
// Hex of a 32-bit value, upper case, no leading zeros (negative numbers print
// their two's complement, as the classic Hex does).
std::string Hex(int32_t n);

// Dates are serial days since 1899-12-30, the fraction being the time of day.
double DateSerial(int year, int month, int day);
double TimeSerial(int hour, int minute, int second);
struct DateParts {
    int year, month, day, hour, minute, second;
};
// True when the serial, read to the nearest second, is a moment from
// 100-01-01 00:00:00 to 9999-12-31 23:59:59; the date routines raise 6
// (overflow) for any other serial.
bool IsDateSerial(double serial);
DateParts SplitDate(double serial);
// "YYYY-MM-DD", followed by " HH:MM:SS" when the time is not midnight.
std::string DateToText(double serial);
// "MM-DD-YYYY".
std::string FormatDateMDY(double serial);
// Reads "YYYY-MM-DD[ HH:MM:SS]", "MM-DD-YYYY" and "M/D/YYYY" forms.
bool ParseDate(std::string_view s, double& out);
// The current local date and time as a serial.
double Now();
