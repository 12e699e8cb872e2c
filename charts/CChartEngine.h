#pragma once
// The entry point of the chart subsystem: the root makes one and hands it
// out as IDataManager.Charts.  Nothing happens when it is made: the folder
// of the chart definitions stays empty until the host sets it.  Every member
// passes its errors on; the engine shows nothing itself.
#include <string>

#include "interfaces/IChartEngine.h"

class CChartEngine final : public IChartEngine {
public:
    std::string ChartDefinitionFolder() override;
    void SetChartDefinitionFolder(const std::string& sValue) override;

    std::string TypeName() const override { return "CChartEngine"; }

private:
    std::string chartDefinitionFolder_;
};
