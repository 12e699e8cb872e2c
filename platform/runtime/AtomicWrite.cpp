#include "AtomicWrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>

#include "platform/runtime/Error.h"

namespace {

[[noreturn]] void RaiseFileError(int err, const std::string& sFile, const char* what, const char* source) {
    int32_t number =
        (err == EACCES || err == EPERM || err == EROFS) ? rt::kPermissionDenied : rt::kPathFileAccess;
    Raise(number, source, "Cannot save \"" + sFile + "\": " + what + ": " + std::strerror(err));
}

[[noreturn]] void RaiseTaken(const std::string& sFile, const char* source) {
    Raise(rt::kFileAlreadyExists, source, "Cannot save \"" + sFile + "\": it is there already");
}

// Why a name that is not a regular file cannot be written, as its kind.
const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder";
    if (S_ISFIFO(mode)) return "it is a pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device";
    if (S_ISSOCK(mode)) return "it is a socket";
    return "it is not a regular file";
}

// The longest file name the folder takes; 255, the usual limit, where the
// system does not say.
size_t NameLimit(const std::string& folder) {
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<size_t>(limit) : 255;
}

// What a temporary name needs beside the part taken from the target's name:
// "." before it, ".tmp-" after it, and two numbers of up to 20 digits joined
// by "-".
constexpr size_t kTemporaryRoom = 1 + 5 + 20 + 1 + 20;

// ".<name>.tmp-", with as much of the target's name as leaves room for the
// numbers within the folder's limit, cut between two characters.  The same
// target always gets the same prefix, so a write finds what an earlier write
// of it left.
std::string TemporaryPrefix(const std::string& fileName, size_t limit) {
    size_t keep = std::min(fileName.size(), limit > kTemporaryRoom ? limit - kTemporaryRoom : 0);
    // A character of UTF-8 is not split: its continuation bytes are 10xxxxxx.
    while (keep > 0 && keep < fileName.size() && (static_cast<unsigned char>(fileName[keep]) & 0xC0) == 0x80)
        --keep;
    return "." + fileName.substr(0, keep) + ".tmp-";
}

// The number a name holds after `prefix`; false unless the rest is digits alone.
bool NumberAfter(const std::string& entry, const std::string& prefix, uint64_t& number) {
    if (entry.size() <= prefix.size() || entry.compare(0, prefix.size(), prefix) != 0) return false;
    const char* last = entry.data() + entry.size();
    auto [end, ec] = std::from_chars(entry.data() + prefix.size(), last, number);
    return ec == std::errc() && end == last;
}

