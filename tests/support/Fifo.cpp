#include "Fifo.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

void MakeFifo(const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path; }

FifoWatchdog::FifoWatchdog(std::string fifo, int graceMs) : fifo_(std::move(fifo)) {
    thread_ = std::thread([this, graceMs] {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, std::chrono::milliseconds(graceMs), [this] { return done_; })) return;
        while (!done_) {
            // Succeeds only while someone has the pipe open for reading;
            // closing it again gives that reader the end of the file.
            int fd = ::open(fifo_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                fired_ = true;
                ::close(fd);
            }
            // A writer waiting for a reader is let go the same way: it has
            // the pipe open when a read finds data or would wait for it.
            fd = ::open(fifo_.c_str(), O_RDONLY | O_NONBLOCK);
            if (fd >= 0) {
                char byte;
                const ssize_t n = ::read(fd, &byte, 1);
                if (n > 0 || (n < 0 && errno == EAGAIN)) fired_ = true;
                ::close(fd);
            }
            wake_.wait_for(lock, std::chrono::milliseconds(10), [this] { return done_; });
        }
    });
}

FifoWatchdog::~FifoWatchdog() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        done_ = true;
    }
    wake_.notify_all();
    thread_.join();
}
