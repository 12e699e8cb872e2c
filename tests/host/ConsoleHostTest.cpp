// The console host as a person runs it: a program with a settings file, a
// command and an exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "support/RootFixture.h"

namespace {

struct HostRun {
    int status;
    std::string out;
};

HostRun Terralith(const std::string& arguments) {
    std::string command = std::string(TERRALITH_BINARY) + " " + arguments + " 2>/dev/null </dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    HostRun run{-1, ""};
    if (!pipe) return run;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class ConsoleHost : public RootFixture {
protected:
    std::string WriteSettings() { return data.Write("Host.settings.xml", settingsXml); }
};

TEST_F(ConsoleHost, InfoOptionAndAssetCodeOnTheSampleData) {
    std::string settings = "--settings '" + WriteSettings() + "' ";
    HostRun info = Terralith(settings + "info");
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("Database               " + data.Path() + "Core/Database/Terralith.db\n"),
              std::string::npos)
        << info.out;
    EXPECT_NE(info.out.find("DataYear"), std::string::npos);

    HostRun option = Terralith(settings + "option DataYear");
    EXPECT_EQ(option.status, 0);
    EXPECT_EQ(option.out, "2024\n");

    HostRun asset = Terralith(settings + "asset-code GB 'AP GWILYM'");
    EXPECT_EQ(asset.status, 0);
    EXPECT_EQ(asset.out, "QZF0001073|Field|ap Gwilym|APGWILYM|O\n");
    EXPECT_EQ(Terralith(settings + "asset-code GB '' QZF0001073").out, asset.out);

    EXPECT_EQ(Terralith(settings + "asset-code ZZ x").status, 1) << "a missing index file is a failure";
    EXPECT_EQ(Terralith(settings + "frobnicate").status, 1);
    EXPECT_EQ(Terralith(settings + "option").status, 2);
}

TEST_F(ConsoleHost, AFailedOpenExitsWithItsErrorNumber) {
    SetSetting("CoreDatabase", "Missing.db");
    HostRun missing = Terralith("--settings '" + WriteSettings() + "' info");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");

    EXPECT_EQ(Terralith("--settings '" + data.Path() + "absent.xml' info").status, 1);
}

}  // namespace
