// The pictures of the chart grid's text cells.
#include <gtest/gtest.h>

#include <limits>

#include "charts/ChartCellFormat.h"
#include "platform/runtime/Text.h"

namespace {

TEST(ChartFormat, NumberPicturesRoundHalvesAwayFromZeroOnTheDecimalDigits) {
    EXPECT_EQ(ChartFormat(Variant(3.14159), "0.0"), "3.1");
    EXPECT_EQ(ChartFormat(Variant(1234567.891), "#,##0.00"), "1,234,567.89");
    EXPECT_EQ(ChartFormat(Variant(999.996), "#,##0.00"), "1,000.00");
    EXPECT_EQ(ChartFormat(Variant(2.5), "0"), "3");
    EXPECT_EQ(ChartFormat(Variant(-2.5), "0"), "-3");
    EXPECT_EQ(ChartFormat(Variant(1.005), "0.00"), "1.01") << "as written, not as the binary value lies";
    EXPECT_EQ(ChartFormat(Variant(0.0004), "0.000"), "0.000");
    EXPECT_EQ(ChartFormat(Variant(0.0005), "0.000"), "0.001");
    EXPECT_EQ(ChartFormat(Variant(12), "000"), "012");
    EXPECT_EQ(ChartFormat(Variant(5), "#.##"), "5.");
    EXPECT_EQ(ChartFormat(Variant(0.5), "#.00"), ".50");
    EXPECT_EQ(ChartFormat(Variant(1.25), "0.0#"), "1.25");
    EXPECT_EQ(ChartFormat(Variant(1.2), "0.0#"), "1.2");
    EXPECT_EQ(ChartFormat(Variant(0.125), "0.0%"), "12.5%");
    EXPECT_EQ(ChartFormat(Variant(1234.5), "$#,##0 \"USD\""), "$1,235 USD");
    EXPECT_EQ(ChartFormat(Variant(1e20), "0"), "100000000000000000000");
    // Whole parts of three, six and nine digits get no separator in front.
    EXPECT_EQ(ChartFormat(Variant(123), "#,##0"), "123");
    EXPECT_EQ(ChartFormat(Variant(123456), "#,##0"), "123,456");
    EXPECT_EQ(ChartFormat(Variant(123456789), "#,##0"), "123,456,789");
    EXPECT_EQ(ChartFormat(Variant(-123456.5), "#,##0.0"), "-123,456.5");
    EXPECT_EQ(ChartFormat(Variant(999999.5), "#,##0"), "1,000,000") << "rounding adds a digit";
    // Commas ending the whole part or the fraction divide by 1,000 each; between digits they separate.
    EXPECT_EQ(ChartFormat(Variant(1234567.891), "#,##0,"), "1,235");
    EXPECT_EQ(ChartFormat(Variant(1234567.891), "#,##0.0,"), "1,234.6");
    EXPECT_EQ(ChartFormat(Variant(1900000), "0,,.0"), "1.9");
    EXPECT_EQ(ChartFormat(Variant(1234), "#,,##0"), "1,234");
    EXPECT_EQ(ChartFormat(Variant(3.14159), "0.0E+00"), "3.1E+00");
    EXPECT_EQ(ChartFormat(Variant(1234.5), "0.00e-00"), "1.23e03");
    EXPECT_EQ(ChartFormat(Variant(0.000314159), "0.0E+0"), "3.1E-4");
    EXPECT_EQ(ChartFormat(Variant(99999), "00.0E+0"), "10.0E+4") << "rounding carries into the exponent";
    EXPECT_EQ(ChartFormat(Variant(12), "0E+ kt"), "12E+ kt") << "no exponent without its digits";
    EXPECT_EQ(ChartFormat(Variant(1234.5), "#,##0.0 m"), "1,234.5 m") << "a unit letter, not a date mark";
    // Text between the digits stays where it stands, counted from the point.
    EXPECT_EQ(ChartFormat(Variant(1234567), "(000) 000-0000"), "(000) 123-4567");
    EXPECT_EQ(ChartFormat(Variant(3.14159), "0.00 0#"), "3.14 16");
    EXPECT_EQ(ChartFormat(Variant(123456789), "###-##-####"), "123-45-6789");
    EXPECT_EQ(ChartFormat(Variant(1234567890), "0,,"), "1235") << "a run of commas ends the digits";
    EXPECT_EQ(ChartFormat(Variant(1234567890123.0), "0.00,,,"), "1234.57");
    EXPECT_EQ(ChartFormat(Variant(524396715232.9815), "#,##0.0%"), "52,439,671,523,298.2%")
        << "digits as written";
}

TEST(ChartFormat, SectionsNamedPicturesAndWhatIsNoNumber) {
    EXPECT_EQ(ChartFormat(Variant(-5), "0;(0)"), "(5)");
    EXPECT_EQ(ChartFormat(Variant(5), "0;(0)"), "5");
    EXPECT_EQ(ChartFormat(Variant(0), "0;(0);\"none\""), "none");
    EXPECT_EQ(ChartFormat(Variant(-5), "0;;\"none\""), "-5") << "an empty section takes the first";
    EXPECT_EQ(ChartFormat(Variant(0), "0;-0;"), "0") << "an empty zero section takes the first";
    // A section without a digit place is its text alone, and sections make a number picture.
    EXPECT_EQ(ChartFormat(Variant(-5), "0;\"neg\""), "neg");
    EXPECT_EQ(ChartFormat(Variant(-1234.5), "#,##0.00;\"negative\""), "negative");
    EXPECT_EQ(ChartFormat(Variant(-3), "0;\"n/a\";\"-\"") + "|" + ChartFormat(Variant(0), "0;\"n/a\";\"-\""),
              "n/a|-");
    EXPECT_EQ(ChartFormat(Variant(5), "\"pos\";-0;0"), "pos");
    EXPECT_EQ(ChartFormat(Variant(-7), "0;\\-"), "-");
    EXPECT_EQ(ChartFormat(Variant(12345), "\"pos\";\"neg\";\"zero\""), "pos");
    EXPECT_EQ(ChartFormat(Variant(5), "\"pos\";\"neg\""), "pos");
    EXPECT_EQ(ChartFormat(Variant(-0.5), "0.0;(.%)"), "(.%)");
    EXPECT_EQ(ChartFormat(Variant(1234.5), "Standard"), "1,234.50");
    EXPECT_EQ(ChartFormat(Variant(0.125), "percent"), "12.50%");
    EXPECT_EQ(ChartFormat(Variant(2.5), "Fixed"), "2.50");
    EXPECT_EQ(ChartFormat(Variant(0.1), "General Number"), "0.1");
    EXPECT_EQ(ChartFormat(Variant(-1234.5), "Currency"), "-1,234.50");
    EXPECT_EQ(ChartFormat(Variant(-0.0012345), "scientific"), "-1.23E-03");
    EXPECT_EQ(ChartFormat(Variant(-2), "Yes/No") + ChartFormat(Variant("0"), "True/False"), "YesFalse");
    EXPECT_EQ(ChartFormat(Variant(0), "On/Off") + ChartFormat(Variant("North"), "On/Off"), "OffNorth");
    EXPECT_EQ(ChartFormat(Variant(std::numeric_limits<double>::infinity()), "0.0"), "Infinity");
    EXPECT_EQ(ChartFormat(Variant::Date(-std::numeric_limits<double>::infinity()), "0.0") + "|" +
                  ChartFormat(Variant::Date(std::numeric_limits<double>::quiet_NaN()), "Yes/No"),
              "-Infinity|NaN")
        << "a date that holds no number";
    EXPECT_EQ(ChartFormat(Variant(" 12.25 "), "0.0"), "12.3") << "text holding a number is a number";
    EXPECT_EQ(ChartFormat(Variant(true), "0"), "-1");
    EXPECT_EQ(ChartFormat(Variant("North"), "0.0"), "North");
    EXPECT_EQ(ChartFormat(Variant::Null(), "0.0"), "");
    EXPECT_EQ(ChartFormat(Variant(), "0.0"), "");
}

TEST(ChartFormat, DatePicturesStartTheWeekOnSundayAndTheYearWithTheWeekOfTheFirst) {
    const Variant day = Variant::Date(DateSerial(2003, 7, 1) + TimeSerial(14, 5, 9));  // a Tuesday
    EXPECT_EQ(ChartFormat(day, "dd mmm yyyy"), "01 Jul 2003");
    EXPECT_EQ(ChartFormat(day, "d mmmm yy"), "1 July 03");
    EXPECT_EQ(ChartFormat(day, "ddd dddd"), "Tue Tuesday");
    EXPECT_EQ(ChartFormat(day, "w"), "3");
    EXPECT_EQ(ChartFormat(day, "ww"), "27");
    EXPECT_EQ(ChartFormat(Variant::Date(DateSerial(2003, 1, 4)), "ww"), "1")
        << "the Saturday of the first week";
    EXPECT_EQ(ChartFormat(Variant::Date(DateSerial(2003, 1, 5)), "ww"), "2");
    EXPECT_EQ(ChartFormat(day, "q y"), "3 182");
    // The marks of the day the date shows: before serial 0 the time counts away from zero, and a
    // time that rounds to midnight shows the next day.
    EXPECT_EQ(ChartFormat(Variant::Date(-1234.5), "ddd dddd w ww y"), "Thu Thursday 5 33 226");
    EXPECT_EQ(ChartFormat(Variant::Date(DateSerial(2003, 7, 1) + 86399.6 / 86400), "yyyy-mm-dd ddd w y"),
              "2003-07-02 Wed 4 183");
    EXPECT_EQ(ChartFormat(day, "hh:mm:ss"), "14:05:09") << "minutes right after hours";
    EXPECT_EQ(ChartFormat(day, "hh:mm"), "14:05");
    EXPECT_EQ(ChartFormat(day, "hh\" h \"mm"), "14 h 05") << "minutes after hours across a literal";
    EXPECT_EQ(ChartFormat(day, "mm\" min \"ss"), "05 min 09");
    EXPECT_EQ(ChartFormat(day, "mm\\mss"), "05m09");
    EXPECT_EQ(ChartFormat(day, "m/d"), "7/1");
    EXPECT_EQ(ChartFormat(day, "h AM/PM"), "2 PM");
    // Midnight and noon are 12 on the twelve-hour clock; 0 and 12 on the other.
    const Variant midnight = Variant::Date(DateSerial(2003, 7, 1));
    const Variant noon = Variant::Date(DateSerial(2003, 7, 1) + TimeSerial(12, 0, 0));
    EXPECT_EQ(ChartFormat(midnight, "h:nn AM/PM"), "12:00 AM");
    EXPECT_EQ(ChartFormat(noon, "h:nn AM/PM"), "12:00 PM");
    EXPECT_EQ(ChartFormat(Variant::Date(DateSerial(2003, 7, 1) + TimeSerial(0, 30, 0)), "hh:nn AM/PM"),
              "12:30 AM");
    EXPECT_EQ(ChartFormat(midnight, "hh:nn"), "00:00");
    EXPECT_EQ(ChartFormat(noon, "hh:nn"), "12:00");
    EXPECT_EQ(ChartFormat(day, "\"on\" d\\d"), "on 1d");
    EXPECT_EQ(ChartFormat(day, "hh \\A/P"), "14 A/P") << "an escaped marker keeps the 24-hour clock";
    EXPECT_EQ(ChartFormat(day, "tttttt"), "14:05:09");
    EXPECT_EQ(ChartFormat(day, "Short Date"), "2003-07-01");
    EXPECT_EQ(ChartFormat(day, "hh \"AM/PM\""), "14 AM/PM") << "a quoted marker keeps the 24-hour clock";
    EXPECT_EQ(ChartFormat(day, "h AMPM|hh am/pm|h A/P|a/p"), "2 PM|02 pm|2 P|p");
    EXPECT_EQ(ChartFormat(day, "ddddd|dddddd|ttttt|c"),
              "2003-07-01|1 July 2003|14:05:09|2003-07-01 14:05:09");
    EXPECT_EQ(ChartFormat(midnight, "c") + "|" + ChartFormat(Variant(0.5), "General Date"),
              "2003-07-01|12:00:00");
    EXPECT_EQ(ChartFormat(day, "Medium Date") + "|" + ChartFormat(day, "Long Time"), "1 Jul 2003|14:05:09");
    EXPECT_EQ(ChartFormat(day, "Medium Time") + "|" + ChartFormat(day, "short time"), "02:05 PM|14:05");
    EXPECT_EQ(ChartFormat(Variant("2003-07-01"), "yyyy"), "2003");
    EXPECT_EQ(ChartFormat(Variant(2), "yyyy-mm-dd"), "1900-01-01") << "a number is a date serial";
    EXPECT_EQ(ChartFormat(Variant("n/a"), "yyyy"), "n/a");
    // A section of date marks writes the date; the value chooses it by its sign, as a number does.
    const Variant july = Variant::Date(DateSerial(2026, 7, 14) + TimeSerial(14, 5, 0));  // a Tuesday
    EXPECT_EQ(ChartFormat(july, "m/d/yyyy;@"), "7/14/2026");
    EXPECT_EQ(ChartFormat(july, "dd/mm/yyyy;;\"none\"") + "|" +
                  ChartFormat(Variant::Date(0), "dd/mm/yyyy;;\"none\""),
              "14/07/2026|none");
    EXPECT_EQ(ChartFormat(july, "yyyy-mm-dd;\"neg\"") + "|" + ChartFormat(Variant(-3), "yyyy-mm-dd;\"neg\""),
              "2026-07-14|neg");
    EXPECT_EQ(ChartFormat(Variant::Date(TimeSerial(14, 5, 0)), "hh;mm"), "14");
    EXPECT_EQ(ChartFormat(Variant("2026-07-14"), "dddd;\"x\";\"zero\""), "Tuesday");
    EXPECT_EQ(ChartFormat(Variant(-1), "0;yyyy-mm-dd") + "|" + ChartFormat(Variant("North"), "yyyy;\"neg\""),
              "1899-12-29|North")
        << "the date a negative serial is; text that is no date chooses no section";
}

}  // namespace
