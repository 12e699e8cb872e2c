#pragma once
// A temporary folder that lives as long as the test that made it, and goes
// with it however the test ends short of SIGKILL and a crash.
#include <optional>
#include <string>

class TempDir {
public:
    // Makes the folder in $TMPDIR and registers it for the stop handlers;
    // throws when it cannot.
    TempDir();
    // Removes the folder with everything in it.
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // The folder, ending in "/".
    const std::string& Path() const { return path_; }
    // Writes a file below the folder and returns its full path.
    std::string Write(const std::string& name, const std::string& content) const;

    // Makes below the folder what a write by the ordinary user nobody (65534)
    // meets: "shared/", where anyone may write, with the sticky bit, holding
    // another user's picture "c.svg" that anyone may read and write; and
    // "mine/", nobody's own, holding nobody's picture "own.svg" that may be
    // written but not read.  False when it cannot.
    bool MakeOrdinaryUserFolders() const;
    // True when the ordinary user nobody may search every folder down to
    // this one's: a $TMPDIR below a private folder (mktemp -d makes them)
    // keeps that user out, and the tests that act as one cannot run there.
    bool OrdinaryUserReaches() const;

private:
    std::string path_;
    int slot_ = -1;  // where the stop handlers find the folder
};

// Installs, once, handlers for every signal that ends a process by default
// but SIGKILL and those of a crash: SIGINT, SIGQUIT, SIGTERM, SIGHUP,
// SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2, the real-time ones and the rest (a
// signal this process was started ignoring stays ignored, one that something
// else handles stays its): they end the processes this one started, remove
// the folders of the TempDirs this process made, and then let the signal end
// the process as it would have, so that whoever waits for it sees the signal.
void RemoveFoldersWhenStopped();
// For a test program's main: the stop handlers, and the program ends (by
// SIGTERM, through them) when the process that started it, ctest, is gone;
// the programs the tests start, and theirs, are ended with it.
void EndWithTheRunner();

// Makes this process the ordinary user nobody (65534), dumpable again, as a
// program an ordinary user starts is (its own entries in /proc are then its
// own); false when it cannot.  For a child process of a test only.
bool BecomeOrdinaryUser();

// Sets $TMPDIR while it lives (nullptr unsets it) and puts the old value
// back: a test gives the library, and the programs it starts, a temporary
// folder of its own, so that nothing reaches the user's (the error log,
// Errors.txt, included).
class TmpDirVariable {
public:
    explicit TmpDirVariable(const char* value);
    ~TmpDirVariable();
    TmpDirVariable(const TmpDirVariable&) = delete;
    TmpDirVariable& operator=(const TmpDirVariable&) = delete;

private:
    std::optional<std::string> old_;
};

// The sample data folder the build made ("<build>/sample-data/").
std::string SampleDataFolder();
