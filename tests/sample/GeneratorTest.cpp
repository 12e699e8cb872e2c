#include <gtest/gtest.h>

#include <filesystem>
#include <pugixml.hpp>

#include "SampleFiles.h"
#include "SampleProfile.h"
#include "SampleTestSupport.h"
#include "SampleText.h"
#include "platform/runtime/Codepage.h"
#include "platform/runtime/Text.h"
#include "support/ErrorAssert.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string Value(const pugi::xml_document& doc, const char* path) {
    return doc.document_element().select_node(path).node().text().as_string();
}

pugi::xml_document LoadXml(const std::string& path) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_file(path.c_str())) << path;
    return doc;
}

TEST(SampleFolder, LayoutSettingsAndDefaultQuery) {
    const std::string& folder = GeneratedFolder();
    for (const char* file :
         {"Core/Database/Terralith.db", "Core/Database/Annual.db", "Core/Database/Notes.db",
          "Core/Database/Options.ini", "Default/Default.xml", "Quartz/indGB.dat", "Quartz/indNO.dat",
          "Translations.xml", "Terralith.settings.xml"})
        EXPECT_TRUE(fs::is_regular_file(folder + file)) << file;
    for (const char* sub : {"Core/Cache", "Core/Notes", "User"})
        EXPECT_TRUE(fs::is_directory(folder + sub)) << sub;
    // Nothing half-written is left beside the files.
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        EXPECT_FALSE(EndsWith(entry.path().string(), ".tmp")) << entry.path();

    pugi::xml_document settings = LoadXml(folder + "Terralith.settings.xml");
    EXPECT_STREQ(settings.document_element().name(), "Terralith");
    EXPECT_EQ(Value(settings, "Options/Paths/DataFolder"), folder);
    EXPECT_TRUE(fs::path(Value(settings, "Options/Paths/DataFolder")).is_absolute());
    EXPECT_TRUE(fs::is_directory(Value(settings, "Options/Paths/UserDataFolder")));
    EXPECT_EQ(Value(settings, "Options/Files/CoreDatabase"), "Terralith.db");
    EXPECT_EQ(Value(settings, "Options/Files/NotesDatabase"), "Notes.db");
    EXPECT_TRUE(fs::is_regular_file(Value(settings, "Options/Files/i18N")));
    EXPECT_EQ(Value(settings, "Options/Connection/DataProvider"), "SQLite");
    EXPECT_EQ(Value(settings, "Options/Connection/ConnectionString"), "Data Source=");
    EXPECT_EQ(Value(settings, "Options/Connection/ConnectionStringADOX"), "Data Source=");
    EXPECT_EQ(Value(settings, "Options/Connection/ConnectionType"), "file");
    EXPECT_EQ(Value(settings, "Options/DefaultQueryFile"), "Default.xml");
    EXPECT_EQ(Value(settings, "QueryManager/Query/Options/DefaultQueryFile"), "Default.xml");
    // The units the build put in are the sample's own, category for category.
    pugi::xml_document units = LoadXml(std::string(TERRALITH_SAMPLE_SOURCE) + "/Units.xml");
    const size_t categories = units.document_element().select_nodes("Category").size();
    EXPECT_GT(categories, 5u);
    EXPECT_EQ(settings.document_element().select_nodes("Units/Category").size(), categories);
    // Every unit category the field catalogue names is one the units component knows.
    ReadDb db(folder + "Core/Database/Terralith.db");
    const Rows used = db.Query("SELECT DISTINCT Category FROM FieldChooser WHERE Category <> ''");
    EXPECT_GT(used.size(), 5u);
    for (const auto& row : used) {
        bool known = false;
        for (const auto& c : settings.document_element().select_nodes("Units/Category"))
            known = known || EqualsNoCase(c.node().attribute("ID").as_string(), *row[0]);
        EXPECT_TRUE(known) << "unit category " << *row[0];
    }
    EXPECT_EQ(ReadWholeFile(folder + "Translations.xml"),
              ReadWholeFile(std::string(TERRALITH_SAMPLE_SOURCE) + "/Translations.xml"));

    const std::string ini = ReadWholeFile(folder + "Core/Database/Options.ini");
    EXPECT_NE(ini.find("[Startup]"), std::string::npos);
    EXPECT_NE(ini.find("CheckAttachedTables=yes"), std::string::npos);

    pugi::xml_document query = LoadXml(folder + "Default/" + Value(settings, "Options/DefaultQueryFile"));
    EXPECT_STREQ(query.document_element().name(), "Query");
    EXPECT_EQ(Value(query, "Options/AssetType"), "Field");
    EXPECT_EQ(Value(query, "Options/GrossNet"), "Gross");
    for (const char* set : {"General/CompanyDetail", "General/LocationDetail", "Block/BlockDetail",
                            "Field/FieldDetail", "Well/WellDetail", "Transport/TransportDetail"}) {
        pugi::xml_node root =
            query.document_element().select_node((std::string("Parameters/") + set).c_str()).node();
        ASSERT_TRUE(root) << set;
        // The palette is put in below an element that is already there.
        pugi::xml_node first = root.first_child();
        if (std::string(set) == "General/CompanyDetail" &&
            std::string(first.name()) == "CompetitorAnalysis") {
            EXPECT_FALSE(first.first_child()) << "CompetitorAnalysis should start empty";
            first = first.next_sibling();
        }
        EXPECT_FALSE(first) << set << " should start empty";
    }
    EXPECT_TRUE(query.document_element().select_node("Parameters/General/CompanyDetail/CompetitorAnalysis"));
}

