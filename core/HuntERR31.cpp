#include "HuntERR31.h"

#include "core/ErrorReport.h"
#include "platform/runtime/Text.h"

void Check(bool bCondition, int32_t lErrNumber, std::string_view sMessage, const Variant& vArgs) {
    if (bCondition) return;
    // A number of 0 would read as "no error" to every handler above.
    Raise(lErrNumber != 0 ? lErrNumber : ERR_GENERAL, kCheckSource, MessageText(sMessage, vArgs));
}

std::string MessageText(std::string_view sMessage, const Variant& vArgs) {
    std::string message = WithLineBreaks(sMessage);
    if (!vArgs.IsMissing()) message = FormatArgs(message, vArgs);
    return message;
}

std::string SafeCStr(const Variant& vValue) {
    try {
        return vValue.ToString();
    } catch (...) {
        return "";
    }
}

namespace {
// A value as a message takes it in: SafeCStr, so that a value without text
// fills in as "" instead of raising, shown on one line.
std::string OneLineValue(const Variant& vValue) { return VisibleText(SafeCStr(vValue)); }
}  // namespace

std::string FormatArgs(std::string_view sMessage, const Variant& vArgs) {
    try {
        return FillPlaceholders(sMessage, vArgs, 0, OneLineValue);
    } catch (...) {
        return std::string(sMessage);
    }
}

std::string QuotedValue(std::string_view sValue) {
    // Characters, not bytes: a cut never splits one, and the length told is
    // the one the user sees.
    auto starts = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    size_t characters = 0, cut = sValue.size();
    for (size_t i = 0; i < sValue.size(); ++i) {
        if (!starts(sValue[i])) continue;
        if (characters == kQuotedValueLength) cut = i;
        ++characters;
    }
    std::string shown = VisibleText(sValue.substr(0, cut));
    if (cut < sValue.size()) shown += "... (" + std::to_string(characters) + " characters)";
    return shown;
}

namespace {
// Raises the user input error with sMessage, its placeholders filled with args.
[[noreturn]] void RaiseInput(std::string_view sMessage, VariantArray args) {
    Check(false, ERR_USER_INPUT, sMessage, Variant(std::move(args)));
    throw Error(ERR_USER_INPUT, kCheckSource, std::string(sMessage));  // not reached: Check raised
}
}  // namespace

void RefuseInput(std::string_view sMessage, std::initializer_list<std::string_view> values) {
    VariantArray args;
    for (std::string_view value : values) args.emplace_back(QuotedValue(value));
    RaiseInput(sMessage, std::move(args));
}

void RefuseValue(std::string_view sValue, std::string_view sOf, std::string_view sWhat,
                 std::string_view sInList) {
    // Only the values are quoted; the program's own text goes in whole, as
    // a value does: text put in is never read for placeholders or line
    // breaks, so a value the caller quoted in sWhat stays text too.
    if (sOf.empty()) sOf = ValueOrigins::PlaceOf(sValue, sInList);
    std::string message = "The value '%0'";
    if (!sInList.empty()) message += " in the list '%1'";
    if (!sOf.empty()) message += " of '%2'";
    message += " %3";
    RaiseInput(message, {Variant(QuotedValue(sValue)), Variant(QuotedValue(sInList)),
                         Variant(QuotedValue(sOf)), Variant(std::string(sWhat))});
}

namespace {
// The innermost scope of this thread.
thread_local ValueOrigins* tOrigins = nullptr;
}  // namespace

ValueOrigins::ValueOrigins(std::initializer_list<Entry> entries) : entries_(entries), outer_(tOrigins) {
    tOrigins = this;
}

ValueOrigins::~ValueOrigins() { tOrigins = outer_; }

std::string_view ValueOrigins::PlaceOf(std::string_view sValue, std::string_view sInList) {
    for (const ValueOrigins* scope = tOrigins; scope; scope = scope->outer_)
        for (const Entry& entry : scope->entries_)
            if (entry.first == sValue || (!sInList.empty() && entry.first == sInList)) return entry.second;
    return {};
}

PreservedError& ErrState() {
    thread_local PreservedError state;
    return state;
}

