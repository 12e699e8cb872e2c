// Executing queries on the sample database through the real renderer: the
// asset and participant rows of each asset type, gross and net, against the
// same question put to the database directly; the progress and status an
// execution sends; what it does when nothing can match or the render gives
// no statement.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "interfaces/IGeneral.h"
#include "interfaces/IParameters.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/cvCollection.h"
#include "platform/ui/DoEvents.h"
#include "queries/CQuery.h"
#include "queries/QueryFiles.h"
#include "queries/QueryFixture.h"
#include "support/SqliteFile.h"

namespace {

using queryfiles::Company;
using queryfiles::Criteria;
using queryfiles::QueryXml;
using queryfiles::Sector;

using Codes = std::multiset<std::string>;

class QueryExecute : public QueryFixture {
protected:
    // The query loaded from the markup, as the active query.
    // The values of one column over every row of the record set.
    static Codes Values(const Ref<ADODB::Recordset>& rs, const std::string& column) {
        Codes codes;
        if (!rs || rs->RecordCount() == 0) return codes;
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) codes.insert(rs->Fields(column).Value().ToString());
        return codes;
    }
    // The first column of a statement run on the copy's database directly.
    Codes Direct(const std::string& sql) {
        std::vector<std::string> rows = Column(DatabasePath(), sql);
        return Codes(rows.begin(), rows.end());
    }
};

// Each asset type: its criteria (a company, two sectors or a country, one
// type criterion) and the question that finds the same assets in the tables
// themselves, without the views or templates the library reads.
struct TypeCase {
    const char* type;
    std::string companies, sectors;
    const char* detail;        // the type's own criteria set
    const char* assets;        // the expected asset codes
    const char* participants;  // the expected participant rows' asset codes
    Criteria Of() const {
        Criteria c;
        c.companies = companies;
        c.sectors = sectors;
        const std::string t = type;
        (t == "Field" ? c.field : t == "Well" ? c.well : t == "Block" ? c.block : c.transport) = detail;
        return c;
    }
};

const TypeCase kCases[] = {
    {"Field", Company("102", "Borealis UK", "101"), Sector("11", "GB") + Sector("12", "GB"),
     "<FieldDetail><FieldTypes><FieldType Code=\"OIL\" Description=\"Oil\"/>"
     "<FieldType Code=\"GAS\" Description=\"Gas\"/></FieldTypes></FieldDetail>",
     "SELECT Field_Code FROM Field WHERE FIELD_TYPE_CODE IN ('OIL','GAS') AND Field_Code IN "
     "(SELECT I.Field_Code FROM FieldInterest I JOIN FieldSector S ON S.Field_Code = I.Field_Code "
     "WHERE I.Company_Code = 102 AND S.Sector_Code IN (11,12))",
     "SELECT Field_Code FROM FieldInterest WHERE Field_Code IN (<assets>)"},
    {"Well", Company("102", "Borealis UK", "101"), Sector("11", "GB") + Sector("12", "GB"),
     "<WellDetail><Types><Type Code=\"EXPL\" Description=\"Exploration\"/></Types></WellDetail>",
     "SELECT Well_Code FROM Well WHERE WELL_TYPE_CODE = 'EXPL' AND Well_Code IN "
     "(SELECT W.Well_Code FROM Well W JOIN BlockInterest I ON I.Block_Code = W.Block_Code "
     "WHERE I.Company_Code = 102 AND W.Sector_Code IN (11,12))",
     "SELECT W.Well_Code FROM Well W JOIN BlockInterest I ON I.Block_Code = W.Block_Code "
     "WHERE W.Well_Code IN (<assets>)"},
    {"Block", Company("102", "Borealis UK", "101"), Sector("11", "GB") + Sector("12", "GB"),
     "<BlockDetail><LicenceStatuses><LicenceStatus Code=\"EXTANT\" Description=\"Extant\"/>"
     "</LicenceStatuses></BlockDetail>",
     "SELECT Block_Code FROM Block WHERE Licence_Status_Code = 'EXTANT' AND "
     "Licence_Area_Status_Code <> 'RELINQ' AND Block_Code IN "
     "(SELECT I.Block_Code FROM BlockInterest I JOIN Block B ON B.Block_Code = I.Block_Code "
     "WHERE I.Company_Code = 102 AND B.Sector_Code IN (11,12))",
     "SELECT Block_Code FROM BlockInterest WHERE Block_Code IN (<assets>)"},
    {"Transport", Company("108", "Northgate"), Sector("11", "GB"),
     "<TransportDetail><TransportStatuses><TransportStatus Code=\"OPER\" Description=\"Operational\"/>"
     "</TransportStatuses></TransportDetail>",
     "SELECT Transport_Code FROM Transport WHERE TRANSPORT_STATUS_CODE = 'OPER' AND Transport_Code IN "
     "(SELECT Transport_Code FROM TransportInterest WHERE Company_Code = 108) AND Transport_Code IN "
     "(SELECT Transport_Code FROM TransportCountry WHERE Country_Code = 'GB')",
     "SELECT Transport_Code FROM TransportInterest WHERE Transport_Code IN (<assets>)"},
};

