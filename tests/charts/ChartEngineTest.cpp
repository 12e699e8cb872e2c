// The chart engine reading chart definition files into charts.
#include <sys/stat.h>

#include "ChartFixture.h"
#include "core/mTL5ErrorCodes.h"
#include "interfaces/ChartControls.h"

namespace {

std::string Label(const Ref<IChartLabel>& l) {
    return l->Text() + "|" + l->FontName() + "|" + std::to_string(l->FontSize()) + "|" +
           (l->Underline() ? "U" : "-") + (l->Bold() ? "B" : "-");
}

template <class T>
Ref<T> ItemOf(const Ref<cvCollection>& c, const std::string& key) {
    return c->Item(Variant(key)).ToObject<T>();
}

std::vector<std::string> Keys(const Ref<cvCollection>& c) {
    std::vector<std::string> keys;
    for (int32_t i = 1; i <= c->Count(); ++i) keys.push_back(c->KeyAt(i));
    return keys;
}

// Two queries; the first with two series whose element names differ, the
// second series carrying three styles.
const char* const kFullChart = R"(
<Title FontName="Verdana" FontSize="9.5" Underline="True" Bold="True" ColumnName="OIL" GridName="Annual"
       SheetLabel="Total oil" Type="Number" DecimalPlaces="2">Production of CHARTTITLE</Title>
<Footer FontName="Courier" FontSize="8.5" Underline="True" Bold="False" ColumnName="IGNORED">Footnote</Footer>
<Legend FontName="Tahoma" FontSize="7" Underline="True" Bold="True" Anchor="South" Orientation="">Legend title</Legend>
<IsHorizontal>true</IsHorizontal>
<SeriesLimit>50</SeriesLimit>
<LegendLimit>20.5</LegendLimit>
<TerralithRule Series="PROD_YEAR" StackingCategory="" Value="OIL,GAS" SortData="1"/>
<Queries>
  <Query>
    <Name>First</Name>
    <SQL>SELECT * FROM T WHERE C IN (ASSET_CODE)</SQL>
    <SeriesData>
      <Series>
        <RenderMode>BAR</RenderMode>
        <DrawingOrder>2</DrawingOrder>
        <VerticalPlot>True</VerticalPlot>
        <StackingCategory>FIELD_NAME</StackingCategory>
        <Axes>
          <Axis><Name>X</Name><Visible>False</Visible>
            <Title FontName="Arial" FontSize="10" Underline="1" Bold="0">Year</Title>
            <LegendLabel>Years</LegendLabel>
            <FieldName ColumnName="" GridName="" Type="Text" Format="0.0" DecimalPlaces="3">PROD_YEAR</FieldName>
            <TickSpacing>5</TickSpacing><AnnotationRotationAngle>45</AnnotationRotationAngle>
            <AnnotationSpacing>3</AnnotationSpacing><ScalingFactor>1.5</ScalingFactor>
            <NumberingMethod>-1</NumberingMethod></Axis>
          <Axis><Name>Y</Name><Title>Oil</Title><FieldName>OIL</FieldName></Axis>
        </Axes>
      </Series>
      <Other>
        <RenderMode>LINE</RenderMode>
        <Axes><Axis><Name>Y2</Name><Title>Gas</Title><FieldName>GAS</FieldName></Axis></Axes>
        <ChartStyles>
          <Style Type="LINE" Pattern="3" ForegroundColour="255,128,0" BackgroundColour="0,0,255" Width="2"
                 Shape="5" ShapeSize="7.5" ShapeColour="300,0,0" ClusterWidth="60"/>
          <Anything Type="BAR"/>
          <Third Pattern=""/>
        </ChartStyles>
      </Other>
    </SeriesData>
  </Query>
  <Query><Name>Second</Name><SQL>SELECT 2</SQL><SeriesData/></Query>
</Queries>
)";

}  // namespace

class ChartEngineTest : public ChartFixture {
protected:
    void SetUp() override {
        ChartFixture::SetUp();
        MakeChartRoot();
        oil = AddField("Field", "Annual", "OIL", "Oil_Production", "Mm3/d");
    }

    Ref<CFieldDetail> oil;
};

