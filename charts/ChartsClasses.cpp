#include "charts/ChartsClasses.h"

#include "charts/CChart.h"
#include "charts/CChartAxis.h"
#include "charts/CChartLabel.h"
#include "charts/CChartLegend.h"
#include "charts/CChartManifest.h"
#include "charts/CChartQuery.h"
#include "charts/CChartSeries.h"
#include "charts/CChartStyle.h"
#include "core/CreateObject.h"

void RegisterChartsClasses() {
    RegisterClass(CChart::kProgID, MakeFactory<CChart>());
    RegisterClass(CChartQuery::kProgID, MakeFactory<CChartQuery>());
    RegisterClass(CChartSeries::kProgID, MakeFactory<CChartSeries>());
    RegisterClass(CChartAxis::kProgID, MakeFactory<CChartAxis>());
    RegisterClass(CChartStyle::kProgID, MakeFactory<CChartStyle>());
    RegisterClass(CChartLabel::kProgID, MakeFactory<CChartLabel>());
    RegisterClass(CChartLegend::kProgID, MakeFactory<CChartLegend>());
    RegisterClass(CChartManifest::kProgID, MakeFactory<CChartManifest>());
}
