// How the kept rows store their texts: a dictionary per column with ids as
// narrow as its texts allow, plain storage for a column of distinct texts.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "AdoFixture.h"
#include "platform/ado/RowStore.h"
#include "platform/runtime/Text.h"
#include "support/ErrorAssert.h"

using namespace ADODB;

namespace {

// Rows numbered 1..rows in column i, as a statement can generate them.
std::string Numbers(int rows, const std::string& select) {
    return "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
           std::to_string(rows) + ") SELECT " + select + " FROM n";
}

class RowStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK); }
    void TearDown() override { sqlite3_close(db_); }

    void Load(const std::string& sql) {
        sqlite3_stmt* st = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db_);
        rows_.Load(db_, st);
        sqlite3_finalize(st);
    }

    sqlite3* db_ = nullptr;
    RowStore rows_;
};

// Cell i of the test columns: what it should read.
std::string Small(int i) { return "code " + std::to_string(i % 200); }
std::string Medium(int i) { return "field " + std::to_string(i % 3000); }
std::string Large(int i) {
    return i % 4 == 0 ? "unique " + std::to_string(i) : "common " + std::to_string(i % 50);
}

TEST_F(RowStoreTest, DictionaryIdsAreAsNarrowAsTheDistinctTextsAllow) {
    constexpr int kRows = 300000;
    Load(Numbers(kRows,
                 "'code ' || (i % 200) AS s, 'field ' || (i % 3000) AS m, "
                 "IIf(i % 4 = 0, 'unique ' || i, 'common ' || (i % 50)) AS l, "
                 "IIf(i % 7 = 0, NULL, IIf(i % 7 = 1, '', 'x')) AS z"));
    ASSERT_EQ(rows_.Rows(), static_cast<uint32_t>(kRows));
    EXPECT_EQ(rows_.TextIdBytes(0), 1);  // 200 texts
    EXPECT_EQ(rows_.TextIdBytes(1), 2);  // 3,000
    EXPECT_EQ(rows_.TextIdBytes(2), 4);  // 75,050, three in four rows a repeat
    EXPECT_EQ(rows_.TextIdBytes(3), 1);
    for (int i = 1; i <= kRows; ++i) {
        const uint32_t r = static_cast<uint32_t>(i - 1);
        ASSERT_EQ(rows_.TextValue(0, r), Small(i)) << i;
        ASSERT_EQ(rows_.TextValue(1, r), Medium(i)) << i;
        ASSERT_EQ(rows_.TextValue(2, r), Large(i)) << i;
        ASSERT_EQ(rows_.IsNull(3, r), i % 7 == 0) << i;
        if (i % 7) {
            ASSERT_EQ(rows_.Value(3, r).StringRef(), i % 7 == 1 ? "" : "x") << i;
        }
    }
    EXPECT_TRUE(rows_.Value(3, 6).IsNull());
    EXPECT_RAISES(94, rows_.TextValue(3, 6));

    // Every cell's text once per column, against the text of every cell.
    size_t raw = 0;
    for (int i = 1; i <= kRows; ++i) raw += Small(i).size() + Medium(i).size() + Large(i).size() + 1;
    EXPECT_LT(rows_.MemoryBytes(), raw / 2) << raw;
}

TEST_F(RowStoreTest, DistinctTextsAreKeptPlain) {
    // All distinct: a dictionary would only repeat the texts.
    Load(Numbers(20000, "'well ' || i AS ref, 'x' AS same"));
    EXPECT_EQ(rows_.TextIdBytes(0), 0);
    EXPECT_EQ(rows_.TextIdBytes(1), 1);
    EXPECT_EQ(rows_.TextValue(0, 0), "well 1");
    EXPECT_EQ(rows_.TextValue(0, 19999), "well 20000");
    EXPECT_EQ(rows_.TextValue(1, 19999), "x");

    // Too few rows for the distinct check: the cost of the dictionary decides.
    Load(Numbers(3000, "'well ' || i AS ref, 'w' || (i % 2) AS two"));
    EXPECT_EQ(rows_.TextIdBytes(0), 0);
    EXPECT_EQ(rows_.TextIdBytes(1), 1);
    EXPECT_EQ(rows_.TextValue(0, 2999), "well 3000");

    // A column that starts all distinct is judged on its first 16,384 texts
    // and stays plain, however much it repeats later.
    Load(Numbers(60000, "IIf(i <= 20000, 'first ' || i, 'later') AS t"));
    EXPECT_EQ(rows_.TextIdBytes(0), 0);
    EXPECT_EQ(rows_.TextValue(0, 19999), "first 20000");
    EXPECT_EQ(rows_.TextValue(0, 59999), "later");

    // Numbers are never text columns.
    Load(Numbers(10, "i, i * 0.5 AS h"));
    EXPECT_EQ(rows_.TextIdBytes(0), 0);
    EXPECT_EQ(rows_.TextIdBytes(1), 0);
}