// Removes the temporary files of a target that writes which will never
// finish left behind.  Such a file carries its own inode number in its name,
// which a file someone made or named by hand does not: that one stays, however
// much it looks like a temporary file.  A write holds a lock on its file until
// it is done, and the system drops the lock when the process dies; a file
// whose lock can be taken was therefore left by a write that is over.
void RemoveStaleTemporaries(const std::string& folder, const std::string& prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;  // the write itself reports a folder it cannot use
    while (dirent* e = ::readdir(dir)) {
        const std::string entry = e->d_name;
        uint64_t number = 0;
        if (!NumberAfter(entry, prefix, number)) continue;
        const std::string path = folder + "/" + entry;
        struct stat named {};
        if (::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode) || named.st_ino != number) continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat opened {
        }, again{};
        // Looked at once more under the lock: the name may lead to another
        // file by now.
        if (::fstat(fd, &opened) == 0 && opened.st_ino == number && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::lstat(path.c_str(), &again) == 0 && again.st_ino == opened.st_ino &&
            again.st_dev == opened.st_dev) {
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
// circle raise 75.  Nothing when a link stopped being one while it was read:
// the name changed under the look, which is then taken again.
std::optional<std::string> LinkTarget(const std::string& sFile, const char* source) {
    // As many links as the system itself follows before it gives up.
    constexpr int kMostLinks = 40;
    std::filesystem::path path(sFile);
    for (int followed = 0; followed <= kMostLinks; ++followed) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) return path.string();
        std::filesystem::path to = std::filesystem::read_symlink(path, ec);
        if (ec == std::errc::invalid_argument || ec == std::errc::no_such_file_or_directory) return {};
        if (ec) RaiseFileError(ec.value(), sFile, "cannot read the symbolic link", source);
        // Not normalised: ".." in a link is the folder above the one the
        // link lies in, as the system reads it.
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    RaiseFileError(ELOOP, sFile, "cannot follow its symbolic links", source);
}

// Where a write of a name puts its file, and what is there now.
struct Destination {
    std::string target;    // where the links end: the name the file takes
    bool present = false;  // something is there
    mode_t mode = 0;       // what it is, and its permissions
};

// One look at the name, as DestinationOf describes it; false when the file
// the system finds at the name is not the one at the end of its links.
bool LookAt(const std::string& sFile, const char* source, Destination& d) {
    // The system is asked first, following the name as a write would: the
    // links of /dev/stdout and /proc/self/fd lead to a pipe through text that
    // is no name, and only the system knows what is at their end.
    struct stat named {};
    d.present = ::stat(sFile.c_str(), &named) == 0;
    if (!d.present && errno != ENOENT)
        RaiseFileError(errno, sFile,
                       errno == ELOOP ? "cannot follow its symbolic links" : "cannot use the name", source);
    d.mode = named.st_mode;
    std::optional<std::string> target = LinkTarget(sFile, source);
    if (!target) return false;
    d.target = std::move(*target);
    if (!d.present || !S_ISREG(d.mode)) return true;
    // The file must be the one its links name: a link of /proc to a deleted
    // file reads as a name that is not that file.
    struct stat st {};
    return ::stat(d.target.c_str(), &st) == 0 && st.st_dev == named.st_dev && st.st_ino == named.st_ino;
}

Destination DestinationOf(const std::string& sFile, const char* source) {
    if (sFile.empty()) Raise(rt::kBadFileName, source, "Cannot save: no file name given");
    // The name is looked at more than once, and another writer may rename
    // its file over it in between: the two looks then see two files.  Such a
    // name is looked at again; only one that never leads to the file at the
    // end of its links leads nowhere it can be written under.
    constexpr int kMostLooks = 16;
    Destination d;
    for (int look = 0; look < kMostLooks; ++look)
        if (LookAt(sFile, source, d)) return d;
    Raise(rt::kPathFileAccess, source,
          "Cannot save \"" + sFile + "\": its links do not lead to a name it can be written under");
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

// An unnamed file is given its name through its entry in /proc: without
// /proc it could never be named, and files are made with names from the
// start.
bool UnnamedFilesCanBeNamed() {
    static const bool can = ::access("/proc/self/fd", X_OK) == 0;
    return can;
}

// Gives the unnamed file open as `fd` the free name `name`: 0, or the errno
// of the failure (EEXIST when the name is taken).
int NameUnnamed(int fd, const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

// A name no one else uses, for the moment before a file gets the name that
// marks it as a temporary file of this system.
std::string FreshName(const std::string& folder, const std::string& prefix) {
    static std::atomic<unsigned> counter{0};
    thread_local std::mt19937 random{std::random_device{}()};
    return folder + "/" + prefix + std::to_string(getpid()) + "-" + std::to_string(counter++) +
           std::to_string(random() % 1000000);
}

// Flushes the folder that records a rename; 0 or the errno.  A file system
// that cannot flush a folder (EINVAL) has nothing to flush.
int FlushFolder(const std::string& folder) {
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return errno;
    const int err = ::fsync(dirFd) == 0 ? 0 : errno;
    ::close(dirFd);
    return err == EINVAL ? 0 : err;
}

}  // namespace

OutputDestination OutputDestinationOf(const std::string& sFile, const char* source) {
    const Destination d = DestinationOf(sFile, source);
    const OutputTarget target = !d.present        ? OutputTarget::Absent
                                : S_ISREG(d.mode) ? OutputTarget::RegularFile
                                                  : OutputTarget::Other;
    return {target, d.target};
}

PendingFile::PendingFile(const std::string& sFile, std::string_view content, const char* source,
                         ExistingFile existing)
    : file_(sFile), source_(source), existing_(existing) {
    // What is there decides before anything is written: only a regular file
    // may be replaced, and only when the caller asked for that.  Through a
    // symbolic link the file it points at is replaced, not the link itself.
    const Destination d = DestinationOf(sFile, source);
    if (d.present && !S_ISREG(d.mode))
        Raise(rt::kPathFileAccess, source, "Cannot save \"" + sFile + "\": " + KindOf(d.mode));
    if (d.present && existing == ExistingFile::Refuse) RaiseTaken(sFile, source);
    target_ = d.target;
    const std::filesystem::path targetPath(target_);
    folder_ = targetPath.parent_path().empty() ? "." : targetPath.parent_path().string();
    prefix_ = TemporaryPrefix(targetPath.filename().string(), NameLimit(folder_));
    RemoveStaleTemporaries(folder_, prefix_);

    // Unnamed while it is written, where the file system can: a write that is
    // killed then leaves nothing at all.
    if (UnnamedFilesCanBeNamed()) {
        fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            RaiseFileError(errno, sFile, "cannot create a file in its folder", source);
    }
    if (fd_ < 0) {
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            temp_ = FreshName(folder_, prefix_);
            fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                RaiseFileError(errno, sFile, "cannot create a file in its folder", source);
        }
        if (fd_ < 0) RaiseFileError(EEXIST, sFile, "cannot create a temporary file", source);
    }
    // Locked at once, before it has a name another write could see: until
    // this write is done no other one takes it for left over.
    ::flock(fd_, LOCK_EX | LOCK_NB);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) Fail(errno, "cannot look at the new file");
    device_ = st.st_dev;
    inode_ = st.st_ino;
    // A file that had to be named from the start takes the name that marks it
    // as this system's at once, so that what a killed write leaves is found;
    // should that fail it keeps its first name, which nothing removes.
    if (!temp_.empty()) {
        const std::string marked = MarkedName();
        if (PublishWithoutReplacing(temp_, marked) == 0) temp_ = marked;
    }

    // The replacement keeps the permissions of the file it replaces.
    if (d.present && ::fchmod(fd_, d.mode & 07777) != 0) Fail(errno, "cannot set the file's permissions");
    if (!WriteAll(fd_, content)) Fail(errno, "cannot write");
    if (::fsync(fd_) != 0) Fail(errno, "cannot flush to disk");
}

