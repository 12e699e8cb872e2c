#pragma once
// The data set the render, query and chart benchmarks read: made by the
// sample generator at the size asked for, or a folder named by
// TERRALITH_BENCH_SET that terralith-sample made earlier.  Either way its
// linked tables are pointed at the data files beside its core database, as
// the host's start-up does.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#include "BenchSupport.h"
#include "SampleGenerator.h"
#include "core/CTools.h"
#include "core/Globals.h"
#include "platform/ado/Catalog.h"
#include "platform/ado/Connection.h"
#include "platform/ado/ConnectionStringParts.h"
#include "platform/ado/Recordset.h"
#include "platform/ado/Table.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Object.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvFileIO.h"

namespace bench {

// Points the linked tables of the core database in `databaseFolder` (an
// absolute path ending in "/") at the files of the same names in that
// folder, through the library's catalogue, when the folder's Options.ini asks
// for the start-up repair (CheckAttachedTables yes or not given; every set
// terralith-sample makes says yes).  This is what the host does to the set
// when it opens it: a set is made with its links naming the folder of the
// machine it is shipped for, where nothing is.  Links that point there
// already are not written again, so a set the host or an earlier run has
// opened stays as it is, and may then be one this user cannot write.
inline void PointLinksHome(const std::string& databaseFolder) {
    const std::string database = databaseFolder + "Terralith.db";
    const std::string check =
        Trim(gTools()->IO()->ReadINI(databaseFolder + "Options.ini", "Startup", "CheckAttachedTables"));
    if (!check.empty() && LCase(check) != "yes") return;
    const auto home = [&databaseFolder](const std::string& file) {
        std::error_code failed;
        return std::filesystem::equivalent(std::filesystem::path(file).parent_path(), databaseFolder, failed);
    };
    bool away = false;
    for (const std::string& file : ADODB::Connection::LinkedDataFiles(database)) away = away || !home(file);
    if (!away) return;
    try {
        auto catalog = New<ADOX::Catalog>();
        catalog->SetActiveConnection("Data Source=" + ADODB::QuoteConnectionValue(database));
        catalog->BeginTrans();
        for (auto& table : catalog->Tables()) {
            if (UCase(table->Type()) != "LINK") continue;
            const std::string source =
                Replace(table->Properties(ADOX::kLinkDatasource).Value().ToString(), "\\", "/");
            if (home(source)) continue;
            const std::string file = source.substr(source.find_last_of('/') + 1);
            table->Properties(ADOX::kLinkDatasource).SetValue(Variant(databaseFolder + file));
        }
        catalog->CommitTrans();
        catalog->SetActiveConnectionNothing();
    } catch (const Error& e) {
        throw std::runtime_error("cannot point the linked tables of " + database +
                                 " at the data files beside it: " + e.Description());
    }
}

// Reads every linked table of the open connection once: a data file that
// cannot be attached stops the run here, naming it and why, rather than
// leaving a record set the benchmark measures unopened (or the library's
// error log behind) half-way through the run.
inline void RequireLinkedTables(const Ref<ADODB::Connection>& connection) {
    Ref<ADODB::Recordset> links = gTools()->NewADODBRecordset();
    links->Open("SELECT Name FROM LinkedTables", connection);
    for (; !links->Eof(); links->MoveNext()) {
        const std::string name = links->Fields("Name").Value().ToString();
        Ref<ADODB::Recordset> rows = gTools()->NewADODBRecordset();
        try {
            rows->Open("SELECT * FROM [" + Replace(name, "]", "]]") + "] WHERE 0", connection);
        } catch (const Error& e) {
            throw std::runtime_error("the linked table " + name + " cannot be read: " + e.Description());
        }
        rows->Close();
    }
    links->Close();
}

// The data folder, ending in "/": TERRALITH_BENCH_SET when it is set, else a
// set of TERRALITH_BENCH_FIELDS fields (50000) made below `scratch`; its
// linked tables pointed at the annual file beside its core database.
inline std::string GeneratedDataSet(const std::string& scratch) {
    std::string folder;
    if (const char* set = std::getenv("TERRALITH_BENCH_SET"); set && *set) {
        folder = std::string(set) + "/";
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
    } else {
        SampleOptions options;
        options.outFolder = scratch + "set";
        options.fields = FieldsAsked();
        std::fprintf(stderr, "generating a data set of %d fields...\n", options.fields);
        const SampleWorld::Counts counts = SampleGenerator::Generate(options);
        std::fprintf(stderr, "%zu fields, %zu wells\n", static_cast<size_t>(counts.fields),
                     static_cast<size_t>(counts.wells));
        folder = options.outFolder + "/";
    }
    PointLinksHome(std::filesystem::absolute(folder + "Core/Database/").string());
    return folder;
}

}  // namespace bench
