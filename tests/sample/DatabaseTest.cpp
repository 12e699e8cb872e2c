#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "SampleTestSupport.h"
#include "SampleText.h"
#include "platform/runtime/Text.h"

namespace {

std::string Core() { return DatabaseFolder() + "Terralith.db"; }

// The core database with its linked tables reachable, as the data layer sees it
// once the links point at the database's own folder.
const ReadDb& Linked() {
    static ReadDb db(Core());
    static const bool attached = (db.Attach(DatabaseFolder()), true);
    (void)attached;
    return db;
}

TEST(SampleDatabase, OptionsHoldTheDataDescriptionOnceEach) {
    ReadDb db(Core());
    // Key and Value are text, Value never Null, and no key is a primary key:
    // the reader takes the first of rows that share a key.
    const Rows columns = db.Query("PRAGMA table_info(Options)");
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(*columns[0][1], "Key");
    EXPECT_EQ(*columns[1][1], "Value");
    EXPECT_EQ(*columns[1][3], "1") << "Value must be NOT NULL";
    for (const auto& c : columns) EXPECT_EQ(*c[5], "0") << *c[1] << " is part of a primary key";

    for (const char* key : {"MaxVersion", "MinVersion", "DataRelease", "DataYear", "ANNUAL_DATA_START_YEAR",
                            "ANNUAL_DATA_END_YEAR", "DISCOUNT_DATE"}) {
        EXPECT_EQ(db.Scalar(std::string("SELECT count(*) FROM Options WHERE [Key] = '") + key + "'"), "1")
            << key;
        EXPECT_FALSE(
            Trim(db.Scalar(std::string("SELECT Value FROM Options WHERE [Key] = '") + key + "'")).empty())
            << key;
    }
    const double start = Val(db.Scalar("SELECT Value FROM Options WHERE [Key] = 'ANNUAL_DATA_START_YEAR'"));
    const double end = Val(db.Scalar("SELECT Value FROM Options WHERE [Key] = 'ANNUAL_DATA_END_YEAR'"));
    const double year = Val(db.Scalar("SELECT Value FROM Options WHERE [Key] = 'DataYear'"));
    EXPECT_LE(start, year);
    EXPECT_LE(year, end);
    // Keys compare without regard to case: text columns are COLLATE NOCASE.
    EXPECT_EQ(db.Scalar("SELECT Value FROM Options WHERE [Key] = 'datayear'"),
              IntText(static_cast<int64_t>(year)));
    // The annual figures lie within the years the Options announce.
    EXPECT_GE(Val(Linked().Scalar("SELECT min(Prod_Year) FROM FieldAnnualTotal_Gross")), start);
    EXPECT_LE(Val(Linked().Scalar("SELECT max(Prod_Year) FROM FieldAnnualTotal_Gross")), end);
}

TEST(SampleDatabase, LinkedTablesPointAtAnotherFolderAndWorkOnceRepointed) {
    ReadDb db(Core());
    const Rows links = db.Query("SELECT Name, Datasource, ForeignName FROM LinkedTables ORDER BY Name");
    ASSERT_EQ(links.size(), 3u);
    const std::filesystem::path own = std::filesystem::path(DatabaseFolder()).parent_path();
    for (const auto& link : links) {
        SCOPED_TRACE(*link[0]);
        const std::filesystem::path source(*link[1]);
        // The start-up repair must have work to do: the stored folder is not ours.
        EXPECT_TRUE(source.is_absolute());
        EXPECT_FALSE(EqualsNoCase(source.parent_path().string(), own.string()));
        EXPECT_FALSE(std::filesystem::exists(source));
        // ... while a file of that name lies beside the core database.
        const std::string local = DatabaseFolder() + source.filename().string();
        ASSERT_TRUE(std::filesystem::exists(local));
        EXPECT_EQ(ReadDb(local).Scalar("SELECT count(*) FROM sqlite_master WHERE name = '" + *link[2] + "'"),
                  "1");
        // The core database itself must not hold what it links.
        EXPECT_EQ(db.Scalar("SELECT count(*) FROM sqlite_master WHERE name = '" + *link[0] + "'"), "0");
    }
    EXPECT_EQ(*links[0][0], "FieldAnnualTotal_Gross");
    EXPECT_EQ(*links[1][0], "FieldAnnualTotal_Net");
    EXPECT_EQ(*links[2][0], "FieldAnnualTransformed");
    // Re-pointed, the annual record set of a field query reads like any table.
    EXPECT_GT(Val(Linked().Scalar("SELECT count(*) FROM FieldAnnualTransformed A INNER JOIN Field F ON "
                                  "F.Field_Code = A.Field_Code WHERE A.Field_Name = F.Field_Name")),
              1000);
}

// Placeholders of the templates, filled as the library fills them.
std::string Fill(std::string sql) {
    static const std::map<std::string, std::string> values = {
        {"<lookup_type>", "'DEVSTATC', 'DEVSTATE'"},
        {"<SectorCodes>", "11,12,21"},
        {"<CountryCodes>", "'GB','NO'"},
        {"<DevStatuses>", "'ONSTREAM','UNDERDEV'"},
        {"<FILTER>", "Field"},
        {"<where>", " WHERE RIG_TYPE IN ('SEMISUB','JACKUP')"},
        {"<fieldcodes>", "1001,1002,1003"},
        {"<blockcodes>", "1,2,3,4"},
        {"<assetcodes/>", "1,2,3"},
        {"<Asset>", "Field"},
        {"<Grid>", "Assets"},
        {"<orderby/>", "ORDER BY A.Field_Name"}};
    for (const auto& [tag, value] : values) sql = Replace(sql, tag, value);
    return std::regex_replace(
        sql, std::regex("<(select|from|join|where|group|having|order|subselect)/>", std::regex::icase), "");
}

TEST(SampleDatabase, EveryStatementTemplateRunsOnTheData) {
    const ReadDb& db = Linked();
    // The keys the statement builders, record sets, look-ups and reference
    // lists fetch; each must be there.
    const std::set<std::string> needed = {"SQL_BLOCK",
                                          "SQL_FIELD",
                                          "SQL_WELL",
                                          "SQL_TRANSPORT",
                                          "SQL_FIELD_RESULTS",
                                          "SQL_WELL_RESULTS",
                                          "SQL_TRANSPORT_RESULTS",
                                          "SQL_BLOCK_RESULTS",
                                          "SQL_FIELD_ASSET_ORDERBY",
                                          "SQL_FIELD_PARTICIPANT_ORDERBY",
                                          "SQL_FIELD_ANNUAL_ORDERBY",
                                          "SQL_LOOKUP",
                                          "SQL_LOOKUP_BY_NAME",
                                          "SQL_LOCATION_LOOKUP",
                                          "SQL_ALL_BLOCK_IN_SECTORS",
                                          "SQL_NONRELINQ_BLOCK_IN_SECTORS",
                                          "SQL_FIELDS_IN_SECTORS",
                                          "SQL_LICENCE_REFERENCE_IN_SECTORS",
                                          "SQL_AWARD_ROUND_NUMBER",
                                          "SQL_AWARD_ROUND_YEAR",
                                          "SQL_AWARD_ROUND_DESCRIPTOR",
                                          "SQL_LICENCE_TYPES",
                                          "SQL_COMPANY_LOOKUP",
                                          "SQL_GEOLOGICAL_ERA",
                                          "SQL_GEOLOGICAL_PERIOD",
                                          "SQL_GEOLOGICAL_FORMATION",
                                          "SQL_GEOLOGICAL_ALL",
                                          "SQL_DISCOUNT_DATE",
                                          "SQL_WELLS_IN_SECTORS",
                                          "SQL_RIG_NAMES",
                                          "SQL_AWARD_ROUND_NUMBER_WELL",
                                          "SQL_AWARD_ROUND_YEAR_WELL",
                                          "SQL_AWARD_ROUND_DESCRIPTOR_WELL",
                                          "SQL_FIELDS_IN_COUNTRY",
                                          "SQL_TERMINALS_IN_COUNTRY",
                                          "SQL_TRANSPORT_SYSTEMS",
                                          "SQL_TRANSPORT_USER_FIELDS",
                                          "SQL_TRANSPORT_COUNTRY_BY_ASSET",
                                          "SQL_FIELD_CHOOSER_FIELDS",
                                          "SQL_WELL_CODE_BY_FIELD",
                                          "SQL_TRANSPORT_CODE_BY_FIELD",
                                          "SQL_FIELD_CODE_BY_BLOCK",
                                          "SQL_FIELD_CODE_BY_AGE",
                                          "SQL_FIELD_CODE_BY_ANNUAL_PRODUCTION"};
    std::set<std::string> present;
    // Tables a template's "<table/>" or FROM list stands for.
    const std::map<std::string, std::vector<std::string>> tables = {
        {"SQL_FIELD", {"FROM Field A", "FROM FieldParticipant A"}},
        {"SQL_BLOCK", {"FROM Block A", "FROM BlockParticipant A"}},
        {"SQL_FIELD_CODE_BY_ANNUAL_PRODUCTION", {"FROM FieldAnnualTotal_Gross", "FROM FieldAnnualTotal_Net"}},
        {"SQL_FIELD_RESULTS", {"Field", "FieldParticipant", "FieldAnnualTransformed"}},
        {"SQL_WELL_RESULTS", {"Well", "WellParticipant"}},
        {"SQL_BLOCK_RESULTS", {"Block", "BlockParticipant"}},
        {"SQL_TRANSPORT_RESULTS", {"Transport", "TransportParticipant"}}};
    for (const auto& row :
         db.Query("SELECT [Key], Value FROM Options WHERE [Key] LIKE 'SQL\\_%' ESCAPE '\\'")) {
        const std::string& key = *row[0];
        present.insert(key);
        if (EndsWith(key, "_ORDERBY")) {
            // Each order clause goes with the record set of its kind.
            const std::string table = key == "SQL_FIELD_ASSET_ORDERBY"         ? "Field"
                                      : key == "SQL_FIELD_PARTICIPANT_ORDERBY" ? "FieldParticipant"
                                                                               : "FieldAnnualTransformed";
            EXPECT_EQ(db.Runs("SELECT A.* FROM " + table + " A " + *row[1]), "") << key;
            continue;
        }
        std::vector<std::string> statements = {*row[1]};
        auto t = tables.find(key);
        if (t != tables.end()) {
            statements.clear();
            for (const std::string& table : t->second)
                statements.push_back(Replace(Replace(*row[1], "<table/>", table), "<from/>", table));
        }
        for (const std::string& s : statements) {
            const std::string sql = Fill(s);
            EXPECT_FALSE(std::regex_search(sql, std::regex("<[A-Za-z]")))
                << key << ": a placeholder is left in " << sql;
            EXPECT_EQ(db.Runs(sql), "") << key << ": " << sql;
        }
    }
    for (const std::string& key : needed) EXPECT_TRUE(present.count(key)) << key << " is missing";
    // The rows the trees are built from come in the order the trees need.
    EXPECT_EQ(db.Scalar(Fill(db.Scalar("SELECT Value FROM Options WHERE [Key] = 'SQL_DISCOUNT_DATE'"))),
              "2024-01-01");
}

TEST(SampleDatabase, ColumnsTheStatementsNameExist) {
    const ReadDb& db = Linked();
    const std::map<std::string, std::string> columns = {
        {"Field",
         "EVMnemonic, Field_Code, FIELD_NAME, FIELD_GROUPING_CODE, FIELD_GROUPING, FIELD_TYPE_CODE, "
         "DEV_STATUS_CODE, DEV_TYPE_CODE, OFFSHORE_CODE, WATER_DEPTH, Production_Started, Devt_Consent, "
         "Discovery_Date, Ceased_Production, Abandoned_Date, TOTALPV_POSTTAX_USD, REMPV_POSTTAX_USD, "
         "REMPVBOE_POSTTAX_USD, PRE_TAX_IRR, POST_TAX_IRR_COMPANY, POST_TAX_IRR, TOTAL_GOVT_TAKE_USD, "
         "TOTAL_GOVT_TAKE_PERC, REM_GOVT_TAKE_USD, REM_GOVT_TAKE_PERC, API_ACTUAL, CALORIFIC_VALUE_ACTUAL, "
         "SULPHUR_ACTUAL, RESERVOIR_AGE, RESERVOIR_DEPTH, Sector_Code, Field_Grouping_Name, Operator_Name"},
        {"FieldParticipant",
         "Field_Code, Company_Code, Company_Name, Company_Short_Name, Company_Code_Parent, "
         "Company_Name_Parent, Company_Short_Name_Parent, Interest_Perc, Ownership_Status, "
         "Water_Depth_Net, Reservoir_Depth_Net, TOTALPV_POSTTAX_USD_Net, REM_GOVT_TAKE_PERC_Net, "
         "TOTAL_GOVT_TAKE_USD_Net, Field_Name"},
        {"FieldParticipantCA",
         "Field_Code, Company_Code, Company_Code_Parent, Ownership_Status, Sector_Code, "
         "Interest_Perc"},
        {"FieldSector", "Field_Code, Sector_Code"},
        {"FieldReservoir", "Field_Code, ERA_CODE, PERIOD_CODE, FORMATION_CODE, AGE_CODE"},
        {"Block",
         "Block_Code, Licence_Area_Status_Code, Licence_Reference, Licence_Round, Licence_Round_Year, "
         "Licence_Award_Desc, Issue_Date, First_Round, Final_Expiry, OFFSHORE_CODE, Water_Depth_Max, "
         "Water_Depth_Min, Licence_Type_Code, Licence_Sub_Type_Code, Licence_Status_Code, Fallow_No_Year, "
         "Signature_Bonus, Block_Area, Block_Reference, Sector_Code, Block, Basin_Name, Quadrant, Sub_Block"},
        {"BlockParticipant",
         "Block_Code, Company_Code, Company_Code_Parent, Interest_Perc, Signature_Bonus_Net, "
         "Block_Area_Net, Licence_Area_Status_Code, Company_Short_Name, Company_Short_Name_Parent"},
        {"BlockParticipantCA", "Block_Code, Company_Code, Ownership_Status, Sector_Code"},
        {"Well",
         "Well_Code, WELL_REFERENCE, DISCOVERY_TYPE_CODE, SPUD_DATE, COMPLETED_DATE, WELL_TYPE_CODE, "
         "WELL_STATUS_CODE, WELL_RESULT_CODE, BLOCK_CODE, PRIMARY_ERA, SECONDARY_ERA, TDFORMATION_ERA, "
         "PRIMARY_PERIOD, SECONDARY_PERIOD, TDFORMATION_PERIOD, PRIMARY_FORMATION, SECONDARY_FORMATION, "
         "TDFORMATION_FORMATION, PRIMARY_ERA_CODE, SECONDARY_PERIOD_CODE, TDFORMATION_FORMATION_CODE, "
         "PRIMARY_AGE_CODE, SECONDARY_AGE_CODE, TDFORMATION_AGE_CODE, OFFSHORE_CODE, WELL_CLASS_TESTED, "
         "WELL_CLASS_RE_ENTRY, WELL_CLASS_SIDE_TRACK, MEASURED_DEPTH, TRUE_VERTICAL_DEPTH, WATER_DEPTH, "
         "LICENCE_AWARD_DESC, LICENCE_ROUND, LICENCE_ROUND_YEAR, RIG_TYPE_CODE, RIG_CODE, Sector_Code"},
        {"WellParticipant", "Well_Code, Company_Code, Company_Short_Name, Company_Short_Name_Parent"},
        {"WellParticipantCA", "Well_Code, Company_Code, Ownership_Status, Sector_Code"},
        {"Transport",
         "EVMnemonic, Transport_Code, TRANSPORT_SYSTEM, TRANSPORT_METHOD_CODE, ENERGY_TYPE_CODE, "
         "TRANSPORT_STATUS_CODE, START_CODE, START_TYPE, DEST_CODE, DEST_TYPE, PRODUCTION_STARTED, "
         "Pipe_Length, Pipeline_Diameter_Actual, Oil_Nominal_Capacity, LPG_Nominal_Capacity, "
         "Cond_Nominal_Capacity, Gas_Nominal_Capacity, Storage_Capacity, OFFSHORE_CODE, "
         "Transport_Grouping_System_Name"},
        {"TransportParticipant",
         "Transport_Code, Company_Code, Transport_Grouping_System_Name, Transport_System, "
         "Company_Short_Name_Parent"},
        {"TransportParticipantCA", "Transport_Code, Company_Code, Ownership_Status"},
        {"TransportCountry", "Transport_Code, Country_Code"},
        {"FieldAnnualTotal_Gross",
         "Field_Code, Prod_Year, TOTAL_PRODUCTION, LIQUID_PRODUCTION, OIL_PRODUCTION, "
         "LPG_PRODUCTION, CONDENSATE_PRODUCTION, GAS_PRODUCTION, CAPEX_REAL, CAPEX_NOML, "
         "OPEX_REAL, OPEX_NOML, ABN_COSTS_REAL_USD, ABN_COSTS_NOML_USD, "
         "DEV_DRILLING_REAL_USD, OTH_FIELD_CAPEX_NOML_USD, TRN_CAPEX_REAL_USD"},
        {"FieldAnnualTotal_Net",
         "Field_Code, Prod_Year, TOTAL_PRODUCTION, GAS_PRODUCTION, CAPEX_REAL_NET, "
         "CAPEX_NOML_NET, OPEX_REAL_NET, OPEX_NOML_NET, ABN_COSTS_REAL_USD_NET, "
         "DEV_DRILLING_NOML_USD_NET, OTH_FIELD_CAPEX_REAL_USD_NET, TRN_CAPEX_NOML_USD_NET"},
        {"FieldAnnualTransformed", "Field_Code, Field_Name, Prod_Year, TOTAL_PRODUCTION"}};
    for (const auto& [table, list] : columns)
        for (const std::string& column : Split(list, ", "))
            EXPECT_EQ(db.Runs("SELECT " + column + " FROM " + table + " LIMIT 0"), "")
                << table << "." << column;

    // The reserves and production columns of the data-type choices, with the
    // technical column a reserves range sums in and the "_Net" forms of a net
    // query (the net suffix is the renderer's, the technical names the rule's:
    // REC_R_x -> TECH_REC_R_x, but REC_R_TOTAL -> TECH_REC_TOTAL).
    for (const char* stem : {"REC_R", "REM_R"})
        for (const char* product : {"TOTAL", "LIQUID", "OIL", "LPG", "COND", "GAS"}) {
            const std::string n = std::string(stem) + "_" + product;
            const std::string p = n.substr(0, 4);
            const std::string t = EndsWith(n, "_TOTAL") ? Replace(n, p + "R_", "TECH_" + p) : "TECH_" + n;
            for (const std::string& column : {n, t})
                for (const auto& [table, suffix] : std::vector<std::pair<std::string, std::string>>{
                         {"Field", ""}, {"FieldParticipant", "_Net"}})
                    EXPECT_EQ(db.Runs("SELECT " + column + suffix + " FROM " + table + " LIMIT 0"), "")
                        << table << "." << column << suffix;
        }
    for (const char* kind : {"CURR_YR", "PEAK"})
        for (const char* product : {"TOTAL", "LIQUID", "OIL", "LPG", "COND", "GAS"})
            EXPECT_EQ(db.Runs(std::string("SELECT ") + kind + "_" + product +
                              "_PRODUCTION_Net FROM FieldParticipant"),
                      "")
                << kind << product;
    for (const char* cost : {"TOTAL_CAPEX", "TOTAL_OPEX", "CAPEX_BBL", "OPEX_BBL"})
        for (const char* terms : {"_REAL", "_NOML"})
            EXPECT_EQ(
                db.Runs(std::string("SELECT ") + cost + terms + "_USD_Net FROM FieldParticipant LIMIT 0"), "")
                << cost << terms;
}

TEST(SampleDatabase, TextColumnsCompareWithoutRegardToCase) {
    for (const char* file : {"Terralith.db", "Annual.db", "Notes.db"}) {
        ReadDb db(DatabaseFolder() + file);
        size_t text = 0;
        for (const auto& t : db.Query("SELECT name FROM sqlite_master WHERE type = 'table'"))
            for (const auto& c : db.Query("PRAGMA table_info(" + *t[0] + ")")) {
                if (UCase(*c[2]) != "TEXT") continue;
                ++text;
                const char* collation = nullptr;
                ASSERT_EQ(sqlite3_table_column_metadata(db.Handle(), "main", t[0]->c_str(), c[1]->c_str(),
                                                        nullptr, &collation, nullptr, nullptr, nullptr),
                          SQLITE_OK);
                EXPECT_TRUE(collation && EqualsNoCase(collation, "NOCASE"))
                    << file << ": " << *t[0] << "." << *c[1];
            }
        EXPECT_GT(text, 0u) << file;
    }
    ReadDb db(Core());
    const std::string name = db.Scalar("SELECT Field_Name FROM Field ORDER BY Field_Code LIMIT 1");
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM Field WHERE Field_Name = '" + UCase(name) + "'"), "1");
}

TEST(SampleDatabase, EquityOfEveryAssetAddsUpToAHundredWithOneOperator) {
    ReadDb db(Core());
    for (const auto& [table, interest, code] : std::vector<std::tuple<std::string, std::string, std::string>>{
             {"Field", "FieldInterest", "Field_Code"},
             {"Block", "BlockInterest", "Block_Code"},
             {"Transport", "TransportInterest", "Transport_Code"}}) {
        SCOPED_TRACE(table);
        EXPECT_GT(Val(db.Scalar("SELECT count(*) FROM " + table)), 10);
        EXPECT_EQ(db.Scalar("SELECT count(*) FROM " + table + " T WHERE NOT EXISTS (SELECT 1 FROM " +
                            interest + " I WHERE I." + code + " = T." + code + ")"),
                  "0");
        EXPECT_EQ(
            db.Scalar("SELECT count(*) FROM (SELECT " + code +
                      ", sum(Interest_Perc) AS s, sum(Ownership_Status) "
                      "AS o, min(Interest_Perc) AS m FROM " +
                      interest + " GROUP BY " + code + " HAVING abs(s - 100) > 1e-6 OR o <> 1 OR m <= 0)"),
            "0");
        // Every holder is a company of the data set.
        EXPECT_EQ(db.Scalar("SELECT count(*) FROM " + interest +
                            " WHERE Company_Code NOT IN (SELECT Company_Code FROM Company)"),
                  "0");
    }
    // The participant views carry one row per holding, so a field's net shares add up to its gross volume.
    EXPECT_EQ(
        db.Scalar(
            "SELECT count(*) FROM (SELECT P.Field_Code, sum(P.REC_R_TOTAL_Net) AS n, max(P.REC_R_TOTAL) "
            "AS g FROM FieldParticipant P GROUP BY P.Field_Code HAVING abs(n - g) > 1e-6 * (1 + g))"),
        "0");
    // Subsidiaries hang below parents, whose own parent code is 0.
    EXPECT_EQ(
        db.Scalar(
            "SELECT count(*) FROM Company C WHERE Parent_Code <> 0 AND NOT EXISTS (SELECT 1 FROM Company "
            "P WHERE P.Company_Code = C.Parent_Code AND P.Parent_Code = 0)"),
        "0");
}

TEST(SampleDatabase, CodedColumnsHoldCodesOfTheirLists) {
    ReadDb db(Core());
    const std::vector<std::tuple<std::string, std::string, std::string>> coded = {
        {"Field", "FIELD_TYPE_CODE", "'FIELDTYP'"},
        {"Field", "DEV_STATUS_CODE", "'DEVSTATC','DEVSTATE'"},
        {"Field", "DEV_TYPE_CODE", "'DEVTYPE'"},
        {"Well", "WELL_TYPE_CODE", "'WELLTYP'"},
        {"Well", "WELL_STATUS_CODE", "'WELLSTAT'"},
        {"Well", "WELL_RESULT_CODE", "'WELLRES'"},
        {"Well", "RIG_TYPE_CODE", "'RIG_TYPE'"},
        {"Rig", "RIG_TYPE", "'RIG_TYPE'"},
        {"Block", "Licence_Status_Code", "'LICESTAT'"},
        {"Block", "Licence_Area_Status_Code", "'AREASTAT'"},
        {"Transport", "TRANSPORT_METHOD_CODE", "'TRANMETH'"},
        {"Transport", "TRANSPORT_STATUS_CODE", "'TRANSTAT'"},
        {"Transport", "ENERGY_TYPE_CODE", "'ENERGYTYP'"}};
    for (const auto& [table, column, types] : coded) {
        EXPECT_EQ(
            db.Scalar("SELECT count(*) FROM " + table + " WHERE " + column + " IS NOT NULL AND " + column +
                      " NOT IN (SELECT LOOKUP_CODE FROM Lookup WHERE LOOKUP_TYPE IN (" + types + "))"),
            "0")
            << table << "." << column;
        EXPECT_GT(Val(db.Scalar("SELECT count(DISTINCT " + column + ") FROM " + table)), 1)
            << table << "." << column;
    }
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM Block B WHERE NOT EXISTS (SELECT 1 FROM LicenceType L WHERE "
                        "L.LICENCE_TYPE_CODE = B.Licence_Type_Code AND (B.Licence_Sub_Type_Code IS NULL OR "
                        "L.Licence_Sub_Type_Code = B.Licence_Sub_Type_Code))"),
              "0");
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM Well WHERE RIG_CODE NOT IN (SELECT Rig_Code FROM Rig)"), "0");
    for (const char* table : {"Field", "Well", "Block", "Transport", "Sector"})
        EXPECT_EQ(db.Scalar(std::string("SELECT count(*) FROM ") + table +
                            " WHERE OFFSHORE_CODE NOT IN ('ONSHORE', 'OFFSHORE', 'BOTH')"),
                  "0")
            << table;
    // Dates are stored as ISO text the database layer reads into dates.
    const std::regex iso("\\d{4}-\\d{2}-\\d{2}");
    for (const auto& [table, column] :
         std::vector<std::pair<std::string, std::string>>{{"Field", "Discovery_Date"},
                                                          {"Field", "Production_Started"},
                                                          {"Field", "Abandoned_Date"},
                                                          {"Well", "SPUD_DATE"},
                                                          {"Well", "COMPLETED_DATE"},
                                                          {"Block", "Final_Expiry"},
                                                          {"Transport", "PRODUCTION_STARTED"}})
        for (const auto& row :
             db.Query("SELECT DISTINCT " + column + " FROM " + table + " WHERE " + column + " IS NOT NULL"))
            ASSERT_TRUE(std::regex_match(*row[0], iso)) << table << "." << column << ": " << *row[0];
}

