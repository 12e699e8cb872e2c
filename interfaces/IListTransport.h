#pragma once
// The transport list: methods, statuses, sources, destinations, systems and user fields
// for the host's transport criteria screens.
//
// A look-up turns the item number a fill gave a row of the host's control
// back into that row's code or name.  It answers "" while its list was never
// filled, raises 5 for a number the last fill never handed out, and passes
// any error on.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IListTransport : public virtual Object {
public:
    // The code of the transport method row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportMethodCode(int32_t lID) = 0;
    // The name of the transport method row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportMethodDescription(int32_t lID) = 0;
    // The code of the transport status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportStatusCode(int32_t lID) = 0;
    // The name of the transport status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportStatusDescription(int32_t lID) = 0;
};
