#pragma once
// The criteria of a transport query, below "TransportDetail" of the query's "Transport"
// element.
#include "criteria/CAssetCriteriaSet.h"

class CTransport final : public ITransport, public CAssetCriteriaSet {
public:
    static constexpr const char* kSetRoot = "TransportDetail";

    CTransport();

private:
    static const CriteriaSetProfile kProfile;
};
