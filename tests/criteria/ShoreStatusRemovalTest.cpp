// Taking a shore status off a query: the read-only guard holds for it as for
// every other criterion, and a removal counts as a change.
#include <gtest/gtest.h>

#include "criteria/NeighbourFixture.h"
#include "interfaces/ICriteria.h"
#include "interfaces/IParameters.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"

namespace {

class ShoreStatusRemoval : public NeighbourFixture {
protected:
    // The active query's four sets that keep shore statuses, each holding
    // ONSHORE and OFFSHORE, with every changed flag cleared.
    std::vector<Ref<IShoreStatusCriteria>> FilledSets() {
        query = MakeRoot()->Queries()->Query("-1");
        Ref<IParameters> p = query->Parameters();
        std::vector<Ref<IShoreStatusCriteria>> sets = {p->Field(), p->Well(), p->Block(), p->Transport()};
        for (auto& set : sets) {
            set->AddShoreStatus("ONSHORE");
            set->AddShoreStatus("OFFSHORE");
        }
        p->SetModified(false);
        return sets;
    }

    Ref<IQuery> query;
};

TEST_F(ShoreStatusRemoval, AReadOnlyQueryKeepsItsShoreStatuses) {
    std::vector<Ref<IShoreStatusCriteria>> sets = FilledSets();
    std::string before = query->Parameters()->ParamXML();
    query->SetReadOnly(true);
    for (auto& set : sets) {
        EXPECT_FALSE(set->RemoveShoreStatus("ONSHORE")) << "nothing was removed";
        EXPECT_TRUE(set->ShoreStatus("ONSHORE"));
        EXPECT_EQ(set->ShoreStatusCount(), 2);
        EXPECT_FALSE(set->Modified());
    }
    EXPECT_EQ(query->Parameters()->ParamXML(), before);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");

    // Writable again: the same call removes it.
    query->SetReadOnly(false);
    for (auto& set : sets) {
        EXPECT_TRUE(set->RemoveShoreStatus("ONSHORE"));
        EXPECT_FALSE(set->ShoreStatus("ONSHORE"));
        EXPECT_TRUE(set->ShoreStatus("OFFSHORE"));
    }
}

TEST_F(ShoreStatusRemoval, ARemovalMarksTheSetChangedAndAMissOrARefusalDoesNot) {
    std::vector<Ref<IShoreStatusCriteria>> sets = FilledSets();
    for (auto& set : sets) {
        EXPECT_FALSE(set->RemoveShoreStatus("BOTH"));
        EXPECT_FALSE(set->Modified()) << "removing a code that is not stored changes nothing";
    }
    EXPECT_FALSE(query->Parameters()->Modified());

    // Each set in turn: the removal is what marks the change.
    for (auto& set : sets) {
        query->Parameters()->SetModified(false);
        ASSERT_TRUE(set->RemoveShoreStatus("OFFSHORE"));
        EXPECT_TRUE(set->Modified());
        EXPECT_TRUE(query->Parameters()->Modified());
    }
}

}  // namespace
