#pragma once
// A criteria set of one asset type (field, well, block, transport): the
// common set with its one set root element and the shore-status criterion,
// which all four keep alike.
#include <string>

#include "criteria/CCriteriaSet.h"

class CAssetCriteriaSet : public CCriteriaSet, public virtual IShoreStatusCriteria {
public:
    void AddShoreStatus(const std::string& sCode) override;
    bool ShoreStatus(const std::string& sCode) override;
    bool RemoveShoreStatus(const std::string& sCode) override;
    int32_t ShoreStatusCount() override;
    void ClearShoreStatuses() override;

    // The element below the set's element that holds its sections.
    const std::string& SetRoot() const { return setRoot_; }

protected:
    CAssetCriteriaSet(const CriteriaSetProfile& profile, std::string sSetRoot);

    const std::string setRoot_;
    // "ShoreStatuses"/"ShoreStatus" with "Code" below the set root.
    const Section shoreStatuses_;

private:
    // The stored code, or "" when none is; leaves a found item current.
    std::string FindShoreStatus(const std::string& sCode);
};
