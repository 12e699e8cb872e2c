#include "DataSet.h"

#include <filesystem>

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

// Notes each regular file of `folder` whose name begins with `prefix` and
// ends with `suffix`; a folder that cannot be read has none to note.
void NoteFilesIn(FileNotes& notes, const std::string& folder, const std::string& prefix,
                 const std::string& suffix) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (StartsWith(name, prefix) && EndsWith(name, suffix) && it->is_regular_file(ec))
            notes.Note(it->path().string());
    }
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

FileNotes DataSetFiles(cvDataManager& root, ISettings2& settings) {
    FileNotes files;
    try {
        files.Note(settings.FileName());
        const std::string databases = root.CoreDatabaseFolder();
        // Named as well as found there: a database not there yet is the data set's all the same.
        for (const char* database : {"Options/Files/CoreDatabase", "Options/Files/NotesDatabase"})
            if (const std::string name = Named(settings, database); !name.empty())
                files.Note(databases + name);
        NoteFilesIn(files, databases, "", "");
        files.Note(Named(settings, "Options/Files/i18N"));
        files.Note(DefaultQueryFile(root, settings));
        files.Note(DefaultQueryFile(root, settings, "Options/DefaultQueryFile"));
        files.Note(DefaultLayoutFile(root, settings));
        files.Note(ChartManifestFile(root));
        NoteFilesIn(files, ChartDefinitionsFolder(root), "", ".xml");
        NoteFilesIn(files, root.DataFolder() + kAssetIndexFolder, "ind", ".dat");
    } catch (...) {
        // Settings that name no data folder name no file in it either.
    }
    return files;
}

}  // namespace host
