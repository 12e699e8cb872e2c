// The picture of the in-memory chart control: what the library set in it,
// drawn as an SVG document a browser opens.
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <sstream>
#include <tuple>

#include "ControlText.h"
#include "MemoryChartControl.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/Variant.h"

namespace {

constexpr double kPixelsPerPoint = 4.0 / 3.0;
constexpr double kGap = 6;

// Colours for what the library left unset, as colour numbers (blue in the high byte).
constexpr int32_t kPalette[] = {0xB4771F, 0x0E7FFF, 0x2CA02C, 0x2827D6, 0xBD6794, 0x4B568C,
                                0xC277E3, 0x7F7F7F, 0x22BDBC, 0xCFBE17, 0xE8C7AE, 0x78BBFF};

int32_t Palette(size_t i) { return kPalette[i % std::size(kPalette)]; }

std::string Num(double d) { return host::FixedText(d, 1, false); }

double FontPixels(const MemoryChartFont& f) { return std::max(1, f.size) * kPixelsPerPoint; }
double LineHeight(const MemoryChartFont& f) { return FontPixels(f) * 1.25; }
// An estimate: the picture is drawn without the fonts at hand.
double TextWidth(const std::string& s, const MemoryChartFont& f) {
    return static_cast<double>(host::CharCount(s)) * FontPixels(f) * 0.55 * (f.bold ? 1.08 : 1.0);
}

struct Box {
    double left, top, right, bottom;
    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
};

class Svg {
public:
    void Text(double x, double y, const std::string& text, const MemoryChartFont& font, const char* anchor,
              double rotate = 0) {
        out_ << "<text x=\"" << Num(x) << "\" y=\"" << Num(y) << "\" text-anchor=\"" << anchor
             << "\" font-family=\"" << host::XmlText(font.name) << "\" font-size=\"" << Num(FontPixels(font))
             << "\"";
        if (font.bold) out_ << " font-weight=\"bold\"";
        if (font.underline) out_ << " text-decoration=\"underline\"";
        if (rotate != 0)
            out_ << " transform=\"rotate(" << Num(rotate) << " " << Num(x) << " " << Num(y) << ")\"";
        out_ << ">" << host::XmlText(text) << "</text>\n";
    }
    void Line(double x1, double y1, double x2, double y2, const std::string& colour, double width,
              const std::string& dash = "") {
        out_ << "<line x1=\"" << Num(x1) << "\" y1=\"" << Num(y1) << "\" x2=\"" << Num(x2) << "\" y2=\""
             << Num(y2) << "\" stroke=\"" << colour << "\" stroke-width=\"" << Num(width) << "\"";
        if (!dash.empty()) out_ << " stroke-dasharray=\"" << dash << "\"";
        out_ << "/>\n";
    }
    void Rect(double x, double y, double w, double h, const std::string& fill,
              const std::string& stroke = "none", double strokeWidth = 1) {
        out_ << "<rect x=\"" << Num(x) << "\" y=\"" << Num(y) << "\" width=\"" << Num(std::max(0.0, w))
             << "\" height=\"" << Num(std::max(0.0, h)) << "\" fill=\"" << fill << "\"";
        if (stroke != "none")
            out_ << " stroke=\"" << stroke << "\" stroke-width=\"" << Num(strokeWidth) << "\"";
        out_ << "/>\n";
    }
    void Raw(const std::string& markup) { out_ << markup; }
    std::string Str() const { return out_.str(); }

private:
    std::ostringstream out_;
};

std::string Dash(int32_t pattern) {
    switch (pattern) {
        case 3:
            return "8,4";
        case 4:
            return "2,3";
        case 5:
            return "8,3,2,3";
        default:
            return "";
    }
}

void Symbol(Svg& svg, double x, double y, int32_t shape, int32_t size, const std::string& colour) {
    const double r = std::max(1, size) / 2.0;
    std::ostringstream s;
    switch (shape) {
        case 1:
            return;
        case 3:
            svg.Rect(x - r, y - r, 2 * r, 2 * r, colour);
            return;
        case 4:
            s << "<polygon points=\"" << Num(x) << "," << Num(y - r) << " " << Num(x + r) << "," << Num(y + r)
              << " " << Num(x - r) << "," << Num(y + r) << "\" fill=\"" << colour << "\"/>\n";
            break;
        case 5:
            s << "<polygon points=\"" << Num(x) << "," << Num(y - r) << " " << Num(x + r) << "," << Num(y)
              << " " << Num(x) << "," << Num(y + r) << " " << Num(x - r) << "," << Num(y) << "\" fill=\""
              << colour << "\"/>\n";
            break;
        case 6:
            svg.Line(x - r, y - r, x + r, y + r, colour, 1.5);
            svg.Line(x - r, y + r, x + r, y - r, colour, 1.5);
            return;
        default:
            s << "<circle cx=\"" << Num(x) << "\" cy=\"" << Num(y) << "\" r=\"" << Num(r) << "\" fill=\""
              << colour << "\"/>\n";
    }
    svg.Raw(s.str());
}

// A value axis: its range, its ticks and how their labels read.
struct Scale {
    double lo = 0, hi = 1;
    std::vector<double> ticks;
    int32_t decimals = 0;
    bool separators = false;