TEST(SampleFolder, TheBuildsOwnDataSetPointsAtItself) {
    const std::string folder = SampleDataFolder();
    pugi::xml_document settings = LoadXml(folder + "Terralith.settings.xml");
    EXPECT_EQ(fs::weakly_canonical(Value(settings, "Options/Paths/DataFolder")),
              fs::weakly_canonical(folder));
    EXPECT_TRUE(
        fs::is_regular_file(folder + "Core/Database/" + Value(settings, "Options/Files/CoreDatabase")));
    EXPECT_TRUE(fs::is_regular_file(Value(settings, "Options/Files/i18N")));
}

TEST(SampleGenerator, SameSeedSameBytesOtherSeedOtherData) {
    TempDir dir;
    SampleGenerator::Generate(SampleOptionsFor(dir.Path() + "one", 120, 7));
    SampleGenerator::Generate(SampleOptionsFor(dir.Path() + "two", 120, 7));
    SampleGenerator::Generate(SampleOptionsFor(dir.Path() + "three", 120, 8));
    for (const char* file :
         {"Core/Database/Terralith.db", "Core/Database/Annual.db", "Core/Database/Notes.db",
          "Quartz/indGB.dat", "Quartz/indNO.dat", "Default/Default.xml"}) {
        const std::string one = ReadWholeFile(dir.Path() + "one/" + file);
        EXPECT_GT(one.size(), 0u) << file;
        EXPECT_TRUE(one == ReadWholeFile(dir.Path() + "two/" + file)) << file << " differs between two runs";
    }
    EXPECT_FALSE(ReadWholeFile(dir.Path() + "one/Core/Database/Terralith.db") ==
                 ReadWholeFile(dir.Path() + "three/Core/Database/Terralith.db"));
    const std::string names =
        "SELECT group_concat(Field_Name) FROM (SELECT Field_Name FROM Field ORDER BY Field_Code)";
    EXPECT_NE(ReadDb(dir.Path() + "one/Core/Database/Terralith.db").Scalar(names),
              ReadDb(dir.Path() + "three/Core/Database/Terralith.db").Scalar(names));

    // A second run into the same folder replaces what is there, with the same result.
    SampleGenerator::Generate(SampleOptionsFor(dir.Path() + "one", 120, 7));
    EXPECT_TRUE(ReadWholeFile(dir.Path() + "one/Core/Database/Terralith.db") ==
                ReadWholeFile(dir.Path() + "two/Core/Database/Terralith.db"));
}

