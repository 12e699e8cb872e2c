#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>

#include "AdoFixture.h"
#include "platform/ado/AdoErrors.h"
#include "platform/ado/Catalog.h"
#include "platform/ado/ConnectionStringParts.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/runtime/FilesRead.h"
#include "platform/runtime/Text.h"
#include "platform/ui/DoEvents.h"
#include "support/ErrorAssert.h"
#include "support/Fifo.h"
#include "support/SqliteFile.h"

using namespace ADODB;

namespace {

std::string OpenError(const std::string& provider, int32_t mode, const std::string& cs) {
    auto cn = New<Connection>();
    cn->SetProvider(provider);
    cn->SetMode(mode);
    try {
        cn->Open(cs);
    } catch (const Error& e) {
        return Hex(e.Number()) + " " + e.Description();
    }
    return "";
}

TEST(Connection, ProviderModeAndMissingFiles) {
    TempDir dir;
    std::string path = MakeDatabase(dir, "core.db", "CREATE TABLE T (A INTEGER); INSERT INTO T VALUES (1);");
    EXPECT_EQ(OpenError("sqlite", adModeRead, "Data Source=" + path), "");
    EXPECT_EQ(OpenError("Microsoft.Jet.OLEDB.4.0", adModeRead, "Data Source=" + path).substr(0, 4), "E7A ");
    EXPECT_EQ(OpenError("SQLite", adModeRead, "Provider=Jet;Data Source=" + path).substr(0, 4), "E7A ");
    EXPECT_EQ(OpenError("", adModeRead, "Provider=SQLite; Data Source = \"" + path + "\" ;Persist=1"), "");

    std::string missing = dir.Path() + "sub/none.db";
    EXPECT_EQ(OpenError("SQLite", adModeRead, "Data Source=" + missing),
              "80004005 Could not find file '" + missing + "'.");
    EXPECT_EQ(OpenError("SQLite", adModeReadWrite, "Data Source=" + missing).substr(0, 9), "80004005 ");
    EXPECT_FALSE(std::filesystem::exists(missing));
    // What is there but no file is named for what it is, and never opened.
    const std::string pipe = dir.Path() + "pipe.db", device = dir.Path() + "device.db";
    MakeFifo(pipe);
    std::filesystem::create_symlink("/dev/null", device);
    FifoWatchdog watchdog(pipe);
    for (int32_t mode : {adModeRead, adModeReadWrite}) {
        EXPECT_EQ(OpenError("SQLite", mode, "Data Source=" + pipe),
                  "80004005 Cannot open database file '" + pipe + "': it is a pipe, not a regular file");
        EXPECT_EQ(OpenError("SQLite", mode, "Data Source=" + device),
                  "80004005 Cannot open database file '" + device + "': it is a device, not a regular file");
    }
    EXPECT_FALSE(watchdog.Fired()) << "the pipe was opened";
    EXPECT_EQ(OpenError("SQLite", adModeRead, "Data Source=").substr(0, 9), "80004005 ");
    std::string junk = dir.Write("junk.db", std::string(4096, 'x'));
    std::string e = OpenError("SQLite", adModeRead, "Data Source=" + junk);
    EXPECT_EQ(e.substr(0, 9), "80004005 ");
    EXPECT_NE(e.find(junk), std::string::npos) << e;
    // A path with URI-looking characters is still just a path.
    std::string odd = MakeDatabase(dir, "a?mode=rwc#x%20.db", "CREATE TABLE T (A INTEGER);");
    EXPECT_EQ(OpenError("SQLite", adModeRead, "Data Source=" + odd), "");

    // A quoted value may hold the separator.
    std::string semi = MakeDatabase(dir, "a;b.db", "CREATE TABLE T (A INTEGER);");
    EXPECT_EQ(OpenError("SQLite", adModeRead, "Data Source='" + semi + "';Mode=Read"), "");
    EXPECT_EQ(OpenError("SQLite", adModeRead, "Extended Properties=\"x;y\";Data Source=\"" + semi + "\""),
              "");

    // Whatever a path holds, quoted it is read back whole and opens.
    for (const std::string value : {"a;b'c\"d.db", " spaced ", "\"", "''", "x\"\";y", ""}) {
        EXPECT_EQ(ConnectionStringParts::Parse("Provider=SQLite;Data Source=" + QuoteConnectionValue(value) +
                                               ";Mode=Read")
                      .DataSource,
                  value);
    }
    std::string nasty = MakeDatabase(dir, "it's \"a;b\".db", "CREATE TABLE T (A INTEGER);");
    EXPECT_EQ(OpenError("SQLite", adModeRead, "Data Source=" + QuoteConnectionValue(nasty)), "");

    auto cn = OpenReadOnly(path);
    EXPECT_EQ(cn->State(), adStateOpen);
    EXPECT_EQ(cn->ConnectionString(), "Data Source=" + path);
    EXPECT_FALSE(cn->Version().empty());
    EXPECT_RAISES(adErrObjectOpen, cn->Open("Data Source=" + path));
    EXPECT_RAISES(adErrObjectOpen, cn->SetMode(3));
    cn->Close();
    EXPECT_EQ(cn->State(), adStateClosed);
    EXPECT_RAISES(adErrObjectClosed, cn->Close());
    cn->Open("");  // reopens with the connection string it had
    EXPECT_EQ(cn->State(), adStateOpen);
}

TEST(Connection, ReadOnlyModeNeverWrites) {
    TempDir dir;
    std::string path = MakeDatabase(dir, "core.db", "CREATE TABLE T (A INTEGER); INSERT INTO T VALUES (1);");
    auto ro = OpenReadOnly(path);
    std::string d;
    EXPECT_EQ(QueryError(ro, "DELETE FROM T", &d), adErrPermissionDenied) << d;
    EXPECT_EQ(QueryError(ro, "CREATE TABLE U (B)"), adErrPermissionDenied);
    EXPECT_EQ(Query(ro, "SELECT Count(*) AS n FROM T")->Fields("n").Value().ToLong(), 1);

    // A record set only reads, whatever the connection's mode: a statement
    // that would change the database, or the connection (which the engine
    // counts as read-only), is refused before it runs, with its first words.
    auto rw = New<Connection>();
    rw->Open("Data Source=" + path);
    const std::pair<std::string, std::string> refused[] = {
        {"DELETE FROM T", "DELETE FROM T"},
        {"  DROP\n\tTABLE   T ", "DROP TABLE T"},
        {"INSERT INTO T SELECT A FROM T", "INSERT INTO T SELECT A FROM T"},
        {"UPDATE T SET A = 2 WHERE A IN (SELECT A FROM T WHERE A > 0 AND A < 10 AND A <> 5)",
         "UPDATE T SET A = 2 WHERE A IN (SELECT A FROM T WHERE A > 0..."},
        {"ATTACH DATABASE 'other.db' AS o", "ATTACH DATABASE 'other.db' AS o"},
        {"DETACH DATABASE main", "DETACH DATABASE main"},
        {"PRAGMA query_only = 0", "PRAGMA query_only = 0"},
        {"PRAGMA table_info(T)", "PRAGMA table_info(T)"},
        {"BEGIN", "BEGIN"},
        {"SAVEPOINT s", "SAVEPOINT s"},
        {"CREATE TEMP TABLE Scratch (A)", "CREATE TEMP TABLE Scratch (A)"},
        {"VACUUM", "VACUUM"},
        {"EXPLAIN DELETE FROM T", "EXPLAIN DELETE FROM T"},
        {"REINDEX", "REINDEX"},
    };
    for (const Ref<Connection>& cn : {ro, rw}) {
        for (const auto& [sql, shown] : refused) {
            EXPECT_EQ(QueryError(cn, sql, &d), adErrPermissionDenied) << sql;
            EXPECT_EQ(d,
                      "Only statements that read are run; this one would change the database or the "
                      "connection: " +
                          shown);
        }
    }
    EXPECT_EQ(Query(ro, "SELECT Count(*) AS n FROM T")->Fields("n").Value().ToLong(), 1);
    EXPECT_EQ(Query(rw, "SELECT Count(*) AS n FROM main.sqlite_master")->Fields("n").Value().ToLong(), 1);
    EXPECT_EQ(QueryError(rw, "SELECT * FROM Scratch"), adErrNoSuchTable);
    // Queries of every shape still run: common table expressions, recursion,
    // functions, and table-valued functions (the first use of which the engine
    // reports as a change to its schema table).
    EXPECT_EQ(Query(rw,
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3) "
                    "SELECT Sum(i) AS s, (SELECT Count(*) FROM pragma_table_info('T')) AS c, "
                    "(SELECT Count(*) FROM json_each('[1,2]')) AS j FROM n")
                  ->Fields("s")
                  .Value()
                  .ToLong(),
              6);
}

