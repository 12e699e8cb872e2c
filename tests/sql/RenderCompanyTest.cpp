// The company and location steps: the assets the chosen companies hold (any
// of them, all of them, or exactly a competitor-analysis combination), the
// interest filter, and the sectors or countries picked.
#include <gtest/gtest.h>

#include <string>

#include "tests/sql/RenderFixture.h"

namespace {

class RenderCompany : public RenderFixture {
protected:
    // The company with the most participations in the interest table.
    std::string Busiest(const std::string& sTable) {
        return Scalar("SELECT Company_Code FROM " + sTable +
                      " GROUP BY Company_Code ORDER BY COUNT(*) DESC, Company_Code LIMIT 1");
    }
    // The operator with the most partnered fields, and its most frequent partner.
    std::pair<std::string, std::string> OperatorAndPartner() {
        const std::string pairs =
            "FROM FieldInterest a JOIN FieldInterest b ON a.Field_Code = b.Field_Code AND a.Company_Code <> "
            "b.Company_Code WHERE a.Ownership_Status = 1 ";
        const std::string op = Scalar("SELECT a.Company_Code " + pairs +
                                      "GROUP BY a.Company_Code ORDER BY COUNT(*) DESC, 1 LIMIT 1");
        return {op, Scalar("SELECT b.Company_Code " + pairs + "AND a.Company_Code = " + op +
                           " GROUP BY b.Company_Code ORDER BY COUNT(*) DESC, 1 LIMIT 1")};
    }
    void Select(const std::string& sCode) {
        params->General()->AddCompany(std::stoi(sCode), sCode, sCode, 0);
    }
};

TEST_F(RenderCompany, EachTypeKeepsTheAssetsOfTheChosenCompanyGrossAndNet) {
    struct Case {
        const char* type;
        const char* interests;
        const char* expected;  // %C: the company
    };
    const Case cases[] = {
        {"Field", "FieldInterest", "SELECT Field_Code FROM FieldInterest WHERE Company_Code = %C"},
        {"Block", "BlockInterest",
         "SELECT I.Block_Code FROM BlockInterest I JOIN Block B ON B.Block_Code = I.Block_Code "
         "WHERE I.Company_Code = %C AND B.Licence_Area_Status_Code <> 'RELINQ'"},
        {"Well", "BlockInterest",
         "SELECT Well_Code FROM Well WHERE Block_Code IN (SELECT Block_Code FROM BlockInterest WHERE "
         "Company_Code = %C)"},
        {"Transport", "TransportInterest",
         "SELECT Transport_Code FROM TransportInterest WHERE Company_Code = %C"},
    };
    for (const Case& c : cases) {
        const std::string company = Busiest(c.interests);
        Bind();
        Select(company);
        const std::set<std::string> expected = DirectSet(Replace(c.expected, "%C", company));
        ASSERT_FALSE(expected.empty()) << c.type;
        for (const char* grossNet : {"Gross", "Net"}) {
            const std::string sql = Render(c.type, grossNet);
            EXPECT_EQ(Read(sql, c.type), expected) << c.type << " " << grossNet << "\n" << sql;
            // A net field or block statement reads only the company's participant rows.
            const bool participantRows = std::string(grossNet) == "Net" &&
                                         (std::string(c.type) == "Field" || std::string(c.type) == "Block");
            EXPECT_EQ(Contains(Narrowing(), "Company_Code in(" + company + ")"), participantRows)
                << c.type << " " << grossNet << "\n"
                << Narrowing();
            EXPECT_TRUE(WasSent("PROGRESS_BAR_MESSAGE: Building Query (Company)"));
            EXPECT_TRUE(WasSent("STATUS_MESSAGE: Building Query..."));
        }
    }
}

TEST_F(RenderCompany, OperatorsAndOverlappingHoldings) {
    const auto [a, b] = OperatorAndPartner();
    Select(a);
    Select(b);
    // Any of them, operating; or any of them, not operating.
    for (const auto& [status, ownership] : {std::pair{"Operator", "1"}, std::pair{"Non-Operator", "0"}}) {
        params->General()->SetOperatorStatus(status);
        const std::set<std::string> held =
            DirectSet(std::string("SELECT Field_Code FROM FieldInterest WHERE Ownership_Status = ") +
                      ownership + " AND Company_Code IN (" + a + "," + b + ")");
        ASSERT_NE(held, DirectSet("SELECT Field_Code FROM FieldInterest WHERE Company_Code IN (" + a + "," +
                                  b + ")"));
        EXPECT_EQ(Read(Render("Field"), "Field"), held) << status;
    }
    // Every one of them, each operating or not.
    params->General()->SetOperatorStatus("");
    params->General()->SetSearchOptions("Overlapping");
    const std::set<std::string> both =
        DirectSet("SELECT Field_Code FROM FieldInterest WHERE Company_Code = " + a +
                  " INTERSECT SELECT Field_Code FROM FieldInterest WHERE Company_Code = " + b);
    ASSERT_FALSE(both.empty());
    EXPECT_EQ(Read(Render("Field"), "Field"), both);
    EXPECT_EQ(renderer->StatementsRun().size(), 3u) << "one statement per company, then the narrowing";
    EXPECT_TRUE(Contains(renderer->StatementsRun()[1], "A.Field_Code IN ("))
        << "the second keeps the first's";
    // Operating, here, is holding any operator status at all.
    params->General()->SetOperatorStatus("Operator");
    Render("Field");
    EXPECT_TRUE(Contains(renderer->StatementsRun()[0], "A.Ownership_Status > 0"))
        << renderer->StatementsRun()[0];
    params->General()->SetOperatorStatus("");
    // The search options are compared exactly.
    params->General()->SetSearchOptions("overlapping");
    EXPECT_GT(Read(Render("Field"), "Field").size(), both.size());
}

TEST_F(RenderCompany, ACompetitorAnalysisFindsExactlyEachCombination) {
    Ref<IGeneral> general = params->General();
    for (int code : {101, 102, 103}) general->AddCompany(code, "C" + std::to_string(code), "C", 0);
    general->SetCompanyCAPosition(101, "A");
    general->SetCompanyCAPosition(102, "B");
    general->SetCompanyCAStatus(101, "Operator");
    general->SetCompanyCAStatus(102, "Participant");
    general->SetCAQuery(true);
    general->SetCompanyPermutations(
        "<Permutations><Palette><Permutations><Permutation Code=\"AB\" Active=\"True\"/>"
        "</Permutations></Palette></Permutations>");
    general->AddSector(5, "Five", "GB", "United Kingdom", "EU", "Europe");
    for (int code : {11, 12, 13}) params->Field()->AddFieldLocation(code, "");
    EXPECT_EQ(Render("Field"), "0");
    ASSERT_FALSE(renderer->StatementsRun().empty());
    EXPECT_EQ(
        renderer->StatementsRun()[0],
        "SELECT M.Field_Code AS AssetCode FROM (SELECT DISTINCT O.Field_Code,O.Company_Code FROM "
        "FieldParticipantCA O  WHERE True  AND O.Field_Code IN (11,12,13)  AND (( (O.Company_Code IN (101) "
        "AND O.Ownership_Status = 1)  OR  (O.Company_Code IN (102)))) AND O.Sector_Code IN (5) AND "
        "O.Field_Code NOT IN (SELECT Field_Code FROM FieldParticipantCA WHERE Company_Code IN (103 ))  ) M "
        "GROUP BY M.Field_Code HAVING count(*) = 2");
    EXPECT_TRUE(WasSent("STATUS_MESSAGE: Building CA Selection: AB"));

    // With subsidiaries each company stands with its own, written as items of
    // its list; a status nobody knows asks for a participation of any kind.
    general->SetSubsiduaries(true);
    general->SetCompanySubsidiaries("101", "201,202");
    general->SetCompanySubsidiaries("102", "301");
    general->SetCompanyCAStatus(102, "Boss");
    Render("Field");
    const std::string ca = renderer->StatementsRun().at(0);
    EXPECT_TRUE(Contains(ca,
                         "(( (O.Company_Code IN (101,201,202) AND O.Ownership_Status = 1)  OR  "
                         "(O.Company_Code IN (102,301))))"))
        << ca;
    EXPECT_FALSE(Contains(ca, "HAVING")) << ca;
}

TEST_F(RenderCompany, ACompetitorAnalysisOnTheData) {
    // An operator, a partner of it, and a third company.
    const auto [op, partner] = OperatorAndPartner();
    const std::string third =
        Scalar("SELECT Company_Code FROM FieldInterest WHERE Company_Code NOT IN (" + op + "," + partner +
               ") GROUP BY Company_Code ORDER BY COUNT(*) DESC LIMIT 1");
    Ref<IGeneral> general = params->General();
    general->AddCompany(std::stoi(op), "Op", "Op", 0);
    general->AddCompany(std::stoi(partner), "Partner", "Partner", 0);
    general->AddCompany(std::stoi(third), "Third", "Third", 0);
    general->SetCompanyCAPosition(std::stoi(op), "A");
    general->SetCompanyCAPosition(std::stoi(partner), "B");
    general->SetCompanyCAStatus(std::stoi(op), "Operator");
    general->SetCAQuery(true);
    general->SetCompanyPermutations(
        "<Permutations><Palette><Permutations><Permutation Code=\"AB\" Active=\"True\"/>"
        "<Permutation Code=\"A\" Active=\"True\"/></Permutations></Palette></Permutations>");
    // The operator with its partner and nobody else chosen; or operating alone among the chosen.
    const std::set<std::string> expected = DirectSet(
        "SELECT Field_Code FROM FieldInterest WHERE Company_Code = " + op +
        " AND Ownership_Status = 1 INTERSECT SELECT Field_Code FROM FieldInterest WHERE Company_Code = " +
        partner + " EXCEPT SELECT Field_Code FROM FieldInterest WHERE Company_Code = " + third +
        " UNION SELECT Field_Code FROM (SELECT Field_Code FROM FieldInterest WHERE Company_Code = " + op +
        " AND Ownership_Status = 1 EXCEPT SELECT Field_Code FROM FieldInterest WHERE Company_Code IN (" +
        partner + "," + third + "))");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Read(Render("Field"), "Field"), expected);
}

