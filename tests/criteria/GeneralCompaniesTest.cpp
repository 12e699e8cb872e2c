// The company criteria of the general set: the selected companies and their
// lists, the interest ranges and the single values, on the default query.
#include <gtest/gtest.h>

#include <algorithm>

#include "criteria/CGeneral.h"
#include "criteria/CriteriaFixture.h"
#include "interfaces/IGeneral.h"
#include "support/ProcessTime.h"

namespace {

class GeneralCompanies : public GeneralFixture {
protected:
    // A general set bound to "General" of the markup given.
    Ref<IGeneral> GeneralOf(const std::string& generalXml) {
        Ref<ISettings2> doc = gTools()->NewSettingsObject();
        EXPECT_TRUE(doc->LoadXML("<Query>" + generalXml + "</Query>"));
        EXPECT_TRUE(doc->Select("Query/General"));
        kept_.push_back(doc);
        auto set = New<CGeneral>();
        set->Settings(doc->Node());
        return set;
    }
    // Companies 1 (North, subsidiaries 5,6) and 2 (South, subsidiary 6), 3 (East) without any.
    void SelectThree() {
        general->AddCompany(1, "North Oil", "North", 100);
        general->AddCompany(2, "South Gas", "South", 0);
        general->AddCompany(3, "East", "East", 0);
        general->SetCompanySubsidiaries("1", "5,6");
        general->SetCompanySubsidiaries("2", "6");
    }

private:
    std::vector<Ref<ISettings2>> kept_;
};

TEST_F(GeneralCompanies, AFreshQueryHasNoCompanyCriteria) {
    EXPECT_EQ(general->CompanyCount(), 0);
    EXPECT_EQ(general->SelectedCompaniesList(), "");
    EXPECT_EQ(general->CompanyNamesList(), "");
    EXPECT_EQ(general->CompanyCodesList(), "");
    EXPECT_EQ(general->CompanyParentCodesList(), "");
    EXPECT_FALSE(general->CAQuery());
    EXPECT_FALSE(general->Subsiduaries());
    EXPECT_EQ(general->OperatorStatus(), "");
    EXPECT_EQ(general->Netting(), "");
    EXPECT_EQ(general->CompanyCode("North"), 0);
    EXPECT_EQ(general->CompanyInterestRangeMin(0), "");
    EXPECT_EQ(Dialog(), "");
}

TEST_F(GeneralCompanies, CompaniesAreSelectedOncePerCodeAndListedInOrder) {
    general->AddCompany(1001, "O'Brien Oil", "O'Brien", 1000);
    general->AddCompany(1002, "South Gas", "South", 0);
    general->AddCompany(1001, "Other", "Other", 5);
    EXPECT_EQ(general->CompanyCount(), 2);
    EXPECT_EQ(general->SelectedCompaniesList(), "1001,1002");
    EXPECT_EQ(general->CompanyNamesList(), "O`Brien,South");
    EXPECT_EQ(general->CompanyParentCodesList(), "1001|1000,1002|0");
    EXPECT_EQ(general->CompanyShortName(1001), "O`Brien");
    // A name handed back as the list gave it finds its company; the raw one does not.
    EXPECT_EQ(general->CompanyCode("O`Brien"), 1001);
    EXPECT_EQ(general->CompanyCode("O'Brien"), 0);

    general->SetCompanyCAPosition(1002, "B");
    general->SetCompanyCAStatus(1002, "Operator");
    general->SetCompanyCAPosition(4711, "C");  // not selected: nothing
    EXPECT_EQ(general->CompanyCAPosition(1002), "B");
    EXPECT_EQ(general->CompanyCAStatus(1002), "Operator");
    EXPECT_EQ(general->CompanyCodeByCAPosition("B"), 1002);
    EXPECT_EQ(general->CompanyCACodesList(), "B");
    EXPECT_RAISES(rt::kTypeMismatch, general->CompanyCodeByCAPosition("C"));
    general->SetCompanySubsidiaryNames("South", "South Sub");
    EXPECT_EQ(general->CompanySubsidiaryNames("South"), "South Sub");

    params->SetModified(false);
    general->RemoveCompany(4711);
    EXPECT_FALSE(general->Modified()) << "nothing was removed";
    general->RemoveCompany(1001);
    EXPECT_TRUE(general->Modified());
    EXPECT_EQ(general->SelectedCompaniesList(), "1002");
    general->ClearCompanies();
    EXPECT_EQ(general->CompanyCount(), 0);
}

TEST_F(GeneralCompanies, ParentCodesArePairedPerCompany) {
    Ref<IGeneral> g = GeneralOf(
        "<General><CompanyDetail><Companies><Company ID=\"1\" ShortName=\"A\"/>"
        "<Company ID=\"2\" ParentCode=\"7\"/><Company ParentCode=\"8\"/><Company ID=\"3\" ParentCode=\"9\"/>"
        "</Companies></CompanyDetail></General>");
    EXPECT_EQ(g->CompanyParentCodesList(), "1|,2|7,3|9");
    EXPECT_EQ(Dialog(), "");
}

TEST_F(GeneralCompanies, CodesAreReadAsTheNumberTheyStartWith) {
    Ref<IGeneral> g = GeneralOf(
        "<General><CompanyDetail><Companies><Company ID=\" 12.5x\" ShortName=\"A\"/>"
        "<Company ID=\"abc\" ShortName=\"B\"/></Companies></CompanyDetail></General>");
    EXPECT_EQ(g->CompanyCode("A"), 12);
    EXPECT_EQ(g->CompanyCode("B"), 0);
    EXPECT_EQ(g->CompanyCode("C"), 0);
}

TEST_F(GeneralCompanies, CompanyCodesTakeInSubsidiariesOutsideACompetitorAnalysis) {
    SelectThree();
    EXPECT_EQ(general->CompanyCodesList(), "1,2,3");
    general->SetSubsiduaries(true);
    EXPECT_TRUE(general->Subsiduaries());
    EXPECT_EQ(general->CompanyCodesList(), "1,2,3,5,6");
    // Only a competitor analysis asks for one company's subsidiaries.
    EXPECT_EQ(general->SubsidaryCompanyCodesList("1"), "");
    general->SetCAQuery(true);
    EXPECT_TRUE(general->CAQuery());
    EXPECT_EQ(general->SubsidaryCompanyCodesList("1"), "5,6");
    EXPECT_EQ(general->SubsidaryCompanyCodesList(" 2"), "6");
    EXPECT_EQ(general->SubsidaryCompanyCodesList("3"), "");
    EXPECT_EQ(general->SubsidaryCompanyCodesList("9"), "");
    general->SetSubsiduaries(false);
    EXPECT_EQ(general->SubsidaryCompanyCodesList("1"), "");
    // A code that is no number is shown and gives "".
    general->SetSubsiduaries(true);
    EXPECT_EQ(general->SubsidaryCompanyCodesList("x"), "");
    EXPECT_TRUE(Contains(Dialog(), "CGeneral.IGeneral_SubsidaryCompanyCodesList(sCode='x')")) << Dialog();
}

TEST_F(GeneralCompanies, ACompetitorAnalysisTakesTheCompaniesOfTheActivePermutations) {
    SelectThree();
    general->SetCompanyCAPosition(1, "A");
    general->SetCompanyCAPosition(2, "B");
    general->SetCAQuery(true);
    EXPECT_EQ(general->CompanyCodesList(), "") << "no permutation is active";
    general->SetCompanyPermutations(
        "<Permutations><Palette><Permutations><Permutation Code=\"AB\" Active=\"True\"/>"
        "<Permutation Code=\"A\" Active=\"False\"/></Permutations></Palette></Permutations>");
    // Company 3 has no position, and counts whenever some permutation is active.
    EXPECT_EQ(general->CompanyCodesList(), "1,2,3");
    EXPECT_EQ(general->CAPermutationsCompanyCodesList(), "") << "no one-company permutation is active";
    EXPECT_EQ(general->CAPermutationsCompanyNamesList(), "North,South");
    general->SetSubsiduaries(true);
    EXPECT_EQ(general->CompanyCodesList(), "1,2,3") << "no subsidiaries in a competitor analysis";
}

TEST_F(GeneralCompanies, InterestRangesNeedABoundAndAreKeyedByTheirMinimum) {
    general->AddCompanyInterestRange(" ", "");
    EXPECT_EQ(general->CompanyInterestRangeCount(), 0);
    general->AddCompanyInterestRange("", "25");
    general->AddCompanyInterestRange("10 ", "20");
    general->AddCompanyInterestRange("10 ", "50");
    EXPECT_EQ(general->CompanyInterestRangeCount(), 2);
    EXPECT_EQ(general->CompanyInterestRangeMin(0), "");
    EXPECT_EQ(general->CompanyInterestRangeMax(0), "25");
    EXPECT_EQ(general->CompanyInterestRangeMin(1), "10");
    EXPECT_EQ(general->CompanyInterestRangeMax(1), "20");
    EXPECT_EQ(general->CompanyInterestRangeMin(2), "");
    EXPECT_TRUE(Contains(params->ParamXML(), "<CompanyInterest_Range MinValue=\"10 \" MaxValue=\"20\"/>"));
    general->ClearCompanyInterestRanges();
    EXPECT_EQ(general->CompanyInterestRangeCount(), 0);
}

TEST_F(GeneralCompanies, DirectValuesMarkTheSetChangedOnlyWhenTheyChange) {
    params->SetModified(false);
    general->SetNetting("Net");
    EXPECT_EQ(general->Netting(), "Net");
    EXPECT_TRUE(general->Modified());
    params->SetModified(false);
    general->SetNetting("Net");
    EXPECT_FALSE(general->Modified());
    general->SetNetting("");
    EXPECT_EQ(general->Netting(), "");
    EXPECT_FALSE(Contains(params->ParamXML(), "<Netting")) << "the element goes";
    EXPECT_TRUE(general->Modified());
    params->SetModified(false);
    general->SetNetting("");
    EXPECT_FALSE(general->Modified());

    general->SetSearchOptions("All");
    general->SetOperatorStatus("Operator");
    EXPECT_EQ(general->SearchOptions(), "All");
    EXPECT_EQ(general->OperatorStatus(), "Operator");
    general->SetSearchOptions("");
    EXPECT_EQ(general->SearchOptions(), "");
    EXPECT_EQ(general->OperatorStatus(), "Operator");

    general->SetSubsiduaries(true);
    params->SetModified(false);
    general->SetSubsiduaries(true);
    EXPECT_FALSE(general->Modified());
    general->SetSubsiduaries(false);
    EXPECT_TRUE(general->Modified());
    EXPECT_TRUE(Contains(params->ParamXML(), "<Subsiduaries>False</Subsiduaries>"));
}

TEST_F(GeneralCompanies, FlagsThatAreNoFlagsFailTheirOwnWay) {
    Ref<IGeneral> g = GeneralOf(
        "<General><CompanyDetail><Options><CAQuery>maybe</CAQuery></Options><Subsiduaries/></CompanyDetail>"
        "</General>");
    // Refused as the user's input, naming the element and the text; no
    // handler records a user error.
    Error bare = CaughtError([&] { g->CAQuery(); });
    EXPECT_EQ(bare.Number(), ERR_USER_INPUT);
    EXPECT_EQ(bare.Description(),
              "The value 'maybe' of 'CompanyDetail/Options/CAQuery' is not a flag: True or False.");
    Error passed = CaughtError([&] { g->Subsiduaries(); });
    EXPECT_EQ(passed.Number(), ERR_USER_INPUT);
    EXPECT_EQ(passed.Description(),
              "The value '' of 'CompanyDetail/Subsiduaries' is not a flag: True or False.");
    // Ended: shown as the user's input error, not logged, and the list is "".
    EXPECT_EQ(g->SelectedCompaniesList(), "");
    EXPECT_EQ(g->SubsidaryCompanyCodesList("1"), "");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "User Input Error");
    EXPECT_EQ(messages[0].text, passed.Description());
    EXPECT_EQ(Dialog(), "");
    EXPECT_EQ(Log(), "");
}

