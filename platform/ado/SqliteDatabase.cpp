#include "SqliteDatabase.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>

#include "AdoErrors.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/FilesRead.h"
#include "platform/runtime/RegularFile.h"
#include "platform/runtime/Text.h"
#include "platform/ui/DoEvents.h"

namespace ADODB {

namespace {

// How long a statement waits for another process's write lock before the
// engine reports the database busy.
constexpr int kBusyTimeoutMs = 2000;

// Waits once more for another process's lock, as the engine's own timeout
// would: short sleeps at first, longer ones later, up to kBusyTimeoutMs in
// all.  Between sleeps it asks the host whether the person has given up (a
// Ctrl-C also cuts a sleep short), so that nobody waits out the lock in vain.
// Returns 0 to give up, which reports the database busy.
int WaitForLock(void*, int count) {
    static constexpr int kDelaysMs[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    constexpr int kSteps = sizeof kDelaysMs / sizeof kDelaysMs[0];
    if (ui::GiveUpWaiting()) return 0;
    int waited = 0;
    for (int i = 0; i < count && waited < kBusyTimeoutMs; ++i)
        waited += kDelaysMs[i < kSteps ? i : kSteps - 1];
    if (waited >= kBusyTimeoutMs) return 0;
    sqlite3_sleep(std::min(kDelaysMs[count < kSteps ? count : kSteps - 1], kBusyTimeoutMs - waited));
    return 1;
}

// How much of a read-only database file the engine may map instead of
// copying it page by page into the connection's cache.  The engine caps it at
// its own compile-time limit (no mapping at all where that is 0), and files
// attached later inherit it.  Read-only connections do all the bulk reading;
// the catalogue's read-write connection keeps the plain way.
constexpr const char* kMmapPragma = "PRAGMA mmap_size = 1073741824";

}  // namespace

SqliteDatabase::~SqliteDatabase() { Close(); }

std::string SqliteDatabase::FileUri(const std::string& sPath, bool bReadOnly) {
    static const char* hex = "0123456789ABCDEF";
    // An absolute path gets an empty authority ("file:///..."), so that a path
    // beginning with "//" is never read as a host name.
    std::string uri = sPath.starts_with('/') ? "file://" : "file:";
    for (unsigned char c : sPath) {
        bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                     c == '_' || c == '.' || c == '~' || c == '/';
        if (plain) {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 15];
        }
    }
    uri += bReadOnly ? "?mode=ro" : "?mode=rw";
    return uri;
}

void SqliteDatabase::Open(const std::string& sPath, bool bReadOnly) {
    Close();
    if (sPath.empty())
        Raise(adErrProviderFailed, kProviderSource, "No database file was named in the connection string.");
    // A database file is read like any other, whether it opens or not.
    NoteFileRead(sPath);
    struct stat st {};
    if (::stat(sPath.c_str(), &st) != 0)
        Raise(adErrProviderFailed, kProviderSource, "Could not find file '" + VisibleText(sPath) + "'.");
    // A pipe, a device or a folder is there but is no database: saying what
    // it is tells the user more than "not found", and the engine never opens
    // (and waits on) it.
    if (!S_ISREG(st.st_mode))
        Raise(adErrProviderFailed, kProviderSource,
              "Cannot open database file '" + VisibleText(sPath) + "': " + RegularFileProblem(sPath));
    // No per-connection mutex: a connection and its record sets belong to the
    // thread that opened them, and the lock would be taken and released for
    // every value a record set reads.
    int flags =
        (bReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(FileUri(sPath, bReadOnly).c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close_v2(db);
        Raise(adErrProviderFailed, kProviderSource,
              "Cannot open database file '" + VisibleText(sPath) + "': " + VisibleText(message));
    }
    sqlite3_extended_result_codes(db, 0);
    sqlite3_busy_handler(db, WaitForLock, nullptr);
    // The engine opens lazily; reading the schema now turns a file that is
    // not a database into an error at Open rather than at the first query.
    rc = sqlite3_exec(db, "SELECT 1 FROM sqlite_master LIMIT 1", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = sqlite3_errmsg(db);
        sqlite3_close_v2(db);
        Raise(adErrProviderFailed, kProviderSource,
              "Cannot open database file '" + VisibleText(sPath) + "': " + VisibleText(message));
    }
    // A failure only leaves reading as it was.
    if (bReadOnly) sqlite3_exec(db, kMmapPragma, nullptr, nullptr, nullptr);
    db_ = db;
    path_ = sPath;
}

void SqliteDatabase::Close() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
    path_.clear();
}

void SqliteDatabase::Execute(const std::string& sql) const {
    int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) RaiseEngineError(db_, rc);
}

}  // namespace ADODB
