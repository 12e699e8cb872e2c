// The block step: licence-block criteria, the narrowing run and the block
// result statement.  Relinquished licence areas never match.
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/ICriteria.h"
#include "interfaces/IDataManager.h"
#include "interfaces/_cvDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"
#include "sql/CSQLBuilder.h"
#include "sql/CSQLRenderer.h"
#include "sql/RenderValues.h"
#include "sql/SqlValues.h"

namespace {

constexpr const char* kNotRelinquished = "(Licence_Area_Status_Code <> 'RELINQ')";

// Where the query file holds the values of each range.
constexpr render::RangeOf kWaterDepthOf{"WaterDepthRange@MinValue", "WaterDepthRange@MaxValue",
                                        "WaterDepthRange@CategoryID", "WaterDepthRange@UnitID"};
constexpr render::RangeOf kFallowYearOf{"FallowYearRange@MinValue", "FallowYearRange@MaxValue"};
constexpr render::RangeOf kSignatureBonusOf{"SignatureBonusRange@MinValue", "SignatureBonusRange@MaxValue"};
constexpr render::RangeOf kBlockAreaOf{"BlockAreaRange@MinValue", "BlockAreaRange@MaxValue",
                                       "BlockAreaRange@CategoryID", "BlockAreaRange@UnitID"};

// The licence types ("type" or "type_subtype" items) as one condition, the
// items joined by OR.
std::string LicenceTypeCondition(const std::string& sList) {
    std::string cond;
    for (const std::string& raw : Split(sList, ",")) {
        const std::string item = Trim(raw);
        if (item.empty()) continue;
        if (!cond.empty()) cond += " OR ";
        if (item.find('_') != std::string::npos) {
            const std::vector<std::string> parts = Split(item, "_");
            cond += "((Licence_Type_Code = " + SqlText(parts[0]).Text() +
                    ") AND (Licence_Sub_Type_Code = " + SqlText(parts[1]).Text() + "))";
        } else {
            cond += "(Licence_Type_Code = " + SqlText(item).Text() + ")";
        }
    }
    return cond;
}

}  // namespace