    std::string Label(double v) const { return host::FixedText(v, decimals, separators); }
};

Scale MakeScale(double lo, double hi, const MemoryChartAxisControl& axis) {
    Scale s;
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 0.0);
    if (!(hi > lo)) hi = lo + 1;
    const double span = hi - lo;
    double step = 0;
    if (axis.tickSpacing > 0 && span / axis.tickSpacing <= 200) {
        step = axis.tickSpacing;
    } else {
        const double raw = span / 5;
        const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
        const double f = raw / magnitude;
        if (axis.numMethod == 2)
            step = f <= 1 ? magnitude : 10 * magnitude;
        else
            step = (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * magnitude;
    }
    const double first = std::floor(lo / step + 1e-9);
    const double last = std::ceil(hi / step - 1e-9);
    s.lo = first * step;
    s.hi = std::max(last * step, s.lo + step);
    for (double i = first; i <= last + 1e-9; ++i) s.ticks.push_back(i * step);
    const auto& format = *axis.labelFormat->number;
    s.separators = format.useSeparators;
    s.decimals = format.decimalPlaces >= 0
                     ? format.decimalPlaces
                     : std::clamp(static_cast<int32_t>(-std::floor(std::log10(step) + 1e-9)), 0, 6);
    return s;
}

// The text of a label value: numbers as the run time writes them, Null as nothing.
std::string LabelText(const Variant& v) { return v.IsNull() || v.IsEmpty() ? std::string() : v.ToString(); }

struct Drawn {
    size_t index;  // 0-based group index
    const MemoryChartGroup* group;
    bool onY2;
    size_t firstColour;  // palette position of its first series
};

}  // namespace

