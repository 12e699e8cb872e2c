#pragma once
// The block list: licences, award rounds and block trees for the host's block criteria
// screens.
//
// A look-up turns the item number a fill gave a row of the host's control
// back into that row's code or name.  It answers "" while its list was never
// filled, raises 5 for a number the last fill never handed out, and passes
// any error on.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IListBlock : public virtual Object {
public:
    // The code of the licence status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceStatusCode(int32_t lID) = 0;
    // The name of the licence status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceStatusDescription(int32_t lID) = 0;
    // The code of the licence-area status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceAreaStatusCode(int32_t lID) = 0;
    // The name of the licence-area status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceAreaStatusDescription(int32_t lID) = 0;
};
