// The root object: creation, settings, folders, opening the database, the
// Options table and the host callback protocol, on a private copy of the
// sample data set.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <thread>

#include "core/mTL5ErrorCodes.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/ado/AdoErrors.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/units/Units.h"
#include "support/ErrorAssert.h"
#include "support/Fifo.h"
#include "support/ProcessTime.h"
#include "support/RootFixture.h"
#include "support/SqliteFile.h"

namespace {

using RootObject = RootFixture;

TEST_F(RootObject, CreationSetsTheThreadsReferencesAndASecondRootReplacesTheFirst) {
    MakeRoot();
    EXPECT_TRUE(gDataManager() == root);
    EXPECT_TRUE(gDataManagerObject() == root);
    EXPECT_TRUE(root->Connection().IsNothing());
    EXPECT_TRUE(root->FieldChooser().IsNothing());
    EXPECT_FALSE(root->Cancelled());
    EXPECT_FALSE(root->ID().empty());
    auto parts = Split(root->VersionString(), ".");
    ASSERT_EQ(parts.size(), 3u) << root->VersionString();
    for (const auto& p : parts)
        EXPECT_TRUE(!p.empty() && p.find_first_not_of("0123456789") == std::string::npos) << p;

    std::weak_ptr<cvDataManager> first = root.shared();
    auto second = cvDataManager::Create();
    EXPECT_TRUE(gDataManager() == second);
    EXPECT_NE(first.lock(), nullptr) << "the test still holds the first root";
    root.Reset();
    EXPECT_EQ(first.lock(), nullptr) << "the module references no longer hold the replaced root";
}

TEST_F(RootObject, MissingSettingsElementsAreNamedWithTheSettingsFile) {
    RemoveSetting("Units");
    settingsFile = data.Write("Test.settings.xml", settingsXml);
    root = cvDataManager::Create();
    Ref<ISettings2> settings = gTools()->NewSettingsObject();
    ASSERT_TRUE(settings->Load(settingsFile));
    try {
        root->Settings(settings);
        FAIL() << "missing Units accepted";
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), ERR_MISSING_SETTINGS_ELEMENT);
        EXPECT_NE(e.Description().find("Element Units is Missing or corrupt\r\n" + settingsFile),
                  std::string::npos)
            << e.Description();
    }
}

TEST_F(RootObject, MissingQueryManagerFailsAfterTheUnitsReceivedTheirElement) {
    RemoveSetting("QueryManager");
    settingsFile = data.Write("Test.settings.xml", settingsXml);
    root = cvDataManager::Create();
    Ref<ISettings2> settings = gTools()->NewSettingsObject();
    ASSERT_TRUE(settings->Load(settingsFile));
    EXPECT_EQ(ErrorNumberOf([&] { root->Settings(settings); }), ERR_MISSING_SETTINGS_ELEMENT);
    EXPECT_FALSE(root->Units()->CategoryIDs().empty());
}

TEST_F(RootObject, FoldersAndFileNamesFollowTheSettingsAtEveryRead) {
    MakeRoot();
    EXPECT_EQ(root->DataFolder(), data.Path());
    EXPECT_EQ(root->BaseDataFolder(), data.Path() + "Core/");
    EXPECT_EQ(root->CoreDatabaseFolder(), data.Path() + "Core/Database/");
    EXPECT_EQ(root->CacheFolder(), data.Path() + "Core/Cache/");
    EXPECT_EQ(root->NotesFolder(), data.Path() + "Core/Notes/");
    EXPECT_EQ(root->Database(), data.Path() + "Core/Database/" + root->DatabaseFileName());
    EXPECT_EQ(root->NotesDatabase(), data.Path() + "Core/Database/" + root->NotesDatabaseFileName());

    // With or without the final separator the folders are the same.
    std::string folder = data.Path().substr(0, data.Path().size() - 1);
    SetSetting("DataFolder", folder);
    SetSetting("CoreDatabase", " Odd Name.db ");
    MakeRoot();
    EXPECT_EQ(root->BaseDataFolder(), data.Path() + "Core/");
    EXPECT_EQ(root->DatabaseFileName(), " Odd Name.db ");

    // Before the settings arrive there is no folder to give.
    auto bare = cvDataManager::Create();
    EXPECT_EQ(ErrorNumberOf([&] { bare->DataFolder(); }), rt::kInvalidNull);
}

