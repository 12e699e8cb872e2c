#pragma once
// The file component of the tools library: values of INI files.
#include <string>

#include "platform/runtime/Object.h"

class cvFileIO : public virtual Object {
public:
    static constexpr const char* kProgID = "cvTools2.cvFileIO";

    // The value of the key in the section, trimmed; "" when the file, the
    // section or the key is absent.  Section and key names are compared
    // without regard to case; lines that begin with ";" or "#" are comments;
    // CR LF line ends are read too.  The first occurrence of a key counts.
    // Only a regular file is read: a folder, pipe or device raises 75 naming
    // it (a pipe never blocks the call), a file that may not be read 70.
    std::string ReadINI(const std::string& sFile, const std::string& sSection, const std::string& sKey);
};
