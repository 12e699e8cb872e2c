// A link that names no foreign table links the table of its own name in its
// data source.
#include <gtest/gtest.h>

#include "AdoFixture.h"

using namespace ADODB;

namespace {

std::string FirstCode(const Ref<Connection>& cn, const std::string& table) {
    auto rs = Query(cn, "SELECT Code FROM " + table);
    return rs->Eof() ? "(none)" : rs->Fields(0).Value().ToString();
}

TEST(LinkedTableName, AnEmptyOrMissingForeignNameLinksTheTableOfTheSameName) {
    TempDir dir;
    // Both files hold tables of the same names.  The first one is attached
    // first, so a name the engine looked up on its own would be found there;
    // the links without a foreign name point at the second one.
    MakeDatabase(dir, "first.db",
                 "CREATE TABLE AnnualData (Code TEXT); INSERT INTO AnnualData VALUES ('FIRST');"
                 "CREATE TABLE Wells (Code TEXT); INSERT INTO Wells VALUES ('W-FIRST');");
    MakeDatabase(dir, "second.db",
                 "CREATE TABLE AnnualData (Code TEXT); INSERT INTO AnnualData VALUES ('SECOND');"
                 "CREATE TABLE Wells (Code TEXT); INSERT INTO Wells VALUES ('W-SECOND');");
    const std::string core =
        MakeDatabase(dir, "core.db",
                     "CREATE TABLE LinkedTables (Name TEXT, Datasource TEXT, ForeignName TEXT);"
                     "INSERT INTO LinkedTables VALUES ('Annual', 'first.db', 'AnnualData');"
                     "INSERT INTO LinkedTables VALUES ('AnnualData', 'second.db', '');"
                     "INSERT INTO LinkedTables VALUES ('Wells', 'second.db', NULL);");

    auto cn = OpenReadOnly(core);
    EXPECT_EQ(FirstCode(cn, "Annual"), "FIRST");
    EXPECT_EQ(FirstCode(cn, "AnnualData"), "SECOND") << "an empty foreign name";
    EXPECT_EQ(FirstCode(cn, "Wells"), "W-SECOND") << "no foreign name at all";
    EXPECT_EQ(FirstCode(cn, "wells"), "W-SECOND") << "names without regard to case";
}

}  // namespace
