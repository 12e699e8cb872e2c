#include "Field.h"

#include "AdoErrors.h"
#include "RecordsetState.h"

namespace ADODB {

namespace {
const char* const kSource = "ADODB.Field";
}

void Field::RaiseStale() const {
    if (!state_->open) RaiseAdo(adErrObjectClosed, kSource);
    // The record set was opened again since this handle was made: its
    // column may now be another one.
    RaiseAdo(adErrItemNotFound, kSource);
}

void Field::RaiseNoRecord() { RaiseAdo(adErrNoCurrentRecord, kSource); }

std::string Field::Name() const { return Checked().rows.Name(index_); }

int32_t Field::Type() const { return Checked().rows.Type(index_); }

}  // namespace ADODB
