#include "SampleCharts.h"

#include "SampleFiles.h"

namespace {

// One axis of a series.  `unitField` names the annual-grid column whose
// unit the values are shown in ("" for none).
struct Axis {
    std::string name, title, legendLabel, fieldName, type;
    int decimals = 0;
    std::string unitField;
    int rotation = 0;
    int annotationSpacing = 0;
};

std::string AxisXml(const Axis& a) {
    std::string xml = "              <Axis>\n";
    xml += "                <Name>" + a.name + "</Name>\n";
    xml += "                <Visible>True</Visible>\n";
    xml += "                <Title FontName=\"Arial\" FontSize=\"9\" Underline=\"False\" Bold=\"True\">" +
           a.title + "</Title>\n";
    if (!a.legendLabel.empty()) xml += "                <LegendLabel>" + a.legendLabel + "</LegendLabel>\n";
    xml += "                <FieldName";
    if (!a.unitField.empty()) xml += " ColumnName=\"" + a.unitField + "\" GridName=\"Annual\"";
    if (!a.type.empty()) xml += " Type=\"" + a.type + "\"";
    xml += " DecimalPlaces=\"" + std::to_string(a.decimals) + "\">" + a.fieldName + "</FieldName>\n";
    xml += "                <TickSpacing>0</TickSpacing>\n";
    xml += "                <AnnotationRotationAngle>" + std::to_string(a.rotation) +
           "</AnnotationRotationAngle>\n";
    xml += "                <AnnotationSpacing>" + std::to_string(a.annotationSpacing) +
           "</AnnotationSpacing>\n";
    xml += "                <NumberingMethod>1</NumberingMethod>\n";
    xml += "              </Axis>\n";
    return xml;
}

struct Series {
    std::string renderMode;
    int drawingOrder = 1;
    bool verticalPlot = false;
    std::string stackingCategory;
    std::vector<Axis> axes;
    std::string styles;  // the markup of the ChartStyles children
};

struct Query {
    std::string name, sql;
    std::vector<Series> series;
};

std::string SeriesXml(const Series& s) {
    std::string xml = "          <Series>\n";
    xml += "            <RenderMode>" + s.renderMode + "</RenderMode>\n";
    xml += "            <DrawingOrder>" + std::to_string(s.drawingOrder) + "</DrawingOrder>\n";
    xml +=
        std::string("            <VerticalPlot>") + (s.verticalPlot ? "True" : "False") + "</VerticalPlot>\n";
    if (!s.stackingCategory.empty())
        xml += "            <StackingCategory>" + s.stackingCategory + "</StackingCategory>\n";
    xml += "            <Axes>\n";
    for (const Axis& a : s.axes) xml += AxisXml(a);
    xml += "            </Axes>\n";
    if (!s.styles.empty()) xml += "            <ChartStyles>\n" + s.styles + "            </ChartStyles>\n";
    xml += "          </Series>\n";
    return xml;
}

// The chart-level markup (title, footer, legend, orientation, limits, rule)
// followed by the queries.
std::string ChartXml(const std::string& head, const std::vector<Query>& queries) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TerralithChart>\n  <Chart>\n" + head;
    xml += "    <Queries>\n";
    for (const Query& q : queries) {
        xml += "      <Query>\n        <Name>" + q.name + "</Name>\n        <SQL>" + q.sql +
               "</SQL>\n        <SeriesData>\n";
        for (const Series& s : q.series) xml += SeriesXml(s);
        xml += "        </SeriesData>\n      </Query>\n";
    }
    xml += "    </Queries>\n  </Chart>\n</TerralithChart>\n";
    return xml;
}

std::string Title(const std::string& text) {
    return "    <Title FontName=\"Arial\" FontSize=\"12\" Underline=\"False\" Bold=\"True\">" + text +
           "</Title>\n";
}

