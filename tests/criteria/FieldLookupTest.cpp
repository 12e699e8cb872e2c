// The field-code look-ups on the sample database: each answer is checked
// against the same question put to the database file directly, and every
// value that reaches a statement is refused when it is not what it claims
// to be (a number, a name, a quoted code).
#include <gtest/gtest.h>

#include <algorithm>

#include "criteria/FieldCriteriaFixture.h"
#include "support/SqliteFile.h"

namespace {

class FieldLookup : public FieldCriteriaFixture {
protected:
    void SetUp() override {
        FieldCriteriaFixture::SetUp();
        root->OpenDatabase();
    }

    std::string CoreDb() const { return data.Path() + "Core/Database/Terralith.db"; }
    std::string AnnualDb() const { return data.Path() + "Core/Database/Annual.db"; }

    // The codes of a comma list, sorted, for answers whose order the
    // statement leaves to the engine.
    static std::vector<std::string> Sorted(const std::string& list) {
        std::vector<std::string> codes = list.empty() ? std::vector<std::string>{} : Split(list, ",");
        std::sort(codes.begin(), codes.end());
        return codes;
    }
    static std::vector<std::string> Sorted(std::vector<std::string> codes) {
        std::sort(codes.begin(), codes.end());
        return codes;
    }
    // What a message box showed last, "" when none.
    std::string LastBoxTitle() const { return messages.empty() ? "" : messages.back().title; }

