#pragma once
// One column of a record set, read at the record set's current row.  A
// Field is a small handle: reading it after its record set was closed,
// reopened, or moved off the rows raises a numbered error.
#include <cstdint>
#include <string>

#include "RecordsetState.h"
#include "platform/runtime/Variant.h"

namespace ADODB {

class Field {
public:
    Field(StateRef state, int lIndex);

    std::string Name() const;
    // The value of the current row (Null for SQL NULL); 3021 at BOF or EOF,
    // 3704 when the record set is closed.
    Variant Value() const;
    // The ADO type number (adInteger, adDouble, adCurrency, adDate,
    // adBoolean, adVarWChar).
    int32_t Type() const;

private:
    const RecordsetState& Checked() const;

    StateRef state_;
    int index_;
    uint64_t generation_;
};

}  // namespace ADODB
