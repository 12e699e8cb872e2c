#include "charts/CChartAxis.h"

#include "charts/ChartUnitDetails.h"

void CChartAxis::ParseUnitDetails() { ReadUnitDetails(columnName_, gridName_, category_, defaultUnit_); }
