#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/HuntERR31.h"
#include "core/mTL5ErrorCodes.h"
#include "platform/ado/JetFunctions.h"
#include "platform/ado/JetTranslator.h"
#include "platform/runtime/Text.h"
#include "sql/CSQLBuilder.h"
#include "sql/SqlValues.h"
#include "support/ErrorAssert.h"

namespace {

// What one statement gave: its column names, the first row's cells, and
// the number of rows.
struct Result {
    std::vector<std::string> names;
    std::vector<int> types;
    std::vector<std::string> texts;
    std::vector<double> numbers;
    int rows = 0;
};

class SqlValues : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK);
        ADODB::RegisterJetFunctions(db_);
        ASSERT_EQ(
            sqlite3_exec(db_, "CREATE TABLE t (Name, Code); INSERT INTO t VALUES ('A', '1'), ('B', '2');",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
    }
    void TearDown() override { sqlite3_close(db_); }

    // Runs a statement as the library runs it (translated from the Jet
    // dialect); it must compile as exactly one statement.
    Result Run(const std::string& jet) {
        Result r;
        const std::string sql = ADODB::JetTranslator::Translate(jet);
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, &tail) != SQLITE_OK || !stmt) {
            ADD_FAILURE() << "does not compile: " << sql << ": " << sqlite3_errmsg(db_);
            return r;
        }
        EXPECT_EQ(Trim(tail), "") << "more than one statement: " << sql;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) r.names.push_back(sqlite3_column_name(stmt, i));
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            if (r.rows++) continue;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                r.types.push_back(sqlite3_column_type(stmt, i));
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                r.texts.emplace_back(text ? text : "", static_cast<size_t>(sqlite3_column_bytes(stmt, i)));
                r.numbers.push_back(sqlite3_column_double(stmt, i));
            }
        }
        sqlite3_finalize(stmt);
        return r;
    }

    sqlite3* db_ = nullptr;
};

constexpr int32_t kInput = ERR_USER_INPUT;

