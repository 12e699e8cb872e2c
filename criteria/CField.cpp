#include "criteria/CField.h"

#include "core/CTools.h"
#include "core/Globals.h"
#include "core/HuntERR31.h"
#include "core/RequiredOption.h"
#include "core/mTL5ErrorCodes.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IListField.h"
#include "interfaces/IQuery.h"
#include "interfaces/_cvDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"
#include "sql/CSQLBuilder.h"
#include "sql/RenderScope.h"
#include "sql/RenderValues.h"
#include "sql/SqlValues.h"

// Ended errors go to the error dialog, warnings to a plain box; the
// shore-status members all end theirs.
const CriteriaSetProfile CField::kProfile{"CField",       "IField",      ErrDisplay::A, Handling::Pass,
                                          Handling::Bare, Handling::End, Handling::End};

namespace {

constexpr Handling Bare = Handling::Bare;
constexpr Handling Pass = Handling::Pass;
constexpr Handling End = Handling::End;

constexpr const char* kRoot = CField::kSetRoot;

// ---- the sections of this Part's list and code criteria

const Section kAssetCodes{kRoot, "AssetCodes", "AssetCode", {"Code"}};
const Section kMnemonics{kRoot, "QZMnemonics", "QZMnemonic", {"ID"}};
const Section kFieldLocations{
    kRoot, "FieldLocations", "FieldLocation", {"Code", "Description"}, AcceptAtLeast("Code", 0)};
const Section kBlockLocations{
    kRoot, "BlockLocations", "BlockLocation", {"Code", "Description", "ID"}, AcceptAtLeast("Code", 0)};
const Section kFieldTypes{kRoot, "FieldTypes", "FieldType", {"Code", "Description"}};
const Section kDevelopmentStatuses{
    kRoot, "DevelopmentStatuses", "DevelopmentStatus", {"Code", "Description", "ClassificationType"}};
const Section kDevelopmentTypes{kRoot, "DevelopmentTypes", "DevelopmentType", {"Code", "Description"}};
const Section kFieldNameSearches{kRoot, "FieldNameSearches", "FieldNameSearch", {"Code"}};
const Section kDates = DatesOf(kRoot);
const Section kWaterDepths{kRoot,
                           "WaterDepthRanges",
                           "WaterDepthRange",
                           {"MinValue", "MaxValue", "CategoryID", "UnitID"},
                           AcceptAnyNotBlank("MinValue", "MaxValue")};
const Section kGroupings{kRoot, "FieldGroupings", "FieldGrouping", {"ID", "GroupFilterType"}};

// ---- the range criteria

// Keyed by column.  A one-year annual range (both types 2) carries its year
// before the caption; every other range has no year attribute at all.
const Section kReserves{kRoot,
                        "ReservesAndProductions",
                        "ReservesAndProduction",
                        {"FieldName", "Caption", "Key", "DefaultUnit", "UnitCategory", "MinValue", "MaxValue",
                         "ReserveType", "ProductionType", "UnitCaption"}};
const Section kAnnualReserves{kRoot,
                              "ReservesAndProductions",
                              "ReservesAndProduction",
                              {"FieldName", "Caption", "Key", "DefaultUnit", "UnitCategory", "MinValue",
                               "MaxValue", "ReserveType", "ProductionType", "ProductionYear", "UnitCaption"}};
const Section kPVRanges{kRoot,
                        "PVRanges",
                        "PVRange",
                        {"FieldName", "Caption", "Key", "BoundaryMinimum", "BoundaryMaximum", "UnitCaption"}};
// Keyed by column; an annual range (mode "2") carries its years before the caption.
const Section kCosts{kRoot,
                     "CostRanges",
                     "CostRange",
                     {"FieldName", "Caption", "Key", "BoundaryMinimum", "BoundaryMaximum", "CostType",
                      "CostMode", "UnitCaption"}};
const Section kAnnualCosts{kRoot,
                           "CostRanges",
                           "CostRange",
                           {"FieldName", "Caption", "Key", "BoundaryMinimum", "BoundaryMaximum", "CostType",
                            "CostMode", "YearMin", "YearMax", "UnitCaption"}};
// The project bounds stand under each other's names, as query files carry
// them; the getters read them back crosswise.
const Section kRatesOfReturn{kRoot,
                             "RatesOfReturnRanges",
                             "RatesOfReturnRange",
                             {"PrePostTaxIndex", "CompanyIIRRangeMinimum", "CompanyIIRRangeMaximum",
                              "ProjectIIRRangeMaximum", "ProjectIIRRangeMinimum"},
                             AcceptAnyNotBlank("CompanyIIRRangeMinimum", "CompanyIIRRangeMaximum",
                                               "ProjectIIRRangeMaximum", "ProjectIIRRangeMinimum")};
const Section kGovernmentTake{kRoot,
                              "GovernmentTakeRanges",
                              "GovernmentTakeRange",
                              {"TotalRemainingIndex", "ValuePercentIndex", "MinValue", "MaxValue"},
                              AcceptAnyNotBlank("MinValue", "MaxValue")};
const Section kGravity{
    kRoot, "APIRanges", "APIRange", {"MinValue", "MaxValue"}, AcceptAnyNotBlank("MinValue", "MaxValue")};
// Query files spell the calorific-value section this way.
const Section kCalorificValues{kRoot,
                               "CalorifivValueRanges",
                               "CalorifivValueRange",
                               {"MinValue", "MaxValue", "CategoryID", "UnitID"},
                               AcceptAnyNotBlank("MinValue", "MaxValue")};
const Section kSulphur{kRoot,
                       "SulphurRanges",
                       "SulphurRange",
                       {"MinValue", "MaxValue"},
                       AcceptAnyNotBlank("MinValue", "MaxValue")};
const Section kReservoirDepths{kRoot,
                               "ReservoirDepthRanges",
                               "ReservoirDepthRange",
                               {"MinValue", "MaxValue", "CategoryID", "UnitID"},
                               AcceptAnyNotBlank("MinValue", "MaxValue")};
// Ages of level "ALL" carry the age key as well.
const Section kReservoirAges{kRoot, "ReservoirAges", "ReservoirAge", {"Code", "Description", "QueryType"}};
const Section kReservoirAgesWithKey{
    kRoot, "ReservoirAges", "ReservoirAge", {"Code", "Description", "QueryType", "Key"}};
const Section kReservoirSearches{kRoot, "ReservoirSearches", "ReservoirSearch", {"Code"}};

// ---- the field reference list's look-ups

const ListEntry<IListField> kFieldTypeList{&IDataLists::Field, &IListField::FieldTypeCode,
                                           &IListField::FieldTypeDescription};
const ListEntry<IListField> kDevelopmentStatusList{&IDataLists::Field, &IListField::DevelopmentStatusCode,
                                                   &IListField::DevelopmentStatusDescription};
const ListEntry<IListField> kDevelopmentTypeList{&IDataLists::Field, &IListField::DevelopmentTypeCode,
                                                 &IListField::DevelopmentTypeDescription};

// ---- the look-ups' statements

constexpr const char* kCodesByBlock = "SQL_FIELD_CODE_BY_BLOCK";
constexpr const char* kCodesByAge = "SQL_FIELD_CODE_BY_AGE";
constexpr const char* kCodesByAnnual = "SQL_FIELD_CODE_BY_ANNUAL_PRODUCTION";
constexpr const char* kTooLarge =
    "Your results set is too large to process, please refine your query selection.";
constexpr const char* kNotQuotedCodes =
    "is not a list of codes: numbers, or texts each between single quotes.";

// A caller's age codes written for SQL: numbers, or texts each between
// single quotes.  Each code is written again by the value functions, so a
// code holding a quote stays one literal; anything else is refused.
std::string AgeCodesSql(const std::string& sCodes) {
    const std::string trimmed = Trim(sCodes);
    if (trimmed.empty() || trimmed[0] != '\'') return SqlCodeList(sCodes).Text();
    const std::optional<std::vector<std::string>> codes = ReadQuotedList(trimmed);
    if (!codes) RefuseValue(sCodes, "", kNotQuotedCodes);
    std::string sql;
    for (const std::string& code : *codes) {
        if (!sql.empty()) sql += ',';
        sql += SqlText(code).Text();
    }
    return sql;
}

// The column of a reservoir-age level, and whether its codes are texts.
struct AgeLevel {
    const char* level;
    const char* column;
    bool quoted;
};
constexpr AgeLevel kAgeLevels[] = {
    {"ERA", "ERA_CODE", true},
    {"PERIOD", "PERIOD_CODE", true},
    {"FORMATION", "FORMATION_CODE", true},
    {"ALL", "AGE_CODE", false},
};

}  // namespace

