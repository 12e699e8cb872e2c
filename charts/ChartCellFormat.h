#pragma once
// The format pattern of a chart's text cells: a value written through a
// picture, as a spreadsheet's format box takes one.  Numbers are written with
// "." as decimal point and "," between thousands whatever the machine's
// locale; dates take Sunday as the first day of the week and the week of
// 1 January as the first week of the year.
//
// The pictures understood:
//   named      "General Number", "Fixed" (0.00), "Standard" (#,##0.00),
//              "Percent" (0.00%), "Short Date" (yyyy-mm-dd),
//              "Long Date" (d mmmm yyyy), in any letter case
//   numbers    up to three sections "positive;negative;zero"; "0" a digit
//              always shown, "#" a digit shown when it counts, "." the
//              decimal point, "," in the whole part separates thousands,
//              "%" multiplies by 100; text before the first and after the
//              last digit placeholder is kept, "\x" and "..." as literals.
//              A half is rounded away from zero, on the value's first 15
//              significant digits.
//   dates      d dd ddd dddd, w ww, m mm mmm mmmm (m and mm minutes after
//              an hour or before seconds, literals between or not), q, y
//              (day of the year) yy yyyy, h hh, n nn, s ss, AM/PM; "..."
//              and "\x" literals; any other character is copied.
#include <string>

#include "platform/runtime/Variant.h"

// The value through the picture: "" for Null or Empty; a number picture for
// a number, a Boolean or text holding a number; a date picture for a date,
// a number (a date serial) or text holding a date; otherwise the value's
// text unchanged.  Raises 6 for a date outside the years 100 to 9999.
std::string ChartFormat(const Variant& vValue, const std::string& sPattern);
