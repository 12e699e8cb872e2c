// Fuzz target: the units component on an arbitrary units definition (a
// "Units" element such as sample/Units.xml).
//
// The input is the file's bytes.  A units component holding known
// definitions takes the input twice: as markup text (LoadDefinitions), and as
// a file read by the settings document and handed over the way the root hands
// over its settings element (Settings).  Nothing may crash or draw a
// sanitizer report, and after each:
//  - a definition that is refused raises kErrBadSettings and nothing else,
//    and leaves the definitions held before exactly as they were;
//  - a definition is refused when it breaks a rule of the format (markup the
//    library reads, as platform/xml/ReadMarkup.h says, is one), and, where
//    its numbers are plain decimals, loaded when it breaks none (the rules
//    are judged here from the markup);
//  - once loaded, the categories and their units are those of the markup, in
//    its order, with the names and labels written there (the id where none
//    is); ids are found in either letter case and with blanks around them, an
//    empty unit id is the default unit, and an unknown category or unit is
//    kErrUnknown (and not UnitExists);
//  - every unit converts a database value as value * Factor + Offset, the
//    factors are those written, and converting to the unit and back to the
//    database unit gives the value again within rounding; the database unit
//    leaves values alone;
//  - a unit handed out before a load keeps what it was.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <pugixml.hpp>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/units/Units.h"
#include "platform/xml/ReadMarkup.h"
#include "platform/xml/cvSettings.h"
#include "support/FuzzCheck.h"

namespace {

const std::string* gInput = nullptr;

[[noreturn]] void Fail(const std::string& what, const std::string& detail) {
    fuzz::Fail(what, detail + "\ninput: " + fuzz::Shown(*gInput));
}

const char* const kKnown = R"(<Units>
  <Category ID="Depth" Name="Depth" DatabaseUnit="m">
    <Unit ID="m" Label="m" Factor="1"/>
    <Unit ID="ft" Label="ft" Factor="3.28083989501312"/>
  </Category>
  <Category ID="Temperature" DatabaseUnit="degC" Default="degF">
    <Unit ID="degC" Label="°C" Factor="1"/>
    <Unit ID="degF" Label="°F" Factor="1.8" Offset="32"/>
  </Category>
</Units>)";

std::string Fold(const std::string& id) { return LCase(Trim(id)); }

std::string Number(double d) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, d);
    return std::string(buf, r.ptr);
}

// A number written the plainest way: digits, an optional "." and digits, an
// optional exponent.  False for anything else, and for what does not fit a
// double.
bool PlainNumber(const std::string& s, double& out) {
    size_t i = 0, n = s.size();
    auto digits = [&] {
        size_t start = i;
        while (i < n && s[i] >= '0' && s[i] <= '9') ++i;
        return i > start;
    };
    if (i < n && s[i] == '-') ++i;
    if (!digits()) return false;
    if (i < n && s[i] == '.') {
        ++i;
        if (!digits()) return false;
    }
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        if (!digits()) return false;
    }
    if (i != n) return false;
    auto r = std::from_chars(s.data(), s.data() + n, out);
    return r.ec == std::errc() && r.ptr == s.data() + n && std::isfinite(out) &&
           (out == 0 || std::fabs(out) >= std::numeric_limits<double>::min());
}

// What the markup defines, read here from the format's rules.
struct UnitDef {
    std::string id, label;
    bool plain = true;  // both numbers plain
    double factor = 0, offset = 0;
};
struct CategoryDef {
    std::string id, name, database, defaultUnit;
    std::vector<UnitDef> units;
};
struct Reading {
    std::string broken;  // the first rule broken, "" when none
    bool judged = true;  // false when a number is not plain: soundness is not judged
    std::vector<CategoryDef> categories;
};

