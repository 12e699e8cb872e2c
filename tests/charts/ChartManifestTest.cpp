// The chart manifest: series colours and the host's tree of charts per asset type.
#include "ChartFixture.h"
#include "charts/CChartManifest.h"
#include "charts/ChartsClasses.h"
#include "core/CreateObject.h"
#include "host/controls/MemoryTreeView.h"

namespace {

const char* const kManifestFile = R"(<?xml version="1.0"?>
<TerralithChart>
  <Colours>
    <Colour R="255" G="0" B="0"/>
    <Other R="0" G="0" B="255"/>
    <Colour R="255.5" G="128" B="0"/>
  </Colours>
  <Charts>
    <Field>
      <Category Name="Production">
        <Chart Name="Annual production" Definition="FieldProduction" Description="Oil per year"/>
        <Group Name="By operator">
          <Chart CategoryName="Oil by operator" Name="not read" Definition="OilByOperator" Description="Stacked">
            <Deeper Definition="NotRead"/>
          </Chart>
          <Chart CategoryName="Gas by operator" Definition="GasByOperator" Description=""/>
        </Group>
      </Category>
      <Category Name="Empty"/>
      <Category Name="Costs">
        <Chart Name="Capex" Definition="FieldCapex" Description="Spend"/>
      </Category>
    </Field>
    <Well>
      <Category Name="Drilling">
        <Chart Name="Wells" Definition="Spudded" Description=""/>
        <Chart Name="Clash" Definition="Drilling" Description=""/>
      </Category>
      <Category Name="Later"><Chart Name="Again" Definition="Later" Description=""/></Category>
    </Well>
    <Transport>
      <Category Name="Pipes">
        <Chart Name="Flow" Definition="Flow" Description=""/>
        <Chart Name="Flow again" Definition="Flow" Description=""/>
      </Category>
    </Transport>
  </Charts>
</TerralithChart>
)";

const char* const kFieldTree =
    "Production|Production\n"
    "  FieldProduction|Annual production\n"
    "  By operator|By operator\n"
    "    OilByOperator|Oil by operator\n"
    "    GasByOperator|Gas by operator\n"
    "Costs|Costs\n"
    "  FieldCapex|Capex\n";

}  // namespace

class ChartManifestTest : public ChartFixture {
protected:
    Ref<IChartManifest> Initialised(const std::string& xml = kManifestFile) {
        Ref<IChartManifest> manifest = New<CChartManifest>();
        manifest->Initialise(data.Write("Manifest.xml", xml));
        return manifest;
    }
    std::shared_ptr<MemoryTreeView> tree = std::make_shared<MemoryTreeView>("ChartTree");
};

TEST_F(ChartManifestTest, ColoursArePackedNumbersUnderSeriesKeysInDocumentOrder) {
    Ref<IChartManifest> manifest = Initialised();
    EXPECT_TRUE(Contains(manifest->ManifestLocation(), "Manifest.xml"));
    Ref<cvCollection> colours = manifest->SeriesColours();
    ASSERT_EQ(colours->Count(), 3);
    EXPECT_EQ(colours->KeyAt(1), "Series_0");
    EXPECT_EQ(colours->KeyAt(3), "Series_2");
    EXPECT_EQ(colours->Item(Variant("Series_0")).Kind(), VarKind::Long) << "kept as numbers, not text";
    EXPECT_EQ(colours->Item(Variant("Series_0")).ToLong(), 255);
    EXPECT_EQ(colours->Item(Variant("Series_1")).ToLong(), 16711680);
    EXPECT_EQ(colours->Item(Variant("Series_2")).ToLong(), 255 + 128 * 256)
        << "255.5 rounds to the even 256: 255";

    // Replacing the collection hands back the very object; setting the location loads nothing.
    Ref<cvCollection> own = gTools()->NewCollection();
    manifest->SetSeriesColours(own);
    EXPECT_EQ(manifest->SeriesColours().get(), own.get());
    manifest->SetManifestLocation("elsewhere.xml");
    EXPECT_EQ(manifest->ManifestLocation(), "elsewhere.xml");
    EXPECT_EQ(manifest->SeriesColours().get(), own.get());
}

TEST_F(ChartManifestTest, AColourWithoutANumberFailsAndKeepsTheColoursBeforeIt) {
    Ref<IChartManifest> manifest = New<CChartManifest>();
    const std::string path =
        data.Write("Bad.xml",
                   "<TerralithChart><Colours><C R=\"1\" G=\"2\" B=\"3\"/><C R=\"1\" G=\"2\"/><C "
                   "R=\"9\" G=\"9\" B=\"9\"/></Colours></TerralithChart>");
    Error e = CaughtError([&] { manifest->Initialise(path); });
    EXPECT_EQ(e.Number(), 13);
    EXPECT_TRUE(Contains(e.Description(), "CChartManifest.PopulateSeriesColours()")) << e.Description();
    EXPECT_TRUE(Contains(e.Description(), "CChartManifest.IChartManifest_Initialise(sManifestLocation"))
        << e.Description();
    EXPECT_EQ(manifest->SeriesColours()->Count(), 1);

    // A file that cannot be read gives no colours and no charts, and no error.
    manifest->Initialise(data.Path() + "Absent.xml");
    EXPECT_EQ(manifest->SeriesColours()->Count(), 0);
    tree->Memory().Add("", 0, "Kept", "Kept");
    manifest->PopulateChartsByAssetType(tree, "Field");
    EXPECT_EQ(tree->Print(), "Kept|Kept\n");
}