TEST(SampleDatabase, GroupingsAndTreeOrdersHoldTogether) {
    const ReadDb& db = Linked();
    // Members name a grouping row; groupings and fields outside any grouping
    // leave the grouping code empty, which the "Groupings" filter relies on.
    EXPECT_GT(Val(db.Scalar("SELECT count(*) FROM Field WHERE FIELD_GROUPING = 1")), 0);
    EXPECT_EQ(
        db.Scalar(
            "SELECT count(*) FROM Field F WHERE FIELD_GROUPING_CODE IS NOT NULL AND NOT EXISTS (SELECT 1 "
            "FROM Field G WHERE G.Field_Code = F.FIELD_GROUPING_CODE AND G.FIELD_GROUPING = 1 AND "
            "G.Field_Name = F.FIELD_GROUPING_NAME)"),
        "0");
    EXPECT_EQ(
        db.Scalar("SELECT count(*) FROM Field WHERE FIELD_GROUPING = 1 AND FIELD_GROUPING_CODE IS NOT NULL"),
        "0");
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM Field WHERE FIELD_GROUPING_CODE = 0"), "0");
    EXPECT_EQ(
        db.Scalar("SELECT count(*) FROM Transport T WHERE TRANSPORT_GROUPING_CODE IS NOT NULL AND NOT EXISTS "
                  "(SELECT 1 FROM Transport G WHERE G.Transport_Code = T.TRANSPORT_GROUPING_CODE AND "
                  "G.TRANSPORT_GROUPING = 1)"),
        "0");

    // The age tree is built from rows grouped by era and, within an era, by period.
    std::set<std::string> eras, periods;
    std::string era, period;
    for (const auto& row :
         db.Query(Fill(db.Scalar("SELECT Value FROM Options WHERE [Key] = 'SQL_GEOLOGICAL_ALL'")))) {
        if (*row[1] != era) {
            EXPECT_TRUE(eras.insert(*row[1]).second) << "era " << *row[1] << " comes back";
            era = *row[1];
            period.clear();
        }
        if (*row[3] != period) {
            EXPECT_TRUE(periods.insert(era + "/" + *row[3]).second) << "period " << *row[3] << " comes back";
            period = *row[3];
        }
    }
    // The company tree needs each subsidiary's parent placed before it.
    std::set<std::string> placed;
    for (const auto& row :
         db.Query(db.Scalar("SELECT Value FROM Options WHERE [Key] = 'SQL_COMPANY_LOOKUP'"))) {
        if (*row[0] == "0") {
            placed.insert(*row[1]);
        } else {
            EXPECT_TRUE(placed.count(*row[0])) << "company " << *row[1] << " before its parent " << *row[0];
        }
    }
    // Block tree keys: one node per quadrant and block number and part letter.
    EXPECT_EQ(
        db.Scalar(
            "SELECT count(*) FROM (SELECT Quadrant, Block, Sub_Block FROM Block WHERE Block IS NOT NULL "
            "GROUP BY Quadrant, Block, Sub_Block HAVING count(*) > 1)"),
        "0");
    EXPECT_EQ(
        db.Scalar("SELECT count(*) FROM (SELECT Block_Reference FROM Block GROUP BY Block_Reference HAVING "
                  "count(*) > 1)"),
        "0");
    EXPECT_GT(Val(db.Scalar("SELECT count(*) FROM Block WHERE Block IS NULL")), 0)
        << "no onshore licence areas";
}

