#include <gtest/gtest.h>

#include "platform/xml/cvSettings.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"
#include "support/ErrorAssert.h"

namespace {

const char* const kDistinctCountries =
    "//LocationDetail/Sectors/Sector[not(preceding-sibling::Sector/@CountryCode= ./@CountryCode)]";

TEST(kqXML, CountsAndQuotesAttributeValuesOverTheWholeDocument) {
    auto query = New<cvSettings>();
    ASSERT_TRUE(
        query->LoadXML("<Query><Parameters><General><LocationDetail><Sectors>"
                       "<Sector SectorCode='11' CountryCode='NO'/><Sector SectorCode='12' CountryCode='NO'/>"
                       "<Sector SectorCode='21' CountryCode=\"O'B\"/><Sector SectorCode='22'/>"
                       "</Sectors></LocationDetail></General></Parameters></Query>"));
    // The criteria set's object is bound below the top; the XML object is not.
    ASSERT_TRUE(query->Select("Query/Parameters/General"));
    auto general = New<cvSettings>();
    general->Attach(query->Node());
    Ref<kqXML> xml = general->XMLObject();

    EXPECT_EQ(xml->SelectionLanguage(), "XSLPattern");
    xml->SetSelectionLanguage("XPath");
    EXPECT_EQ(query->XMLObject()->SelectionLanguage(), "XPath");  // one setting per document
    EXPECT_RAISES(5, xml->SetSelectionLanguage("SQL"));

    // The fourth sector has no country: it is distinct but contributes no value.
    EXPECT_EQ(xml->CountNodes(kDistinctCountries), 3);
    EXPECT_EQ(xml->AttributeValues(kDistinctCountries, "CountryCode"), "'NO','O''B'");
    EXPECT_EQ(xml->AttributeValues("//Sector/@SectorCode", ""), "'11','12','21','22'");
    EXPECT_EQ(xml->AttributeValues("//Nothing", "CountryCode"), "");
    EXPECT_EQ(xml->CountNodes("//Nothing"), 0);

    try {
        xml->CountNodes("//Sector[");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), 5);
        EXPECT_EQ(e.Source(), "kqXML");
        EXPECT_NE(e.Description().find("//Sector["), std::string::npos);
    }
    EXPECT_RAISES(5, xml->AttributeValues("count(//Sector)", "CountryCode"));

    EXPECT_EQ(xml->DocumentNode()->xml().rfind("<Query><Parameters>", 0), 0u);
    general->SetValue("CompanyDetail/Netting", "Net");
    EXPECT_NE(xml->DocumentNode()->xml().find("<Netting>Net</Netting>"), std::string::npos);
}

}  // namespace
