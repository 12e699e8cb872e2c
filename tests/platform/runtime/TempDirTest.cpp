// A test's folders go, and the programs it started end, however a stop
// signal ends the test, the end of the ctest that started it included; a
// stopped child leaves its parent's folders alone.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "support/TempDir.h"

namespace {

// What a test process reports once it is under way: itself, its folder
// (with files two folders down) and a process it forked, which has a folder
// of its own.
struct UnderWay {
    pid_t test = 0;
    pid_t started = 0;
    char folder[1024] = {};
    char startedFolder[1024] = {};
};

[[noreturn]] void Idle() {
    for (;;) pause();
}

// Makes the folder and the process, reports them on `report`, and waits to
// be stopped; or, once `go` says so, stops itself by writing to a pipe no
// one reads.
[[noreturn]] void TestProcess(int report, int go, bool writeToNoReader) {
    TempDir dir;
    dir.Write("a/b/c.txt", "what a test wrote");
    UnderWay w;
    w.test = getpid();
    int named[2];
    if (pipe(named) != 0) _exit(99);
    w.started = fork();
    if (w.started == 0) {
        TempDir own;
        own.Write("d/e.txt", "what the forked process wrote");
        if (write(named[1], own.Path().c_str(), own.Path().size()) <= 0) _exit(99);
        Idle();
    }
    if (read(named[0], w.startedFolder, sizeof w.startedFolder - 1) <= 0) _exit(99);
    std::strncpy(w.folder, dir.Path().c_str(), sizeof w.folder - 1);
    if (write(report, &w, sizeof w) != sizeof w) _exit(99);
    char c = 0;
    if (writeToNoReader && read(go, &c, 1) == 1) {
        int ends[2];
        if (pipe(ends) != 0) _exit(99);
        close(ends[0]);
        for (;;) write(ends[1], "x", 1);
    }
    Idle();
}

// The status of `pid`, a child of this process, once it ends; -1 when it
// does not end within ten seconds (it is then killed).
int StatusOf(pid_t pid) {
    int status = 0;
    for (int i = 0; i < 1000; ++i) {
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid) return status;
        if (ended < 0) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

TEST(TempDir, GoesWithItsTestHoweverAStopSignalEndsIt) {
    TempDir parents;
    const struct {
        int sig;
        const char* how;
    } rows[] = {
        {SIGINT, "Ctrl-C"},
        {SIGTERM, "kill"},
        {SIGHUP, "the terminal closed"},
        {SIGPIPE, "a write with no reader"},
        {SIGQUIT, "Ctrl-\\"},
        {SIGUSR1, "kill -USR1"},
        {SIGUSR2, "kill -USR2"},
        {SIGALRM, "an alarm"},
        {SIGXFSZ, "a file grown past its size limit"},
        {SIGXCPU, "a processor-time limit reached"},
        {SIGRTMIN + 2, "a real-time signal"},
        {SIGTERM, "the runner ended"},
    };
    for (const auto& row : rows) {
        const bool byRunner = std::strcmp(row.how, "the runner ended") == 0;
        int report[2], go[2];
        ASSERT_EQ(pipe(report), 0);
        ASSERT_EQ(pipe(go), 0);
        // With a runner between, as ctest is: the test ends when it does, and
        // comes to this process, whose tests' processes end with it.
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // SIGQUIT, SIGXFSZ and SIGXCPU end it with a core dump: none is written.
            const rlimit noCore{0, 0};
            setrlimit(RLIMIT_CORE, &noCore);
            close(report[0]);
            close(go[1]);
            if (byRunner) {
                if (fork() != 0) Idle();
                EndWithTheRunner();
            }
            TestProcess(report[1], go[0], row.sig == SIGPIPE);
        }
        close(report[1]);
        close(go[0]);
        UnderWay w;
        if (read(report[0], &w, sizeof w) != sizeof w) w.test = w.started = -1;
        close(report[0]);
        EXPECT_GT(w.test, 0) << row.how << ": the test process did not get under way";
        EXPECT_TRUE(std::filesystem::exists(std::string(w.folder) + "a/b/c.txt")) << row.how;
        if (byRunner || w.test <= 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        } else if (row.sig == SIGPIPE) {
            EXPECT_EQ(write(go[1], "!", 1), 1);
        } else {
            kill(w.test, row.sig);
        }
        close(go[1]);
        if (w.test <= 0) continue;
        const int status = StatusOf(w.test);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == row.sig)
            << row.how << ": status " << status << ", not ended by " << strsignal(row.sig);
        EXPECT_FALSE(std::filesystem::exists(w.folder)) << row.how << ": " << w.folder << " is left";
        // Asked to end, it removed its own folder; killed, it would have left it.
        EXPECT_FALSE(std::filesystem::exists(w.startedFolder))
            << row.how << ": " << w.startedFolder << ", the forked process's, is left";
        const bool startedRuns = kill(w.started, 0) == 0;
        EXPECT_FALSE(startedRuns) << row.how << ": the process the test started runs on";
        if (startedRuns) {
            kill(w.started, SIGKILL);
            waitpid(w.started, nullptr, 0);
        }
        EXPECT_TRUE(std::filesystem::exists(parents.Path())) << row.how << ": the parent's folder went";
    }
}

}  // namespace
