#include "sql/CSQLRenderer.h"

#include <unordered_set>

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/HuntERR31.h"
#include "core/mTL5ErrorCodes.h"
#include "interfaces/ICriteria.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IParameters.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "interfaces/_cvDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"
#include "platform/ui/DoEvents.h"
#include "sql/CSQLBuilder.h"
#include "sql/RenderScope.h"
#include "sql/RenderValues.h"

namespace {

// The asset types, with the template each starts from and the table a field
// or block statement reads (gross, net); wells and transport systems name
// their table in the template.
struct AssetType {
    const char* name;
    const char* templateKey;
    const char* grossTable;
    const char* netTable;
};
constexpr AssetType kAssetTypes[] = {
    {"Block", "SQL_BLOCK", "Block A", "BlockParticipant A"},
    {"Field", "SQL_FIELD", "Field A", "FieldParticipant A"},
    {"Well", "SQL_WELL", nullptr, nullptr},
    {"Transport", "SQL_TRANSPORT", nullptr, nullptr},
};

const AssetType* AssetTypeNamed(const std::string& sQueryType) {
    for (const AssetType& t : kAssetTypes)
        if (sQueryType == t.name) return &t;
    return nullptr;
}

std::string NumberText(int32_t lNumber) { return Variant(lNumber).ToString(); }

// The chain goes on while the statement is neither empty nor a number ("0"
// when nothing can match, an error number after a failure).
bool GoesOn(const std::string& sSQL) { return !sSQL.empty() && !IsNumericText(sSQL); }

}  // namespace

std::string StatementTemplateKey(const std::string& sQueryType) {
    const AssetType* type = AssetTypeNamed(sQueryType);
    return type ? type->templateKey : "";
}

void CSQLRenderer::SetParameters(const Ref<IParameters>& oParameters) { parameters_ = oParameters; }

void CSQLRenderer::SetQuery(const Ref<IQuery>& oQuery) { query_ = oQuery; }

std::string CSQLRenderer::SQL() {
    builder_ = New<CSQLBuilder>();
    statementsRun_.clear();
    EndHere(*this, "CSQLRenderer.SQL", ERR_ARGS(), [&] {
        try {
            Render();
        } catch (...) {
            // The engine answers a statement it cannot run for its size or
            // its arguments with these two; the user is told to narrow the
            // query rather than shown the engine's message.
            const Error e = CurrentExceptionAsError();
            const bool tooLarge = e.Number() == ERR_DB_E_FAIL || e.Number() == ERR_DB_E_INVALIDARG;
            builder_->SetSQL(NumberText(tooLarge ? ERR_USER_WARNING : e.Number()));
            if (tooLarge) {
                ErrClear();
                Check(false, ERR_USER_WARNING, render::kTooLarge);
            }
            throw;
        }
    });
    std::string result;
    EndHere(*this, "CSQLRenderer.SQL", ERR_ARGS(), [&] {
        result = builder_->SQL();
        gDataManagerObject()->SetProgressMessage("Building Query (Complete)");
        gDataManagerObject()->SetProgressValue(100);
    });
    return result;
}

void CSQLRenderer::Render() {
    // The query the render is for: the one given, else the active one.
    const Ref<IQuery> query = query_ ? query_ : gDataManager()->Queries()->Query("-1");
    // The criteria sets' look-ups follow it too, whichever query is active.
    const RenderScope scope(query);
    queryType_ = query->QueryType();
    net_ = query->GrossNet() == "Net";
    criteria_ = parameters_ ? parameters_ : query->Parameters();

    const AssetType* type = AssetTypeNamed(queryType_);
    // Another type keeps the builder's empty statement.
    if (!type) return;
    builder_->SetSQL(gDataManager()->GetOption(type->templateKey));
    if (type->grossTable) builder_->AddFrom(net_ ? type->netTable : type->grossTable);
    // A data set without the template has no statement for the type.  Past
    // this point only the steps make the statement "0" or "", and say so:
    // the statement, which may by then carry thousands of codes, is not read
    // back between them.
    if (!GoesOn(builder_->SQL())) return;
    if (!Company()) return;
    Location();
    if (queryType_ == "Block")
        Block();
    else if (queryType_ == "Field")
        Field();
    else if (queryType_ == "Well")
        Well();
    else
        Transport();
}

Ref<IGeneral> CSQLRenderer::General() { return criteria_->General(); }
Ref<IField> CSQLRenderer::FieldCriteria() { return criteria_->Field(); }
Ref<IWell> CSQLRenderer::WellCriteria() { return criteria_->Well(); }
Ref<IBlock> CSQLRenderer::BlockCriteria() { return criteria_->Block(); }
Ref<ITransport> CSQLRenderer::TransportCriteria() { return criteria_->Transport(); }

Ref<ADODB::Recordset> CSQLRenderer::Open(const std::string& sSQL) {
    Ref<ADODB::Recordset> rs = gTools()->NewADODBRecordset();
    statementsRun_.push_back(sSQL);
    rs->Open(sSQL, gDataManagerObject()->Connection(), 3, 1);
    return rs;
}

std::string CSQLRenderer::DistinctCodes(ADODB::Recordset& rs, const char* sColumn) {
    std::string list;
    if (rs.RecordCount() <= 0) return list;
    // The set stands beside the list so that a long list is not searched
    // once per row; the codes keep the order the rows gave them.
    std::unordered_set<std::string> seen;
    const ADODB::Field code = rs.Fields(sColumn);
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        std::string current(code.AsText());
        if (!seen.insert(current).second) continue;
        if (!list.empty()) list += ',';
        list += current;
    }
    return list;
}

bool CSQLRenderer::CollectCodesWithHandOver(ADODB::Recordset& rs, const char* sColumn, const char* sUnits,
                                            std::string& sCodes) {
    const Ref<_cvDataManager>& root = gDataManagerObject();
    const int32_t count = rs.RecordCount();
    const std::string total = render::CountText(count);
    root->SetProgressCancel(true);
    root->SetProgressMessage("Building Query (Processing " + total + sUnits);
    const ADODB::Field code = rs.Fields(sColumn);
    std::string list = ",", previous;
    for (; !rs.Eof(); rs.MoveNext()) {
        const std::string_view current = code.AsText();
        const int32_t position = rs.AbsolutePosition();
        if (position % 1000 == 0)
            root->SetProgressMessage("Building Query (Processing " + render::CountText(position) + " of " +
                                     total + sUnits);
        ui::DoEvents();
        if (root->Cancelled()) return false;
        // Rows of one asset follow each other; each is taken once.
        if (!EqualsNoCase(current, previous)) {
            previous = current;
            list += previous;
            list += ',';
        }
    }
    root->SetProgressMessage("Building Query (Processing " + total + sUnits);
    sCodes = gTools()->Str()->TrimList(list, ",", 1);
    return true;
}

void CSQLRenderer::CheckSize(int64_t lCount) {
    Check(lCount <= render::kMaxCodes, ERR_USER_WARNING, render::kTooLarge);
}
