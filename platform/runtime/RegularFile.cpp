#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Error.h"
#include "FilesRead.h"
#include "Text.h"

namespace {

// Why a file cannot be read, in the words that follow its name.
struct Refusal {
    int32_t number = 0;
    std::string reason;
};

Refusal NotRegular(const struct stat& st) {
    const char* what = S_ISDIR(st.st_mode)                          ? "a folder"
                       : S_ISFIFO(st.st_mode)                       ? "a pipe"
                       : S_ISSOCK(st.st_mode)                       ? "a socket"
                       : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ? "a device"
                                                                    : "something else";
    return {rt::kPathFileAccess, std::string("it is ") + what + ", not a regular file"};
}

Refusal SystemRefusal(int err) {
    int32_t number = err == ENOENT || err == ENOTDIR ? rt::kFileNotFound
                     : err == EACCES || err == EPERM ? rt::kPermissionDenied
                                                     : rt::kPathFileAccess;
    return {number, std::strerror(err)};
}

[[noreturn]] void RaiseRefusal(const Refusal& refusal, const std::string& sFile, const std::string& source) {
    Raise(refusal.number, source,
          RuntimeErrorText(refusal.number) + ": \"" + VisibleText(sFile) + "\": " + refusal.reason);
}

// Opens a regular file for reading: its descriptor, or -1 with why not.
// `seen` is what the name led to (the opened file once it is open), and
// `there` says whether it led to anything.
int OpenLooking(const std::string& sFile, Refusal& refusal, int64_t& size, struct stat& seen, bool& there) {
    if (sFile.empty()) {
        refusal = {rt::kBadFileName, "no file named"};
        return -1;
    }
    // Looked at before opening: opening a pipe for reading would wait for a
    // writer.
    there = ::stat(sFile.c_str(), &seen) == 0;
    if (!there) {
        refusal = SystemRefusal(errno);
        return -1;
    }
    if (!S_ISREG(seen.st_mode)) {
        refusal = NotRegular(seen);
        return -1;
    }
    // The name may be replaced by a pipe between the look and the open:
    // O_NONBLOCK keeps that open from waiting, and the open file is looked at
    // once more.
    int fd = ::open(sFile.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        refusal = SystemRefusal(errno);
        return -1;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        refusal = SystemRefusal(errno);
        ::close(fd);
        return -1;
    }
    seen = opened;
    if (!S_ISREG(opened.st_mode)) {
        refusal = NotRegular(opened);
        ::close(fd);
        return -1;
    }
    size = static_cast<int64_t>(opened.st_size);
    return fd;
}

// OpenLooking, the file noted as read once, as it was found: also when it
// was not there, since a file written under that name would be read in its
// place next time.
int OpenRegular(const std::string& sFile, Refusal& refusal, int64_t& size) {
    struct stat seen {};
    bool there = false;
    const int fd = OpenLooking(sFile, refusal, size, seen, there);
    NoteFileRead(sFile, there ? &seen : nullptr);
    return fd;
}

}  // namespace

RegularFile::RegularFile(const std::string& sFile, const char* source) : path_(sFile), source_(source) {
    Refusal refusal;
    fd_ = OpenRegular(sFile, refusal, size_);
    if (fd_ < 0) {
        if (refusal.number == rt::kBadFileName)
            Raise(rt::kBadFileName, source, RuntimeErrorText(rt::kBadFileName) + ": " + refusal.reason);
        RaiseRefusal(refusal, sFile, source);
    }
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
            RaiseRefusal(SystemRefusal(errno), path_, source_);
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

std::string RegularFileProblem(const std::string& sFile) {
    Refusal refusal;
    int64_t size = 0;
    int fd = OpenRegular(sFile, refusal, size);
    if (fd < 0) return refusal.reason;
    ::close(fd);
    return "";
}

bool TryReadRegularFile(const std::string& sFile, std::string& sText, std::string& sProblem) {
    Refusal refusal;
    RegularFile file;
    file.fd_ = OpenRegular(sFile, refusal, file.size_);
    if (file.fd_ < 0) {
        sProblem = refusal.reason;
        return false;
    }
    file.path_ = sFile;
    // A read that fails once the file is open is rare enough to be told in
    // the raised error's own words.
    try {
        sText = file.ReadAll();
    } catch (const Error& e) {
        sProblem = e.Description();
        return false;
    }
    sProblem.clear();
    return true;
}