std::string Legend(const std::string& text, const std::string& anchor, const std::string& orientation) {
    return "    <Legend FontName=\"Arial\" FontSize=\"8\" Bold=\"False\" Anchor=\"" + anchor +
           "\" Orientation=\"" + orientation + "\">" + text + "</Legend>\n";
}

std::string Footer(const std::string& text) {
    return "    <Footer FontName=\"Arial\" FontSize=\"7\" Underline=\"False\" Bold=\"False\">" + text +
           "</Footer>\n";
}

const Axis kYearAxis{"X", "Year", "", "PROD_YEAR", "Text", 0, "", 45, 0};

// Annual figures of the given fields summed per year.
std::string AnnualSql(const std::string& columns) {
    return "SELECT Prod_Year AS PROD_YEAR, " + columns +
           " FROM FieldAnnualTotal_Gross WHERE Field_Code IN (ASSET_CODE) GROUP BY Prod_Year ORDER BY "
           "Prod_Year";
}

// A bar chart of one count per year.
SampleCharts::File CountChart(const std::string& name, const std::string& title, const std::string& xTitle,
                              const std::string& xColumn, int rotation, const std::string& yTitle,
                              const std::string& yColumn, const std::string& sql) {
    Axis year{"X", xTitle, "", xColumn, "Text", 0, "", rotation, 0};
    Axis count{"Y", yTitle, yTitle, yColumn, "Number", 0, "", 0, 0};
    return {name, ChartXml(Title(title) + Legend("", "NorthEast", "Vertical"),
                           {{yTitle, sql, {{"BAR", 1, false, "", {year, count}, ""}}}})};
}

}  // namespace

std::string SampleCharts::ManifestXml() {
    // Colours are written as the user sees them; the reader packs them red first.  Stacked
    // charts take them in turn, one per row, so there are as many as the largest legend a
    // sample chart shows (25 fields of remaining liquids; the operators of the sample field
    // query are 14): no two rows of a chart share a colour while its legend tells them apart.
    // Each is far from every other, and none so light that it vanishes on white.
    static const int kColours[][3] = {
        {31, 119, 180}, {255, 127, 14},  {44, 160, 44},   {214, 39, 40},   {148, 103, 189},
        {140, 86, 75},  {227, 119, 194}, {127, 127, 127}, {188, 189, 34},  {23, 190, 207},
        {0, 0, 255},    {255, 30, 255},  {0, 240, 0},     {255, 195, 135}, {75, 90, 15},
        {105, 15, 180}, {165, 225, 165}, {255, 0, 120},   {195, 210, 255}, {0, 120, 255},
        {150, 15, 75},  {255, 135, 135}, {0, 120, 90},    {150, 90, 0},    {0, 240, 150}};
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TerralithChart>\n  <Colours>\n";
    for (const auto& c : kColours)
        xml += "    <Colour R=\"" + std::to_string(c[0]) + "\" G=\"" + std::to_string(c[1]) + "\" B=\"" +
               std::to_string(c[2]) + "\"/>\n";
    xml += R"(  </Colours>
  <Charts>
    <Field>
      <Category Name="Production">
        <Chart Name="Oil and gas production" Definition="FieldProduction" Description="Average oil and gas production per year, gas on the right-hand axis"/>
        <Chart Name="Liquids by type" Definition="FieldLiquidsByType" Description="Oil, condensate and LPG production per year, stacked"/>
        <Group Name="Production by operator">
          <Chart CategoryName="Total production by operator" Definition="FieldProductionByOperator" Description="Total production per year stacked by operator, each field grouping counted once"/>
        </Group>
      </Category>
      <Category Name="Costs">
        <Chart Name="Capital spend" Definition="FieldCapex" Description="Capital spend per year in money of the data year"/>
      </Category>
      <Category Name="Reserves">
        <Chart Name="Remaining liquids by field" Definition="FieldRemainingLiquids" Description="Remaining oil, condensate and LPG reserves of each field, stacked"/>
      </Category>
    </Field>
    <Well>
      <Category Name="Drilling">
        <Chart Name="Wells spudded per year" Definition="WellsSpudded" Description="The number of wells spudded each year"/>
      </Category>
    </Well>
    <Block>
      <Category Name="Licensing">
        <Chart Name="Blocks awarded per year" Definition="BlocksAwarded" Description="The number of blocks awarded in each licensing round year"/>
      </Category>
    </Block>
  </Charts>
</TerralithChart>
)";
    return xml;
}

