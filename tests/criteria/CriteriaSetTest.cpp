// The criteria sets' shared members: binding, the changed flag and its
// read-only guard, the shore statuses, and how each set handles errors.
#include <gtest/gtest.h>

#include "criteria/CBlock.h"
#include "criteria/CField.h"
#include "criteria/CGeneral.h"
#include "criteria/CTransport.h"
#include "criteria/CWell.h"
#include "criteria/CriteriaFixture.h"
#include "interfaces/IParameters.h"

namespace {

class CriteriaSets : public CriteriaFixture {
protected:
    void SetUp() override {
        CriteriaFixture::SetUp();
        query = MakeRootWithFakeQuery();
        params = ParametersOfDefaultQuery();
    }

    Ref<FakeQuery> query;  // the active query
    Ref<IParameters> params;
};

TEST_F(CriteriaSets, ShoreStatusesAreStoredOncePerCodeFoundAndRemovedByCode) {
    Ref<IField> field = params->Field();
    field->AddShoreStatus("ONSHORE");
    field->AddShoreStatus("OFFSHORE");
    field->AddShoreStatus("ONSHORE");  // the code is the item's key
    EXPECT_EQ(field->ShoreStatusCount(), 2);
    EXPECT_TRUE(field->ShoreStatus("ONSHORE"));
    EXPECT_TRUE(field->ShoreStatus("OFFSHORE"));
    EXPECT_FALSE(field->ShoreStatus("BOTH"));
    EXPECT_TRUE(Contains(params->ParamXML(), "<FieldDetail>"));
    EXPECT_TRUE(Contains(params->ParamXML(), "<ShoreStatus Code=\"OFFSHORE\""));

    // Each set keeps its own: the well set has none of the field set's codes.
    EXPECT_FALSE(params->Well()->ShoreStatus("ONSHORE"));
    EXPECT_EQ(params->Well()->ShoreStatusCount(), 0);

    EXPECT_TRUE(field->RemoveShoreStatus("OFFSHORE"));
    EXPECT_FALSE(field->RemoveShoreStatus("OFFSHORE"));
    EXPECT_FALSE(field->ShoreStatus("OFFSHORE"));
    EXPECT_EQ(field->ShoreStatusCount(), 1);

    // An empty code is stored as an item, but is never found.
    field->AddShoreStatus("");
    EXPECT_EQ(field->ShoreStatusCount(), 2);
    EXPECT_FALSE(field->ShoreStatus(""));
    EXPECT_FALSE(field->RemoveShoreStatus(""));

    field->ClearShoreStatuses();
    EXPECT_EQ(field->ShoreStatusCount(), 0);
    EXPECT_FALSE(field->ShoreStatus("ONSHORE"));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");
}

TEST_F(CriteriaSets, ShoreStatusesOfEachAssetSetLieBelowItsOwnSetRoot) {
    const std::pair<Ref<IShoreStatusCriteria>, std::string> sets[] = {
        {params->Field(), "FieldDetail"},
        {params->Well(), "WellDetail"},
        {params->Block(), "BlockDetail"},
        {params->Transport(), "TransportDetail"},
    };
    for (const auto& [set, setRoot] : sets) {
        set->AddShoreStatus("BOTH-" + setRoot);
        std::string xml = params->ParamXML();
        auto rootAt = xml.find("<" + setRoot + ">");
        auto codeAt = xml.find("Code=\"BOTH-" + setRoot + "\"");
        ASSERT_NE(rootAt, std::string::npos) << setRoot;
        ASSERT_NE(codeAt, std::string::npos) << setRoot;
        EXPECT_LT(rootAt, codeAt) << setRoot;
        EXPECT_LT(codeAt, xml.find("</" + setRoot + ">")) << setRoot;
    }
}

TEST_F(CriteriaSets, AReadOnlyQueryKeepsItsCriteria) {
    Ref<IBlock> block = params->Block();
    block->AddShoreStatus("ONSHORE");
    block->AddShoreStatus("OFFSHORE");
    params->SetModified(false);
    query->SetReadOnly(true);

    block->AddShoreStatus("BOTH");
    block->ClearShoreStatuses();
    block->SetModified(true);
    EXPECT_EQ(block->ShoreStatusCount(), 2);
    EXPECT_FALSE(block->ShoreStatus("BOTH"));
    EXPECT_FALSE(block->Modified());

    query->SetReadOnly(false);
    block->AddShoreStatus("BOTH");
    EXPECT_TRUE(block->Modified());
    EXPECT_EQ(block->ShoreStatusCount(), 3);
}

TEST_F(CriteriaSets, AnUnboundSetReadsNothingAndShowsNothing) {
    auto well = New<CWell>();
    EXPECT_EQ(well->ShoreStatusCount(), 0);
    EXPECT_FALSE(well->ShoreStatus("ONSHORE"));
    EXPECT_FALSE(well->RemoveShoreStatus("ONSHORE"));
    EXPECT_FALSE(well->Modified());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");
}

TEST_F(CriteriaSets, ARebindingMakesTheSetWorkOnTheNewElement) {
    auto transport = New<CTransport>();
    Ref<ISettings2> first = gTools()->NewSettingsObject();
    ASSERT_TRUE(
        first->LoadXML("<Transport><TransportDetail><ShoreStatuses><ShoreStatus Code=\"ONSHORE\"/>"
                       "</ShoreStatuses></TransportDetail></Transport>"));
    Ref<ISettings2> second = gTools()->NewSettingsObject();
    ASSERT_TRUE(second->LoadXML("<Transport><TransportDetail/></Transport>"));

    ASSERT_TRUE(first->Select("Transport"));
    transport->Settings(first->Node());
    EXPECT_TRUE(transport->ShoreStatus("ONSHORE"));
    ASSERT_TRUE(second->Select("Transport"));
    transport->Settings(second->Node());
    EXPECT_FALSE(transport->ShoreStatus("ONSHORE"));
    transport->AddShoreStatus("OFFSHORE");
    EXPECT_TRUE(Contains(WholeXml(second), "Code=\"OFFSHORE\""));
    EXPECT_FALSE(Contains(WholeXml(first), "OFFSHORE"));
}

// Without a root there is no active query to ask whether it is read-only:
// every guarded member fails, and each set handles that its own way.
class CriteriaSetsWithoutRoot : public CriteriaFixture {};

TEST_F(CriteriaSetsWithoutRoot, EachSetHandlesAFailureAsItsProfileSays) {
    auto field = New<CField>();
    auto block = New<CBlock>();
    auto well = New<CWell>();
    auto general = New<CGeneral>();

    // No handler on the field set's Modified: the error arrives unrecorded.
    Error bare = CaughtError([&] { field->SetModified(true); });
    EXPECT_EQ(bare.Number(), rt::kObjectNotSet);
    EXPECT_NE(bare.Source(), kErrorInSource);
    EXPECT_EQ(CaughtError([&] { general->SetModified(true); }).Number(), rt::kObjectNotSet);

    // The block set's Modified records itself and passes the error on.
    Error passed = CaughtError([&] { block->SetModified(false); });
    EXPECT_EQ(passed.Number(), rt::kObjectNotSet);
    EXPECT_EQ(passed.Source(), kErrorInSource);
    EXPECT_TRUE(Contains(passed.Description(), "CBlock.IBlock_Modified(bModified=False)"))
        << passed.Description();

    // Clearing ends the error: the field set shows it in the dialog and does
    // not log it, the well set in an "Error" box, and logs it.
    EXPECT_NO_THROW(field->ClearShoreStatuses());
    EXPECT_TRUE(Contains(Dialog(), "CField.IField_ClearShoreStatuses()")) << Dialog();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Log(), "");

    EXPECT_NO_THROW(well->ClearShoreStatuses());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].style, 16);
    EXPECT_TRUE(Contains(messages[0].text, "CWell.IWell_ClearShoreStatuses()")) << messages[0].text;
    EXPECT_TRUE(Contains(Log(), "CWell.IWell_ClearShoreStatuses()"));
}

}  // namespace
