#include "support/TempDir.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <linux/limits.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <stdexcept>

namespace {

// The signals that stop a run: every one whose default action ends the
// process (Ctrl-C, Ctrl-\, a kill, a closed terminal, a reader that went
// away, an alarm, a limit reached), the real-time ones included, but SIGKILL,
// which no handler sees, and the signals of a crash (SIGSEGV, SIGBUS, SIGFPE,
// SIGILL, SIGABRT, SIGSYS, SIGTRAP), after which nothing the process holds
// can be trusted.
constexpr int kStops[] = {SIGINT,  SIGQUIT, SIGTERM,   SIGHUP,  SIGPIPE, SIGALRM,   SIGUSR1, SIGUSR2,
                          SIGPOLL, SIGPROF, SIGVTALRM, SIGXCPU, SIGXFSZ, SIGSTKFLT, SIGPWR};

sigset_t Stops() {
    sigset_t stops;
    sigemptyset(&stops);
    for (int sig : kStops) sigaddset(&stops, sig);
    for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig) sigaddset(&stops, sig);
    return stops;
}

// The folders of this process's TempDirs, where a stop handler reads them
// without a lock: whoever changes a slot makes `seq` odd meanwhile, and the
// handler takes a path only when `seq` was even and the same before and after
// it copied the path.  The owner is the process that made the folder: a
// forked child that is stopped leaves its parent's folders to the parent.
struct Slot {
    std::atomic<bool> taken{false};
    std::atomic<unsigned> seq{0};
    pid_t owner = 0;
    char path[PATH_MAX] = {};
};
Slot gSlots[256];

// The slot now naming `path`, -1 when every slot is taken or the path does not fit.
int Register(const std::string& path) {
    if (path.size() >= PATH_MAX) return -1;
    for (int i = 0; i < static_cast<int>(std::size(gSlots)); ++i) {
        Slot& slot = gSlots[i];
        if (slot.taken.exchange(true, std::memory_order_acquire)) continue;
        slot.seq.fetch_add(1, std::memory_order_acq_rel);
        slot.owner = getpid();
        std::memcpy(slot.path, path.c_str(), path.size() + 1);
        slot.seq.fetch_add(1, std::memory_order_release);
        return i;
    }
    return -1;
}

void Forget(int i) {
    Slot& slot = gSlots[i];
    slot.seq.fetch_add(1, std::memory_order_acq_rel);
    slot.path[0] = 0;
    slot.seq.fetch_add(1, std::memory_order_release);
    slot.taken.store(false, std::memory_order_release);
}

// What follows runs in a signal handler: system calls alone (no allocation,
// no lock, nothing buffered); getdents64 is the call beneath readdir, which
// may allocate.

bool IsDots(const char* name) { return name[0] == '.' && (!name[1] || (name[1] == '.' && !name[2])); }

// Removes everything below the open folder `fd`.  An entry that cannot be
// removed is left; passes over the folder are repeated while one removes
// something, since removing entries while the folder is read may hide others
// from that read.
void EmptyFolder(int fd, int depth) {
    alignas(dirent64) char buffer[2048];
    for (bool removed = true; removed;) {
        removed = false;
        if (lseek(fd, 0, SEEK_SET) != 0) return;
        for (ssize_t n; (n = getdents64(fd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < n;) {
                const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
                at += entry->d_reclen;
                const char* name = entry->d_name;
                if (IsDots(name)) continue;
                if (entry->d_type != DT_DIR && unlinkat(fd, name, 0) == 0) {
                    removed = true;
                    continue;
                }
                // A folder, or an entry whose kind the file system did not say.
                const int sub =
                    depth < 32 ? openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC) : -1;
                if (sub >= 0) {
                    EmptyFolder(sub, depth + 1);
                    close(sub);
                }
                if (unlinkat(fd, name, AT_REMOVEDIR) == 0) removed = true;
            }
        }
    }
}

void RemoveTree(const char* path) {
    const int fd = open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        EmptyFolder(fd, 0);
        close(fd);
    }
    rmdir(path);
}

// The parent of the process /proc/`pid`, 0 when it cannot be read: the
// number after the state in /proc/PID/stat, which follows the last ")" (the
// program's name, within parentheses, may hold any character).
pid_t ParentOf(const char* pid) {
    char path[64] = "/proc/";
    size_t at = 6;
    for (; *pid && at < sizeof path - 6; ++pid) path[at++] = *pid;
    std::memcpy(path + at, "/stat", 6);
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    char text[512];
    const ssize_t n = read(fd, text, sizeof text);
    close(fd);
    ssize_t closing = -1;
    for (ssize_t i = 0; i < n; ++i)
        if (text[i] == ')') closing = i;
    if (closing < 0) return 0;
    pid_t parent = 0;
    for (ssize_t i = closing + 4; i < n && text[i] >= '0' && text[i] <= '9'; ++i)
        parent = parent * 10 + (text[i] - '0');
    return parent;
}