std::string Joined(const Codes& codes) {
    std::string out;
    for (const std::string& c : codes) out += (out.empty() ? "" : ",") + c;
    return out;
}

TEST_F(QueryExecute, EachAssetTypeGrossAndNetFindsWhatTheTablesHold) {
    for (const TypeCase& c : kCases) {
        const Codes assets = Direct(c.assets);
        ASSERT_FALSE(assets.empty()) << c.type << ": the sample data must hold matching assets";
        const std::set<std::string> distinct(assets.begin(), assets.end());
        const Codes participants =
            Direct(Replace(c.participants, "<assets>", Joined(Codes(distinct.begin(), distinct.end()))));
        for (const char* grossNet : {"Gross", "Net"}) {
            SCOPED_TRACE(std::string(c.type) + " " + grossNet);
            Ref<IQuery> query = LoadedQuery(QueryXml(c.type, grossNet, c.Of()));
            const int32_t found = query->Execute();
            EXPECT_EQ(found, static_cast<int32_t>(assets.size()));
            EXPECT_EQ(query->RecordCount(kAssetResults), found);
            const std::string code = std::string(c.type) + "_Code";
            EXPECT_EQ(Values(query->Results(kAssetResults), code), assets);
            EXPECT_EQ(Values(query->Results(kParticipantResults), code), participants);
            EXPECT_EQ(query->RecordCount(kParticipantResults), static_cast<int32_t>(participants.size()));
            EXPECT_EQ(query->ErrorNumber(), 0);
        }
    }
    EXPECT_EQ(Dialog(), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(QueryExecute, FieldRowsComeInTheOrderTheOptionsTableGives) {
    Ref<IQuery> query = LoadedQuery(QueryXml("Field", "Gross", kCases[0].Of()));
    ASSERT_GT(query->Execute(), 1);
    std::vector<std::string> names;
    Ref<ADODB::Recordset> rs = query->Results(kAssetResults);
    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext())
        names.push_back(rs->Fields("Field_Name").Value().ToString());
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return CompareNoCase(a, b) < 0;
    })) << "SQL_FIELD_ASSET_ORDERBY orders by name";
}

TEST_F(QueryExecute, AnExecutionReportsItsStepsAndClosesTheProgress) {
    Ref<IQuery> query = LoadedQuery(QueryXml("Well", "Gross", kCases[1].Of()));
    // A criterion changed since the query was loaded: the execution takes it in.
    query->Parameters()->General()->SetNetting("Share");
    ASSERT_TRUE(query->Parameters()->Modified());
    root->SetProgressCancel(false);
    const size_t before = root->Sent().size();
    const int32_t found = query->Execute();
    ASSERT_GT(found, 0);
    std::vector<std::string> sent(root->Sent().begin() + static_cast<std::ptrdiff_t>(before),
                                  root->Sent().end());
    auto at = [&](const std::string& line) {
        return std::find(sent.begin(), sent.end(), line) - sent.begin();
    };
    const std::string count = "STATUS_MESSAGE: Querying database... (" + Variant(found).ToString() + ")";
    // In this order, with the renderer's own messages between them.
    const std::vector<std::string> steps = {
        "STATUS_MESSAGE: Building Query...",
        "PROGRESS_BAR_MAX: 200",
        "PROGRESS_BAR_MESSAGE: Building Query (Participant)",
        "PROGRESS_BAR_MESSAGE: Building Query (Complete)",
        "STATUS_MESSAGE: Querying database... (Participant)",
        "PROGRESS_BAR_MESSAGE: Executing Query (Participant)",
        "PROGRESS_BAR_VALUE: 175",
        "STATUS_MESSAGE: Querying database... (Asset)",
        "PROGRESS_BAR_MESSAGE: Building Query (Asset)",
        "PROGRESS_BAR_MESSAGE: Executing Query (Asset)",
        "PROGRESS_BAR_VALUE: 190",
        count,
        "STATUS_MESSAGE: Building Company Participant lists...",
        "PROGRESS_BAR_VALUE: 200",
        "PROGRESS_BAR_VISIBLE: False",
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        ASSERT_LT(at(steps[i]), static_cast<std::ptrdiff_t>(sent.size())) << steps[i];
        if (i > 0) {
            EXPECT_LT(at(steps[i - 1]), at(steps[i])) << steps[i - 1] << " before " << steps[i];
        }
    }
    EXPECT_EQ(sent.back(), "STATUS_MESSAGE: ") << "the status is cleared last";
    EXPECT_FALSE(query->Parameters()->Modified());
}

