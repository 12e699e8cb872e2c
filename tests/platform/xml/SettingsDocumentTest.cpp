#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/fs.h>
#include <linux/seccomp.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <span>
#include <sstream>
#include <thread>
#include <tuple>
#include <vector>

#include "LoadedSettings.h"
#include "platform/runtime/AtomicWrite.h"
#include "platform/runtime/Text.h"
#include "platform/xml/cvSettings.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"
#include "support/ErrorAssert.h"
#include "support/Fifo.h"
#include "support/TempDir.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(SettingsDocument, AttachedObjectsShareOneDocument) {
    TempDir dir;
    std::string file = dir.Write("q.xml", "<Query><Parameters><General/><Field/></Parameters></Query>");
    auto query = New<cvSettings>();
    ASSERT_TRUE(query->Load(file));
    ASSERT_TRUE(query->Select("Query/Parameters/General"));
    auto general = New<cvSettings>();
    general->Attach(query->Node());
    EXPECT_EQ(general->FileName(), file);

    general->SetValue("CompanyDetail/Netting", "Net");  // a change through the attached object...
    EXPECT_EQ(query->GetValue("Query/Parameters/General/CompanyDetail/Netting").ToString(), "Net");
    query->SetValue("Query/Parameters/General/CompanyDetail/Netting", "Gross");  // ...and back
    EXPECT_EQ(general->GetValue("CompanyDetail/Netting").ToString(), "Gross");

    // One changed flag per document.
    EXPECT_FALSE(query->Modified());
    general->SetModified(true);
    EXPECT_TRUE(query->Modified());
    query->SetModified(false);
    EXPECT_FALSE(general->Modified());

    // The document outlives the object it was loaded into.
    query = Ref<cvSettings>();
    EXPECT_EQ(general->GetValue("CompanyDetail/Netting").ToString(), "Gross");
    EXPECT_NE(general->XMLObject()->DocumentNode()->xml().find("<Field/>"), std::string::npos);

    EXPECT_RAISES(91, general->Attach(Ref<ISettings2>()));
}

TEST(SettingsDocument, RemovingAnElementMovesEveryObjectOutOfIt) {
    auto doc = New<cvSettings>();
    ASSERT_TRUE(doc->LoadXML("<Q><P><General><Items><I C='1'/><I C='2'/></Items></General></P></Q>"));
    ASSERT_TRUE(doc->Select("Q/P/General"));
    auto general = New<cvSettings>();
    general->Attach(doc->Node());
    ASSERT_TRUE(general->Select("Items"));
    ASSERT_TRUE(general->SelectIndex(1));
    Ref<ISettings2> walker = general->Node();  // stands on the second item

    ASSERT_TRUE(doc->Select("Q/P/General/Items"));
    doc->RemoveChildren();
    // The walker's element is gone: it answers as an object on nothing.
    EXPECT_TRUE(walker->GetValue("@C").IsNull());
    EXPECT_EQ(walker->Attribute("C"), "");
    EXPECT_FALSE(walker->Select("."));
    EXPECT_RAISES(91, walker->SetAttribute("C", "3"));
    // The attached object was standing on a removed item: it is back on Items.
    EXPECT_EQ(general->NodeXML(), "<Items/>");
    EXPECT_EQ(general->Count(), 0);

    ASSERT_TRUE(doc->Select("Q/P/General"));
    doc->DeleteNode();
    EXPECT_EQ(doc->NodeXML(), "<P/>");  // the deleting object stands on the parent
    EXPECT_TRUE(general->GetValue("Items").IsNull());
    EXPECT_RAISES(91, general->SetValue("Items/I@C", "1"));
}

TEST(SettingsDocument, LoadFailuresKeepThePreviousContent) {
    TempDir dir;
    auto s = New<cvSettings>();
    ASSERT_TRUE(s->LoadXML("<A><B>1</B></A>"));
    // Each refusal says why.
    const std::string missing = dir.Path() + "missing.xml";
    const std::string bad = dir.Write("bad.xml", "<A><B></A>");
    const std::string empty = dir.Write("empty.xml", "");
    const std::string deep = dir.Write("deep.xml", Nested(257));
    const std::string deeper = dir.Write("deeper.xml", Nested(100000));
    const std::pair<std::string, std::string> files[] = {
        {missing, "No such file or directory"},
        {bad, "not well-formed XML (Start-end tags mismatch at offset 8)"},
        {empty, "not well-formed XML (No document element found at offset 0)"},
        {dir.Path(), "it is a folder, not a regular file"},
        {deep, "elements nested deeper than 256 levels"},
        {deeper, "elements nested deeper than 256 levels"},
    };
    // Each failure after a good load, so that no row reads the problem an
    // earlier one left, and each keeps what that load gave.
    for (const auto& file : files) {
        RunRow(file.first, [&] {
            ASSERT_TRUE(s->LoadXML("<A><B>1</B></A>"));
            EXPECT_FALSE(s->Load(file.first));
            EXPECT_EQ(s->LoadProblem(), file.second);
            EXPECT_EQ(s->GetValue("A/B").ToString(), "1");
        });
    }
    std::string fifo = dir.Path() + "pipe.xml";
    MakeFifo(fifo);
    {
        FifoWatchdog watchdog(fifo);
        EXPECT_FALSE(s->Load(fifo));
        EXPECT_FALSE(watchdog.Fired()) << "a pipe was opened for reading";
        EXPECT_EQ(s->LoadProblem(), "it is a pipe, not a regular file");
    }
    for (const std::string& text :
         {std::string("<A><B></A>"), std::string(), Nested(257, "x"), Nested(100000)}) {
        RunRow(std::to_string(text.size()) + " bytes: " + text.substr(0, 20), [&] {
            ASSERT_TRUE(s->LoadXML("<A><B>1</B></A>"));
            EXPECT_FALSE(s->LoadXML(text));
            EXPECT_FALSE(s->LoadProblem().empty());
            EXPECT_EQ(s->GetValue("A/B").ToString(), "1");
        });
    }
    EXPECT_EQ(s->LoadProblem(), "elements nested deeper than 256 levels");
    EXPECT_EQ(LoadProblemOf(s), s->LoadProblem());
    EXPECT_EQ(s->GetValue("A/B").ToString(), "1");
    EXPECT_EQ(s->FileName(), "");
    // Text and comments inside the deepest element allowed are no deeper elements.
    auto limit = New<cvSettings>();
    ASSERT_TRUE(limit->LoadXML(Nested(256, "v<!--c-->"))) << limit->LoadProblem();
    EXPECT_EQ(limit->GetValue("A").ToString(), "v");
    EXPECT_EQ(limit->LoadProblem(), "");

    std::string good = dir.Write("good.xml", "<?xml version=\"1.0\"?><!-- kept --><A><B>2</B></A>");
    ASSERT_TRUE(s->Load(good));
    EXPECT_EQ(s->FileName(), good);
    // Text loaded back after a conversion still names the file.
    ASSERT_TRUE(s->LoadXML(s->XMLObject()->DocumentNode()->xml()));
    EXPECT_EQ(s->FileName(), good);
    EXPECT_EQ(s->GetValue("B").ToString(), "2");
    EXPECT_NE(s->XMLObject()->DocumentNode()->xml().find("<!-- kept -->"), std::string::npos);
}

TEST(SettingsDocument, SaveReplacesTheFileWholeOrNotAtAll) {
    TempDir dir;
    auto s = New<cvSettings>();
    ASSERT_TRUE(s->LoadXML("<GridLayouts><AssetTypes a='&lt;&quot;'>x &amp; y</AssetTypes></GridLayouts>"));
    std::string file = dir.Path() + "layout.xml";
    s->Save(file);
    auto back = New<cvSettings>();
    ASSERT_TRUE(back->Load(file));
    EXPECT_EQ(back->GetValue("GridLayouts/AssetTypes").ToString(), "x & y");
    EXPECT_EQ(back->GetValue("GridLayouts/AssetTypes@a").ToString(), "<\"");

    // The rename cannot happen (a folder stands under the name): the folder
    // and its content are as they were and no temporary file is left.
    std::string folder = dir.Path() + "taken.xml";
    std::filesystem::create_directory(folder);
    dir.Write("taken.xml/inside.txt", "keep");
    EXPECT_RAISES(75, s->Save(folder));
    EXPECT_EQ(ReadFile(folder + "/inside.txt"), "keep");

    // A missing folder: the error is numbered, the old file elsewhere intact.
    std::string before = ReadFile(file);
    EXPECT_RAISES(75, s->Save(dir.Path() + "no/such/folder/layout.xml"));
    EXPECT_RAISES(52, s->Save(""));
    // The file's name is quoted on one line, a line feed in a folder's name too.
    const Error named = CaughtError([&] { s->Save(dir.Path() + "no\nsuch/layout.xml"); });
    EXPECT_EQ(named.Number(), 75);
    EXPECT_NE(named.Description().find("\"" + dir.Path() + "no\\nsuch/layout.xml\""), std::string::npos)
        << named.Description();
    auto empty = New<cvSettings>();
    EXPECT_FALSE(empty->LoadXML("<Query>"));
    EXPECT_RAISES(5, empty->Save(file));  // nothing to write over a good file
    EXPECT_EQ(ReadFile(file), before);
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 2);  // layout.xml and taken.xml only: no temporary file is left
}

