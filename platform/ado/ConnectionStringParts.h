#pragma once
// The parts of an OLE DB connection string this provider reads:
// "Provider=SQLite;Data Source=<path>"; every other key is accepted and
// ignored, as a provider ignores the properties it does not know.
#include <string>

namespace ADODB {

struct ConnectionStringParts {
    std::string Provider;    // empty when the text names none
    std::string DataSource;  // the database file

    // Splits "key=value;key=value" (keys without regard to case, values
    // trimmed, a value may be quoted with " or ' to hold a ";").
    static ConnectionStringParts Parse(const std::string& sConnectionString);
};

// The value quoted so that Parse reads it back whole, whatever it holds
// (";", quotes of either kind, blanks at its ends): between double quotes,
// each double quote in it doubled.
std::string QuoteConnectionValue(const std::string& sValue);

// True for the one provider name this stand-in answers to.
bool IsSqliteProvider(const std::string& sProvider);

}  // namespace ADODB