    Ref<cvCollection> Entries(const std::vector<std::string>& entries) {
        Ref<cvCollection> c = gTools()->NewCollection();
        for (size_t i = 0; i < entries.size(); ++i) c->Add(Variant(entries[i]), "k" + std::to_string(i));
        return c;
    }
};

TEST_F(FieldLookup, BlocksGiveTheirFieldsAndOnlyNumbersReachTheStatement) {
    std::vector<std::string> blocks = Column(
        CoreDb(),
        "SELECT Block_Code FROM FieldBlock GROUP BY Block_Code HAVING COUNT(*) > 1 ORDER BY 1 LIMIT 2");
    ASSERT_EQ(blocks.size(), 2u);
    std::vector<std::string> expected = Column(CoreDb(),
                                               "SELECT DISTINCT Field_Code FROM FieldBlock WHERE "
                                               "Block_Code IN (" +
                                                   blocks[0] + "," + blocks[1] + ") ORDER BY Field_Code");
    ASSERT_GE(expected.size(), 2u);
    EXPECT_EQ(field->FieldCodesByBlock(blocks[0] + ", " + blocks[1]), Join(expected, ","));
    EXPECT_EQ(field->FieldCodesByBlock("999999"), "");

    Error e = CaughtError([&] { field->FieldCodesByBlock(blocks[0] + ") OR (1=1"); });
    EXPECT_EQ(e.Number(), ERR_USER_INPUT);
    EXPECT_TRUE(Contains(e.Description(), ") OR (1=1")) << e.Description();
}

TEST_F(FieldLookup, AgesGiveTheFieldsOfTheirReservoirsWithinTheSectors) {
    std::vector<std::string> sectors =
        Column(CoreDb(), "SELECT Sector_Code FROM FieldSector GROUP BY 1 ORDER BY COUNT(*) DESC LIMIT 2");
    ASSERT_EQ(sectors.size(), 2u);
    const std::string sectorList = sectors[0] + "," + sectors[1];
    auto direct = [&](const std::string& condition, bool bySector) {
        return Column(CoreDb(), "SELECT DISTINCT R.Field_Code FROM FieldReservoir R" +
                                    std::string(bySector ? " INNER JOIN FieldSector S ON R.Field_Code = "
                                                           "S.Field_Code WHERE S.Sector_Code IN (" +
                                                               sectorList + ") AND "
                                                         : " WHERE ") +
                                    condition);
    };

    std::vector<std::string> everywhere = direct("R.ERA_CODE IN ('CZ','PZ')", false);
    std::vector<std::string> inSectors = direct("R.ERA_CODE IN ('CZ','PZ')", true);
    ASSERT_FALSE(inSectors.empty());
    ASSERT_LT(inSectors.size(), everywhere.size()) << "the sectors must narrow the answer";
    EXPECT_EQ(Sorted(field->FieldCodesByAge("ERA_CODE", "'CZ','PZ'", "")), Sorted(everywhere));
    EXPECT_EQ(Sorted(field->FieldCodesByAge("ERA_CODE", "'CZ', 'PZ'", sectorList)), Sorted(inSectors));
    EXPECT_EQ(Sorted(field->FieldCodesByAge("AGE_CODE", "212,111", " ")),
              Sorted(direct("R.AGE_CODE IN (212,111)", false)));
    // A quoted code stays one literal, its quote included.
    EXPECT_EQ(field->FieldCodesByAge("FORMATION_CODE", "'O''Brien', 'BRENT'", ""),
              Join(direct("R.FORMATION_CODE = 'BRENT'", false), ","));

    // A name, a list or a sector that is not what it claims is refused.
    for (const auto& refusedCase : std::vector<std::tuple<std::string, std::string, std::string>>{
             {"ERA_CODE) OR (1", "'MZ'", ""},
             {"ERA_CODE", "'MZ' OR 1=1", ""},
             {"ERA_CODE", "'MZ',", ""},
             {"ERA_CODE", "'MZ", ""},
             {"ERA_CODE", "MZ", ""},
             {"ERA_CODE", "'MZ'", "21;DROP"},
         }) {
        const auto& [column, codes, sectorsGiven] = refusedCase;
        EXPECT_EQ(ErrorNumberOf([&] {
                      field->FieldCodesByAge(std::get<0>(refusedCase), std::get<1>(refusedCase),
                                             std::get<2>(refusedCase));
                  }),
                  ERR_USER_INPUT)
            << column << " " << codes << " " << sectorsGiven;
    }
}

TEST_F(FieldLookup, TheReservoirAgeListReadsTheLevelOfTheFirstAge) {
    std::vector<std::string> sectors =
        Column(CoreDb(), "SELECT Sector_Code FROM FieldSector GROUP BY 1 ORDER BY COUNT(*) DESC LIMIT 1");
    field->AddFieldReservoirAges("PERIOD", Entries({"JUR|Jurassic", "PAL|Palaeogene"}));
    field->AddFieldReservoirAges("ERA", Entries({"MZ|Mesozoic"}));  // later ages keep their own level
    EXPECT_EQ(Sorted(field->FieldReservoirAgeList("")),
              Sorted(Column(CoreDb(),
                            "SELECT DISTINCT Field_Code FROM FieldReservoir WHERE PERIOD_CODE IN "
                            "('JUR','PAL','MZ')")));
    EXPECT_EQ(Sorted(field->FieldReservoirAgeList(sectors[0])),
              Sorted(Column(CoreDb(),
                            "SELECT DISTINCT R.Field_Code FROM FieldReservoir R INNER JOIN FieldSector "
                            "S ON R.Field_Code = S.Field_Code WHERE S.Sector_Code = " +
                                sectors[0] + " AND R.PERIOD_CODE IN ('JUR','PAL','MZ')")));

    field->ClearFieldReservoirAges();
    field->AddFieldReservoirAges("ALL", Entries({"212|Brent|J2", "111|Frigg|P1"}));
    std::vector<std::string> byAge =
        Column(CoreDb(), "SELECT DISTINCT Field_Code FROM FieldReservoir WHERE AGE_CODE IN (212,111)");
    ASSERT_FALSE(byAge.empty());
    EXPECT_EQ(Sorted(field->FieldReservoirAgeList("")), Sorted(byAge));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");

    // A code of the unquoted level that is no number is the user's input error.
    field->AddFieldReservoirAges("ALL", Entries({"J2 OR 1=1|bad|K"}));
    EXPECT_EQ(field->FieldReservoirAgeList(""), "");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "User Input Error");
    EXPECT_EQ(messages[0].style, 48);
    EXPECT_TRUE(Contains(messages[0].text, "J2 OR 1=1")) << messages[0].text;
}

TEST_F(FieldLookup, AnUnknownLevelOrNoCodesRunsNoStatement) {
    // Were a statement run, its empty template would fail and be shown.
    root->SetOption("SQL_FIELD_CODE_BY_AGE", "");
    EXPECT_EQ(field->FieldReservoirAgeList(""), "");
    field->AddFieldReservoirAges("EPOCH", Entries({"MZ|Mesozoic"}));
    EXPECT_EQ(field->FieldReservoirAgeList("21"), "");
    field->ClearFieldReservoirAges();
    field->AddFieldReservoirAges("era", Entries({"MZ|Mesozoic"}));
    EXPECT_EQ(field->FieldReservoirAgeList(""), "");
    field->ClearFieldReservoirAges();
    field->AddFieldReservoirAges("ERA", Entries({"|no code"}));
    EXPECT_EQ(field->FieldReservoirAgeCount(), 1);
    EXPECT_EQ(field->FieldReservoirAgeList(""), "");
    EXPECT_EQ(field->FieldCodesByAge("ERA_CODE", " ", "21"), "");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");

    // With codes the statement runs, and its failure is shown as it is.
    field->ClearFieldReservoirAges();
    field->AddFieldReservoirAges("ERA", Entries({"MZ|Mesozoic"}));
    EXPECT_EQ(field->FieldReservoirAgeList(""), "");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Contains(Dialog(), "CField.IField_FieldCodesByAge(sAgeColumn='ERA_CODE', sAgeCodes='MZ'"))
        << Dialog();
    EXPECT_TRUE(Contains(Dialog(), "CField.IField_FieldReservoirAgeList(sSectorCodes='')")) << Dialog();
}

