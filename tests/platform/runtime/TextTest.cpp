#include <gtest/gtest.h>

#include <limits>

#include "platform/runtime/Text.h"
#include "support/ErrorAssert.h"

namespace {

TEST(Text, ValReadsTheLeadingNumber) {
    EXPECT_EQ(Val("42abc"), 42.0);
    EXPECT_EQ(Val("  1 2 3"), 123.0);  // blanks anywhere are skipped
    EXPECT_EQ(Val("\t-3.5e2x"), -350.0);
    EXPECT_EQ(Val("1e"), 1.0);
    EXPECT_EQ(Val(".5.5"), 0.5);
    EXPECT_EQ(Val("+7"), 7.0);
    EXPECT_EQ(Val("abc"), 0.0);
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val("-"), 0.0);
    EXPECT_EQ(Val("&H1F"), 31.0);
    EXPECT_EQ(Val("&hff"), 255.0);
    EXPECT_EQ(Val("&HFFFF"), -1.0);  // a 16-bit pattern is an Integer
    EXPECT_EQ(Val("&H8000"), -32768.0);
    EXPECT_EQ(Val("&H10000"), 65536.0);
    EXPECT_EQ(Val("&HFFFFFFFF"), -1.0);  // a 32-bit pattern is a Long
    EXPECT_EQ(Val("&O17"), 15.0);
    EXPECT_EQ(Val("&H"), 0.0);
    EXPECT_EQ(Val("1e-400"), 0.0);
    EXPECT_RAISES(6, Val("1e400"));
}

TEST(Text, NumericText) {
    double d = 0;
    EXPECT_TRUE(ParseNumber(" 12.5 ", d));
    EXPECT_EQ(d, 12.5);
    EXPECT_TRUE(ParseNumber("\t-4\t", d));
    EXPECT_EQ(d, -4.0);
    EXPECT_TRUE(ParseNumber("&H10", d));
    EXPECT_EQ(d, 16.0);
    EXPECT_TRUE(IsNumericText("1e5"));
    EXPECT_TRUE(IsNumericText(".5"));
    EXPECT_TRUE(IsNumericText("5."));
    EXPECT_FALSE(IsNumericText(""));
    EXPECT_FALSE(IsNumericText("   "));
    EXPECT_FALSE(IsNumericText("12a"));
    EXPECT_FALSE(IsNumericText("1 2"));
    EXPECT_FALSE(IsNumericText("- 5"));
    EXPECT_FALSE(IsNumericText("&H1G"));
    EXPECT_FALSE(IsNumericText("1e400"));  // does not convert: overflow
}

TEST(Text, HexOfLongs) {
    EXPECT_EQ(Hex(0), "0");
    EXPECT_EQ(Hex(255), "FF");
    EXPECT_EQ(Hex(-1), "FFFFFFFF");
    EXPECT_EQ(Hex(static_cast<int32_t>(0x80041837u)), "80041837");
    EXPECT_EQ(Hex(INT32_MIN), "80000000");
}

