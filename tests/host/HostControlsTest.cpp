// The in-memory host controls: they keep what the library gives them in the
// order a real control shows it, and refuse what a real control refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "host/controls/MemoryComboBox.h"
#include "host/controls/MemoryDataTypeChooser.h"
#include "host/controls/MemoryGeologicalAgeControl.h"
#include "host/controls/MemoryListBox.h"
#include "host/controls/MemoryTreeView.h"
#include "platform/runtime/Text.h"
#include "platform/ui/UiServices.h"
#include "support/ErrorAssert.h"

namespace {

using Keys = std::vector<std::string>;

TEST(MemoryTreeView, RelationshipsPlaceNodesAmongSiblingsAndChildren) {
    MemoryTreeView tree;
    Ref<ITreeNodes> nodes = tree.Nodes();
    nodes->Add("", 0, "B", "b");
    nodes->Add("B", tvwFirst, "A", "a");
    nodes->Add("A", tvwLast, "D", "d");
    nodes->Add("D", tvwPrevious, "C", "c");
    nodes->Add("A", tvwNext, "A2", "a2");
    Ref<ITreeNode> b1 = nodes->Add("B", tvwChild, "B1", "b1");
    nodes->Add("B", tvwChild, "B3", "b3");
    nodes->Add(b1, tvwNext, "B2", "b2");
    nodes->Add(b1, tvwChild, "B1x", "b1x")->SetExpanded(true);
    nodes->Add(Ref<ITreeNode>(), tvwChild, "E", "e");  // no relative: top level, last
    EXPECT_EQ(tree.Memory().Keys(), (Keys{"A", "A2", "B", "B1", "B1x", "B2", "B3", "C", "D", "E"}));
    EXPECT_EQ(tree.Print(), "A|a\nA2|a2\nB|b\n  B1|b1\n    B1x|b1x|+\n  B2|b2\n  B3|b3\nC|c\nD|d\nE|e\n");
    EXPECT_EQ(nodes->Count(), 10);

    // The links the library walks agree with the order shown.
    Ref<ITreeNode> b = nodes->Item("B");
    EXPECT_EQ(b->Children(), 3);
    EXPECT_EQ(b->Child()->Key(), "B1");
    EXPECT_EQ(b->Child()->Next()->Key(), "B2");
    EXPECT_EQ(nodes->Item("B2")->Parent()->Key(), "B");
    EXPECT_TRUE(nodes->Item("B3")->Next().IsNothing());
    EXPECT_TRUE(b->Parent().IsNothing());
    EXPECT_EQ(nodes->Item("A2")->Next()->Key(), "B");
}

TEST(MemoryTreeView, RefusesDuplicateAndMissingKeysWithTheControlsNumbers) {
    MemoryTreeView tree;
    Ref<ITreeNodes> nodes = tree.Nodes();
    nodes->Add("", 0, "Probable", "Probable");
    nodes->Add("Probable", tvwChild, "PROBABLE", "Probable Development");  // keys keep their case

    Error duplicate = CaughtError([&] { nodes->Add("", 0, "PROBABLE", "again"); });
    EXPECT_EQ(duplicate.Number(), 35602);
    EXPECT_EQ(duplicate.Description(), "Key is not unique in collection");
    Error missing = CaughtError([&] { nodes->Add("Possible", tvwChild, "TECHRES", "x"); });
    EXPECT_EQ(missing.Number(), 35601);
    EXPECT_EQ(missing.Description(), "Element not found");
    EXPECT_RAISES(35601, nodes->Item("probable"));
    EXPECT_RAISES(35601, nodes->Remove("Possible"));
    EXPECT_RAISES(380, nodes->Add("Probable", 5, "X", "x"));

    // A node of another tree is no relative here.
    MemoryTreeView other;
    Ref<ITreeNode> foreign = other.Nodes()->Add("", 0, "F", "f");
    EXPECT_RAISES(35601, nodes->Add(foreign, tvwChild, "X", "x"));

    // Nothing refused was added; nodes without a key may repeat.
    EXPECT_EQ(nodes->Count(), 2);
    EXPECT_FALSE(nodes->Exists("TECHRES"));
    nodes->Add("", 0, "", "one");
    nodes->Add("", 0, "", "two");
    EXPECT_EQ(nodes->Count(), 4);
}

TEST(MemoryTreeView, RemoveTakesTheWholeBranchAndClearTakesAll) {
    MemoryTreeView tree;
    Ref<ITreeNodes> nodes = tree.Nodes();
    nodes->Add("", 0, "ROOT", "All");
    for (const char* key : {"Q_1", "Q_2", "Q_3"}) nodes->Add("ROOT", tvwChild, key, key);
    nodes->Add("Q_2", tvwChild, "B_2/1", "2/1");
    Ref<ITreeNode> deep = nodes->Add("B_2/1", tvwChild, "BR_7", "2/1a");

    nodes->Remove("Q_2");
    EXPECT_EQ(tree.Memory().Keys(), (Keys{"ROOT", "Q_1", "Q_3"}));
    EXPECT_EQ(nodes->Count(), 3);
    EXPECT_EQ(nodes->Item("ROOT")->Children(), 2);
    EXPECT_EQ(nodes->Item("Q_1")->Next()->Key(), "Q_3");
    EXPECT_FALSE(nodes->Exists("BR_7"));
    EXPECT_TRUE(deep->Parent().IsNothing()) << "a removed node is out of the tree";
    EXPECT_RAISES(35601, nodes->Add(deep, tvwChild, "X", "x"));
    nodes->Add("Q_3", tvwPrevious, "Q_2", "again");  // its keys are free again
    EXPECT_EQ(tree.Memory().Keys(), (Keys{"ROOT", "Q_1", "Q_2", "Q_3"}));

    // Removing the first and the last sibling relinks the rest.
    nodes->Remove("Q_1");
    nodes->Remove("Q_3");
    EXPECT_EQ(nodes->Item("ROOT")->Child()->Key(), "Q_2");
    EXPECT_TRUE(nodes->Item("Q_2")->Next().IsNothing());
    nodes->Add("ROOT", tvwChild, "Q_4", "Q_4");
    EXPECT_EQ(tree.Memory().Keys(), (Keys{"ROOT", "Q_2", "Q_4"}));

    nodes->Clear();
    EXPECT_EQ(nodes->Count(), 0);
    EXPECT_EQ(tree.Print(), "");
    nodes->Add("", 0, "ROOT", "All");
    EXPECT_EQ(tree.Print(), "ROOT|All\n");
}

TEST(MemoryListBox, ItemDataByIndexAndOutOfRange) {
    MemoryListBox list("lstStatus");
    EXPECT_EQ(list.NewIndex(), -1);
    list.AddItem("Onstream");
    list.SetItemData(list.NewIndex(), 1);
    list.AddItem("Ceased");
    list.SetItemData(list.NewIndex(), 2);
    EXPECT_EQ(list.NewIndex(), 1);
    EXPECT_EQ(list.ItemData(0), 1);
    EXPECT_EQ(list.List(1), "Ceased");
    Error outside = CaughtError([&] { list.ItemData(2); });
    EXPECT_EQ(outside.Number(), 381);
    EXPECT_EQ(outside.Description(), "Invalid property array index");
    EXPECT_RAISES(381, list.ItemData(-1));
    EXPECT_RAISES(381, list.SetItemData(2, 9));
    EXPECT_RAISES(381, list.List(2));
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.NewIndex(), -1);
    EXPECT_EQ(list.Name(), "lstStatus");

