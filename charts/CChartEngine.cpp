#include "charts/CChartEngine.h"

#include "core/ErrorHandler.h"

std::string CChartEngine::ChartDefinitionFolder() {
    return PassOn("CChartEngine.IChartEngine_ChartDefinitionFolder()", ERR_ARGS(),
                  [&] { return chartDefinitionFolder_; });
}

void CChartEngine::SetChartDefinitionFolder(const std::string& sValue) {
    PassOn("CChartEngine.IChartEngine_ChartDefinitionFolder(sValue)", ERR_ARGS(sValue),
           [&] { chartDefinitionFolder_ = sValue; });
}
