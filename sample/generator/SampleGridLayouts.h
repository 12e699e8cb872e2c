#pragma once
// The default grid layout file of a data folder: for each of the nine result
// grids the columns a new user sees, in order, with their widths, as the
// field chooser reads and writes a layout file.  Its content comes from the
// core database's FieldChooser rows that carry a Layout_Position.
#include <string>

class SampleDatabase;

class SampleGridLayouts {
public:
    // The file's name inside the data folder's "Default/" folder, which the
    // settings give as "Options/DefaultLayoutFile".
    static constexpr const char* kFileName = "GridLayouts.xml";

    // The layout document for the core database (its schema scripts run).
    // Units are left empty: the chooser fills in each category's default.
    // The annual grid starts with every year shown.
    static std::string DefaultLayoutXml(SampleDatabase& core);
};
