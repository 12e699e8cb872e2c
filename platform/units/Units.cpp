#include "Units.h"

#include <cmath>
#include <pugixml.hpp>
#include <utility>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/xml/ReadMarkup.h"

namespace {

const char* const kSource = Units::kProgID;

// Ids are matched without regard to case or surrounding blanks, in the
// settings and in every call.
std::string Fold(const std::string& sID) { return LCase(Trim(sID)); }

[[noreturn]] void RaiseBadSettings(const std::string& sDetail) {
    Raise(Units::kErrBadSettings, kSource, "Invalid Settings File. Element Units is corrupt: " + sDetail);
}

// A value of the settings or of a call as a message quotes it, on one line.
std::string Quoted(const std::string& s) { return "'" + VisibleText(s) + "'"; }

std::string CategoryText(const std::string& sCategory) { return "unit category " + Quoted(sCategory); }

// A required or optional number attribute of a unit; raises naming the
// category and unit when present but unusable.
double ReadNumber(const pugi::xml_node& unit, const char* name, const std::string& sCategory,
                  const std::string& sUnit, bool required, double fallback) {
    pugi::xml_attribute a = unit.attribute(name);
    if (!a) {
        if (required)
            RaiseBadSettings(CategoryText(sCategory) + ": unit " + Quoted(sUnit) + " has no " + name + ".");
        return fallback;
    }
    double d = 0;
    if (!ParseNumber(a.value(), d) || !std::isfinite(d))
        RaiseBadSettings(CategoryText(sCategory) + ": unit " + Quoted(sUnit) + " has an unusable " + name +
                         " " + Quoted(a.value()) + ".");
    return d;
}

}  // namespace

void Units::Settings(const Ref<ISettings2>& oSettings) {
    // The element's own markup is read rather than walked node by node, so the
    // component depends only on what the element says.
    LoadDefinitions(oSettings->NodeXML());
}

void Units::LoadDefinitions(const std::string& sXML) {
    pugi::xml_document doc;
    const std::string problem = ReadMarkup(doc, sXML, pugi::parse_default, pugi::encoding_utf8);
    if (!problem.empty()) RaiseBadSettings("the XML cannot be read: " + problem + ".");
    pugi::xml_node root = doc.document_element();
    if (std::string(root.name()) != "Units")
        RaiseBadSettings(std::string("the element is <") + root.name() + ">, not <Units>.");

    std::vector<Category> categories;
    std::unordered_map<std::string, size_t> byID;
    for (pugi::xml_node node : root.children()) {
        if (node.type() != pugi::node_element) continue;
        if (std::string(node.name()) != "Category")
            RaiseBadSettings(std::string("unexpected element <") + node.name() + "> in <Units>.");

        Category c;
        c.id = Trim(node.attribute("ID").value());
        if (c.id.empty()) RaiseBadSettings("a unit category has no ID.");
        if (byID.count(Fold(c.id))) RaiseBadSettings(CategoryText(c.id) + " is defined twice.");
        c.name = node.attribute("Name") ? std::string(node.attribute("Name").value()) : c.id;

        for (pugi::xml_node u : node.children()) {
            if (u.type() != pugi::node_element) continue;
            if (std::string(u.name()) != "Unit")
                RaiseBadSettings(CategoryText(c.id) + ": unexpected element <" + u.name() + ">.");
            std::string id = Trim(u.attribute("ID").value());
            if (id.empty()) RaiseBadSettings(CategoryText(c.id) + ": a unit has no ID.");
            if (c.byID.count(Fold(id)))
                RaiseBadSettings(CategoryText(c.id) + ": unit " + Quoted(id) + " is defined twice.");
            double factor = ReadNumber(u, "Factor", c.id, id, true, 0);
            if (factor == 0)
                RaiseBadSettings(CategoryText(c.id) + ": unit " + Quoted(id) +
                                 " has the Factor 0, which no value could be converted back from.");
            double offset = ReadNumber(u, "Offset", c.id, id, false, 0);
            std::string label = u.attribute("Label") ? std::string(u.attribute("Label").value()) : id;
            c.byID.emplace(Fold(id), c.units.size());
            c.units.push_back(New<Unit>(c.id, id, label, factor, offset));
        }
        if (c.units.empty()) RaiseBadSettings(CategoryText(c.id) + " has no units.");

        std::string databaseUnit = node.attribute("DatabaseUnit").value();
        const Ref<Unit>* db = FindUnit(c, databaseUnit);
        if (Trim(databaseUnit).empty() || !db)
            RaiseBadSettings(CategoryText(c.id) + ": the DatabaseUnit " + Quoted(databaseUnit) +
                             " names no unit of the category.");
        if ((*db)->Factor() != 1 || (*db)->Offset() != 0)
            RaiseBadSettings(CategoryText(c.id) + ": the DatabaseUnit " + Quoted(databaseUnit) +
                             " must have the Factor 1 and no Offset.");
        c.database = *db;

        std::string defaultUnit = node.attribute("Default").value();
        const Ref<Unit>* def = Trim(defaultUnit).empty() ? db : FindUnit(c, defaultUnit);
        if (!def)
            RaiseBadSettings(CategoryText(c.id) + ": the Default " + Quoted(defaultUnit) +
                             " names no unit of the category.");
        c.defaultUnit = *def;

        byID.emplace(Fold(c.id), categories.size());
        categories.push_back(std::move(c));
    }

    categories_ = std::move(categories);
    byID_ = std::move(byID);
}

