#include "Table.h"

#include <sqlite3.h>

#include "AdoErrors.h"
#include "SqliteDatabase.h"
#include "SqliteStatement.h"
#include "platform/runtime/Text.h"

namespace ADOX {

namespace {
const char* const kSource = "ADOX.Table";
}

Property::Property(std::shared_ptr<Table> table, std::string sName)
    : table_(std::move(table)), name_(std::move(sName)) {}

Variant Property::Value() const { return table_->PropertyValue(name_); }

void Property::SetValue(const Variant& vValue) { table_->SetPropertyValue(name_, vValue); }

Table::Table(std::shared_ptr<ADODB::SqliteDatabase> db, std::string sName, std::string sType,
             std::string sDatasource)
    : db_(std::move(db)),
      name_(std::move(sName)),
      type_(std::move(sType)),
      datasource_(std::move(sDatasource)) {}

Property Table::Properties(const std::string& sName) {
    if (!EqualsNoCase(sName, kLinkDatasource)) ADODB::RaiseAdo(ADODB::adErrItemNotFound, kSource);
    return Property(shared_from_this(), kLinkDatasource);
}

Variant Table::PropertyValue(const std::string&) const { return Variant(datasource_); }

void Table::SetPropertyValue(const std::string&, const Variant& vValue) {
    if (type_ != "LINK") ADODB::RaiseAdo(ADODB::adErrFeatureNotAvailable, kSource);
    if (!db_->IsOpen()) ADODB::RaiseAdo(ADODB::adErrObjectClosed, kSource);
    std::string value = vValue.ToString();
    ADODB::SqliteStatement update(db_->Handle(), "UPDATE LinkedTables SET Datasource = ?1 WHERE Name = ?2");
    update.BindText(1, value);
    update.BindText(2, name_);
    update.Step();
    // The row went away since the catalogue was read.
    if (sqlite3_changes(db_->Handle()) == 0) ADODB::RaiseAdo(ADODB::adErrItemNotFound, kSource);
    datasource_ = value;
}

}  // namespace ADOX
