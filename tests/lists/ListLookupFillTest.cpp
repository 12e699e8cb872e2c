// The coded look-up lists of the block and field lists on the sample data:
// what a fill puts into the host's list, what the look-ups answer after it,
// when the statement runs again, and what a failing fill leaves behind.
#include <gtest/gtest.h>

#include "ReportText.h"
#include "host/controls/MemoryListBox.h"
#include "lists/CListBlock.h"
#include "lists/CListField.h"
#include "support/FakeRootFixture.h"

namespace {

class LookupFills : public FakeRootFixture {
protected:
    void SetUp() override {
        FakeRootFixture::SetUp();
        OpenRoot();
    }

    // A list box with that name.
    static Ref<MemoryListBox> List(const std::string& name) { return New<MemoryListBox>(name); }
    // Everything shown to the user, one message a line.
    std::string Shown() const {
        std::string out;
        for (const auto& m : messages) out += m.title + ": " + m.text + "\n";
        return out + Dialog();
    }

    Ref<CListBlock> block = New<CListBlock>();
    Ref<CListField> field = New<CListField>();
};

TEST_F(LookupFills, TheFirstFillReadsTheStatementAndLaterFillsReplayIt) {
    auto first = List("StatusA");
    block->PopulateLicenceStatusList(first);
    EXPECT_EQ(first->Print(), "Extant|1\nExpired|2\nSurrendered|3\nDetermined|4\n");

    // A statement that can no longer be opened: a fill that read again would fail.
    root->SetOption("SQL_LOOKUP", "");
    auto second = List("StatusB");
    second->AddItem("Kept");
    block->PopulateLicenceStatusList(second);
    EXPECT_EQ(second->Print(), "Kept|0\nExtant|1\nExpired|2\nSurrendered|3\nDetermined|4\n");
    EXPECT_EQ(Shown(), "");

    EXPECT_EQ(block->LicenceStatusCode(3), "SURRENDERED");
    EXPECT_EQ(block->LicenceStatusDescription(3), "Surrendered");
    EXPECT_EQ(block->LicenceAreaStatusCode(1), "") << "each list has its own cache";
}

TEST_F(LookupFills, TheRelinquishedAreaStatusIsLeftOutAndTakesNoNumber) {
    auto sample = List("Areas");
    block->PopulateLicenceAreaStatusList(sample);
    EXPECT_EQ(sample->Print(), "Licensed|1\nPart Relinquished|2\n");

    // The code is compared exactly; a Null code is left out as well.
    root->SetOption(
        "SQL_LOOKUP",
        "SELECT 'RELINQ' AS LOOKUP_CODE, 'Gone' AS LOOKUP_NAME UNION ALL SELECT 'Relinq', 'Mixed' "
        "UNION ALL SELECT NULL, 'No code' UNION ALL SELECT 'HELD', 'Held'");
    auto other = New<CListBlock>();
    auto list = List("Areas2");
    other->PopulateLicenceAreaStatusList(list);
    EXPECT_EQ(list->Print(), "Mixed|1\nHeld|2\n");
    EXPECT_EQ(other->LicenceAreaStatusCode(1), "Relinq");
    EXPECT_EQ(other->LicenceAreaStatusCode(2), "HELD");
    EXPECT_EQ(Shown(), "");
}

TEST_F(LookupFills, LookUpsAnswerNothingBeforeAFillAndTheFilledRowsAfterIt) {
    EXPECT_EQ(field->FieldTypeCode(3), "");
    EXPECT_EQ(field->FieldTypeDescription(3), "");
    auto list = List("FieldTypes");
    field->PopulateFieldType(list);
    EXPECT_EQ(list->Print(), "Oil|1\nOil and Gas|2\nGas|3\nGas Condensate|4\n");
    EXPECT_EQ(field->FieldTypeCode(3), "GAS");
    EXPECT_EQ(field->FieldTypeDescription(3), "Gas");

    auto types = List("DevTypes");
    field->PopulateDevelopmentType(types);
    ASSERT_EQ(types->ListCount(), 6);
    EXPECT_EQ(field->DevelopmentTypeCode(3), "FPSO");
    EXPECT_EQ(field->DevelopmentTypeDescription(3), types->List(2));
}

TEST_F(LookupFills, ARowWithANullNameIsLeftOutWithoutANumberUnlessTheListTakesEveryRow) {
    const std::string rows =
        "SELECT 'A' AS LOOKUP_CODE, 'Alpha' AS LOOKUP_NAME UNION ALL SELECT 'B', NULL UNION ALL SELECT 'C', "
        "'Gamma'";
    root->SetOption("SQL_LOOKUP", rows);
    auto types = List("Types");
    field->PopulateFieldType(types);
    EXPECT_EQ(types->Print(), "Alpha|1\nGamma|2\n");
    EXPECT_EQ(field->FieldTypeCode(2), "C");

    // The licence statuses take every row, so a Null name fails the fill.
    auto statuses = List("Statuses");
    block->PopulateLicenceStatusList(statuses);
    EXPECT_EQ(statuses->Print(), "Alpha|1\n");
    EXPECT_TRUE(Contains(Dialog(), "CListBlock.IListBlock_PopulateLicenceStatusList(ctl.Name='Statuses')"))
        << Dialog();
}

TEST_F(LookupFills, DevelopmentStatusesAreReadAnewEveryFillAndAnswerForTheLatest) {
    auto commercial = List("Commercial");
    field->PopulateDevelopmentStatus(commercial, "Commercial");
    ASSERT_EQ(commercial->ListCount(), 5);
    EXPECT_EQ(field->DevelopmentStatusCode(5), "ABANDON");

    auto technical = List("Technical");
    field->PopulateDevelopmentStatus(technical, "Technical");
    EXPECT_EQ(technical->Print(), "Technical Reserves|1\nUnder Appraisal|2\n");
    EXPECT_EQ(field->DevelopmentStatusCode(1), "TECHRES");
    EXPECT_RAISES(rt::kInvalidCall, field->DevelopmentStatusCode(5));

    auto both = List("Both");
    field->PopulateDevelopmentStatus(both, "Both");
    ASSERT_EQ(both->ListCount(), 7);
    EXPECT_EQ(both->List(0), "Onstream");
    EXPECT_EQ(both->List(6), "Under Appraisal");
    EXPECT_EQ(field->DevelopmentStatusCode(6), "TECHRES");
    EXPECT_EQ(Shown(), "");

    // Letter case counts: "both" names no statement, and the failure is shown.
    // The earlier fill's rows are gone from the look-ups as from the control.
    auto wrong = List("Wrong");
    field->PopulateDevelopmentStatus(wrong, "both");
    EXPECT_EQ(wrong->ListCount(), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_TRUE(RecordsCall(messages[0].text, "PopulateDevelopmentStatus(ctl.Name='Wrong', sType='both')"))
        << messages[0].text;
    EXPECT_TRUE(Contains(Log(), "PopulateDevelopmentStatus")) << "the field list logs what it shows";
    EXPECT_RAISES(rt::kInvalidCall, field->DevelopmentStatusCode(6));
    EXPECT_RAISES(rt::kInvalidCall, field->DevelopmentStatusCode(1));
}

TEST_F(LookupFills, AFillThatCouldNotRunItsStatementIsRetriedByTheNextFill) {
    // Before the database is open there is no connection to read from.
    root->CloseDatabase();
    auto early = List("Early");
    field->PopulateFieldType(early);
    EXPECT_EQ(early->ListCount(), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Contains(messages[0].text, "CListField.IListField_PopulateFieldType(ctl.Name='Early')"));
    EXPECT_EQ(field->FieldTypeCode(1), "") << "no cache was installed";

    root->OpenDatabase();
    auto later = List("Later");
    field->PopulateFieldType(later);
    EXPECT_EQ(later->ListCount(), 4);
    EXPECT_EQ(field->FieldTypeCode(4), "GASCOND");

    // The same for a template missing for a while; one of blanks only is as
    // good as none, and is named the same way.
    const std::string lookup = root->GetOption("SQL_LOOKUP");
    for (const char* missingTemplate : {"", "   ", " \t\r\n"}) {
        const std::string shown = "template '" + std::string(missingTemplate) + "'";
        // A list of its own, whose fills have no statement to replay, and no
        // earlier template's report to stand for this one's.
        const Ref<CListBlock> fresh = New<CListBlock>();
        CwndShowError::ResetInstance();
        root->SetOption("SQL_LOOKUP", missingTemplate);
        auto missing = List("Missing");
        fresh->PopulateLicenceAreaStatusList(missing);
        EXPECT_EQ(missing->ListCount(), 0) << shown;
        EXPECT_TRUE(Contains(Dialog(), "PopulateLicenceAreaStatusList")) << shown << Dialog();
        EXPECT_TRUE(Contains(Dialog(), "The Options table holds no value for 'SQL_LOOKUP'."))
            << shown << Dialog();
        root->SetOption("SQL_LOOKUP", lookup);
        auto back = List("Back");
        fresh->PopulateLicenceAreaStatusList(back);
        EXPECT_EQ(back->Print(), "Licensed|1\nPart Relinquished|2\n") << shown;
    }
}

TEST_F(LookupFills, ARowWithANullCodeFailsBeforeItReachesTheControl) {
    const std::string lookup = root->GetOption("SQL_LOOKUP");
    root->SetOption("SQL_LOOKUP",
                    "SELECT 'A' AS LOOKUP_CODE, 'Alpha' AS LOOKUP_NAME UNION ALL SELECT NULL, 'Beta' "
                    "UNION ALL SELECT 'C', 'Gamma'");
    auto list = List("DevTypes");
    field->PopulateDevelopmentType(list);
    // The control and the cache hold the same rows: every item value shown can be looked up.
    EXPECT_EQ(list->Print(), "Alpha|1\n");
    EXPECT_EQ(field->DevelopmentTypeCode(1), "A");
    EXPECT_RAISES(rt::kInvalidCall, field->DevelopmentTypeCode(2));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Contains(messages[0].text, "94")) << messages[0].text;

    // A fill that stopped half-way does not count: the next one reads again.
    root->SetOption("SQL_LOOKUP", lookup);
    auto again = List("Again");
    field->PopulateDevelopmentType(again);
    EXPECT_EQ(again->ListCount(), 6);
    EXPECT_EQ(field->DevelopmentTypeCode(1), "PLATFORM");
}

}  // namespace
