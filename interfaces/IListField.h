#pragma once
// The field list: field types, development statuses and types, reservoirs, dates and
// economic choices for the host's field criteria screens.
//
// A look-up turns the item number a fill gave a row of the host's control
// back into that row's code or name.  It answers "" while its list was never
// filled, raises 5 for a number the last fill never handed out, and passes
// any error on.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IListField : public virtual Object {
public:
    // The code of the field type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string FieldTypeCode(int32_t lID) = 0;
    // The name of the field type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string FieldTypeDescription(int32_t lID) = 0;
    // The code of the development status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentStatusCode(int32_t lID) = 0;
    // The name of the development status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentStatusDescription(int32_t lID) = 0;
    // The code of the development type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentTypeCode(int32_t lID) = 0;
    // The name of the development type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentTypeDescription(int32_t lID) = 0;
};
