// The block and transport steps on the sample data.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/sql/RenderFixture.h"

namespace {

class RenderBlockTransport : public RenderFixture {};

TEST_F(RenderBlockTransport, BlockCriteriaGrossAndNet) {
    Bind({{"BlockDetail",
           "<LicenceTypes><LicenceType ID=\"1\" LicenceTypeCode=\"PROD\" LicenceSubTypeCode=\"TRAD\"/>"
           "<LicenceType ID=\"2\" LicenceTypeCode=\"APA\" LicenceSubTypeCode=\"\"/></LicenceTypes>"}});
    Ref<IBlock> block = params->Block();
    // A depth interval overlapping 100 m to 200 m.
    block->AddWaterDepthRange("100", "200", "Depth", "m");
    const std::set<std::string> expected = DirectSet(
        "SELECT Block_Code FROM Block WHERE ((Licence_Type_Code = 'PROD' AND Licence_Sub_Type_Code = 'TRAD') "
        "OR "
        "Licence_Type_Code = 'APA') AND Water_Depth_Max >= 100 AND Water_Depth_Min <= 200 AND "
        "Licence_Area_Status_Code <> 'RELINQ'");
    ASSERT_GT(expected.size(), 3u);
    for (const char* grossNet : {"Gross", "Net"}) {
        const std::string sql = Render("Block", grossNet);
        EXPECT_EQ(Read(sql, "Block"), expected) << grossNet << "\n" << Narrowing();
        EXPECT_EQ(Read(sql, "Block", "BlockParticipant"), expected) << grossNet;
        // Relinquished areas are left out of the result statement itself too.
        EXPECT_TRUE(Contains(sql, "(Licence_Area_Status_Code <> 'RELINQ')")) << sql;
        // A net search reads a row per participant; each block is listed once.
        EXPECT_EQ(Split(sql.substr(sql.find("Block_Code IN (") + 15), ",").size(), expected.size()) << sql;
    }

    // A net query compares the company's share of the bonus.
    Bind();
    params->Block()->AddSignatureBonusRange("2", "");
    EXPECT_EQ(
        Read(Render("Block", "Net"), "Block"),
        DirectSet(
            "SELECT B.Block_Code FROM Block B JOIN BlockInterest I ON I.Block_Code = B.Block_Code WHERE "
            "B.Signature_Bonus * I.Interest_Perc / 100 >= 2 AND B.Licence_Area_Status_Code <> "
            "'RELINQ'"));
    EXPECT_TRUE(Contains(Narrowing(), "Signature_Bonus_Net IS NOT NULL")) << Narrowing();
    EXPECT_EQ(
        Read(Render("Block"), "Block"),
        DirectSet("SELECT Block_Code FROM Block WHERE Signature_Bonus >= 2 AND Licence_Area_Status_Code <> "
                  "'RELINQ'"));
}

TEST_F(RenderBlockTransport, TransportCriteriaAndTheirOrder) {
    Bind({{"TransportDetail", "<TransportMethods><TransportMethod Code=\"PIP%\"/></TransportMethods>"}});
    Ref<ITransport> transport = params->Transport();
    params->General()->AddSector(11, "UK Northern North Sea", "GB", "United Kingdom", "EU", "Europe");
    transport->AddPrimaryProductTypes(true, false, false, true);
    // A diameter given in millimetres, 203.2 mm being 8 in.
    transport->AddTransportSpecification("Pipeline_Diameter", "Diameter", "Diameter",
                                         "Pipeline Diameter (mm)", "Pipeline Diameter", "203.2", "", "mm");
    const std::vector<std::string> expected = Direct(
        "SELECT Transport_Code FROM Transport WHERE Transport_Code IN (SELECT Transport_Code FROM "
        "TransportCountry WHERE Country_Code = 'GB') AND TRANSPORT_METHOD_CODE LIKE 'PIP%' AND "
        "ENERGY_TYPE_CODE IN "
        "('OIL','GAS') AND Pipeline_Diameter_Actual >= 8 ORDER BY COALESCE(Transport_Grouping_System_Name, "
        "Transport_System), COALESCE(Transport_Grouping_System_Name, '') || Transport_System");
    ASSERT_GT(expected.size(), 10u);
    for (const char* grossNet : {"Gross", "Net"}) {
        const std::string sql = Render("Transport", grossNet);
        // The result statement reads in the order of the systems' names.
        auto rs = New<ADODB::Recordset>();
        rs->Open(Replace(sql, "<table/>", "Transport"), root->Connection(), 3, 1);
        std::vector<std::string> read;
        for (; !rs->Eof(); rs->MoveNext()) read.emplace_back(rs->Fields("Transport_Code").AsText());
        EXPECT_EQ(read, expected) << grossNet << "\n" << sql;
    }
    EXPECT_TRUE(WasSent("PROGRESS_BAR_MESSAGE: Building Query (Reducing by Transport)"));
    EXPECT_EQ(SentFrom("Building Query (Reducing by Transport)").at(1), "PROGRESS_BAR_VALUE: 50");

    // A pipeline specification without bounds adds nothing; fields shipping through no
    // system match nothing.
    Bind({{"TransportDetail",
           "<TransportSpecifications><TransportSpecification FieldName=\"Pipe_Length\" DefaultUnit=\"km\" "
           "UnitCategory=\"Length\"/></TransportSpecifications>"}});
    EXPECT_EQ(Read(Render("Transport"), "Transport"), DirectSet("SELECT Transport_Code FROM Transport"));
    EXPECT_FALSE(Contains(Narrowing(), "Pipe_Length")) << Narrowing();
    const std::string field = Scalar(
        "SELECT Field_Code FROM Field WHERE Field_Code NOT IN (SELECT Field_Code FROM TransportUserField) "
        "LIMIT 1");
    params->Transport()->AddFieldLocation(std::stoi(field), "", "");
    EXPECT_EQ(Render("Transport"), "0");
    EXPECT_FALSE(WasSent("PROGRESS_BAR_MESSAGE: Building Query (Reducing by Transport)"));

    // From fields to a terminal: each end is compared with its own type.
    const std::string terminal = Scalar(
        "SELECT DEST_CODE FROM Transport WHERE START_TYPE = 'Field' AND DEST_TYPE = 'Terminal' GROUP BY 1 "
        "HAVING COUNT(*) > 2 ORDER BY 1 LIMIT 1");
    const std::vector<std::string> fields = Direct(
        "SELECT START_CODE FROM Transport WHERE START_TYPE = 'Field' AND DEST_TYPE = 'Terminal' AND "
        "DEST_CODE "
        "= " +
        terminal + " ORDER BY 1 LIMIT 2");
    ASSERT_EQ(fields.size(), 2u) << terminal;
    Bind();
    Ref<ITransport> route = params->Transport();
    for (const std::string& code : fields) route->AddTransportSource("Field", code, "");
    route->AddTransportDestination("Terminal", terminal, "");
    const std::set<std::string> routes =
        DirectSet("SELECT Transport_Code FROM Transport WHERE START_TYPE = 'Field' AND START_CODE IN (" +
                  fields[0] + "," + fields[1] + ") AND DEST_TYPE = 'Terminal' AND DEST_CODE = " + terminal);
    ASSERT_EQ(routes.size(), 2u);
    const std::string sql = Render("Transport");
    ASSERT_NE(sql, "0") << Narrowing();
    EXPECT_EQ(Read(sql, "Transport"), routes) << Narrowing();
}

}  // namespace
