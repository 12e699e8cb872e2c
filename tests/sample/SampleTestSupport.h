#pragma once
// What the sample data tests share: a data set generated once per test
// program into a temporary folder, and a small read-only view of a database.
#include <optional>
#include <string>
#include <vector>

#include "SampleGenerator.h"

struct sqlite3;

// Options for a generation into `folder` with the sample's own units and
// translation files.
SampleOptions SampleOptionsFor(const std::string& folder, int fields = 300, uint64_t seed = 20241231);
// The folder (ending in "/") of a data set generated with the default options.
const std::string& GeneratedFolder();
// Its Core/Database/ folder.
std::string DatabaseFolder();

using Cell = std::optional<std::string>;  // empty for SQL NULL
using Rows = std::vector<std::vector<Cell>>;

// A database opened read-only.  Attach() links the annual tables the way the
// database layer does once the links point at the database's own folder.
class ReadDb {
public:
    explicit ReadDb(const std::string& path);
    ~ReadDb();
    ReadDb(const ReadDb&) = delete;
    ReadDb& operator=(const ReadDb&) = delete;

    Rows Query(const std::string& sql) const;
    // The first column of the first row; empty text for no row or NULL.
    std::string Scalar(const std::string& sql) const;
    // Empty when the statement prepares and runs; else the engine's message.
    std::string Runs(const std::string& sql) const;
    void Attach(const std::string& folder);
    sqlite3* Handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// The 776-byte records of an index file.
std::vector<std::string> IndexRecords(const std::string& path);
// Field i (0-based) of a record, read back into UTF-8 and trimmed.
std::string IndexField(const std::string& record, int i);
