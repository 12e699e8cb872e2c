#include "charts/CChartSeries.h"

#include "core/CTools.h"
#include "core/Globals.h"
#include "platform/runtime/Variant.h"

CChartSeries::CChartSeries() : axes_(gTools()->NewCollection()) {}

bool CChartSeries::VerticalPlot() { return CBool(Variant(verticalPlot_)); }

void CChartSeries::SetVerticalPlot(bool bValue) { verticalPlot_ = CStr(Variant(bValue)); }