// Sends `sig` to every child of this process, and reaps those that have
// ended (waiting for each when `wait`); false when there was none.
bool SignalChildren(int sig, bool wait) {
    const pid_t self = getpid();
    alignas(dirent64) char buffer[4096];
    const int proc = open("/proc", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (proc < 0) return false;
    bool found = false;
    for (ssize_t n; (n = getdents64(proc, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            at += entry->d_reclen;
            pid_t pid = 0;
            for (const char* c = entry->d_name; *c >= '0' && *c <= '9'; ++c) pid = pid * 10 + (*c - '0');
            if (pid <= 0 || ParentOf(entry->d_name) != self) continue;
            found = true;
            kill(pid, sig);
            waitpid(pid, nullptr, __WALL | (wait ? 0 : WNOHANG));
        }
    }
    close(proc);
    return found;
}

// Ends every process this one started, and theirs, which come to this one
// (a subreaper) as their parents end: none may write into a folder while it
// is removed, nor outlive the test.  They are asked first, for up to a
// second: a process a test forked has folders of its own, which it removes
// on SIGTERM as this one does, and SIGKILL would leave them.  Whatever is
// left then is killed.
void EndChildren() {
    for (int pass = 0; pass < 100 && SignalChildren(SIGTERM, false); ++pass) poll(nullptr, 0, 10);
    for (int pass = 0; pass < 100 && SignalChildren(SIGKILL, true); ++pass) {
    }
}

void RemoveFolders() {
    const pid_t self = getpid();
    char path[PATH_MAX];
    for (Slot& slot : gSlots) {
        const unsigned before = slot.seq.load(std::memory_order_acquire);
        if (before & 1) continue;
        const pid_t owner = slot.owner;
        std::memcpy(path, slot.path, sizeof path);
        std::atomic_thread_fence(std::memory_order_acquire);
        if (slot.seq.load(std::memory_order_relaxed) != before || owner != self || !path[0]) continue;
        path[sizeof path - 1] = 0;
        RemoveTree(path);
    }
}

std::atomic<bool> gStopping{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// A stop signal: the processes started go, then the folders, then the signal
// (blocked while this runs, its handler reset to the default on entry) ends
// the process once this returns.  A second stop signal that another thread
// takes meanwhile waits there for the first to end the process.
void OnStop(int sig) {
    const int saved = errno;
    if (gStopping.exchange(true)) {
        sigset_t all;
        sigfillset(&all);
        for (;;) sigsuspend(&all);
    }
    EndChildren();
    RemoveFolders();
    raise(sig);
    errno = saved;
}

}  // namespace

void RemoveFoldersWhenStopped() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction stop {};
        stop.sa_handler = OnStop;
        stop.sa_mask = Stops();
        stop.sa_flags = SA_RESETHAND;
        // Only where the action is the default one: a signal ignored stays
        // ignored, and one something else handles (a profiler's SIGPROF) is
        // left to it.
        for (int sig = 1; sig <= SIGRTMAX; ++sig) {
            struct sigaction was {};
            if (sigismember(&stop.sa_mask, sig) == 1 && sigaction(sig, nullptr, &was) == 0 &&
                was.sa_handler == SIG_DFL)
                sigaction(sig, &stop, nullptr);
        }
    });
}

void EndWithTheRunner() {
    RemoveFoldersWhenStopped();
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    prctl(PR_SET_PDEATHSIG, SIGTERM);
}

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "terralith-test-XXXXXX").string();
    // Held back until a stop handler can find the folder.
    const sigset_t stops = Stops();
    sigset_t before;
    pthread_sigmask(SIG_BLOCK, &stops, &before);
    const bool made = mkdtemp(tmpl.data()) != nullptr;
    slot_ = made ? Register(tmpl) : -1;
    if (made && slot_ < 0) rmdir(tmpl.c_str());
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (!made) throw std::runtime_error("cannot make a temporary folder");
    if (slot_ < 0)
        throw std::runtime_error("too many temporary folders at once, or too long a name: " + tmpl);
    path_ = tmpl + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
    Forget(slot_);
}

std::string TempDir::Write(const std::string& name, const std::string& content) const {
    std::string full = path_ + name;
    std::filesystem::create_directories(std::filesystem::path(full).parent_path());
    std::ofstream out(full, std::ios::binary);
    out << content;
    return full;
}

bool TempDir::MakeOrdinaryUserFolders() const {
    const std::string own = Write("mine/own.svg", "the user's picture");
    return ::chmod(Write("shared/c.svg", "another user's picture").c_str(), 0666) == 0 &&
           ::chmod((path_ + "shared").c_str(), 01777) == 0 &&
           ::chown((path_ + "mine").c_str(), 65534, 65534) == 0 && ::chown(own.c_str(), 65534, 65534) == 0 &&
           ::chmod(own.c_str(), 0200) == 0;
}

bool TempDir::OrdinaryUserReaches() const {
    const std::string above = std::filesystem::path(path_).parent_path().parent_path().string();
    const pid_t child = ::fork();
    if (child == 0) ::_exit(BecomeOrdinaryUser() && ::access(above.c_str(), X_OK) == 0 ? 0 : 1);
    int status = -1;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

bool BecomeOrdinaryUser() {
    return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
           ::prctl(PR_SET_DUMPABLE, 1) == 0;
}

TmpDirVariable::TmpDirVariable(const char* value) {
    if (const char* old = std::getenv("TMPDIR")) old_ = old;
    if (value)
        setenv("TMPDIR", value, 1);
    else
        unsetenv("TMPDIR");
}

TmpDirVariable::~TmpDirVariable() {
    if (old_)
        setenv("TMPDIR", old_->c_str(), 1);
    else
        unsetenv("TMPDIR");
}

std::string SampleDataFolder() {
    const char* env = std::getenv("TERRALITH_SAMPLE_DATA");
    std::string folder = env && *env ? env : TERRALITH_SAMPLE_DATA;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}
