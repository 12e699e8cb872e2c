// The record sets an executed query hands out: asset and participant rows,
// the annual rows of a field query opened only once the user agrees, the
// counts, the rendered statement, and the placeholders each record set's
// statement fills.
#include <gtest/gtest.h>

#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/MsgBox.h"
#include "queries/CQuery.h"
#include "queries/QueryFiles.h"
#include "queries/QueryFixture.h"
#include "support/SqliteFile.h"

namespace {

using queryfiles::Company;
using queryfiles::Criteria;
using queryfiles::QueryXml;
using queryfiles::Sector;

constexpr const char* kQuestion =
    "Populating this grid may take some time due to the volume of data available. Do you wish to continue?";

class QueryResults : public QueryFixture {
protected:
    static Criteria FieldsOfBorealisUK() {
        Criteria c;
        c.companies = Company("102", "Borealis UK", "101");
        c.sectors = Sector("11", "GB") + Sector("12", "GB");
        return c;
    }
    // How often the annual question was asked.
    size_t Questions() const {
        size_t n = 0;
        for (const auto& m : messages) n += m.text == kQuestion;
        return n;
    }
};

TEST_F(QueryResults, AnnualRowsOpenOnlyOnceTheUserAgrees) {
    Ref<IQuery> query = LoadedQuery(QueryXml("Field", "Gross", FieldsOfBorealisUK()));
    const int32_t fields = query->Execute();
    ASSERT_GT(fields, 0);
    EXPECT_EQ(query->RecordCount(kAnnualResults), 0) << "nothing is opened for the annual rows yet";

    answer = ui::vbCancel;
    EXPECT_TRUE(query->Results(kAnnualResults).IsNothing());
    EXPECT_TRUE(query->Results(kAnnualResults).IsNothing());
    ASSERT_EQ(Questions(), 2u) << "a refusal asks again next time";
    EXPECT_EQ(messages[0].style, ui::vbOKCancel | ui::vbQuestion);
    EXPECT_EQ(messages[0].title, "Corvantis Terralith");
    EXPECT_EQ(query->ErrorNumber(), 0);

    answer = ui::vbOK;
    const size_t before = root->Sent().size();
    Ref<ADODB::Recordset> annual = query->Results(kAnnualResults);
    ASSERT_TRUE(annual);
    EXPECT_EQ(Questions(), 3u);
    // The annual rows of exactly the fields found, in field and year order.
    std::string fieldCodes;
    Ref<ADODB::Recordset> assets = query->Results(kAssetResults);
    for (assets->MoveFirst(); !assets->Eof(); assets->MoveNext())
        fieldCodes += (fieldCodes.empty() ? "" : ",") + assets->Fields("Field_Code").Value().ToString();
    const std::string annualDb = data.Path() + "Core/Database/Annual.db";
    const auto expected = Column(
        annualDb, "SELECT count(*) FROM FieldAnnualTransformed WHERE Field_Code IN (" + fieldCodes + ")");
    ASSERT_EQ(expected.size(), 1u);
    EXPECT_EQ(Variant(annual->RecordCount()).ToString(), expected[0]);
    EXPECT_GT(annual->RecordCount(), 0);
    EXPECT_EQ(query->RecordCount(kAnnualResults), annual->RecordCount());
    std::string name;
    int32_t year = 0;
    for (annual->MoveFirst(); !annual->Eof(); annual->MoveNext()) {
        const std::string nextName = annual->Fields("Field_Name").Value().ToString();
        const int32_t nextYear = annual->Fields("Prod_Year").Value().ToLong();
        const int order = CompareNoCase(name, nextName);
        EXPECT_TRUE(order < 0 || (order == 0 && year < nextYear))
            << name << " " << year << " before " << nextName;
        name = nextName;
        year = nextYear;
    }
    const std::vector<std::string> sent(root->Sent().begin() + static_cast<std::ptrdiff_t>(before),
                                        root->Sent().end());
    const std::vector<std::string> expectedSent = {"PROGRESS_BAR_MESSAGE: Executing Query (Annual)",
                                                   "PROGRESS_BAR_MAX: 100",
                                                   "PROGRESS_BAR_VALUE: 25",
                                                   "PROGRESS_BAR_VISIBLE: True",
                                                   "STATUS_MESSAGE: Querying database... (Annual)",
                                                   "PROGRESS_BAR_VISIBLE: False"};
    EXPECT_EQ(sent, expectedSent);

    // Open now: handed out without asking.
    EXPECT_TRUE(query->Results(kAnnualResults) == annual);
    EXPECT_EQ(Questions(), 3u);
    // A new execution closes it and the question comes again.
    ASSERT_EQ(query->Execute(), fields);
    EXPECT_EQ(annual->State(), 0);
    answer = ui::vbCancel;
    EXPECT_TRUE(query->Results(kAnnualResults).IsNothing());
    EXPECT_EQ(Questions(), 4u);
}

TEST_F(QueryResults, EachTypeHasItsRecordSetAndOtherTypesNone) {
    Ref<IQuery> query = LoadedQuery(QueryXml("Field", "Gross", FieldsOfBorealisUK()));
    // Before any execution nothing is active: shown, stored, Nothing.
    EXPECT_TRUE(query->Results(kAssetResults).IsNothing());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Contains(messages[0].text, "No Active Query")) << messages[0].text;
    EXPECT_EQ(query->ErrorNumber(), ERR_GENERAL);
    EXPECT_TRUE(Contains(Log(), "CQuery.IQuery_Results(lRecordSetType=0)")) << Log();
    EXPECT_EQ(query->RecordCount(kAssetResults), 0);

