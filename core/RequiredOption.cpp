#include "core/RequiredOption.h"

#include "core/ErrorDisplay.h"
#include "core/Globals.h"
#include "core/HuntERR31.h"
#include "core/mTL5ErrorCodes.h"
#include "interfaces/IDataManager.h"
#include "platform/ado/AdoErrors.h"

namespace {

// A template of nothing but spaces, tabs and line breaks is no statement: run,
// it would fail as an empty command without saying which key holds it.
bool OnlyBlanks(const std::string& sValue) {
    return sValue.find_first_not_of(" \t\r\n\v\f") == std::string::npos;
}

}  // namespace

std::string RequiredOption(const std::string& sKey) {
    const int64_t shown = ErrorsShown();
    std::string value = gDataManager()->GetOption(sKey);
    if (!OnlyBlanks(value)) return value;
    Check(ErrorsShown() == shown, ERR_USER_SILENT, "The Options value '%0' could not be read.",
          Variant(sKey));
    Check(false, ADODB::adErrNoCommandText, "The Options table holds no value for '%0'.", Variant(sKey));
    return value;
}
