#pragma once
// The console host's chart commands:
//   charts [TYPE]              the charts the chart manifest offers per asset
//                              type: category, name, definition, description;
//   chart NAME [QUERY.xml] --svg OUT.svg [--grid OUT.csv]
//                              draws the chart definition NAME for the assets
//                              the query file finds (or --codes) into an
//                              in-memory chart control and grid, and writes
//                              the picture as SVG and the grid as CSV.
// The manifest and the definitions are the data folder's Charts/ChartManifest.xml
// and Charts/Definitions/ unless --manifest and --definitions say otherwise.
#include "host/main/Commands.h"

namespace host {

CommandRun DeclareCharts(CLI::App& app);
CommandRun DeclareChart(CLI::App& app);

}  // namespace host
