// A static record set over 200,000 rows of 20 columns beside the engine
// stepping the same statement raw: time to open and read every value, and
// what the kept rows occupy against the bytes of the values themselves.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "support/TempDir.h"

namespace {

constexpr int kRows = 200000;
constexpr const char* kStatement = "SELECT * FROM Big";

// Column kinds, 20 in all: integers, reals, texts and dates.
const char* const kColumns[20] = {"I0 INTEGER", "I1 INTEGER", "I2 INTEGER", "I3 INTEGER", "I4 INTEGER",
                                  "R0 REAL",    "R1 REAL",    "R2 REAL",    "R3 REAL",    "R4 REAL",
                                  "T0 TEXT",    "T1 TEXT",    "T2 TEXT",    "T3 TEXT",    "T4 TEXT",
                                  "T5 TEXT",    "D0 DATE",    "D1 DATE",    "D2 DATE",    "I5 INTEGER"};

struct Data {
    TempDir dir;
    std::string path;
    size_t rawBytes = 0;  // the values' own bytes: 8 a number, the text's length
};

Data& TheData() {
    static Data data;
    if (!data.path.empty()) return data;
    data.path = data.dir.Path() + "bench.db";
    sqlite3* db = nullptr;
    if (sqlite3_open(data.path.c_str(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot create the database");
    std::string create = "CREATE TABLE Big (";
    std::string insert = "INSERT INTO Big VALUES (";
    for (int c = 0; c < 20; ++c) {
        create += std::string(c ? ", " : "") + kColumns[c];
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
            if (x % 20 == 0) {  // one value in twenty is Null
                sqlite3_bind_null(st, c + 1);
                continue;
            }
            const std::string kind = kColumns[c] + 3;
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
    return data;
}

// The engine alone: step the statement and read every value in place.
void BM_RawSqlite(benchmark::State& state) {
    Data& data = TheData();
    sqlite3* db = nullptr;
    sqlite3_open_v2(data.path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    size_t raw = 0;
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, kStatement, -1, &st, nullptr);
        double sum = 0;
        size_t bytes = 0, values = 0;
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
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(values);
        raw = bytes;
    }
    data.rawBytes = raw;
    sqlite3_close(db);
}

size_t gMemoryBytes = 0;

// The library's way: open the record set, then walk it reading every value
// through Fields.
template <bool ByName>
void BM_Recordset(benchmark::State& state) {
    Data& data = TheData();
    auto cn = New<ADODB::Connection>();
    cn->SetMode(ADODB::adModeRead);
    cn->Open("Data Source=" + data.path);
    for (auto _ : state) {
        auto rs = New<ADODB::Recordset>();
        rs->Open(kStatement, cn, ADODB::adOpenStatic, ADODB::adLockReadOnly);
        double sum = 0;
        size_t values = 0;
        const int n = rs->Fields().Count();
        std::vector<Variant> names;
        for (int c = 0; c < n; ++c) names.emplace_back(rs->Fields(c).Name());
        while (!rs->Eof()) {
            for (int c = 0; c < n; ++c) {
                Variant v = ByName ? rs->Fields(names[c]).Value() : rs->Fields(c).Value();
                switch (v.Kind()) {
                    case VarKind::Long:
                    case VarKind::Double:
                    case VarKind::Date:
                        sum += v.ToDouble();
                        break;
                    case VarKind::String:
                        sum += static_cast<unsigned char>(v.StringRef()[0]);
                        break;
                    default:
                        break;
                }
                ++values;
            }
            rs->MoveNext();
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(values);
        gMemoryBytes = rs->MemoryBytes();
    }
}

// Keeps each benchmark's time per iteration, to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0)
                seconds[r.run_name.function_name] =
                    r.real_accumulated_time / static_cast<double>(r.iterations);
    }
};

}  // namespace

BENCHMARK(BM_RawSqlite)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Recordset<false>)->Name("BM_RecordsetByIndex")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Recordset<true>)->Name("BM_RecordsetByName")->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double raw = reporter.seconds["BM_RawSqlite"];
    for (const char* name : {"BM_RecordsetByIndex", "BM_RecordsetByName"}) {
        double t = reporter.seconds[name];
        if (raw > 0 && t > 0)
            std::printf("%-20s %8.1f ms   raw engine %8.1f ms   ratio %.2f\n", name, t * 1e3, raw * 1e3,
                        t / raw);
    }
    size_t rawBytes = TheData().rawBytes;
    if (rawBytes && gMemoryBytes)
        std::printf("memory: record set %zu bytes, raw values %zu bytes, ratio %.2f\n", gMemoryBytes,
                    rawBytes, static_cast<double>(gMemoryBytes) / static_cast<double>(rawBytes));
    benchmark::Shutdown();
    return 0;
}
