#include "charts/CChart.h"

#include <cmath>
#include <vector>

#include "charts/ChartColours.h"
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/IDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/units/Units.h"

namespace {

constexpr const char* kNoData = "No Data Available.";
constexpr const char* kLegendTooLarge =
    "Your data selection is too large to show all data points on the legend with the chart";

int32_t LegendAnchor(const std::string& sAnchor) {
    if (sAnchor == "North") return 16;
    if (sAnchor == "NorthEast") return 17;
    if (sAnchor == "East") return 1;
    if (sAnchor == "SouthEast") return 33;
    if (sAnchor == "South") return 32;
    if (sAnchor == "SouthWest") return 34;
    if (sAnchor == "West") return 2;
    if (sAnchor == "NorthWest") return 18;
    return 17;
}

// A colour of a style as the definition holds it (decimal text); an empty
// one leaves the control's colour as it is.
template <class Set>
void SetColour(const std::string& sColour, Set set) {
    if (!sColour.empty()) set(CLng(Variant(sColour)));
}

}  // namespace

CChart::CChart() {
    Ref<CTools> tools = gTools();
    queries_ = tools->NewCollection();
    seriesColours_ = tools->NewCollection();
    fieldDefinitions_ = tools->NewCollection();
}

bool CChart::Render(const Ref<ISpreadsheetGrid>& sprData, const Ref<IChartControl>& chChart,
                    const std::string& sAssetCodes) {
    return EndHere(*this, "CChart.IChart_Render()", ERR_ARGS(), [&]() -> bool {
        dataOK_ = true;
        legendOK_ = true;
        noData_ = false;
        dataTitle_.clear();
        gridRows_ = gridCols_ = 0;
        columns_.clear();
        failedQuery_ = 0;
        failedQueryReason_.clear();
        assetCodes_.reset();

        // The queries are opened before any is drawn, as far as they open: a
        // bar or line query's points depend on the X values of all of them.
        // Those before one that cannot be opened are drawn, placed among
        // themselves; those after it are not run.
        const int32_t queries = queries_->Count();
        std::vector<Ref<ADODB::Recordset>> results;
        for (int32_t g = 1; g <= queries && failedQuery_ == 0; ++g) {
            Ref<IChartQuery> query = queries_->Item(Variant(g)).ToObject<IChartQuery>();
            Ref<ADODB::Recordset> rs = ExecuteQuery(query->SQL(), sAssetCodes, g);
            if (rs)
                results.push_back(rs);
            else
                failedQuery_ = g;
        }
        PlacePoints(results);

        for (int32_t g = 1; g <= static_cast<int32_t>(results.size()); ++g) {
            Ref<IChartQuery> query = queries_->Item(Variant(g)).ToObject<IChartQuery>();
            const Ref<ADODB::Recordset>& rs = results[static_cast<size_t>(g - 1)];
            if (rs->State() != 1) continue;
            if (rs->RecordCount() == 0) {
                ShowNoData(sprData);
                rs->Close();
                continue;
            }
            Ref<IChartData> data = chChart->ChartGroups(g)->Data();
            data->SetIsBatched(true);
            data->SetNumSeries(1);
            const bool placed = !recordPoints_[static_cast<size_t>(g - 1)].empty();
            data->SetNumPoints(1, placed ? xPoints_.Count() : rs->RecordCount());
            Ref<cvCollection> series = query->Series();
            const int32_t count = series->Count();
            for (int32_t s = 1; s <= count; ++s) {
                Ref<IChartSeries> oSeries = series->Item(Variant(s)).ToObject<IChartSeries>();
                PlotSeries(rs, sprData, chChart, oSeries, g);
                StyleSeries(chChart, oSeries, g, s);
            }
            rs->Close();
        }

        // The points were this drawing's alone.
        xPoints_ = ChartXPoints();
        recordPoints_.clear();
        xAxes_.clear();
        // A query that could not be opened ends the drawing where it stands: no
        // headings, header, footer, legend or column widths.
        if (failedQuery_ != 0) {
            dataOK_ = false;
            return false;
        }

        for (size_t c = 0; c < columns_.size(); ++c)
            PopulateCell(sprData, static_cast<int32_t>(c) + 1, 1, Variant(columns_[c].heading), "200", true,
                         "", 0);
        columns_.clear();

        WriteHeader(sprData, chChart);
        if (footer_) {
            Ref<IChartTitle> footer = chChart->Footer();
            footer->SetIsShowing(true);
            footer->SetText(footer_->Text());
            Ref<IChartFont> font = footer->Font();
            font->SetSize(footer_->FontSize());
            font->SetName(footer_->FontName());
            font->SetBold(footer_->Bold());
            font->SetUnderline(footer_->Underline());
            footer->Location()->SetLeft(5);
        }
        WriteLegend(chChart);
        chChart->ChartArea()->SetIsHorizontal(isHorizontal_);
        SizeColumns(sprData);
        return dataOK_;
    });
}

