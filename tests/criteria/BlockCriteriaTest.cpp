// The block criteria: what the block set stores where the statement renderer
// reads it, the water-depth unit prefix, licence types taken apart and put
// together again, licence statuses through the block list's look-ups, and
// which members record, pass on, show or leave alone an error.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "core/CreateObject.h"
#include "criteria/CBlock.h"
#include "criteria/CriteriaFixture.h"
#include "interfaces/IListBlock.h"
#include "interfaces/IParameters.h"
#include "platform/xml/cvSettings.h"
#include "support/FakeLists.h"

namespace {

// The block list as a fill leaves it: item numbers it handed out answer with
// their code and name, others raise 5; before any fill everything reads "".
class FakeBlockList final : public IListBlock {
public:
    using Rows = std::map<int32_t, std::pair<std::string, std::string>>;
    void Fill(Rows statuses, Rows areaStatuses) {
        filled_ = true;
        statuses_ = std::move(statuses);
        areaStatuses_ = std::move(areaStatuses);
    }

    std::string LicenceAreaStatusCode(int32_t lID) override { return Look(areaStatuses_, lID).first; }
    std::string LicenceAreaStatusDescription(int32_t lID) override { return Look(areaStatuses_, lID).second; }
    std::string LicenceStatusCode(int32_t lID) override { return Look(statuses_, lID).first; }
    std::string LicenceStatusDescription(int32_t lID) override { return Look(statuses_, lID).second; }
    void PopulateBlockLocationTree(const Ref<ITreeView>&, const std::string&, bool) override {}
    void PopulateLicenceTypeTree(const Ref<ITreeView>&) override {}
    void PopulateLicenceReferenceList(const Ref<IListControl>&, const std::string&) override {}
    void PopulateBasinList(const Ref<IListControl>&) override {}
    void PopulateLicenceStatusList(const Ref<IListControl>&) override {}
    void PopulateLicenceAreaStatusList(const Ref<IListControl>&) override {}
    void PopulateDatesList(const Ref<IDataTypeChooser>&) override {}
    void PopulateAwardRoundLists(const Ref<IListControl>&, const Ref<IListControl>&, const Ref<IListControl>&,
                                 const std::string&) override {}
    std::string TypeName() const override { return "FakeBlockList"; }

private:
    std::pair<std::string, std::string> Look(const Rows& rows, int32_t lID) const {
        if (!filled_) return {};
        auto it = rows.find(lID);
        if (it == rows.end())
            throw Error(rt::kInvalidCall, "FakeBlockList", "Invalid procedure call or argument");
        return it->second;
    }
    bool filled_ = false;
    Rows statuses_;
    Rows areaStatuses_;
};

class BlockCriteria : public CriteriaFixture {
protected:
    void SetUp() override {
        CriteriaFixture::SetUp();
        query = MakeRootWithFakeQuery();
        lists = New<FakeLists>();
        blockList = New<FakeBlockList>();
        lists->SetBlock(blockList);
        root->SetLists(lists);
        params = ParametersOfDefaultQuery();
        block = params->Block();
    }
    std::string Xml() const { return params->ParamXML(); }
    bool XmlHas(const std::string& part) const { return Contains(Xml(), part); }

