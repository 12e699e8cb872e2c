#pragma once
// Named pipes standing where a file is expected.  A reader that opens a pipe
// waits for a writer for ever, a writer for a reader; the watchdog plays the
// other side after a grace period, so a faulty reader or writer fails its
// test instead of hanging it.
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Makes a named pipe at `path` (a test fails when it cannot).
void MakeFifo(const std::string& path);

class FifoWatchdog {
public:
    // Starts watching the pipe: after `graceMs` it keeps opening the pipe for
    // writing and for reading and closing it again, which releases any
    // reader or writer.
    explicit FifoWatchdog(std::string fifo, int graceMs = 3000);
    ~FifoWatchdog();
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

    // True when a reader or writer had the pipe open after the grace period.
    bool Fired() const { return fired_; }

private:
    std::string fifo_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::atomic<bool> fired_{false};
    std::thread thread_;
};
