#include "Connection.h"

#include <sqlite3.h>

#include <algorithm>
#include <map>

#include "AdoErrors.h"
#include "ConnectionStringParts.h"
#include "JetFunctions.h"
#include "SqliteStatement.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/RegularFile.h"
#include "platform/runtime/Text.h"

namespace ADODB {

namespace {

const char* const kSource = "ADODB.Connection";

std::string QuoteName(const std::string& name) { return "\"" + Replace(name, "\"", "\"\"") + "\""; }

// A link names its file as written when the link was made; a relative name
// is taken from the core database's own folder.
std::string LinkedFile(const std::string& datasource, const std::string& corePath) {
    if (datasource.starts_with('/')) return datasource;
    size_t slash = corePath.find_last_of('/');
    return slash == std::string::npos ? datasource : corePath.substr(0, slash + 1) + datasource;
}

std::string ColumnString(sqlite3_stmt* st, int c) {
    const unsigned char* p = sqlite3_column_text(st, c);
    return p ? std::string(reinterpret_cast<const char*>(p), static_cast<size_t>(sqlite3_column_bytes(st, c)))
             : "";
}

}  // namespace

void Connection::SetMode(int32_t lMode) {
    if (db_.IsOpen()) RaiseAdo(adErrObjectOpen, kSource);
    mode_ = lMode;
}

void Connection::SetProvider(const std::string& sProvider) {
    if (db_.IsOpen()) RaiseAdo(adErrObjectOpen, kSource);
    provider_ = sProvider;
}

void Connection::SetConnectionString(const std::string& sConnectionString) {
    if (db_.IsOpen()) RaiseAdo(adErrObjectOpen, kSource);
    connectionString_ = sConnectionString;
}

void Connection::Open(const std::string& sConnectionString) {
    if (db_.IsOpen()) RaiseAdo(adErrObjectOpen, kSource);
    const std::string text = sConnectionString.empty() ? connectionString_ : sConnectionString;
    ConnectionStringParts cs = ConnectionStringParts::Parse(text);
    if (!cs.Provider.empty()) provider_ = cs.Provider;
    if (!IsSqliteProvider(provider_)) RaiseAdo(adErrProviderNotFound, kSource);
    const bool readOnly = (mode_ & adModeReadWrite) == adModeRead;
    db_.Open(cs.DataSource, readOnly);
    try {
        RegisterJetFunctions(db_.Handle());
        AttachLinkedTables();
    } catch (...) {
        db_.Close();
        throw;
    }
    connectionString_ = text;
}

std::vector<Connection::Link> Connection::ReadLinks(const SqliteDatabase& db) {
    std::vector<Link> links;
    {
        SqliteStatement probe(
            db.Handle(),
            "SELECT 1 FROM main.sqlite_master WHERE type = 'table' AND name = 'LinkedTables' COLLATE NOCASE");
        if (!probe.Step()) return links;
    }
    SqliteStatement rows(db.Handle(), "SELECT Name, Datasource, ForeignName FROM main.LinkedTables");
    while (rows.Step()) {
        Link l{ColumnString(rows.get(), 0), ColumnString(rows.get(), 1), ColumnString(rows.get(), 2)};
        if (l.name.empty() || l.file.empty()) continue;
        if (l.foreign.empty()) l.foreign = l.name;
        l.file = LinkedFile(l.file, db.Path());
        links.push_back(std::move(l));
    }
    return links;
}

std::vector<std::string> Connection::LinkedDataFiles(const std::string& sDatabase) {
    SqliteDatabase db;
    db.Open(sDatabase, true);
    // The engine takes an empty file for a database without tables, but it
    // is one being copied in or cut short: what it links is not known.
    {
        SqliteStatement pages(db.Handle(), "PRAGMA main.page_count");
        if (pages.Step() && sqlite3_column_int64(pages.get(), 0) == 0)
            Raise(adErrProviderFailed, kProviderSource,
                  "The database file '" + VisibleText(sDatabase) + "' is empty.");
    }
    std::vector<std::string> files;
    for (const Link& l : ReadLinks(db))
        if (std::find(files.begin(), files.end(), l.file) == files.end()) files.push_back(l.file);
    return files;
}

void Connection::AttachLinkedTables() {
    schemaOf_.clear();
    unlinked_.clear();
    // The links of each file, files in the order their first link comes.
    std::vector<std::pair<std::string, std::vector<Link>>> files;
    for (Link& l : ReadLinks(db_)) {
        auto it = std::find_if(files.begin(), files.end(), [&l](const auto& f) { return f.first == l.file; });
        if (it == files.end()) it = files.insert(files.end(), {l.file, {}});
        it->second.push_back(std::move(l));
    }
    for (const auto& [file, links] : files) AttachFile(file, links);
}

void Connection::AttachFile(const std::string& file, const std::vector<Link>& links) {
    sqlite3* db = db_.Handle();
    std::string reason;
    auto it = schemaOf_.find(file);
    if (it == schemaOf_.end()) {
        // Only a regular file is attached: the engine would wait on a pipe.
        // The look also notes the file among those read, attached or not.
        reason = RegularFileProblem(file);
        if (reason.empty()) {
            std::string alias = "link" + std::to_string(schemaOf_.size() + 1);
            try {
                SqliteStatement attach(db, "ATTACH DATABASE ?1 AS " + QuoteName(alias));
                attach.BindText(1, SqliteDatabase::FileUri(file, true));
                attach.Step();
                it = schemaOf_.emplace(file, alias).first;
            } catch (const Error& e) {
                reason = e.Description();
            }
        }
    }
    for (const Link& l : links) {
        std::string why = reason;
        if (why.empty()) {
            int rc = sqlite3_exec(db,
                                  ("CREATE TEMP VIEW " + QuoteName(l.name) + " AS SELECT * FROM " +
                                   QuoteName(it->second) + "." + QuoteName(l.foreign))
                                      .c_str(),
                                  nullptr, nullptr, nullptr);
            if (rc != SQLITE_OK) why = sqlite3_errmsg(db);
        }
        if (why.empty()) {
            unlinked_.erase(LCase(l.name));
        } else {
            unlinked_[LCase(l.name)] = Unlinked{l, why};
        }
    }
}

bool Connection::AttachAgainFor(const Error& failure) {
    if (failure.Number() != adErrNoSuchTable) return false;
    const std::string& message = failure.Description();
    const std::string prefix = "no such table: ";
    if (!StartsWith(message, prefix)) return false;
    std::string table = message.substr(prefix.size());
    // A link is a temporary view; the statement may have named its schema.
    if (StartsWith(LCase(table), "temp.")) table = table.substr(5);
    auto found = unlinked_.find(LCase(table));
    if (found != unlinked_.end()) {
        const std::string file = found->second.link.file;
        std::vector<Link> links;
        for (const auto& entry : unlinked_)
            if (entry.second.link.file == file) links.push_back(entry.second.link);
        AttachFile(file, links);
        found = unlinked_.find(LCase(table));
        if (found == unlinked_.end()) return true;
        Raise(failure.Number(), failure.Source(),
              message + " (the linked table's data file \"" + VisibleText(file) +
                  "\" could not be attached: " + found->second.reason + ")");
    }
    // A link whose file is attached but lacks the table the link names: the
    // schema name the view uses means nothing to a user, the file does.
    size_t dot = table.find('.');
    if (dot != std::string::npos) {
        for (const auto& [file, schema] : schemaOf_) {
            if (EqualsNoCase(table.substr(0, dot), schema))
                Raise(failure.Number(), failure.Source(),
                      message + " (the linked table's data file \"" + VisibleText(file) + "\" has no table " +
                          VisibleText(table.substr(dot + 1)) + ")");
        }
    }
    return false;
}

void Connection::Close() {
    if (!db_.IsOpen()) RaiseAdo(adErrObjectClosed, kSource);
    db_.Close();
}

std::string Connection::Version() const { return sqlite3_libversion(); }

}  // namespace ADODB
