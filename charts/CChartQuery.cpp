#include "charts/CChartQuery.h"

#include "core/CTools.h"
#include "core/Globals.h"

CChartQuery::CChartQuery() : series_(gTools()->NewCollection()) {}
