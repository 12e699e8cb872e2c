// The field step: field criteria on the sample data, the columns a net query
// compares, ranges that name no column or no bound, and the annual figures.
#include <gtest/gtest.h>

#include <string>

#include "tests/sql/RenderFixture.h"

namespace {

class RenderField : public RenderFixture {};

TEST_F(RenderField, CriteriaOfEveryKindGrossAndNet) {
    Bind({{"FieldDetail",
           "<FieldTypes><FieldType Code=\"OIL\" Description=\"Oil\"/><FieldType Code=\"GAS\" "
           "Description=\"Gas\"/></FieldTypes>"}});
    Ref<IField> field = params->Field();
    field->AddFieldNameSearchString("*a*");
    // Depths given in feet: 164.042 ft to 492.126 ft.
    field->AddWaterDepthRange("164.042", "492.126", "Depth", "ft");
    // Discovered from 1980-01-01 to 2010-12-31.
    field->AddDate("Discovery_Date", "Discovery", 40543, 29221, "", "");
    field->AddShoreStatus("OFFSHORE");
    const std::set<std::string> expected = DirectSet(
        "SELECT Field_Code FROM Field WHERE Field_Name LIKE '%a%' AND FIELD_TYPE_CODE IN ('OIL','GAS') AND "
        "WATER_DEPTH >= 164.042 / 3.28083989501312 AND WATER_DEPTH <= 492.126 / 3.28083989501312 AND "
        "Discovery_Date >= '1980-01-01' AND Discovery_Date <= '2010-12-31' AND OFFSHORE_CODE = 'OFFSHORE'");
    ASSERT_GT(expected.size(), 3u);
    ASSERT_LT(expected.size(), DirectSet("SELECT Field_Code FROM Field").size() / 2);
    for (const char* grossNet : {"Gross", "Net"}) {
        const std::string sql = Render("Field", grossNet);
        EXPECT_EQ(Read(sql, "Field"), expected) << grossNet << "\n" << Narrowing();
        EXPECT_EQ(Read(sql, "Field", "FieldParticipant"), expected) << grossNet;
    }
    // The bounds compare the gross column, the not-null test the net one.
    EXPECT_TRUE(Contains(Narrowing(), "WATER_DEPTH >= ")) << Narrowing();
    EXPECT_TRUE(Contains(Narrowing(), "Water_Depth_Net IS NOT NULL")) << Narrowing();
    EXPECT_TRUE(Contains(Narrowing(), "[Discovery_Date] >= #01-01-1980#")) << Narrowing();

    // A field discovered on the upper bound's day is within the range.
    const std::string onBound =
        Scalar("SELECT Field_Code FROM Field ORDER BY Discovery_Date, 1 LIMIT 1 OFFSET 150");
    const std::string day = Scalar("SELECT Discovery_Date FROM Field WHERE Field_Code = " + onBound);
    double serial = 0;
    ASSERT_TRUE(ParseDate(day, serial)) << day;
    Bind();
    params->Field()->AddDate("Discovery_Date", "Discovery", static_cast<int32_t>(serial), 0, "", "");
    const std::set<std::string> upTo = Read(Render("Field"), "Field");
    EXPECT_EQ(upTo, DirectSet("SELECT Field_Code FROM Field WHERE Discovery_Date <= '" + day + "'"))
        << Narrowing();
    EXPECT_EQ(upTo.count(onBound), 1u) << day;

    // Two shore statuses: a field of either kind is found.
    Bind();
    params->Field()->AddShoreStatus("ONSHORE");
    params->Field()->AddShoreStatus("BOTH");
    const std::set<std::string> shore =
        DirectSet("SELECT Field_Code FROM Field WHERE OFFSHORE_CODE IN ('ONSHORE', 'BOTH')");
    ASSERT_GT(shore.size(), DirectSet("SELECT Field_Code FROM Field WHERE OFFSHORE_CODE = 'ONSHORE'").size());
    const std::string either = Render("Field");
    ASSERT_NE(either, "0") << "no field is of both kinds: " << Narrowing();
    EXPECT_EQ(Read(either, "Field"), shore) << Narrowing();
}

TEST_F(RenderField, PresentValueAndVolumesWithTheirTechnicalPart) {
    Ref<IField> field = params->Field();
    field->AddPVRange("TOTALPV_POSTTAX_USD", "PV", "PV", "100", "", "USD million");
    field->AddReservesAndProductionRange("REC_R_TOTAL", "Reserves", "Reserves", "MMboe", "Total_Reserves",
                                         "20", "400", "x,1,1", "MMboe");
    Render("Field", "Net");
    // The present value's bound is the company's share, its not-null test the field's.
    EXPECT_TRUE(Contains(Narrowing(), "[TOTALPV_POSTTAX_USD_Net] >= 100")) << Narrowing();
    EXPECT_TRUE(Contains(Narrowing(), "[TOTALPV_POSTTAX_USD] IS NOT NULL")) << Narrowing();
    EXPECT_TRUE(Contains(Narrowing(),
                         "iif([REC_R_TOTAL_Net] IS NULL,0,[REC_R_TOTAL_Net]) + "
                         "iif([TECH_REC_TOTAL_Net] IS NULL,0,[TECH_REC_TOTAL_Net]) >= 20"))
        << Narrowing();
    const std::string sql = Render("Field");
    const std::set<std::string> expected = DirectSet(
        "SELECT Field_Code FROM Field WHERE TOTALPV_POSTTAX_USD >= 100 AND IFNULL(REC_R_TOTAL, 0) + "
        "IFNULL(TECH_REC_TOTAL, 0) BETWEEN 20 AND 400 AND (REC_R_TOTAL IS NOT NULL OR TECH_REC_TOTAL IS NOT "
        "NULL)");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Read(sql, "Field"), expected) << Narrowing();
}

