// The field and block location trees filled into the in-memory tree view,
// beside the engine stepping the very statement the fill runs, raw:
//
//   fields/raw   sqlite3_step over "SQL_FIELDS_IN_SECTORS" for every sector,
//                reading each column of each row;
//   fields/fill  IListField.PopulateFieldLocationTree over the same sectors
//                into a new tree (record set, keys, existence tests, nodes);
//   blocks/raw, blocks/fill  the same for "SQL_ALL_BLOCK_IN_SECTORS" and
//                IListBlock.PopulateBlockLocationTree, over the sectors whose
//                blocks come nearest to the number of blocks asked for.
//
// The data set is made here by the sample generator: TERRALITH_BENCH_FIELDS
// field records (50000), and the block tree takes sectors until it holds
// about TERRALITH_BENCH_BLOCKS blocks (20000).  TERRALITH_BENCH_REPETITIONS
// sets the repetitions (7).  The summary prints the medians of CPU and wall
// time and the ratio of each fill to its raw statement.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "SampleGenerator.h"
#include "core/Globals.h"
#include "host/controls/MemoryTreeView.h"
#include "lists/CListBlock.h"
#include "lists/CListField.h"
#include "platform/runtime/Text.h"
#include "support/FakeRoot.h"
#include "support/TempDir.h"

namespace {

struct Job {
    std::string name;       // "fields" or "blocks"
    std::string statement;  // the template with its sectors filled in
    std::string sectors;
    size_t rows = 0;   // rows the raw statement gave
    size_t nodes = 0;  // nodes the fill made
};

struct DataSet {
    const TempDir& dir = bench::Scratch();  // removed when the run ends, however it ends
    std::string folder, database;
    Ref<FakeRoot> root;
    Job fields{"fields", "", ""}, blocks{"blocks", "", ""};
};

// The first column of every row, as text.
std::vector<std::string> Texts(sqlite3* db, const std::string& sql) {
    std::vector<std::string> out;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    while (sqlite3_step(st) == SQLITE_ROW) {
        const unsigned char* t = sqlite3_column_text(st, 0);
        out.emplace_back(t ? reinterpret_cast<const char*>(t) : "");
    }
    sqlite3_finalize(st);
    return out;
}

// Makes the data set and the stand-in root over it, and picks the sectors.
DataSet& Data() {
    static DataSet* data = [] {
        auto* d = new DataSet;
        SampleOptions options;
        options.outFolder = d->dir.Path() + "set";
        options.fields = bench::FieldsAsked();
        std::fprintf(stderr, "generating a data set of %d fields...\n", options.fields);
        SampleGenerator::Generate(options);
        d->folder = options.outFolder + "/";
        d->database = d->folder + "Core/Database/Terralith.db";
        d->root = FakeRoot::Install(d->folder);
        d->root->OpenDatabase();

        sqlite3* db = bench::OpenReadOnly(d->database);
        d->fields.sectors = Join(Texts(db, "SELECT Sector_Code FROM Sector ORDER BY Sector_Code"), ",");
        // Sectors, largest first, while they keep the total nearest the goal.
        const int goal = bench::EnvNumber("TERRALITH_BENCH_BLOCKS", 20000);
        std::vector<std::string> picked;
        int total = 0;
        for (const std::string& row : Texts(db,
                                            "SELECT Sector_Code || ',' || COUNT(*) FROM Block GROUP BY "
                                            "Sector_Code ORDER BY COUNT(*) DESC")) {
            const auto parts = Split(row, ",");
            const int n = std::atoi(parts[1].c_str());
            if (std::abs(goal - (total + n)) < std::abs(goal - total)) {
                picked.push_back(parts[0]);
                total += n;
            }
        }
        d->blocks.sectors = Join(picked, ",");
        sqlite3_close(db);
        d->fields.statement =
            Replace(d->root->GetOption("SQL_FIELDS_IN_SECTORS"), "<SectorCodes>", d->fields.sectors);
        d->blocks.statement =
            Replace(d->root->GetOption("SQL_ALL_BLOCK_IN_SECTORS"), "<SectorCodes>", d->blocks.sectors);
        return d;
    }();
    return *data;
}

// The engine alone: prepare, step and read every column of every row.
void BM_Raw(benchmark::State& state, Job* job) {
    sqlite3* db = bench::OpenReadOnly(Data().database);
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, job->statement.c_str(), -1, &st, nullptr);
        const int n = sqlite3_column_count(st);
        size_t rows = 0, bytes = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < n; ++c) {
                if (sqlite3_column_type(st, c) == SQLITE_INTEGER)
                    bytes += static_cast<size_t>(sqlite3_column_int64(st, c) & 1);
                else if (sqlite3_column_type(st, c) != SQLITE_NULL)
                    bytes += static_cast<size_t>(sqlite3_column_bytes(st, c)) +
                             (sqlite3_column_text(st, c)[0] & 1);
            }
            ++rows;
        }
        sqlite3_finalize(st);
        job->rows = rows;
        benchmark::DoNotOptimize(bytes);
    }
    sqlite3_close(db);
}

// The library's fill into a new in-memory tree; making and dropping the tree
// is not timed.
void BM_Fill(benchmark::State& state, Job* job) {
    Data();
    auto field = New<CListField>();
    auto block = New<CListBlock>();
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = New<MemoryTreeView>("Bench");
        state.ResumeTiming();
        if (job->name == "fields")
            field->PopulateFieldLocationTree(tree, job->sectors);
        else
            block->PopulateBlockLocationTree(tree, job->sectors, true);
        state.PauseTiming();
        job->nodes = static_cast<size_t>(tree->Memory().Count());
        tree.Reset();
        state.ResumeTiming();
    }
}

void Summary(const bench::MedianReporter& reporter, const Job& job) {
    std::printf("\n%s tree: %zu rows, %zu nodes (sectors %s)\n", job.name.c_str(), job.rows, job.nodes,
                job.sectors.c_str());
    bench::PrintRatio(reporter, job.name, "fill");
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = bench::Initialize(argc, argv);

    DataSet& data = Data();
    for (Job* job : {&data.fields, &data.blocks}) {
        for (const char* what : {"raw", "fill"}) {
            auto fn = std::string(what) == "raw" ? BM_Raw : BM_Fill;
            bench::Register(
                job->name + "/" + what, [fn, job](benchmark::State& s) { fn(s, job); }, repetitions);
        }
    }
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    Summary(reporter, data.fields);
    Summary(reporter, data.blocks);
    data.root.Reset();
    ReleaseModuleData();
    benchmark::Shutdown();
    return 0;
}
