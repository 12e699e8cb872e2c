#pragma once
// A prepared statement that is finalized however the scope is left.
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace ADODB {

class SqliteStatement {
public:
    // Prepares one statement; raises the engine's failure, or &H80040E0C when
    // the text holds no statement at all.  `tail` receives the text the
    // engine did not read.
    SqliteStatement(sqlite3* db, const std::string& sql, std::string* tail = nullptr);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    sqlite3_stmt* get() const { return stmt_; }
    // Steps once: true for a row, false when done; raises a failure.
    bool Step();
    void BindText(int index, const std::string& value);

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace ADODB