TEST_F(RenderCompany, InterestRangesWithoutACompany) {
    params->General()->AddCompanyInterestRange("40", "60");
    const std::set<std::string> inRange =
        DirectSet("SELECT Field_Code FROM FieldInterest WHERE Interest_Perc >= 40 AND Interest_Perc <= 60");
    for (const char* grossNet : {"Gross", "Net"}) {
        const std::string sql = Render("Field", grossNet);
        EXPECT_EQ(Read(sql, "Field"), inRange) << grossNet << "\n" << sql;
        EXPECT_FALSE(Contains(Narrowing(), "Company_Code in")) << Narrowing();
    }
    // Only the first range counts, and a range with a maximum alone tests only that.
    Bind();
    params->General()->AddCompanyInterestRange("", "10");
    params->General()->AddCompanyInterestRange("50", "");
    EXPECT_EQ(
        Read(Render("Block"), "Block"),
        DirectSet("SELECT I.Block_Code FROM BlockInterest I JOIN Block B ON B.Block_Code = I.Block_Code "
                  "WHERE I.Interest_Perc <= 10 AND B.Licence_Area_Status_Code <> 'RELINQ'"));
    const std::string filter = renderer->StatementsRun().at(1);
    EXPECT_TRUE(Contains(filter, "A.Interest_Perc <= 10")) << filter;
    EXPECT_FALSE(Contains(filter, ">=")) << filter;

    // A bound is a number or nothing.
    Bind();
    params->General()->AddCompanyInterestRange("10 OR 1=1", "");
    EXPECT_EQ(Render("Field"), "-2147217306");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "User Input Error");
}

