// Executing a query: the rendered statement made ready for each record set,
// the participant and asset record sets opened, the annual statement kept,
// the record sets handed out and the participant company lists.
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/HuntERR31.h"
#include "core/mTL5ErrorCodes.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IParameters.h"
#include "interfaces/_cvDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/toolslib/cvWindows.h"
#include "platform/ui/MsgBox.h"
#include "queries/CFilteredCompany.h"
#include "queries/CQuery.h"
#include "sql/CSQLRenderer.h"
#include "sql/RenderValues.h"
#include "sql/SqlQuotes.h"

namespace {

constexpr const char* kNoRecords = "No records were found that match your search criteria.";
constexpr const char* kAnnualQuestion =
    "Populating this grid may take some time due to the volume of data available. Do you wish to continue?";

// The table or view a record set of a type reads, and the Options key of its
// order clause (field queries only).
struct RecordsetKind {
    const char* tableSuffix;  // after the query type; or the whole name for annual rows
    const char* orderKey;
};
constexpr RecordsetKind kKinds[] = {
    {"", "SQL_FIELD_ASSET_ORDERBY"},
    {"Participant", "SQL_FIELD_PARTICIPANT_ORDERBY"},
    {"FieldAnnualTransformed", "SQL_FIELD_ANNUAL_ORDERBY"},
};

std::string CountText(int32_t lCount) { return Variant(lCount).ToString(); }

// One company of a participant row into a list: skipped when its short
// name is Null; the first row of a code decides its names.
struct CompanyColumns {
    ADODB::Field code, name, shortName;
    void AddTo(cvCollection& list) const {
        if (shortName.IsNull()) return;
        auto entry = New<CFilteredCompany>();
        entry->SetCode(code.AsLong());
        entry->SetName(std::string(name.AsText()));
        entry->SetShortName(std::string(shortName.AsText()));
        entry->SetSelected(true);
        const std::string key = entry->Key();
        if (!list.Exists(key)) list.Add(Variant(Ref<IFilteredCompany>(entry)), key);
    }
};

}  // namespace

std::string RecordsetStatement(const std::string& sSQL, const std::string& sQueryType,
                               int32_t lRecordSetType) {
    Check(lRecordSetType >= kAssetResults && lRecordSetType <= kAnnualResults, rt::kInvalidCall,
          "Invalid record set type");
    const RecordsetKind& kind = kKinds[lRecordSetType];
    const std::string table =
        lRecordSetType == kAnnualResults ? std::string(kind.tableSuffix) : sQueryType + kind.tableSuffix;
    std::string statement = ReplaceOutsideQuotes(sSQL, "<table/>", table, false);
    if (sQueryType == "Field")
        statement =
            ReplaceOutsideQuotes(statement, "<orderby/>", gDataManager()->GetOption(kind.orderKey), false);
    return statement;
}

Ref<CSQLRenderer> CQuery::NewRenderer() {
    auto renderer = New<CSQLRenderer>();
    renderer->SetParameters(parameters_);
    return renderer;
}

std::string CQuery::Render(const Ref<CSQLRenderer>& renderer) {
    // The render follows this query's asset type and gross or net choice,
    // whichever query is active.  The renderer lets go of the query
    // afterwards, so that the query and the renderer it keeps do not hold
    // each other.
    renderer->SetQuery(Ref<IQuery>(shared_from_this()));
    struct Release {
        const Ref<CSQLRenderer>& r;
        ~Release() { r->SetQuery(Ref<IQuery>()); }
    } release{renderer};
    return renderer->SQL();
}

bool CQuery::Active() { return static_cast<bool>(recordsets_[kAssetResults]); }

void CQuery::DestroyResults() {
    for (int32_t type : {kAssetResults, kAnnualResults, kParticipantResults})
        gTools()->DestroyRecordset(recordsets_[type]);
}

void CQuery::OpenResults(int32_t lRecordSetType, const std::string& sSQL) {
    Ref<ADODB::Recordset> rs = gTools()->NewADODBRecordset();
    rs->Open(RecordsetStatement(sSQL, QueryType(), lRecordSetType), gDataManagerObject()->Connection(), 3, 1);
    recordsets_[lRecordSetType] = rs;
}

