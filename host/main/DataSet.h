#pragma once
// Where the data set that the settings describe keeps its files: the one
// place the host turns the settings' names into paths, both for the commands
// that read a file of the data set and for the files no output may replace.
#include <string>

#include "interfaces/ISettings2.h"
#include "platform/runtime/FilesRead.h"
#include "root/cvDataManager.h"

namespace host {

// Where the query manager reads the name of the default query file.
inline constexpr char kDefaultQueryElement[] = "QueryManager/Query/Options/DefaultQueryFile";

// The default query file every query is made from: the settings'
// `element` (kDefaultQueryElement, where the query manager reads it) in the
// data folder's Default/; "" when they name none.
std::string DefaultQueryFile(cvDataManager& root, ISettings2& settings,
                             const char* element = kDefaultQueryElement);

// The grid layout file the settings name (Options/DefaultLayoutFile), in the
// data folder's Default/ unless the name is a path of its own; "" when they
// name none.
std::string DefaultLayoutFile(cvDataManager& root, ISettings2& settings);

// The data folder's chart manifest, Charts/ChartManifest.xml.
std::string ChartManifestFile(cvDataManager& root);

// The data folder's folder of chart definitions, Charts/Definitions.
std::string ChartDefinitionsFolder(cvDataManager& root);

// Every file of the data set, whether a command reads it or not: the
// settings file (which holds the units), each file of the core database
// folder (the core and notes databases, the data files the core database
// links once repaired there, Options.ini), the translation file, the default
// query file, the grid layout file, the chart manifest and each chart
// definition (*.xml of the definitions' folder), and the asset-code index
// files (ind*.dat).  Each is noted as it is on disk now.  Never fails.
FileNotes DataSetFiles(cvDataManager& root, ISettings2& settings);

}  // namespace host
