#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "AdoFixture.h"
#include "platform/ado/AdoErrors.h"
#include "platform/runtime/Text.h"
#include "support/ErrorAssert.h"

using namespace ADODB;

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = MakeDatabase(
            dir_, "core.db",
            "CREATE TABLE Field (Code TEXT COLLATE NOCASE, Name VARCHAR(50), Wells LONG,"
            "  Depth REAL, Cost CURRENCY, Found DATE, Onshore BOOLEAN, Note);"
            "INSERT INTO Field VALUES ('F1', 'Alpha', 12, 1500.5, 12.3456, '1999-05-01', 1, 'n');"
            "INSERT INTO Field VALUES ('f2', 'beta', NULL, NULL, NULL, NULL, NULL, NULL);"
            "INSERT INTO Field VALUES ('F3', 'Gamma', 3000000000, 2, 7, '2001-12-31 08:30:00', 0, 5);"
            "INSERT INTO Field VALUES ('F4', 'Alpha', 7, -1, 0.5, 'not a date', 1, 'x');"
            "CREATE TABLE Empty (A INTEGER);");
        cn_ = OpenReadOnly(path_);
    }

    TempDir dir_;
    std::string path_;
    Ref<Connection> cn_;
};

TEST_F(RecordsetTest, DeclaredTypesGiveAdoTypesAndVariantKinds) {
    auto rs = Query(cn_, "SELECT * FROM Field");
    ASSERT_EQ(rs->Fields().Count(), 8);
    const int32_t types[] = {adVarWChar, adVarWChar, adInteger, adDouble,
                             adCurrency, adDate,     adBoolean, adVarWChar};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(rs->Fields(i).Type(), types[i]) << rs->Fields(i).Name();

    EXPECT_EQ(rs->Fields("code").Value().StringRef(), "F1");
    EXPECT_EQ(rs->Fields("Wells").Value().Kind(), VarKind::Long);
    EXPECT_EQ(rs->Fields("Wells").Value().ToLong(), 12);
    EXPECT_EQ(rs->Fields("Depth").Value().ToDouble(), 1500.5);
    EXPECT_EQ(rs->Fields("Cost").Value().Kind(), VarKind::Currency);
    EXPECT_EQ(rs->Fields("Cost").Value().CurrencyRaw(), 123456);
    EXPECT_EQ(rs->Fields("Found").Value().Kind(), VarKind::Date);
    EXPECT_EQ(rs->Fields("Found").Value().DateSerial(), DateSerial(1999, 5, 1));
    EXPECT_EQ(rs->Fields("ONSHORE").Value().Kind(), VarKind::Boolean);
    EXPECT_TRUE(rs->Fields("Onshore").Value().ToBool());

    rs->MoveNext();  // every column Null
    for (int i = 2; i < 8; ++i) EXPECT_TRUE(rs->Fields(i).Value().IsNull()) << i;

    rs->MoveNext();
    // A whole number beyond a Long keeps its value; date and time survive.
    EXPECT_EQ(rs->Fields("Wells").Value().ToDouble(), 3000000000.0);
    EXPECT_EQ(rs->Fields("Found").Value().DateSerial(), DateSerial(2001, 12, 31) + TimeSerial(8, 30, 0));
    EXPECT_FALSE(rs->Fields("Onshore").Value().ToBool());
    // A column declared without a type gives each value its own kind.
    EXPECT_EQ(rs->Fields("Note").Value().Kind(), VarKind::Long);
    EXPECT_EQ(rs->Fields("Note").Value().ToLong(), 5);

    rs->MoveNext();
    // A value that contradicts its column is kept as it is, not lost.
    EXPECT_EQ(rs->Fields("Found").Value().StringRef(), "not a date");
    EXPECT_EQ(rs->Fields("Found").Type(), adDate);
    rs->MovePrevious();
    EXPECT_EQ(rs->Fields("Found").Value().Kind(), VarKind::Date);

    // Odd values: each is read as its own kind, the cells around it as
    // their column's, and a sort places it among them by its value (Null
    // first, numbers by value, texts last).
    struct Neighbours {
        const char* type;  // the column's declared type
        const char* before;
        const char* after;  // stored around the odd value, read as the column's kind
        VarKind kind;
        const char* afterRead;
    };
    const Neighbours date{"DATE", "'1970-01-01'", "'2000-02-29'", VarKind::Date, "2000-02-29"};
    const Neighbours whole{"INTEGER", "-5", "5", VarKind::Long, "5"};
    const Neighbours money{"CURRENCY", "-2.5", "2.5", VarKind::Currency, "2.5"};
    const Neighbours flag{"BOOLEAN", "0", "1", VarKind::Boolean, "True"};
    struct OddValue {
        const Neighbours& column;
        const char* stored;  // as the statement writes it
        VarKind kind;
        const char* read;
        int sorted;  // its place among the three after a sort
    };
    const OddValue odds[] = {
        {date, "'not a date'", VarKind::String, "not a date", 3},
        {date, "'2024-13-45'", VarKind::String, "2024-13-45", 3},
        {date, "x'616263'", VarKind::String, "abc", 3},
        // Numbers beyond the range of dates read as themselves.
        {date, "1e308", VarKind::Double, "1E+308", 3},
        {date, "4e15", VarKind::Double, "4E+15", 3},
        {date, "9223372036854775807", VarKind::Double, "9.22337203685478E+18", 3},
        {date, "-9223372036854775808", VarKind::Double, "-9.22337203685478E+18", 1},
        {date, "-657435", VarKind::Long, "-657435", 1},
        {date, "2958466", VarKind::Long, "2958466", 3},
        // The engine stores the text as the number it names, beyond any double.
        {date, "'1e400'", VarKind::Double, "Infinity", 3},
        // The first and last moments of the range are dates, and so is a time alone.
        {date, "-657434", VarKind::Date, "0100-01-01", 1},
        {date, "2958465.99999", VarKind::Date, "9999-12-31 23:59:59", 3},
        {date, "0.5", VarKind::Date, "1899-12-30 12:00:00", 1},
        {whole, "0.5", VarKind::Double, "0.5", 2},
        {whole, "1e308", VarKind::Double, "1E+308", 3},
        {whole, "'1e400'", VarKind::Double, "Infinity", 3},
        {whole, "'abc'", VarKind::String, "abc", 3},
        {money, "'none'", VarKind::String, "none", 3},
        {money, "1e308", VarKind::Double, "1E+308", 3},
        {money, "922337203685478", VarKind::Double, "922337203685478", 3},
        {flag, "'maybe'", VarKind::String, "maybe", 3},
        {flag, "1e308", VarKind::Double, "1E+308", 3},
        // As a number True is -1: a sort puts it first, and -0.5 after it.
        {flag, "-0.5", VarKind::Double, "-0.5", 2},
    };
    std::string tables = "BEGIN;";
    for (size_t i = 0; i < std::size(odds); ++i) {
        const OddValue& o = odds[i];
        const std::string table = "Odd" + std::to_string(i);
        tables += "CREATE TABLE " + table + " (Id INTEGER, V " + o.column.type + "); INSERT INTO " + table +
                  " VALUES (1, " + o.column.before + "), (2, " + o.stored + "), (3, " + o.column.after + ");";
    }
    auto oddCn = OpenReadOnly(MakeDatabase(dir_, "odd.db", tables + "COMMIT;"));
    // Each row in a record set of its own.
    for (size_t i = 0; i < std::size(odds); ++i) {
        const OddValue& o = odds[i];
        RunRow(std::string(o.column.type) + " " + o.stored, [&] {
            auto odd = Query(oddCn, "SELECT Id, V FROM Odd" + std::to_string(i) + " ORDER BY Id");
            ASSERT_EQ(odd->RecordCount(), 3);
            EXPECT_EQ(odd->Fields("V").Value().Kind(), o.column.kind);
            odd->MoveNext();
            const Variant v = odd->Fields("V").Value();
            EXPECT_EQ(v.Kind(), o.kind);
            EXPECT_EQ(v.ToString(), o.read);
            EXPECT_EQ(odd->Fields("V").AsText(), o.read);
            EXPECT_FALSE(odd->Fields("V").IsNull());
            odd->MoveNext();
            EXPECT_EQ(odd->Fields("V").Value().Kind(), o.column.kind);
            EXPECT_EQ(odd->Fields("V").AsText(), o.column.afterRead);
            odd->SetSort("V");
            int place = 0;
            for (int at = 1; !odd->Eof(); odd->MoveNext(), ++at) {
                (void)odd->Fields("V").AsText();  // every cell still reads, in the sorted order too
                if (odd->Fields("Id").AsLong() == 2) place = at;
            }
            EXPECT_EQ(place, o.sorted);
        });
    }
}

