// The well criteria: where each criterion stands in the query XML and which
// attribute each reader reads, the depth ranges' own acceptance rule, the
// classification flags handed back as a condition, the geological ages taken
// from a collection, the entries picked by list position, the discovery type,
// the wells of chosen fields, and how each member handles a failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "criteria/CWell.h"
#include "criteria/CriteriaFixture.h"
#include "interfaces/IListWell.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"
#include "support/FakeLists.h"
#include "support/SqliteFile.h"

namespace {

// The well list as far as the criteria ask it: per kind of list, the item
// numbers a fill handed out, each with a code and a name.
class FakeListWell final : public IListWell {
public:
    enum Kind { Types, Statuses, Results, Rigs, Wells };

    FakeLookupCache& Cache(Kind kind) { return caches_[kind]; }

    std::string WellTypeCode(int32_t lID) override { return caches_[Types].Code(lID); }
    std::string WellTypeDescription(int32_t lID) override { return caches_[Types].Description(lID); }
    std::string WellStatusCode(int32_t lID) override { return caches_[Statuses].Code(lID); }
    std::string WellStatusDescription(int32_t lID) override { return caches_[Statuses].Description(lID); }
    std::string WellResultCode(int32_t lID) override { return caches_[Results].Code(lID); }
    std::string WellResultDescription(int32_t lID) override { return caches_[Results].Description(lID); }
    std::string RigNameCode(int32_t lID) override { return caches_[Rigs].Code(lID); }
    std::string RigNameDescription(int32_t lID) override { return caches_[Rigs].Description(lID); }
    std::string WellLocationCode(int32_t lID) override { return caches_[Wells].Code(lID); }
    std::string WellLocationDescription(int32_t lID) override { return caches_[Wells].Description(lID); }
    void PopulateWellLocations(const Ref<IListControl>&, const std::string&) override { Unused(); }
    void PopulateRigTypes(const Ref<ITreeView>&) override { Unused(); }
    void PopulateRigNames(const Ref<IListControl>&) override { Unused(); }
    void PopulateWellTypes(const Ref<IListControl>&) override { Unused(); }
    void PopulateWellStatuses(const Ref<IListControl>&) override { Unused(); }
    void PopulateWellResults(const Ref<IListControl>&) override { Unused(); }
    void PopulateAwardRoundLists(const Ref<IListControl>&, const Ref<IListControl>&, const Ref<IListControl>&,
                                 const std::string&) override {
        Unused();
    }
    void PopulateGeologicalDetails(const Ref<IGeologicalAgeControl>&) override { Unused(); }
    void PopulateWellDates(const Ref<IDataTypeChooser>&) override { Unused(); }
    std::string TypeName() const override { return "FakeListWell"; }

private:
    [[noreturn]] static void Unused() { Raise(438, "FakeListWell", "not faked"); }

    std::map<Kind, FakeLookupCache> caches_;
};

Ref<cvCollection> Entries(std::initializer_list<const char*> entries) {
    Ref<cvCollection> c = gTools()->NewCollection();
    int n = 0;
    for (const char* entry : entries) c->Add(Variant(std::string(entry)), "k" + std::to_string(++n));
    return c;
}

class WellCriteria : public CriteriaFixture {
protected:
    void SetUp() override {
        CriteriaFixture::SetUp();
        OpenRoot();
        query = MakeRootWithFakeQuery();
        lists = New<FakeLists>();
        list = New<FakeListWell>();
        lists->SetWell(list);
        root->SetLists(lists);
        Bind("<WellDetail/>");
    }
    void Bind(const std::string& sDetail) { well = BindSet<CWell>("Well", sDetail, doc); }
    std::string Xml() const { return WholeXml(doc); }
    bool XmlHas(const std::string& part) const { return Contains(Xml(), part); }

    // One member that fails: its signature with the argument values, and
    // whether it shows the failure (true) or hands it on.
    struct Handled {
        std::string signature;
        bool shows;
        std::function<void(IWell&)> call;
    };
    void ExpectHandling(const std::vector<Handled>& members) {
        for (const Handled& m : members) {
            messages.clear();
            const std::string recorded = "CWell.IWell_" + m.signature;
            Error e = CaughtError([&] { m.call(*well); });
            if (m.shows) {
                EXPECT_EQ(e.Number(), 0) << recorded << " should end its error";
                ASSERT_EQ(messages.size(), 1u) << recorded;
                EXPECT_EQ(messages[0].title, "Error");
                EXPECT_EQ(messages[0].style, 16);
                EXPECT_TRUE(Contains(messages[0].text, recorded)) << messages[0].text;
                EXPECT_TRUE(Contains(Log(), recorded)) << recorded;
            } else {
                EXPECT_NE(e.Number(), 0) << recorded << " should pass its error on";
                EXPECT_TRUE(Contains(e.Description(), recorded)) << e.Description();
                EXPECT_TRUE(messages.empty()) << recorded;
            }
        }
    }

