#pragma once
// Writes a whole sample data folder:
//
//   <folder>/Terralith.settings.xml        settings pointing a host at the folder
//   <folder>/Translations.xml
//   <folder>/Core/Database/Terralith.db    core database
//   <folder>/Core/Database/Annual.db       annual figures, linked from the core database
//   <folder>/Core/Database/Notes.db        empty notes database
//   <folder>/Core/Database/Options.ini
//   <folder>/Core/Cache/, Core/Notes/, User/
//   <folder>/Default/Default.xml           default query file
//   <folder>/Default/GridLayouts.xml       default grid layout file
//   <folder>/Charts/ChartManifest.xml      chart manifest; Charts/Definitions/ the chart definitions
//   <folder>/Quartz/indGB.dat, indNO.dat   asset-code index files of the sibling product
//
// The same options (seed included) give the same bytes in every database and
// index file.
#include <cstdint>
#include <string>
#include <vector>

#include "SampleWorld.h"

struct SampleOptions {
    std::string outFolder;
    int fields = 300;
    uint64_t seed = 20241231;
    std::string unitsFile;         // sample/Units.xml; missing: an empty Units element
    std::string translationsFile;  // sample/Translations.xml; missing: an empty translation file
};

class SampleGenerator {
public:
    static constexpr int kMaxFields = 100000;
    static constexpr const char* kProductFolder = "Quartz";

    // The options of a command line (the arguments after the program's name):
    // OUT_FOLDER [--fields N] [--seed S] [--units FILE] [--translations FILE].
    // Raises 5 with a message saying what is wrong.
    static SampleOptions ParseArguments(const std::vector<std::string>& args);
    static std::string Usage();
    // Writes the data folder; returns what went into it.
    static SampleWorld::Counts Generate(const SampleOptions& options);
    // The countries that get an index file.
    static const std::vector<std::string>& IndexCountries();
};
