// The annual narrowing of a field query: one-year reserves and production
// ranges and spans of cost years, answered from the annual figures.
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/ICriteria.h"
#include "interfaces/_cvDataManager.h"
#include "platform/toolslib/cvStrings.h"
#include "sql/CSQLRenderer.h"

std::string CSQLRenderer::GetAnnualAssetCodes(const std::string& sAssetCodes) {
    return PassOn(
        "CSQLRenderer.GetAnnualAssetCodes(sAssetCodes)", ERR_ARGS(sAssetCodes), [&]() -> std::string {
            const Ref<_cvDataManager>& root = gDataManagerObject();
            const Ref<IField> field = FieldCriteria();
            // Each look-up keeps only the codes the one before it gave: a field
            // must meet every annual criterion.  An empty list restricts nothing.
            std::string list = sAssetCodes;
            const int32_t ranges = field->ReservesAndProductionCount();
            if (ranges >= 1) {
                root->SetProgressMessage("Building Query (Reserves && Production)");
                for (int32_t i = 0; i < ranges; ++i) {
                    if (field->ReserveType(i) != 2 || field->ProductionType(i) != 2) continue;
                    list = field->FieldCodesByAnnualProduction(
                        field->ReservesAndProductionRangeName(i), field->ReservesAndProductionRangeMax(i),
                        field->ReservesAndProductionRangeMin(i), field->ReservesAndProductionYear(i),
                        field->ReservesAndProductionRangeCategory(i),
                        field->ReservesAndProductionRangeUnit(i), list);
                    if (list.empty()) return "";
                }
            }
            root->SetProgressValue(75);
            const int32_t costs = field->CostsCount();
            if (costs >= 1) {
                root->SetProgressMessage("Building Query (Costs)");
                for (int32_t i = 0; i < costs; ++i) {
                    if (field->CostsMode(i) != 2) continue;
                    list = field->FieldCodesByAnnualResults(field->CostsRangeName(i), field->CostsRangeMax(i),
                                                            field->CostsRangeMin(i), field->CostsYearMax(i),
                                                            field->CostsYearMin(i), list);
                    if (list.empty()) return "";
                }
            }
            list = gTools()->Str()->TrimList(list, ",", 1);
            root->SetProgressValue(90);
            return list;
        });
}