TEST_F(ChartEngineTest, TheFileIsTheFolderAndTheNameWithXmlAppended) {
    Ref<IChartEngine> engine = InitialisedEngine();
    WriteChart("Production", ChartFile("<Title>Produced</Title>"));
    WriteChart("Production.xml", ChartFile("<Title>Twice</Title>"));
    EXPECT_EQ(engine->ChartDefinitionFolder(), ChartFolder());
    EXPECT_EQ(engine->LoadChart("Production")->Title()->Text(), "Produced");
    EXPECT_EQ(engine->LoadChart("Production.xml")->Title()->Text(), "Twice") << "the name is used unchanged";
    EXPECT_TRUE(engine->LoadChart("Absent").IsNothing());
    engine->SetChartDefinitionFolder(ChartFolder() + "/");
    EXPECT_EQ(engine->LoadChart("Production")->Title()->Text(), "Produced") << "one separator between";
    engine->SetChartDefinitionFolder(data.Path() + "Nowhere");
    EXPECT_TRUE(engine->LoadChart("Production").IsNothing());
}

TEST_F(ChartEngineTest, AFileWithOnlyTheChartElementGivesANewChartWithAnInvisibleLegend) {
    Ref<IChartEngine> engine = InitialisedEngine();
    WriteChart("Bare", ChartFile(""));
    Ref<IChart> chart = engine->LoadChart("Bare");
    ASSERT_FALSE(chart.IsNothing());
    EXPECT_TRUE(chart->Title().IsNothing());
    EXPECT_TRUE(chart->Footer().IsNothing());
    ASSERT_FALSE(chart->Legend().IsNothing());
    EXPECT_FALSE(chart->Legend()->Visible());
    EXPECT_TRUE(chart->Legend()->Title().IsNothing());
    EXPECT_EQ(chart->Legend()->Anchor(), "NorthEast");
    EXPECT_FALSE(chart->IsHorizontal());
    EXPECT_EQ(chart->SeriesLimit(), 0);
    EXPECT_EQ(chart->LegendLimit(), 0);
    EXPECT_FALSE(chart->TerralithRule());
    EXPECT_EQ(chart->Queries()->Count(), 0);
    EXPECT_TRUE(chart->SeriesColours().get() == engine->Manifest()->SeriesColours().get());
    EXPECT_EQ(chart->SeriesColours()->Count(), 2);
}

TEST_F(ChartEngineTest, ChartLevelValuesAndLabelsAreReadInTheirForms) {
    WriteChart("Full", ChartFile(kFullChart));
    Ref<IChart> chart = InitialisedEngine()->LoadChart("Full");

    Ref<IChartLabel> title = chart->Title();
    EXPECT_EQ(Label(title), "Production of CHARTTITLE|Verdana|10|UB") << "9.5 rounds to the even 10";
    EXPECT_EQ(title->ColumnName(), "OIL");
    EXPECT_EQ(title->GridName(), "Annual");
    EXPECT_EQ(title->SheetLabel(), "Total oil");
    EXPECT_EQ(title->Type(), "Number");
    EXPECT_EQ(title->DecimalPlaces(), 2);
    EXPECT_EQ(title->Category(), "Oil_Production") << "the title's unit details come from the field chooser";
    EXPECT_EQ(title->DefaultUnit(), "Mm3/d");

    EXPECT_EQ(Label(chart->Footer()), "Footnote|Courier|8|U-") << "8.5 rounds to the even 8";
    EXPECT_EQ(chart->Footer()->ColumnName(), "") << "a footer reads no unit details";

    Ref<IChartLegend> legend = chart->Legend();
    EXPECT_TRUE(legend->Visible());
    EXPECT_EQ(Label(legend->Title()), "Legend title|Tahoma|7|-B") << "a legend's label reads no Underline";
    EXPECT_EQ(legend->Anchor(), "South");
    EXPECT_EQ(legend->Orientation(), "Vertical") << "an empty attribute keeps the default";

    EXPECT_TRUE(chart->IsHorizontal());
    EXPECT_EQ(chart->SeriesLimit(), 50);
    EXPECT_EQ(chart->LegendLimit(), 20);
    EXPECT_TRUE(chart->TerralithRule());
    EXPECT_EQ(chart->TerralithRuleSeries(), "PROD_YEAR");
    EXPECT_EQ(chart->TerralithRuleStackingCategory(), "");
    EXPECT_EQ(chart->TerralithRuleValue(), "OIL,GAS");
    EXPECT_TRUE(chart->TerralithRuleSortData());
}

