// The participant and parent company lists an execution draws from its
// participant rows, and the Selected flags the host sets on them.
#include <gtest/gtest.h>

#include "interfaces/IFilteredCompany.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/cvCollection.h"
#include "queries/CFilteredCompany.h"
#include "queries/CQuery.h"
#include "queries/QueryFiles.h"
#include "queries/QueryFixture.h"
#include "support/SqliteFile.h"

namespace {

using queryfiles::Company;
using queryfiles::Criteria;
using queryfiles::QueryXml;
using queryfiles::Sector;

class QueryCompanies : public QueryFixture {
protected:
    static Ref<IFilteredCompany> Entry(const Ref<cvCollection>& list, int32_t position) {
        return list->Item(Variant(position)).ToObject<IFilteredCompany>();
    }
    // "key=code:name:short" of every entry, in order.
    static std::vector<std::string> Entries(const Ref<cvCollection>& list) {
        std::vector<std::string> out;
        for (int32_t i = 1; i <= list->Count(); ++i) {
            Ref<IFilteredCompany> e = Entry(list, i);
            out.push_back(list->KeyAt(i) + "=" + Variant(e->Code()).ToString() + ":" + e->Name() + ":" +
                          e->ShortName() + (e->Selected() ? "" : ":off"));
        }
        return out;
    }
};

TEST_F(QueryCompanies, TheListsHoldTheCompaniesAndParentsOfTheFieldsFound) {
    Criteria c;
    c.sectors = Sector("11", "GB");
    Ref<IQuery> query = LoadedQuery(QueryXml("Field", "Gross", c));
    EXPECT_TRUE(query->Companies().IsNothing());
    EXPECT_TRUE(query->ParentCompanies().IsNothing());
    EXPECT_EQ(ErrorNumberOf([&] { query->CompanySelected(101); }), rt::kObjectNotSet);
    EXPECT_EQ(ErrorNumberOf([&] { query->ParentCompanySelected(101); }), rt::kObjectNotSet);

    ASSERT_GT(query->Execute(), 0);
    const std::string fields = "SELECT DISTINCT Field_Code FROM FieldSector WHERE Sector_Code = 11";
    const std::vector<std::string> companies =
        Column(DatabasePath(), "SELECT DISTINCT I.Company_Code FROM FieldInterest I WHERE I.Field_Code IN (" +
                                   fields + ") ORDER BY 1");
    const std::vector<std::string> parents =
        Column(DatabasePath(),
               "SELECT DISTINCT CASE WHEN C.Parent_Code = 0 THEN C.Company_Code ELSE C.Parent_Code END "
               "FROM FieldInterest I JOIN Company C ON C.Company_Code = I.Company_Code WHERE "
               "I.Field_Code IN (" +
                   fields + ") ORDER BY 1");
    Ref<cvCollection> list = query->Companies();
    Ref<cvCollection> parentList = query->ParentCompanies();
    ASSERT_TRUE(list && parentList);
    ASSERT_EQ(list->Count(), static_cast<int32_t>(companies.size()));
    ASSERT_EQ(parentList->Count(), static_cast<int32_t>(parents.size()));
    ASSERT_LT(parents.size(), companies.size()) << "the sample data groups companies under parents";
    for (const std::string& code : companies) {
        ASSERT_TRUE(list->Exists("C_" + code)) << code;
        Ref<IFilteredCompany> e = list->Item(Variant("C_" + code)).ToObject<IFilteredCompany>();
        EXPECT_EQ(e->Name(),
                  Column(DatabasePath(), "SELECT Company_Name FROM Company WHERE Company_Code = " + code)[0]);
        EXPECT_EQ(
            e->ShortName(),
            Column(DatabasePath(), "SELECT Company_Short_Name FROM Company WHERE Company_Code = " + code)[0]);
        EXPECT_TRUE(query->CompanySelected(e->Code()));
    }
    for (const std::string& code : parents) EXPECT_TRUE(parentList->Exists("C_" + code)) << code;

    // The participant set was walked to its end; the host moves it back.
    EXPECT_TRUE(query->Results(kParticipantResults)->Eof());

    // The host's choices are what the query answers, list by list.
    const int32_t first = Entry(list, 1)->Code();
    Entry(list, 1)->SetSelected(false);
    EXPECT_FALSE(query->CompanySelected(first));
    EXPECT_FALSE(query->CompanySelected(-424242)) << "not listed";
    const int32_t parent = Entry(parentList, 1)->Code();
    EXPECT_TRUE(query->ParentCompanySelected(parent));
    Entry(parentList, 1)->SetSelected(false);
    EXPECT_FALSE(query->ParentCompanySelected(parent));

    // A new execution lists every company afresh, selected again.
    ASSERT_GT(query->Execute(), 0);
    EXPECT_FALSE(query->Companies() == list);
    EXPECT_TRUE(query->CompanySelected(first));
    EXPECT_TRUE(query->ParentCompanySelected(parent));
    EXPECT_FALSE(Entries(list).empty()) << "the old list is the host's to keep";
}

TEST_F(QueryCompanies, EachRowAddsItsCompanyAndItsParentOnceTheFirstRowDeciding) {
    Criteria c;
    c.sectors = Sector("11", "GB");
    Ref<IQuery> query = LoadedQuery(QueryXml("Field", "Gross", c));
    // Participant rows of the test's own, whatever the fields found.
    const std::string rows =
        "SELECT 5 AS Company_Code, 'Alpha' AS Company_Name, 'A' AS Company_Short_Name, 9 AS "
        "Company_Code_Parent, 'Nine' AS Company_Name_Parent, 'N' AS Company_Short_Name_Parent "
        "UNION ALL SELECT 5, 'Alpha renamed', 'A2', NULL, NULL, NULL "
        "UNION ALL SELECT 6, 'No short name', NULL, 5, 'Alpha as parent', 'AP' "
        "UNION ALL SELECT -7, 'Minus', 'M', 9, 'Nine again', 'N2' "
        "UNION ALL SELECT 9, 'Nine', 'N', 9, 'Nine', 'N'";
    // Each row once, for asset and participant statements alike.  (No
    // "where" of its own: the builder's conditions go in place of the tag.)
    auto Template = [](const std::string& sRows) {
        return "SELECT X.* FROM (" + sRows +
               ") X INNER JOIN (SELECT 1 FROM <table/> A <where/> LIMIT 1) ON 1 = 1";
    };
    root->SetOption("SQL_FIELD_RESULTS", Template(rows));
    ASSERT_EQ(query->Execute(), 5);
    EXPECT_EQ(Entries(query->Companies()),
              (std::vector<std::string>{"C_5=5:Alpha:A", "C_-7=-7:Minus:M", "C_9=9:Nine:N"}));
    EXPECT_EQ(Entries(query->ParentCompanies()),
              (std::vector<std::string>{"C_9=9:Nine:N", "C_5=5:Alpha as parent:AP"}));
    EXPECT_TRUE(query->CompanySelected(-7));
    EXPECT_FALSE(query->CompanySelected(6));
    // A company that is also a parent has two entries, chosen apart.
    query->Companies()->Item(Variant("C_9")).ToObject<IFilteredCompany>()->SetSelected(false);
    EXPECT_FALSE(query->CompanySelected(9));
    EXPECT_TRUE(query->ParentCompanySelected(9));

    // A company row without its code cannot be listed: the execution fails
    // and leaves no results behind.
    root->SetOption("SQL_FIELD_RESULTS",
                    Template(rows + " UNION ALL SELECT NULL, 'Nobody', 'NB', 9, 'Nine', 'N'"));
    EXPECT_EQ(query->Execute(), rt::kInvalidNull);
    EXPECT_FALSE(query->Active());
    EXPECT_TRUE(Contains(query->ErrorDescription(), "CQuery.UpdateCompanyLists"))
        << query->ErrorDescription();
}

TEST_F(QueryCompanies, AnExecutionWithoutParticipantsListsNoneAndClosesItsProgress) {
    // Fields without a single participant row.
    Exec(DatabasePath(), "DELETE FROM FieldInterest");
    Criteria c;
    c.sectors = Sector("11", "GB");
    Ref<IQuery> query = LoadedQuery(QueryXml("Field", "Gross", c));
    EXPECT_EQ(query->Execute(), 0);
    EXPECT_FALSE(query->Active());
    ASSERT_TRUE(query->Companies());
    EXPECT_EQ(query->Companies()->Count(), 0);
    EXPECT_EQ(query->ParentCompanies()->Count(), 0);
    EXPECT_FALSE(query->CompanySelected(102));
    EXPECT_TRUE(messages.empty());
    const std::vector<std::string>& sent = root->Sent();
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(sent.end() - 3, sent.end()),
              (std::vector<std::string>{"PROGRESS_BAR_VALUE: 200", "PROGRESS_BAR_VISIBLE: False",
                                        "STATUS_MESSAGE: "}));
}

TEST(FilteredCompany, TheKeyFollowsTheCodeSignIncluded) {
    CFilteredCompany company;
    EXPECT_EQ(company.Code(), 0);
    EXPECT_EQ(company.Key(), "C_0");
    EXPECT_FALSE(company.Selected());
    EXPECT_EQ(company.Name(), "");
    company.SetCode(-5);
    EXPECT_EQ(company.Key(), "C_-5");
    company.SetCode(2147483647);
    EXPECT_EQ(company.Key(), "C_2147483647");
}

}  // namespace
