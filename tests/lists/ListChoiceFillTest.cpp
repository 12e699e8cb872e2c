// The fixed and statement-fed lists of the block, field and company lists:
// data-type choices, licence references and award rounds, the basin list,
// the operator-status and search-option lists, the annual years and the
// discount date.
#include <gtest/gtest.h>

#include "ReportText.h"
#include "host/controls/MemoryDataTypeChooser.h"
#include "host/controls/MemoryListBox.h"
#include "lists/CListBlock.h"
#include "lists/CListCompany.h"
#include "lists/CListField.h"
#include "platform/units/Units.h"
#include "support/FakeRootFixture.h"
#include "support/SqliteFile.h"

namespace {

[[noreturn]] void NotHere() { Raise(rt::kNoSuchMember, "", "not used by the list fills"); }

// The active query as the cost choices read it: its gross or net choice only.
class GrossNetQuery final : public IQuery {
public:
    std::string grossNet = "Gross";
    int32_t reads = 0;

    std::string GrossNet() override {
        ++reads;
        return grossNet;
    }
    int32_t ErrorNumber() override { NotHere(); }
    std::string ErrorSource() override { NotHere(); }
    std::string ErrorDescription() override { NotHere(); }
    bool ErrorIsException() override { NotHere(); }
    std::string ID() override { NotHere(); }
    Ref<IParameters> Parameters() override { NotHere(); }
    bool Active() override { NotHere(); }
    Ref<ADODB::Recordset> Results(int32_t) override { NotHere(); }
    std::string QueryType() override { NotHere(); }
    void SetQueryType(const std::string&) override { NotHere(); }
    void SetGrossNet(const std::string&) override { NotHere(); }
    std::string QuerySQL(int32_t) override { NotHere(); }
    int32_t RecordCount(int32_t) override { NotHere(); }
    std::string DescriptionText() override { NotHere(); }
    Ref<cvCollection> Companies() override { NotHere(); }
    Ref<cvCollection> ParentCompanies() override { NotHere(); }
    bool CompanySelected(int32_t) override { NotHere(); }
    bool ParentCompanySelected(int32_t) override { NotHere(); }
    void SetReadOnly(bool) override { NotHere(); }
    bool ReadOnly() override { NotHere(); }
    int32_t Execute() override { NotHere(); }
    void BuildDescriptionTree() override { NotHere(); }
    void Clear() override { NotHere(); }
    void Load(const std::string&) override { NotHere(); }
    void Save(const std::string&) override { NotHere(); }
    std::string GetSQL() override { NotHere(); }
    std::string TypeName() const override { return "GrossNetQuery"; }
};

// A query manager whose active query is the one given, or Nothing (it has
// already told the user why it has none).
class OneQueryManager final : public IQueryManager {
public:
    Ref<IQuery> active;

    Ref<IQuery> Query(const std::string& Index) override {
        if (Index != "-1") NotHere();
        return active;
    }
    int32_t ErrorNumber() override { NotHere(); }
    std::string ErrorSource() override { NotHere(); }
    std::string ErrorDescription() override { NotHere(); }
    bool ErrorIsException() override { NotHere(); }
    void SetDescriptionTree(const Ref<ITreeView>&) override { NotHere(); }
    Ref<ITreeView> DescriptionTree() override { NotHere(); }
    Ref<IQuery> Find(const std::string&) override { NotHere(); }
    void New() override { NotHere(); }
    void MovePrevious() override { NotHere(); }
    void MoveNext() override { NotHere(); }
    void Load(const std::string&) override { NotHere(); }
    void Delete(const std::string&) override { NotHere(); }
    void MoveFirst() override { NotHere(); }
    void MoveLast() override { NotHere(); }
    void Clear() override { NotHere(); }
    std::string TypeName() const override { return "OneQueryManager"; }
};

class ChoiceFills : public FakeRootFixture {
protected:
    void SetUp() override {
        FakeRootFixture::SetUp();
        OpenRoot();
        manager->active = query;
        root->SetQueries(manager);
    }

