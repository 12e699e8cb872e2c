#pragma once
// The console host's field-chooser command: `columns [GRID]` loads the grid
// layout file into the field chooser and prints a grid's chosen columns in
// order, with the unit and width of each; without GRID every grid's.
#include "host/main/Commands.h"

namespace host {

CommandRun DeclareColumns(CLI::App& app);

}  // namespace host
