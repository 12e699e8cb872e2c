#pragma once
// The chart engine: the one entry point of the charts.  The host initialises
// it with a manifest and a folder of chart definitions, lets the manifest fill
// a tree of the charts on offer and loads the chart the user picks.
#include <string>

#include "platform/runtime/Object.h"

class IChartManifest;
class IChart;

class IChartEngine : public virtual Object {
public:
    // The manifest the last Initialise made; Nothing before the first; passes any error on.
    virtual Ref<IChartManifest> Manifest() = 0;
    // The folder of the chart definition files; "" until set; passes any error on.
    virtual std::string ChartDefinitionFolder() = 0;
    // Replaces the folder, unchecked; passes any error on.
    virtual void SetChartDefinitionFolder(const std::string& sValue) = 0;
    // Makes a new manifest from the file and keeps it (also when its reading fails), then stores the
    // folder; passes any error of the manifest on, the earlier folder then staying.
    virtual void Initialise(const std::string& sManifestLocation,
                            const std::string& sChartDefinitionFolder) = 0;
    // A new chart read from "<folder>/<sChartDefinition>.xml"; Nothing when that file does not exist;
    // passes on any error of the reading (a file that is no "TerralithChart" document, a value not of
    // its form, a repeated key, a unit look-up, no manifest yet), and then returns no chart.
    virtual Ref<IChart> LoadChart(const std::string& sChartDefinition) = 0;
};
