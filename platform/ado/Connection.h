#pragma once
// ADODB.Connection over one SQLite database file.  Opening registers the Jet
// functions the library's statements call, and makes each linked table of
// the database (a row of its LinkedTables table) a temporary view over the
// file that holds the data.
#include <cstdint>
#include <string>

#include "AdoTypes.h"
#include "SqliteDatabase.h"
#include "platform/runtime/Object.h"

namespace ADODB {

class Recordset;

class Connection : public virtual Object {
public:
    Connection() = default;
    ~Connection() override = default;

    // adModeRead (1) opens the file read-only; set before Open.
    int32_t Mode() const { return mode_; }
    void SetMode(int32_t lMode);
    // "SQLite" is the one provider there is; set before Open.
    std::string Provider() const { return provider_; }
    void SetProvider(const std::string& sProvider);
    std::string ConnectionString() const { return connectionString_; }

    // "Data Source=<path>" (a "Provider=" part must name SQLite; other parts
    // are ignored).  An empty argument opens the ConnectionString set before.
    void Open(const std::string& sConnectionString = "");
    void SetConnectionString(const std::string& sConnectionString);
    void Close();
    int32_t State() const { return db_.IsOpen() ? adStateOpen : adStateClosed; }
    // The engine's version, which error reports print as the ADO version.
    std::string Version() const;
    std::string TypeName() const override { return "Connection"; }

private:
    friend class Recordset;
    void AttachLinkedTables();

    int32_t mode_ = adModeUnknown;
    std::string provider_ = "SQLite";
    std::string connectionString_;
    SqliteDatabase db_;
};

}  // namespace ADODB