TEST(SampleGenerator, ScalesWithTheFieldsAsked) {
    TempDir dir;
    SampleGenerator::Generate(SampleOptionsFor(dir.Path() + "none", 0));
    ReadDb none(dir.Path() + "none/Core/Database/Terralith.db");
    EXPECT_EQ(none.Scalar("SELECT count(*) FROM Field"), "0");
    EXPECT_EQ(none.Scalar("SELECT count(*) FROM Well"), "0");
    EXPECT_GT(Val(none.Scalar("SELECT count(*) FROM Options")), 40);
    const std::vector<std::string> empty = IndexRecords(dir.Path() + "none/Quartz/indGB.dat");
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(IndexField(empty[0], 1), "0");

    SampleGenerator::Generate(SampleOptionsFor(dir.Path() + "big", 1500));
    ReadDb big(dir.Path() + "big/Core/Database/Terralith.db");
    ReadDb small(DatabaseFolder() + "Terralith.db");
    EXPECT_EQ(big.Scalar("SELECT count(*) FROM Field"), "1500");
    for (const char* table : {"Well", "Block", "Transport", "FieldInterest"}) {
        const double ratio = Val(big.Scalar(std::string("SELECT count(*) FROM ") + table)) /
                             Val(small.Scalar(std::string("SELECT count(*) FROM ") + table));
        EXPECT_GT(ratio, 3.5) << table;
        EXPECT_LT(ratio, 6.5) << table;
    }
    // Spreads: every country of the reference data holds fields, the UK and Norway most.
    EXPECT_EQ(big.Scalar("SELECT count(DISTINCT Country_Code) FROM Field"),
              big.Scalar("SELECT count(*) FROM Country"));
    EXPECT_EQ(big.Scalar("SELECT group_concat(Country_Code) FROM (SELECT Country_Code FROM Field GROUP BY "
                         "Country_Code ORDER BY count(*) DESC LIMIT 2)"),
              "GB,NO");
    EXPECT_GT(
        Val(big.Scalar("SELECT max(REC_R_TOTAL) / min(REC_R_TOTAL) FROM Field WHERE FIELD_GROUPING = 0")),
        100);
}

TEST(SampleGenerator, CommandLineAndBadInput) {
    const SampleOptions o = SampleGenerator::ParseArguments(
        {"out", "--fields", "12", "--seed=99", "--units", "u.xml", "--translations=t.xml"});
    EXPECT_EQ(o.outFolder, "out");
    EXPECT_EQ(o.fields, 12);
    EXPECT_EQ(o.seed, 99u);
    EXPECT_EQ(o.unitsFile, "u.xml");
    EXPECT_EQ(o.translationsFile, "t.xml");
    EXPECT_EQ(SampleGenerator::ParseArguments({"out"}).fields, 300);

    using Args = std::vector<std::string>;
    for (const Args& bad :
         {Args{}, Args{"a", "b"}, Args{"out", "--fields"}, Args{"out", "--fields", "-1"},
          Args{"out", "--fields", "100001"}, Args{"out", "--fields", "12x"}, Args{"out", "--fields", ""},
          Args{"out", "--seed", "-3"}, Args{"out", "--colour", "red"}, Args{""}})
        EXPECT_RAISES(rt::kInvalidCall, SampleGenerator::ParseArguments(bad)) << Join(bad, " ");

    TempDir dir;
    // A file where the data folder should go.
    const std::string blocked = dir.Write("blocked", "not a folder");
    EXPECT_RAISES(rt::kPathFileAccess, SampleGenerator::Generate(SampleOptionsFor(blocked, 5)));
    // A units file that is not XML stops the run before anything is written.
    SampleOptions o2 = SampleOptionsFor(dir.Path() + "badunits", 5);
    o2.unitsFile = dir.Write("units.xml", "<Units><Category ID=\"x\"></Units>");
    EXPECT_RAISES(rt::kInvalidCall, SampleGenerator::Generate(o2));
    EXPECT_FALSE(fs::exists(dir.Path() + "badunits"));
    // Without the units and translation files the data set still stands, with
    // an empty Units element and an empty translation file.
    SampleOptions o3 = SampleOptionsFor(dir.Path() + "bare", 5);
    o3.unitsFile = dir.Path() + "missing.xml";
    o3.translationsFile = "";
    SampleGenerator::Generate(o3);
    pugi::xml_document settings = LoadXml(dir.Path() + "bare/Terralith.settings.xml");
    ASSERT_TRUE(settings.document_element().child("Units"));
    EXPECT_FALSE(settings.document_element().child("Units").first_child());
    EXPECT_TRUE(settings.document_element().child("QueryManager").child("Query"));
    EXPECT_STREQ(LoadXml(dir.Path() + "bare/Translations.xml").document_element().name(), "Translations");
}