void CSQLRenderer::Block() {
    return PassOn("CSQLRenderer.Block(SQL)", ERR_ARGS(builder_->SQL()), [&] {
        const Ref<_cvDataManager>& root = gDataManagerObject();
        const Ref<IBlock> block = BlockCriteria();
        CSQLBuilder& b = *builder_;
        const std::string net = NetSuffix();
        root->SetProgressMessage("Building Query (Block)");

        if (block->AssetCodeCount() >= 1)
            render::AddIn(b, "Block_Code IN (", render::Codes(block->AssetCodeList(), "AssetCode@Code"));
        b.AddWhere(kNotRelinquished, "AND");
        if (General()->CompanyCount() == 0 && block->BlockLocationsCount() >= 1)
            render::AddIn(b, "Block_Code IN (",
                          render::Codes(block->BlockLocationsList(), "BlockLocation@Code"));
        if (block->LicenceReferenceCount() >= 1)
            render::AddIn(b, "Licence_Reference IN (",
                          render::QuotedTexts(block->LicenceReferenceList(), "LicenceReference@Code"));
        if (block->AwardNumberCount() >= 1)
            render::AddIn(b, "Licence_Round IN (",
                          render::Codes(block->AwardNumberList(), "LicenceAwardNumber@Code"), ") ");
        if (block->AwardYearCount() >= 1)
            render::AddIn(b, "Licence_Round_Year IN (",
                          render::Codes(block->AwardYearList(), "LicenceAwardYear@Code"), ") ");
        if (block->AwardDescriptorCount() >= 1)
            render::AddIn(b, "Licence_Award_Desc IN (",
                          render::QuotedTexts(block->AwardDescriptorList(), "LicenceAwardDescriptor@Code"));
        for (int32_t i = 0, n = block->DateRangeCount(); i < n; ++i)
            render::AddDateRange(b, block->DateRangeName(i), block->DateRangeMin(i), block->DateRangeMax(i));
        if (block->ShoreStatusCount() >= 1) render::AddShoreStatusGroup(b, *block);

        // A block's depth runs from its minimum to its maximum: it matches a
        // range that its interval overlaps.
        bool any = false;
        for (int32_t i = 0, n = block->WaterDepthCount(); i < n; ++i)
            any |= render::AddConvertedRange(b, "Water_Depth_Max", "Water_Depth_Min",
                                             block->WaterDepthRangeMin(i), block->WaterDepthRangeMax(i),
                                             block->WaterDepthRangeCategory(i), block->WaterDepthRangeUnit(i),
                                             kWaterDepthOf);
        if (any) b.AddWhere("((Water_Depth_Max IS NOT NULL) AND (Water_Depth_Min IS NOT NULL))", "AND");

        if (block->LicenceTypeCount() >= 1) {
            const std::string cond = LicenceTypeCondition(block->LicenceTypeList());
            if (!cond.empty()) {
                b.AddAnd();
                b.StartParamBlock();
                b.AddWhere(cond);
                b.EndParamBlock();
            }
        }
        if (block->LicenceAreaStatusCount() >= 1)
            render::AddIn(b, "Licence_Area_Status_Code IN (",
                          render::QuotedTexts(block->LicenceAreaStatusList(), "LicenceAreaStatus@Code"));
        if (block->LicenceStatusCount() >= 1)
            render::AddIn(b, "Licence_Status_Code IN (",
                          render::QuotedTexts(block->LicenceStatusList(), "LicenceStatus@Code"));

        // Ranges without unit, then the area, each kind closed by one test
        // that keeps blocks without a value out.
        any = false;
        for (int32_t i = 0, n = block->FallowYearCount(); i < n; ++i)
            any |= render::AddBoundRange(b, "Fallow_No_Year", block->FallowYearRangeMin(i),
                                         block->FallowYearRangeMax(i), kFallowYearOf);
        if (any) b.AddWhere("Fallow_No_Year IS NOT NULL", "AND");
        const std::string bonus = "Signature_Bonus" + net;
        any = false;
        for (int32_t i = 0, n = block->SignatureBonusCount(); i < n; ++i)
            any |= render::AddBoundRange(b, bonus, block->SignatureBonusRangeMin(i),
                                         block->SignatureBonusRangeMax(i), kSignatureBonusOf);
        if (any) b.AddWhere(bonus + " IS NOT NULL", "AND");
        const std::string area = "Block_Area" + net;
        any = false;
        for (int32_t i = 0, n = block->BlockAreaCount(); i < n; ++i)
            any |= render::AddConvertedRange(b, area, area, block->BlockAreaRangeMin(i),
                                             block->BlockAreaRangeMax(i), block->BlockAreaRangeCategory(i),
                                             block->BlockAreaRangeUnit(i), kBlockAreaOf);
        if (any) b.AddWhere(area + " IS NOT NULL", "AND");

        // Every reference pattern must match; a pattern is one literal
        // whatever it holds.
        for (int32_t i = 0, n = block->BlockReferenceCount(); i < n; ++i) {
            const std::string pattern = block->BlockReferenceString(i);
            if (!pattern.empty()) b.AddWhere("Block_Reference" + render::Like(pattern, true), "AND");
        }

        root->SetProgressMessage("Building Query (Reducing by Blocks)");
        root->SetProgressValue(50);
        const Ref<ADODB::Recordset> rs = Open(b.SQL());
        if (rs->RecordCount() > 0) {
            CheckSize(rs->RecordCount());
            const std::string codes = DistinctCodes(*rs, "Block_Code");
            b.SetSQL(gDataManager()->GetOption("SQL_BLOCK_RESULTS"));
            b.AddWhere("Block_Code IN (" + render::Codes(codes) + ")", "AND");
            b.AddWhere(kNotRelinquished, "AND");
        } else {
            b.SetSQL("0");
        }
    });
}
