// The parameters container: binding the five sets to a query's elements,
// the combined changed flag and the XML of the whole query.
#include <gtest/gtest.h>

#include "core/CreateObject.h"
#include "criteria/CGeneral.h"
#include "criteria/CParameters.h"
#include "criteria/CriteriaClasses.h"
#include "criteria/CriteriaFixture.h"

namespace {

std::string QueryXml(const std::string& parameters) {
    return "<Query><Options><AssetType>Well</AssetType></Options><Parameters>" + parameters +
           "</Parameters></Query>";
}

const char* const kAllSets =
    "<General><CompanyDetail/><LocationDetail/></General><Block><BlockDetail/></Block>"
    "<Field><FieldDetail/></Field><Well><WellDetail/></Well><Transport><TransportDetail/></Transport>";

class Parameters : public CriteriaFixture {
protected:
    void SetUp() override {
        CriteriaFixture::SetUp();
        active = MakeRootWithFakeQuery();
    }
    // Loads a query file and binds the container to its "Parameters" element.
    Ref<ISettings2> Bind(const Ref<CParameters>& params, const std::string& name, const std::string& xml) {
        Ref<ISettings2> doc = gTools()->NewSettingsObject();
        EXPECT_TRUE(doc->Load(data.Write(name, xml)));
        EXPECT_TRUE(doc->Select("Query/Parameters"));
        params->Settings(doc->Node());
        return doc;
    }

    Ref<FakeQuery> active;
};

TEST_F(Parameters, TheContainerAndEveryCriteriaSetAreCreatable) {
    RegisterCriteriaClasses();
    for (const char* type : {"CParameters", "CGeneral", "CField", "CBlock", "CWell", "CTransport"}) {
        std::string made;
        EXPECT_NO_THROW(made = CreateObject(std::string("cvDataManager.") + type)->TypeName()) << type;
        EXPECT_EQ(made, type);
    }
}

TEST_F(Parameters, ParamXMLIsTheWholeQueryDocument) {
    auto params = New<CParameters>();
    Bind(params, "query.xml", QueryXml(kAllSets));
    params->Block()->AddShoreStatus("OFFSHORE");
    std::string xml = params->ParamXML();
    EXPECT_TRUE(Contains(xml, "<AssetType>Well</AssetType>")) << xml;
    EXPECT_TRUE(Contains(xml, "<BlockDetail>")) << xml;
    EXPECT_TRUE(Contains(xml, "Code=\"OFFSHORE\"")) << xml;
}

TEST_F(Parameters, ModifiedCombinesTheSetsAndALetReachesEveryOne) {
    // Unbound sets keep a flag each, so one set's change shows alone.
    auto params = New<CParameters>();
    EXPECT_FALSE(params->Modified());
    params->Transport()->SetModified(true);
    EXPECT_FALSE(params->General()->Modified());
    EXPECT_TRUE(params->Modified());

    params->SetModified(true);
    for (Ref<ICriteriaSet> set : {Ref<ICriteriaSet>(params->General()), Ref<ICriteriaSet>(params->Block()),
                                  Ref<ICriteriaSet>(params->Field()), Ref<ICriteriaSet>(params->Well()),
                                  Ref<ICriteriaSet>(params->Transport())})
        EXPECT_TRUE(set->Modified());

    // While the active query is read-only a Let changes no set.
    active->SetReadOnly(true);
    params->SetModified(false);
    EXPECT_TRUE(params->General()->Modified());
    EXPECT_TRUE(params->Transport()->Modified());
    active->SetReadOnly(false);
    params->SetModified(false);
    EXPECT_FALSE(params->Modified());
}

TEST_F(Parameters, General2HoldsOnlyWhatACallerPutThere) {
    auto params = New<CParameters>();
    EXPECT_TRUE(params->General2().IsNothing());
    auto general = New<CGeneral>();
    params->SetGeneral2(general);
    EXPECT_TRUE(params->General2() == general);
    EXPECT_FALSE(params->General2() == params->General());
}

}  // namespace
