#pragma once
// The transport reference list: transport methods and statuses.
// Each coded list is cached when a fill puts it into a host control; the
// look-ups turn a picked row's item number back into its code and name.
#include <cstdint>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"
#include "lists/CLookupCache.h"

class CListTransport final : public IListTransport, public ShowsErrors<ErrDisplay::B> {
public:
    std::string TransportMethodCode(int32_t lID) override;
    std::string TransportMethodDescription(int32_t lID) override;
    std::string TransportStatusCode(int32_t lID) override;
    std::string TransportStatusDescription(int32_t lID) override;

    // The caches, filled by the list's fill operations.
    CLookupCache& TransportMethods() { return transportMethods_; }
    CLookupCache& TransportStatuses() { return transportStatuses_; }

    std::string TypeName() const override { return "CListTransport"; }

private:
    CLookupCache transportMethods_;
    CLookupCache transportStatuses_;
};
