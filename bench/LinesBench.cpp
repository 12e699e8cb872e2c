// Result lines written to a pseudo-terminal and to a pipe, 10,000, 100,000
// and 1,000,000 lines of 60 characters, each way in the same run:
//
//   pty/N/raw     the whole text in one write(2) (and the few more a write
//                 cut short needs);
//   pty/N/lines   the lines handed one by one to ResultLines, the host's
//                 writer, as a table hands them over, and the rest written at
//                 the end (blocks of 64 KiB on the terminal, 16 KiB into the
//                 pipe);
//   pty/N/stdio   the lines handed one by one to the C library's stream, as
//                 the host wrote them before: on a terminal, a write(2) per
//                 line;
//   pipe/N/...    the same into a pipe (where the C library writes 4 KiB
//                 blocks).
//
// A thread reads the other end as it comes, as a terminal or the next
// program of a pipeline does, and a pass ends when it has read everything.
// The terminal has the settings a new one has (a line feed goes out as CR
// LF).  TERRALITH_BENCH_REPETITIONS sets the repetitions (7).  The summary
// prints the medians of CPU and wall time and the ratio of the writer, and of
// the C library's stream, to the single write.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "BenchSupport.h"
#include "host/main/ResultLines.h"

namespace {

constexpr int kSizes[] = {10000, 100000, 1000000};

// n lines of 60 characters, each ended by a line feed.
const std::vector<std::string>& Lines(int n) {
    static std::map<int, std::vector<std::string>> made;
    std::vector<std::string>& lines = made[n];
    if (lines.empty()) {
        char line[80];
        for (int i = 0; i < n; ++i) {
            std::snprintf(line, sizeof line, "Row %07d  Well 21/10-%05d  Sector 21  Spudded 19%02d  Open\n",
                          i % 10000000, i % 100000, i % 100);
            lines.emplace_back(line);
        }
    }
    return lines;
}

const std::string& Text(int n) {
    static std::map<int, std::string> made;
    std::string& text = made[n];
    if (text.empty())
        for (const std::string& line : Lines(n)) text += line;
    return text;
}

// One end written by a pass, the other read by a thread of its own as fast as
// it comes; Wait returns once it has read what was written.
class Drain {
public:
    explicit Drain(bool terminal) : terminal_(terminal) {
        if (terminal ? openpty(&read_, &write_, nullptr, nullptr, nullptr) != 0 : pipe(ends_) != 0)
            throw std::runtime_error("cannot open a pseudo-terminal or a pipe");
        if (!terminal) {
            read_ = ends_[0];
            write_ = ends_[1];
        }
        reader_ = std::thread([this] {
            std::vector<char> buffer(1 << 20);
            for (ssize_t n; (n = read(read_, buffer.data(), buffer.size())) > 0;)
                got_ += static_cast<size_t>(n);
        });
    }
    ~Drain() {
        close(write_);
        reader_.join();
        close(read_);
    }
    int Fd() const { return write_; }
    // Waits until the reader has what `text` gives: on the terminal each line
    // feed comes out as two characters.
    void Wait(size_t written, size_t lines) {
        expected_ += written + (terminal_ ? lines : 0);
        while (got_.load() < expected_) std::this_thread::yield();
    }

private:
    bool terminal_;
    int ends_[2] = {-1, -1};
    int read_ = -1, write_ = -1;
    std::atomic<size_t> got_{0};
    size_t expected_ = 0;
    std::thread reader_;
};

Drain& Target(bool terminal) {
    static Drain pty(true), pipe(false);
    return terminal ? pty : pipe;
}

void WriteRaw(benchmark::State& state, bool terminal, int n) {
    Drain& drain = Target(terminal);
    const std::string& text = Text(n);
    for (auto _ : state) {
        for (size_t at = 0; at < text.size();) {
            const ssize_t written = write(drain.Fd(), text.data() + at, text.size() - at);
            if (written <= 0) throw std::runtime_error("a write failed");
            at += static_cast<size_t>(written);
        }
        drain.Wait(text.size(), static_cast<size_t>(n));
    }
}

void WriteLines(benchmark::State& state, bool terminal, int n) {
    Drain& drain = Target(terminal);
    const std::vector<std::string>& lines = Lines(n);
    for (auto _ : state) {
        host::ResultLines out(drain.Fd());
        for (const std::string& line : lines) out << line;
        if (!out.WriteAll()) throw std::runtime_error("a write failed");
        drain.Wait(Text(n).size(), static_cast<size_t>(n));
    }
}

void WriteStdio(benchmark::State& state, bool terminal, int n) {
    Drain& drain = Target(terminal);
    const std::vector<std::string>& lines = Lines(n);
    for (auto _ : state) {
        // The library picks the buffering from what the descriptor is, as it
        // does for standard output.
        FILE* out = fdopen(dup(drain.Fd()), "w");
        if (!out) throw std::runtime_error("cannot open a stream");
        for (const std::string& line : lines) std::fwrite(line.data(), 1, line.size(), out);
        if (std::fclose(out) != 0) throw std::runtime_error("a write failed");
        drain.Wait(Text(n).size(), static_cast<size_t>(n));
    }
}

using Bench = void (*)(benchmark::State&, bool, int);
struct Way {
    const char* name;
    Bench fn;
};
const Way kWays[] = {{"raw", WriteRaw}, {"lines", WriteLines}, {"stdio", WriteStdio}};

std::string Prefix(bool terminal, int n) {
    return std::string(terminal ? "pty/" : "pipe/") + std::to_string(n);
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = bench::Initialize(argc, argv);
    for (bool terminal : {true, false})
        for (int n : kSizes)
            for (const Way& way : kWays)
                bench::Register(
                    Prefix(terminal, n) + "/" + way.name,
                    [fn = way.fn, terminal, n](benchmark::State& s) { fn(s, terminal, n); }, repetitions);
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (bool terminal : {true, false}) {
        for (int n : kSizes) {
            std::printf("\n%s, %d lines:\n", terminal ? "pseudo-terminal" : "pipe", n);
            bench::PrintRatio(reporter, Prefix(terminal, n), "lines");
            bench::PrintRatio(reporter, Prefix(terminal, n), "stdio");
        }
    }
    benchmark::Shutdown();
    return 0;
}
