#pragma once
// The chart manifest: one XML file with the series colours every chart
// shares ("Colours") and, per asset type, the charts a host can offer
// ("Charts/<asset type>"), in categories and sub-categories.  The engine
// makes one per Initialise; hosts may also create their own.  Every member
// passes its errors on; the manifest shows nothing itself.
#include <string>

#include "interfaces/HostControls.h"
#include "interfaces/IChartManifest.h"
#include "interfaces/ISettings2.h"
#include "platform/runtime/cvCollection.h"

class CChartManifest final : public IChartManifest {
public:
    static constexpr const char* kProgID = "cvDataManager.CChartManifest";

    std::string ManifestLocation() override;
    void SetManifestLocation(const std::string& sValue) override;
    Ref<cvCollection> SeriesColours() override;
    void SetSeriesColours(const Ref<cvCollection>& oValue) override;
    void Initialise(const std::string& sManifestLocation) override;
    void PopulateChartsByAssetType(const Ref<ITreeView>& ctlTree, const std::string& sAssetType) override;

    std::string TypeName() const override { return "CChartManifest"; }

private:
    // Reads the colours of the selected "Colours" element.
    void PopulateSeriesColours();
    // Adds one category (the element oView stands on) to the tree, when it has entries.
    void ParseCharts(const Ref<ITreeView>& ctlTree, const Ref<ISettings2>& oView);
    // Adds one entry (the element oView stands on) below oRootNode: a chart,
    // or a sub-category with its charts.
    void AddChart(const Ref<ITreeView>& ctlTree, const Ref<ITreeNode>& oRootNode,
                  const Ref<ISettings2>& oView);

    std::string manifestLocation_;
    Ref<ISettings2> document_;
    Ref<cvCollection> seriesColours_;
};