TEST_F(RecordsetTest, ExpressionColumnsTakeTheTypeOfTheirValues) {
    auto rs = Query(cn_,
                    "SELECT Count(*) AS n, Sum(Depth) AS s, Max(Name) AS m, NULL AS z "
                    "FROM Field GROUP BY Name ORDER BY Name");
    EXPECT_EQ(rs->Fields("n").Type(), adInteger);
    EXPECT_EQ(rs->Fields("s").Type(), adDouble);
    EXPECT_EQ(rs->Fields("m").Type(), adVarWChar);
    EXPECT_EQ(rs->Fields("z").Type(), adVarWChar);
    EXPECT_EQ(rs->Fields("n").Value().ToLong(), 2);
    EXPECT_EQ(rs->Fields("s").Value().ToDouble(), 1499.5);
    EXPECT_TRUE(rs->Fields("z").Value().IsNull());

    // Values of different kinds in one expression column each keep theirs.
    auto mixed = Query(cn_, "SELECT IIf(Wells > 10, 'many', Wells) AS w FROM Field ORDER BY Code");
    EXPECT_EQ(mixed->Fields("w").Type(), adVarWChar);
    EXPECT_EQ(mixed->Fields("w").Value().StringRef(), "many");
    mixed->MoveNext();
    EXPECT_TRUE(mixed->Fields("w").Value().IsNull());
    mixed->MoveLast();
    EXPECT_EQ(mixed->Fields("w").Value().Kind(), VarKind::Long);
    EXPECT_EQ(mixed->Fields("w").Value().ToLong(), 7);
    mixed->SetSort("w DESC");  // numbers before text, Null first
    EXPECT_EQ(mixed->Fields("w").Value().StringRef(), "many");
    mixed->MoveLast();
    EXPECT_TRUE(mixed->Fields("w").Value().IsNull());
}

