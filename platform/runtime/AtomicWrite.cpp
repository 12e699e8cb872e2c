#include "AtomicWrite.h"

#include <dirent.h>
#include <endian.h>
#include <fcntl.h>
#include <linux/capability.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace {

// A name as a message quotes it.
std::string Quoted(const std::string& name) { return "\"" + VisibleText(name) + "\""; }

// The error number a failure of the system stands for.
int32_t NumberOf(int err) {
    return (err == EACCES || err == EPERM || err == EROFS) ? rt::kPermissionDenied : rt::kPathFileAccess;
}

[[noreturn]] void RaiseFileError(int err, const std::string& sFile, const std::string& what,
                                 const char* source) {
    Raise(NumberOf(err), source, "Cannot save " + Quoted(sFile) + ": " + what + ": " + std::strerror(err));
}

constexpr char kCannotKeep[] = "cannot keep the file it replaces";
// Names can be added to such a folder but none removed or renamed, so a file
// there can neither replace another nor lose a name a write gave it.
constexpr char kAddsNamesOnly[] = "its folder takes new names but gives none up (it is append-only)";

[[noreturn]] void RaiseTaken(const std::string& sFile, const char* source) {
    Raise(rt::kFileAlreadyExists, source, "Cannot save " + Quoted(sFile) + ": it is there already");
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

// A file made with a name from the start is born empty and with the sticky
// bit, which no file this system writes keeps: the system sets a new file's
// mode in the same step that makes it, so such a file is known as this
// system's from its first instant until it takes the name that carries its
// inode, and only then loses the bit.
constexpr mode_t kBornMode = S_ISVTX | 0666;

// The first number a name holds after `prefix`: the rest is "<number>" or
// "<number>-<number>", digits alone; false for anything else.
bool NumberAfter(const std::string& entry, const std::string& prefix, uint64_t& number) {
    if (entry.size() <= prefix.size() || entry.compare(0, prefix.size(), prefix) != 0) return false;
    const char* last = entry.data() + entry.size();
    auto [end, ec] = std::from_chars(entry.data() + prefix.size(), last, number);
    if (ec != std::errc()) return false;
    if (end == last) return true;
    uint64_t second = 0;
    if (*end != '-' || end + 1 == last) return false;
    auto [secondEnd, secondEc] = std::from_chars(end + 1, last, second);
    return secondEc == std::errc() && secondEnd == last;
}

// Whether a file under a temporary name whose first number is `number` was
// made by a write of this system: the number is its own inode, or it is as
// it was born.  A file someone made or named by hand is neither.
bool MadeByAWrite(const struct stat& st, uint64_t number) {
    return S_ISREG(st.st_mode) && (st.st_ino == number || ((st.st_mode & S_ISVTX) != 0 && st.st_size == 0));
}

// How a file is opened only to be held and locked: never through a link,
// never waiting, nothing truncated.
constexpr int kHoldFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// Opens the regular file at `path` to hold it: for reading, else, where
// reading is refused, for writing, as its owner may open a file of theirs
// that they may write but not read.  -1 with errno set when it may be
// neither read nor written.
int OpenToHold(const std::string& path, bool& readable) {
    int fd = ::open(path.c_str(), O_RDONLY | kHoldFlags);
    readable = fd >= 0;
    if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_WRONLY | kHoldFlags);
    return fd;
}

// Locks the file open as `fd`, found at `path`, without waiting: `how` is
// LOCK_SH or LOCK_EX; true when the lock is held.  Where a lock is a lock on
// a range of bytes underneath (NFS), a shared lock needs a descriptor open
// for reading and an exclusive one a descriptor open for writing, and the
// other is refused (EBADF).  There a shared lock over a file open for
// writing only is taken exclusive, which keeps a clean-up away all the same,
// and an exclusive one over a file open for reading only is taken over the
// file opened once more, for writing, which then replaces `fd`: a file that
// may not be written cannot be locked exclusively there.
bool Lock(int& fd, int how, const std::string& path) {
    if (::flock(fd, how | LOCK_NB) == 0) return true;
    if (errno != EBADF) return false;
    if (how == LOCK_SH) return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const int writable = ::open(path.c_str(), O_WRONLY | kHoldFlags);
    if (writable < 0) return false;
    ::close(fd);
    fd = writable;
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// Whether the entries of `folder` can be listed, as a clean-up lists them;
// not in one that may be written but not read.
bool MayList(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir) ::closedir(dir);
    return dir != nullptr;
}

