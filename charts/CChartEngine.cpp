#include "charts/CChartEngine.h"

#include <cstdint>

#include "charts/CChart.h"
#include "charts/CChartAxis.h"
#include "charts/CChartLabel.h"
#include "charts/CChartLegend.h"
#include "charts/CChartManifest.h"
#include "charts/CChartQuery.h"
#include "charts/CChartSeries.h"
#include "charts/CChartStyle.h"
#include "charts/ChartFile.h"
#include "charts/ChartValueForms.h"
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Variant.h"
#include "platform/toolslib/FileSystemObject.h"

namespace {

// Which attributes a label element carries, in the order they are read.
enum LabelAttributes : unsigned {
    kUnderline = 1,  // chart title, footer, axis title
    kValue = 2,      // chart title: ColumnName, GridName, SheetLabel, Type, DecimalPlaces
};

// An attribute is read only when it is present and not empty.
bool HasAttribute(const Ref<ISettings2>& view, const char* sName, std::string& value) {
    value = view->Attribute(sName);
    return !value.empty();
}

// An element that holds a number or a flag and no text keeps the property's
// value, as an absent element does.
bool HasText(const Ref<ISettings2>& view, std::string& value) {
    value = view->Text();
    return !value.empty();
}

// A new label from the element the view stands on: its text, then its attributes.
Ref<IChartLabel> ReadLabel(const Ref<ISettings2>& view, unsigned attributes) {
    Ref<IChartLabel> label = New<CChartLabel>();
    label->SetText(view->Text());
    std::string value;
    if (HasAttribute(view, "FontName", value)) label->SetFontName(value);
    if (HasAttribute(view, "FontSize", value)) label->SetFontSize(ChartWholeNumber(value));
    if ((attributes & kUnderline) && HasAttribute(view, "Underline", value))
        label->SetUnderline(ChartFlag(value));
    if (HasAttribute(view, "Bold", value)) label->SetBold(ChartFlag(value));
    if (attributes & kValue) {
        if (HasAttribute(view, "ColumnName", value)) label->SetColumnName(value);
        if (HasAttribute(view, "GridName", value)) label->SetGridName(value);
        if (HasAttribute(view, "SheetLabel", value)) label->SetSheetLabel(value);
        if (HasAttribute(view, "Type", value)) label->SetType(value);
        if (HasAttribute(view, "DecimalPlaces", value)) label->SetDecimalPlaces(ChartWholeNumber(value));
    }
    return label;
}

// The elements of one container item, read from the item the view stands on:
// the first one found is looked for below the item, each later one beside
// the one before ("../Name").  Only the current node moves, so the view still
// indexes the container's children afterwards.
class ItemElements {
public:
    explicit ItemElements(Ref<ISettings2> view) : view_(std::move(view)) {}
    bool Find(const std::string& sName) {
        const bool found = view_->SelectRelative(onChild_ ? "../" + sName : sName);
        onChild_ = onChild_ || found;
        return found;
    }

private:
    Ref<ISettings2> view_;
    bool onChild_ = false;
};

// A key of a collection must name its item: an item without one cannot be
// told from the next.
[[noreturn]] void RaiseNoKey(const char* item, int32_t index, const char* element) {
    Raise(rt::kInvalidCall, "",
          std::string("The chart definition's ") + item + " " + std::to_string(index + 1) + " has no " +
              element + " element");
}

// Reads each child of a container into a new collection, in document order
// and whatever its element name: readItem makes the item of the child the
// view stands on and adds it to the collection.
template <class ReadItem>
Ref<cvCollection> ReadContainer(const Ref<ISettings2>& oNode, ReadItem readItem) {
    Ref<CTools> tools = gTools();
    Ref<cvCollection> items = tools->NewCollection();
    Ref<ISettings2> view = tools->NewSettingsObject();
    view->Attach(oNode);
    const int32_t count = view->Count();
    for (int32_t i = 0; i < count; ++i) {
        view->SelectIndex(i);
        readItem(view, i, *items);
    }
    return items;
}

}  // namespace

Ref<IChartManifest> CChartEngine::Manifest() {
    return PassOn("CChartEngine.IChartEngine_Manifest()", ERR_ARGS(), [&] { return manifest_; });
}

std::string CChartEngine::ChartDefinitionFolder() {
    return PassOn("CChartEngine.IChartEngine_ChartDefinitionFolder()", ERR_ARGS(),
                  [&] { return chartDefinitionFolder_; });
}

void CChartEngine::SetChartDefinitionFolder(const std::string& sValue) {
    PassOn("CChartEngine.IChartEngine_ChartDefinitionFolder(sValue)", ERR_ARGS(sValue),
           [&] { chartDefinitionFolder_ = sValue; });
}