TEST_F(RecordsetTest, CountNavigationAndPosition) {
    auto rs = Query(cn_, "SELECT Code FROM Field ORDER BY Code");
    EXPECT_EQ(rs->State(), adStateOpen);
    EXPECT_EQ(rs->RecordCount(), 4);
    EXPECT_FALSE(rs->Bof());
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    std::string seen;
    while (!rs->Eof()) {
        seen += rs->Fields("Code").Value().StringRef() + ",";
        rs->MoveNext();
    }
    EXPECT_EQ(seen, "F1,f2,F3,F4,");
    EXPECT_EQ(rs->AbsolutePosition(), adPosEOF);
    EXPECT_RAISES(adErrNoCurrentRecord, rs->Fields("Code").Value());
    EXPECT_RAISES(adErrNoCurrentRecord, rs->MoveNext());
    rs->MoveLast();
    EXPECT_EQ(rs->AbsolutePosition(), 4);
    rs->Move(-2);
    EXPECT_EQ(rs->Fields(0).Value().StringRef(), "f2");
    rs->Move(-5);
    EXPECT_TRUE(rs->Bof());
    EXPECT_EQ(rs->AbsolutePosition(), adPosBOF);
    EXPECT_RAISES(adErrNoCurrentRecord, rs->MovePrevious());
    EXPECT_RAISES(adErrNoCurrentRecord, rs->Move(-1));
    rs->Move(1);
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    rs->SetAbsolutePosition(3);
    EXPECT_EQ(rs->Fields(0).Value().StringRef(), "F3");
    EXPECT_RAISES(adErrInvalidArgument, rs->SetAbsolutePosition(5));
    EXPECT_RAISES(adErrInvalidArgument, rs->SetAbsolutePosition(0));
    rs->MoveFirst();
    EXPECT_EQ(rs->Fields(0).Value().StringRef(), "F1");
    rs->Move(0);  // stays on its record
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    rs->Move(10);
    EXPECT_TRUE(rs->Eof());
    EXPECT_RAISES(adErrNoCurrentRecord, rs->Move(0));
    EXPECT_EQ(rs->Fields(Variant(0.0)).Name(), "Code");  // an index may come as any number
    EXPECT_RAISES(adErrItemNotFound, rs->Fields(Variant(1.0)));

    auto empty = Query(cn_, "SELECT A FROM Empty");
    EXPECT_EQ(empty->RecordCount(), 0);
    EXPECT_TRUE(empty->Eof());
    EXPECT_TRUE(empty->Bof());
    EXPECT_RAISES(adErrNoCurrentRecord, empty->MoveFirst());
    EXPECT_RAISES(adErrNoCurrentRecord, empty->Fields("A").Value());
    EXPECT_EQ(empty->Fields("A").Type(), adInteger);
}

