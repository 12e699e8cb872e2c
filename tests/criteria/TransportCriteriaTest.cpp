// The transport criteria: where each criterion stands in the query XML, the
// members that do more than one step (product types, list positions, the
// transports of chosen fields), and how each member handles a failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>
#include <set>

#include "criteria/CTransport.h"
#include "criteria/CriteriaFixture.h"
#include "interfaces/IListTransport.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"
#include "support/FakeLists.h"
#include "support/SqliteFile.h"

namespace {

// The transport list as far as the criteria ask it: its method and status
// look-ups; every fill raises 438.
class FakeListTransport final : public IListTransport {
public:
    FakeLookupCache methods, statuses;

    std::string TransportMethodCode(int32_t lID) override { return methods.Code(lID); }
    std::string TransportMethodDescription(int32_t lID) override { return methods.Description(lID); }
    std::string TransportStatusCode(int32_t lID) override { return statuses.Code(lID); }
    std::string TransportStatusDescription(int32_t lID) override { return statuses.Description(lID); }
    void PopulateTransportSystems(const Ref<ITreeView>&, const std::string&) override { Unused(); }
    void PopulateTransportMethods(const Ref<IListControl>&) override { Unused(); }
    void PopulateTransportStatuses(const Ref<IListControl>&) override { Unused(); }
    void PopulateTransportDates(const Ref<IDataTypeChooser>&) override { Unused(); }
    void PopulateTransportDevelopmentStatuses(const Ref<ITreeView>&) override { Unused(); }
    void PopulateUserFields(const Ref<ITreeView>&, const std::string&, const std::string&) override {
        Unused();
    }
    void PopulateTransportSources(const Ref<ITreeView>&, const std::string&) override { Unused(); }
    void PopulateTransportDestinations(const Ref<ITreeView>&, const std::string&) override { Unused(); }
    void PopulateTransportSpecifications(const Ref<IDataTypeChooser>&) override { Unused(); }
    void GetCountryCodes(const Ref<cvCollection>&) override { Unused(); }
    std::string TypeName() const override { return "FakeListTransport"; }

private:
    [[noreturn]] static void Unused() { Raise(438, "FakeListTransport", "not faked"); }
};

int32_t Number(const std::string& s) {
    int32_t n = 0;
    std::from_chars(s.data(), s.data() + s.size(), n);
    return n;
}

class TransportCriteria : public CriteriaFixture {
protected:
    void SetUp() override {
        CriteriaFixture::SetUp();
        OpenRoot();
        query = MakeRootWithFakeQuery();
        lists = New<FakeLists>();
        list = New<FakeListTransport>();
        lists->SetTransport(list);
        root->SetLists(lists);
        Bind("<TransportDetail/>");
    }
    // Binds a new set to a "Transport" element holding the given markup,
    // as a query file loaded from disk would hand it over.
    void Bind(const std::string& sDetail) { transport = BindSet<CTransport>("Transport", sDetail, doc); }
    std::string Xml() const { return WholeXml(doc); }

    // A member whose failure is either shown and logged (ends) or passed on,
    // recording its own signature either way.
    struct Handled {
        const char* signature;
        bool ends;
        std::function<void(ITransport&)> call;
    };
    void ExpectHandling(const std::vector<Handled>& members) {
        for (const Handled& m : members) {
            messages.clear();
            Error e = CaughtError([&] { m.call(*transport); });
            std::string text = m.ends ? (messages.empty() ? "" : messages[0].text) : e.Description();
            EXPECT_EQ(e.Number() == 0, m.ends) << m.signature;
            EXPECT_EQ(messages.size(), m.ends ? 1u : 0u) << m.signature;
            EXPECT_TRUE(Contains(text, std::string("CTransport.ITransport_") + m.signature))
                << m.signature << "\n"
                << text;
        }
    }
    bool XmlHas(const std::string& part) const { return Contains(Xml(), part); }

