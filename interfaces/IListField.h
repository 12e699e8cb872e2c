#pragma once
// The field list: field types, development statuses and types, reservoirs, dates and
// economic choices for the host's field criteria screens.
//
// A look-up turns the item number a fill gave a row of the host's control
// back into that row's code or name.  It answers "" while its list was never
// filled, raises 5 for a number the last fill never handed out, and passes
// any error on.  A fill that "shows" its error hands it to the error report
// and returns normally, leaving whatever it had added in the control.
#include <cstdint>
#include <string>

#include "interfaces/HostControls.h"
#include "platform/runtime/Object.h"

class IListField : public virtual Object {
public:
    // The code of the field type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string FieldTypeCode(int32_t lID) = 0;
    // The name of the field type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string FieldTypeDescription(int32_t lID) = 0;
    // The code of the development status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentStatusCode(int32_t lID) = 0;
    // The name of the development status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentStatusDescription(int32_t lID) = 0;
    // The code of the development type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentTypeCode(int32_t lID) = 0;
    // The name of the development type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentTypeDescription(int32_t lID) = 0;
    // Adds "ROOT" and the fields of the sectors (a comma list of numbers) grouped by field grouping,
    // the window frozen meanwhile; raises any error (a sector list that is not numbers: &H80041066).
    virtual void PopulateFieldLocationTree(const Ref<ITreeView>& tvTree,
                                           const std::string& sSelectedSectors) = 0;
    // Appends the five field date rows to the chooser; raises any error.
    virtual void PopulateFieldDates(const Ref<IDataTypeChooser>& ctl) = 0;
    // Appends the field types (from the cache once a fill completed); shows its error.
    virtual void PopulateFieldType(const Ref<IListControl>& ctl) = 0;
    // Appends the development statuses of sType ("Both", "Commercial" or "Technical"), read anew every
    // call; shows its error (any other sType is one).
    virtual void PopulateDevelopmentStatus(const Ref<IListControl>& ctl, const std::string& sType) = 0;
    // Appends the development types (from the cache once a fill completed); shows its error.
    virtual void PopulateDevelopmentType(const Ref<IListControl>& ctl) = 0;
    // Clears the chooser and adds the six reserves or production rows of the group with their units'
    // labels; a group outside 0-2 adds none; raises any error.
    virtual void PopulateHydrocarbonTypes(const Ref<IDataTypeChooser>& ctl, int32_t sReserveType,
                                          int32_t lProductionType) = 0;
    // Clears the chooser and adds the three present-value rows; raises any error.
    virtual void PopulatePV(const Ref<IDataTypeChooser>& ctl, const std::string& sSymbol) = 0;
    // Clears the chooser and adds the cost rows of lMode (0-2, else none) for the active query's gross
    // or net choice; raises any error (no active query: 91).
    virtual void PopulateCosts(const Ref<IDataTypeChooser>& ctl, int32_t lRealNominal, int32_t lMode) = 0;
    // Sets the control's era, period and formation codes and rebuilds its age tree; shows its error.
    virtual void PopulateFieldReservoir(const Ref<IGeologicalAgeControl>& ctl) = 0;
    // The date remaining reserves are discounted to, read once and kept; raises any error (no row or
    // a Null value: read again next time).
    virtual std::string RemainingReservesDiscountDate() = 0;
    // Appends every year from the data set's first to its last annual year; raises any error.
    virtual void PopulateAnnualYears(const Ref<IListControl>& ctl) = 0;
};
