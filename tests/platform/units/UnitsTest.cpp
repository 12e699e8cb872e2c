#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/runtime/Error.h"
#include "platform/units/Units.h"
#include "platform/xml/cvSettings.h"
#include "support/ErrorAssert.h"

namespace {

const char* const kDefinitions = R"(<Units>
  <Category ID="OilVolume" Name="Oil volume" DatabaseUnit="MMbbl" Default="Mbbl">
    <Unit ID="MMbbl" Label="MMbbl" Factor="1"/>
    <Unit ID="Mbbl" Label="Mbbl" Factor="1000"/>
    <Unit ID="MMm3" Label="MMm³" Factor="0.158987294928"/>
  </Category>
  <!-- a comment between categories is allowed -->
  <Category ID="Depth" DatabaseUnit="m">
    <Unit ID="m" Factor="1"/>
    <Unit ID="ft" Label="ft" Factor="3.28083989501312"/>
  </Category>
  <Category ID="Temperature" DatabaseUnit="degC" Default="degF">
    <Unit ID="degC" Label="°C" Factor="1"/>
    <Unit ID="degF" Label="°F" Factor="1.8" Offset="32"/>
  </Category>
</Units>)";

bool Contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class UnitsTest : public ::testing::Test {
protected:
    void SetUp() override { units.LoadDefinitions(kDefinitions); }
    Units units;
};

TEST_F(UnitsTest, ConvertsBothWaysIncludingOffsets) {
    EXPECT_DOUBLE_EQ(units.Convert(2.5, "OilVolume", "Mbbl"), 2500);
    EXPECT_DOUBLE_EQ(units.Convert(10, "OilVolume", "MMm3"), 1.58987294928);
    EXPECT_DOUBLE_EQ(units.ToDatabaseUnit(1.58987294928, "OilVolume", "MMm3"), 10);
    EXPECT_DOUBLE_EQ(units.ToDatabaseUnit(3280.83989501312, "Depth", "ft"), 1000);
    EXPECT_DOUBLE_EQ(units.Convert(100, "Temperature", "degF"), 212);
    EXPECT_DOUBLE_EQ(units.Convert(-40, "Temperature", "degF"), -40);
    EXPECT_DOUBLE_EQ(units.ToDatabaseUnit(32, "Temperature", "degF"), 0);
    EXPECT_DOUBLE_EQ(units.ToDatabaseUnit(212, "Temperature", "degF"), 100);
    // The database unit leaves values alone.
    EXPECT_DOUBLE_EQ(units.Convert(123.456, "Depth", "m"), 123.456);
}

TEST_F(UnitsTest, IdsIgnoreCaseAndBlanksAndAnEmptyUnitIsTheDefault) {
    EXPECT_EQ(units.DefaultUnit("oilvolume"), "Mbbl");
    EXPECT_EQ(units.DefaultUnit("Depth"), "m");  // no Default: the database unit
    EXPECT_EQ(units.DatabaseUnit("OILVOLUME"), "MMbbl");
    EXPECT_EQ(units.UnitLabel("OilVolume", "mmm3"), "MMm³");
    EXPECT_EQ(units.UnitLabel(" depth ", " M "), "m");  // no Label: the id
    EXPECT_EQ(units.UnitLabel("Temperature", ""), "°F");
    EXPECT_DOUBLE_EQ(units.Convert(1, "OilVolume", ""), 1000);
    EXPECT_DOUBLE_EQ(units.ToDatabaseUnit(1000, "OilVolume", "  "), 1);
    EXPECT_EQ(units.CategoryName("oilVolume"), "Oil volume");
    EXPECT_EQ(units.CategoryName("Depth"), "Depth");

    Ref<Unit> u = units.GetUnit("OILVOLUME", "mmM3");
    EXPECT_EQ(u->Label(), "MMm³");
    EXPECT_EQ(u->ID(), "MMm3");
    EXPECT_EQ(u->Category(), "OilVolume");
    EXPECT_DOUBLE_EQ(u->Factor(), 0.158987294928);
    EXPECT_DOUBLE_EQ(u->Offset(), 0);
    EXPECT_DOUBLE_EQ(units.GetUnit("Temperature", "DEGF")->Offset(), 32);

    EXPECT_EQ(units.CategoryIDs(), (std::vector<std::string>{"OilVolume", "Depth", "Temperature"}));
    EXPECT_EQ(units.UnitIDs("depth"), (std::vector<std::string>{"m", "ft"}));
}

