#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Error.h"

namespace {

[[noreturn]] void RaiseNotRegular(const std::string& sFile, const struct stat& st, const char* source) {
    const char* what = S_ISDIR(st.st_mode)                          ? "a folder"
                       : S_ISFIFO(st.st_mode)                       ? "a pipe"
                       : S_ISSOCK(st.st_mode)                       ? "a socket"
                       : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ? "a device"
                                                                    : "not a regular file";
    Raise(rt::kPathFileAccess, source,
          RuntimeErrorText(rt::kPathFileAccess) + ": \"" + sFile + "\" is " + what + ", not a regular file");
}

[[noreturn]] void RaiseSystem(int err, const std::string& sFile, const char* source) {
    int32_t number = err == ENOENT || err == ENOTDIR ? rt::kFileNotFound
                     : err == EACCES || err == EPERM ? rt::kPermissionDenied
                                                     : rt::kPathFileAccess;
    Raise(number, source, RuntimeErrorText(number) + ": \"" + sFile + "\": " + std::strerror(err));
}

}  // namespace

RegularFile::RegularFile(const std::string& sFile, const char* source) : path_(sFile), source_(source) {
    if (sFile.empty())
        Raise(rt::kBadFileName, source, RuntimeErrorText(rt::kBadFileName) + ": no file named");
    // Looked at before opening: opening a pipe for reading would wait for a
    // writer.
    struct stat st {};
    if (::stat(sFile.c_str(), &st) != 0) RaiseSystem(errno, sFile, source);
    if (!S_ISREG(st.st_mode)) RaiseNotRegular(sFile, st, source);
    // The name may be replaced by a pipe between the look and the open:
    // O_NONBLOCK keeps that open from waiting, and the open file is looked at
    // once more.
    int fd = ::open(sFile.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) RaiseSystem(errno, sFile, source);
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        int err = errno;
        ::close(fd);
        RaiseSystem(err, sFile, source);
    }
    if (!S_ISREG(opened.st_mode)) {
        ::close(fd);
        RaiseNotRegular(sFile, opened, source);
    }
    fd_ = fd;
    size_ = static_cast<int64_t>(opened.st_size);
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::string RegularFile::ReadAt(int64_t offset, size_t length) const {
    std::string out(length, '\0');
    size_t got = 0;
    while (got < length) {
        ssize_t n = ::pread(fd_, out.data() + got, length - got,
                            static_cast<off_t>(offset) + static_cast<off_t>(got));
        if (n < 0) {
            if (errno == EINTR) continue;
            RaiseSystem(errno, path_, source_.c_str());
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    out.resize(got);
    return out;
}

std::string RegularFile::ReadAll() const {
    // The size is only a first guess: the file may grow while it is read.
    std::string out = ReadAt(0, static_cast<size_t>(size_));
    constexpr size_t kChunk = 1 << 16;
    for (;;) {
        std::string part = ReadAt(static_cast<int64_t>(out.size()), kChunk);
        out += part;
        if (part.size() < kChunk) return out;
    }
}

std::string ReadRegularFile(const std::string& sFile, const char* source) {
    return RegularFile(sFile, source).ReadAll();
}
