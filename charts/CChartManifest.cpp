#include "charts/CChartManifest.h"

#include <cstdint>
#include <filesystem>

#include "charts/ChartFile.h"
#include "charts/ChartValueForms.h"
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/Variant.h"
#include "platform/xml/XmlPath.h"

namespace {

// A control's or node's text as the error report records it; never fails, so
// a report is never lost to it.
std::string NameOf(const Ref<ITreeView>& ctl) noexcept {
    try {
        return ctl ? ctl->Name() : std::string();
    } catch (...) {
        return std::string();
    }
}

std::string TextOf(const Ref<ITreeNode>& node) noexcept {
    try {
        return node ? node->Text() : std::string();
    } catch (...) {
        return std::string();
    }
}

// The number with which a tree view refuses a key it holds already.
constexpr int32_t kKeyNotUnique = 35602;

// A node of the tree.  Categories, sub-categories and charts share the tree's
// keys, so two charts of one definition (or a chart named as a category) are
// refused by the tree, whose message names neither the manifest nor the entry:
// the refusal says both.
Ref<ITreeNode> AddNode(const Ref<ITreeView>& ctlTree, const Ref<ITreeNode>& parent, int32_t lRelationship,
                       const std::string& sKey, const std::string& sText, const std::string& sManifest,
                       const char* sKind) {
    try {
        return ctlTree->Nodes()->Add(parent, lRelationship, sKey, sText);
    } catch (const Error& e) {
        if (e.Number() != kKeyNotUnique) throw;
        throw Error(e.Number(), e.Source(),
                    "the chart manifest " + VisibleText(sManifest) + " lists \"" + VisibleText(sKey) +
                        "\" twice, the second time as the " + sKind + " \"" + VisibleText(sText) +
                        "\": " + e.Description(),
                    e.HelpFile(), e.HelpContext());
    }
}

// A chart node: keyed by its definition name, showing its caption, tagged with its description.
void AddChartNode(const Ref<ITreeView>& ctlTree, const Ref<ITreeNode>& parent, const Ref<ISettings2>& entry,
                  const char* captionAttribute, const std::string& sManifest) {
    const std::string sCaption = entry->Attribute(captionAttribute);
    const std::string sDefinition = entry->Attribute("Definition");
    const std::string sDescription = entry->Attribute("Description");
    Ref<ITreeNode> node = AddNode(ctlTree, parent, tvwChild, sDefinition, sCaption, sManifest, "chart");
    node->SetTag(Variant(sDescription));
}

}  // namespace

std::string CChartManifest::ManifestLocation() {
    return PassOn("CChartManifest.IChartManifest_ManifestLocation()", ERR_ARGS(),
                  [&] { return manifestLocation_; });
}

void CChartManifest::SetManifestLocation(const std::string& sValue) {
    PassOn("CChartManifest.IChartManifest_ManifestLocation(sValue)", ERR_ARGS(sValue),
           [&] { manifestLocation_ = sValue; });
}

Ref<cvCollection> CChartManifest::SeriesColours() {
    return PassOn("CChartManifest.IChartManifest_SeriesColours()", ERR_ARGS(),
                  [&] { return seriesColours_; });
}

void CChartManifest::SetSeriesColours(const Ref<cvCollection>& oValue) {
    PassOn("CChartManifest.IChartManifest_SeriesColours(oValue)", ERR_ARGS(oValue),
           [&] { seriesColours_ = oValue; });
}

void CChartManifest::Initialise(const std::string& sManifestLocation) {
    PassOn("CChartManifest.IChartManifest_Initialise(sManifestLocation)", ERR_ARGS(sManifestLocation), [&] {
        Ref<CTools> tools = gTools();
        manifestLocation_ = sManifestLocation;
        document_ = tools->NewSettingsObject();
        seriesColours_ = tools->NewCollection();
        // A missing manifest offers no colours and no charts; one that is there
        // must be a manifest, or a broken file would pass for an empty one.
        std::error_code ec;
        if (!std::filesystem::exists(sManifestLocation, ec)) return;
        LoadChartFile(document_, sManifestLocation, "chart manifest");
        if (document_->Select("Colours")) PopulateSeriesColours();
    });
}

void CChartManifest::PopulateSeriesColours() {
    PassOn("CChartManifest.PopulateSeriesColours()", ERR_ARGS(), [&] {
        Ref<ISettings2> view = document_->Node();
        const int32_t count = view->Count();
        for (int32_t i = 0; i < count; ++i) {
            view->SelectIndex(i);
            const int32_t red = ChartColourComponent(view->Attribute("R"));
            const int32_t green = ChartColourComponent(view->Attribute("G"));
            const int32_t blue = ChartColourComponent(view->Attribute("B"));
            seriesColours_->Add(Variant(red + 256 * green + 65536 * blue), "Series_" + std::to_string(i));
            view->SelectNext();
        }
    });
}

void CChartManifest::PopulateChartsByAssetType(const Ref<ITreeView>& ctlTree, const std::string& sAssetType) {
    PassOn("CChartManifest.IChartManifest_PopulateChartsByAssetType(ctlTree.Name, sAssetType)",
           ERR_ARGS(NameOf(ctlTree), sAssetType), [&] {
               // The asset type becomes part of a path: a text that could not be an element's
               // name names no asset type of the manifest.
               if (!xmlpath::IsXmlName(sAssetType)) return;
               if (!document_->Select("Charts/" + sAssetType)) return;
               ctlTree->Nodes()->Clear();
               Ref<ISettings2> assetType = document_->Node();
               const int32_t count = assetType->Count();
               for (int32_t i = 0; i < count; ++i) {
                   assetType->SelectIndex(i);
                   ParseCharts(ctlTree, assetType->Node());
                   assetType->SelectNext();
               }
               document_->Select("/");
           });
}

void CChartManifest::ParseCharts(const Ref<ITreeView>& ctlTree, const Ref<ISettings2>& oView) {
    PassOn("CChartManifest.ParseCharts(ctlTree.Name, oView)", ERR_ARGS(NameOf(ctlTree), oView), [&] {
        Ref<ISettings2> category = gTools()->NewSettingsObject();
        category->Attach(oView);
        if (category->Count() <= 0) return;
        const std::string sName = category->Attribute("Name");
        Ref<ITreeNode> node =
            AddNode(ctlTree, Ref<ITreeNode>(), tvwFirst, sName, sName, manifestLocation_, "category");
        for (bool more = category->FirstChild(); more; more = category->NextSibling())
            AddChart(ctlTree, node, category->Node());
    });
}

void CChartManifest::AddChart(const Ref<ITreeView>& ctlTree, const Ref<ITreeNode>& oRootNode,
                              const Ref<ISettings2>& oView) {
    PassOn("CChartManifest.AddChart(ctlTree.Name, oRootNode.Text)",
           ERR_ARGS(NameOf(ctlTree), TextOf(oRootNode)), [&] {
               Ref<ISettings2> entry = gTools()->NewSettingsObject();
               entry->Attach(oView);
               if (entry->Count() < 1) {
                   AddChartNode(ctlTree, oRootNode, entry, "Name", manifestLocation_);
                   return;
               }
               const std::string sName = entry->Attribute("Name");
               Ref<ITreeNode> group =
                   AddNode(ctlTree, oRootNode, tvwChild, sName, sName, manifestLocation_, "sub-category");
               for (bool more = entry->FirstChild(); more; more = entry->NextSibling())
                   AddChartNode(ctlTree, group, entry->Node(), "CategoryName", manifestLocation_);
           });
}
