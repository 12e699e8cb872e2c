#include "SampleTestSupport.h"

#include <sqlite3.h>

#include <filesystem>
#include <map>
#include <stdexcept>

#include "SampleFiles.h"
#include "SampleText.h"
#include "platform/runtime/Codepage.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/AssetIndexFile.h"
#include "support/TempDir.h"

SampleOptions SampleOptionsFor(const std::string& folder, int fields, uint64_t seed) {
    SampleOptions o;
    o.outFolder = folder;
    o.fields = fields;
    o.seed = seed;
    o.unitsFile = std::string(TERRALITH_SAMPLE_SOURCE) + "/Units.xml";
    o.translationsFile = std::string(TERRALITH_SAMPLE_SOURCE) + "/Translations.xml";
    return o;
}

const std::string& GeneratedFolder() {
    static TempDir dir;
    static const std::string folder = [] {
        SampleGenerator::Generate(SampleOptionsFor(dir.Path() + "data"));
        return dir.Path() + "data/";
    }();
    return folder;
}

std::string DatabaseFolder() { return GeneratedFolder() + "Core/Database/"; }

ReadDb::ReadDb(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + path);
}

ReadDb::~ReadDb() { sqlite3_close_v2(db_); }

Rows ReadDb::Query(const std::string& sql) const {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + ": " + sql);
    Rows rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::vector<Cell> row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const unsigned char* text = sqlite3_column_text(stmt, i);
            row.push_back(text ? Cell(reinterpret_cast<const char*>(text)) : std::nullopt);
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(stmt);
    return rows;
}

std::string ReadDb::Scalar(const std::string& sql) const {
    Rows rows = Query(sql);
    return rows.empty() || rows[0].empty() || !rows[0][0] ? "" : *rows[0][0];
}

std::string ReadDb::Runs(const std::string& sql) const {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) return sqlite3_errmsg(db_);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE ? "" : sqlite3_errmsg(db_);
}

void ReadDb::Attach(const std::string& folder) {
    std::map<std::string, std::string> aliases;
    auto exec = [&](const std::string& sql) {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + ": " + sql);
    };
    for (const auto& link : Query("SELECT Name, Datasource, ForeignName FROM LinkedTables")) {
        const std::string file = std::filesystem::path(*link[1]).filename().string();
        auto it = aliases.find(file);
        if (it == aliases.end()) {
            it = aliases.emplace(file, "link" + IntText(static_cast<int64_t>(aliases.size()))).first;
            exec("ATTACH DATABASE 'file:" + folder + file + "?mode=ro' AS " + it->second);
        }
        exec("CREATE TEMP VIEW " + *link[0] + " AS SELECT * FROM " + it->second + "." + *link[2]);
    }
}

std::vector<std::string> IndexRecords(const std::string& path) {
    const std::string bytes = ReadWholeFile(path);
    std::vector<std::string> records;
    for (size_t at = 0; at + AssetIndex::kRecordSize <= bytes.size(); at += AssetIndex::kRecordSize)
        records.push_back(bytes.substr(at, AssetIndex::kRecordSize));
    return records;
}

std::string IndexField(const std::string& record, int i) {
    const AssetIndex::FieldSpan& f = AssetIndex::kFields[i];
    return Trim(FromWindows1252(record.substr(f.offset, f.width)));
}