// The engine's answer to a one-number pragma on a handle.
int64_t Pragma(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    int64_t v = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
        v = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    return v;
}

TEST(Connection, HandlesAreOneThreadsAndReadOnlyFilesAreMapped) {
    TempDir dir;
    std::string path = MakeDatabase(dir, "core.db", "CREATE TABLE T (A INTEGER); INSERT INTO T VALUES (1);");
    std::string linked = MakeDatabase(dir, "linked.db", "CREATE TABLE L (B INTEGER);");
    SqliteDatabase ro;
    ro.Open(path, true);
    EXPECT_EQ(sqlite3_db_mutex(ro.Handle()), nullptr);  // no per-connection lock
    EXPECT_GT(Pragma(ro.Handle(), "PRAGMA mmap_size"), 0);
    ro.Execute("ATTACH DATABASE '" + linked + "' AS l");
    EXPECT_GT(Pragma(ro.Handle(), "PRAGMA l.mmap_size"), 0);  // attached files too
    EXPECT_EQ(Pragma(ro.Handle(), "SELECT Count(*) FROM T"), 1);

    SqliteDatabase rw;
    rw.Open(path, false);
    EXPECT_EQ(sqlite3_db_mutex(rw.Handle()), nullptr);
    EXPECT_EQ(Pragma(rw.Handle(), "PRAGMA mmap_size"), 0);
    rw.Execute("INSERT INTO T VALUES (2)");
    EXPECT_EQ(Pragma(ro.Handle(), "SELECT Count(*) FROM T"), 2);  // the mapped reader sees the change
}