TEST_F(RecordsetTest, LargeResultsSurviveStorageBoundaries) {
    // Enough rows and text to fill several storage chunks, and one text
    // longer than a chunk.
    auto rs = Query(cn_,
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
                    "SELECT i, 'text ' || i AS t, printf('%.*c', 100 + i % 7, 'p') AS pad, "
                    "IIf(i = 20000, printf('%.*c', 1500000, 'x'), IIf(i % 3 = 0, NULL, i * 0.5)) AS big "
                    "FROM n");
    ASSERT_EQ(rs->RecordCount(), 40000);
    for (int32_t i = 1; !rs->Eof(); ++i, rs->MoveNext()) {
        ASSERT_EQ(rs->Fields("i").Value().ToLong(), i);
        ASSERT_EQ(rs->Fields("t").Value().StringRef(), "text " + std::to_string(i));
        ASSERT_EQ(rs->Fields("pad").Value().StringRef().size(), static_cast<size_t>(100 + i % 7));
        Variant big = rs->Fields("big").Value();
        if (i == 20000)
            ASSERT_EQ(big.StringRef(), std::string(1500000, 'x'));
        else if (i % 3 == 0)
            ASSERT_TRUE(big.IsNull()) << i;
        else
            ASSERT_EQ(big.ToDouble(), i * 0.5) << i;
    }
    rs->SetSort("t DESC");
    EXPECT_EQ(rs->Fields("t").Value().StringRef(), "text 9999");
    rs->SetAbsolutePosition(40000);
    EXPECT_EQ(rs->Fields("t").Value().StringRef(), "text 1");
    // Everything kept is counted, the long text too; the column that holds
    // it keeps eight bytes a number, not a Variant a cell.
    EXPECT_GT(rs->MemoryBytes(), 1500000u + 40000u * 8u);
    EXPECT_LT(rs->MemoryBytes(), 40000u * 100u);
}

TEST_F(RecordsetTest, SortIsStableAndRestorable) {
    auto rs = Query(cn_, "SELECT Code, Name, Wells FROM Field");
    auto codes = [&] {
        std::string s;
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) s += rs->Fields("Code").Value().StringRef() + ",";
        return s;
    };
    rs->MoveLast();
    rs->SetSort("Name");  // text without regard to case; equal names keep their order
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    EXPECT_EQ(rs->Fields("Code").Value().StringRef(), "F1");
    EXPECT_EQ(codes(), "F1,F4,f2,F3,");
    rs->SetSort("[Name] DESC, Wells ASC");
    EXPECT_EQ(codes(), "F3,f2,F4,F1,");
    EXPECT_EQ(rs->Sort(), "[Name] DESC, Wells ASC");
    rs->SetSort("Wells");  // Null first
    EXPECT_EQ(codes(), "f2,F4,F1,F3,");
    rs->SetSort("wells desc");
    EXPECT_EQ(codes(), "F3,F1,F4,f2,");
    rs->SetSort("");
    EXPECT_EQ(codes(), "F1,f2,F3,F4,");
    EXPECT_RAISES(adErrItemNotFound, rs->SetSort("Nope"));
    EXPECT_EQ(codes(), "F1,f2,F3,F4,");  // a refused sort changes nothing
}

TEST_F(RecordsetTest, ClosedFieldsAndObjectErrors) {
    auto rs = New<Recordset>();
    EXPECT_EQ(rs->State(), adStateClosed);
    EXPECT_RAISES(adErrObjectClosed, rs->RecordCount());
    EXPECT_RAISES(adErrObjectClosed, rs->Eof());
    EXPECT_RAISES(adErrObjectClosed, rs->Fields("Code"));
    EXPECT_RAISES(adErrObjectClosed, rs->Close());
    EXPECT_EQ(rs->Fields().Count(), 0);
    EXPECT_RAISES(adErrInvalidConnection, rs->Open("SELECT 1", Ref<Connection>()));

    rs->Open("SELECT Code, Name FROM Field", cn_);
    EXPECT_RAISES(adErrObjectOpen, rs->Open("SELECT 1", cn_));
    EXPECT_RAISES(adErrItemNotFound, rs->Fields("Nope"));
    EXPECT_RAISES(adErrItemNotFound, rs->Fields(2));
    EXPECT_RAISES(adErrItemNotFound, rs->Fields(-1));
    EXPECT_EQ(rs->Fields(1).Name(), "Name");
    Field kept = rs->Fields("Name");
    rs->Close();
    EXPECT_RAISES(adErrObjectClosed, kept.Value());
    rs->Open("SELECT Wells FROM Field", cn_);
    EXPECT_RAISES(adErrItemNotFound, kept.Value());  // a handle of the earlier opening
    Field alive = rs->Fields(0);
    rs.Reset();  // the handle outlives its record set
    EXPECT_EQ(alive.Value().ToLong(), 12);

    // The connection may close under an open record set: its rows are kept.
    auto open = Query(cn_, "SELECT Code FROM Field");
    cn_->Close();
    EXPECT_EQ(open->RecordCount(), 4);
    EXPECT_RAISES(adErrInvalidConnection, Query(cn_, "SELECT 1"));
}

