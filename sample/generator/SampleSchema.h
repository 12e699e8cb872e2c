#pragma once
// The schema scripts of the data set (sample/schema), compiled into the
// generator so it runs from anywhere.  Paths are relative to sample/schema:
// "core/..." builds the core database, "annual/..." the annual database and
// "notes/..." the notes database, each in name order; scripts whose file name
// starts with "9" run after the generated rows are in.
#include <string>
#include <vector>

struct SampleScript {
    std::string path;
    std::string text;
};

// Every script, sorted by path.
const std::vector<SampleScript>& SampleScripts();