TEST(Text, CaseAndSearch) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");  // only spaces, as the classic Trim
    EXPECT_EQ(LCase("AbC1"), "abc1");
    EXPECT_EQ(UCase("AbC1"), "ABC1");
    EXPECT_TRUE(EqualsNoCase("Field", "FIELD"));
    EXPECT_FALSE(EqualsNoCase("Field", "Fields"));
    EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
    EXPECT_GT(CompareNoCase("b", "A"), 0);
    EXPECT_LT(CompareNoCase("ab", "ABC"), 0);
    EXPECT_EQ(InStr("abcabc", "c"), 3u);
    EXPECT_EQ(InStr("abcabc", "c", 4), 6u);
    EXPECT_EQ(InStr("abcabc", "C"), 0u);
    EXPECT_EQ(InStr("abcabc", "C", 1, true), 3u);
    EXPECT_EQ(InStr("abc", "x"), 0u);
    EXPECT_EQ(InStr("abc", "", 2), 2u);
    EXPECT_EQ(InStr("abc", "a", 9), 0u);
    EXPECT_EQ(Replace("a,,b,,", ",,", ","), "a,b,");
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
    EXPECT_EQ(Split("a,b,,c", ","), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(Split("a<>b", "<>"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Join({"a", "b", ""}, "|"), "a|b|");
    EXPECT_TRUE(StartsWith("SQL_X", "SQL_"));
    EXPECT_FALSE(StartsWith("SQ", "SQL_"));
    EXPECT_TRUE(EndsWith("a.dat", ".dat"));
    EXPECT_FALSE(EndsWith("t", ".dat"));
}

TEST(Text, VisibleTextShowsEveryControlCharacterAsAnEscape) {
    const struct {
        std::string text;
        bool keepLines;
        std::string shown;
    } cases[] = {
        {"Fläche 日本 😀 \xC2\xA0", false, "Fläche 日本 😀 \xC2\xA0"},  // text, and U+00A0 past the C1 range
        {"\x1b]0;text\x07", false, "\\e]0;text\\x07"},                // sets a terminal's title
        {"abc\rdef", false, "abc\\rdef"},                             // overwrites the line's start
        {"a\x7f", false, "a\\x7F"},
        {std::string("a\0b\x1f", 4), false, "a\\x00b\\x1F"},
        {"\xC2\x9B"
         "2J",
         false, "\\u009B2J"},                           // C1 CSI as UTF-8
        {"\xC2\x80\xC2\x9F", false, "\\u0080\\u009F"},  // the ends of the C1 range
        {"\x9B"
         "2J",
         false, "\\x9B2J"},                                   // a C1 byte that is no UTF-8
        {"\xFF\xC3", false, "\\xFF\\xC3"},                    // invalid, and cut at the end
        {"\xE2\x82x", false, "\\xE2\\x82x"},                  // cut in the middle
        {"\xC0\x9B", false, "\\xC0\\x9B"},                    // overlong
        {"\xED\xA0\x80", false, "\\xED\\xA0\\x80"},           // a surrogate
        {"\xF4\x90\x80\x80", false, "\\xF4\\x90\\x80\\x80"},  // past U+10FFFF
        {"one\ntwo\tcell", false, "one\\ntwo\\tcell"},        // one line
        {"one\ntwo\tcell", true, "one\ntwo\\tcell"},          // lines kept, a tab shown
        {"one\r\ntwo", false, "one\\r\\ntwo"},
        {"one\r\ntwo\r\n", true, "one\\r\ntwo\\r\n"},  // the line feed of a CR LF stays, its CR is shown
        {"one\rtwo\r", true, "one\\rtwo\\r"},          // and so is a lone CR
        {"\x1b[2J\n", true, "\\e[2J\n"},
        {"C:\\data\\x.db \\e", false, "C:\\data\\x.db \\e"},  // a backslash stays
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VisibleText(c.text, c.keepLines), c.shown) << c.shown;
        EXPECT_EQ(VisibleText(c.shown, c.keepLines), c.shown) << "escaped once only: " << c.shown;
    }
}