void CChartEngine::Initialise(const std::string& sManifestLocation,
                              const std::string& sChartDefinitionFolder) {
    PassOn("CChartEngine.IChartEngine_Initialise(sManifestLocation, sChartDefinitionFolder)",
           ERR_ARGS(sManifestLocation, sChartDefinitionFolder), [&] {
               manifest_ = New<CChartManifest>();
               manifest_->Initialise(sManifestLocation);
               chartDefinitionFolder_ = sChartDefinitionFolder;
           });
}

Ref<IChart> CChartEngine::LoadChart(const std::string& sChartDefinition) {
    return PassOn("CChartEngine.IChartEngine_LoadChart(sChartDefinition)", ERR_ARGS(sChartDefinition),
                  [&]() -> Ref<IChart> {
                      Ref<CTools> tools = gTools();
                      reading_ = tools->NewSettingsObject();
                      Ref<FileSystemObject> fso = tools->FSO();
                      const std::string sPath =
                          fso->BuildPath(chartDefinitionFolder_, sChartDefinition + "." + "xml");
                      if (!fso->FileExists(sPath)) return Ref<IChart>();
                      // Everything in a definition is optional: a file that is no chart definition at
                      // all is refused rather than drawn as a blank chart.
                      LoadChartFile(reading_, sPath, "chart definition");
                      reading_->SelectRelative("TerralithChart/Chart");

                      Ref<CChart> chart = New<CChart>();
                      chart->SetDefinitionName(sChartDefinition);
                      std::string value;
                      if (reading_->Select("TerralithChart/Chart/Title")) {
                          Ref<IChartLabel> title = ReadLabel(reading_, kUnderline | kValue);
                          title->ParseUnitDetails();
                          chart->SetTitle(title);
                      }
                      if (reading_->Select("TerralithChart/Chart/Footer"))
                          chart->SetFooter(ReadLabel(reading_, kUnderline));

                      Ref<IChartLegend> legend = New<CChartLegend>();
                      if (reading_->Select("TerralithChart/Chart/Legend")) {
                          Ref<IChartLabel> title = ReadLabel(reading_, 0);
                          if (HasAttribute(reading_, "Anchor", value)) legend->SetAnchor(value);
                          if (HasAttribute(reading_, "Orientation", value)) legend->SetOrientation(value);
                          legend->SetTitle(title);
                          legend->SetVisible(true);
                      } else {
                          legend->SetVisible(false);
                      }
                      chart->SetLegend(legend);

                      if (reading_->Select("TerralithChart/Chart/IsHorizontal") && HasText(reading_, value))
                          chart->SetIsHorizontal(ChartFlag(value));
                      // The limits are read where they stand, whether or not the definition also
                      // gives the orientation they are usually written beside.
                      if (reading_->Select("TerralithChart/Chart/SeriesLimit") && HasText(reading_, value))
                          chart->SetSeriesLimit(ChartWholeNumber(value));
                      if (reading_->Select("TerralithChart/Chart/LegendLimit") && HasText(reading_, value))
                          chart->SetLegendLimit(ChartWholeNumber(value));

                      if (reading_->Select("TerralithChart/Chart/TerralithRule")) {
                          chart->SetTerralithRule(true);
                          if (HasAttribute(reading_, "Series", value)) chart->SetTerralithRuleSeries(value);
                          if (HasAttribute(reading_, "StackingCategory", value))
                              chart->SetTerralithRuleStackingCategory(value);
                          if (HasAttribute(reading_, "Value", value)) chart->SetTerralithRuleValue(value);
                          if (HasAttribute(reading_, "SortData", value))
                              chart->SetTerralithRuleSortData(ChartFlag(value));
                      }

                      if (reading_->Select("TerralithChart/Chart/Queries"))
                          chart->SetQueries(ParseQueries(reading_->Node()));

                      // Every chart of one manifest shares its colours: the collection itself.
                      chart->SetSeriesColours(manifest_->SeriesColours());
                      return chart;
                  });
}

Ref<cvCollection> CChartEngine::ParseQueries(const Ref<ISettings2>& oNode) {
    return PassOn("CChartEngine.ParseQueries()", ERR_ARGS(), [&] {
        return ReadContainer(oNode, [&](const Ref<ISettings2>& view, int32_t i, cvCollection& queries) {
            Ref<IChartQuery> query = New<CChartQuery>();
            ItemElements item(view);
            if (!item.Find("Name")) RaiseNoKey("query", i, "Name");
            query->SetName(view->Text());
            if (item.Find("SQL")) query->SetSQL(view->Text());
            if (item.Find("SeriesData")) query->SetSeries(ParseSeries(view->Node()));
            queries.Add(Variant(query), query->Name());
        });
    });
}