TEST(SampleDatabase, FieldFiguresAgreeWithTheAnnualTables) {
    const ReadDb& db = Linked();
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM Field"), "300");
    EXPECT_EQ(
        db.Scalar("SELECT count(*) FROM Field WHERE REM_R_TOTAL < 0 OR REM_R_TOTAL > REC_R_TOTAL + 1e-6"),
        "0");
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM Field WHERE DEV_STATUS_CODE = 'ONSTREAM' AND NOT "
                        "CURR_YR_TOTAL_PRODUCTION > 0"),
              "0");
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM Field WHERE DEV_STATUS_CODE IN ('TECHRES', 'UNAPPR') AND "
                        "(REC_R_TOTAL IS NOT NULL OR TECH_REC_TOTAL IS NULL)"),
              "0");
    // What the annual rows show produced up to the data year is what the field
    // has lost from recoverable to remaining (for fields whose whole history
    // lies within the annual years).
    const std::string year = db.Scalar("SELECT Value FROM Options WHERE [Key] = 'DataYear'");
    const std::string first = db.Scalar("SELECT Value FROM Options WHERE [Key] = 'ANNUAL_DATA_START_YEAR'");
    const Rows rows = db.Query(
        "SELECT F.Field_Code, F.REC_R_TOTAL - F.REM_R_TOTAL, (SELECT sum(G.TOTAL_PRODUCTION) * 0.365 FROM "
        "FieldAnnualTotal_Gross G WHERE G.Field_Code = F.Field_Code AND G.Prod_Year <= " +
        year +
        ") FROM Field F "
        "WHERE F.FIELD_GROUPING = 0 AND F.Production_Started >= '" +
        first + "-01-01' AND F.REM_R_TOTAL IS NOT NULL");
    ASSERT_GT(rows.size(), 50u);
    for (const auto& r : rows) {
        const double produced = Val(*r[1]), annual = r[2] ? Val(*r[2]) : 0;
        EXPECT_NEAR(annual, produced, 0.01 + produced * 0.002) << "field " << *r[0];
    }
    // Rising, flat, falling: the peak lies between first and last production.
    EXPECT_EQ(
        db.Scalar("SELECT count(*) FROM Field WHERE Peak_Year < CAST(substr(Production_Started, 1, 4) AS "
                  "INTEGER)"),
        "0");
    // Net rows divide each gross row among the holders.
    EXPECT_EQ(
        db.Scalar(
            "SELECT count(*) FROM (SELECT N.Field_Code, N.Prod_Year, sum(N.TOTAL_PRODUCTION) AS n, "
            "sum(N.Interest_Perc) AS p, (SELECT G.TOTAL_PRODUCTION FROM FieldAnnualTotal_Gross G WHERE "
            "G.Field_Code = N.Field_Code AND G.Prod_Year = N.Prod_Year) AS g FROM FieldAnnualTotal_Net N "
            "GROUP BY N.Field_Code, N.Prod_Year HAVING abs(n - g) > 0.01 OR abs(p - 100) > 1e-6)"),
        "0");
}

}  // namespace
