// The field step: field criteria, the narrowing run (with the hand-over to
// the host once per row), the annual narrowing and the field result
// statement.
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/HuntERR31.h"
#include "interfaces/ICriteria.h"
#include "interfaces/IDataManager.h"
#include "interfaces/_cvDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "sql/CSQLBuilder.h"
#include "sql/CSQLRenderer.h"
#include "sql/RenderValues.h"
#include "sql/SqlValues.h"

namespace {

// A statement this short holds no condition: a field query whose only
// criteria are annual ones takes its codes from the annual figures alone.
constexpr size_t kShortStatement = 35;

// The technical (contingent) column added to a recoverable or remaining
// volume column: REC_R_x beside TECH_REC_R_x, REM_R_x_TOTAL beside
// TECH_REM_x_TOTAL; "" for any other column.
std::string TechnicalColumn(const std::string& sName) {
    const std::string upper = UCase(sName);
    const std::string start = upper.substr(0, 6);
    if (start != "REC_R_" && start != "REM_R_") return "";
    const std::string prefix = start.substr(0, 4);
    if (EndsWith(upper, "_TOTAL")) return Replace(sName, prefix + "R_", "TECH_" + prefix);
    return "TECH_" + sName;
}

// The government-take column of a method (0 total, 1 remaining) and a type
// (0 value, 1 percentage); "" for any other.
const char* GovernmentTakeColumn(int32_t lMethod, int32_t lType) {
    if (lMethod == 0 && lType == 0) return "TOTAL_GOVT_TAKE_USD";
    if (lMethod == 0 && lType == 1) return "TOTAL_GOVT_TAKE_PERC";
    if (lMethod == 1 && lType == 0) return "REM_GOVT_TAKE_USD";
    if (lMethod == 1 && lType == 1) return "REM_GOVT_TAKE_PERC";
    return "";
}

// A range of bounds as entered on one column, followed by its not-null test.
void AddPlainRange(CSQLBuilder& b, const std::string& sColumn, const std::string& sMin,
                   const std::string& sMax, const std::string& sNotNull, const render::RangeOf& of) {
    if (render::AddBoundRange(b, sColumn, sMin, sMax, of)) b.AddWhere(sNotNull, "AND");
}

// Where the query file holds the values of each range.
constexpr render::RangeOf kWaterDepthOf{"WaterDepthRange@MinValue", "WaterDepthRange@MaxValue",
                                        "WaterDepthRange@CategoryID", "WaterDepthRange@UnitID"};
constexpr render::RangeOf kPVOf{"PVRange@BoundaryMinimum", "PVRange@BoundaryMaximum"};
constexpr render::RangeOf kCompanyRateOf{"RatesOfReturnRange@CompanyIIRRangeMinimum",
                                         "RatesOfReturnRange@CompanyIIRRangeMaximum"};
// The project bounds stand under each other's names.
constexpr render::RangeOf kProjectRateOf{"RatesOfReturnRange@ProjectIIRRangeMaximum",
                                         "RatesOfReturnRange@ProjectIIRRangeMinimum"};
constexpr render::RangeOf kGovernmentTakeOf{"GovernmentTakeRange@MinValue", "GovernmentTakeRange@MaxValue"};
constexpr render::RangeOf kGravityOf{"APIRange@MinValue", "APIRange@MaxValue"};
constexpr render::RangeOf kCalorificValueOf{"CalorifivValueRange@MinValue", "CalorifivValueRange@MaxValue",
                                            "CalorifivValueRange@CategoryID", "CalorifivValueRange@UnitID"};
constexpr render::RangeOf kSulphurOf{"SulphurRange@MinValue", "SulphurRange@MaxValue"};
constexpr render::RangeOf kReservoirDepthOf{"ReservoirDepthRange@MinValue", "ReservoirDepthRange@MaxValue",
                                            "ReservoirDepthRange@CategoryID", "ReservoirDepthRange@UnitID"};
constexpr render::RangeOf kCostsOf{"CostRange@BoundaryMinimum", "CostRange@BoundaryMaximum"};

}  // namespace

