// Caller text for a list statement's "IN (...)": what passes as a list of
// numbers or of quoted texts, and what is refused before it could change a
// statement.
#include <gtest/gtest.h>

#include "core/mTL5ErrorCodes.h"
#include "lists/CodeListValue.h"
#include "support/FakeRootFixture.h"

namespace {

using listfill::CodeListValue;

class CodeLists : public FakeRootFixture {};

TEST_F(CodeLists, NumbersAndQuotedTextsPassWrittenAsLiterals) {
    EXPECT_EQ(CodeListValue("").Text(), "");
    EXPECT_EQ(CodeListValue("   ").Text(), "");
    EXPECT_EQ(CodeListValue(" 11, 12 ,13").Text(), "11,12,13");
    EXPECT_EQ(CodeListValue("'GB','NO'").Text(), "'GB','NO'");
    EXPECT_EQ(CodeListValue(" 'GB' ,  'NO' ").Text(), "'GB','NO'");
    EXPECT_EQ(CodeListValue("'O''Neil','X'").Text(), "'O''Neil','X'");
    EXPECT_EQ(CodeListValue("'O''Neil'").Text(), "'O''Neil'");
    EXPECT_EQ(CodeListValue("''").Text(), "''") << "one empty text stays a text";
    EXPECT_EQ(CodeListValue("'',''").Text(), "'',''");
    EXPECT_EQ(CodeListValue("'A B'").Text(), "'A B'");
}

TEST_F(CodeLists, AnythingElseIsRefusedNamingTheList) {
    for (const std::string bad : {
             "'GB",                   // never ends
             "'GB' OR 'A'='A'",       // text after the literal
             "'GB') OR ('1'='1",      // closes the list
             "'O'Neil'",              // a quote inside not doubled
             "'GB',",                 // an item missing
             ",'GB'",                 // likewise, before
             "'GB',,'NO'",            // and between
             "'GB', 11",              // texts and numbers mixed
             "11, 'GB'",              // the other way round
             "'A,B'",                 // a comma the list would split
             "GB",                    // a bare word
             "11) OR (1=1",           // numbers followed by SQL
             "11; DELETE FROM Well",  // a second statement
             "'GB'--",                // a comment
         }) {
        Error e = CaughtError([&] { CodeListValue(bad); });
        EXPECT_EQ(e.Number(), ERR_USER_INPUT) << bad;
        EXPECT_NE(e.Description().find(bad), std::string::npos) << bad << ": " << e.Description();
    }
}

}  // namespace