Ref<cvCollection> CChartEngine::ParseSeries(const Ref<ISettings2>& oView) {
    return PassOn("CChartEngine.ParseSeries(oView)", ERR_ARGS(oView), [&] {
        return ReadContainer(oView, [&](const Ref<ISettings2>& view, int32_t i, cvCollection& series) {
            Ref<IChartSeries> one = New<CChartSeries>();
            ItemElements item(view);
            std::string value;
            // A series without a render mode is kept and draws nothing.
            if (item.Find("RenderMode")) one->SetRenderMode(view->Text());
            if (item.Find("DrawingOrder") && HasText(view, value))
                one->SetDrawingOrder(ChartWholeNumber(value));
            if (item.Find("VerticalPlot") && HasText(view, value)) one->SetVerticalPlot(ChartFlag(value));
            if (item.Find("StackingCategory")) one->SetStackingCategory(view->Text());
            if (item.Find("Axes")) one->SetAxes(ParseAxes(view->Node()));
            if (item.Find("ChartStyles")) one->SetChartStyles(ParseStyles(view->Node()));
            series.Add(Variant(one), "Series_" + std::to_string(i));
        });
    });
}

Ref<cvCollection> CChartEngine::ParseAxes(const Ref<ISettings2>& oNode) {
    return PassOn("CChartEngine.ParseAxes()", ERR_ARGS(), [&] {
        return ReadContainer(oNode, [&](const Ref<ISettings2>& view, int32_t i, cvCollection& axes) {
            Ref<IChartAxis> axis = New<CChartAxis>();
            ItemElements item(view);
            std::string value;
            if (!item.Find("Name")) RaiseNoKey("axis", i, "Name");
            axis->SetName(view->Text());
            if (item.Find("Visible") && HasText(view, value)) axis->SetVisible(ChartFlag(value));
            if (item.Find("Title")) axis->SetLabel(ReadLabel(view, kUnderline));
            if (item.Find("LegendLabel")) axis->SetLegendLabel(view->Text());
            if (item.Find("FieldName")) {
                axis->SetFieldName(view->Text());
                if (HasAttribute(view, "ColumnName", value)) axis->SetColumnName(value);
                if (HasAttribute(view, "GridName", value)) axis->SetGridName(value);
                if (HasAttribute(view, "Type", value)) axis->SetType(value);
                if (HasAttribute(view, "Format", value)) axis->SetFormat(value);
                if (HasAttribute(view, "DecimalPlaces", value))
                    axis->SetDecimalPlaces(ChartWholeNumber(value));
            }
            if (item.Find("TickSpacing") && HasText(view, value))
                axis->SetTickSpacing(ChartWholeNumber(value));
            if (item.Find("AnnotationRotationAngle") && HasText(view, value))
                axis->SetAnnotationRotationAngle(ChartWholeNumber(value));
            if (item.Find("AnnotationSpacing") && HasText(view, value))
                axis->SetAnnotationSpacing(ChartWholeNumber(value));
            if (item.Find("ScalingFactor")) axis->SetScalingFactor(view->Text());
            if (item.Find("NumberingMethod") && HasText(view, value))
                axis->SetNumberingMethod(CInt(Variant(ChartWholeNumber(value))));
            axis->ParseUnitDetails();
            axes.Add(Variant(axis), axis->Name());
        });
    });
}

Ref<cvCollection> CChartEngine::ParseStyles(const Ref<ISettings2>& oNode) {
    return PassOn("CChartEngine.ParseStyles()", ERR_ARGS(), [&] {
        return ReadContainer(oNode, [&](const Ref<ISettings2>& view, int32_t i, cvCollection& styles) {
            Ref<IChartStyle> style = New<CChartStyle>();
            std::string value;
            if (HasAttribute(view, "Type", value)) style->SetType(value);
            if (HasAttribute(view, "Pattern", value)) style->SetPattern(value);
            if (HasAttribute(view, "ForegroundColour", value)) style->SetForegroundColour(ChartColour(value));
            if (HasAttribute(view, "BackgroundColour", value)) style->SetBackgroundColour(ChartColour(value));
            if (HasAttribute(view, "Width", value)) style->SetWidth(ChartWholeNumber(value));
            if (HasAttribute(view, "Shape", value)) style->SetShape(value);
            if (HasAttribute(view, "ShapeSize", value)) style->SetShapeSize(ChartWholeNumber(value));
            if (HasAttribute(view, "ShapeColour", value)) style->SetShapeColour(ChartColour(value));
            if (HasAttribute(view, "ClusterWidth", value)) style->SetClusterWidth(ChartWholeNumber(value));
            styles.Add(Variant(style), "ID_" + std::to_string(i));
        });
    });
}