    // A sorted combo puts each row in its place and says where, so item
    // data set at NewIndex stays with its row.
    MemoryComboBox combo("cboType", true);
    for (const char* text : {"oil", "Gas", "condensate", "gas"}) {
        combo.AddItem(text);
        combo.SetItemData(combo.NewIndex(), static_cast<int32_t>(combo.ListCount()));
    }
    EXPECT_EQ(combo.NewIndex(), 2);
    EXPECT_EQ(combo.Print(), "condensate|3\nGas|2\ngas|4\noil|1\n");

    // Thousands of rows in no order, texts that compare equal among them:
    // each row's item data stays with it, and every row is found by its index.
    MemoryListBox many("lstFields", true);
    std::vector<ListRow> expected;
    for (int32_t i = 0; i < 3000; ++i) {
        const int32_t n = (i * 7919) % 1000;
        const std::string text = (i % 2 ? "Field " : "FIELD ") + std::to_string(n);
        many.AddItem(text);
        many.SetItemData(many.NewIndex(), i);
        expected.push_back({text, i});
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [](const ListRow& a, const ListRow& b) { return CompareNoCase(a.Text, b.Text) < 0; });
    ASSERT_EQ(many.ListCount(), 3000);
    size_t misplaced = 0;
    for (int32_t i = 0; i < 3000; ++i) {
        const ListRow& want = expected[static_cast<size_t>(i)];
        const ListRow& kept = many.Rows()[static_cast<size_t>(i)];
        if (kept.Text != want.Text || kept.ItemData != want.ItemData || many.List(i) != want.Text ||
            many.ItemData(i) != want.ItemData)
            ++misplaced;
    }
    EXPECT_EQ(misplaced, 0u);
    many.SetItemData(2999, -1);
    EXPECT_EQ(many.Rows().back().ItemData, -1) << "the rows shown follow a change after they were read";
    many.Clear();
    EXPECT_TRUE(many.Rows().empty());
}

