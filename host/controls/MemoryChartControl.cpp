#include "MemoryChartControl.h"

#include <fstream>

#include "ControlErrors.h"
#include "platform/runtime/Error.h"

MemoryChartControl::MemoryChartControl(std::string sName) : name_(std::move(sName)) {}

std::shared_ptr<MemoryChartGroup> MemoryChartControl::Group(int32_t lGroup) {
    if (lGroup < 1) Raise(host::kInvalidArrayIndex, TypeName(), host::kInvalidArrayIndexText);
    while (static_cast<int32_t>(groups_.size()) < lGroup)
        groups_.push_back(std::make_shared<MemoryChartGroup>());
    return groups_[static_cast<size_t>(lGroup - 1)];
}

void MemoryChartControl::SaveSvg(const std::string& sFile, int32_t lWidth, int32_t lHeight) const {
    const std::string svg = Svg(lWidth, lHeight);
    std::ofstream out(sFile, std::ios::binary | std::ios::trunc);
    out << svg;
    out.close();
    if (!out) Raise(rt::kPathFileAccess, TypeName(), "Cannot write the chart picture \"" + sFile + "\"");
}
