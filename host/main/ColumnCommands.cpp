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
                   "the grid as ASSET/GRID, e.g. Field/Assets (any letter case); default: all");
    app.add_option("--layout", o->layout,
                   "the grid layout file to load (default: the settings' DefaultLayoutFile)")
        ->type_name("FILE");
    app.footer(
        "Prints each chosen column with its position, identifier, name, unit and width.  Exit status 1 "
        "when the layout file could not be loaded: nothing is printed for a file that cannot be read, is "
        "not well-formed XML or is no grid layout file; what the chooser holds is printed when it loaded "
        "the file only in part.");
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
        PrintTable(c.console.Results(), {"Grid", "Position", "Column", "Name", "Unit", "Width"}, rows,
                   ResultsOnTerminal());
        return errors.Failures() > 0 ? kFailed : kDone;
    };
}

}  // namespace host