TEST(MemoryDataTypeChooser, KeepsRowsOfTwoThreeOrFourTexts) {
    MemoryDataTypeChooser chooser;
    chooser.AddDataType("Award Date", "Issue_Date");
    chooser.Clear(true);
    chooser.AddDataType("Total PV", "TOTALPV_POSTTAX_USD", "US$ million");
    chooser.AddDataType("Oil", "REC_R_OIL", "Oil_Reserves", "MMbbl");
    chooser.AddDataType("Dev Consent", "Devt_Consent");
    EXPECT_EQ(chooser.ClearCalls(), std::vector<bool>{true});
    ASSERT_EQ(chooser.Rows().size(), 3u);
    EXPECT_EQ(chooser.Rows()[0].Args, (Keys{"Total PV", "TOTALPV_POSTTAX_USD", "US$ million"}));
    EXPECT_EQ(chooser.Rows()[1].Args, (Keys{"Oil", "REC_R_OIL", "Oil_Reserves", "MMbbl"}));
    EXPECT_EQ(chooser.Print(),
              "Total PV|TOTALPV_POSTTAX_USD|US$ million\nOil|REC_R_OIL|Oil_Reserves|MMbbl\n"
              "Dev Consent|Devt_Consent\n");
}

TEST(MemoryGeologicalAgeControl, KeepsTheCollectionsItIsGivenAndATree) {
    MemoryGeologicalAgeControl age("ctlAge");
    EXPECT_TRUE(age.Eras().IsNothing());
    auto eras = New<cvCollection>();
    eras->Add(Variant("CZ|Cenozoic"), "CZ");
    auto periods = New<cvCollection>();
    age.SetEras(eras);
    age.SetPeriods(periods);
    EXPECT_TRUE(age.Eras() == eras);
    EXPECT_EQ(CStr(age.Eras()->Item(Variant("CZ"))), "CZ|Cenozoic");
    EXPECT_TRUE(age.Periods() == periods);
    EXPECT_TRUE(age.Formations().IsNothing());

    Ref<ITreeNode> era = age.Nodes()->Add("", 0, "CZ_PARENT", "Cenozoic");
    age.Nodes()->Add(era, tvwChild, "CenozoicNG_PARENT", "Neogene");
    EXPECT_RAISES(35602, age.Nodes()->Add(era, tvwChild, "CenozoicNG_PARENT", "Neogene"));
    EXPECT_EQ(age.Tree().Print(), "CZ_PARENT|Cenozoic\n  CenozoicNG_PARENT|Neogene\n");
    EXPECT_EQ(age.Name(), "ctlAge");
}

class WindowLocks : public ::testing::Test {
protected:
    void SetUp() override { ui::ResetUiServices(); }
    void TearDown() override { ui::ResetUiServices(); }
};

TEST_F(WindowLocks, EachTreeRecordsItsFreezesAndOnlyOneIsFrozenAtATime) {
    // A hook the host installed earlier still sees every call.
    std::vector<int64_t> seen;
    ui::SetWindowUpdateHook([&](int64_t h) {
        seen.push_back(h);
        return true;
    });
    MemoryTreeView first, second;
    int64_t h1 = first.hWnd(), h2 = second.hWnd();
    EXPECT_NE(h1, 0);
    EXPECT_NE(h1, h2);

    first.Nodes()->Add("", 0, "before", "");
    EXPECT_TRUE(ui::LockWindowUpdate(h1));
    first.Nodes()->Add("", 0, "during", "");
    EXPECT_TRUE(first.LockRecord().Frozen);
    EXPECT_FALSE(ui::LockWindowUpdate(h2)) << "one window is locked at a time";
    EXPECT_FALSE(second.LockRecord().Frozen);
    EXPECT_TRUE(ui::LockWindowUpdate(0));
    first.Nodes()->Add("", 0, "after", "");
    EXPECT_FALSE(ui::LockWindowUpdate(0)) << "nothing left to release";

    WindowLockRecord record = first.LockRecord();
    EXPECT_EQ(record.Locks, 1);
    EXPECT_EQ(record.Unlocks, 1);
    EXPECT_FALSE(record.Frozen);
    EXPECT_EQ(first.Memory().FrozenAdds(), 1);
    EXPECT_EQ(second.LockRecord().Locks, 1);
    EXPECT_EQ(second.LockRecord().Unlocks, 0);
    EXPECT_EQ(seen, (std::vector<int64_t>{h1, h2, 0, 0}));

    // Reading the handle again does not make a lock count twice.
    first.hWnd();
    ui::LockWindowUpdate(h1);
    EXPECT_EQ(first.LockRecord().Locks, 2);

    // A tree that goes away while frozen releases the lock.
    {
        MemoryTreeView gone;
        ui::LockWindowUpdate(0);
        EXPECT_TRUE(ui::LockWindowUpdate(gone.hWnd()));
    }
    EXPECT_TRUE(ui::LockWindowUpdate(h2));
    EXPECT_TRUE(second.LockRecord().Frozen);
    ui::LockWindowUpdate(0);
}

}  // namespace
