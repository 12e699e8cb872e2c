#pragma once
// One row of a chart stacked by its grouping rule: its caption and the sum
// of its values at each point, keyed by the point.  Rows share one
// collection of the groupings they counted.  Only the grouping rule's
// drawing makes them.
#include <string>

#include "core/ErrorDisplay.h"
#include "platform/runtime/Object.h"
#include "platform/runtime/cvCollection.h"

class CChartDataItem final : public virtual Object, public ShowsErrors<ErrDisplay::A> {
public:
    // Makes the empty sums; passes a failure on.
    CChartDataItem();

    // The caption: a stacking-category value or a value column's name.
    std::string Row();
    void SetRow(const std::string& sValue);
    // The sums (Doubles) by point key.
    Ref<cvCollection> Data();
    // The shared groupings; Nothing until set.
    void SetGroupings(const Ref<cvCollection>& oValue);
    // Notes a grouping's code under sKey followed by sGroupingID in the shared
    // groupings (once) when bGrouping, then adds dValue to the sum under sKey,
    // starting one there when there is none.  Shows its errors and returns.
    void AddItem(const std::string& sKey, double dValue, const std::string& sGroupingID, bool bGrouping);

    std::string TypeName() const override { return "CChartDataItem"; }

private:
    std::string row_;
    Ref<cvCollection> data_;
    Ref<cvCollection> groupings_;
};