TEST_F(SqlValues, CanonicalForms) {
    EXPECT_EQ(SqlCodeList(" 12, 7 ,3").Text(), "12,7,3");
    EXPECT_EQ(SqlCodeList("1.50,-4,1e3,&H10").Text(), "1.5,(-4),1000,16");
    EXPECT_EQ(SqlCodeList("  ").Text(), "");
    EXPECT_EQ(SqlQuotedList("A,O'B, C").Text(), "'A','O''B',' C'");
    EXPECT_EQ(SqlText("it's").Text(), "'it''s'");
    EXPECT_EQ(SqlNumber(2.5).Text(), "2.5");
    EXPECT_EQ(SqlNumber(0.1).Text(), "0.1");
    EXPECT_EQ(SqlNumber(-0.0).Text(), "0");
    EXPECT_EQ(SqlNumber(123456789012.0).Text(), "123456789012");
    EXPECT_EQ(SqlNumber(1e9).Text(), "1000000000");  // a whole number, not 1e+09
    EXPECT_EQ(SqlNumber(1e20).Text(), "1e+20");
    EXPECT_EQ(SqlNumber(" -2.5 ").Text(), "(-2.5)");
    EXPECT_RAISES(kInput, SqlNumber(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_RAISES(kInput, SqlNumber(-std::numeric_limits<double>::infinity()));
    const double day = DateSerial(2001, 1, 31);
    EXPECT_EQ(SqlDate(day).Text(), "#01-31-2001#");
    EXPECT_EQ(SqlDate(day + TimeSerial(13, 5, 9)).Text(), "#01-31-2001 13:05:09#");
    EXPECT_EQ(SqlDate("36922").Text(), "#01-31-2001#");
    EXPECT_EQ(SqlDate("2001-01-31").Text(), "#01-31-2001#");
    EXPECT_EQ(Run("SELECT " + SqlDate(day + TimeSerial(13, 5, 9)).Text()).texts.at(0), "2001-01-31 13:05:09");
    EXPECT_RAISES(kInput, SqlDate("tomorrow"));
    EXPECT_RAISES(kInput, SqlDate(1e7));
    EXPECT_RAISES(kInput, SqlDate(DateSerial(9999, 12, 31) + 0.999999));
    EXPECT_EQ(SqlIdentifier("Field_Code").Text(), "[Field_Code]");
    EXPECT_EQ(SqlConstant("Field_Net").Text(), "Field_Net");
    // Lists of quoted literals: a doubled quote is one, blanks around items go.
    using Texts = std::vector<std::string>;
    EXPECT_EQ(ReadQuotedList(" 'A' ,\t'O''B','' "), (Texts{"A", "O'B", ""}));
    EXPECT_EQ(ReadQuotedList("\"OIL\", \"G\"\"AS\"", '"'), (Texts{"OIL", "G\"AS"}));
    EXPECT_EQ(ReadQuotedList("'a,b'"), (Texts{"a,b"}));
    for (const char* bad : {"", "  ", "A", "'A", "'A',", "'A' 'B'", "'A'B'", "\"A\""})
        EXPECT_EQ(ReadQuotedList(bad), std::nullopt) << bad;
    // The message names the value that was refused.
    Error e = CaughtError([] { SqlCodeList("1,2) OR (1=1"); });
    EXPECT_EQ(e.Number(), kInput);
    EXPECT_NE(e.Description().find("'2) OR (1=1'"), std::string::npos) << e.Description();
    EXPECT_NE(CaughtError([] { SqlIdentifier("a b"); }).Description().find("'a b'"), std::string::npos);
    // It names where the value stands, given by the caller or, for code that
    // is handed values without their places, by the innermost scope that
    // knows the value or its list.
    EXPECT_EQ(CaughtError([] { SqlNumber("x", "APIRange@MinValue"); }).Description(),
              "The value 'x' of 'APIRange@MinValue' is not a valid number.");
    {
        const ValueOrigins outer{{"x", "Outer@A"}, {"1,x", "Outer@B"}};
        {
            const ValueOrigins inner{{"1,x", "Inner@C"}};
            EXPECT_EQ(CaughtError([] { SqlCodeList("1,x"); }).Description(),
                      "The value 'x' in the list '1,x' of 'Inner@C' is not a valid number.");
        }
        EXPECT_EQ(CaughtError([] { SqlNumber("x"); }).Description(),
                  "The value 'x' of 'Outer@A' is not a valid number.");
        EXPECT_EQ(CaughtError([] { SqlDate("x", "Date@DateLow"); }).Description(),
                  "The value 'x' of 'Date@DateLow' is not a valid date.");
    }
    EXPECT_EQ(CaughtError([] { SqlNumber("x"); }).Description(), "The value 'x' is not a valid number.");
    // A value is quoted on one line, its line breaks shown, also where a
    // message is put together around it.
    EXPECT_EQ(CaughtError([] { SqlDate("a\r\nb\n  Description: c", "Date@DateLow"); }).Description(),
              "The value 'a\\r\\nb\\n  Description: c' of 'Date@DateLow' is not a valid date.");
    EXPECT_EQ(QuotedValue("a\r\nb"), "a\\r\\nb");
    // What the caller says of the value is put in as text: a value it quotes
    // there starts no line and fills no placeholder.
    EXPECT_EQ(CaughtError([] {
                  RefuseValue("fathom", "WaterDepthRange@UnitID",
                              "is not a unit of the category '" + QuotedValue("De||pth%0") + "'.");
              }).Description(),
              "The value 'fathom' of 'WaterDepthRange@UnitID' is not a unit of the category 'De||pth%0'.");
    // Up to 60 characters a value is quoted whole; a longer one is cut there
    // (never inside a character) and told by its length.
    const std::string sixty(60, 'a'), cut = std::string(59, 'a') + "\xC3\xA9";
    EXPECT_EQ(CaughtError([&] { SqlNumber(sixty); }).Description(),
              "The value '" + sixty + "' is not a valid number.");
    EXPECT_EQ(CaughtError([&] { SqlNumber(sixty + "b"); }).Description(),
              "The value '" + sixty + "... (61 characters)' is not a valid number.");
    EXPECT_EQ(CaughtError([&] { SqlIdentifier(cut + "\xC3\xA9-"); }).Description(),
              "The value '" + cut +
                  "... (62 characters)' is not a valid name: only letters, digits and '_' may be used.");
    const std::string huge = "1," + std::string(100000, 'x');
    const std::string message = CaughtError([&] { SqlCodeList(huge); }).Description();
    EXPECT_EQ(message, "The value '" + std::string(60, 'x') + "... (100000 characters)' in the list '1," +
                           std::string(58, 'x') + "... (100002 characters)' is not a valid number.");
}

// Every value either is refused as user input or stays what it was: one
// literal, or one list of literals, in one statement.
TEST_F(SqlValues, HostileValuesStayLiterals) {
    const std::vector<std::string> values = {"1,2) OR (1=1",
                                             "x' OR 'a'='a",
                                             "0x10",
                                             " 12 ",
                                             "1e3",
                                             "",
                                             ";DROP",
                                             "'); DROP TABLE t; --",
                                             "-5",
                                             "<where/>",
                                             "a\"b",
                                             "[x]",
                                             "`x`",
                                             "/*",
                                             "&H10",
                                             "1 OR 1=1 --",
                                             "NULL",
                                             "Name",
                                             std::string("a\0b", 3)};
    for (const std::string& v : values) {
        SCOPED_TRACE("value " + v);
        const std::vector<std::string> items = Split(v, ",");
        double d = 0;
        bool allNumbers = true;
        for (const std::string& item : items) allNumbers = allNumbers && ParseNumber(item, d);
        const bool hasNul = v.find('\0') != std::string::npos;

        if (hasNul) {
            EXPECT_RAISES(kInput, SqlText(v));
            EXPECT_RAISES(kInput, SqlQuotedList(v));
        } else {
            Result text = Run("SELECT " + SqlText(v).Text());
            EXPECT_EQ(text.types, std::vector<int>{SQLITE_TEXT});
            EXPECT_EQ(text.texts, std::vector<std::string>{v});
            if (!v.empty()) {
                EXPECT_EQ(Run("SELECT " + SqlQuotedList(v).Text()).texts, items);
            }
        }

        if (Trim(v).empty()) {
            EXPECT_EQ(SqlCodeList(v).Text(), "");
        } else if (!allNumbers) {
            EXPECT_RAISES(kInput, SqlCodeList(v));
        } else {
            Result list = Run("SELECT " + SqlCodeList(v).Text());
            ASSERT_EQ(list.numbers.size(), items.size());
            for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(list.numbers[i], Val(items[i]));
        }

        if (!ParseNumber(v, d)) {
            EXPECT_RAISES(kInput, SqlNumber(v));
        } else {
            // A minus before the number must stay a minus, never a comment.
            Result number = Run("SELECT 10-" + SqlNumber(v).Text());
            EXPECT_EQ(number.numbers, std::vector<double>{10 - d});
        }

        bool isName = !v.empty();
        for (char c : v) isName = isName && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
        if (!isName) {
            EXPECT_RAISES(kInput, SqlIdentifier(v));
        } else {
            EXPECT_EQ(Run("SELECT 1 AS " + SqlIdentifier(v).Text() + " FROM t").names,
                      std::vector<std::string>{v});
        }
    }
}

TEST_F(SqlValues, PlaceholdersAndTagsInsideLiteralsStayText) {
    // A value spliced first that holds the next placeholder or tag: the
    // text put in later must not land inside its literal.
    std::string sql = "SELECT count(*) FROM t WHERE Name = <name> OR Code IN (<codes>)";
    sql = ReplacePlaceholder(sql, "<name>", SqlText("<codes>"));
    sql = ReplacePlaceholder(sql, "<codes>", SqlQuotedList("x') OR ('1'='1"));
    EXPECT_EQ(sql, "SELECT count(*) FROM t WHERE Name = '<codes>' OR Code IN ('x'') OR (''1''=''1')");
    EXPECT_EQ(Run(sql).numbers, std::vector<double>{0});

    CSQLBuilder b;
    b.SetSQL("SELECT count(*) FROM t <where/>");
    b.AddWhere("Name = " + SqlText("<where/>").Text(), "AND");
    b.AddWhere("Code = " + SqlText("1 OR 1=1 --").Text(), "AND");
    EXPECT_EQ(Run(b.SQL()).numbers, std::vector<double>{0});

    EXPECT_RAISES(rt::kInvalidCall, ReplacePlaceholder(sql, "", SqlText("a")));
    EXPECT_RAISES(rt::kInvalidCall, ReplacePlaceholder(sql, "'<name>'", SqlText("a")));
}

}  // namespace
