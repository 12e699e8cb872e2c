// The well step on the sample data: its criteria, the fields of a query
// with companies, and the geological details.
#include <gtest/gtest.h>

#include <string>

#include "tests/sql/RenderFixture.h"

namespace {

class RenderWell : public RenderFixture {};

TEST_F(RenderWell, CriteriaOfEveryKindGrossAndNet) {
    Bind({{"WellDetail",
           "<Types><Type Code=\"EXPL\"/><Type Code=\"APPR\"/></Types>"
           "<GeologicalDetails><GeologicalDetail Code=\"MZ\" QueryType=\"ERA\" Formation=\"ANY\"/>"
           "</GeologicalDetails>"}});
    Ref<IWell> well = params->Well();
    // Spudded up to 2010-12-31.
    well->AddDate("SPUD_DATE", "Spud", 40543, 0, "", "");
    well->AddWellWaterDepth("50", "", "Depth", "m");
    well->AddWellDepthRange(0, "", "4000", "Depth", "m");
    const std::set<std::string> expected = DirectSet(
        "SELECT Well_Code FROM Well WHERE WELL_TYPE_CODE IN ('EXPL','APPR') AND SPUD_DATE <= '2010-12-31' "
        "AND "
        "WATER_DEPTH >= 50 AND MEASURED_DEPTH <= 4000 AND ('MZ' IN (PRIMARY_ERA_CODE, SECONDARY_ERA_CODE, "
        "TDFORMATION_ERA_CODE))");
    ASSERT_GT(expected.size(), 10u);
    for (const char* grossNet : {"Gross", "Net"}) {
        const std::string sql = Render("Well", grossNet);
        EXPECT_EQ(Read(sql, "Well"), expected) << grossNet << "\n" << Narrowing();
        EXPECT_EQ(Read(sql, "Well", "WellParticipant"), expected) << grossNet;
    }
    EXPECT_TRUE(Contains(Narrowing(), "SELECT DISTINCT A.Well_Code")) << Narrowing();
    EXPECT_FALSE(Contains(Narrowing(), ">= #")) << "a date bound of 0 is no bound";

    // Discoveries of both kinds; a name with a quote is compared as stored.
    Bind();
    params->Well()->SetDiscoveryType("BOTH");
    EXPECT_EQ(Read(Render("Well"), "Well"),
              DirectSet("SELECT Well_Code FROM Well WHERE DISCOVERY_TYPE_CODE IN ('COMM','TECH')"));
    params->Well()->AddWellNameSearchString("O'B*,x");
    Render("Well");
    EXPECT_TRUE(Contains(Narrowing(), "WELL_REFERENCE LIKE 'O`B%,x'")) << Narrowing();

    // A geological reference is found in any of its nine columns; each
    // reference must be found.
    Bind();
    params->Well()->AddGeologicalReferenceSearchString("Jurassic");
    const std::string anyColumn =
        "SELECT Well_Code FROM Well WHERE 'Jurassic' IN (PRIMARY_ERA, SECONDARY_ERA, TDFORMATION_ERA, "
        "PRIMARY_PERIOD, SECONDARY_PERIOD, TDFORMATION_PERIOD, PRIMARY_FORMATION, SECONDARY_FORMATION, "
        "TDFORMATION_FORMATION)";
    const std::set<std::string> jurassic = DirectSet(anyColumn);
    ASSERT_GT(jurassic.size(),
              DirectSet("SELECT Well_Code FROM Well WHERE PRIMARY_PERIOD = 'Jurassic'").size());
    std::string sql = Render("Well");
    ASSERT_NE(sql, "0") << Narrowing();
    EXPECT_EQ(Read(sql, "Well"), jurassic) << Narrowing();
    params->Well()->AddGeologicalReferenceSearchString("Brent*");
    sql = Render("Well");
    ASSERT_NE(sql, "0") << Narrowing();
    EXPECT_EQ(
        Read(sql, "Well"),
        DirectSet(anyColumn + " AND (PRIMARY_FORMATION LIKE 'Brent%' OR SECONDARY_FORMATION LIKE 'Brent%' OR "
                              "TDFORMATION_FORMATION LIKE 'Brent%')"))
        << Narrowing();

    // A depth range names its column in any letter case; any other name
    // refuses the query rather than finding wells of every depth.
    auto depth = [](const std::string& name) {
        return "<WellDepths><WellDepth WellDepthIndex=\"1\" WellDepthName=\"" + name +
               "\" MinValue=\"4000\" CategoryID=\"Depth\" UnitID=\"m\"/></WellDepths>";
    };
    const std::set<std::string> deep =
        DirectSet("SELECT Well_Code FROM Well WHERE TRUE_VERTICAL_DEPTH >= 4000");
    ASSERT_FALSE(deep.empty());
    ASSERT_LT(deep.size(), DirectSet("SELECT Well_Code FROM Well").size() / 2);
    for (const char* name : {"TRUE_VERTICAL_DEPTH", "true_vertical_depth", "True_Vertical_Depth"}) {
        Bind({{"WellDetail", depth(name)}});
        EXPECT_EQ(Read(Render("Well"), "Well"), deep) << name;
    }
    for (const char* name : {"BOGUS", "MEASURED_DEPTH_X", ""}) {
        messages.clear();
        Bind({{"WellDetail", depth(name)}});
        EXPECT_EQ(Render("Well"), "-2147217306") << name;
        ASSERT_EQ(messages.size(), 1u) << name;
        EXPECT_EQ(messages[0].text, "The value '" + std::string(name) +
                                        "' of 'WellDepth@WellDepthName' is not a well depth column: "
                                        "MEASURED_DEPTH or TRUE_VERTICAL_DEPTH.");
    }
}

TEST_F(RenderWell, AQueryWithCompaniesKeepsItsFields) {
    const std::string company = Scalar(
        "SELECT Company_Code FROM BlockInterest GROUP BY Company_Code ORDER BY COUNT(*) DESC, 1 LIMIT 1");
    // A field with wells in the company's blocks and wells outside them.
    const std::string field = Scalar(
        "SELECT Field_Code FROM Well WHERE Field_Code IS NOT NULL GROUP BY Field_Code HAVING SUM(Block_Code "
        "IN "
        "(SELECT Block_Code FROM BlockInterest WHERE Company_Code = " +
        company + ")) > 0 ORDER BY COUNT(*) DESC LIMIT 1");
    ASSERT_FALSE(field.empty());
    params->General()->AddCompany(std::stoi(company), "C", "C", 0);
    params->Well()->AddFieldLocation(std::stoi(field), "");
    const std::set<std::string> expected = DirectSet(
        "SELECT Well_Code FROM Well WHERE Field_Code = " + field +
        " AND Block_Code IN (SELECT Block_Code FROM BlockInterest WHERE Company_Code = " + company + ")");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Read(Render("Well"), "Well"), expected);
}

