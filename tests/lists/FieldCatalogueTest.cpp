// The field catalogue the lists root builds from the database: its shape,
// the field descriptions read from each row, and a build that fails.
#include <gtest/gtest.h>

#include "interfaces/IDataLists.h"
#include "interfaces/IFieldChooser.h"
#include "lists/CLists.h"
#include "platform/runtime/cvCollection.h"
#include "support/FakeRootFixture.h"
#include "support/SqliteFile.h"

namespace {

Ref<cvCollection> Item(const Ref<cvCollection>& c, const std::string& key) {
    return c->Item(Variant(key)).ToObject<cvCollection>();
}

std::vector<std::string> Keys(const Ref<cvCollection>& c) {
    std::vector<std::string> keys;
    for (int32_t i = 1; i <= c->Count(); ++i) keys.push_back(c->KeyAt(i));
    return keys;
}

Ref<IDisplayField> Field(const Ref<cvCollection>& catalogue, const std::string& asset,
                         const std::string& grid, const std::string& name) {
    return Item(Item(Item(catalogue, asset), grid), "FIELDS")->Item(Variant(name)).ToObject<IDisplayField>();
}

constexpr const char* kBuilding = "Loading Terralith - Building Field Lists...";

// Columns of the catalogue statement, with a table of crafted rows.
constexpr const char* kColumns =
    "Field_Name, Display_Name, Description, DataType, FormatString, Category, NetValueStatus, Mandatory, "
    "MultiLine, MergeColumn, ParticipantRollUpHide, HideInFieldChooser, FixedOnGrid, WrapColumn, "
    "ParticipantRollUponly, CompetitorAnalysisOnly, FieldAnnualRow";

class FieldCatalogue : public FakeRootFixture {
protected:
    // A stand-in root, its database still closed, handing out real lists.
    void MakeRootWithLists() {
        MakeRoot();
        root->SetLists(New<CLists>());
    }
    // The same with the database open.
    void OpenRootWithLists() {
        MakeRootWithLists();
        root->OpenDatabase();
    }
    void UseStatement(const std::string& sql) {
        Exec(DatabasePath(), "UPDATE Options SET Value = '" + Replace(sql, "'", "''") +
                                 "' WHERE Key = 'SQL_FIELD_CHOOSER_FIELDS'");
    }
    size_t Builds() const { return root->SentWith(kBuilding).size(); }
};

TEST_F(FieldCatalogue, NineGridsInTheirOrderEachWithFieldsAndAnEmptyIndexCollection) {
    OpenRootWithLists();
    EXPECT_EQ(Builds(), 0u) << "nothing is built before the first request";
    Ref<cvCollection> catalogue = root->Lists()->AvailableFields();
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(root->Sent(), (std::vector<std::string>{std::string("STATUS_MESSAGE: ") + kBuilding}))
        << "the build tells the host, once";
    EXPECT_EQ(Keys(catalogue), (std::vector<std::string>{"Block", "Field", "Well", "Transport"}));
    EXPECT_EQ(Keys(Item(catalogue, "Field")), (std::vector<std::string>{"Assets", "Ownership", "Annual"}));
    for (const char* asset : {"Block", "Well", "Transport"})
        EXPECT_EQ(Keys(Item(catalogue, asset)), (std::vector<std::string>{"Assets", "Ownership"})) << asset;
    for (const std::string asset : {"Block", "Field", "Well", "Transport"}) {
        Ref<cvCollection> grids = Item(catalogue, asset);
        for (int32_t g = 1; g <= grids->Count(); ++g) {
            Ref<cvCollection> grid = grids->Item(Variant(g)).ToObject<cvCollection>();
            EXPECT_EQ(Keys(grid), (std::vector<std::string>{"FIELDS", "INDICES"}));
            EXPECT_GT(Item(grid, "FIELDS")->Count(), 0) << asset;
            EXPECT_EQ(Item(grid, "INDICES")->Count(), 0) << asset;
        }
    }

    // The sample's rows: a column pinned first, one pinned last, annual rows.
    Ref<IDisplayField> name = Field(catalogue, "Field", "Assets", "Field_Name");
    EXPECT_EQ(name->Mandatory(), 1);
    EXPECT_EQ(name->Sequence(), 1);
    EXPECT_TRUE(name->FrozenColumnInGrid());
    EXPECT_EQ(name->AssetType(), "Field");
    EXPECT_EQ(name->GridType(), "Assets");
    EXPECT_FALSE(name->Visible());
    EXPECT_EQ(Field(catalogue, "Field", "Assets", "EVMnemonic")->Sequence(), -1);
    EXPECT_TRUE(Field(catalogue, "Field", "Annual", "Prod_Year")->AnnualRow());
    EXPECT_TRUE(Field(catalogue, "Field", "Annual", "Prod_Year")->Visible());
    EXPECT_EQ(Keys(Item(Item(Item(catalogue, "Field"), "Assets"), "FIELDS")).front(), "Field_Name")
        << "the statement's row order";

    // Asked again: the same collection, and no statement runs.
    EXPECT_TRUE(root->Lists()->AvailableFields() == catalogue);
    EXPECT_EQ(Builds(), 1u);
}

TEST_F(FieldCatalogue, RowsAreReadWithTheirDefaultsForNull) {
    Exec(
        DatabasePath(),
        "CREATE TABLE Crafted (Asset TEXT, Grid TEXT, Tag TEXT, Seq INTEGER, Field_Name TEXT, Display_Name "
        "TEXT,"
        " Description TEXT, DataType TEXT, FormatString TEXT, Category TEXT, NetValueStatus INTEGER,"
        " Mandatory INTEGER, MultiLine BOOLEAN, MergeColumn BOOLEAN, ParticipantRollUpHide BOOLEAN,"
        " HideInFieldChooser BOOLEAN, FixedOnGrid BOOLEAN, WrapColumn BOOLEAN, ParticipantRollUponly BOOLEAN,"
        " CompetitorAnalysisOnly BOOLEAN, FieldAnnualRow BOOLEAN);"
        "INSERT INTO Crafted VALUES"
        " ('Field','Assets','Field.Assets',2,'NULLS',NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,"
        "NULL,"
        "  NULL,NULL,NULL,NULL),"
        " ('Field','Assets','Field.Assets',1,'FULL','Full','All "
        "set','Double','0.0','Money',1,2,1,1,1,1,1,1,1,0,1),"
        " ('Field','Ownership','Field.Ownership',1,'CA','Competitor',NULL,'Long',NULL,NULL,0,0,0,0,0,0,0,0,0,"
        "1,0);");
    UseStatement(
        std::string("SELECT ") + kColumns +
        " FROM Crafted WHERE Asset = '<Asset>' AND Grid = '<Grid>' AND Tag = '<Asset>.<Grid>' ORDER BY Seq");
    OpenRootWithLists();
    Ref<cvCollection> catalogue = root->Lists()->AvailableFields();
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(Keys(Item(Item(Item(catalogue, "Field"), "Assets"), "FIELDS")),
              (std::vector<std::string>{"FULL", "NULLS"}));
    EXPECT_EQ(Item(Item(Item(catalogue, "Well"), "Assets"), "FIELDS")->Count(), 0) << "no rows, still a grid";

    Ref<IDisplayField> nulls = Field(catalogue, "Field", "Assets", "NULLS");
    EXPECT_EQ(nulls->DataType(), "String");
    EXPECT_EQ(nulls->DisplayName(), "");
    EXPECT_EQ(nulls->Description(), "");
    EXPECT_EQ(nulls->FormatString(), "");
    EXPECT_EQ(nulls->Category(), "");
    EXPECT_EQ(nulls->Mandatory(), 0);
    EXPECT_EQ(nulls->Sequence(), 0);
    EXPECT_EQ(nulls->NetValueStatus(), 0);
    EXPECT_FALSE(nulls->MultiLine() || nulls->MergeColumn() || nulls->Hidden() ||
                 nulls->HideInFieldChooser() || nulls->FrozenColumnInGrid() || nulls->WrapColumn() ||
                 nulls->RollUpOnly() || nulls->CAOnly() || nulls->AnnualRow() || nulls->Visible());

    Ref<IDisplayField> full = Field(catalogue, "Field", "Assets", "FULL");
    EXPECT_EQ(full->DisplayName(), "Full");
    EXPECT_EQ(full->Description(), "All set");
    EXPECT_EQ(full->DataType(), "Double");
    EXPECT_EQ(full->FormatString(), "0.0");
    EXPECT_EQ(full->Mandatory(), 2);
    EXPECT_EQ(full->Sequence(), 2);
    EXPECT_EQ(full->NetValueStatus(), 1);
    EXPECT_TRUE(full->MultiLine() && full->MergeColumn() && full->Hidden() && full->HideInFieldChooser() &&
                full->FrozenColumnInGrid() && full->WrapColumn());
    EXPECT_TRUE(full->RollUpOnly());
    EXPECT_TRUE(full->AnnualRow());
    EXPECT_FALSE(full->CAOnly());
    EXPECT_TRUE(full->Visible());
    EXPECT_EQ(full->ColumnWidth(), 0);
    EXPECT_FALSE(full->RollupValue());

    Ref<IDisplayField> ca = Field(catalogue, "Field", "Ownership", "CA");
    EXPECT_TRUE(ca->CAOnly());
    EXPECT_TRUE(ca->Visible());
}

TEST_F(FieldCatalogue, AFailedBuildLeavesNoCatalogueAndTheNextRequestBuildsItAgain) {
    Exec(DatabasePath(),
         "CREATE TABLE ChooserBlock AS SELECT * FROM FieldChooser WHERE Asset_Type = 'Block';"
         "CREATE TABLE ChooserField AS SELECT * FROM FieldChooser WHERE Asset_Type = 'Field';");
    UseStatement(std::string("SELECT ") + kColumns + " FROM Chooser<Asset> WHERE Grid_Type = '<Grid>'");
    OpenRootWithLists();
    // The first request meets the failure, which the lists show.
    EXPECT_TRUE(root->Lists()->AvailableFields().IsNothing());
    EXPECT_TRUE(Contains(Dialog(), "CLists.GetFields(sAsset='Well', sGrid='Assets')")) << Dialog();
    EXPECT_TRUE(Contains(Dialog(), "CLists.IDataLists_AvailableFields")) << Dialog();
    EXPECT_TRUE(Contains(Dialog(), "ChooserWell")) << Dialog();
    EXPECT_EQ(Log(), "") << "the lists do not log";

    // No half catalogue was kept: the next request builds again, and fails again.
    EXPECT_TRUE(root->Lists()->AvailableFields().IsNothing());
    EXPECT_EQ(Builds(), 2u);

    // Once the statement can run, a request builds the whole catalogue.
    Exec(DatabasePath(),
         "CREATE TABLE ChooserWell AS SELECT * FROM FieldChooser WHERE Asset_Type = 'Well';"
         "CREATE TABLE ChooserTransport AS SELECT * FROM FieldChooser WHERE Asset_Type = 'Transport';");
    Ref<cvCollection> catalogue = root->Lists()->AvailableFields();
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(Keys(catalogue), (std::vector<std::string>{"Block", "Field", "Well", "Transport"}));
    EXPECT_EQ(Builds(), 3u);
    EXPECT_TRUE(root->Lists()->AvailableFields() == catalogue);
    EXPECT_EQ(Builds(), 3u) << "a complete catalogue is never built again";
}

TEST_F(FieldCatalogue, ARequestBeforeTheDatabaseIsOpenIsAnsweredOnceItIs) {
    MakeRootWithLists();
    EXPECT_TRUE(root->Lists()->AvailableFields().IsNothing());
    EXPECT_TRUE(Contains(Dialog(), "CLists.IDataLists_AvailableFields")) << Dialog();

    root->OpenDatabase();
    EXPECT_EQ(root->ErrorNumber(), 0) << root->ErrorDescription();
    Ref<cvCollection> catalogue = root->Lists()->AvailableFields();
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->Count(), 4);
    EXPECT_EQ(Builds(), 2u);
}

TEST_F(FieldCatalogue, WithoutAHostCallbackTheBuildFailsBeforeItAttachesACatalogue) {
    OpenRootWithLists();
    root->SetHostListening(false);
    EXPECT_TRUE(root->Lists()->AvailableFields().IsNothing());
    EXPECT_TRUE(Contains(Dialog(), "CLists.BuildAvailableFields()")) << Dialog();
    // Nothing was attached, so a request once a host listens builds it.
    root->SetHostListening(true);
    Ref<cvCollection> catalogue = root->Lists()->AvailableFields();
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->Count(), 4);
    EXPECT_EQ(Builds(), 1u) << "the build ran again, now that the host hears of it";
}

}  // namespace
