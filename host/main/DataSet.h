#pragma once
// Where the data set that the settings describe keeps its files: the one
// place the host turns the settings' names into paths, both for the commands
// that read a file of the data set and for the files no output may replace.
#include <map>
#include <string>
#include <utility>
#include <vector>

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

// Every file of the data set, whether a command reads it or not, found once
// (a command finds them at its first output check and keeps them): the
// settings file (which holds the units), the core and notes databases,
// Options.ini, the data files the core database links (its LinkedTables
// rows, read without the start-up repair, wherever they are), the
// translation file, the default query file, the grid layout file and the
// chart manifest; and each file of the folders whose files are found there
// rather than named: the core database folder (every file), the chart
// definitions (*.xml) and the asset-code index files (ind*.dat).  A name in
// one of those folders is the data set's whether the folder can be listed
// or not, and whether the file is there yet or not.
class DataSetFiles {
public:
    // No data set: nothing is a file of it.
    DataSetFiles() = default;
    // The data set of `settings`, each file noted as it is on disk now.
    // Never fails: a core database that cannot be read leaves its links
    // unknown (LinksUnknown).
    DataSetFiles(cvDataManager& root, ISettings2& settings);

    // The data set's name of the file `sFile` is or would be: a file it
    // names (the same file once links are followed, hard links included,
    // or the same path), a file found in one of its folders (the same
    // file), or a name that lies in one of those folders (the folder told
    // apart as a file, however its path is spelled) and is one of its files
    // (letter case aside); "" when it is none.  Never fails.
    std::string FileAs(const std::string& sFile) const;

    // Why the data files the core database links are unknown: the reason
    // it could not be read (not there included); "" when they are known.
    const std::string& LinksUnknown() const { return linksUnknown_; }

private:
    // A folder whose files are found by listing it: those whose names,
    // in lower case, begin with `prefix` and end with `suffix`.
    struct ListedFolder {
        std::string path;  // without a closing "/"
        std::string prefix, suffix;
        FileNotes self;  // the folder itself, to know it by however it is named
        bool Holds(const std::string& name) const;
    };
    // Notes each file of `folder` that it holds, as far as it can be listed.
    void List(const ListedFolder& folder);

    FileNotes named_;
    std::vector<ListedFolder> folders_;
    std::map<std::pair<dev_t, ino_t>, std::string> listed_;  // a listed file's name, by the file
    std::string linksUnknown_;
};

}  // namespace host
