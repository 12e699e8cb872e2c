#include "FieldCollection.h"

#include "AdoErrors.h"
#include "RecordsetState.h"

namespace ADODB {

namespace {
const char* const kSource = "ADODB.Fields";
}

FieldCollection::FieldCollection(StateRef state) : state_(std::move(state)) {}

int32_t FieldCollection::Count() const { return state_->open ? state_->rows.Columns() : 0; }

void FieldCollection::RaiseBadIndex() const {
    RaiseAdo(state_->open ? adErrItemNotFound : adErrObjectClosed, kSource);
}

Field FieldCollection::Item(const Variant& Index) const {
    const RecordsetState& s = *state_;
    if (!s.open) RaiseAdo(adErrObjectClosed, kSource);
    int c = -1;
    if (Index.IsString()) {
        return Item(std::string_view(Index.StringRef()));
    } else if (Index.Kind() == VarKind::Long || Index.Kind() == VarKind::Integer) {
        return Item(Index.ToLong());
    } else if (Index.IsNumber()) {
        double d = Index.ToDouble();
        if (d >= 0 && d < s.rows.Columns()) c = static_cast<int>(Index.ToLong());
    }
    if (c < 0 || c >= s.rows.Columns()) RaiseAdo(adErrItemNotFound, kSource);
    return Field(state_, c);
}

}  // namespace ADODB
