#pragma once
// The block reference list: licence statuses and licence-area statuses (each
// cached when a fill puts it into a host control, so the look-ups can turn a
// picked row's item number back into its code and name), the block location
// tree, the licence type tree, the licence reference and award-round lists,
// the basin list and the licence dates of the data-type chooser.
#include <cstdint>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"
#include "lists/CLookupCache.h"

namespace ADODB {
class Recordset;
}

class CListBlock final : public IListBlock, public ShowsErrors<ErrDisplay::A> {
public:
    std::string LicenceAreaStatusCode(int32_t lID) override;
    std::string LicenceAreaStatusDescription(int32_t lID) override;
    std::string LicenceStatusCode(int32_t lID) override;
    std::string LicenceStatusDescription(int32_t lID) override;
    void PopulateBlockLocationTree(const Ref<ITreeView>& tvTree, const std::string& sSelectedSectors,
                                   bool bReturnRelinquished) override;
    void PopulateLicenceTypeTree(const Ref<ITreeView>& ctl) override;
    void PopulateLicenceReferenceList(const Ref<IListControl>& ctl,
                                      const std::string& sSelectedSectors) override;
    void PopulateBasinList(const Ref<IListControl>& ctl) override;
    void PopulateLicenceStatusList(const Ref<IListControl>& ctl) override;
    void PopulateLicenceAreaStatusList(const Ref<IListControl>& ctl) override;
    void PopulateDatesList(const Ref<IDataTypeChooser>& ctl) override;
    void PopulateAwardRoundLists(const Ref<IListControl>& ctlNumber, const Ref<IListControl>& ctlDate,
                                 const Ref<IListControl>& ctlDescriptor,
                                 const std::string& sSelectedSectors) override;

    // The caches, filled by the list's fill operations.
    CLookupCache& LicenceStatuses() { return licenceStatuses_; }
    CLookupCache& LicenceAreaStatuses() { return licenceAreaStatuses_; }

    std::string TypeName() const override { return "CListBlock"; }

private:
    // The open record set of the blocks of the sectors, the relinquished ones
    // only when asked; raises any error.
    Ref<ADODB::Recordset> GetBlocksInSectors(const std::string& sSectorCodes, bool bReturnRelinquished);

    CLookupCache licenceStatuses_;
    CLookupCache licenceAreaStatuses_;
};
