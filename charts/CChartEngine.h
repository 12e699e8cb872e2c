#pragma once
// The entry point of the chart subsystem: the root makes one and hands it
// out as IDataManager.Charts.  Nothing happens when it is made; the host
// initialises it with the manifest file and the chart definition folder.
#include <string>

#include "interfaces/IChartEngine.h"
#include "interfaces/ISettings2.h"

class CChartEngine final : public IChartEngine {
public:
    CChartEngine() = default;

    std::string TypeName() const override { return "CChartEngine"; }

private:
    std::string chartDefinitionFolder_;
    Ref<ISettings2> reader_;  // the document the last chart definition was read into
};