    Ref<FakeQuery> query;
    Ref<FakeLists> lists;
    Ref<FakeBlockList> blockList;
    Ref<IParameters> params;
    Ref<IBlock> block;
};

TEST_F(BlockCriteria, WaterDepthUnitsGainTheirPrefixBeforeTheRangeIsTested) {
    // Each range has its own minimum, the key.
    const std::pair<const char*, const char*> units[] = {
        {"9999", "CV_9999"},
        {"10000", "U_10000"},
        {"U_10000", "U_10000"},
        {"CV_12", "CV_12"},
        {"", ""},
        {"Metres", "Metres"},
        {"9999.5", "U_9999.5"},
        {"9998.5", "CV_9998.5"},
        {"10000.4", "U_10000.4"},
        {"-20000", "CV_-20000"},
        {"1E4", "U_1E4"},
        {"2147483647", "U_2147483647"},
    };
    int i = 0;
    for (const auto& [unit, stored] : units) {
        block->AddWaterDepthRange(std::to_string(i), "", "LENGTH", unit);
        EXPECT_EQ(block->WaterDepthRangeUnit(i), stored) << unit;
        ++i;
    }
    EXPECT_EQ(block->WaterDepthCount(), i);
    EXPECT_TRUE(
        XmlHas("<WaterDepthRange MinValue=\"0\" MaxValue=\"\" CategoryID=\"LENGTH\" UnitID=\"CV_9999\"/>"))
        << Xml();

    // The block area keeps its unit as given.
    block->AddBlockAreaRange("1", "2", "AREA", "9999");
    EXPECT_EQ(block->BlockAreaRangeUnit(0), "9999");
    EXPECT_EQ(block->BlockAreaRangeCategory(0), "AREA");

    // A unit past a long integer fails before the bounds are looked at: even
    // a range that would be refused raises, recorded with its arguments.
    Error overflow = CaughtError([&] { block->AddWaterDepthRange("", "", "LENGTH", "2147483648"); });
    EXPECT_EQ(overflow.Number(), rt::kOverflow);
    EXPECT_TRUE(Contains(
        overflow.Description(),
        "CBlock.IBlock_AddWaterDepthRange(dMin='', dMax='', sCategory='LENGTH', sUnit='2147483648')"))
        << overflow.Description();
    EXPECT_EQ(CaughtError([&] { block->AddWaterDepthRange("50", "", "", "1E12"); }).Number(), rt::kOverflow);
    EXPECT_EQ(block->WaterDepthCount(), i);
    EXPECT_EQ(Dialog(), "");
}

TEST_F(BlockCriteria, RangesNeedABoundAndAreKeyedByTheirMinimum) {
    block->AddWaterDepthRange("", "   ", "LENGTH", "10000");
    block->AddBlockAreaRange(" ", "", "AREA", "1");
    block->AddSignatureBonusRange("", "");
    block->AddFallowYearRange("  ", " ");
    EXPECT_EQ(block->WaterDepthCount() + block->BlockAreaCount() + block->SignatureBonusCount() +
                  block->FallowYearCount(),
              0);

    block->AddSignatureBonusRange("0", "");
    block->AddSignatureBonusRange("0", "500");  // the minimum is taken
    block->AddSignatureBonusRange("", " 900 ");
    EXPECT_EQ(block->SignatureBonusCount(), 2);
    EXPECT_EQ(block->SignatureBonusRangeMin(0), "0");
    EXPECT_EQ(block->SignatureBonusRangeMax(0), "");
    EXPECT_EQ(block->SignatureBonusRangeMax(1), "900");
    EXPECT_EQ(block->SignatureBonusRangeMin(2), "");
    EXPECT_TRUE(XmlHas("<SignatureBonusRange MinValue=\"\" MaxValue=\" 900 \"/>")) << Xml();

    block->AddFallowYearRange("2", "5");
    block->AddWaterDepthRange("100", "200", "LENGTH", "10001");
    block->AddWaterDepthRange("100", "300", "LENGTH", "12");
    block->AddBlockAreaRange("", "40", "AREA", "7");
    EXPECT_EQ(block->FallowYearRangeMin(0), "2");
    EXPECT_EQ(block->FallowYearRangeMax(0), "5");
    EXPECT_EQ(block->WaterDepthCount(), 1);
    EXPECT_EQ(block->WaterDepthRangeMin(0), "100");
    EXPECT_EQ(block->WaterDepthRangeMax(0), "200");
    EXPECT_EQ(block->WaterDepthRangeCategory(0), "LENGTH");
    EXPECT_EQ(block->WaterDepthRangeUnit(0), "U_10001");
    EXPECT_EQ(block->BlockAreaRangeMin(0), "");
    EXPECT_EQ(block->BlockAreaRangeMax(0), "40");
    EXPECT_EQ(block->WaterDepthRangeUnit(1), "");

    // Each kind lies in its own section.
    block->ClearSignatureBonusRanges();
    EXPECT_EQ(block->SignatureBonusCount(), 0);
    EXPECT_EQ(block->FallowYearCount(), 1);
    block->ClearFallowYearRanges();
    block->ClearBlockAreaRanges();
    EXPECT_EQ(block->WaterDepthCount(), 1);
    block->ClearWaterDepthRanges();
    EXPECT_EQ(block->WaterDepthCount() + block->BlockAreaCount() + block->FallowYearCount(), 0);
}

TEST_F(BlockCriteria, LicenceTypesAreTakenApartAtTheUnderscoreAndPutTogetherAgain) {
    EXPECT_EQ(block->LicenceTypeList(), "");
    block->AddLicenceType("A_B");
    block->AddLicenceType("C");
    block->AddLicenceType("A_B");
    EXPECT_TRUE(XmlHas("<LicenceType ID=\"A_B\" LicenceTypeCode=\"A\" LicenceSubTypeCode=\"B\"/>")) << Xml();
    EXPECT_TRUE(XmlHas("<LicenceType ID=\"C\" LicenceTypeCode=\"C\" LicenceSubTypeCode=\"\"/>")) << Xml();
    EXPECT_EQ(block->LicenceTypeCount(), 2);
    EXPECT_EQ(block->LicenceTypeList(), "A_B,C");

    // A third part stays in the code but belongs to neither.
    block->AddLicenceType("A_B_C");
    block->AddLicenceType("A");
    EXPECT_TRUE(XmlHas("<LicenceType ID=\"A_B_C\" LicenceTypeCode=\"A\" LicenceSubTypeCode=\"B\"/>"))
        << Xml();
    EXPECT_EQ(block->LicenceTypeList(), "A_B,C,A_B,A");

    // The type alone goes without its sub-types, and the sub-type without the
    // longer code that shares its parts.
    params->SetModified(false);
    block->RemoveLicenceType("A");
    EXPECT_TRUE(block->Modified());
    EXPECT_EQ(block->LicenceTypeList(), "A_B,C,A_B");
    block->RemoveLicenceType("A_B");
    EXPECT_EQ(block->LicenceTypeList(), "C,A_B");
    EXPECT_TRUE(XmlHas("ID=\"A_B_C\"")) << Xml();

    // A code no item has, or one that only shares parts, changes nothing.
    params->SetModified(false);
    block->RemoveLicenceType("A_B");
    block->RemoveLicenceType("B");
    block->RemoveLicenceType("C_");
    EXPECT_FALSE(block->Modified());
    EXPECT_EQ(block->LicenceTypeCount(), 2);

    block->ClearLicenceTypes();
    EXPECT_EQ(block->LicenceTypeCount(), 0);
    EXPECT_EQ(block->LicenceTypeList(), "");
}

TEST_F(BlockCriteria, LicenceStatusesComeFromTheBlockList) {
    // Before the list was filled its look-ups answer "": an empty item is
    // stored; a licence status removes it again, a licence-area status keeps it.
    block->AddLicenceStatus(3);
    block->AddLicenceAreaStatus(3);
    EXPECT_TRUE(XmlHas("<LicenceStatus Code=\"\" Description=\"\"/>")) << Xml();
    EXPECT_TRUE(XmlHas("<LicenceAreaStatus Code=\"\" Description=\"\"/>")) << Xml();
    params->SetModified(false);
    block->RemoveLicenceAreaStatus(3);
    EXPECT_EQ(block->LicenceAreaStatusCount(), 1);
    EXPECT_FALSE(block->Modified());
    block->RemoveLicenceStatus(3);
    EXPECT_EQ(block->LicenceStatusCount(), 0);
    EXPECT_TRUE(block->Modified());
    block->ClearLicenceAreaStatuses();

    blockList->Fill({{1, {"AWD", "Awarded"}}, {2, {"EXT", "Extended"}}, {4, {"O'K", "It's ok"}}},
                    {{1, {"RELINQ", "Relinquished"}}, {2, {"PART", "Part"}}});
    block->AddLicenceStatus(2);
    block->AddLicenceStatus(1);
    block->AddLicenceStatus(4);
    block->AddLicenceAreaStatus(2);
    block->AddLicenceAreaStatus(1);
    EXPECT_EQ(block->LicenceStatusList(), "'EXT','AWD','O`K'");
    EXPECT_EQ(block->LicenceStatusDescriptionList(), "'Extended','Awarded','It`s ok'");
    EXPECT_EQ(block->LicenceAreaStatusList(), "'PART','RELINQ'");
    EXPECT_EQ(block->LicenceAreaStatusDescriptionList(), "'Part','Relinquished'");

    // Removed by the code the list gives the number, a quote included.
    block->RemoveLicenceStatus(4);
    block->RemoveLicenceStatus(1);
    block->RemoveLicenceAreaStatus(2);
    EXPECT_EQ(block->LicenceStatusList(), "'EXT'");
    EXPECT_EQ(block->LicenceAreaStatusList(), "'RELINQ'");

    // A number the list never gave is passed on with the member's report.
    Error unknown = CaughtError([&] { block->AddLicenceStatus(9); });
    EXPECT_EQ(unknown.Number(), rt::kInvalidCall);
    EXPECT_TRUE(Contains(unknown.Description(), "CBlock.IBlock_AddLicenceStatus(lCode=9)"))
        << unknown.Description();
    Error unknownArea = CaughtError([&] { block->RemoveLicenceAreaStatus(7); });
    EXPECT_TRUE(Contains(unknownArea.Description(), "CBlock.IBlock_RemoveLicenceAreaStatus(lCode=7)"))
        << unknownArea.Description();
    EXPECT_EQ(block->LicenceStatusCount() + block->LicenceAreaStatusCount(), 2);
    block->ClearLicenceStatuses();
    EXPECT_EQ(block->LicenceStatusCount(), 0);
    EXPECT_EQ(block->LicenceAreaStatusCount(), 1);
    EXPECT_EQ(Dialog(), "");
}

TEST_F(BlockCriteria, ListsAreQuotedWhereTheStatementComparesTexts) {
    block->AddBlockLocation(-1, "none", "X");
    block->AddBlockLocation(0, "zero", "");
    block->AddBlockLocation(12, "21/10a", "B12");
    block->AddBlockLocation(12, "again", "B99");
    EXPECT_EQ(block->BlockLocationsCount(), 2);
    EXPECT_EQ(block->BlockLocationsList(), "0,12");
    EXPECT_EQ(block->BlockLocationIDList(), "B12");  // the empty id is skipped

    block->AddLicenceReference(" P.123 ");
    block->AddLicenceReference("   ");
    block->AddLicenceReference("O'Brien]");
    EXPECT_EQ(block->LicenceReferenceList(), "' P.123 ','O`Brien]'");

    block->AddAwardNumber("21");
    block->AddAwardNumber(" ");
    block->AddAwardNumber("21");
    block->AddAwardYear(0);
    block->AddAwardYear(-1999);
    block->AddAwardYear(2003);
    block->AddAwardYear(1);
    block->AddAwardDescriptor("Round 21");
    block->AddAwardDescriptor("");
    EXPECT_EQ(block->AwardNumberList(), "21");
    EXPECT_EQ(block->AwardYearList(), "2003,1");
    EXPECT_EQ(block->AwardDescriptorList(), "'Round 21'");
    EXPECT_EQ(block->AwardNumberCount() + block->AwardYearCount() + block->AwardDescriptorCount(), 4);

    block->AddBlockReferenceString("  21/1*?");
    block->AddBlockReferenceString(" ");
    EXPECT_TRUE(XmlHas("<BlockReference Code=\"  21/1%_\"/>")) << Xml();
    EXPECT_EQ(block->BlockReferenceString(0), "21/1%_");
    EXPECT_EQ(block->BlockReferenceString(1), "");
    EXPECT_EQ(block->BlockReferenceList(), "  21/1%_");
    EXPECT_EQ(block->BlockReferenceCount(), 1);

    block->AddAssetCode("");
    block->AddAssetCode("7");
    block->AddAssetCode("7");
    EXPECT_EQ(block->AssetCodeCount(), 2);
    EXPECT_EQ(block->AssetCodeList(), "7");

    block->AddDate("Issue_Date", "Award Date", 0, 36526, "", "01/01/2000");
    block->AddDate("Issue_Date", "Award Date", 40000, 0, "", "");
    block->AddDate("Expiry_Date", "Expiry", 0, 0, "", "");
    EXPECT_EQ(block->DateRangeCount(), 1);
    EXPECT_EQ(block->DateRangeName(0), "Issue_Date");
    EXPECT_EQ(block->DateRangeMin(0), "36526");
    EXPECT_EQ(block->DateRangeMax(0), "0");
    EXPECT_EQ(block->DateRangeName(1), "");

    // Every section lies below the block set root.
    const std::string xml = Xml();
    const auto rootAt = xml.find("<BlockDetail>");
    const auto endAt = xml.find("</BlockDetail>");
    for (const char* section :
         {"<BlockLocations>", "<LicenceReferences>", "<LicenceAwardNumbers>", "<LicenceAwardYears>",
          "<LicenceAwardDescriptors>", "<BlockReferences>", "<AssetCodes>", "<Dates>"}) {
        const auto at = xml.find(section);
        EXPECT_TRUE(rootAt < at && at < endAt) << section << "\n" << xml;
    }
}

TEST_F(BlockCriteria, OnlyARemovalThatFindsItsItemMarksTheSet) {
    block->AddBlockLocation(5, "five", "B5");
    block->AddLicenceReference("O'Brien]");
    block->AddAwardNumber("21");
    block->AddAwardYear(2003);
    block->AddAwardDescriptor("Round \"21\"");
    block->AddDate("Issue_Date", "Award Date", 1, 0, "", "");
    params->SetModified(false);

    block->RemoveBlockLocation(6);
    block->RemoveLicenceReference("O'Brien");
    block->RemoveLicenceReference("') or ('1'='1");
    block->RemoveAwardNumber("2");
    block->RemoveAwardYear(2004);
    block->RemoveAwardDescriptor("Round 21");
    block->RemoveDate("Expiry_Date");
    EXPECT_FALSE(block->Modified());
    EXPECT_EQ(block->LicenceReferenceCount(), 1);

    const std::pair<std::function<void()>, std::function<int32_t()>> removals[] = {
        {[&] { block->RemoveBlockLocation(5); }, [&] { return block->BlockLocationsCount(); }},
        {[&] { block->RemoveLicenceReference("O'Brien]"); }, [&] { return block->LicenceReferenceCount(); }},
        {[&] { block->RemoveAwardNumber("21"); }, [&] { return block->AwardNumberCount(); }},
        {[&] { block->RemoveAwardYear(2003); }, [&] { return block->AwardYearCount(); }},
        {[&] { block->RemoveAwardDescriptor("Round \"21\""); },
         [&] { return block->AwardDescriptorCount(); }},
        {[&] { block->RemoveDate("Issue_Date"); }, [&] { return block->DateRangeCount(); }},
    };
    int i = 0;
    for (const auto& [remove, count] : removals) {
        params->SetModified(false);
        remove();
        EXPECT_EQ(count(), 0) << i;
        EXPECT_TRUE(block->Modified()) << i;
        ++i;
    }

    // The clearers each empty their own section only.
    block->AddAwardNumber("1");
    block->AddAwardYear(1);
    block->AddAwardDescriptor("1");
    block->AddLicenceReference("1");
    block->AddBlockLocation(1, "", "");
    block->AddBlockReferenceString("1");
    block->AddDate("D", "", 1, 1, "", "");
    const std::pair<std::function<void()>, std::function<int32_t()>> clearers[] = {
        {[&] { block->ClearAwardNumbers(); }, [&] { return block->AwardNumberCount(); }},
        {[&] { block->ClearAwardYears(); }, [&] { return block->AwardYearCount(); }},
        {[&] { block->ClearAwardDescriptors(); }, [&] { return block->AwardDescriptorCount(); }},
        {[&] { block->ClearLicenceReferences(); }, [&] { return block->LicenceReferenceCount(); }},
        {[&] { block->ClearBlockLocations(); }, [&] { return block->BlockLocationsCount(); }},
        {[&] { block->ClearBlockReferenceStrings(); }, [&] { return block->BlockReferenceCount(); }},
        {[&] { block->ClearDates(); }, [&] { return block->DateRangeCount(); }},
    };
    int remaining = 7;
    for (const auto& [clear, count] : clearers) {
        clear();
        --remaining;
        EXPECT_EQ(count(), 0) << remaining;
        EXPECT_EQ(block->AwardNumberCount() + block->AwardYearCount() + block->AwardDescriptorCount() +
                      block->LicenceReferenceCount() + block->BlockLocationsCount() +
                      block->BlockReferenceCount() + block->DateRangeCount(),
                  remaining);
    }
}

TEST_F(BlockCriteria, AReadOnlyQueryKeepsTheBlockCriteria) {
    blockList->Fill({{1, {"AWD", "Awarded"}}}, {{1, {"RELINQ", "Relinquished"}}});
    block->AddLicenceType("A_B");
    block->AddLicenceStatus(1);
    block->AddLicenceAreaStatus(1);
    block->AddWaterDepthRange("1", "", "", "5");
    params->SetModified(false);
    const std::string before = Xml();
    query->SetReadOnly(true);

    block->AddLicenceType("C");
    block->RemoveLicenceType("A_B");
    block->AddLicenceStatus(1);
    block->RemoveLicenceStatus(1);
    block->RemoveLicenceAreaStatus(1);
    block->AddWaterDepthRange("2", "", "", "10000");
    block->ClearWaterDepthRanges();
    block->AddAssetCode("9");
    block->SetModified(true);
    EXPECT_EQ(Xml(), before);
    EXPECT_FALSE(block->Modified());
    EXPECT_EQ(block->LicenceTypeList(), "A_B");
}

// Without its settings object (the constructor could not make one) every
// member fails; which of them record themselves, pass the error on or show it
// is each member's own.
TEST_F(BlockCriteria, EachMemberHandlesAFailureItsOwnWay) {
    RegisterClass(cvSettings::kProgID, MakeFactory<cvSettings>(), false);
    Ref<CBlock> broken;
    try {
        broken = New<CBlock>();
    } catch (...) {
    }
    RegisterClass(cvSettings::kProgID, MakeFactory<cvSettings>(), true);
    ASSERT_TRUE(broken);
    EXPECT_TRUE(Contains(Dialog(), "CBlock.Class_Initialize()")) << Dialog();
    EXPECT_EQ(Log(), "");

    // No handler: the error arrives without the member in its report.
    const std::pair<const char*, std::function<void()>> bare[] = {
        {"AssetCodeCount", [&] { broken->AssetCodeCount(); }},
        {"AssetCodeList", [&] { broken->AssetCodeList(); }},
        {"LicenceTypeCount", [&] { broken->LicenceTypeCount(); }},
    };
    for (const auto& [name, call] : bare) {
        Error e = CaughtError(call);
        EXPECT_EQ(e.Number(), rt::kObjectNotSet) << name;
        EXPECT_FALSE(Contains(e.Description(), std::string("CBlock.IBlock_") + name)) << e.Description();
    }

    // Passed on, recorded with the arguments.
    const std::pair<const char*, std::function<void()>> passed[] = {
        {"CBlock.IBlock_LicenceTypeList()", [&] { broken->LicenceTypeList(); }},
        {"CBlock.IBlock_LicenceStatusList()", [&] { broken->LicenceStatusList(); }},
        {"CBlock.IBlock_AwardDescriptorCount()", [&] { broken->AwardDescriptorCount(); }},
        {"CBlock.IBlock_BlockAreaCount()", [&] { broken->BlockAreaCount(); }},
        {"CBlock.IBlock_ShoreStatusCount()", [&] { broken->ShoreStatusCount(); }},
        {"CBlock.IBlock_Modified()", [&] { broken->Modified(); }},
        {"CBlock.ISettingsObject2_Settings(oSettings=", [&] { broken->Settings(nullptr); }},
        {"CBlock.IBlock_ClearWaterDepthRanges()", [&] { broken->ClearWaterDepthRanges(); }},
        {"CBlock.IBlock_AwardYearList()", [&] { broken->AwardYearList(); }},
        {"CBlock.IBlock_DateRangeCount()", [&] { broken->DateRangeCount(); }},
    };
    for (const auto& [report, call] : passed) {
        Error e = CaughtError(call);
        EXPECT_EQ(e.Number(), rt::kObjectNotSet) << report;
        EXPECT_EQ(e.Source(), kErrorInSource) << report;
        EXPECT_TRUE(Contains(e.Description(), report)) << e.Description();
    }

    // Shown in the error dialog, never logged, and the call returns False.
    bool found = true;
    EXPECT_NO_THROW(found = broken->ShoreStatus("ONSHORE"));
    EXPECT_FALSE(found);
    EXPECT_TRUE(Contains(Dialog(), "CBlock.IBlock_ShoreStatus(sCode='ONSHORE')")) << Dialog();
    bool removed = true;
    EXPECT_NO_THROW(removed = broken->RemoveShoreStatus("ONSHORE"));
    EXPECT_FALSE(removed);
    EXPECT_NO_THROW(broken->ClearShoreStatuses());
    EXPECT_TRUE(Contains(Dialog(), "CBlock.IBlock_ClearShoreStatuses()")) << Dialog();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Log(), "");
}

}  // namespace
