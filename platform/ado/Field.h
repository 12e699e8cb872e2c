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
    // A handle of column lIndex of the record set whose state it shares.
    Field(StateRef state, int lIndex)
        : state_(std::move(state)), index_(lIndex), generation_(state_->generation) {}

    // The column's name; 3704 when the record set is closed.
    std::string Name() const;
    // The value of the current row (Null for SQL NULL); 3021 at BOF or EOF,
    // 3704 when the record set is closed.
    Variant Value() const {
        uint32_t row = Row();
        return state_->rows.Value(index_, row);
    }
    // The ADO type number (adInteger, adDouble, adCurrency, adDate,
    // adBoolean, adVarWChar); 3704 when the record set is closed.
    int32_t Type() const;

    // Typed reads for loops over many rows, without a Variant per value.
    // Each raises 3021 at BOF or EOF and 3704 when the record set is closed.
    //
    // True when the current row's value is Null.
    bool IsNull() const {
        uint32_t row = Row();
        return state_->rows.IsNull(index_, row);
    }
    // CLng(Value()): 94 for Null, 13 for text that is no number, 6 beyond a Long.
    int32_t AsLong() const {
        uint32_t row = Row();
        return state_->rows.LongValue(index_, row);
    }
    // CDbl(Value()): 94 for Null, 13 for text that is no number.
    double AsDouble() const {
        uint32_t row = Row();
        return state_->rows.DoubleValue(index_, row);
    }
    // CStr(Value()): 94 for Null.  A text value is returned in place, valid
    // until the record set is closed or opened again; another kind turned
    // into text is valid until the next such read on the same record set.
    std::string_view AsText() const {
        uint32_t row = Row();
        return state_->rows.TextValue(index_, row);
    }

private:
    const RecordsetState& Checked() const {
        const RecordsetState& s = *state_;
        if (!s.open || s.generation != generation_) RaiseStale();
        return s;
    }
    // The current row's number in the kept rows.
    uint32_t Row() const {
        const RecordsetState& s = Checked();
        if (!s.HasRecord()) RaiseNoRecord();
        return s.CurrentRow();
    }
    [[noreturn]] void RaiseStale() const;
    [[noreturn]] static void RaiseNoRecord();

    StateRef state_;
    int index_;
    uint64_t generation_;
};

}  // namespace ADODB