std::string MemoryChartControl::Svg(int32_t lWidth, int32_t lHeight) const {
    const double width = std::max(200, lWidth), height = std::max(150, lHeight);
    const MemoryChartArea& area = *area_;
    const MemoryChartAxisControl& xAxis = *area.x;
    const MemoryChartAxisControl& yAxis = *area.y;
    const MemoryChartAxisControl& y2Axis = *area.y2;
    const bool across = !area.isHorizontal;  // categories run across the picture

    ::Svg svg;
    svg.Raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
            Num(width) + "\" height=\"" + Num(height) + "\" viewBox=\"0 0 " + Num(width) + " " + Num(height) +
            "\">\n");
    // The library ends a header without a unit in a blank; the picture's title does not keep it.
    const std::string header = RTrim(header_->text);
    svg.Raw("<title>" + host::XmlText(header_->isShowing ? header : name_) + "</title>\n");
    svg.Rect(0, 0, width, height, "#ffffff");

    // The groups that hold values, which axis they are measured on and where their colours start.
    std::vector<Drawn> drawn;
    size_t colour = 0;
    int32_t points = 0;
    for (size_t i = 0; i < groups_.size(); ++i) {
        const MemoryChartGroup& g = *groups_[i];
        drawn.push_back({i, &g, i > 0 && y2Axis.isShowing, colour});
        colour += static_cast<size_t>(std::max(1, g.data->Series()));
        for (int32_t s = 1; s <= g.data->Series(); ++s) points = std::max(points, g.data->Points(s));
    }
    auto colourOf = [&](const Drawn& d, int32_t series, int32_t set) {
        return host::ColourHex(
            set != host::kUnset ? set : Palette(d.firstColour + static_cast<size_t>(series - 1)));
    };

    Box room{10, 10, width - 10, height - 10};

    // Header and footer.
    if (header_->isShowing && !header.empty()) {
        const MemoryChartFont& f = *header_->font;
        const double x = header_->location->left >= 0 ? room.left + header_->location->left : width / 2;
        svg.Text(x, room.top + FontPixels(f), header, f, header_->location->left >= 0 ? "start" : "middle");
        room.top += LineHeight(f) + kGap;
    }
    if (footer_->isShowing && !footer_->text.empty()) {
        const MemoryChartFont& f = *footer_->font;
        const double x = footer_->location->left >= 0 ? room.left + footer_->location->left : width / 2;
        svg.Text(x, room.bottom - LineHeight(f) * 0.25, footer_->text, f,
                 footer_->location->left >= 0 ? "start" : "middle");
        room.bottom -= LineHeight(f) + kGap;
    }

    // The legend: every group's entries in order, each with the look of its series.
    struct Entry {
        const Drawn* group;
        int32_t series;
        std::string text;
    };
    std::vector<Entry> entries;
    for (const Drawn& d : drawn)
        for (size_t i = 0; i < d.group->seriesLabels->items.size(); ++i)
            entries.push_back({&d, static_cast<int32_t>(i + 1), d.group->seriesLabels->items[i]});
    const MemoryChartLegendArea& legend = *legend_;
    if (legend.isShowing && (!entries.empty() || !legend.text.empty())) {
        const MemoryChartFont& f = *legend.font;
        const double lh = LineHeight(f), swatch = 22, pad = 6;
        auto entryWidth = [&](const Entry& e) { return swatch + 4 + TextWidth(e.text, f) + pad; };
        const bool horizontal = legend.orientation == 2;
        // Rows of entries: one entry a row standing, as many as fit a row lying.
        std::vector<std::vector<const Entry*>> rows;
        double boxWidth = legend.text.empty() ? 0 : TextWidth(legend.text, f);
        for (const Entry& e : entries) {
            if (horizontal && !rows.empty()) {
                double used = 0;
                for (const Entry* o : rows.back()) used += entryWidth(*o);
                if (used + entryWidth(e) <= room.Width() - 2 * pad) {
                    rows.back().push_back(&e);
                    boxWidth = std::max(boxWidth, used + entryWidth(e));
                    continue;
                }
            }
            rows.push_back({&e});
            boxWidth = std::max(boxWidth, entryWidth(e));
        }
        boxWidth = std::min(boxWidth + 2 * pad, room.Width());
        const double boxHeight = std::min(
            (legend.text.empty() ? 0 : lh) + static_cast<double>(rows.size()) * lh + 2 * pad, room.Height());
        double x = 0, y = 0;
        const int32_t a = legend.anchor;
        auto vertical = [&](int32_t north, int32_t south) {
            return a == north   ? room.top
                   : a == south ? room.bottom - boxHeight
                                : (room.top + room.bottom - boxHeight) / 2;
        };
        if (a == 16 || a == 32) {
            x = (room.left + room.right - boxWidth) / 2;
            y = a == 16 ? room.top : room.bottom - boxHeight;
            if (a == 16)
                room.top += boxHeight + kGap;
            else
                room.bottom -= boxHeight + kGap;
        } else if (a == 2 || a == 18 || a == 34) {
            x = room.left;
            y = vertical(18, 34);
            room.left += boxWidth + kGap;
        } else {
            x = room.right - boxWidth;
            y = vertical(17, 33);
            room.right -= boxWidth + kGap;
        }
        if (legend.border->type != 1)
            svg.Rect(x, y, boxWidth, boxHeight, "#ffffff", "#000000", std::max(1, legend.border->width));
        double line = y + pad;
        if (!legend.text.empty()) {
            svg.Text(x + pad, line + FontPixels(f), legend.text, f, "start");
            line += lh;
        }
        for (const auto& row : rows) {
            double at = x + pad;
            for (const Entry* e : row) {
                const double mid = line + lh / 2;
                std::shared_ptr<MemoryChartStyleSlot> slot = e->group->group->styles->Find(e->series);
                const MemoryChartStyleSlot look = slot ? *slot : MemoryChartStyleSlot();
                if (e->group->group->chartType == 1) {
                    const std::string c = colourOf(*e->group, e->series, look.line->color);
                    if (look.line->pattern != 1)
                        svg.Line(at, mid, at + swatch, mid, c, std::max(1, look.line->width),
                                 Dash(look.line->pattern));
                    Symbol(svg, at + swatch / 2, mid, look.symbol->shape, look.symbol->size,
                           look.symbol->color != host::kUnset ? host::ColourHex(look.symbol->color) : c);
                } else {
                    svg.Rect(at, mid - lh * 0.3, swatch, lh * 0.6,
                             colourOf(*e->group, e->series, look.fill->interior->foregroundColor));
                }
                svg.Text(at + swatch + 4, line + FontPixels(f), e->text, f, "start");
                at += entryWidth(*e);
            }
            line += lh;
        }
    }

    // Value ranges: stacked groups by their sums per point, the others by each value.
    double lo[2] = {0, 0}, hi[2] = {0, 0};
    for (const Drawn& d : drawn) {
        const MemoryChartData& data = *d.group->data;
        const int onY2 = d.onY2 ? 1 : 0;
        for (int32_t p = 1; p <= points; ++p) {
            double up = 0, down = 0;
            for (int32_t s = 1; s <= data.Series(); ++s) {
                if (p > data.Points(s)) continue;
                std::optional<double> v = data.Value(s, p);
                if (!v || !std::isfinite(*v)) continue;
                if (d.group->chartType == 4) {
                    (*v >= 0 ? up : down) += *v;
                } else {
                    lo[onY2] = std::min(lo[onY2], *v);
                    hi[onY2] = std::max(hi[onY2], *v);
                }
            }
            lo[onY2] = std::min(lo[onY2], down);
            hi[onY2] = std::max(hi[onY2], up);
        }
    }
    const Scale scales[2] = {MakeScale(lo[0], hi[0], yAxis), MakeScale(lo[1], hi[1], y2Axis)};

    // The category labels.
    std::vector<std::string> categories(static_cast<size_t>(points));
    if (xAxis.annotationMethod == 1) {
        for (const Drawn& d : drawn) {
            const auto& labels = d.group->pointLabels->items;
            if (labels.empty()) continue;
            for (size_t p = 0; p < categories.size() && p < labels.size(); ++p)
                categories[p] = LabelText(labels[p]);
            break;
        }
    } else if (xAxis.annotationMethod == 2) {
        for (const auto& [position, text] : xAxis.valueLabels->labels) {
            const double p = std::round(position);
            if (p >= 1 && p <= points) categories[static_cast<size_t>(p - 1)] = text;
        }
    } else {
        for (size_t p = 0; p < categories.size(); ++p) categories[p] = std::to_string(p + 1);
    }
    // Trailing places with neither a label nor a value in any group are not drawn: a result's title
    // column ("CHARTTITLE") keeps its place among a stack's points without being data, and would
    // only leave an empty band at the end.
    auto holdsValue = [&](int32_t p) {
        for (const Drawn& d : drawn)
            for (int32_t s = 1; s <= d.group->data->Series(); ++s)
                if (p <= d.group->data->Points(s) && d.group->data->Value(s, p)) return true;
        return false;
    };
    while (points > 1 && categories.back().empty() && !holdsValue(points)) {
        --points;
        categories.pop_back();
    }

    // Room for the axes: labels and titles beside the plot.
    const MemoryChartFont& xFont = *xAxis.font;
    const double angle = xAxis.annotationRotationAngle * std::numbers::pi / 180;
    double widest = 0;
    for (const auto& c : categories) widest = std::max(widest, TextWidth(c, xFont));
    auto valueLabelWidth = [&](const Scale& s, const MemoryChartAxisControl& axis) {
        double w = 0;
        for (double t : s.ticks) w = std::max(w, TextWidth(s.Label(t), *axis.font));
        return w;
    };
    auto titleRoom = [](const MemoryChartAxisControl& axis) {
        return axis.title.empty() ? 0.0 : LineHeight(*axis.titleFont) + 4;
    };
    const bool showX = xAxis.isShowing, showY = yAxis.isShowing, showY2 = y2Axis.isShowing;
    Box plot = room;
    if (across) {
        const double xLabels =
            widest * std::fabs(std::sin(angle)) + LineHeight(xFont) * std::fabs(std::cos(angle));
        if (showX) plot.bottom -= 5 + xLabels + 4 + titleRoom(xAxis);
        auto besides = [&](const MemoryChartAxisControl& axis, const Scale& s) {
            const bool turned = axis.titleRotation == 2 || axis.titleRotation == 3;
            if (!turned && !axis.title.empty()) plot.top = std::max(plot.top, room.top + titleRoom(axis) + 4);
            return 5 + valueLabelWidth(s, axis) + 4 + (turned ? titleRoom(axis) : 0);
        };
        if (showY) plot.left += besides(yAxis, scales[0]);
        if (showY2) plot.right -= besides(y2Axis, scales[1]);
        plot.top += 4;
        plot.right -= 8;
    } else {
        const double xLabels =
            widest * std::fabs(std::cos(angle)) + LineHeight(xFont) * std::fabs(std::sin(angle));
        const bool turned = xAxis.titleRotation == 2 || xAxis.titleRotation == 3;
        if (!turned && !xAxis.title.empty()) plot.top += titleRoom(xAxis) + 4;
        if (showX) plot.left += 5 + xLabels + 4 + (turned ? titleRoom(xAxis) : 0);
        if (showY) plot.bottom -= 5 + LineHeight(*yAxis.font) + 4 + titleRoom(yAxis);
        if (showY2) plot.top += 5 + LineHeight(*y2Axis.font) + 4 + titleRoom(y2Axis);
        plot.right -= 12;
    }
    if (plot.Width() < 20) plot.right = plot.left + 20;
    if (plot.Height() < 20) plot.bottom = plot.top + 20;

    const double n = std::max(1, points);
    auto category = [&](double c) {  // c in categories, 0 at the start of the first
        return across ? plot.left + c / n * plot.Width() : plot.top + c / n * plot.Height();
    };
    auto value = [&](double v, const Scale& s) {
        const double f = (v - s.lo) / (s.hi - s.lo);
        return across ? plot.bottom - f * plot.Height() : plot.left + f * plot.Width();
    };
    auto at = [&](double c, double v, const Scale& s) {
        return across ? std::pair{category(c), value(v, s)} : std::pair{value(v, s), category(c)};
    };

    // Grid lines and the value axes with their labels and titles.
    auto drawValueAxis = [&](const MemoryChartAxisControl& axis, const Scale& s, bool second) {
        const MemoryChartFont& f = *axis.font;
        for (double t : s.ticks) {
            const double p = value(t, s);
            if (across) {
                if (!second) svg.Line(plot.left, p, plot.right, p, "#e0e0e0", 1);
                const double edge = second ? plot.right : plot.left;
                svg.Line(edge, p, edge + (second ? 5 : -5), p, "#000000", 1);
                svg.Text(edge + (second ? 9 : -9), p + FontPixels(f) / 3, s.Label(t), f,
                         second ? "start" : "end");
            } else {
                if (!second) svg.Line(p, plot.top, p, plot.bottom, "#e0e0e0", 1);
                const double edge = second ? plot.top : plot.bottom;
                svg.Line(p, edge, p, edge + (second ? -5 : 5), "#000000", 1);
                svg.Text(p, second ? edge - 9 : edge + 9 + FontPixels(f), s.Label(t), f, "middle");
            }
        }
        if (across) {
            const double edge = second ? plot.right : plot.left;
            svg.Line(edge, plot.top, edge, plot.bottom, "#000000", 1);
        } else {
            const double edge = second ? plot.top : plot.bottom;
            svg.Line(plot.left, edge, plot.right, edge, "#000000", 1);
        }
        if (axis.title.empty()) return;
        const MemoryChartFont& tf = *axis.titleFont;
        if (across) {
            const bool turned = axis.titleRotation == 2 || axis.titleRotation == 3;
            const double labels = 5 + valueLabelWidth(s, axis) + 4;
            if (turned) {
                const double x = second ? plot.right + labels + FontPixels(tf) : plot.left - labels - 4;
                svg.Text(x, (plot.top + plot.bottom) / 2, axis.title, tf, "middle",
                         axis.titleRotation == 2 ? -90 : 90);
            } else {
                svg.Text(second ? plot.right : plot.left, plot.top - 8, axis.title, tf,
                         second ? "end" : "start");
            }
        } else {
            const double y = second ? plot.top - 5 - LineHeight(f) - 8
                                    : plot.bottom + 5 + LineHeight(f) + 4 + FontPixels(tf);
            svg.Text((plot.left + plot.right) / 2, y, axis.title, tf, "middle");
        }
    };
    if (showY) drawValueAxis(yAxis, scales[0], false);
    if (showY2) drawValueAxis(y2Axis, scales[1], true);

    // The category axis, labels thinned out where they would run into each other.
    if (showX) {
        const double band = (across ? plot.Width() : plot.Height()) / n;
        const double need = across ? (angle == 0 ? widest + 4 : LineHeight(xFont)) : LineHeight(xFont);
        // Value labels (annotation method 2) are thinned as well, but only among the places that have
        // one: forty labelled years of bars would otherwise be a smear, a sparse few must all stay.
        const size_t every = static_cast<size_t>(std::max(1.0, std::ceil(need / band)));
        const double degrees = -xAxis.annotationRotationAngle;
        std::optional<size_t> lastDrawn;
        for (size_t p = 0; p < categories.size(); ++p) {
            if (categories[p].empty() || (lastDrawn && p - *lastDrawn < every)) continue;
            lastDrawn = p;
            const double c = category(static_cast<double>(p) + 0.5);
            if (across) {
                const double y = plot.bottom + 9 + FontPixels(xFont) * (angle == 0 ? 1 : 0.5);
                svg.Text(c, y, categories[p], xFont, angle == 0 ? "middle" : (angle > 0 ? "end" : "start"),
                         degrees);
            } else {
                svg.Text(plot.left - 9, c + FontPixels(xFont) / 3, categories[p], xFont, "end", degrees);
            }
        }
        if (across)
            svg.Line(plot.left, plot.bottom, plot.right, plot.bottom, "#000000", 1);
        else
            svg.Line(plot.left, plot.top, plot.left, plot.bottom, "#000000", 1);
        if (!xAxis.title.empty()) {
            const MemoryChartFont& tf = *xAxis.titleFont;
            if (across) {
                const double labels =
                    widest * std::fabs(std::sin(angle)) + LineHeight(xFont) * std::fabs(std::cos(angle));
                svg.Text((plot.left + plot.right) / 2, plot.bottom + 5 + labels + 4 + FontPixels(tf),
                         xAxis.title, tf, "middle");
            } else if (xAxis.titleRotation == 2 || xAxis.titleRotation == 3) {
                svg.Text(room.left + FontPixels(tf), (plot.top + plot.bottom) / 2, xAxis.title, tf, "middle",
                         xAxis.titleRotation == 2 ? -90 : 90);
            } else {
                svg.Text(room.left, plot.top - 8, xAxis.title, tf, "start");
            }
        }
    }

    // The series: bars share each category's cluster, stacked groups one place each.
    std::map<std::tuple<int32_t, int32_t, int32_t>, std::string> hatches;
    auto fillOf = [&](const MemoryChartFill& fill, const std::string& colour) -> std::string {
        if (fill.pattern == 1) return "none";
        if (fill.pattern == 2) return colour;
        const int32_t back = fill.interior->backgroundColor;
        auto key = std::make_tuple(fill.pattern, fill.interior->foregroundColor, back);
        auto it = hatches.find(key);
        if (it != hatches.end()) return it->second;
        const std::string id = "hatch" + std::to_string(hatches.size() + 1);
        svg.Raw("<defs><pattern id=\"" + id +
                "\" patternUnits=\"userSpaceOnUse\" width=\"6\" height=\"6\"><rect width=\"6\" height=\"6\" "
                "fill=\"" +
                (back == host::kUnset ? std::string("#ffffff") : host::ColourHex(back)) +
                "\"/><path d=\"M0,6 L6,0\" stroke=\"" + colour +
                "\" stroke-width=\"1.5\"/></pattern></defs>\n");
        hatches.emplace(key, "url(#" + id + ")");
        return "url(#" + id + ")";
    };
    size_t places = 0;
    std::vector<size_t> firstPlace(drawn.size(), 0);
    for (size_t i = 0; i < drawn.size(); ++i) {
        firstPlace[i] = places;
        const MemoryChartGroup& g = *drawn[i].group;
        if (g.chartType == 2) places += static_cast<size_t>(g.data->Series());
        if (g.chartType == 4) places += 1;
    }
    const double cluster = std::clamp(area.bar->clusterWidth, 1, 100) / 100.0;
    auto place = [&](size_t k, int32_t p) {  // the share of category p that bar place k takes
        const double start = p - 1 + (1 - cluster) / 2;
        const double each = cluster / static_cast<double>(std::max<size_t>(1, places));
        return std::pair{start + each * static_cast<double>(k), start + each * static_cast<double>(k + 1)};
    };
    auto bar = [&](double c0, double c1, double v0, double v1, const Scale& s, const std::string& fill,
                   const std::string& outline) {
        auto [xa, ya] = at(c0, v0, s);
        auto [xb, yb] = at(c1, v1, s);
        svg.Rect(std::min(xa, xb), std::min(ya, yb), std::fabs(xb - xa), std::fabs(yb - ya), fill, outline);
    };

    std::vector<size_t> order(drawn.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return drawn[a].group->drawingOrder < drawn[b].group->drawingOrder;
    });
    for (size_t i : order) {
        const Drawn& d = drawn[i];
        const MemoryChartGroup& g = *d.group;
        const MemoryChartData& data = *g.data;
        const Scale& s = scales[d.onY2 ? 1 : 0];
        const double base = std::clamp(0.0, s.lo, s.hi);
        for (int32_t series = 1; series <= data.Series(); ++series) {
            std::shared_ptr<MemoryChartStyleSlot> slot = g.styles->Find(series);
            const MemoryChartStyleSlot look = slot ? *slot : MemoryChartStyleSlot();
            if (g.chartType == 2) {
                const std::string c = colourOf(d, series, look.fill->interior->foregroundColor);
                const std::string fill = fillOf(*look.fill, c);
                for (int32_t p = 1; p <= data.Points(series); ++p) {
                    std::optional<double> v = data.Value(series, p);
                    if (!v || !std::isfinite(*v)) continue;
                    auto [c0, c1] = place(firstPlace[i] + static_cast<size_t>(series - 1), p);
                    bar(c0, c1, base, *v, s, fill, fill == "none" ? c : "none");
                }
            } else if (g.chartType != 4) {
                const std::string c = colourOf(d, series, look.line->color);
                std::string path;
                bool open = false;
                for (int32_t p = 1; p <= data.Points(series); ++p) {
                    std::optional<double> v = data.Value(series, p);
                    if (!v || !std::isfinite(*v)) {
                        open = false;
                        continue;
                    }
                    auto [x, y] = at(p - 0.5, *v, s);
                    path += (open ? " L" : " M") + Num(x) + "," + Num(y);
                    open = true;
                }
                if (!path.empty() && look.line->pattern != 1) {
                    const std::string dash = Dash(look.line->pattern);
                    svg.Raw("<path d=\"" + path.substr(1) + "\" fill=\"none\" stroke=\"" + c +
                            "\" stroke-width=\"" + Num(std::max(1, look.line->width)) + "\"" +
                            (dash.empty() ? "" : " stroke-dasharray=\"" + dash + "\"") + "/>\n");
                }
                const std::string symbolColour =
                    look.symbol->color != host::kUnset ? host::ColourHex(look.symbol->color) : c;
                for (int32_t p = 1; p <= data.Points(series); ++p) {
                    std::optional<double> v = data.Value(series, p);
                    if (!v || !std::isfinite(*v)) continue;
                    auto [x, y] = at(p - 0.5, *v, s);
                    Symbol(svg, x, y, look.symbol->shape, look.symbol->size, symbolColour);
                }
            }
        }
        if (g.chartType == 4) {
            for (int32_t p = 1; p <= points; ++p) {
                double up = 0, down = 0;
                auto [c0, c1] = place(firstPlace[i], p);
                for (int32_t series = 1; series <= data.Series(); ++series) {
                    if (p > data.Points(series)) continue;
                    std::optional<double> v = data.Value(series, p);
                    if (!v || !std::isfinite(*v) || *v == 0) continue;
                    std::shared_ptr<MemoryChartStyleSlot> slot = g.styles->Find(series);
                    const MemoryChartStyleSlot look = slot ? *slot : MemoryChartStyleSlot();
                    const std::string c = colourOf(d, series, look.fill->interior->foregroundColor);
                    const std::string fill = fillOf(*look.fill, c);
                    double& from = *v >= 0 ? up : down;
                    bar(c0, c1, from, from + *v, s, fill, fill == "none" ? c : "#ffffff");
                    from += *v;
                }
            }
        }
    }

    svg.Raw("</svg>\n");
    return svg.Str();
}