TEST_F(RowStoreTest, DictionaryColumnsCompareTextsWithoutRegardToCase) {
    Load("SELECT column1 AS t FROM (VALUES ('b'), ('A'), (NULL), ('a'), ('B'), ('c'), ('A'))");
    ASSERT_EQ(rows_.TextIdBytes(0), 1);
    rows_.PrepareCompare(0);
    rows_.PrepareCompare(0);               // again: nothing changes
    EXPECT_EQ(rows_.Compare(0, 1, 3), 0);  // "A" and "a"
    EXPECT_EQ(rows_.Compare(0, 1, 6), 0);
    EXPECT_LT(rows_.Compare(0, 2, 1), 0);  // Null first
    EXPECT_GT(rows_.Compare(0, 0, 3), 0);  // "b" after "a"
    EXPECT_LT(rows_.Compare(0, 4, 5), 0);  // "B" before "c"
    EXPECT_EQ(rows_.Compare(0, 0, 4), 0);
}

// Every day of six centuries (leap years of every kind among them), and
// times from the year 100 on, read as DateSerial and TimeSerial count them.
TEST_F(RowStoreTest, DateColumnsCountDaysAsDateSerialDoes) {
    ASSERT_EQ(
        sqlite3_exec(db_,
                     ("CREATE TABLE D (Day DATE, Stamp DATETIME); INSERT INTO D " +
                      Numbers(220000,
                              "date('1599-01-01', '+' || i || ' days'), "
                              "datetime('0100-01-01 13:14:15', '+' || (i * 4) || ' days', '+' || i || ' "
                              "seconds')"))
                         .c_str(),
                     nullptr, nullptr, nullptr),
        SQLITE_OK)
        << sqlite3_errmsg(db_);
    Load("SELECT Day, Stamp, Day || '' AS DayText, Stamp || '' AS StampText FROM D");
    ASSERT_EQ(rows_.Rows(), 220000u);
    ASSERT_EQ(rows_.Type(0), adDate);
    ASSERT_EQ(rows_.Type(1), adDate);
    auto number = [](std::string_view s, size_t at, size_t n) {
        return std::stoi(std::string(s.substr(at, n)));
    };
    for (uint32_t r = 0; r < rows_.Rows(); ++r) {
        const std::string_view day = rows_.TextValue(2, r), stamp = rows_.TextValue(3, r);
        ASSERT_EQ(rows_.DoubleValue(0, r),
                  DateSerial(number(day, 0, 4), number(day, 5, 2), number(day, 8, 2)))
            << day;
        const double date = DateSerial(number(stamp, 0, 4), number(stamp, 5, 2), number(stamp, 8, 2));
        const double time = TimeSerial(number(stamp, 11, 2), number(stamp, 14, 2), number(stamp, 17, 2));
        // Before 1899-12-30 the time counts away from zero, as the classic serials have it.
        ASSERT_EQ(rows_.DoubleValue(1, r), date >= 0 ? date + time : date - time) << stamp;
    }
    EXPECT_EQ(rows_.TextValue(2, 0), "1599-01-02");
}

// Through the record set: sorting and walking a dictionary column.
TEST(RowStoreRecordset, SortedDictionaryColumnsReadBackTheirTexts) {
    TempDir dir;
    std::string path = MakeDatabase(dir, "core.db", "CREATE TABLE T (Id INTEGER, Name TEXT);");
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        sqlite3_exec(db,
                     ("INSERT INTO T " + Numbers(5000,
                                                 "i, IIf(i % 9 = 0, NULL, IIf(i % 2, 'Name ', 'name ') || "
                                                 "(i * 7 % 300))"))
                         .c_str(),
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    auto cn = OpenReadOnly(path);
    auto rs = Query(cn, "SELECT Id, Name FROM T");
    ASSERT_EQ(rs->RecordCount(), 5000);
    rs->SetSort("Name, Id DESC");
    rs->SetSort("Name");
    // Null first, then by text without regard to case, equal texts in their
    // first order.
    std::string previous;
    int32_t previousId = 0, nulls = 0;
    bool seenText = false;
    for (; !rs->Eof(); rs->MoveNext()) {
        const int32_t id = rs->Fields("Id").AsLong();
        if (rs->Fields("Name").IsNull()) {
            ASSERT_FALSE(seenText) << id;
            ++nulls;
            ASSERT_GT(id, previousId);
            previousId = id;
            continue;
        }
        const std::string name(rs->Fields("Name").AsText());
        ASSERT_EQ(name, (id % 2 ? "Name " : "name ") + std::to_string(id * 7 % 300));
        if (seenText) {
            const int order = CompareNoCase(previous, name);
            ASSERT_LE(order, 0) << previous << " / " << name;
            if (order == 0) {
                ASSERT_GT(id, previousId) << name;
            }
        }
        seenText = true;
        previous = name;
        previousId = id;
    }
    EXPECT_EQ(nulls, 5000 / 9);

    // Walking back from the end reads the same texts.
    rs->MoveLast();
    EXPECT_EQ(rs->Fields("Name").Value().StringRef(), previous);
    rs->MovePrevious();
    EXPECT_LE(CompareNoCase(rs->Fields("Name").AsText(), previous), 0);
    rs->SetSort("Name DESC");
    EXPECT_EQ(CompareNoCase(rs->Fields("Name").AsText(), previous), 0);
    rs->SetSort("");
    EXPECT_EQ(rs->Fields("Name").AsText(), "Name 7");
    rs->SetAbsolutePosition(9);
    EXPECT_TRUE(rs->Fields("Name").IsNull());
}

}  // namespace