TEST_F(RootObject, OpensTheSampleDatabaseAndReadsItsOptions) {
    OpenRoot();
    ASSERT_FALSE(root->Connection().IsNothing());
    EXPECT_EQ(root->Connection()->State(), 1);
    EXPECT_FALSE(root->FieldChooser().IsNothing());
    EXPECT_FALSE(root->DataRelease().empty());
    EXPECT_FALSE(root->DataYear().empty());
    EXPECT_EQ(root->GetOption("No such key"), "");
    // A key holding a quote is just a key: no statement error, no report.
    EXPECT_EQ(root->GetOption("O'Brien"), "");
    EXPECT_EQ(root->ErrorNumber(), 0);
}

TEST_F(RootObject, ADataFolderWhoseNameHoldsSeparatorsAndQuotesOpens) {
    std::string odd = data.Path() + "set;1 it's \"ours\";/";
    std::filesystem::create_directory(odd);
    std::filesystem::copy(SampleDataFolder(), odd, std::filesystem::copy_options::recursive);
    settingsXml = Replace(settingsXml, data.Path(), odd);
    OpenRoot();
    ASSERT_FALSE(root->Connection().IsNothing());
    EXPECT_EQ(root->Database(), odd + "Core/Database/Terralith.db");
    EXPECT_FALSE(root->DataYear().empty());
    // The links were repaired into that folder and read through it.
    std::string linked = odd + "Core/Database/";
    for (const auto& s : Column(root->Database(), "SELECT Datasource FROM LinkedTables"))
        EXPECT_TRUE(StartsWith(s, linked)) << s;
    auto rs = gTools()->NewADODBRecordset();
    rs->Open("SELECT COUNT(*) AS N FROM FieldAnnualTotal_Gross", root->Connection(), 3, 1);
    EXPECT_GT(rs->Fields("N").Value().ToLong(), 0);
    EXPECT_EQ(root->ErrorNumber(), 0) << root->ErrorDescription();
}

TEST_F(RootObject, CachedOptionsAreReadOnceOnlyWhenFound) {
    Exec(DatabasePath(), "DELETE FROM Options WHERE Key = 'DataRelease'");
    OpenRoot();
    std::string year = root->DataYear();
    ASSERT_FALSE(year.empty());
    Exec(DatabasePath(), "UPDATE Options SET Value = 'changed' WHERE Key = 'DataYear'");
    EXPECT_EQ(root->DataYear(), year) << "a found value is cached";

    EXPECT_EQ(root->DataRelease(), "");
    Exec(DatabasePath(), "INSERT INTO Options (Key, Value) VALUES ('DataRelease', 'R9')");
    EXPECT_EQ(root->DataRelease(), "R9") << "a missing value is asked for again";
}

TEST_F(RootObject, DuplicateOptionKeysGiveTheFirstRow) {
    Exec(DatabasePath(), "INSERT INTO Options (Key, Value) VALUES ('Twice', 'first'), ('Twice', 'second')");
    OpenRoot();
    EXPECT_EQ(root->GetOption("Twice"), "first");
}

TEST_F(RootObject, GetOptionBeforeOpeningShowsTheErrorAndReturnsEmptyText) {
    MakeRoot();
    EXPECT_EQ(root->GetOption("DataYear"), "");
    EXPECT_NE(root->ErrorNumber(), 0);
    EXPECT_EQ(root->ErrorSource(), "HuntERR.ErrorIn");
    EXPECT_FALSE(root->ErrorIsException());
    EXPECT_NE(root->ErrorDescription().find("cvDataManager.IDataManager_GetOption(sKey="
                                            "'DataYear')"),
              std::string::npos)
        << root->ErrorDescription();
    EXPECT_TRUE(CwndShowError::Instance().Visible());
}

TEST_F(RootObject, AnOptionsValueThatCannotBeReadNamesItsKeyOrItsFile) {
    // Each failure keeps its number; its description says which value, or
    // which file, to mend.  Every row starts from the sample database.
    struct Row {
        const char* damage;  // statements run on the database, or "" to empty the file
        const char* key;
        int32_t number;
        std::string text;
    };
    const Row rows[] = {
        {"CREATE TABLE Loose AS SELECT * FROM Options; DROP TABLE Options; "
         "ALTER TABLE Loose RENAME TO Options; INSERT INTO Options (Key, Value) VALUES ('Nulled', NULL)",
         "Nulled", rt::kInvalidNull, "Invalid use of Null: the Options table's value for 'Nulled' is Null."},
        {"DROP TABLE Options", "DataYear", ADODB::adErrNoSuchTable,
         "no such table: Options (the database file '" + DatabasePath() + "' has no Options table)"},
        {"", "DataYear", ADODB::adErrNoSuchTable,
         "no such table: Options (the database file '" + DatabasePath() + "' is empty)"},
    };
    const std::string pristine = data.Path() + "pristine.db";
    std::filesystem::copy_file(DatabasePath(), pristine);
    for (const Row& row : rows) {
        // A new file in its place: a connection still open on the last one reads on undisturbed.
        std::filesystem::copy_file(pristine, DatabasePath() + ".new");
        std::filesystem::rename(DatabasePath() + ".new", DatabasePath());
        if (*row.damage)
            Exec(DatabasePath(), row.damage);
        else
            std::filesystem::resize_file(DatabasePath(), 0);
        MakeRoot();
        root->OpenDatabase();
        EXPECT_EQ(root->GetOption(row.key), "") << row.text;
        EXPECT_EQ(root->ErrorNumber(), row.number) << row.text;
        EXPECT_NE(root->ErrorDescription().find(row.text), std::string::npos) << root->ErrorDescription();
    }
}