TEST_F(RecordsetTest, StatementErrorsCarryProviderNumbers) {
    std::string d;
    EXPECT_EQ(QueryError(cn_, "", &d), adErrNoCommandText);
    EXPECT_EQ(QueryError(cn_, "   "), adErrNoCommandText);
    EXPECT_EQ(QueryError(cn_, "-- nothing"), adErrNoCommandText);
    EXPECT_EQ(QueryError(cn_, "SELEC Code FROM Field", &d), adErrCommandErrors);
    EXPECT_NE(d.find("syntax error"), std::string::npos) << d;  // the engine's own message
    EXPECT_EQ(QueryError(cn_, "SELECT * FROM Nowhere", &d), adErrNoSuchTable);
    EXPECT_EQ(d, "no such table: Nowhere");
    // The engine quotes the name as written: its line break is shown, on one line.
    EXPECT_EQ(QueryError(cn_, "SELECT * FROM \"no\nsuch\"", &d), adErrNoSuchTable);
    EXPECT_EQ(d, "no such table: no\\nsuch");
    EXPECT_EQ(QueryError(cn_, "SELECT Nope FROM Field", &d), adErrMissingParameter);
    EXPECT_EQ(d, "no such column: Nope");
    EXPECT_EQ(QueryError(cn_, "SELECT 1; SELECT 2"), adErrCommandErrors);
    EXPECT_EQ(QueryError(cn_, "SELECT 'open"), adErrCommandErrors);
    EXPECT_EQ(QueryError(cn_, "SELECT #01-01-2000"), adErrCommandErrors);
    EXPECT_EQ(QueryError(cn_, "SELECT Year('soon')", &d), adErrCantConvert);
    // A number beyond the range of dates fails the statement, named; the
    // run time's overflow is never raised through the engine.
    EXPECT_EQ(QueryError(cn_, "SELECT Month(1e308)", &d), adErrCommandErrors);
    EXPECT_EQ(d, "Invalid procedure call or argument (Month: overflow).");
    // Too complex for the engine: a size limit, not a wording error.
    std::string deep = "SELECT ";
    for (int i = 0; i < 1200; ++i) deep += "(";
    deep += "1";
    for (int i = 0; i < 1200; ++i) deep += ")";
    EXPECT_EQ(QueryError(cn_, deep, &d), adErrProviderFailed) << d;
    // A statement that fails half way keeps nothing and leaves the set closed.
    auto rs = New<Recordset>();
    EXPECT_RAISES(adErrCantConvert, rs->Open("SELECT Year(Found) FROM Field", cn_));
    EXPECT_EQ(rs->State(), adStateClosed);
}

