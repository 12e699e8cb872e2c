// A static record set beside the engine stepping the same statement raw:
// time to open it and read every value, and what the kept rows occupy
// against the bytes of the values themselves.
//
// Two floors, measured in the same run on a connection opened with the
// engine's per-connection mutex:
//   raw           sqlite3_step and the column calls, each call taking and
//                 releasing the connection's lock (the engine's default);
//   raw-locked    the same loop with the lock taken once around it.
// The record set is read by index and by name, once through Value() (a
// Variant per value) and once through the typed reads (IsNull, AsDouble,
// AsText).  Each benchmark runs its whole job once per repetition (the
// record set's destruction included); the summary prints the ratios of the
// medians of the repetitions, in CPU time and in wall time, and those of the
// fastest runs beside them.
//
// Tables: "Big", 200,000 rows of 20 columns made here; and, when
// TERRALITH_BENCH_WELLS is set, the sample generator's Well table (51
// columns): a number makes a data set of that many fields (50000 gives about
// 600,000 wells and takes half a minute), a path names an existing core
// database.  TERRALITH_BENCH_REPETITIONS changes the number of repetitions (7).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "SampleGenerator.h"
#include "platform/ado/AdoTypes.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "support/TempDir.h"

namespace {

struct Table {
    std::string name;
    std::string path;
    std::string statement;
    size_t rawBytes = 0;     // the values' own bytes: 8 a number, the text's length, 0 a Null
    size_t memoryBytes = 0;  // what the record set's rows occupy
};

// 200,000 rows: integers, reals, texts (a word and a number: about 10,000
// distinct per column) and dates, one value in twenty Null.
Table MakeBig() {
    constexpr int kRows = 200000;
    static const char* const columns[20] = {
        "I0 INTEGER", "I1 INTEGER", "I2 INTEGER", "I3 INTEGER", "I4 INTEGER", "R0 REAL",   "R1 REAL",
        "R2 REAL",    "R3 REAL",    "R4 REAL",    "T0 TEXT",    "T1 TEXT",    "T2 TEXT",   "T3 TEXT",
        "T4 TEXT",    "T5 TEXT",    "D0 DATE",    "D1 DATE",    "D2 DATE",    "I5 INTEGER"};
    Table t{"Big", bench::Scratch().Path() + "bench.db", "SELECT * FROM Big"};
    sqlite3* db = nullptr;
    if (sqlite3_open(t.path.c_str(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot create the database");
    std::string create = "CREATE TABLE Big (";
    std::string insert = "INSERT INTO Big VALUES (";
    for (int c = 0; c < 20; ++c) {
        create += std::string(c ? ", " : "") + columns[c];
        insert += c ? ", ?" : "?";
    }
    sqlite3_exec(db, (create + ")").c_str(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, (insert + ")").c_str(), -1, &st, nullptr);
    static const char* const words[] = {"North Sea", "Brent",        "Ekofisk", "Troll Field Phase II",
                                        "Statfjord", "Gullfaks Sør", "Oseberg", "Forties",
                                        "Ninian",    "Piper Alpha"};
    uint64_t seed = 42;
    auto next = [&] { return seed = seed * 6364136223846793005ull + 1442695040888963407ull, seed >> 33; };
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < 20; ++c) {
            uint64_t x = next();
            if (x % 20 == 0) {
                sqlite3_bind_null(st, c + 1);
                continue;
            }
            const std::string kind = columns[c] + 3;
            if (kind == "INTEGER") {
                sqlite3_bind_int64(st, c + 1, static_cast<int64_t>(x % 1000000));
            } else if (kind == "REAL") {
                sqlite3_bind_double(st, c + 1, static_cast<double>(x % 10000000) / 100.0);
            } else if (kind == "TEXT") {
                std::string s = std::string(words[x % 10]) + " " + std::to_string(x % 997);
                sqlite3_bind_text(st, c + 1, s.c_str(), -1, SQLITE_TRANSIENT);
            } else {
                char d[32];
                std::snprintf(d, sizeof d, "%04d-%02d-%02d", 1970 + static_cast<int>(x % 50),
                              1 + static_cast<int>(x / 50 % 12), 1 + static_cast<int>(x / 600 % 28));
                sqlite3_bind_text(st, c + 1, d, -1, SQLITE_TRANSIENT);
            }
        }
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return t;
}

// The sample generator's Well table, from a data set made now or named.
Table MakeWells(const std::string& setting) {
    Table t{"Wells", setting, "SELECT * FROM Well"};
    if (!setting.empty() && setting.find_first_not_of("0123456789") == std::string::npos) {
        SampleOptions options;
        options.outFolder = bench::Scratch().Path() + "wells";
        options.fields = std::stoi(setting);
        std::fprintf(stderr, "generating a data set of %d fields...\n", options.fields);
        SampleGenerator::Generate(options);
        t.path = options.outFolder + "/Core/Database/Terralith.db";
    }
    return t;
}

sqlite3* OpenRawConnection(const std::string& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error("cannot open " + path);
    return db;
}

// The engine alone: step the statement and read every value in place.
void RawLoop(sqlite3* db, const std::string& statement, bool lockOnce, size_t& bytes) {
    sqlite3_mutex* mutex = lockOnce ? sqlite3_db_mutex(db) : nullptr;
    sqlite3_mutex_enter(mutex);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, statement.c_str(), -1, &st, nullptr);
    double sum = 0;
    size_t values = 0;
    bytes = 0;
    const int n = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < n; ++c) {
            switch (sqlite3_column_type(st, c)) {
                case SQLITE_INTEGER:
                    sum += static_cast<double>(sqlite3_column_int64(st, c));
                    bytes += 8;
                    break;
                case SQLITE_FLOAT:
                    sum += sqlite3_column_double(st, c);
                    bytes += 8;
                    break;
                case SQLITE_NULL:
                    break;
                default: {
                    const unsigned char* p = sqlite3_column_text(st, c);
                    int len = sqlite3_column_bytes(st, c);
                    sum += p[0];
                    bytes += static_cast<size_t>(len);
                }
            }
            ++values;
        }
    }
    sqlite3_finalize(st);
    sqlite3_mutex_leave(mutex);
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(values);
}

void BM_Raw(benchmark::State& state, Table* table, bool lockOnce) {
    sqlite3* db = OpenRawConnection(table->path);
    for (auto _ : state) RawLoop(db, table->statement, lockOnce, table->rawBytes);
    sqlite3_close(db);
}

enum class Read { IndexVariant, NameVariant, IndexTyped, NameTyped };

// What the loops add up for a value read as a Variant: a number or date, or a text's first byte.
double Weight(const Variant& v) {
    switch (v.Kind()) {
        case VarKind::Long:
        case VarKind::Double:
        case VarKind::Date:
            return v.ToDouble();
        case VarKind::String:
            return v.StringRef().empty() ? 0 : static_cast<unsigned char>(v.StringRef()[0]);
        default:
            return 0;
    }
}

// The library's way: open the record set, then walk it reading every value
// through Fields.
void BM_Recordset(benchmark::State& state, Table* table, Read how) {
    auto cn = New<ADODB::Connection>();
    cn->SetMode(ADODB::adModeRead);
    cn->Open("Data Source=" + table->path);
    const bool byName = how == Read::NameVariant || how == Read::NameTyped;
    for (auto _ : state) {
        auto rs = New<ADODB::Recordset>();
        rs->Open(table->statement, cn, ADODB::adOpenStatic, ADODB::adLockReadOnly);
        double sum = 0;
        size_t values = 0;
        const int n = rs->Fields().Count();
        std::vector<std::string> names;
        std::vector<bool> text;
        for (int c = 0; c < n; ++c) {
            names.push_back(rs->Fields(c).Name());
            text.push_back(rs->Fields(c).Type() == ADODB::adVarWChar);
        }
        auto field = [&](int c) { return byName ? rs->Fields(std::string_view(names[c])) : rs->Fields(c); };
        if (how == Read::IndexVariant || how == Read::NameVariant) {
            for (; !rs->Eof(); rs->MoveNext()) {
                for (int c = 0; c < n; ++c) {
                    sum += Weight(field(c).Value());
                    ++values;
                }
            }
        } else {
            for (; !rs->Eof(); rs->MoveNext()) {
                for (int c = 0; c < n; ++c) {
                    ADODB::Field f = field(c);
                    if (!f.IsNull()) {
                        try {
                            if (text[c]) {
                                const std::string_view t = f.AsText();
                                sum += t.empty() ? 0 : static_cast<unsigned char>(t[0]);
                            } else {
                                sum += f.AsDouble();
                            }
                        } catch (const Error&) {
                            // A value that contradicts its column (a text in a DATE column, a
                            // blob) has no typed read of the column's kind: it is read as it is.
                            sum += Weight(f.Value());
                        }
                    }
                    ++values;
                }
            }
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(values);
        table->memoryBytes = rs->MemoryBytes();
    }
}

// Keeps each repetition's times, to print medians and ratios at the end;
// the console shows only the medians.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        std::vector<double> cpu, wall;  // seconds per run
    };
    std::map<std::string, Times> times;

    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> shown;
        for (const Run& r : runs) {
            if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
                Times& t = times[r.run_name.function_name];
                t.cpu.push_back(r.cpu_accumulated_time / static_cast<double>(r.iterations));
                t.wall.push_back(r.real_accumulated_time / static_cast<double>(r.iterations));
            }
            if (bench::IsMedian(r)) shown.push_back(r);
        }
        if (!shown.empty()) ConsoleReporter::ReportRuns(shown);
    }

    static double Median(std::vector<double> v) {
        if (v.empty()) return 0;
        std::sort(v.begin(), v.end());
        size_t m = v.size() / 2;
        return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
    }
    static double Fastest(const std::vector<double>& v) {
        return v.empty() ? 0 : *std::min_element(v.begin(), v.end());
    }
};

