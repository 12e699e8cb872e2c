// The field criteria as a host sets them and the statement side reads them
// back: locations and codes, entries from the field list, the ranges with
// their acceptance tests and keys, the parsed extra data of reserves and
// costs, reservoir ages and the grouping filter.
#include <gtest/gtest.h>

#include <functional>

#include "criteria/FieldCriteriaFixture.h"

namespace {

class FieldCriteria : public FieldCriteriaFixture {};

TEST_F(FieldCriteria, LocationsAndCodesListBareOrQuotedAsTheStatementsNeed) {
    field->AddFieldLocation(-1, "below zero");
    field->AddFieldLocation(0, "Zero");
    field->AddFieldLocation(1001, "Harrier");
    field->AddFieldLocation(1001, "Harrier again");
    EXPECT_EQ(field->FieldCount(), 2);
    EXPECT_EQ(field->FieldLocationsList(), "0,1001");
    EXPECT_EQ(field->FieldCodesList(), "0,1001");

    field->AddBlockLocation(-1, "none", "X");
    field->AddBlockLocation(12, "Block 12", "16/12a");
    field->AddBlockLocation(0, "Block 0", "");
    EXPECT_EQ(field->BlockLocationsCount(), 2);
    EXPECT_EQ(field->BlockCount(), 2);
    EXPECT_EQ(field->BlockLocationsList(), "12,0");
    EXPECT_EQ(field->BlockCodesList(), "12,0");
    EXPECT_EQ(field->BlockLocationIDList(), "16/12a");

    field->AddAssetCode("77");
    field->AddAssetCode("");
    field->AddAssetCode("77");
    EXPECT_EQ(field->AssetCodeCount(), 2);
    EXPECT_EQ(field->AssetCodeList(), "77");
    field->AddQZMnemonic("NS1");
    field->AddQZMnemonic("NS2");
    EXPECT_EQ(field->QZMnemonicCount(), 2);
    EXPECT_EQ(field->QZMnemonicList(), "'NS1','NS2'");

    field->RemoveFieldLocation(1001);
    field->RemoveBlockLocation(0);
    EXPECT_EQ(field->FieldLocationsList(), "0");
    EXPECT_EQ(field->BlockLocationsList(), "12");
    EXPECT_TRUE(
        Contains(Xml(), "<FieldDetail><FieldLocations><FieldLocation Code=\"0\" Description=\"Zero\"/>"))
        << Xml();
    field->ClearFieldLocations();
    field->ClearBlockLocations();
    EXPECT_EQ(field->FieldCount(), 0);
    EXPECT_EQ(field->BlockCount(), 0);
}

TEST_F(FieldCriteria, ListPositionsStoreTheFieldListsCodesAndNames) {
    // Before the list was ever filled the entry is stored empty, and a
    // removal by position keeps it.
    field->AddFieldType(4);
    EXPECT_EQ(field->FieldTypeCount(), 1);
    EXPECT_TRUE(Contains(Xml(), "<FieldType Code=\"\" Description=\"\"/>")) << Xml();
    field->RemoveFieldType(4);
    EXPECT_EQ(field->FieldTypeCount(), 1);
    field->ClearFieldTypes();

    fieldList->Set(FakeFieldList::Type, 1, "OIL", "Oil field");
    fieldList->Set(FakeFieldList::Type, 2, "GAS", "Gas field");
    fieldList->Set(FakeFieldList::Status, 5, "PROD", "Producing");
    fieldList->Set(FakeFieldList::Status, 6, "DEV", "Under development");
    fieldList->Set(FakeFieldList::Development, 9, "FPSO", "Floating production");
    field->AddFieldType(2);
    field->AddFieldType(1);
    field->AddDevelopmentStatus(5, "Commercial");
    field->AddDevelopmentStatus(6, "Technical");
    field->AddDevelopmentType(9);
    EXPECT_EQ(field->FieldTypeList(), "'GAS','OIL'");
    EXPECT_EQ(field->FieldTypeDescriptionList(), "'Gas field','Oil field'");
    EXPECT_EQ(field->DevelopmentStatusList(), "'PROD','DEV'");
    EXPECT_EQ(field->DevelopmentStatusDescriptionList(), "'Producing','Under development'");
    EXPECT_EQ(field->DevelopmentStatusType(1), "Technical");
    EXPECT_EQ(field->DevelopmentTypeList(), "'FPSO'");
    EXPECT_EQ(field->DevelopmentTypeDescriptionList(), "'Floating production'");
    EXPECT_EQ(field->DevelopmentStatusCount(), 2);
    EXPECT_EQ(field->DevelopmentTypeCount(), 1);

    field->RemoveFieldType(2);
    field->RemoveDevelopmentStatus(5);
    field->RemoveDevelopmentType(9);
    EXPECT_EQ(field->FieldTypeList(), "'OIL'");
    EXPECT_EQ(field->DevelopmentStatusList(), "'DEV'");
    EXPECT_EQ(field->DevelopmentTypeCount(), 0);

    // A number the list never handed out: nothing stored, the error passed on
    // with the member and its argument.
    const std::string before = Xml();
    Error e = CaughtError([&] { field->AddDevelopmentStatus(7, "Both"); });
    EXPECT_EQ(e.Number(), rt::kInvalidCall);
    EXPECT_TRUE(
        Contains(e.Description(), "CField.IField_AddDevelopmentStatus(lCode=7, sClassificationType='Both')"))
        << e.Description();
    EXPECT_EQ(Xml(), before);
}

// The ranges that are added when a bound is not blank, keyed by minimum (or
// government take by its method), each with its getters.
struct RangeKind {
    const char* name;
    const char* section;
    std::function<void(IField&, const std::string&, const std::string&)> add;
    std::function<int32_t(IField&)> count;
    std::function<std::string(IField&, int32_t)> min, max;
};

TEST_F(FieldCriteria, RangesNeedABoundThatIsNotBlankAndKeepTheirFirstEntryPerKey) {
    const std::vector<RangeKind> kinds = {
        {"water depth", "WaterDepthRanges",
         [](IField& f, const std::string& a, const std::string& b) {
             f.AddWaterDepthRange(a, b, "LEN", "10000");
         },
         [](IField& f) { return f.WaterDepthCount(); },
         [](IField& f, int32_t i) { return f.WaterDepthRangeMin(i); },
         [](IField& f, int32_t i) { return f.WaterDepthRangeMax(i); }},
        {"reservoir depth", "ReservoirDepthRanges",
         [](IField& f, const std::string& a, const std::string& b) {
             f.AddFieldReservoirDepth(a, b, "LEN", "m");
         },
         [](IField& f) { return f.ReservoirDepthCount(); },
         [](IField& f, int32_t i) { return f.ReservoirDepthRangeMin(i); },
         [](IField& f, int32_t i) { return f.ReservoirDepthRangeMax(i); }},
        {"calorific value", "CalorifivValueRanges",
         [](IField& f, const std::string& a, const std::string& b) {
             f.AddCalorificValue(a, b, "CV", "btu");
         },
         [](IField& f) { return f.CalorificValueCount(); },
         [](IField& f, int32_t i) { return f.CalorificValueRangeMin(i); },
         [](IField& f, int32_t i) { return f.CalorificValueRangeMax(i); }},
        {"gravity", "APIRanges",
         [](IField& f, const std::string& a, const std::string& b) { f.AddGravityApi(a, b); },
         [](IField& f) { return f.GravityCount(); },
         [](IField& f, int32_t i) { return f.GravityRangeMin(i); },
         [](IField& f, int32_t i) { return f.GravityRangeMax(i); }},
        {"sulphur", "SulphurRanges",
         [](IField& f, const std::string& a, const std::string& b) { f.AddSulphur(a, b); },
         [](IField& f) { return f.SulphurCount(); },
         [](IField& f, int32_t i) { return f.SulphurRangeMin(i); },
         [](IField& f, int32_t i) { return f.SulphurRangeMax(i); }},
    };
    for (const RangeKind& k : kinds) {
        SCOPED_TRACE(k.name);
        k.add(*field, " ", "");
        k.add(*field, "", "  ");
        EXPECT_EQ(k.count(*field), 0);
        k.add(*field, "", "100");
        k.add(*field, " 5", "");
        k.add(*field, "", "200");   // the empty minimum is taken
        k.add(*field, " 5", "50");  // so is this one
        ASSERT_EQ(k.count(*field), 2);
        EXPECT_EQ(k.min(*field, 0), "");
        EXPECT_EQ(k.max(*field, 0), "100");
        EXPECT_EQ(k.min(*field, 1), "5");  // stored with its blank, read trimmed
        EXPECT_EQ(k.max(*field, 1), "");
        EXPECT_EQ(k.max(*field, 2), "");
        // This kind's own section: the earlier kinds' sections hold a " 5" too.
        const std::string xml = Xml(), open = std::string("<") + k.section + "><";
        const size_t at = xml.find(open);
        ASSERT_NE(at, std::string::npos) << xml;
        const std::string own = xml.substr(at, xml.find(std::string("</") + k.section + ">", at) - at);
        EXPECT_TRUE(Contains(own, "MinValue=\" 5\"")) << own;
    }
    // Units are stored as given: no prefix on a field range.
    EXPECT_EQ(field->WaterDepthRangeUnit(0), "10000");
    EXPECT_EQ(field->WaterDepthRangeCategory(0), "LEN");
    EXPECT_EQ(field->ReservoirDepthRangeUnit(1), "m");
    EXPECT_EQ(field->CalorificValueRangeUnit(0), "btu");
    EXPECT_EQ(field->CalorificValueRangeCategory(1), "CV");

    // Government take: keyed by the total-or-remaining index.
    field->AddGovernmentTake(0, 1, "", " ");
    field->AddGovernmentTake(0, 1, "", "40");
    field->AddGovernmentTake(0, 0, "10", "20");
    field->AddGovernmentTake(1, 0, "15", "");
    ASSERT_EQ(field->GovernmentTakeCount(), 2);
    EXPECT_EQ(field->GovernmentTakeMethod(1), 1);
    EXPECT_EQ(field->GovernmentTakeType(0), 1);
    EXPECT_EQ(field->GovernmentTakeRangeMax(0), "40");
    EXPECT_EQ(field->GovernmentTakeRangeMin(1), "15");

    // A file whose section is spelled as the word is holds no calorific range.
    ASSERT_TRUE(Contains(Xml(), "CalorifivValueRanges"));
    field->ClearCalorificValueRanges();
    EXPECT_EQ(field->CalorificValueCount(), 0);
}

TEST_F(FieldCriteria, RatesOfReturnKeepTheProjectBoundsCrosswiseAndNeedOneRate) {
    field->AddRatesOfReturn(0, " ", "", "", "");
    EXPECT_EQ(field->RatesOfReturnCount(), 0) << "the tax index alone is no range";
    field->AddRatesOfReturn(1, "", "", "8", "");
    field->AddRatesOfReturn(1, "1", "2", "3", "4");
    field->AddRatesOfReturn(0, "5", "15", "", "30");
    ASSERT_EQ(field->RatesOfReturnCount(), 2);
    EXPECT_TRUE(
        Contains(Xml(),
                 "<RatesOfReturnRange PrePostTaxIndex=\"1\" CompanyIIRRangeMinimum=\"\" "
                 "CompanyIIRRangeMaximum=\"\" ProjectIIRRangeMaximum=\"8\" ProjectIIRRangeMinimum=\"\"/>"))
        << Xml();
    EXPECT_EQ(field->RatesOfReturnType(0), 1);
    EXPECT_EQ(field->RatesOfReturnProjectRangeMin(0), "8");
    EXPECT_EQ(field->RatesOfReturnProjectRangeMax(0), "");
    EXPECT_EQ(field->RatesOfReturnType(1), 0);
    EXPECT_EQ(field->RatesOfReturnCompanyRangeMin(1), "5");
    EXPECT_EQ(field->RatesOfReturnCompanyRangeMax(1), "15");
    EXPECT_EQ(field->RatesOfReturnProjectRangeMin(1), "");
    EXPECT_EQ(field->RatesOfReturnProjectRangeMax(1), "30");
}

TEST_F(FieldCriteria, ReservesAndProductionReadTheirTypesAndYearFromTheRowData) {
    field->AddReservesAndProductionRange("OIL_RESERVES", "Oil", "K1", "MMbbl", "Liquids_Reserves", "1", "9",
                                         "no comma", "MMbbl");
    EXPECT_EQ(field->ReservesAndProductionCount(), 0);

    // Exactly two parts: the production type is missing, nothing is stored.
    Error e = CaughtError([&] {
        field->AddReservesAndProductionRange("OIL_RESERVES", "Oil", "K1", "MMbbl", "Liquids_Reserves", "1",
                                             "9", "x,1", "MMbbl");
    });
    EXPECT_EQ(e.Number(), rt::kSubscript);
    EXPECT_TRUE(
        Contains(e.Description(), "CField.IField_AddReservesAndProductionRange(sFieldName='OIL_RESERVES'"))
        << e.Description();
    EXPECT_RAISES(rt::kTypeMismatch,
                  field->AddReservesAndProductionRange("GAS_RESERVES", "Gas", "K2", "bcf", "Gas_Reserves", "",
                                                       "", "x,gas,2", ""));
    EXPECT_EQ(field->ReservesAndProductionCount(), 0);

    field->AddReservesAndProductionRange("OIL_RESERVES", "Oil", "K1", "MMbbl", "Liquids_Reserves", "", "",
                                         "x,1,2", "MMbbl");
    field->AddReservesAndProductionRange("OIL_PRODUCTION", "Oil rate", "K3", "Mbbl/d", "Liquids_Production",
                                         "5", "", "x,2,2", "Mbbl/d");
    field->AddReservesAndProductionRange("GAS_PRODUCTION", "Gas rate", "K4", "MMscf/d", "Gas_Production", "",
                                         "70", "x,2,2,2019", "MMscf/d");
    field->AddReservesAndProductionRange("OIL_RESERVES", "again", "K5", "", "", "3", "4", "x,2,2,2020", "");
    ASSERT_EQ(field->ReservesAndProductionCount(), 3);
    EXPECT_TRUE(
        Contains(Xml(),
                 "<ReservesAndProduction FieldName=\"OIL_RESERVES\" Caption=\"Oil\" Key=\"K1\" "
                 "DefaultUnit=\"MMbbl\" UnitCategory=\"Liquids_Reserves\" MinValue=\"\" MaxValue=\"\" "
                 "ReserveType=\"1\" ProductionType=\"2\" UnitCaption=\"MMbbl\"/>"))
        << Xml();
    EXPECT_TRUE(
        Contains(Xml(), "ReserveType=\"2\" ProductionType=\"2\" ProductionYear=\"\" UnitCaption=\"Mbbl/d\""))
        << Xml();
    EXPECT_EQ(field->ReserveType(0), 1);
    EXPECT_EQ(field->ProductionType(0), 2);
    EXPECT_EQ(field->ReservesAndProductionYear(0), "");
    EXPECT_EQ(field->ReservesAndProductionYear(2), "2019");
    EXPECT_EQ(field->ReservesAndProductionRangeName(1), "OIL_PRODUCTION");
    EXPECT_EQ(field->ReservesAndProductionRangeMin(1), "5");
    EXPECT_EQ(field->ReservesAndProductionRangeMax(2), "70");
    EXPECT_EQ(field->ReservesAndProductionRangeUnit(2), "MMscf/d");
    EXPECT_EQ(field->ReservesAndProductionRangeCategory(2), "Gas_Production");
    EXPECT_EQ(field->ReservesAndProductionUnitCaption(1), "Mbbl/d");

    // An integer getter on text that is no number, or on no range at all:
    // refused, naming the attribute.
    EXPECT_RAISES(ERR_USER_INPUT, field->ReserveType(3));
    Error absent = CaughtError([&] { field->ProductionType(-1); });
    EXPECT_EQ(absent.Number(), ERR_USER_INPUT);
    EXPECT_EQ(absent.Description(),
              "The value '' of 'ReservesAndProduction@ProductionType' is not a whole number.");
}

TEST_F(FieldCriteria, CostsStoreYearsOnlyForTheAnnualMode) {
    field->AddCost("CAPEX", "Capex", "C1", "", "", "x", "");
    field->AddCost("CAPEX", "Capex", "C1", "", "", "x,1,3", "");
    field->AddCost("CAPEX", "Capex", "C1", "", "", "x,1, 1", "");
    field->AddCost("CAPEX", "Capex", "C1", "", "", "x,1,01", "");
    EXPECT_EQ(field->CostsCount(), 0);
    EXPECT_RAISES(rt::kSubscript, field->AddCost("CAPEX", "Capex", "C1", "", "", "x,1", ""));

    field->AddCost("CAPEX_REAL", "Capex", "C1", "10", "", "x,3,1", "USD m");
    field->AddCost("OPEX_REAL", "Opex", "C2", "", "90", "x,4,2,2021", "USD m");
    field->AddCost("ABN_COSTS_REAL_USD", "Abandonment", "C3", "", "", "x,5,2,2021,2030", "");
    field->AddCost("CAPEX_REAL", "again", "C4", "1", "2", "x,3,0", "");
    ASSERT_EQ(field->CostsCount(), 3);
    EXPECT_TRUE(
        Contains(Xml(),
                 "<CostRange FieldName=\"CAPEX_REAL\" Caption=\"Capex\" Key=\"C1\" BoundaryMinimum=\"10\" "
                 "BoundaryMaximum=\"\" CostType=\"3\" CostMode=\"1\" UnitCaption=\"USD m\"/>"))
        << Xml();
    EXPECT_TRUE(Contains(Xml(), "CostType=\"4\" CostMode=\"2\" YearMin=\"2021\" YearMax=\"\" UnitCaption="))
        << Xml();
    EXPECT_EQ(field->CostsType(1), 4);
    EXPECT_EQ(field->CostsMode(1), 2);
    EXPECT_EQ(field->CostsRangeName(2), "ABN_COSTS_REAL_USD");
    EXPECT_EQ(field->CostsRangeMin(0), "10");
    EXPECT_EQ(field->CostsRangeMax(1), "90");
    EXPECT_EQ(field->CostsYearMin(2), "2021");
    EXPECT_EQ(field->CostsYearMax(2), "2030");
    EXPECT_EQ(field->CostsYearMin(0), "");
    EXPECT_EQ(field->CostsUnitCaption(0), "USD m");

    // Present value: stored whatever its bounds, without unit.
    field->AddPVRange("NPV10", "NPV 10%", "P1", "", "", "USD m");
    field->AddPVRange("NPV10", "again", "P2", "1", "", "");
    ASSERT_EQ(field->PVCount(), 1);
    EXPECT_EQ(field->PVRangeFieldname(0), "NPV10");
    EXPECT_EQ(field->PVRangeMin(0), "");
    EXPECT_EQ(field->PVRangeUnitCaption(0), "USD m");
    EXPECT_EQ(field->PVRangeUnit(0), "");
    EXPECT_EQ(field->PVRangeCategory(0), "");
}

TEST_F(FieldCriteria, ReservoirAgesStoreEachCodeOnceWithItsLevelAndAShortEntryStopsTheRun) {
    Ref<cvCollection> eras = gTools()->NewCollection();
    field->AddFieldReservoirAges("ERA", eras);
    EXPECT_EQ(field->FieldReservoirAgeCount(), 0);
    eras->Add(Variant("MZ|Mesozoic"), "a");
    eras->Add(Variant("CZ|Cenozoic|ignored"), "b");
    eras->Add(Variant("MZ|Mesozoic again"), "c");
    field->AddFieldReservoirAges("ERA", eras);
    ASSERT_EQ(field->FieldReservoirAgeCount(), 2);
    EXPECT_TRUE(Contains(Xml(), "<ReservoirAge Code=\"CZ\" Description=\"Cenozoic\" QueryType=\"ERA\"/>"))
        << Xml();
    EXPECT_EQ(field->FieldReservoirAgeType(1), "ERA");
    EXPECT_EQ(field->FieldReservoirKey(0), "");

    Ref<cvCollection> ages = gTools()->NewCollection();
    ages->Add(Variant("212|Brent|J2"), "a");
    ages->Add(Variant("111|Frigg"), "b");  // no key: the level needs one
    ages->Add(Variant("216|Statfjord|J1"), "c");
    field->AddFieldReservoirAges("ALL", ages);
    ASSERT_EQ(field->FieldReservoirAgeCount(), 3) << "the entry before the short one stays";
    EXPECT_EQ(field->FieldReservoirCode(2), "212");
    EXPECT_EQ(field->FieldReservoirDescription(2), "Brent");
    EXPECT_EQ(field->FieldReservoirKey(2), "J2");
    EXPECT_EQ(field->FieldReservoirAgeType(2), "ALL");
    // The set shows it in the dialog and returns.
    EXPECT_TRUE(Contains(Dialog(), "CField.IField_AddFieldReservoirAges(sQueryMode='ALL'")) << Dialog();
    EXPECT_TRUE(messages.empty());

    field->AddFieldReservoirSearchString("Brent*?");
    field->AddFieldReservoirSearchString("   ");
    EXPECT_EQ(field->FieldReservoirSearchCount(), 1);
    EXPECT_EQ(field->FieldReservoirSearchString(0), "Brent%_");
    field->ClearFieldReservoirAges();
    EXPECT_EQ(field->FieldReservoirAgeCount(), 0);
}

TEST_F(FieldCriteria, TheGroupingFilterReadsItsFirstItemAsASixteenBitControl) {
    EXPECT_EQ(field->GroupingFilterControlID(), -1);
    EXPECT_EQ(field->GroupingFilterType(), "");
    field->SetGroupingFilter(5, "Operator");
    field->SetGroupingFilter(5, "Country");
    field->SetGroupingFilter(7, "Basin");
    EXPECT_EQ(field->GroupingFilterControlID(), 5);
    EXPECT_EQ(field->GroupingFilterType(), "Operator");
    EXPECT_TRUE(Contains(Xml(),
                         "<FieldGroupings><FieldGrouping ID=\"5\" GroupFilterType=\"Operator\"/>"
                         "<FieldGrouping ID=\"7\" GroupFilterType=\"Basin\"/></FieldGroupings>"))
        << Xml();

    const std::vector<std::pair<int32_t, int16_t>> ids = {{-5, -5}, {32767, 32767}, {-32768, -32768}};
    for (auto [stored, read] : ids) {
        field->ClearGroupingFilters();
        field->SetGroupingFilter(stored, "T");
        EXPECT_EQ(field->GroupingFilterControlID(), read) << stored;
    }
    // Any 32-bit id is stored; one past 16 bits cannot be read back, and
    // is refused naming it.
    field->ClearGroupingFilters();
    field->SetGroupingFilter(40000, "T");
    Error e = CaughtError([&] { field->GroupingFilterControlID(); });
    EXPECT_EQ(e.Number(), ERR_USER_INPUT);
    EXPECT_EQ(e.Description(),
              "The value '40000' of 'FieldGrouping@ID' is not a whole number from -32768 to 32767.");

    // A file's id that is no number reads as no control.
    field->ClearGroupingFilters();
    field->SetGroupingFilter(0, "T");
    ASSERT_TRUE(params->Field() == field);
    Ref<ISettings2> doc = gTools()->NewSettingsObject();
    ASSERT_TRUE(doc->LoadXML(Replace(Xml(), "ID=\"0\"", "ID=\"first\"")));
    ASSERT_TRUE(doc->Select("Query/Parameters/Field"));
    auto loaded = New<CField>();
    loaded->Settings(doc->Node());
    EXPECT_EQ(loaded->GroupingFilterType(), "T");
    EXPECT_EQ(loaded->GroupingFilterControlID(), -1);
}

TEST_F(FieldCriteria, DatesAndNameSearchesFollowTheSharedRules) {
    field->AddDate("DISCOVERY_DATE", "Discovery", 0, -1, "", "");
    field->AddDate("DISCOVERY_DATE", "Discovery", 0, 36526, "", "01/01/2000");
    field->AddDate("PRODUCTION_START", "Start", 45000, 0, "3/3/2023", "");
    ASSERT_EQ(field->DateRangeCount(), 2);
    EXPECT_EQ(field->DateRangeName(1), "PRODUCTION_START");
    EXPECT_EQ(field->DateRangeMin(0), "36526");
    EXPECT_EQ(field->DateRangeMax(0), "0");
    EXPECT_EQ(field->DateRangeMax(1), "45000");
    field->RemoveDate("DISCOVERY_DATE");
    EXPECT_EQ(field->DateRangeName(0), "PRODUCTION_START");
    field->ClearDates();
    EXPECT_EQ(field->DateRangeCount(), 0);

    field->AddFieldNameSearchString("Har*r?");
    field->AddFieldNameSearchString("  ");
    field->AddFieldNameSearchString("O'Neil");
    EXPECT_EQ(field->FieldNameCount(), 2);
    EXPECT_EQ(field->FieldNameSearchString(0), "Har%r_");
    EXPECT_EQ(field->FieldNameList(), "Har%r_,O`Neil");
    field->ClearFieldNameSearchStrings();
    EXPECT_EQ(field->FieldNameList(), "");
}

TEST_F(FieldCriteria, AReadOnlyQueryKeepsEveryFieldCriterion) {
    field->AddReservesAndProductionRange("OIL_RESERVES", "Oil", "K1", "", "", "1", "", "x,1,1", "");
    field->SetGroupingFilter(1, "A");
    params->SetModified(false);
    const std::string before = Xml();
    query->SetReadOnly(true);

    Ref<cvCollection> ages = gTools()->NewCollection();
    ages->Add(Variant("MZ|Mesozoic"), "a");
    field->AddFieldReservoirAges("ERA", ages);
    field->AddReservesAndProductionRange("GAS_RESERVES", "Gas", "K2", "", "", "1", "", "x,1,1", "");
    field->AddCost("CAPEX", "Capex", "C1", "1", "", "x,1,1", "");
    field->AddRatesOfReturn(0, "1", "", "", "");
    field->AddFieldLocation(3, "three");
    field->ClearReservesAndProductionRanges();
    field->ClearGroupingFilters();
    field->SetGroupingFilter(2, "B");
    field->AddQZMnemonic("NS1");
    EXPECT_EQ(Xml(), before);
    EXPECT_FALSE(field->Modified());
    EXPECT_EQ(Dialog(), "");

    query->SetReadOnly(false);
    field->ClearGroupingFilters();
    EXPECT_EQ(field->GroupingFilterControlID(), -1);
    EXPECT_TRUE(field->Modified());
}

// Without a query manager or reference lists the members fail; each records
// itself with its argument values and passes the error on, or shows it, as
// its line says.  (The adders' own writes end their failures inside the
// query-parameter routine, so what reaches a member is a clearing, a list
// look-up or the member's own step.)
TEST_F(FieldCriteria, EachMemberRecordsItsOwnSignatureAndHandlesAsItsLineSays) {
    root->SetQueries(nullptr);
    root->SetLists(nullptr);
    struct Case {
        std::function<void()> call;
        int32_t number;
        std::string signature;
    };
    const std::vector<Case> passing = {
        {[&] { field->ClearCosts(); }, rt::kObjectNotSet, "CField.IField_ClearCosts()"},
        {[&] { field->ClearFieldReservoirDepthRanges(); }, rt::kObjectNotSet,
         "CField.IField_ClearFieldReservoirDepthRanges()"},
        {[&] { field->ClearGroupingFilters(); }, rt::kObjectNotSet, "CField.IField_ClearGroupingFilters()"},
        {[&] { field->ClearCalorificValueRanges(); }, rt::kObjectNotSet,
         "CField.IField_ClearCalorificValueRanges()"},
        {[&] { field->AddFieldType(3); }, rt::kObjectNotSet, "CField.IField_AddFieldType(lCode=3)"},
        {[&] { field->RemoveDevelopmentType(4); }, rt::kObjectNotSet,
         "CField.IField_RemoveDevelopmentType(lCode=4)"},
        {[&] { field->AddDevelopmentStatus(2, "X"); }, rt::kObjectNotSet,
         "CField.IField_AddDevelopmentStatus(lCode=2, sClassificationType='X')"},
        {[&] { field->AddCost("CAPEX", "Capex", "C1", "1", "2", "x,1", "USD"); }, rt::kSubscript,
         "CField.IField_AddCost(sFieldName='CAPEX', sCaption='Capex', sKey='C1', sBoundaryLow='1', "
         "sBoundaryHigh='2', sUserData='x,1', sUnitCaption='USD')"},
        // A user error passes unrecorded; its message names what was refused.
        {[&] { field->GovernmentTakeType(0); }, ERR_USER_INPUT,
         "'' of 'GovernmentTakeRange@ValuePercentIndex'"},
    };
    for (const Case& c : passing) {
        Error e = CaughtError(c.call);
        EXPECT_EQ(e.Number(), c.number) << c.signature;
        EXPECT_TRUE(Contains(e.Description(), c.signature)) << e.Description();
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");

    // The shore statuses end their errors: shown in the dialog, the call returns.
    EXPECT_NO_THROW(field->ClearShoreStatuses());
    EXPECT_TRUE(Contains(Dialog(), "CField.IField_ClearShoreStatuses()")) << Dialog();
}

}  // namespace
