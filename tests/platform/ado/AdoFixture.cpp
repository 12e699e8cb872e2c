#include "AdoFixture.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

#include "platform/runtime/Error.h"

std::string MakeDatabase(const TempDir& dir, const std::string& name, const std::string& sql) {
    std::string path = dir.Path() + name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot create " + path);
    char* err = nullptr;
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err);
    std::string message = err ? err : "";
    sqlite3_free(err);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("cannot build " + path + ": " + message);
    return path;
}

Ref<ADODB::Connection> OpenReadOnly(const std::string& path) {
    auto cn = New<ADODB::Connection>();
    cn->SetMode(ADODB::adModeRead);
    cn->SetProvider("SQLite");
    cn->Open("Data Source=" + path);
    return cn;
}

Ref<ADODB::Recordset> Query(const Ref<ADODB::Connection>& cn, const std::string& sql) {
    auto rs = New<ADODB::Recordset>();
    rs->Open(sql, cn, ADODB::adOpenStatic, ADODB::adLockReadOnly);
    return rs;
}

int32_t QueryError(const Ref<ADODB::Connection>& cn, const std::string& sql, std::string* description) {
    try {
        Query(cn, sql);
    } catch (const Error& e) {
        if (description) *description = e.Description();
        return e.Number();
    }
    return 0;
}
