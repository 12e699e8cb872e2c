#include "DataSet.h"

#include <dirent.h>
#include <sys/stat.h>

#include <filesystem>

#include "host/main/Console.h"
#include "platform/ado/Connection.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/Variant.h"

namespace host {
namespace {

// The settings' text at `path`, trimmed; "" where there is none.
std::string Named(ISettings2& settings, const char* path) {
    const Variant named = settings.GetValue(path);
    return named.IsNull() ? "" : Trim(CStr(named));
}

// A name the settings give for a file of the data folder's Default/: there
// unless it is a path of its own.
std::string InDefaultFolder(cvDataManager& root, const std::string& name) {
    if (name.empty() || StartsWith(name, "/")) return name;
    return root.DataFolder() + "Default/" + name;
}

// `folder` without the "/" that closes it.
std::string Unclosed(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

std::string DefaultQueryFile(cvDataManager& root, ISettings2& settings, const char* element) {
    // Taken as the query manager takes it: the name as written, in Default/.
    const Variant named = settings.GetValue(element);
    return named.IsNull() ? "" : root.DataFolder() + "Default/" + CStr(named);
}

std::string DefaultLayoutFile(cvDataManager& root, ISettings2& settings) {
    return InDefaultFolder(root, Named(settings, "Options/DefaultLayoutFile"));
}

std::string ChartManifestFile(cvDataManager& root) { return root.DataFolder() + "Charts/ChartManifest.xml"; }

std::string ChartDefinitionsFolder(cvDataManager& root) { return root.DataFolder() + "Charts/Definitions"; }

bool DataSetFiles::ListedFolder::Holds(const std::string& name) const {
    // Letter case aside: a file system that ignores it reads one file by
    // both spellings, and an output is refused rather than risked.
    const std::string lower = LCase(name);
    return name != "." && name != ".." && StartsWith(lower, prefix) && EndsWith(lower, suffix);
}

void DataSetFiles::List(const ListedFolder& folder) {
    // Asked of the folder's own descriptor, name by name: a folder of ten
    // thousand files costs a stat each, and nothing more.
    DIR* listing = ::opendir(folder.path.c_str());
    if (!listing) return;
    const int fd = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        struct stat st {};
        if (folder.Holds(entry->d_name) && ::fstatat(fd, entry->d_name, &st, 0) == 0 && S_ISREG(st.st_mode))
            listed_.emplace(std::make_pair(st.st_dev, st.st_ino), folder.path + "/" + entry->d_name);
    }
    ::closedir(listing);
}

DataSetFiles::DataSetFiles(cvDataManager& root, ISettings2& settings) {
    try {
        named_.Note(settings.FileName());
        const std::string databases = root.CoreDatabaseFolder();
        // Named as well as found there: a database not there yet is the data set's all the same.
        for (const char* database : {"Options/Files/CoreDatabase", "Options/Files/NotesDatabase"})
            if (const std::string name = Named(settings, database); !name.empty())
                named_.Note(databases + name);
        named_.Note(databases + "Options.ini");
        named_.Note(Named(settings, "Options/Files/i18N"));
        named_.Note(DefaultQueryFile(root, settings));
        named_.Note(DefaultQueryFile(root, settings, "Options/DefaultQueryFile"));
        named_.Note(DefaultLayoutFile(root, settings));
        named_.Note(ChartManifestFile(root));
        folders_ = {{Unclosed(databases), "", "", {}},
                    {Unclosed(ChartDefinitionsFolder(root)), "", ".xml", {}},
                    {Unclosed(root.DataFolder() + kAssetIndexFolder), "ind", ".dat", {}}};
        for (ListedFolder& folder : folders_) {
            folder.self.Note(folder.path);
            List(folder);
        }
        // The links as the core database holds them, wherever they lead: the
        // start-up repair has run where the command opened the database, and
        // is not run for it where it did not.  A core database that is not
        // there, or is empty, may be so only for the moment (a new release
        // being copied in): its links are unknown, not none.
        try {
            for (const std::string& linked : ADODB::Connection::LinkedDataFiles(root.Database()))
                named_.Note(linked);
        } catch (const Error& e) {
            linksUnknown_ = PlainDescription(e);
        }
    } catch (...) {
        // Settings that name no data folder name no file in it either.
    }
}

std::string DataSetFiles::FileAs(const std::string& sFile) const {
    if (sFile.empty()) return "";
    if (const FileRead* named = named_.Find(sFile)) return named->path;
    struct stat st {};
    if (::stat(sFile.c_str(), &st) == 0)
        if (const auto found = listed_.find({st.st_dev, st.st_ino}); found != listed_.end())
            return found->second;
    try {
        const std::filesystem::path path(sFile);
        const std::string name = path.filename().string();
        const std::string parent = path.parent_path().empty() ? "." : path.parent_path().string();
        for (const ListedFolder& folder : folders_)
            if (folder.Holds(name) && folder.self.Find(parent)) return folder.path + "/" + name;
    } catch (...) {
        // Out of memory: not the data set's as far as can be said.
    }
    return "";
}

}  // namespace host
