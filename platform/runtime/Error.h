#pragma once
// The one exception type that crosses an operation's boundary, the run time's
// error numbers, and the thread's current error object (what the classic run
// time calls Err).
#include <cstdint>
#include <exception>
#include <string>

// Run-time error numbers as the classic run time numbers them.
namespace rt {
constexpr int32_t kInvalidCall = 5;  // invalid procedure call or argument
constexpr int32_t kOverflow = 6;
constexpr int32_t kOutOfMemory = 7;
constexpr int32_t kSubscript = 9;  // subscript out of range
constexpr int32_t kDivisionByZero = 11;
constexpr int32_t kTypeMismatch = 13;
constexpr int32_t kInternal = 51;
constexpr int32_t kBadFileName = 52;  // bad file name or number
constexpr int32_t kFileNotFound = 53;
constexpr int32_t kFileAlreadyExists = 58;
constexpr int32_t kPermissionDenied = 70;
constexpr int32_t kPathFileAccess = 75;
constexpr int32_t kObjectNotSet = 91;
constexpr int32_t kInvalidNull = 94;
constexpr int32_t kObjectRequired = 424;
constexpr int32_t kCantCreateObject = 429;
constexpr int32_t kNoSuchMember = 438;
constexpr int32_t kDuplicateKey = 457;

// The run time's base of component error numbers (vbObjectError).
constexpr int32_t kObjectError = static_cast<int32_t>(0x80040000u);
}  // namespace rt

// The source the run time gives its own errors: the component's name.
extern const char* const kAppTitle;

// The run time's own text for one of its error numbers ("" when it has none).
std::string RuntimeErrorText(int32_t number);

class Error : public std::exception {
public:
    Error(int32_t number, std::string source, std::string description, std::string helpFile = "",
          int32_t helpContext = 0);
    int32_t Number() const { return number_; }
    const std::string& Source() const { return source_; }
    const std::string& Description() const { return description_; }
    const std::string& HelpFile() const { return helpFile_; }
    int32_t HelpContext() const { return helpContext_; }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    int32_t number_;
    std::string source_;
    std::string description_;
    std::string helpFile_;
    int32_t helpContext_;
};

// Raises an error; an empty source becomes the component's name and an empty
// description the run time's own text for the number.
[[noreturn]] void Raise(int32_t number, std::string source = "", std::string description = "",
                        std::string helpFile = "", int32_t helpContext = 0);

// The thread's current error: what a handler reads after catching, what the
// error framework preserves and puts back.
struct ErrObject {
    int32_t Number = 0;
    std::string Source;
    std::string Description;
    std::string HelpFile;
    int32_t HelpContext = 0;
    int32_t LastDllError = 0;  // last system error recorded after a platform call
    int32_t Line = 0;          // line of the failing statement; we carry none

    void Clear();
    void Set(const Error& e);
    [[noreturn]] void Raise() const;  // raises what it holds
};

ErrObject& Err();

// Turns whatever is being handled (inside a catch block) into the Error the
// rest of the system understands: an Error stays as it is; std::bad_alloc is
// 7, out_of_range 9, invalid_argument 5, anything else 51.
Error CurrentExceptionAsError();