TEST_F(ChartEngineTest, ContainersAreReadDepthFirstUnderTheirKeysWhateverTheElementNames) {
    WriteChart("Full", ChartFile(kFullChart));
    Ref<IChart> chart = InitialisedEngine()->LoadChart("Full");
    EXPECT_EQ(Keys(chart->Queries()), (std::vector<std::string>{"First", "Second"}));

    Ref<IChartQuery> first = ItemOf<IChartQuery>(chart->Queries(), "First");
    EXPECT_EQ(first->SQL(), "SELECT * FROM T WHERE C IN (ASSET_CODE)");
    EXPECT_EQ(Keys(first->Series()), (std::vector<std::string>{"Series_0", "Series_1"}));
    EXPECT_EQ(ItemOf<IChartQuery>(chart->Queries(), "Second")->Series()->Count(), 0);

    Ref<IChartSeries> bar = ItemOf<IChartSeries>(first->Series(), "Series_0");
    EXPECT_EQ(bar->RenderMode(), "BAR");
    EXPECT_EQ(bar->DrawingOrder(), 2);
    EXPECT_TRUE(bar->VerticalPlot());
    EXPECT_EQ(bar->StackingCategory(), "FIELD_NAME");
    EXPECT_TRUE(bar->ChartStyles().IsNothing()) << "a series without styles keeps none";
    EXPECT_EQ(Keys(bar->Axes()), (std::vector<std::string>{"X", "Y"}));

    Ref<IChartAxis> x = ItemOf<IChartAxis>(bar->Axes(), "X");
    EXPECT_FALSE(x->Visible());
    EXPECT_EQ(Label(x->Label()), "Year|Arial|10|U-");
    EXPECT_EQ(x->LegendLabel(), "Years");
    EXPECT_EQ(x->FieldName(), "PROD_YEAR");
    EXPECT_EQ(x->Type(), "Text");
    EXPECT_EQ(x->Format(), "0.0");
    EXPECT_EQ(x->DecimalPlaces(), 3);
    EXPECT_EQ(x->TickSpacing(), 5);
    EXPECT_EQ(x->AnnotationRotationAngle(), 45);
    EXPECT_EQ(x->AnnotationSpacing(), 3);
    EXPECT_EQ(x->ScalingFactor(), "1.5");
    EXPECT_EQ(x->NumberingMethod(), -1);
    EXPECT_EQ(x->Category(), "") << "no unit details without a column and a grid";
    Ref<IChartAxis> y = ItemOf<IChartAxis>(bar->Axes(), "Y");
    EXPECT_TRUE(y->Visible());
    EXPECT_EQ(y->FieldName(), "OIL");

    Ref<IChartSeries> line = ItemOf<IChartSeries>(first->Series(), "Series_1");
    EXPECT_EQ(line->RenderMode(), "LINE");
    EXPECT_FALSE(line->VerticalPlot());
    EXPECT_EQ(Keys(line->Axes()), (std::vector<std::string>{"Y2"})) << "each series reads its own axes";
    ASSERT_FALSE(line->ChartStyles().IsNothing());
    EXPECT_EQ(Keys(line->ChartStyles()), (std::vector<std::string>{"ID_0", "ID_1", "ID_2"}));
    Ref<IChartStyle> style = ItemOf<IChartStyle>(line->ChartStyles(), "ID_0");
    EXPECT_EQ(style->Type(), "LINE");
    EXPECT_EQ(style->Pattern(), "3");
    EXPECT_EQ(style->ForegroundColour(), "33023");
    EXPECT_EQ(style->BackgroundColour(), "16711680");
    EXPECT_EQ(style->Width(), 2);
    EXPECT_EQ(style->Shape(), "5");
    EXPECT_EQ(style->ShapeSize(), 8);
    EXPECT_EQ(style->ShapeColour(), "255");
    EXPECT_EQ(style->ClusterWidth(), 60);
    Ref<IChartStyle> third = ItemOf<IChartStyle>(line->ChartStyles(), "ID_2");
    EXPECT_EQ(third->Pattern(), "2") << "an empty attribute keeps the new style's value";
    EXPECT_EQ(third->ClusterWidth(), 50);
}