SampleProfile::Inputs ProfileInputs(int firstYear, double reserves, ProductShares shares) {
    SampleProfile::Inputs in;
    in.firstYear = firstYear;
    in.dataYear = 2024;
    in.reserves = reserves;
    in.shares = shares;
    return in;
}

TEST(SampleProfile, BuildUpPlateauDeclineThatAddsUpToTheReserves) {
    for (uint64_t seed : {1u, 2u, 3u, 4u, 5u}) {
        SampleRandom rnd(seed);
        // At most three years of build-up, four on plateau and 39 of decline:
        // a field from 1975 has run its course by the data year.
        const SampleProfile::Inputs in = ProfileInputs(1975, 150, {0.6, 0.05, 0.03, 0.32});
        SampleProfile p(in, rnd);
        double produced = 0, gas = 0;
        const std::vector<AnnualFigures>& years = p.Years();
        for (const AnnualFigures& a : years) {
            produced += a.Total() * 0.365;
            gas += a.gas * 0.365;
            if (a.year < in.firstYear) {
                EXPECT_EQ(a.Total(), 0) << "production before first production";
            }
            if (a.year > p.LastProductionYear()) {
                EXPECT_GT(a.abandonment, 0);
            }
        }
        EXPECT_NEAR(produced, 150, 1e-6);
        EXPECT_NEAR(gas, 150 * 0.32 * SampleProfile::kMscfPerBoe, 1e-6);
        EXPECT_EQ(years.front().year, 1972) << "spend starts three years before first production";
        EXPECT_GT(years.front().Capex(), 0);
        // Rates never fall before the peak and never rise after it.
        bool pastPeak = false;
        for (size_t i = 1; i < years.size(); ++i) {
            if (years[i].year == p.Peak().year) pastPeak = true;
            if (years[i].year <= p.FirstProductionYear()) continue;
            if (!pastPeak) {
                EXPECT_GE(years[i].Total() + 1e-9, years[i - 1].Total()) << years[i].year;
            } else if (years[i].year > p.Peak().year) {
                EXPECT_LE(years[i].Total(), years[i - 1].Total() + 1e-9) << years[i].year;
            }
        }
        EXPECT_NEAR(p.CumTotal(), produced, 1e-6) << "an old field is fully produced by the data year";
        EXPECT_EQ(p.DataYearFigures()->Total(), 0);
    }
    SampleRandom rnd(9);
    SampleProfile p(ProfileInputs(2030, 40, {1, 0, 0, 0}), rnd);
    EXPECT_FALSE(p.DataYearFigures().has_value());
    EXPECT_EQ(p.CumTotal(), 0);

    EXPECT_NEAR(*SampleProfile::InternalRateOfReturn({-100, 110}), 10, 1e-6);
    EXPECT_NEAR(*SampleProfile::InternalRateOfReturn({-100, 0, 121}), 10, 1e-6);
    EXPECT_NEAR(*SampleProfile::InternalRateOfReturn({-100, 90}), -10, 1e-6);
    EXPECT_FALSE(SampleProfile::InternalRateOfReturn({100, 100}).has_value());
    EXPECT_NEAR(SampleProfile::Nominal(100, 2026, 2024), 100 * 1.025 * 1.025, 1e-9);
}

TEST(SampleText, WindowsCodePageAndMnemonics) {
    EXPECT_EQ(ToWindows1252("Frøya Blåbær €"),
              "Fr\xF8ya Bl\xE5"
              "b\xE6r \x80");
    EXPECT_EQ(FromWindows1252("Fr\xF8ya Bl\xE5"
                              "b\xE6r \x80"),
              "Frøya Blåbær €");
    EXPECT_EQ(ToWindows1252("Ωmega"), "?mega");
    EXPECT_EQ(AsciiMnemonic("Blåbær North", 10), "BLABAERNOR");
    EXPECT_EQ(AsciiMnemonic("ap Gwilym", 10), "APGWILYM");
    EXPECT_EQ(IsoDate(1975, 3, 7), "1975-03-07");
    EXPECT_EQ(IntTextPadded(42, 7), "0000042");
}

}  // namespace
