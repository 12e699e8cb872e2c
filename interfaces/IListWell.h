#pragma once
// The well list: well types, statuses, results, rigs, locations, geological details and
// dates for the host's well criteria screens.
//
// A look-up turns the item number a fill gave a row of the host's control
// back into that row's code or name.  It answers "" while its list was never
// filled, raises 5 for a number the last fill never handed out, and passes
// any error on.  A fill that "shows" its error hands it to the error report
// and returns normally, leaving whatever it had added in the control.
// Sector lists are comma lists of numbers; any other text is refused with
// &H80041066 naming it.
#include <cstdint>
#include <string>

#include "interfaces/HostControls.h"
#include "platform/runtime/Object.h"

class IListWell : public virtual Object {
public:
    // The code of the well type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellTypeCode(int32_t lID) = 0;
    // The name of the well type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellTypeDescription(int32_t lID) = 0;
    // The code of the well status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellStatusCode(int32_t lID) = 0;
    // The name of the well status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellStatusDescription(int32_t lID) = 0;
    // The code of the well result row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellResultCode(int32_t lID) = 0;
    // The name of the well result row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellResultDescription(int32_t lID) = 0;
    // The code of the rig name row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string RigNameCode(int32_t lID) = 0;
    // The name of the rig name row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string RigNameDescription(int32_t lID) = 0;
    // The code of the well location row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellLocationCode(int32_t lID) = 0;
    // The name of the well location row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellLocationDescription(int32_t lID) = 0;
    // Appends the wells of the sectors, numbered afresh, and answers the well-location look-ups for
    // them; never clears the list; shows its error.
    virtual void PopulateWellLocations(const Ref<IListControl>& ctl, const std::string& sSelectedSectors) = 0;
    // Replaces the tree, once its statement opened, with "ALL" (expanded) and the rig types below it;
    // shows its error.
    virtual void PopulateRigTypes(const Ref<ITreeView>& ctl) = 0;
    // Clears the list, then lists the rigs of the active query's rig types (none selected: none) and
    // answers the rig-name look-ups for them; shows its error (no active query: 91).
    virtual void PopulateRigNames(const Ref<IListControl>& ctl) = 0;
    // Appends the well types (from the cache once a fill completed); shows its error.
    virtual void PopulateWellTypes(const Ref<IListControl>& ctl) = 0;
    // Appends the well statuses (from the cache once a fill completed); shows its error.
    virtual void PopulateWellStatuses(const Ref<IListControl>& ctl) = 0;
    // Appends the well results (from the cache once a fill completed); shows its error.
    virtual void PopulateWellResults(const Ref<IListControl>& ctl) = 0;
    // Clears the three lists, then fills each with the award round numbers, years and descriptors of
    // the sectors' wells; shows its error.
    virtual void PopulateAwardRoundLists(const Ref<IListControl>& ctlNumber, const Ref<IListControl>& ctlYear,
                                         const Ref<IListControl>& ctlDescriptor,
                                         const std::string& sSelectedSectors) = 0;
    // Sets the control's era, period and formation codes and rebuilds its age tree; on any failure
    // shows "Failed to add: <era>, <period>" and returns, raising nothing.
    virtual void PopulateGeologicalDetails(const Ref<IGeologicalAgeControl>& ctl) = 0;
    // Appends the spud and completion date rows to the chooser; raises any error.
    virtual void PopulateWellDates(const Ref<IDataTypeChooser>& ctl) = 0;
};
