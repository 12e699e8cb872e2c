// The well step: well criteria, the narrowing run (with the hand-over to the
// host once per row) and the well result statement.
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

// The columns a geological reference may be found in.
constexpr const char* kGeologicalColumns[] = {
    "PRIMARY_ERA",       "SECONDARY_ERA",       "TDFORMATION_ERA",
    "PRIMARY_PERIOD",    "SECONDARY_PERIOD",    "TDFORMATION_PERIOD",
    "PRIMARY_FORMATION", "SECONDARY_FORMATION", "TDFORMATION_FORMATION"};

// Where the query file holds the values of each range.
constexpr render::RangeOf kWellDepthOf{"WellDepth@MinValue", "WellDepth@MaxValue", "WellDepth@CategoryID",
                                       "WellDepth@UnitID"};
constexpr render::RangeOf kWaterDepthOf{"WellWaterDepth@MinValue", "WellWaterDepth@MaxValue",
                                        "WellWaterDepth@CategoryID", "WellWaterDepth@UnitID"};

bool IsPosition(const std::string& s) { return s == "PRIMARY" || s == "SECONDARY" || s == "TDFORMATION"; }

// The column a well depth range names, in any letter case as column names
// are; any other name is refused, since leaving the range out would find
// wells of every depth.
const char* DepthColumn(const std::string& sName) {
    for (const char* column : {"MEASURED_DEPTH", "TRUE_VERTICAL_DEPTH"})
        if (EqualsNoCase(sName, column)) return column;
    RefuseValue(sName, "WellDepth@WellDepthName",
                "is not a well depth column: MEASURED_DEPTH or TRUE_VERTICAL_DEPTH.");
}

// The geological ages of the first item's position and level.
void AddGeologicalDetails(CSQLBuilder& b, IWell& well) {
    const std::string position = well.GeologicalDetailsFormationType(0);
    const std::string level = well.GeologicalDetailsQueryType(0);
    const bool all = level == "ALL";
    // Age codes are numbers, era, period and formation codes texts.
    const std::string codes =
        all ? render::Codes(well.GeologicalDetailsList(false), "GeologicalDetail@Code")
            : render::QuotedTexts(well.GeologicalDetailsList(true), "GeologicalDetail@Code");
    if (codes.empty()) return;
    if (IsPosition(position)) {
        const std::string column =
            all ? position + "_AGE_CODE"
                : render::Column(position + "_", level, "_CODE", "GeologicalDetail@QueryType");
        b.AddWhere(column + " IN (" + codes + ")", "AND");
    } else if (position == "ANY") {
        if (!all && level != "ERA" && level != "PERIOD" && level != "FORMATION") return;
        const std::string suffix = all ? "_AGE_CODE IN (" : "_" + level + "_CODE IN (";
        b.AddAnd();
        b.StartParamBlock();
        b.AddWhere("PRIMARY" + suffix + codes + ")");
        b.AddOr();
        b.AddWhere("SECONDARY" + suffix + codes + ")");
        b.AddOr();
        b.AddWhere("TDFORMATION" + suffix + codes + ")");
        b.EndParamBlock();
    }
}

}  // namespace