TEST_F(FieldLookup, AFailureOfTheEnginesSizeBecomesTheTooLargeWarning) {
    // A result the engine cannot hold: its general failure.
    root->SetOption(
        "SQL_FIELD_CODE_BY_AGE",
        "SELECT DISTINCT FieldReservoir.Field_Code AS FIELD_CODE, zeroblob(2000000000) AS Padding "
        "FROM FieldReservoir <join/> <where/>");
    field->AddFieldReservoirAges("ERA", Entries({"MZ|Mesozoic"}));
    EXPECT_EQ(field->FieldReservoirAgeList(""), "");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Warning");
    EXPECT_EQ(messages[0].style, 0);
    EXPECT_EQ(messages[0].text,
              "Your results set is too large to process, please refine your query selection.");
    EXPECT_EQ(Dialog(), "");

    // The public look-up passes the engine's failure on as it came.
    EXPECT_EQ(ErrorNumberOf([&] { field->FieldCodesByAge("ERA_CODE", "'MZ'", ""); }), ERR_DB_E_FAIL);
}

TEST_F(FieldLookup, AnnualProductionComparesInTheDatabasesUnitOncePerField) {
    const std::string gross = "SELECT DISTINCT Field_Code FROM FieldAnnualTotal_Gross WHERE Prod_Year = 2020";
    const std::string net = "SELECT DISTINCT Field_Code FROM FieldAnnualTotal_Net WHERE Prod_Year = 2020";
    // 5000 bbl/d are 5 Mbbl/d, the unit the table holds.
    std::vector<std::string> expected = Column(AnnualDb(), gross + " AND OIL_PRODUCTION >= 5");
    ASSERT_GE(expected.size(), 3u);
    ASSERT_TRUE(Column(AnnualDb(), gross + " AND OIL_PRODUCTION >= 5000").empty());
    EXPECT_EQ(Sorted(field->FieldCodesByAnnualProduction("OIL_PRODUCTION", "", " 5000 ", "2020",
                                                         "Liquids_Production", "bbl/d", "")),
              Sorted(expected));
    EXPECT_EQ(Sorted(field->FieldCodesByAnnualProduction("OIL_PRODUCTION", "20.5", "5", "2020",
                                                         "Liquids_Production", "Mbbl/d", "")),
              Sorted(Column(AnnualDb(), gross + " AND OIL_PRODUCTION >= 5 AND OIL_PRODUCTION <= 20.5")));
    // Among given fields only, one of them with no such year.
    EXPECT_EQ(field->FieldCodesByAnnualProduction("OIL_PRODUCTION", "", "5000", "2020", "Liquids_Production",
                                                  "bbl/d", expected[1] + ",999999"),
              expected[1]);
    // A bound that is no number is refused, not left out: shown, and no answer.
    for (const auto& [max, min] : {std::pair{"1e999", ""}, std::pair{"", "some"}, std::pair{"", "abc"}}) {
        messages.clear();
        EXPECT_EQ(field->FieldCodesByAnnualProduction("OIL_PRODUCTION", max, min, "2020",
                                                      "Liquids_Production", "bbl/d", ""),
                  "");
        ASSERT_EQ(messages.size(), 1u) << max << min;
        EXPECT_EQ(messages[0].title, "User Input Error");
        EXPECT_EQ(messages[0].text, std::string("The value '") + max + min + "' is not a valid number.");
    }
    messages.clear();
    EXPECT_EQ(field->FieldCodesByAnnualProduction("OIL_PRODUCTION", "", "5", "1900", "Liquids_Production",
                                                  "Mbbl/d", ""),
              "");

    // The net table when the active query reads net figures.
    std::vector<std::string> netExpected = Column(AnnualDb(), net + " AND OIL_PRODUCTION >= 5");
    ASSERT_NE(Sorted(netExpected), Sorted(expected));
    query->SetGrossNet("Net");
    EXPECT_EQ(Sorted(field->FieldCodesByAnnualProduction("OIL_PRODUCTION", "", "5", "2020",
                                                         "Liquids_Production", "Mbbl/d", "")),
              Sorted(netExpected));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");
}

