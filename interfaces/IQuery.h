#pragma once
// One query: criteria for one asset type held as XML, its options and results.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IParameters;

class IQuery : public virtual Object {
public:
    // The number of the exception this query showed last; 0 until then; never fails.
    virtual int32_t ErrorNumber() = 0;
    // The source of that error; "" when none; never fails.
    virtual std::string ErrorSource() = 0;
    // The description of that error; "" when none; never fails.
    virtual std::string ErrorDescription() = 0;
    // The flag kept with that error, False for every error the query keeps; never fails.
    virtual bool ErrorIsException() = 0;
    // The identifier made with the query; never fails.
    virtual std::string ID() = 0;
    // The container of the five criteria sets; never fails.
    virtual Ref<IParameters> Parameters() = 0;
    // True once an execution opened the asset record set; never fails.
    virtual bool Active() = 0;
    // "Query/Options/AssetType"; when it is missing "Block" is written and returned; any error of the
    // query document reaches the caller unchanged.
    virtual std::string QueryType() = 0;
    // Writes the asset type, unchecked; any error reaches the caller unchanged.
    virtual void SetQueryType(const std::string& sType) = 0;
    // Writes "Query/Options/GrossNet", unchecked; any error reaches the caller unchanged.
    virtual void SetGrossNet(const std::string& sGrossNet) = 0;
    // "Query/Options/GrossNet"; "Gross" when missing (not written); any error reaches the caller unchanged.
    virtual std::string GrossNet() = 0;
    // Always "N/A"; never fails.
    virtual std::string DescriptionText() = 0;
    // Sets the flag that keeps the criteria of the active query from changing; never fails.
    virtual void SetReadOnly(bool bReadOnly) = 0;
    // The read-only flag; never fails.
    virtual bool ReadOnly() = 0;
    // Renders the description into the manager's tree view (nothing without one); the renderer shows
    // its own failures; raises 91 without a root and passes any other error on.
    virtual void BuildDescriptionTree() = 0;
    // Not available: shows "N/A" and changes nothing; passes any error on.
    virtual void Clear() = 0;
    // Loads a query file and binds the criteria sets to it; raises &H8004183C, changing nothing, for a
    // file that cannot be read or holds no "Query/Parameters"; passes any error on.
    virtual void Load(const std::string& sFile) = 0;
    // Writes the query to a file in its stored form; shows any error (see ErrorNumber) and returns.
    // The query's own document and file name stay as they are.
    virtual void Save(const std::string& sFile) = 0;
};
