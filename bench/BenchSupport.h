#pragma once
// What the benchmarks share: numbers from the environment, the engine opened
// raw as the library opens it, a reporter that keeps only the medians of the
// repetitions, and a scratch folder that goes when the run ends.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/TempDir.h"

namespace bench {

namespace scratch {

// The scratch folder while it is there to remove; the stop handlers of
// TempDir remove it on a signal.
inline std::atomic<const TempDir*> folder{nullptr};

// Removes the scratch folder once.
inline void Remove() { delete folder.exchange(nullptr); }

// An exception nothing caught is a run that cannot go on (a data set that is
// not there, a statement that fails): it says why and fails with status 1, as
// a command does, rather than aborting.  Installed as the program starts, so
// that it holds before any benchmark runs.
inline void OnTerminate();
inline const std::terminate_handler previousTerminate = std::set_terminate(OnTerminate);
inline void OnTerminate() {
    Remove();
    if (std::exception_ptr thrown = std::current_exception()) {
        try {
            std::rethrow_exception(thrown);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "the benchmark stopped: %s\n", e.what());
            std::_Exit(1);
        } catch (...) {
        }
    }
    if (previousTerminate) previousTerminate();
    std::abort();
}

}  // namespace scratch

// The folder a run writes its data set and files into, made in the temporary
// folder on the first call.  It is removed with everything in it however the
// run ends short of SIGKILL and a crash: on return from main or exit(), on an
// uncaught exception, and on every signal the tests' folders go on (Ctrl-C,
// Ctrl-\, a kill, a closed terminal or pipe: RemoveFoldersWhenStopped), after
// which the signal ends the run as it would have.  The data sets are hundreds
// of megabytes and live in statics that are never destroyed, so nothing else
// would remove them.
inline const TempDir& Scratch() {
    static const TempDir* dir = [] {
        RemoveFoldersWhenStopped();
        const TempDir* made = new TempDir;  // deleted by Remove, whatever ends the run
        scratch::folder = made;
        std::atexit(scratch::Remove);
        return made;
    }();
    return *dir;
}

// The environment's whole number under that name, or the fallback.
inline int EnvNumber(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::max(0, std::atoi(v)) : fallback;
}

// The fields of the data set a benchmark makes: TERRALITH_BENCH_FIELDS
// (50000), from 1 (a data set with something to query) to 100,000 (the most
// the sample generator makes); the run stops, saying so, at any other.
inline int FieldsAsked() {
    const int fields = EnvNumber("TERRALITH_BENCH_FIELDS", 50000);
    if (fields < 1 || fields > 100000) {
        std::fprintf(stderr, "TERRALITH_BENCH_FIELDS must be a number of fields from 1 to 100000\n");
        std::exit(2);
    }
    return fields;
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

// Registers `fn` as the benchmark `name`: one timed pass, `repetitions`
// times, in milliseconds; the benchmark, for anything more.
template <class Fn>
benchmark::internal::Benchmark* Register(const std::string& name, Fn&& fn, int repetitions) {
    return benchmark::RegisterBenchmark(name.c_str(), std::forward<Fn>(fn))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(repetitions);
}

// True for the run that stands for its benchmark's repetitions: their
// median, or the one run of a benchmark repeated once, of which the library
// makes no aggregate (one run is its own median).
inline bool IsMedian(const benchmark::BenchmarkReporter::Run& r) {
    using Run = benchmark::BenchmarkReporter::Run;
    return r.run_type == Run::RT_Aggregate ? r.aggregate_name == "median" : r.repetitions == 1;
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
            if (!IsMedian(r)) continue;
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
