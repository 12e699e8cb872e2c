#pragma once
// The five criteria sets.  Every set begins with Modified; the criteria of
// each set arrive with that set's own work.
#include "platform/runtime/Object.h"

class ICriteriaSet : public virtual Object {
public:
    virtual bool Modified() = 0;
    virtual void SetModified(bool bModified) = 0;
};

class IGeneral : public virtual ICriteriaSet {};
class IField : public virtual ICriteriaSet {};
class IWell : public virtual ICriteriaSet {};
class IBlock : public virtual ICriteriaSet {};
class ITransport : public virtual ICriteriaSet {};