TEST_F(UnitsTest, UnknownCategoriesAndUnitsRaiseNamingThem) {
    const int32_t unknown = static_cast<int32_t>(0x80041837u);
    Error e = CaughtError([&] { units.Convert(1, "Salinity", "ppm"); });
    EXPECT_EQ(e.Number(), unknown);
    EXPECT_TRUE(Contains(e.Description(), "Salinity")) << e.Description();

    e = CaughtError([&] { units.ToDatabaseUnit(1, "OilVolume", "tonnes"); });
    EXPECT_EQ(e.Number(), unknown);
    EXPECT_TRUE(Contains(e.Description(), "tonnes")) << e.Description();
    EXPECT_TRUE(Contains(e.Description(), "OilVolume")) << e.Description();

    EXPECT_EQ(CaughtError([&] { units.DefaultUnit(""); }).Number(), unknown);
    EXPECT_EQ(CaughtError([&] { units.GetUnit("Depth", "km"); }).Number(), unknown);
    EXPECT_EQ(CaughtError([&] { units.UnitLabel("Depth", "Mbbl"); }).Number(), unknown);
    EXPECT_EQ(CaughtError([&] { units.UnitIDs("Nothing"); }).Number(), unknown);

    // UnitExists answers instead of raising.
    EXPECT_TRUE(units.UnitExists("depth", "FT"));
    EXPECT_TRUE(units.UnitExists("Depth", ""));
    EXPECT_FALSE(units.UnitExists("Depth", "Mbbl"));
    EXPECT_FALSE(units.UnitExists("Salinity", "ppm"));
    EXPECT_FALSE(units.UnitExists("", ""));
}