    ASSERT_GT(query->Execute(), 0);
    messages.clear();
    Ref<ADODB::Recordset> assets = query->Results(kAssetResults);
    Ref<ADODB::Recordset> participants = query->Results(kParticipantResults);
    ASSERT_TRUE(assets && participants);
    EXPECT_FALSE(assets == participants);
    EXPECT_EQ(assets->RecordCount(), query->RecordCount(kAssetResults));
    EXPECT_EQ(participants->RecordCount(), query->RecordCount(kParticipantResults));
    EXPECT_GT(participants->RecordCount(), assets->RecordCount()) << "several companies share a field";
    EXPECT_NO_THROW(participants->Fields("Company_Short_Name_Parent"));
    EXPECT_TRUE(query->Results(3).IsNothing());
    EXPECT_TRUE(query->Results(-1).IsNothing());
    EXPECT_EQ(query->RecordCount(5), 0);
    EXPECT_EQ(query->RecordCount(-1), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(QueryResults, TheStatementIsRenderedWithItsPlaceholdersLeftForTheRecordSets) {
    Ref<IQuery> query = LoadedQuery(QueryXml("Field", "Gross", FieldsOfBorealisUK()));
    const size_t before = root->Sent().size();
    const std::string sql = query->QuerySQL(kAssetResults);
    EXPECT_TRUE(Contains(sql, "<table/>")) << sql;
    EXPECT_TRUE(Contains(sql, "<orderby/>")) << sql;
    EXPECT_EQ(root->Sent()[before], "STATUS_MESSAGE: Building Query SQL...");
    EXPECT_EQ(root->Sent().back(), "STATUS_MESSAGE: ");
    EXPECT_EQ(query->QuerySQL(kParticipantResults), sql);
    const size_t quiet = root->Sent().size();
    EXPECT_EQ(query->GetSQL(), sql);
    EXPECT_TRUE(root->SentWith("Building Query SQL").size() == 2u) << "GetSQL says nothing about itself";
    EXPECT_GT(root->Sent().size(), quiet) << "the renderer still reports its progress";

    // A query renders the same whether it is active or not, its annual look-ups included.
    Criteria annual = FieldsOfBorealisUK();
    annual.field =
        "<FieldDetail><ReservesAndProductions><ReservesAndProduction FieldName=\"OIL_PRODUCTION\" "
        "DefaultUnit=\"Mbbl/d\" UnitCategory=\"OilRate\" MinValue=\"1\" ReserveType=\"2\" "
        "ProductionType=\"2\" ProductionYear=\"2020\"/></ReservesAndProductions><CostRanges><CostRange "
        "FieldName=\"<capex/>\" BoundaryMinimum=\"1\" CostType=\"1\" CostMode=\"2\" YearMin=\"2015\" "
        "YearMax=\"2020\"/></CostRanges></FieldDetail>";
    for (const auto& [grossNet, capex] :
         {std::pair{"Gross", "CAPEX_REAL"}, std::pair{"Net", "CAPEX_REAL_NET"}}) {
        Criteria own = annual;
        own.field = Replace(own.field, "<capex/>", capex);
        Ref<IQuery> first = LoadedQuery(QueryXml("Field", grossNet, own));
        const std::string alone = first->GetSQL();
        ASSERT_FALSE(IsNumericText(alone)) << grossNet << ": " << alone;
        const std::string other = std::string(grossNet) == "Net" ? "Gross" : "Net";
        ASSERT_TRUE(LoadedQuery(QueryXml("Field", other, FieldsOfBorealisUK())) != first);
        messages.clear();
        EXPECT_EQ(first->GetSQL(), alone) << grossNet;
        EXPECT_EQ(first->QuerySQL(kAssetResults), alone) << grossNet;
        EXPECT_GT(first->Execute(), 0) << grossNet;
        EXPECT_TRUE(messages.empty()) << grossNet << ": " << messages.front().text;
    }

    // Each record set reads its own table; a field query's also its order.
    root->SetOption("SQL_FIELD_PARTICIPANT_ORDERBY", "ORDER BY A.Company_Name");
    const std::string t = "SELECT * FROM <table/> A WHERE X = '<table/>' <orderby/> -- <table/>";
    EXPECT_EQ(RecordsetStatement(t, "Field", kAssetResults),
              "SELECT * FROM Field A WHERE X = '<table/>' ORDER BY A.Field_Name -- Field");
    EXPECT_EQ(
        RecordsetStatement(t, "Field", kParticipantResults),
        "SELECT * FROM FieldParticipant A WHERE X = '<table/>' ORDER BY A.Company_Name -- FieldParticipant");
    EXPECT_EQ(
        RecordsetStatement(t, "Field", kAnnualResults),
        "SELECT * FROM FieldAnnualTransformed A WHERE X = '<table/>' ORDER BY A.Field_Name, A.Prod_Year -- "
        "FieldAnnualTransformed");
    EXPECT_EQ(RecordsetStatement(t, "Block", kParticipantResults),
              "SELECT * FROM BlockParticipant A WHERE X = '<table/>' <orderby/> -- BlockParticipant");
    EXPECT_EQ(RecordsetStatement("<orderby/>", "field", kAssetResults), "<orderby/>") << "compared exactly";
    EXPECT_EQ(ErrorNumberOf([&] { RecordsetStatement(t, "Field", 3); }), rt::kInvalidCall);
}

TEST_F(QueryResults, ABlockQuerysOrderPlaceholderReachesTheDatabase) {
    Criteria c;
    c.sectors = Sector("11", "GB");
    Ref<IQuery> query = LoadedQuery(QueryXml("Block", "Gross", c));
    root->SetOption("SQL_BLOCK_RESULTS", "SELECT A.* FROM <table/> A <where/> <orderby/>");
    const int32_t result = query->Execute();
    EXPECT_LT(result, 0);
    EXPECT_EQ(query->ErrorNumber(), result);
    EXPECT_FALSE(query->Active());
}

}  // namespace