TEST(Connection, BusyDatabaseIsAProviderFailure) {
    TempDir dir;
    std::string path = MakeDatabase(dir, "core.db", "CREATE TABLE T (A INTEGER); INSERT INTO T VALUES (1);");
    auto cn = OpenReadOnly(path);
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::string d;
    EXPECT_EQ(QueryError(cn, "SELECT A FROM T", &d), adErrProviderFailed);  // after the busy wait
    EXPECT_EQ(d, "database is locked");
    // A host whose user has given up ends the wait at once.
    ui::SetGiveUpWaitingHook([] { return true; });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(QueryError(cn, "SELECT A FROM T", &d), adErrProviderFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    ui::SetGiveUpWaitingHook(nullptr);
    sqlite3_exec(writer, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    EXPECT_EQ(Query(cn, "SELECT A FROM T")->RecordCount(), 1);
}

class LinkedTablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        annual_ = MakeDatabase(dir_, "annual.db",
                               "CREATE TABLE AnnualData (Code TEXT, Yr INTEGER, Oil REAL, Stamp DATE);"
                               "INSERT INTO AnnualData VALUES ('F1', 2001, 1.5, '2001-12-31');"
                               "INSERT INTO AnnualData VALUES ('F1', 2002, 2.5, '2002-12-31');"
                               "CREATE TABLE Wells (Code TEXT);"
                               "INSERT INTO Wells VALUES ('W1');");
        MakeDatabase(dir_, "other/annual.db",
                     "CREATE TABLE AnnualData (Code TEXT, Yr INTEGER, Oil REAL, Stamp DATE);"
                     "INSERT INTO AnnualData VALUES ('OTHER', 1990, 0, NULL);");
        core_ = MakeDatabase(dir_, "core.db",
                             "CREATE TABLE Field (Code TEXT); INSERT INTO Field VALUES ('F1');"
                             "CREATE VIEW FieldView AS SELECT Code FROM Field;"
                             "CREATE TABLE LinkedTables (Name TEXT, Datasource TEXT, ForeignName TEXT);"
                             "INSERT INTO LinkedTables VALUES ('Annual', 'annual.db', 'AnnualData');"
                             "INSERT INTO LinkedTables VALUES ('LinkedWells', '" +
                                 annual_ +
                                 "', 'Wells');"
                                 "INSERT INTO LinkedTables VALUES ('Notes', 'missing.db', 'Notes');"
                                 "INSERT INTO LinkedTables VALUES ('Ghost', 'annual.db', 'NoSuchTable');");
    }

    TempDir dir_;
    std::string annual_, core_;
};

