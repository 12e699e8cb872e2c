#include "support/TempDir.h"

#include <grp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "terralith-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = tmpl + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
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