TEST_F(QueryExecute, NothingToMatchIsSaidOnceAndLeavesNoResults) {
    Criteria none = kCases[0].Of();
    none.field =
        "<FieldDetail><FieldTypes><FieldType Code=\"NOSUCH\" Description=\"x\"/></FieldTypes></FieldDetail>";
    for (const char* type : {"Field", "Well"}) {
        SCOPED_TRACE(type);
        messages.clear();
        Criteria c = none;
        if (std::string(type) == "Well") {
            c = kCases[1].Of();
            c.companies = Company("999999", "Nobody");
        }
        Ref<IQuery> query = LoadedQuery(QueryXml(type, "Gross", c));
        EXPECT_EQ(query->Execute(), 0);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "No records were found that match your search criteria.");
        EXPECT_EQ(messages[0].title, "No Records Found.");
        EXPECT_EQ(messages[0].style, 64);
        EXPECT_FALSE(query->Active());
        EXPECT_EQ(query->RecordCount(kParticipantResults), 0);
        EXPECT_EQ(root->Sent().back(), "STATUS_MESSAGE: ");
        EXPECT_TRUE(query->Results(kAssetResults).IsNothing());
        EXPECT_TRUE(Contains(messages.back().text, "No Active Query")) << messages.back().text;
        ASSERT_TRUE(query->Companies());
        EXPECT_EQ(query->Companies()->Count(), 0);
    }
}

TEST_F(QueryExecute, AnUnknownTypeOrACancelledRenderGivesNoStatementAndNoMessage) {
    Ref<IQuery> query = LoadedQuery(QueryXml("Pipeline", "Gross", kCases[0].Of()));
    EXPECT_EQ(query->Execute(), ERR_NO_STATEMENT);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");
    EXPECT_EQ(root->Sent().back(), "STATUS_MESSAGE: ");

    // A well narrowing reads the cancel request after every hand-over.
    Criteria wells;
    wells.sectors = Sector("11", "GB");
    query = LoadedQuery(QueryXml("Well", "Gross", wells));
    ui::SetDoEventsHook([&] { root->SetCancelled(true); });
    EXPECT_EQ(query->Execute(), ERR_NO_STATEMENT);
    ui::SetDoEventsHook({});
    EXPECT_FALSE(query->Active());
    EXPECT_TRUE(messages.empty());
    const std::vector<std::string>& sent = root->Sent();
    EXPECT_NE(std::find(sent.end() - 3, sent.end(), "PROGRESS_BAR_VISIBLE: False"), sent.end());
}

TEST_F(QueryExecute, AStatementTheDatabaseCannotRunIsTheWarningAndDropsTheResults) {
    Ref<IQuery> query = LoadedQuery(QueryXml("Block", "Gross", kCases[2].Of()));
    ASSERT_GT(query->Execute(), 0);
    ASSERT_TRUE(query->Active());
    // The participant statement runs, the asset statement names a column
    // the asset table has not.
    root->SetOption(
        "SQL_BLOCK_RESULTS",
        "SELECT A.* FROM <table/> A INNER JOIN Company C ON C.Company_Code = A.Company_Code <where/>");
    const int32_t result = query->Execute();
    EXPECT_NE(result, 0);
    EXPECT_EQ(query->ErrorNumber(), result);
    EXPECT_FALSE(query->Active());
    EXPECT_EQ(query->RecordCount(kParticipantResults), 0) << "every record set is dropped";
    EXPECT_TRUE(Contains(Log(), "CQuery.IQuery_Execute"));
    EXPECT_EQ(root->Sent().back(), "STATUS_MESSAGE: ");
    EXPECT_EQ(root->SentWith("PROGRESS_BAR_VALUE: 200").size(), 2u);

    // The engine's size failure is told as the warning.
    root->SetOption("SQL_BLOCK_RESULTS",
                    "SELECT zeroblob(2000000000) AS Block_Code FROM <table/> A <where/>");
    messages.clear();
    EXPECT_EQ(query->Execute(), ERR_USER_WARNING);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Warning");
    EXPECT_EQ(messages[0].text,
              "Your results set is too large to process, please refine your query selection.");
}

}  // namespace