void CSQLRenderer::Field() {
    return PassOn("CSQLRenderer.Field(SQL)", ERR_ARGS(builder_->SQL()), [&] {
        const Ref<_cvDataManager>& root = gDataManagerObject();
        const Ref<IField> field = FieldCriteria();
        const Ref<IGeneral> general = General();
        // With companies chosen, the company search has taken the chosen
        // fields and blocks in already.
        const bool companies = general->CompanyCount() != 0;
        const std::string net = NetSuffix();
        CSQLBuilder& b = *builder_;
        std::string fieldCodes;
        root->SetProgressMessage("Building Query (Fields)");

        if (field->QZMnemonicCount() >= 1)
            render::AddIn(b, "A.EVMnemonic IN (",
                          render::QuotedTexts(field->QZMnemonicList(), "QZMnemonic@ID"));
        if (field->AssetCodeCount() >= 1)
            render::AddIn(b, "A.Field_Code IN (", render::Codes(field->AssetCodeList(), "AssetCode@Code"));
        // Every name pattern must match; a pattern is one literal whatever
        // it holds.
        for (int32_t i = 0, n = field->FieldNameCount(); i < n; ++i) {
            const std::string pattern = field->FieldNameSearchString(i);
            if (!pattern.empty()) b.AddWhere("A.FIELD_NAME" + render::Like(pattern, true), "AND");
        }
        if (field->GroupingFilterControlID() >= 0) {
            const std::string type = field->GroupingFilterType();
            if (type == "Groupings")
                b.AddWhere("A.FIELD_GROUPING_CODE IS NULL", "AND");
            else if (type == "Underlyings")
                b.AddWhere("A.FIELD_GROUPING = FALSE", "AND");
            else if (type == "UnderlyingsOnly")
                b.AddWhere("A.FIELD_GROUPING_CODE IS NOT NULL", "AND");
        }
        if (!companies && field->FieldCount() >= 1)
            render::AddIn(b, "A.FIELD_CODE IN (",
                          render::Codes(field->FieldLocationsList(), "FieldLocation@Code"));
        if (field->FieldTypeCount() >= 1)
            render::AddIn(b, "FIELD_TYPE_CODE IN (",
                          render::QuotedTexts(field->FieldTypeList(), "FieldType@Code"));
        if (field->DevelopmentStatusCount() >= 1)
            render::AddIn(b, "DEV_STATUS_CODE IN (",
                          render::QuotedTexts(field->DevelopmentStatusList(), "DevelopmentStatus@Code"));
        if (field->DevelopmentTypeCount() >= 1)
            render::AddIn(b, "DEV_TYPE_CODE IN (",
                          render::QuotedTexts(field->DevelopmentTypeList(), "DevelopmentType@Code"));
        if (field->ShoreStatusCount() >= 1) render::AddShoreStatusGroup(b, *field);
        root->SetProgressValue(35);

        // Water depth bounds compare the gross column; one not-null test
        // follows all the ranges.
        bool any = false;
        for (int32_t i = 0, n = field->WaterDepthCount(); i < n; ++i)
            any |= render::AddConvertedRange(b, "WATER_DEPTH", "WATER_DEPTH", field->WaterDepthRangeMin(i),
                                             field->WaterDepthRangeMax(i), field->WaterDepthRangeCategory(i),
                                             field->WaterDepthRangeUnit(i), kWaterDepthOf);
        if (any) b.AddWhere("Water_Depth" + net + " IS NOT NULL", "AND");
        for (int32_t i = 0, n = field->DateRangeCount(); i < n; ++i)
            render::AddDateRange(b, field->DateRangeName(i), field->DateRangeMin(i), field->DateRangeMax(i));
        if (!companies && field->BlockLocationsCount() >= 1) {
            const std::string blocks = field->BlockLocationsList();
            const ValueOrigins origins{{blocks, "BlockLocation@Code"}};
            const std::string codes = field->FieldCodesByBlock(blocks);
            // Blocks without a field: nothing can match.
            if (codes.empty()) {
                b.SetSQL("0");
                return;
            }
            b.AddWhere("A.FIELD_CODE IN (" + render::Codes(codes) + ")", "AND");
        }
        root->SetProgressValue(40);

        for (int32_t i = 0, n = field->PVCount(); i < n; ++i) {
            const std::string name = field->PVRangeFieldname(i);
            const std::string min = field->PVRangeMin(i), max = field->PVRangeMax(i);
            if (min.empty() && max.empty()) continue;
            const std::string column = render::Column("", name, net, "PVRange@FieldName");
            render::AddRangeGroup(b, min.empty() ? "" : column + " >= " + render::Bound(min, kPVOf.min),
                                  max.empty() ? "" : column + " <= " + render::Bound(max, kPVOf.max),
                                  render::Column(name, "PVRange@FieldName") + " IS NOT NULL ");
        }
        for (int32_t i = 0, n = field->RatesOfReturnCount(); i < n; ++i) {
            // Pre-tax rates are the project's only; a type of neither kind
            // names no column and is left out.
            const int32_t type = field->RatesOfReturnType(i);
            if (type != 0 && type != 1) continue;
            if (type == 1)
                AddPlainRange(b, "POST_TAX_IRR_COMPANY", field->RatesOfReturnCompanyRangeMin(i),
                              field->RatesOfReturnCompanyRangeMax(i), "POST_TAX_IRR_COMPANY IS NOT NULL",
                              kCompanyRateOf);
            const std::string project = type == 1 ? "POST_TAX_IRR" : "PRE_TAX_IRR";
            AddPlainRange(b, project, field->RatesOfReturnProjectRangeMin(i),
                          field->RatesOfReturnProjectRangeMax(i), project + " IS NOT NULL", kProjectRateOf);
        }
        for (int32_t i = 0, n = field->GovernmentTakeCount(); i < n; ++i) {
            const std::string column =
                GovernmentTakeColumn(field->GovernmentTakeMethod(i), field->GovernmentTakeType(i));
            if (column.empty()) continue;
            AddPlainRange(b, column + net, field->GovernmentTakeRangeMin(i), field->GovernmentTakeRangeMax(i),
                          column + net + " IS NOT NULL", kGovernmentTakeOf);
        }
        for (int32_t i = 0, n = field->GravityCount(); i < n; ++i)
            AddPlainRange(b, "API_ACTUAL", field->GravityRangeMin(i), field->GravityRangeMax(i),
                          "Api_Actual IS NOT NULL", kGravityOf);
        for (int32_t i = 0, n = field->CalorificValueCount(); i < n; ++i)
            if (render::AddConvertedRange(b, "CALORIFIC_VALUE_ACTUAL", "CALORIFIC_VALUE_ACTUAL",
                                          field->CalorificValueRangeMin(i), field->CalorificValueRangeMax(i),
                                          field->CalorificValueRangeCategory(i),
                                          field->CalorificValueRangeUnit(i), kCalorificValueOf))
                b.AddWhere("CALORIFIC_VALUE_ACTUAL IS NOT NULL", "AND");
        for (int32_t i = 0, n = field->SulphurCount(); i < n; ++i)
            AddPlainRange(b, "SULPHUR_ACTUAL", field->SulphurRangeMin(i), field->SulphurRangeMax(i),
                          "SULPHUR_ACTUAL IS NOT NULL ", kSulphurOf);
        if (field->FieldReservoirAgeCount() >= 1) {
            const std::string sectors = general->LocationSectorCodeList();
            const ValueOrigins origins{{sectors, "Sector@SectorCode"}};
            fieldCodes = field->FieldReservoirAgeList(sectors);
            if (fieldCodes.empty()) {
                b.SetSQL("0");
                return;
            }
            b.AddWhere("A.FIELD_CODE IN (" + render::Codes(fieldCodes) + ")", "AND");
        }
        for (int32_t i = 0, n = field->FieldReservoirSearchCount(); i < n; ++i) {
            const std::string pattern = field->FieldReservoirSearchString(i);
            if (!pattern.empty()) b.AddWhere("RESERVOIR_AGE" + render::Like(pattern, false), "AND");
        }
        for (int32_t i = 0, n = field->ReservoirDepthCount(); i < n; ++i)
            if (render::AddConvertedRange(b, "RESERVOIR_DEPTH", "RESERVOIR_DEPTH",
                                          field->ReservoirDepthRangeMin(i), field->ReservoirDepthRangeMax(i),
                                          field->ReservoirDepthRangeCategory(i),
                                          field->ReservoirDepthRangeUnit(i), kReservoirDepthOf))
                b.AddWhere("Reservoir_Depth" + net + " IS NOT NULL", "AND");
        for (int32_t i = 0, n = field->ReservesAndProductionCount(); i < n; ++i) {
            // One production year is answered from the annual figures.
            if (field->ProductionType(i) == 2) continue;
            const std::string name = field->ReservesAndProductionRangeName(i);
            const std::string category = field->ReservesAndProductionRangeCategory(i),
                              unit = field->ReservesAndProductionRangeUnit(i);
            const std::string min = field->ReservesAndProductionRangeMin(i),
                              max = field->ReservesAndProductionRangeMax(i);
            if (min.empty() && max.empty()) continue;
            render::CheckUnit(category, unit, render::kReservesOf);
            const std::string column = render::Column("", name, net, "ReservesAndProduction@FieldName");
            const std::string technical = TechnicalColumn(name);
            const std::string techColumn =
                technical.empty() ? ""
                                  : render::Column("", technical, net, "ReservesAndProduction@FieldName");
            // A volume with a technical part is compared with both added up,
            // a missing value counting as 0.
            const std::string compared = technical.empty()
                                             ? column
                                             : "iif(" + column + " IS NULL,0," + column + ") + iif(" +
                                                   techColumn + " IS NULL,0," + techColumn + ")";
            b.AddAnd();
            b.StartParamBlock();
            if (!min.empty()) {
                b.StartParamBlock();
                b.AddWhere(
                    compared + " >= " + render::ConvertedBound(min, render::kReservesOf.min, category, unit),
                    "AND");
                b.EndParamBlock();
            }
            if (!max.empty()) {
                if (!min.empty()) b.AddAnd();
                b.StartParamBlock();
                b.AddWhere(
                    compared + " <= " + render::ConvertedBound(max, render::kReservesOf.max, category, unit),
                    "AND");
                b.EndParamBlock();
            }
            b.AddAnd();
            b.StartParamBlock();
            b.AddWhere(column + " IS NOT NULL ");
            if (!technical.empty()) b.AddWhere(techColumn + " IS NOT NULL", "OR");
            b.EndParamBlock();
            b.EndParamBlock();
        }
        for (int32_t i = 0, n = field->CostsCount(); i < n; ++i) {
            // A span of years is answered from the annual figures.
            if (field->CostsMode(i) == 2) continue;
            const std::string column =
                render::Column("", field->CostsRangeName(i), net, "CostRange@FieldName");
            const std::string min = field->CostsRangeMin(i), max = field->CostsRangeMax(i);
            if (render::AddRangeGroup(b,
                                      max.empty() ? "" : column + " <= " + render::Bound(max, kCostsOf.max),
                                      min.empty() ? "" : column + " >= " + render::Bound(min, kCostsOf.min)))
                b.AddWhere(column + " IS NOT NULL", "AND");
        }
        root->SetProgressValue(50);
        root->SetProgressMessage("Building Query (Reducing by Field)");

        bool annual = false;
        for (int32_t i = 0, n = field->ReservesAndProductionCount(); i < n && !annual; ++i)
            annual = field->ReserveType(i) == 2 && field->ProductionType(i) == 2;
        for (int32_t i = 0, n = field->CostsCount(); i < n && !annual; ++i) annual = field->CostsMode(i) == 2;

        std::string codes;
        if (annual && b.SQL().size() < kShortStatement) {
            codes = GetAnnualAssetCodes(fieldCodes);
        } else {
            const Ref<ADODB::Recordset> rs = Open(b.SQL());
            if (rs->RecordCount() > 0) {
                CheckSize(rs->RecordCount());
                if (!CollectCodesWithHandOver(*rs, "Field_Code", " Fields)", codes)) {
                    b.SetSQL("");
                    return;
                }
                codes = GetAnnualAssetCodes(codes);
            }
        }
        if (codes == ",") codes.clear();
        if (codes.empty()) {
            b.SetSQL("0");
        } else {
            // The annual figures may have answered alone, for any number of
            // fields.
            CheckSize(render::ItemCount(codes));
            b.SetSQL(gDataManager()->GetOption("SQL_FIELD_RESULTS"));
            b.AddWhere("Field_Code IN (" + render::Codes(codes) + ")", "AND");
        }
    });
}
