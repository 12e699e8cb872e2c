#pragma once
// The format pattern of a chart's text cells: a value written through a
// picture, as a spreadsheet's format box takes one.  Numbers are written with
// "." as decimal point and "," between thousands whatever the machine's
// locale, dates and times as ISO writes them; dates take Sunday as the first
// day of the week and the week of 1 January as the first week of the year.
//
// The language, whole:
//   named      in any letter case:
//                "General Number"  the number's shortest text (1234.5)
//                "Fixed"           0.00
//                "Standard"        #,##0.00
//                "Currency"        #,##0.00, no symbol: as the grid's
//                                  currency cells show it
//                "Percent"         0.00%
//                "Scientific"      0.00E+00
//                "Yes/No", "True/False", "On/Off"
//                                  the second word for 0, the first for any
//                                  other number
//                "General Date"    c
//                "Long Date"       d mmmm yyyy (1 July 2003)
//                "Medium Date"     d mmm yyyy (1 Jul 2003)
//                "Short Date"      yyyy-mm-dd
//                "Long Time"       hh:nn:ss
//                "Medium Time"     hh:nn AM/PM
//                "Short Time"      hh:nn
//   sections   up to three, "positive;negative;zero": the value (a date
//              as its serial) takes the third when it is 0, the second when
//              it is below 0, where they are given and not empty, else the
//              first.  A section with a 0 or # outside literals writes the
//              number as below (the first with "-" before a negative
//              value); one without but holding a date mark writes the date
//              as the dates below do, the value's own (m/d/yyyy;@ of 14
//              July 2026 is 7/14/2026); any other is its text alone, no
//              digit of the value written (0;"n/a" of -3 is n/a,
//              "pos";"neg";"zero" of 12345 is pos).  Only a number, or a
//              date, chooses a section: other text is written unchanged.
//   numbers    a picture of one section holding a 0 or # outside literals.
//                0 a digit always shown, # a digit shown when it counts;
//                . the decimal point;
//                , between digits of the whole part separates thousands;
//                  commas right after the last digit of the whole part
//                  (before the point, written or not) or of the fraction
//                  divide by 1,000 each (#,##0, of 1234567.891 is 1,235;
//                  0,, is in millions);
//                % multiplies by 100 and is shown;
//                E+ E- e+ e- followed by 0 or # write the number in
//                  scientific notation: as many whole digits as the whole
//                  part has 0s (at least one), then the letter as written,
//                  the exponent's sign (E+ and e+ always, E- and e- only
//                  when negative) and at least as many exponent digits as
//                  0s follow, at least one (0.0E+00 of 3.14159 is 3.1E+00);
//                "..." and \x literals, and any other character, kept
//                where they stand: text between digit places stays after
//                as many places as stand before it (000-00-0000 of
//                123456789 is 123-45-6789; in the whole part counted from
//                the point, so digits a # leaves out take none and extra
//                digits go in front); text among the exponent's digits
//                follows the exponent.
//              A half is rounded away from zero, on the value's first 15
//              significant digits as written.
//   dates      any other picture of one section, and a date section;
//              characters not listed are copied.  The
//              weekday, week and day of the year are those of the day the
//              date shows (before 30 December 1899 its time of day counts
//              away from zero: -1.5 is noon of 29 December 1899).
//                d dd           day of the month
//                ddd dddd       day name, short and long
//                ddddd          the short date (yyyy-mm-dd)
//                dddddd         the long date (d mmmm yyyy), more d's too
//                w              day of the week, 1 Sunday to 7 Saturday
//                ww             week of the year
//                m mm           month, or minutes right after an hour or
//                               before seconds (literals between or not)
//                mmm mmmm       month name, short and long
//                q              quarter
//                y              day of the year
//                yy yyyy        year, two digits and four
//                h hh           hour, 0 to 23 (12-hour with a marker)
//                n nn           minutes
//                s ss           seconds
//                ttttt          the time (hh:nn:ss), more t's too
//                c              the date and time (ddddd ttttt); the date
//                               alone at midnight, the time alone on the
//                               day of serial 0
//                AM/PM am/pm    "AM" or "PM" in the marker's own letters
//                A/P a/p        "A" or "P" in the marker's own letter
//                AMPM           "AM" or "PM", whatever the letter case
//                "..." and \x   literals
//              A marker outside literals turns every h and hh of the picture
//              to a 12-hour clock (12 at midnight and noon); ddddd, dddddd,
//              ttttt and c keep their own forms whatever the picture holds.
#include <string>

#include "platform/runtime/Variant.h"

// The value through the picture: "" for Null or Empty; a number picture or
// section or a two-word name for a number, a Boolean, a date or text holding
// a number; a date picture or section for a date, a number (a date serial)
// or text holding a date; otherwise the value's text unchanged (a number or date holding an infinity
// or NaN: the number's text, "Infinity").  Raises 6 for a date outside the
// years 100 to 9999.
std::string ChartFormat(const Variant& vValue, const std::string& sPattern);
