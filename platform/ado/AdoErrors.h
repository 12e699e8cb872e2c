#pragma once
// The error numbers an ADO provider raises, and the mapping of the engine's
// result codes onto them.  Callers compare Err.Number against these values,
// so they are the ones a Jet provider under ADO reports for the same fault.
#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;

namespace ADODB {

constexpr int32_t HResult(uint32_t h) { return static_cast<int32_t>(h); }

// Provider errors (the full HRESULT is the error number).
constexpr int32_t adErrProviderFailed = HResult(0x80004005u);  // E_FAIL: memory, size, file, busy
constexpr int32_t adErrNoCommandText = HResult(0x80040E0Cu);   // empty statement
constexpr int32_t adErrCommandErrors = HResult(0x80040E14u);   // syntax and other statement errors
constexpr int32_t adErrNoSuchTable = HResult(0x80040E37u);
constexpr int32_t adErrMissingParameter = HResult(0x80040E10u);  // what Jet says of an unknown column
constexpr int32_t adErrCantConvert = HResult(0x80040E07u);       // data type mismatch in an expression
constexpr int32_t adErrPermissionDenied = HResult(0x80040E09u);  // writing through a read-only connection
constexpr int32_t adErrIntegrity = HResult(0x80040E2Fu);         // a constraint refused the change

// Errors of the ADO objects themselves (facility control: the run time
// reports the low word, as it does for every control error).
constexpr int32_t adErrInvalidArgument = 3001;      // &H800A0BB9
constexpr int32_t adErrNoCurrentRecord = 3021;      // &H800A0BCD, BOF or EOF
constexpr int32_t adErrFeatureNotAvailable = 3251;  // &H800A0CB3
constexpr int32_t adErrItemNotFound = 3265;         // &H800A0CC1
constexpr int32_t adErrObjectClosed = 3704;         // &H800A0E78
constexpr int32_t adErrObjectOpen = 3705;           // &H800A0E79
constexpr int32_t adErrProviderNotFound = 3706;     // &H800A0E7A
constexpr int32_t adErrInvalidConnection = 3709;    // &H800A0E7D

// The source a provider error carries.
inline constexpr const char* kProviderSource = "SQLite";

// Raises one of the object errors above with ADO's own wording.
[[noreturn]] void RaiseAdo(int32_t number, const std::string& source);

// The ADO number for an engine result code and its message.
int32_t EngineErrorNumber(int resultCode, std::string_view message);

// Raises the engine's latest failure on `db` as the provider error it maps
// to; the description is the engine's own message.
[[noreturn]] void RaiseEngineError(sqlite3* db, int resultCode);

}  // namespace ADODB