TEST_F(RootObject, RequiredConnectionSettingsAreCheckedInOrder) {
    SetSetting("DataProvider", "   ");
    SetSetting("ConnectionString", "");
    MakeRoot();
    root->OpenDatabase();
    EXPECT_EQ(root->ErrorNumber(), ERR_MISSING_DATA_PROVIDER);
    EXPECT_NE(root->ErrorDescription().find("Data Provider in Settings file is missing."), std::string::npos);
    EXPECT_TRUE(root->Connection().IsNothing());
    EXPECT_TRUE(root->FieldChooser().IsNothing());

    settingsXml = ReadFile(data.Path() + "Test.settings.xml");
    SetSetting("DataProvider", "SQLite");
    SetSetting("ConnectionString", "Data Source=");
    SetSetting("ConnectionStringADOX", " ");
    MakeRoot();
    root->OpenDatabase();
    EXPECT_EQ(root->ErrorNumber(), ERR_MISSING_ADOX_CONNECTION_STRING);
}

TEST_F(RootObject, ASuccessfulOpenClearsAnEarlierFailure) {
    SetSetting("DataProvider", "");
    MakeRoot();
    root->OpenDatabase();
    ASSERT_EQ(root->ErrorNumber(), ERR_MISSING_DATA_PROVIDER);
    hostSettings->SetValue("Options/Connection/DataProvider", Variant("SQLite"));
    root->OpenDatabase();
    EXPECT_EQ(root->ErrorNumber(), 0);
    EXPECT_EQ(root->ErrorSource(), "");
    EXPECT_EQ(root->ErrorDescription(), "");
    EXPECT_FALSE(root->Connection().IsNothing());
}

TEST_F(RootObject, AFailedReopenKeepsTheWorkingConnection) {
    OpenRoot();
    Ref<ADODB::Connection> working = root->Connection();
    hostSettings->SetValue("Options/Connection/DataProvider", Variant("NoSuchProvider"));
    root->OpenDatabase();
    EXPECT_NE(root->ErrorNumber(), 0);
    EXPECT_TRUE(root->Connection() == working);
    EXPECT_EQ(working->State(), 1);
    EXPECT_EQ(root->GetOption("DataYear").empty(), false);
}

TEST_F(RootObject, AReopenReleasesTheOldConnectionToWhoeverStillHoldsIt) {
    OpenRoot();
    Ref<ADODB::Connection> first = root->Connection();
    auto rs = gTools()->NewADODBRecordset();
    rs->Open("SELECT [Key], Value FROM Options ORDER BY [Key]", first, 3, 1);
    const int32_t rows = rs->RecordCount();
    ASSERT_GT(rows, 1);
    rs->MoveLast();
    const std::string lastKey = rs->Fields("Key").Value().ToString();

    root->OpenDatabase();
    ASSERT_EQ(root->ErrorNumber(), 0) << root->ErrorDescription();
    EXPECT_FALSE(root->Connection() == first);
    EXPECT_EQ(first->State(), 1);
    // The record set opened on it reads on, and the connection still runs statements.
    EXPECT_EQ(rs->State(), 1);
    rs->MoveFirst();
    EXPECT_FALSE(rs->Fields("Value").Value().IsNull());
    rs->MoveLast();
    EXPECT_EQ(rs->Fields("Key").Value().ToString(), lastKey);
    auto again = gTools()->NewADODBRecordset();
    again->Open("SELECT [Key] FROM Options", first, 3, 1);
    EXPECT_EQ(again->RecordCount(), rows);
}

TEST_F(RootObject, ConnectionTypeIsReadWithoutRegardToCase) {
    SetSetting("ConnectionType", "FILE");
    OpenRoot();
    EXPECT_FALSE(callBack->With("Connecting to Database...").empty()) << "the file branch repairs links";
}

