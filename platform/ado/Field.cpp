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

uint32_t Field::Row() const {
    const RecordsetState& s = Checked();
    if (!s.HasRecord()) RaiseAdo(adErrNoCurrentRecord, kSource);
    return s.CurrentRow();
}

std::string Field::Name() const { return Checked().rows.Name(index_); }

int32_t Field::Type() const { return Checked().rows.Type(index_); }

Variant Field::Value() const {
    uint32_t row = Row();
    return state_->rows.Value(index_, row);
}

bool Field::IsNull() const {
    uint32_t row = Row();
    return state_->rows.IsNull(index_, row);
}

int32_t Field::AsLong() const {
    uint32_t row = Row();
    return state_->rows.LongValue(index_, row);
}

double Field::AsDouble() const {
    uint32_t row = Row();
    return state_->rows.DoubleValue(index_, row);
}

std::string_view Field::AsText() const {
    uint32_t row = Row();
    return state_->rows.TextValue(index_, row);
}

}  // namespace ADODB