int32_t CQuery::Execute() {
    int32_t result = 0;
    EndHere(*this, "CQuery.IQuery_Execute", ERR_ARGS(), [&] {
        try {
            result = Run();
        } catch (...) {
            const Error e = CurrentExceptionAsError();
            // The engine answers a statement it cannot run for its size or
            // its arguments with these two; the user is told to narrow the
            // query rather than shown the engine's message.
            const bool tooLarge = e.Number() == ERR_DB_E_FAIL || e.Number() == ERR_DB_E_INVALIDARG;
            result = tooLarge ? ERR_USER_WARNING : e.Number();
            annualSQL_.clear();
            try {
                DestroyResults();
            } catch (...) {
                // Closing what failed must not hide why it failed.
            }
            if (tooLarge) {
                ErrClear();
                Check(false, ERR_USER_WARNING, render::kTooLarge);
            }
            throw;
        }
    });
    // Every way out closes the progress, the early one of an execution
    // without participants included.
    EndHere(*this, "CQuery.IQuery_Execute", ERR_ARGS(), [&] {
        Ref<_cvDataManager> root = gDataManagerObject();
        root->SetProgressValue(200);
        root->SetProgressVisible(false);
        root->SetStatusMessage("");
    });
    return result;
}

int32_t CQuery::Run() {
    Ref<_cvDataManager> root = gDataManagerObject();
    parameters_->SetModified(false);
    root->SetStatusMessage("Building Query...");
    root->Progress("Building Query...", 200, 0, true);
    companies_ = gTools()->NewCollection();
    parentCompanies_ = gTools()->NewCollection();
    // A statement kept from an earlier execution would answer Results(2)
    // with figures of criteria that no longer hold.
    annualSQL_.clear();
    for (int32_t type : {kAnnualResults, kParticipantResults, kAssetResults})
        gTools()->DestroyRecordset(recordsets_[type]);

    sqlRenderer_ = NewRenderer();
    const std::string type = QueryType();
    const bool field = type == "Field";
    root->SetProgressMessage(field ? "Building Query (Annual)" : "Building Query (Participant)");
    const std::string sql = Render(sqlRenderer_);
    if (IsNumericText(sql)) {
        // "0": nothing can match.  Another number: the render failed and
        // has shown why.
        if (Val(sql) == 0)
            gTools()->Windows()->ShowMessage(kNoRecords, ui::vbInformation, "No Records Found.");
        return 0;
    }
    if (sql.empty()) return ERR_NO_STATEMENT;
    if (field) {
        annualSQL_ = RecordsetStatement(sql, type, kAnnualResults);
        root->SetProgressValue(150);
    }

    root->SetStatusMessage("Querying database... (Participant)");
    root->SetProgressMessage("Executing Query (Participant)");
    root->SetProgressCancel(false);
    OpenResults(kParticipantResults, sql);
    root->SetProgressMessage("Executing Query (Complete)");
    root->SetProgressValue(175);
    const int32_t participants = RecordCount(kParticipantResults);
    if (participants == 0) return 0;
    root->SetStatusMessage("Querying database... (" + CountText(participants) + ")");

    root->SetStatusMessage("Querying database... (Asset)");
    root->SetProgressMessage("Building Query (Asset)");
    Ref<ADODB::Recordset> assets = gTools()->NewADODBRecordset();
    const std::string assetSQL = RecordsetStatement(sql, type, kAssetResults);
    root->SetProgressMessage("Executing Query (Asset)");
    assets->Open(assetSQL, root->Connection(), 3, 1);
    recordsets_[kAssetResults] = assets;
    root->SetProgressMessage("Executing Query (Complete)");
    root->SetProgressValue(190);
    const int32_t result = assets->RecordCount();
    root->SetStatusMessage("Querying database... (" + CountText(result) + ")");
    UpdateCompanyLists();
    return result;
}