TEST_F(RootObject, AnotherConnectionTypeOpensTheConnectionStringAlone) {
    SetSetting("ConnectionType", "server");
    SetSetting("ConnectionString", "Data Source=" + DatabasePath());
    OpenRoot();
    EXPECT_EQ(root->Connection()->State(), 1);
    EXPECT_TRUE(callBack->With("Connecting to Database...").empty()) << "no link repair for other types";
    EXPECT_FALSE(root->FieldChooser().IsNothing());
}

TEST_F(RootObject, AMissingDatabaseAsksTheUserAndStoresItsNumber) {
    SetSetting("CoreDatabase", "Missing.db");
    MakeRoot();
    root->OpenDatabase();
    ASSERT_EQ(callBack->commands.size(), 1u);
    EXPECT_EQ(callBack->commands[0], "CMD=KILL_SPLASH!DEST=A");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, 36);
    EXPECT_EQ(messages[0].title, "Corvantis Terralith");
    EXPECT_EQ(messages[0].text, "Unable to locate Terralith Database: \r\n\r\n" + root->Database() +
                                    "\r\n\r\n Do you want to reset your settings file?");
    EXPECT_EQ(root->ErrorNumber(), ERR_DATABASE_NOT_FOUND);
    EXPECT_FALSE(root->ErrorIsException());
    EXPECT_TRUE(root->Connection().IsNothing());
    EXPECT_TRUE(root->FieldChooser().IsNothing());

    answer = 6;  // Yes
    callBack->commands.clear();
    root->OpenDatabase();
    ASSERT_EQ(callBack->commands.size(), 2u);
    EXPECT_EQ(callBack->commands[1], "CMD=KILL_SETTINGS_FILE!DEST=A");
}

TEST_F(RootObject, AMissingDatabaseWithNoOneToAskKeepsTheSettingsFile) {
    SetSetting("CoreDatabase", "Missing.db");
    MakeRoot();
    ui::SetMessageBoxHandler(nullptr);
    testing::internal::CaptureStderr();
    root->OpenDatabase();
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(callBack->commands, std::vector<std::string>{"CMD=KILL_SPLASH!DEST=A"});
    EXPECT_NE(said.find("Do you want to reset your settings file?"), std::string::npos) << said;
    EXPECT_NE(said.find("answered No"), std::string::npos) << said;
    EXPECT_EQ(root->ErrorNumber(), ERR_DATABASE_NOT_FOUND);
}

TEST_F(RootObject, LinkedTablesAreRepointedToTheDatabaseFolder) {
    std::string folder = data.Path() + "Core/Database/";
    Exec(DatabasePath(),
         "INSERT INTO LinkedTables (Name, Datasource, ForeignName) VALUES "
         "('UpperCaseLink', '" +
             UCase(folder) + "Annual.db', 'FieldAnnual')");
    OpenRoot();
    auto sources =
        Column(DatabasePath(), "SELECT Datasource FROM LinkedTables WHERE Name <> 'UpperCaseLink'");
    ASSERT_FALSE(sources.empty());
    for (const auto& s : sources) EXPECT_TRUE(StartsWith(s, folder)) << s;
    EXPECT_EQ(Column(DatabasePath(), "SELECT Datasource FROM LinkedTables WHERE Name = 'UpperCaseLink'")[0],
              UCase(folder) + "Annual.db")
        << "a link in the same folder but for letter case is left alone";
    EXPECT_EQ(callBack->commands.front(), "CMD=STATUS_MESSAGE!DEST=A.CV!MSG=Connecting to Database...");
    EXPECT_FALSE(callBack->With("MSG=Checking Table: Options").empty());
}

// Adds `count` links named Link00001... to a file in another folder.
void AddLinks(const std::string& database, int count, const std::string& source) {
    Exec(database, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                       std::to_string(count) +
                       ") INSERT INTO LinkedTables (Name, Datasource, ForeignName) "
                       "SELECT printf('Link%05d', i), '" +
                       source + "', 'Nothing' FROM n");
}