void CSQLRenderer::Well() {
    return PassOn("CSQLRenderer.Well(SQL)", ERR_ARGS(builder_->SQL()), [&] {
        const Ref<_cvDataManager>& root = gDataManagerObject();
        const Ref<IWell> well = WellCriteria();
        const bool companies = General()->CompanyCount() != 0;
        CSQLBuilder& b = *builder_;
        root->SetProgressMessage("Building Query (Well)");

        if (well->AssetCodeCount() >= 1)
            render::AddIn(b, "Well_Code IN (", render::Codes(well->AssetCodeList(), "AssetCode@Code"));
        // Every name pattern must match; a pattern is one literal
        // whatever it holds.
        for (int32_t i = 0, n = well->WellNameSearchCount(); i < n; ++i) {
            const std::string pattern = well->WellNameSearchString(i);
            if (!pattern.empty()) b.AddWhere("WELL_REFERENCE" + render::Like(pattern, true), "AND");
        }
        // With companies chosen, the company search has taken the chosen
        // wells in already.
        if (!companies && well->WellLocationsCount() >= 1)
            render::AddIn(b, "WELL_REFERENCE IN (",
                          render::QuotedTexts(well->WellLocationsList(), "WellLocation@Description"));
        const std::string discovery = well->DiscoveryType();
        if (discovery == "BOTH") {
            b.AddAnd();
            b.StartParamBlock();
            b.AddWhere("DISCOVERY_TYPE_CODE = \"COMM\"");
            b.AddOr();
            b.AddWhere("DISCOVERY_TYPE_CODE = \"TECH\"");
            b.EndParamBlock();
        } else if (!discovery.empty()) {
            b.AddWhere("DISCOVERY_TYPE_CODE = " + SqlText(discovery).Text(), "AND");
        }
        for (int32_t i = 0, n = well->DateRangeCount(); i < n; ++i)
            render::AddDateRange(b, well->DateRangeName(i), well->DateRangeMin(i), well->DateRangeMax(i));
        if (well->WellTypeCount() >= 1)
            render::AddIn(b, "WELL_TYPE_CODE IN (", render::QuotedTexts(well->WellTypeList(), "Type@Code"));
        if (well->WellStatusCount() >= 1)
            render::AddIn(b, "WELL_STATUS_CODE IN (",
                          render::QuotedTexts(well->WellStatusList(), "Status@Code"));
        if (well->WellResultCount() >= 1)
            render::AddIn(b, "WELL_RESULT_CODE IN (",
                          render::QuotedTexts(well->WellResultList(), "Result@Code"));
        if (well->BlockLocationsCount() >= 1)
            render::AddIn(b, "BLOCK_CODE IN (",
                          render::Codes(well->BlockLocationsList(), "BlockLocation@Code"));
        // The wells of the chosen fields, with companies chosen or not:
        // the company search knows nothing of fields.
        if (well->FieldLocationCount() >= 1) {
            const std::string fields = well->FieldLocationsList();
            const ValueOrigins origins{{fields, "FieldLocation@Code"}};
            const std::string wells = well->WellCodesByField(fields);
            if (wells.empty()) {
                b.SetSQL("0");
                return;
            }
            b.AddWhere("WELL_CODE IN (" + render::Codes(wells) + ")", "AND");
        }
        // A reference may be found in any of the columns; every one must be.
        for (int32_t i = 0, n = well->GeologicalReferenceSearchCount(); i < n; ++i) {
            const std::string pattern = well->GeologicalReferenceSearchString(i);
            if (pattern.empty()) continue;
            const std::string like = render::Like(pattern, false);
            b.AddAnd();
            b.StartParamBlock();
            bool first = true;
            for (const char* column : kGeologicalColumns) {
                if (!first) b.AddOr();
                first = false;
                b.AddWhere(column + like);
            }
            b.EndParamBlock();
        }
        if (well->GeologicalDetailsCount() >= 1) AddGeologicalDetails(b, *well);
        if (well->ShoreStatusCount() >= 1) render::AddShoreStatusGroup(b, *well);
        for (int32_t i = 0, n = well->WellClassificationCount(); i < n; ++i) {
            const std::string cond = well->WellClassification(i);
            if (cond.empty()) continue;
            b.AddAnd();
            b.StartParamBlock();
            b.AddWhere(cond);
            b.EndParamBlock();
        }
        for (int32_t i = 0, n = well->WellDepthCount(); i < n; ++i) {
            const std::string name = DepthColumn(well->WellDepthRangeFieldname(i));
            if (render::AddConvertedRange(b, name, name, well->WellDepthRangeMin(i),
                                          well->WellDepthRangeMax(i), well->WellDepthRangeCategory(i),
                                          well->WellDepthRangeUnit(i), kWellDepthOf))
                b.AddWhere(name + " IS NOT NULL", "AND");
        }
        for (int32_t i = 0, n = well->WaterDepthCount(); i < n; ++i) {
            if (render::AddConvertedRange(b, "WATER_DEPTH", "WATER_DEPTH", well->WaterDepthRangeMin(i),
                                          well->WaterDepthRangeMax(i), well->WaterDepthRangeCategory(i),
                                          well->WaterDepthRangeUnit(i), kWaterDepthOf))
                b.AddWhere("Water_Depth IS NOT NULL", "AND");
        }
        if (well->LicenseAwardDescriptorCount() >= 1)
            render::AddIn(
                b, "LICENCE_AWARD_DESC IN (",
                render::QuotedTexts(well->LicenseAwardDescriptorList(), "LicenceAwardDescriptor@Code"), ") ");
        if (well->LicenseAwardNumberCount() >= 1)
            render::AddIn(b, "LICENCE_ROUND IN (",
                          render::Codes(well->LicenseAwardNumberList(), "LicenceAwardNumber@Code"), ") ");
        if (well->LicenseAwardYearCount() >= 1)
            render::AddIn(b, "LICENCE_ROUND_YEAR IN (",
                          render::Codes(well->LicenseAwardYearList(), "LicenceAwardYear@Code"));
        if (well->RigTypeCount() >= 1)
            render::AddIn(b, "RIG_TYPE_CODE IN (", render::QuotedTexts(well->RigTypeList(), "RigType@Code"));
        if (well->RigNameCount() >= 1)
            render::AddIn(b, "RIG_CODE IN (", render::Codes(well->RigNameList(), "RigName@Code"));

        root->SetProgressValue(50);
        root->SetProgressMessage("Building Query (Reducing by Well)");
        b.SetDistinct(true);
        const Ref<ADODB::Recordset> rs = Open(b.SQL());
        if (rs->RecordCount() > 0) {
            CheckSize(rs->RecordCount());
            // In code order the rows of one well follow each other.
            rs->SetSort("Well_Code");
            std::string codes;
            if (!CollectCodesWithHandOver(*rs, "Well_Code", " Wells)", codes)) {
                b.SetSQL("");
                return;
            }
            rs->SetSort("");
            root->SetProgressCancel(false);
            b.SetSQL(gDataManager()->GetOption("SQL_WELL_RESULTS"));
            b.AddWhere("Well_Code IN (" + render::Codes(codes) + ")", "AND");
        } else {
            b.SetSQL("0");
        }
    });
}
