#pragma once
// The error report: a header filled from a template, a line for the last
// system error, and one call-stack line per operation the error passed
// through, each with the values of that operation's arguments.  It travels
// up as the error's description and is what the error window shows and the
// log keeps.  Lines end in CR LF.  Building it never raises.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/runtime/Variant.h"

// "%name%" marks a field; "%nl%" a line break.
inline constexpr const char* kReportTemplate =
    "%Descr% %nl%  Time='%Time%' App='%App%:%Ver%' ADO-version='%ADOVersion%' Computer='%Comp%' %nl%"
    "  Method: %MethodName% %nl%"
    "  Number: %ErrNum% = &H%ErrHex% = vbObjectError %ErrNumRel1% = ERRMAP_APP_FIRST %ErrNumRel2% "
    "%ErrStd%%nl%"
    "  Source: %Source% %nl%"
    "  Description: %Descr%%nl%";

// Call-stack lines are padded with "-" to this many characters.
constexpr size_t kCallStackWidth = 100;
// Argument texts longer than this are shown below the line as value blocks.
constexpr size_t kMaxInlineValue = 40;

// "+ n" or "- n" for the absolute value.
std::string SignedOffset(int32_t n);

// Fills the template: each "%" first becomes a marker character, so that a
// "%" inside a value is never taken as a field delimiter; fields are filled
// one after the other in a fixed order; markers that belong to no field turn
// back into "%".  `fields` lists name and value pairs in filling order.
std::string FillReportTemplate(std::string_view tmpl,
                               std::initializer_list<std::pair<std::string_view, std::string>> fields);

// Starts a new report for the preserved error from the template, and records
// the error's description as what it describes.
void ErrBuildReport(std::string_view sMethodName);
// The description the report sReport was made for (the error's own message,
// without the report around it): the one recorded with the report this
// thread made last when sReport is that report; for another, its first line,
// where the template puts the description.  Never fails.
std::string ReportDescription(std::string_view sReport);
// Appends the line and CR LF, unless the preserved error is a user error.
void ReportAddLine(std::string_view sLine);
// Appends the system-error line when the preserved last system error is
// neither 0 nor 203 (an environment variable that is not there).
void ApiErrorLine();
// Appends the call-stack line and, when arguments were too long to show in
// it, their value blocks as one further line.
void CallStackLine(std::string_view sMethodName, std::string_view sArgumentNames, const Variant& vArgs);
// "name=text, name=text" for the argument values; long or multi-line texts
// are shown as "{Text}" and kept for a value block.
std::string ArgumentList(std::string_view sArgumentNames, const Variant& vArgs);
// The text of one value by its kind, as the report shows it.
std::string ValueText(const Variant& vValue);
// The current time as the report shows it: "MM/DD/yy HH:NN:SS".
std::string ReportTime();
