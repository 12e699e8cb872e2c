#include "AtomicWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/runtime/Error.h"

namespace {

[[noreturn]] void RaiseFileError(int err, const std::string& sFile, const char* what, const char* source) {
    int32_t number =
        (err == EACCES || err == EPERM || err == EROFS) ? rt::kPermissionDenied : rt::kPathFileAccess;
    Raise(number, source, "Cannot save \"" + sFile + "\": " + what + ": " + std::strerror(err));
}

// A name beside the target that no one else uses: the caller creates it
// with O_EXCL and tries another on a clash.
std::string TemporaryName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    thread_local std::mt19937 random{std::random_device{}()};
    std::filesystem::path p(target);
    std::string name = "." + p.filename().string() + ".tmp" + std::to_string(getpid()) + "-" +
                       std::to_string(counter++) + "-" + std::to_string(random() % 1000000);
    return (p.parent_path() / name).string();
}

bool WriteAll(int fd, std::string_view content) {
    const char* p = content.data();
    size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

void WriteFileAtomically(const std::string& sFile, std::string_view content, const char* source) {
    if (sFile.empty()) Raise(rt::kBadFileName, source, "Cannot save: no file name given");

    // Saving through a symbolic link replaces the file it points at, not the
    // link itself.
    std::string target = sFile;
    std::error_code ec;
    if (std::filesystem::is_symlink(sFile, ec)) {
        auto resolved = std::filesystem::canonical(sFile, ec);
        if (!ec) target = resolved.string();
    }

    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = TemporaryName(target);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            RaiseFileError(errno, sFile, "cannot create a file in its folder", source);
    }
    if (fd < 0) RaiseFileError(EEXIST, sFile, "cannot create a temporary file", source);

    auto fail = [&](const char* what) {
        int err = errno;
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        RaiseFileError(err, sFile, what, source);
    };

    // The replacement keeps the permissions of the file it replaces.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if (::fchmod(fd, old.st_mode & 07777) != 0) fail("cannot set the file's permissions");
    }
    if (!WriteAll(fd, content)) fail("cannot write");
    if (::fsync(fd) != 0) fail("cannot flush to disk");
    int closed = ::close(fd);
    fd = -1;
    if (closed != 0) fail("cannot close");
    if (::rename(temp.c_str(), target.c_str()) != 0) fail("cannot replace the file");
}
