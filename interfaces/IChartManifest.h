#pragma once
// The chart manifest: the series colours every chart shares and, per asset
// type, the charts a host offers, in categories and sub-categories.
#include <string>

#include "platform/runtime/Object.h"

class cvCollection;
class ITreeView;

class IChartManifest : public virtual Object {
public:
    // The path given to Initialise or set later; "" at first; passes any error on.
    virtual std::string ManifestLocation() = 0;
    // Replaces the stored path and loads nothing; passes any error on.
    virtual void SetManifestLocation(const std::string& sValue) = 0;
    // The series-colour collection itself (32-bit colour numbers under "Series_0", "Series_1", ...);
    // Nothing before Initialise; passes any error on.
    virtual Ref<cvCollection> SeriesColours() = 0;
    // Replaces the series-colour collection by the object given; passes any error on.
    virtual void SetSeriesColours(const Ref<cvCollection>& oValue) = 0;
    // Loads the manifest file and builds a new colour collection from its "Colours"; a missing file gives
    // no colours and no charts; a file that is no "TerralithChart" document raises, naming the file, as
    // does a colour whose R, G or B is absent or no number (the colours before it stay); passes any error on.
    virtual void Initialise(const std::string& sManifestLocation) = 0;
    // Clears the tree and fills it with the categories and charts of the asset type (chart keys are
    // definition names, tags descriptions); an asset type the manifest lacks leaves the tree as it was;
    // raises when the tree refuses a key (the nodes before it stay) or before Initialise.
    virtual void PopulateChartsByAssetType(const Ref<ITreeView>& ctlTree, const std::string& sAssetType) = 0;
};
