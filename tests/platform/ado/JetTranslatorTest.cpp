#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "platform/ado/AdoErrors.h"
#include "platform/ado/JetTranslator.h"
#include "support/ErrorAssert.h"

using ADODB::JetTranslator;

namespace {

std::string T(const std::string& s) { return JetTranslator::Translate(s); }

TEST(JetTranslator, DateLiterals) {
    EXPECT_EQ(T("WHERE d > #01-31-2001#"), "WHERE d > '2001-01-31'");
    EXPECT_EQ(T("WHERE d BETWEEN #1/2/2003# AND #12/31/2003#"),
              "WHERE d BETWEEN '2003-01-02' AND '2003-12-31'");
    EXPECT_EQ(T("WHERE d = #2/3/2004 13:05:09#"), "WHERE d = '2004-02-03 13:05:09'");
    // Text that merely looks like a date stays as it is.
    EXPECT_EQ(T("WHERE a = '#01-31-2001#' AND [x#1#] = 1"), "WHERE a = '#01-31-2001#' AND [x#1#] = 1");
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("WHERE d = #13-45-2001#"));
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("WHERE d = #01-31-2001"));
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("WHERE d = #tomorrow#"));
}

TEST(JetTranslator, QuotedText) {
    EXPECT_EQ(T("WHERE a = \"North Sea\""), "WHERE a = 'North Sea'");
    EXPECT_EQ(T("WHERE a = \"O'Brien\""), "WHERE a = 'O''Brien'");
    EXPECT_EQ(T("WHERE a = \"say \"\"hi\"\"\""), "WHERE a = 'say \"hi\"'");
    // A double quote inside a single-quoted literal is text, not a literal.
    EXPECT_EQ(T("WHERE a = 'x\"y' OR b = 'it''s'"), "WHERE a = 'x\"y' OR b = 'it''s'");
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("WHERE a = 'open"));
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("WHERE a = \"open"));
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("WHERE [open = 1"));
}

TEST(JetTranslator, ConcatenationOperands) {
    EXPECT_EQ(T("SELECT a & b FROM t"), "SELECT JetConcat(a,b) FROM t");
    // Left-associative chains nest.
    EXPECT_EQ(T("SELECT a & ' ' & b"), "SELECT JetConcat(JetConcat(a,' '),b)");
    // Arithmetic binds tighter; comparisons looser.
    EXPECT_EQ(T("SELECT x + 1 & y - 2 = 'a'"), "SELECT JetConcat(x + 1,y - 2) = 'a'");
    EXPECT_EQ(T("WHERE -a * b & c > 0"), "WHERE JetConcat(-a * b,c) > 0");
    EXPECT_EQ(T("WHERE n = 2 - -a & c"), "WHERE n = JetConcat(2 - -a,c)");
    // Qualified names, brackets, calls and groups are whole operands.
    EXPECT_EQ(T("ORDER BY A.Grp & [A].[Sys Name]"), "ORDER BY JetConcat(A.Grp,[A].[Sys Name])");
    EXPECT_EQ(T("SELECT Left(a, 2) & (b + c) AS k"), "SELECT JetConcat([Left](a, 2),(b + c)) AS k");
    EXPECT_EQ(T("SELECT Nz(a & b, 'z'), c"), "SELECT Nz(JetConcat(a,b), 'z'), c");
    EXPECT_EQ(T("WHERE x LIKE 'a' & '%' AND y"), "WHERE x LIKE JetConcat('a','%') AND y");
    EXPECT_EQ(T("SELECT CASE WHEN a THEN 'x' END & b"), "SELECT JetConcat(CASE WHEN a THEN 'x' END,b)");
    // An ampersand in literals and names is text.
    EXPECT_EQ(T("WHERE a = 'R&D' AND [P&L] = 1 -- a & b"), "WHERE a = 'R&D' AND [P&L] = 1 -- a & b");
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("SELECT & b"));
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("SELECT a & FROM t"));
}

