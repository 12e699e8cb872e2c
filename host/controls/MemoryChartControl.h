#pragma once
// An in-memory chart control: its chart groups (made as they are asked
// for), chart area with the axes "X", "Y" and "Y2", header, footer and
// legend, all kept in the parts of MemoryChartParts.h for tests to read.  It
// draws itself as an SVG picture: the title, the axes with their formatted
// labels and titles, each group as lines, bars or stacked bars as its chart
// type says (group 1 on the "Y" axis, later groups on "Y2" while that axis
// shows), the legend and the footer.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "MemoryChartParts.h"
#include "interfaces/ChartControls.h"
#include "platform/runtime/AtomicWrite.h"

class MemoryChartControl final : public IChartControl {
public:
    explicit MemoryChartControl(std::string sName = "Chart1");

    std::string Name() override { return name_; }
    Ref<IChartGroup> ChartGroups(int32_t lGroup) override { return Group(lGroup); }
    Ref<IChartArea> ChartArea() override { return area_; }
    Ref<IChartTitle> Header() override { return header_; }
    Ref<IChartTitle> Footer() override { return footer_; }
    Ref<IChartLegendArea> Legend() override { return legend_; }

    // The group, made (with those before it) when it is not there yet; raises 381 below 1.
    std::shared_ptr<MemoryChartGroup> Group(int32_t lGroup);
    // The groups made so far, group 1 first.
    const std::vector<std::shared_ptr<MemoryChartGroup>>& Groups() const { return groups_; }
    const MemoryChartArea& Area() const { return *area_; }
    const MemoryChartTitle& HeaderPart() const { return *header_; }
    const MemoryChartTitle& FooterPart() const { return *footer_; }
    const MemoryChartLegendArea& LegendPart() const { return *legend_; }

    // The chart as an SVG document of the given size in pixels (at least 200 by 150).
    std::string Svg(int32_t lWidth = 800, int32_t lHeight = 500) const;
    // Writes Svg as the file, whole or not at all, replacing a file there only when `existing`
    // says so; raises as WriteFileAtomically does (58 there already, 75 not a regular file, ...).
    void SaveSvg(const std::string& sFile, ExistingFile existing, int32_t lWidth = 800,
                 int32_t lHeight = 500) const;

    std::string TypeName() const override { return "MemoryChartControl"; }

private:
    std::string name_;
    std::vector<std::shared_ptr<MemoryChartGroup>> groups_;
    std::shared_ptr<MemoryChartArea> area_ = std::make_shared<MemoryChartArea>();
    std::shared_ptr<MemoryChartTitle> header_ = std::make_shared<MemoryChartTitle>();
    std::shared_ptr<MemoryChartTitle> footer_ = std::make_shared<MemoryChartTitle>();
    std::shared_ptr<MemoryChartLegendArea> legend_ = std::make_shared<MemoryChartLegendArea>();
};
