// The sample data set's chart manifest and chart definitions: every chart
// the manifest offers loads, and its queries run on the sample database and
// give the columns the definition draws.
#include <cmath>

#include "ChartFixture.h"
#include "charts/CChart.h"
#include "host/controls/MemoryTreeView.h"
#include "platform/ado/Recordset.h"

class SampleChartsTest : public ChartFixture {
protected:
    void SetUp() override {
        ChartFixture::SetUp();
        OpenRoot();
        MakeChartRoot();
        // The catalogue as the database describes it, each field in its category's default unit.
        auto rs = gTools()->NewADODBRecordset();
        rs->Open("SELECT Asset_Type, Grid_Type, Field_Name, Category FROM FieldChooser", root->Connection());
        for (; !rs->Eof(); rs->MoveNext())
            AddField(CStr(rs->Fields("Asset_Type").Value()), CStr(rs->Fields("Grid_Type").Value()),
                     CStr(rs->Fields("Field_Name").Value()), CStr(rs->Fields("Category").Value()), "");
        engine = New<CChartEngine>();
        engine->Initialise(data.Path() + "Charts/ChartManifest.xml", data.Path() + "Charts/Definitions");
    }

    // The asset codes a chart of the asset type is drawn for: fields with a grouping and its members.
    static std::string Codes(const std::string& assetType) {
        return assetType == "Field" ? "1001,1003,1013,1014,1044,1045" : "1,2,3,4,5,6,7,8,9,10";
    }

    Ref<ADODB::Recordset> Run(const std::string& sql, const std::string& codes) {
        auto rs = gTools()->NewADODBRecordset();
        rs->Open(Replace(sql, "ASSET_CODE", codes), root->Connection());
        return rs;
    }

    Ref<IChartEngine> engine;
};

TEST_F(SampleChartsTest, EveryChartOfTheManifestLoadsAndItsQueriesGiveTheColumnsItDraws) {
    // Stacked rows take the colours in turn: there are as many as a sample chart's legend
    // shows rows (more rows lose the legend), no two alike or close.
    Ref<cvCollection> colours = engine->Manifest()->SeriesColours();
    EXPECT_GE(colours->Count(), 20);
    for (int32_t i = 1; i <= colours->Count(); ++i) {
        const int32_t a = colours->Item(Variant(i)).ToLong();
        for (int32_t j = i + 1; j <= colours->Count(); ++j) {
            const int32_t b = colours->Item(Variant(j)).ToLong();
            double distance = 0;
            for (int shift : {0, 8, 16}) {
                const int part = ((a >> shift) & 255) - ((b >> shift) & 255);
                distance += part * part;
            }
            EXPECT_GE(std::sqrt(distance), 50) << "colours " << i << " and " << j;
        }
    }
    auto chart = New<CChart>();
    int32_t charts = 0;
    for (const std::string assetType : {"Field", "Well", "Block"}) {
        query->SetQueryType(assetType);
        auto tree = std::make_shared<MemoryTreeView>();
        engine->Manifest()->PopulateChartsByAssetType(tree, assetType);
        for (const std::string& key : tree->Memory().Keys()) {
            if (tree->Memory().Node(key)->Tag().IsEmpty()) continue;  // a category
            ++charts;
            Ref<IChart> loaded = engine->LoadChart(key);
            ASSERT_FALSE(loaded.IsNothing()) << key;
            EXPECT_LE(loaded->LegendLimit(), colours->Count()) << key;
            ASSERT_GT(loaded->Queries()->Count(), 0) << key;
            for (int32_t q = 1; q <= loaded->Queries()->Count(); ++q) {
                Ref<IChartQuery> chartQuery = loaded->Queries()->Item(Variant(q)).ToObject<IChartQuery>();
                Ref<ADODB::Recordset> rs = Run(chartQuery->SQL(), Codes(assetType));
                EXPECT_GT(rs->RecordCount(), 0) << key << ": " << chartQuery->SQL();
                Ref<IChartSeries> series = chartQuery->Series()->Item(Variant(1)).ToObject<IChartSeries>();
                std::vector<std::string> columns;
                Ref<cvCollection> axes = series->Axes();
                for (int32_t a = 1; a <= axes->Count(); ++a) {
                    Ref<IChartAxis> axis = axes->Item(Variant(a)).ToObject<IChartAxis>();
                    ASSERT_FALSE(axis->Label().IsNothing()) << key << " axis " << axis->Name();
                    if (!axis->ColumnName().empty()) {
                        EXPECT_FALSE(axis->Category().empty()) << key << " axis " << axis->Name();
                    }
                    if (series->RenderMode() != "STACKED" || series->VerticalPlot())
                        columns.push_back(axis->FieldName());
                }
                if (!series->StackingCategory().empty()) columns.push_back(series->StackingCategory());
                if (loaded->TerralithRule()) {
                    for (const std::string& c : Split(loaded->TerralithRuleValue(), ","))
                        columns.push_back(c);
                    for (const char* c :
                         {"FIELD_GROUPING", "FIELD_GROUPING_CODE", "FIELD_CODE", "ColumnOrder"})
                        columns.push_back(c);
                    columns.push_back(loaded->TerralithRuleSeries());
                    columns.push_back(loaded->TerralithRuleStackingCategory());
                }
                for (const std::string& c : columns) {
                    if (!c.empty()) {
                        EXPECT_TRUE(chart->FieldExists(rs, c)) << key << " lacks " << c;
                    }
                }
            }
        }
    }
    EXPECT_EQ(charts, 7);
}

TEST_F(SampleChartsTest, TheRuleChartReadsGroupingsFirstAsTheRunTimesTrue) {
    Ref<IChart> loaded = engine->LoadChart("FieldProductionByOperator");
    Ref<IChartQuery> chartQuery = loaded->Queries()->Item(Variant(1)).ToObject<IChartQuery>();
    Ref<ADODB::Recordset> rs = Run(chartQuery->SQL(), Codes("Field"));
    EXPECT_EQ(CInt(rs->Fields("FIELD_GROUPING").Value()), -1) << "a grouping reads as True, -1";
    bool sawField = false;
    for (; !rs->Eof(); rs->MoveNext()) {
        const int16_t grouping = CInt(rs->Fields("FIELD_GROUPING").Value());
        if (grouping == 0) sawField = true;
        EXPECT_FALSE(sawField && grouping == -1) << "every grouping before the fields";
    }
    EXPECT_TRUE(sawField);
}