TEST_F(UnitsTest, MalformedDefinitionsRaiseNamingTheCategoryAndKeepTheEarlierOnes) {
    const int32_t bad = static_cast<int32_t>(0x8004183Cu);
    struct Case {
        std::string xml;
        const char* named;
    };
    std::string deep = R"(<Units><Category ID="Gas" DatabaseUnit="bcf"><Unit ID="bcf" Factor="1">)";
    for (int i = 0; i < 300; ++i) deep += "<x>";
    for (int i = 0; i < 300; ++i) deep += "</x>";
    deep += "</Unit></Category></Units>";
    const Case cases[] = {
        {R"(<Units><Category ID="Gas" DatabaseUnit="bcf"><Unit ID="bcf"/></Category></Units>)", "Gas"},
        {R"(<Units><Category ID="Gas" DatabaseUnit="bcf"><Unit ID="bcf" Factor="one"/></Category></Units>)",
         "Gas"},
        {R"(<Units><Category ID="Gas" DatabaseUnit="bcf"><Unit ID="bcf" Factor="1"/><Unit ID="tcf" Factor="0"/></Category></Units>)",
         "tcf"},
        {R"(<Units><Category ID="Gas" DatabaseUnit="bcf"><Unit ID="bcf" Factor="1" Offset="x"/></Category></Units>)",
         "Gas"},
        {R"(<Units><Category ID="Gas" DatabaseUnit="bcf" Default="bcm"><Unit ID="bcf" Factor="1"/></Category></Units>)",
         "Gas"},
        {R"(<Units><Category ID="Gas" DatabaseUnit="tcf"><Unit ID="bcf" Factor="1"/><Unit ID="tcf" Factor="0.001"/></Category></Units>)",
         "Gas"},
        {R"(<Units><Category ID="Gas" DatabaseUnit="bcf"><Unit ID="bcf" Factor="1" Offset="5"/></Category></Units>)",
         "unit category 'Gas': the DatabaseUnit 'bcf' must have the Factor 1 and no Offset."},
        {R"(<Units><Category ID="Gas"><Unit ID="bcf" Factor="1"/></Category></Units>)", "Gas"},
        // A name is quoted on one line, whatever the settings put in it.
        {R"(<Units><Category ID="G&#10;as"><Unit ID="bcf" Factor="1"/></Category></Units>)",
         "unit category 'G\\nas': the DatabaseUnit ''"},
        {R"(<Units><Category ID="Gas" DatabaseUnit="bcf"></Category></Units>)", "Gas"},
        {R"(<Units><Category ID="Gas" DatabaseUnit="bcf"><Unit ID="bcf" Factor="1"/><Unit ID="BCF" Factor="1"/></Category></Units>)",
         "BCF"},
        {R"(<Units><Category ID="Gas" DatabaseUnit="bcf"><Unit ID="bcf" Factor="1"/></Category><Category ID="GAS" DatabaseUnit="x"><Unit ID="x" Factor="1"/></Category></Units>)",
         "GAS"},
        {R"(<Units><Category ID="Gas" DatabaseUnit="bcf"><Unit ID="bcf" Factor="1"/><Unt ID="tcf" Factor="0.001"/></Category></Units>)",
         "Unt"},
        {R"(<Units><Catgory ID="Gas"/></Units>)", "Catgory"},
        {R"(<Units><Category DatabaseUnit="bcf"><Unit ID="bcf" Factor="1"/></Category></Units>)", "no ID"},
        {R"(<Settings><Units/></Settings>)", "Settings"},
        {R"(<Units><Category ID="Gas">)", "cannot be read"},
        {"", "cannot be read"},
        {deep, "nested deeper than 256 levels"},
    };
    for (const Case& c : cases) {
        Error e = CaughtError([&] { units.LoadDefinitions(c.xml); });
        EXPECT_EQ(e.Number(), bad) << c.xml;
        EXPECT_TRUE(Contains(e.Description(), c.named)) << c.xml << "\n" << e.Description();
    }
    // None of the failures touched what was loaded before.
    EXPECT_EQ(units.CategoryIDs().size(), 3u);
    EXPECT_DOUBLE_EQ(units.Convert(1, "OilVolume", "Mbbl"), 1000);

    // An empty element is sound and knows no categories.
    units.LoadDefinitions("<Units/>");
    EXPECT_TRUE(units.CategoryIDs().empty());
    EXPECT_FALSE(units.UnitExists("OilVolume", "Mbbl"));
}

TEST_F(UnitsTest, UnitsHandedOutSurviveNewDefinitions) {
    Ref<Unit> u = units.GetUnit("OilVolume", "MMm3");
    units.LoadDefinitions(
        R"(<Units><Category ID="Depth" DatabaseUnit="m"><Unit ID="m" Factor="1"/></Category></Units>)");
    EXPECT_DOUBLE_EQ(u->FromDatabase(1), 0.158987294928);
    EXPECT_FALSE(units.UnitExists("OilVolume", "MMm3"));
}

