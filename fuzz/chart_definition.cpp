// Fuzz target: arbitrary bytes as a chart definition file, read by the root's
// chart engine with LoadChart, and as a chart manifest filling a tree.
//
// Loading raises Error or gives a chart, never anything else.  A chart given
// holds the manifest's own colour collection and a legend; its queries are
// the children of the file's Queries element, one each, under their names;
// series are keyed "Series_0", "Series_1", ... and styles "ID_0", ... in
// order; axes are keyed by their names; and every member reads back.  The
// same bytes as a manifest give colours or raise Error, and fill a tree for
// any asset type without anything but Error.
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>

#include "core/CTools.h"
#include "core/Globals.h"
#include "host/controls/MemoryTreeView.h"
#include "interfaces/IChart.h"
#include "interfaces/IChartEngine.h"
#include "interfaces/IChartManifest.h"
#include "interfaces/ISettings2.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/cvCollection.h"
#include "support/FuzzCheck.h"
#include "support/FuzzRoot.h"

namespace {

const std::string* gInput = nullptr;

[[noreturn]] void Fail(const std::string& what, const std::string& detail = "") {
    fuzz::Fail(what, detail + "\ninput: " + fuzz::Shown(*gInput));
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out) fuzz::Fail("cannot write " + path);
}

template <class T>
Ref<T> ItemAt(const Ref<cvCollection>& c, int32_t i) {
    Ref<T> item = c->Item(Variant(i)).ToObject<T>();
    if (!item) Fail("an item of a collection is no object of its kind", c->KeyAt(i));
    return item;
}

// Reads every member, so that a value stored wrongly shows under the sanitizers.
void ReadLabel(const Ref<IChartLabel>& l) {
    if (!l) return;
    (void)(l->Text() + l->FontName() + l->ColumnName() + l->GridName() + l->Category() + l->DefaultUnit() +
           l->SheetLabel() + l->Type());
    (void)(l->FontSize() + l->DecimalPlaces() + l->Bold() + l->Underline());
}

void CheckKeysInOrder(const Ref<cvCollection>& c, const std::string& prefix) {
    for (int32_t i = 1; i <= c->Count(); ++i)
        if (c->KeyAt(i) != prefix + std::to_string(i - 1))
            Fail("an item is not keyed by its place", c->KeyAt(i));
}

// The number of child elements of the Queries element the engine reads,
// counted on the file loaded the way the engine loads it; -1 when there is
// no such element.
int QueryElements(const std::string& path) {
    Ref<ISettings2> doc = gTools()->NewSettingsObject();
    if (!doc->Load(path) || !doc->Select("TerralithChart/Chart/Queries")) return -1;
    return doc->Count();
}

void CheckChart(const Ref<IChart>& chart, const Ref<IChartEngine>& engine, const std::string& path) {
    if (chart->SeriesColours().get() != engine->Manifest()->SeriesColours().get())
        Fail("the chart does not hold the manifest's colours");
    if (!chart->Legend()) Fail("the chart has no legend");
    ReadLabel(chart->Title());
    ReadLabel(chart->Footer());
    ReadLabel(chart->Legend()->Title());
    (void)(chart->Legend()->Anchor() + chart->Legend()->Orientation() + chart->TerralithRuleSeries() +
           chart->TerralithRuleStackingCategory() + chart->TerralithRuleValue());
    (void)(chart->SeriesLimit() + chart->LegendLimit() + chart->IsHorizontal() +
           chart->TerralithRuleSortData());

    Ref<cvCollection> queries = chart->Queries();
    const int expected = QueryElements(path);
    if (expected >= 0 && queries->Count() != expected)
        Fail("the chart holds " + std::to_string(queries->Count()) + " queries, the file " +
             std::to_string(expected));
    for (int32_t q = 1; q <= queries->Count(); ++q) {
        Ref<IChartQuery> query = ItemAt<IChartQuery>(queries, q);
        if (queries->KeyAt(q) != query->Name()) Fail("a query is not keyed by its name", query->Name());
        (void)query->SQL();
        Ref<cvCollection> series = query->Series();
        CheckKeysInOrder(series, "Series_");
        for (int32_t s = 1; s <= series->Count(); ++s) {
            Ref<IChartSeries> one = ItemAt<IChartSeries>(series, s);
            (void)(one->RenderMode() + one->StackingCategory());
            (void)(one->DrawingOrder() + one->VerticalPlot());
            Ref<cvCollection> axes = one->Axes();
            for (int32_t a = 1; a <= axes->Count(); ++a) {
                Ref<IChartAxis> axis = ItemAt<IChartAxis>(axes, a);
                if (axes->KeyAt(a) != axis->Name()) Fail("an axis is not keyed by its name", axis->Name());
                ReadLabel(axis->Label());
                (void)(axis->LegendLabel() + axis->FieldName() + axis->Type() + axis->Format() +
                       axis->ScalingFactor() + axis->ColumnName() + axis->GridName());
                (void)(axis->DecimalPlaces() + axis->TickSpacing() + axis->AnnotationRotationAngle() +
                       axis->AnnotationSpacing() + axis->NumberingMethod() + axis->Visible());
            }
            if (Ref<cvCollection> styles = one->ChartStyles()) {
                CheckKeysInOrder(styles, "ID_");
                for (int32_t i = 1; i <= styles->Count(); ++i) {
                    Ref<IChartStyle> style = ItemAt<IChartStyle>(styles, i);
                    (void)(style->Type() + style->Pattern() + style->ForegroundColour() +
                           style->BackgroundColour() + style->Shape() + style->ShapeColour());
                    (void)(style->Width() + style->ShapeSize() + style->ClusterWidth());
                }
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    gInput = &input;
    fuzz::FuzzRoot& fixture = fuzz::FuzzRoot::Get();
    const std::string folder = fuzz::TempFolder();
    static const std::string manifest = [&] {
        const std::string path = folder + "ChartManifest.xml";
        WriteFile(
            path,
            "<TerralithChart><Colours><C R=\"255\" G=\"0\" B=\"0\"/><C R=\"0\" G=\"0\" B=\"255\"/></Colours>"
            "</TerralithChart>");
        return path;
    }();

    Ref<IChartEngine> engine = fixture.root->Charts();
    try {
        engine->Initialise(manifest, folder);
    } catch (const Error& e) {
        Fail("the fixed manifest does not load", e.Description());
    }
    WriteFile(folder + "Fuzzed.xml", input);
    Ref<IChart> chart;
    try {
        chart = engine->LoadChart("Fuzzed");
        if (!chart) Fail("an existing chart file gave no chart");
    } catch (const Error&) {
        chart = nullptr;
    }
    if (chart) CheckChart(chart, engine, folder + "Fuzzed.xml");

    // The same bytes as a manifest.
    try {
        engine->Initialise(folder + "Fuzzed.xml", folder);
    } catch (const Error&) {
    }
    Ref<IChartManifest> read = engine->Manifest();
    if (!read || !read->SeriesColours()) Fail("a manifest read without colours");
    for (int32_t i = 1; i <= read->SeriesColours()->Count(); ++i) {
        const int32_t colour = read->SeriesColours()->Item(Variant(i)).ToLong();
        if (colour < 0 || colour > 0xFFFFFF) Fail("a colour out of range", std::to_string(colour));
    }
    auto tree = std::make_shared<MemoryTreeView>();
    for (const char* assetType : {"Field", "Well", "Block", "Transport"}) {
        try {
            read->PopulateChartsByAssetType(tree, assetType);
        } catch (const Error&) {
        }
    }
    return 0;
}
