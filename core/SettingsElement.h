#pragma once
// A settings element that must be there: the root, the query manager, the
// query and the parameters container each refuse settings or a query file
// without the element they hand on, with one message that names the element
// and the file, so the user knows what to mend.
#include <string>

#include "interfaces/ISettings2.h"

// Selects sPath in oSettings and returns a document standing on it.  When it
// is absent, raises &H8004183C "Invalid Settings File. Element <sElement> is
// Missing or corrupt" with sFileName on the next line and, when the file could
// not be read at all, why not (sWhy) on the line after.
Ref<ISettings2> RequiredElement(ISettings2& oSettings, const std::string& sPath, const std::string& sElement,
                                const std::string& sFileName, const std::string& sWhy = "");
// The same for a child element named sElement, naming the document's own file.
Ref<ISettings2> RequiredElement(ISettings2& oSettings, const std::string& sElement);