    Ref<FakeQuery> query;
    Ref<FakeLists> lists;
    Ref<FakeListTransport> list;
    Ref<ISettings2> doc;
    Ref<CTransport> transport;
};

TEST_F(TransportCriteria, EachCriterionStandsInItsSectionWithItsAttributesInOrder) {
    Ref<ITransport> t = transport;
    t->AddAssetCode("QZT0000012");
    t->AddQZMnemonic("BRENTPIPE");
    t->AddFieldLocation(41, "Forties", "PRODUCING");
    t->AddTransportDestination("Terminal", "905", "Sullom Voe");
    t->AddTransportSource("Field", "41", "Forties");
    t->AddTransportSpecification("Pipeline_Diameter_Actual", "Diameter", "DIAM", "in", "7", "", "36",
                                 "inches");
    t->AddTransportSystem(300, "Forties Pipeline System");
    t->AddDate("PRODUCTION_STARTED", "Start", 40000, 0, "07/07/2009", "");

    for (const char* part : {
             "<TransportDetail><AssetCodes><AssetCode Code=\"QZT0000012\"/></AssetCodes>",
             "<QZMnemonics><QZMnemonic ID=\"BRENTPIPE\"/></QZMnemonics>",
             "<FieldLocations><FieldLocation Code=\"41\" Description=\"Forties\" "
             "DevStatusCode=\"PRODUCING\"/>",
             "<TransportDestinations><TransportDestination Code=\"905\" DestinationType=\"Terminal\" "
             "Description=\"Sullom Voe\"/>",
             "<TransportSources><TransportSource Code=\"41\" SourceType=\"Field\" Description=\"Forties\"/>",
             "<TransportSpecifications><TransportSpecification FieldName=\"Pipeline_Diameter_Actual\" "
             "Caption=\"Diameter\" Key=\"DIAM\" DefaultUnit=\"in\" UnitCategory=\"7\" BoundaryMinimum=\"\" "
             "BoundaryMaximum=\"36\" UnitCaption=\"inches\"/>",
             "<TransportSystems><TransportSystem Code=\"300\" Description=\"Forties Pipeline System\"/>",
             "<Dates><Date FieldName=\"PRODUCTION_STARTED\" Description=\"Start\" DateHigh=\"40000\" "
             "DateLow=\"0\" DateStringHigh=\"07/07/2009\" DateStringLow=\"\"/>",
         })
        EXPECT_TRUE(XmlHas(part)) << part << "\n" << Xml();

    // A second entry of each kind, then every reader over both.
    t->AddAssetCode("QZT0000013");
    t->AddQZMnemonic("O'NEIL");
    t->AddFieldLocation(0, "Zero", "");
    t->AddTransportDestination("Field", "77", "Brae");
    t->AddTransportSource("Terminal", "906", "Flotta");
    t->AddTransportSpecification("Gas_Nominal_Capacity", "Gas", "GAS", "MMscf/d", "12", "5", "", "(MMscf/d)");
    t->AddTransportSystem(0, "Zero system");

    EXPECT_EQ(t->AssetCodeCount(), 2);
    EXPECT_EQ(t->AssetCodeList(), "QZT0000012,QZT0000013");
    EXPECT_EQ(t->QZMnemonicCount(), 2);
    EXPECT_EQ(t->QZMnemonicList(), "'BRENTPIPE','O`NEIL'");
    EXPECT_EQ(t->FieldLocationsCount(), 2);
    EXPECT_EQ(t->FieldLocationsCodeList(), "'41','0'");
    EXPECT_EQ(t->FieldLocationsDescriptionList(), "'Forties','Zero'");
    EXPECT_EQ(t->FieldLocationsStatusList(), "'PRODUCING'");
    EXPECT_EQ(t->TransportDestinationList(), "905,77");
    EXPECT_EQ(t->TransportDestinationType(1), "Field");
    EXPECT_EQ(t->TransportSourceList(), "41,906");
    EXPECT_EQ(t->TransportSourceType(1), "Terminal");
    EXPECT_EQ(t->TransportSpecificationRangeFieldname(1), "Gas_Nominal_Capacity");
    EXPECT_EQ(t->TransportSpecificationRangeMin(1), "5");
    EXPECT_EQ(t->TransportSpecificationRangeMax(0), "36");
    EXPECT_EQ(t->TransportSpecificationRangeUnit(1), "MMscf/d");
    EXPECT_EQ(t->TransportSpecificationRangeCategory(1), "12");
    EXPECT_EQ(t->TransportSpecificationRangeUnitCaption(1), "(MMscf/d)");
    EXPECT_EQ(t->TransportSystemsCount(), 2);
    EXPECT_EQ(t->TransportCount(), 2);
    EXPECT_EQ(t->TransportSystemsList(), "300,0");
    EXPECT_EQ(t->TransportCodesList(), "300,0");
    EXPECT_EQ(t->DateRangeName(0), "PRODUCTION_STARTED");
    EXPECT_EQ(t->DateRangeMax(0), "40000");
    EXPECT_EQ(t->DateRangeMin(0), "0");
    EXPECT_EQ(t->TransportSpecificationRangeFieldname(2), "");

    // Removal by each criterion's key.
    t->RemoveTransportDestination("905");
    t->RemoveTransportSource("906");
    t->RemoveTransportSystem(300);
    t->RemoveFieldLocation(0);
    t->RemoveDate("PRODUCTION_STARTED");
    EXPECT_EQ(t->TransportDestinationList(), "77");
    EXPECT_EQ(t->TransportSourceList(), "41");
    EXPECT_EQ(t->TransportSystemsList(), "0");
    EXPECT_EQ(t->FieldLocationsCodeList(), "'41'");
    EXPECT_EQ(t->DateRangeCount(), 0);

    // Each clear empties its own section only.
    const std::vector<std::pair<std::function<void()>, std::function<int32_t()>>> clears = {
        {[&] { t->ClearFieldLocations(); }, [&] { return t->FieldLocationsCount(); }},
        {[&] { t->ClearTransportDestinations(); }, [&] { return t->TransportDestinationCount(); }},
        {[&] { t->ClearTransportSources(); }, [&] { return t->TransportSourceCount(); }},
        {[&] { t->ClearTransportSpecifications(); }, [&] { return t->TransportSpecificationCount(); }},
        {[&] { t->ClearTransportSystems(); }, [&] { return t->TransportSystemsCount(); }},
    };
    for (size_t i = 0; i < clears.size(); ++i) {
        clears[i].first();
        for (size_t j = 0; j < clears.size(); ++j)
            EXPECT_EQ(clears[j].second() == 0, j <= i) << "after clear " << i << ", count " << j;
    }
    EXPECT_EQ(t->AssetCodeCount(), 2);
}

TEST_F(TransportCriteria, KeysCodesAndBoundsDecideWhatIsAdded) {
    Ref<ITransport> t = transport;
    // Codes of 0 are fields and systems; -1 is none.
    t->AddFieldLocation(-1, "none", "");
    t->AddTransportSystem(-1, "none");
    t->AddFieldLocation(0, "zero", "");
    t->AddTransportSystem(0, "zero");
    EXPECT_EQ(t->FieldLocationsCount(), 1);
    EXPECT_EQ(t->TransportSystemsList(), "0");

    // The first attribute is the key: a second entry with it changes nothing.
    t->AddAssetCode("A1");
    t->AddAssetCode("A1");
    t->AddQZMnemonic("M");
    t->AddQZMnemonic("M");
    t->AddTransportSystem(0, "other name");
    t->AddDate("PRODUCTION_STARTED", "first", 100, 0, "", "");
    t->AddDate("PRODUCTION_STARTED", "second", 200, 300, "", "");
    t->AddTransportSpecification("Pipe_Length", "Length", "LEN", "km", "1", "10", "", "");
    t->AddTransportSpecification("Pipe_Length", "Length", "LEN", "km", "1", "20", "30", "");
    EXPECT_EQ(t->AssetCodeCount(), 1);
    EXPECT_EQ(t->QZMnemonicCount(), 1);
    EXPECT_TRUE(XmlHas("<TransportSystem Code=\"0\" Description=\"zero\"/>")) << Xml();
    EXPECT_EQ(t->DateRangeCount(), 1);
    EXPECT_EQ(t->DateRangeMax(0), "100");
    EXPECT_EQ(t->TransportSpecificationCount(), 1);
    EXPECT_EQ(t->TransportSpecificationRangeMin(0), "10");

    // A pipeline specification needs no bound at all.
    t->AddTransportSpecification("Storage_Capacity", "Storage", "STO", "", "", "", "", "");
    EXPECT_EQ(t->TransportSpecificationCount(), 2);

    // Name searches, with the database's wildcards, blanks kept as given.
    t->AddTransportNameSearchString("  Fort*s?");
    t->AddTransportNameSearchString("   ");
    EXPECT_TRUE(
        XmlHas("<TransportNameSearches><TransportNameSearch Code=\"  Fort%s_\"/></TransportNameSearches>"))
        << Xml();
    EXPECT_EQ(t->TransportNameSearchString(0), "Fort%s_");
    t->ClearTransportNameSearchStrings();
    EXPECT_EQ(t->TransportNameCount(), 0);
}

TEST_F(TransportCriteria, PrimaryProductTypesAreQuotedCodesInAFixedOrder) {
    Ref<ITransport> t = transport;
    t->AddPrimaryProductTypes(true, false, false, true);
    // Keyed by the oil flag: another entry with oil is not added.
    t->AddPrimaryProductTypes(true, true, true, true);
    t->AddPrimaryProductTypes(false, false, false, false);
    t->AddPrimaryProductTypes(false, true, true, true);
    ASSERT_EQ(t->PrimaryProductTypeCount(), 2);
    EXPECT_TRUE(XmlHas("<PrimaryProductType OIL=\"True\" LPG=\"False\" COND=\"False\" GAS=\"True\"/>"))
        << Xml();
    EXPECT_EQ(t->PrimaryProductType(0), "\"OIL\", \"GAS\"");
    EXPECT_EQ(t->PrimaryProductType(0).size(), 12u);
    EXPECT_EQ(t->PrimaryProductType(1), "");

    t->ClearPrimaryProductTypes();
    t->AddPrimaryProductTypes(false, true, true, true);
    EXPECT_EQ(t->PrimaryProductType(0), "\"LPG\", \"COND\", \"GAS\"");

    // An entry that is not there, or lacks a flag, reads "" for it: no
    // flag, refused naming it.
    Error missing = CaughtError([&] { t->PrimaryProductType(1); });
    EXPECT_EQ(missing.Number(), ERR_USER_INPUT);
    EXPECT_EQ(missing.Description(),
              "The value '' of 'PrimaryProductType@OIL' is not a flag: True or False.");
    Bind(
        "<TransportDetail><PrimaryProductTypes><PrimaryProductType OIL=\"1\" LPG=\"false\" COND=\"TRUE\"/>"
        "</PrimaryProductTypes></TransportDetail>");
    EXPECT_TRUE(Contains(CaughtError([&] { transport->PrimaryProductType(0); }).Description(),
                         "'' of 'PrimaryProductType@GAS'"));
    Bind(
        "<TransportDetail><PrimaryProductTypes><PrimaryProductType OIL=\"1\" LPG=\"false\" COND=\"TRUE\" "
        "GAS=\"0\"/></PrimaryProductTypes></TransportDetail>");
    EXPECT_EQ(transport->PrimaryProductType(0), "\"OIL\", \"COND\"");
    EXPECT_TRUE(messages.empty());
}

TEST_F(TransportCriteria, MethodsAndStatusesAreTheListsEntriesAtTheItemNumbers) {
    Ref<ITransport> t = transport;
    // Before the list was filled every look-up is "": an empty entry is
    // stored, and a removal of "" takes nothing away, that entry included.
    t->AddTransportMethod(3);
    t->AddTransportStatus(3);
    EXPECT_TRUE(XmlHas("<TransportMethod Code=\"\" Description=\"\"/>")) << Xml();
    EXPECT_TRUE(XmlHas("<TransportStatus Code=\"\" Description=\"\"/>")) << Xml();
    t->SetModified(false);
    t->RemoveTransportStatus(3);
    EXPECT_EQ(t->TransportStatusCount(), 1);
    EXPECT_FALSE(t->Modified());
    t->ClearTransportMethods();
    t->ClearTransportStatuses();

    list->methods.Fill(3, "PL", "Pipeline");
    list->methods.Fill(6, "SH", "Ship");
    list->statuses.Fill(4, "OP", "Operating");
    list->statuses.Fill(5, "UC", "Under construction");
    t->AddTransportMethod(3);
    t->AddTransportStatus(4);
    t->AddTransportStatus(5);
    EXPECT_EQ(t->TransportMethodCount(), 1);
    EXPECT_EQ(t->TransportMethod(0), "PL");
    EXPECT_EQ(t->TransportMethodDescription(0), "Pipeline");
    EXPECT_EQ(t->TransportStatusCount(), 2);
    EXPECT_EQ(t->TransportStatusList(), "'OP','UC'");
    EXPECT_EQ(t->TransportStatusDescriptionList(), "Operating,Under construction");

    // Removal by the code at the item number, marking the change.
    t->SetModified(false);
    t->RemoveTransportStatus(4);
    EXPECT_EQ(t->TransportStatusList(), "'UC'");
    EXPECT_TRUE(t->Modified());
    // A read-only query keeps it.
    query->SetReadOnly(true);
    t->RemoveTransportStatus(5);
    t->AddTransportMethod(6);
    EXPECT_EQ(t->TransportStatusList(), "'UC'");
    EXPECT_EQ(t->TransportMethodCount(), 1);
    query->SetReadOnly(false);
    EXPECT_TRUE(messages.empty());

    // A number the fill never handed out is shown, logged, and adds nothing.
    t->AddTransportMethod(99);
    t->RemoveTransportStatus(98);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].style, 16);
    EXPECT_TRUE(Contains(messages[0].text, "CTransport.ITransport_AddTransportMethod(lCode=99)"))
        << messages[0].text;
    EXPECT_TRUE(Contains(messages[1].text, "CTransport.ITransport_RemoveTransportStatus(lCode=98)"))
        << messages[1].text;
    EXPECT_TRUE(Contains(Log(), "ITransport_AddTransportMethod"));
    EXPECT_EQ(t->TransportMethodCount(), 1);
    EXPECT_EQ(t->TransportStatusCount(), 1);
}