TEST_F(RecordsetTest, JetStatementsRunThroughTheTranslator) {
    auto rs =
        Query(cn_,
              "SELECT Code & '-' & Note AS k, Name & Note AS j, Note & Note AS n, "
              "Wells + 1 & 'x' AS w FROM Field WHERE Found < #01/01/2002# OR IsNull(Found) ORDER BY Code");
    ASSERT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(rs->Fields("k").Value().StringRef(), "F1-n");
    EXPECT_EQ(rs->Fields("w").Value().StringRef(), "13x");
    rs->MoveNext();  // f2: Null & Null is Null, Null beside text is empty
    EXPECT_EQ(rs->Fields("k").Value().StringRef(), "f2-");
    EXPECT_EQ(rs->Fields("j").Value().StringRef(), "beta");
    EXPECT_TRUE(rs->Fields("n").Value().IsNull());
    EXPECT_EQ(rs->Fields("w").Value().StringRef(), "x");
    rs->MoveNext();
    EXPECT_EQ(rs->Fields("k").Value().StringRef(), "F3-5");

    auto fn =
        Query(cn_,
              "SELECT Nz(Wells) AS a, Nz(Wells, 0) AS b, Val('12.5 m') AS c, Left(Name, 2) AS d, "
              "Right(Name, 3) AS e, Mid(Name, 2, 3) AS f, Len(Name) AS g, UCase(Name) AS h, "
              "InStr(Name, 'ET') AS i, Year(Found) AS y, Month(Found) AS m, Day(Found) AS dd, "
              "CLng(2.5) AS l, CDbl('1.25') AS x, CStr(0.1 + 0.2) AS s, Format(Found, 'dd/mm/yyyy') AS fm, "
              "IIf(Onshore, 'on', 'off') AS o, \"it's\" AS q FROM Field WHERE Code = 'F2'");
    ASSERT_EQ(fn->RecordCount(), 1);  // text compared without regard to case
    EXPECT_EQ(fn->Fields("a").Value().StringRef(), "");
    EXPECT_EQ(fn->Fields("b").Value().ToLong(), 0);
    EXPECT_EQ(fn->Fields("c").Value().ToDouble(), 12.5);
    EXPECT_EQ(fn->Fields("d").Value().StringRef(), "be");
    EXPECT_EQ(fn->Fields("e").Value().StringRef(), "eta");
    EXPECT_EQ(fn->Fields("f").Value().StringRef(), "eta");
    EXPECT_EQ(fn->Fields("g").Value().ToLong(), 4);
    EXPECT_EQ(fn->Fields("h").Value().StringRef(), "BETA");
    EXPECT_EQ(fn->Fields("i").Value().ToLong(), 2);
    EXPECT_TRUE(fn->Fields("y").Value().IsNull());
    EXPECT_EQ(fn->Fields("l").Value().ToLong(), 2);
    EXPECT_EQ(fn->Fields("x").Value().ToDouble(), 1.25);
    EXPECT_EQ(fn->Fields("s").Value().StringRef(), "0.3");
    EXPECT_TRUE(fn->Fields("fm").Value().IsNull());
    EXPECT_EQ(fn->Fields("o").Value().StringRef(), "off");
    EXPECT_EQ(fn->Fields("q").Value().StringRef(), "it's");

    auto dates = Query(cn_,
                       "SELECT Year(Found) AS y, Month(Found) AS m, Day(Found) AS d, "
                       "Format(Found, 'yyyy-mm-dd hh:nn') AS f FROM Field WHERE Code = 'F3'");
    EXPECT_EQ(dates->Fields("y").Value().ToLong(), 2001);
    EXPECT_EQ(dates->Fields("m").Value().ToLong(), 12);
    EXPECT_EQ(dates->Fields("d").Value().ToLong(), 31);
    EXPECT_EQ(dates->Fields("f").Value().StringRef(), "2001-12-31 08:30");
    auto unicode =
        Query(cn_, "SELECT Left('Ærøskøbing', 3) AS l, Len('Ærø') AS n, Mid('Ærøskøbing', 3, 2) AS m");
    EXPECT_EQ(unicode->Fields("l").Value().StringRef(), "Ærø");
    EXPECT_EQ(unicode->Fields("n").Value().ToLong(), 3);
    EXPECT_EQ(unicode->Fields("m").Value().StringRef(), "øs");
    EXPECT_EQ(QueryError(cn_, "SELECT Left('abc', -1)"), adErrCommandErrors);
    EXPECT_EQ(QueryError(cn_, "SELECT CLng(3000000000)"), adErrCommandErrors);
    EXPECT_EQ(QueryError(cn_, "SELECT CDbl('abc')"), adErrCantConvert);

    auto more =
        Query(cn_,
              "SELECT InStr(3, 'abcabc', 'B') AS a, InStr(1, 'abc', 'B', 0) AS b, InStr(9, 'abc', 'a') AS c, "
              "Mid('abcdef', 3) AS d, Right('ab', 5) AS e, Val('&H10') AS f, Val(' 1 2x') AS g, "
              "Format('2004-03-07', 'mmm d, yyyy') AS h, Format(12.5, '0.00') AS i, Nz(NULL, 3) AS j, "
              "InStr('Ærø', 'ø') AS k");
    EXPECT_EQ(more->Fields("a").Value().ToLong(), 5);
    EXPECT_EQ(more->Fields("b").Value().ToLong(), 0);  // binary comparison on request
    EXPECT_EQ(more->Fields("c").Value().ToLong(), 0);
    EXPECT_EQ(more->Fields("d").Value().StringRef(), "cdef");
    EXPECT_EQ(more->Fields("e").Value().StringRef(), "ab");
    EXPECT_EQ(more->Fields("f").Value().ToDouble(), 16.0);
    EXPECT_EQ(more->Fields("g").Value().ToDouble(), 12.0);
    EXPECT_EQ(more->Fields("h").Value().StringRef(), "Mar 7, 2004");
    EXPECT_EQ(more->Fields("i").Value().StringRef(), "12.5");  // number pictures are not read
    EXPECT_EQ(more->Fields("j").Value().ToLong(), 3);
    EXPECT_EQ(more->Fields("k").Value().ToLong(), 3);  // characters, not bytes
}

}  // namespace

