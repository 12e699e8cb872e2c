#include "SampleSettings.h"

#include <pugixml.hpp>
#include <sstream>

#include "SampleFiles.h"
#include "SampleGridLayouts.h"
#include "platform/runtime/Error.h"

namespace {
const char* const kSource = "SampleSettings";

void Text(pugi::xml_node parent, const char* name, const std::string& value) {
    parent.append_child(name).text().set(value.c_str());
}

// A document that starts with the XML declaration.
void Declare(pugi::xml_document& doc) {
    auto decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
}

std::string Markup(const pugi::xml_document& doc) {
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}
}  // namespace

std::string SampleSettings::UnitsElement(const std::string& path) {
    const std::string content = ReadWholeFile(path);
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_buffer(content.data(), content.size());
    if (!parsed)
        Raise(rt::kInvalidCall, kSource,
              "the units file " + path + " is not well-formed: " + parsed.description());
    pugi::xml_node units = doc.document_element();
    if (std::string(units.name()) != "Units")
        units = units.find_node([](pugi::xml_node n) { return std::string(n.name()) == "Units"; });
    if (!units) Raise(rt::kInvalidCall, kSource, "the units file " + path + " holds no Units element");
    std::ostringstream out;
    units.print(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

std::string SampleSettings::SettingsXml(const std::string& dataFolder, const std::string& unitsElement) {
    pugi::xml_document doc;
    Declare(doc);
    pugi::xml_node root = doc.append_child("Terralith");
    pugi::xml_node options = root.append_child("Options");
    pugi::xml_node paths = options.append_child("Paths");
    Text(paths, "DataFolder", dataFolder);
    Text(paths, "UserDataFolder", dataFolder + "User/");
    pugi::xml_node files = options.append_child("Files");
    Text(files, "CoreDatabase", "Terralith.db");
    Text(files, "NotesDatabase", "Notes.db");
    Text(files, "i18N", dataFolder + "Translations.xml");
    pugi::xml_node connection = options.append_child("Connection");
    Text(connection, "DataProvider", "SQLite");
    Text(connection, "ConnectionString", "Data Source=");
    Text(connection, "ConnectionStringADOX", "Data Source=");
    Text(connection, "ConnectionType", "file");
    Text(options, "DefaultQueryFile", "Default.xml");
    // The grid layout a new user starts from, in the same "Default/" folder.
    Text(options, "DefaultLayoutFile", SampleGridLayouts::kFileName);

    pugi::xml_document units;
    if (unitsElement.empty() || !units.load_buffer(unitsElement.data(), unitsElement.size()) ||
        std::string(units.document_element().name()) != "Units")
        root.append_child("Units");
    else
        root.append_copy(units.document_element());

    // The query manager hands "Query" to every new query, which reads the
    // name of the default query file from it.
    pugi::xml_node query = root.append_child("QueryManager").append_child("Query");
    Text(query.append_child("Options"), "DefaultQueryFile", "Default.xml");
    return Markup(doc);
}

std::string SampleSettings::DefaultQueryXml() {
    pugi::xml_document doc;
    Declare(doc);
    pugi::xml_node query = doc.append_child("Query");
    pugi::xml_node options = query.append_child("Options");
    Text(options, "AssetType", "Field");
    Text(options, "GrossNet", "Gross");
    pugi::xml_node parameters = query.append_child("Parameters");
    pugi::xml_node general = parameters.append_child("General");
    // The competitor-analysis palette is put in below an element that is
    // already there, as every set root is.
    general.append_child("CompanyDetail").append_child("CompetitorAnalysis");
    general.append_child("LocationDetail");
    parameters.append_child("Block").append_child("BlockDetail");
    parameters.append_child("Field").append_child("FieldDetail");
    parameters.append_child("Well").append_child("WellDetail");
    parameters.append_child("Transport").append_child("TransportDetail");
    return Markup(doc);
}

std::string SampleSettings::OptionsIni() { return "[Startup]\nCheckAttachedTables=yes\n"; }

std::string SampleSettings::EmptyTranslations() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Translations/>\n";
}
