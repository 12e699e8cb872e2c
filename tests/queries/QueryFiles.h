#pragma once
// Query files as the criteria sets write them, put together from parts, for
// the tests that load and execute queries.
#include <string>
#include <vector>

namespace queryfiles {

// One chosen company.
inline std::string Company(const std::string& code, const std::string& shortName,
                           const std::string& parent = "0") {
    return "<Company ID=\"" + code + "\" Name=\"" + shortName + " Ltd\" ShortName=\"" + shortName +
           "\" ParentCode=\"" + parent + "\"/>";
}

// One chosen sector of a North Sea country.
inline std::string Sector(const std::string& code, const std::string& country) {
    return "<Sector SectorCode=\"" + code + "\" SectorName=\"Sector " + code + "\" CountryCode=\"" + country +
           "\" CountryName=\"" + country + "\" RegionCode=\"NSEA\" RegionName=\"North Sea\"/>";
}

// The criteria of a query: what goes into each set's element (the set's own
// root element, e.g. "<FieldDetail>...</FieldDetail>", or "" for none).
struct Criteria {
    std::string companies;       // Company items
    std::string sectors;         // Sector items
    std::string companyOptions;  // further CompanyDetail elements
    std::string field, well, block, transport;
};

// A whole query file of that asset type and gross or net choice.
inline std::string QueryXml(const std::string& type, const std::string& grossNet, const Criteria& c) {
    auto set = [](const std::string& name, const std::string& detail, const std::string& content) {
        return "<" + name + ">" + (content.empty() ? "<" + detail + "/>" : content) + "</" + name + ">";
    };
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Query><Options><AssetType>" + type +
           "</AssetType><GrossNet>" + grossNet +
           "</GrossNet></Options><Parameters><General><CompanyDetail><Companies>" + c.companies +
           "</Companies>" + c.companyOptions + "</CompanyDetail><LocationDetail><Sectors>" + c.sectors +
           "</Sectors></LocationDetail></General>" + set("Block", "BlockDetail", c.block) +
           set("Field", "FieldDetail", c.field) + set("Well", "WellDetail", c.well) +
           set("Transport", "TransportDetail", c.transport) + "</Parameters></Query>\n";
}

}  // namespace queryfiles
