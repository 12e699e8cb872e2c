#include "ResultLines.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "host/main/Interrupt.h"

namespace host {

ResultLines::ResultLines(int fd)
    : std::ostream(nullptr), lines_(fd, isatty(fd) == 1 ? kTerminalBlock : kBlock) {
    rdbuf(&lines_);
    // Cancelled, raised where a line is taken, reaches the command as it is.
    exceptions(std::ios::badbit);
}

ResultLines::Lines::Lines(int fd, size_t block) : fd_(fd), block_(block) { held_.reserve(block); }

std::streamsize ResultLines::Lines::xsputn(const char* s, std::streamsize n) {
    const char* const end = s + n;
    while (s < end) {
        // A Ctrl-C stops the command before its next line: nothing of that
        // line is taken, and a line begun is always taken to its end.
        if (held_.size() == lineEnd_) Interruptible::StopIfInterrupted();
        const void* found = std::memchr(s, '\n', static_cast<size_t>(end - s));
        const char* next = found ? static_cast<const char*>(found) + 1 : end;
        held_.append(s, next);
        s = next;
        if (!found) break;
        lineEnd_ = held_.size();
        if (lineEnd_ >= block_) WriteHeld(lineEnd_);
    }
    return n;
}

ResultLines::Lines::int_type ResultLines::Lines::overflow(int_type c) {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        const char one = traits_type::to_char_type(c);
        xsputn(&one, 1);
    }
    return traits_type::not_eof(c);
}

int ResultLines::Lines::sync() {
    WriteHeld(lineEnd_);
    return 0;
}

bool ResultLines::Lines::Write(bool all) {
    WriteHeld(all ? held_.size() : lineEnd_);
    return !failed_ && !cut_;
}

void ResultLines::Lines::DropUnfinishedLine() { held_.resize(lineEnd_); }

void ResultLines::Lines::WriteHeld(size_t end) {
    size_t at = 0, stop = end;
    while (at < stop && !failed_) {
        if (at > 0 && Interruptible::Interrupted()) {
            // A write that a Ctrl-C broke off goes on to the end of the line
            // it is in, and no further.
            const size_t last = held_.find('\n', at - 1);
            if (last != std::string::npos) stop = std::min(stop, last + 1);
            if (at >= stop) break;
        }
        const ssize_t n = ::write(fd_, held_.data() + at, stop - at);
        if (n >= 0) {
            at += static_cast<size_t>(n);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // Standard output left not blocking by whoever shares it: wait
            // until it takes more (a Ctrl-C cuts the wait short).
            pollfd ready{fd_, POLLOUT, 0};
            ::poll(&ready, 1, -1);
        } else if (errno != EINTR) {
            failed_ = true;
        }
    }
    if (stop < end && !failed_) cut_ = true;
    // What was not written is dropped with what was: after a failed write
    // nothing more reaches the output, so nothing can look whole that is not.
    held_.erase(0, end);
    lineEnd_ = lineEnd_ > end ? lineEnd_ - end : 0;
}

ResultLines& StandardOutput() {
    static ResultLines out(STDOUT_FILENO);
    return out;
}

}  // namespace host
