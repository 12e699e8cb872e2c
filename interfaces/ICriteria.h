#pragma once
// The five criteria sets.  Every set begins with Modified; the four asset
// sets share the shore-status criterion.  Each set's own members are in its
// header (IGeneral.h, IField.h, IWell.h, IBlock.h, ITransport.h), included
// at the end so that this header still brings all five.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class ICriteriaSet : public virtual Object {
public:
    // The changed flag of the set's part of the query; any error reaches the caller.
    virtual bool Modified() = 0;
    // Ignored while the active query is read-only; raises 91 without a root; any error reaches the caller.
    virtual void SetModified(bool bModified) = 0;
};

// Shore statuses ("ONSHORE", "OFFSHORE", "BOTH"; any text is stored) of the
// field, well, block and transport sets.
class IShoreStatusCriteria : public virtual ICriteriaSet {
public:
    // Stores the code once ("" too); ignored while the active query is read-only; shows any error.
    virtual void AddShoreStatus(const std::string& sCode) = 0;
    // True when the code is stored; shows any error and returns False.
    virtual bool ShoreStatus(const std::string& sCode) = 0;
    // Deletes the stored code and marks the set changed; True when there was one; False, keeping it,
    // while the active query is read-only; shows any error and returns False.
    virtual bool RemoveShoreStatus(const std::string& sCode) = 0;
    // The number of stored codes; the block set passes any error on, the others show it and return 0.
    virtual int32_t ShoreStatusCount() = 0;
    // Deletes every code; ignored while the active query is read-only; shows any error and returns.
    virtual void ClearShoreStatuses() = 0;
};

// After the shared classes: each set's header includes this one first.
#include "interfaces/IBlock.h"
#include "interfaces/IField.h"
#include "interfaces/IGeneral.h"
#include "interfaces/ITransport.h"
#include "interfaces/IWell.h"