TEST_F(ChartManifestTest, TheTreeHoldsCategoriesChartsAndSubCategoriesOfTheAssetType) {
    Ref<IChartManifest> manifest = Initialised();
    tree->Memory().Add("", 0, "Old", "Old");
    manifest->PopulateChartsByAssetType(tree, "Field");
    EXPECT_EQ(tree->Print(), kFieldTree) << "cleared first; a category without entries gets no node";
    EXPECT_EQ(tree->Memory().Node("FieldProduction")->Tag().ToString(), "Oil per year");
    EXPECT_EQ(tree->Memory().Node("OilByOperator")->Tag().ToString(), "Stacked");
    EXPECT_TRUE(tree->Memory().Node("By operator")->Tag().IsEmpty()) << "a sub-category has no tag";

    manifest->PopulateChartsByAssetType(tree, "Field");
    EXPECT_EQ(tree->Print(), kFieldTree) << "a second fill gives the same tree";
}

TEST_F(ChartManifestTest, AnAssetTypeTheManifestLacksOrThatCannotBeANameLeavesTheTreeAsItWas) {
    Ref<IChartManifest> manifest = Initialised();
    manifest->PopulateChartsByAssetType(tree, "Field");
    for (const char* assetType :
         {"Block", "field", "", "Field/Category", "Charts", "Field' or '1'='1", "*", ".."}) {
        manifest->PopulateChartsByAssetType(tree, assetType);
        EXPECT_EQ(tree->Print(), kFieldTree) << assetType;
    }
}

TEST_F(ChartManifestTest, ARepeatedKeyFailsAndKeepsTheNodesBeforeIt) {
    Ref<IChartManifest> manifest = Initialised();
    // Two charts of one definition, a chart named as a category: the manifest and the chart are named.
    Error e = CaughtError([&] { manifest->PopulateChartsByAssetType(tree, "Transport"); });
    EXPECT_EQ(e.Number(), 35602);
    EXPECT_TRUE(Contains(e.Description(), "the chart manifest " + data.Path() +
                                              "Manifest.xml lists \"Flow\" twice, the second time as the "
                                              "chart \"Flow again\": Key is not unique in collection"))
        << e.Description();
    e = CaughtError([&] { manifest->PopulateChartsByAssetType(tree, "Well"); });
    EXPECT_EQ(e.Number(), 35602);
    EXPECT_TRUE(Contains(e.Description(),
                         "Manifest.xml lists \"Drilling\" twice, the second time as the chart "
                         "\"Clash\""))
        << e.Description();
    EXPECT_TRUE(Contains(e.Description(),
                         "CChartManifest.AddChart(ctlTree.Name='ChartTree',  oRootNode.Text='Drilling')"))
        << e.Description();
    EXPECT_TRUE(Contains(e.Description(),
                         "CChartManifest.IChartManifest_PopulateChartsByAssetType(ctlTree.Name='ChartTree'"))
        << e.Description();
    EXPECT_EQ(tree->Print(), "Drilling|Drilling\n  Spudded|Wells\n");
}

TEST_F(ChartManifestTest, FillingBeforeInitialiseRaises) {
    Ref<IChartManifest> manifest = New<CChartManifest>();
    EXPECT_TRUE(manifest->SeriesColours().IsNothing());
    EXPECT_RAISES(91, manifest->PopulateChartsByAssetType(tree, "Field"));
}

TEST_F(ChartManifestTest, TheModelClassesAndTheManifestAreCreatableTheEngineIsNot) {
    RegisterChartsClasses();
    for (const char* progId :
         {"cvDataManager.CChart", "cvDataManager.CChartQuery", "cvDataManager.CChartSeries",
          "cvDataManager.CChartAxis", "cvDataManager.CChartStyle", "cvDataManager.CChartLabel",
          "cvDataManager.CChartLegend", "cvDataManager.CChartManifest"})
        EXPECT_FALSE(CreateObject(progId).IsNothing()) << progId;
    EXPECT_FALSE(CreateObjectAs<IChartAxis>("cvDataManager.CChartAxis")->Label());
    EXPECT_FALSE(IsClassRegistered("cvDataManager.CChartEngine"));
}
