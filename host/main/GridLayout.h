#pragma once
// The result grids as the console host's commands name them (ASSET/GRID,
// e.g. "Field/Assets", in any letter case) and the grid layout file loaded
// into the field chooser: what `columns` and `run --grid` share.
#include <string>
#include <vector>

#include "host/main/Commands.h"
#include "interfaces/IFieldChooser.h"
#include "interfaces/ResultGrids.h"

namespace host {

using Grid = terralith::ResultGrid;

// "ASSET/GRID", as the commands print and accept it; never fails.
std::string GridName(const Grid& g);

// The grids sName picks: every grid for "", else the one named ASSET/GRID
// without regard to case; none for a name no grid has.  Never fails.
std::vector<Grid> GridsNamed(const std::string& sName);

// What to say of a grid name no grid has, listing the grids; never fails.
std::string UnknownGridMessage(const std::string& sName);

// The chosen columns of the grid in the chooser's order, position 1 first;
// none when the chooser shows a failure (counted by ShownErrors::Failures).
std::vector<Ref<IDisplayField>> ChosenColumns(IFieldChooser& chooser, const Grid& g);

// Loads the grid layout file, sOption or else the settings' DefaultLayoutFile
// (in the data folder's "Default/" unless a path of its own), into the root's
// field chooser and returns the chooser; Nothing after saying why when there
// is no file to load, no chooser, or a file that cannot be read, is not
// well-formed XML or has another root element than GridLayouts (leading with
// the file).  What else keeps the file from loading is shown by the chooser,
// naming it: count that with a ShownErrors around the call.
Ref<IFieldChooser> LoadGridLayout(CommandContext& c, const std::string& sOption);

}  // namespace host