TEST_F(RenderField, RangesThatNameNoColumnOrHoldNoBoundAddNothing) {
    // A rate of return of a kind neither pre- nor post-tax, a government take
    // of a third method after a valid one, and a present value without bounds.
    Bind({{"FieldDetail",
           "<RatesOfReturnRanges><RatesOfReturnRange PrePostTaxIndex=\"2\" CompanyIIRRangeMinimum=\"1\" "
           "ProjectIIRRangeMaximum=\"1\"/><RatesOfReturnRange PrePostTaxIndex=\"1\" "
           "CompanyIIRRangeMinimum=\"8\" "
           "ProjectIIRRangeMinimum=\"30\"/></RatesOfReturnRanges>"
           "<GovernmentTakeRanges><GovernmentTakeRange TotalRemainingIndex=\"0\" ValuePercentIndex=\"1\" "
           "MinValue=\"40\"/><GovernmentTakeRange TotalRemainingIndex=\"2\" ValuePercentIndex=\"0\" "
           "MaxValue=\"45\"/></GovernmentTakeRanges>"
           "<PVRanges><PVRange FieldName=\"REMPV_POSTTAX_USD\"/></PVRanges>"}});
    const std::string sql = Render("Field");
    EXPECT_FALSE(Contains(Narrowing(), "PRE_TAX_IRR")) << Narrowing();
    EXPECT_FALSE(Contains(Narrowing(), "REMPV")) << Narrowing();
    const std::set<std::string> expected = DirectSet(
        "SELECT Field_Code FROM Field WHERE POST_TAX_IRR_COMPANY >= 8 AND POST_TAX_IRR <= 30 AND "
        "TOTAL_GOVT_TAKE_PERC >= 40");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Read(sql, "Field"), expected) << Narrowing();

    // A net query compares the companies' share of a government take.
    Bind({{"FieldDetail",
           "<GovernmentTakeRanges><GovernmentTakeRange TotalRemainingIndex=\"0\" ValuePercentIndex=\"0\" "
           "MinValue=\"1000\"/></GovernmentTakeRanges>"}});
    const std::set<std::string> shares = DirectSet(
        "SELECT F.Field_Code FROM Field F JOIN FieldInterest I ON I.Field_Code = F.Field_Code WHERE "
        "F.TOTAL_GOVT_TAKE_USD * I.Interest_Perc / 100 >= 1000");
    ASSERT_FALSE(shares.empty());
    ASSERT_NE(shares, DirectSet("SELECT Field_Code FROM Field WHERE TOTAL_GOVT_TAKE_USD >= 1000"));
    EXPECT_EQ(Read(Render("Field", "Net"), "Field"), shares) << Narrowing();
    EXPECT_TRUE(Contains(Narrowing(), "TOTAL_GOVT_TAKE_USD_Net >= 1000")) << Narrowing();

    // A date range of a query file with neither bound, alone.
    Bind({{"FieldDetail",
           "<Dates><Date FieldName=\"Discovery_Date\" DateLow=\"0\" DateHigh=\"0\"/></Dates>"}});
    EXPECT_EQ(Read(Render("Field"), "Field").size(), DirectSet("SELECT Field_Code FROM Field").size());
}

