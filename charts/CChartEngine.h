#pragma once
// The entry point of the chart subsystem: the root makes one and hands it
// out as IDataManager.Charts.  Nothing happens when it is made: the folder
// of the chart definitions stays empty and there is no manifest until the
// host initialises it.  It reads chart definition files into new charts;
// nothing in the library writes them.  Every member passes its errors on;
// the engine shows nothing itself.
#include <string>

#include "interfaces/IChartEngine.h"
#include "interfaces/IChartManifest.h"
#include "interfaces/ISettings2.h"
#include "platform/runtime/cvCollection.h"

class CChartEngine final : public IChartEngine {
public:
    Ref<IChartManifest> Manifest() override;
    std::string ChartDefinitionFolder() override;
    void SetChartDefinitionFolder(const std::string& sValue) override;
    void Initialise(const std::string& sManifestLocation, const std::string& sChartDefinitionFolder) override;
    Ref<IChart> LoadChart(const std::string& sChartDefinition) override;

    std::string TypeName() const override { return "CChartEngine"; }

private:
    // One reader per container: each child of the container's node is one
    // item, whatever its element name, read whole (depth first) before the
    // next, into a new collection.
    Ref<cvCollection> ParseQueries(const Ref<ISettings2>& oNode);
    Ref<cvCollection> ParseSeries(const Ref<ISettings2>& oView);
    Ref<cvCollection> ParseAxes(const Ref<ISettings2>& oNode);
    Ref<cvCollection> ParseStyles(const Ref<ISettings2>& oNode);

    std::string chartDefinitionFolder_;
    Ref<IChartManifest> manifest_;
    Ref<ISettings2> reading_;
};