    Ref<FakeQuery> query;
    Ref<FakeLists> lists;
    Ref<FakeListWell> list;
    Ref<ISettings2> doc;
    Ref<CWell> well;
};

TEST_F(WellCriteria, EachCriterionStandsInItsSectionAndEachReaderReadsItsAttribute) {
    IWell& w = *well;
    w.AddWellNameSearchString("*BRAE?");
    w.AddFieldLocation(41, "Forties");
    w.AddBlockLocation(7, "16/7a", "B7");
    w.AddAssetCode("QZW0000012");
    w.AddRigType("SEMI", "Semi-submersible");
    w.AddLicenseAwardNumber("R17");
    w.AddLicenseAwardYear(" 1995");
    w.AddLicenseAwardDescriptor("O'Brien round");
    w.AddDate("SPUD_DATE", "Spudded", 40000, 0, "07/07/2009", "");
    w.AddWellDepthRange(1, "500", "900", "3", "12");
    w.AddWellWaterDepth("50", "200", "3", "13");
    w.AddWellClassification(true, false, true);
    w.AddGeologicalDetails("ALL", "PRIMARY", Entries({"JUR|Jurassic|1.2"}));
    w.AddGeologicalReferenceSearchString("Brent?");
    w.SetDiscoveryType("COMM");
    w.AddShoreStatus("OFFSHORE");

    for (const char* part : {
             "<WellDetail><WellNameSearches><WellNameSearch Code=\"%BRAE_\"/></WellNameSearches>",
             "<FieldLocations><FieldLocation Code=\"41\" Description=\"Forties\"/></FieldLocations>",
             "<BlockLocations><BlockLocation Code=\"7\" Description=\"16/7a\" ID=\"B7\"/></BlockLocations>",
             "<AssetCodes><AssetCode Code=\"QZW0000012\"/></AssetCodes>",
             "<RigTypes><RigType Code=\"SEMI\" Description=\"Semi-submersible\"/></RigTypes>",
             "<LicenceAwardNumbers><LicenceAwardNumber Code=\"R17\"/></LicenceAwardNumbers>",
             "<LicenceAwardYears><LicenceAwardYear Code=\" 1995\"/></LicenceAwardYears>",
             "<LicenceAwardDescriptors><LicenceAwardDescriptor Code=\"O`Brien "
             "round\"/></LicenceAwardDescriptors>",
             "<Dates><Date FieldName=\"SPUD_DATE\" Description=\"Spudded\" DateHigh=\"40000\" DateLow=\"0\" "
             "DateStringHigh=\"07/07/2009\" DateStringLow=\"\"/></Dates>",
             "<WellDepths><WellDepth WellDepthIndex=\"1\" WellDepthName=\"TRUE_VERTICAL_DEPTH\" "
             "MinValue=\"500\" "
             "MaxValue=\"900\" CategoryID=\"3\" UnitID=\"12\"/></WellDepths>",
             "<WellWaterDepths><WellWaterDepth MinValue=\"50\" MaxValue=\"200\" CategoryID=\"3\" "
             "UnitID=\"13\"/></WellWaterDepths>",
             "<WellClassifications><WellClassification Tested=\"True\" Re-entry=\"False\" "
             "Sidetrack=\"True\"/></WellClassifications>",
             "<GeologicalDetails><GeologicalDetail Code=\"JUR\" Description=\"Jurassic\" QueryType=\"ALL\" "
             "Formation=\"PRIMARY\" Key=\"1.2\"/></GeologicalDetails>",
             "<GeologicalSearches><GeologicalSearch Code=\"Brent_\"/></GeologicalSearches>",
             "<DiscoveryTypes><DiscoveryType Code=\"COMM\"/></DiscoveryTypes>",
             "<ShoreStatuses><ShoreStatus Code=\"OFFSHORE\"/></ShoreStatuses>",
         })
        EXPECT_TRUE(XmlHas(part)) << part << "\n" << Xml();

    // A second entry where a reader has to pick the right one.
    w.AddWellNameSearchString("  Alba ");
    w.AddFieldLocation(0, "Zero");
    w.AddBlockLocation(0, "", "B0");
    w.AddAssetCode("QZW0000013");
    w.AddRigType("JACK", "Jack-up");
    w.AddLicenseAwardNumber("R18");
    w.AddLicenseAwardYear("1996");
    w.AddLicenseAwardDescriptor("Frontier");
    w.AddDate("COMPLETED_DATE", "Completed", 0, 39000, "", "10/10/2006");
    w.AddWellDepthRange(0, "100", "", "4", "");
    w.AddWellWaterDepth("60", "", "5", "14");
    w.AddGeologicalDetails("ERA", "SECONDARY", Entries({"MES|Mesozoic"}));
    w.AddGeologicalReferenceSearchString("Ness");

    const std::vector<std::pair<std::string, std::string>> read = {
        {w.WellNameSearchString(1), "Alba"},
        {w.FieldLocationsList(), "41,0"},
        {w.BlockLocationsList(), "7,0"},
        {w.BlockLocationsDescriptionList(), "'16/7a'"},
        {w.BlockLocationIDList(), "B7,B0"},
        {w.AssetCodeList(), "QZW0000012,QZW0000013"},
        {w.RigTypeList(), "'SEMI','JACK'"},
        {w.LicenseAwardNumberList(), "R17,R18"},
        {w.LicenseAwardYearList(), " 1995,1996"},
        {w.LicenseAwardDescriptorList(), "'O`Brien round','Frontier'"},
        {w.DateRangeName(1), "COMPLETED_DATE"},
        {w.DateRangeMin(1), "39000"},
        {w.DateRangeMax(1), "0"},
        {w.DateRangeMax(0), "40000"},
        {w.WellDepthRangeFieldname(1), "MEASURED_DEPTH"},
        {w.WellDepthRangeMin(1), "100"},
        {w.WellDepthRangeMax(0), "900"},
        {w.WellDepthRangeCategory(1), "4"},
        {w.WellDepthRangeUnit(0), "12"},
        {w.WaterDepthRangeMin(1), "60"},
        {w.WaterDepthRangeMax(0), "200"},
        {w.WaterDepthRangeCategory(1), "5"},
        {w.WaterDepthRangeUnit(1), "14"},
        {w.GeologicalDetailsQueryType(1), "ERA"},
        {w.GeologicalDetailsFormationType(1), "SECONDARY"},
        {w.GeologicalDetailsDescription(1), "Mesozoic"},
        {w.GeologicalDetailsKey(0), "1.2"},
        {w.GeologicalDetailsKey(1), ""},
        {w.GeologicalDetailsList(false), "JUR,MES"},
        {w.GeologicalDetailsList(true), "'JUR','MES'"},
        {w.GeologicalReferenceSearchString(1), "Ness"},
        {w.DiscoveryType(), "COMM"},
    };
    for (size_t i = 0; i < read.size(); ++i) EXPECT_EQ(read[i].first, read[i].second) << "reader " << i;

    for (int32_t n :
         {w.WellNameSearchCount(), w.FieldLocationCount(), w.BlockLocationsCount(), w.AssetCodeCount(),
          w.RigTypeCount(), w.LicenseAwardNumberCount(), w.LicenseAwardYearCount(),
          w.LicenseAwardDescriptorCount(), w.DateRangeCount(), w.WellDepthCount(), w.WaterDepthCount(),
          w.GeologicalDetailsCount(), w.GeologicalReferenceSearchCount()})
        EXPECT_EQ(n, 2);

    // Past the end every reader reads "".
    EXPECT_EQ(w.DateRangeMin(w.DateRangeCount()), "");
    EXPECT_EQ(w.WaterDepthRangeUnit(2), "");

    // Entries the adders refuse, and the removers by key.
    w.AddFieldLocation(-1, "None");
    w.AddBlockLocation(-1, "None", "");
    w.AddDate("ABANDONED_DATE", "", 0, -5, "", "");
    w.AddLicenseAwardYear("   ");
    w.AddWellNameSearchString(" ");
    EXPECT_EQ(w.FieldLocationCount() + w.BlockLocationsCount() + w.DateRangeCount(), 6);
    EXPECT_EQ(w.LicenseAwardYearCount() + w.WellNameSearchCount(), 4);

    w.RemoveFieldLocation(41);
    w.RemoveRigType("NONE");
    w.RemoveRigType("SEMI");
    w.RemoveLicenseAwardYear(" 1995");
    w.RemoveDate("SPUD_DATE");
    EXPECT_EQ(w.FieldLocationsList() + w.RigTypeList() + w.LicenseAwardYearList() + w.DateRangeName(0),
              "0'JACK'1996COMPLETED_DATE");

    // Every clear empties its own section and no other.
    const std::vector<std::pair<std::function<void()>, std::function<int32_t()>>> clears = {
        {[&] { w.ClearWellNameSearchStrings(); }, [&] { return w.WellNameSearchCount(); }},
        {[&] { w.ClearFieldLocations(); }, [&] { return w.FieldLocationCount(); }},
        {[&] { w.ClearBlockLocations(); }, [&] { return w.BlockLocationsCount(); }},
        {[&] { w.ClearRigTypes(); }, [&] { return w.RigTypeCount(); }},
        {[&] { w.ClearLicenseAwardNumbers(); }, [&] { return w.LicenseAwardNumberCount(); }},
        {[&] { w.ClearLicenseAwardYears(); }, [&] { return w.LicenseAwardYearCount(); }},
        {[&] { w.ClearLicenseAwardDescriptors(); }, [&] { return w.LicenseAwardDescriptorCount(); }},
        {[&] { w.ClearDates(); }, [&] { return w.DateRangeCount(); }},
        {[&] { w.ClearWellDepthRanges(); }, [&] { return w.WellDepthCount(); }},
        {[&] { w.ClearWellWaterDepthRanges(); }, [&] { return w.WaterDepthCount(); }},
        {[&] { w.ClearWellClassifications(); }, [&] { return w.WellClassificationCount(); }},
        {[&] { w.ClearGeologicalDetails(); }, [&] { return w.GeologicalDetailsCount(); }},
        {[&] { w.ClearGeologicalReferenceSearchStrings(); },
         [&] { return w.GeologicalReferenceSearchCount(); }},
        {[&] { w.ClearShoreStatuses(); }, [&] { return w.ShoreStatusCount(); }},
    };
    for (size_t i = 0; i < clears.size(); ++i) {
        ASSERT_GT(clears[i].second(), 0) << "clear " << i;
        clears[i].first();
        EXPECT_EQ(clears[i].second(), 0) << "clear " << i;
        for (size_t j = i + 1; j < clears.size(); ++j)
            EXPECT_GT(clears[j].second(), 0) << i << " cleared " << j;
    }
    EXPECT_EQ(w.AssetCodeCount(), 2) << "asset codes have no clear";
    EXPECT_TRUE(messages.empty());
}

TEST_F(WellCriteria, ADepthRangeNeedsItsMinimumOrItsMaximumWithAUnit) {
    struct Range {
        int32_t index;
        const char* min;
        const char* max;
        const char* category;
        const char* unit;
        bool kept;
        const char* name;
    };
    // Each on a fresh set, so no key hides another.
    for (const Range& r : std::vector<Range>{
             {0, "", "1000", "3", "", false, ""},
             {0, "", "1000", "", "12", true, "MEASURED_DEPTH"},
             {0, " ", "1000", "3", "  ", false, ""},
             {0, "", " ", "3", "12", false, ""},
             {0, "", "", "3", "12", false, ""},
             {1, "500", "", "", "", true, "TRUE_VERTICAL_DEPTH"},
             {1, " 500 ", "", "", "", true, "TRUE_VERTICAL_DEPTH"},
             {2, "10", "", "", "", true, ""},
             {-1, "10", "", "", "", true, ""},
         }) {
        const std::string label = std::to_string(r.index) + " [" + r.min + "][" + r.max + "][" + r.unit + "]";
        Bind("<WellDetail/>");
        well->AddWellDepthRange(r.index, r.min, r.max, r.category, r.unit);
        well->AddWellWaterDepth(r.min, r.max, r.category, r.unit);
        ASSERT_EQ(well->WellDepthCount(), r.kept ? 1 : 0) << label;
        ASSERT_EQ(well->WaterDepthCount(), r.kept ? 1 : 0) << label;
        if (!r.kept) continue;
        // Stored as given, read back trimmed.
        EXPECT_TRUE(XmlHas("<WellDepth WellDepthIndex=\"" + std::to_string(r.index) + "\" WellDepthName=\"" +
                           r.name + "\" MinValue=\"" + r.min + "\" MaxValue=\"" + r.max + "\""))
            << label << "\n"
            << Xml();
        EXPECT_EQ(well->WellDepthRangeFieldname(0), r.name) << label;
        EXPECT_EQ(well->WellDepthRangeMin(0), Trim(r.min)) << label;
        EXPECT_EQ(well->WellDepthRangeUnit(0), r.unit) << label;
        EXPECT_EQ(well->WaterDepthRangeMin(0), Trim(r.min)) << label;
        EXPECT_EQ(well->WaterDepthRangeMax(0), r.max) << label;
    }

    // One range per depth kind, one water depth range per minimum (an empty one too).
    Bind("<WellDetail/>");
    well->AddWellDepthRange(0, "100", "", "", "");
    well->AddWellDepthRange(0, "200", "300", "3", "12");
    well->AddWellDepthRange(1, "100", "", "", "");
    well->AddWellWaterDepth("", "50", "3", "12");
    well->AddWellWaterDepth("", "80", "3", "12");
    well->AddWellWaterDepth("10", "80", "3", "12");
    well->AddWellWaterDepth("10", "90", "3", "12");
    EXPECT_EQ(well->WellDepthCount(), 2);
    EXPECT_EQ(well->WellDepthRangeMin(0), "100");
    EXPECT_EQ(well->WellDepthRangeMax(0), "");
    EXPECT_EQ(well->WellDepthRangeFieldname(1), "TRUE_VERTICAL_DEPTH");
    EXPECT_EQ(well->WaterDepthCount(), 2);
    EXPECT_EQ(well->WaterDepthRangeMax(0), "50");
    EXPECT_EQ(well->WaterDepthRangeMax(1), "80");
    EXPECT_TRUE(messages.empty());
}

TEST_F(WellCriteria, TheClassificationFlagsBecomeOneCondition) {
    const std::string tested = "WELL_CLASS_TESTED = \"Tested\"";
    const std::string reentry = "WELL_CLASS_RE_ENTRY = \"Re-entry\"";
    const std::string sidetrack = "WELL_CLASS_SIDE_TRACK = \"Sidetrack\"";
    for (int flags = 0; flags < 8; ++flags) {
        const bool t = flags & 1, r = flags & 2, s = flags & 4;
        std::vector<std::string> parts;
        if (t) parts.push_back(tested);
        if (r) parts.push_back(reentry);
        if (s) parts.push_back(sidetrack);
        std::string expected;
        for (const std::string& part : parts) expected += (expected.empty() ? "" : " OR ") + part;

        well->ClearWellClassifications();
        well->AddWellClassification(t, r, s);
        EXPECT_EQ(well->WellClassification(0), expected) << flags;
        EXPECT_EQ(well->WellClassificationTested(0), t) << flags;
        EXPECT_EQ(well->WellClassificationReEntry(0), r) << flags;
        EXPECT_EQ(well->WellClassificationSideTracked(0), s) << flags;
    }

    // Keyed by the tested flag: two entries at most.
    well->ClearWellClassifications();
    well->AddWellClassification(true, false, false);
    well->AddWellClassification(false, true, false);
    well->AddWellClassification(true, true, true);
    well->AddWellClassification(false, false, true);
    EXPECT_EQ(well->WellClassificationCount(), 2);
    EXPECT_EQ(well->WellClassification(0), tested);
    EXPECT_EQ(well->WellClassification(1), reentry);

    // Past the end the flag text is "", which is no flag: refused, naming the flag.
    Error past = CaughtError([&] { well->WellClassification(2); });
    EXPECT_EQ(past.Number(), ERR_USER_INPUT);
    EXPECT_EQ(past.Description(),
              "The value '' of 'WellClassification@Tested' is not a flag: True or False.");
    EXPECT_RAISES(ERR_USER_INPUT, well->WellClassificationTested(2));
    EXPECT_RAISES(ERR_USER_INPUT, well->WellClassificationReEntry(2));
    EXPECT_RAISES(ERR_USER_INPUT, well->WellClassificationSideTracked(2));

    // A query file may spell the flags in any case or as numbers; anything else fails.
    Bind(
        "<WellDetail><WellClassifications>"
        "<WellClassification Tested=\"TRUE\" Re-entry=\"0\" Sidetrack=\"-1\"/>"
        "<WellClassification Tested=\"false\" Re-entry=\"yes\" Sidetrack=\"False\"/>"
        "</WellClassifications></WellDetail>");
    EXPECT_EQ(well->WellClassification(0), tested + " OR " + sidetrack);
    EXPECT_FALSE(well->WellClassificationTested(1));
    EXPECT_RAISES(ERR_USER_INPUT, well->WellClassificationReEntry(1));
    // All three are read before the condition is built.
    EXPECT_TRUE(Contains(CaughtError([&] { well->WellClassification(1); }).Description(),
                         "'yes' of 'WellClassification@Re-entry'"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(WellCriteria, GeologicalAgesCarryAKeyOnlyAtTheLevelAll) {
    well->AddGeologicalDetails("ERA", "PRIMARY", Entries({"CEN|Cenozoic", "MES|Mesozoic|9", "CEN|Again"}));
    EXPECT_EQ(well->GeologicalDetailsCount(), 2) << "one entry per code";
    EXPECT_FALSE(XmlHas("Key=")) << Xml();
    EXPECT_TRUE(
        XmlHas("<GeologicalDetail Code=\"CEN\" Description=\"Cenozoic\" QueryType=\"ERA\" "
               "Formation=\"PRIMARY\"/>"))
        << Xml();
    EXPECT_EQ(well->GeologicalDetailsList(true), "'CEN','MES'");
    EXPECT_TRUE(messages.empty());

    // "all" is not "ALL": the level is stored as given, without a key.
    well->ClearGeologicalDetails();
    well->AddGeologicalDetails("all", "ANY", Entries({"J1|Lower Jurassic|4.1.1"}));
    EXPECT_EQ(well->GeologicalDetailsKey(0), "");
    EXPECT_EQ(well->GeologicalDetailsQueryType(0), "all");

    // Empty pieces are written as empty text.
    well->ClearGeologicalDetails();
    well->AddGeologicalDetails("ALL", "TDFORMATION", Entries({"J1||4.1.1", "J2|Middle Jurassic|"}));
    EXPECT_TRUE(
        XmlHas("<GeologicalDetail Code=\"J1\" Description=\"\" QueryType=\"ALL\" "
               "Formation=\"TDFORMATION\" Key=\"4.1.1\"/>"))
        << Xml();
    EXPECT_TRUE(
        XmlHas("Code=\"J2\" Description=\"Middle Jurassic\" QueryType=\"ALL\" Formation=\"TDFORMATION\" "
               "Key=\"\"/>"))
        << Xml();
    EXPECT_TRUE(messages.empty());

    // At "ALL" an entry short of its key fails; those before it stay.
    well->ClearGeologicalDetails();
    well->AddGeologicalDetails("ALL", "ANY", Entries({"T1|Triassic|3", "P1|Permian", "C1|Carboniferous|1"}));
    EXPECT_EQ(well->GeologicalDetailsList(false), "T1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(
        Contains(messages[0].text, "CWell.IWell_AddGeologicalDetails(sQueryMode='ALL', sFormationType='ANY'"))
        << messages[0].text;

    well->ClearGeologicalDetails();
    well->AddGeologicalDetails("ALL", "PRIMARY", Entries({"CEN|Cenozoic", "MES|Mesozoic"}));
    EXPECT_EQ(well->GeologicalDetailsCount(), 0);
    well->AddGeologicalDetails("ERA", "PRIMARY", Entries({"CEN"}));
    EXPECT_EQ(well->GeologicalDetailsCount(), 0);
    well->AddGeologicalDetails("ERA", "PRIMARY", Entries({}));
    EXPECT_EQ(well->GeologicalDetailsCount(), 0);
    EXPECT_EQ(messages.size(), 3u);
}

TEST_F(WellCriteria, ListPositionsAreLookedUpInTheirOwnWellList) {
    struct Kind {
        FakeListWell::Kind list;
        const char* item;
        std::function<void(int32_t)> add, remove;
        std::function<int32_t()> count;
        std::function<std::string()> codes, names;
        const char* quote;  // how the code list quotes
    };
    // Through the member: the set is bound anew belowell->
    const std::vector<Kind> kinds = {
        {FakeListWell::Wells, "WellLocation", [&](int32_t l) { well->AddWellLocation(l); },
         [&](int32_t l) { well->RemoveWellLocation(l); }, [&] { return well->WellLocationsCount(); },
         [&] { return well->WellCodesList(); }, [&] { return well->WellLocationsList(); }, ""},
        {FakeListWell::Types, "Type", [&](int32_t l) { well->AddWellType(l); },
         [&](int32_t l) { well->RemoveWellType(l); }, [&] { return well->WellTypeCount(); },
         [&] { return well->WellTypeList(); }, [&] { return well->WellTypeDescriptionList(); }, "'"},
        {FakeListWell::Statuses, "Status", [&](int32_t l) { well->AddWellStatus(l); },
         [&](int32_t l) { well->RemoveWellStatus(l); }, [&] { return well->WellStatusCount(); },
         [&] { return well->WellStatusList(); }, [&] { return well->WellStatusDescriptionList(); }, "'"},
        {FakeListWell::Results, "Result", [&](int32_t l) { well->AddWellResult(l); },
         [&](int32_t l) { well->RemoveWellResult(l); }, [&] { return well->WellResultCount(); },
         [&] { return well->WellResultList(); }, [&] { return well->WellResultDescriptionList(); }, "'"},
        {FakeListWell::Rigs, "RigName", [&](int32_t l) { well->AddRigName(l); },
         [&](int32_t l) { well->RemoveRigName(l); }, [&] { return well->RigNameCount(); },
         [&] { return well->RigNameList(); }, [&] { return well->RigNameDescriptionList(); }, ""},
    };

    // Before a fill: an entry without code or name is written, and a removal takes nothing.
    for (const Kind& k : kinds) {
        k.add(3);
        EXPECT_TRUE(XmlHas(std::string("<") + k.item + " Code=\"\" Description=\"\"/>")) << k.item << Xml();
        k.remove(3);
        EXPECT_EQ(k.count(), 1) << k.item;
        EXPECT_EQ(k.codes(), "") << k.item;
    }
    EXPECT_EQ(well->WellCount(), 1);
    EXPECT_TRUE(messages.empty());

    // Each kind's own codes and names, so that a look-up in a neighbour's list shows.
    for (const Kind& k : kinds) {
        const std::string tag = DecimalText(k.list);
        list->Cache(k.list).Fill(1, "C" + tag + "a", "Name " + tag + "a");
        list->Cache(k.list).Fill(2, "C" + tag + "b", "Name " + tag + "b");
    }
    Bind("<WellDetail/>");
    for (const Kind& k : kinds) {
        const std::string tag = DecimalText(k.list), q = k.quote;
        k.add(2);
        k.add(1);
        k.add(2);
        EXPECT_EQ(k.count(), 2) << k.item;
        EXPECT_EQ(k.codes(), q + "C" + tag + "b" + q + "," + q + "C" + tag + "a" + q) << k.item;
        EXPECT_EQ(k.names(), "'Name " + tag + "b','Name " + tag + "a'") << k.item;
        k.remove(2);
        EXPECT_EQ(k.codes(), q + "C" + tag + "a" + q) << k.item;

        // A number the fill never handed out: shown, nothing written or removed.
        messages.clear();
        k.add(9);
        k.remove(9);
        EXPECT_EQ(k.count(), 1) << k.item;
        EXPECT_EQ(messages.size(), 2u) << k.item;
    }
    EXPECT_EQ(well->WellCount(), well->WellLocationsCount());
}

TEST_F(WellCriteria, TheDiscoveryTypeIsOneValueWrittenOnlyWhenItChanges) {
    EXPECT_EQ(well->DiscoveryType(), "");
    well->SetDiscoveryType("COMM");
    well->SetDiscoveryType("TECH");
    EXPECT_EQ(well->DiscoveryType(), "TECH");
    EXPECT_TRUE(XmlHas("<DiscoveryTypes><DiscoveryType Code=\"TECH\"/></DiscoveryTypes>")) << Xml();

    // The same value again, or no value where there is none, is no change.
    well->SetModified(false);
    well->SetDiscoveryType("TECH");
    EXPECT_FALSE(well->Modified());
    well->SetDiscoveryType("BOTH");
    EXPECT_TRUE(well->Modified());
    EXPECT_EQ(well->DiscoveryType(), "BOTH");

    // Blanks are a value; empty text leaves none.
    well->SetDiscoveryType("  ");
    EXPECT_TRUE(XmlHas("<DiscoveryType Code=\"  \"/>")) << Xml();
    well->SetDiscoveryType("");
    EXPECT_EQ(well->DiscoveryType(), "");
    EXPECT_FALSE(XmlHas("<DiscoveryType ")) << Xml();
    well->SetModified(false);
    well->SetDiscoveryType("");
    EXPECT_FALSE(well->Modified());

    // A query file with two values holds none that could be kept: the next
    // value replaces both.
    Bind(
        "<WellDetail><DiscoveryTypes><DiscoveryType Code=\"COMM\"/><DiscoveryType Code=\"TECH\"/>"
        "</DiscoveryTypes></WellDetail>");
    well->SetDiscoveryType("COMM");
    EXPECT_EQ(well->DiscoveryType(), "COMM");
    EXPECT_FALSE(XmlHas("TECH")) << Xml();

    // A read-only query keeps its value.
    query->SetReadOnly(true);
    well->SetDiscoveryType("TECH");
    well->SetDiscoveryType("");
    EXPECT_EQ(well->DiscoveryType(), "COMM");
    EXPECT_TRUE(messages.empty());
}

TEST_F(WellCriteria, TheWellsOfChosenFieldsComeFromTheStoredStatement) {
    // The sample's wells and their fields, read beside the library.
    std::map<std::string, std::vector<int>> byField;
    for (const std::string& row : Column(DatabasePath(),
                                         "SELECT Well_Code || '|' || Field_Code FROM Well "
                                         "WHERE Field_Code IS NOT NULL ORDER BY Well_Code")) {
        std::vector<std::string> parts = Split(row, "|");
        byField[parts.at(1)].push_back(std::stoi(parts.at(0)));
    }
    ASSERT_GE(byField.size(), 3u);
    std::vector<std::string> fields;
    for (auto it = byField.begin(); fields.size() < 3; ++it) fields.push_back(it->first);
    int highest = 0;
    for (const auto& [field, wells] : byField) highest = std::max(highest, std::stoi(field));
    const std::string wellless = std::to_string(highest + 1000);

    // The sample's statement lists them by well code.
    std::vector<int> expected;
    std::string codes;
    for (const std::string& field : fields) {
        expected.insert(expected.end(), byField[field].begin(), byField[field].end());
        codes += (codes.empty() ? "" : ",") + field;
    }
    std::sort(expected.begin(), expected.end());
    std::string expectedList;
    for (int code : expected) expectedList += (expectedList.empty() ? "" : ",") + std::to_string(code);

    EXPECT_EQ(well->WellCodesByField(codes), expectedList);
    EXPECT_EQ(well->IWell_WellCodesByField(" " + Replace(codes, ",", " , ") + "," + wellless), expectedList);
    EXPECT_EQ(well->WellCodesByField(wellless), "");
    EXPECT_EQ(well->WellCodesByField(""), "");

    // Every placeholder is filled, every row kept in its order, Null skipped.
    root->SetOption("SQL_WELL_CODE_BY_FIELD",
                    "SELECT Well_Code AS well_code FROM Well WHERE Field_Code IN (<fieldcodes>) "
                    "UNION ALL SELECT NULL UNION ALL "
                    "SELECT Well_Code FROM Well WHERE Field_Code IN (<fieldcodes>)");
    std::string once;
    for (int code : byField[fields[0]]) once += (once.empty() ? "" : ",") + std::to_string(code);
    EXPECT_EQ(well->WellCodesByField(fields[0]), once + "," + once);
    EXPECT_TRUE(messages.empty());
}

TEST_F(WellCriteria, FieldCodesReachTheStatementOnlyAsNumbers) {
    for (const char* codes : {"0) OR (1=1", "1;DELETE FROM Well", "1,,2", "x", "1 2", "'7'"}) {
        Error refused = CaughtError([&] { well->WellCodesByField(codes); });
        EXPECT_EQ(refused.Number(), ERR_USER_INPUT) << codes;
        EXPECT_TRUE(Contains(refused.Description(), Split(codes, ",")[0])) << refused.Description();
    }

    // A statement that cannot run is handed on, recorded.
    root->SetOption("SQL_WELL_CODE_BY_FIELD", "");
    Error failed = CaughtError([&] { well->WellCodesByField("1"); });
    EXPECT_NE(failed.Number(), 0);
    EXPECT_TRUE(Contains(failed.Description(), "CWell.IWell_WellCodesByField(sFieldCodes='1')"))
        << failed.Description();
    EXPECT_TRUE(messages.empty());
}

TEST_F(WellCriteria, EachMemberEndsOrPassesItsFailureAsItsLineSays) {
    // Without the strings component a list of some item fails.
    well->AddWellLocation(1);
    well->AddWellType(1);
    well->AddRigType("SEMI", "");
    well->AddGeologicalDetails("ERA", "ANY", Entries({"J|Jurassic"}));
    Ref<cvStrings> strings = gTools()->Str();
    gTools()->SetStr(nullptr);
    ExpectHandling({
        {"WellCodesList()", false, [](IWell& w) { w.WellCodesList(); }},
        {"WellLocationsList()", false, [](IWell& w) { w.WellLocationsList(); }},
        {"WellTypeList()", true, [](IWell& w) { w.WellTypeList(); }},
        {"WellTypeDescriptionList()", true, [](IWell& w) { w.WellTypeDescriptionList(); }},
        {"RigTypeList()", true, [](IWell& w) { w.RigTypeList(); }},
        {"GeologicalDetailsList(bUseQuotes=True)", false, [](IWell& w) { w.GeologicalDetailsList(true); }},
    });
    gTools()->SetStr(strings);

    // Without a query manager every guarded step fails; the single-entry
    // writers end that themselves.
    root->SetQueries(nullptr);
    ExpectHandling({
        {"ClearWellTypes()", true, [](IWell& w) { w.ClearWellTypes(); }},
        {"ClearGeologicalDetails()", true, [](IWell& w) { w.ClearGeologicalDetails(); }},
        {"ClearShoreStatuses()", true, [](IWell& w) { w.ClearShoreStatuses(); }},
        {"ClearWellDepthRanges()", false, [](IWell& w) { w.ClearWellDepthRanges(); }},
        {"ClearWellClassifications()", false, [](IWell& w) { w.ClearWellClassifications(); }},
        {"DiscoveryType(sType='COMM')", false, [](IWell& w) { w.SetDiscoveryType("COMM"); }},
    });

    // Without the reference lists no list position can be looked up.
    root->SetLists(nullptr);
    ExpectHandling({
        {"AddWellLocation(lCode=1)", true, [](IWell& w) { w.AddWellLocation(1); }},
        {"RemoveRigName(lCode=4)", true, [](IWell& w) { w.RemoveRigName(4); }},
        {"AddGeologicalDetails(sQueryMode='ERA', sFormationType='ANY', oCodes={Nothing})", true,
         [](IWell& w) { w.AddGeologicalDetails("ERA", "ANY", nullptr); }},
    });
}

}  // namespace