TEST_F(RenderField, AnnualFiguresAnswerOneYearRanges) {
    Ref<IField> field = params->Field();
    // The lower bound is one field's own figure of the year: that field is found.
    const std::string figure = Scalar(
        "SELECT OIL_PRODUCTION FROM Annual.FieldAnnualTotal_Gross WHERE Prod_Year = 2020 "
        "AND OIL_PRODUCTION > 0 ORDER BY OIL_PRODUCTION LIMIT 1 OFFSET 30");
    const std::string onBound = Scalar(
        "SELECT Field_Code FROM Annual.FieldAnnualTotal_Gross WHERE Prod_Year = 2020 AND OIL_PRODUCTION = " +
        figure);
    ASSERT_FALSE(onBound.empty());
    field->AddReservesAndProductionRange("OIL_PRODUCTION", "Oil", "Oil", "Mbbl/d", "OilRate", figure, "",
                                         "x,2,2,2020", "Mbbl/d");
    // Only annual criteria: a gross query takes its codes from the annual figures alone.
    std::string sql = Render("Field");
    EXPECT_TRUE(renderer->StatementsRun().empty());
    EXPECT_EQ(Read(sql, "Field"),
              DirectSet("SELECT Field_Code FROM Annual.FieldAnnualTotal_Gross WHERE Prod_Year = 2020 AND "
                        "OIL_PRODUCTION >= " +
                        figure));
    EXPECT_EQ(Read(sql, "Field").count(onBound), 1u);
    EXPECT_TRUE(WasSent("PROGRESS_BAR_MESSAGE: Building Query (Reserves && Production)"));
    EXPECT_TRUE(WasSent("PROGRESS_BAR_VALUE: 90"));
    // A net query narrows first, then asks the companies' shares.
    sql = Render("Field", "Net");
    EXPECT_EQ(renderer->StatementsRun().size(), 1u);
    EXPECT_EQ(Read(sql, "Field"),
              DirectSet("SELECT Field_Code FROM Annual.FieldAnnualTotal_Net WHERE Prod_Year = 2020 AND "
                        "OIL_PRODUCTION >= " +
                        figure));
    // A span of years compares the column of the query's own table.
    field->AddCost("CAPEX_REAL_NET", "Capex", "C", "10", "", "x,1,2,2015,2020", "USD");
    sql = Render("Field", "Net");
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    EXPECT_EQ(
        Read(sql, "Field"),
        DirectSet("SELECT Field_Code FROM Annual.FieldAnnualTotal_Net WHERE Prod_Year = 2020 AND "
                  "OIL_PRODUCTION >= " +
                  figure +
                  " INTERSECT SELECT Field_Code FROM Annual.FieldAnnualTotal_Net WHERE CAPEX_REAL_NET >= 10 "
                  "AND Prod_Year BETWEEN 2015 AND 2020"));
    field->ClearCosts();

    // Answered from the annual figures alone, the codes are held to the limit too.
    ChangeData(
        "WITH RECURSIVE n(i) AS (SELECT 100001 UNION ALL SELECT i + 1 FROM n WHERE i < 120001) "
        "INSERT INTO FieldAnnualTotal_Gross (Field_Code, Prod_Year, OIL_PRODUCTION) SELECT i, 2020, 50 FROM "
        "n;",
        "Annual.db");
    EXPECT_EQ(Render("Field"), "-2147217307");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Warning");

    // Every annual criterion must be met: a first one that finds nothing
    // leaves nothing for the next to find.
    Bind();
    params->Field()->AddReservesAndProductionRange("OIL_PRODUCTION", "Oil", "Oil", "Mbbl/d", "OilRate", "0",
                                                   "", "x,2,2,1900", "Mbbl/d");
    params->Field()->AddReservesAndProductionRange("GAS_PRODUCTION", "Gas", "Gas", "MMscf/d", "GasRate", "0",
                                                   "", "x,2,2,2020", "MMscf/d");
    EXPECT_EQ(Render("Field"), "0");
}

