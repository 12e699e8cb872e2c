#pragma once
// ADODB.Connection over one SQLite database file.  Opening registers the Jet
// functions the library's statements call, and makes each linked table of
// the database (a row of its LinkedTables table) a temporary view over the
// file that holds the data.
//
// A data file that cannot be attached (missing, locked by another process,
// not a database) does not stop the open: the rest of the database is still
// of use.  Its links have no view, and a statement that reads one is first
// given a second chance (the file is attached again, since a lock may have
// gone) and otherwise fails as an unknown table whose message names the file
// and the reason.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "AdoTypes.h"
#include "SqliteDatabase.h"
#include "platform/runtime/Error.h"
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
    // The path of the database file the connection has open; "" while closed.
    const std::string& DataSource() const { return db_.Path(); }
    // The engine's version, which error reports print as the ADO version.
    std::string Version() const;
    // The data files that the database file `sDatabase` links (its
    // LinkedTables rows, a relative name taken from its folder), each once,
    // read through a read-only handle of its own that attaches nothing;
    // none when it has no such table.  Raises &H80004005 naming the file
    // when it cannot be read or is empty (its links not known, rather than
    // none).
    static std::vector<std::string> LinkedDataFiles(const std::string& sDatabase);
    std::string TypeName() const override { return "Connection"; }

private:
    friend class Recordset;

    struct Link {
        std::string name, file, foreign;
    };
    // A link whose file could not be attached (or whose view could not be
    // made), and why.
    struct Unlinked {
        Link link;
        std::string reason;
    };

    // The links of the open database `db`, as its LinkedTables rows give
    // them (each file made a path); none when it has no such table.
    static std::vector<Link> ReadLinks(const SqliteDatabase& db);
    void AttachLinkedTables();
    // Attaches the file of `links` (all one file) and makes their views; the
    // links that got none are kept in unlinked_ with the reason.
    void AttachFile(const std::string& file, const std::vector<Link>& links);
    // For a statement that failed on a table the engine does not know: when
    // the table is a link whose file could not be attached, attaches it
    // again (a lock may have gone since) and answers true when the link now
    // has its view; otherwise raises the failure again, naming the file and
    // why it cannot be read.  False for any other failure.
    bool AttachAgainFor(const Error& failure);

    int32_t mode_ = adModeUnknown;
    std::string provider_ = "SQLite";
    std::string connectionString_;
    SqliteDatabase db_;
    std::map<std::string, std::string> schemaOf_;  // attached file -> its schema name
    std::map<std::string, Unlinked> unlinked_;     // by link name in lower case
};

}  // namespace ADODB