void CQuery::UpdateCompanyLists() {
    PassOn("CQuery.UpdateCompanyLists", ERR_ARGS(), [&] {
        Ref<_cvDataManager> root = gDataManagerObject();
        Ref<ADODB::Recordset> rs = recordsets_[kParticipantResults];
        if (rs && rs->State() == 1 && rs->RecordCount() > 0 && companies_->Count() == 0) {
            root->SetStatusMessage("Building Company Participant lists...");
            rs->MoveFirst();
            const CompanyColumns company{rs->Fields("Company_Code"), rs->Fields("Company_Name"),
                                         rs->Fields("Company_Short_Name")};
            const CompanyColumns parent{rs->Fields("Company_Code_Parent"), rs->Fields("Company_Name_Parent"),
                                        rs->Fields("Company_Short_Name_Parent")};
            // The set is left after its last row: hosts move it back.
            for (; !rs->Eof(); rs->MoveNext()) {
                company.AddTo(*companies_);
                parent.AddTo(*parentCompanies_);
            }
        }
        root->SetStatusMessage("");
    });
}

bool CQuery::IsSelected(const Ref<cvCollection>& list, int32_t lCode) {
    const std::string key = CFilteredCompany::KeyOf(lCode);
    // Nothing before the first execution: raises 91.
    if (!list->Exists(key)) return false;
    return list->Item(Variant(key)).ToObject<IFilteredCompany>()->Selected();
}

bool CQuery::CompanySelected(int32_t lCode) {
    return PassOn("CQuery.IQuery_CompanySelected(lCode)", ERR_ARGS(lCode),
                  [&] { return IsSelected(companies_, lCode); });
}

bool CQuery::ParentCompanySelected(int32_t lCode) {
    return PassOn("CQuery.IQuery_ParentCompanySelected(lCode)", ERR_ARGS(lCode),
                  [&] { return IsSelected(parentCompanies_, lCode); });
}

Ref<ADODB::Recordset> CQuery::Results(int32_t lRecordSetType) {
    return EndHere(*this, "CQuery.IQuery_Results(lRecordSetType)", ERR_ARGS(lRecordSetType),
                   [&]() -> Ref<ADODB::Recordset> {
                       Check(Active(), ERR_GENERAL, "No Active Query");
                       if (lRecordSetType == kAssetResults || lRecordSetType == kParticipantResults)
                           return recordsets_[lRecordSetType];
                       if (lRecordSetType != kAnnualResults) return Ref<ADODB::Recordset>();
                       Ref<ADODB::Recordset>& annual = recordsets_[kAnnualResults];
                       if (!annual) annual = gTools()->NewADODBRecordset();
                       if (annual->State() == 1) return annual;
                       // A query never executed as a field query has no annual
                       // statement: it fails as the empty statement does, without
                       // asking first for something that cannot come.
                       if (!annualSQL_.empty() &&
                           gTools()->Windows()->ShowMessage(kAnnualQuestion, ui::vbOKCancel | ui::vbQuestion,
                                                            "Corvantis Terralith") == ui::vbCancel)
                           return Ref<ADODB::Recordset>();
                       Ref<_cvDataManager> root = gDataManagerObject();
                       if (!annualSQL_.empty()) {
                           root->SetProgressMessage("Executing Query (Annual)");
                           root->SetProgressMax(100);
                           root->SetProgressValue(25);
                           root->SetProgressVisible(true);
                           root->SetStatusMessage("Querying database... (Annual)");
                       }
                       annual->Open(annualSQL_, root->Connection(), 3, 1);
                       root->SetProgressVisible(false);
                       return annual;
                   });
}

int32_t CQuery::RecordCount(int32_t lRecordSetType) {
    return PassOn("CQuery.IQuery_RecordCount(lRecordSetType)", ERR_ARGS(lRecordSetType), [&] {
        if (lRecordSetType < kAssetResults || lRecordSetType > kAnnualResults) return 0;
        const Ref<ADODB::Recordset>& rs = recordsets_[lRecordSetType];
        // An annual set the user has not agreed to open yet has no rows.
        return rs && rs->State() == 1 ? rs->RecordCount() : 0;
    });
}

std::string CQuery::QuerySQL(int32_t lRecordSetType) {
    return PassOn("CQuery.IQuery_QuerySQL(lRecordSetType)", ERR_ARGS(lRecordSetType), [&] {
        Ref<_cvDataManager> root = gDataManagerObject();
        root->SetStatusMessage("Building Query SQL...");
        sqlRenderer_ = NewRenderer();
        std::string sql = Render(sqlRenderer_);
        root->SetStatusMessage("");
        return sql;
    });
}

std::string CQuery::GetSQL() {
    return PassOn("CQuery.IQuery_GetSQL()", ERR_ARGS(), [&] { return Render(NewRenderer()); });
}
