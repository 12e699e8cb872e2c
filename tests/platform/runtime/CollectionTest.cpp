#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "support/ErrorAssert.h"

namespace {

std::string Keys(const cvCollection& c) {
    std::string keys;
    for (int32_t i = 1; i <= c.Count(); ++i) keys += (i > 1 ? "," : "") + c.KeyAt(i);
    return keys;
}

TEST(cvCollection, ItemsByKeyAndPosition) {
    cvCollection c;
    c.Add(Variant("first"), "C_10");
    c.Add(Variant(int32_t(2)), "I_2");
    c.Add(Variant::Null(), "K_x");
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Item(Variant("c_10")).ToString(), "first");  // keys ignore case
    EXPECT_EQ(c.Item(Variant(int32_t(2))).ToLong(), 2);
    EXPECT_TRUE(c.Item(Variant("K_X")).IsNull());
    EXPECT_EQ(c.Item(Variant(1.0)).ToString(), "first");
    EXPECT_TRUE(c.Exists("i_2"));
    EXPECT_FALSE(c.Exists("I_3"));
    EXPECT_EQ(Keys(c), "C_10,I_2,K_x");  // keys keep the case they were added with

    // A key is text even when it looks like a number.
    c.Add(Variant("by key"), "1");
    EXPECT_EQ(c.Item(Variant("1")).ToString(), "by key");
    EXPECT_EQ(c.Item(Variant(int32_t(1))).ToString(), "first");

    EXPECT_RAISES(457, c.Add(Variant("again"), "c_10"));
    EXPECT_EQ(c.Count(), 4);
    EXPECT_RAISES(5, c.Item(Variant("nope")));
    EXPECT_RAISES(5, c.Item(Variant(int32_t(0))));
    EXPECT_RAISES(5, c.Item(Variant(int32_t(5))));
    EXPECT_RAISES(5, c.Item(Variant()));
    EXPECT_RAISES(5, c.KeyAt(0));
    EXPECT_RAISES(5, c.KeyAt(5));
    EXPECT_RAISES(94, c.Item(Variant::Null()));
}

TEST(cvCollection, AddBeforeRemoveAndReplaceKeepOrder) {
    cvCollection c;
    c.Add(Variant("a"), "A");
    c.Add(Variant("c"), "C");
    c.Add(Variant("b"), "B", 2);
    c.Add(Variant("z"), "Z", 1);
    EXPECT_EQ(Keys(c), "Z,A,B,C");
    EXPECT_EQ(c.Item(Variant("B")).ToString(), "b");
    EXPECT_RAISES(5, c.Add(Variant("y"), "Y", 5));
    EXPECT_RAISES(5, c.Add(Variant("y"), "Y", -1));
    EXPECT_FALSE(c.Exists("Y"));

    c.Remove(Variant(int32_t(1)));
    EXPECT_EQ(Keys(c), "A,B,C");
    c.Remove(Variant("b"));
    EXPECT_EQ(Keys(c), "A,C");
    EXPECT_EQ(c.Item(Variant("C")).ToString(), "c");  // later entries are found after a removal
    EXPECT_EQ(c.Item(Variant(int32_t(2))).ToString(), "c");
    EXPECT_FALSE(c.Exists("B"));
    c.Add(Variant("b again"), "B");  // a removed key may come back
    EXPECT_EQ(Keys(c), "A,C,B");
    EXPECT_RAISES(5, c.Remove(Variant("missing")));
    EXPECT_RAISES(5, c.Remove(Variant(int32_t(4))));

    c.ReplaceItem("c", Variant(int32_t(3)));
    EXPECT_EQ(c.Item(Variant(int32_t(2))).ToLong(), 3);
    EXPECT_EQ(Keys(c), "A,C,B");
    EXPECT_RAISES(5, c.ReplaceItem("Q", Variant(1)));

    c.Clear();
    EXPECT_EQ(c.Count(), 0);
    EXPECT_FALSE(c.Exists("A"));
    c.Add(Variant("a"), "A");
    EXPECT_EQ(c.Count(), 1);
}

TEST(cvCollection, ChangeKeyKeepsTheEntrysPlace) {
    cvCollection c;
    c.Add(Variant("x"), "Old");
    c.Add(Variant("y"), "Other");
    c.Add(Variant("z"), "Last");
    c.ChangeKey("old", "New");
    EXPECT_EQ(Keys(c), "New,Other,Last");
    EXPECT_EQ(c.Item(Variant("NEW")).ToString(), "x");
    EXPECT_FALSE(c.Exists("Old"));
    c.ChangeKey("New", "NEW");  // a change of case only
    EXPECT_EQ(Keys(c), "NEW,Other,Last");
    EXPECT_EQ(c.Item(Variant("new")).ToString(), "x");
    EXPECT_RAISES(457, c.ChangeKey("NEW", "other"));
    EXPECT_RAISES(5, c.ChangeKey("gone", "Fresh"));
    EXPECT_EQ(Keys(c), "NEW,Other,Last");
    c.Remove(Variant("NEW"));
    EXPECT_EQ(c.Item(Variant("Last")).ToString(), "z");
}

}  // namespace

