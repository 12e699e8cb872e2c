// The location criteria of the general set: sectors with their countries,
// countries chosen without a sector, and the distinct countries over both.
#include <gtest/gtest.h>

#include "criteria/CriteriaFixture.h"
#include "interfaces/IGeneral.h"

namespace {

using GeneralLocations = GeneralFixture;

TEST_F(GeneralLocations, SectorsAreCountedAndCountriesCountOnceInTheOrderFirstSeen) {
    EXPECT_EQ(general->SectorCount(), 0);
    EXPECT_EQ(general->CountryCount(), 0);
    EXPECT_EQ(general->LocationCountryCodeList(), "");
    EXPECT_EQ(general->RegionCount(), 0);

    general->AddSector(11, "Central", "44", "United Kingdom", "1", "Europe");
    general->AddSector(21, "Viking", "47", "Norway", "1", "Europe");
    general->AddSector(12, "Moray", "44", "United Kingdom", "1", "Europe");
    general->AddSector(11, "Again", "99", "Elsewhere", "2", "Asia");
    EXPECT_EQ(general->SectorCount(), 3);
    EXPECT_EQ(general->CountryCount(), 2);
    EXPECT_EQ(general->LocationSectorCodeList(), "11,21,12");
    EXPECT_EQ(general->LocationSectorNameList(), "Central,Viking,Moray");
    EXPECT_EQ(general->LocationCountryCodeList(), "'44','47'");
    EXPECT_EQ(general->RegionCount(), 0);

    // A country that already has an item adds nothing; a new one is counted
    // as a sector item and a country, but has no sector code.
    general->AddCountryCode("47");
    EXPECT_EQ(general->SectorCount(), 3);
    general->AddCountryCode("45");
    EXPECT_EQ(general->SectorCount(), 4);
    EXPECT_EQ(general->CountryCount(), 3);
    EXPECT_EQ(general->LocationSectorCodeList(), "11,21,12");
    EXPECT_EQ(general->LocationCountryCodeList(), "'44','47','45'");
    EXPECT_TRUE(Contains(params->ParamXML(), "<Sector CountryCode=\"45\"/>")) << params->ParamXML();
}

TEST_F(GeneralLocations, RemovingAndClearing) {
    general->AddSector(11, "Central", "44", "United Kingdom", "1", "Europe");
    general->AddSector(12, "Moray", "44", "United Kingdom", "1", "Europe");
    general->AddCountryCode("45");
    params->SetModified(false);
    general->RemoveSector(99);
    EXPECT_FALSE(general->Modified());
    EXPECT_EQ(general->SectorCount(), 3);
    general->RemoveSector(11);
    EXPECT_TRUE(general->Modified());
    EXPECT_EQ(general->LocationSectorCodeList(), "12");

    query->SetReadOnly(true);
    general->RemoveSector(12);
    general->AddSector(13, "x", "1", "y", "1", "z");
    general->AddCountryCode("46");
    general->ClearLocations();
    EXPECT_EQ(general->SectorCount(), 2);
    query->SetReadOnly(false);

    general->ClearLocations();
    EXPECT_EQ(general->SectorCount(), 0);
    EXPECT_EQ(general->CountryCount(), 0);
}

TEST_F(GeneralLocations, ByIndexAndByIdentifierStandForNoObject) {
    general->AddSector(11, "Central", "44", "United Kingdom", "1", "Europe");
    EXPECT_TRUE(general->GetSectorByIndex(Variant(0)).IsNothing());
    EXPECT_TRUE(general->GetCompanyByIndex(Variant(0)).IsNothing());
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Defunct");
    EXPECT_EQ(messages[0].style, 0);
    EXPECT_EQ(messages[1].text, "Defunct");
    EXPECT_TRUE(general->GetCompanyByID(Variant(1)).IsNothing());

    EXPECT_TRUE(general->GetSectorByID(12).IsNothing());
    Error found = CaughtError([&] { general->GetSectorByID(11); });
    EXPECT_EQ(found.Number(), rt::kObjectNotSet);
    EXPECT_TRUE(Contains(found.Description(), "CGeneral.IGeneral_GetSectorByID(lSectorID=11)"))
        << found.Description();
}

TEST_F(GeneralLocations, ACountryAddedWithoutARootIsShownAndTheCallReturns) {
    root->SetQueries(nullptr);
    EXPECT_NO_THROW(general->AddCountryCode("44"));
    EXPECT_TRUE(Contains(Dialog(), "CTools.AddQueryParameter(")) << Dialog();
    Error passed = CaughtError([&] { general->ClearCompanies(); });
    EXPECT_EQ(passed.Number(), rt::kObjectNotSet);
    EXPECT_TRUE(Contains(passed.Description(), "CGeneral.IGeneral_ClearCompanies()")) << passed.Description();
    // No handler: the error arrives unrecorded.
    Error bare = CaughtError([&] { general->ClearLocations(); });
    EXPECT_EQ(bare.Number(), rt::kObjectNotSet);
    EXPECT_FALSE(Contains(bare.Description(), "ClearLocations")) << bare.Description();
}

}  // namespace