TEST_F(LinkedTablesTest, LinksReadThroughViews) {
    ForgetFilesRead();
    auto cn = OpenReadOnly(core_);  // a missing link target does not stop the open
    // The core database and every data file it links, there or not, are
    // among the files read; a file it does not link is not.
    for (const std::string& file : {core_, annual_, dir_.Path() + "missing.db"})
        EXPECT_NE(FileReadAs(file), nullptr) << file;
    EXPECT_EQ(FileReadAs(dir_.Path() + "other/annual.db"), nullptr);
    auto rs = Query(cn,
                    "SELECT F.Code, A.Yr, A.Oil, A.Stamp FROM Field F INNER JOIN Annual A ON A.Code = F.Code "
                    "ORDER BY A.Yr");
    ASSERT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->Fields("Yr").Type(), adInteger);  // declared types carry through the view
    EXPECT_EQ(rs->Fields("Stamp").Value().Kind(), VarKind::Date);
    rs->MoveLast();
    EXPECT_EQ(rs->Fields("Oil").Value().ToDouble(), 2.5);
    EXPECT_EQ(Query(cn, "SELECT Code FROM LinkedWells")->Fields(0).Value().StringRef(), "W1");
    // A link without its data says which file it lacks and why.
    std::string d;
    EXPECT_EQ(QueryError(cn, "SELECT * FROM Notes", &d), adErrNoSuchTable) << d;
    EXPECT_EQ(d, "no such table: Notes (the linked table's data file \"" + dir_.Path() +
                     "missing.db\" could not be attached: No such file or directory)");
    EXPECT_EQ(QueryError(cn, "SELECT * FROM temp.notes", &d), adErrNoSuchTable) << d;
    EXPECT_NE(d.find("missing.db\" could not be attached"), std::string::npos) << d;
    EXPECT_EQ(QueryError(cn, "SELECT * FROM Ghost", &d), adErrNoSuchTable) << d;
    EXPECT_EQ(d, "no such table: link1.NoSuchTable (the linked table's data file \"" + annual_ +
                     "\" has no table NoSuchTable)");
    EXPECT_EQ(QueryError(cn, "SELECT * FROM Nowhere", &d), adErrNoSuchTable);
    EXPECT_EQ(d, "no such table: Nowhere");

    // A data file locked by another process when the connection opens leaves
    // the rest of the database of use; its links say so until the lock goes,
    // and then read.
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(annual_.c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    auto opened = OpenReadOnly(core_);
    EXPECT_EQ(Query(opened, "SELECT Code FROM Field")->RecordCount(), 1);
    EXPECT_EQ(QueryError(opened, "SELECT * FROM Annual", &d), adErrNoSuchTable);
    EXPECT_EQ(d, "no such table: Annual (the linked table's data file \"" + annual_ +
                     "\" could not be attached: database is locked)");
    sqlite3_exec(writer, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    EXPECT_EQ(Query(opened, "SELECT Count(*) AS n FROM Annual")->Fields("n").Value().ToLong(), 2);
    EXPECT_EQ(Query(opened, "SELECT Code FROM LinkedWells")->Fields(0).Value().StringRef(), "W1");

    // The linked file is attached read-only even on a read-write connection.
    auto rw = New<Connection>();
    rw->Open("Data Source=" + core_);
    EXPECT_EQ(QueryError(rw, "DELETE FROM link1.AnnualData", &d), adErrPermissionDenied) << d;
    EXPECT_EQ(Query(cn, "SELECT Count(*) AS n FROM Annual")->Fields("n").Value().ToLong(), 2);
}

TEST_F(LinkedTablesTest, CatalogueListsAndRepointsLinks) {
    auto cat = New<ADOX::Catalog>();
    EXPECT_RAISES(adErrInvalidConnection, cat->Tables());
    EXPECT_RAISES(adErrProviderNotFound, cat->SetActiveConnection("Provider=Jet;Data Source=" + core_));
    cat->SetActiveConnection("Data Source=" + core_);
    std::string listed;
    for (const Ref<ADOX::Table>& t : cat->Tables()) listed += t->Name() + ":" + t->Type() + ",";
    EXPECT_EQ(listed,
              "Annual:LINK,Field:TABLE,FieldView:VIEW,Ghost:LINK,LinkedTables:SYSTEM TABLE,LinkedWells:LINK,"
              "Notes:LINK,");
    auto annual = cat->Tables().Item("annual");
    EXPECT_EQ(annual->Properties("Jet OLEDB:Link Datasource").Value().StringRef(), "annual.db");
    EXPECT_EQ(cat->Tables()(1)->Properties("Jet OLEDB:Link Datasource").Value().StringRef(), "");
    EXPECT_RAISES(adErrItemNotFound, annual->Properties("Jet OLEDB:Nope"));
    EXPECT_RAISES(adErrItemNotFound, cat->Tables().Item("Nope"));
    EXPECT_RAISES(
        adErrFeatureNotAvailable,
        cat->Tables().Item("Field")->Properties("Jet OLEDB:Link Datasource").SetValue(Variant("x.db")));

    std::string other = dir_.Path() + "other/annual.db";
    annual->Properties("Jet OLEDB:Link Datasource").SetValue(Variant(other));
    EXPECT_EQ(annual->Properties("Jet OLEDB:Link Datasource").Value().StringRef(), other);
    cat->SetActiveConnectionNothing();
    EXPECT_RAISES(adErrInvalidConnection, cat->Tables());
    EXPECT_RAISES(adErrObjectClosed,
                  annual->Properties("Jet OLEDB:Link Datasource").SetValue(Variant("y.db")));

    // The rewritten row is what the next connection links.
    auto cn = OpenReadOnly(core_);
    auto rs = Query(cn, "SELECT Code FROM Annual");
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_EQ(rs->Fields("Code").Value().StringRef(), "OTHER");
    EXPECT_EQ(Query(cn, "SELECT Code FROM LinkedWells")->RecordCount(), 1);  // the other links are untouched
}

TEST_F(LinkedTablesTest, CatalogueChangesInATransactionAreWrittenAllOrNone) {
    auto source = [&](const std::string& name) {
        return Column(core_, "SELECT Datasource FROM LinkedTables WHERE Name = '" + name + "'")[0];
    };
    auto cat = New<ADOX::Catalog>();
    EXPECT_RAISES(adErrInvalidConnection, cat->BeginTrans());
    cat->SetActiveConnection("Data Source=" + core_);
    EXPECT_RAISES(adErrFeatureNotAvailable, cat->CommitTrans());
    EXPECT_RAISES(adErrFeatureNotAvailable, cat->RollbackTrans());

    cat->BeginTrans();
    EXPECT_RAISES(adErrFeatureNotAvailable, cat->BeginTrans());
    cat->Tables().Item("Annual")->Properties(ADOX::kLinkDatasource).SetValue(Variant("undone.db"));
    cat->RollbackTrans();
    EXPECT_EQ(source("Annual"), "annual.db");

    // Pending changes are not seen by others until they are committed.
    cat->BeginTrans();
    cat->Tables().Item("Annual")->Properties(ADOX::kLinkDatasource).SetValue(Variant("one.db"));
    cat->Tables().Item("Notes")->Properties(ADOX::kLinkDatasource).SetValue(Variant("two.db"));
    EXPECT_EQ(source("Annual"), "annual.db");
    cat->CommitTrans();
    EXPECT_EQ(source("Annual"), "one.db");
    EXPECT_EQ(source("Notes"), "two.db");

    // Leaving the connection with a transaction pending undoes it.
    cat->BeginTrans();
    cat->Tables().Item("Annual")->Properties(ADOX::kLinkDatasource).SetValue(Variant("lost.db"));
    cat->SetActiveConnectionNothing();
    EXPECT_EQ(source("Annual"), "one.db");
}

}  // namespace
