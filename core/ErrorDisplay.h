#pragma once
// How a class shows an error that one of its operations ends itself.  Every
// such class uses one of a few fixed display variants; they differ in the
// warning's icon, in where an exception is shown (the error dialog or a
// message box), in whether the exception is logged, and in whether it is
// stored in the object's error fields for the host to read.
//
//   variant  warning style  exception shown in   logged  fields stored
//   A        0              dialog               no      no
//   B        64             message box "Error"  yes     no
//   C        0              dialog               yes     no
//   D        0              dialog               no      yes
//   E        64             message box "Error"  yes     yes
//   F        48             dialog               no      no    (other user errors: "Warning (n)")
//   G        64             message box "Error"  no      no
#include <cstdint>
#include <string>

enum class ErrDisplay : char { A, B, C, D, E, F, G };

// The titles of the boxes that show refused input: a host tells them from
// the boxes that only warn by these.
constexpr const char* kUserInputErrorTitle = "User Input Error";
constexpr const char* kMultipleInputErrorsTitle = "Multiple Input Errors";

// The error an object last showed, for hosts that read it after a call that
// returned normally.
struct ErrorFields {
    int32_t ErrorNumber = 0;
    std::string ErrorSource;
    std::string ErrorDescription;
    bool ErrorIsException = false;
};

// A display variant and, for variants that store the error, where to.
struct ErrorDisplayTarget {
    ErrDisplay variant = ErrDisplay::A;
    ErrorFields* fields = nullptr;
};

constexpr bool StoresErrorFields(ErrDisplay v) { return v == ErrDisplay::D || v == ErrDisplay::E; }

// Shows the thread's current error and clears it.  A user error becomes a
// message box; an exception goes to the dialog or a message box (marked for
// the host as a report with its description, ui::ShowingReport), is logged
// and stored as the variant says.  The mouse pointer goes back to the
// default.  Nothing in here fails outward: the caller always carries on.
void ShowErrorReport(const ErrorDisplayTarget& target);

// How many errors ShowErrorReport was given on this thread, the silent user
// error left out; comparing two readings tells whether a call showed one.
int64_t ErrorsShown();

// A class names its display by deriving from ShowsErrors<variant>.  Variants
// D and E also carry the error fields, read by the class's ErrorNumber,
// ErrorSource, ErrorDescription and ErrorIsException.
template <ErrDisplay V, bool = StoresErrorFields(V)>
class ShowsErrors {
public:
    static constexpr ErrDisplay kErrorDisplay = V;
    ErrorDisplayTarget HandlerDisplay() const { return {V, nullptr}; }
    void ShowErrorReport() const { ::ShowErrorReport(HandlerDisplay()); }
};

template <ErrDisplay V>
class ShowsErrors<V, true> {
public:
    static constexpr ErrDisplay kErrorDisplay = V;
    // The fields are written by the display even from an operation that
    // changes nothing else of the object.
    ErrorDisplayTarget HandlerDisplay() const { return {V, &errorFields_}; }
    void ShowErrorReport() const { ::ShowErrorReport(HandlerDisplay()); }

protected:
    mutable ErrorFields errorFields_;
};
