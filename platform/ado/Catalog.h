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
    std::string TypeName() const override { return "Catalog"; }

private:
    void ReadTables();

    std::shared_ptr<ADODB::SqliteDatabase> db_;
    std::string connectionString_;
    ADOX::Tables tables_;
};

}  // namespace ADOX
