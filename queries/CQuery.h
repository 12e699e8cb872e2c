#pragma once
// One query: criteria for one asset type held as XML (the query document),
// its options, the criteria sets that the host fills, an identifier and a
// read-only flag.  Made only by the query manager, which hands it the host
// settings' "Query" element; that loads the default query file.
//
// Executing it renders the criteria into one statement and opens that
// statement's participant and asset record sets; a field query also keeps
// the statement of its annual figures, opened on request.  The participant
// record set gives the lists of participant and parent companies.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IQuery.h"
#include "interfaces/ISettingsObject2.h"
#include "platform/runtime/AtomicWrite.h"

class CQueryRenderer;
class CSQLRenderer;

// Record-set types.
constexpr int32_t kAssetResults = 0;
constexpr int32_t kParticipantResults = 1;
constexpr int32_t kAnnualResults = 2;

// The rendered statement sSQL of a query of type sQueryType made ready for
// the record set of type lRecordSetType: "<table/>" becomes the table or view
// the set reads and, for field queries, "<orderby/>" the set's order clause
// from the Options table ("" when the row is missing); both only where the
// engine reads statement text, never inside a literal.  Other types leave
// "<orderby/>" as it is.  Raises 5 for any other record-set type.
std::string RecordsetStatement(const std::string& sSQL, const std::string& sQueryType,
                               int32_t lRecordSetType);

class CQuery final : public IQuery,
                     public ISettingsObject2,
                     public ShowsErrors<ErrDisplay::E>,
                     public std::enable_shared_from_this<CQuery> {
public:
    CQuery();
    ~CQuery() override;

    // The exception this query last showed.
    int32_t ErrorNumber() override { return errorFields_.ErrorNumber; }
    std::string ErrorSource() override { return errorFields_.ErrorSource; }
    std::string ErrorDescription() override { return errorFields_.ErrorDescription; }
    bool ErrorIsException() override { return errorFields_.ErrorIsException; }

    std::string ID() override { return id_; }
    Ref<IParameters> Parameters() override { return parameters_; }
    // True once an execution opened the asset record set.
    bool Active() override;
    // The asset or participant record set; the annual one opened once the
    // user agrees.  Failures are shown; Nothing then.
    Ref<ADODB::Recordset> Results(int32_t lRecordSetType) override;
    // "Query/Options/AssetType"; a query without one becomes a "Block" query.
    std::string QueryType() override;
    void SetQueryType(const std::string& sType) override;
    void SetGrossNet(const std::string& sGrossNet) override;
    // "Query/Options/GrossNet"; "Gross" when missing (nothing is written).
    std::string GrossNet() override;
    // Renders the statement with a new renderer kept as the query's own.
    std::string QuerySQL(int32_t lRecordSetType) override;
    int32_t RecordCount(int32_t lRecordSetType) override;
    std::string DescriptionText() override { return "N/A"; }
    Ref<cvCollection> Companies() override { return companies_; }
    Ref<cvCollection> ParentCompanies() override { return parentCompanies_; }
    bool CompanySelected(int32_t lCode) override;
    bool ParentCompanySelected(int32_t lCode) override;
    void SetReadOnly(bool bReadOnly) override { readOnly_ = bReadOnly; }
    bool ReadOnly() override { return readOnly_; }
    // Renders, opens the participant and asset record sets and lists the
    // companies; failures are shown and their number returned.
    int32_t Execute() override;
    // Renders the query's description into the manager's tree view.
    void BuildDescriptionTree() override;
    // Not available: says so and changes nothing.
    void Clear() override;
    // Loads a query file and binds the criteria sets to it.  A file that
    // cannot be read, or lacks the criteria or one of the five sets, fails
    // and changes nothing.
    void Load(const std::string& sFile) override;
    // Writes the query to a file in its stored form; a failure is shown, never
    // raised.  The query's own document and file name stay as they are.
    void Save(const std::string& sFile) override;
    // Saves as Save does, the name taken only as `existing` allows; the file
    // is written whole and flushed first and takes its name only when
    // `goOn` then says so (a host's last chance to cancel).  A failure is
    // shown, never raised.
    void SaveFile(const std::string& sFile, ExistingFile existing, const std::function<bool()>& goOn);
    // Renders the statement with a renderer of its own.
    std::string GetSQL() override;

    // ISettingsObject2: receives the settings element and loads the default
    // query file it names.
    void Settings(const Ref<ISettings2>& oSettings) override;

    // The annual statement the last execution of this query as a field query
    // kept; "" before that and after an execution of another type.
    const std::string& AnnualStatement() const { return annualSQL_; }
    // The renderer of the last execution or QuerySQL; Nothing before.
    Ref<CSQLRenderer> SQLRenderer() const { return sqlRenderer_; }

    std::string TypeName() const override { return "CQuery"; }

private:
    // The query as a file holds it; sFile is the file it is written to.
    Ref<ISettings2> StoredForm(const std::string& sFile);

    static constexpr const char* kAssetTypePath = "Query/Options/AssetType";
    static constexpr const char* kGrossNetPath = "Query/Options/GrossNet";

    // A new renderer of this query's criteria, for this query's asset type
    // and gross or net choice.
    Ref<CSQLRenderer> NewRenderer();
    // Renders with the renderer and lets it go of the query again.
    std::string Render(const Ref<CSQLRenderer>& renderer);
    // The steps of Execute up to its final progress report; its result.
    int32_t Run();
    // Opens the record set of a type on the statement made ready for it.
    void OpenResults(int32_t lRecordSetType, const std::string& sSQL);
    // Closes and drops the asset, annual and participant record sets.
    void DestroyResults();
    // Fills the company lists from the participant record set.
    void UpdateCompanyLists();
    // The entry's Selected in the list under the code's key; False when absent.
    static bool IsSelected(const Ref<cvCollection>& list, int32_t lCode);

    Ref<ISettings2> settings_;  // the host settings' "Query" element
    Ref<ISettings2> document_;  // the loaded query file
    Ref<CSQLRenderer> sqlRenderer_;
    // Result record sets by type: 0 asset, 1 participant, 2 annual.
    Ref<ADODB::Recordset> recordsets_[3];
    std::string annualSQL_;
    std::string id_;
    bool readOnly_ = false;
    Ref<IParameters> parameters_;
    Ref<CQueryRenderer> renderer_;
    Ref<cvCollection> companies_;
    Ref<cvCollection> parentCompanies_;
};
