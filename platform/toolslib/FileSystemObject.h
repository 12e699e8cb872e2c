#pragma once
// The file-system object: the few members of the scripting run time's object
// that the library uses.  Paths use "/"; where a path is taken apart, "\"
// separates too.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class FileSystemObject : public virtual Object {
public:
    static constexpr const char* kProgID = "Scripting.FileSystemObject";

    // True when a file (anything but a folder) is at the path.
    bool FileExists(const std::string& sPath);
    bool FolderExists(const std::string& sPath);
    // The folder and the name joined with exactly one "/".
    std::string BuildPath(const std::string& sFolder, const std::string& sName);
    // 2: the temporary folder ($TMPDIR, or /tmp), without a trailing
    // separator.  There are no Windows or system folders here: 0 and 1, like
    // any other number, raise 5.
    std::string GetSpecialFolder(int32_t lFolder);
    // The last part of the path; separators at its end are ignored, as the
    // scripting object ignores them.
    std::string GetFileName(const std::string& sPath);
    // The path without its last part and the separator before it; "/" for a
    // part directly below the root, "" when there is no folder part.
    std::string GetParentFolderName(const std::string& sPath);
};
