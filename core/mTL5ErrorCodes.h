#pragma once
// The library's own error numbers.  Numbers from ERR_USER_FIRST up to, not
// including, ERR_USER_END are user errors: messages for the person at the
// screen, never logged and never given a call stack.  Every other number is an
// exception and gets the full report.
#include <cstdint>

#include "platform/runtime/Error.h"

constexpr int32_t ErrCode(uint32_t n) { return static_cast<int32_t>(n); }

// The run time's base of component error numbers.
constexpr int32_t vbObjectError = rt::kObjectError;

// User errors.
constexpr int32_t ERR_USER_FIRST = ErrCode(0x80041065u);
constexpr int32_t ERR_USER_WARNING = ErrCode(0x80041065u);         // "Warning"
constexpr int32_t ERR_USER_INPUT = ErrCode(0x80041066u);           // "User Input Error"
constexpr int32_t ERR_USER_MULTIPLE_INPUT = ErrCode(0x80041067u);  // "Multiple Input Errors"
constexpr int32_t ERR_USER_SILENT = ErrCode(0x80041068u);          // shown nowhere
constexpr int32_t ERR_USER_END = ErrCode(0x8004144Eu);             // first number above the range

// Exceptions.
constexpr int32_t ERRMAP_APP_FIRST = ErrCode(0x80041837u);  // the first application number
constexpr int32_t ERR_GENERAL = ERRMAP_APP_FIRST;
constexpr int32_t ERR_NO_STATEMENT = ErrCode(0x80041839u);  // returned, not raised
constexpr int32_t ERR_INVALID_GRID_LAYOUT = ErrCode(0x8004183Bu);
constexpr int32_t ERR_MISSING_SETTINGS_ELEMENT = ErrCode(0x8004183Cu);
constexpr int32_t ERR_MISSING_CONNECTION_STRING = ErrCode(0x8004184Du);
constexpr int32_t ERR_MISSING_DATA_PROVIDER = ErrCode(0x8004184Eu);
constexpr int32_t ERR_MISSING_ADOX_CONNECTION_STRING = ErrCode(0x8004184Fu);
constexpr int32_t ERR_DEFAULT_LAYOUT_NOT_LOADED = ErrCode(0x80041850u);
constexpr int32_t ERR_DATABASE_NOT_FOUND = ErrCode(0x8004185Du);  // stored, not raised

// Numbers the database layer raises that the library turns into the warning.
constexpr int32_t ERR_DB_E_FAIL = ErrCode(0x80004005u);  // too big, too complex, cannot open, busy
constexpr int32_t ERR_DB_E_INVALIDARG = ErrCode(0x80070057u);
