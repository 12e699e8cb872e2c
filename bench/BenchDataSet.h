#pragma once
// The generated data set the render, query and chart benchmarks read: made
// by the sample generator at the size asked for, or a folder named by
// TERRALITH_BENCH_SET that terralith-sample made earlier.
#include <sqlite3.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchSupport.h"
#include "SampleGenerator.h"

namespace bench {

// The data folder, ending in "/": TERRALITH_BENCH_SET when it is set, else a
// set of TERRALITH_BENCH_FIELDS fields (50000) made below `scratch` with the
// units file `units` (none when empty), its linked tables pointed at the
// annual file beside its core database.
inline std::string GeneratedDataSet(const std::string& scratch, const std::string& units = "") {
    if (const char* set = std::getenv("TERRALITH_BENCH_SET"); set && *set) {
        const std::string folder = std::string(set) + "/";
        // What every benchmark opens first: a folder without them is no data set.
        for (const char* file : {"Terralith.settings.xml", "Core/Database/Terralith.db"}) {
            struct stat st {};
            if (stat((folder + file).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
                std::fprintf(stderr,
                             "TERRALITH_BENCH_SET names %s, which holds no %s: give it a folder that "
                             "terralith-sample FOLDER --fields N made\n",
                             set, file);
                std::exit(1);
            }
        }
        return folder;
    }
    SampleOptions options;
    options.outFolder = scratch + "set";
    options.fields = FieldsAsked();
    options.unitsFile = units;
    std::fprintf(stderr, "generating a data set of %d fields...\n", options.fields);
    const SampleWorld::Counts counts = SampleGenerator::Generate(options);
    std::fprintf(stderr, "%zu fields, %zu wells\n", static_cast<size_t>(counts.fields),
                 static_cast<size_t>(counts.wells));
    const std::string folder = options.outFolder + "/";
    // Linked as on the machine the data set is shipped for; here the annual
    // tables lie beside the core database.
    sqlite3* rw = nullptr;
    sqlite3_open((folder + "Core/Database/Terralith.db").c_str(), &rw);
    sqlite3_exec(rw, "UPDATE LinkedTables SET Datasource = 'Annual.db'", nullptr, nullptr, nullptr);
    sqlite3_close(rw);
    return folder;
}

}  // namespace bench