// The hidden files of the folder, where temporary files are: the ones that
// begin with "." and hold ".tmp-".
std::vector<std::string> Temporaries(const std::string& folder) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        std::string entry = e.path().filename().string();
        if (entry.rfind(".", 0) == 0 && entry.find(".tmp-") != std::string::npos) out.push_back(entry);
    }
    std::sort(out.begin(), out.end());
    return out;
}

// The entries of `folder`, sorted and joined by spaces, the numbers in a
// temporary file's name shown as "N".
std::string Entries(const std::string& folder) {
    std::vector<std::string> entries;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        const std::string entry = e.path().filename().string();
        const size_t numbers = entry.find(".tmp-");
        entries.push_back(numbers == std::string::npos ? entry : entry.substr(0, numbers) + ".tmp-N");
    }
    std::sort(entries.begin(), entries.end());
    std::string out;
    for (const std::string& entry : entries) out += (out.empty() ? "" : " ") + entry;
    return out;
}

// Sets or clears the append-only attribute of `folder`: false when it cannot.
bool SetAppendOnly(const std::string& folder, bool on) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    const bool got = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_APPEND_FL : flags & ~FS_APPEND_FL;
    const bool set = got && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return set;
}

// What a child process's system refuses (InChild).
enum Refusals : unsigned {
    kNoUnnamedFiles = 1,          // refuses unnamed files, as a file system that cannot make them does
    kDieNaming = 2,               // kills the process the instant it would rename or link a file
    kFailFlush = 4,               // fails every flush to disk
    kNoLinks = 8,                 // refuses a second name for a file, as a file system without links does
    kDieRenaming = 16,            // kills the process the instant it would rename a file
    kOrdinaryUser = 32,           // runs as the ordinary user nobody rather than as root
    kFailGiveBack = 64,           // fails the rename that gives a name back without replacing (an I/O error)
    kRemoveBetweenRenames = 128,  // someone removes the name one rename gave just before the next one
    kRemoveKept = 256,         // someone removes the name the first link gave just before the second rename
    kDieBetweenRenames = 512,  // kills the process just before its second rename
    kSwapAtOpen = 1024,        // someone moves gSwap.first over gSwap.second just before that is opened
    kFailRemove = 2048,        // fails every removal of a name (an I/O error)
    kFailClaim = 4096,         // fails every file made only where its name is free (an I/O error)
    kDieFlushing = 8192,       // kills the process the instant it would flush
    kCleanBetweenRenames = 16384,  // a save of the first name renamed clears leftovers before the second
    kFailSyncfs = 32768,           // fails every flush of a whole file system (an I/O error)
    kNfsLocks = 65536,      // locks as NFS grants them: shared over a file read, exclusive over one written
    kNarrowUmask = 131072,  // makes files under a umask of 0277
    kFailAttributes = 262144,     // fails every reading of an extended attribute of a file (an I/O error)
    kFailAttributeList = 524288,  // fails every listing of the extended attributes of a file (an I/O error)
    kFailChown = 1048576,         // refuses every change of a file's owner or group (not permitted)
    kOtherOpens = 2097152,        // the ordinary user opens the empty file the first rename renames, first
    kFailSetAttribute = 4194304,  // refuses every extended attribute set on a file (not supported)
    kFailGroupChown = 8388608,    // fails every change of a file's group alone (an I/O error)
    kNoAccessLists = 16777216,    // refuses an access control list set on a file, as a value of 12 bytes or
                                  // more (not supported)
    kFailAccessList = 33554432,   // fails the same (an I/O error)
};
constexpr unsigned kListened =
    kRemoveBetweenRenames | kRemoveKept | kDieBetweenRenames | kCleanBetweenRenames | kOtherOpens;

// Set once the ordinary user opened a file for kOtherOpens.
std::atomic<bool> gOtherOpened{false};

// What the user `user`, a member of `groups` alone (the first its own), may
// do with the file at `path` now: 4 read it, 2 write it; asked of a child
// process that becomes that user.
int MayOpen(const std::string& path, uid_t user, std::vector<gid_t> groups) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(groups.front()) != 0 ||
            ::setuid(user) != 0)
            ::_exit(99);
        ::_exit((::open(path.c_str(), O_RDONLY) >= 0 ? 4 : 0) |
                (::open(path.c_str(), O_WRONLY) >= 0 ? 2 : 0));
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

// True when the ordinary user nobody may open the file at `path` for reading now.
bool OtherUserOpens(const std::string& path) { return (MayOpen(path, 65534, {65534}) & 4) != 0; }

// The file kSwapAtOpen moves, and the name it moves it to.
std::pair<std::string, std::string> gSwap;

// Answers the call `id` that `listener` handed over: it goes ahead, or fails
// with `err`.
void Answer(int listener, uint64_t id, int err = 0) {
    seccomp_notif_resp response{};
    response.id = id;
    response.error = -err;
    response.flags = err ? 0 : SECCOMP_USER_NOTIF_FLAG_CONTINUE;
    ::ioctl(listener, SECCOMP_IOCTL_NOTIF_SEND, &response);
}

// Lets the calls `listener` hands over go ahead, doing first what `refusals`
// asks for, as someone else might meanwhile: just before the second rename,
// ending the process or removing the name the first rename or the first
// link gave, or saving that name again (its clean-up), on a thread of its
// own whose locks are answered too, before the process ends; just before
// the first rename, having the ordinary user open the empty file it renames
// (gOtherOpened); just before gSwap's name is opened, moving its file there.
// A lock NFS would refuse fails.
void Listen(int listener, unsigned refusals) {
    std::thread([listener, refusals] {
        std::string renamed, linked;
        for (int renames = 0;;) {
            seccomp_notif request{};
            if (::ioctl(listener, SECCOMP_IOCTL_NOTIF_RECV, &request) != 0) {
                if (errno == EINTR) continue;
                return;
            }
            // The name a call gives or opens: rename(from, to), renameat(at,
            // from, at, to), linkat(at, from, at, to), openat(at, name, ...).
            const int nr = request.data.nr;
            const bool fourth = nr == __NR_renameat || nr == __NR_renameat2 || nr == __NR_linkat;
            const auto to = reinterpret_cast<const char*>(request.data.args[fourth ? 3 : 1]);
            const auto from = reinterpret_cast<const char*>(request.data.args[fourth ? 1 : 0]);
            // flock(fd, how) over a file open only for the other kind of lock.
            const bool refused =
                nr == __NR_flock && (::fcntl(static_cast<int>(request.data.args[0]), F_GETFL) & O_ACCMODE) ==
                                        (request.data.args[1] & LOCK_EX ? O_RDONLY : O_WRONLY);
            if (nr == __NR_openat && to == gSwap.second) {
                ::rename(gSwap.first.c_str(), gSwap.second.c_str());
            } else if (nr == __NR_linkat && linked.empty()) {
                linked = to;
            } else if (nr != __NR_openat && nr != __NR_linkat && nr != __NR_flock) {
                struct stat renaming {};
                if (++renames == 1 && (refusals & kOtherOpens) && ::stat(from, &renaming) == 0 &&
                    renaming.st_size == 0 && OtherUserOpens(from))
                    gOtherOpened = true;
                if (renames == 1) renamed = to;
                if (renames == 2 && (refusals & kCleanBetweenRenames)) {
                    std::thread([listener, refusals, renamed, id = request.id] {
                        try {
                            PendingFile another(renamed, "another save", "test");
                        } catch (...) {
                        }
                        if (refusals & kDieBetweenRenames) ::kill(::getpid(), SIGKILL);
                        Answer(listener, id);
                    }).detach();
                    continue;
                }
                if (renames == 2 && (refusals & kDieBetweenRenames)) ::kill(::getpid(), SIGKILL);
                if (renames == 2 && (refusals & (kRemoveBetweenRenames | kRemoveKept)))
                    ::unlink((refusals & kRemoveKept ? linked : renamed).c_str());
            }
            Answer(listener, request.id, refused ? EBADF : 0);
        }
    }).detach();
}

