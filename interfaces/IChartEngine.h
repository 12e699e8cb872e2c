#pragma once
// The chart engine: where the chart definitions lie.
#include <string>

#include "platform/runtime/Object.h"

class IChartEngine : public virtual Object {
public:
    // The folder of the chart definition files; "" until set; passes any error on.
    virtual std::string ChartDefinitionFolder() = 0;
    // Replaces the folder, unchecked; passes any error on.
    virtual void SetChartDefinitionFolder(const std::string& sValue) = 0;
};
