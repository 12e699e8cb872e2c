#include <gtest/gtest.h>

#include "platform/toolslib/cvStrings.h"
#include "support/ErrorAssert.h"

namespace {

TEST(cvStrings, TokenTakesItemsFromEitherEnd) {
    cvStrings s;
    const std::string path = "/data/Core/Database/core.db";
    EXPECT_EQ(s.Token(path, "/", 0, -1), "/data/Core/Database");  // the folder
    EXPECT_EQ(s.Token(path, "/", -1, 1), "core.db");              // the file name
    EXPECT_EQ(s.Token("core.db", "/", 0, -1), "");                // no folder part
    EXPECT_EQ(s.Token("core.db", "/", -1, 1), "core.db");
    EXPECT_EQ(s.Token("12|North Field", "|", 0, 1), "12");
    EXPECT_EQ(s.Token("12|North Field", "|", 1, 1), "North Field");
    EXPECT_EQ(s.Token("EXP_SUB_X", "_", 1, 1), "SUB");
    EXPECT_EQ(s.Token("a,b,c,d", ",", 1, 2), "b,c");
    EXPECT_EQ(s.Token("a,b,c,d", ",", 1, 0), "b,c,d");  // 0: every item from the start on
    EXPECT_EQ(s.Token("a,b,c,d", ",", 2, 99), "c,d");
    EXPECT_EQ(s.Token("a,b,c,d", ",", -2, 1), "c");
    EXPECT_EQ(s.Token("a,b,c,d", ",", 1, -2), "b");
    EXPECT_EQ(s.Token("X:/share/dir", ":", 1, 0), "/share/dir");  // the rest after the first ":"
    EXPECT_EQ(s.Token("a,b", ",", 2, 1), "");
    EXPECT_EQ(s.Token("a,b", ",", -3, 1), "");
    EXPECT_EQ(s.Token("a,b", ",", 1, -1), "");
    EXPECT_EQ(s.Token("", ",", 0, 1), "");
    EXPECT_EQ(s.Token("a,,c", ",", 1, 1), "");
    EXPECT_EQ(s.Token("a<>b<>c", "<>", 1, 0), "b<>c");
    EXPECT_EQ(s.Token("abc", "", 0, 1), "abc");
    // A path written with "\" parses too.
    EXPECT_EQ(s.Token("C:\\data\\core.db", "/", 0, -1), "C:/data");
    EXPECT_EQ(s.Token("C:\\data\\core.db", "\\", -1, 1), "core.db");
    EXPECT_EQ(s.Token("/mixed\\sep/file.db", "/", -1, 1), "file.db");
}

TEST(cvStrings, ItemCountCountsItems) {
    cvStrings s;
    EXPECT_EQ(s.ItemCount("", ","), 0);
    EXPECT_EQ(s.ItemCount("a", ","), 1);
    EXPECT_EQ(s.ItemCount("1,2,3", ","), 3);
    EXPECT_EQ(s.ItemCount("1,,3,", ","), 4);
    EXPECT_EQ(s.ItemCount("a\\b/c", "/"), 3);
    // Loops over Token from 0 to ItemCount - 1 visit every item.
    std::string list = "7,8,9", seen;
    for (int32_t i = 0; i < s.ItemCount(list, ","); ++i) seen += s.Token(list, ",", i, 1);
    EXPECT_EQ(seen, "789");
}

TEST(cvStrings, BetweenMarkers) {
    cvStrings s;
    EXPECT_EQ(s.Between("select * from t where a=1 <where/> order", "where ", "<where/>", 0, 1), "a=1 ");
    EXPECT_EQ(s.TextBetween("Volume (MMbbl)", "(", ")", 0, 1), "MMbbl");
    EXPECT_EQ(s.TextBetween("x [a] [b]", "[", "]"), "a");
    EXPECT_EQ(s.TextBetween("a) (b", "(", ")"), "");  // the end marker must follow the start
    EXPECT_EQ(s.TextBetween("no markers", "(", ")"), "");
    EXPECT_EQ(s.TextBetween("open (only", "(", ")"), "");
    EXPECT_EQ(s.TextBetween("()", "(", ")"), "");
    EXPECT_EQ(s.TextBetween("WHERE x <WHERE/>", "where ", "<where/>", 0, 1), "x ");
    EXPECT_EQ(s.TextBetween("WHERE x <WHERE/>", "where ", "<where/>", 0, 0), "");
    EXPECT_EQ(s.TextBetween("a(b)c", "(", ")", 1, 1), "(b)");
    EXPECT_EQ(s.TextBetween("key=value", "=", ""), "value");
    EXPECT_EQ(s.TextBetween("key=value", "", "="), "key");
    EXPECT_EQ(s.TextBetween("<a><a>x</a>", "<a>", "</a>"), "<a>x");
}

TEST(cvStrings, TrailingSeparator) {
    cvStrings s;
    EXPECT_EQ(s.WithTrailingSeparator("/data/Core", 0), "/data/Core/");
    EXPECT_EQ(s.WithTrailingSeparator("/data/Core/", 0), "/data/Core/");
    EXPECT_EQ(s.WithTrailingSeparator("/data/Core//", 0), "/data/Core/");
    EXPECT_EQ(s.WithTrailingSeparator("C:\\data\\", 0), "C:\\data/");
    EXPECT_EQ(s.WithTrailingSeparator("/", 0), "/");
    EXPECT_EQ(s.WithTrailingSeparator("//server/share/", 1), "//server/share");
    EXPECT_EQ(s.WithTrailingSeparator("\\\\server\\share\\\\", 1), "\\\\server\\share");
    EXPECT_EQ(s.WithTrailingSeparator("//server/share", 1) + "/dir", "//server/share/dir");
    // A failed look-up hands "": it must not become the root folder.
    EXPECT_EQ(s.WithTrailingSeparator("", 0), "");
    EXPECT_EQ(s.WithTrailingSeparator("", 1), "");
    EXPECT_RAISES(5, s.WithTrailingSeparator("/x", 2));
}

TEST(cvStrings, CutAtNull) {
    cvStrings s;
    EXPECT_EQ(s.CutAtNull(std::string("//srv/share\0   garbage", 22), 1), "//srv/share");
    EXPECT_EQ(s.CutAtNull(std::string("  padded \0", 10), 1), "padded");
    EXPECT_EQ(s.CutAtNull(std::string("  padded \0", 10), 0), "  padded ");
    EXPECT_EQ(s.CutAtNull("no null", 1), "no null");
    EXPECT_EQ(s.CutAtNull(std::string("\0rest", 5), 1), "");
}

TEST(cvStrings, FormatTextFillsZeroBasedPlaceholders) {
    cvStrings s;
    EXPECT_EQ(s.FormatText("%0,%0 AS AssetCode", Variant("A.Field_Code")),
              "A.Field_Code,A.Field_Code AS AssetCode");
    EXPECT_EQ(s.FormatText("%0 IN (%1)", Variant({Variant("A.X"), Variant("1,2")})), "A.X IN (1,2)");
    EXPECT_EQ(s.FormatText("%1 then %0", Variant({Variant(int32_t(7)), Variant(true)})), "True then 7");
    // Whole digit runs: %10 is entry 10, not entry 1 followed by "0".
    VariantArray eleven;
    for (int32_t i = 0; i <= 10; ++i) eleven.emplace_back(i * 100);
    EXPECT_EQ(s.FormatText("%1|%10", Variant(eleven)), "100|1000");
    EXPECT_EQ(s.FormatText("%1|%10", Variant({Variant("a"), Variant("b")})), "b|%10");
    // A value is never expanded again.
    EXPECT_EQ(s.FormatText("%0 and %1", Variant({Variant("%1"), Variant("x")})), "%1 and x");
    EXPECT_EQ(s.FormatText("100% sure, %", Variant("v")), "100% sure, %");
    EXPECT_EQ(s.FormatText("%0", Variant(2.5)), "2.5");
    EXPECT_EQ(s.FormatText("%0|%1", Variant::Missing()), "%0|%1");
    EXPECT_EQ(s.FormatText("%99999999999999999999", Variant("x")), "%99999999999999999999");
    EXPECT_RAISES(94, s.FormatText("%0", Variant::Null()));
}

TEST(cvStrings, QuoteListMakesSafeLiterals) {
    cvStrings s;
    EXPECT_EQ(s.QuoteList("A,B", "''", ","), "'A','B'");
    EXPECT_EQ(s.QuoteList("A,B", "'", ","), "'A','B'");
    EXPECT_EQ(s.QuoteList("O'Brien,X", "''", ","), "'O''Brien','X'");  // cannot end the literal early
    EXPECT_EQ(s.QuoteList("x');DROP TABLE t;--", "'", ","), "'x'');DROP TABLE t;--'");
    EXPECT_EQ(s.QuoteList("%North%", "'", ","), "'%North%'");
    EXPECT_EQ(s.QuoteList("a|b", "\"", "|"), "\"a\"|\"b\"");
    EXPECT_EQ(s.QuoteList("", "''", ","), "");
    EXPECT_EQ(s.QuoteList("a,,b", "'", ","), "'a','','b'");
}

TEST(cvStrings, TrimListAndTidyList) {
    cvStrings s;
    EXPECT_EQ(s.TrimList(",1,2,3,", ",", 1), "1,2,3");
    EXPECT_EQ(s.TrimList(",,,1,2,,,", ",", 1), "1,2");
    EXPECT_EQ(s.TrimList(",,1,,", ",", 0), ",1,");
    EXPECT_EQ(s.TrimList(",", ",", 1), "");
    EXPECT_EQ(s.TrimList("", ",", 1), "");
    EXPECT_EQ(s.TrimList("1,2", ",", 1), "1,2");
    EXPECT_EQ(s.TrimList("<>a<><>", "<>", 1), "a");
    EXPECT_EQ(s.TrimList(",a,", "", 1), ",a,");

    EXPECT_EQ(s.TidyList("1,2,5,6"), "1,2,5,6");
    EXPECT_EQ(s.TidyList(" 1 ,2,,2, 5,1,"), "1,2,5");
    EXPECT_EQ(s.NormaliseList(",,3,,3,4,,"), "3,4");
    EXPECT_EQ(s.NormaliseList(""), "");
    EXPECT_EQ(s.NormaliseList(" , ,"), "");
    EXPECT_EQ(s.NormaliseList("'a','A','a'"), "'a','A'");

    EXPECT_EQ(s.CombineLists("5,6", "6,7"), "5,6,7");
    EXPECT_EQ(s.CombineLists("", "1,2"), "1,2");
    EXPECT_EQ(s.CombineLists("1,2", ""), "1,2");
    EXPECT_EQ(s.CombineLists("", ""), "");
    EXPECT_EQ(s.CombineLists(",1,", ",2,"), "1,2");
}

}  // namespace
