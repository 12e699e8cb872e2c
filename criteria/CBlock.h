#pragma once
// The criteria of a block query, below "BlockDetail" of the query's "Block" element.
// A block set that cannot be made shows why and is left without a document.
#include "criteria/CAssetCriteriaSet.h"

class CBlock final : public IBlock, public CAssetCriteriaSet {
public:
    static constexpr const char* kSetRoot = "BlockDetail";

    CBlock();

private:
    static const CriteriaSetProfile kProfile;
};