namespace {

TEST_F(RecordsetTest, ParametersAreBoundNotPasted) {
    auto rs = New<Recordset>();
    rs->Open("SELECT Name FROM Field WHERE Code = ? OR Name = ?", cn_, adOpenStatic, adLockReadOnly,
             VariantArray{Variant("f1"), Variant("x' OR '1'='1")});
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Fields("Name").Value().ToString(), "Alpha");
    rs->Close();
    rs->Open("SELECT Name FROM Field WHERE Wells = ?", cn_, adOpenStatic, adLockReadOnly,
             VariantArray{Variant(int32_t(7))});
    EXPECT_EQ(rs->RecordCount(), 1);
    rs->Close();
    rs->Open("SELECT Code FROM Field WHERE Found = ?", cn_, adOpenStatic, adLockReadOnly,
             VariantArray{Variant::Date(DateSerial(1999, 5, 1))});
    EXPECT_EQ(rs->Fields("Code").Value().StringRef(), "F1");
    rs->Close();
    EXPECT_RAISES(adErrMissingParameter, rs->Open("SELECT Name FROM Field WHERE Code = ?", cn_, adOpenStatic,
                                                  adLockReadOnly, VariantArray{}));
    EXPECT_RAISES(adErrCommandErrors, rs->Open("SELECT Name FROM Field", cn_, adOpenStatic, adLockReadOnly,
                                               VariantArray{Variant(1)}));
    EXPECT_EQ(rs->State(), adStateClosed);
}

}  // namespace