TEST_F(RootObject, TenThousandLinksAreRepairedAtOnceAndNothingToRepairWritesNothing) {
    AddLinks(DatabasePath(), 10000, "/elsewhere/Gone.db");
    MakeRoot();
    // Two clocks, so a loaded machine cannot fail the test: the processor
    // time of this process catches a scan per row (seconds of work), the wall
    // clock a commit per row (minutes of waiting for the disk).
    auto started = std::chrono::steady_clock::now();
    const double cpuStarted = ProcessSeconds();
    root->OpenDatabase();
    const double cpu = ProcessSeconds() - cpuStarted;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    ASSERT_EQ(root->ErrorNumber(), 0) << root->ErrorDescription();
    RecordProperty("RepairSeconds", std::to_string(seconds));
    EXPECT_LT(cpu, 1.5 * kSanitizerSlowdown) << "10,000 links took " << cpu << " s of processor time";
    EXPECT_LT(seconds, 15.0 * kSanitizerSlowdown) << "10,000 links took " << seconds << " s";
    EXPECT_EQ(Column(DatabasePath(), "SELECT COUNT(*) FROM LinkedTables WHERE Datasource = '" + data.Path() +
                                         "Core/Database/Gone.db'")[0],
              "10000");

    // Nothing left to repair: the file is not written, not even locked for
    // writing, so the start-up goes on while another program writes to it.
    struct stat before {};
    ASSERT_EQ(::stat(DatabasePath().c_str(), &before), 0);
    const std::string content = ReadFile(DatabasePath());
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(DatabasePath().c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    callBack->commands.clear();
    root->OpenDatabase();
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    EXPECT_EQ(root->ErrorNumber(), 0) << root->ErrorDescription();
    EXPECT_EQ(callBack->With("Checking Table: Link").size(), 10001u) << "every link and LinkedTables";
    struct stat after {};
    ASSERT_EQ(::stat(DatabasePath().c_str(), &after), 0);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
    EXPECT_TRUE(ReadFile(DatabasePath()) == content);
}

// A host whose process dies while the start-up reports one given table.
class DyingCallBack final : public IParentCallBack {
public:
    explicit DyingCallBack(std::string at) : at_(std::move(at)) {}
    void Call(const Ref<ICallBackClient2>&, const Variant& vCommand) override {
        if (vCommand.ToObject<cvCommand>()->Text().find(at_) != std::string::npos)
            ::kill(::getpid(), SIGKILL);
    }

private:
    std::string at_;
};

TEST_F(RootObject, ARepairKilledHalfWayLeavesEveryLinkAsItWas) {
    AddLinks(DatabasePath(), 2000, "/elsewhere/Gone.db");
    MakeRoot();
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        root->RegisterCallBack(New<DyingCallBack>("Checking Table: Link01500"));
        root->OpenDatabase();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the start-up was not killed";
    // Most links had been changed when it died: none of them stays changed.
    EXPECT_EQ(Column(DatabasePath(),
                     "SELECT COUNT(*) FROM LinkedTables WHERE Datasource = '/elsewhere/Gone.db'")[0],
              "2000");
    root->OpenDatabase();
    EXPECT_EQ(root->ErrorNumber(), 0) << root->ErrorDescription();
    EXPECT_EQ(
        Column(DatabasePath(), "SELECT COUNT(*) FROM LinkedTables WHERE Datasource LIKE '/elsewhere/%'")[0],
        "0");
}

TEST_F(RootObject, OptionsIniDecidesWhetherLinksAreChecked) {
    for (const char* value : {" YES ", ""}) {
        data.Write("Core/Database/Options.ini",
                   std::string("[Startup]\nCheckAttachedTables=") + value + "\n");
        callBack->commands.clear();
        OpenRoot();
        EXPECT_FALSE(callBack->With("Connecting to Database...").empty()) << "'" << value << "'";
    }
    for (const char* value : {"no", "0"}) {
        data.Write("Core/Database/Options.ini",
                   std::string("[Startup]\nCheckAttachedTables=") + value + "\n");
        callBack->commands.clear();
        OpenRoot();
        EXPECT_TRUE(callBack->With("Connecting to Database...").empty()) << value;
    }
    // A pipe in its place fails the open at once.
    std::string fifo = data.Path() + "Core/Database/Options.ini";
    std::filesystem::remove(fifo);
    MakeFifo(fifo);
    FifoWatchdog watchdog(fifo);
    MakeRoot();
    root->OpenDatabase();
    EXPECT_FALSE(watchdog.Fired()) << "the pipe was opened for reading";
    EXPECT_EQ(root->ErrorNumber(), rt::kPathFileAccess);
}

TEST_F(RootObject, RepairWithoutACallbackFailsAndIsReported) {
    MakeRoot(false);
    root->OpenDatabase();
    EXPECT_EQ(root->ErrorNumber(), rt::kObjectNotSet);
    EXPECT_TRUE(root->Connection().IsNothing());
}

TEST_F(RootObject, ShortCompanyNamesAreNotKnown) {
    MakeRoot();
    EXPECT_EQ(ErrorNumberOf([&] { root->GetShortCompanyName("C_12"); }), rt::kInvalidCall);
}

}  // namespace
