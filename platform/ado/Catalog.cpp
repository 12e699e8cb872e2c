#include "Catalog.h"

#include <sqlite3.h>

#include <algorithm>

#include "AdoErrors.h"
#include "ConnectionStringParts.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "platform/runtime/Text.h"

namespace ADOX {

namespace {

const char* const kSource = "ADOX.Catalog";

std::string Text(sqlite3_stmt* st, int c) {
    const unsigned char* p = sqlite3_column_text(st, c);
    return p ? std::string(reinterpret_cast<const char*>(p), static_cast<size_t>(sqlite3_column_bytes(st, c)))
             : "";
}

}  // namespace

Catalog::Catalog() : db_(std::make_shared<ADODB::SqliteDatabase>()) {}

Catalog::~Catalog() { db_->Close(); }

void Catalog::SetActiveConnection(const std::string& sConnectionString) {
    ADODB::ConnectionStringParts cs = ADODB::ConnectionStringParts::Parse(sConnectionString);
    if (!cs.Provider.empty() && !ADODB::IsSqliteProvider(cs.Provider))
        ADODB::RaiseAdo(ADODB::adErrProviderNotFound, kSource);
    // Tables handed out before keep the old connection object, now closed,
    // so they can no longer write to a file the catalogue has left.
    db_->Close();
    tables_.items_.clear();
    connectionString_.clear();
    auto db = std::make_shared<ADODB::SqliteDatabase>();
    db->Open(cs.DataSource, false);
    db_ = db;
    connectionString_ = sConnectionString;
    ReadTables();
}

void Catalog::SetActiveConnectionNothing() {
    db_->Close();
    tables_.items_.clear();
    connectionString_.clear();
}

ADOX::Tables& Catalog::Tables() {
    if (!db_->IsOpen()) ADODB::RaiseAdo(ADODB::adErrInvalidConnection, kSource);
    return tables_;
}

void Catalog::BeginTrans() {
    if (!db_->IsOpen()) ADODB::RaiseAdo(ADODB::adErrInvalidConnection, kSource);
    if (!sqlite3_get_autocommit(db_->Handle())) ADODB::RaiseAdo(ADODB::adErrFeatureNotAvailable, kSource);
    // Deferred: the write lock is taken by the first change, not here.
    db_->Execute("BEGIN DEFERRED");
}

void Catalog::RequireTransaction() const {
    if (!db_->IsOpen()) ADODB::RaiseAdo(ADODB::adErrInvalidConnection, kSource);
    if (sqlite3_get_autocommit(db_->Handle())) ADODB::RaiseAdo(ADODB::adErrFeatureNotAvailable, kSource);
}

void Catalog::CommitTrans() {
    RequireTransaction();
    db_->Execute("COMMIT");
}

void Catalog::RollbackTrans() {
    RequireTransaction();
    db_->Execute("ROLLBACK");
}

void Catalog::ReadTables() {
    sqlite3* db = db_->Handle();
    std::vector<Ref<Table>> items;
    bool hasLinks = false;
    {
        ADODB::SqliteStatement st(
            db, "SELECT name, type FROM main.sqlite_master WHERE type IN ('table', 'view')");
        while (st.Step()) {
            std::string name = Text(st.get(), 0), type = Text(st.get(), 1);
            bool linkTable = EqualsNoCase(name, "LinkedTables");
            hasLinks = hasLinks || (linkTable && type == "table");
            // The engine's own tables and the table of links are not data.
            const char* kind = StartsWith(LCase(name), "sqlite_") || linkTable ? "SYSTEM TABLE"
                               : type == "view"                                ? "VIEW"
                                                                               : "TABLE";
            items.push_back(New<Table>(db_, name, kind));
        }
    }
    if (hasLinks) {
        ADODB::SqliteStatement st(db,
                                  "SELECT Name, Datasource FROM main.LinkedTables WHERE Name IS NOT NULL");
        while (st.Step()) items.push_back(New<Table>(db_, Text(st.get(), 0), "LINK", Text(st.get(), 1)));
    }
    std::stable_sort(items.begin(), items.end(), [](const Ref<Table>& a, const Ref<Table>& b) {
        return CompareNoCase(a->Name(), b->Name()) < 0;
    });
    tables_.items_.swap(items);
}

}  // namespace ADOX
