// The field chooser's catalogue in the sample database describes every column
// the result grids show, and the default grid layout file offers each grid a
// layout the chooser can load as it stands.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <pugixml.hpp>
#include <set>

#include "SampleTestSupport.h"
#include "platform/runtime/Text.h"

namespace {

struct Grid {
    const char* asset;
    const char* grid;
    const char* table;
};
const Grid kGrids[] = {
    {"Block", "Assets", "Block"},
    {"Block", "Ownership", "BlockParticipant"},
    {"Field", "Assets", "Field"},
    {"Field", "Ownership", "FieldParticipant"},
    {"Field", "Annual", "FieldAnnualTransformed"},
    {"Well", "Assets", "Well"},
    {"Well", "Ownership", "WellParticipant"},
    {"Transport", "Assets", "Transport"},
    {"Transport", "Ownership", "TransportParticipant"},
};

const ReadDb& Linked() {
    static ReadDb db(DatabaseFolder() + "Terralith.db");
    static const bool attached = (db.Attach(DatabaseFolder()), true);
    (void)attached;
    return db;
}

std::string Where(const Grid& g) {
    return std::string(" WHERE Asset_Type = '") + g.asset + "' AND Grid_Type = '" + g.grid + "'";
}

TEST(SampleResultColumns, EveryColumnOfEveryResultGridIsDescribedOnce) {
    const ReadDb& db = Linked();
    for (const Grid& g : kGrids) {
        // What the grid's result statement returns ("SELECT A.* FROM <table/> A").
        std::set<std::string> shown;
        for (const auto& row : db.Query(std::string("PRAGMA table_info(") + g.table + ")"))
            shown.insert(LCase(*row[1]));
        ASSERT_FALSE(shown.empty()) << g.table;

        std::set<std::string> described;
        const Rows rows = db.Query(
            "SELECT Field_Name, Display_Name, Description, DataType, Default_Width, "
            "Category, FieldAnnualRow FROM FieldChooser" +
            Where(g));
        for (const auto& row : rows) {
            EXPECT_TRUE(described.insert(LCase(*row[0])).second)
                << g.asset << "/" << g.grid << " " << *row[0];
            EXPECT_TRUE(shown.count(LCase(*row[0]))) << *row[0] << " is no column of " << g.table;
            EXPECT_FALSE(row[1]->empty() || row[2]->empty() || row[3]->empty()) << *row[0];
            EXPECT_GT(Val(*row[4]), 0) << *row[0];
            // Annual rows exist only in the annual grid.
            if (std::string(g.grid) != "Annual") {
                EXPECT_EQ(*row[6], "0") << *row[0];
            }
        }
        for (const std::string& column : shown)
            EXPECT_TRUE(described.count(column)) << g.table << "." << column << " is not described";
    }
    // Net shares carry the base column's unit category.
    EXPECT_EQ(db.Scalar("SELECT Category FROM FieldChooser WHERE Grid_Type = 'Ownership' AND "
                        "Field_Name = 'REC_R_OIL_Net'"),
              "Oil_Reserves");
    EXPECT_EQ(
        db.Scalar("SELECT count(*) FROM FieldChooser WHERE Grid_Type = 'Annual' AND FieldAnnualRow = 1 AND "
                  "Field_Name IN ('Field_Name', 'Country_Name')"),
        "0");
}

TEST(SampleResultColumns, TheDefaultLayoutListsCatalogueColumnsWithPinsInTheirPlaces) {
    const std::string& folder = GeneratedFolder();
    pugi::xml_document settings;
    ASSERT_TRUE(settings.load_file((folder + "Terralith.settings.xml").c_str()));
    const std::string name = settings.document_element().child("Options").child_value("DefaultLayoutFile");
    ASSERT_FALSE(name.empty());
    pugi::xml_document layout;
    ASSERT_TRUE(layout.load_file((folder + "Default/" + name).c_str())) << name;
    ASSERT_STREQ(layout.document_element().name(), "GridLayouts");

    const ReadDb& db = Linked();
    for (const Grid& g : kGrids) {
        const std::string path = std::string("AssetTypes/") + g.asset + "/Grids/" + g.grid + "/Fields";
        pugi::xml_node fields = layout.document_element().select_node(path.c_str()).node();
        ASSERT_TRUE(fields) << path;
        std::map<std::string, int32_t> pins;
        for (const auto& row :
             db.Query("SELECT Field_Name, Mandatory FROM FieldChooser" + Where(g) + " AND Mandatory <> 0"))
            pins[*row[0]] = static_cast<int32_t>(Val(*row[1]));
        EXPECT_FALSE(pins.empty()) << path << ": every grid pins its name column";

        std::vector<std::string> ids;
        for (pugi::xml_node f : fields.children("Field")) {
            ids.push_back(f.attribute("ID").as_string());
            EXPECT_EQ(f.attribute("Seq").as_int(), static_cast<int>(ids.size())) << path;
            EXPECT_GT(f.attribute("ColumnWidth").as_int(), 0) << path;
            EXPECT_EQ(db.Scalar("SELECT count(*) FROM FieldChooser" + Where(g) + " AND Field_Name = '" +
                                ids.back() + "' AND HideInFieldChooser = 0"),
                      "1")
                << path << " lists " << ids.back();
        }
        const int32_t n = static_cast<int32_t>(ids.size());
        for (const auto& [field, m] : pins) {
            const auto at = std::find(ids.begin(), ids.end(), field);
            ASSERT_NE(at, ids.end()) << path << " leaves out the pinned " << field;
            EXPECT_EQ(at - ids.begin() + 1, m > 0 ? m : n + m + 1) << path << " " << field;
        }
    }
    EXPECT_TRUE(layout.document_element().select_node("AssetTypes/Field/Grids/Annual/YearRange[@All='1']"));
}

}  // namespace
