#pragma once
// A query's bundle of criteria: the five criteria sets.
#include <string>

#include "platform/runtime/Object.h"

class IGeneral;
class IBlock;
class IField;
class IWell;
class ITransport;

class IParameters : public virtual Object {
public:
    // The company and location criteria; never fails.
    virtual Ref<IGeneral> General() = 0;
    // The block criteria; never fails.
    virtual Ref<IBlock> Block() = 0;
    // The field criteria; never fails.
    virtual Ref<IField> Field() = 0;
    // The well criteria; never fails.
    virtual Ref<IWell> Well() = 0;
    // The transport criteria; never fails.
    virtual Ref<ITransport> Transport() = 0;
    // True when any set reports a change (every set is asked); a set's error reaches the caller.
    virtual bool Modified() = 0;
    // Handed to every set, each ignoring it while the active query is read-only; raises 91 without a
    // root; a set's error reaches the caller.
    virtual void SetModified(bool bModified) = 0;
    // The markup of the whole query document the container is bound into; never fails.
    virtual std::string ParamXML() = 0;
};
