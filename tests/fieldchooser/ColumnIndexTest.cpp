// The chosen columns of a grid: adding in front of the pinned and annual
// columns, removing and closing up, moving with the pin and annual rules,
// clearing, and what each member does with a failure.
#include "ChooserFixture.h"
#include "platform/ui/DoEvents.h"

namespace {

using Names = std::vector<std::string>;

class ColumnIndex : public ChooserFixture {};

TEST_F(ColumnIndex, ANewGridHasNoColumnsAndHandsOutTheCataloguesOwnCollections) {
    MakeChooser();
    EXPECT_EQ(chooser->NextIndex("Field", "Assets"), 1);
    Ref<cvCollection> active = chooser->ActiveFields("Field", "Assets");
    ASSERT_TRUE(active);
    EXPECT_EQ(active->Count(), 0);
    Ref<cvCollection> index = chooser->Index("Field", "Assets", "FIELD_SEQUENCE_INDEX");
    EXPECT_TRUE(chooser->Index("Field", "Assets", "FIELD_SEQUENCE_INDEX") == index);
    EXPECT_TRUE(chooser->Index("Field", "Assets", "HOST_OWN") != index) << "another name, another index";
    EXPECT_EQ(chooser->AddFieldToSeqIndex("Field", "Assets", "A"), 1);
    EXPECT_EQ(index->Count(), 1) << "the index handed out is the live one";
    EXPECT_TRUE(chooser->Field("Field", "Assets", "A") == F("A"));
    EXPECT_EQ(chooser->Fields("Field", "Assets")->Count(), 12);
    EXPECT_EQ(Columns("Field", "Ownership"), Names{}) << "each grid has its own index";
    EXPECT_TRUE(messages.empty());
}

TEST_F(ColumnIndex, ANewColumnGoesInFrontOfThePinsAtTheEndAndInAnnualInFrontOfTheAnnualRows) {
    MakeChooser();
    Choose({"A", "B", "LAST"});
    EXPECT_EQ(chooser->AddFieldToSeqIndex("Field", "Assets", "C"), 3);
    EXPECT_EQ(Columns(), (Names{"A", "B", "C", "LAST"})) << "every Sequence mirrors its position";

    Choose({"A", "LAST", "AR1"}, "Field", "Annual");
    EXPECT_EQ(chooser->AddFieldToSeqIndex("Field", "Annual", "AR2"), 3) << "an annual row joins the others";
    EXPECT_EQ(chooser->AddFieldToSeqIndex("Field", "Annual", "B"), 2);
    EXPECT_EQ(Columns("Field", "Annual"), (Names{"A", "B", "AR1", "AR2", "LAST"}));

    // Only the exact grid type "Annual" keeps the annual rows together.
    Choose({"A", "AR1"}, "Well", "Assets");
    EXPECT_EQ(chooser->AddFieldToSeqIndex("Well", "Assets", "B"), 3);
    EXPECT_EQ(Columns("Well", "Assets"), (Names{"A", "AR1", "B"}));
    EXPECT_EQ(chooser->AddFieldToSeqIndex("Field", "annual", "C"), 5);
    EXPECT_EQ(Columns("Field", "Annual"), (Names{"A", "B", "AR1", "AR2", "C", "LAST"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ColumnIndex, AnUnknownFieldIsRefusedBeforeAnyColumnMoves) {
    MakeChooser();
    Choose({"A", "LAST"}, "Field", "Annual");
    EXPECT_EQ(chooser->AddFieldToSeqIndex("Field", "Annual", "NO_SUCH_FIELD"), 0);
    EXPECT_EQ(Columns("Field", "Annual"), (Names{"A", "LAST"})) << "no column shifted, no hole";
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].style, 16);
    EXPECT_TRUE(Contains(messages[0].text,
                         "CSelectedFields.AddFieldToSeqIndex(sAssetType='Field', "
                         "sGridType='Annual', sFieldID='NO_SUCH_FIELD')"))
        << messages[0].text;
    Ref<cvCollection> active = chooser->ActiveFields("Field", "Annual");
    ASSERT_TRUE(active);
    EXPECT_EQ(active->Count(), 2);
    Choose({"A", "LAST"});
    EXPECT_EQ(chooser->AddFieldToSeqIndex("Field", "Assets", "NO_SUCH_FIELD"), 0);
    EXPECT_EQ(Columns(), (Names{"A", "LAST"}));
    EXPECT_EQ(Log(), "") << "the chooser does not log";
}

TEST_F(ColumnIndex, RemovingClosesUpBehindTheColumnAndHandsOverOncePerColumnMoved) {
    MakeChooser();
    Choose({"A", "B", "C", "D", "E"});
    int handovers = 0;
    ui::SetDoEventsHook([&] { ++handovers; });
    EXPECT_TRUE(chooser->RemoveFieldFromSeqIndex("Field", "Assets", 2));
    EXPECT_EQ(handovers, 3);
    EXPECT_EQ(Columns(), (Names{"A", "C", "D", "E"}));
    EXPECT_TRUE(chooser->RemoveFieldFromSeqIndex("Field", "Assets", 4));
    EXPECT_EQ(Columns(), (Names{"A", "C", "D"}));
    EXPECT_FALSE(chooser->RemoveFieldFromSeqIndex("Field", "Assets", 4));
    EXPECT_FALSE(chooser->RemoveFieldFromSeqIndex("Field", "Assets", 0));
    EXPECT_TRUE(messages.empty()) << "a position without a column is no error";

    // A pinned column stays, with a box.
    Choose({"NAME", "LAST"}, "Well", "Assets");
    EXPECT_FALSE(chooser->RemoveFieldFromSeqIndex("Well", "Assets", 1));
    EXPECT_FALSE(chooser->RemoveFieldFromSeqIndex("Well", "Assets", 2));
    EXPECT_EQ(Columns("Well", "Assets"), (Names{"NAME", "LAST"}));
    EXPECT_EQ(Shown("Warning"), (Names{"Mandatory Field: This field cannot be removed.",
                                       "Mandatory Field: This field cannot be removed."}));
    EXPECT_EQ(messages[0].style, 48);

    // A column pinned from the start slides forward; only a load puts it back.
    Choose({"NAME", "A", "PIN3", "B"}, "Block", "Assets");
    EXPECT_TRUE(chooser->RemoveFieldFromSeqIndex("Block", "Assets", 2));
    EXPECT_EQ(Columns("Block", "Assets"), (Names{"NAME", "PIN3", "B"}));
}

TEST_F(ColumnIndex, ClearAllKeepsOnlyThePinnedColumnsEvenWhenSequencesAreStale) {
    MakeChooser();
    Choose({"NAME", "A", "B", "C", "D", "LAST"});
    chooser->ClearAll("Field", "Assets");
    EXPECT_EQ(Columns(), (Names{"NAME", "LAST"}));

    // A host may have written Sequence itself: one names no column, another
    // a pinned column's position.  The clearing still ends.
    Choose({"A", "B", "C"}, "Well", "Assets");
    F("A", "Well", "Assets")->SetSequence(0);
    Choose({"NAME"}, "Well", "Assets");
    F("B", "Well", "Assets")->SetSequence(4);
    chooser->ClearAll("Well", "Assets");
    EXPECT_EQ(Columns("Well", "Assets"), (Names{"NAME"}));
    EXPECT_TRUE(messages.empty());

    chooser->ClearAll("Block", "Assets");
    EXPECT_EQ(Columns("Block", "Assets"), Names{}) << "an empty grid stays empty";
}

TEST_F(ColumnIndex, MovesSwapNeighboursAndRefusePinsAndTheAnnualMix) {
    MakeChooser();
    Choose({"NAME", "A", "B", "C", "LAST"});
    EXPECT_EQ(chooser->MoveDown("Field", "Assets", "A"), 3);
    EXPECT_EQ(Columns(), (Names{"NAME", "B", "A", "C", "LAST"}));
    EXPECT_EQ(chooser->MoveUp("Field", "Assets", "A"), 2);
    EXPECT_EQ(Columns(), (Names{"NAME", "A", "B", "C", "LAST"}));
    EXPECT_TRUE(messages.empty());

    // Onto a pin, or a pin itself: refused with a box, nothing changes.
    EXPECT_EQ(chooser->MoveUp("Field", "Assets", "A"), 0);
    EXPECT_EQ(chooser->MoveDown("Field", "Assets", "C"), 0);
    EXPECT_EQ(chooser->MoveDown("Field", "Assets", "NAME"), 0);
    EXPECT_EQ(Columns(), (Names{"NAME", "A", "B", "C", "LAST"}));
    EXPECT_EQ(Shown("Warning"), Names(3, "Mandatory Field: This cannot be moved."));

    // The first and the last column stay where they are.
    Choose({"A", "B"}, "Well", "Assets");
    EXPECT_EQ(chooser->MoveUp("Well", "Assets", "A"), 1);
    EXPECT_EQ(chooser->MoveDown("Well", "Assets", "B"), 2);
    EXPECT_EQ(Columns("Well", "Assets"), (Names{"A", "B"}));
    EXPECT_EQ(chooser->MoveUp("Well", "Assets", "C"), 0) << "a column not chosen";

    // Annual rows swap only with annual rows in "Annual", with any column elsewhere.
    messages.clear();
    Choose({"A", "AR1", "AR2"}, "Field", "Annual");
    EXPECT_EQ(chooser->MoveDown("Field", "Annual", "A"), 0);
    EXPECT_EQ(chooser->MoveUp("Field", "Annual", "AR2"), 2);
    EXPECT_EQ(Columns("Field", "Annual"), (Names{"A", "AR2", "AR1"}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "You cannot mix Annual and Non Annual fields.");
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].style, 16);
    Choose({"A", "AR1"}, "Block", "Ownership");
    EXPECT_EQ(chooser->MoveUp("Block", "Ownership", "AR1"), 1);
}

TEST_F(ColumnIndex, AMoveGoesByWhereTheIndexHoldsTheColumnNotByAStaleSequence) {
    MakeChooser();
    Choose({"A", "B", "C"});
    F("C")->SetSequence(1);
    EXPECT_EQ(chooser->MoveUp("Field", "Assets", "C"), 2);
    EXPECT_EQ(Columns(), (Names{"A", "C", "B"}));

    // Removed and chosen again: its old Sequence would name another column.
    EXPECT_TRUE(chooser->RemoveFieldFromSeqIndex("Field", "Assets", 1));
    EXPECT_EQ(F("A")->Sequence(), 1) << "a removed column keeps its last Sequence";
    EXPECT_EQ(chooser->AddFieldToSeqIndex("Field", "Assets", "A"), 3);
    EXPECT_EQ(chooser->MoveUp("Field", "Assets", "A"), 2);
    EXPECT_EQ(Columns(), (Names{"C", "A", "B"}));
}

TEST_F(ColumnIndex, FailuresAreShownWithTheOperationAndGiveTheEmptyResult) {
    MakeChooser();
    EXPECT_FALSE(chooser->Field("Field", "Assets", "NO_SUCH_FIELD"));
    EXPECT_FALSE(chooser->Fields("Field", "Sideways"));
    EXPECT_FALSE(chooser->Index("Rig", "Assets", "FIELD_SEQUENCE_INDEX"));
    EXPECT_EQ(chooser->MoveUp("Field", "Assets", "NO_SUCH_FIELD"), 0);
    EXPECT_FALSE(chooser->RemoveFieldFromSeqIndex("Field", "Sideways", 1));
    chooser->ClearAll("Field", "Sideways");
    ASSERT_EQ(messages.size(), 6u);
    const char* names[] = {
        "CSelectedFields.Field(sAssetType='Field', sGridType='Assets', sFieldID='NO_SUCH_FIELD')",
        "CSelectedFields.Fields(sAssetType='Field', sGridType='Sideways')",
        "CSelectedFields.Index(sAssetType='Rig', sGridType='Assets', sIndex='FIELD_SEQUENCE_INDEX')",
        "CSelectedFields.MoveUp(sAssetType='Field', sGridType='Assets', sFieldID='NO_SUCH_FIELD', lRow=0)",
        "CSelectedFields.RemoveFieldFromSeqIndex(sAssetType='Field', sGridType='Sideways', lSeq=1)",
        "CSelectedFields.IFieldChooser_ClearAll(sAssetType='Field', sGridType='Sideways')"};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(messages[i].title, "Error");
        EXPECT_EQ(messages[i].style, 16);
        EXPECT_TRUE(Contains(messages[i].text, names[i])) << messages[i].text;
    }

