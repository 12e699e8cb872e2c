#pragma once
// ADOX.Table as the catalogue lists it: a table, a view, an internal table
// or a link to a table of another file.  A link's data source is its
// property "Jet OLEDB:Link Datasource", and writing that property rewrites
// the link's row through the catalogue's read-write connection.
#include <memory>
#include <string>

#include "platform/runtime/Object.h"
#include "platform/runtime/Variant.h"

namespace ADODB {
class SqliteDatabase;
}

namespace ADOX {

constexpr const char* kLinkDatasource = "Jet OLEDB:Link Datasource";

class Table;

// One named property of a table.
class Property {
public:
    Property(std::shared_ptr<Table> table, std::string sName);
    std::string Name() const { return name_; }
    Variant Value() const;
    void SetValue(const Variant& vValue);

private:
    std::shared_ptr<Table> table_;
    std::string name_;
};

class Table : public virtual Object, public std::enable_shared_from_this<Table> {
public:
    Table(std::shared_ptr<ADODB::SqliteDatabase> db, std::string sName, std::string sType,
          std::string sDatasource = "");

    std::string Name() const { return name_; }
    // "TABLE", "VIEW", "SYSTEM TABLE" or "LINK".
    std::string Type() const { return type_; }
    // "Jet OLEDB:Link Datasource" (empty text for a table that is no link);
    // 3265 for any other name.
    Property Properties(const std::string& sName);
    std::string TypeName() const override { return "Table"; }

private:
    friend class Property;
    Variant PropertyValue(const std::string& sName) const;
    void SetPropertyValue(const std::string& sName, const Variant& vValue);

    std::shared_ptr<ADODB::SqliteDatabase> db_;
    std::string name_;
    std::string type_;
    std::string datasource_;
};

}  // namespace ADOX