TEST(JetTranslator, IsNullAndStatementEnd) {
    EXPECT_EQ(T("WHERE IsNull(a.b)"), "WHERE ((a.b) IS NULL)");
    EXPECT_EQ(T("SELECT IIf(IsNull(g), s, g)"), "SELECT IIf(((g) IS NULL), s, g)");
    EXPECT_EQ(T("SELECT IsNull(a) & 'x'"), "SELECT JetConcat(((a) IS NULL),'x')");
    EXPECT_EQ(T("SELECT t.IsNull FROM t"), "SELECT t.IsNull FROM t");
    EXPECT_EQ(T("SELECT Right(a, 1) FROM t LEFT JOIN u ON 1"),
              "SELECT [Right](a, 1) FROM t LEFT JOIN u ON 1");
    EXPECT_EQ(T("SELECT 1;"), "SELECT 1;");
    EXPECT_EQ(T("SELECT 1; -- done\n"), "SELECT 1; -- done\n");
    EXPECT_EQ(T("SELECT ';' AS a"), "SELECT ';' AS a");
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("SELECT 1; DROP TABLE t"));
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("SELECT 1;;SELECT 2"));
}

TEST(JetTranslator, TokensEndWhereTheEnginesTokensEnd) {
    // A named variable runs over "::" parts and an argument up to ")" or a
    // blank, quotes and all: nothing inside it is code.
    EXPECT_EQ(T("SELECT $x(\"a\") & \"b\""), "SELECT JetConcat($x(\"a\"),'b')");
    EXPECT_EQ(T("SELECT :a('b) & c"), "SELECT JetConcat(:a('b),c)");
    EXPECT_EQ(T("WHERE d = $v(#1/2/2003#) OR e = @p::q(IsNull(x)"),
              "WHERE d = $v(#1/2/2003#) OR e = @p::q(IsNull(x)");
    EXPECT_EQ(T("WHERE a = $a::b & ?12"), "WHERE a = JetConcat($a::b,?12)");
    // "?" takes digits only; the name after it is a word of its own.
    EXPECT_EQ(T("SELECT ?1 & ?"), "SELECT JetConcat(?1,?)");
    // A blob literal is one value, not a word before a string.
    EXPECT_EQ(T("SELECT x'41' & X'42'"), "SELECT JetConcat(x'41',X'42')");
    // Quotes of another kind inside names, and code inside comments, are text.
    EXPECT_EQ(T("SELECT [a\"b] & `c``\"d` & \"e\""), "SELECT JetConcat(JetConcat([a\"b],`c``\"d`),'e')");
    EXPECT_EQ(T("SELECT a /* IsNull(b) & \"c\" */ FROM t"), "SELECT a /* IsNull(b) & \"c\" */ FROM t");
    EXPECT_EQ(T("SELECT a /*/ & \"b\" */"), "SELECT a /*/ & \"b\" */");
    EXPECT_EQ(T("SELECT 1 /* open to the end & \"x\""), "SELECT 1 /* open to the end & \"x\"");
    // "/*" as the very last characters is no comment to the engine, so it is
    // text after the statement's end.
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("SELECT 1; /*"));
    EXPECT_EQ(T("SELECT 1; /**/"), "SELECT 1; /**/");
    // A vertical tab is no blank to the engine, a form feed is.
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("SELECT 1;\v"));
    EXPECT_EQ(T("SELECT 1;\f"), "SELECT 1;\f");
    // Numbers: an exponent needs a digit; glued letters stay with the number.
    EXPECT_EQ(T("SELECT 1e+5 & 2.5E-3 & 0x1F & .5"),
              "SELECT JetConcat(JetConcat(JetConcat(1e+5,2.5E-3),0x1F),.5)");
    // What the engine would not read is refused, not judged.
    EXPECT_RAISES(ADODB::adErrCommandErrors, T(std::string("SELECT 'a") + '\0' + "' & b"));
    EXPECT_RAISES(ADODB::adErrCommandErrors, T("SELECT x'41"));
}

// The engine names each variable it reads: the translation hands it every
// variable whole, and one column per expression.
TEST(JetTranslator, TheEngineReadsTheVariablesItWasGiven) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    const std::string sql = T("SELECT :a('b), \"c\", $x(\"a\"), @p::q(z), ?7, x'00' AS [d\"e]");
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    std::vector<std::string> names;
    for (int i = 1; i <= sqlite3_bind_parameter_count(st); ++i) {
        const char* name = sqlite3_bind_parameter_name(st, i);
        names.emplace_back(name ? name : "");
    }
    EXPECT_EQ(names, (std::vector<std::string>{":a('b)", "$x(\"a\")", "@p::q(z)", "", "", "", "?7"}));
    EXPECT_EQ(sqlite3_column_count(st), 6);
    sqlite3_finalize(st);
    sqlite3_close(db);
}

}  // namespace
