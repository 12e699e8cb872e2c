#pragma once
// The criteria of a field query, below "FieldDetail" of the query's "Field" element.
#include "criteria/CAssetCriteriaSet.h"

class CField final : public IField, public CAssetCriteriaSet {
public:
    static constexpr const char* kSetRoot = "FieldDetail";

    CField();

private:
    static const CriteriaSetProfile kProfile;
};
