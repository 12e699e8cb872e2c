#pragma once
// The block list: licences, award rounds and block trees for the host's block criteria
// screens.
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

class IListBlock : public virtual Object {
public:
    // The code of the licence-area status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceAreaStatusCode(int32_t lID) = 0;
    // The name of the licence-area status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceAreaStatusDescription(int32_t lID) = 0;
    // The code of the licence status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceStatusCode(int32_t lID) = 0;
    // The name of the licence status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceStatusDescription(int32_t lID) = 0;
    // Adds "ROOT" and the blocks of the sectors (a comma list of numbers) by basin or quadrant, the
    // relinquished ones only when asked, the window frozen meanwhile; raises any error (a sector list
    // that is not numbers: &H80041066).
    virtual void PopulateBlockLocationTree(const Ref<ITreeView>& tvTree, const std::string& sSelectedSectors,
                                           bool bReturnRelinquished) = 0;
    // Adds the licence types, expanded, with their sub-types below them; shows its error.
    virtual void PopulateLicenceTypeTree(const Ref<ITreeView>& ctl) = 0;
    // Replaces the rows with the licence references of the sectors; shows its error.
    virtual void PopulateLicenceReferenceList(const Ref<IListControl>& ctl,
                                              const std::string& sSelectedSectors) = 0;
    // Appends the row "Data" with the item value 1; raises any error.
    virtual void PopulateBasinList(const Ref<IListControl>& ctl) = 0;
    // Appends the licence statuses (from the cache once a fill completed); shows its error.
    virtual void PopulateLicenceStatusList(const Ref<IListControl>& ctl) = 0;
    // Appends the licence-area statuses but the relinquished one (from the cache once a fill
    // completed); shows its error.
    virtual void PopulateLicenceAreaStatusList(const Ref<IListControl>& ctl) = 0;
    // Appends the three licence date rows to the chooser; raises any error.
    virtual void PopulateDatesList(const Ref<IDataTypeChooser>& ctl) = 0;
    // Clears the three lists, then fills each with the award round numbers, years and descriptors of
    // the sectors; shows its error.
    virtual void PopulateAwardRoundLists(const Ref<IListControl>& ctlNumber, const Ref<IListControl>& ctlDate,
                                         const Ref<IListControl>& ctlDescriptor,
                                         const std::string& sSelectedSectors) = 0;
};
