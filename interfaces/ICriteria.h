#pragma once
// The five criteria sets.  Every set begins with Modified; the four asset
// sets share the shore-status criterion.  The other criteria of each set
// arrive with that set's own work.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class ICriteriaSet : public virtual Object {
public:
    virtual bool Modified() = 0;
    virtual void SetModified(bool bModified) = 0;
};

// Shore statuses ("ONSHORE", "OFFSHORE", "BOTH"; any text is stored) of the
// field, well, block and transport sets.
class IShoreStatusCriteria : public virtual ICriteriaSet {
public:
    virtual void AddShoreStatus(const std::string& sCode) = 0;
    // True when the code is stored.
    virtual bool ShoreStatus(const std::string& sCode) = 0;
    // Deletes the stored code, also while the active query is read-only;
    // True when there was one.
    virtual bool RemoveShoreStatus(const std::string& sCode) = 0;
    virtual int32_t ShoreStatusCount() = 0;
    virtual void ClearShoreStatuses() = 0;
};

class IGeneral : public virtual ICriteriaSet {};
class IField : public virtual IShoreStatusCriteria {};
class IWell : public virtual IShoreStatusCriteria {};
class IBlock : public virtual IShoreStatusCriteria {};
class ITransport : public virtual IShoreStatusCriteria {};