// The system's calls that rename, link and remove a name: the old ones too
// where the architecture has them.
#ifdef __NR_rename
constexpr long kRenames[] = {__NR_renameat, __NR_renameat2, __NR_rename}, kLinks[] = {__NR_linkat, __NR_link},
               kRemoves[] = {__NR_unlinkat, __NR_unlink};
#else
constexpr long kRenames[] = {__NR_renameat, __NR_renameat2}, kLinks[] = {__NR_linkat},
               kRemoves[] = {__NR_unlinkat};
#endif

// Makes the system of this process refuse what `refusals` says.
bool Refuse(unsigned refusals) {
    if ((refusals & kOrdinaryUser) && !BecomeOrdinaryUser()) return false;
    if (refusals & kNarrowUmask) ::umask(0277);
    std::vector<sock_filter> filter = {BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
    auto answer = [&](uint32_t call, uint32_t action) {
        filter.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, call, 0, 1));
        filter.push_back(BPF_STMT(BPF_RET | BPF_K, action));
    };
    auto answerAll = [&](std::span<const long> calls, uint32_t action) {
        for (const long call : calls) answer(static_cast<uint32_t>(call), action);
    };
    if (refusals & (kDieNaming | kDieRenaming)) answerAll(kRenames, SECCOMP_RET_KILL_PROCESS);
    if (refusals & kDieNaming) answerAll(kLinks, SECCOMP_RET_KILL_PROCESS);
    if (refusals & kNoLinks) answerAll(kLinks, SECCOMP_RET_ERRNO | EPERM);
    if (refusals & kFailFlush) answer(__NR_fsync, SECCOMP_RET_ERRNO | EIO);
    if (refusals & kDieFlushing) answer(__NR_fsync, SECCOMP_RET_KILL_PROCESS);
    if (refusals & kFailSyncfs) answer(__NR_syncfs, SECCOMP_RET_ERRNO | EIO);
    if (refusals & kFailAttributes) answer(__NR_fgetxattr, SECCOMP_RET_ERRNO | EIO);
    if (refusals & kFailAttributeList) answer(__NR_flistxattr, SECCOMP_RET_ERRNO | EIO);
    if (refusals & kFailChown) answer(__NR_fchown, SECCOMP_RET_ERRNO | EPERM);
    if (refusals & kFailSetAttribute) answer(__NR_fsetxattr, SECCOMP_RET_ERRNO | ENOTSUP);
    if (refusals & kNfsLocks) answer(__NR_flock, SECCOMP_RET_USER_NOTIF);
    if (refusals & kFailGiveBack) answer(__NR_renameat2, SECCOMP_RET_ERRNO | EIO);
    if (refusals & kFailRemove) answerAll(kRemoves, SECCOMP_RET_ERRNO | EIO);
    if (refusals & kListened) answerAll(kRenames, SECCOMP_RET_USER_NOTIF);
    if (refusals & kRemoveKept) answer(__NR_linkat, SECCOMP_RET_USER_NOTIF);
    if (refusals & kSwapAtOpen) answer(__NR_openat, SECCOMP_RET_USER_NOTIF);
    // The call `call` whose argument `arg` (its low 32 bits) passes `test`
    // (BPF_JSET, BPF_JEQ, BPF_JGE) against `value` fails with `err`.
    auto refuseWhere = [&](uint32_t call, size_t arg, uint16_t test, uint32_t value, uint32_t err) {
        filter.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, call, 0, 3));
        filter.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS,
                                  static_cast<uint32_t>(offsetof(seccomp_data, args) + 8 * arg)));
        filter.push_back(BPF_JUMP(BPF_JMP | test | BPF_K, value, 0, 1));
        filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | err));
        filter.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)));
    };
    if (refusals & kFailClaim) refuseWhere(__NR_openat, 2, BPF_JSET, O_EXCL, EIO);
    if (refusals & kNoUnnamedFiles)
        refuseWhere(__NR_openat, 2, BPF_JSET, O_TMPFILE & ~O_DIRECTORY, EOPNOTSUPP);
    // fchown(fd, -1, group); fsetxattr(fd, name, value, size, flags).
    if (refusals & kFailGroupChown) refuseWhere(__NR_fchown, 1, BPF_JEQ, 0xFFFFFFFF, EIO);
    if (refusals & kNoAccessLists) refuseWhere(__NR_fsetxattr, 3, BPF_JGE, 12, EOPNOTSUPP);
    if (refusals & kFailAccessList) refuseWhere(__NR_fsetxattr, 3, BPF_JGE, 12, EIO);
    filter.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    sock_fprog program{static_cast<unsigned short>(filter.size()), filter.data()};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return false;
    if (!(refusals & (kListened | kSwapAtOpen | kNfsLocks)))
        return ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
    const long listener =
        ::syscall(__NR_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_NEW_LISTENER, &program);
    if (listener < 0) return false;
    Listen(static_cast<int>(listener), refusals);
    return true;
}

// Runs `body` in a child process whose system refuses what `refusals` says:
// what `body` returns or the number of the error it raises, -1 when the
// child was killed, 99 when the refusals could not be made.
int InChild(unsigned refusals, const std::function<int()>& body) {
    pid_t child = ::fork();
    if (child < 0) return 98;
    if (child == 0) {
        rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        if (!Refuse(refusals)) ::_exit(99);
        int result = 97;
        try {
            result = body();
        } catch (const Error& e) {
            result = e.Number();
        } catch (...) {
        }
        ::_exit(result);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return 98;
    return WIFSIGNALED(status) ? -1 : WEXITSTATUS(status);
}

// Saves `s` as `file` in a child process that dies half-way, when it writes
// past its file size limit, or as `refusals` says.  False when the child was
// not killed.
bool KilledSave(cvSettings& s, const std::string& file, unsigned refusals) {
    return InChild(refusals, [&] {
               rlimit small{100, 100};
               ::setrlimit(RLIMIT_FSIZE, &small);
               std::signal(SIGXFSZ, SIG_DFL);
               s.Save(file);
               return 0;
           }) == -1;
}

// The access control list of the file at `path` as getfacl shows it, ids
// as numbers; "" for a file without one.
std::string AccessList(const std::string& path) {
    if (::getxattr(path.c_str(), "system.posix_acl_access", nullptr, 0) < 0) return "";
    std::string text;
    if (FILE* shown = ::popen(("getfacl -cpn '" + path + "' 2>/dev/null").c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, shown)) text += buffer;
        ::pclose(shown);
    }
    return text;
}

// How many descriptors this process has open.
long OpenDescriptors() { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); }

