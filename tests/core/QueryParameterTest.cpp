// The query-parameter routines on a criteria set's element, guarded by the
// active query's read-only flag.
#include <gtest/gtest.h>

#include "support/FakeRootFixture.h"

namespace {

class QueryParameters : public FakeRootFixture {
protected:
    void SetUp() override {
        FakeRootFixture::SetUp();
        active = MakeRootWithFakeQuery();
        tools = gTools();
        params = tools->NewSettingsObject();
        ASSERT_TRUE(params->LoadXML("<Field><FieldDetail/></Field>"));
        params->SetModified(false);
    }
    void SetReadOnly(bool b) { active->SetReadOnly(b); }
    void AddType(const std::string& code, const std::string& description) {
        tools->AddQueryParameter(params, "FieldDetail", "FieldTypes", "FieldType",
                                 Variant{Variant("Code"), Variant("Description")},
                                 Variant{Variant(code), Variant(description)});
    }

    Ref<FakeQuery> active;
    Ref<CTools> tools;
    Ref<ISettings2> params;
};

TEST_F(QueryParameters, ItemsAreAddedOnceByTheirFirstAttribute) {
    AddType("GAS", "Gas");
    AddType("GAS", "Gas again");
    AddType("OIL", "Oil");
    EXPECT_TRUE(params->Modified());
    EXPECT_EQ(tools->GetQueryParameterCount(params, "FieldDetail", "FieldTypes"), 2);
    EXPECT_EQ(tools->GetQueryParameterAttributeList(params, "FieldDetail", "FieldTypes", "Description"),
              "Gas,Oil");
    EXPECT_EQ(tools->GetQueryParameterAttributeList(params, "FieldDetail", "FieldTypes", "Code", true),
              "'GAS','OIL'");
    EXPECT_EQ(tools->GetQueryParameterByIndex(params, "FieldDetail", "FieldTypes", "Code", 1), "OIL");
    EXPECT_EQ(tools->GetQueryParameterByIndex(params, "FieldDetail", "FieldTypes", "Code", 2), "");
    // A negative index names no item, not even the section element itself.
    ASSERT_TRUE(params->Select("FieldDetail/FieldTypes"));
    params->SetAttribute("Code", "SECTION");
    EXPECT_EQ(tools->GetQueryParameterByIndex(params, "FieldDetail", "FieldTypes", "Code", -1), "");
    EXPECT_EQ(tools->GetQueryParameterByAttribute(params, "FieldDetail", "FieldTypes", "FieldType", "Code",
                                                  "OIL", "Description"),
              "Oil");
    EXPECT_EQ(tools->GetQueryParameterCount(params, "FieldDetail", "Missing"), 0);
}

TEST_F(QueryParameters, ValuesAreStoredEscapedAndReadBack) {
    AddType("A'B\\C", "D'E\\F");
    EXPECT_EQ(tools->GetQueryParameterAttributeList(params, "FieldDetail", "FieldTypes", "Code"), "A`B\\C");
    EXPECT_EQ(tools->GetQueryParameterByAttribute(params, "FieldDetail", "FieldTypes", "FieldType", "Code",
                                                  "A`B\\\\C", "Code"),
              "A`B\\\\C")
        << "the key search gives the stored form";
    // The item can be removed with the values it was added with.
    params->SetModified(false);
    tools->RemoveQueryParameter(params, "FieldType", Variant{Variant("Code"), Variant("Description")},
                                Variant{Variant("A'B\\C"), Variant("D'E\\F")});
    EXPECT_EQ(tools->GetQueryParameterCount(params, "FieldDetail", "FieldTypes"), 0);
    EXPECT_TRUE(params->Modified()) << "a removal that took an item away is a change";
    params->SetModified(false);
    tools->RemoveQueryParameter(params, "FieldType", Variant("Code"), Variant("A'B\\C"));
    EXPECT_FALSE(params->Modified()) << "removing what is not there changes nothing";
}

TEST_F(QueryParameters, ListsSkipEmptyValues) {
    AddType("A", "");
    tools->AddQueryParameter(params, "FieldDetail", "FieldTypes", "FieldType", Variant{Variant("Code")},
                             Variant{Variant("")});
    AddType("B", "");
    EXPECT_EQ(tools->GetQueryParameterCount(params, "FieldDetail", "FieldTypes"), 3);
    EXPECT_EQ(tools->GetQueryParameterAttributeList(params, "FieldDetail", "FieldTypes", "Code"), "A,B");
    EXPECT_EQ(tools->GetQueryParameterAttributeList(params, "FieldDetail", "FieldTypes", "Code", true),
              "'A','B'");
}

TEST_F(QueryParameters, SingleValuesReadFalseWhenNeverWritten) {
    EXPECT_EQ(tools->GetQueryParameter(params, "FieldDetail", "Options", "CAQuery"), "False");
    EXPECT_EQ(tools->GetQueryParameter(params, "FieldDetail", "Options", "CAQuery", "Attr"), "");
    tools->AddQueryParameter(params, "FieldDetail", "Options", "CAQuery", Variant::Missing(),
                             Variant::Missing(), Variant("True"));
    EXPECT_EQ(tools->GetQueryParameter(params, "FieldDetail", "Options", "CAQuery"), "True");
    tools->AddQueryParameter(params, "FieldDetail", "Options", "CAQuery", Variant::Missing(),
                             Variant::Missing(), Variant("a\\b"));
    EXPECT_EQ(tools->GetQueryParameter(params, "FieldDetail", "Options", "CAQuery"), "a\\\\b")
        << "element text is given back as stored";
    EXPECT_EQ(tools->GetQueryParameterCount(params, "FieldDetail", "Options"), 1);
}

TEST_F(QueryParameters, SetWritesFoundItemsAndFillsMissingValues) {
    AddType("GAS", "Gas");
    params->SetModified(false);
    tools->SetQueryParameter(params, "FieldDetail", "FieldTypes", "FieldType", "Code", "GAS",
                             Variant{Variant("Description"), Variant("Extra")}, Variant{Variant("x\\y")});
    EXPECT_TRUE(params->Modified());
    EXPECT_EQ(tools->GetQueryParameterSearch(params, "", "", "FieldType", "Code", "GAS", "Description"),
              "x\\\\y");
    EXPECT_EQ(tools->GetQueryParameterSearch(params, "", "", "FieldType", "Code", "GAS", "Extra"), "");
    EXPECT_EQ(tools->GetQueryParameterSearch(params, "", "", "FieldType", "Code", "OIL", "Extra"), "");
}

TEST_F(QueryParameters, ClearEmptiesTheSectionAndMarksEvenWhenMissing) {
    AddType("GAS", "Gas");
    params->SetModified(false);
    tools->ClearQueryParameters(params, "FieldDetail", "Nothing");
    EXPECT_TRUE(params->Modified());
    tools->ClearQueryParameters(params, "FieldDetail", "FieldTypes");
    EXPECT_EQ(tools->GetQueryParameterCount(params, "FieldDetail", "FieldTypes"), 0);
    EXPECT_TRUE(params->Select("FieldDetail/FieldTypes")) << "the section itself stays";
}

TEST_F(QueryParameters, NothingChangesWhileTheActiveQueryIsReadOnly) {
    AddType("GAS", "Gas");
    params->SetModified(false);
    std::string before = params->XMLObject()->DocumentNode()->xml();
    SetReadOnly(true);
    AddType("OIL", "Oil");
    tools->SetQueryParameter(params, "FieldDetail", "FieldTypes", "FieldType", "Code", "GAS",
                             Variant("Description"), Variant("changed"));
    tools->RemoveQueryParameter(params, "FieldType", Variant("Code"), Variant("GAS"));
    tools->ClearQueryParameters(params, "FieldDetail", "FieldTypes");
    EXPECT_EQ(params->XMLObject()->DocumentNode()->xml(), before);
    EXPECT_FALSE(params->Modified());
    EXPECT_EQ(tools->GetQueryParameterAttributeList(params, "FieldDetail", "FieldTypes", "Code"), "GAS");
    EXPECT_EQ(root->ErrorNumber(), 0);
    EXPECT_EQ(Dialog(), "") << "a refused change is no error";
    EXPECT_TRUE(messages.empty());
    SetReadOnly(false);
    AddType("OIL", "Oil");
    EXPECT_EQ(tools->GetQueryParameterCount(params, "FieldDetail", "FieldTypes"), 2);
}

}  // namespace
