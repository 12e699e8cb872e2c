#pragma once
// The well list: well types, statuses, results, rigs, locations, geological details and
// dates for the host's well criteria screens.
//
// A look-up turns the item number a fill gave a row of the host's control
// back into that row's code or name.  It answers "" while its list was never
// filled, raises 5 for a number the last fill never handed out, and passes
// any error on.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IListWell : public virtual Object {
public:
    // The code of the well type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellTypeCode(int32_t lID) = 0;
    // The name of the well type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellTypeDescription(int32_t lID) = 0;
    // The code of the well status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellStatusCode(int32_t lID) = 0;
    // The name of the well status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellStatusDescription(int32_t lID) = 0;
    // The code of the well result row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellResultCode(int32_t lID) = 0;
    // The name of the well result row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellResultDescription(int32_t lID) = 0;
    // The code of the rig name row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string RigNameCode(int32_t lID) = 0;
    // The name of the rig name row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string RigNameDescription(int32_t lID) = 0;
    // The code of the well location row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellLocationCode(int32_t lID) = 0;
    // The name of the well location row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellLocationDescription(int32_t lID) = 0;
};
