#pragma once
// The chart tests' stand-in root: an active query of a chosen asset type, a
// field chooser over a catalogue the test fills, the units of the sample
// settings, and chart files written into the test's own folder.
#include <string>

#include "charts/CChartEngine.h"
#include "fieldchooser/CFieldDetail.h"
#include "fieldchooser/CSelectedFields.h"
#include "interfaces/IChart.h"
#include "interfaces/IChartManifest.h"
#include "platform/runtime/cvCollection.h"
#include "support/FakeLists.h"
#include "support/FakeRootFixture.h"

class ChartFixture : public FakeRootFixture {
protected:
    // Installs the root: active query of sAssetType, a field chooser over an empty catalogue.
    void MakeChartRoot(const std::string& sAssetType = "Field") {
        query = MakeRootWithFakeQuery();
        query->SetQueryType(sAssetType);
        catalogue = gTools()->NewCollection();
        auto lists = New<FakeLists>();
        lists->SetAvailableFields(catalogue);
        root->SetLists(lists);
        root->SetFieldChooser(New<CSelectedFields>());
    }

    // Adds a field description to the catalogue under its asset type, grid type and name.
    Ref<CFieldDetail> AddField(const std::string& sAssetType, const std::string& sGrid,
                               const std::string& sName, const std::string& sCategory,
                               const std::string& sUnit) {
        Ref<cvCollection> grids = Child(catalogue, sAssetType);
        Ref<cvCollection> fields = Child(Child(grids, sGrid), "FIELDS");
        auto field = New<CFieldDetail>();
        field->SetAssetType(sAssetType);
        field->SetGridType(sGrid);
        field->SetFieldName(sName);
        field->SetCategory(sCategory);
        field->SetDefaultUnit(sUnit);
        fields->Add(Variant(field), sName);
        return field;
    }

    // Writes a chart definition into the test's chart folder.
    std::string WriteChart(const std::string& sName, const std::string& sXml) {
        return data.Write("Charts/" + sName + ".xml", sXml);
    }
    // A whole chart definition file around the markup of the Chart element's children.
    static std::string ChartFile(const std::string& sInside) {
        return "<?xml version=\"1.0\"?>\n<TerralithChart><Chart>" + sInside + "</Chart></TerralithChart>\n";
    }
    std::string ChartFolder() const { return data.Path() + "Charts"; }

    // Writes a manifest and initialises a new engine with it and the chart folder.
    Ref<IChartEngine> InitialisedEngine(const std::string& sManifest = kManifest) {
        const std::string path = data.Write("ChartManifest.xml", sManifest);
        Ref<IChartEngine> engine = New<CChartEngine>();
        engine->Initialise(path, ChartFolder());
        return engine;
    }

    static constexpr const char* kManifest =
        "<TerralithChart><Colours><Colour R=\"255\" G=\"0\" B=\"0\"/><Colour R=\"0\" G=\"0\" "
        "B=\"255\"/></Colours>"
        "</TerralithChart>";

    Ref<FakeQuery> query;
    Ref<cvCollection> catalogue;

private:
    static Ref<cvCollection> Child(const Ref<cvCollection>& parent, const std::string& sKey) {
        if (!parent->Exists(sKey)) parent->Add(Variant(gTools()->NewCollection()), sKey);
        return parent->Item(Variant(sKey)).ToObject<cvCollection>();
    }
};
