#include "MemoryChartControl.h"

#include "ControlErrors.h"
#include "platform/runtime/Error.h"

MemoryChartControl::MemoryChartControl(std::string sName) : name_(std::move(sName)) {}

std::shared_ptr<MemoryChartGroup> MemoryChartControl::Group(int32_t lGroup) {
    if (lGroup < 1) Raise(host::kInvalidArrayIndex, TypeName(), host::kInvalidArrayIndexText);
    while (static_cast<int32_t>(groups_.size()) < lGroup)
        groups_.push_back(std::make_shared<MemoryChartGroup>());
    return groups_[static_cast<size_t>(lGroup - 1)];
}

void MemoryChartControl::SaveSvg(const std::string& sFile, ExistingFile existing, int32_t lWidth,
                                 int32_t lHeight) const {
    WriteFileAtomically(sFile, Svg(lWidth, lHeight), "MemoryChartControl", existing);
}
