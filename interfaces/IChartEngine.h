#pragma once
// The chart engine; its members arrive with the chart work.
#include "platform/runtime/Object.h"

class IChartEngine : public virtual Object {};
