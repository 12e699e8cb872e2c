#pragma once
// A database file the generator writes: runs scripts, inserts rows through
// prepared statements and reads reference rows back.  Every failure is raised
// as an Error naming the file and the engine's message.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// One value bound into a statement or read from a row.
using SqlValue = std::variant<std::monostate, int64_t, double, std::string>;

inline SqlValue SqlNull() { return std::monostate{}; }
inline SqlValue SqlOpt(const std::optional<double>& v) { return v ? SqlValue(*v) : SqlNull(); }
inline SqlValue SqlOpt(const std::optional<int64_t>& v) { return v ? SqlValue(*v) : SqlNull(); }
inline SqlValue SqlOptText(const std::string& s) { return s.empty() ? SqlNull() : SqlValue(s); }

class SampleDatabase {
public:
    // Error raised for a failure of the database engine.
    static constexpr int32_t kErrDatabase = static_cast<int32_t>(0x80004005u);

    // Creates the file; an existing file of that name is replaced.
    explicit SampleDatabase(const std::string& path);
    ~SampleDatabase();
    SampleDatabase(const SampleDatabase&) = delete;
    SampleDatabase& operator=(const SampleDatabase&) = delete;

    const std::string& Path() const { return path_; }
    // Runs every statement of a script; `name` tells the error where it came from.
    void Exec(const std::string& sql, const std::string& name = "");
    // Rows of a query, each value as the engine holds it.
    std::vector<std::vector<SqlValue>> Query(const std::string& sql);
    void Close();

    // A prepared insert: Row binds the values in order, runs it and resets it.
    class Insert {
    public:
        Insert(SampleDatabase& db, const std::string& sql);
        ~Insert();
        Insert(const Insert&) = delete;
        Insert& operator=(const Insert&) = delete;
        void Row(const std::vector<SqlValue>& values);

    private:
        SampleDatabase& db_;
        sqlite3_stmt* stmt_ = nullptr;
        std::string sql_;
    };

private:
    [[noreturn]] void Fail(const std::string& what) const;
    sqlite3* db_ = nullptr;
    std::string path_;
};

// Small helpers for reading query results.
int64_t SqlInt(const SqlValue& v, int64_t fallback = 0);
double SqlDouble(const SqlValue& v, double fallback = 0);
std::string SqlString(const SqlValue& v);