    static Ref<MemoryListBox> List(const std::string& name, bool sorted = false) {
        return New<MemoryListBox>(name, sorted);
    }
    // The column names of the chooser's rows, joined by ",".
    static std::string Columns(const MemoryDataTypeChooser& chooser) {
        std::string out;
        for (const auto& row : chooser.Rows()) out += (out.empty() ? "" : ",") + row.Args.at(1);
        return out;
    }
    std::vector<std::string> Db(const std::string& sql) { return Column(DatabasePath(), sql); }

    Ref<GrossNetQuery> query = New<GrossNetQuery>();
    Ref<OneQueryManager> manager = New<OneQueryManager>();
    Ref<CListBlock> block = New<CListBlock>();
    Ref<CListField> field = New<CListField>();
    Ref<CListCompany> company = New<CListCompany>();
};

TEST_F(ChoiceFills, DateChoicesAreAppendedAndTheOthersReplaceTheChooser) {
    auto dates = New<MemoryDataTypeChooser>();
    field->PopulateFieldDates(dates);
    field->PopulateFieldDates(dates);
    EXPECT_EQ(dates->Rows().size(), 10u);
    EXPECT_TRUE(dates->ClearCalls().empty());
    EXPECT_EQ(dates->Rows()[4].Args, (std::vector<std::string>{"Abandonment Date", "Abandoned_Date"}));

    auto licence = New<MemoryDataTypeChooser>();
    block->PopulateDatesList(licence);
    EXPECT_EQ(licence->Print(),
              "Award Date|Issue_Date\nExpiry Date (Initial)|First_Round\nExpiry Date (Final)|Final_Expiry\n");

    auto pv = New<MemoryDataTypeChooser>();
    field->PopulatePV(pv, "NOK");
    field->PopulatePV(pv, "EUR");
    EXPECT_EQ(pv->Print(),
              "Total PV|TOTALPV_POSTTAX_USD|EUR\nRemaining PV|REMPV_POSTTAX_USD|EUR\n"
              "Remaining PV/boe|REMPVBOE_POSTTAX_USD|US$\n");
    EXPECT_EQ(pv->ClearCalls(), (std::vector<bool>{true, true}));
}

TEST_F(ChoiceFills, CostColumnsFollowTermsModeAndTheActiveQuerysGrossOrNet) {
    auto costs = New<MemoryDataTypeChooser>();
    field->PopulateCosts(costs, 0, 0);
    EXPECT_EQ(costs->Print(),
              "Capex|TOTAL_CAPEX_REAL_USD|US$ million\nOpex|TOTAL_OPEX_REAL_USD|US$ million\n");
    field->PopulateCosts(costs, 1, 1);
    EXPECT_EQ(costs->Print(), "Capex|CAPEX_BBL_NOML_USD|per boe\nOpex|OPEX_BBL_NOML_USD|per boe\n");
    field->PopulateCosts(costs, 0, 2);
    EXPECT_EQ(Columns(*costs),
              "CAPEX_REAL,OPEX_REAL,ABN_COSTS_REAL_USD,DEV_DRILLING_REAL_USD,OTH_FIELD_CAPEX_REAL_USD,"
              "TRN_CAPEX_REAL_USD");
    EXPECT_EQ(costs->Rows()[2].Args.at(0), "Abandonment Costs");

    query->grossNet = "Net";
    field->PopulateCosts(costs, 7, 2);
    EXPECT_EQ(Columns(*costs),
              "CAPEX_NOML_NET,OPEX_NOML_NET,ABN_COSTS_NOML_USD_NET,DEV_DRILLING_NOML_USD_NET,"
              "OTH_FIELD_CAPEX_NOML_USD_NET,TRN_CAPEX_NOML_USD_NET");
    query->grossNet = "gross";
    field->PopulateCosts(costs, 1, 2);
    EXPECT_EQ(costs->Rows()[0].Args.at(1), "CAPEX_NOML_NET") << "only \"Gross\" itself is gross";

    const int32_t reads = query->reads;
    field->PopulateCosts(costs, 0, 3);
    EXPECT_TRUE(costs->Rows().empty());
    EXPECT_EQ(query->reads, reads + 1) << "the choice is read whatever the mode";
    EXPECT_EQ(costs->ClearCalls().size(), 6u);

    // No active query: error 91 through the operation's own record.
    manager->active = Ref<IQuery>();
    auto none = New<MemoryDataTypeChooser>("Costs");
    Error e = CaughtError([&] { field->PopulateCosts(none, 0, 0); });
    EXPECT_EQ(e.Number(), rt::kObjectNotSet);
    EXPECT_TRUE(RecordsCall(e.Description(),
                            "CListField.IListField_PopulateCosts(ctl.name='Costs', lRealNominal=0, lMode=0)"))
        << e.Description();
    EXPECT_TRUE(none->Rows().empty());
}

TEST_F(ChoiceFills, ReservesAndProductionRowsCarryTheirQuantityAndItsDefaultUnitsLabel) {
    root->Units()->LoadDefinitions(
        "<Units>"
        "<Category ID='Total_Reserves' DatabaseUnit='a' Default='b'><Unit ID='a' Factor='1'/>"
        "<Unit ID='b' Label='Total label' Factor='2'/></Category>"
        "<Category ID='Liquids_Reserves' DatabaseUnit='a'><Unit ID='a' Label='Liquids label' "
        "Factor='1'/></Category>"
        "<Category ID='Oil_Reserves' DatabaseUnit='a' Default='c'><Unit ID='a' Factor='1'/>"
        "<Unit ID='c' Label='Oil label' Factor='3'/></Category>"
        "<Category ID='Gas_Reserves' DatabaseUnit='a'><Unit ID='a' Label='Gas label' Factor='1'/></Category>"
        "</Units>");
    auto chooser = New<MemoryDataTypeChooser>();
    field->PopulateHydrocarbonTypes(chooser, 1, 9);
    EXPECT_EQ(chooser->Print(),
              "All|REM_R_TOTAL|Total_Reserves|Total label\n"
              "Total Liquids|REM_R_LIQUID|Liquids_Reserves|Liquids label\n"
              "Oil|REM_R_OIL|Oil_Reserves|Oil label\n"
              "LPG|REM_R_LPG|Oil_Reserves|Oil label\n"
              "Condensate|REM_R_COND|Oil_Reserves|Oil label\n"
              "Gas|REM_R_GAS|Gas_Reserves|Gas label\n");
    field->PopulateHydrocarbonTypes(chooser, 0, 0);
    EXPECT_EQ(Columns(*chooser), "REC_R_TOTAL,REC_R_LIQUID,REC_R_OIL,REC_R_LPG,REC_R_COND,REC_R_GAS");

    // Production groups need production quantities, which these units lack.
    Error e = CaughtError([&] { field->PopulateHydrocarbonTypes(chooser, 2, 0); });
    EXPECT_NE(e.Number(), 0);
    EXPECT_TRUE(
        RecordsCall(e.Description(), "PopulateHydrocarbonTypes(ctl='DataTypeChooser1', sReserveType=2"))
        << e.Description();
    EXPECT_TRUE(chooser->Rows().empty()) << "cleared before the failing row";

    for (auto [reserve, production] : {std::pair{2, 5}, std::pair{4, 0}, std::pair{-1, 2}}) {
        field->PopulateHydrocarbonTypes(chooser, reserve, production);
        EXPECT_TRUE(chooser->Rows().empty()) << reserve << "/" << production;
    }
}

TEST_F(ChoiceFills, ProductionGroupsOnTheSampleUnits) {
    auto chooser = New<MemoryDataTypeChooser>();
    field->PopulateHydrocarbonTypes(chooser, 2, 2);
    EXPECT_EQ(Columns(*chooser),
              "TOTAL_PRODUCTION,LIQUID_PRODUCTION,OIL_PRODUCTION,LPG_PRODUCTION,CONDENSATE_PRODUCTION,"
              "GAS_PRODUCTION");
    field->PopulateHydrocarbonTypes(chooser, 2, 1);
    EXPECT_EQ(chooser->Rows()[3].Args,
              (std::vector<std::string>{"LPG", "PEAK_LPG_PRODUCTION", "Oil_Production",
                                        root->Units()->UnitLabel("Oil_Production", "")}));
    field->PopulateHydrocarbonTypes(chooser, 2, 0);
    EXPECT_EQ(chooser->Rows()[5].Args.at(1), "CURR_YR_GAS_PRODUCTION");
}

TEST_F(ChoiceFills, LicenceReferencesReplaceTheListOnceTheirStatementRuns) {
    auto list = List("References");
    list->AddItem("Old");
    block->PopulateLicenceReferenceList(list, "11,12");
    const auto expected =
        Db("SELECT DISTINCT Licence_Reference FROM Block WHERE Sector_Code IN (11, 12) ORDER BY "
           "Licence_Reference");
    ASSERT_EQ(list->ListCount(), static_cast<int32_t>(expected.size()));
    for (int32_t i = 0; i < list->ListCount(); ++i) {
        EXPECT_EQ(list->List(i), expected[static_cast<size_t>(i)]);
        EXPECT_EQ(list->ItemData(i), -1);
    }
    block->PopulateLicenceReferenceList(list, "11,12");
    EXPECT_EQ(list->ListCount(), static_cast<int32_t>(expected.size()));

    // A statement that cannot run leaves the rows as they were.
    root->SetOption("SQL_LICENCE_REFERENCE_IN_SECTORS", "");
    block->PopulateLicenceReferenceList(list, "11");
    EXPECT_EQ(list->ListCount(), static_cast<int32_t>(expected.size()));
    EXPECT_TRUE(
        RecordsCall(Dialog(), "PopulateLicenceReferenceList(ctl.Name='References', sSelectedSectors='11')"));

    // Sector text that is no list of numbers is the user's mistake, shown as such.
    block->PopulateLicenceReferenceList(list, "11) OR (1=1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "User Input Error");
    EXPECT_TRUE(Contains(messages[0].text, "11) OR (1=1")) << messages[0].text;
    EXPECT_EQ(list->ListCount(), static_cast<int32_t>(expected.size()));
}

TEST_F(ChoiceFills, AwardRoundListsAreClearedThenFilledEachFromItsOwnStatement) {
    auto number = List("Number"), date = List("Date"), descriptor = List("Descriptor");
    for (auto& l : {number, date, descriptor}) l->AddItem("Old");
    block->PopulateAwardRoundLists(number, date, descriptor, "21");
    const auto rounds =
        Db("SELECT DISTINCT Licence_Round FROM Block WHERE Sector_Code = 21 ORDER BY Licence_Round");
    const auto years = Db(
        "SELECT DISTINCT Licence_Round_Year FROM Block WHERE Sector_Code = 21 ORDER BY Licence_Round_Year");
    ASSERT_FALSE(rounds.empty());
    ASSERT_EQ(number->ListCount(), static_cast<int32_t>(rounds.size()));
    EXPECT_EQ(number->List(0), rounds[0]);
    ASSERT_EQ(date->ListCount(), static_cast<int32_t>(years.size()));
    EXPECT_EQ(date->List(date->ListCount() - 1), years.back());
    EXPECT_GT(descriptor->ListCount(), 0);
    EXPECT_EQ(Dialog(), "");

    // Null values are left out; the year statement failing leaves the number
    // list full, the year list empty and the descriptor list empty.
    root->SetOption(
        "SQL_AWARD_ROUND_NUMBER",
        "SELECT 3 AS Licence_Round WHERE 21 IN (<SectorCodes>) UNION ALL SELECT NULL UNION ALL SELECT 5");
    root->SetOption("SQL_AWARD_ROUND_YEAR", "SELECT Licence_Round_Year FROM Nowhere");
    block->PopulateAwardRoundLists(number, date, descriptor, "21");
    EXPECT_EQ(number->Print(), "3|0\n5|0\n");
    EXPECT_EQ(date->ListCount(), 0);
    EXPECT_EQ(descriptor->ListCount(), 0);
    EXPECT_TRUE(RecordsCall(Dialog(),
                            "PopulateAwardRoundLists(ctlNumber.Name='Number', ctlDate.Name='Date', "
                            "ctlDescriptor.Name='Descriptor', sSelectedSectors='21')"))
        << Dialog();
}

TEST_F(ChoiceFills, FixedListsAndTheBasinList) {
    auto status = List("Status");
    company->PopulateOperatorStatusList(status);
    company->PopulateOperatorStatusList(status);
    EXPECT_EQ(status->Print(), "Operator|0\nNon-Operator|0\nParticipant|0\n");
    auto options = List("Options");
    company->PopulateSearchOptionsList(options);
    EXPECT_EQ(options->Print(), "Overlapping|0\nNon-Overlapping|0\nAll|0\n");

    auto basins = List("Basins", true);
    basins->AddItem("zeta");
    block->PopulateBasinList(basins);
    block->PopulateBasinList(basins);
    EXPECT_EQ(basins->Print(), "Data|1\nData|1\nzeta|0\n")
        << "item values follow their rows in a sorted list";
}

TEST_F(ChoiceFills, AnnualYearsAndTheDiscountDate) {
    auto years = List("Years");
    field->PopulateAnnualYears(years);
    ASSERT_EQ(years->ListCount(), 2050 - 1970 + 1);
    EXPECT_EQ(years->List(0), "1970");
    EXPECT_EQ(years->List(80), "2050");

    root->SetOption("ANNUAL_DATA_START_YEAR", "2001");
    root->SetOption("ANNUAL_DATA_END_YEAR", "2001");
    auto one = List("One");
    field->PopulateAnnualYears(one);
    EXPECT_EQ(one->Print(), "2001|0\n");
    root->SetOption("ANNUAL_DATA_START_YEAR", "2003");
    field->PopulateAnnualYears(one);
    EXPECT_EQ(one->ListCount(), 1) << "a start after the end adds nothing";
    root->SetOption("ANNUAL_DATA_START_YEAR", "");
    Error e = CaughtError([&] { field->PopulateAnnualYears(one); });
    EXPECT_EQ(e.Number(), rt::kTypeMismatch);
    EXPECT_TRUE(Contains(e.Description(), "CListField.IListField_PopulateAnnualYears(ctl.Name='One')"));

    // Read once and kept, even when the data set's value changes.
    EXPECT_EQ(field->RemainingReservesDiscountDate(), "2024-01-01");
    root->SetOption("SQL_DISCOUNT_DATE", "SELECT '1999-12-31' AS Value");
    EXPECT_EQ(field->RemainingReservesDiscountDate(), "2024-01-01");

    // A value that cannot be read is asked for again next time.
    auto fresh = New<CListField>();
    root->SetOption("SQL_DISCOUNT_DATE", "SELECT NULL AS Value");
    e = CaughtError([&] { fresh->RemainingReservesDiscountDate(); });
    EXPECT_EQ(e.Number(), rt::kInvalidNull);
    EXPECT_TRUE(Contains(e.Description(), "CListField.IListField_RemainingReservesDiscountDate()"));
    root->SetOption("SQL_DISCOUNT_DATE", "SELECT '2030-06-30' AS Value");
    EXPECT_EQ(fresh->RemainingReservesDiscountDate(), "2030-06-30");
}

}  // namespace