namespace {

// What a read gave: the error number it raised, or its value.
template <class T>
std::pair<int32_t, T> Outcome(const std::function<T()>& read) {
    try {
        return {0, read()};
    } catch (const Error& e) {
        return {e.Number(), T{}};
    }
}

TEST_F(RecordsetTest, TypedReadsAnswerWhatTheVariantConversionsAnswer) {
    auto rs = Query(cn_,
                    "SELECT *, Name || '' AS Expr, 2.5 AS Half, 3.5 AS Half2, '12.5' AS NumText, "
                    "IIf(Wells > 10, 'many', Wells) AS Mixed FROM Field");
    const int n = rs->Fields().Count();
    int cells = 0;
    for (; !rs->Eof(); rs->MoveNext()) {
        for (int c = 0; c < n; ++c, ++cells) {
            Field f = rs->Fields(c);
            const Variant v = f.Value();
            const std::string where = f.Name() + " at " + std::to_string(rs->AbsolutePosition());
            EXPECT_EQ(f.IsNull(), v.IsNull()) << where;
            EXPECT_EQ(Outcome<int32_t>([&] { return f.AsLong(); }),
                      Outcome<int32_t>([&] { return v.ToLong(); }))
                << where;
            EXPECT_EQ(Outcome<double>([&] { return f.AsDouble(); }),
                      Outcome<double>([&] { return v.ToDouble(); }))
                << where;
            EXPECT_EQ(Outcome<std::string>([&] { return std::string(f.AsText()); }),
                      Outcome<std::string>([&] { return v.ToString(); }))
                << where;
        }
    }
    EXPECT_EQ(cells, 4 * n);

    // The same, spelled out for the first two rows.
    rs->MoveFirst();
    EXPECT_EQ(rs->Fields("Code").AsText(), "F1");
    EXPECT_EQ(rs->Fields("Wells").AsLong(), 12);
    EXPECT_EQ(rs->Fields("Wells").AsText(), "12");
    EXPECT_EQ(rs->Fields("Depth").AsDouble(), 1500.5);
    EXPECT_EQ(rs->Fields("Depth").AsLong(), 1500);  // half to even
    EXPECT_EQ(rs->Fields("Depth").AsText(), "1500.5");
    EXPECT_EQ(rs->Fields("Cost").AsText(), "12.3456");
    EXPECT_EQ(rs->Fields("Cost").AsDouble(), 12.3456);
    EXPECT_EQ(rs->Fields("Found").AsDouble(), DateSerial(1999, 5, 1));
    EXPECT_EQ(rs->Fields("Found").AsText(), DateToText(DateSerial(1999, 5, 1)));
    EXPECT_EQ(rs->Fields("Onshore").AsLong(), -1);
    EXPECT_EQ(rs->Fields("Onshore").AsText(), "True");
    EXPECT_EQ(rs->Fields("Half").AsLong(), 2);
    EXPECT_EQ(rs->Fields("Half2").AsLong(), 4);
    EXPECT_EQ(rs->Fields("NumText").AsDouble(), 12.5);
    EXPECT_EQ(rs->Fields("NumText").AsLong(), 12);
    EXPECT_RAISES(13, rs->Fields("Name").AsLong());
    EXPECT_RAISES(13, rs->Fields("Code").AsDouble());
    EXPECT_FALSE(rs->Fields("Name").IsNull());
    rs->MoveNext();  // every column but the texts Null
    for (const char* name : {"Wells", "Depth", "Cost", "Found", "Onshore", "Note"}) {
        EXPECT_TRUE(rs->Fields(name).IsNull()) << name;
        EXPECT_RAISES(94, rs->Fields(name).AsLong());
        EXPECT_RAISES(94, rs->Fields(name).AsDouble());
        EXPECT_RAISES(94, rs->Fields(name).AsText());
    }
    rs->MoveNext();
    EXPECT_RAISES(6, rs->Fields("Wells").AsLong());  // 3,000,000,000 is no Long
    EXPECT_EQ(rs->Fields("Wells").AsDouble(), 3000000000.0);
    EXPECT_EQ(rs->Fields("Wells").AsText(), "3000000000");
    EXPECT_EQ(rs->Fields("Mixed").AsText(), "many");
    rs->MoveNext();
    EXPECT_EQ(rs->Fields("Mixed").AsLong(), 7);         // an expression value of its own kind
    EXPECT_RAISES(13, rs->Fields("Found").AsDouble());  // "not a date" kept as it is
    EXPECT_EQ(rs->Fields("Found").AsText(), "not a date");
}

TEST_F(RecordsetTest, TypedReadsKeepTheRecordsetRules) {
    auto rs = Query(cn_, "SELECT Code, Name, Wells FROM Field ORDER BY Code");
    // By name without a Variant, in any spelling of a string.
    const std::string name = "NAME";
    EXPECT_EQ(rs->Fields(std::string_view("code")).AsText(), "F1");
    EXPECT_EQ(rs->Fields(name).AsText(), "Alpha");
    EXPECT_EQ(rs->Fields().Item("wells").AsLong(), 12);
    EXPECT_RAISES(adErrItemNotFound, rs->Fields(std::string_view("Nope")));
    EXPECT_RAISES(adErrItemNotFound, rs->Fields().Item(std::string("")));

    // A text in place stays valid while the record set moves and sorts.
    std::string_view first = rs->Fields("Name").AsText();
    rs->MoveLast();
    EXPECT_EQ(rs->Fields("Name").AsText(), "Alpha");
    rs->MovePrevious();
    EXPECT_EQ(rs->Fields("Name").AsText(), "Gamma");
    rs->SetSort("Name DESC");
    EXPECT_EQ(rs->Fields("Name").AsText(), "Gamma");
    EXPECT_EQ(first, "Alpha");

    rs->MoveLast();
    rs->MoveNext();
    EXPECT_RAISES(adErrNoCurrentRecord, rs->Fields("Name").IsNull());
    EXPECT_RAISES(adErrNoCurrentRecord, rs->Fields("Name").AsText());
    EXPECT_RAISES(adErrNoCurrentRecord, rs->Fields("Wells").AsLong());
    rs->MoveFirst();
    rs->MovePrevious();
    EXPECT_RAISES(adErrNoCurrentRecord, rs->Fields("Wells").AsDouble());
    Field kept = rs->Fields("Wells");
    rs->Close();
    EXPECT_RAISES(adErrObjectClosed, kept.AsLong());
    EXPECT_RAISES(adErrObjectClosed, rs->Fields(std::string_view("Wells")));
    rs->Open("SELECT Wells FROM Field", cn_);
    EXPECT_RAISES(adErrItemNotFound, kept.IsNull());
}

}  // namespace
