#include "SqliteStatement.h"

#include <sqlite3.h>

#include "AdoErrors.h"
#include "platform/runtime/Error.h"

namespace ADODB {

SqliteStatement::SqliteStatement(sqlite3* db, const std::string& sql, std::string* tail) : db_(db) {
    const char* rest = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, &rest);
    if (rc != SQLITE_OK) RaiseEngineError(db, rc);
    if (!stmt_)
        Raise(adErrNoCommandText, kProviderSource, "Command text was not set for the command object.");
    if (tail) tail->assign(rest ? rest : "");
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

bool SqliteStatement::Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    RaiseEngineError(db_, rc);
}

void SqliteStatement::BindText(int index, const std::string& value) {
    int rc = sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) RaiseEngineError(db_, rc);
}

}  // namespace ADODB
