#include <gtest/gtest.h>

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