void CChart::PlotSeries(const Ref<ADODB::Recordset>& rs, const Ref<ISpreadsheetGrid>& sprData,
                        const Ref<IChartControl>& chChart, const Ref<IChartSeries>& oSeries, int32_t lGroup) {
    const std::string mode = oSeries->RenderMode();
    Ref<IChartGroup> group = chChart->ChartGroups(lGroup);
    if (mode == "BAR" || mode == "LINE") {
        group->SetChartType(mode == "BAR" ? 2 : 1);
        Ref<cvCollection> axes = oSeries->Axes();
        for (int32_t a = 1; a <= axes->Count(); ++a) {
            PopulateAxisData(sprData, chChart, rs, axes->Item(Variant(a)).ToObject<IChartAxis>(), lGroup);
            rs->MoveFirst();
        }
        if (FieldExists(rs, "CHARTTITLE") && dataTitle_.empty()) {
            const Variant title = rs->Fields("CHARTTITLE").Value();
            if (!title.IsNull()) dataTitle_ = CStr(title);
        }
        CheckLimits(chChart, lGroup, rs->RecordCount(), rs->Fields().Count());
    } else if (mode == "STACKED") {
        group->SetChartType(4);
        if (terralithRule_) {
            PlotStackedGraphUsingTerralithRule(rs, sprData, chChart, oSeries->Axes(), lGroup);
        } else if (oSeries->VerticalPlot()) {
            ParseVerticalStackedData(rs, sprData, chChart, oSeries->Axes(), oSeries->StackingCategory(),
                                     lGroup);
            CheckLimits(chChart, lGroup, rs->Fields().Count(), rs->RecordCount());
        } else {
            ParseHorizontalStackedData(rs, sprData, chChart, oSeries->Axes(), oSeries->StackingCategory(),
                                       lGroup);
            CheckLimits(chChart, lGroup, rs->RecordCount(), rs->Fields().Count());
        }
    }
}

void CChart::StyleSeries(const Ref<IChartControl>& chChart, const Ref<IChartSeries>& oSeries, int32_t lGroup,
                         int32_t lSeries) {
    Ref<IChartGroup> group = chChart->ChartGroups(lGroup);
    group->SetDrawingOrder(oSeries->DrawingOrder());
    group->Data()->SetIsBatched(false);

    // Bars and lines take the colour of their query; stacked rows take the colours in turn.
    const std::string mode = oSeries->RenderMode();
    if (mode == "BAR") {
        const int32_t colour = ChartSeriesColour(seriesColours_, lGroup);
        Ref<IChartFill> fill = group->Styles()->Item(lSeries)->Fill();
        fill->SetPattern(2);
        fill->Interior()->SetForegroundColor(colour);
        fill->Interior()->SetBackgroundColor(colour);
    } else if (mode == "LINE") {
        const int32_t colour = ChartSeriesColour(seriesColours_, lGroup);
        Ref<IChartStyleSlot> slot = group->Styles()->Item(lSeries);
        Ref<IChartLine> line = slot->Line();
        line->SetPattern(2);
        line->SetColor(colour);
        line->SetWidth(2);
        Ref<IChartSymbol> symbol = slot->Symbol();
        symbol->SetShape(5);
        symbol->SetSize(7);
        symbol->SetColor(colour);
    } else if (mode == "STACKED") {
        Ref<IChartStyles> styles = group->Styles();
        const int32_t count = styles->Count();
        for (int32_t i = 1; i <= count; ++i) {
            Ref<IChartFill> fill = styles->Item(i)->Fill();
            fill->SetPattern(2);
            fill->Interior()->SetForegroundColor(ChartSeriesColour(seriesColours_, i));
        }
    }

    Ref<cvCollection> styles = oSeries->ChartStyles();
    if (!styles) return;
    for (int32_t i = 1; i <= styles->Count(); ++i) {
        Ref<IChartStyle> style = styles->Item(Variant(i)).ToObject<IChartStyle>();
        const std::string type = style->Type();
        if (type == "BAR") {
            Ref<IChartFill> fill = group->Styles()->Item(lSeries)->Fill();
            fill->SetPattern(CLng(Variant(style->Pattern())));
            Ref<IChartInterior> interior = fill->Interior();
            SetColour(style->ForegroundColour(), [&](int32_t c) { interior->SetForegroundColor(c); });
            SetColour(style->BackgroundColour(), [&](int32_t c) { interior->SetBackgroundColor(c); });
            chChart->ChartArea()->Bar()->SetClusterWidth(style->ClusterWidth());
        } else if (type == "LINE") {
            Ref<IChartStyleSlot> slot = group->Styles()->Item(lSeries);
            Ref<IChartLine> line = slot->Line();
            line->SetPattern(CLng(Variant(style->Pattern())));
            SetColour(style->ForegroundColour(), [&](int32_t c) { line->SetColor(c); });
            line->SetWidth(style->Width());
            Ref<IChartSymbol> symbol = slot->Symbol();
            symbol->SetShape(CLng(Variant(style->Shape())));
            symbol->SetSize(style->ShapeSize());
            SetColour(style->ShapeColour(), [&](int32_t c) { symbol->SetColor(c); });
        } else if (type == "STACKED") {
            chChart->ChartArea()->Bar()->SetClusterWidth(style->ClusterWidth());
        }
    }
}

