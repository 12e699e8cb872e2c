#pragma once
// The parts of the in-memory chart control.  Each part keeps what was set in
// public members, so that a test reads back exactly what the library drove
// and the SVG writer draws from it.  A colour, pattern or shape never set is
// kUnset, and the drawing then takes its own.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "interfaces/ChartControls.h"

namespace host {
constexpr int32_t kUnset = -1;
}

class MemoryChartFont final : public IChartFont {
public:
    void SetName(const std::string& sName) override { name = sName; }
    void SetSize(int32_t lSize) override { size = lSize; }
    void SetBold(bool bBold) override { bold = bBold; }
    void SetUnderline(bool bUnderline) override { underline = bUnderline; }

    std::string name = "Arial";
    int32_t size = 8;
    bool bold = false;
    bool underline = false;
};

// Series by points.  Values are kept as given; Value reads one as a number.
class MemoryChartData final : public IChartData {
public:
    void SetIsBatched(bool bBatched) override { isBatched = bBatched; }
    int32_t NumSeries() override { return static_cast<int32_t>(numPoints.size()); }
    void SetNumSeries(int32_t lCount) override;
    int32_t NumPoints(int32_t lSeries) override;
    void SetNumPoints(int32_t lSeries, int32_t lCount) override;
    void SetX(int32_t lSeries, int32_t lPoint, const Variant& vValue) override;
    void SetY(int32_t lSeries, int32_t lPoint, const Variant& vValue) override;

    // The y value of a point as a number; none for a point without one.
    std::optional<double> Value(int32_t lSeries, int32_t lPoint) const;
    int32_t Series() const { return static_cast<int32_t>(numPoints.size()); }
    int32_t Points(int32_t lSeries) const { return numPoints.at(static_cast<size_t>(lSeries - 1)); }

    bool isBatched = false;
    std::vector<int32_t> numPoints;  // per series
    std::map<std::pair<int32_t, int32_t>, Variant> x, y;

private:
    void CheckPoint(int32_t lSeries, int32_t lPoint) const;
};

class MemoryChartTextList final : public IChartTextList {
public:
    void Add(const Variant& vText) override;
    void RemoveAll() override { items.clear(); }

    std::vector<std::string> items;
};

class MemoryChartValueList final : public IChartValueList {
public:
    void Add(const Variant& vValue) override { items.push_back(vValue); }

    std::vector<Variant> items;
};

class MemoryChartInterior final : public IChartInterior {
public:
    void SetForegroundColor(int32_t lColour) override { foregroundColor = lColour; }
    void SetBackgroundColor(int32_t lColour) override { backgroundColor = lColour; }

    int32_t foregroundColor = host::kUnset;
    int32_t backgroundColor = host::kUnset;
};

class MemoryChartFill final : public IChartFill {
public:
    void SetPattern(int32_t lPattern) override { pattern = lPattern; }
    Ref<IChartInterior> Interior() override { return interior; }

    int32_t pattern = 2;
    std::shared_ptr<MemoryChartInterior> interior = std::make_shared<MemoryChartInterior>();
};

class MemoryChartLine final : public IChartLine {
public:
    void SetPattern(int32_t lPattern) override { pattern = lPattern; }
    void SetColor(int32_t lColour) override { color = lColour; }
    void SetWidth(int32_t lWidth) override { width = lWidth; }

    int32_t pattern = 2;
    int32_t color = host::kUnset;
    int32_t width = 1;
};

class MemoryChartSymbol final : public IChartSymbol {
public:
    void SetShape(int32_t lShape) override { shape = lShape; }
    void SetSize(int32_t lSize) override { size = lSize; }
    void SetColor(int32_t lColour) override { color = lColour; }

    int32_t shape = 2;
    int32_t size = 5;
    int32_t color = host::kUnset;
};

class MemoryChartStyleSlot final : public IChartStyleSlot {
public:
    Ref<IChartFill> Fill() override { return fill; }
    Ref<IChartLine> Line() override { return line; }
    Ref<IChartSymbol> Symbol() override { return symbol; }