PendingFile::~PendingFile() { Discard(); }

std::string PendingFile::MarkedName() const { return folder_ + "/" + prefix_ + std::to_string(inode_); }

void PendingFile::Discard() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    // Once published the temporary name is the target's.
    if (!published_ && !temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

void PendingFile::Fail(int err, const char* what) {
    Discard();
    RaiseFileError(err, file_, what, source_);
}

void PendingFile::Publish() {
    if (published_ || fd_ < 0) return;
    if (existing_ == ExistingFile::Refuse) {
        // An unnamed file takes the target's name directly: a link to a name
        // never replaces what is there.
        const int err = temp_.empty() ? NameUnnamed(fd_, target_) : PublishWithoutReplacing(temp_, target_);
        if (err == EEXIST) {
            Discard();
            RaiseTaken(file_, source_);
        }
        if (err != 0) Fail(err, "cannot make the file");
    } else {
        // Only a rename replaces a file whole, and a rename moves a name: the
        // file is named for the instant before it, as a temporary file that
        // a later write removes should this one be killed in between.
        if (temp_.empty()) {
            temp_ = MarkedName();
            int err = NameUnnamed(fd_, temp_);
            // Someone's own file has that name: any free name does.
            for (int attempt = 0; err == EEXIST && attempt < 100; ++attempt)
                err = NameUnnamed(fd_, temp_ = FreshName(folder_, prefix_));
            if (err != 0) {
                temp_.clear();
                Fail(err, "cannot name the file in its folder");
            }
        }
        if (::rename(temp_.c_str(), target_.c_str()) != 0) Fail(errno, "cannot replace the file");
    }
    published_ = true;
    temp_.clear();
    // The lock goes with the descriptor, after the rename: until then a
    // concurrent write leaves this file alone.
    ::close(fd_);
    fd_ = -1;
    // The rename is only durable once the folder that records it is on disk.
    if (const int err = FlushFolder(folder_); err != 0)
        RaiseFileError(err, file_, "cannot flush its folder to disk", source_);
}

void PendingFile::Withdraw() noexcept {
    if (!published_ || existing_ != ExistingFile::Refuse) return;
    struct stat st {};
    if (::lstat(target_.c_str(), &st) == 0 && st.st_dev == device_ && st.st_ino == inode_) {
        ::unlink(target_.c_str());
        FlushFolder(folder_);
    }
    published_ = false;
}

void WriteFileAtomically(const std::string& sFile, std::string_view content, const char* source,
                         ExistingFile existing) {
    PendingFile(sFile, content, source, existing).Publish();
}
