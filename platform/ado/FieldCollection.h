#pragma once
// The Fields of a record set: by 0-based index or by name without regard
// to case.
#include <cstdint>
#include <string>
#include <string_view>

#include "Field.h"
#include "platform/runtime/Variant.h"

namespace ADODB {

class FieldCollection {
public:
    explicit FieldCollection(StateRef state);

    // The number of columns; 0 while the record set is closed.
    int32_t Count() const;
    // By a number (0-based) or a name; 3265 when there is no such field,
    // 3704 when the record set is closed.
    Field Item(const Variant& Index) const;
    Field Item(int32_t Index) const {
        const RecordsetState& s = *state_;
        if (!s.open || Index < 0 || Index >= s.rows.Columns()) RaiseBadIndex();
        return Field(state_, Index);
    }
    // By name, without a Variant for the name; 3265 when there is none,
    // 3704 when the record set is closed.
    Field Item(std::string_view Name) const {
        const RecordsetState& s = *state_;
        const int c = s.open ? s.rows.Find(Name) : -1;
        if (c < 0) RaiseBadIndex();
        return Field(state_, c);
    }
    Field Item(const char* Name) const { return Item(std::string_view(Name)); }
    Field Item(const std::string& Name) const { return Item(std::string_view(Name)); }
    Field operator()(const Variant& Index) const { return Item(Index); }

private:
    [[noreturn]] void RaiseBadIndex() const;

    StateRef state_;
};

}  // namespace ADODB