    std::shared_ptr<MemoryChartFill> fill = std::make_shared<MemoryChartFill>();
    std::shared_ptr<MemoryChartLine> line = std::make_shared<MemoryChartLine>();
    std::shared_ptr<MemoryChartSymbol> symbol = std::make_shared<MemoryChartSymbol>();
};

// The style slots follow the group's series: there are as many as it has,
// or more once a higher slot was asked for.
class MemoryChartStyles final : public IChartStyles {
public:
    explicit MemoryChartStyles(std::shared_ptr<MemoryChartData> data) : data_(std::move(data)) {}
    int32_t Count() override;
    Ref<IChartStyleSlot> Item(int32_t lIndex) override { return Slot(lIndex); }

    // The slot, made when it is not there yet; raises 381 below 1.
    std::shared_ptr<MemoryChartStyleSlot> Slot(int32_t lIndex);
    // The slot when it was made; nullptr otherwise.
    std::shared_ptr<MemoryChartStyleSlot> Find(int32_t lIndex) const;

private:
    std::shared_ptr<MemoryChartData> data_;
    std::vector<std::shared_ptr<MemoryChartStyleSlot>> slots_;
};

class MemoryChartGroup final : public IChartGroup {
public:
    void SetChartType(int32_t lType) override { chartType = lType; }
    void SetDrawingOrder(int32_t lOrder) override { drawingOrder = lOrder; }
    Ref<IChartData> Data() override { return data; }
    Ref<IChartTextList> SeriesLabels() override { return seriesLabels; }
    Ref<IChartValueList> SeriesFields() override { return seriesFields; }
    Ref<IChartValueList> PointLabels() override { return pointLabels; }
    Ref<IChartStyles> Styles() override { return styles; }

    int32_t chartType = 1;
    int32_t drawingOrder = 0;
    std::shared_ptr<MemoryChartData> data = std::make_shared<MemoryChartData>();
    std::shared_ptr<MemoryChartTextList> seriesLabels = std::make_shared<MemoryChartTextList>();
    std::shared_ptr<MemoryChartValueList> seriesFields = std::make_shared<MemoryChartValueList>();
    std::shared_ptr<MemoryChartValueList> pointLabels = std::make_shared<MemoryChartValueList>();
    std::shared_ptr<MemoryChartStyles> styles = std::make_shared<MemoryChartStyles>(data);
};

class MemoryChartValueLabels final : public IChartValueLabels {
public:
    // Raises 13 for a position that is no number.
    void Add(const Variant& vPosition, const Variant& vText) override;

    std::map<double, std::string> labels;  // by position
};

class MemoryChartNumberFormat final : public IChartNumberFormat {
public:
    void SetDecimalPlaces(int32_t lPlaces) override { decimalPlaces = lPlaces; }
    void SetUseSeparators(bool bUse) override { useSeparators = bUse; }

    int32_t decimalPlaces = host::kUnset;  // unset: as many as the tick spacing needs
    bool useSeparators = false;
};

class MemoryChartLabelFormat final : public IChartLabelFormat {
public:
    Ref<IChartNumberFormat> Number() override { return number; }

    std::shared_ptr<MemoryChartNumberFormat> number = std::make_shared<MemoryChartNumberFormat>();
};

class MemoryChartAxisControl final : public IChartAxisControl {
public:
    MemoryChartAxisControl(std::string sName, bool bShowing) : name(std::move(sName)), isShowing(bShowing) {}
    void SetIsShowing(bool bShowing) override { isShowing = bShowing; }
    void SetAnnotationMethod(int32_t lMethod) override { annotationMethod = lMethod; }
    void SetAnnotationRotationAngle(int32_t lAngle) override { annotationRotationAngle = lAngle; }
    Ref<IChartValueLabels> ValueLabels() override { return valueLabels; }
    Ref<IChartFont> Font() override { return font; }
    Ref<IChartFont> TitleFont() override { return titleFont; }
    void SetTitle(const std::string& sTitle) override { title = sTitle; }
    void SetTitleRotation(int32_t lRotation) override { titleRotation = lRotation; }
    Ref<IChartLabelFormat> LabelFormat() override { return labelFormat; }
    void SetNumMethod(int32_t lMethod) override { numMethod = lMethod; }
    void SetTickSpacing(int32_t lSpacing) override { tickSpacing = lSpacing; }