TEST_F(GeneralCompanies, AReadOnlyQueryKeepsItsCompanyCriteria) {
    SelectThree();
    general->AddCompanyInterestRange("1", "2");
    general->SetNetting("Net");
    params->SetModified(false);
    const std::string before = params->ParamXML();
    query->SetReadOnly(true);

    general->AddCompany(4, "West", "West", 0);
    general->RemoveCompany(1);
    general->ClearCompanies();
    general->SetCompanyCAPosition(1, "A");
    general->SetCompanyCAStatus(1, "Operator");
    general->SetCompanySubsidiaries("1", "9");
    general->SetCompanySubsidiaryNames("North", "x");
    general->AddCompanyInterestRange("3", "4");
    general->ClearCompanyInterestRanges();
    general->SetCAQuery(true);
    general->SetOperatorStatus("Participant");
    general->SetSearchOptions("All");
    general->SetNetting("");
    general->SetSubsiduaries(true);
    general->SetCompanyPermutations("<Permutations/>");
    general->SetModified(true);
    EXPECT_EQ(params->ParamXML(), before);
    EXPECT_FALSE(general->Modified());
    EXPECT_EQ(Dialog(), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(GeneralCompanies, ALongCompanyListIsReadInTimeLinearInItsLength) {
    // Read item by item up to the count, as the pair list does: a count that
    // walked every item on each turn made 20,000 companies take 14 s.
    for (int32_t code = 1; code <= 10000; ++code) general->AddCompany(code, "C", "C", 0);
    const double started = ProcessSeconds();
    const std::string pairs = general->CompanyParentCodesList();
    const double cpu = ProcessSeconds() - started;
    EXPECT_EQ(std::count(pairs.begin(), pairs.end(), '|'), 10000);
    EXPECT_EQ(pairs.substr(pairs.size() - 7), "10000|0");
    EXPECT_LT(cpu, 1.0 * kSanitizerSlowdown) << "10,000 companies took " << cpu << " s of processor time";
}

}  // namespace
