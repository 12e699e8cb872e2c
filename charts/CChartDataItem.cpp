#include "charts/CChartDataItem.h"

#include "core/CreateObject.h"
#include "core/ErrorHandler.h"
#include "platform/runtime/Variant.h"

CChartDataItem::CChartDataItem() {
    PassOn("CChartDataItem.Class_Initialize()", ERR_ARGS(),
           [&] { data_ = CreateObjectAs<cvCollection>(cvCollection::kProgID); });
}

std::string CChartDataItem::Row() {
    return PassOn("CChartDataItem.Row()", ERR_ARGS(), [&] { return row_; });
}

void CChartDataItem::SetRow(const std::string& sValue) {
    PassOn("CChartDataItem.Row(sValue)", ERR_ARGS(sValue), [&] { row_ = sValue; });
}

Ref<cvCollection> CChartDataItem::Data() {
    return PassOn("CChartDataItem.Data()", ERR_ARGS(), [&] { return data_; });
}

void CChartDataItem::SetGroupings(const Ref<cvCollection>& oValue) {
    PassOn("CChartDataItem.Groupings(oValue)", ERR_ARGS(oValue), [&] { groupings_ = oValue; });
}

void CChartDataItem::AddItem(const std::string& sKey, double dValue, const std::string& sGroupingID,
                             bool bGrouping) {
    EndHere(*this, "CChartDataItem.AddItem(sKey, dValue, sGroupingID, bGrouping)",
            ERR_ARGS(sKey, dValue, sGroupingID, bGrouping), [&] {
                if (groupings_ && bGrouping && !groupings_->Exists(sKey + sGroupingID))
                    groupings_->Add(Variant(sGroupingID), sKey + sGroupingID);
                if (data_->Exists(sKey))
                    data_->ReplaceItem(sKey, Variant(CDbl(data_->Item(Variant(sKey))) + dValue));
                else
                    data_->Add(Variant(dValue), sKey);
            });
}