void Summary(const MedianReporter& reporter, const Table& t) {
    // What: "median" or "fastest"; cpu: CPU time, else wall time.
    auto time = [&](const std::string& what, bool cpu, bool fastest) {
        auto it = reporter.times.find(t.name + "/" + what);
        if (it == reporter.times.end()) return 0.0;
        const std::vector<double>& v = cpu ? it->second.cpu : it->second.wall;
        return fastest ? MedianReporter::Fastest(v) : MedianReporter::Median(v);
    };
    auto raw = reporter.times.find(t.name + "/raw");
    if (raw == reporter.times.end()) return;  // filtered out
    std::printf("\n%s (%s), %zu repetitions\n", t.name.c_str(), t.statement.c_str(), raw->second.cpu.size());
    for (int k = 0; k < 3; ++k) {
        // The medians of CPU and wall time, then the fastest run's CPU time
        // for comparison: a shared machine slows runs down, never speeds them up.
        const bool cpu = k != 1, fastest = k == 2;
        const double floor = time("raw", cpu, fastest), locked = time("raw-locked", cpu, fastest);
        std::printf("  %s: raw %.1f ms, raw-locked %.1f ms\n",
                    k == 0   ? "median CPU time "
                    : k == 1 ? "median wall time"
                             : "fastest CPU time",
                    floor * 1e3, locked * 1e3);
        for (const char* what : {"index-variant", "name-variant", "index-typed", "name-typed"}) {
            double m = time(what, cpu, fastest);
            if (m > 0 && floor > 0 && locked > 0)
                std::printf("    %-14s %8.1f ms   %.2fx raw   %.2fx raw-locked\n", what, m * 1e3, m / floor,
                            m / locked);
        }
    }
    if (t.rawBytes && t.memoryBytes)
        std::printf("  memory: record set %zu bytes, raw values %zu bytes, %.2fx\n", t.memoryBytes,
                    t.rawBytes, static_cast<double>(t.memoryBytes) / static_cast<double>(t.rawBytes));
}

}  // namespace

