#pragma once
// ADOX.Catalog: lists the tables of a database file, its links among them,
// and lets a link be pointed at another file.  It opens its own read-write
// connection, separate from the library's read-only one.
#include <memory>
#include <string>

#include "Tables.h"
#include "platform/runtime/Object.h"

namespace ADODB {
class SqliteDatabase;
}

namespace ADOX {

class Catalog : public virtual Object {
public:
    Catalog();
    ~Catalog() override;

    // "Data Source=<path>" (a "Provider=" part must name SQLite); opens the
    // file read-write (never creating it) and reads its tables.
    void SetActiveConnection(const std::string& sConnectionString);
    // Closes the connection: what ActiveConnection = Nothing does.
    void SetActiveConnectionNothing();
    std::string ActiveConnection() const { return connectionString_; }

    // 3709 without an active connection.
    ADOX::Tables& Tables();

    // Starts a transaction on the catalogue's connection, so that many link
    // changes are written at once and all or none of them reach the file (a
    // process killed before CommitTrans leaves the file as it was).  Nothing
    // is locked or written until the first change: a transaction without
    // changes never writes.  3709 without an active connection, 3251 when
    // one is already pending.
    void BeginTrans();
    // Writes the pending transaction's changes; 3709 without an active
    // connection, 3251 without a pending transaction, the engine's failure
    // (busy &H80004005) when they cannot be written, the transaction then
    // still pending.
    void CommitTrans();
    // Undoes the pending transaction's changes; 3709 and 3251 as CommitTrans.
    // Leaving the connection (SetActiveConnection, SetActiveConnectionNothing,
    // destruction) with a transaction pending undoes it too.
    void RollbackTrans();
    std::string TypeName() const override { return "Catalog"; }

private:
    void ReadTables();
    void RequireTransaction() const;

    std::shared_ptr<ADODB::SqliteDatabase> db_;
    std::string connectionString_;
    ADOX::Tables tables_;
};

}  // namespace ADOX
