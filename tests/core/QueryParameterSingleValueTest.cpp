// Single values of a criteria set read as the query-parameter routines
// promise when they are there but empty as well as when they are missing,
// and a change asked for an item that is not there still counts as one.
#include <gtest/gtest.h>

#include "support/FakeRootFixture.h"

namespace {

class QueryParameterSingleValue : public FakeRootFixture {
protected:
    void SetUp() override {
        FakeRootFixture::SetUp();
        MakeRootWithFakeQuery();
        tools = gTools();
        params = tools->NewSettingsObject();
    }
    std::string Get(const std::string& element, const std::string& attribute = "") {
        return tools->GetQueryParameter(params, "CompanyDetail", "Options", element, attribute);
    }

    Ref<CTools> tools;
    Ref<ISettings2> params;
};

TEST_F(QueryParameterSingleValue, EmptyAndMissingValuesReadAsTheRoutinesSay) {
    ASSERT_TRUE(
        params->LoadXML("<General><CompanyDetail><Options>"
                        "<Empty/><Blank>  </Blank><Set>True</Set><Cleared></Cleared>"
                        "<Item Code='' Path='a\\\\b'/>"
                        "</Options></CompanyDetail></General>"));
    // An element's text: empty or missing is "False", anything else as it stands.
    EXPECT_EQ(Get("Empty"), "False") << "present but empty";
    EXPECT_EQ(Get("Cleared"), "False") << "present, opened and closed";
    EXPECT_EQ(Get("Missing"), "False") << "missing";
    EXPECT_EQ(Get("Set"), "True");
    EXPECT_EQ(Get("Blank"), "  ");
    // An attribute: empty or missing is empty text, a value has its doubled
    // backslashes halved.
    EXPECT_EQ(Get("Item", "Code"), "") << "present but empty";
    EXPECT_EQ(Get("Item", "Missing"), "") << "missing";
    EXPECT_EQ(Get("Missing", "Code"), "") << "on a missing element";
    EXPECT_EQ(Get("Item", "Path"), "a\\b");

    // A value the single-value writer clears reads "False" again.
    tools->AddQueryParameter(params, "CompanyDetail", "Options", "Set", Variant::Missing(),
                             Variant::Missing(), Variant(""));
    EXPECT_EQ(Get("Set"), "False");
    EXPECT_EQ(root->ErrorNumber(), 0);
    EXPECT_EQ(Dialog(), "");
}

TEST_F(QueryParameterSingleValue, SettingAMissingItemStillMarksTheDocumentChanged) {
    ASSERT_TRUE(params->LoadXML(
        "<Field><FieldDetail><FieldTypes><FieldType Code='GAS' Description='Gas'/></FieldTypes>"
        "</FieldDetail></Field>"));
    const std::string before = WholeXml(params);
    params->SetModified(false);
    tools->SetQueryParameter(params, "FieldDetail", "FieldTypes", "FieldType", "Code", "OIL",
                             Variant("Description"), Variant("Oil"));
    EXPECT_TRUE(params->Modified()) << "asked for, it counts as a change";
    EXPECT_EQ(WholeXml(params), before) << "but nothing is written";

    // With no section at all, the same.
    params->SetModified(false);
    tools->SetQueryParameter(params, "FieldDetail", "Missing", "Nothing", "Code", "GAS",
                             Variant("Description"), Variant("x"));
    EXPECT_TRUE(params->Modified());
    EXPECT_EQ(WholeXml(params), before);
    EXPECT_EQ(Dialog(), "");
}

}  // namespace