Reading Read(const std::string& markup) {
    Reading r;
    pugi::xml_document doc;
    if (!ReadMarkup(doc, markup, pugi::parse_default, pugi::encoding_utf8).empty()) {
        r.broken = "not well-formed";
        return r;
    }
    pugi::xml_node root = doc.document_element();
    if (std::string(root.name()) != "Units") {
        r.broken = "the element is not Units";
        return r;
    }
    auto brk = [&](const std::string& why) {
        if (r.broken.empty()) r.broken = why;
    };
    std::unordered_set<std::string> categoryIDs;
    for (pugi::xml_node node : root.children()) {
        if (node.type() != pugi::node_element) continue;
        if (std::string(node.name()) != "Category") {
            brk("an element other than Category");
            continue;
        }
        CategoryDef c;
        c.id = Trim(node.attribute("ID").value());
        if (c.id.empty()) brk("a category without an ID");
        if (!categoryIDs.insert(Fold(c.id)).second) brk("a category defined twice");
        c.name = node.attribute("Name") ? node.attribute("Name").value() : c.id;
        std::unordered_set<std::string> unitIDs;
        auto findUnit = [&](const std::string& id) -> const UnitDef* {
            for (const UnitDef& u : c.units)
                if (Fold(u.id) == Fold(id)) return &u;
            return nullptr;
        };
        for (pugi::xml_node unit : node.children()) {
            if (unit.type() != pugi::node_element) continue;
            if (std::string(unit.name()) != "Unit") {
                brk("an element other than Unit in a category");
                continue;
            }
            UnitDef u;
            u.id = Trim(unit.attribute("ID").value());
            if (u.id.empty()) brk("a unit without an ID");
            if (!unitIDs.insert(Fold(u.id)).second) brk("a unit defined twice");
            u.label = unit.attribute("Label") ? unit.attribute("Label").value() : u.id;
            if (!unit.attribute("Factor")) {
                brk("a unit without a Factor");
            } else if (!PlainNumber(unit.attribute("Factor").value(), u.factor)) {
                u.plain = false;
            } else if (u.factor == 0) {
                brk("a Factor 0");
            }
            if (unit.attribute("Offset") && !PlainNumber(unit.attribute("Offset").value(), u.offset))
                u.plain = false;
            if (!u.plain) r.judged = false;
            c.units.push_back(u);
        }
        if (c.units.empty()) brk("a category without units");
        const std::string database = node.attribute("DatabaseUnit").value();
        const UnitDef* db = Trim(database).empty() ? nullptr : findUnit(database);
        if (!db) {
            brk("a DatabaseUnit that names no unit");
        } else {
            c.database = db->id;
            if (!db->plain)
                r.judged = false;
            else if (db->factor != 1 || db->offset != 0)
                brk("a DatabaseUnit with a Factor other than 1 or an Offset");
        }
        const std::string def = node.attribute("Default").value();
        const UnitDef* du = Trim(def).empty() ? db : findUnit(def);
        if (!du && !Trim(def).empty()) brk("a Default that names no unit");
        if (du) c.defaultUnit = du->id;
        r.categories.push_back(std::move(c));
    }
    return r;
}

// Everything the component answers about its definitions, as text.
std::string Snapshot(const Units& units) {
    std::string s;
    for (const std::string& c : units.CategoryIDs()) {
        s += "[" + c + "|" + units.CategoryName(c) + "|" + units.DatabaseUnit(c) + "|" +
             units.DefaultUnit(c) + "]";
        for (const std::string& u : units.UnitIDs(c)) {
            Ref<Unit> unit = units.GetUnit(c, u);
            s += " " + unit->ID() + "|" + unit->Label() + "|" + Number(unit->Factor()) + "|" +
                 Number(unit->Offset());
        }
        s += "\n";
    }
    return s;
}

bool RaisesUnknown(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.Number() == Units::kErrUnknown;
    }
    return false;
}

// A text that folds to none of the ids.
std::string Absent(const std::vector<std::string>& ids) {
    std::unordered_set<std::string> folded;
    for (const std::string& id : ids) folded.insert(Fold(id));
    std::string absent = "~";
    while (folded.count(Fold(absent))) absent += "~";
    return absent;
}

void CheckConversions(const Units& units, const std::string& c, const UnitDef& def,
                      const std::string& detail) {
    Ref<Unit> unit = units.GetUnit(c, def.id);
    const double f = unit->Factor(), o = unit->Offset();
    const double eps = std::numeric_limits<double>::epsilon(),
                 tiny = std::numeric_limits<double>::denorm_min();
    if (f == 0 || !std::isfinite(f) || !std::isfinite(o))
        Fail("a unit holds a Factor that is 0 or not finite, or an Offset that is not finite",
             detail + " unit " + fuzz::Shown(def.id) + " Factor " + Number(f) + " Offset " + Number(o));
    if (def.plain && (std::fabs(f - def.factor) > 4 * eps * std::fabs(def.factor) ||
                      std::fabs(o - def.offset) > 4 * eps * std::fabs(def.offset)))
        Fail("a unit's numbers are not those written",
             detail + " unit " + fuzz::Shown(def.id) + " Factor " + Number(f) + " written " +
                 Number(def.factor) + " Offset " + Number(o) + " written " + Number(def.offset));
    for (double x : {0.0, 1.0, -2.5, 1234.5678, 1e6}) {
        const double y = units.Convert(x, c, def.id);
        if (!std::isfinite(y)) continue;
        const double formula = x * f + o;
        if (std::fabs(y - formula) > 4 * eps * (std::fabs(x * f) + std::fabs(o)) + 4 * tiny)
            Fail("a conversion is not value * Factor + Offset",
                 detail + " unit " + fuzz::Shown(def.id) + " value " + Number(x) + " gave " + Number(y));
        const double back = units.ToDatabaseUnit(y, c, def.id);
        const double tolerance =
            8 * eps * (std::fabs(x) + (std::fabs(y) + std::fabs(o)) / std::fabs(f)) + 4 * tiny / std::fabs(f);
        if (!(std::fabs(back - x) <= tolerance))
            Fail("a value converted to a unit and back is not the value",
                 detail + " unit " + fuzz::Shown(def.id) + " value " + Number(x) + " in the unit " +
                     Number(y) + " back " + Number(back));
    }
}

