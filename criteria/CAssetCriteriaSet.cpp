#include "criteria/CAssetCriteriaSet.h"

#include "core/CTools.h"
#include "core/Globals.h"

namespace {
constexpr const char* kSection = "ShoreStatuses";
constexpr const char* kItem = "ShoreStatus";
constexpr const char* kCode = "Code";
}  // namespace

CAssetCriteriaSet::CAssetCriteriaSet(const CriteriaSetProfile& profile, std::string sSetRoot)
    : CCriteriaSet(profile), setRoot_(std::move(sSetRoot)) {}

void CAssetCriteriaSet::AddShoreStatus(const std::string& sCode) {
    Handle(profile_.shoreStatus, Member("AddShoreStatus(sCode)"), ERR_ARGS(sCode), [&] {
        gTools()->AddQueryParameter(settings_, setRoot_, kSection, kItem,
                                    Variant(VariantArray{Variant(kCode)}),
                                    Variant(VariantArray{Variant(sCode)}));
    });
}

std::string CAssetCriteriaSet::FindShoreStatus(const std::string& sCode) {
    return gTools()->GetQueryParameterSearch(settings_, setRoot_, kSection, kItem, kCode, sCode, kCode);
}

bool CAssetCriteriaSet::ShoreStatus(const std::string& sCode) {
    return Handle(profile_.shoreStatus, Member("ShoreStatus(sCode)"), ERR_ARGS(sCode),
                  [&] { return !FindShoreStatus(sCode).empty(); });
}

bool CAssetCriteriaSet::RemoveShoreStatus(const std::string& sCode) {
    return Handle(profile_.shoreStatus, Member("RemoveShoreStatus(sCode)"), ERR_ARGS(sCode), [&] {
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
    return Handle(profile_.shoreStatusCount, Member("ShoreStatusCount()"), ERR_ARGS(),
                  [&] { return gTools()->GetQueryParameterCount(settings_, setRoot_, kSection); });
}

void CAssetCriteriaSet::ClearShoreStatuses() {
    Handle(profile_.shoreStatus, Member("ClearShoreStatuses()"), ERR_ARGS(),
           [&] { gTools()->ClearQueryParameters(settings_, setRoot_, kSection); });
}