CField::CField() : CAssetCriteriaSet(kProfile, kSetRoot) {}

// ---- steps of their own

int32_t CField::WholeByIndex(const Op& op, const MemberArgs& args, const Section& s, const char* sAttribute,
                             int32_t lIndex) {
    return Run(op, args, [&] {
        return WholeOf(std::string(s.item) + "@" + sAttribute,
                       gTools()->GetQueryParameterByIndex(settings_, s.root, s.section, sAttribute, lIndex));
    });
}

// ---- counts, in slot order

int32_t CField::FieldNameCount() { return Count({"FieldNameCount()", Pass}, kFieldNameSearches); }
int32_t CField::DateRangeCount() { return Count({"DateRangeCount()", Pass}, kDates); }
int32_t CField::WaterDepthCount() { return Count({"WaterDepthCount()", Pass}, kWaterDepths); }
int32_t CField::BlockLocationsCount() { return Count({"BlockLocationsCount()", Pass}, kBlockLocations); }
int32_t CField::FieldTypeCount() { return Count({"FieldTypeCount()", Pass}, kFieldTypes); }
int32_t CField::DevelopmentStatusCount() {
    return Count({"DevelopmentStatusCount()", Pass}, kDevelopmentStatuses);
}
int32_t CField::DevelopmentTypeCount() { return Count({"DevelopmentTypeCount()", Pass}, kDevelopmentTypes); }
int32_t CField::ReservoirDepthCount() { return Count({"ReservoirDepthCount()", Pass}, kReservoirDepths); }
int32_t CField::CalorificValueCount() { return Count({"CalorificValueCount()", Pass}, kCalorificValues); }
int32_t CField::GravityCount() { return Count({"GravityCount()", Pass}, kGravity); }
int32_t CField::SulphurCount() { return Count({"SulphurCount()", Pass}, kSulphur); }
int32_t CField::FieldReservoirSearchCount() {
    return Count({"FieldReservoirSearchCount()", Pass}, kReservoirSearches);
}
int32_t CField::FieldReservoirAgeCount() { return Count({"FieldReservoirAgeCount()", Pass}, kReservoirAges); }
int32_t CField::PVCount() { return Count({"PVCount()", Pass}, kPVRanges); }
int32_t CField::GovernmentTakeCount() { return Count({"GovernmentTakeCount()", Pass}, kGovernmentTake); }
int32_t CField::RatesOfReturnCount() { return Count({"RatesOfReturnCount()", Pass}, kRatesOfReturn); }
int32_t CField::CostsCount() { return Count({"CostsCount()", Pass}, kCosts); }
int32_t CField::ReservesAndProductionCount() {
    return Count({"ReservesAndProductionCount()", Pass}, kReserves);
}
int32_t CField::AssetCodeCount() { return Count({"AssetCodeCount()", Bare}, kAssetCodes); }
int32_t CField::FieldCount() { return Count({"FieldCount()", Pass}, kFieldLocations); }
int32_t CField::BlockCount() { return Count({"BlockCount()", Pass}, kBlockLocations); }
int32_t CField::QZMnemonicCount() { return Count({"QZMnemonicCount()", End}, kMnemonics); }

// ---- values by index

