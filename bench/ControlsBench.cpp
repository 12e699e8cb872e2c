// The in-memory controls the host fills, at 100,000 and 1,000,000 rows,
// beside plain arrays doing the same:
//
//   read/N/list      every row of a sorted list box read by its index
//                    (List and ItemData), first to last;
//   read/N/raw       the same rows read from one array;
//   fill/N/list      a sorted list box filled in order (AddItem, then
//                    SetItemData at NewIndex), as the lists fill from their
//                    ordered statements;
//   fill/N/raw       the same rows appended to one array;
//   shuffled/N/list  the same fill given in no order;
//   shuffled/N/raw   the rows appended in that order, then sorted stably;
//   rows/N/grid      100 one-row shrinks (SetMaxRows) of a grid of two
//                    columns of N rows;
//   rows/N/raw       100 one-row shrinks of two arrays of N cells;
//   cols/N/grid      100 one-column shrinks (SetMaxCols) of a grid of N/10
//                    columns of one cell each;
//   cols/N/raw       100 cells dropped off the end of one array of N/10.
//
// Each repetition does the whole job once; a shrink leaves its grid 100 rows
// or columns smaller for the next.  TERRALITH_BENCH_REPETITIONS sets the
// repetitions (7).  The summary prints the medians of CPU and wall time, the
// ratio of each control to its plain array, and how each grows from 100,000
// to 1,000,000 rows (10 means linear, 100 quadratic; 1 for the shrinks, which
// touch the same number of cells at any size).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "BenchSupport.h"
#include "host/controls/MemoryGrid.h"
#include "host/controls/MemoryListBox.h"
#include "platform/runtime/Text.h"

