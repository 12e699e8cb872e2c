#include <gtest/gtest.h>

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

}  // namespace