TEST(SettingsDocument, SaveWritesANewFileAndRenamesItOverTheOld) {
    TempDir dir;
    std::string file = dir.Write("settings.xml", "<Old/>");
    ASSERT_EQ(::chmod(file.c_str(), 07640), 0);
    std::string link = dir.Path() + "link.xml";
    ASSERT_EQ(::link(file.c_str(), link.c_str()), 0);
    auto s = New<cvSettings>();
    ASSERT_TRUE(s->LoadXML("<New/>"));
    s->Save(file);
    // A new file took the name: the old one, still reachable through its
    // second name, was never written to.
    EXPECT_EQ(ReadFile(link), "<Old/>");
    EXPECT_NE(ReadFile(file).find("<New />"), std::string::npos);
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 07640u);  // the permissions carry over, the special bits too
    // Over a file of another owner or group (daemon's), the new file is the
    // writer's: no set-user-ID bit of another owner, no set-group-ID bit of
    // another group.
    for (const auto& [owner, group, mode] :
         {std::tuple{1u, 0u, 03640u}, {0u, 1u, 05640u}, {1u, 1u, 01640u}}) {
        ASSERT_TRUE(::chown(file.c_str(), owner, group) == 0 && ::chmod(file.c_str(), 07640) == 0);
        s->Save(file);
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode) << owner << ":" << group;
        EXPECT_EQ(st.st_uid + st.st_gid, 0u);
    }

    // A write that fails half way (the file size limit is hit) leaves the
    // old file whole.
    ASSERT_TRUE(s->LoadXML("<New>" + std::string(4096, 'x') + "</New>"));
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    int32_t number = ErrorNumberOf([&] { s->Save(file); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(number, 75);
    EXPECT_NE(ReadFile(file).find("<New />"), std::string::npos);
    EXPECT_EQ(ReadFile(file).find("xxx"), std::string::npos);

    // Files written to be published together: none has its name before it is
    // published; one whose name was taken meanwhile is refused, and the one
    // published before it withdrawn; one never published leaves nothing, not
    // even an open descriptor.
    const long descriptors = OpenDescriptors();
    {
        PendingFile first(dir.Path() + "first.txt", "1", "test", ExistingFile::Refuse);
        PendingFile second(dir.Path() + "second.txt", "2", "test", ExistingFile::Refuse);
        PendingFile unpublished(file, "3", "test");
        EXPECT_FALSE(std::filesystem::exists(dir.Path() + "first.txt"));
        dir.Write("second.txt", "another writer's");
        EXPECT_RAISES(58, PublishAll({&first, &second}));
    }
    EXPECT_EQ(OpenDescriptors(), descriptors);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "first.txt"));
    EXPECT_EQ(ReadFile(dir.Path() + "second.txt"), "another writer's");
    EXPECT_NE(ReadFile(file).find("<New />"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);

    // The same where files are named from the start; a file published there
    // has the permissions a new file gets, and nothing more.
    std::filesystem::create_directory(dir.Path() + "named");
    const std::string named = dir.Path() + "named/";
    EXPECT_EQ(InChild(kNoUnnamedFiles,
                      [&] {
                          const long open = OpenDescriptors();
                          { PendingFile unpublished(named + "unpublished.txt", "3", "test"); }
                          if (OpenDescriptors() != open) return 1;
                          if (!std::filesystem::is_empty(named)) return 2;
                          WriteFileAtomically(named + "published.txt", "4", "test");
                          const mode_t mask = ::umask(0);
                          struct stat published {};
                          ::stat((named + "published.txt").c_str(), &published);
                          return (published.st_mode & 07777) == (0666 & ~mask) ? 0 : 3;
                      }),
              0);

    // A withdraw takes back only a file that took a free name, and only while
    // the name still leads to it: one that replaced a file stays (the old one
    // cannot come back), and so does a file another writer put under the
    // name meanwhile.  Nothing is left aside.
    {
        const std::string forced = dir.Write("named/forced.txt", "old");
        PendingFile replacing(forced, "new", "test", ExistingFile::Replace);
        replacing.Publish();
        replacing.Withdraw();
        EXPECT_EQ(ReadFile(forced), "new");
        const std::string taken = named + "taken.txt";
        PendingFile free(taken, "mine", "test", ExistingFile::Refuse);
        free.Publish();
        WriteFileAtomically(taken, "another writer's", "test");
        free.Withdraw();
        EXPECT_EQ(ReadFile(taken), "another writer's");
        EXPECT_EQ(Temporaries(named), std::vector<std::string>{});
        // Nor when it finds the name gone already.
        std::filesystem::create_directory(dir.Path() + "gone");
        const std::string gone = dir.Path() + "gone/gone.txt";
        PendingFile removed(gone, "mine", "test", ExistingFile::Refuse);
        removed.Publish();
        ASSERT_EQ(::unlink(gone.c_str()), 0);
        removed.Withdraw();
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path() + "gone"));
    }

    // Files that replace others, published together, while the later one
    // cannot take its name (a folder stands there by now): the earlier one
    // gives the name back to the very file it replaced, or frees a name that
    // was free, and nothing is left aside.  Where files are named from the
    // start too, and where a file cannot have a second name a copy of the old
    // one comes back, byte for byte, with its permissions, owner, attributes
    // and access control list, or none, not the folder's default one, and
    // it is the command's alone while it is written; as an ordinary user
    // under a narrow umask, in the user's set-group-ID folder, as that user's
    // with no set-ID bit.  Owned by the user, or in the user's group, not the
    // picture's, each user and group opens it as they opened the picture (a
    // group the list shuts out, one given less than everyone else, the
    // picture's owner shut out or let write, a list the system passes over
    // while the mask gives nothing, on the picture or on its copy) by a list
    // where the file system has them, and where it has none, never more: a
    // copy that would open to more is not made, nor one whose list would
    // give a member of both groups more, nor one whose list cannot be set
    // for an I/O error.  A copy root cannot give the picture's owner is not
    // made, nor one whose group change fails.  So too
    // when someone removed the new picture between the two renames, or
    // another save cleared leftovers.  A kept file that cannot take its name
    // back stays under its own, which the error names beside the grid's
    // failure (in a folder the user may write but not read, saying no save
    // removes it); so is a picture that cannot be withdrawn, and a kept name
    // someone removed is not said to hold it.  Once aside, a picture's name
    // is free.  Its next save removes the rest, where locks are as NFS grants
    // them too.
    const bool reached = dir.OrdinaryUserReaches();
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    const struct {
        unsigned refusals, late;        // late: once the files are written
        std::string there, free;        // the folder afterwards
        std::string says, saysFree;     // KEPT: the kept picture's name
        int number = 75;                // where the picture is there
        mode_t folderMode = 02755;      // the ordinary user's folder, of root's group
        gid_t group = 65534;            // the group of the picture of root's the ordinary user copies
        mode_t mode = 06664;            // its mode, then
        std::string acl = "u:4321:r";   // its list (setfacl -m)
        const char* aclBack = nullptr;  // the copy's list as getfacl shows it, where not the picture's
        mode_t modeBack = 0;            // the copy's mode, where not as the rows before say
        uid_t owner = 0;                // the picture's owner, where the ordinary user copies it
    } together[] = {
        {0, 0, "grid.csv picture.svg", "grid.csv", "", ""},
        {kNoUnnamedFiles, 0, "grid.csv picture.svg", "grid.csv", "", ""},
        {kNoUnnamedFiles | kNoLinks, 0, "grid.csv picture.svg", "grid.csv", "", ""},
        {kRemoveBetweenRenames, 0, "grid.csv picture.svg", "grid.csv", "", ""},
        {kFailGiveBack, 0, ".picture.svg.tmp-N grid.csv", "grid.csv",
         "picture.svg\" replaced cannot take its name back: Input/output error; it is kept as \"KEPT\"", ""},
        {kRemoveKept, 0, "grid.csv", "grid.csv",
         "back: No such file or directory; it was kept as \"KEPT\", which no", ""},
        {0, kFailRemove, ".grid.csv.tmp-N .picture.svg.tmp-N grid.csv picture.svg",
         ".grid.csv.tmp-N .picture.svg.tmp-N grid.csv", "", ""},
        {0, kFailClaim, ".picture.svg.tmp-N grid.csv picture.svg", "grid.csv picture.svg",
         "holds the new file, which cannot be withdrawn: Input/output error; it is kept as \"KEPT\"",
         "picture.svg\" is written and cannot be withdrawn: Input/output error"},
        {kCleanBetweenRenames, 0, "grid.csv picture.svg", "grid.csv", "", ""},
        {kNoUnnamedFiles | kNoLinks, kFailFlush, "grid.csv picture.svg", "grid.csv",
         "replaces: cannot flush its copy", ""},
        {kNoUnnamedFiles | kNoLinks | kFailAttributes, 0, "grid.csv picture.svg", "grid.csv",
         "replaces: cannot give its copy the file's attributes", ""},
        {kNoUnnamedFiles | kNoLinks | kFailAttributeList, 0, "grid.csv picture.svg", "grid.csv",
         "replaces: cannot give its copy the file's attributes", ""},
        {kNoUnnamedFiles | kNoLinks | kFailSetAttribute, 0, "grid.csv picture.svg", "grid.csv",
         "replaces: cannot give its copy the file's attributes", ""},
        {kNoUnnamedFiles | kNoLinks | kFailChown, 0, "grid.csv picture.svg", "grid.csv",
         "replaces: cannot give its copy the file's owner", "", 70},
        {kNoUnnamedFiles | kNoLinks, kOtherOpens, "grid.csv picture.svg", "grid.csv", "", ""},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks, kNarrowUmask, "grid.csv picture.svg", "grid.csv", "", "",
         75, 02755, 65534, 06664, "u:4321:r",
         "user::rw-\nuser:0:rw-\nuser:4321:r--\ngroup::rw-\nmask::rw-\nother::r--\n\n"},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks, 0, "grid.csv picture.svg", "grid.csv", "", "", 75, 0755,
         0, 06664, "u:4321:r",
         "user::rw-\nuser:0:rw-\nuser:4321:r--\ngroup::r--\ngroup:0:rw-\nmask::rw-\nother::r--\n\n"},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks, 0, "grid.csv picture.svg", "grid.csv", "", "", 75, 0755,
         0, 0644, "u:65534:r,g:65534:-",
         "user::rw-\nuser:0:rw-\nuser:65534:r--\ngroup::---\ngroup:0:r--\ngroup:65534:---\nmask::rw-\nother::"
         "r--\n\n",
         0664},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks, 0, "grid.csv picture.svg", "grid.csv",
         "replaces: in a group not the file's, its copy would open to someone", "", 70, 0755, 0, 0604, ""},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks, 0, "grid.csv picture.svg", "grid.csv",
         "replaces: in a group not the file's, its copy would open to someone", "", 70, 0755, 0, 0644,
         "u:1:r,g:4:r,g:65534:r,m::-"},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks, 0, "grid.csv picture.svg", "grid.csv", "", "", 75, 0755,
         0, 0044, "", "user::---\nuser:1:---\ngroup::r--\ngroup:0:r--\nmask::r--\nother::r--\n\n", 0044, 1},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks, 0, "grid.csv picture.svg", "grid.csv", "", "", 75, 0755,
         0, 0644, "", "user::rw-\nuser:1:rw-\ngroup::r--\ngroup:0:r--\nmask::rw-\nother::r--\n\n", 0664, 1},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks, 0, "grid.csv picture.svg", "grid.csv", "", "", 75, 0755,
         0, 0404, "g:65534:-,u:1:-,m::r",
         "user::r--\nuser:1:---\ngroup::---\ngroup:0:---\ngroup:65534:---\nmask::r--\nother::r--\n\n", 0444,
         65534},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks | kNoAccessLists, 0, "grid.csv picture.svg", "grid.csv",
         "replaces: its copy cannot have an access control list", "", 75, 0755, 0, 0644, "u:4321:-"},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks | kNoAccessLists, 0, "grid.csv picture.svg", "grid.csv",
         "", "", 75, 0755, 0, 06664, "u:4321:r", "", 0644},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks | kFailAccessList, 0, "grid.csv picture.svg", "grid.csv",
         "replaces: cannot give its copy the file's access control list: Input/output error", "", 75, 0755, 0,
         06664, "u:4321:r"},
        {kOrdinaryUser | kNoUnnamedFiles | kNoLinks | kFailGroupChown, 0, "grid.csv picture.svg", "grid.csv",
         "replaces: cannot give its copy the file's group", ""},
        {kOrdinaryUser | kFailGiveBack, 0, ".picture.svg.tmp-N grid.csv", "grid.csv",
         "\" (no save removes it: its folder may not be read", "", 75, 0300, 65534, 06664, "u:4321:r",
         "user::rw-\nuser:0:rw-\nuser:4321:r--\ngroup::rw-\nmask::rw-\nother::r--\n\n"},
        {kNfsLocks, kFailRemove, ".grid.csv.tmp-N .picture.svg.tmp-N grid.csv picture.svg",
         ".grid.csv.tmp-N .picture.svg.tmp-N grid.csv", "", ""},
    };
    for (size_t n = 0; n < std::size(together); ++n) {
        const auto& row = together[n];
        const bool asUser = row.refusals & kOrdinaryUser;
        if ((asUser || (row.late & kOtherOpens)) && !reached) continue;
        for (const bool pictureThere : {true, false}) {
            const std::string folder =
                dir.Path() + "together-" + std::to_string(n) + (pictureThere ? "-there/" : "-free/");
            std::filesystem::create_directory(folder);
            // Where the child says what failed: the ordinary user's too.
            ::chown(dir.Write("said", "").c_str(), 65534, 65534);
            struct stat old {};
            const bool attributed =
                pictureThere &&
                ::setxattr(dir.Write(folder.substr(dir.Path().size()) + "picture.svg", "old picture").c_str(),
                           "user.kept", "yes", 3, 0) == 0;
            // Root's for the ordinary user, set-user-ID and set-group-ID, its
            // group allowed more than everyone else, or as the row says.
            if (pictureThere) {
                ASSERT_EQ(::chown((folder + "picture.svg").c_str(), asUser ? row.owner : 65534,
                                  asUser ? row.group : 65534),
                          0);
                ASSERT_EQ(::chmod((folder + "picture.svg").c_str(), asUser ? row.mode : 04644), 0);
            }
            std::ofstream(folder + "grid.csv") << "old grid";
            ASSERT_TRUE(asUser ? ::chown(folder.c_str(), 65534, 0) == 0 &&
                                     ::chmod(folder.c_str(), row.folderMode) == 0
                               : std::system(("setfacl -dm u:1234:r " + folder).c_str()) == 0);
            ASSERT_TRUE(!asUser || !pictureThere || row.acl.empty() ||
                        std::system(("setfacl -m " + row.acl + " " + folder + "picture.svg").c_str()) == 0);
            ::stat((folder + "picture.svg").c_str(), &old);
            // The user's copy of it: the user's, in the picture's group where
            // it can be, else in the user's.
            const std::string access = AccessList(folder + "picture.svg");
            const std::string accessBack = row.aclBack ? row.aclBack : access;
            const mode_t modeBack = row.modeBack         ? row.modeBack
                                    : !asUser            ? 04644
                                    : row.group != 65534 ? 0664
                                                         : 02664;
            // What a member of the copy's group, of the picture's, of both,
            // of adm and of none may do with the picture, and what daemon
            // and the user 4321 may (a user a list names, or the picture's
            // owner).
            const auto members = [&](const std::string& path) {
                std::vector<int> may;
                for (const auto& [user, groups] :
                     std::initializer_list<std::pair<uid_t, std::vector<gid_t>>>{{2000, {65534}},
                                                                                 {2000, {row.group}},
                                                                                 {2000, {65534, row.group}},
                                                                                 {2000, {4}},
                                                                                 {2000, {2000}},
                                                                                 {1, {2000}},
                                                                                 {4321, {2000}}})
                    may.push_back(MayOpen(path, user, groups));
                return may;
            };
            const std::vector<int> membersMay = members(folder + "picture.svg");
            gOtherOpened = false;
            EXPECT_EQ(InChild(row.refusals,
                              [&] {
                                  PendingFile picture(folder + "picture.svg", "new picture", "test");
                                  PendingFile grid(folder + "grid.csv", "new grid", "test");
                                  std::filesystem::remove(folder + "grid.csv");
                                  std::filesystem::create_directories(folder + "grid.csv/inside");
                                  if (row.late && !Refuse(row.late)) return 99;
                                  const Error e = CaughtError([&] { PublishAll({&picture, &grid}); });
                                  std::ofstream(dir.Path() + "said") << e.Description();
                                  return gOtherOpened ? 3 : e.Number();
                              }),
                      pictureThere ? row.number : 75)
                << folder;
            const std::string said = ReadFile(dir.Path() + "said");
            const std::string kept = ".picture.svg.tmp-" + std::to_string(old.st_ino);
            EXPECT_TRUE(std::filesystem::is_directory(folder + "grid.csv/inside")) << folder;
            EXPECT_EQ(Entries(folder), pictureThere ? row.there : row.free);
            std::string says = pictureThere ? row.says : row.saysFree;
            if (says.find("KEPT") != std::string::npos) says.replace(says.find("KEPT"), 4, folder + kept);
            EXPECT_TRUE(says.empty() ? said.find("; ") == std::string::npos
                                     : said.find(says) != std::string::npos)
                << said;
            // The old picture is where the message says, or back under its
            // name; untouched where it could not be kept.
            const std::string picture =
                folder + (says.find("kept as") != std::string::npos ? kept : "picture.svg");
            const bool untouched = says.find("replaces: ") != std::string::npos;
            if (pictureThere && std::filesystem::exists(picture)) {
                EXPECT_EQ(ReadFile(picture), "old picture") << folder;
                struct stat back {};
                ::stat(picture.c_str(), &back);
                EXPECT_EQ(back.st_mode & 07777, untouched ? old.st_mode & 07777 : modeBack) << folder;
                EXPECT_EQ(back.st_uid, untouched ? old.st_uid : 65534u) << folder;
                EXPECT_EQ(back.st_gid, untouched ? old.st_gid : 65534u) << folder;
                EXPECT_TRUE(!attributed || ::getxattr(picture.c_str(), "user.kept", nullptr, 0) == 3)
                    << folder;
                EXPECT_EQ(AccessList(picture), untouched ? access : accessBack) << folder;
                // Where the copy can have no list, a member may do less, never more.
                const std::vector<int> mayBack = members(picture);
                for (size_t i = 0; i < mayBack.size(); ++i)
                    EXPECT_EQ(mayBack[i],
                              row.refusals & kNoAccessLists ? mayBack[i] & membersMay[i] : membersMay[i])
                        << folder << " " << i;
                if (untouched || !(row.refusals & kNoLinks)) {
                    EXPECT_EQ(back.st_ino, old.st_ino) << folder;
                }
            }
            EXPECT_EQ(InChild(row.refusals & kNfsLocks,
                              [&] {
                                  WriteFileAtomically(folder + "picture.svg", "next", "test");
                                  return 0;
                              }),
                      0);
            EXPECT_EQ(Entries(folder).find(".picture.svg.tmp-"), std::string::npos) << Entries(folder);
        }
    }

    // As an ordinary user, a picture replaced while a grid is published with
    // it.  In a shared folder (anyone may write, the sticky bit set), over
    // another user's picture this user may read and write: the rename is
    // bound to fail, and is refused before anything is kept, leaving the
    // folder as it was.  Over the user's own picture that may be written but
    // not read: it is kept by a second name and replaced, with its mode, and
    // no kept file is left once the files are published, though they live on.
    // Over another user's it may only read, a copy is kept, named before the
    // picture is replaced; killed then, the user's next save removes it.
    // Over the user's own set-user-ID or set-group-ID picture, or both, the
    // new one keeps the bits the user's write would clear.
    // Not where that user cannot reach the folder; the rows after these run.
    if (!reached)
        std::printf("the ordinary user cannot reach %s: its rows are passed over\n", dir.Path().c_str());
    const std::string shared = dir.Path() + "shared/", mine = dir.Path() + "mine/";
    ASSERT_TRUE(dir.MakeOrdinaryUserFolders());
    const std::string own = mine + "own.svg", theirs = dir.Write("mine/theirs.svg", "another user's picture"),
                      closed = dir.Write("mine/closed.svg", "another user's picture"),
                      setIds = dir.Write("mine/set-ids.svg", "the user's picture"),
                      setGid = dir.Write("mine/set-gid.svg", "the user's picture"),
                      setUid = dir.Write("mine/set-uid.svg", "the user's picture");
    gSwap = {dir.Write("mine/swap.svg", "another user's picture"), dir.Write("shared/swapped.svg", "mine")};
    ASSERT_TRUE(::chmod(closed.c_str(), 0600) == 0 && ::chmod(gSwap.first.c_str(), 0666) == 0 &&
                ::chmod(gSwap.second.c_str(), 0666) == 0 &&
                ::chown(gSwap.second.c_str(), 65534, 65534) == 0 && ::chmod(mine.c_str(), 01755) == 0 &&
                ::chown(setIds.c_str(), 65534, 65534) == 0 && ::chmod(setIds.c_str(), 06750) == 0 &&
                ::chown(setGid.c_str(), 65534, 65534) == 0 && ::chmod(setGid.c_str(), 02750) == 0 &&
                ::chown(setUid.c_str(), 65534, 65534) == 0 && ::chmod(setUid.c_str(), 04750) == 0);
    const struct {
        std::string picture;
        unsigned refusals;
        int number;
        std::string content;
        std::string kept;  // what a file beside it holds then
        std::string says;
    } asUser[] = {
        {shared + "c.svg", kOrdinaryUser, 70, "another user's picture", "", "shared folder"},
        {gSwap.second, kOrdinaryUser | kSwapAtOpen, 70, "another user's picture", "", "shared folder"},
        {shared + "new.svg", kOrdinaryUser, 0, "new picture", "", ""},
        {own, kOrdinaryUser | kNoLinks, 70, "the user's picture", "",
         "may not be read, and a second name fails: Op"},
        {own, kOrdinaryUser | kDieBetweenRenames, -1, "new picture", "the user's picture", ""},
        {own, kOrdinaryUser | kNfsLocks | kCleanBetweenRenames | kDieBetweenRenames, -1, "new picture",
         "new picture", ""},
        {own, kOrdinaryUser, 0, "new picture", "", ""},
        {theirs, kOrdinaryUser | kNoLinks, 70, "another user's picture", "",
         "replaces: cannot name its copy"},
        {theirs, kOrdinaryUser | kDieBetweenRenames, -1, "new picture", "another user's picture", ""},
        {theirs, kOrdinaryUser, 0, "new picture", "", ""},
        {own, 0, 0, "new picture", "", ""},
        {setIds, kOrdinaryUser, 0, "new picture", "", ""},
        {setGid, kOrdinaryUser, 0, "new picture", "", ""},
        {setUid, kOrdinaryUser, 0, "new picture", "", ""},
        {closed, kOrdinaryUser, 70, "another user's picture", "", "neither read nor write"},
        {gSwap.second, kFailFlush, 75, "another user's picture", "", "cannot flush to disk"},
    };
    for (const auto& row : asUser) {
        if (!reached) break;
        const std::string folder = std::filesystem::path(row.picture).parent_path();
        const std::string grid = mine + std::filesystem::path(row.picture).filename().string() + ".csv";
        struct stat before {};
        ::stat(row.picture.c_str(), &before);
        EXPECT_EQ(InChild(row.refusals,
                          [&] {
                              PendingFile picture(row.picture, "new picture", "test");
                              PendingFile published(grid, "new grid", "test");
                              const Error e = CaughtError([&] { PublishAll({&picture, &published}); });
                              if (e.Description().find(row.says) == std::string::npos) return 2;
                              return Temporaries(folder).empty() && Temporaries(mine).empty() ? e.Number()
                                                                                              : 1;
                          }),
                  row.number)
            << row.picture << " " << row.refusals;
        EXPECT_EQ(ReadFile(row.picture), row.content);
        EXPECT_EQ(std::filesystem::exists(grid), row.number == 0) << grid;
        struct stat st {};
        ::stat(row.picture.c_str(), &st);
        EXPECT_EQ(st.st_mode & 07777, before.st_mode ? before.st_mode & 07777 : st.st_mode & 07777)
            << row.picture;
        size_t kept = 0;
        // A kept file in a group other than the picture's opens to a member
        // of that group as to everyone else, as the picture did.
        for (const std::string& entry : Temporaries(folder)) {
            const std::string path = folder + "/" + entry;
            struct stat k {};
            kept +=
                ReadFile(path) == row.kept && ::stat(path.c_str(), &k) == 0 &&
                (k.st_gid == before.st_gid || MayOpen(path, 2000, {k.st_gid}) == MayOpen(path, 2000, {2000}));
        }
        EXPECT_EQ(kept, row.kept.empty() ? 0u : 1u) << row.picture << " " << row.refusals;
    }

    // Published together, the files all take their names before their
    // folders are flushed once, and only then do the files they replaced go:
    // when the flush fails, every one has its name, and the error says so;
    // killed there, the picture replaced is still kept.  Every folder is
    // flushed, and each that fails is named with its files.  In a folder the
    // user may write but not read, its file system is flushed instead, and
    // only a failure of that is said.
    ASSERT_TRUE(std::filesystem::create_directory(mine + "closed") &&
                ::chown((mine + "closed").c_str(), 65534, 65534) == 0 &&
                ::chmod((mine + "closed").c_str(), 0300) == 0);
    const struct {
        std::string folder;  // the picture's, in the test's folder
        unsigned refusals, late;
        std::string grid;  // the grid's folder when not the picture's
        int number;
        std::string after, says;
    } flushes[] = {
        {"75/", 0, kFailFlush, "", 75, "<svg/>grid.csv picture.svg", "are written, but their"},
        {"-1/", 0, kDieFlushing, "", -1, "<svg/>.picture.svg.tmp-N grid.csv picture.svg", ""},
        {"two/", 0, kFailFlush, mine, 75, "<svg/>picture.svg",
         "picture.svg\" is written, but its folder cannot be flushed to disk: Input/output error; \"" + mine},
        {"mine/closed/", kOrdinaryUser, 0, mine, 0, "<svg/>picture.svg", ""},
        {"mine/closed/", kOrdinaryUser, kFailSyncfs, mine, 75, "<svg/>picture.svg",
         "closed/picture.svg\" is written"},
    };
    for (const auto& row : flushes) {
        if (!reached && (row.refusals & kOrdinaryUser)) continue;
        const std::string folder = dir.Path() + row.folder;
        const std::string grid = (row.grid.empty() ? folder : row.grid) + "grid.csv";
        ::chown(dir.Write(row.folder + "picture.svg", "old").c_str(), 65534, 65534);
        std::filesystem::remove(grid);
        EXPECT_EQ(InChild(row.refusals,
                          [&] {
                              PendingFile picture(folder + "picture.svg", "<svg/>", "test");
                              PendingFile published(grid, "a,b", "test", ExistingFile::Refuse);
                              if (!Refuse(row.late)) return 99;
                              const Error e = CaughtError([&] { PublishAll({&picture, &published}); });
                              return e.Description().find(row.says) != std::string::npos ? e.Number() : 1;
                          }),
                  row.number)
            << row.folder << row.late;
        EXPECT_EQ(ReadFile(folder + "picture.svg") + Entries(folder), row.after) << row.folder << row.late;
    }

    // In a folder that gives up no name (append-only), nothing is tried that
    // would have to: a replacement, or files published together, the first
    // of which may have to be withdrawn.  A new file is written.
    const std::string added = dir.Path() + "added/";
    dir.Write("added/old.txt", "old");
    if (SetAppendOnly(added, true)) {
        EXPECT_RAISES(70, WriteFileAtomically(added + "old.txt", "new", "test"));
        PendingFile first(added + "first.txt", "1", "test", ExistingFile::Refuse);
        PendingFile second(added + "second.txt", "2", "test", ExistingFile::Refuse);
        EXPECT_RAISES(70, PublishAll({&first, &second}));
        EXPECT_EQ(InChild(kNoUnnamedFiles,
                          [&] {
                              WriteFileAtomically(added + "named.txt", "new", "test", ExistingFile::Refuse);
                              return 0;
                          }),
                  70);
        WriteFileAtomically(added + "new.txt", "new", "test", ExistingFile::Refuse);
        SetAppendOnly(added, false);
        EXPECT_EQ(Entries(added), "new.txt old.txt");
    } else {
        std::printf("%s cannot be made append-only: its rows are passed over\n", added.c_str());
    }

    // Another writer renames new files over the name while it is looked at:
    // the name, and a link to it, still lead to a regular file that may be
    // replaced, though two looks a moment apart see two files.
    std::filesystem::create_directory(dir.Path() + "raced");
    const std::string raced = dir.Write("raced/raced.txt", "0");
    std::filesystem::create_symlink(raced, dir.Path() + "raced/link.txt");
    std::atomic<int> renames{0};
    std::thread renamer([&] {
        const std::string next = dir.Path() + "raced/next";
        for (; renames < 2000; ++renames) {
            // Empty: the file system need not write its data out first.
            ::close(::open(next.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644));
            ::rename(next.c_str(), raced.c_str());
        }
    });
    int looks = 0, refused = 0;
    std::string refusal;
    for (; renames < 2000; ++looks) {
        const std::string name = looks % 2 ? raced : dir.Path() + "raced/link.txt";
        const Error e = CaughtError([&] { OutputDestinationOf(name, "test"); });
        if (e.Number() != 0 && refused++ == 0) refusal = e.Description();
    }
    renamer.join();
    EXPECT_EQ(refused, 0) << "of " << looks << ", first: " << refusal;
    // A link of /proc to a file that has lost its name leads nowhere it can
    // be written under, however often it is looked at.
    const std::string gone = dir.Write("raced/gone.txt", "gone");
    const int goneFd = ::open(gone.c_str(), O_RDONLY);
    ASSERT_GE(goneFd, 0);
    ::unlink(gone.c_str());
    const Error deleted =
        CaughtError([&] { WriteFileAtomically("/proc/self/fd/" + std::to_string(goneFd), "new", "test"); });
    ::close(goneFd);
    EXPECT_EQ(deleted.Number(), 75);
    EXPECT_NE(deleted.Description().find("do not lead"), std::string::npos) << deleted.Description();
}

