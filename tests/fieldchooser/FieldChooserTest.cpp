// The field description's derived display unit and its two interfaces, and
// the field chooser taking the catalogue when it is made.
#include <gtest/gtest.h>

#include "core/CreateObject.h"
#include "fieldchooser/CFieldDetail.h"
#include "fieldchooser/CSelectedFields.h"
#include "fieldchooser/FieldChooserClasses.h"
#include "platform/runtime/cvCollection.h"
#include "support/FakeLists.h"
#include "support/FakeRootFixture.h"

namespace {

class FieldDetail : public FakeRootFixture {};

TEST_F(FieldDetail, ANewDescriptionIsEmptyAndAColumnWithoutCategoryAsksNoUnits) {
    // No root at all: asking the units component would fail.
    auto detail = New<CFieldDetail>();
    Ref<IDisplayField> shown = detail;
    EXPECT_EQ(shown->DefaultUnit(), "");
    EXPECT_EQ(shown->Key(), "");
    EXPECT_EQ(shown->Sequence(), 0);
    EXPECT_EQ(shown->ColumnWidth(), 0);
    EXPECT_FALSE(shown->Visible());
    EXPECT_FALSE(shown->AnnualRow());
}

TEST_F(FieldDetail, TheDescriptionIsCreatableTheChoosersSelectionIsNot) {
    RegisterFieldChooserClasses();
    EXPECT_TRUE(CreateObjectAs<IDisplayField>("cvDataManager.CFieldDetail"));
    EXPECT_FALSE(IsClassRegistered("cvDataManager.CSelectedFields"));
}

TEST_F(FieldDetail, TheCategorysDefaultUnitIsAskedOnceAndThenKept) {
    MakeRoot();
    auto detail = New<CFieldDetail>();
    Ref<IDisplayField> shown = detail;
    Ref<IFieldDetail> filled = detail;
    filled->SetCategory("Total_Reserves");
    EXPECT_EQ(shown->DefaultUnit(), "MMboe");

    // With the root gone, a second ask would fail: the first answer is kept.
    ReleaseModuleData();
    root.Reset();
    EXPECT_EQ(shown->DefaultUnit(), "MMboe");

    // A unit set replaces it; empty text makes the next read ask again.
    shown->SetDefaultUnit("GJ");
    EXPECT_EQ(shown->DefaultUnit(), "GJ");
    filled->SetDefaultUnit("");
    EXPECT_EQ(CaughtError([&] { shown->DefaultUnit(); }).Number(), rt::kObjectNotSet)
        << "asked again, with no root to ask";
}

TEST_F(FieldDetail, AnUnknownCategoryFailsTheReadAndLeavesTheUnitEmpty) {
    MakeRoot();
    auto detail = New<CFieldDetail>();
    detail->SetCategory("No_Such_Category");
    Error e = CaughtError([&] { Ref<IDisplayField>(detail)->DefaultUnit(); });
    EXPECT_NE(e.Number(), 0);
    EXPECT_EQ(Dialog(), "") << "the description has no handler";
    detail->SetCategory("Total_Production");
    EXPECT_EQ(Ref<IDisplayField>(detail)->DefaultUnit(), "Mboe/d");
}

TEST_F(FieldDetail, KeyFollowsFieldNameAndColumnWidthReadsTheSameThroughBothInterfaces) {
    auto detail = New<CFieldDetail>();
    Ref<IFieldDetail> filled = detail;
    Ref<IDisplayField> shown = detail;
    filled->SetFieldName("WATER_DEPTH");
    EXPECT_EQ(shown->Key(), "WATER_DEPTH");
    EXPECT_EQ(filled->Key(), "WATER_DEPTH");
    filled->SetFieldName("RESERVOIR_DEPTH");
    EXPECT_EQ(shown->Key(), "RESERVOIR_DEPTH");
    EXPECT_EQ(shown->FieldName(), "RESERVOIR_DEPTH");

    shown->SetColumnWidth(1440);
    EXPECT_EQ(shown->ColumnWidth(), 1440);
    EXPECT_EQ(filled->IDisplayField_ColumnWidth(), 1440);
}

class SelectedFields : public FakeRootFixture {
protected:
    // A stand-in root whose lists give a catalogue of one asset type.
    Ref<FakeLists> PlugLists() {
        MakeRoot();
        auto lists = New<FakeLists>();
        catalogue = gTools()->NewCollection();
        catalogue->Add(Variant(gTools()->NewCollection()), "Field");
        lists->SetAvailableFields(catalogue);
        root->SetLists(lists);
        return lists;
    }
    Ref<cvCollection> catalogue;
};

TEST_F(SelectedFields, EachChooserAsksTheListsForTheCatalogueWhenItIsMade) {
    Ref<FakeLists> lists = PlugLists();
    auto first = New<CSelectedFields>();
    EXPECT_EQ(lists->AvailableFieldsRequests(), 1);
    auto second = New<CSelectedFields>();
    EXPECT_EQ(lists->AvailableFieldsRequests(), 2) << "the lists decide whether to build it again";
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");
}

TEST_F(SelectedFields, AFailureOfTheListsIsShownInAnErrorBoxAndTheChooserIsStillMade) {
    Ref<FakeLists> lists = PlugLists();
    lists->FailAvailableFields(ERR_GENERAL, "The catalogue statement failed");
    Ref<IFieldChooser> chooser;
    EXPECT_NO_THROW(chooser = New<CSelectedFields>());
    EXPECT_TRUE(chooser);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].style, 16);
    EXPECT_TRUE(Contains(messages[0].text, "The catalogue statement failed")) << messages[0].text;
    EXPECT_TRUE(Contains(messages[0].text, "CSelectedFields.Class_Initialize")) << messages[0].text;
    EXPECT_EQ(Dialog(), "");
    EXPECT_EQ(Log(), "") << "the chooser does not log";
}

TEST_F(SelectedFields, ACreationThatFailsIsShownInAnErrorBox) {
    // No root: the lists cannot be reached.
    Ref<IFieldChooser> chooser;
    EXPECT_NO_THROW(chooser = New<CSelectedFields>());
    EXPECT_TRUE(chooser);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].style, 16);
    EXPECT_TRUE(Contains(messages[0].text, "CSelectedFields.Class_Initialize")) << messages[0].text;
    EXPECT_EQ(Log(), "") << "the chooser does not log";
}

}  // namespace