TEST_F(RenderField, ReservoirAgesWithinTheSectorsPicked) {
    Ref<cvCollection> ages = gTools()->NewCollection();
    ages->Add(Variant("JUR|Jurassic"), "k0");
    params->Field()->AddFieldReservoirAges("PERIOD", ages);
    params->Field()->AddFieldReservoirSearchString("*Group*");
    params->General()->AddSector(21, "Norwegian North Sea", "NO", "Norway", "EU", "Europe");
    const std::set<std::string> expected = DirectSet(
        "SELECT F.Field_Code FROM Field F WHERE F.Field_Code IN (SELECT Field_Code FROM FieldReservoir WHERE "
        "PERIOD_CODE = 'JUR') AND F.Field_Code IN (SELECT Field_Code FROM FieldSector WHERE Sector_Code = "
        "21) "
        "AND F.RESERVOIR_AGE LIKE '%Group%'");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Read(Render("Field"), "Field"), expected) << Narrowing();
}

TEST_F(RenderField, BlocksWithoutFieldsMatchNothing) {
    const std::string block = Scalar(
        "SELECT Block_Code FROM Block WHERE Block_Code NOT IN (SELECT Block_Code FROM "
        "FieldBlock) ORDER BY Block_Code LIMIT 1");
    ASSERT_FALSE(block.empty());
    params->Field()->AddBlockLocation(std::stoi(block), "", "");
    EXPECT_EQ(Render("Field"), "0");
    EXPECT_TRUE(WasSent("PROGRESS_BAR_VALUE: 35"));
    EXPECT_FALSE(WasSent("PROGRESS_BAR_VALUE: 40"));
    EXPECT_TRUE(renderer->StatementsRun().empty());
}

