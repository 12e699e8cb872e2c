#pragma once
// The criteria of a well query, below "WellDetail" of the query's "Well" element.
#include "criteria/CAssetCriteriaSet.h"

class CWell final : public IWell, public CAssetCriteriaSet {
public:
    static constexpr const char* kSetRoot = "WellDetail";

    CWell();

private:
    static const CriteriaSetProfile kProfile;
};
