#pragma once
// The units component (program id "cvUnits.Units"): unit categories, their
// units and labels, and the conversion of values between the database's unit
// of a category and the unit a user chose to see or enter them in.
//
// Everything it knows comes from the "Units" element of the application
// settings, handed over through ISettingsObject2::Settings:
//
//   <Units>
//     <Category ID="Oil_Reserves" Name="Oil reserves" DatabaseUnit="MMbbl" Default="MMbbl">
//       <Unit ID="MMbbl" Label="MMbbl" Factor="1"/>
//       <Unit ID="MMm3" Label="MMm³" Factor="0.158987294928"/>
//     </Category>
//     ...
//   </Units>
//
// Category:  ID            required; unique among categories
//            Name          optional; what a person calls the quantity (defaults to ID)
//            DatabaseUnit  required; the unit the database stores the category's
//                          values in: a unit of the category with Factor 1 and no Offset
//            Default       optional; the unit values are shown in unless a user
//                          chose another (defaults to DatabaseUnit)
// Unit:      ID            required; unique within its category
//            Label         optional; the text shown beside a value (defaults to ID)
//            Factor        required; a non-zero finite number
//            Offset        optional; a finite number, 0 when absent
//
//   value in the unit = database value * Factor + Offset
//
// Numbers are written with "." as decimal point whatever the machine's locale.
// Ids are compared without regard to case and without surrounding blanks; an
// empty unit id means the category's default unit.  Elements other than
// Category and Unit are refused, so that a misspelt element cannot silently
// drop units.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "interfaces/ISettingsObject2.h"
#include "platform/units/Unit.h"

class Units final : public ISettingsObject2 {
public:
    static constexpr const char* kProgID = "cvUnits.Units";
    // An unknown category or unit.
    static constexpr int32_t kErrUnknown = static_cast<int32_t>(0x80041837u);
    // A "Units" element that cannot be used: the settings file is corrupt.
    static constexpr int32_t kErrBadSettings = static_cast<int32_t>(0x8004183Cu);

    // Reads the element's markup; the definitions replace the earlier ones only
    // when the whole element is sound.
    void Settings(const Ref<ISettings2>& oSettings) override;
    // The same from markup text whose document element is "Units".
    void LoadDefinitions(const std::string& sXML);

    std::string DefaultUnit(const std::string& sCategory) const;
    std::string DatabaseUnit(const std::string& sCategory) const;
    std::string CategoryName(const std::string& sCategory) const;
    // False for an unknown category as well as an unknown unit; never raises.
    bool UnitExists(const std::string& sCategory, const std::string& sUnit) const;
    Ref<Unit> GetUnit(const std::string& sCategory, const std::string& sUnit) const;
    std::string UnitLabel(const std::string& sCategory, const std::string& sUnit) const;
    // A value held in the database's unit, expressed in sUnit.
    double Convert(double dValue, const std::string& sCategory, const std::string& sUnit) const;
    // A value given in sUnit, expressed in the database's unit.
    double ToDatabaseUnit(double dValue, const std::string& sCategory, const std::string& sUnit) const;

    // Category ids, and the unit ids of one category, in the order the
    // settings list them (what a host offers in its unit choosers).
    std::vector<std::string> CategoryIDs() const;
    std::vector<std::string> UnitIDs(const std::string& sCategory) const;

    std::string TypeName() const override { return "Units"; }

private:
    struct Category {
        std::string id;
        std::string name;
        Ref<Unit> database;
        Ref<Unit> defaultUnit;
        std::vector<Ref<Unit>> units;
        std::unordered_map<std::string, size_t> byID;  // folded id -> index in units
    };

    const Category* FindCategory(const std::string& sCategory) const;
    const Category& CategoryOrRaise(const std::string& sCategory) const;
    const Ref<Unit>* FindUnit(const Category& c, const std::string& sUnit) const;
    const Ref<Unit>& UnitOrRaise(const std::string& sCategory, const std::string& sUnit) const;

    std::vector<Category> categories_;
    std::unordered_map<std::string, size_t> byID_;  // folded id -> index in categories_
};