TEST_F(FieldLookup, AnnualResultsTakeBoundsAndYearRangesAsNumbers) {
    const std::string gross = "SELECT DISTINCT Field_Code FROM FieldAnnualTotal_Gross WHERE ";
    std::vector<std::string> expected =
        Column(AnnualDb(),
               gross + "CAPEX_REAL >= 100 AND CAPEX_REAL <= 500 AND Prod_Year >= 2015 AND Prod_Year <= 2020");
    ASSERT_GE(expected.size(), 3u);
    EXPECT_EQ(Sorted(field->FieldCodesByAnnualResults("CAPEX_REAL", "500", "100", "2020", "2015", "")),
              Sorted(expected));
    // Each group on its own.
    EXPECT_EQ(Sorted(field->FieldCodesByAnnualResults("CAPEX_REAL", "", "1e3", "", "", "")),
              Sorted(Column(AnnualDb(), gross + "CAPEX_REAL >= 1000")));
    EXPECT_EQ(Sorted(field->FieldCodesByAnnualResults("CAPEX_REAL", "", "", "", "2049", "")),
              Sorted(Column(AnnualDb(), gross + "Prod_Year >= 2049")));
    EXPECT_EQ(
        field->FieldCodesByAnnualResults("CAPEX_REAL", "500", "100", "2020", "2015", expected[0] + ",1"),
        expected[0]);
    EXPECT_EQ(field->FieldCodesByAnnualResults("CAPEX_REAL", "", "", "1900", "1900", ""), "");
    // A field with several qualifying years comes once, whatever the statement returns.
    root->SetOption("SQL_FIELD_CODE_BY_ANNUAL_PRODUCTION",
                    "SELECT Field_Code AS FIELD_CODE <from/> <where/>");
    ASSERT_GT(Column(AnnualDb(),
                     "SELECT Field_Code FROM FieldAnnualTotal_Gross WHERE CAPEX_REAL >= 100 AND "
                     "CAPEX_REAL <= 500 AND Prod_Year >= 2015 AND Prod_Year <= 2020")
                  .size(),
              expected.size());
    EXPECT_EQ(Sorted(field->FieldCodesByAnnualResults("CAPEX_REAL", "500", "100", "2020", "2015", "")),
              Sorted(expected));
    EXPECT_EQ(
        Sorted(field->FieldCodesByAnnualProduction("CAPEX_REAL", "500", "100", "2016", "Money", "MUSD", "")),
        Sorted(Column(AnnualDb(), gross + "CAPEX_REAL >= 100 AND CAPEX_REAL <= 500 AND Prod_Year = 2016")));
    // Once by the whole code: field 100, coming after field 1000, is a field of its own.
    Exec(AnnualDb(),
         "INSERT INTO FieldAnnualTotal_Gross (Field_Code, Prod_Year, CAPEX_REAL) VALUES (1000, 2098, 1), "
         "(1000, 2099, 1), (100, 2098, 1), (100, 2099, 1)");
    root->SetOption("SQL_FIELD_CODE_BY_ANNUAL_PRODUCTION",
                    "SELECT Field_Code AS FIELD_CODE <from/> <where/> ORDER BY Field_Code DESC");
    EXPECT_EQ(field->FieldCodesByAnnualResults("CAPEX_REAL", "", "", "", "2098", ""), "1000,100");
    EXPECT_EQ(field->FieldCodesByAnnualProduction("CAPEX_REAL", "", "1", "2099", "Money", "MUSD", ""),
              "1000,100");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");

    // What is no number or no name is the user's input error, shown, and no answer.
    const std::vector<std::vector<std::string>> refused = {
        {"CAPEX_REAL", "500", "100 OR 1=1", "", "", ""}, {"CAPEX_REAL", "", "", "2020) OR (1=1", "", ""},
        {"CAPEX_REAL", "", "", "", "abc", ""},           {"CAPEX_REAL >= 0 OR 1", "", "1", "", "", ""},
        {"CAPEX_REAL", "", "", "", "", "1001,x"},
    };
    for (const auto& a : refused) {
        messages.clear();
        EXPECT_EQ(field->FieldCodesByAnnualResults(a[0], a[1], a[2], a[3], a[4], a[5]), "");
        ASSERT_EQ(messages.size(), 1u) << Join(a, "|");
        EXPECT_EQ(messages[0].title, "User Input Error");
    }
    messages.clear();
    EXPECT_EQ(field->FieldCodesByAnnualProduction("OIL_PRODUCTION", "", "5", "2020; DELETE",
                                                  "Liquids_Production", "Mbbl/d", ""),
              "");
    EXPECT_EQ(LastBoxTitle(), "User Input Error");
    messages.clear();
    EXPECT_EQ(field->FieldCodesByAnnualProduction("[OIL_PRODUCTION]", "", "5", "2020", "Liquids_Production",
                                                  "Mbbl/d", ""),
              "");
    EXPECT_EQ(LastBoxTitle(), "User Input Error");
}

}  // namespace
