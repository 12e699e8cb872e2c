#include "criteria/CAssetCriteriaSet.h"

#include "core/CTools.h"
#include "core/Globals.h"

CAssetCriteriaSet::CAssetCriteriaSet(const CriteriaSetProfile& profile, std::string sSetRoot)
    : CCriteriaSet(profile),
      setRoot_(std::move(sSetRoot)),
      shoreStatuses_{setRoot_.c_str(), "ShoreStatuses", "ShoreStatus", {"Code"}} {}

void CAssetCriteriaSet::AddShoreStatus(const std::string& sCode) {
    Add({"AddShoreStatus(sCode)", profile_.shoreStatus}, ERR_ARGS(sCode), shoreStatuses_, {sCode});
}

std::string CAssetCriteriaSet::FindShoreStatus(const std::string& sCode) {
    return gTools()->GetQueryParameterSearch(settings_, setRoot_, shoreStatuses_.section, shoreStatuses_.item,
                                             "Code", sCode, "Code");
}

bool CAssetCriteriaSet::ShoreStatus(const std::string& sCode) {
    return Run({"ShoreStatus(sCode)", profile_.shoreStatus}, ERR_ARGS(sCode),
               [&] { return !FindShoreStatus(sCode).empty(); });
}

bool CAssetCriteriaSet::RemoveShoreStatus(const std::string& sCode) {
    return Run({"RemoveShoreStatus(sCode)", profile_.shoreStatus}, ERR_ARGS(sCode), [&] {
        // A read-only query keeps its shore statuses like every other criterion.
        if (ActiveQueryIsReadOnly()) return false;
        if (FindShoreStatus(sCode).empty()) return false;
        settings_->DeleteNode();
        // A removal is a change the query must notice, as an addition is.
        settings_->SetModified(true);
        return true;
    });
}

int32_t CAssetCriteriaSet::ShoreStatusCount() {
    return Count({"ShoreStatusCount()", profile_.shoreStatusCount}, shoreStatuses_);
}

void CAssetCriteriaSet::ClearShoreStatuses() {
    Clear({"ClearShoreStatuses()", profile_.shoreStatus}, shoreStatuses_);
}
