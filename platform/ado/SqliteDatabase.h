#pragma once
// One open database file of the engine: the handle the connection and the
// catalogue each own.  Opening never creates a file, and a file that cannot
// be opened is reported with its path, which the engine's own message lacks.
#include <string>

struct sqlite3;

namespace ADODB {

class SqliteDatabase {
public:
    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Opens an existing database file, read-only (memory-mapped where the
    // engine allows) or read-write, without the engine's per-connection
    // mutex: the handle belongs to one thread.  Raises &H80004005 naming the
    // path when it is missing, not a regular file (saying what it is: a pipe,
    // a device, a folder) or not a database.
    void Open(const std::string& sPath, bool bReadOnly);
    void Close();
    bool IsOpen() const { return db_ != nullptr; }
    sqlite3* Handle() const { return db_; }
    const std::string& Path() const { return path_; }

    // Runs statements that return no rows, raising the engine's failure.
    void Execute(const std::string& sql) const;

    // The file name as an engine URI, so that no character of a path is
    // taken for URI syntax and "mode=ro" can forbid both writes and creation.
    static std::string FileUri(const std::string& sPath, bool bReadOnly);

private:
    sqlite3* db_ = nullptr;
    std::string path_;
};

}  // namespace ADODB