TEST_F(ChartEngineTest, AValueNotOfItsFormOrARepeatedKeyFailsTheLoad) {
    Ref<IChartEngine> engine = InitialisedEngine();
    struct Case {
        const char* inside;
        int32_t number;
        const char* reader;
    } cases[] = {
        {"<Footer Underline=\"yes\">F</Footer>", 13, ""},
        {"<Footer Underline=\"\">F</Footer><IsHorizontal>maybe</IsHorizontal>", 13, ""},
        {"<Queries><Query><Name>A</Name></Query><Query><Name>A</Name></Query></Queries>", 457,
         "CChartEngine.ParseQueries()"},
        {"<Queries><Query><Name>A</Name><SeriesData><S><RenderMode>BAR</RenderMode><Axes>"
         "<A><Name>X</Name></A><A><Name>X</Name></A></Axes></S></SeriesData></Query></Queries>",
         457, "CChartEngine.ParseAxes()"},
        {"<Queries><Query><Name>A</Name><SeriesData><S><RenderMode>BAR</RenderMode><ChartStyles>"
         "<Style ForegroundColour=\"255,0\"/></ChartStyles></S></SeriesData></Query></Queries>",
         9, "CChartEngine.ParseStyles()"},
        {"<Queries><Query><SQL>no name</SQL></Query></Queries>", 5, "CChartEngine.ParseQueries()"},
        {"<Queries><Query><Name>A</Name><SeriesData><S><RenderMode>BAR</RenderMode><Axes><A>"
         "<Name>X</Name><NumberingMethod>40000</NumberingMethod></A></Axes></S></SeriesData></Query></"
         "Queries>",
         6, "CChartEngine.ParseSeries(oView"},
    };
    for (const Case& c : cases) {
        WriteChart("Bad", ChartFile(c.inside));
        Ref<IChart> chart;
        Error e = CaughtError([&] { chart = engine->LoadChart("Bad"); });
        EXPECT_EQ(e.Number(), c.number) << c.inside;
        EXPECT_TRUE(chart.IsNothing());
        EXPECT_TRUE(Contains(e.Description(), "CChartEngine.IChartEngine_LoadChart(sChartDefinition"))
            << c.inside;
        EXPECT_TRUE(Contains(e.Description(), c.reader)) << e.Description();
    }
}