TEST_F(RenderCompany, SectorsAndCountries) {
    Ref<IGeneral> general = params->General();
    general->AddSector(11, "UK Northern North Sea", "GB", "United Kingdom", "EU", "Europe");
    std::string sql = Render("Field");
    EXPECT_TRUE(Contains(Narrowing(), "INNER JOIN FieldSector FS ON A.Field_Code = FS.Field_Code"))
        << Narrowing();
    EXPECT_EQ(Read(sql, "Field"), DirectSet("SELECT Field_Code FROM FieldSector WHERE Sector_Code = 11"));
    EXPECT_TRUE(WasSent("PROGRESS_BAR_MESSAGE: Building Query (Location)"));
    EXPECT_EQ(Read(Render("Well"), "Well"), DirectSet("SELECT Well_Code FROM Well WHERE Sector_Code = 11"));
    EXPECT_EQ(Read(Render("Transport"), "Transport"),
              DirectSet("SELECT Transport_Code FROM TransportCountry WHERE Country_Code = 'GB'"));

    // A company chosen: the sector narrows its participations instead, and no join is made.
    const std::string company = Scalar(
        "SELECT Company_Code FROM FieldInterest WHERE Field_Code IN (SELECT Field_Code FROM "
        "FieldSector WHERE Sector_Code = 11) GROUP BY Company_Code ORDER BY COUNT(*) DESC LIMIT 1");
    general->AddCompany(std::stoi(company), "C", "C", 0);
    sql = Render("Field");
    EXPECT_FALSE(Contains(Narrowing(), "FieldSector")) << Narrowing();
    EXPECT_EQ(Read(sql, "Field"), DirectSet("SELECT I.Field_Code FROM FieldInterest I JOIN FieldSector S ON "
                                            "S.Field_Code = I.Field_Code WHERE S.Sector_Code = 11 AND "
                                            "I.Company_Code = " +
                                            company));

    // A country picked as a whole stands for its sectors, alone or beside
    // sectors of another country.
    Bind();
    params->General()->AddCountryCode("NO");
    const std::set<std::string> norway = DirectSet(
        "SELECT Field_Code FROM FieldSector WHERE Sector_Code IN (SELECT Sector_Code FROM Sector WHERE "
        "Country_Code = 'NO')");
    for (const char* type : {"Field", "Block", "Well"}) {
        const std::string statement = Render(type);
        EXPECT_FALSE(Contains(Narrowing(), "IN ()")) << Narrowing();
        EXPECT_TRUE(Contains(Narrowing(), "Country_Code IN ('NO')")) << Narrowing();
        if (std::string(type) == "Field") {
            EXPECT_EQ(Read(statement, "Field"), norway);
        }
    }
    params->General()->AddSector(11, "UK Northern North Sea", "GB", "United Kingdom", "EU", "Europe");
    std::set<std::string> both = norway;
    for (const std::string& code : DirectSet("SELECT Field_Code FROM FieldSector WHERE Sector_Code = 11"))
        both.insert(code);
    EXPECT_EQ(Read(Render("Field"), "Field"), both);
}

}  // namespace
