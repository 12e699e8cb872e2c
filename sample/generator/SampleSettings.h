#pragma once
// The text files of a data folder: the application settings that point a host
// at it, the default query file, "Options.ini" and an empty translation file.
#include <string>

class SampleSettings {
public:
    // The settings document for the data folder `dataFolder` (absolute, ending
    // in "/").  `unitsElement` is the markup of a "Units" element; empty gives
    // an empty one.
    static std::string SettingsXml(const std::string& dataFolder, const std::string& unitsElement);
    // The "Units" element of a units file: its document element, or the first
    // element of that name below it.  Raises 53 when the file is missing and
    // 5 when it is not well-formed or holds no such element.
    static std::string UnitsElement(const std::string& path);
    // A new query: options and the empty criteria sections of the five sets.
    static std::string DefaultQueryXml();
    static std::string OptionsIni();
    static std::string EmptyTranslations();
};