TEST_F(ChartEngineTest, WhatTheFileLeavesOutKeepsTheNewObjectsValues) {
    WriteChart("Sparse", ChartFile(R"(
        <Footer FontSize="" Bold="">F</Footer>
        <SeriesLimit>7</SeriesLimit>
        <IsHorizontal></IsHorizontal>
        <TerralithRule/>
        <Queries><Query><Name>Q</Name><SeriesData>
          <S><DrawingOrder>4</DrawingOrder><Axes><A><Name>Y</Name></A></Axes></S>
        </SeriesData></Query></Queries>)"));
    Ref<IChart> chart = InitialisedEngine()->LoadChart("Sparse");
    EXPECT_EQ(Label(chart->Footer()), "F|Arial|8|--");
    EXPECT_EQ(chart->SeriesLimit(), 7) << "a limit is read where it stands";
    EXPECT_FALSE(chart->IsHorizontal()) << "an element without text keeps the default";
    EXPECT_TRUE(chart->TerralithRule());
    EXPECT_EQ(chart->TerralithRuleSeries(), "");
    EXPECT_FALSE(chart->TerralithRuleSortData());
    // A series without a render mode still reads the elements it has.
    Ref<IChartSeries> series =
        ItemOf<IChartSeries>(ItemOf<IChartQuery>(chart->Queries(), "Q")->Series(), "Series_0");
    EXPECT_EQ(series->RenderMode(), "");
    EXPECT_EQ(series->DrawingOrder(), 4);
    Ref<IChartAxis> axis = ItemOf<IChartAxis>(series->Axes(), "Y");
    EXPECT_TRUE(axis->Label().IsNothing());
    EXPECT_TRUE(axis->Visible());
}

TEST_F(ChartEngineTest, ChartsOfOneInitialiseShareTheManifestsColoursAndANewInitialiseGivesNewOnes) {
    WriteChart("A", ChartFile(""));
    Ref<IChartEngine> engine = InitialisedEngine();
    Ref<IChart> first = engine->LoadChart("A");
    Ref<IChart> second = engine->LoadChart("A");
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(first->SeriesColours().get(), second->SeriesColours().get());
    Ref<cvCollection> earlier = first->SeriesColours();
    EXPECT_EQ(earlier->Item(Variant("Series_1")).ToLong(), 16711680);

    const std::string other = data.Write(
        "Other.xml", "<TerralithChart><Colours><C R=\"0\" G=\"255\" B=\"0\"/></Colours></TerralithChart>");
    engine->Initialise(other, ChartFolder());
    Ref<IChart> third = engine->LoadChart("A");
    EXPECT_NE(third->SeriesColours().get(), earlier.get());
    EXPECT_EQ(third->SeriesColours()->Count(), 1);
    EXPECT_EQ(first->SeriesColours().get(), earlier.get()) << "a chart keeps the colours it was given";
    EXPECT_EQ(earlier->Count(), 2);
}

TEST_F(ChartEngineTest, LoadingBeforeInitialiseRaisesInsteadOfCrashing) {
    WriteChart("A", ChartFile(""));
    Ref<IChartEngine> engine = New<CChartEngine>();
    EXPECT_TRUE(engine->Manifest().IsNothing());
    EXPECT_EQ(engine->ChartDefinitionFolder(), "");
    engine->SetChartDefinitionFolder(ChartFolder());
    EXPECT_RAISES(91, engine->LoadChart("A"));
    EXPECT_TRUE(engine->LoadChart("Missing").IsNothing()) << "a missing file is no error";
}

TEST_F(ChartEngineTest, AFailingManifestIsKeptAndTheFolderStaysAsItWas) {
    Ref<IChartEngine> engine = New<CChartEngine>();
    engine->SetChartDefinitionFolder("before");
    const std::string bad = data.Write(
        "Bad.xml",
        "<TerralithChart><Colours><C R=\"1\" G=\"2\" B=\"3\"/><C R=\"x\"/></Colours></TerralithChart>");
    EXPECT_RAISES(13, engine->Initialise(bad, "after"));
    EXPECT_EQ(engine->ChartDefinitionFolder(), "before");
    ASSERT_FALSE(engine->Manifest().IsNothing());
    EXPECT_EQ(engine->Manifest()->SeriesColours()->Count(), 1) << "the colours before the bad one stay";
}

TEST_F(ChartEngineTest, UnitDetailsComeFromTheFieldOfTheActiveQuerysAssetType) {
    AddField("Well", "Annual", "OIL", "Gas_Production", "bcf");
    WriteChart("Units",
               ChartFile(R"(<Queries><Query><Name>Q</Name><SeriesData><S><RenderMode>LINE</RenderMode><Axes>
        <A><Name>Y</Name><FieldName ColumnName="OIL" GridName="Annual">OIL</FieldName></A>
        <A><Name>Y2</Name><FieldName ColumnName="OIL">OIL</FieldName></A>
      </Axes></S></SeriesData></Query></Queries>)"));
    Ref<IChartEngine> engine = InitialisedEngine();
    auto axes = [&](const Ref<IChart>& chart) {
        return ItemOf<IChartSeries>(ItemOf<IChartQuery>(chart->Queries(), "Q")->Series(), "Series_0")->Axes();
    };
    Ref<cvCollection> fieldAxes = axes(engine->LoadChart("Units"));
    EXPECT_EQ(ItemOf<IChartAxis>(fieldAxes, "Y")->Category(), "Oil_Production");
    EXPECT_EQ(ItemOf<IChartAxis>(fieldAxes, "Y")->DefaultUnit(), "Mm3/d");
    EXPECT_EQ(ItemOf<IChartAxis>(fieldAxes, "Y2")->Category(), "") << "no grid: nothing asked";

    query->SetQueryType("Well");
    Ref<cvCollection> wellAxes = axes(engine->LoadChart("Units"));
    EXPECT_EQ(ItemOf<IChartAxis>(wellAxes, "Y")->Category(), "Gas_Production");
    EXPECT_EQ(ItemOf<IChartAxis>(wellAxes, "Y")->DefaultUnit(), "bcf");

    // The unit the user picks for the grid column is the one a chart read afterwards shows.
    query->SetQueryType("Field");
    oil->SetDefaultUnit("bbl/d");
    EXPECT_EQ(ItemOf<IChartAxis>(axes(engine->LoadChart("Units")), "Y")->DefaultUnit(), "bbl/d");
    EXPECT_EQ(ItemOf<IChartAxis>(fieldAxes, "Y")->DefaultUnit(), "Mm3/d")
        << "a chart read before keeps its own";
}

TEST_F(ChartEngineTest, AFieldTheChooserLacksFailsTheLoad) {
    WriteChart("Missing", ChartFile(R"(<Title ColumnName="NOT_THERE" GridName="Annual">T</Title>)"));
    Ref<IChartEngine> engine = InitialisedEngine();
    EXPECT_RAISES(5, engine->LoadChart("Missing"))
        << "no asset type has the column: the chooser is not asked";
    EXPECT_EQ(Dialog(), "");
    WriteChart("NoGrid", ChartFile(R"(<Title ColumnName="NOT_THERE">T</Title>)"));
    root->SetFieldChooser(nullptr);
    EXPECT_EQ(engine->LoadChart("NoGrid")->Title()->Category(), "")
        << "without a grid the chooser is never asked";
}

TEST_F(ChartEngineTest, APipeUnderAChartsNameIsRefusedWithoutWaiting) {
    Ref<IChartEngine> engine = InitialisedEngine();
    WriteChart("Real", ChartFile(""));
    const std::string pipe = ChartFolder() + "/Pipe.xml";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_RAISES(75, engine->LoadChart("Pipe"));
    EXPECT_RAISES(75, engine->Initialise(pipe, ChartFolder()));

    // A file that is no chart document at all would read as a blank chart or a
    // manifest without charts: as a definition and as a manifest it is
    // refused, and the message names it.
    std::string nest;
    for (int i = 0; i < 300; ++i) nest = "<a>" + nest + "</a>";
    std::string deep = ChartFile("<Title>Deep</Title>");
    deep.insert(deep.rfind("</TerralithChart>"), nest);
    struct Broken {
        std::string name, xml, why;  // why: what the message adds, if anything
    };
    const Broken broken[] = {
        {"Empty", "", ""},
        {"Binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0", 20), ""},
        {"Cut", ChartFile("<Title>Cut short</Title>").substr(0, 45), "not well-formed"},
        {"Deep", deep, "nested deeper than 256"},
        {"Query", "<?xml version=\"1.0\"?><Query><Options/><Parameters/></Query>", ""},
        {"Wrapped", "<Wrapper>" + ChartFile("<Title>T</Title>").substr(22) + "</Wrapper>", ""},
    };
    for (const Broken& file : broken) {
        const std::string& name = file.name;
        const std::string path = WriteChart(name, file.xml);
        engine = InitialisedEngine();
        Error e = CaughtError([&] { (void)engine->LoadChart(name); });
        EXPECT_EQ(e.Number(), ERR_GENERAL) << name;
        EXPECT_TRUE(Contains(e.Description(), "The chart definition \"" + path + "\"")) << e.Description();
        EXPECT_TRUE(Contains(e.Description(), file.why)) << e.Description();
        e = CaughtError([&] { engine->Initialise(path, ChartFolder()); });
        EXPECT_EQ(e.Number(), ERR_GENERAL) << name;
        EXPECT_TRUE(Contains(e.Description(), "The chart manifest \"" + path + "\"")) << e.Description();
        EXPECT_EQ(engine->Manifest()->SeriesColours()->Count(), 0) << name;
    }
}