TEST_F(RenderWell, TheFirstGeologicalDetailDecidesWhereAndAtWhichLevel) {
    const std::string age =
        Scalar("SELECT PRIMARY_AGE_CODE FROM Well GROUP BY 1 ORDER BY COUNT(*) DESC LIMIT 1");
    Bind({{"WellDetail", "<GeologicalDetails><GeologicalDetail Code=\"" + age +
                             "\" QueryType=\"ALL\" Formation=\"PRIMARY\"/><GeologicalDetail Code=\"1\" "
                             "QueryType=\"ERA\" Formation=\"ANY\"/></GeologicalDetails>"}});
    EXPECT_EQ(Read(Render("Well"), "Well"),
              DirectSet("SELECT Well_Code FROM Well WHERE PRIMARY_AGE_CODE IN (" + age + ",1)"));
    EXPECT_TRUE(Contains(Narrowing(), "PRIMARY_AGE_CODE IN (" + age + ",1)")) << Narrowing();
    // A level is part of a column name, so it must be a name.
    Bind({{"WellDetail",
           "<GeologicalDetails><GeologicalDetail Code=\"MZ\" QueryType=\"ERA_CODE=1 OR X\" "
           "Formation=\"SECONDARY\"/></GeologicalDetails>"}});
    EXPECT_EQ(Render("Well"), "-2147217306");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(
        messages[0].text,
        "The value 'ERA_CODE=1 OR X' of 'GeologicalDetail@QueryType' is not a valid name: only letters, "
        "digits and '_' may be used.");
    // A position nobody knows adds nothing.
    Bind({{"WellDetail",
           "<GeologicalDetails><GeologicalDetail Code=\"MZ\" QueryType=\"ERA\" Formation=\"UPPER\"/>"
           "</GeologicalDetails>"}});
    EXPECT_EQ(Read(Render("Well"), "Well").size(), DirectSet("SELECT Well_Code FROM Well").size());
}

TEST_F(RenderWell, EachWellIsListedOnceInCodeOrder) {
    // A search that gives each well twice, the second time after all the others.
    root->SetOption(
        "SQL_WELL",
        "SELECT A.Well_Code, B.k FROM (SELECT 1 AS k UNION ALL SELECT 2) B CROSS JOIN Well A <join/> "
        "<where/>");
    const std::string sql = Render("Well");
    const size_t wells = DirectSet("SELECT Well_Code FROM Well").size();
    EXPECT_EQ(Split(sql.substr(sql.find("Well_Code IN (") + 14), ",").size(), wells);
    // A data set without the template has no statement for wells.
    root->SetOption("SQL_WELL", "");
    EXPECT_EQ(Render("Well"), "");
    EXPECT_TRUE(renderer->StatementsRun().empty());
    EXPECT_TRUE(messages.empty());
}

}  // namespace
