#include "charts/CChartEngine.h"

#include "core/Neighbours.h"

Ref<IChartEngine> NewChartEngine() { return New<CChartEngine>(); }
