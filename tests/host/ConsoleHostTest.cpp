// The console host as a person runs it: a program with options, a settings
// file, a command, results on standard output, everything else on standard
// error, and an exit status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <utility>

#include "support/RootFixture.h"
#include "support/SqliteFile.h"

namespace {

struct HostRun {
    int status = -1;  // exit status; -1 when it did not exit by itself in time
    std::string out, err;
};

using Env = std::vector<std::pair<std::string, std::string>>;  // an empty value unsets

constexpr auto kPatience = std::chrono::seconds(60);

// Which program runs, and in which folder ("" the test's own); and where
// its standard output goes: a pipe the test reads, left not blocking and
// read slowly on request, or the file `output` ("/dev/full").
struct Program {
    std::string path = TERRALITH_BINARY;
    std::string folder = {};
    bool slowNotBlocking = false;
    std::string output = {};
};

// What the child does between fork and exec: the folder, the environment,
// then the program.
[[noreturn]] void ExecHost(const std::vector<std::string>& args, const Env& env,
                           const Program& program = {}) {
    if (!program.folder.empty() && chdir(program.folder.c_str()) != 0) _exit(127);
    unsetenv("TERRALITH_SETTINGS");
    for (const auto& [name, value] : env)
        value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(program.path.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(program.path.c_str(), argv.data());
    _exit(127);
}

// Reads `fd` until end of file (or, on a terminal, until it is gone) and
// waits for the child; kills it when it takes too long.  `respond` may answer
// what has been read so far by writing to `fd`.
int Collect(pid_t pid, int fd, std::string& out, const std::function<void(std::string&, int)>& respond = {}) {
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    pollfd p{fd, POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
        if (poll(&p, 1, 100) <= 0) continue;
        char buffer[4096];
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        out.append(buffer, static_cast<size_t>(n));
        if (respond) respond(out, fd);
    }
    int status = 0;
    if (std::chrono::steady_clock::now() >= deadline) kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs the host with standard output into a pipe and standard error into a
// file.  Standard input is /dev/null, or a pipe held open and never written
// to, which blocks whoever reads it.
HostRun Terralith(const std::vector<std::string>& args, const Env& env = {}, bool openStdin = false,
                  const Program& program = {}) {
    TempDir scratch;
    const std::string errFile = scratch.Path() + "stderr";
    int out[2], in[2];
    if (pipe(out) != 0 || pipe(in) != 0) return {};
    if (program.slowNotBlocking) {
        // As a program sharing the pipe may leave it: full at once, and a
        // write that does not fit fails with EAGAIN.
        fcntl(out[0], F_SETPIPE_SZ, 4096);
        fcntl(out[1], F_SETFL, O_NONBLOCK);
    }
    pid_t pid = fork();
    if (pid == 0) {
        int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int input = openStdin ? in[0] : open("/dev/null", O_RDONLY);
        dup2(input, STDIN_FILENO);
        dup2(program.output.empty() ? out[1] : open(program.output.c_str(), O_WRONLY), STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        close(out[0]);
        close(in[1]);
        ExecHost(args, env, program);
    }
    close(out[1]);
    close(in[0]);
    HostRun run;
    run.status = Collect(pid, out[0], run.out, [&](std::string&, int) {
        if (program.slowNotBlocking) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    });
    close(out[0]);
    close(in[1]);
    std::ifstream errors(errFile, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    return run;
}

// Runs the host on a new pseudo-terminal as its standard input, output and
// error, and returns everything the terminal received.
HostRun OnTerminal(const std::vector<std::string>& args,
                   const std::function<void(std::string&, int)>& respond = {}) {
    int master = -1;
    winsize size{};
    size.ws_col = 200;
    size.ws_row = 50;
    pid_t pid = forkpty(&master, nullptr, nullptr, &size);
    if (pid == 0) ExecHost(args, {});
    HostRun run;
    if (pid < 0) return run;
    run.status = Collect(pid, master, run.out, respond);
    close(master);
    return run;
}

// The lines a terminal shows after the bytes: a carriage return goes back
// to the start of the line, ESC [ K erases to its end, other escape
// sequences are ignored.
std::vector<std::string> ScreenLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    size_t column = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r') {
            column = 0;
        } else if (c == '\n') {
            lines.push_back(line);
            line.clear();
            column = 0;
        } else if (c == '\x1b' && i + 1 < bytes.size() && bytes[i + 1] == '[') {
            size_t end = bytes.find_first_of("ABCDEFGHJKSTfmhlsu", i + 2);
            if (end == std::string::npos) break;
            if (bytes[end] == 'K') line.resize(std::min(line.size(), column));
            i = end;
        } else {
            if (column < line.size())
                line[column] = c;
            else
                line.push_back(c);
            ++column;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class ConsoleHost : public RootFixture {
protected:
    std::string WriteSettings() { return data.Write("Host.settings.xml", settingsXml); }
};

TEST_F(ConsoleHost, InfoOptionAndAssetCodeOnTheSampleData) {
    const std::string settings = "--settings=" + WriteSettings();
    HostRun info = Terralith({settings, "info"});
    EXPECT_EQ(info.status, 0);
    EXPECT_TRUE(Has(info.out, "\nDatabase               " + data.Path() + "Core/Database/Terralith.db\n"))
        << info.out;
    EXPECT_TRUE(Has(info.out, "\nDataYear               2024\n")) << info.out;

    HostRun option = Terralith({"option", "DataYear", "--settings", WriteSettings()});
    EXPECT_EQ(option.status, 0);
    EXPECT_EQ(option.out, "2024\n");

    // Into a pipe left not blocking (another program sharing it may leave
    // it so) and read slowly, no line is lost: the host waits for room.
    const std::vector<std::string> wells = {settings, "list", "well-locations", "11,12,21"};
    HostRun slow = Terralith(wells, {}, false, {.slowNotBlocking = true});
    EXPECT_EQ(slow.status, 0) << slow.err;
    EXPECT_EQ(slow.out, Terralith(wells).out);

    HostRun asset = Terralith({settings, "asset-code", "GB", "AP GWILYM"});
    EXPECT_EQ(asset.status, 0);
    EXPECT_EQ(asset.out, "QZF0001073|Field|ap Gwilym|APGWILYM|O\n");
    EXPECT_EQ(Terralith({settings, "asset-code", "gb", "AP GWILYM"}).out, asset.out) << "any letter case";
    EXPECT_EQ(Terralith({settings, "asset-code", "Gb", "", "QZF0001073"}).out, asset.out);

    // What is not there is a failure, said on standard error only; so are
    // results that cannot be written (a full disk), help too.
    for (const auto& [args, output] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{settings, "asset-code", "GB", "no such field"}, ""},
             {{settings, "asset-code", "GB", "", "QZF9999999"}, ""},
             {{settings, "asset-code", "ZZ", "x"}, ""},
             {{settings, "option", "NoSuchKey"}, ""},
             {{settings, "info"}, "/dev/full"},
             {{"--help"}, "/dev/full"},
         }) {
        HostRun missing = Terralith(args, {}, false, {.output = output});
        EXPECT_EQ(missing.status, 1) << args.back() << " " << output;
        EXPECT_EQ(missing.out, "");
        EXPECT_TRUE(Has(missing.err, "terralith: ")) << missing.err;
    }
    EXPECT_TRUE(Has(Terralith({settings, "asset-code", "gb", "no such field"}).err, "GB"))
        << "names the index";
    // A short code where the asset code goes is told where a short code goes.
    HostRun shortCode = Terralith({settings, "asset-code", "GB", "QZF0001073"});
    EXPECT_EQ(shortCode.status, 1);
    EXPECT_EQ(
        shortCode.err,
        "terralith: no asset code \"QZF0001073\" in the GB index; it is a short code there, and a short "
        "code is looked up as the third argument: asset-code GB \"\" QZF0001073\n");
    EXPECT_FALSE(Has(Terralith({settings, "asset-code", "GB", "QZF9999999"}).err, "short code"))
        << "only a short code that is there";
    // A country without an index file is told as such, quoted as given.
    for (const char* country : {"zz", "../Core"}) {
        HostRun none = Terralith({settings, "asset-code", country, "x"});
        EXPECT_EQ(none.status, 1) << country;
        EXPECT_TRUE(StartsWith(
            none.err, "terralith: there is no index file for the country '" + std::string(country) + "'"))
            << none.err;
    }
    EXPECT_TRUE(Has(Terralith({settings, "asset-code", "zz", "x"}).err,
                    "(no file " + data.Path() + "Quartz/indZZ.dat)"));
    // After "--" an argument that looks like an option is a key.
    HostRun dashed = Terralith({settings, "option", "--", "--verbose"});
    EXPECT_EQ(dashed.status, 1);
    EXPECT_TRUE(Has(dashed.err, "no value for --verbose")) << dashed.err;
}

TEST_F(ConsoleHost, UsageErrorsExitTwoAndPointAtHelp) {
    const std::string settings = "--settings=" + WriteSettings();
    const std::string query = data.Write("q.xml", ReadFile(data.Path() + "Default/Default.xml"));
    const std::string svg = data.Path() + "c.svg";
    // The arguments, and what the message says (an empty name names its option).
    for (const auto& [args, says] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{}, ""},
             {{settings, "frobnicate"}, ""},
             {{settings, "option"}, ""},
             {{settings, "option", ""}, "KEY: a key, not empty"},
             {{settings, "asset-code", "", "x"}, "COUNTRY: a country code, not empty"},
             {{settings, "asset-code", "GB", ""}, "ASSET: an asset code, not empty"},
             {{settings, "asset-code", "GB", "x", ""}, "LOOKUP: a short code, not empty"},
             {{settings, "list", ""}, "NAME: a fill's name, not empty"},
             {{settings, "list", "well-locations", ""}, "ARGS: an argument of the fill, not empty"},
             {{settings, "list", "country-codes", "North=1", ""}, "ARGS: an argument of the fill, not empty"},
             {{settings, "info", "extra"}, ""},
             {{settings, "asset-code", "GB"}, ""},
             {{settings, "--no-such-option", "info"}, ""},
             {{"--settings", "", "info"}, "--settings: FILE is a file name, not empty"},
             {{"--settings=", "info"}, "--settings: FILE is a file name, not empty"},
             {{"--settings=", "--verbose", "info"}, "--settings: FILE is a file name, not empty"},
             {{settings, "run", query, "--grid", "Field/Assets", "--layout", ""},
              "--layout: FILE is a file name"},
             {{settings, "run", query, "--grid="}, "--grid: NAME is a grid's name, not empty"},
             {{settings, "run", ""}, "QUERY: a file name, not empty"},
             {{settings, "describe", ""}, "QUERY: a file name, not empty"},
             {{settings, "new", "--type", "Field", ""}, "OUT: a file name, not empty"},
             {{settings, "columns", ""}, "GRID: a grid's name, not empty"},
             {{settings, "columns", "--layout="}, "--layout: FILE is a file name, not empty"},
             {{settings, "list", "rig-names", "--query", ""}, "--query: FILE is a file name, not empty"},
             {{settings, "charts", "--manifest="}, "--manifest: FILE is a file name, not empty"},
             {{settings, "charts", "--definitions", ""}, "--definitions: DIR is a folder name, not empty"},
             {{settings, "chart", "", query, "--svg", svg}, "NAME: a chart definition's name, not empty"},
             {{settings, "chart", "FieldCapex", "", "--svg", svg}, "QUERY: a file name, not empty"},
             {{settings, "chart", "FieldCapex", query, "--svg", ""},
              "--svg: OUT.svg is a file name, not empty"},
             {{settings, "chart", "FieldCapex", query, "--svg", svg, "--grid="},
              "--grid: OUT.csv is a file name, not empty"},
             {{settings, "chart", "FieldCapex", "--codes", "", "--svg", svg},
              "--codes: LIST is a list of asset codes, not empty"},
         }) {
        HostRun usage = Terralith(args);
        EXPECT_EQ(usage.status, 2) << (args.empty() ? "" : args.back()) << usage.err;
        EXPECT_EQ(usage.out, "");
        EXPECT_TRUE(Has(usage.err, "--help' for more information.")) << usage.err;
        EXPECT_TRUE(Has(usage.err, "terralith: " + says)) << usage.err;
    }
    // After "--" an argument that ends in "=" is taken as it is.
    EXPECT_TRUE(Has(Terralith({settings, "option", "--", "--settings="}).err, "no value for --settings="));
    EXPECT_TRUE(Has(Terralith({"frobnicate"}).err, "unknown command: frobnicate"));
    // The argument refused is quoted with its control characters shown.
    const std::string escaped = Terralith({"frob\x1b[2Jnicate"}).err;
    EXPECT_TRUE(Has(escaped, "unknown command: frob\\e[2Jnicate\n") && !Has(escaped, "\x1b")) << escaped;
    EXPECT_TRUE(Has(Terralith({"option"}).err, "terralith option --help"));

    HostRun version = Terralith({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, MakeRoot()->VersionString() + "\n");

    HostRun help = Terralith({"asset-code", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(Has(help.out, "terralith asset-code")) << help.out;
    EXPECT_TRUE(Has(help.out, "LOOKUP")) << help.out;
    EXPECT_TRUE(Has(Terralith({"--help"}).out, "asset-code"));
}

TEST_F(ConsoleHost, ASettingsFileThatCannotBeUsedSaysWhy) {
    auto fails = [](const std::string& file) {
        HostRun run = Terralith({"--settings", file, "info"});
        EXPECT_EQ(run.status, 1) << file;
        EXPECT_EQ(run.out, "") << file;
        return run.err;
    };
    EXPECT_TRUE(Has(fails(data.Path() + "absent.xml"), "absent.xml: No such file or directory"));
    // A name is shown, not obeyed: it neither clears the screen nor starts a line of its own.
    const std::string named = fails(data.Path() + "clear\x1b[2J\rover\nline.xml");
    EXPECT_TRUE(Has(named, "clear\\e[2J\\rover\\nline.xml: No such file or directory\n")) << named;
    EXPECT_FALSE(Has(named, "\x1b") || Has(named, "\r")) << named;
    EXPECT_TRUE(Has(fails(data.Path() + "Core"), "Core: it is a folder, not a regular file"));
    const std::string fifo = data.Path() + "fifo.xml";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_TRUE(Has(fails(fifo), "fifo.xml: it is a pipe, not a regular file"));

    std::string malformed = fails(data.Write("Bad.xml", "<Terralith>\n  <Options>\n</Terralith>\n"));
    EXPECT_TRUE(Has(malformed, "not well-formed XML: line 3, column 3:")) << malformed;
    std::string multiByte = fails(data.Write("Bad2.xml", "<Terralith>\n<Fläche>x</Flache>\n</Terralith>\n"));
    EXPECT_TRUE(Has(multiByte, "line 2, column 12:")) << "columns count characters: " << multiByte;
    std::string deep;
    for (int i = 0; i < 300; ++i) deep += "<a>";
    for (int i = 0; i < 300; ++i) deep += "</a>";
    deep = fails(data.Write("Deep.xml", "<Terralith>" + deep + "</Terralith>"));
    EXPECT_TRUE(Has(deep, "Deep.xml: ") && Has(deep, "nested deeper than 256")) << deep;

    // A file that holds no settings, or lacks a folder or file the root
    // reads, is refused naming the element it lacks.
    auto without = [&](const std::string& element) {
        std::string xml = settingsXml;
        const size_t a = xml.find("<" + element + ">"), b = xml.find("</" + element + ">", a);
        EXPECT_NE(b, std::string::npos) << element;
        return xml.erase(a, b + element.size() + 3 - a);
    };
    const std::string query = data.Write("q.xml", ReadFile(SampleDataFolder() + "Default/Default.xml"));
    for (const auto& [file, lacks] : std::vector<std::pair<std::string, std::string>>{
             {query, "Options/Paths/DataFolder"},
             {data.Write("s1.xml", without("DataFolder")), "Options/Paths/DataFolder"},
             {data.Write("s2.xml", without("UserDataFolder")), "Options/Paths/UserDataFolder"},
             {data.Write("s3.xml", without("CoreDatabase")), "Options/Files/CoreDatabase"},
             {data.Write("s4.xml", without("NotesDatabase")), "Options/Files/NotesDatabase"},
             {data.Write("s5.xml", without("i18N")), "Options/Files/i18N"}}) {
        EXPECT_EQ(fails(file), "terralith: the settings file " + file + " cannot be used: it has no " +
                                   lacks + " element\n");
        // What the root only reports is asked for only by the command that shows it.
        if (lacks.find("UserDataFolder") != std::string::npos ||
            lacks.find("NotesDatabase") != std::string::npos) {
            EXPECT_EQ(Terralith({"--settings", file, "option", "DataYear"}).status, 0) << lacks;
        }
    }

    // The file the build chose, used when none is named: whatever keeps it
    // from being used, the message ends saying how to name another.
    const std::string nameOne =
        " (the sample data's, used when none is named: name one with --settings FILE or "
        "TERRALITH_SETTINGS)\n";
    for (const std::string& text : {std::string(), std::string("<Terralith>\n  <Options>\n</Terralith>\n"),
                                    ReadFile(query), without("QueryManager"), settingsXml}) {
        TempDir folder;
        if (!text.empty()) folder.Write("Terralith.settings.xml", text);
        HostRun run = Terralith({"info"}, {}, false, {TERRALITH_RELATIVE_DEFAULT_BINARY, folder.Path()});
        if (text == settingsXml) {
            EXPECT_EQ(run.status, 0) << "the default is found where the host runs: " << run.err;
            continue;
        }
        EXPECT_EQ(run.status, 1) << text;
        EXPECT_TRUE(EndsWith(run.err, nameOne)) << run.err;
        EXPECT_EQ(Split(run.err, "\n").size(), 2u) << "one message: " << run.err;
    }

    RemoveSetting("Units");
    std::string noUnits = fails(WriteSettings());
    EXPECT_TRUE(
        Has(noUnits, "Host.settings.xml cannot be used: Invalid Settings File. Element Units is Missing"))
        << noUnits;
    EXPECT_FALSE(Has(noUnits, "Call Stack")) << "the report's details only with --verbose";
}

TEST_F(ConsoleHost, TheSampleScriptTakesPathsFromTheFolderItIsCalledFrom) {
    // The script as it stands, in a copy of the repository's layout whose
    // build is this one, with installing and building stubbed out: what is
    // tested is where it runs the host.
    const std::string here = __FILE__, binary = TERRALITH_BINARY;
    const std::string source = here.substr(0, here.rfind("/tests/"));
    TempDir repo, caller;
    std::filesystem::create_directories(repo.Path() + "scripts");
    std::filesystem::copy_file(source + "/scripts/run-sample.sh", repo.Path() + "scripts/run-sample.sh");
    repo.Write("scripts/install-deps.sh", "exit 0\n");
    const std::string cmake = repo.Write("bin/cmake", "#!/bin/sh\nexit 0\n");
    std::filesystem::permissions(cmake, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    std::filesystem::create_directory_symlink(binary.substr(0, binary.rfind("/host/")),
                                              repo.Path() + "build");
    std::filesystem::create_directory_symlink(source + "/sample", repo.Path() + "sample");
    // The host reads this test's copy of the sample data: opening the build's
    // own would repair its links in place while other tests copy it.
    const Env env = {{"PATH", repo.Path() + "bin:" + std::getenv("PATH")},
                     {"BUILD_DIR", ""},
                     {"TERRALITH_SETTINGS", WriteSettings()}};
    const std::string script = repo.Path() + "scripts/run-sample.sh";
    caller.Write("q1.xml", ReadFile(source + "/sample/queries/fields-gross.xml"));

    HostRun run = Terralith({script, "run", "q1.xml"}, env, false, {"/bin/bash", caller.Path()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(StartsWith(run.out, "Field_Code,Field_Name,")) << run.out;
    HostRun chart = Terralith({script, "chart", "FieldCapex", "q1.xml", "--svg", "out.svg"}, env, false,
                              {"/bin/bash", caller.Path()});
    EXPECT_EQ(chart.status, 0) << chart.err;
    EXPECT_TRUE(std::filesystem::exists(caller.Path() + "out.svg"));
    EXPECT_FALSE(std::filesystem::exists(repo.Path() + "out.svg"));
    // The README's first command, in the repository's root.
    HostRun readme = Terralith({"scripts/run-sample.sh", "run", "sample/queries/fields-gross.xml", "--grid",
                                "Field/Assets", "--format", "table"},
                               env, false, {"/bin/bash", repo.Path()});
    EXPECT_EQ(readme.status, 0) << readme.err;
    EXPECT_TRUE(StartsWith(readme.out, "Field ")) << readme.out;
    EXPECT_EQ(std::count(readme.out.begin(), readme.out.end(), '\n'), 41) << "a heading and 40 fields";
}

TEST_F(ConsoleHost, SettingsOptionWinsOverTheEnvironment) {
    const std::string good = WriteSettings();
    const std::string absent = data.Path() + "absent.xml";
    const std::string databaseLine =
        "\nDatabase               " + data.Path() + "Core/Database/Terralith.db\n";

    HostRun fromEnvironment = Terralith({"info"}, {{"TERRALITH_SETTINGS", good}});
    EXPECT_EQ(fromEnvironment.status, 0) << fromEnvironment.err;
    EXPECT_TRUE(Has(fromEnvironment.out, databaseLine));

    HostRun optionWins = Terralith({"info", "--settings", good}, {{"TERRALITH_SETTINGS", absent}});
    EXPECT_EQ(optionWins.status, 0) << optionWins.err;
    EXPECT_TRUE(Has(optionWins.out, databaseLine));

    HostRun optionNamesTheMissing =
        Terralith({"--settings=" + absent, "info"}, {{"TERRALITH_SETTINGS", good}});
    EXPECT_EQ(optionNamesTheMissing.status, 1);
    EXPECT_TRUE(Has(optionNamesTheMissing.err, absent)) << optionNamesTheMissing.err;
}

TEST_F(ConsoleHost, StatusLinesReachAPipeOnlyWithVerbose) {
    const std::string settings = "--settings=" + WriteSettings();
    HostRun quiet = Terralith({settings, "info"});
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "") << "nothing but results when all goes well";

    // "--verbose=" is the flag, not an empty value of an option.
    HostRun verbose;
    for (const char* flag : {"--verbose", "--verbose="}) {
        verbose = Terralith({settings, flag, "info"});
        EXPECT_EQ(verbose.status, 0) << flag << verbose.err;
        EXPECT_EQ(verbose.out, quiet.out) << "results are the same";
        EXPECT_TRUE(Has(verbose.err, "Connecting to Database...\n")) << verbose.err;
        EXPECT_TRUE(Has(verbose.err, "\nChecking Table: Basin\n")) << verbose.err;
    }

    // With --verbose an error comes with its whole report, whether the
    // library shows it in the error window or in a message box.
    ASSERT_EQ(mkfifo((data.Path() + "Quartz/indPP.dat").c_str(), 0600), 0);
    Exec(DatabasePath(),
         "UPDATE Options SET Value = 'SELECT nothing FROM nowhere' WHERE [Key] = 'SQL_LOOKUP'");
    HostRun report;
    for (const auto& [args, stack] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{settings, "-v", "asset-code", "PP", "x"},
              "Call Stack: cvDataManager.IDataManager_GetQZAssetCode"},
             {{settings, "-v", "list", "well-types"}, "Call Stack: CListWell.IListWell_PopulateWellTypes"}}) {
        report = Terralith(args);
        EXPECT_EQ(report.status, 1) << args.back();
        EXPECT_TRUE(Has(report.err, stack)) << report.err;
    }
    // The report keeps its lines; a value it quotes is shown, not obeyed.
    report = Terralith({settings, "-v", "asset-code", "PP", "x\x1b[2J\ry"});
    EXPECT_TRUE(Has(report.err, "sAssetCode='x\\e[2J\\ry'")) << report.err;
    EXPECT_FALSE(Has(report.err, "\x1b") || Has(report.err, "\r")) << report.err;
    // A status line quotes a name from the database as one line, shown, not obeyed.
    Exec(DatabasePath(), "CREATE TABLE [Odd\x1b[2J\nName] (a)");
    verbose = Terralith({settings, "--verbose", "info"});
    EXPECT_TRUE(Has(verbose.err, "\nChecking Table: Odd\\e[2J\\nName\n")) << verbose.err;
}

TEST_F(ConsoleHost, AMissingDatabaseWithoutATerminalIsAnsweredNo) {
    SetSetting("CoreDatabase", "Missing.db");
    const std::string settings = WriteSettings();
    const std::string before = ReadFile(settings);
    const auto written = std::filesystem::last_write_time(settings);

    // Standard input stays open and silent: a host that read it would hang.
    HostRun missing = Terralith({"--settings", settings, "info"}, {}, true);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_TRUE(Has(missing.err, "Do you want to reset your settings file?")) << missing.err;
    EXPECT_TRUE(Has(missing.err, "standard input is not a terminal, so the answer is No")) << missing.err;
    EXPECT_TRUE(Has(missing.err, "no database at " + data.Path() + "Core/Database/Missing.db"))
        << missing.err;
    EXPECT_EQ(ReadFile(settings), before);
    EXPECT_EQ(std::filesystem::last_write_time(settings), written);

    // On a terminal the person is asked; Yes is answered with what this host
    // can do, which leaves the file alone.
    HostRun asked = OnTerminal({"--settings", settings, "info"}, [](std::string& seen, int fd) {
        if (Has(seen, "[Y/n] ") && !Has(seen, "[Y/n] y")) (void)!write(fd, "y\n", 2);
    });
    EXPECT_EQ(asked.status, 1);
    EXPECT_TRUE(Has(asked.out, "is left as it is")) << asked.out;
    EXPECT_EQ(ReadFile(settings), before);
    // What the question quotes is shown on the terminal, not obeyed.
    SetSetting("CoreDatabase", "Miss\x1b[2Jing.db");
    asked = OnTerminal({"--settings", WriteSettings(), "info"}, [](std::string& seen, int fd) {
        if (Has(seen, "[Y/n] ") && !Has(seen, "[Y/n] n")) (void)!write(fd, "n\n", 2);
    });
    EXPECT_TRUE(Has(asked.out, "Core/Database/Miss\\e[2Jing.db") && !Has(asked.out, "\x1b[2J")) << asked.out;
    // It quotes the name on a line of its own, whole: no "||" or line break
    // in it starts another line.
    for (const auto& [name, shown] : {std::pair{"Miss||  Description: ing.db", "Miss||  Description: ing.db"},
                                      {"Miss\n  Description: ing.db", "Miss\\n  Description: ing.db"}}) {
        SetSetting("CoreDatabase", name);
        missing = Terralith({"--settings", WriteSettings(), "info"});
        EXPECT_EQ(missing.status, 1) << name;
        EXPECT_TRUE(Has(missing.err, "\n  " + data.Path() + "Core/Database/" + shown +
                                         "\n  Do you want to reset your settings file?\n"))
            << missing.err;
    }

    // A database that is there but no file says what it is, and is not opened.
    ASSERT_EQ(mkfifo((data.Path() + "Core/Database/Pipe.db").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", data.Path() + "Core/Database/Device.db");
    for (const auto& [name, what] : {std::pair{"Pipe.db", "a pipe"}, {"Device.db", "a device"}}) {
        SetSetting("CoreDatabase", name);
        HostRun unusable = Terralith({"--settings", WriteSettings(), "info"});
        EXPECT_EQ(unusable.status, 1) << name;
        EXPECT_TRUE(StartsWith(unusable.err, "terralith: Cannot open database file '" + data.Path() +
                                                 "Core/Database/" + name + "': it is " + what +
                                                 ", not a regular file\n"))
            << unusable.err;
    }
    // An Options table that cannot be read is said once: the statements it
    // could not give are not run empty, and what the library showed is not
    // said again.  So is an empty database file, which the library names.
    SetSetting("CoreDatabase", "Empty.db");
    const std::string empty = data.Write("Core/Database/Empty.db", "");
    HostRun emptyFile = Terralith({"--settings", WriteSettings(), "info"});
    EXPECT_EQ(emptyFile.status, 1);
    EXPECT_EQ(emptyFile.err,
              "terralith: no such table: Options (the database file '" + empty + "' is empty)\n");
    SetSetting("CoreDatabase", "Terralith.db");
    Exec(DatabasePath(), "ALTER TABLE Options RENAME COLUMN Value TO Text");
    HostRun options = Terralith({"--settings", WriteSettings(), "info"});
    EXPECT_EQ(options.status, 1);
    EXPECT_EQ(options.err, "terralith: no such column: Value\n");
}

TEST_F(ConsoleHost, OnATerminalTheStatusLineIsClearedBeforeResults) {
    HostRun run = OnTerminal({"--settings", WriteSettings(), "info"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Has(run.out, "Checking Table: Basin")) << "the status line was shown";
    std::vector<std::string> screen = ScreenLines(run.out);
    ASSERT_FALSE(screen.empty()) << run.out;
    EXPECT_EQ(screen.front(), "Version                " + MakeRoot()->VersionString()) << "the first line";
    for (const auto& line : screen) EXPECT_FALSE(Has(line, "Checking Table")) << line;
    EXPECT_EQ(screen.size(), 15u) << run.out;

    // A cell of a table on a terminal is shown, not obeyed, and its column
    // is as wide as what is shown; CSV keeps the cell as it is.
    Exec(DatabasePath(),
         "UPDATE Lookup SET LOOKUP_NAME = 'Expl' || char(27) || '[2J' || char(13) || char(155) || char(9) "
         "WHERE LOOKUP_TYPE = 'WELLTYP' AND LOOKUP_CODE = 'EXPL'");
    run = OnTerminal({"--settings", WriteSettings(), "list", "well-types"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_FALSE(Has(run.out, "\x1b[2J") || Has(run.out, "\xC2\x9B") || Has(run.out, "\t")) << run.out;
    screen = ScreenLines(run.out);
    ASSERT_GE(screen.size(), 3u) << run.out;
    EXPECT_EQ(screen[0], "Text                 ItemData  Code") << run.out;
    EXPECT_EQ(screen[1], "Expl\\e[2J\\r\\u009B\\t  1         EXPL") << run.out;
    EXPECT_EQ(screen[2], "Appraisal            2         APPR") << run.out;
    HostRun csv = Terralith({"--settings", WriteSettings(), "list", "well-types"});
    EXPECT_TRUE(Has(csv.out, "\r\n\"Expl\x1b[2J\r\xC2\x9B\t\",1,EXPL\r\n")) << csv.out;

    // A value is shown the same way in the info listing, and on its lines by
    // `option` on a terminal; into a pipe `option` gives it as it is.
    Exec(DatabasePath(),
         "UPDATE Options SET Value = '2024' || char(27) || '[2J' || char(10) || 'Q4' WHERE [Key] = "
         "'DataRelease'");
    run = OnTerminal({"--settings", WriteSettings(), "info"});
    EXPECT_TRUE(Has(run.out, "\nDataRelease            2024\\e[2J\\nQ4\r\n")) << run.out;
    run = OnTerminal({"--settings", WriteSettings(), "option", "DataRelease"});
    EXPECT_TRUE(EndsWith(run.out, "2024\\e[2J\r\nQ4\r\n")) << run.out;
    EXPECT_EQ(Terralith({"--settings", WriteSettings(), "option", "DataRelease"}).out, "2024\x1b[2J\nQ4\n");
    // The CR of a CR LF is shown on a terminal as well; its line feed stays a line break.
    Exec(DatabasePath(),
         "UPDATE Options SET Value = '2024' || char(13) || char(10) || 'Q4' WHERE [Key] = "
         "'DataRelease'");
    run = OnTerminal({"--settings", WriteSettings(), "option", "DataRelease"});
    EXPECT_TRUE(EndsWith(run.out, "2024\\r\r\nQ4\r\n")) << run.out;
    EXPECT_EQ(Terralith({"--settings", WriteSettings(), "option", "DataRelease"}).out, "2024\r\nQ4\n");
    const std::string here = __FILE__;
    // CSV asked for on a terminal shows a value too, its line feed kept within
    // its quotes; into a pipe it keeps every character.
    Exec(DatabasePath(), "UPDATE Field SET Field_Name = 'ap' || char(27) || '[31m' || char(10) || 'Rhys'");
    const std::vector<std::string> csvRun = {
        "--settings", WriteSettings(),
        "run",        here.substr(0, here.rfind("/tests/")) + "/sample/queries/fields-gross.xml",
        "--format",   "csv"};
    run = OnTerminal(csvRun);
    EXPECT_TRUE(Has(run.out, ",\"ap\\e[31m\r\nRhys\",") && !Has(run.out, "\x1b[31m")) << run.out;
    EXPECT_TRUE(Has(Terralith(csvRun).out, ",\"ap\x1b[31m\nRhys\",")) << "into a pipe";
    // So is a statement that `run --sql` makes from a template the database holds.
    Exec(DatabasePath(),
         "UPDATE Options SET Value = 'SELECT A.* ' || char(27) || '[2J FROM <table/> A <where/> <orderby/>' "
         "WHERE [Key] = 'SQL_FIELD_RESULTS'");
    run = OnTerminal({"--settings", WriteSettings(), "run",
                      here.substr(0, here.rfind("/tests/")) + "/sample/queries/fields-gross.xml", "--sql"});
    EXPECT_TRUE(Has(run.out, "\r\nSELECT A.* \\e[2J FROM ") && !Has(run.out, "\x1b[2J")) << run.out;
    // And so is the status line the terminal shows while the database opens.
    Exec(DatabasePath(), "CREATE TABLE [Odd\x1b[2J\nName] (a)");
    run = OnTerminal({"--settings", WriteSettings(), "info"});
    EXPECT_TRUE(Has(run.out, "\rChecking Table: Odd\\e[2J\\nName\x1b[K") && !Has(run.out, "\x1b[2J"))
        << run.out;
}

}  // namespace