    std::string name;
    bool isShowing;
    int32_t annotationMethod = 0;
    int32_t annotationRotationAngle = 0;
    std::shared_ptr<MemoryChartValueLabels> valueLabels = std::make_shared<MemoryChartValueLabels>();
    std::shared_ptr<MemoryChartFont> font = std::make_shared<MemoryChartFont>();
    std::shared_ptr<MemoryChartFont> titleFont = std::make_shared<MemoryChartFont>();
    std::string title;
    int32_t titleRotation = 0;
    std::shared_ptr<MemoryChartLabelFormat> labelFormat = std::make_shared<MemoryChartLabelFormat>();
    int32_t numMethod = 1;
    int32_t tickSpacing = 0;
};

class MemoryChartBar final : public IChartBar {
public:
    void SetClusterWidth(int32_t lWidth) override { clusterWidth = lWidth; }

    int32_t clusterWidth = 80;
};

class MemoryChartArea final : public IChartArea {
public:
    void SetIsHorizontal(bool bHorizontal) override { isHorizontal = bHorizontal; }
    Ref<IChartBar> Bar() override { return bar; }
    Ref<IChartAxisControl> Axes(const std::string& sName) override { return Axis(sName); }

    // The axis "X", "Y" or "Y2" (exactly so written); raises 381 for any other name.
    std::shared_ptr<MemoryChartAxisControl> Axis(const std::string& sName) const;

    bool isHorizontal = false;
    std::shared_ptr<MemoryChartBar> bar = std::make_shared<MemoryChartBar>();
    std::shared_ptr<MemoryChartAxisControl> x = std::make_shared<MemoryChartAxisControl>("X", true);
    std::shared_ptr<MemoryChartAxisControl> y = std::make_shared<MemoryChartAxisControl>("Y", true);
    std::shared_ptr<MemoryChartAxisControl> y2 = std::make_shared<MemoryChartAxisControl>("Y2", false);
};

class MemoryChartLocation final : public IChartLocation {
public:
    void SetLeft(int32_t lLeft) override { left = lLeft; }

    int32_t left = host::kUnset;  // unset: centred
};

class MemoryChartTitle final : public IChartTitle {
public:
    void SetIsShowing(bool bShowing) override { isShowing = bShowing; }
    void SetText(const std::string& sText) override { text = sText; }
    Ref<IChartFont> Font() override { return font; }
    Ref<IChartLocation> Location() override { return location; }

    bool isShowing = false;
    std::string text;
    std::shared_ptr<MemoryChartFont> font = std::make_shared<MemoryChartFont>();
    std::shared_ptr<MemoryChartLocation> location = std::make_shared<MemoryChartLocation>();
};

class MemoryChartBorder final : public IChartBorder {
public:
    void SetType(int32_t lType) override { type = lType; }
    void SetWidth(int32_t lWidth) override { width = lWidth; }

    int32_t type = 1;
    int32_t width = 1;
};

class MemoryChartLegendArea final : public IChartLegendArea {
public:
    void SetIsShowing(bool bShowing) override { isShowing = bShowing; }
    void SetText(const std::string& sText) override { text = sText; }
    Ref<IChartFont> Font() override { return font; }
    Ref<IChartBorder> Border() override { return border; }
    void SetAnchor(int32_t lAnchor) override { anchor = lAnchor; }
    void SetOrientation(int32_t lOrientation) override { orientation = lOrientation; }

    bool isShowing = false;
    std::string text;
    std::shared_ptr<MemoryChartFont> font = std::make_shared<MemoryChartFont>();
    std::shared_ptr<MemoryChartBorder> border = std::make_shared<MemoryChartBorder>();
    int32_t anchor = 1;
    int32_t orientation = 1;
};
