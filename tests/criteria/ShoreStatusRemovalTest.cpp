// Taking a shore status off a query: the read-only guard holds for it as for
// every other criterion, and a removal counts as a change.
#include <gtest/gtest.h>

#include "criteria/CriteriaFixture.h"
#include "interfaces/ICriteria.h"
#include "interfaces/IParameters.h"

namespace {

class ShoreStatusRemoval : public CriteriaFixture {
protected:
    // The four sets of a query's criteria that keep shore statuses, each
    // holding ONSHORE and OFFSHORE, with every changed flag cleared; the
    // active query is a fake whose read-only flag the test sets.
    std::vector<Ref<IShoreStatusCriteria>> FilledSets() {
        query = MakeRootWithFakeQuery();
        params = ParametersOfDefaultQuery();
        Ref<IParameters> p = params;
        std::vector<Ref<IShoreStatusCriteria>> sets = {p->Field(), p->Well(), p->Block(), p->Transport()};
        for (auto& set : sets) {
            set->AddShoreStatus("ONSHORE");
            set->AddShoreStatus("OFFSHORE");
        }
        p->SetModified(false);
        return sets;
    }

    Ref<FakeQuery> query;  // the active query
    Ref<IParameters> params;
};

TEST_F(ShoreStatusRemoval, AReadOnlyQueryKeepsItsShoreStatuses) {
    std::vector<Ref<IShoreStatusCriteria>> sets = FilledSets();
    std::string before = params->ParamXML();
    query->SetReadOnly(true);
    for (auto& set : sets) {
        EXPECT_FALSE(set->RemoveShoreStatus("ONSHORE")) << "nothing was removed";
        EXPECT_TRUE(set->ShoreStatus("ONSHORE"));
        EXPECT_EQ(set->ShoreStatusCount(), 2);
        EXPECT_FALSE(set->Modified());
    }
    EXPECT_EQ(params->ParamXML(), before);
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
    EXPECT_FALSE(params->Modified());

    // Each set in turn: the removal is what marks the change.
    for (auto& set : sets) {
        params->SetModified(false);
        ASSERT_TRUE(set->RemoveShoreStatus("OFFSHORE"));
        EXPECT_TRUE(set->Modified());
        EXPECT_TRUE(params->Modified());
    }
}

}  // namespace