TEST_F(RenderField, ValuesFromAQueryFileStayValues) {
    // A pattern with a comma and a quote is one literal, its quote written
    // as names are stored.
    Bind({{"FieldDetail", "<FieldNameSearches><FieldNameSearch Code=\"O'Ne,il\"/></FieldNameSearches>"}});
    EXPECT_EQ(Render("Field"), "0");
    EXPECT_TRUE(Contains(Narrowing(), "A.FIELD_NAME LIKE 'O`Ne,il'")) << Narrowing();
    // A quote in a quoted code stays inside its literal.
    Bind({{"FieldDetail", "<FieldTypes><FieldType Code=\"O') OR ('1'='1\"/></FieldTypes>"}});
    EXPECT_EQ(Render("Field"), "0");
    EXPECT_TRUE(messages.empty());
    // An empty date bound is no bound, as 0 is: the other end still counts.
    for (const char* low : {"", "0"}) {
        Bind({{"FieldDetail", std::string("<Dates><Date FieldName=\"Discovery_Date\" DateLow=\"") + low +
                                  "\" DateHigh=\"29221\"/></Dates>"}});
        const std::string sql = Render("Field");
        ASSERT_TRUE(messages.empty()) << "DateLow=\"" << low << "\": " << messages.front().text;
        EXPECT_EQ(Read(sql, "Field"),
                  DirectSet("SELECT Field_Code FROM Field WHERE Discovery_Date <= '1980-01-01'"))
            << "DateLow=\"" << low << "\"";
    }
    // A code that is no number, a column that is no name, a bound that is no
    // number, a flag, an index or a unit that does not convert: each refuses
    // the query, gross or net, with one message that names the element and
    // attribute it stands in and quotes it as the file holds it, cut to a
    // readable length.
    struct File {
        const char* element;
        std::string detail;
        std::string message;
        const char* type = "Field";
    };
    const std::string longCode(100000, '7');
    const std::string longShown = "x" + longCode.substr(0, 59) + "... (100001 characters)";
    const File files[] = {
        {"FieldDetail", "<AssetCodes><AssetCode Code=\"1) OR (1=1\"/></AssetCodes>",
         "The value '1) OR (1=1' in the list '1) OR (1=1' of 'AssetCode@Code' is not a valid number."},
        {"FieldDetail",
         "<Dates><Date FieldName=\"Discovery_Date OR 1=1\" DateLow=\"29221\" DateHigh=\"0\"/></Dates>",
         "The value 'Discovery_Date OR 1=1' of 'Date@FieldName' is not a valid name: only letters, digits "
         "and "
         "'_' may be used."},
        // A serial past the year 9999 is quoted as written, not as the number read from it.
        {"FieldDetail",
         "<Dates><Date FieldName=\"Discovery_Date\" DateLow=\"99999999999999999999\" "
         "DateHigh=\"0\"/></Dates>",
         "The value '99999999999999999999' of 'Date@DateLow' is not a valid date."},
        {"FieldDetail", "<APIRanges><APIRange MinValue=\"30 OR 1=1\"/></APIRanges>",
         "The value '30 OR 1=1' of 'APIRange@MinValue' is not a valid number."},
        {"FieldDetail", "<PVRanges><PVRange FieldName=\"X\" BoundaryMinimum=\"1e999\"/></PVRanges>",
         "The value '1e999' of 'PVRange@BoundaryMinimum' is not a valid number."},
        // A net query reads the name with "_Net" after it; the name is quoted as written.
        {"FieldDetail", "<PVRanges><PVRange FieldName=\"X OR 1\" BoundaryMinimum=\"1\"/></PVRanges>",
         "The value 'X OR 1' of 'PVRange@FieldName' is not a valid name: only letters, digits and '_' may be "
         "used."},
        {"FieldDetail",
         "<WaterDepthRanges><WaterDepthRange MinValue=\"10\" CategoryID=\"Depth\" UnitID=\"fathom\"/>"
         "</WaterDepthRanges>",
         "The value 'fathom' of 'WaterDepthRange@UnitID' is not a unit of the category 'Depth'."},
        {"FieldDetail",
         "<ReservesAndProductions><ReservesAndProduction FieldName=\"OIL_PRODUCTION\" DefaultUnit=\"Mbbl/d\" "
         "UnitCategory=\"OilRate\" MinValue=\"abc\" ReserveType=\"2\" ProductionType=\"2\" "
         "ProductionYear=\"2020\"/></ReservesAndProductions>",
         "The value 'abc' of 'ReservesAndProduction@MinValue' is not a valid number."},
        // One production year is answered from the annual figures, in their own look-up.
        {"FieldDetail",
         "<ReservesAndProductions><ReservesAndProduction FieldName=\"OIL_PRODUCTION\" "
         "DefaultUnit=\"furlong\" UnitCategory=\"OilRate\" MinValue=\"1\" ReserveType=\"2\" "
         "ProductionType=\"2\" ProductionYear=\"2020\"/></ReservesAndProductions>",
         "The value 'furlong' of 'ReservesAndProduction@DefaultUnit' is not a unit of the category "
         "'OilRate'."},
        {"FieldDetail",
         "<CostRanges><CostRange FieldName=\"CAPEX_REAL\" BoundaryMinimum=\"10\" CostType=\"1\" "
         "CostMode=\"2\" "
         "YearMin=\"2015 OR 1=1\" YearMax=\"2020\"/></CostRanges>",
         "The value '2015 OR 1=1' of 'CostRange@YearMin' is not a valid number."},
        {"FieldDetail", "<BlockLocations><BlockLocation Code=\"7) OR (1=1\"/></BlockLocations>",
         "The value '7) OR (1=1' in the list '7) OR (1=1' of 'BlockLocation@Code' is not a valid number."},
        {"FieldDetail",
         "<FieldGroupings><FieldGrouping ID=\"99999\" GroupFilterType=\"Groupings\"/></FieldGroupings>",
         "The value '99999' of 'FieldGrouping@ID' is not a whole number from -32768 to 32767."},
        // An id that is no number would drop the filter: refused the same way.
        {"FieldDetail",
         "<FieldGroupings><FieldGrouping ID=\"abc\" GroupFilterType=\"Groupings\"/></FieldGroupings>",
         "The value 'abc' of 'FieldGrouping@ID' is not a whole number from -32768 to 32767."},
        // Past what any whole number the run time reads can hold.
        {"FieldDetail",
         "<FieldGroupings><FieldGrouping ID=\"2147483648\" GroupFilterType=\"Groupings\"/></FieldGroupings>",
         "The value '2147483648' of 'FieldGrouping@ID' is not a whole number from -32768 to 32767."},
        {"FieldDetail",
         "<GovernmentTakeRanges><GovernmentTakeRange TotalRemainingIndex=\"total\" ValuePercentIndex=\"0\" "
         "MinValue=\"1\"/></GovernmentTakeRanges>",
         "The value 'total' of 'GovernmentTakeRange@TotalRemainingIndex' is not a whole number."},
        {"CompanyDetail",
         "<Companies><Company ID=\"102\" Name=\"B\" ShortName=\"B\" ParentCode=\"0\"/></Companies>"
         "<Subsiduaries>yes</Subsiduaries>",
         "The value 'yes' of 'CompanyDetail/Subsiduaries' is not a flag: True or False."},
        // A competitor analysis reads each company's position by its ID.
        {"CompanyDetail",
         "<Options><CAQuery>True</CAQuery></Options><Companies><Company ID=\"10x\" Name=\"B\" "
         "ShortName=\"B\" ParentCode=\"0\" CAPosition=\"A\"/></Companies><CompetitorAnalysis>"
         "<Permutations><Palette><Permutations><Permutation Code=\"A\" Active=\"True\"/></Permutations>"
         "</Palette></Permutations></CompetitorAnalysis>",
         "The value '10x' of 'Company@ID' is not a whole number."},
        // A permutation names its companies one character each.
        {"CompanyDetail",
         "<Options><CAQuery>True</CAQuery></Options><Companies><Company ID=\"101\" Name=\"B\" "
         "ShortName=\"B\" ParentCode=\"0\" CAPosition=\"AB\"/></Companies><CompetitorAnalysis>"
         "<Permutations><Palette><Permutations><Permutation Code=\"AB\" Active=\"True\"/></Permutations>"
         "</Palette></Permutations></CompetitorAnalysis>",
         "The value 'AB' of 'Company@CAPosition' is not a single character."},
        // A position is found as written: the permutation's "A" names no company at "a".
        {"CompanyDetail",
         "<Options><CAQuery>True</CAQuery></Options><Companies><Company ID=\"101\" Name=\"B\" "
         "ShortName=\"B\" ParentCode=\"0\" CAPosition=\"a\"/></Companies><CompetitorAnalysis>"
         "<Permutations><Palette><Permutations><Permutation Code=\"A\" Active=\"True\"/></Permutations>"
         "</Palette></Permutations></CompetitorAnalysis>",
         "The value 'a' of 'Company@CAPosition' is in another letter case in the code of an active "
         "permutation."},
        {"CompanyDetail",
         "<CompanyInterestRanges><CompanyInterest_Range MinValue=\"5%\"/></CompanyInterestRanges>",
         "The value '5%' of 'CompanyInterest_Range@MinValue' is not a valid number."},
        {"LocationDetail", "<Sectors><Sector SectorCode=\"11x\" CountryCode=\"GB\"/></Sectors>",
         "The value '11x' in the list '11x' of 'Sector@SectorCode' is not a valid number."},
        {"FieldDetail", "<AssetCodes><AssetCode Code=\"x" + longCode + "\"/></AssetCodes>",
         "The value '" + longShown + "' in the list '" + longShown +
             "' of 'AssetCode@Code' is not a valid number."},
        // The unit in the brackets of a caption is what converts; a caption
        // whose brackets hold no unit is quoted whole.
        {"TransportDetail",
         "<TransportSpecifications><TransportSpecification FieldName=\"Pipeline_Diameter\" "
         "UnitCategory=\"Pipeline Diameter\" DefaultUnit=\"(in') OR (1=1\" BoundaryMinimum=\"8\"/>"
         "</TransportSpecifications>",
         "The value '(in') OR (1=1' of 'TransportSpecification@DefaultUnit' is not a unit of the category "
         "'Pipeline Diameter'.",
         "Transport"},
        {"TransportDetail",
         "<TransportSpecifications><TransportSpecification FieldName=\"Pipeline_Diameter\" "
         "UnitCategory=\"Diameter\" DefaultUnit=\"in\" BoundaryMinimum=\"8\"/></TransportSpecifications>",
         "The value 'Diameter' of 'TransportSpecification@UnitCategory' is not a unit category.",
         "Transport"},
        // The fields a transport serves are looked up by their codes.
        {"TransportDetail", "<FieldLocations><FieldLocation Code=\"7x\"/></FieldLocations>",
         "The value '7x' in the list '7x' of 'FieldLocation@Code' is not a valid number.", "Transport"},
    };
    for (const File& f : files) {
        for (const char* grossNet : {"Gross", "Net"}) {
            const std::string shown = f.detail.substr(0, 120) + " " + grossNet;
            messages.clear();
            Bind({{f.element, f.detail}});
            EXPECT_EQ(Render(f.type, grossNet), "-2147217306") << shown;
            ASSERT_EQ(messages.size(), 1u) << shown;
            EXPECT_EQ(messages[0].title, "User Input Error") << shown;
            EXPECT_EQ(messages[0].text, f.message) << shown;
        }
    }
}

}  // namespace
