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
    virtual Ref<IGeneral> General() = 0;
    virtual Ref<IBlock> Block() = 0;
    virtual Ref<IField> Field() = 0;
    virtual Ref<IWell> Well() = 0;
    virtual Ref<ITransport> Transport() = 0;
    virtual bool Modified() = 0;
    virtual void SetModified(bool bModified) = 0;
    virtual std::string ParamXML() = 0;
};
