#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "platform/toolslib/cvControlHandlers.h"
#include "support/ErrorAssert.h"

namespace {

// Small fakes of the host controls: enough state to see what the handlers did.
class FakeList final : public IListControl {
public:
    std::vector<std::pair<std::string, int32_t>> rows;
    int32_t newIndex = -1;
    void Clear() override { rows.clear(), newIndex = -1; }
    void AddItem(const std::string& sText) override {
        rows.emplace_back(sText, 0);
        newIndex = static_cast<int32_t>(rows.size()) - 1;
    }
    int32_t NewIndex() override { return newIndex; }
    int32_t ItemData(int32_t lIndex) override { return rows.at(static_cast<size_t>(lIndex)).second; }
    void SetItemData(int32_t lIndex, int32_t lData) override {
        rows.at(static_cast<size_t>(lIndex)).second = lData;
    }
    int32_t ListCount() override { return static_cast<int32_t>(rows.size()); }
    std::string List(int32_t lIndex) override { return rows.at(static_cast<size_t>(lIndex)).first; }
};

// Nodes are owned by their tree alone and link to each other by plain
// pointers, so a very deep branch is freed without deep recursion.
class FakeNode final : public ITreeNode {
public:
    std::string key;
    int32_t fore = 0, back = 0;
    std::vector<FakeNode*> children;
    FakeNode* parent = nullptr;
    FakeNode* nextSibling = nullptr;
    std::weak_ptr<FakeNode> self;

    static Ref<ITreeNode> RefTo(FakeNode* n) { return n ? Ref<ITreeNode>(n->self.lock()) : Ref<ITreeNode>(); }

    std::string Key() override { return key; }
    std::string Text() override { return key; }
    Variant Tag() override { return Variant(); }
    void SetTag(const Variant&) override {}
    bool Expanded() override { return false; }
    void SetExpanded(bool) override {}
    int32_t ForeColor() override { return fore; }
    void SetForeColor(int32_t l) override { fore = l; }
    int32_t BackColor() override { return back; }
    void SetBackColor(int32_t l) override { back = l; }
    int32_t Children() override { return static_cast<int32_t>(children.size()); }
    Ref<ITreeNode> Child() override { return RefTo(children.empty() ? nullptr : children.front()); }
    Ref<ITreeNode> Next() override { return RefTo(nextSibling); }
    Ref<ITreeNode> Parent() override { return RefTo(parent); }
};

class FakeTree final : public ITreeView, public ITreeNodes {
public:
    std::map<std::string, std::shared_ptr<FakeNode>> byKey;
    std::vector<FakeNode*> roots;
    std::weak_ptr<FakeTree> self;

    Ref<ITreeNodes> Nodes() override {
        return Ref<ITreeNodes>(std::static_pointer_cast<ITreeNodes>(self.lock()));
    }
    bool Checkboxes() override { return false; }
    void SetCheckboxes(bool) override {}
    int64_t hWnd() override { return 1; }

    Ref<ITreeNode> Add(const std::string& sRelative, int32_t, const std::string& sKey,
                       const std::string&) override {
        auto node = std::make_shared<FakeNode>();
        node->key = sKey;
        node->self = node;
        if (!sRelative.empty()) node->parent = byKey.at(sRelative).get();
        auto& siblings = node->parent ? node->parent->children : roots;
        if (!siblings.empty()) siblings.back()->nextSibling = node.get();
        siblings.push_back(node.get());
        byKey[sKey] = node;
        return Ref<ITreeNode>(node);
    }
    void Clear() override { byKey.clear(), roots.clear(); }
    void Remove(const std::string& sKey) override { byKey.erase(sKey); }
    int32_t Count() override { return static_cast<int32_t>(byKey.size()); }
    Ref<ITreeNode> Item(const std::string& sKey) override { return Ref<ITreeNode>(byKey.at(sKey)); }
    bool Exists(const std::string& sKey) override { return byKey.count(sKey) != 0; }
};

std::shared_ptr<FakeTree> MakeTree() {
    auto tree = std::make_shared<FakeTree>();
    tree->self = tree;
    return tree;
}

TEST(cvControlHandlers, HandsOutTheSameHelpers) {
    cvControlHandlers controls;
    EXPECT_TRUE(controls.TreeHandler() == controls.TreeHandler());
    EXPECT_TRUE(controls.ListHandler() == controls.ListHandler());
}

TEST(cvControlHandlers, AddListItemSetsTheRowsItemData) {
    cvControlHandlers controls;
    auto list = std::make_shared<FakeList>();
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
    tree->Add("", tvwLast, "Root", "Root");
    tree->Add("Root", tvwChild, "Field", "Field");
    tree->Add("Field", tvwChild, "Field_Name", "Name");
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
    tree->Add("", tvwLast, "Root", "");
    tree->Add("Root", tvwChild, "A", "");
    tree->Add("A", tvwChild, "A1", "");
    tree->Add("A", tvwChild, "A2", "");
    tree->Add("A2", tvwChild, "A2x", "");
    tree->Add("Root", tvwChild, "B", "");
    tree->Add("B", tvwChild, "B1", "");
    trees.ColourBranch(tree->Item("A"), 0xFF, 0xFFFFFF);
    for (const char* k : {"A", "A1", "A2", "A2x"}) {
        EXPECT_EQ(tree->byKey[k]->fore, 0xFF) << k;
        EXPECT_EQ(tree->byKey[k]->back, 0xFFFFFF) << k;
    }
    // The node's siblings, their branches and its parent stay as they were.
    for (const char* k : {"Root", "B", "B1"}) EXPECT_EQ(tree->byKey[k]->fore, 0) << k;

    // A deep branch does not exhaust the call stack.
    std::string parent = "B1";
    for (int i = 0; i < 100000; ++i) {
        std::string key = "d" + std::to_string(i);
        tree->Add(parent, tvwChild, key, "");
        parent = key;
    }
    trees.ColourBranch(tree->Item("B"), 7, 8);
    EXPECT_EQ(tree->byKey["d99999"]->fore, 7);
    EXPECT_EQ(tree->byKey["A"]->fore, 0xFF);
    EXPECT_RAISES(91, trees.ColourBranch(Ref<ITreeNode>(), 1, 2));
}

}  // namespace