namespace {

// The collection beside a plain list of (key, item) doing the same steps:
// after every step both agree on the order, the keys and the items.
TEST(cvCollection, OrderAfterInsertsAndRemovalsMatchesAPlainList) {
    cvCollection c;
    std::vector<std::pair<std::string, int32_t>> model;
    uint32_t seed = 12345;
    auto next = [&](uint32_t n) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % n;
    };
    auto agree = [&](int step) {
        ASSERT_EQ(c.Count(), static_cast<int32_t>(model.size())) << step;
        for (size_t i = 0; i < model.size(); ++i) {
            ASSERT_EQ(c.KeyAt(static_cast<int32_t>(i + 1)), model[i].first) << step << " at " << i;
            ASSERT_EQ(c.Item(Variant(static_cast<int32_t>(i + 1))).ToLong(), model[i].second) << step;
        }
        // Reading by position out of order, and by key, finds the same.
        for (int k = 0; k < 5 && !model.empty(); ++k) {
            size_t i = next(static_cast<uint32_t>(model.size()));
            ASSERT_EQ(c.Item(Variant(model[i].first)).ToLong(), model[i].second) << step;
            ASSERT_EQ(c.KeyAt(static_cast<int32_t>(i + 1)), model[i].first) << step;
        }
    };
    int32_t made = 0;
    for (int step = 0; step < 600; ++step) {
        uint32_t what = next(10);
        if (model.empty() || what < 4) {
            // Appended, or put in front of a position.
            std::string key = "K" + std::to_string(made);
            int32_t before = model.empty() || what < 2 ? 0 : static_cast<int32_t>(next(model.size()) + 1);
            c.Add(Variant(made), key, before);
            model.insert(before ? model.begin() + (before - 1) : model.end(), {key, made});
            ++made;
        } else if (what < 6) {
            size_t i = next(static_cast<uint32_t>(model.size()));
            c.Remove(Variant(static_cast<int32_t>(i + 1)));
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(i));
        } else if (what < 8) {
            size_t i = next(static_cast<uint32_t>(model.size()));
            c.Remove(Variant(LCase(model[i].first)));  // by key, in another case
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            size_t i = next(static_cast<uint32_t>(model.size()));
            std::string key = "R" + std::to_string(made++);
            c.ChangeKey(model[i].first, key);
            model[i].first = key;
        }
        agree(step);
    }
    EXPECT_GT(made, 200);
}

TEST(cvCollection, WalkingPositionsAcrossChanges) {
    cvCollection c;
    for (int32_t i = 1; i <= 50; ++i) c.Add(Variant(i), "k" + std::to_string(i));
    // A walk, then a change before the place it reached: the walk reads the
    // new order.
    EXPECT_EQ(c.KeyAt(10), "k10");
    EXPECT_EQ(c.KeyAt(11), "k11");
    c.Remove(Variant(int32_t(5)));
    EXPECT_EQ(c.KeyAt(12), "k13");
    c.Add(Variant(int32_t(0)), "early", 3);
    EXPECT_EQ(c.KeyAt(13), "k13");
    EXPECT_EQ(c.KeyAt(14), "k14");
    c.Remove(Variant("k14"));  // the entry the walk stands on
    EXPECT_EQ(c.KeyAt(15), "k16");
    EXPECT_EQ(c.Item(Variant(int32_t(3))).ToLong(), 0);
    c.Clear();
    c.Add(Variant(int32_t(1)), "only");
    EXPECT_EQ(c.KeyAt(1), "only");
    EXPECT_RAISES(5, c.KeyAt(2));
}

// Removing from the front and inserting at the front of a large collection
// take a moment, not a time that grows with the square of the count.
TEST(cvCollection, LargeCollectionsRemoveAndInsertQuickly) {
    constexpr int32_t kItems = 100000, kRemoved = 20000;
    cvCollection c;
    const auto start = std::chrono::steady_clock::now();
    for (int32_t i = 0; i < kItems; ++i) c.Add(Variant(i), "Key" + std::to_string(i));
    for (int32_t i = 0; i < kRemoved / 2; ++i) c.Remove(Variant("KEY" + std::to_string(i)));
    for (int32_t i = 0; i < kRemoved / 2; ++i) c.Remove(Variant(int32_t(1)));
    for (int32_t i = 0; i < kRemoved; ++i) c.Add(Variant(-i), "New" + std::to_string(i), 1);
    int64_t total = 0;
    for (int32_t i = 1; i <= c.Count(); ++i) total += c.Item(Variant(i)).ToLong();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 3.0);

    ASSERT_EQ(c.Count(), kItems);
    EXPECT_EQ(c.KeyAt(1), "New" + std::to_string(kRemoved - 1));
    EXPECT_EQ(c.KeyAt(kRemoved), "New0");
    EXPECT_EQ(c.KeyAt(kRemoved + 1), "Key" + std::to_string(kRemoved));
    EXPECT_EQ(c.Item(Variant("key99999")).ToLong(), 99999);
    EXPECT_EQ(c.KeyAt(kItems), "Key99999");
    EXPECT_FALSE(c.Exists("Key0"));
    EXPECT_FALSE(c.Exists("Key19999"));
    int64_t expected = 0;
    for (int32_t i = kRemoved; i < kItems; ++i) expected += i;
    for (int32_t i = 0; i < kRemoved; ++i) expected -= i;
    EXPECT_EQ(total, expected);
}

}  // namespace
