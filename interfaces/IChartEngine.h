#pragma once
// The chart engine.  The manifest, Initialise and LoadChart arrive with the
// chart work.
#include <string>

#include "platform/runtime/Object.h"

class IChartEngine : public virtual Object {
public:
    // The folder of the chart definition files; "" until set.  Not checked.
    virtual std::string ChartDefinitionFolder() = 0;
    virtual void SetChartDefinitionFolder(const std::string& sValue) = 0;
};