// A file named `prefix` and the number of its own inode, as a save names its
// file for the instant before it renames it over the document.
std::string NamedAfterItsInode(const std::string& folder, const std::string& prefix) {
    const std::string first = folder + "unnamed";
    std::ofstream(first) << "left over";
    struct stat st {};
    ::stat(first.c_str(), &st);
    const std::string name = prefix + std::to_string(st.st_ino);
    std::filesystem::rename(first, folder + name);
    return name;
}

// The inode of the unnamed file this process holds open in `folder` (which
// ends in "/"), as a write holds its new file until it takes its name; 0
// when there is none.
ino_t UnnamedFileIn(const std::string& folder) {
    for (const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        const std::string to = std::filesystem::read_symlink(e.path(), ec).string();
        struct stat st {};
        if (!ec && to.rfind(folder + "#", 0) == 0 && ::stat(e.path().c_str(), &st) == 0 && st.st_nlink == 0)
            return st.st_ino;
    }
    return 0;
}

TEST(SettingsDocument, ASaveClearsWhatAKilledSaveLeftAndWritesThroughLinks) {
    TempDir dir;
    auto s = New<cvSettings>();
    ASSERT_TRUE(s->LoadXML("<Settings><Value>first</Value></Settings>"));
    std::string file = dir.Path() + "settings.xml";
    s->Save(file);

    // A save killed half-way leaves nothing beside the document: its file has
    // no name until it is complete.
    ASSERT_TRUE(s->LoadXML("<Settings><Value>" + std::string(8192, 'x') + "</Value></Settings>"));
    ASSERT_TRUE(KilledSave(*s, file, 0)) << "the save was not killed";
    EXPECT_EQ(Temporaries(dir.Path()), std::vector<std::string>{});
    EXPECT_NE(ReadFile(file).find("first"), std::string::npos);
    // Where files must be named from the start, it leaves one that the next
    // save recognises.
    ASSERT_TRUE(KilledSave(*s, file, kNoUnnamedFiles)) << "the save was not killed";
    const std::vector<std::string> killedWriting = Temporaries(dir.Path());
    ASSERT_EQ(killedWriting.size(), 1u);
    // Also when it is killed the instant its new file, made under a name of
    // its own, would take the name that carries its inode; that save has
    // removed what the one before left.
    ASSERT_TRUE(KilledSave(*s, file, kNoUnnamedFiles | kDieNaming)) << "the save was not killed";
    const std::vector<std::string> killed = Temporaries(dir.Path());
    ASSERT_EQ(killed.size(), 1u);
    EXPECT_NE(killed, killedWriting);

    // What must stay: a save in progress (its file locked), another
    // document's temporary file, and files that only look like one: a
    // person's own, whose number is not its inode, empty or not, with the
    // sticky bit or not.
    const std::string busy = NamedAfterItsInode(dir.Path(), ".settings.xml.tmp-");
    int busyFd = ::open((dir.Path() + busy).c_str(), O_RDONLY);
    ASSERT_GE(busyFd, 0);
    ASSERT_EQ(::flock(busyFd, LOCK_EX), 0);
    const std::string other = NamedAfterItsInode(dir.Path(), ".other.xml.tmp-");
    dir.Write(".settings.xml.tmp-notes", "notes");
    dir.Write(".settings.xml.tmp-123-456", "mine");
    dir.Write(".settings.xml.tmp-" + busy.substr(busy.rfind('-') + 1) + "0", "mine too");
    dir.Write(".settings.xml.tmp-7-8", "");
    ASSERT_EQ(::chmod(dir.Write(".settings.xml.tmp-9-10", "sticky").c_str(), 01644), 0);
    std::vector<std::string> staying = Temporaries(dir.Path());
    staying.erase(std::find(staying.begin(), staying.end(), killed[0]));

    ASSERT_TRUE(s->LoadXML("<Settings><Value>second</Value></Settings>"));
    s->Save(file);
    ::close(busyFd);
    EXPECT_EQ(Temporaries(dir.Path()), staying);
    EXPECT_EQ(ReadFile(dir.Path() + ".settings.xml.tmp-123-456"), "mine");
    EXPECT_NE(ReadFile(file).find("second"), std::string::npos);

    // A person's own file under the very name that carries the new file's
    // inode does not stop a save: the new file takes that name with "-1"
    // after it, and the person's file stays.
    {
        std::filesystem::create_directory(dir.Path() + "own");
        const std::string replaced = dir.Write("own/own.txt", "old");
        PendingFile replacing(replaced, "new", "test");
        const ino_t unnamed = UnnamedFileIn(dir.Path() + "own/");
        ASSERT_NE(unnamed, 0u);
        const std::string own = dir.Write("own/.own.txt.tmp-" + std::to_string(unnamed), "a person's own");
        EXPECT_EQ(ErrorNumberOf([&] { replacing.Publish(); }), 0);
        EXPECT_EQ(ReadFile(replaced), "new");
        EXPECT_EQ(ReadFile(own), "a person's own");
    }

    // A file published before another, killed the instant it would be
    // renamed over the file it replaces: that file is kept whole beside it
    // under the name that carries its own inode, as the new file is, and the
    // next save removes both.
    {
        std::filesystem::create_directory(dir.Path() + "kept");
        const std::string picture = dir.Write("kept/picture.svg", "old picture");
        EXPECT_EQ(InChild(kDieRenaming,
                          [&] {
                              PendingFile replacing(picture, "new picture", "test");
                              PendingFile grid(dir.Path() + "kept/grid.csv", "new grid", "test");
                              PublishAll({&replacing, &grid});
                              return 0;
                          }),
                  -1);
        std::vector<std::string> left;
        for (const std::string& entry : Temporaries(dir.Path() + "kept"))
            left.push_back(ReadFile(dir.Path() + "kept/" + entry));
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, (std::vector<std::string>{"new picture", "old picture"}));
        EXPECT_EQ(ReadFile(picture), "old picture");
        WriteFileAtomically(picture, "next", "test");
        EXPECT_EQ(Temporaries(dir.Path() + "kept"), std::vector<std::string>{});
    }

    // Saved through a symbolic link, the link stays and its file gets the
    // text; the stale files beside that file are the ones cleared.
    std::filesystem::create_directory(dir.Path() + "links");
    std::string link = dir.Path() + "links/settings.xml";
    std::filesystem::create_symlink(file, link);
    ::unlink((dir.Path() + busy).c_str());
    staying.erase(std::find(staying.begin(), staying.end(), busy));
    NamedAfterItsInode(dir.Path(), ".settings.xml.tmp-");
    ASSERT_TRUE(s->LoadXML("<Settings><Value>third</Value></Settings>"));
    s->Save(link);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_NE(ReadFile(file).find("third"), std::string::npos);
    EXPECT_EQ(Temporaries(dir.Path()), staying);
    EXPECT_TRUE(Temporaries(dir.Path() + "links").empty());

    // The longest name the folder takes is saved and replaced; the shortened
    // name of its temporary file is recognised all the same.
    const std::string longest = dir.Path() + std::string(251, 's') + ".xml";
    s->Save(longest);
    ASSERT_TRUE(s->LoadXML("<Settings><Value>" + std::string(8192, 'x') + "</Value></Settings>"));
    ASSERT_TRUE(KilledSave(*s, longest, kNoUnnamedFiles)) << "the save was not killed";
    EXPECT_EQ(Temporaries(dir.Path()).size(), staying.size() + 1);
    ASSERT_TRUE(s->LoadXML("<Settings><Value>fourth</Value></Settings>"));
    s->Save(longest);
    EXPECT_NE(ReadFile(longest).find("fourth"), std::string::npos);
    EXPECT_EQ(Temporaries(dir.Path()), staying);

    // A name of two-byte characters is cut between two of them: of 255
    // bytes, 207 fit beside the numbers, the 104th character cut off whole.
    std::filesystem::create_directory(dir.Path() + "accents");
    std::string accented = "a";
    for (int i = 0; i < 127; ++i) accented += "\xC3\xA9";  // é
    ASSERT_TRUE(s->LoadXML("<Settings><Value>" + std::string(8192, 'x') + "</Value></Settings>"));
    ASSERT_TRUE(KilledSave(*s, dir.Path() + "accents/" + accented, kNoUnnamedFiles))
        << "the save was not killed";
    const std::vector<std::string> cut = Temporaries(dir.Path() + "accents");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].substr(0, 213), "." + accented.substr(0, 207) + ".tmp-");
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(cut[0][213]))) << cut[0];
    s->Save(dir.Path() + "accents/" + accented);
    EXPECT_EQ(Temporaries(dir.Path() + "accents"), std::vector<std::string>{});
}

