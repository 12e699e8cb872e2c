#include "AtomicWrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
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

// A temporary file of the document "name" is ".name.tmp-<digits>-<digits>":
// the name says whose it is, so a save can find what an earlier, killed save
// of the same document left behind.
std::string TemporaryPrefix(const std::string& fileName) { return "." + fileName + ".tmp-"; }

bool IsTemporaryOf(const std::string& entry, const std::string& prefix) {
    if (entry.size() <= prefix.size() || entry.compare(0, prefix.size(), prefix) != 0) return false;
    int dashes = 0;
    bool digit = false;
    for (size_t i = prefix.size(); i < entry.size(); ++i) {
        char c = entry[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '-' && digit && dashes == 0) {
            ++dashes;
            digit = false;
        } else {
            return false;
        }
    }
    return dashes == 1 && digit;
}

// A name beside the target that no one else uses: the caller creates it
// with O_EXCL and tries another on a clash.
std::string TemporaryName(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    thread_local std::mt19937 random{std::random_device{}()};
    std::string name = TemporaryPrefix(target.filename().string()) + std::to_string(getpid()) + "-" +
                       std::to_string(counter++) + std::to_string(random() % 1000000);
    return (target.parent_path() / name).string();
}

// Removes the temporary files of this document that no save is writing.  A
// save holds a lock on its temporary file until it is done, and the system
// drops that lock when the process dies; a file whose lock can be taken was
// therefore left by a save that will never finish.
void RemoveStaleTemporaries(const std::filesystem::path& target) {
    const std::string folder = target.parent_path().empty() ? "." : target.parent_path().string();
    const std::string prefix = TemporaryPrefix(target.filename().string());
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;  // the save itself reports a folder it cannot use
    while (dirent* e = ::readdir(dir)) {
        std::string entry = e->d_name;
        if (!IsTemporaryOf(entry, prefix)) continue;
        std::string path = folder + "/" + entry;
        int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat opened {
        }, named{};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::lstat(path.c_str(), &named) == 0 && named.st_ino == opened.st_ino &&
            named.st_dev == opened.st_dev) {
            ::unlink(path.c_str());
        }
        ::close(fd);
    }
    ::closedir(dir);
}

// The file a name leads to: the name itself, or where its chain of symbolic
// links ends, each relative link taken from the folder the link lies in.
// That file need not exist yet: a link to a file still to be made is saved
// through as well, as writing to it would.  Links that lead round in a
// circle raise 75.
std::string LinkTarget(const std::string& sFile, const char* source) {
    // As many links as the system itself follows before it gives up.
    constexpr int kMostLinks = 40;
    std::filesystem::path path(sFile);
    for (int followed = 0; followed <= kMostLinks; ++followed) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) return path.string();
        std::filesystem::path to = std::filesystem::read_symlink(path, ec);
        if (ec) RaiseFileError(ec.value(), sFile, "cannot read the symbolic link", source);
        // Not normalised: ".." in a link is the folder above the one the
        // link lies in, as the system reads it.
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    RaiseFileError(ELOOP, sFile, "cannot follow its symbolic links", source);
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

[[noreturn]] void RaiseTaken(const std::string& sFile, const char* source) {
    Raise(rt::kFileAlreadyExists, source, "Cannot save \"" + sFile + "\": it is there already");
}

// Why a name that is not a regular file cannot be written, as its kind.
const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder";
    if (S_ISFIFO(mode)) return "it is a named pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device";
    if (S_ISSOCK(mode)) return "it is a socket";
    return "it is not a regular file";
}

// Gives the temporary file the target's name without replacing what may
// have taken that name since it was looked at: the system's own no-replace
// rename where the file system has one, a hard link where it has those, and
// an exclusive create of the name followed by a rename over it otherwise.
// Returns 0, or the errno of the failure (EEXIST when the name is taken).
int PublishWithoutReplacing(const std::string& temp, const std::string& target) {
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
    if (::link(temp.c_str(), target.c_str()) == 0) {
        ::unlink(temp.c_str());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EMLINK) return errno;
    int claim = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (claim < 0) return errno;
    ::close(claim);
    if (::rename(temp.c_str(), target.c_str()) == 0) return 0;
    // The empty file is this write's own claim: it goes with the failure.
    const int err = errno;
    ::unlink(target.c_str());
    return err;
}

}  // namespace

OutputTarget OutputTargetOf(const std::string& sFile, const char* source) {
    if (sFile.empty()) Raise(rt::kBadFileName, source, "Cannot save: no file name given");
    struct stat st {};
    if (::stat(LinkTarget(sFile, source).c_str(), &st) != 0) return OutputTarget::Absent;
    return S_ISREG(st.st_mode) ? OutputTarget::RegularFile : OutputTarget::Other;
}

void WriteFileAtomically(const std::string& sFile, std::string_view content, const char* source,
                         ExistingFile existing) {
    if (sFile.empty()) Raise(rt::kBadFileName, source, "Cannot save: no file name given");

    // Saving through a symbolic link replaces the file it points at, not the
    // link itself.
    const std::string target = LinkTarget(sFile, source);
    const std::filesystem::path targetPath(target);
    // What is there decides before anything is written: only a regular file
    // may be replaced, and only when the caller asked for that.
    struct stat old {};
    const bool present = ::lstat(target.c_str(), &old) == 0;
    if (present && !S_ISREG(old.st_mode))
        Raise(rt::kPathFileAccess, source, "Cannot save \"" + sFile + "\": " + KindOf(old.st_mode));
    if (present && existing == ExistingFile::Refuse) RaiseTaken(sFile, source);
    RemoveStaleTemporaries(targetPath);

    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = TemporaryName(targetPath);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno != EEXIST) RaiseFileError(errno, sFile, "cannot create a file in its folder", source);
            continue;
        }
        // Locked at once, so another save sees it in use.  A save that
        // cleared it away between the creation and the lock has unlinked it:
        // then take another name.
        struct stat st {};
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0) {
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0) RaiseFileError(EEXIST, sFile, "cannot create a temporary file", source);

    auto fail = [&](const char* what) {
        int err = errno;
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        RaiseFileError(err, sFile, what, source);
    };

    // The replacement keeps the permissions of the file it replaces.
    if (present && ::fchmod(fd, old.st_mode & 07777) != 0) fail("cannot set the file's permissions");
    if (!WriteAll(fd, content)) fail("cannot write");
    if (::fsync(fd) != 0) fail("cannot flush to disk");
    if (existing == ExistingFile::Refuse) {
        if (int err = PublishWithoutReplacing(temp, target); err != 0) {
            ::close(fd);
            ::unlink(temp.c_str());
            if (err == EEXIST) RaiseTaken(sFile, source);
            RaiseFileError(err, sFile, "cannot make the file", source);
        }
    } else if (::rename(temp.c_str(), target.c_str()) != 0) {
        fail("cannot replace the file");
    }
    // The lock goes with the descriptor, after the rename: until then a
    // concurrent save leaves this file alone.
    ::close(fd);
    fd = -1;

    // The rename is only durable once the folder that records it is on disk.
    // A file system that cannot flush a folder (EINVAL) has nothing to flush.
    const std::string folder = targetPath.parent_path().empty() ? "." : targetPath.parent_path().string();
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) RaiseFileError(errno, sFile, "cannot open its folder to flush it", source);
    int flushed = ::fsync(dirFd);
    int err = errno;
    ::close(dirFd);
    if (flushed != 0 && err != EINVAL) RaiseFileError(err, sFile, "cannot flush its folder to disk", source);
}
