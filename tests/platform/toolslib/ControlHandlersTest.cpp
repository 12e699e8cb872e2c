#include <gtest/gtest.h>

#include "host/controls/MemoryListBox.h"
#include "host/controls/MemoryTreeView.h"
#include "platform/toolslib/cvControlHandlers.h"
#include "support/ErrorAssert.h"

namespace {

std::shared_ptr<MemoryTreeView> MakeTree() { return std::make_shared<MemoryTreeView>(); }

TEST(cvControlHandlers, HandsOutTheSameHelpers) {
    cvControlHandlers controls;
    EXPECT_TRUE(controls.TreeHandler() == controls.TreeHandler());
    EXPECT_TRUE(controls.ListHandler() == controls.ListHandler());
}

TEST(cvControlHandlers, AddListItemSetsTheRowsItemData) {
    cvControlHandlers controls;
    auto list = std::make_shared<MemoryListBox>();
    EXPECT_EQ(controls.ListHandler()->AddListItem(Ref<IListControl>(list), "Norway", 47), 0);
    EXPECT_EQ(controls.ListHandler()->AddListItem(Ref<IListControl>(list), "Denmark", -45), 1);
    ASSERT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->List(0), "Norway");
    EXPECT_EQ(list->ItemData(0), 47);
    EXPECT_EQ(list->List(1), "Denmark");
    EXPECT_EQ(list->ItemData(1), -45);
    EXPECT_RAISES(91, controls.ListHandler()->AddListItem(Ref<IListControl>(), "x", 1));
}

TEST(cvControlHandlers, NodeExistsLooksAtEveryLevel) {
    cvTreeHandler trees;
    auto tree = MakeTree();
    tree->Memory().Add("", tvwLast, "Root", "Root");
    tree->Memory().Add("Root", tvwChild, "Field", "Field");
    tree->Memory().Add("Field", tvwChild, "Field_Name", "Name");
    Ref<ITreeView> view(tree);
    EXPECT_TRUE(trees.NodeExists(view, "Root"));
    EXPECT_TRUE(trees.NodeExists(view, "Field_Name"));
    EXPECT_FALSE(trees.NodeExists(view, "Well"));
    EXPECT_FALSE(trees.NodeExists(view, ""));
    EXPECT_RAISES(91, trees.NodeExists(Ref<ITreeView>(), "Root"));
}

TEST(cvControlHandlers, ColourBranchColoursTheNodeAndAllBelowIt) {
    cvTreeHandler trees;
    auto tree = MakeTree();
    tree->Memory().Add("", tvwLast, "Root", "");
    tree->Memory().Add("Root", tvwChild, "A", "");
    tree->Memory().Add("A", tvwChild, "A1", "");
    tree->Memory().Add("A", tvwChild, "A2", "");
    tree->Memory().Add("A2", tvwChild, "A2x", "");
    tree->Memory().Add("Root", tvwChild, "B", "");
    tree->Memory().Add("B", tvwChild, "B1", "");
    trees.ColourBranch(tree->Memory().Item("A"), 0xFF, 0xFFFFFF);
    for (const char* k : {"A", "A1", "A2", "A2x"}) {
        EXPECT_EQ(tree->Memory().Node(k)->ForeColor(), 0xFF) << k;
        EXPECT_EQ(tree->Memory().Node(k)->BackColor(), 0xFFFFFF) << k;
    }
    // The node's siblings, their branches and its parent stay as they were.
    for (const char* k : {"Root", "B", "B1"})
        EXPECT_EQ(tree->Memory().Node(k)->ForeColor(), MemoryTreeNode::kWindowText) << k;

    // A deep branch does not exhaust the call stack.
    std::string parent = "B1";
    for (int i = 0; i < 100000; ++i) {
        std::string key = "d" + std::to_string(i);
        tree->Memory().Add(parent, tvwChild, key, "");
        parent = key;
    }
    trees.ColourBranch(tree->Memory().Item("B"), 7, 8);
    EXPECT_EQ(tree->Memory().Node("d99999")->ForeColor(), 7);
    EXPECT_EQ(tree->Memory().Node("A")->ForeColor(), 0xFF);
    EXPECT_RAISES(91, trees.ColourBranch(Ref<ITreeNode>(), 1, 2));
}

}  // namespace