// The component answers what the markup defines.
void CheckLoaded(const Units& units, const Reading& r, const std::string& detail) {
    std::vector<std::string> ids;
    for (const CategoryDef& c : r.categories) ids.push_back(c.id);
    if (units.CategoryIDs() != ids) Fail("the categories are not those of the markup", detail);
    const std::string absentCategory = Absent(ids);
    if (units.UnitExists(absentCategory, "") || !RaisesUnknown([&] { units.GetUnit(absentCategory, ""); }) ||
        !RaisesUnknown([&] { units.DefaultUnit(absentCategory); }))
        Fail("an unknown category is found", detail + " category " + fuzz::Shown(absentCategory));

    size_t checked = 0;
    for (const CategoryDef& c : r.categories) {
        const std::string in = detail + " category " + fuzz::Shown(c.id);
        std::vector<std::string> unitIDs;
        for (const UnitDef& u : c.units) unitIDs.push_back(u.id);
        if (units.UnitIDs(fuzz::SwapCase(c.id)) != unitIDs) Fail("the units are not those of the markup", in);
        if (units.CategoryName(" " + c.id + " ") != c.name)
            Fail("the category's name is not the one written",
                 in + " name " + fuzz::Shown(units.CategoryName(c.id)));
        if (units.DatabaseUnit(c.id) != c.database || units.DefaultUnit(c.id) != c.defaultUnit)
            Fail("the database or default unit is not the one written",
                 in + " database " + fuzz::Shown(units.DatabaseUnit(c.id)) + " default " +
                     fuzz::Shown(units.DefaultUnit(c.id)));
        if (units.GetUnit(c.id, "")->ID() != c.defaultUnit)
            Fail("the empty unit id is not the default unit", in);
        const std::string absentUnit = Absent(unitIDs);
        if (units.UnitExists(c.id, absentUnit) || !RaisesUnknown([&] { units.UnitLabel(c.id, absentUnit); }))
            Fail("an unknown unit is found", in + " unit " + fuzz::Shown(absentUnit));
        for (double x : {-7.25, 0.0, 1e300}) {
            if (units.Convert(x, c.id, c.database) != x || units.ToDatabaseUnit(x, c.id, c.database) != x)
                Fail("the database unit changes a value", in + " value " + Number(x));
        }
        for (const UnitDef& u : c.units) {
            if (++checked > 256) return;
            for (const std::string& asked : {u.id, fuzz::SwapCase(u.id), "  " + u.id + " "}) {
                if (!units.UnitExists(c.id, asked) || units.UnitLabel(c.id, asked) != u.label ||
                    units.GetUnit(c.id, asked)->ID() != u.id)
                    Fail("a unit's label is not the one stored",
                         in + " unit " + fuzz::Shown(asked) + " label " +
                             fuzz::Shown(units.UnitLabel(c.id, asked)) + " stored " + fuzz::Shown(u.label));
            }
            CheckConversions(units, c.id, u, in);
        }
    }
}

// Hands the component one definition and checks what follows.
void CheckLoad(Units& units, const std::string& how, const std::string& markup,
               const std::function<void()>& load) {
    const std::string before = Snapshot(units);
    const Reading r = Read(markup);
    const std::string detail = how + "\nmarkup: " + fuzz::Shown(markup);
    try {
        load();
    } catch (const Error& e) {
        if (e.Number() != Units::kErrBadSettings)
            Fail("a definition raised " + std::to_string(e.Number()) + ": " + e.Description(), detail);
        if (Snapshot(units) != before)
            Fail("a refused definition changed the units",
                 detail + "\nbefore:\n" + before + "after:\n" + Snapshot(units));
        if (r.broken.empty() && r.judged) Fail("a sound definition was refused: " + e.Description(), detail);
        return;
    }
    if (!r.broken.empty()) Fail("a definition was loaded that has " + r.broken, detail);
    CheckLoaded(units, r, detail);
}

void WriteFile(const std::string& file, const std::string& bytes) {
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) fuzz::Fail("cannot write " + file);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// The known definitions, then the input both ways.
void Run(const std::string& input) {
    Units units;
    units.LoadDefinitions(kKnown);
    // Handed out before: a unit stays what it was whatever is loaded later.
    Ref<Unit> kept = units.GetUnit("temperature", "DEGF");

    CheckLoad(units, "as markup text", input, [&] { units.LoadDefinitions(input); });

    static const std::string file = fuzz::TempFolder() + "Units.xml";
    WriteFile(file, input);
    Ref<ISettings2> settings(std::make_shared<cvSettings>());
    if (settings->Load(file)) {
        const std::string markup = settings->NodeXML();
        CheckLoad(units, "as the settings element of a file", markup, [&] { units.Settings(settings); });
    }

    if (kept->ID() != "degF" || kept->Label() != "°F" || kept->Factor() != 1.8 || kept->Offset() != 32 ||
        kept->Category() != "Temperature")
        Fail("a unit handed out changed when new definitions were loaded", "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    gInput = &input;
    try {
        Run(input);
    } catch (const Error& e) {
        // Every answer checked is one the component gives without an error.
        Fail("an unexpected error " + std::to_string(e.Number()) + ": " + e.Description(), "");
    }
    return 0;
}