// Removes the temporary files of a target that writes which will never
// finish left behind: the ones MadeByAWrite recognises, so that a file that
// only looks like one stays.  A write holds a lock on its file until it is
// done, and the system drops the lock when the process dies; a file whose
// lock can be taken was therefore left by a write that is over.
void RemoveStaleTemporaries(const std::string& folder, const std::string& prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;  // the write itself reports a folder it cannot use
    while (dirent* e = ::readdir(dir)) {
        const std::string entry = e->d_name;
        uint64_t number = 0;
        if (!NumberAfter(entry, prefix, number)) continue;
        const std::string path = folder + "/" + entry;
        struct stat named {};
        if (::lstat(path.c_str(), &named) != 0 || !MadeByAWrite(named, number)) continue;
        bool readable = false;
        int fd = OpenToHold(path, readable);
        if (fd < 0) continue;
        struct stat opened {
        }, again{};
        // Looked at once more under the lock: the name may lead to another
        // file by now.
        if (Lock(fd, LOCK_EX, path) && ::fstat(fd, &opened) == 0 && MadeByAWrite(opened, number) &&
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
    uid_t owner = 0;       // whose it is
    gid_t group = 0;
};

// One look at the name, as DestinationOf describes it; false when the file
// the system finds at the name is not the one at the end of its links.
bool LookAt(const std::string& sFile, const char* source, Destination& d) {
    std::optional<std::string> target = LinkTarget(sFile, source);
    if (!target) return false;
    d.target = std::move(*target);
    // The system is asked too, following the name as a write would: the
    // links of /dev/stdout and /proc/self/fd lead to a pipe through text that
    // is no name, and only the system knows what is at their end.  The name
    // and the end of its links are asked one right after the other, so that
    // another writer's rename seldom falls between.
    struct stat named {
    }, st{};
    d.present = ::stat(sFile.c_str(), &named) == 0;
    if (!d.present && errno != ENOENT)
        RaiseFileError(errno, sFile,
                       errno == ELOOP ? "cannot follow its symbolic links" : "cannot use the name", source);
    d.mode = named.st_mode;
    d.owner = named.st_uid;
    d.group = named.st_gid;
    if (!d.present || !S_ISREG(d.mode)) return true;
    // The file must be the one its links name: a link of /proc to a deleted
    // file reads as a name that is not that file.
    return ::stat(d.target.c_str(), &st) == 0 && st.st_dev == named.st_dev && st.st_ino == named.st_ino;
}

Destination DestinationOf(const std::string& sFile, const char* source) {
    if (sFile.empty()) Raise(rt::kBadFileName, source, "Cannot save: no file name given");
    // The name is looked at more than once, and another writer may rename
    // its file over it in between: the two looks then see two files.  Such a
    // name is looked at again, after a pause that grows each time, so that a
    // writer renaming in step with the looks falls out of step; only one
    // that never leads to the file at the end of its links, for some 6 ms,
    // leads nowhere it can be written under.
    constexpr int kMostLooks = 16;
    Destination d;
    for (int look = 0; look < kMostLooks; ++look) {
        if (look > 0) std::this_thread::sleep_for(std::chrono::microseconds(std::min(1 << (look - 1), 1000)));
        if (LookAt(sFile, source, d)) return d;
    }
    Raise(rt::kPathFileAccess, source,
          "Cannot save \"" + VisibleText(sFile) +
              "\": its links do not lead to a name it can be written under");
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

// Makes an empty file of mode `mode` under the free name `name`, so that a
// rename over it takes nothing but this claim: 0, or the errno of the
// failure (EEXIST when the name is taken).
int Claim(const std::string& name, mode_t mode) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return errno;
    ::close(fd);
    return 0;
}

// Gives the file named `temp` the name `target` without replacing what may
// have taken that name since it was looked at: the system's own no-replace
// rename where the file system has one, a hard link where it has those, and
// a claim of the name (made with `claimMode`) and a rename over it otherwise.
// Returns 0, or the errno of the failure (EEXIST when the name is taken).
int PublishWithoutReplacing(const std::string& temp, const std::string& target, mode_t claimMode = 0666) {
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
    if (::link(temp.c_str(), target.c_str()) == 0) {
        ::unlink(temp.c_str());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EMLINK) return errno;
    if (const int err = Claim(target, claimMode); err != 0) return err;
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

// Gives the file open as `fd`, unnamed or not, the free name `name` too: 0,
// or the errno of the failure (EEXIST when the name is taken).
int LinkOpenFile(int fd, const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

// Gives the regular file open as `fd`, found at `path` as `st`, the free name
// `name` too: through /proc where there is one, else through `path`, which
// must still lead to that file.  0, or the errno of the failure (EEXIST when
// the name is taken, ESTALE when `path` leads elsewhere by now).
int LinkFoundFile(int fd, const std::string& path, const struct stat& st, const std::string& name) {
    if (UnnamedFilesCanBeNamed()) return LinkOpenFile(fd, name);
    if (::link(path.c_str(), name.c_str()) != 0) return errno;
    struct stat linked {};
    if (::lstat(name.c_str(), &linked) == 0 && linked.st_dev == st.st_dev && linked.st_ino == st.st_ino)
        return 0;
    ::unlink(name.c_str());
    return ESTALE;
}

// Copies the whole content of the file open as `from` to `to`, a piece at a
// time, so that a file of any size takes no more memory than one piece;
// false with errno set when it cannot.
bool CopyAll(int from, int to) {
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(from, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        if (!WriteAll(to, std::string_view(buffer, static_cast<size_t>(n)))) return false;
        at += n;
    }
}

// Whether this process holds the capability `capability` (root does):
// CAP_FOWNER acts as the owner of any file, CAP_CHOWN gives a file to anyone.
bool HasCapability(int capability) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    return ::syscall(SYS_capget, &header, data) == 0 &&
           (data[capability / 32].effective & (1u << (capability % 32))) != 0;
}

// The permissions `mode` of a file as another file of its content takes
// them: a set-user-ID or set-group-ID bit only where that file keeps the
// owner (`sameOwner`) or the group (`sameGroup`) it is for, since it would
// run a program as someone else.
mode_t WithSetIdsKept(mode_t mode, bool sameOwner, bool sameGroup) {
    return mode & 07777 & ~(sameOwner ? 0 : S_ISUID) & ~(sameGroup ? 0 : S_ISGID);
}

// Whether this process may take a name in `folder` from the file `file`, by
// a rename over it or by removing it.  In a folder with the sticky bit (a
// shared one such as /tmp) only the owner of the file or of the folder may.
bool MayTakeName(const std::string& folder, const struct stat& file) {
    struct stat dir {};
    if (::stat(folder.c_str(), &dir) != 0 || (dir.st_mode & S_ISVTX) == 0) return true;
    const uid_t me = ::geteuid();
    return file.st_uid == me || dir.st_uid == me || HasCapability(CAP_FOWNER);
}

// Whether names can be added to `folder` but none removed (the append-only
// attribute): a rename there fails, and so would the removal of what a write
// left.
bool AddsNamesOnly(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    const bool appendOnly = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_APPEND_FL) != 0;
    ::close(fd);
    return appendOnly;
}

// The extended attribute that holds a file's access control list.
constexpr char kAccessList[] = "system.posix_acl_access";

// An entry of an access control list: whom it is for (its tag, and for a
// named user or group the id) and what it gives (read 4, write 2, execute 1).
struct ListEntry {
    uint16_t tag;
    uint16_t perm;
    uint32_t id;
};

// The tags of the entries, in the order the system keeps them, and the id
// of an entry that names no one.
constexpr uint16_t kOwnerEntry = 0x01, kUserEntry = 0x02, kOwningGroupEntry = 0x04, kGroupEntry = 0x08,
                   kMaskEntry = 0x10, kEveryoneEntry = 0x20;
constexpr uint32_t kNoId = 0xFFFFFFFF;

// An access control list as the system stores it: a 4-byte version, then
// entries of a 2-byte tag, 2-byte permissions and a 4-byte id, little-endian.
constexpr size_t kListHeader = 4, kListEntry = 8;
constexpr uint32_t kListVersion = 2;

// The entries of the list `stored`, as the system stores it.
std::vector<ListEntry> EntriesOf(const std::string& stored) {
    std::vector<ListEntry> entries;
    for (size_t at = kListHeader; at + kListEntry <= stored.size(); at += kListEntry) {
        ListEntry e{};
        std::memcpy(&e.tag, stored.data() + at, 2);
        std::memcpy(&e.perm, stored.data() + at + 2, 2);
        std::memcpy(&e.id, stored.data() + at + 4, 4);
        entries.push_back({le16toh(e.tag), le16toh(e.perm), le32toh(e.id)});
    }
    return entries;
}

// The list of `entries` as the system stores it, in its order.
std::string Stored(std::vector<ListEntry> entries) {
    std::sort(entries.begin(), entries.end(), [](const ListEntry& a, const ListEntry& b) {
        return a.tag != b.tag ? a.tag < b.tag : a.id < b.id;
    });
    std::string stored(kListHeader + kListEntry * entries.size(), '\0');
    const uint32_t version = htole32(kListVersion);
    std::memcpy(stored.data(), &version, 4);
    size_t at = kListHeader;
    for (const ListEntry& e : entries) {
        const uint16_t tag = htole16(e.tag), perm = htole16(e.perm);
        const uint32_t id = htole32(e.id);
        std::memcpy(stored.data() + at, &tag, 2);
        std::memcpy(stored.data() + at + 2, &perm, 2);
        std::memcpy(stored.data() + at + 4, &id, 4);
        at += kListEntry;
    }
    return stored;
}

// The entry of `entries` tagged `tag` (and for a named one, with the id
// `id`); null when there is none.  A list given const gives a const entry.
template <class Entries>
auto EntryOf(Entries& entries, uint16_t tag, uint32_t id = kNoId) -> decltype(entries.data()) {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const ListEntry& e) {
        return e.tag == tag && (id == kNoId || e.id == id);
    });
    return found == entries.end() ? nullptr : &*found;
}

