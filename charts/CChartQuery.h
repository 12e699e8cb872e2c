#pragma once
// One query of a chart: its name, its statement and the series drawn from
// its result.  A plain holder.
#include <string>

#include "interfaces/IChart.h"
#include "platform/runtime/cvCollection.h"

class CChartQuery final : public IChartQuery {
public:
    static constexpr const char* kProgID = "cvDataManager.CChartQuery";

    // Makes the empty series collection; nothing else.
    CChartQuery();

    std::string Name() override { return name_; }
    void SetName(const std::string& sValue) override { name_ = sValue; }
    std::string SQL() override { return sql_; }
    void SetSQL(const std::string& sValue) override { sql_ = sValue; }
    Ref<cvCollection> Series() override { return series_; }
    void SetSeries(const Ref<cvCollection>& oValue) override { series_ = oValue; }

    std::string TypeName() const override { return "CChartQuery"; }

private:
    std::string name_, sql_;
    Ref<cvCollection> series_;
};
