#include "ErrorHandler.h"

#include "core/CwndShowError.h"
#include "core/HuntERR31SysH.h"

namespace {

// Makes what is being handled the thread's current error, keeps a copy, and
// records the operation.
void RecordCaught(std::string_view sLocation, const ErrArgsRef& args, int32_t lOptions) {
    Err().Set(CurrentExceptionAsError());
    ErrPreserve();
    Variant values = Variant::Missing();
    try {
        values = args();
    } catch (...) {
        // An argument that cannot be read must not hide the error itself.
    }
    ErrorIn(sLocation, values, lOptions);
}

}  // namespace

void ErrPassOnCaught(std::string_view sLocation, const ErrArgsRef& args) {
    RecordCaught(sLocation, args, ERR_PASS_ON);
    Err().Raise();
}

void ErrEndCaught(const ErrorDisplayTarget& target, std::string_view sLocation, const ErrArgsRef& args) {
    RecordCaught(sLocation, args, ERR_END_HERE);
    ShowErrorReport(target);
}

void ResetErrorFramework() {
    ResetErrorState();
    Err().Clear();
    CwndShowError::ResetInstance();
    SetAdoVersionReader({});
}
