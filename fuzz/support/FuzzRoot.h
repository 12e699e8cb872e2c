#pragma once
// A root object for fuzz targets that reach the library through it: made once
// per process on a data folder of its own in the temporary folder, with
// settings that point at that folder, an empty default query and the sibling
// product's folder for asset-code index files.  Message boxes and the error
// window are counted instead of shown, so a run prints only what fails.
#include <string>

#include "root/cvDataManager.h"

namespace fuzz {

class FuzzRoot {
public:
    // The process's root, made on first use; a root that cannot be made ends
    // the run with the reason.
    static FuzzRoot& Get();

    Ref<cvDataManager> root;
    std::string dataFolder;  // ends in "/"
    // Errors shown through a message box or the error window since the root
    // was made.
    int shownErrors = 0;
    std::string lastShown;  // the text of the last one
};

}  // namespace fuzz
