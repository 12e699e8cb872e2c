// The member families every criteria set is made of, on a set of the tests'
// own: a table of sections whose members are one line each, as the real sets'.
#include <gtest/gtest.h>

#include "criteria/CAssetCriteriaSet.h"
#include "criteria/CriteriaFixture.h"

namespace {

constexpr const char* kRoot = "ProbeDetail";
const Section kRanges{
    kRoot, "Ranges", "Range", {"MinValue", "MaxValue"}, AcceptAnyNotBlank("MinValue", "MaxValue")};
const Section kDepths{kRoot,
                      "Depths",
                      "Depth",
                      {"MinValue", "MaxValue", "CategoryID", "UnitID"},
                      AcceptMinOrMaxWithUnit("MinValue", "MaxValue", "UnitID")};
const Section kLocations{kRoot, "Locations", "Location", {"Code", "Description"}, AcceptAtLeast("Code", 0)};
const Section kSearches{kRoot, "NameSearches", "NameSearch", {"Code"}};
const Section kDates = DatesOf(kRoot);
const ListEntry<IListField> kTypeList{&IDataLists::Field, &IListField::FieldTypeCode,
                                      &IListField::FieldTypeDescription};

constexpr Handling Pass = Handling::Pass;
constexpr Handling End = Handling::End;

const CriteriaSetProfile kProbeProfile{"CProbe", "IProbe", ErrDisplay::B, Pass, Handling::Bare, End, End};

class CProbe final : public CAssetCriteriaSet {
public:
    CProbe() : CAssetCriteriaSet(kProbeProfile, kRoot) {}

    void AddRange(const std::string& sMin, const std::string& sMax) {
        Add({"AddRange(sMin,sMax)", Pass}, ERR_ARGS(sMin, sMax), kRanges, {sMin, sMax});
    }
    std::string RangeMin(int32_t lIndex) {
        return ByIndex({"RangeMin(lIndex)", Pass}, ERR_ARGS(lIndex), kRanges, "MinValue", lIndex);
    }
    std::string RangeMax(int32_t lIndex) {
        return ByIndex({"RangeMax(lIndex)", Pass}, ERR_ARGS(lIndex), kRanges, "MaxValue", lIndex);
    }
    void ClearRanges() { Clear({"ClearRanges()", Pass}, kRanges); }
    void ClearDepths() { Clear({"ClearDepths()", End}, kDepths); }
    void AddDepth(const std::string& sMin, const std::string& sMax, const std::string& sCategory,
                  const std::string& sUnit) {
        Add({"AddDepth(sMin,sMax,sCategory,sUnit)", Pass}, ERR_ARGS(sMin, sMax, sCategory, sUnit), kDepths,
            {sMin, sMax, sCategory, sUnit});
    }
    int32_t DepthCount() { return Count({"DepthCount()", Pass}, kDepths); }
    void AddLocation(int32_t lCode, const std::string& sDescription) {
        Add({"AddLocation(lCode,sDescription)", End}, ERR_ARGS(lCode, sDescription), kLocations,
            {DecimalText(lCode), sDescription});
    }
    void RemoveLocation(int32_t lCode) {
        Remove({"RemoveLocation(lCode)", End}, ERR_ARGS(lCode), kLocations, DecimalText(lCode));
    }
    std::string LocationList() { return List({"LocationList()", Pass}, kLocations, "Code", kQuoted); }
    std::string LocationDescriptionList() {
        return List({"LocationDescriptionList()", Pass}, kLocations, "Description");
    }
    void AddNameSearchString(const std::string& sCode) {
        AddSearch({"AddNameSearchString(sCode)", End}, ERR_ARGS(sCode), kSearches, sCode);
    }
    std::string NameSearch(int32_t lIndex) {
        return ByIndex({"NameSearch(lIndex)", Pass}, ERR_ARGS(lIndex), kSearches, "Code", lIndex);
    }
    void AddDate(const std::string& sFieldName, const std::string& sDescription, int32_t lDateHigh,
                 int32_t lDateLow, const std::string& sDateStringHigh, const std::string& sDateStringLow) {
        CCriteriaSet::AddDate(
            {"AddDate(sFieldName,sDescription,lDateHigh,lDateLow,sDateStringHigh,sDateStringLow)", End},
            ERR_ARGS(sFieldName, sDescription, lDateHigh, lDateLow, sDateStringHigh, sDateStringLow), kRoot,
            sFieldName, sDescription, lDateHigh, lDateLow, sDateStringHigh, sDateStringLow);
    }
    std::string DateRangeMin(int32_t i) {
        return ByIndex({"DateRangeMin(i)", Pass}, ERR_ARGS(i), kDates, "DateLow", i);
    }
    std::string DateRangeMax(int32_t i) {
        return ByIndex({"DateRangeMax(i)", Pass}, ERR_ARGS(i), kDates, "DateHigh", i);
    }
    int32_t DateRangeCount() { return Count({"DateRangeCount()", Pass}, kDates); }
    void RemoveDate(const std::string& sFieldName) {
        Remove({"RemoveDate(sFieldName)", Pass}, ERR_ARGS(sFieldName), kDates, sFieldName);
    }
    void AddType(int32_t lCode) {
        AddFromList({"AddType(lCode)", End}, ERR_ARGS(lCode), kLocations, kTypeList, lCode);
    }
    void RemoveType(int32_t lCode) {
        RemoveFromList({"RemoveType(lCode)", Pass}, ERR_ARGS(lCode), kLocations, kTypeList, lCode);
    }
};

class CriteriaFamilies : public CriteriaFixture {
protected:
    void SetUp() override {
        CriteriaFixture::SetUp();
        query = MakeRootWithFakeQuery();
        doc = gTools()->NewSettingsObject();
        ASSERT_TRUE(doc->LoadXML("<Query><Parameters><Probe><ProbeDetail/></Probe></Parameters></Query>"));
        ASSERT_TRUE(doc->Select("Query/Parameters/Probe"));
        probe = New<CProbe>();
        probe->Settings(doc->Node());
    }
    std::string Xml() const { return WholeXml(doc); }

