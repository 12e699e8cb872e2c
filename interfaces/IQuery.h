#pragma once
// One query: criteria for one asset type held as XML, its options and results.
// Execution and result members arrive with the SQL generation work.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IParameters;

class IQuery : public virtual Object {
public:
    virtual int32_t ErrorNumber() = 0;
    virtual std::string ErrorSource() = 0;
    virtual std::string ErrorDescription() = 0;
    virtual bool ErrorIsException() = 0;
    virtual std::string ID() = 0;
    virtual Ref<IParameters> Parameters() = 0;
    virtual bool Active() = 0;
    virtual std::string QueryType() = 0;
    virtual void SetQueryType(const std::string& sType) = 0;
    virtual void SetGrossNet(const std::string& sGrossNet) = 0;
    virtual std::string GrossNet() = 0;
    virtual std::string DescriptionText() = 0;
    virtual void SetReadOnly(bool bReadOnly) = 0;
    virtual bool ReadOnly() = 0;
    virtual void BuildDescriptionTree() = 0;
    virtual void Clear() = 0;
    virtual void Load(const std::string& sFile) = 0;
    virtual void Save(const std::string& sFile) = 0;
};
