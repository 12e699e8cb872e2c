#pragma once
// What the benchmarks share: numbers from the environment, the engine opened
// raw as the library opens it, and a reporter that keeps only the medians of
// the repetitions.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// The environment's whole number under that name, or the fallback.
inline int EnvNumber(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::max(0, std::atoi(v)) : fallback;
}

// A database opened as the library opens its connections: read-only,
// without the engine's per-connection mutex, the file mapped into memory.
inline sqlite3* OpenReadOnly(const std::string& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + path);
    sqlite3_exec(db, "PRAGMA mmap_size = 1073741824", nullptr, nullptr, nullptr);
    return db;
}

// Hands the command line to the benchmark library, with the repetitions of
// the benchmarks interleaved so that a slow moment of the machine does not
// fall on one of them alone; the repetitions TERRALITH_BENCH_REPETITIONS
// asks for (7, at least 1).
inline int Initialize(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    static std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.push_back(interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    return std::max(1, EnvNumber("TERRALITH_BENCH_REPETITIONS", 7));
}

// Shows and keeps the median of each benchmark's repetitions.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double cpu = 0, wall = 0;  // seconds per iteration
    };
    std::map<std::string, Times> medians;  // by the benchmark's name

    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> shown;
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Aggregate || r.aggregate_name != "median") continue;
            const double n = static_cast<double>(r.iterations);
            medians[r.run_name.function_name] = {r.cpu_accumulated_time / n, r.real_accumulated_time / n};
            shown.push_back(r);
        }
        if (!shown.empty()) ConsoleReporter::ReportRuns(shown);
    }
    // The medians of a benchmark; zero when it did not run.
    Times At(const std::string& name) const {
        auto it = medians.find(name);
        return it == medians.end() ? Times{} : it->second;
    }
};

// Prints the medians of "<prefix>/raw" and "<prefix>/<library>" and their
// ratio, processor and wall time; nothing when the raw one did not run.
inline void PrintRatio(const MedianReporter& reporter, const std::string& prefix,
                       const std::string& library) {
    const MedianReporter::Times raw = reporter.At(prefix + "/raw"), lib = reporter.At(prefix + "/" + library);
    if (raw.cpu <= 0 || raw.wall <= 0) return;
    std::printf("  CPU  raw %.1f ms, %s %.1f ms: %.2fx\n  wall raw %.1f ms, %s %.1f ms: %.2fx\n",
                raw.cpu * 1e3, library.c_str(), lib.cpu * 1e3, lib.cpu / raw.cpu, raw.wall * 1e3,
                library.c_str(), lib.wall * 1e3, lib.wall / raw.wall);
}

}  // namespace bench
