// The renderer's frame: which query it renders for, the progress it sends,
// the hand-over to the host and cancellation, the limit of 20000 codes and
// how failures end.
#include <gtest/gtest.h>

#include <string>

#include "core/CreateObject.h"
#include "platform/ui/DoEvents.h"
#include "sql/CSQLBuilder.h"
#include "sql/SqlClasses.h"
#include "tests/sql/RenderFixture.h"

namespace {

constexpr const char* kTooLarge =
    "Your results set is too large to process, please refine your query selection.";

// A count as the progress messages write it: "," between thousands.
std::string Grouped(long n) {
    std::string digits = std::to_string(n), out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

class Renderer : public RenderFixture {};

TEST_F(Renderer, RendersForTheQueryItIsGiven) {
    // The active query is a gross block query; the one given a net field query.
    active->SetQueryType("Block");
    std::string sql = Render("Field", "Net");
    EXPECT_TRUE(Contains(Narrowing(), "FROM FieldParticipant A")) << Narrowing();
    EXPECT_EQ(sql.rfind("SELECT A.* FROM <table/> A  WHERE Field_Code IN (", 0), 0u) << sql;
    EXPECT_EQ(Read(sql, "Field").size(), DirectSet("SELECT Field_Code FROM FieldInterest").size());

    // Only "Net" exactly is net.
    Render("Field", "net");
    EXPECT_TRUE(Contains(Narrowing(), "FROM Field A")) << Narrowing();

    // Without a query of its own the renderer follows the active one.
    active->SetGrossNet("Gross");
    auto own = New<CSQLRenderer>();
    own->SetParameters(params);
    sql = own->SQL();
    ASSERT_FALSE(own->StatementsRun().empty());
    EXPECT_TRUE(Contains(own->StatementsRun().back(), "FROM Block A")) << own->StatementsRun().back();
    EXPECT_TRUE(Contains(sql, "Block_Code IN (")) << sql;

    // Hosts make one by name.
    RegisterSqlClasses();
    EXPECT_EQ(CreateObjectAs<CSQLRenderer>("cvDataManager.CSQLRenderer")->TypeName(), "CSQLRenderer");
}

TEST_F(Renderer, TheDataSetsTemplatesSuitTheBuilder) {
    for (const char* key : {"SQL_FIELD", "SQL_WELL", "SQL_BLOCK", "SQL_TRANSPORT", "SQL_FIELD_RESULTS",
                            "SQL_WELL_RESULTS", "SQL_BLOCK_RESULTS", "SQL_TRANSPORT_RESULTS"}) {
        const std::string text = root->GetOption(key);
        ASSERT_FALSE(text.empty()) << key;
        // The builder would take "()" for an empty group and drop it.
        EXPECT_FALSE(Contains(text, "()")) << key;
        // Only the field record sets have an order clause to put in.
        EXPECT_EQ(Contains(text, "<orderby/>"), std::string(key) == "SQL_FIELD_RESULTS") << key;
        // The first condition opens the where clause, and nothing stands before it.
        CSQLBuilder b;
        b.SetSQL(text);
        b.AddWhere("X = 1", "AND");
        EXPECT_TRUE(Contains(b.SQL(), " WHERE X = 1")) << key << ": " << b.SQL();
    }
    EXPECT_TRUE(Contains(root->GetOption("SQL_TRANSPORT_RESULTS"), "<order/>"));
}

TEST_F(Renderer, AnUnknownTypeGivesNoStatementAndStillCompletes) {
    EXPECT_EQ(Render("Pipeline"), "");
    EXPECT_TRUE(renderer->StatementsRun().empty());
    EXPECT_EQ(Sent(), (std::vector<std::string>{"PROGRESS_BAR_MESSAGE: Building Query (Complete)",
                                                "PROGRESS_BAR_VALUE: 100"}));
}

TEST_F(Renderer, AFieldRenderReportsEachStep) {
    const long fields = std::stol(Scalar("SELECT COUNT(*) FROM Field"));
    const std::string processing =
        "PROGRESS_BAR_MESSAGE: Building Query (Processing " + Grouped(fields) + " Fields)";
    Render("Field");
    EXPECT_EQ(root->Sent(),
              (std::vector<std::string>{
                  "PROGRESS_BAR_VALUE: 25", "PROGRESS_BAR_VALUE: 30",
                  "PROGRESS_BAR_MESSAGE: Building Query (Fields)", "PROGRESS_BAR_VALUE: 35",
                  "PROGRESS_BAR_VALUE: 40", "PROGRESS_BAR_VALUE: 50",
                  "PROGRESS_BAR_MESSAGE: Building Query (Reducing by Field)", "PROGRESS_BAR_CANCEL: True",
                  processing, processing, "PROGRESS_BAR_VALUE: 75", "PROGRESS_BAR_VALUE: 90",
                  "PROGRESS_BAR_MESSAGE: Building Query (Complete)", "PROGRESS_BAR_VALUE: 100"}));
}

TEST_F(Renderer, TheWellRunHandsOverOncePerRowAndCountsEveryThousandth) {
    const long wells = std::stol(Scalar("SELECT COUNT(*) FROM Well"));
    ASSERT_GT(wells, 2000);
    long handedOver = 0;
    ui::SetDoEventsHook([&] { ++handedOver; });
    const std::string sql = Render("Well");
    EXPECT_EQ(handedOver, wells);
    EXPECT_EQ(Read(sql, "Well").size(), static_cast<size_t>(wells));
    const std::vector<std::string> sent = SentFrom("Building Query (Reducing by Well)");
    std::vector<std::string> expected = {
        "PROGRESS_BAR_MESSAGE: Building Query (Reducing by Well)", "PROGRESS_BAR_CANCEL: True",
        "PROGRESS_BAR_MESSAGE: Building Query (Processing " + Grouped(wells) + " Wells)"};
    for (long k = 1000; k <= wells; k += 1000)
        expected.push_back("PROGRESS_BAR_MESSAGE: Building Query (Processing " + Grouped(k) + " of " +
                           Grouped(wells) + " Wells)");
    expected.push_back(expected[2]);
    expected.push_back("PROGRESS_BAR_CANCEL: False");
    expected.push_back("PROGRESS_BAR_MESSAGE: Building Query (Complete)");
    expected.push_back("PROGRESS_BAR_VALUE: 100");
    EXPECT_EQ(sent, expected);
    // Value 50 goes out before the well step's reduction message.
    EXPECT_EQ(SentFrom("Building Query (Well)").at(1), "PROGRESS_BAR_VALUE: 50");
}

TEST_F(Renderer, ACancelDuringTheRunLeavesNoStatement) {
    for (const char* type : {"Well", "Field"}) {
        root->SetCancelled(false);
        int handedOver = 0;
        // The host takes the cancel while it has control, at the fifth row.
        ui::SetDoEventsHook([&] {
            if (++handedOver == 5) root->SetCancelled(true);
        });
        EXPECT_EQ(Render(type), "") << type;
        EXPECT_EQ(handedOver, 5) << type;
        EXPECT_FALSE(WasSent("PROGRESS_BAR_CANCEL: False")) << type;
        EXPECT_TRUE(WasSent("PROGRESS_BAR_VALUE: 100")) << type;
        EXPECT_TRUE(messages.empty());
    }
    // A cancel the host asked for before the run is forgotten when the run
    // offers its own cancel control.
    ui::SetDoEventsHook({});
    root->SetCancelled(true);
    EXPECT_TRUE(Contains(Render("Field"), "Field_Code IN ("));
}

TEST_F(Renderer, TwentyThousandCodesPassAndOneMoreIsTooMany) {
    ChangeData(
        "CREATE TABLE ManyFields (Field_Code INTEGER, Block_Code INTEGER, Licence_Area_Status_Code TEXT);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20001) "
        "INSERT INTO ManyFields SELECT i, i, 'LICENSED' FROM n;");
    root->SetOption("SQL_FIELD",
                    "SELECT A.Field_Code FROM ManyFields A WHERE A.Field_Code <= 20000 <where/>");
    root->SetOption("SQL_BLOCK",
                    "SELECT A.Block_Code FROM ManyFields A WHERE A.Block_Code <= 20000 <where/>");
    for (const char* type : {"Field", "Block"}) {
        const std::string sql = Render(type);
        EXPECT_TRUE(Contains(sql, ",20000)")) << type;
        EXPECT_TRUE(messages.empty()) << type;
    }
    root->SetOption("SQL_FIELD", "SELECT A.Field_Code FROM ManyFields A <where/>");
    root->SetOption("SQL_BLOCK", "SELECT A.Block_Code FROM ManyFields A <where/>");
    for (const char* type : {"Field", "Block"}) {
        messages.clear();
        EXPECT_EQ(Render(type), "-2147217307") << type;
        ASSERT_EQ(messages.size(), 1u) << type;
        EXPECT_EQ(messages[0].title, "Warning");
        EXPECT_EQ(messages[0].text, kTooLarge);
    }
}

TEST_F(Renderer, TheCompanySearchHasTheSameLimit) {
    // Company 1 takes part in as many fields as there are rows.
    ChangeData(
        "DROP VIEW FieldParticipantCA;"
        "CREATE TABLE FieldParticipantCA (Field_Code INTEGER, Company_Code INTEGER, Ownership_Status INTEGER,"
        " Sector_Code INTEGER);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
        "INSERT INTO FieldParticipantCA SELECT i, 1, 1, 11 FROM n;");
    params->General()->AddCompany(1, "One", "One", 0);
    EXPECT_TRUE(Contains(Render("Field"), "Field_Code IN (")) << "20000 codes pass";
    EXPECT_TRUE(messages.empty());
    ChangeData("INSERT INTO FieldParticipantCA VALUES (20001, 1, 1, 11);");
    EXPECT_EQ(Render("Field"), "-2147217307");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kTooLarge);
}

TEST_F(Renderer, AnEngineSizeFailureIsTheWarningAnyOtherTheDialog) {
    // A row the engine cannot make: its general failure.
    const std::string padding = ", zeroblob(2000000000) AS Padding ";
    root->SetOption("SQL_FIELD", "SELECT A.Field_Code" + padding + "<from/> <join/> <where/>");
    root->SetOption("SQL_WELL", "SELECT A.Well_Code" + padding + "FROM Well A <join/> <where/>");
    for (const char* type : {"Field", "Well"}) {
        messages.clear();
        EXPECT_EQ(Render(type), "-2147217307") << type;
        ASSERT_EQ(messages.size(), 1u) << type;
        EXPECT_EQ(messages[0].title, "Warning");
        EXPECT_EQ(messages[0].text, kTooLarge);
        EXPECT_EQ(Dialog(), "");
    }
    // A statement the engine cannot read is no question of size.
    messages.clear();
    root->SetOption("SQL_BLOCK", "SELECT A.Block_Code <from/> WHERE AND <where/>");
    const std::string sql = Render("Block");
    EXPECT_EQ(sql, std::to_string(static_cast<int32_t>(0x80040E14u)));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Contains(Dialog(), "CSQLRenderer.Block(SQL")) << Dialog();
    EXPECT_TRUE(Contains(Dialog(), "CSQLRenderer.SQL")) << Dialog();
    EXPECT_TRUE(WasSent("PROGRESS_BAR_VALUE: 100"));
}

}  // namespace
