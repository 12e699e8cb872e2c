#include "AdoErrors.h"

#include <sqlite3.h>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace ADODB {

namespace {

const char* AdoText(int32_t number) {
    switch (number) {
        case adErrInvalidArgument:
            return "Arguments are of the wrong type, are out of acceptable range, or are in conflict "
                   "with one another.";
        case adErrNoCurrentRecord:
            return "Either BOF or EOF is True, or the current record has been deleted. Requested "
                   "operation requires a current record.";
        case adErrFeatureNotAvailable:
            return "Object or provider is not capable of performing requested operation.";
        case adErrItemNotFound:
            return "Item cannot be found in the collection corresponding to the requested name or "
                   "ordinal.";
        case adErrObjectClosed:
            return "Operation is not allowed when the object is closed.";
        case adErrObjectOpen:
            return "Operation is not allowed when the object is open.";
        case adErrProviderNotFound:
            return "Provider cannot be found. It may not be properly installed.";
        case adErrInvalidConnection:
            return "The connection cannot be used to perform this operation. It is either closed or "
                   "invalid in this context.";
        default:
            return "";
    }
}

// Limits the engine reports as plain errors although they are about the
// statement's size or complexity rather than its wording.
bool IsLimitMessage(std::string_view m) {
    return InStr(m, "too large", 1, true) || InStr(m, "too many", 1, true) ||
           InStr(m, "stack overflow", 1, true) || InStr(m, "too big", 1, true) ||
           StartsWith(LCase(m), "at most ");
}

}  // namespace

void RaiseAdo(int32_t number, const std::string& source) { Raise(number, source, AdoText(number)); }

int32_t EngineErrorNumber(int resultCode, std::string_view message) {
    switch (resultCode & 0xff) {
        case SQLITE_ERROR:
            if (StartsWith(message, "no such table")) return adErrNoSuchTable;
            if (StartsWith(message, "no such column")) return adErrMissingParameter;
            if (IsLimitMessage(message)) return adErrProviderFailed;
            return adErrCommandErrors;
        case SQLITE_MISMATCH:
            return adErrCantConvert;
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return adErrPermissionDenied;
        case SQLITE_CONSTRAINT:
            return adErrIntegrity;
        default:
            // Memory, size, busy and locked, files that cannot be opened or
            // read, and everything else the engine itself fails at.
            return adErrProviderFailed;
    }
}

void RaiseEngineError(sqlite3* db, int resultCode) {
    // The engine's message quotes names and tokens of the statement as they
    // are written: shown on one line, as every value a message quotes.
    std::string message = VisibleText(db ? sqlite3_errmsg(db) : sqlite3_errstr(resultCode));
    Raise(EngineErrorNumber(resultCode, message), kProviderSource, message);
}

}  // namespace ADODB