std::vector<SampleCharts::File> SampleCharts::Definitions() {
    std::vector<File> files;

    // Two line queries: oil on the left axis, gas on the right one.
    {
        Axis oil{"Y", "Oil", "Oil", "OIL_PRODUCTION", "Number", 1, "OIL_PRODUCTION"};
        Axis gas{"Y2", "Gas", "Gas", "GAS_PRODUCTION", "Number", 1, "GAS_PRODUCTION"};
        const std::string lineStyle =
            "              <Style Type=\"LINE\" Pattern=\"2\" ForegroundColour=\"31,119,180\" Width=\"2\" "
            "Shape=\"5\" ShapeSize=\"6\" ShapeColour=\"31,119,180\"/>\n";
        const std::string gasStyle =
            "              <Style Type=\"LINE\" Pattern=\"3\" ForegroundColour=\"214,39,40\" Width=\"2\" "
            "Shape=\"3\" ShapeSize=\"5\" ShapeColour=\"214,39,40\"/>\n";
        files.push_back(
            {"FieldProduction",
             ChartXml(Title("Oil and gas production") + Legend("Production", "South", "Horizontal") +
                          "    <IsHorizontal>False</IsHorizontal>\n    <SeriesLimit>0</SeriesLimit>\n"
                          "    <LegendLimit>0</LegendLimit>\n",
                      {{"Oil",
                        AnnualSql("SUM(OIL_PRODUCTION) AS OIL_PRODUCTION"),
                        {{"LINE", 1, false, "", {kYearAxis, oil}, lineStyle}}},
                       {"Gas",
                        AnnualSql("SUM(GAS_PRODUCTION) AS GAS_PRODUCTION"),
                        {{"LINE", 2, false, "", {kYearAxis, gas}, gasStyle}}}})});
    }

    // Plain bars with a footer.
    {
        Axis capex{"Y", "Capital spend", "Capex", "CAPEX_REAL", "Number", 1, "CAPEX_REAL"};
        files.push_back(
            {"FieldCapex",
             ChartXml(Title("Capital spend") + Footer("Money of the data year") +
                          Legend("", "NorthEast", "Vertical"),
                      {{"Capex",
                        AnnualSql("SUM(CAPEX_REAL) AS CAPEX_REAL"),
                        {{"BAR",
                          1,
                          false,
                          "",
                          {kYearAxis, capex},
                          "              <Style Type=\"BAR\" Pattern=\"2\" ForegroundColour=\"44,160,44\" "
                          "BackgroundColour=\"44,160,44\" ClusterWidth=\"70\"/>\n"}}}})});
    }

    // Stacked, read down the result: one series per column, one point per year.
    {
        Axis liquids{"Y", "Liquids", "", "", "Number", 1, "CONDENSATE_PRODUCTION"};
        Axis year = kYearAxis;
        year.annotationSpacing = 5;
        files.push_back(
            {"FieldLiquidsByType",
             ChartXml(Title("Liquids production by type") + Legend("Liquids", "East", "Vertical"),
                      {{"Liquids",
                        AnnualSql("SUM(OIL_PRODUCTION) AS Oil, SUM(CONDENSATE_PRODUCTION) AS Condensate, "
                                  "SUM(LPG_PRODUCTION) AS LPG"),
                        {{"STACKED", 1, true, "", {year, liquids}, ""}}}})});
    }

    // Stacked, read across the result: one series per field, one point per
    // column; the country of the fields comes from the data into the title.
    {
        Axis kind{"X", "Liquid", "", "", "Text", 0, ""};
        Axis reserves{"Y", "Remaining reserves (MMbbl)", "", "", "Number", 1, ""};
        files.push_back(
            {"FieldRemainingLiquids",
             ChartXml(
                 Title("Remaining liquids, CHARTTITLE") + Legend("Field", "East", "Vertical") +
                     "    <IsHorizontal>True</IsHorizontal>\n    <LegendLimit>25</LegendLimit>\n",
                 {{"Reserves",
                   "SELECT Field_Name AS FIELD_NAME, REM_R_OIL AS Oil, REM_R_COND AS Condensate, "
                   "REM_R_LPG AS LPG, Country_Name AS CHARTTITLE FROM Field WHERE Field_Code IN (ASSET_CODE) "
                   "ORDER BY Field_Name",
                   {{"STACKED", 1, false, "FIELD_NAME", {kind, reserves}, ""}}}})});
    }

    // Stacked by the grouping rule: a row per operator, a point per year,
    // field groupings before their fields so that each counts once.
    {
        Axis total{"Y", "Total production", "", "", "Number", 1, "TOTAL_PRODUCTION"};
        files.push_back(
            {"FieldProductionByOperator",
             ChartXml(
                 Title("Total production by operator") + Legend("Operator", "East", "Vertical") +
                     "    <IsHorizontal>False</IsHorizontal>\n    <LegendLimit>20</LegendLimit>\n"
                     "    <TerralithRule Series=\"PROD_YEAR\" StackingCategory=\"OPERATOR\" "
                     "Value=\"TOTAL_PRODUCTION\" SortData=\"True\"/>\n",
                 {{"Operators",
                   "SELECT G.Prod_Year AS PROD_YEAR, COALESCE(F.Operator_Name, 'No operator') AS OPERATOR, "
                   "F.FIELD_GROUPING, F.FIELD_GROUPING_CODE, F.Field_Code AS FIELD_CODE, G.TOTAL_PRODUCTION, "
                   "G.Prod_Year AS ColumnOrder FROM FieldAnnualTotal_Gross G INNER JOIN Field F ON "
                   "F.Field_Code = G.Field_Code WHERE F.Field_Code IN (ASSET_CODE) "
                   "ORDER BY F.FIELD_GROUPING DESC, G.Prod_Year",
                   {{"STACKED", 1, false, "", {kYearAxis, total}, ""}}}})});
    }

    // Counts per year for the other asset types.
    files.push_back(
        CountChart("WellsSpudded", "Wells spudded per year", "Year", "SPUD_YEAR", 45, "Wells", "WELLS",
                   "SELECT CAST(strftime('%Y', SPUD_DATE) AS INTEGER) AS SPUD_YEAR, COUNT(*) AS WELLS "
                   "FROM Well WHERE Well_Code IN (ASSET_CODE) AND SPUD_DATE IS NOT NULL "
                   "GROUP BY 1 ORDER BY 1"));
    files.push_back(CountChart("BlocksAwarded", "Blocks awarded per year", "Award year", "AWARD_YEAR", 0,
                               "Blocks", "BLOCKS",
                               "SELECT Licence_Round_Year AS AWARD_YEAR, COUNT(*) AS BLOCKS FROM Block "
                               "WHERE Block_Code IN (ASSET_CODE) AND Licence_Round_Year IS NOT NULL "
                               "GROUP BY Licence_Round_Year ORDER BY Licence_Round_Year"));
    return files;
}

void SampleCharts::Write(const std::string& dataFolder) {
    MakeFolder(dataFolder + kDefinitions);
    WriteSampleFile(dataFolder + kManifest, ManifestXml());
    for (const File& f : Definitions()) WriteSampleFile(dataFolder + kDefinitions + f.name + ".xml", f.xml);
}