namespace {

constexpr int32_t kSizes[] = {100000, 1000000};
constexpr int32_t kShrinks = 100;

// The texts of n rows in their sorted order: "Row 0000000" onwards.
const std::vector<std::string>& Texts(int32_t n) {
    static std::map<int32_t, std::vector<std::string>> made;
    std::vector<std::string>& texts = made[n];
    if (texts.empty()) {
        char text[32];
        for (int32_t i = 0; i < n; ++i) {
            std::snprintf(text, sizeof text, "Row %07d", i);
            texts.emplace_back(text);
        }
    }
    return texts;
}

// The row numbers 0 .. n-1 in one fixed random order.
const std::vector<int32_t>& Shuffled(int32_t n) {
    static std::map<int32_t, std::vector<int32_t>> made;
    std::vector<int32_t>& order = made[n];
    if (order.empty()) {
        for (int32_t i = 0; i < n; ++i) order.push_back(i);
        std::shuffle(order.begin(), order.end(), std::mt19937(20240611u));
    }
    return order;
}

// A sorted list box of n rows, each row's item data its number.
MemoryListBox& FilledList(int32_t n) {
    static std::map<int32_t, std::unique_ptr<MemoryListBox>> made;
    std::unique_ptr<MemoryListBox>& list = made[n];
    if (!list) {
        list = std::make_unique<MemoryListBox>("Bench", true);
        const std::vector<std::string>& texts = Texts(n);
        for (int32_t i = 0; i < n; ++i) {
            list->AddItem(texts[static_cast<size_t>(i)]);
            list->SetItemData(list->NewIndex(), i);
        }
    }
    return *list;
}

const std::vector<ListRow>& FilledRows(int32_t n) {
    static std::map<int32_t, std::vector<ListRow>> made;
    std::vector<ListRow>& rows = made[n];
    if (rows.empty()) {
        const std::vector<std::string>& texts = Texts(n);
        for (int32_t i = 0; i < n; ++i) rows.push_back({texts[static_cast<size_t>(i)], i});
    }
    return rows;
}

void BM_ReadList(benchmark::State& state, int32_t n) {
    MemoryListBox& list = FilledList(n);
    for (auto _ : state) {
        size_t sum = 0;
        for (int32_t i = 0; i < n; ++i) sum += static_cast<size_t>(list.ItemData(i)) + list.List(i).size();
        benchmark::DoNotOptimize(sum);
    }
}

void BM_ReadRaw(benchmark::State& state, int32_t n) {
    const std::vector<ListRow>& rows = FilledRows(n);
    for (auto _ : state) {
        size_t sum = 0;
        for (int32_t i = 0; i < n; ++i) {
            const ListRow& row = rows[static_cast<size_t>(i)];
            std::string text = row.Text;
            sum += static_cast<size_t>(row.ItemData) + text.size();
        }
        benchmark::DoNotOptimize(sum);
    }
}

// Fills a new sorted list box with the rows in the order given; dropping it is not timed.
void FillList(benchmark::State& state, int32_t n, bool shuffled) {
    const std::vector<std::string>& texts = Texts(n);
    const std::vector<int32_t>& order = Shuffled(n);
    for (auto _ : state) {
        auto list = std::make_unique<MemoryListBox>("Bench", true);
        for (int32_t i = 0; i < n; ++i) {
            const int32_t row = shuffled ? order[static_cast<size_t>(i)] : i;
            list->AddItem(texts[static_cast<size_t>(row)]);
            list->SetItemData(list->NewIndex(), row);
        }
        state.PauseTiming();
        if (list->ListCount() != n || list->ItemData(n - 1) != n - 1) state.SkipWithError("rows misplaced");
        list.reset();
        state.ResumeTiming();
    }
}

void FillRaw(benchmark::State& state, int32_t n, bool shuffled) {
    const std::vector<std::string>& texts = Texts(n);
    const std::vector<int32_t>& order = Shuffled(n);
    for (auto _ : state) {
        auto rows = std::make_unique<std::vector<ListRow>>();
        for (int32_t i = 0; i < n; ++i) {
            const int32_t row = shuffled ? order[static_cast<size_t>(i)] : i;
            rows->push_back({texts[static_cast<size_t>(row)], row});
        }
        if (shuffled)
            std::stable_sort(rows->begin(), rows->end(), [](const ListRow& a, const ListRow& b) {
                return CompareNoCase(a.Text, b.Text) < 0;
            });
        state.PauseTiming();
        rows.reset();
        state.ResumeTiming();
    }
}

// A grid of `cols` columns of `rows` numbers, made once and shrunk from then on.
MemoryGrid& FilledGrid(int32_t cols, int32_t rows) {
    static std::map<std::pair<int32_t, int32_t>, std::unique_ptr<MemoryGrid>> made;
    std::unique_ptr<MemoryGrid>& grid = made[{cols, rows}];
    if (!grid) {
        grid = std::make_unique<MemoryGrid>();
        for (int32_t c = 1; c <= cols; ++c)
            for (int32_t r = 1; r <= rows; ++r) grid->SetText(c, r, Variant(static_cast<double>(r)));
    }
    return *grid;
}

// Plain columns of cells, as FilledGrid.
std::vector<std::vector<GridCell>>& FilledCells(int32_t cols, int32_t rows) {
    static std::map<std::pair<int32_t, int32_t>, std::vector<std::vector<GridCell>>> made;
    std::vector<std::vector<GridCell>>& cells = made[{cols, rows}];
    if (cells.empty()) {
        cells.resize(static_cast<size_t>(cols));
        for (std::vector<GridCell>& column : cells) {
            column.resize(static_cast<size_t>(rows));
            for (int32_t r = 0; r < rows; ++r) column[static_cast<size_t>(r)].value = Variant(r + 1.0);
        }
    }
    return cells;
}

void ShrinkRowsGrid(benchmark::State& state, int32_t n) {
    MemoryGrid& grid = FilledGrid(2, n);
    for (auto _ : state)
        for (int32_t i = 0; i < kShrinks; ++i) grid.SetMaxRows(grid.MaxRows() - 1);
}

void ShrinkRowsRaw(benchmark::State& state, int32_t n) {
    std::vector<std::vector<GridCell>>& cells = FilledCells(2, n);
    for (auto _ : state)
        for (int32_t i = 0; i < kShrinks; ++i)
            for (std::vector<GridCell>& column : cells) column.pop_back();
}

void ShrinkColsGrid(benchmark::State& state, int32_t n) {
    MemoryGrid& grid = FilledGrid(n / 10, 1);
    for (auto _ : state)
        for (int32_t i = 0; i < kShrinks; ++i) grid.SetMaxCols(grid.MaxCols() - 1);
}

void ShrinkColsRaw(benchmark::State& state, int32_t n) {
    std::vector<GridCell>& cells = FilledCells(1, n / 10).front();
    for (auto _ : state)
        for (int32_t i = 0; i < kShrinks; ++i) cells.pop_back();
}

using Bench = void (*)(benchmark::State&, int32_t);
struct Job {
    const char* name;
    const char* control;  // the name of the control's own benchmark
    Bench control_fn, raw_fn;
};

void FillInOrder(benchmark::State& s, int32_t n) { FillList(s, n, false); }
void FillInOrderRaw(benchmark::State& s, int32_t n) { FillRaw(s, n, false); }
void FillShuffled(benchmark::State& s, int32_t n) { FillList(s, n, true); }
void FillShuffledRaw(benchmark::State& s, int32_t n) { FillRaw(s, n, true); }

const Job kJobs[] = {
    {"read", "list", BM_ReadList, BM_ReadRaw},           {"fill", "list", FillInOrder, FillInOrderRaw},
    {"shuffled", "list", FillShuffled, FillShuffledRaw}, {"rows", "grid", ShrinkRowsGrid, ShrinkRowsRaw},
    {"cols", "grid", ShrinkColsGrid, ShrinkColsRaw},
};

std::string Name(const Job& job, int32_t n, const char* what) {
    return std::string(job.name) + "/" + std::to_string(n) + "/" + what;
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = bench::Initialize(argc, argv);
    for (const Job& job : kJobs) {
        for (int32_t n : kSizes) {
            for (bool raw : {true, false}) {
                const Bench fn = raw ? job.raw_fn : job.control_fn;
                bench::Register(
                    Name(job, n, raw ? "raw" : job.control), [fn, n](benchmark::State& s) { fn(s, n); },
                    repetitions);
            }
        }
    }
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const Job& job : kJobs) {
        for (int32_t n : kSizes) {
            std::printf("\n%s, %d rows:\n", job.name, n);
            bench::PrintRatio(reporter, job.name + std::string("/") + std::to_string(n), job.control);
        }
        const double small = reporter.At(Name(job, kSizes[0], job.control)).cpu,
                     large = reporter.At(Name(job, kSizes[1], job.control)).cpu;
        const double rawSmall = reporter.At(Name(job, kSizes[0], "raw")).cpu,
                     rawLarge = reporter.At(Name(job, kSizes[1], "raw")).cpu;
        if (small > 0 && rawSmall > 0)
            std::printf("  CPU per 10x rows: %s %.3f -> %.3f ms, x%.1f; raw %.3f -> %.3f ms, x%.1f\n",
                        job.control, small * 1e3, large * 1e3, large / small, rawSmall * 1e3, rawLarge * 1e3,
                        rawLarge / rawSmall);
    }
    benchmark::Shutdown();
    return 0;
}
