#include "Connection.h"

#include <sqlite3.h>

#include <map>

#include "AdoErrors.h"
#include "ConnectionStringParts.h"
#include "JetFunctions.h"
#include "SqliteStatement.h"
#include "platform/runtime/Error.h"
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

void Connection::AttachLinkedTables() {
    sqlite3* db = db_.Handle();
    {
        SqliteStatement probe(
            db,
            "SELECT 1 FROM main.sqlite_master WHERE type = 'table' AND name = 'LinkedTables' COLLATE NOCASE");
        if (!probe.Step()) return;
    }
    struct Link {
        std::string name, file, foreign;
    };
    std::vector<Link> links;
    {
        SqliteStatement rows(db, "SELECT Name, Datasource, ForeignName FROM main.LinkedTables");
        while (rows.Step()) {
            Link l{ColumnString(rows.get(), 0), ColumnString(rows.get(), 1), ColumnString(rows.get(), 2)};
            if (l.name.empty() || l.file.empty()) continue;
            if (l.foreign.empty()) l.foreign = l.name;
            l.file = LinkedFile(l.file, db_.Path());
            links.push_back(std::move(l));
        }
    }
    // One attachment per distinct file; a file that is missing or cannot be
    // attached leaves its links without a view, so a statement that uses one
    // fails as an unknown table while the rest of the database stays usable.
    std::map<std::string, std::string> schemaOf;
    for (const Link& l : links) {
        auto it = schemaOf.find(l.file);
        if (it == schemaOf.end()) {
            std::string schema;
            if (SqliteDatabase::FileExists(l.file)) {
                std::string alias = "link" + std::to_string(schemaOf.size() + 1);
                try {
                    SqliteStatement attach(db, "ATTACH DATABASE ?1 AS " + QuoteName(alias));
                    attach.BindText(1, SqliteDatabase::FileUri(l.file, true));
                    attach.Step();
                    schema = alias;
                } catch (const Error&) {
                }
            }
            it = schemaOf.emplace(l.file, schema).first;
        }
        if (it->second.empty()) continue;
        int rc = sqlite3_exec(db,
                              ("CREATE TEMP VIEW " + QuoteName(l.name) + " AS SELECT * FROM " +
                               QuoteName(it->second) + "." + QuoteName(l.foreign))
                                  .c_str(),
                              nullptr, nullptr, nullptr);
        (void)rc;  // a view that cannot be made is simply absent, as above
    }
}

void Connection::Close() {
    if (!db_.IsOpen()) RaiseAdo(adErrObjectClosed, kSource);
    db_.Close();
}

std::string Connection::Version() const { return sqlite3_libversion(); }

}  // namespace ADODB
