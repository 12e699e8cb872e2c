// The annual narrowing of a field query: one-year reserves and production
// ranges and spans of cost years, answered from the annual figures.
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/HuntERR31.h"
#include "interfaces/ICriteria.h"
#include "interfaces/_cvDataManager.h"
#include "platform/toolslib/cvStrings.h"
#include "sql/CSQLRenderer.h"
#include "sql/RenderValues.h"

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
                    const std::string name = field->ReservesAndProductionRangeName(i),
                                      max = field->ReservesAndProductionRangeMax(i),
                                      min = field->ReservesAndProductionRangeMin(i),
                                      year = field->ReservesAndProductionYear(i),
                                      category = field->ReservesAndProductionRangeCategory(i),
                                      unit = field->ReservesAndProductionRangeUnit(i);
                    // The look-up refuses what it cannot use without knowing
                    // where the query file holds it; the refusal names it.
                    const ValueOrigins origins{{name, "ReservesAndProduction@FieldName"},
                                               {year, "ReservesAndProduction@ProductionYear"},
                                               {min, render::kReservesOf.min},
                                               {max, render::kReservesOf.max}};
                    if (!min.empty() || !max.empty()) render::CheckUnit(category, unit, render::kReservesOf);
                    list = field->FieldCodesByAnnualProduction(name, max, min, year, category, unit, list);
                    if (list.empty()) return "";
                }
            }
            root->SetProgressValue(75);
            const int32_t costs = field->CostsCount();
            if (costs >= 1) {
                root->SetProgressMessage("Building Query (Costs)");
                for (int32_t i = 0; i < costs; ++i) {
                    if (field->CostsMode(i) != 2) continue;
                    const std::string name = field->CostsRangeName(i), max = field->CostsRangeMax(i),
                                      min = field->CostsRangeMin(i), yearMax = field->CostsYearMax(i),
                                      yearMin = field->CostsYearMin(i);
                    const ValueOrigins origins{{name, "CostRange@FieldName"},
                                               {min, "CostRange@BoundaryMinimum"},
                                               {max, "CostRange@BoundaryMaximum"},
                                               {yearMin, "CostRange@YearMin"},
                                               {yearMax, "CostRange@YearMax"}};
                    list = field->FieldCodesByAnnualResults(name, max, min, yearMax, yearMin, list);
                    if (list.empty()) return "";
                }
            }
            list = gTools()->Str()->TrimList(list, ",", 1);
            root->SetProgressValue(90);
            return list;
        });
}
