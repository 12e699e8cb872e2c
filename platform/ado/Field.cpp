#include "Field.h"

#include "AdoErrors.h"
#include "RecordsetState.h"

namespace ADODB {

namespace {
const char* const kSource = "ADODB.Field";
}

Field::Field(StateRef state, int lIndex)
    : state_(std::move(state)), index_(lIndex), generation_(state_->generation) {}

const RecordsetState& Field::Checked() const {
    const RecordsetState& s = *state_;
    if (!s.open) RaiseAdo(adErrObjectClosed, kSource);
    // The record set was opened again since this handle was made: its
    // column may now be another one.
    if (s.generation != generation_) RaiseAdo(adErrItemNotFound, kSource);
    return s;
}

std::string Field::Name() const { return Checked().rows.Name(index_); }

int32_t Field::Type() const { return Checked().rows.Type(index_); }

Variant Field::Value() const {
    const RecordsetState& s = Checked();
    if (!s.HasRecord()) RaiseAdo(adErrNoCurrentRecord, kSource);
    return s.rows.Value(index_, s.CurrentRow());
}

}  // namespace ADODB
