#pragma once
// The well reference list: well types, statuses and results (each cached when
// a fill puts it into a host control, so the look-ups can turn a picked row's
// item number back into its code and name), the wells of the selected sectors
// and the rigs of the active query's rig types (cached the same way, for their
// latest fill), the rig-type tree, the award-round lists, the geological-age
// control and the well dates of the data-type chooser.
#include <cstdint>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"
#include "lists/CLookupCache.h"

namespace ADODB {
class Recordset;
}

class CListWell final : public IListWell, public ShowsErrors<ErrDisplay::B> {
public:
    std::string WellTypeCode(int32_t lID) override;
    std::string WellTypeDescription(int32_t lID) override;
    std::string WellStatusCode(int32_t lID) override;
    std::string WellStatusDescription(int32_t lID) override;
    std::string WellResultCode(int32_t lID) override;
    std::string WellResultDescription(int32_t lID) override;
    std::string RigNameCode(int32_t lID) override;
    std::string RigNameDescription(int32_t lID) override;
    std::string WellLocationCode(int32_t lID) override;
    std::string WellLocationDescription(int32_t lID) override;
    void PopulateWellLocations(const Ref<IListControl>& ctl, const std::string& sSelectedSectors) override;
    void PopulateRigTypes(const Ref<ITreeView>& ctl) override;
    void PopulateRigNames(const Ref<IListControl>& ctl) override;
    void PopulateWellTypes(const Ref<IListControl>& ctl) override;
    void PopulateWellStatuses(const Ref<IListControl>& ctl) override;
    void PopulateWellResults(const Ref<IListControl>& ctl) override;
    void PopulateAwardRoundLists(const Ref<IListControl>& ctlNumber, const Ref<IListControl>& ctlYear,
                                 const Ref<IListControl>& ctlDescriptor,
                                 const std::string& sSelectedSectors) override;
    void PopulateGeologicalDetails(const Ref<IGeologicalAgeControl>& ctl) override;
    void PopulateWellDates(const Ref<IDataTypeChooser>& ctl) override;

    // The caches, filled by the list's fill operations.
    CLookupCache& WellTypes() { return wellTypes_; }
    CLookupCache& WellStatuses() { return wellStatuses_; }
    CLookupCache& WellResults() { return wellResults_; }
    CLookupCache& RigNames() { return rigNames_; }
    CLookupCache& WellLocations() { return wellLocations_; }

    std::string TypeName() const override { return "CListWell"; }

private:
    // The open record set of the wells of the sectors; raises any error.
    Ref<ADODB::Recordset> GetWellsInSectors(const std::string& sSectorCodes);

    CLookupCache wellTypes_;
    CLookupCache wellStatuses_;
    CLookupCache wellResults_;
    CLookupCache rigNames_;
    CLookupCache wellLocations_;
};