const Units::Category* Units::FindCategory(const std::string& sCategory) const {
    auto it = byID_.find(Fold(sCategory));
    return it == byID_.end() ? nullptr : &categories_[it->second];
}

const Units::Category& Units::CategoryOrRaise(const std::string& sCategory) const {
    const Category* c = FindCategory(sCategory);
    if (!c) Raise(kErrUnknown, kSource, "Unit category not found: " + Quoted(sCategory));
    return *c;
}

const Ref<Unit>* Units::FindUnit(const Category& c, const std::string& sUnit) const {
    std::string key = Fold(sUnit);
    if (key.empty()) return c.defaultUnit ? &c.defaultUnit : nullptr;
    auto it = c.byID.find(key);
    return it == c.byID.end() ? nullptr : &c.units[it->second];
}

const Ref<Unit>& Units::UnitOrRaise(const std::string& sCategory, const std::string& sUnit) const {
    const Category& c = CategoryOrRaise(sCategory);
    const Ref<Unit>* u = FindUnit(c, sUnit);
    if (!u)
        Raise(kErrUnknown, kSource, "Unit " + Quoted(sUnit) + " not found in unit category " + Quoted(c.id));
    return *u;
}

std::string Units::DefaultUnit(const std::string& sCategory) const {
    return CategoryOrRaise(sCategory).defaultUnit->ID();
}

std::string Units::DatabaseUnit(const std::string& sCategory) const {
    return CategoryOrRaise(sCategory).database->ID();
}

std::string Units::CategoryName(const std::string& sCategory) const {
    return CategoryOrRaise(sCategory).name;
}

bool Units::UnitExists(const std::string& sCategory, const std::string& sUnit) const {
    const Category* c = FindCategory(sCategory);
    return c && FindUnit(*c, sUnit);
}

Ref<Unit> Units::GetUnit(const std::string& sCategory, const std::string& sUnit) const {
    return UnitOrRaise(sCategory, sUnit);
}

std::string Units::UnitLabel(const std::string& sCategory, const std::string& sUnit) const {
    return UnitOrRaise(sCategory, sUnit)->Label();
}

double Units::Convert(double dValue, const std::string& sCategory, const std::string& sUnit) const {
    return UnitOrRaise(sCategory, sUnit)->FromDatabase(dValue);
}

double Units::ToDatabaseUnit(double dValue, const std::string& sCategory, const std::string& sUnit) const {
    return UnitOrRaise(sCategory, sUnit)->ToDatabase(dValue);
}

std::vector<std::string> Units::CategoryIDs() const {
    std::vector<std::string> ids;
    ids.reserve(categories_.size());
    for (const Category& c : categories_) ids.push_back(c.id);
    return ids;
}

std::vector<std::string> Units::UnitIDs(const std::string& sCategory) const {
    const Category& c = CategoryOrRaise(sCategory);
    std::vector<std::string> ids;
    ids.reserve(c.units.size());
    for (const Ref<Unit>& u : c.units) ids.push_back(u->ID());
    return ids;
}