std::string CField::FieldNameSearchString(int32_t Index) {
    return ByIndex({"FieldNameSearchString(Index)", Pass}, ERR_ARGS(Index), kFieldNameSearches, "Code",
                   Index);
}
std::string CField::DateRangeMin(int32_t Index) {
    return ByIndex({"DateRangeMin(Index)", Pass}, ERR_ARGS(Index), kDates, "DateLow", Index);
}
std::string CField::DateRangeMax(int32_t Index) {
    return ByIndex({"DateRangeMax(Index)", Pass}, ERR_ARGS(Index), kDates, "DateHigh", Index);
}
std::string CField::DateRangeName(int32_t Index) {
    return ByIndex({"DateRangeName(Index)", Pass}, ERR_ARGS(Index), kDates, "FieldName", Index);
}
std::string CField::WaterDepthRangeMin(int32_t Index) {
    return ByIndex({"WaterDepthRangeMin(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "MinValue", Index);
}
std::string CField::WaterDepthRangeMax(int32_t Index) {
    return ByIndex({"WaterDepthRangeMax(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "MaxValue", Index);
}
std::string CField::WaterDepthRangeUnit(int32_t Index) {
    return ByIndex({"WaterDepthRangeUnit(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "UnitID", Index);
}
std::string CField::WaterDepthRangeCategory(int32_t Index) {
    return ByIndex({"WaterDepthRangeCategory(Index)", Pass}, ERR_ARGS(Index), kWaterDepths, "CategoryID",
                   Index);
}
std::string CField::ReservoirDepthRangeMin(int32_t Index) {
    return ByIndex({"ReservoirDepthRangeMin(Index)", Pass}, ERR_ARGS(Index), kReservoirDepths, "MinValue",
                   Index);
}
std::string CField::ReservoirDepthRangeMax(int32_t Index) {
    return ByIndex({"ReservoirDepthRangeMax(Index)", Pass}, ERR_ARGS(Index), kReservoirDepths, "MaxValue",
                   Index);
}
std::string CField::ReservoirDepthRangeUnit(int32_t Index) {
    return ByIndex({"ReservoirDepthRangeUnit(Index)", Pass}, ERR_ARGS(Index), kReservoirDepths, "UnitID",
                   Index);
}
std::string CField::ReservoirDepthRangeCategory(int32_t Index) {
    return ByIndex({"ReservoirDepthRangeCategory(Index)", Pass}, ERR_ARGS(Index), kReservoirDepths,
                   "CategoryID", Index);
}
std::string CField::CalorificValueRangeMin(int32_t Index) {
    return ByIndex({"CalorificValueRangeMin(Index)", Pass}, ERR_ARGS(Index), kCalorificValues, "MinValue",
                   Index);
}
std::string CField::CalorificValueRangeMax(int32_t Index) {
    return ByIndex({"CalorificValueRangeMax(Index)", Pass}, ERR_ARGS(Index), kCalorificValues, "MaxValue",
                   Index);
}
std::string CField::CalorificValueRangeUnit(int32_t Index) {
    return ByIndex({"CalorificValueRangeUnit(Index)", Pass}, ERR_ARGS(Index), kCalorificValues, "UnitID",
                   Index);
}
std::string CField::CalorificValueRangeCategory(int32_t Index) {
    return ByIndex({"CalorificValueRangeCategory(Index)", Pass}, ERR_ARGS(Index), kCalorificValues,
                   "CategoryID", Index);
}
std::string CField::GravityRangeMin(int32_t Index) {
    return ByIndex({"GravityRangeMin(Index)", Pass}, ERR_ARGS(Index), kGravity, "MinValue", Index);
}
std::string CField::GravityRangeMax(int32_t Index) {
    return ByIndex({"GravityRangeMax(Index)", Pass}, ERR_ARGS(Index), kGravity, "MaxValue", Index);
}
std::string CField::SulphurRangeMin(int32_t Index) {
    return ByIndex({"SulphurRangeMin(Index)", Pass}, ERR_ARGS(Index), kSulphur, "MinValue", Index);
}
std::string CField::SulphurRangeMax(int32_t Index) {
    return ByIndex({"SulphurRangeMax(Index)", Pass}, ERR_ARGS(Index), kSulphur, "MaxValue", Index);
}
std::string CField::FieldReservoirSearchString(int32_t Index) {
    return ByIndex({"FieldReservoirSearchString(Index)", Pass}, ERR_ARGS(Index), kReservoirSearches, "Code",
                   Index);
}
std::string CField::FieldReservoirAgeType(int32_t Index) {
    return ByIndex({"FieldReservoirAgeType(Index)", Pass}, ERR_ARGS(Index), kReservoirAges, "QueryType",
                   Index);
}
std::string CField::PVRangeMin(int32_t Index) {
    return ByIndex({"PVRangeMin(Index)", Pass}, ERR_ARGS(Index), kPVRanges, "BoundaryMinimum", Index);
}
std::string CField::PVRangeMax(int32_t Index) {
    return ByIndex({"PVRangeMax(Index)", Pass}, ERR_ARGS(Index), kPVRanges, "BoundaryMaximum", Index);
}
// A present-value range has no unit of its own; what a file may carry is read.
std::string CField::PVRangeUnit(int32_t Index) {
    return ByIndex({"PVRangeUnit(Index)", Pass}, ERR_ARGS(Index), kPVRanges, "UnitID", Index);
}
std::string CField::PVRangeCategory(int32_t Index) {
    return ByIndex({"PVRangeCategory(Index)", Pass}, ERR_ARGS(Index), kPVRanges, "CategoryID", Index);
}
std::string CField::PVRangeFieldname(int32_t Index) {
    return ByIndex({"PVRangeFieldname(Index)", Pass}, ERR_ARGS(Index), kPVRanges, "FieldName", Index);
}
int32_t CField::GovernmentTakeMethod(int32_t Index) {
    return WholeByIndex({"GovernmentTakeMethod(Index)", Pass}, ERR_ARGS(Index), kGovernmentTake,
                        "TotalRemainingIndex", Index);
}
int32_t CField::GovernmentTakeType(int32_t Index) {
    return WholeByIndex({"GovernmentTakeType(Index)", Pass}, ERR_ARGS(Index), kGovernmentTake,
                        "ValuePercentIndex", Index);
}
std::string CField::GovernmentTakeRangeMin(int32_t Index) {
    return ByIndex({"GovernmentTakeRangeMin(Index)", Pass}, ERR_ARGS(Index), kGovernmentTake, "MinValue",
                   Index);
}
std::string CField::GovernmentTakeRangeMax(int32_t Index) {
    return ByIndex({"GovernmentTakeRangeMax(Index)", Pass}, ERR_ARGS(Index), kGovernmentTake, "MaxValue",
                   Index);
}
int32_t CField::RatesOfReturnType(int32_t Index) {
    return WholeByIndex({"RatesOfReturnType(Index)", Pass}, ERR_ARGS(Index), kRatesOfReturn,
                        "PrePostTaxIndex", Index);
}
std::string CField::RatesOfReturnCompanyRangeMin(int32_t Index) {
    return ByIndex({"RatesOfReturnCompanyRangeMin(Index)", Pass}, ERR_ARGS(Index), kRatesOfReturn,
                   "CompanyIIRRangeMinimum", Index);
}
std::string CField::RatesOfReturnCompanyRangeMax(int32_t Index) {
    return ByIndex({"RatesOfReturnCompanyRangeMax(Index)", Pass}, ERR_ARGS(Index), kRatesOfReturn,
                   "CompanyIIRRangeMaximum", Index);
}
std::string CField::RatesOfReturnProjectRangeMin(int32_t Index) {
    return ByIndex({"RatesOfReturnProjectRangeMin(Index)", Pass}, ERR_ARGS(Index), kRatesOfReturn,
                   "ProjectIIRRangeMaximum", Index);
}
std::string CField::RatesOfReturnProjectRangeMax(int32_t Index) {
    return ByIndex({"RatesOfReturnProjectRangeMax(Index)", Pass}, ERR_ARGS(Index), kRatesOfReturn,
                   "ProjectIIRRangeMinimum", Index);
}
int32_t CField::CostsType(int32_t Index) {
    return WholeByIndex({"CostsType(Index)", Pass}, ERR_ARGS(Index), kCosts, "CostType", Index);
}
std::string CField::CostsRangeName(int32_t Index) {
    return ByIndex({"CostsRangeName(Index)", Pass}, ERR_ARGS(Index), kCosts, "FieldName", Index);
}
std::string CField::CostsRangeMin(int32_t Index) {
    return ByIndex({"CostsRangeMin(Index)", Pass}, ERR_ARGS(Index), kCosts, "BoundaryMinimum", Index);
}
std::string CField::CostsRangeMax(int32_t Index) {
    return ByIndex({"CostsRangeMax(Index)", Pass}, ERR_ARGS(Index), kCosts, "BoundaryMaximum", Index);
}
std::string CField::CostsYearMin(int32_t Index) {
    return ByIndex({"CostsYearMin(Index)", Pass}, ERR_ARGS(Index), kCosts, "YearMin", Index);
}
std::string CField::CostsYearMax(int32_t Index) {
    return ByIndex({"CostsYearMax(Index)", Pass}, ERR_ARGS(Index), kCosts, "YearMax", Index);
}
int32_t CField::ReserveType(int32_t Index) {
    return WholeByIndex({"ReserveType(Index)", Pass}, ERR_ARGS(Index), kReserves, "ReserveType", Index);
}
int32_t CField::ProductionType(int32_t Index) {
    return WholeByIndex({"ProductionType(Index)", Pass}, ERR_ARGS(Index), kReserves, "ProductionType", Index);
}
std::string CField::ReservesAndProductionRangeName(int32_t Index) {
    return ByIndex({"ReservesAndProductionRangeName(Index)", Pass}, ERR_ARGS(Index), kReserves, "FieldName",
                   Index);
}
std::string CField::ReservesAndProductionRangeMin(int32_t Index) {
    return ByIndex({"ReservesAndProductionRangeMin(Index)", Pass}, ERR_ARGS(Index), kReserves, "MinValue",
                   Index);
}
std::string CField::ReservesAndProductionRangeMax(int32_t Index) {
    return ByIndex({"ReservesAndProductionRangeMax(Index)", Pass}, ERR_ARGS(Index), kReserves, "MaxValue",
                   Index);
}
std::string CField::ReservesAndProductionYear(int32_t Index) {
    return ByIndex({"ReservesAndProductionYear(Index)", Pass}, ERR_ARGS(Index), kReserves, "ProductionYear",
                   Index);
}
std::string CField::ReservesAndProductionUnitCaption(int32_t Index) {
    return ByIndex({"ReservesAndProductionUnitCaption(Index)", Pass}, ERR_ARGS(Index), kReserves,
                   "UnitCaption", Index);
}
std::string CField::ReservesAndProductionRangeUnit(int32_t Index) {
    return ByIndex({"ReservesAndProductionRangeUnit(Index)", Pass}, ERR_ARGS(Index), kReserves, "DefaultUnit",
                   Index);
}
std::string CField::ReservesAndProductionRangeCategory(int32_t Index) {
    return ByIndex({"ReservesAndProductionRangeCategory(Index)", Pass}, ERR_ARGS(Index), kReserves,
                   "UnitCategory", Index);
}
std::string CField::PVRangeUnitCaption(int32_t Index) {
    return ByIndex({"PVRangeUnitCaption(Index)", Pass}, ERR_ARGS(Index), kPVRanges, "UnitCaption", Index);
}
int32_t CField::CostsMode(int32_t Index) {
    return WholeByIndex({"CostsMode(Index)", Pass}, ERR_ARGS(Index), kCosts, "CostMode", Index);
}
std::string CField::CostsUnitCaption(int32_t Index) {
    return ByIndex({"CostsUnitCaption(Index)", Pass}, ERR_ARGS(Index), kCosts, "UnitCaption", Index);
}
std::string CField::FieldReservoirCode(int32_t Index) {
    return ByIndex({"FieldReservoirCode(Index)", Pass}, ERR_ARGS(Index), kReservoirAges, "Code", Index);
}
std::string CField::FieldReservoirDescription(int32_t Index) {
    return ByIndex({"FieldReservoirDescription(Index)", Pass}, ERR_ARGS(Index), kReservoirAges, "Description",
                   Index);
}
std::string CField::FieldReservoirKey(int32_t Index) {
    return ByIndex({"FieldReservoirKey(Index)", Pass}, ERR_ARGS(Index), kReservoirAges, "Key", Index);
}
std::string CField::DevelopmentStatusType(int32_t Index) {
    return ByIndex({"DevelopmentStatusType(Index)", Pass}, ERR_ARGS(Index), kDevelopmentStatuses,
                   "ClassificationType", Index);
}

// ---- grouping filter

// Both getters read the first filter: the path of section and item.
std::string CField::GroupingFilterType() {
    return Run({"GroupingFilterType()", Pass}, {}, [&] {
        return gTools()->GetQueryParameter(settings_, kRoot, kGroupings.section, kGroupings.item,
                                           "GroupFilterType");
    });
}

int16_t CField::GroupingFilterControlID() {
    return Run({"GroupingFilterControlID()", Pass}, {}, [&]() -> int16_t {
        std::string id =
            gTools()->GetQueryParameter(settings_, kRoot, kGroupings.section, kGroupings.item, "ID");
        // A 16-bit control id, as the host's controls number them: a larger
        // stored id is refused rather than read as another control's.  An id
        // that is no number reads as none, -1; but a render asking for it
        // would drop the filter without a word, so there it is refused.
        if (!IsNumericText(id) && (!RenderInProgress() || Trim(id).empty())) return int16_t{-1};
        return static_cast<int16_t>(WholeOf("FieldGrouping@ID", id, std::numeric_limits<int16_t>::min(),
                                            std::numeric_limits<int16_t>::max()));
    });
}

void CField::SetGroupingFilter(int32_t iControlID, const std::string& sFilterType) {
    Add({"SetGroupingFilter(iControlID,sFilterType)", Pass}, ERR_ARGS(iControlID, sFilterType), kGroupings,
        {DecimalText(iControlID), sFilterType});
}

void CField::ClearGroupingFilters() { Clear({"ClearGroupingFilters()", Pass}, kGroupings); }

// ---- lists

std::string CField::FieldCodesList() { return List({"FieldCodesList()", Pass}, kFieldLocations, "Code"); }
std::string CField::FieldLocationsList() {
    return List({"FieldLocationsList()", Pass}, kFieldLocations, "Code");
}
std::string CField::BlockLocationsList() {
    return List({"BlockLocationsList()", Pass}, kBlockLocations, "Code");
}
std::string CField::BlockCodesList() { return List({"BlockCodesList()", Pass}, kBlockLocations, "Code"); }
std::string CField::BlockLocationIDList() {
    return List({"BlockLocationIDList()", Pass}, kBlockLocations, "ID");
}
std::string CField::FieldTypeList() { return List({"FieldTypeList()", Pass}, kFieldTypes, "Code", kQuoted); }
std::string CField::FieldTypeDescriptionList() {
    return List({"FieldTypeDescriptionList()", Pass}, kFieldTypes, "Description", kQuoted);
}
std::string CField::DevelopmentStatusList() {
    return List({"DevelopmentStatusList()", Pass}, kDevelopmentStatuses, "Code", kQuoted);
}
std::string CField::DevelopmentStatusDescriptionList() {
    return List({"DevelopmentStatusDescriptionList()", Pass}, kDevelopmentStatuses, "Description", kQuoted);
}
std::string CField::DevelopmentTypeList() {
    return List({"DevelopmentTypeList()", Pass}, kDevelopmentTypes, "Code", kQuoted);
}
std::string CField::DevelopmentTypeDescriptionList() {
    return List({"DevelopmentTypeDescriptionList()", Pass}, kDevelopmentTypes, "Description", kQuoted);
}
std::string CField::FieldNameList() { return List({"FieldNameList()", Pass}, kFieldNameSearches, "Code"); }
std::string CField::AssetCodeList() { return List({"AssetCodeList()", Pass}, kAssetCodes, "Code"); }
std::string CField::QZMnemonicList() { return List({"QZMnemonicList()", End}, kMnemonics, "ID", kQuoted); }

// ---- entries given by the host

void CField::AddAssetCode(const std::string& sCode) {
    Add({"AddAssetCode(sCode)", Pass}, ERR_ARGS(sCode), kAssetCodes, {sCode});
}

void CField::AddQZMnemonic(const std::string& sCode) {
    Add({"AddQZMnemonic(sCode)", End}, ERR_ARGS(sCode), kMnemonics, {sCode});
}

void CField::AddFieldLocation(int32_t lFieldCode, const std::string& sFieldDescription) {
    Add({"AddFieldLocation(lFieldCode,sFieldDescription)", Pass}, ERR_ARGS(lFieldCode, sFieldDescription),
        kFieldLocations, {DecimalText(lFieldCode), sFieldDescription});
}
void CField::RemoveFieldLocation(int32_t lFieldCode) {
    Remove({"RemoveFieldLocation(lFieldCode)", Pass}, ERR_ARGS(lFieldCode), kFieldLocations,
           DecimalText(lFieldCode));
}
void CField::ClearFieldLocations() { Clear({"ClearFieldLocations()", Pass}, kFieldLocations); }

void CField::AddBlockLocation(int32_t lBlockCode, const std::string& sBlockDescription,
                              const std::string& sBlockID) {
    Add({"AddBlockLocation(lBlockCode,sBlockDescription,sBlockID)", Pass},
        ERR_ARGS(lBlockCode, sBlockDescription, sBlockID), kBlockLocations,
        {DecimalText(lBlockCode), sBlockDescription, sBlockID});
}
void CField::RemoveBlockLocation(int32_t lBlockCode) {
    Remove({"RemoveBlockLocation(lBlockCode)", Pass}, ERR_ARGS(lBlockCode), kBlockLocations,
           DecimalText(lBlockCode));
}
void CField::ClearBlockLocations() { Clear({"ClearBlockLocations()", Pass}, kBlockLocations); }

void CField::AddWaterDepthRange(const std::string& sMin, const std::string& sMax,
                                const std::string& sCategory, const std::string& sUnit) {
    Add({"AddWaterDepthRange(sMin,sMax,sCategory,sUnit)", Pass}, ERR_ARGS(sMin, sMax, sCategory, sUnit),
        kWaterDepths, {sMin, sMax, sCategory, sUnit});
}
void CField::ClearWaterDepthRanges() { Clear({"ClearWaterDepthRanges()", Pass}, kWaterDepths); }

void CField::AddDate(const std::string& sFieldName, const std::string& sDescription, int32_t lDateHigh,
                     int32_t lDateLow, const std::string& sDateStringHigh,
                     const std::string& sDateStringLow) {
    CCriteriaSet::AddDate(
        {"AddDate(sFieldName,sDescription,lDateHigh,lDateLow,sDateStringHigh,sDateStringLow)", Pass},
        ERR_ARGS(sFieldName, sDescription, lDateHigh, lDateLow, sDateStringHigh, sDateStringLow), kRoot,
        sFieldName, sDescription, lDateHigh, lDateLow, sDateStringHigh, sDateStringLow);
}
void CField::RemoveDate(const std::string& sFieldName) {
    Remove({"RemoveDate(sFieldName)", Pass}, ERR_ARGS(sFieldName), kDates, sFieldName);
}
void CField::ClearDates() { Clear({"ClearDates()", Pass}, kDates); }

void CField::AddFieldNameSearchString(const std::string& sCode) {
    AddSearch({"AddFieldNameSearchString(sCode)", Pass}, ERR_ARGS(sCode), kFieldNameSearches, sCode);
}
void CField::ClearFieldNameSearchStrings() {
    Clear({"ClearFieldNameSearchStrings()", Pass}, kFieldNameSearches);
}

// ---- entries from the field reference list

void CField::AddFieldType(int32_t lCode) {
    AddFromList({"AddFieldType(lCode)", Pass}, ERR_ARGS(lCode), kFieldTypes, kFieldTypeList, lCode);
}
void CField::RemoveFieldType(int32_t lCode) {
    RemoveFromList({"RemoveFieldType(lCode)", Pass}, ERR_ARGS(lCode), kFieldTypes, kFieldTypeList, lCode,
                   kKeepUnnamed);
}
void CField::ClearFieldTypes() { Clear({"ClearFieldTypes()", Pass}, kFieldTypes); }

void CField::AddDevelopmentStatus(int32_t lCode, const std::string& sClassificationType) {
    Run({"AddDevelopmentStatus(lCode,sClassificationType)", Pass}, ERR_ARGS(lCode, sClassificationType), [&] {
        // Asked one after the other, each through the root afresh.
        std::string code = ListOf(kDevelopmentStatusList.list)->DevelopmentStatusCode(lCode);
        std::string description = ListOf(kDevelopmentStatusList.list)->DevelopmentStatusDescription(lCode);
        AddValues(kDevelopmentStatuses, {std::move(code), std::move(description), sClassificationType});
    });
}
void CField::RemoveDevelopmentStatus(int32_t lCode) {
    RemoveFromList({"RemoveDevelopmentStatus(lCode)", Pass}, ERR_ARGS(lCode), kDevelopmentStatuses,
                   kDevelopmentStatusList, lCode, kKeepUnnamed);
}
void CField::ClearDevelopmentStatuses() { Clear({"ClearDevelopmentStatuses()", Pass}, kDevelopmentStatuses); }

void CField::AddDevelopmentType(int32_t lCode) {
    AddFromList({"AddDevelopmentType(lCode)", Pass}, ERR_ARGS(lCode), kDevelopmentTypes, kDevelopmentTypeList,
                lCode);
}
void CField::RemoveDevelopmentType(int32_t lCode) {
    RemoveFromList({"RemoveDevelopmentType(lCode)", Pass}, ERR_ARGS(lCode), kDevelopmentTypes,
                   kDevelopmentTypeList, lCode, kKeepUnnamed);
}
void CField::ClearDevelopmentTypes() { Clear({"ClearDevelopmentTypes()", Pass}, kDevelopmentTypes); }

// ---- economic, fluid and reservoir ranges

void CField::AddReservesAndProductionRange(const std::string& sFieldName, const std::string& sCaption,
                                           const std::string& sKey, const std::string& sDefaultUnit,
                                           const std::string& sUnitCategory, const std::string& sBoundaryLow,
                                           const std::string& sBoundaryHigh, const std::string& sUserData,
                                           const std::string& sUnitCaption) {
    Run({"AddReservesAndProductionRange(sFieldName,sCaption,sKey,sDefaultUnit,sUnitCategory,sBoundaryLow,"
         "sBoundaryHigh,sUserData,sUnitCaption)",
         Pass},
        ERR_ARGS(sFieldName, sCaption, sKey, sDefaultUnit, sUnitCategory, sBoundaryLow, sBoundaryHigh,
                 sUserData, sUnitCaption),
        [&] {
            // The host's row data: "<anything>,<reserve type>,<production type>[,<year>]".
            std::vector<std::string> parts = Split(sUserData, ",");
            if (parts.size() < 2) return;
            const double reserveType = Variant(parts[1]).ToDouble();
            if (parts.size() < 3) Raise(rt::kSubscript);
            const double productionType = Variant(parts[2]).ToDouble();
            if (reserveType == 2 && productionType == 2) {
                std::string year = parts.size() >= 4 ? parts[3] : std::string();
                AddValues(kAnnualReserves,
                          {sFieldName, sCaption, sKey, sDefaultUnit, sUnitCategory, sBoundaryLow,
                           sBoundaryHigh, parts[1], parts[2], year, sUnitCaption});
            } else {
                AddValues(kReserves, {sFieldName, sCaption, sKey, sDefaultUnit, sUnitCategory, sBoundaryLow,
                                      sBoundaryHigh, parts[1], parts[2], sUnitCaption});
            }
        });
}
void CField::ClearReservesAndProductionRanges() {
    Clear({"ClearReservesAndProductionRanges()", Pass}, kReserves);
}

void CField::AddPVRange(const std::string& sFieldName, const std::string& sCaption, const std::string& sKey,
                        const std::string& sBoundaryLow, const std::string& sBoundaryHigh,
                        const std::string& sUnitCaption) {
    Add({"AddPVRange(sFieldName,sCaption,sKey,sBoundaryLow,sBoundaryHigh,sUnitCaption)", Pass},
        ERR_ARGS(sFieldName, sCaption, sKey, sBoundaryLow, sBoundaryHigh, sUnitCaption), kPVRanges,
        {sFieldName, sCaption, sKey, sBoundaryLow, sBoundaryHigh, sUnitCaption});
}
void CField::ClearPVRanges() { Clear({"ClearPVRanges()", Pass}, kPVRanges); }

void CField::AddCost(const std::string& sFieldName, const std::string& sCaption, const std::string& sKey,
                     const std::string& sBoundaryLow, const std::string& sBoundaryHigh,
                     const std::string& sUserData, const std::string& sUnitCaption) {
    Run({"AddCost(sFieldName,sCaption,sKey,sBoundaryLow,sBoundaryHigh,sUserData,sUnitCaption)", Pass},
        ERR_ARGS(sFieldName, sCaption, sKey, sBoundaryLow, sBoundaryHigh, sUserData, sUnitCaption), [&] {
            // The host's row data: "<anything>,<cost type>,<mode>[,<year min>[,<year max>]]".
            std::vector<std::string> parts = Split(sUserData, ",");
            if (parts.size() < 2) return;
            if (parts.size() < 3) Raise(rt::kSubscript);
            const std::string& costType = parts[1];
            const std::string& mode = parts[2];
            if (mode == "0" || mode == "1") {
                AddValues(kCosts, {sFieldName, sCaption, sKey, sBoundaryLow, sBoundaryHigh, costType, mode,
                                   sUnitCaption});
            } else if (mode == "2") {
                std::string yearMin = parts.size() >= 4 ? parts[3] : std::string();
                std::string yearMax = parts.size() >= 5 ? parts[4] : std::string();
                AddValues(kAnnualCosts, {sFieldName, sCaption, sKey, sBoundaryLow, sBoundaryHigh, costType,
                                         mode, yearMin, yearMax, sUnitCaption});
            }
        });
}
void CField::ClearCosts() { Clear({"ClearCosts()", Pass}, kCosts); }

void CField::AddRatesOfReturn(int32_t lPrePostTaxOptIndex, const std::string& sCompanyIIRMin,
                              const std::string& sCompanyIIRMax, const std::string& sProjectIIRMin,
                              const std::string& sProjectIIRMax) {
    Add({"AddRatesOfReturn(lPrePostTaxOptIndex,sCompanyIIRMin,sCompanyIIRMax,sProjectIIRMin,sProjectIIRMax)",
         Pass},
        ERR_ARGS(lPrePostTaxOptIndex, sCompanyIIRMin, sCompanyIIRMax, sProjectIIRMin, sProjectIIRMax),
        kRatesOfReturn,
        {DecimalText(lPrePostTaxOptIndex), sCompanyIIRMin, sCompanyIIRMax, sProjectIIRMin, sProjectIIRMax});
}
void CField::ClearRatesOfReturnRanges() { Clear({"ClearRatesOfReturnRanges()", Pass}, kRatesOfReturn); }

void CField::AddGovernmentTake(int32_t lTotalRemainingOptIndex, int32_t lValuePercentOptIndex,
                               const std::string& sTakeMin, const std::string& sTakeMax) {
    Add({"AddGovernmentTake(lTotalRemainingOptIndex,lValuePercentOptIndex,sTakeMin,sTakeMax)", Pass},
        ERR_ARGS(lTotalRemainingOptIndex, lValuePercentOptIndex, sTakeMin, sTakeMax), kGovernmentTake,
        {DecimalText(lTotalRemainingOptIndex), DecimalText(lValuePercentOptIndex), sTakeMin, sTakeMax});
}
void CField::ClearGovernmentTakeRanges() { Clear({"ClearGovernmentTakeRanges()", Pass}, kGovernmentTake); }

void CField::AddGravityApi(const std::string& sMin, const std::string& sMax) {
    Add({"AddGravityApi(sMin,sMax)", Pass}, ERR_ARGS(sMin, sMax), kGravity, {sMin, sMax});
}
void CField::ClearGravityAPIRanges() { Clear({"ClearGravityAPIRanges()", Pass}, kGravity); }

void CField::AddCalorificValue(const std::string& sMin, const std::string& sMax, const std::string& sCategory,
                               const std::string& sUnit) {
    Add({"AddCalorificValue(sMin,sMax,sCategory,sUnit)", Pass}, ERR_ARGS(sMin, sMax, sCategory, sUnit),
        kCalorificValues, {sMin, sMax, sCategory, sUnit});
}
void CField::ClearCalorificValueRanges() { Clear({"ClearCalorificValueRanges()", Pass}, kCalorificValues); }

void CField::AddSulphur(const std::string& sMin, const std::string& sMax) {
    Add({"AddSulphur(sMin,sMax)", Pass}, ERR_ARGS(sMin, sMax), kSulphur, {sMin, sMax});
}
void CField::ClearSulphurRanges() { Clear({"ClearSulphurRanges()", Pass}, kSulphur); }

void CField::AddFieldReservoirAges(const std::string& sQueryMode, const Ref<cvCollection>& oCodes) {
    Run({"AddFieldReservoirAges(sQueryMode,oCodes)", End}, ERR_ARGS(sQueryMode, oCodes), [&] {
        // Entries "code|description" ("code|description|key" for level ALL),
        // written one by one: an entry short of a part stops the run, and
        // those before it stay written.
        const bool withKey = sQueryMode == "ALL";
        const int32_t n = oCodes->Count();
        for (int32_t i = 1; i <= n; ++i) {
            std::vector<std::string> parts = Split(oCodes->Item(Variant(i)).ToString(), "|");
            if (parts.size() < (withKey ? 3u : 2u)) Raise(rt::kSubscript);
            if (withKey)
                AddValues(kReservoirAgesWithKey, {parts[0], parts[1], sQueryMode, parts[2]});
            else
                AddValues(kReservoirAges, {parts[0], parts[1], sQueryMode});
        }
    });
}
void CField::ClearFieldReservoirAges() { Clear({"ClearFieldReservoirAges()", Pass}, kReservoirAges); }

void CField::AddFieldReservoirSearchString(const std::string& sCode) {
    AddSearch({"AddFieldReservoirSearchString(sCode)", Pass}, ERR_ARGS(sCode), kReservoirSearches, sCode);
}
void CField::ClearFieldReservoirSearchStrings() {
    Clear({"ClearFieldReservoirSearchStrings()", Pass}, kReservoirSearches);
}

void CField::AddFieldReservoirDepth(const std::string& sMin, const std::string& sMax,
                                    const std::string& sCategory, const std::string& sUnit) {
    Add({"AddFieldReservoirDepth(sMin,sMax,sCategory,sUnit)", Pass}, ERR_ARGS(sMin, sMax, sCategory, sUnit),
        kReservoirDepths, {sMin, sMax, sCategory, sUnit});
}
void CField::ClearFieldReservoirDepthRanges() {
    Clear({"ClearFieldReservoirDepthRanges()", Pass}, kReservoirDepths);
}

// ---- look-ups between domains

std::string CField::FieldCodesByBlock(const std::string& sBlockCodes) {
    return CodesByTemplate({"FieldCodesByBlock(sBlockCodes)", Pass}, ERR_ARGS(sBlockCodes), kCodesByBlock,
                           "<blockcodes>", sBlockCodes, "FIELD_CODE");
}

std::string CField::CodesByAge(const std::string& sColumnSql, const std::string& sCodesSql,
                               const std::string& sSectorsSql) {
    auto builder = New<CSQLBuilder>();
    builder->SetSQL(RequiredOption(kCodesByAge));
    if (!sSectorsSql.empty()) {
        builder->AddJoin(" INNER JOIN FieldSector ON FieldReservoir.Field_Code = FieldSector.Field_Code");
        builder->AddWhere("FieldSector.Sector_Code IN (" + sSectorsSql + ")", "AND");
    }
    builder->AddWhere("FieldReservoir." + sColumnSql + " IN(" + sCodesSql + ")", "AND");
    Ref<ADODB::Recordset> rs = gTools()->NewADODBRecordset();
    rs->Open(builder->SQL(), gDataManagerObject()->Connection(), 3, 1);
    std::string list;
    for (; !rs->Eof(); rs->MoveNext()) {
        Variant code = rs->Fields("FIELD_CODE").Value();
        if (!code.IsNull()) list += code.ToString() + ",";
    }
    rs->Close();
    return gTools()->Str()->TrimList(list, ",", 1);
}

std::string CField::FieldCodesByAge(const std::string& sAgeColumn, const std::string& sAgeCodes,
                                    const std::string& sSectorCodes) {
    return Run({"FieldCodesByAge(sAgeColumn,sAgeCodes,sSectorCodes)", Pass},
               ERR_ARGS(sAgeColumn, sAgeCodes, sSectorCodes), [&] {
                   // No code, no match: an empty list would leave the condition without its brackets.
                   if (Trim(sAgeCodes).empty()) return std::string();
                   return CodesByAge(SqlIdentifier(sAgeColumn).Text(), AgeCodesSql(sAgeCodes),
                                     SqlCodeList(sSectorCodes).Text());
               });
}

std::string CField::FieldReservoirAgeList(const std::string& sSectorCodes) {
    return Run({"FieldReservoirAgeList(sSectorCodes)", End}, ERR_ARGS(sSectorCodes), [&] {
        // The level of the first age names the column; the codes of every
        // age are read as stored and written for SQL here, as texts or as
        // numbers by that level.
        const std::string level = FieldReservoirAgeType(0);
        const AgeLevel* age = nullptr;
        for (const AgeLevel& a : kAgeLevels) {
            if (level == a.level) age = &a;
        }
        if (!age) return std::string();
        const std::string codes =
            gTools()->GetQueryParameterAttributeList(settings_, kRoot, kReservoirAges.section, "Code");
        // Nothing to look for: no statement, no match.
        if (codes.empty()) return std::string();
        const std::string column = age->column;
        try {
            return Run({"FieldCodesByAge(sAgeColumn,sAgeCodes,sSectorCodes)", Pass},
                       ERR_ARGS(column, codes, sSectorCodes), [&] {
                           return CodesByAge(SqlIdentifier(column).Text(),
                                             age->quoted ? SqlQuotedList(codes, "ReservoirAge@Code").Text()
                                                         : SqlCodeList(codes, "ReservoirAge@Code").Text(),
                                             SqlCodeList(sSectorCodes).Text());
                       });
        } catch (const Error& e) {
            // The engine gives up on a statement this large or complex.
            if (e.Number() == ERR_DB_E_FAIL || e.Number() == ERR_DB_E_INVALIDARG)
                Check(false, ERR_USER_WARNING, kTooLarge);
            throw;
        }
    });
}

const char* CField::AnnualTable() {
    return QueryInUse()->GrossNet() == "Net" ? "FieldAnnualTotal_Net" : "FieldAnnualTotal_Gross";
}

std::string CField::DistinctFieldCodes(const std::string& sSQL) {
    Ref<ADODB::Recordset> rs = gTools()->NewADODBRecordset();
    rs->Open(sSQL, gDataManagerObject()->Connection(), 3, 1);
    // Each field once, however many of its years qualify.
    std::string list = ",";
    for (; !rs->Eof(); rs->MoveNext()) {
        Variant value = rs->Fields("FIELD_CODE").Value();
        if (value.IsNull()) continue;
        std::string code = value.ToString();
        if (list.find("," + code + ",") == std::string::npos) list += code + ",";
    }
    rs->Close();
    return list.size() > 1 ? list.substr(1, list.size() - 2) : std::string();
}

std::string CField::FieldCodesByAnnualProduction(const std::string& sRangeName, const std::string& sRangeMax,
                                                 const std::string& sRangeMin, const std::string& sYear,
                                                 const std::string& sCategory, const std::string& sUnit,
                                                 const std::string& sFieldCodes) {
    return Run(
        {"FieldCodesByAnnualProduction(sRangeName,sRangeMax,sRangeMin,sYear,sCategory,sUnit,sFieldCodes)",
         End},
        ERR_ARGS(sRangeName, sRangeMax, sRangeMin, sYear, sCategory, sUnit, sFieldCodes), [&] {
            const std::string min = Trim(sRangeMin), max = Trim(sRangeMax);
            auto builder = New<CSQLBuilder>();
            builder->SetSQL(RequiredOption(kCodesByAnnual));
            builder->AddFrom(AnnualTable());
            builder->StartParamBlock();
            // A bound the host gave in its unit is compared in the
            // database's; an empty one is none, and one that is no number
            // is refused: leaving it out would widen the range.
            auto bound = [&](const std::string& text, const char* op) {
                if (text.empty()) return;
                builder->AddWhere(SqlIdentifier(sRangeName).Text() + op +
                                      render::ConvertedBound(text, {}, sCategory, sUnit),
                                  "AND");
            };
            bound(min, " >= ");
            bound(max, " <= ");
            builder->EndParamBlock();
            builder->AddWhere("Prod_Year = " + SqlNumber(sYear).Text(), "AND");
            if (!sFieldCodes.empty())
                builder->AddWhere("Field_Code IN (" + SqlCodeList(sFieldCodes).Text() + ")", "AND");
            return DistinctFieldCodes(builder->SQL());
        });
}

std::string CField::FieldCodesByAnnualResults(const std::string& sRangeName, const std::string& sRangeMax,
                                              const std::string& sRangeMin, const std::string& sYearMax,
                                              const std::string& sYearMin, const std::string& sFieldCodes) {
    return Run(
        {"FieldCodesByAnnualResults(sRangeName,sRangeMax,sRangeMin,sYearMax,sYearMin,sFieldCodes)", End},
        ERR_ARGS(sRangeName, sRangeMax, sRangeMin, sYearMax, sYearMin, sFieldCodes), [&] {
            auto builder = New<CSQLBuilder>();
            builder->SetSQL(RequiredOption(kCodesByAnnual));
            builder->AddFrom(AnnualTable());
            // The bounds are in the database's unit already; they and the
            // years must be numbers, the column a name.
            const bool values = !sRangeMin.empty() || !sRangeMax.empty();
            if (values) {
                const std::string column = SqlIdentifier(sRangeName).Text();
                builder->StartParamBlock();
                if (!sRangeMin.empty())
                    builder->AddWhere(column + " >= " + SqlNumber(sRangeMin).Text(), "AND");
                if (!sRangeMax.empty())
                    builder->AddWhere(column + " <= " + SqlNumber(sRangeMax).Text(), "AND");
                builder->EndParamBlock();
            }
            if (!sYearMin.empty() || !sYearMax.empty()) {
                if (values) builder->AddAnd();
                builder->StartParamBlock();
                if (!sYearMin.empty()) builder->AddWhere("Prod_Year >= " + SqlNumber(sYearMin).Text(), "AND");
                if (!sYearMax.empty()) builder->AddWhere("Prod_Year <= " + SqlNumber(sYearMax).Text(), "AND");
                builder->EndParamBlock();
            }
            if (!sFieldCodes.empty())
                builder->AddWhere("Field_Code IN (" + SqlCodeList(sFieldCodes).Text() + ")", "AND");
            return DistinctFieldCodes(builder->SQL());
        });
}