TEST(SettingsDocument, BlankTextReadsBackAsWritten) {
    TempDir dir;
    auto s = New<cvSettings>();
    ASSERT_TRUE(s->LoadXML("<Options><Separator>x</Separator><Layout><Grid/></Layout></Options>"));
    s->SetValue("Separator", Variant("   "));
    s->SetValue("Tab", Variant("\t"));
    s->SetValue("Layout/Grid@Pad", Variant("  "));
    std::string file = dir.Path() + "blanks.xml";
    s->Save(file);
    for (int pass = 0; pass < 2; ++pass) {  // a second save of what was read changes nothing
        auto back = New<cvSettings>();
        ASSERT_TRUE(back->Load(file));
        EXPECT_EQ(back->GetValue("Options/Separator").ToString(), "   ");
        EXPECT_EQ(back->GetValue("Options/Tab").ToString(), "\t");
        EXPECT_EQ(back->GetValue("Options/Layout/Grid@Pad").ToString(), "  ");
        // The markup handed round in memory keeps them too.
        ASSERT_TRUE(back->LoadXML(back->XMLObject()->DocumentNode()->xml()));
        EXPECT_EQ(back->GetValue("Options/Separator").ToString(), "   ");
        // Indentation between elements is still no text of its own.
        ASSERT_TRUE(back->Select("Options/Layout"));
        EXPECT_EQ(back->Count(), 1);
        EXPECT_EQ(back->GetValue("Options/Layout").ToString(), "");
        back->Save(file);
    }
}