// Whom a file opens to: its owner and group, and the entries of its list, or
// of its mode's three classes where it has none.
struct Access {
    uid_t owner;
    gid_t group;
    std::vector<ListEntry> entries;
};

// The entries of a mode's three classes: the owner's, the group's and
// everyone else's.
std::vector<ListEntry> ClassesOf(uint16_t owner, uint16_t group, uint16_t others) {
    return {{kOwnerEntry, owner, kNoId}, {kOwningGroupEntry, group, kNoId}, {kEveryoneEntry, others, kNoId}};
}

// Whether `access` lets the user `user`, a member of `groups`, do `want`
// (read 4, write 2, execute 1), as the system judges someone without root's
// privileges: its owner by the owner's entry; a user an entry names by that
// entry through the mask; a member of its group or of a group an entry names
// by any one such entry that gives all of `want` through the mask, and by
// none else; anyone else by everyone else's.  So the system judges a list it
// consults: one whose mask gives something, or one that gives everyone else
// nothing, where passing it over changes nothing.
bool Allows(const Access& access, uid_t user, const std::vector<gid_t>& groups, uint16_t want) {
    const std::vector<ListEntry>& entries = access.entries;
    const ListEntry* owner = EntryOf(entries, kOwnerEntry);
    const ListEntry* owningGroup = EntryOf(entries, kOwningGroupEntry);
    const ListEntry* everyone = EntryOf(entries, kEveryoneEntry);
    if (!owner || !owningGroup || !everyone) return false;
    const auto gives = [want](uint16_t perm) { return (perm & want) == want; };
    const auto member = [&](gid_t group) {
        return std::find(groups.begin(), groups.end(), group) != groups.end();
    };
    if (user == access.owner) return gives(owner->perm);
    const ListEntry* maskEntry = EntryOf(entries, kMaskEntry);
    const uint16_t mask = maskEntry ? maskEntry->perm : 7;
    if (const ListEntry* named = EntryOf(entries, kUserEntry, user)) return gives(named->perm & mask);
    bool matched = false;
    for (const ListEntry& e : entries) {
        if (!(e.tag == kOwningGroupEntry && member(access.group)) && !(e.tag == kGroupEntry && member(e.id)))
            continue;
        if (gives(e.perm & mask)) return true;
        matched = true;
    }
    return !matched && gives(everyone->perm);
}

