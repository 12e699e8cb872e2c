// The reference lists' code and description look-ups over their caches, and
// the lists root handing out one object per list.
#include <gtest/gtest.h>

#include <functional>

#include "lists/CListBlock.h"
#include "lists/CListField.h"
#include "lists/CListTransport.h"
#include "lists/CListWell.h"
#include "lists/CLists.h"
#include "support/FakeRootFixture.h"

namespace {

// One look-up pair and the cache it must read.
struct Pair {
    std::string name;
    std::function<CLookupCache&()> cache;
    std::function<std::string(int32_t)> code;
    std::function<std::string(int32_t)> description;
};

// A look-up pair and the cache behind it.
#define LOOKUP_PAIR(list, name, cache)                                                   \
    Pair {                                                                               \
#name, [this]() -> CLookupCache& { return list->cache(); },                            \
            [this](int32_t n) { return list->name##Code(n); },                                 \
            [this](int32_t n) { return list->name##Description(n); } \
    }

class ListLookups : public FakeRootFixture {
protected:
    std::vector<Pair> AllPairs() {
        return {
            LOOKUP_PAIR(field, FieldType, FieldTypes),
            LOOKUP_PAIR(field, DevelopmentStatus, DevelopmentStatuses),
            LOOKUP_PAIR(field, DevelopmentType, DevelopmentTypes),
            LOOKUP_PAIR(well, WellType, WellTypes),
            LOOKUP_PAIR(well, WellStatus, WellStatuses),
            LOOKUP_PAIR(well, WellResult, WellResults),
            LOOKUP_PAIR(well, RigName, RigNames),
            LOOKUP_PAIR(well, WellLocation, WellLocations),
            LOOKUP_PAIR(block, LicenceStatus, LicenceStatuses),
            LOOKUP_PAIR(block, LicenceAreaStatus, LicenceAreaStatuses),
            LOOKUP_PAIR(transport, TransportMethod, TransportMethods),
            LOOKUP_PAIR(transport, TransportStatus, TransportStatuses),
        };
    }

    Ref<CListField> field = New<CListField>();
    Ref<CListWell> well = New<CListWell>();
    Ref<CListBlock> block = New<CListBlock>();
    Ref<CListTransport> transport = New<CListTransport>();
};

TEST_F(ListLookups, EachLookUpReadsItsOwnCacheOnly) {
    std::vector<Pair> pairs = AllPairs();
    // Never filled: empty text, whatever the number.
    for (auto& p : pairs) {
        EXPECT_EQ(p.code(3), "") << p.name;
        EXPECT_EQ(p.description(3), "") << p.name;
    }
    // Fill each cache with entries named after it; every pair must answer
    // from its own.
    for (auto& p : pairs) {
        p.cache().Start();
        p.cache().Add(1, p.name + "-A", "First " + p.name);
        p.cache().Add(2, p.name + "-B", "Second " + p.name);
    }
    for (auto& p : pairs) {
        EXPECT_EQ(p.code(2), p.name + "-B");
        EXPECT_EQ(p.description(1), "First " + p.name);
    }
}

TEST_F(ListLookups, CodeAndNameSplitAtTheBars) {
    CLookupCache& cache = field->FieldTypes();
    cache.Start();
    cache.Add(1, "PROD", "Producing");
    cache.Add(2, "", "No code");
    cache.Add(3, "X", "Name|extra");
    cache.Add(4, "Y", "|Lead||trail|");
    EXPECT_EQ(field->FieldTypeCode(1), "PROD");
    EXPECT_EQ(field->FieldTypeDescription(1), "Producing");
    EXPECT_EQ(field->FieldTypeCode(2), "");
    EXPECT_EQ(field->FieldTypeDescription(2), "No code");
    EXPECT_EQ(field->FieldTypeCode(3), "X");
    EXPECT_EQ(field->FieldTypeDescription(3), "Name|extra") << "only the first bar separates";
    EXPECT_EQ(field->FieldTypeCode(4), "Y");
    EXPECT_EQ(field->FieldTypeDescription(4), "|Lead||trail|");
}

TEST_F(ListLookups, ANumberNeverHandedOutRaisesTheCollectionsErrorToTheCaller) {
    well->WellTypes().Start();
    well->WellTypes().Add(1, "EXP", "Exploration");
    Error e = CaughtError([&] { well->WellTypeCode(9); });
    EXPECT_EQ(e.Number(), rt::kInvalidCall);
    EXPECT_TRUE(Contains(e.Description(), "CListWell.IListWell_WellTypeCode(lID=9)")) << e.Description();
    transport->TransportStatuses().Start();
    e = CaughtError([&] { transport->TransportStatusDescription(0); });
    EXPECT_TRUE(Contains(e.Description(), "CListTransport.IListTransport_TransportStatusDescription(lID=0)"));
    EXPECT_EQ(Dialog(), "") << "the look-ups show nothing themselves";
    EXPECT_TRUE(messages.empty());
}

TEST_F(ListLookups, ANewFillReplacesTheCache) {
    CLookupCache& cache = field->DevelopmentStatuses();
    cache.Start();
    cache.Add(1, "DEVSTATC-1", "Commercial one");
    cache.Add(2, "DEVSTATC-2", "Commercial two");
    cache.Start();
    cache.Add(1, "DEVSTATE-1", "Technical one");
    EXPECT_EQ(field->DevelopmentStatusCode(1), "DEVSTATE-1");
    EXPECT_EQ(CaughtError([&] { field->DevelopmentStatusCode(2); }).Number(), rt::kInvalidCall);
}

TEST_F(ListLookups, TheListsRootHandsOutTheSameObjectsEveryTime) {
    auto lists = New<CLists>();
    EXPECT_TRUE(lists->Well() == lists->Well());
    EXPECT_TRUE(lists->Field() == lists->Field());
    EXPECT_TRUE(lists->Block() == lists->Block());
    EXPECT_TRUE(lists->Transport() == lists->Transport());
    EXPECT_TRUE(lists->Company() == lists->Company());
    EXPECT_TRUE(lists->Location() == lists->Location());

    // What one caller fills through its reference, another sees.
    Cast<CListWell>(lists->Well())->RigNames().Start();
    Cast<CListWell>(lists->Well())->RigNames().Add(1, "RIG1", "Rig One");
    EXPECT_EQ(lists->Well()->RigNameDescription(1), "Rig One");
}

}  // namespace
