#pragma once
// The transport list: methods, statuses, sources, destinations, systems and user fields
// for the host's transport criteria screens.
//
// A look-up turns the item number a fill gave a row of the host's control
// back into that row's code or name.  It answers "" while its list was never
// filled, raises 5 for a number the last fill never handed out, and passes
// any error on.  A fill that "shows" its error hands it to the error report
// and returns normally, leaving whatever it had added in the control.
//
// The trees are never cleared: a tree that still holds "ROOT" refuses the
// next fill at its first node.  Country and development-status lists are
// comma lists of numbers or of quoted texts ("'GB','NO'", a quote inside
// doubled); any other text is refused with &H80041066 naming it.
#include <cstdint>
#include <string>

#include "interfaces/HostControls.h"
#include "platform/runtime/Object.h"

class cvCollection;

class IListTransport : public virtual Object {
public:
    // The code of the transport method row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportMethodCode(int32_t lID) = 0;
    // The name of the transport method row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportMethodDescription(int32_t lID) = 0;
    // The code of the transport status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportStatusCode(int32_t lID) = 0;
    // The name of the transport status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportStatusDescription(int32_t lID) = 0;
    // Adds "ROOT" and the transport systems of the countries, grouped by system, the window frozen
    // meanwhile; leaves the check boxes as they are; shows its error.
    virtual void PopulateTransportSystems(const Ref<ITreeView>& tvTree,
                                          const std::string& sSelectedCountries) = 0;
    // Appends the transport methods (from the cache once a fill completed); shows its error.
    virtual void PopulateTransportMethods(const Ref<IListControl>& ctl) = 0;
    // Appends the transport statuses (from the cache once a fill completed); shows its error.
    virtual void PopulateTransportStatuses(const Ref<IListControl>& ctl) = 0;
    // Appends the production start date row to the chooser; raises any error.
    virtual void PopulateTransportDates(const Ref<IDataTypeChooser>& ctl) = 0;
    // Adds the fixed tree of development statuses, "All" expanded; shows its error.
    virtual void PopulateTransportDevelopmentStatuses(const Ref<ITreeView>& ctl) = 0;
    // Adds "ROOT" with check boxes and the fields of the countries and development statuses, each
    // tagged with its status, or the single node "ROOT"/"No Data" when there are none, the window
    // frozen meanwhile; shows its error.
    virtual void PopulateUserFields(const Ref<ITreeView>& tvTree, const std::string& sSelectedCountries,
                                    const std::string& sDevelopmentStatus) = 0;
    // For sSourceType "Field" or "Terminal" (exactly) adds "ROOT" with check boxes and those sources in
    // the active query's countries, grouped, the window frozen meanwhile; any other type adds nothing;
    // shows its error (no active query: 91).
    virtual void PopulateTransportSources(const Ref<ITreeView>& tvTree, const std::string& sSourceType) = 0;
    // The same for the destinations, by sDestinationType; shows its error.
    virtual void PopulateTransportDestinations(const Ref<ITreeView>& tvTree,
                                               const std::string& sDestinationType) = 0;
    // Clears the chooser and adds the seven pipeline specification rows with their quantities and the
    // labels of their default units; shows its error.
    virtual void PopulateTransportSpecifications(const Ref<IDataTypeChooser>& ctl) = 0;
    // For each entry keyed "group|NULL" whose value's third "|" field lists asset codes, adds or extends
    // "group|country" with "group|country|" and the transport codes of that country, each followed by
    // ","; a group without codes is skipped; raises any error (no active query: 91), keeping what was
    // added until then.
    virtual void GetCountryCodes(const Ref<cvCollection>& colAssets) = 0;
};