// Whether someone other than `except` may do on `to` something `from` does
// not let them do.  Each user either owns or names is asked as a member of
// no group and of each one group either has or names; anyone else too, and
// as a member of two, one only `to` has or names and one `from` does.  No
// larger set of groups finds more: `to` lets someone do a thing by one
// entry or by everyone else's, `from` refuses it by everyone else's or by
// the entries of any one group of theirs, and each group more only adds to
// what `from` lets them do.
bool Gains(const Access& from, const Access& to, uid_t except) {
    std::vector<uid_t> users = {from.owner, to.owner};
    std::vector<gid_t> fromGroups = {from.group}, toGroups = {to.group};
    for (const auto& [access, groups] : {std::pair{&from, &fromGroups}, std::pair{&to, &toGroups}})
        for (const ListEntry& e : access->entries) {
            if (e.tag == kUserEntry) users.push_back(e.id);
            if (e.tag == kGroupEntry) groups->push_back(e.id);
        }
    uid_t anyone = 0;
    while (anyone == except || std::find(users.begin(), users.end(), anyone) != users.end()) ++anyone;
    users.push_back(anyone);
    std::vector<std::vector<gid_t>> memberships = {{}};
    for (const std::vector<gid_t>* groups : {&fromGroups, &toGroups})
        for (const gid_t group : *groups) memberships.push_back({group});
    const size_t alone = memberships.size();
    for (const gid_t group : toGroups)
        if (std::find(fromGroups.begin(), fromGroups.end(), group) == fromGroups.end())
            for (const gid_t other : fromGroups) memberships.push_back({group, other});
    for (const uid_t user : users) {
        if (user == except) continue;
        for (size_t m = 0; m < (user == anyone ? memberships.size() : alone); ++m)
            for (uint16_t want = 1; want <= 7; ++want)
                if (Allows(to, user, memberships[m], want) && !Allows(from, user, memberships[m], want))
                    return true;
    }
    return false;
}

// What a copy of a file must carry to give each user and group what the
// file gave them (the copy's owner aside).
struct CopyAccess {
    std::vector<ListEntry> entries;  // its list, where it needs one
    bool listed = false;             // the mode alone cannot say it: the list must
    bool exceeds = false;            // nor can the list: it would give someone more than the file did
    uint16_t groupClass = 0;         // the mode's group bits: the list's mask, or the group's
    bool plainSuffices = false;      // without a list no one gets more than the file gave them
    uint16_t plainGroup = 0;         // the group's bits then
};

// The access of a copy owned by `owner` in the group `group` of a file looked
// at as `st` with the list `stored` ("" for none).  With the file's owner and
// group it is the file's.  Otherwise the file is judged as the system judges
// it, by its mode alone while its group bits are clear, and its copy gets a
// list: every entry gives what it gave through the file's mask; the file's
// owner is named with its own rights and the file's group with what it had;
// the copy's group entry gives what the entry naming it, else everyone
// else's, gave its members; and the mask holds what they all give, so that
// none is cut and none gains (where they give nothing, what everyone else
// has, lest the system pass the list over).  A copy that gives everyone what
// the file gave them by its mode alone needs no list.  A list gives a member
// of several groups it names what any one entry of theirs gives: where that
// is more than the file gave (its group had less than everyone else, say),
// the copy exceeds.
CopyAccess AccessOfCopy(const struct stat& st, const std::string& stored, uid_t owner, gid_t group) {
    const auto bits = [&](int shift) { return static_cast<uint16_t>((st.st_mode >> shift) & 7); };
    CopyAccess copy;
    Access file{st.st_uid, st.st_gid,
                stored.empty() ? ClassesOf(bits(6), bits(3), bits(0)) : EntriesOf(stored)};
    copy.listed = !stored.empty();
    copy.entries = file.entries;
    copy.groupClass = bits(3);
    // A list the system would take lacks none of the three.
    if (!EntryOf(file.entries, kOwnerEntry) || !EntryOf(file.entries, kOwningGroupEntry) ||
        !EntryOf(file.entries, kEveryoneEntry))
        return copy;
    if (bits(3) == 0) file.entries = ClassesOf(bits(6), 0, bits(0));
    const ListEntry* fileMask = EntryOf(file.entries, kMaskEntry);
    const uint16_t mask = fileMask ? fileMask->perm : 7, ownerBits = EntryOf(file.entries, kOwnerEntry)->perm,
                   others = EntryOf(file.entries, kEveryoneEntry)->perm;
    Access made{owner, group, {}};
    const auto add = [&](uint16_t tag, uint16_t perm, uint32_t id) {
        if (ListEntry* e = EntryOf(made.entries, tag, id))
            e->perm |= perm;
        else
            made.entries.push_back({tag, perm, id});
    };
    for (const ListEntry& e : file.entries) {
        const bool groupClass = e.tag == kUserEntry || e.tag == kGroupEntry || e.tag == kOwningGroupEntry;
        const uint16_t through = groupClass ? e.perm & mask : e.perm;
        if (e.tag == kMaskEntry || (e.tag == kUserEntry && e.id == st.st_uid)) continue;
        if (e.tag == kOwningGroupEntry && group != st.st_gid)
            add(kGroupEntry, through, st.st_gid);
        else
            add(e.tag, through, e.id);
    }
    if (owner != st.st_uid) add(kUserEntry, ownerBits, st.st_uid);
    if (group != st.st_gid) {
        const ListEntry* named = EntryOf(made.entries, kGroupEntry, group);
        add(kOwningGroupEntry, named ? named->perm : others, kNoId);
    }
    uint16_t granted = 0;
    for (const ListEntry& e : made.entries)
        if (e.tag == kUserEntry || e.tag == kGroupEntry || e.tag == kOwningGroupEntry) granted |= e.perm;
    made.entries.push_back({kMaskEntry, granted ? granted : others, kNoId});
    copy.plainGroup = EntryOf(made.entries, kOwningGroupEntry)->perm;
    const Access plain{owner, group, ClassesOf(ownerBits, copy.plainGroup, others)};
    copy.plainSuffices = !Gains(file, plain, owner);
    if (owner == st.st_uid && group == st.st_gid) return copy;
    copy.listed = !copy.plainSuffices || Gains(plain, file, owner);
    copy.entries = copy.listed ? made.entries : plain.entries;
    copy.groupClass = copy.listed ? EntryOf(made.entries, kMaskEntry)->perm : copy.plainGroup;
    copy.exceeds = copy.listed && Gains(file, made, owner);
    return copy;
}

