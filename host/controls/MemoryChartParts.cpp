#include "MemoryChartParts.h"

#include <algorithm>
#include <limits>

#include "ControlErrors.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace {
constexpr int32_t kLast = std::numeric_limits<int32_t>::max();

[[noreturn]] void RaiseBadIndex(const char* source) {
    Raise(host::kInvalidArrayIndex, source, host::kInvalidArrayIndexText);
}
}  // namespace

void MemoryChartData::SetNumSeries(int32_t lCount) {
    if (lCount < 0) RaiseBadIndex("MemoryChartData");
    numPoints.resize(static_cast<size_t>(lCount), 0);
    // The values are ordered by series and point: those beyond are one range
    // at the end, so a chart drawn again costs what it drops.
    for (auto* values : {&x, &y}) values->erase(values->upper_bound({lCount, kLast}), values->end());
}

int32_t MemoryChartData::NumPoints(int32_t lSeries) {
    if (lSeries < 1 || lSeries > NumSeries()) RaiseBadIndex("MemoryChartData");
    return Points(lSeries);
}

void MemoryChartData::SetNumPoints(int32_t lSeries, int32_t lCount) {
    if (lSeries < 1 || lSeries > NumSeries() || lCount < 0) RaiseBadIndex("MemoryChartData");
    numPoints[static_cast<size_t>(lSeries - 1)] = lCount;
    for (auto* values : {&x, &y})
        values->erase(values->upper_bound({lSeries, lCount}), values->upper_bound({lSeries, kLast}));
}

void MemoryChartData::CheckPoint(int32_t lSeries, int32_t lPoint) const {
    if (lSeries < 1 || lSeries > Series() || lPoint < 1 || lPoint > Points(lSeries))
        RaiseBadIndex("MemoryChartData");
}

void MemoryChartData::SetX(int32_t lSeries, int32_t lPoint, const Variant& vValue) {
    CheckPoint(lSeries, lPoint);
    x[{lSeries, lPoint}] = vValue;
}

void MemoryChartData::SetY(int32_t lSeries, int32_t lPoint, const Variant& vValue) {
    CheckPoint(lSeries, lPoint);
    y[{lSeries, lPoint}] = vValue;
}

std::optional<double> MemoryChartData::Value(int32_t lSeries, int32_t lPoint) const {
    auto it = y.find({lSeries, lPoint});
    if (it == y.end()) return std::nullopt;
    const Variant& v = it->second;
    switch (v.Kind()) {
        case VarKind::Integer:
        case VarKind::Long:
        case VarKind::Double:
        case VarKind::Currency:
        case VarKind::Date:
        case VarKind::Boolean:
            return v.ToDouble();
        case VarKind::String: {
            // The chart reads text the way the data grid would: "." as decimal point.
            double d = 0;
            if (ParseNumber(v.StringRef(), d)) return d;
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

void MemoryChartTextList::Add(const Variant& vText) {
    items.push_back(vText.IsNull() || vText.IsEmpty() ? std::string() : vText.ToString());
}

int32_t MemoryChartStyles::Count() { return std::max(data_->Series(), static_cast<int32_t>(slots_.size())); }

std::shared_ptr<MemoryChartStyleSlot> MemoryChartStyles::Slot(int32_t lIndex) {
    if (lIndex < 1) RaiseBadIndex("MemoryChartStyles");
    while (static_cast<int32_t>(slots_.size()) < lIndex)
        slots_.push_back(std::make_shared<MemoryChartStyleSlot>());
    return slots_[static_cast<size_t>(lIndex - 1)];
}

std::shared_ptr<MemoryChartStyleSlot> MemoryChartStyles::Find(int32_t lIndex) const {
    if (lIndex < 1 || lIndex > static_cast<int32_t>(slots_.size())) return nullptr;
    return slots_[static_cast<size_t>(lIndex - 1)];
}

void MemoryChartValueLabels::Add(const Variant& vPosition, const Variant& vText) {
    labels[vPosition.ToDouble()] = vText.IsNull() || vText.IsEmpty() ? std::string() : vText.ToString();
}

std::shared_ptr<MemoryChartAxisControl> MemoryChartArea::Axis(const std::string& sName) const {
    if (sName == "X") return x;
    if (sName == "Y") return y;
    if (sName == "Y2") return y2;
    Raise(host::kInvalidArrayIndex, "MemoryChartArea", host::kInvalidArrayIndexText);
}
