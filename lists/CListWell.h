#pragma once
// The well reference list: well types, statuses and results, rig names and well locations.
// Each coded list is cached when a fill puts it into a host control; the
// look-ups turn a picked row's item number back into its code and name.
#include <cstdint>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"
#include "lists/CLookupCache.h"

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

    // The caches, filled by the list's fill operations.
    CLookupCache& WellTypes() { return wellTypes_; }
    CLookupCache& WellStatuses() { return wellStatuses_; }
    CLookupCache& WellResults() { return wellResults_; }
    CLookupCache& RigNames() { return rigNames_; }
    CLookupCache& WellLocations() { return wellLocations_; }

    std::string TypeName() const override { return "CListWell"; }

private:
    CLookupCache wellTypes_;
    CLookupCache wellStatuses_;
    CLookupCache wellResults_;
    CLookupCache rigNames_;
    CLookupCache wellLocations_;
};
