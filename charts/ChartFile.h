#pragma once
// Chart definitions and the chart manifest are XML files under one root
// element, "TerralithChart".  Everything in them is optional, so a file that
// is not such a document at all (empty, cut short, binary, or some other XML
// file) would read as a blank chart or a manifest without charts; it is
// refused instead, naming the file, so that the person who has to mend it
// learns which one.
#include <string>

#include "interfaces/ISettings2.h"

// Loads the file at sPath into oDocument.  sWhat names the kind of file in the
// messages ("chart definition", "chart manifest").  Raises 75 when sPath names
// no regular file (a pipe or device could block the reader), and &H80041837
// when the file does not parse or its root element is not "TerralithChart".
void LoadChartFile(const Ref<ISettings2>& oDocument, const std::string& sPath, const std::string& sWhat);
