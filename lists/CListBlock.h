#pragma once
// The block reference list: licence statuses and licence-area statuses.
// Each coded list is cached when a fill puts it into a host control; the
// look-ups turn a picked row's item number back into its code and name.
#include <cstdint>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"
#include "lists/CLookupCache.h"

class CListBlock final : public IListBlock, public ShowsErrors<ErrDisplay::A> {
public:
    std::string LicenceStatusCode(int32_t lID) override;
    std::string LicenceStatusDescription(int32_t lID) override;
    std::string LicenceAreaStatusCode(int32_t lID) override;
    std::string LicenceAreaStatusDescription(int32_t lID) override;

    // The caches, filled by the list's fill operations.
    CLookupCache& LicenceStatuses() { return licenceStatuses_; }
    CLookupCache& LicenceAreaStatuses() { return licenceAreaStatuses_; }

    std::string TypeName() const override { return "CListBlock"; }

private:
    CLookupCache licenceStatuses_;
    CLookupCache licenceAreaStatuses_;
};