    // NextIndex passes its failure on.
    Error e = CaughtError([&] { chooser->NextIndex("Field", "Sideways"); });
    EXPECT_EQ(e.Number(), 5);
    EXPECT_TRUE(
        Contains(e.Description(), "CSelectedFields.NextIndex(sAssetType='Field', sGridType='Sideways')"))
        << e.Description();

    // A host that broke the index: the list is refused whole.
    Choose({"A", "B", "C"});
    chooser->Index("Field", "Assets", "FIELD_SEQUENCE_INDEX")->Remove(Variant("I_2"));
    messages.clear();
    EXPECT_FALSE(chooser->ActiveFields("Field", "Assets"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(
        Contains(messages[0].text, "CSelectedFields.ActiveFields(sAssetType='Field', sGridType='Assets')"))
        << messages[0].text;
    EXPECT_EQ(Log(), "");
}

TEST_F(ColumnIndex, AColumnChosenTwiceIsListedOnceAtItsLaterPosition) {
    MakeChooser();
    Choose({"A", "B", "A"});
    Ref<cvCollection> active = chooser->ActiveFields("Field", "Assets");
    ASSERT_TRUE(active);
    ASSERT_EQ(active->Count(), 2);
    EXPECT_EQ(active->KeyAt(1), "B");
    EXPECT_EQ(active->KeyAt(2), "A");
    EXPECT_EQ(F("A")->Sequence(), 3);
}

}  // namespace