// Whether `name` is a user.* attribute, which whoever may write a file may set.
bool IsUserAttribute(const char* name) { return std::strncmp(name, "user.", 5) == 0; }

// Gives the file open as `to` each extended attribute of the one open as
// `from` that this process may set, but its access control list, which goes
// into `list` ("" for none) to be set last, as it may take away the write
// that setting the others needs.  False, with errno set, when the attributes
// cannot be read or a user.* one, which any writer of the file may set,
// cannot be set: a copy never comes back without them unsaid.  Others
// (trusted.*, security.*, which only root may set) are left out where they
// are refused.
bool CopyAttributes(int from, int to, std::string& list) {
    list.clear();
    const ssize_t wanted = ::flistxattr(from, nullptr, 0);
    std::string names(static_cast<size_t>(std::max<ssize_t>(wanted, 0)), '\0');
    const ssize_t length = wanted > 0 ? ::flistxattr(from, names.data(), names.size()) : wanted;
    // A file system without extended attributes has none to copy.
    if (length < 0) return errno == ENOTSUP;
    names.resize(static_cast<size_t>(length));
    std::string value;
    for (size_t at = 0; at < names.size(); at += std::strlen(names.c_str() + at) + 1) {
        const char* name = names.c_str() + at;
        const ssize_t size = ::fgetxattr(from, name, nullptr, 0);
        value.resize(static_cast<size_t>(std::max<ssize_t>(size, 0)));
        // Asked with no room, the system answers the size without a value.
        const ssize_t got = size < 0 ? size : ::fgetxattr(from, name, value.data(), value.size());
        // One removed since the list was read is no longer the file's.
        if (got < 0 && errno == ENODATA) continue;
        if (got < 0) return false;
        value.resize(static_cast<size_t>(got));
        if (std::strcmp(name, kAccessList) == 0)
            list = value;
        else if (::fsetxattr(to, name, value.data(), value.size(), 0) != 0 &&
                 (IsUserAttribute(name) || (errno != EPERM && errno != ENOTSUP)))
            return false;
    }
    return true;
}

