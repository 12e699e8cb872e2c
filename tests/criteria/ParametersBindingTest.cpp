// Binding the parameters container to a query file that lacks one of the
// five elements: the whole binding is refused, so the sets never end up
// split between two files.
#include <gtest/gtest.h>

#include "criteria/CParameters.h"
#include "criteria/CriteriaFixture.h"

namespace {

// A query file with the given elements below "Parameters".
std::string QueryFile(const std::string& elements) {
    return "<Query><Options><AssetType>Field</AssetType></Options><Parameters>" + elements +
           "</Parameters></Query>";
}

const char* const kGeneral = "<General><CompanyDetail/><LocationDetail/></General>";
const char* const kBlock = "<Block><BlockDetail/></Block>";
const char* const kField = "<Field><FieldDetail/></Field>";
const char* const kWell = "<Well><WellDetail/></Well>";
const char* const kTransport = "<Transport><TransportDetail/></Transport>";

class ParametersBinding : public CriteriaFixture {
protected:
    void SetUp() override {
        CriteriaFixture::SetUp();
        MakeRootWithFakeQuery();  // the sets' writers consult the active query
    }
    // The "Parameters" element of a query file written into the data folder.
    Ref<ISettings2> ParametersOf(const std::string& name, const std::string& xml) {
        Ref<ISettings2> doc = gTools()->NewSettingsObject();
        EXPECT_TRUE(doc->Load(data.Write(name, xml)));
        EXPECT_TRUE(doc->Select("Query/Parameters"));
        kept_.push_back(doc);
        return doc->Node();
    }
    std::vector<Ref<IShoreStatusCriteria>> AssetSets(const Ref<CParameters>& p) {
        return {p->Block(), p->Field(), p->Well(), p->Transport()};
    }

private:
    std::vector<Ref<ISettings2>> kept_;
};

TEST_F(ParametersBinding, AFileWithoutWellLeavesEverySetOnTheQueryItHad) {
    auto params = New<CParameters>();
    Ref<ISettings2> first =
        ParametersOf("first.xml", QueryFile(std::string(kGeneral) + kBlock + kField + kWell + kTransport));
    params->Settings(first);
    for (auto& set : AssetSets(params)) set->AddShoreStatus("FIRST");
    std::string firstXml = params->ParamXML();
    ASSERT_EQ(Dialog(), "");

    // Well is missing; General, Block and Field come before it, Transport after.
    Ref<ISettings2> second =
        ParametersOf("second.xml", QueryFile(std::string(kGeneral) + kBlock + kField + kTransport));
    EXPECT_NO_THROW(params->Settings(second));
    EXPECT_TRUE(Contains(Dialog(), "Invalid Settings File. Element Well is Missing or corrupt\r\n" +
                                       data.Path() + "second.xml"))
        << Dialog();
    EXPECT_TRUE(Contains(Dialog(), "CParameters.ISettingsObject2_Settings(")) << Dialog();
    EXPECT_TRUE(Contains(Log(), "Element Well is Missing")) << "the container logs what it shows";

    // Every set, General included, still stands on the first file: it reads
    // what was written there, and its changed flag is that file's.
    EXPECT_TRUE(params->General()->Modified());
    for (auto& set : AssetSets(params)) {
        EXPECT_TRUE(set->ShoreStatus("FIRST"));
        set->AddShoreStatus("AFTER");
    }
    EXPECT_FALSE(Contains(WholeXml(second), "AFTER")) << WholeXml(second);
    EXPECT_EQ(params->ParamXML(),
              Replace(firstXml, "Code=\"FIRST\"/>", "Code=\"FIRST\"/><ShoreStatus Code=\"AFTER\"/>"))
        << "the container reads the first file too";
}

TEST_F(ParametersBinding, AFirstBindingThatIsRefusedLeavesTheSetsUnbound) {
    auto params = New<CParameters>();
    // Transport, the last element, is the one missing: the four before it
    // are found, and still none is bound.
    Ref<ISettings2> refused =
        ParametersOf("refused.xml", QueryFile(std::string(kGeneral) + kBlock + kField + kWell));
    std::string before = WholeXml(refused);
    params->Settings(refused);
    EXPECT_TRUE(Contains(Dialog(), "Element Transport is Missing or corrupt")) << Dialog();
    for (auto& set : AssetSets(params)) set->AddShoreStatus("ONSHORE");
    EXPECT_EQ(WholeXml(refused), before) << "no set writes into the refused file";
    EXPECT_FALSE(params->General()->Modified());

    // A complete file binds all five.
    Ref<ISettings2> complete =
        ParametersOf("complete.xml", QueryFile(std::string(kGeneral) + kBlock + kField + kWell + kTransport));
    params->Settings(complete);
    for (auto& set : AssetSets(params)) {
        EXPECT_EQ(set->ShoreStatusCount(), 0);
        set->AddShoreStatus("ONSHORE");
    }
    for (const char* root : {"BlockDetail", "FieldDetail", "WellDetail", "TransportDetail"})
        EXPECT_TRUE(Contains(WholeXml(complete), std::string("<") + root + "><ShoreStatuses>")) << root;
}

}  // namespace