void ErrPreserve() {
    PreservedError& p = ErrState();
    const ErrObject& err = Err();
    if (err.Number == 0 || p.Preserved) return;
    p.Number = err.Number;
    p.Description = err.Description;
    p.Source = err.Source;
    p.HelpFile = err.HelpFile;
    p.HelpContext = std::to_string(err.HelpContext);
    p.Line = err.Line;
    p.LastDllError = err.LastDllError;
    p.Preserved = true;
}

void ErrRestore() {
    PreservedError& p = ErrState();
    if (!p.Preserved) return;
    ErrObject& err = Err();
    err.Clear();
    err.Number = p.Number;
    err.Source = p.Source;
    err.Description = p.Description;
    if (!p.HelpContext.empty()) err.HelpContext = static_cast<int32_t>(Val(p.HelpContext));
    err.HelpFile = p.HelpFile;
    p.Preserved = false;
}

void ErrClear() {
    PreservedError& p = ErrState();
    p.Number = 0;
    p.Line = 0;
    p.LastDllError = 0;
    p.Source.clear();
    p.Description.clear();
    p.HelpFile.clear();
    p.HelpContext = std::to_string(0);  // (a literal here trips a false -Wrestrict in GCC 12)
    p.Preserved = false;
}

int32_t ErrNumber() { return ErrState().Number; }
std::string ErrSource() { return ErrState().Source; }
std::string ErrDescription() { return ErrState().Description; }

bool IsUserError(int32_t lNumber) { return lNumber >= ERR_USER_FIRST && lNumber < ERR_USER_END; }
bool ErrIsUserError() { return IsUserError(ErrState().Number); }
bool ErrIsPropagated() { return ErrState().Source == kErrorInSource; }

std::string ErrReportText() {
    if (!ErrState().Report.empty()) return ErrState().Report;
    if (ErrIsPropagated()) return Err().Description;
    return "";
}

namespace {

// Starts the report for a new exception or takes the one a called operation
// built, then adds this operation's call-stack line.  Never raises: a report
// cut short is still better than a second error hiding the first.
void RecordOperation(std::string_view sLocation, const Variant& vArgs) {
    PreservedError& p = ErrState();
    try {
        size_t open = sLocation.find('(');
        std::string methodName(sLocation.substr(0, open));
        std::string argumentNames;
        if (open != std::string_view::npos && open + 1 < sLocation.size())
            argumentNames = std::string(sLocation.substr(open + 1, sLocation.size() - open - 2));
        if (ErrIsPropagated()) {
            // The report a called operation made: what it describes is known
            // when it is the one this thread made last.
            if (p.Description != p.Report) p.ReportDescription = ReportDescription(p.Description);
            p.Report = p.Description;
        } else {
            ErrBuildReport(methodName);
            ApiErrorLine();
        }
        CallStackLine(methodName, argumentNames, vArgs);
    } catch (...) {
    }
    p.Source = kErrorInSource;
    p.Description = p.Report;
}

}  // namespace

std::string ErrorIn(std::string_view sLocation, const Variant& vArgs, int32_t lOptions) {
    PreservedError& p = ErrState();
    if (Err().Number == 0 && !p.Preserved) {
        // A handler that let the error be cleared before it got here still
        // reports that something failed.
        Err().Clear();
        Err().Number = ERR_GENERAL;
        Err().Source = kAppTitle;
        Err().Description =
            "ErrorIn: Error information was lost. To fix: call ErrPreserve before doing anything in error "
            "handler.";
    }
    ErrPreserve();
    if (ErrIsUserError()) {
        p.Report.clear();
    } else if (lOptions & ERR_OPT_REPORT) {
        RecordOperation(sLocation, vArgs);
    }
    ErrRestore();
    if (lOptions & ERR_OPT_RAISE) Err().Raise();
    return p.Report;
}

std::string ErrorMessageOf(std::string_view sSource, std::string_view sDescription) {
    if (sSource == kErrorInSource) return ReportDescription(sDescription);
    return std::string(sDescription);
}

void ResetErrorState() { ErrState() = PreservedError{}; }