TEST(SettingsDocument, ReplaceXMLTakesTheElementsPlaceOrItsContent) {
    auto g = New<cvSettings>();
    ASSERT_TRUE(
        g->LoadXML("<General><CompanyDetail><CompetitorAnalysis><Permutations old='1'><Stale/>"
                   "</Permutations></CompetitorAnalysis></CompanyDetail></General>"));
    const std::string palette =
        "<Palette><Permutations><Permutation Code='AB' Active='True'/></Permutations>"
        "</Palette>";
    // Markup of other elements becomes the content...
    g->ReplaceXML(palette, "CompanyDetail/CompetitorAnalysis/Permutations");
    ASSERT_TRUE(g->Select("CompanyDetail/CompetitorAnalysis/Permutations/Palette/Permutations"));
    EXPECT_EQ(g->NodeXML(), "<Permutations><Permutation Code=\"AB\" Active=\"True\"/></Permutations>");
    EXPECT_FALSE(g->Select("CompanyDetail/CompetitorAnalysis/Permutations/Stale"));
    EXPECT_EQ(g->GetValue("CompanyDetail/CompetitorAnalysis/Permutations@old").ToString(), "1");
    // ...markup of the element itself takes its place.
    g->ReplaceXML("<Permutations new='2'>" + palette + "</Permutations>",
                  "CompanyDetail/CompetitorAnalysis/Permutations");
    EXPECT_TRUE(g->GetValue("CompanyDetail/CompetitorAnalysis/Permutations@old").IsNull());
    EXPECT_EQ(g->XMLObject()->CountNodes("//Permutation[@Code='AB']"), 1);
    EXPECT_TRUE(g->Select("CompanyDetail/CompetitorAnalysis/Permutations/Palette/Permutations"));

    EXPECT_RAISES(5, g->ReplaceXML("<Palette>", "CompanyDetail"));
    EXPECT_EQ(g->XMLObject()->CountNodes("//Permutation"), 1);

    // Markup that would nest the document deeper than a load accepts is
    // refused whole; up to that depth it goes in, in either form.
    Error deep = CaughtError([&] { g->ReplaceXML(Nested(255), "CompanyDetail"); });
    EXPECT_EQ(deep.Number(), 5);
    EXPECT_NE(deep.Description().find("deeper than 256 levels"), std::string::npos) << deep.Description();
    EXPECT_EQ(g->XMLObject()->CountNodes("//Permutation"), 1);
    g->ReplaceXML(Nested(254), "CompanyDetail");
    EXPECT_EQ(g->XMLObject()->CountNodes("//A"), 254);
    g->ReplaceXML("<CompanyDetail>" + Nested(254) + "</CompanyDetail>", "CompanyDetail");
    EXPECT_EQ(g->XMLObject()->CountNodes("//A"), 254);
    EXPECT_RAISES(5, g->ReplaceXML("<CompanyDetail>" + Nested(255) + "</CompanyDetail>", "CompanyDetail"));
}

}  // namespace
