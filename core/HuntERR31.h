#pragma once
// The error framework's core: the check routine that raises the library's own
// errors with formatted messages, the thread's preserved copy of the current
// error, and ErrorIn, the step every operation's handler runs to record the
// failing operation and pass the error on or end it.
//
// Message texts use "||" for a line break and "%0", "%1", ... for the 0-based
// entries of an argument array.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/mTL5ErrorCodes.h"
#include "platform/runtime/Variant.h"

// Option words of ErrorIn: bit 1 passes the error on, bit 2 builds and
// records the report.  The other bits of both words are kept for the record:
// they only meant something inside a transaction server.
constexpr int32_t ERR_OPT_RAISE = 1;
constexpr int32_t ERR_OPT_REPORT = 2;
constexpr int32_t ERR_PASS_ON = 43;
constexpr int32_t ERR_END_HERE = 42;

// Sources the framework gives the errors it raises.
inline constexpr const char* kCheckSource = "HuntERR.Check";
inline constexpr const char* kErrorInSource = "HuntERR.ErrorIn";

// Raises lErrNumber with source "HuntERR.Check" unless bCondition holds, with
// MessageText(sMessage, vArgs) as the description.
void Check(bool bCondition, int32_t lErrNumber, std::string_view sMessage,
           const Variant& vArgs = Variant::Missing());

// A message as the program writes it, made into the text shown: each "||"
// turned into CR LF and then, when vArgs is given, its placeholders filled
// (FormatArgs), so that a value is never read for line breaks.  A box that
// quotes a value shows this text as it is (ui::MsgBox), not through a call
// that turns "||" into line breaks again.  Never fails.
std::string MessageText(std::string_view sMessage, const Variant& vArgs = Variant::Missing());

// Replaces each "%i" (i the whole run of digits) by SafeCStr of entry i of
// vArgs, in one pass: a "%" without a matching entry stays, and text taken
// from a value is never read for placeholders.  A value goes in on one line,
// its control characters (a line break too) shown as VisibleText shows them,
// so that no value ends the message and starts another; the message's own
// line breaks are the program's.  A vArgs that is not an array is the one
// entry 0; a missing vArgs fills nothing.  Never fails.
std::string FormatArgs(std::string_view sMessage, const Variant& vArgs);

// The value's text, or "" when it has none (Null, an array, an object).
std::string SafeCStr(const Variant& vValue);

// The most characters of a value a message quotes.
inline constexpr size_t kQuotedValueLength = 60;
// A value as a message quotes it: on one line, its control characters (a
// line break, a CR and a NUL too) shown as VisibleText shows them, so that
// no value can end the message or start a line of its own; and a value
// longer than kQuotedValueLength characters cut to its first
// kQuotedValueLength characters followed by "... (N characters)", N its
// whole length.  A file of any size may hand a value to a check; a message
// box must still be readable.  Never fails.
std::string QuotedValue(std::string_view sValue);
// Raises the user input error &H80041066 (source "HuntERR.Check") with
// sMessage, its placeholders filled with the values in order, each as
// QuotedValue quotes it.
[[noreturn]] void RefuseInput(std::string_view sMessage, std::initializer_list<std::string_view> values);
// Raises the user input error &H80041066 for a value that cannot be used,
// naming where it was read when the caller knows: "The value '<sValue>' of
// '<sOf>' <sWhat>" ("The value 'x' of 'APIRange@MinValue' is not a valid
// number."), without the " of ..." when sOf is "" (a value a host handed
// in).  sInList, when given, is the list the value is an item of, quoted
// after it: "The value 'x' in the list '1,x' of 'AssetCode@Code' ...".  The
// values are quoted as QuotedValue quotes them; sWhat is the program's own
// text, put in as it is (never read for placeholders or line breaks), where
// a caller that names a further value quotes it with QuotedValue.  Every
// refusal of a criterion's value goes through here, so that each says the
// same about where the value stands.
[[noreturn]] void RefuseValue(std::string_view sValue, std::string_view sOf, std::string_view sWhat,
                              std::string_view sInList = {});

// Where values stand, for the refusals made while it lives by code that is
// handed the values without knowing where they came from (a look-up member
// whose arguments a render reads from the query file): a refusal without a
// place names the first entry, innermost scope first, whose text is the
// refused value or the list it is an item of.  Entries are pairs of a value
// and its place ("APIRange@MinValue"); they refer to the caller's texts,
// which must outlive the scope.  Scopes nest, on one thread.
class ValueOrigins {
public:
    using Entry = std::pair<std::string_view, std::string_view>;
    explicit ValueOrigins(std::initializer_list<Entry> entries);
    ~ValueOrigins();
    ValueOrigins(const ValueOrigins&) = delete;
    ValueOrigins& operator=(const ValueOrigins&) = delete;

    // The place of the value (or of the list it is an item of) in the
    // innermost scope that has it; "" when none has.  Never fails.
    static std::string_view PlaceOf(std::string_view sValue, std::string_view sInList);

private:
    std::vector<Entry> entries_;
    ValueOrigins* outer_;
};

// The thread's preserved copy of the current error, kept while the framework
// works so that its own steps cannot lose it.
struct PreservedError {
    int32_t Number = 0;
    std::string Source;
    std::string Description;  // after ErrorIn has reported an exception: the whole report
    std::string HelpFile;
    std::string HelpContext;  // decimal text; "" means none
    int32_t Line = 0;         // line of the failing statement; 0, we carry none
    int32_t LastDllError = 0;
    bool Preserved = false;         // holds an error that has not been put back
    std::string Report;             // the report being built
    std::string ReportDescription;  // what Report describes: the description of the error it was made for
    std::string ValueBlocks;        // long argument values waiting to follow a call-stack line
};
PreservedError& ErrState();

// Copies the thread's current error into the preserved state, unless there is
// none or a copy is already held: the first copy wins.
void ErrPreserve();
// Puts the preserved error back into the thread's current error and drops the
// flag; the preserved fields keep their values.
void ErrRestore();
// Empties the preserved error and drops the flag; the report stays.
void ErrClear();

int32_t ErrNumber();
std::string ErrSource();
std::string ErrDescription();
bool IsUserError(int32_t lNumber);
bool ErrIsUserError();
// True when the error already passed through the handler of a called operation.
bool ErrIsPropagated();
// The report; for a propagated error without one, the current description.
std::string ErrReportText();

// Records the failing operation.  sLocation is its signature text
// ("CTools.FixupSQLParameterData(sValue)"), vArgs its argument values (one
// value, an array of them, or Missing for none) and lOptions ERR_PASS_ON or
// ERR_END_HERE.  An exception gets a report (or, when propagated, one more
// call-stack line), the source "HuntERR.ErrorIn" and the report as its
// description; a user error passes unchanged with an empty report.  With
// ERR_PASS_ON the error is raised again; otherwise the report is returned.
std::string ErrorIn(std::string_view sLocation, const Variant& vArgs, int32_t lOptions);

// What an error says to a person: for one that ErrorIn handed on (source
// "HuntERR.ErrorIn", a report as its description), the description the report
// was made for (ReportDescription); for any other, its description.  Never
// fails.
std::string ErrorMessageOf(std::string_view sSource, std::string_view sDescription);

// Empties the preserved state, the report and the value blocks (tests).
void ResetErrorState();
