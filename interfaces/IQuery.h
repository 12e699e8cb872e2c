#pragma once
// One query: criteria for one asset type held as XML, its options and results.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IParameters;
class cvCollection;
namespace ADODB {
class Recordset;
}

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
    // The record set of a type: 0 asset, 1 participant, 2 annual (opened on the first request after the
    // user agrees; Nothing when they do not), Nothing for any other type; shows &H80041837 "No Active
    // Query" before an execution opened the asset record set, or a failure to open the annual one, and
    // returns Nothing.
    virtual Ref<ADODB::Recordset> Results(int32_t lRecordSetType) = 0;
    // "Query/Options/AssetType"; when it is missing "Block" is written and returned; any error of the
    // query document reaches the caller unchanged.
    virtual std::string QueryType() = 0;
    // Writes the asset type, unchecked; any error reaches the caller unchanged.
    virtual void SetQueryType(const std::string& sType) = 0;
    // Writes "Query/Options/GrossNet", unchecked; any error reaches the caller unchanged.
    virtual void SetGrossNet(const std::string& sGrossNet) = 0;
    // "Query/Options/GrossNet"; "Gross" when missing (not written); any error reaches the caller unchanged.
    virtual std::string GrossNet() = 0;
    // The rendered statement with "<table/>" and "<orderby/>" unfilled, whatever the type; "0" when
    // nothing can match, "" when there is none, a negative number after a failure the renderer showed;
    // passes any other error on.
    virtual std::string QuerySQL(int32_t lRecordSetType) = 0;
    // The row count of the record set of a type (0 asset, 1 participant, 2 annual); 0 when it does not
    // exist or for any other type; passes any error on.
    virtual int32_t RecordCount(int32_t lRecordSetType) = 0;
    // Always "N/A"; never fails.
    virtual std::string DescriptionText() = 0;
    // The participant companies of the last execution, keyed "C_" & code (the live list, not a copy);
    // Nothing before the first execution; never fails.
    virtual Ref<cvCollection> Companies() = 0;
    // Their parent companies, as Companies; never fails.
    virtual Ref<cvCollection> ParentCompanies() = 0;
    // Selected of the participant company with that code, False when it is not listed; raises 91 before
    // the first execution.
    virtual bool CompanySelected(int32_t lCode) = 0;
    // Selected of the parent company with that code, False when it is not listed; raises 91 before the
    // first execution.
    virtual bool ParentCompanySelected(int32_t lCode) = 0;
    // Sets the flag that keeps the criteria of the active query from changing; never fails.
    virtual void SetReadOnly(bool bReadOnly) = 0;
    // The read-only flag; never fails.
    virtual bool ReadOnly() = 0;
    // Renders and opens the participant and asset record sets and keeps the annual statement of a field
    // query; returns the asset row count, 0 when nothing matches (after saying so) or the render failed,
    // &H80041839 without a statement (cancelled, or an unknown asset type), or the number of a failure it
    // showed (&H80041065 for a statement too large for the database).
    virtual int32_t Execute() = 0;
    // Renders the description into the manager's tree view (nothing without one); the renderer shows
    // its own failures; raises 91 without a root and passes any other error on.
    virtual void BuildDescriptionTree() = 0;
    // Not available: shows "N/A" and changes nothing; passes any error on.
    virtual void Clear() = 0;
    // Loads a query file and binds the criteria sets to it; raises &H8004183C naming the file, changing
    // nothing, for a file that cannot be read or lacks "Query/Parameters" or one of its five sets; passes
    // any other error on.
    virtual void Load(const std::string& sFile) = 0;
    // Writes the query to a file in its stored form, never leaving a part-written file; shows any error
    // (see ErrorNumber) and returns.  The query's own document and file name stay as they are.
    virtual void Save(const std::string& sFile) = 0;
    // The rendered statement as QuerySQL gives it, from a renderer of its own, without status messages;
    // passes any error on.
    virtual std::string GetSQL() = 0;
};