    Ref<FakeQuery> query;
    Ref<ISettings2> doc;
    Ref<CProbe> probe;
};

TEST_F(CriteriaFamilies, SearchTextsTakeTheDatabaseWildcardsAndBlanksAddNothing) {
    probe->AddNameSearchString("North*Sea?");
    probe->AddNameSearchString("?*");
    probe->AddNameSearchString("   ");
    probe->AddNameSearchString("");
    probe->AddNameSearchString(" Brent* ");
    EXPECT_EQ(probe->NameSearch(0), "North%Sea_");
    EXPECT_EQ(probe->NameSearch(1), "_%");
    // Stored as given, blanks included; the by-index reader trims.
    EXPECT_TRUE(Contains(Xml(), "<NameSearch Code=\" Brent% \"")) << Xml();
    EXPECT_EQ(probe->NameSearch(2), "Brent%");
    EXPECT_EQ(probe->NameSearch(3), "");
}

TEST_F(CriteriaFamilies, EachSectionsAcceptanceTestDecidesWhatIsAdded) {
    // Some bound not blank.
    probe->AddRange(" ", "");
    probe->AddRange("", "100");
    probe->AddRange("10", "20");
    probe->AddRange("10", "50");  // the same lower bound: the key is taken
    probe->AddRange("", "200");   // so is the empty one
    EXPECT_EQ(probe->RangeMin(0), "");
    EXPECT_EQ(probe->RangeMax(0), "100");
    EXPECT_EQ(probe->RangeMin(1), "10");
    EXPECT_EQ(probe->RangeMax(1), "20");
    EXPECT_EQ(probe->RangeMax(2), "");
    EXPECT_EQ(probe->RangeMin(-1), "");

    // The minimum, or the maximum with its unit.
    probe->AddDepth("", "100", "LENGTH", "");
    probe->AddDepth(" ", "", "LENGTH", "FT");
    EXPECT_EQ(probe->DepthCount(), 0);
    probe->AddDepth("", "100", "LENGTH", "FT");
    probe->AddDepth("5", "", "", "");
    EXPECT_EQ(probe->DepthCount(), 2);

    // A code that is at least 0.
    probe->AddLocation(-1, "below");
    probe->AddLocation(0, "zero");
    probe->AddLocation(7, "O'Neil \\ 7");
    probe->AddLocation(7, "again");
    EXPECT_EQ(probe->LocationList(), "'0','7'");
    EXPECT_EQ(probe->LocationDescriptionList(), "zero,O`Neil \\ 7");
}

TEST_F(CriteriaFamilies, DateRangesNeedOneBoundAboveZeroAndAreKeyedByColumn) {
    probe->AddDate("DISCOVERY_DATE", "Discovery", 0, 0, "", "");
    EXPECT_EQ(probe->DateRangeCount(), 0);
    probe->AddDate("DISCOVERY_DATE", "Discovery", 0, 36526, "", "01/01/2000");
    probe->AddDate("DISCOVERY_DATE", "Discovery again", 40000, 1, "x", "y");
    probe->AddDate("SPUD_DATE", "Spud", 45000, -3, "3/3/2023", "");
    EXPECT_EQ(probe->DateRangeCount(), 2);
    EXPECT_EQ(probe->DateRangeMin(0), "36526");
    EXPECT_EQ(probe->DateRangeMax(0), "0");
    EXPECT_EQ(probe->DateRangeMin(1), "-3");
    EXPECT_EQ(probe->DateRangeMax(1), "45000");
    EXPECT_TRUE(Contains(Xml(),
                         "<Date FieldName=\"SPUD_DATE\" Description=\"Spud\" DateHigh=\"45000\" "
                         "DateLow=\"-3\" DateStringHigh=\"3/3/2023\" DateStringLow=\"\"/>"))
        << Xml();
    probe->RemoveDate("DISCOVERY_DATE");
    EXPECT_EQ(probe->DateRangeCount(), 1);
    EXPECT_EQ(probe->DateRangeMax(0), "45000");
}

TEST_F(CriteriaFamilies, OnlyARemovalThatTookAnItemAwayMarksTheSetChanged) {
    probe->AddLocation(1, "one");
    probe->SetModified(false);
    probe->RemoveLocation(2);
    EXPECT_FALSE(probe->Modified());
    probe->RemoveLocation(1);
    EXPECT_TRUE(probe->Modified());
    EXPECT_EQ(probe->LocationList(), "");
    // An addition counts even when its key was taken, as a clearing does.
    probe->AddRange("1", "2");
    probe->SetModified(false);
    probe->AddRange("1", "3");
    EXPECT_TRUE(probe->Modified());
}

TEST_F(CriteriaFamilies, AReadOnlyQueryKeepsEveryFamilysCriteria) {
    probe->AddRange("1", "2");
    probe->AddLocation(1, "one");
    probe->AddDepth("5", "", "", "");
    probe->SetModified(false);
    const std::string before = Xml();
    query->SetReadOnly(true);

    probe->AddRange("3", "4");
    probe->AddLocation(2, "two");
    probe->RemoveLocation(1);
    probe->ClearRanges();
    probe->ClearDepths();
    probe->AddNameSearchString("A*");
    probe->AddDate("D", "d", 1, 1, "", "");
    probe->AddShoreStatus("ONSHORE");
    probe->SetModified(true);
    EXPECT_EQ(Xml(), before);
    EXPECT_FALSE(probe->Modified());
    EXPECT_EQ(Dialog(), "");
    EXPECT_TRUE(messages.empty());

    query->SetReadOnly(false);
    probe->ClearRanges();
    EXPECT_EQ(probe->RangeMin(0), "");
    EXPECT_TRUE(probe->Modified());
}

// Without a root every guarded step fails; each member handles that as its
// line says, recording its own signature with the argument values.
TEST_F(CriteriaFamilies, EachMemberHandlesAFailureAsItsLineSays) {
    root->SetQueries(nullptr);

    // Pass: the error reaches the caller with the member in its report.
    Error passed = CaughtError([&] { probe->ClearRanges(); });
    EXPECT_EQ(passed.Number(), rt::kObjectNotSet);
    EXPECT_EQ(passed.Source(), kErrorInSource);
    EXPECT_TRUE(Contains(passed.Description(), "CProbe.IProbe_ClearRanges()")) << passed.Description();
    EXPECT_TRUE(Contains(passed.Description(), "CTools.ClearQueryParameters(")) << passed.Description();
    EXPECT_TRUE(messages.empty());

    // End: shown the set's way (an "Error" box, logged) and the call returns.
    EXPECT_NO_THROW(probe->ClearDepths());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_TRUE(Contains(messages[0].text, "CProbe.IProbe_ClearDepths()")) << messages[0].text;
    EXPECT_TRUE(Contains(Log(), "CProbe.IProbe_ClearDepths()"));

    // A list position asks the root for the reference list, which it has not.
    messages.clear();
    EXPECT_NO_THROW(probe->AddType(3));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Contains(messages[0].text, "CProbe.IProbe_AddType(lCode=3)")) << messages[0].text;
    Error removal = CaughtError([&] { probe->RemoveType(4); });
    EXPECT_EQ(removal.Number(), rt::kObjectNotSet);
    EXPECT_TRUE(Contains(removal.Description(), "CProbe.IProbe_RemoveType(lCode=4)"))
        << removal.Description();
}

}  // namespace
