#pragma once
// List tests whose fills read the active query's criteria: the stand-in
// root's active query hands out a real criteria container bound to a query
// document of the test's own, as a real query binds its container.
#include <string>

#include "criteria/CParameters.h"
#include "support/FakeRootFixture.h"

class ActiveCriteriaFixture : public FakeRootFixture {
protected:
    // The active query's criteria from now on: sLocations inside
    // "General/LocationDetail", sWell inside "Well/WellDetail".
    void UseCriteria(const std::string& sLocations, const std::string& sWell = "") {
        query_ = gTools()->NewSettingsObject();
        ASSERT_TRUE(query_->LoadXML("<Query><Parameters><General><CompanyDetail/><LocationDetail>" +
                                    sLocations +
                                    "</LocationDetail></General><Block><BlockDetail/></Block>"
                                    "<Field><FieldDetail/></Field><Well><WellDetail>" +
                                    sWell +
                                    "</WellDetail></Well><Transport><TransportDetail/></Transport>"
                                    "</Parameters></Query>"));
        ASSERT_TRUE(query_->Select("Query/Parameters"));
        auto params = New<CParameters>();
        params->Settings(query_->Node());
        MakeRootWithFakeQuery()->SetParameters(params);
    }
    // Location criteria of one sector in each country given.
    static std::string SectorsIn(const std::vector<std::string>& countries) {
        std::string sectors;
        for (const std::string& c : countries)
            sectors += "<Sector SectorCode=\"1\" SectorName=\"S\" CountryCode=\"" + c +
                       "\" CountryName=\"C\" RegionCode=\"R\" RegionName=\"R\"/>";
        return "<Sectors>" + sectors + "</Sectors>";
    }

private:
    Ref<ISettings2> query_;
};
