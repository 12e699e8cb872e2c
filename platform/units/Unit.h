#pragma once
// One unit of measurement within a unit category: how a value stored in the
// database's unit of that category is shown in this unit.
//
//     value in this unit = database value * Factor + Offset
//
// A unit is immutable once made, so a caller may keep it after the units
// component has been handed new settings.
#include <string>

#include "platform/runtime/Object.h"

class Unit final : public virtual Object {
public:
    Unit(std::string sCategory, std::string sID, std::string sLabel, double dFactor, double dOffset);

    // The label is the first member: callers that only show a unit read it.
    const std::string& Label() const { return label_; }
    const std::string& ID() const { return id_; }
    double Factor() const { return factor_; }
    double Offset() const { return offset_; }
    // The id of the category the unit belongs to, as the settings spell it.
    const std::string& Category() const { return category_; }

    // A database value in this unit, and back.
    double FromDatabase(double dValue) const { return dValue * factor_ + offset_; }
    double ToDatabase(double dValue) const { return (dValue - offset_) / factor_; }

    std::string TypeName() const override { return "Unit"; }

private:
    std::string category_;
    std::string id_;
    std::string label_;
    double factor_;
    double offset_;
};
