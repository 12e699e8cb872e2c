#include "SampleDatabase.h"

#include <sqlite3.h>

#include <filesystem>

#include "SampleText.h"
#include "platform/runtime/Error.h"

namespace {
const char* const kSource = "SampleDatabase";
}

SampleDatabase::SampleDatabase(const std::string& path) : path_(path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        Fail("cannot create the database");
    // The file is built in one go and renamed into place afterwards, so a
    // crash can only leave a stray temporary file: no journal is needed.
    Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA page_size = 4096;");
}

SampleDatabase::~SampleDatabase() { Close(); }

void SampleDatabase::Close() {
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

void SampleDatabase::Fail(const std::string& what) const {
    std::string message = what + " (" + path_ + ")";
    if (db_) message += ": " + std::string(sqlite3_errmsg(db_));
    Raise(kErrDatabase, kSource, message);
}

void SampleDatabase::Exec(const std::string& sql, const std::string& name) {
    char* err = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string message = err ? err : "unknown failure";
        sqlite3_free(err);
        Raise(kErrDatabase, kSource,
              "script " + (name.empty() ? std::string("statement") : name) + " failed on " + path_ + ": " +
                  message);
    }
}

std::vector<std::vector<SqlValue>> SampleDatabase::Query(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) Fail("cannot prepare: " + sql);
    std::vector<std::vector<SqlValue>> rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        const int n = sqlite3_column_count(stmt);
        std::vector<SqlValue> row;
        row.reserve(n);
        for (int i = 0; i < n; ++i) {
            switch (sqlite3_column_type(stmt, i)) {
                case SQLITE_INTEGER:
                    row.emplace_back(static_cast<int64_t>(sqlite3_column_int64(stmt, i)));
                    break;
                case SQLITE_FLOAT:
                    row.emplace_back(sqlite3_column_double(stmt, i));
                    break;
                case SQLITE_NULL:
                    row.emplace_back(std::monostate{});
                    break;
                default:
                    row.emplace_back(std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                                 sqlite3_column_bytes(stmt, i)));
            }
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) Fail("query failed: " + sql);
    return rows;
}

SampleDatabase::Insert::Insert(SampleDatabase& db, const std::string& sql) : db_(db), sql_(sql) {
    if (sqlite3_prepare_v2(db_.db_, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
        db_.Fail("cannot prepare: " + sql);
}

SampleDatabase::Insert::~Insert() { sqlite3_finalize(stmt_); }

void SampleDatabase::Insert::Row(const std::vector<SqlValue>& values) {
    if (static_cast<int>(values.size()) != sqlite3_bind_parameter_count(stmt_))
        Raise(rt::kInvalidCall, kSource,
              "row of " + IntText(static_cast<int64_t>(values.size())) + " values for a statement of " +
                  IntText(sqlite3_bind_parameter_count(stmt_)) + " parameters: " + sql_);
    for (size_t i = 0; i < values.size(); ++i) {
        const int at = static_cast<int>(i) + 1;
        const SqlValue& v = values[i];
        if (std::holds_alternative<int64_t>(v))
            sqlite3_bind_int64(stmt_, at, std::get<int64_t>(v));
        else if (std::holds_alternative<double>(v))
            sqlite3_bind_double(stmt_, at, std::get<double>(v));
        else if (std::holds_alternative<std::string>(v)) {
            const std::string& s = std::get<std::string>(v);
            sqlite3_bind_text(stmt_, at, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
        } else
            sqlite3_bind_null(stmt_, at);
    }
    const int rc = sqlite3_step(stmt_);
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    if (rc != SQLITE_DONE) db_.Fail("insert failed: " + sql_);
}

int64_t SqlInt(const SqlValue& v, int64_t fallback) {
    if (std::holds_alternative<int64_t>(v)) return std::get<int64_t>(v);
    if (std::holds_alternative<double>(v)) return static_cast<int64_t>(std::get<double>(v));
    return fallback;
}

double SqlDouble(const SqlValue& v, double fallback) {
    if (std::holds_alternative<double>(v)) return std::get<double>(v);
    if (std::holds_alternative<int64_t>(v)) return static_cast<double>(std::get<int64_t>(v));
    return fallback;
}

std::string SqlString(const SqlValue& v) {
    if (std::holds_alternative<std::string>(v)) return std::get<std::string>(v);
    if (std::holds_alternative<int64_t>(v)) return IntText(std::get<int64_t>(v));
    return "";
}
