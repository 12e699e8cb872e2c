// The root wiring its neighbours together: what opening the database makes,
// and what the objects it made then do with each other.
#include <gtest/gtest.h>

#include "criteria/NeighbourFixture.h"
#include "interfaces/IDataLists.h"
#include "interfaces/IFieldChooser.h"
#include "platform/runtime/cvCollection.h"

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

}  // namespace
