#include <gtest/gtest.h>

#include "LoadedSettings.h"
#include "platform/xml/cvSettings.h"
#include "support/ErrorAssert.h"

namespace {

const char* const kSections =
    "<FieldDetail><FieldTypes><FieldType Code='A'/><!-- note --><FieldType Code='B'/><FieldType Code='C'/>"
    "</FieldTypes><Other><FieldType Code='Z'/></Other></FieldDetail>";

TEST(SettingsNavigation, SelectedElementAndCurrentNodeAreKeptApart) {
    auto s = Loaded(kSections);
    ASSERT_TRUE(s->Select("FieldDetail/FieldTypes"));
    ASSERT_EQ(s->Count(), 3);
    std::string codes;
    for (int32_t i = 0; i < s->Count(); ++i) {
        ASSERT_TRUE(s->SelectIndex(i));
        codes += s->Attribute("Code");
        s->MoveNext();
    }
    EXPECT_EQ(codes, "ABC");
    // Out of range, negative included: False, and the current node stays.
    ASSERT_TRUE(s->SelectIndex(1));
    EXPECT_FALSE(s->SelectIndex(3));
    EXPECT_FALSE(s->SelectIndex(-1));
    EXPECT_EQ(s->Attribute("Code"), "B");
    // Going back after walking forward still finds the right child.
    ASSERT_TRUE(s->SelectIndex(0));
    EXPECT_EQ(s->Attribute("Code"), "A");
    ASSERT_TRUE(s->SelectIndex(2));
    EXPECT_FALSE(s->MoveNext());
    EXPECT_EQ(s->Attribute("Code"), "C");
    EXPECT_FALSE(s->Select("FieldDetail/Missing"));  // a failed select moves nothing
    EXPECT_EQ(s->Count(), 3);
    EXPECT_EQ(s->Attribute("Code"), "C");
}

TEST(SettingsNavigation, ChildWalksAndRelativeSelects) {
    auto chart = Loaded(
        "<TerralithChart><Chart><Queries>"
        "<Q><Name>First</Name><SQL>SELECT 1</SQL></Q><Q><Name>Second</Name><SQL>SELECT 2</SQL></Q>"
        "</Queries></Chart></TerralithChart>");
    ASSERT_TRUE(chart->Select("TerralithChart/Chart/Queries"));
    auto container = New<cvSettings>();
    container->Attach(chart->Node());
    const int32_t count = container->Count();
    ASSERT_EQ(count, 2);
    std::string read;
    for (int32_t i = 0; i < count; ++i) {
        ASSERT_TRUE(container->SelectIndex(i));
        ASSERT_TRUE(container->SelectRelative("Name"));
        read += container->Text() + "=";
        ASSERT_TRUE(container->SelectRelative("../SQL"));
        read += container->Text() + ";";
    }
    EXPECT_EQ(read, "First=SELECT 1;Second=SELECT 2;");

    auto s = Loaded(kSections);
    ASSERT_TRUE(s->Select("FieldDetail/FieldTypes"));
    std::string walked;
    for (bool more = s->FirstChild(); more; more = s->NextSibling()) walked += s->Attribute("Code");
    EXPECT_EQ(walked, "ABC");

    // The node walk of a handed-out node: enter a child, read, leave.
    ASSERT_TRUE(s->Select("FieldDetail/FieldTypes"));
    Ref<ISettings2> node = s->Node();
    ASSERT_EQ(node->ChildCount(), 3);
    ASSERT_TRUE(node->EnterChild(2));
    EXPECT_EQ(node->Attribute("Code"), "C");
    EXPECT_EQ(node->ChildCount(), 0);
    EXPECT_FALSE(node->EnterChild(0));
    ASSERT_TRUE(node->LeaveChild());
    EXPECT_FALSE(node->LeaveChild());
    EXPECT_FALSE(node->EnterChild(-1));
    EXPECT_FALSE(node->EnterChild(3));
    EXPECT_EQ(node->ChildCount(), 3);
}

TEST(SettingsNavigation, FindChildSearchesBelowTheBoundElementWithBoundValues) {
    auto s = Loaded(kSections);
    EXPECT_TRUE(s->FindChild("FieldType", "Code", "Z"));  // any depth
    EXPECT_EQ(s->Text(), "");
    EXPECT_EQ(s->Attribute("Code"), "Z");
    EXPECT_TRUE(s->FindChild("FieldDetail/FieldTypes/FieldType", "Code", "B"));
    EXPECT_EQ(s->NodeXML(), "<FieldType Code=\"B\"/>");
    EXPECT_FALSE(s->FindChild("FieldDetail/FieldTypes/FieldType", "Code", "Z"));  // not on that path
    EXPECT_EQ(s->Attribute("Code"), "B");

    ASSERT_TRUE(s->Select("FieldDetail/FieldTypes"));
    s->CreateNode("FieldType", "FieldDetail/FieldTypes");
    const std::string hostile = "x' or '1'='1\"] | //*[\"";
    s->SetAttribute("Code", hostile);
    EXPECT_FALSE(s->FindChild("FieldType", "Code", "x' or '1'='1"));
    EXPECT_FALSE(s->FindChild("FieldType", "Code", "' or 1=1 or '"));
    ASSERT_TRUE(s->FindChild("FieldType", "Code", hostile));
    EXPECT_EQ(s->Attribute("Code"), hostile);
    EXPECT_FALSE(s->FindChild("FieldType", "Code", Variant::Null()));
    EXPECT_RAISES(5, s->FindChild("FieldType", "Code or 1=1", "A"));

    // Bound to a section, the search stays inside it.
    ASSERT_TRUE(s->Select("FieldDetail/Other"));
    auto other = New<cvSettings>();
    other->Attach(s->Node());
    EXPECT_FALSE(other->FindChild("FieldType", "Code", "A"));
    EXPECT_TRUE(other->FindChild("FieldType", "Code", "Z"));
}

TEST(SettingsNavigation, CreateDeleteAndRemoveChildren) {
    auto s =
        Loaded("<CompanyDetail><Companies><Company ID='1'/><Company ID='2'/></Companies></CompanyDetail>");
    ASSERT_TRUE(s->CreateNode("Company", "CompanyDetail/Companies", -1, -1, -1));
    s->SetAttribute("ID", 3);
    ASSERT_TRUE(s->Select("CompanyDetail/Companies"));
    ASSERT_EQ(s->Count(), 3);
    ASSERT_TRUE(s->SelectIndex(2));
    EXPECT_EQ(s->Attribute("ID"), "3");  // the new element is the last child

    // Missing parents are made on the way.
    ASSERT_TRUE(s->CreateNode("Option", "CompanyDetail/Options"));
    s->SetText("True");
    EXPECT_EQ(s->GetValue("CompanyDetail/Options/Option").ToString(), "True");

    ASSERT_TRUE(s->FindChild("Company", "ID", "2"));
    s->DeleteNode();
    EXPECT_EQ(s->NodeXML(), "<Companies><Company ID=\"1\"/><Company ID=\"3\"/></Companies>");
    ASSERT_TRUE(s->Select("CompanyDetail/Companies"));
    EXPECT_EQ(s->Count(), 2);
    ASSERT_TRUE(s->SelectIndex(1));
    EXPECT_EQ(s->Attribute("ID"), "3");

    ASSERT_TRUE(s->Select("CompanyDetail/Companies"));
    s->RemoveChildren();
    EXPECT_EQ(s->Count(), 0);
    EXPECT_TRUE(s->Select("CompanyDetail/Companies"));  // the section itself stays
    EXPECT_FALSE(s->SelectIndex(0));

    ASSERT_TRUE(s->Select("/"));
    EXPECT_RAISES(5, s->DeleteNode());
    EXPECT_RAISES(5, s->SetAttribute("x", "1"));  // the document node has no attributes
}

}  // namespace
