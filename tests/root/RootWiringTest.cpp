// The root wiring its neighbours together: what opening the database makes,
// and what the objects it made then do with each other.
#include <gtest/gtest.h>

#include "host/controls/MemoryTreeView.h"
#include "interfaces/IDataLists.h"
#include "interfaces/IFieldChooser.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/runtime/cvCollection.h"
#include "support/NeighbourFixture.h"

namespace {

class RootWiring : public NeighbourFixture {};

TEST_F(RootWiring, OpeningTheDatabaseMakesTheChooserWhichBuildsTheCatalogue) {
    MakeRoot();
    EXPECT_TRUE(root->FieldChooser().IsNothing());
    root->OpenDatabase();
    ASSERT_FALSE(root->FieldChooser().IsNothing());
    EXPECT_EQ(callBack->With("Building Field Lists").size(), 1u);
    Ref<cvCollection> catalogue = root->Lists()->AvailableFields();
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->Count(), 4);
    EXPECT_EQ(callBack->With("Building Field Lists").size(), 1u) << "the chooser's request built it";

    // Opening again makes a new chooser over the same catalogue.
    Ref<IFieldChooser> first = root->FieldChooser();
    root->OpenDatabase();
    EXPECT_FALSE(root->FieldChooser() == first);
    EXPECT_TRUE(root->Lists()->AvailableFields() == catalogue);
    EXPECT_EQ(callBack->With("Building Field Lists").size(), 1u);
}

TEST_F(RootWiring, ARootsCreationMakesTheQueryManagerItHandsTheQueryElementTo) {
    MakeRoot();
    Ref<IQueryManager> manager = root->Queries();
    ASSERT_TRUE(manager);
    Ref<IQuery> active = manager->Query("-1");
    ASSERT_TRUE(active) << Dialog();
    EXPECT_EQ(active->QueryType(), "Field") << "made from the default query file the settings name";
    EXPECT_TRUE(root->Queries() == manager) << "one manager for the root's life";

    // The description tree the root hands the queries is the manager's.
    EXPECT_TRUE(root->QueryDescriptionTree().IsNothing());
    Ref<MemoryTreeView> tree = New<MemoryTreeView>();
    manager->SetDescriptionTree(tree);
    EXPECT_TRUE(root->QueryDescriptionTree() == tree);
    manager->New();
    EXPECT_TRUE(Contains(tree->Print(), "Query.General.CompanyDetail")) << "a new query renders into it";
}

TEST_F(RootWiring, OpeningWithoutAHostCallbackStillOpensAndTheCatalogueWaitsForOne) {
    // The linked tables are left alone: re-pointing them reports its progress.
    data.Write("Core/Database/Options.ini", "[Startup]\nCheckAttachedTables=no\n");
    MakeRoot(/*withCallBack=*/false);
    root->OpenDatabase();
    EXPECT_EQ(root->ErrorNumber(), 0) << root->ErrorDescription();
    EXPECT_TRUE(Contains(Dialog(), "CLists.BuildAvailableFields()")) << Dialog();
    // Nothing was attached, so a request once a host listens builds it.
    root->RegisterCallBack(callBack);
    Ref<cvCollection> catalogue = root->Lists()->AvailableFields();
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->Count(), 4);
}

}  // namespace
