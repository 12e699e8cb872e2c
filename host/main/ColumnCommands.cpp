#include "ColumnCommands.h"

#include <memory>
#include <utility>

#include "host/main/Table.h"
#include "interfaces/IFieldChooser.h"
#include "interfaces/ISettings2.h"
#include "interfaces/ResultGrids.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/ui/MsgBox.h"

namespace host {
namespace {

using Grid = terralith::ResultGrid;

std::string GridName(const Grid& g) { return std::string(g.assetType) + "/" + g.gridType; }

// Counts the error boxes the chooser shows (style 16) while it lives, passing
// every box on; a unit warning is no failure.
class ErrorBoxes {
public:
    ErrorBoxes() {
        previous_ = ui::SetMessageBoxHandler(
            [this](const std::string& text, int32_t style, const std::string& title) {
                if ((style & 0x70) == ui::vbCritical) ++count_;
                return previous_ ? previous_(text, style, title) : ui::UnattendedAnswer(style);
            });
    }
    ~ErrorBoxes() { ui::SetMessageBoxHandler(std::move(previous_)); }
    ErrorBoxes(const ErrorBoxes&) = delete;
    ErrorBoxes& operator=(const ErrorBoxes&) = delete;
    int Count() const { return count_; }

private:
    ui::MessageBoxHandler previous_;
    int count_ = 0;
};

// The layout file to load: the option, else the one the settings name, in
// the data folder's "Default/" folder unless the name is a path of its own.
std::string LayoutFile(CommandContext& c, const std::string& option) {
    if (!option.empty()) return option;
    if (!c.settings) return "";
    const Variant named = c.settings->GetValue("Options/DefaultLayoutFile");
    const std::string name = named.IsNull() ? "" : Trim(CStr(named));
    if (name.empty() || StartsWith(name, "/")) return name;
    return c.root.DataFolder() + "Default/" + name;
}

}  // namespace

CommandRun DeclareColumns(CLI::App& app) {
    struct Options {
        std::string grid, layout;
    };
    auto o = std::make_shared<Options>();
    app.add_option("GRID", o->grid,
                   "the grid as ASSET/GRID, e.g. Field/Assets (any letter case); default: all");
    app.add_option("--layout", o->layout,
                   "the grid layout file to load (default: the settings' DefaultLayoutFile)")
        ->type_name("FILE");
    app.footer(
        "Prints each chosen column with its position, identifier, name, unit and width.  Exit status 1 "
        "when the layout file could not be loaded; what the chooser holds is printed all the same.");
    return [o](CommandContext& c) {
        std::vector<Grid> grids;
        for (const Grid& g : terralith::kResultGrids)
            if (o->grid.empty() || EqualsNoCase(o->grid, GridName(g))) grids.push_back(g);
        if (grids.empty()) {
            std::vector<std::string> names;
            for (const Grid& g : terralith::kResultGrids) names.push_back(GridName(g));
            c.console.Say("unknown grid: " + o->grid + "; the grids are " + Join(names, ", "));
            return kUsage;
        }
        const std::string layout = LayoutFile(c, o->layout);
        if (layout.empty()) {
            c.console.Say(
                "no grid layout file: the settings name none (Options/DefaultLayoutFile); give --layout "
                "FILE");
            return kFailed;
        }
        Ref<IFieldChooser> chooser = c.root.FieldChooser();
        if (!chooser) {
            c.console.Say("the database was opened without a field chooser");
            return kFailed;
        }

        ErrorBoxes errors;
        chooser->SetLayoutFile(layout);
        std::vector<TableRow> rows;
        for (const Grid& g : grids) {
            Ref<cvCollection> active = chooser->ActiveFields(g.assetType, g.gridType);
            if (!active) continue;
            for (int32_t i = 1; i <= active->Count(); ++i) {
                Ref<IDisplayField> field = active->Item(Variant(i)).ToObject<IDisplayField>();
                rows.push_back({GridName(g), CStr(Variant(field->Sequence())), field->Key(),
                                field->DisplayName(), field->DefaultUnit(),
                                CStr(Variant(field->ColumnWidth()))});
            }
        }
        PrintTable(c.console.Results(), {"Grid", "Position", "Column", "Name", "Unit", "Width"}, rows,
                   ResultsOnTerminal());
        return errors.Count() > 0 ? kFailed : kDone;
    };
}

}  // namespace host