TEST(Text, DateSerials) {
    EXPECT_EQ(DateSerial(1899, 12, 30), 0.0);
    EXPECT_EQ(DateSerial(1899, 12, 31), 1.0);
    EXPECT_EQ(DateSerial(1900, 1, 1), 2.0);
    EXPECT_EQ(DateSerial(1899, 12, 29), -1.0);
    EXPECT_EQ(DateSerial(2000, 2, 29), 36585.0);
    EXPECT_EQ(DateSerial(2024, 13, 1), DateSerial(2025, 1, 1));  // months roll over
    EXPECT_EQ(DateSerial(2024, 0, 1), DateSerial(2023, 12, 1));
    EXPECT_EQ(DateSerial(2024, -12, 1), DateSerial(2022, 12, 1));
    EXPECT_EQ(DateSerial(2024, 3, 0), DateSerial(2024, 2, 29));  // and days
    EXPECT_DOUBLE_EQ(TimeSerial(18, 0, 0), 0.75);

    EXPECT_EQ(FormatDateMDY(0), "12-30-1899");
    EXPECT_EQ(FormatDateMDY(1), "12-31-1899");
    EXPECT_EQ(FormatDateMDY(-1), "12-29-1899");
    EXPECT_EQ(FormatDateMDY(36585), "02-29-2000");
    EXPECT_EQ(DateToText(2.25), "1900-01-01 06:00:00");
    // A negative serial counts whole days back; its fraction is still the time.
    EXPECT_EQ(DateToText(-1.25), "1899-12-29 06:00:00");
    EXPECT_EQ(DateToText(-0.5), "1899-12-30 12:00:00");
    EXPECT_EQ(DateToText(1.9999999), "1900-01-01");  // rounds to the second
    // Day -1 (1899-12-29) at 23:59:59.99 is the next day's midnight: a time
    // that rounds to a whole day moves on to the next calendar day, which
    // for a negative serial is the one nearer serial 0.
    EXPECT_EQ(DateToText(-1.9999999), "1899-12-30");
    EXPECT_EQ(DateToText(-0.9999999), "1899-12-31");
    EXPECT_EQ(FormatDateMDY(-2.9999999), "12-29-1899");
    DateParts p = SplitDate(DateSerial(2023, 7, 14) + TimeSerial(13, 45, 30));
    EXPECT_EQ(p.year, 2023);
    EXPECT_EQ(p.month, 7);
    EXPECT_EQ(p.day, 14);
    EXPECT_EQ(p.hour, 13);
    EXPECT_EQ(p.minute, 45);
    EXPECT_EQ(p.second, 30);
    EXPECT_EQ(DateToText(DateSerial(9999, 12, 31)), "9999-12-31");
    EXPECT_EQ(DateToText(DateSerial(100, 1, 1)), "0100-01-01");
    EXPECT_RAISES(6, SplitDate(DateSerial(9999, 12, 31) + 1));
    EXPECT_RAISES(6, FormatDateMDY(DateSerial(100, 1, 1) - 1));
    EXPECT_RAISES(6, DateToText(std::numeric_limits<double>::quiet_NaN()));
}

TEST(Text, ParseDateForms) {
    double d = 0;
    EXPECT_TRUE(ParseDate("2000-02-29", d));
    EXPECT_EQ(d, 36585.0);
    EXPECT_TRUE(ParseDate("02-29-2000", d));
    EXPECT_EQ(d, 36585.0);
    EXPECT_TRUE(ParseDate("2/29/2000", d));
    EXPECT_EQ(d, 36585.0);
    EXPECT_TRUE(ParseDate(" 1899-12-31 06:00 ", d));
    EXPECT_DOUBLE_EQ(d, 1.25);
    EXPECT_TRUE(ParseDate("1899-12-29T06:00:00", d));
    EXPECT_DOUBLE_EQ(d, -1.25);
    EXPECT_EQ(DateToText(d), "1899-12-29 06:00:00");
    EXPECT_FALSE(ParseDate("2001-02-29", d));  // not a leap year
    EXPECT_FALSE(ParseDate("1900-02-29", d));
    EXPECT_FALSE(ParseDate("2000-13-01", d));
    EXPECT_FALSE(ParseDate("2000-12-32", d));
    EXPECT_FALSE(ParseDate("2000/12-01", d));  // mixed separators
    EXPECT_FALSE(ParseDate("12-31-99", d));    // two-digit years are ambiguous
    EXPECT_FALSE(ParseDate("2000-01-01 24:00", d));
    EXPECT_FALSE(ParseDate("2000-01-01 10:60", d));
    EXPECT_FALSE(ParseDate("2000-01-01 10:60:00", d));
    EXPECT_FALSE(ParseDate("2000-01-01 10:59:60", d));
    EXPECT_TRUE(ParseDate("2000-01-01 23:59:59", d));
    EXPECT_FALSE(ParseDate("2000-01-01 10:5", d));
    EXPECT_FALSE(ParseDate("2000-01-01x", d));
    EXPECT_FALSE(ParseDate("20001-01-01", d));
    EXPECT_FALSE(ParseDate("", d));
    EXPECT_FALSE(ParseDate("2000", d));
}

}  // namespace