int main(int argc, char** argv) {
    // Repetitions in random order, so that a slow spell of a shared machine
    // spreads over every benchmark instead of falling on one.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.push_back(interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());

    int repetitions = 7;
    if (const char* r = std::getenv("TERRALITH_BENCH_REPETITIONS")) repetitions = std::max(1, std::atoi(r));
    std::vector<std::unique_ptr<Table>> tables;
    tables.push_back(std::make_unique<Table>(MakeBig()));
    if (const char* w = std::getenv("TERRALITH_BENCH_WELLS"); w && *w)
        tables.push_back(std::make_unique<Table>(MakeWells(w)));

    for (auto& owned : tables) {
        Table* t = owned.get();
        auto add = [&](const std::string& what, auto fn) {
            bench::Register(t->name + "/" + what, fn, repetitions);
        };
        add("raw", [t](benchmark::State& s) { BM_Raw(s, t, false); });
        add("raw-locked", [t](benchmark::State& s) { BM_Raw(s, t, true); });
        add("index-variant", [t](benchmark::State& s) { BM_Recordset(s, t, Read::IndexVariant); });
        add("name-variant", [t](benchmark::State& s) { BM_Recordset(s, t, Read::NameVariant); });
        add("index-typed", [t](benchmark::State& s) { BM_Recordset(s, t, Read::IndexTyped); });
        add("name-typed", [t](benchmark::State& s) { BM_Recordset(s, t, Read::NameTyped); });
    }

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const auto& t : tables) Summary(reporter, *t);
    benchmark::Shutdown();
    return 0;
}