// Whether the name `name` still holds the file open as `fd`.
bool Holds(const std::string& name, int fd) {
    struct stat held {
    }, named{};
    return fd >= 0 && ::fstat(fd, &held) == 0 && ::lstat(name.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// A name no one else uses, for the moment before a file gets the name that
// carries its inode.
std::string FreshName(const std::string& folder, const std::string& prefix) {
    static std::atomic<unsigned> counter{0};
    thread_local std::mt19937 random{std::random_device{}()};
    return folder + "/" + prefix + std::to_string(getpid()) + "-" + std::to_string(counter++) +
           std::to_string(random() % 1000000);
}

// Makes a new file as kBornMode says, of no more permissions than `mode`,
// under a free name beside the target and locks it: its descriptor, with its
// name in `name`, or -1 with errno set.
int MakeBornFile(const std::string& folder, const std::string& prefix, mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = FreshName(folder, prefix);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_ISVTX | mode);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return -1;
        // Another write's clean-up may take the file for left over in the
        // instant before it is locked: it is then given up to that write.  A
        // file system without locks has no clean-up that could.
        struct stat opened {
        }, named{};
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
        if (locked && ::fstat(fd, &opened) == 0 && ::lstat(name.c_str(), &named) == 0 &&
            named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// Flushes the folder that records a rename; 0 or the errno.  A file system
// that cannot flush a folder (EINVAL) has nothing to flush.  A folder that
// may be written but not read (a drop box) cannot be opened to be flushed
// (EACCES): the whole file system that holds it is flushed then, through
// `file`, a file open there (-1 for none).  A folder that cannot be opened
// for another reason (it is gone, no descriptor is left) is not flushed.
int FlushFolder(const std::string& folder, int file) {
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0 && errno == EACCES && file >= 0) return ::syncfs(file) == 0 ? 0 : errno;
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
        Raise(rt::kPathFileAccess, source, "Cannot save " + Quoted(sFile) + ": " + KindOf(d.mode));
    if (d.present && existing == ExistingFile::Refuse) RaiseTaken(sFile, source);
    target_ = d.target;
    const std::filesystem::path targetPath(target_);
    folder_ = targetPath.parent_path().empty() ? "." : targetPath.parent_path().string();
    prefix_ = TemporaryPrefix(targetPath.filename().string(), NameLimit(folder_));
    // A replacement takes its name by a rename, which such a folder refuses.
    if (existing == ExistingFile::Replace && AddsNamesOnly(folder_)) Fail(EPERM, kAddsNamesOnly);
    RemoveStaleTemporaries(folder_, prefix_);
    const struct stat made = Open();
    // The replacement keeps the permissions of the file it replaces, but for
    // a set-ID bit of an owner or group it does not keep: it is this
    // writer's.  A new file has those it was born with, but for the mark.
    const mode_t mode = d.present ? WithSetIdsKept(d.mode, made.st_uid == d.owner, made.st_gid == d.group)
                                  : made.st_mode & 0777;
    if ((d.present || S_ISVTX & made.st_mode) && ::fchmod(fd_, mode) != 0)
        Fail(errno, "cannot set the file's permissions");
    if (!WriteAll(fd_, content)) Fail(errno, "cannot write");
    // A write by a process that may not set them (not root) clears the
    // set-ID bits, lest a program changed keep running as its owner: they are
    // set again once the content is in.
    if ((mode & (S_ISUID | S_ISGID)) && ::fchmod(fd_, mode) != 0)
        Fail(errno, "cannot set the file's permissions");
    if (::fsync(fd_) != 0) Fail(errno, "cannot flush to disk");
}

PendingFile::~PendingFile() { Discard(); }

struct stat PendingFile::Open(mode_t mode) {
    // Unnamed while it is written, where the file system can: a write that is
    // killed then leaves nothing at all.  It is locked at once, before it has
    // a name another write could see: until this write is done no other one
    // takes it for left over.
    if (UnnamedFilesCanBeNamed()) {
        fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (fd_ < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            Fail(errno, "cannot create a file in its folder");
        if (fd_ >= 0) ::flock(fd_, LOCK_EX | LOCK_NB);
    }
    if (fd_ < 0) {
        // A file named from the start gives up that name again.
        if (AddsNamesOnly(folder_)) Fail(EPERM, kAddsNamesOnly);
        fd_ = MakeBornFile(folder_, prefix_, mode & kBornMode, temp_);
        if (fd_ < 0) {
            const int err = errno;
            temp_.clear();
            Fail(err, "cannot create a file in its folder");
        }
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0) Fail(errno, "cannot look at the new file");
    device_ = st.st_dev;
    inode_ = st.st_ino;
    // A file that had to be named from the start takes the name that carries
    // its inode before anything is written, and only then loses the mark it
    // was born with: a write killed at any instant leaves a file that a later
    // one recognises.
    if (!temp_.empty()) {
        std::string marked;
        const int err = TakeMarkedName(
            [&](const std::string& name) { return PublishWithoutReplacing(temp_, name, kBornMode); }, marked);
        if (err != 0) Fail(err, "cannot name the file in its folder");
        temp_ = marked;
    }
    return st;
}

int PendingFile::TakeMarkedName(const std::function<int(const std::string&)>& take, std::string& name) const {
    // Someone's own file may have the plain one: a number after it still
    // marks the name as this file's.
    int err = EEXIST;
    for (int other = 0; err == EEXIST && other < 100; ++other) {
        name = folder_ + "/" + prefix_ + std::to_string(inode_) + (other ? "-" + std::to_string(other) : "");
        err = take(name);
    }
    return err;
}

void PendingFile::Discard() noexcept {
    kept_.reset();
    // Once published the temporary name is the target's.  Only a name that
    // still holds this file is removed: a file someone put under it since
    // (another output of the same command, given that very name) stays.
    if (!published_ && !temp_.empty() && Holds(temp_, fd_)) ::unlink(temp_.c_str());
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    temp_.clear();
}

void PendingFile::Fail(int err, const std::string& what) {
    Discard();
    RaiseFileError(err, file_, copy_ ? std::string(kCannotKeep) + ": " + what : what, source_);
}

std::string PendingFile::SharedFolderRefusal() const {
    return "cannot replace another user's file in a shared folder" +
           (target_ == file_ ? "" : " (the link leads to " + Quoted(target_) + ")");
}

void PendingFile::Keep() {
    kept_.reset();
    tookFreeName_ = false;
    struct stat named {};
    if (::lstat(target_.c_str(), &named) != 0) {
        if (errno != ENOENT) Fail(errno, kCannotKeep);
        tookFreeName_ = true;
        return;
    }
    // Only a regular file is kept: the rename answers for anything else that
    // took the name meanwhile.  It is held open, for reading or else for
    // writing, and locked, so that another write's clean-up leaves it alone
    // while it is kept: shared, since a write racing this one may keep the
    // same file.  One that may be neither read nor written is not replaced:
    // kept by a name alone, it could not be locked, nor opened by its owner's
    // next save to be removed.
    if (!S_ISREG(named.st_mode)) return;
    std::unique_ptr<PendingFile> kept(new PendingFile);
    bool readable = false;
    kept->fd_ = OpenToHold(target_, readable);
    if (kept->fd_ < 0 && errno == ENOENT) {
        tookFreeName_ = true;
        return;
    }
    if (kept->fd_ < 0 && errno == EACCES)
        Fail(EACCES, std::string(kCannotKeep) + ", which it may neither read nor write");
    struct stat st {};
    if (kept->fd_ < 0 || ::fstat(kept->fd_, &st) != 0) Fail(errno, kCannotKeep);
    if (!S_ISREG(st.st_mode)) return;
    // The file asked about is the one held, and linked: the name may lead to
    // another by now.
    if (!MayTakeName(folder_, st)) Fail(EPERM, SharedFolderRefusal());
    Lock(kept->fd_, LOCK_SH, target_);
    kept->file_ = file_;
    kept->target_ = target_;
    kept->folder_ = folder_;
    kept->prefix_ = prefix_;
    kept->source_ = source_;
    kept->device_ = st.st_dev;
    kept->inode_ = st.st_ino;
    // Its name carries its own inode: should this write be killed, the next
    // one removes it.
    const int err = kept->TakeMarkedName(
        [&](const std::string& name) { return LinkFoundFile(kept->fd_, target_, st, name); }, kept->temp_);
    if (err == 0) {
        kept_ = std::move(kept);
        return;
    }
    kept->temp_.clear();
    // Where the file system gives a file one name only, or the system links
    // no file of another user's, a copy is kept; of a file that may not be
    // read there can be none.
    if (!readable) Fail(err, std::string(kCannotKeep) + ": it may not be read, and a second name fails");
    kept_ = kept->Copy(st);
}

std::unique_ptr<PendingFile> PendingFile::Copy(const struct stat& st) const {
    std::unique_ptr<PendingFile> copy(new PendingFile);
    copy->file_ = file_;
    copy->target_ = target_;
    copy->folder_ = folder_;
    copy->prefix_ = prefix_;
    copy->source_ = source_;
    copy->copy_ = true;
    // It takes its name back only while the name is free.
    copy->existing_ = ExistingFile::Refuse;
    // Until it has the file's own access it is this process's alone, and may
    // be written, whatever the umask and the folder's default access control
    // list would give a new file: no one opens it who could not open the
    // file, not even while it is written.
    copy->Open(0600);
    if ((::fremovexattr(copy->fd_, kAccessList) != 0 && errno != ENODATA && errno != EOPNOTSUPP) ||
        ::fchmod(copy->fd_, 0600) != 0)
        copy->Fail(errno, "cannot keep its copy to itself");
    if (!CopyAll(fd_, copy->fd_)) copy->Fail(errno, "cannot copy it");
    // Its owner and group where this process may give them: a process that
    // may give a file to anyone (root) must, or the copy is no keep of the
    // file; another gives the group where it is one of its own, and keeps the
    // copy as its own otherwise.  A change of owner may clear the set-ID
    // bits and an access control list sets the group's, so the mode is set
    // last.
    if (::fchown(copy->fd_, st.st_uid, st.st_gid) != 0) {
        if (HasCapability(CAP_CHOWN) || (errno != EPERM && errno != EINVAL))
            copy->Fail(errno, "cannot give its copy the file's owner");
        if (::fchown(copy->fd_, static_cast<uid_t>(-1), st.st_gid) != 0 && errno != EPERM && errno != EINVAL)
            copy->Fail(errno, "cannot give its copy the file's group");
    }
    struct stat made {};
    if (::fstat(copy->fd_, &made) != 0) copy->Fail(errno, "cannot look at its copy");
    std::string list;
    if (!CopyAttributes(fd_, copy->fd_, list))
        copy->Fail(errno, "cannot give its copy the file's attributes");
    // Each user and group meets the copy as it met the file.  Owned by this
    // process rather than the file's owner, or in a group not the file's (not
    // one of this process's), that takes a list where the mode alone cannot
    // say it; a copy that even a list would open to more is not made.
    const CopyAccess access = AccessOfCopy(st, list, made.st_uid, made.st_gid);
    if (access.exceeds)
        copy->Fail(EPERM,
                   "in a group not the file's, its copy would open to someone for more than the file did");
    uint16_t groupBits = access.groupClass;
    if (access.listed) {
        const std::string stored = Stored(access.entries);
        if (::fsetxattr(copy->fd_, kAccessList, stored.data(), stored.size(), 0) != 0) {
            // A file system without lists takes the copy without one, but
            // only where no one gets more than the file gave them.  Only
            // "not supported" says it has none.
            if (errno != EOPNOTSUPP) copy->Fail(errno, "cannot give its copy the file's access control list");
            if (!access.plainSuffices)
                copy->Fail(EOPNOTSUPP,
                           "its copy cannot have an access control list, and would open to more without one");
            groupBits = access.plainGroup;
        }
    }
    // The mode's group bits are the list's mask, or the group's own.
    const mode_t mode =
        (WithSetIdsKept(st.st_mode, made.st_uid == st.st_uid, made.st_gid == st.st_gid) & ~S_IRWXG) |
        static_cast<mode_t>(groupBits) << 3;
    if (::fchmod(copy->fd_, mode) != 0) copy->Fail(errno, "cannot give its copy the file's mode");
    if (::fsync(copy->fd_) != 0) copy->Fail(errno, "cannot flush its copy to disk");
    // Complete, it is named as a kept link is, before the new file takes the
    // name: a write killed from then on leaves it.
    if (copy->temp_.empty()) {
        const int err = copy->TakeMarkedName(
            [&](const std::string& name) { return LinkOpenFile(copy->fd_, name); }, copy->temp_);
        if (err != 0) copy->Fail(err, "cannot name its copy");
    }
    return copy;
}

void PendingFile::TakeName(bool keep) {
    if (existing_ == ExistingFile::Refuse) {
        // An unnamed file takes the target's name directly: a link to a name
        // never replaces what is there.
        const int err = temp_.empty() ? LinkOpenFile(fd_, target_) : PublishWithoutReplacing(temp_, target_);
        if (err == EEXIST) {
            Discard();
            RaiseTaken(file_, source_);
        }
        if (err != 0) Fail(err, "cannot make the file");
    } else {
        // Only a rename replaces a file whole, and a rename moves a name: the
        // file is named for the instant before it, as a temporary file that
        // a later write removes should this one be killed in between.  In a
        // folder with the sticky bit, over a file neither it nor the folder
        // is this process's, the rename is bound to fail, and a file kept
        // beside it would be a name this process could not remove again: it
        // is refused before anything is kept.
        struct stat named {};
        if (::lstat(target_.c_str(), &named) == 0 && !MayTakeName(folder_, named))
            Fail(EPERM, SharedFolderRefusal());
        if (keep) Keep();
        if (temp_.empty()) {
            std::string marked;
            const int err =
                TakeMarkedName([&](const std::string& name) { return LinkOpenFile(fd_, name); }, marked);
            if (err != 0) Fail(err, "cannot name the file in its folder");
            temp_ = marked;
        }
        if (::rename(temp_.c_str(), target_.c_str()) != 0) Fail(errno, "cannot replace the file");
    }
    published_ = true;
    temp_.clear();
    // The lock goes after the rename: until then a concurrent write leaves
    // this file alone.  The file stays open until its folder is flushed,
    // which may have to be done through it.
    ::flock(fd_, LOCK_UN);
}

void PendingFile::Publish() { PublishAll({this}); }

void PendingFile::Withdraw() noexcept { Withdrawn(); }

std::string PendingFile::Withdrawn() noexcept {
    if (!published_ || (existing_ == ExistingFile::Replace && !tookFreeName_ && !kept_)) return "";
    published_ = false;
    // The name is moved aside before anything is removed: a rename takes what
    // the name holds in the same step that looks, so the file removed is the
    // one found to be this write's, and a file another writer put under the
    // name meanwhile goes back.  Aside it carries this file's inode, which
    // lets a later write remove it should this one be killed, or its removal
    // fail: once aside, its name is free.
    std::string aside, whyNotFree, said;
    int stays = TakeMarkedName([](const std::string& name) { return Claim(name, kBornMode); }, aside);
    if (stays == 0) {
        struct stat st {};
        if (::rename(target_.c_str(), aside.c_str()) != 0) {
            stays = errno == ENOENT ? 0 : errno;
            ::unlink(aside.c_str());
        } else if (::lstat(aside.c_str(), &st) == 0 && st.st_dev == device_ && st.st_ino == inode_) {
            ::unlink(aside.c_str());
        } else {
            whyNotFree = "another writer's file has it";
            if (const int err = PublishWithoutReplacing(aside, target_); err != 0 && err != ENOENT)
                said = "another writer's file that took the name " + Quoted(file_) +
                       " meanwhile is left as " + Quoted(aside) + ": " + std::strerror(err);
        }
    }
    if (stays != 0) {
        whyNotFree =
            "the name holds the new file, which cannot be withdrawn: " + std::string(std::strerror(stays));
        if (!kept_) said = Quoted(file_) + " is written and cannot be withdrawn: " + std::strerror(stays);
    }
    if (kept_) {
        const std::string back = kept_->GiveBack(whyNotFree);
        said += (said.empty() || back.empty() ? "" : "; ") + back;
    }
    kept_.reset();
    FlushFolder(folder_, fd_);
    return said;
}

std::string PendingFile::GiveBack(const std::string& whyNotFree) noexcept {
    // The name is taken back without replacing what another writer may have
    // put there since.
    const int err = whyNotFree.empty() ? PublishWithoutReplacing(temp_, target_) : EEXIST;
    // A file that cannot go back is never removed: it may be the last of the
    // file it was.  It stays under the name that carries its inode.
    const bool held = err != 0 && Holds(temp_, fd_);
    published_ = err == 0 || held;
    const std::string kept = temp_;
    temp_.clear();
    if (err == 0) return "";
    return "the file " + Quoted(file_) +
           " replaced cannot take its name back: " + (whyNotFree.empty() ? std::strerror(err) : whyNotFree) +
           (!held              ? "; it was kept as " + Quoted(kept) + ", which no longer holds it"
            : MayList(folder_) ? "; it is kept as " + Quoted(kept) + " (the next save there removes it)"
                               : "; it is kept as " + Quoted(kept) +
                                     " (no save removes it: its folder may not be read, so none finds it)");
}

void PublishAll(std::initializer_list<PendingFile*> files) {
    std::vector<PendingFile*> pending;
    for (PendingFile* file : files)
        if (file && !file->published_ && file->fd_ >= 0 &&
            std::find(pending.begin(), pending.end(), file) == pending.end())
            pending.push_back(file);
    // A file that a later one may fail after is withdrawn then, by a rename
    // that such a folder refuses: refused before any file takes its name.
    // (A replacement there was refused when it was written.)
    for (size_t i = 0; i + 1 < pending.size(); ++i)
        if (pending[i]->existing_ == ExistingFile::Refuse && AddsNamesOnly(pending[i]->folder_))
            pending[i]->Fail(EPERM, kAddsNamesOnly);
    for (size_t i = 0; i < pending.size(); ++i) {
        try {
            // A file that a later one may yet fail after keeps what it replaces.
            pending[i]->TakeName(i + 1 < pending.size());
        } catch (...) {
            // What could not be given back is said with the failure itself.
            std::string lost;
            for (size_t earlier = i; earlier-- > 0;)
                if (const std::string where = pending[earlier]->Withdrawn(); !where.empty())
                    lost += "; " + where;
            if (lost.empty()) throw;
            try {
                throw;
            } catch (const Error& e) {
                Raise(e.Number(), e.Source(), e.Description() + lost, e.HelpFile(), e.HelpContext());
            }
        }
    }
    // The renames are only durable once the folders that record them are on
    // disk: flushed once all files have their names, since a flush between
    // two renames would hold the first file alone the longer, and before the
    // files they replaced go.  Every folder is flushed, whichever fails: a
    // folder that cannot be flushed leaves every file written, and the error
    // names each such folder's files.
    std::vector<std::string> flushed;
    std::string unflushed;
    int first = 0;
    for (PendingFile* file : pending) {
        if (std::find(flushed.begin(), flushed.end(), file->folder_) != flushed.end()) continue;
        flushed.push_back(file->folder_);
        const int err = FlushFolder(file->folder_, file->fd_);
        if (err == 0) continue;
        first = first ? first : err;
        std::string written;
        size_t count = 0;
        for (PendingFile* other : pending)
            if (other->folder_ == file->folder_) written += (count++ ? " and " : "") + Quoted(other->file_);
        unflushed += (unflushed.empty() ? "" : "; ") + written +
                     (count > 1 ? " are written, but their" : " is written, but its") +
                     " folder cannot be flushed to disk: " + std::strerror(err);
    }
    for (PendingFile* file : pending) {
        file->kept_.reset();
        ::close(file->fd_);
        file->fd_ = -1;
    }
    if (first != 0) Raise(NumberOf(first), pending.front()->source_, unflushed);
}

void WriteFileAtomically(const std::string& sFile, std::string_view content, const char* source,
                         ExistingFile existing) {
    PendingFile(sFile, content, source, existing).Publish();
}
