#pragma once
// One column of a record set, read at the record set's current row.  A
// Field is a small handle: reading it after its record set was closed,
// reopened, or moved off the rows raises a numbered error.
#include <cstdint>
#include <string>
#include <string_view>

#include "RecordsetState.h"
#include "platform/runtime/Variant.h"

namespace ADODB {

class Field {
public:
    Field(StateRef state, int lIndex);

    // The column's name; 3704 when the record set is closed.
    std::string Name() const;
    // The value of the current row (Null for SQL NULL); 3021 at BOF or EOF,
    // 3704 when the record set is closed.
    Variant Value() const;
    // The ADO type number (adInteger, adDouble, adCurrency, adDate,
    // adBoolean, adVarWChar); 3704 when the record set is closed.
    int32_t Type() const;

    // Typed reads for loops over many rows, without a Variant per value.
    // Each raises 3021 at BOF or EOF and 3704 when the record set is closed.
    //
    // True when the current row's value is Null.
    bool IsNull() const;
    // CLng(Value()): 94 for Null, 13 for text that is no number, 6 beyond a Long.
    int32_t AsLong() const;
    // CDbl(Value()): 94 for Null, 13 for text that is no number.
    double AsDouble() const;
    // CStr(Value()): 94 for Null.  A text value is returned in place, valid
    // until the record set is closed or opened again; another kind turned
    // into text is valid until the next such read on the same record set.
    std::string_view AsText() const;

private:
    const RecordsetState& Checked() const;
    // The current row's number in the kept rows.
    uint32_t Row() const;

    StateRef state_;
    int index_;
    uint64_t generation_;
};

}  // namespace ADODB
