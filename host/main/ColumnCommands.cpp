#include "ColumnCommands.h"

#include <memory>

#include "host/main/GridLayout.h"
#include "host/main/ShownErrors.h"
#include "host/main/Table.h"

namespace host {

CommandRun DeclareColumns(CLI::App& app) {
    struct Options {
        std::string grid, layout;
    };
    auto o = std::make_shared<Options>();
    app.add_option("GRID", o->grid,
                   "the grid as ASSET/GRID, e.g. Field/Assets (any letter case); default: all")
        ->check(NotEmpty("a grid's name"));
    app.add_option("--layout", o->layout,
                   "the grid layout file to load (default: the settings' DefaultLayoutFile)")
        ->type_name("FILE")
        ->check(NotEmpty("FILE is a file name"));
    app.footer(
        "Prints each chosen column with its position, identifier, name, unit and width.  Exit status 1, "
        "and nothing printed, when the layout file could not be loaded, in whole or in part: a file that "
        "cannot be read, is malformed XML or is no grid layout file, or one the chooser showed an error "
        "for.");
    return [o](CommandContext& c) {
        const std::vector<Grid> grids = GridsNamed(o->grid);
        if (grids.empty()) {
            c.console.Say(UnknownGridMessage(o->grid));
            return kUsage;
        }
        ShownErrors errors;
        Ref<IFieldChooser> chooser = LoadGridLayout(c, o->layout);
        if (!chooser) return kFailed;
        std::vector<TableRow> rows;
        for (const Grid& g : grids) {
            for (const Ref<IDisplayField>& field : ChosenColumns(*chooser, g))
                rows.push_back({GridName(g), CStr(Variant(field->Sequence())), field->Key(),
                                field->DisplayName(), field->DefaultUnit(),
                                CStr(Variant(field->ColumnWidth()))});
        }
        // A layout loaded only in part would pass for the whole of it.
        if (errors.Failures() > 0 || c.Failed()) return kFailed;
        PrintTable(c.console.Results(), {"Grid", "Position", "Column", "Name", "Unit", "Width"}, rows,
                   ResultsOnTerminal());
        return kDone;
    };
}

}  // namespace host
