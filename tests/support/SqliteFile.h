#pragma once
// Direct access to a database file beside the library's own connection, for
// tests that change or inspect the data behind its back.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

// Runs statements on a database file with a connection of its own.
inline void Exec(const std::string& db, const std::string& sql) {
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &h), SQLITE_OK);
    char* err = nullptr;
    int rc = sqlite3_exec(h, sql.c_str(), nullptr, nullptr, &err);
    std::string msg = err ? err : "";
    sqlite3_free(err);
    sqlite3_close(h);
    ASSERT_EQ(rc, SQLITE_OK) << msg;
}

// The first column of every row a statement returns, as text.
inline std::vector<std::string> Column(const std::string& db, const std::string& sql) {
    sqlite3* h = nullptr;
    std::vector<std::string> out;
    sqlite3_open(db.c_str(), &h);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(h, sql.c_str(), -1, &st, nullptr);
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        auto t = sqlite3_column_text(st, 0);
        out.emplace_back(t ? reinterpret_cast<const char*>(t) : "");
    }
    sqlite3_finalize(st);
    sqlite3_close(h);
    return out;
}