void CChart::ShowNoData(const Ref<ISpreadsheetGrid>& sprData) {
    // The header says so at the end of this drawing; the definition's title stays as it is.
    noData_ = true;
    sprData->SetCol(1);
    sprData->SetRow(1);
    sprData->SetCellType(5);
    sprData->SetTypeTextWordWrap(false);
    Ref<IGridFont> font = sprData->Font();
    font->SetName("Arial");
    font->SetSize(9);
    font->SetBold(true);
    sprData->SetText(1, 1, Variant(kNoData));
}

void CChart::WriteHeader(const Ref<ISpreadsheetGrid>& sprData, const Ref<IChartControl>& chChart) {
    if (!title_) return;
    Ref<IChartTitle> header = chChart->Header();
    header->SetIsShowing(true);
    Ref<IChartFont> font = header->Font();
    font->SetSize(title_->FontSize());
    font->SetName(title_->FontName());
    font->SetBold(true);
    font->SetUnderline(title_->Underline());

    const std::string sCategory = title_->Category();
    const std::string sUnit = title_->DefaultUnit();
    std::string suffix;
    if (!sCategory.empty() && !sUnit.empty())
        suffix = " (" + Ref<Units>(gDataManager()->Units())->UnitLabel(sCategory, sUnit) + ")";
    const std::string text = noData_ ? kNoData : title_->Text();

    if (dataTitle_.empty()) {
        header->SetText(text + " " + suffix);
        return;
    }
    const int32_t decimals = title_->DecimalPlaces();
    Variant value(dataTitle_);
    if (!sCategory.empty())
        value = Variant(Ref<Units>(gDataManager()->Units())->Convert(CDbl(value), sCategory, sUnit));
    if (value.IsNumber() || IsNumericText(dataTitle_)) {
        const double scale = std::pow(10.0, decimals);
        value = Variant(RoundHalfEven(CDbl(value) * scale) / scale);
    }
    header->SetText(Replace(text, "CHARTTITLE", CStr(value)) + " " + suffix);
    sprData->InsertRows(1, 2);
    PopulateCell(sprData, 1, 1, Variant(title_->SheetLabel() + " " + suffix), GetType("String"), true, "", 0);
    PopulateCell(sprData, 2, 1, value, GetType(title_->Type()), false, "", CInt(Variant(decimals)));
}

void CChart::WriteLegend(const Ref<IChartControl>& chChart) {
    Ref<IChartLegendArea> legend = chChart->Legend();
    // A chart without a legend element has no title label: its font settings are left to the control.
    Ref<IChartLabel> label = legend_ ? legend_->Title() : Ref<IChartLabel>();
    auto setFont = [&] {
        if (!label) return;
        Ref<IChartFont> font = legend->Font();
        font->SetName(label->FontName());
        font->SetSize(label->FontSize());
        font->SetBold(label->Bold());
    };
    if (!legendOK_) {
        chChart->ChartGroups(1)->SeriesLabels()->Add(Variant(kLegendTooLarge));
        legend->SetIsShowing(true);
        setFont();
        legend->Border()->SetType(4);
        legend->Border()->SetWidth(1);
        legend->SetAnchor(16);
        return;
    }
    if (!legend_ || !legend_->Visible()) {
        legend->SetIsShowing(false);
        return;
    }
    legend->SetIsShowing(true);
    if (label) legend->SetText(label->Text());
    setFont();
    legend->Border()->SetType(4);
    legend->Border()->SetWidth(1);
    legend->SetAnchor(LegendAnchor(legend_->Anchor()));
    legend->SetOrientation(legend_->Orientation() == "Horizontal" ? 2 : 1);
}

void CChart::SizeColumns(const Ref<ISpreadsheetGrid>& sprData) {
    // Every column as wide as the widest text of the whole grid.
    const int32_t cols = sprData->MaxCols();
    int32_t width = 0;
    for (int32_t c = 1; c <= cols; ++c) {
        sprData->SetCol(c);
        const double measured = sprData->MaxTextColWidth(c);
        if (measured > width) width = CLng(Variant(measured));
    }
    for (int32_t c = 1; c <= cols; ++c) sprData->SetColWidth(c, width);
}