TEST(SampleUnits, EveryUnitRoundTripsAndTheNamedQuantitiesExist) {
    Units units;
    units.LoadDefinitions(ReadFile(TERRALITH_SOURCE_SAMPLE "/Units.xml"));

    size_t unitCount = 0;
    for (const std::string& category : units.CategoryIDs()) {
        EXPECT_TRUE(units.UnitExists(category, units.DefaultUnit(category))) << category;
        EXPECT_DOUBLE_EQ(units.Convert(7.25, category, units.DatabaseUnit(category)), 7.25) << category;
        for (const std::string& unit : units.UnitIDs(category)) {
            ++unitCount;
            for (double v : {0.0, 1.0, 1234.5678, -0.001, 9.87e9}) {
                double back = units.ToDatabaseUnit(units.Convert(v, category, unit), category, unit);
                EXPECT_NEAR(back, v, 1e-12 * std::max(1.0, std::abs(v))) << category << " " << unit;
            }
        }
    }
    EXPECT_GT(unitCount, 80u);

    // The quantities the criteria screens and choosers ask for by name.
    for (const char* quantity :
         {"Total_Reserves", "Liquids_Reserves", "Oil_Reserves", "Gas_Reserves", "Total_Production",
          "Liquids_Production", "Oil_Production", "Gas_Production", "Pipeline Length", "Pipeline Diameter",
          "Oil Pipeline Capacity", "Gas Pipeline Capacity", "Oil Tanker Capacity"}) {
        EXPECT_FALSE(units.GetUnit(quantity, units.DefaultUnit(quantity))->Label().empty()) << quantity;
    }

    // Real conversion factors.
    EXPECT_NEAR(units.Convert(1, "OilVolume", "m3"), 158987.294928, 1e-6);
    EXPECT_NEAR(units.Convert(1, "Gas_Reserves", "bcm"), 0.0283168466, 1e-10);
    EXPECT_NEAR(units.Convert(1000, "GasRate", "MMm3/d"), 28.316846592, 1e-9);
    EXPECT_NEAR(units.ToDatabaseUnit(1, "Length", "mi"), 1.609344, 1e-12);
    EXPECT_NEAR(units.Convert(1, "Area", "acres"), 247.105381, 1e-6);
    EXPECT_NEAR(units.Convert(1, "Energy", "GJ"), 6.1193e6, 1e2);
    EXPECT_EQ(units.DefaultUnit("Percentage"), "%");
    EXPECT_DOUBLE_EQ(units.Convert(0.25, "Percentage", ""), 25);
    EXPECT_EQ(units.DatabaseUnit("Depth"), "m");
    EXPECT_EQ(units.UnitLabel("Money", "MUSD"), "US$ million");
}

}  // namespace

namespace {

// The way the root hands the element over: select it in the application
// settings and give the units component a document standing on it.
Ref<ISettings2> UnitsElementOf(const std::string& sSettingsXML) {
    Ref<ISettings2> settings = New<cvSettings>();
    EXPECT_TRUE(settings->LoadXML(sSettingsXML));
    EXPECT_TRUE(settings->Select("Units"));
    return settings->Node();
}

TEST(UnitsSettings, ReadsTheElementItIsHandedAndRefusesAnotherOne) {
    Units units;
    units.Settings(UnitsElementOf("<Settings><Options><Files i18N=''/></Options>" +
                                  ReadFile(TERRALITH_SOURCE_SAMPLE "/Units.xml") +
                                  "<QueryManager/></Settings>"));
    EXPECT_EQ(units.DefaultUnit("oil_reserves"), "MMbbl");
    EXPECT_EQ(units.UnitLabel("Gas_Production", "mmm3/d"), "MMm³/d");
    EXPECT_NEAR(units.ToDatabaseUnit(1000, "Pipeline Length", "mi"), 1609.344, 1e-9);

    // A corrupt element raises and the loaded definitions stay.
    Error e = CaughtError([&] {
        units.Settings(UnitsElementOf(
            R"(<Settings><Units><Category ID="Depth" DatabaseUnit="m" Default="fathom"><Unit ID="m" Factor="1"/></Category></Units></Settings>)"));
    });
    EXPECT_EQ(e.Number(), Units::kErrBadSettings);
    EXPECT_TRUE(Contains(e.Description(), "Depth")) << e.Description();
    EXPECT_TRUE(Contains(e.Description(), "fathom")) << e.Description();
    EXPECT_TRUE(units.UnitExists("Oil_Reserves", "MMm3"));

    // A document standing on another element is not a units definition.
    Ref<ISettings2> options = New<cvSettings>();
    options->LoadXML("<Settings><Options/><Units/></Settings>");
    options->Select("Options");
    EXPECT_EQ(CaughtError([&] { units.Settings(options->Node()); }).Number(), Units::kErrBadSettings);

    // Nothing handed over is a run-time error, not a crash.
    EXPECT_EQ(CaughtError([&] { units.Settings(Ref<ISettings2>()); }).Number(), 91);
}

}  // namespace
