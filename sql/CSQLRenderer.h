#pragma once
// Turns a query's criteria into the one statement its asset type is read
// with.  A render starts from the type's template ("SQL_FIELD", "SQL_WELL",
// "SQL_BLOCK", "SQL_TRANSPORT"), applies the company criteria, then the
// location criteria, then the type's own criteria; it runs that statement
// once to collect the matching asset codes and rebuilds the statement from
// the type's result template ("SQL_..._RESULTS") restricted to those codes.
// The answer still holds the placeholders "<table/>" and "<orderby/>" that
// the query fills per record set.
//
// The answer of SQL is one of:
//   - the statement;
//   - "0": nothing can match the criteria;
//   - "": the render was cancelled, or the asset type is none of the four;
//   - a negative error number as text ("-2147217307"): the render failed and
//     the failure has been shown (a result of more than 20000 assets, or a
//     statement the engine cannot run for its size, as the warning "Your
//     results set is too large to process, ...").
//
// The field and well narrowing runs hand the message loop over to the host
// once per row and stop when the host has set Cancelled meanwhile; every
// 1000th row sends a progress message counting the rows.
//
// Every value a criteria set hands over reaches the statement through
// sql/SqlValues.h: a value that cannot be written as what it stands for
// (a code that is no number, a column name that is no name, a bound that is
// no number) fails the render as the user input error &H80041066, and so
// does a stored flag or index that does not convert.  A criteria set's
// member that would show its own failure and answer empty fails the render
// instead (sql/RenderScope.h): the render never goes on with an answer a
// failure left empty.
#include <cstdint>
#include <string>
#include <vector>

#include "core/ErrorDisplay.h"
#include "platform/runtime/Object.h"

class CSQLBuilder;
class IParameters;
class IQuery;
class IGeneral;
class IField;
class IWell;
class IBlock;
class ITransport;
namespace ADODB {
class Recordset;
}

// The Options key of the template a render of sQueryType starts from
// ("SQL_FIELD" for "Field"); "" for a type that is none of the four, matched
// as written.  Never fails.
std::string StatementTemplateKey(const std::string& sQueryType);

class CSQLRenderer final : public virtual Object, public ShowsErrors<ErrDisplay::F> {
public:
    // Keeps the criteria to render.  Without it, the criteria of the query
    // given to SetQuery are rendered.  Never fails.
    void SetParameters(const Ref<IParameters>& oParameters);
    // Keeps the query whose asset type (QueryType) and gross or net choice
    // (GrossNet) the render follows, the look-ups it makes included.
    // Without it, the active query (Queries.Query("-1")) is asked at each
    // render.  Never fails.
    void SetQuery(const Ref<IQuery>& oQuery);
    // The builder of the last render; Nothing before the first.  Never fails.
    Ref<CSQLBuilder> SQLBuilder() const { return builder_; }
    // Renders and returns the statement, "0", "" or a negative error number
    // (see above), after sending "Building Query (Complete)" and the progress
    // value 100.  Shows its own failures and returns.
    std::string SQL();
    // The statements the last render ran on the connection, in order (the
    // company searches and the narrowing run; the rendered answer is not
    // among them).  Never fails.
    const std::vector<std::string>& StatementsRun() const { return statementsRun_; }

    std::string TypeName() const override { return "CSQLRenderer"; }

private:
    // The steps, each working on builder_.  The company step answers whether
    // the chain goes on (False once it has made the statement "0"); a type
    // step leaves the rebuilt statement, "0", or "" after a cancel.
    bool Company();
    void Location();
    void Field();
    void Well();
    void Transport();
    void Block();

    // The company searches (RenderCompany.cpp).
    std::string GetAssetCodesByCompany();
    std::string GetSelectedAssetCodes(const std::string& sQueryType);
    std::string GetAssetCodesNormal(const std::string& sFieldName, const std::string& sTableName,
                                    const std::string& sSelectedAssetCodes);
    std::string GetAssetCodesOverlapping(const std::string& sFieldName, const std::string& sTableName,
                                         const std::string& sSelectedAssetCodes);
    std::string GetAssetCodesCA(const std::string& sFieldName, const std::string& sTableName,
                                const std::string& sSelectedAssetCodes);
    std::string GetAssetCodesByPercentageOwnership(const std::string& sAssetCodeList);
    // The sector (or, for transport systems, country) condition of the
    // normal and overlapping searches, on their table A.
    void AddSearchLocation(CSQLBuilder& b);
    // The annual narrowing of a field query (RenderAnnual.cpp).
    std::string GetAnnualAssetCodes(const std::string& sAssetCodes);

    // The sector or country condition on the column (RenderLocation.cpp):
    // "" without a location criterion.
    std::string SectorCondition(const std::string& sColumn);
    // The field, well, block or transport criteria of the parameters.
    Ref<IGeneral> General();
    Ref<IField> FieldCriteria();
    Ref<IWell> WellCriteria();
    Ref<IBlock> BlockCriteria();
    Ref<ITransport> TransportCriteria();
    // "_Net" for a net query, else "".
    std::string NetSuffix() const { return net_ ? "_Net" : ""; }

    // Opens a static, read-only record set on the statement and keeps the
    // statement among those run.
    Ref<ADODB::Recordset> Open(const std::string& sSQL);
    // The codes of the column, each once (compared exactly), as a comma
    // list without stray separators.
    static std::string DistinctCodes(ADODB::Recordset& rs, const char* sColumn);
    // The field and well narrowing run over an open record set: the codes of
    // the column, a repeat of the previous row's code (compared without
    // regard to case) taken once, with progress messages counting the rows
    // and the hand-over to the host before each row is taken.  False when
    // the host cancelled; the list has no stray separators.
    bool CollectCodesWithHandOver(ADODB::Recordset& rs, const char* sColumn, const char* sUnits,
                                  std::string& sCodes);
    // Raises the warning that the results set is too large when the count is
    // above the limit.
    static void CheckSize(int64_t lCount);

    void Render();

    Ref<IParameters> parameters_;
    Ref<IQuery> query_;
    // The criteria the current render reads: parameters_, or the query's.
    Ref<IParameters> criteria_;
    Ref<CSQLBuilder> builder_;
    std::vector<std::string> statementsRun_;
    // Of the query rendered for, read once per render.
    std::string queryType_;
    bool net_ = false;
};