// The fields that ship through each transport, read straight from the
// sample database.
std::map<std::string, std::set<int32_t>> TransportsOfFields(const std::string& db) {
    std::map<std::string, std::set<int32_t>> out;
    for (const std::string& pair :
         Column(db, "SELECT Field_Code || ',' || Transport_Code FROM TransportUserField")) {
        std::vector<std::string> parts = Split(pair, ",");
        out[parts[0]].insert(Number(parts[1]));
    }
    return out;
}

TEST_F(TransportCriteria, TransportsOfChosenFieldsComeFromTheDatabase) {
    const std::map<std::string, std::set<int32_t>> byField = TransportsOfFields(DatabasePath());
    // The fields of a transport that several fields ship through, another
    // field, and a field that ships through none.
    std::vector<std::string> fields =
        Column(DatabasePath(),
               "SELECT Field_Code FROM TransportUserField WHERE Transport_Code = (SELECT Transport_Code FROM "
               "TransportUserField GROUP BY Transport_Code HAVING COUNT(*) > 1 LIMIT 1)");
    ASSERT_GE(fields.size(), 2u);
    for (const auto& entry : byField) {
        if (std::find(fields.begin(), fields.end(), entry.first) != fields.end()) continue;
        fields.push_back(entry.first);
        break;
    }
    const std::string lonely =
        Column(DatabasePath(),
               "SELECT Field_Code FROM Field WHERE Field_Code NOT IN (SELECT Field_Code "
               "FROM TransportUserField) LIMIT 1")
            .at(0);
    fields.push_back(lonely);

    std::set<int32_t> expected;
    std::string codes;
    for (const std::string& field : fields) {
        auto it = byField.find(field);
        if (it != byField.end()) expected.insert(it->second.begin(), it->second.end());
        codes += (codes.empty() ? "" : ",") + field;
    }
    std::string expectedList;
    for (int32_t code : expected) expectedList += (expectedList.empty() ? "" : ",") + DecimalText(code);
    ASSERT_FALSE(expectedList.empty());

    EXPECT_EQ(transport->TransportsByUserField(codes), expectedList);
    EXPECT_EQ(transport->ITransport_TransportsByUserField(" " + Replace(codes, ",", " , ") + " "),
              expectedList);
    EXPECT_EQ(transport->TransportsByUserField(lonely), "");
    EXPECT_EQ(transport->TransportsByUserField(""), "");

    // The field locations' list is those transports; the code list the fields.
    for (const std::string& field : fields) transport->AddFieldLocation(Number(field), "f" + field, "");
    EXPECT_EQ(transport->FieldLocationsList(), expectedList);
    EXPECT_EQ(transport->FieldLocationsCodeList(), "'" + Replace(codes, ",", "','") + "'");
    EXPECT_EQ(transport->FieldLocationsCount(), static_cast<int32_t>(fields.size()));
    transport->ClearFieldLocations();
    EXPECT_EQ(transport->FieldLocationsList(), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(TransportCriteria, FieldCodesFromAQueryFileReachTheStatementOnlyAsNumbers) {
    const std::string someField =
        Column(DatabasePath(), "SELECT Field_Code FROM TransportUserField LIMIT 1").at(0);
    // An edited query file: a code that would widen the statement to every row.
    Bind("<TransportDetail><FieldLocations><FieldLocation Code=\"" + someField +
         "\"/><FieldLocation Code=\"0) OR (1=1\"/></FieldLocations></TransportDetail>");
    Error refused = CaughtError([&] { transport->FieldLocationsList(); });
    EXPECT_EQ(refused.Number(), ERR_USER_INPUT);
    EXPECT_TRUE(Contains(refused.Description(), "0) OR (1=1")) << refused.Description();
    // A user error passes the handlers unrecorded.
    EXPECT_FALSE(Contains(refused.Description(), "ITransport_")) << refused.Description();

    for (const char* codes : {"1;DELETE FROM Field", "1,,2", "x", "1 2", "'7'"})
        EXPECT_RAISES(ERR_USER_INPUT, transport->TransportsByUserField(codes)) << codes;
    EXPECT_TRUE(messages.empty());

    // A statement that cannot run is an exception: both members are recorded.
    root->SetOption("SQL_TRANSPORT_CODE_BY_FIELD", "");
    Bind("<TransportDetail><FieldLocations><FieldLocation Code=\"" + someField +
         "\"/></FieldLocations></TransportDetail>");
    Error failed = CaughtError([&] { transport->FieldLocationsList(); });
    EXPECT_NE(failed.Number(), 0);
    EXPECT_EQ(failed.Source(), kErrorInSource);
    EXPECT_TRUE(Contains(failed.Description(),
                         "CTransport.ITransport_TransportsByUserField(sFieldCodes='" + someField + "')"))
        << failed.Description();
    EXPECT_TRUE(Contains(failed.Description(), "CTransport.ITransport_FieldLocationsList()"))
        << failed.Description();
    EXPECT_TRUE(messages.empty());
}

TEST_F(TransportCriteria, EachMemberEndsOrPassesItsFailureAsItsLineSays) {
    // Without the strings component every list of a section fails.
    Bind(
        "<TransportDetail><AssetCodes/><QZMnemonics/><FieldLocations/><TransportDestinations/>"
        "<TransportSources/><TransportStatuses/><TransportSystems/></TransportDetail>");
    Ref<cvStrings> strings = gTools()->Str();
    gTools()->SetStr(nullptr);
    ExpectHandling({
        {"TransportSystemsList()", true, [](ITransport& t) { t.TransportSystemsList(); }},
        {"TransportStatusList()", true, [](ITransport& t) { t.TransportStatusList(); }},
        {"TransportStatusDescriptionList()", true, [](ITransport& t) { t.TransportStatusDescriptionList(); }},
        {"TransportSourceList()", true, [](ITransport& t) { t.TransportSourceList(); }},
        {"TransportDestinationList()", true, [](ITransport& t) { t.TransportDestinationList(); }},
        {"QZMnemonicList()", true, [](ITransport& t) { t.QZMnemonicList(); }},
        {"TransportCodesList()", false, [](ITransport& t) { t.TransportCodesList(); }},
        {"AssetCodeList()", false, [](ITransport& t) { t.AssetCodeList(); }},
        {"FieldLocationsCodeList()", false, [](ITransport& t) { t.FieldLocationsCodeList(); }},
        {"FieldLocationsDescriptionList()", false, [](ITransport& t) { t.FieldLocationsDescriptionList(); }},
        {"FieldLocationsStatusList()", false, [](ITransport& t) { t.FieldLocationsStatusList(); }},
        {"FieldLocationsList()", false, [](ITransport& t) { t.FieldLocationsList(); }},
    });
    gTools()->SetStr(strings);

    // Without a query manager every guarded step fails; the writers of
    // single entries end that themselves, the clears hand it on.
    root->SetQueries(nullptr);
    ExpectHandling({
        {"ClearShoreStatuses()", true, [](ITransport& t) { t.ClearShoreStatuses(); }},
        {"RemoveShoreStatus(sCode='ONSHORE')", true, [](ITransport& t) { t.RemoveShoreStatus("ONSHORE"); }},
        {"ClearTransportNameSearchStrings()", false,
         [](ITransport& t) { t.ClearTransportNameSearchStrings(); }},
        {"ClearTransportSystems()", false, [](ITransport& t) { t.ClearTransportSystems(); }},
        {"ClearTransportStatuses()", false, [](ITransport& t) { t.ClearTransportStatuses(); }},
        {"ClearTransportSources()", false, [](ITransport& t) { t.ClearTransportSources(); }},
        {"ClearTransportDestinations()", false, [](ITransport& t) { t.ClearTransportDestinations(); }},
        {"ClearDates()", false, [](ITransport& t) { t.ClearDates(); }},
        {"ClearTransportSpecifications()", false, [](ITransport& t) { t.ClearTransportSpecifications(); }},
        {"ClearTransportMethods()", false, [](ITransport& t) { t.ClearTransportMethods(); }},
        {"ClearPrimaryProductTypes()", false, [](ITransport& t) { t.ClearPrimaryProductTypes(); }},
        {"ClearFieldLocations()", false, [](ITransport& t) { t.ClearFieldLocations(); }},
    });

    // Without the reference lists the list positions cannot be looked up.
    root->SetLists(nullptr);
    ExpectHandling({
        {"AddTransportMethod(lCode=1)", true, [](ITransport& t) { t.AddTransportMethod(1); }},
        {"AddTransportStatus(lCode=2)", true, [](ITransport& t) { t.AddTransportStatus(2); }},
        {"RemoveTransportStatus(lCode=3)", true, [](ITransport& t) { t.RemoveTransportStatus(3); }},
    });
}

}  // namespace
