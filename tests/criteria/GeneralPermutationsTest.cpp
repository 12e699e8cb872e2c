// The competitor-analysis palette of the general set: stored whole, read
// back as its permutation list, and asked which permutations are active and
// which companies take part.
#include <gtest/gtest.h>

#include "criteria/CriteriaFixture.h"
#include "interfaces/IGeneral.h"

namespace {

const char* const kPalette =
    "<Permutations><Palette><Permutations>"
    "<Permutation Code=\"A\" Active=\"True\" Colour=\"255\" Pattern=\"1\"/>"
    "<Permutation Code=\"B\" Active=\"False\" Colour=\"16711680\"/>"
    "<Permutation Code=\"AB\" Active=\"True\" Colour=\"65280\" Pattern=\"2\"/>"
    "<Permutation Code=\"C\" Active=\"\"/>"
    "<Permutation Code=\"A'B\" Colour=\"7\" Pattern=\"q\"/>"
    "</Permutations></Palette></Permutations>";

class GeneralPermutations : public GeneralFixture {
protected:
    void SetUp() override {
        GeneralFixture::SetUp();
        general->AddCompany(1, "Southern", "South", 0);
        general->AddCompany(2, "Northern", "North", 0);
        general->SetCompanyCAPosition(1, "A");
        general->SetCompanyCAPosition(2, "B");
    }
};

TEST_F(GeneralPermutations, WithoutAPaletteEveryAnswerIsEmpty) {
    EXPECT_EQ(general->CompanyPermutations(), "");
    EXPECT_EQ(general->ActivePermutationslist(""), "");
    EXPECT_EQ(general->GetPermutationColour("A"), "");
    EXPECT_EQ(general->GetPermutationPattern("A"), "");
    EXPECT_EQ(general->CAPermutationsCompanyCodesList(), "");
    EXPECT_EQ(general->CAPermutationsCompanyNamesList(), "");
    EXPECT_EQ(Dialog(), "");
}

TEST_F(GeneralPermutations, ThePaletteGoesInWholeAndComesBackAsItsList) {
    params->SetModified(false);
    general->SetCompanyPermutations(kPalette);
    EXPECT_TRUE(general->Modified());
    std::string list = general->CompanyPermutations();
    EXPECT_EQ(list.rfind("<Permutations>", 0), 0u) << list;
    EXPECT_TRUE(Contains(list, "<Permutation Code=\"AB\" Active=\"True\" Colour=\"65280\"")) << list;
    EXPECT_FALSE(Contains(list, "Palette")) << "the inner list, not what the host handed in";
    EXPECT_TRUE(Contains(params->ParamXML(), "<CompetitorAnalysis><Permutations><Palette>"));

    // The same palette again changes nothing; another replaces the old one.
    params->SetModified(false);
    general->SetCompanyPermutations(kPalette);
    EXPECT_FALSE(general->Modified());
    general->SetCompanyPermutations(
        "<Permutations><Palette><Permutations><Permutation Code=\"B\" Active=\"True\"/>"
        "</Permutations></Palette></Permutations>");
    EXPECT_TRUE(general->Modified());
    EXPECT_EQ(general->ActivePermutationslist(""), "B");
    EXPECT_EQ(general->GetPermutationColour("AB"), "");

    query->SetReadOnly(true);
    general->SetCompanyPermutations(kPalette);
    EXPECT_EQ(general->ActivePermutationslist(""), "B");
}

TEST_F(GeneralPermutations, ActivePermutationsAreThoseMadeOfTheGivenPositions) {
    general->SetCompanyPermutations(kPalette);
    EXPECT_EQ(general->ActivePermutationslist(""), "A,AB");
    EXPECT_EQ(general->ActivePermutationslist("A,B"), "A,AB");
    EXPECT_EQ(general->ActivePermutationslist("b,a"), "A,AB");
    EXPECT_EQ(general->ActivePermutationslist("A"), "A");
    EXPECT_EQ(general->ActivePermutationslist("A,C"), "A");
    EXPECT_EQ(general->ActivePermutationslist(","), "");

    // Companies whose own one-position permutation is active, and those in any active one.
    general->SetCAQuery(true);
    EXPECT_EQ(general->CAPermutationsCompanyCodesList(), "1");
    EXPECT_EQ(general->CAPermutationsCompanyNamesList(), "South,North");
}

TEST_F(GeneralPermutations, CodesAndPositionsAreComparedAsValuesNeverAsExpressionText) {
    general->SetCompanyPermutations(kPalette);
    EXPECT_EQ(general->GetPermutationColour("AB"), "65280");
    EXPECT_EQ(general->GetPermutationPattern("AB"), "2");
    EXPECT_EQ(general->GetPermutationPattern("B"), "");
    EXPECT_EQ(general->GetPermutationColour("A'B"), "7");
    EXPECT_EQ(general->GetPermutationPattern("A'B"), "q");
    EXPECT_EQ(general->GetPermutationColour("x' or '1'='1"), "");
    EXPECT_EQ(general->GetPermutationColour("A\"]|//*[\""), "");

    general->AddCompany(3, "Quoted", "Q'uote", 0);
    general->SetCompanyCAPosition(3, "'");
    EXPECT_EQ(general->GetCompositeCompanyName("'B"), "Q`uote/North");
    EXPECT_EQ(Dialog(), "") << "nothing went wrong";
}

TEST_F(GeneralPermutations, NamesAndCodesOfAGroupOfCompanies) {
    EXPECT_EQ(general->GetCompositeCompanyName("BA"), "North/South");
    EXPECT_EQ(general->GetCompositeCompanyName("BZ"), "North");
    EXPECT_EQ(general->GetCompositeCompanyName("Z"), "");
    EXPECT_EQ(general->CAPermutationCode("North, South"), "AB");
    EXPECT_EQ(general->CAPermutationCode("North,Nobody"), "B");
    EXPECT_EQ(general->CAPermutationCode(""), "");
}

TEST_F(GeneralPermutations, AnActiveFlagThatIsNoFlagIsPassedOnAndShownWhereItEnds) {
    general->SetCompanyPermutations(
        "<Permutations><Palette><Permutations><Permutation Code=\"A\" Active=\"maybe\"/>"
        "</Permutations></Palette></Permutations>");
    Error passed = CaughtError([&] { general->ActivePermutationslist("A"); });
    EXPECT_EQ(passed.Number(), ERR_USER_INPUT);
    EXPECT_EQ(passed.Description(),
              "The value 'maybe' of 'Permutation@Active' is not a flag: True or False.");

    // The lists that ask for it end the error: shown as the user's input
    // error, not logged, and the list is "".
    general->SetCAQuery(true);
    EXPECT_EQ(general->CompanyCodesList(), "");
    EXPECT_EQ(general->CAPermutationsCompanyNamesList(), "");
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages) {
        EXPECT_EQ(m.title, "User Input Error");
        EXPECT_EQ(m.text, passed.Description());
    }
    EXPECT_EQ(Dialog(), "");
    EXPECT_EQ(Log(), "");
}

}  // namespace
