#include "GridLayout.h"

#include <utility>

#include "host/main/DataSet.h"
#include "host/main/Session.h"
#include "interfaces/ISettings2.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"

namespace host {

std::string GridName(const Grid& g) { return std::string(g.assetType) + "/" + g.gridType; }

std::vector<Grid> GridsNamed(const std::string& sName) {
    std::vector<Grid> grids;
    for (const Grid& g : terralith::kResultGrids)
        if (sName.empty() || EqualsNoCase(sName, GridName(g))) grids.push_back(g);
    return grids;
}

std::string UnknownGridMessage(const std::string& sName) {
    std::vector<std::string> names;
    for (const Grid& g : terralith::kResultGrids) names.push_back(GridName(g));
    return "unknown grid: " + sName + "; the grids are " + Join(names, ", ");
}

std::vector<Ref<IDisplayField>> ChosenColumns(IFieldChooser& chooser, const Grid& g) {
    std::vector<Ref<IDisplayField>> columns;
    Ref<cvCollection> active = chooser.ActiveFields(g.assetType, g.gridType);
    if (!active) return columns;
    for (int32_t i = 1; i <= active->Count(); ++i)
        columns.push_back(active->Item(Variant(i)).ToObject<IDisplayField>());
    return columns;
}

namespace {

// The layout file to load: the option, else the one the settings name.
std::string LayoutFile(CommandContext& c, const std::string& option) {
    if (!option.empty()) return option;
    return c.settings ? DefaultLayoutFile(c.root, *c.settings) : "";
}

}  // namespace

Ref<IFieldChooser> LoadGridLayout(CommandContext& c, const std::string& sOption) {
    const std::string layout = LayoutFile(c, sOption);
    if (layout.empty()) {
        c.console.Say(
            "no grid layout file: the settings name none (Options/DefaultLayoutFile); give --layout FILE");
        return {};
    }
    // Looked at first, as a query file is: the chooser's own account calls
    // any file the default one and gives no reason a file cannot be read.
    std::string root;
    std::string problem = XmlFileProblem(layout, &root);
    if (problem.empty() && root != "GridLayouts")
        problem = "not a grid layout file: its root element is " + root + ", not GridLayouts";
    if (!problem.empty()) {
        c.console.Say(layout + ": " + problem);
        return {};
    }
    Ref<IFieldChooser> chooser = c.root.FieldChooser();
    if (!chooser) {
        c.console.Say("the database was opened without a field chooser");
        return {};
    }
    chooser->SetLayoutFile(layout);
    return chooser;
}

}  // namespace host
