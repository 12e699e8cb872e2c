// The console host's query commands as a script runs them: `run` executes a
// query file and prints a record set (CSV into a file, aligned on request),
// `run --sql` prints the statements instead, `describe` the description
// tree, `new` writes a query file; and Ctrl-C at any point of a command.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <thread>

#include "HostCommandFixture.h"
#include "host/main/Interrupt.h"
#include "host/main/ResultLines.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "support/Fifo.h"
#include "support/SqliteFile.h"

namespace {

// The text at `address` in the memory of the process `pid`, up to its NUL.
std::string TextOf(pid_t pid, uint64_t address) {
    std::string text;
    const int memory = ::open(("/proc/" + std::to_string(pid) + "/mem").c_str(), O_RDONLY | O_CLOEXEC);
    char piece[256];
    // A piece at a time, never past the end of the page it begins in.
    for (ssize_t n = 1; memory >= 0 && n > 0 && text.size() < 4096 && text.find('\0') == std::string::npos;) {
        const size_t size = std::min<size_t>(sizeof piece, 4096 - address % 4096);
        n = ::pread(memory, piece, size, static_cast<off_t>(address));
        if (n > 0) text.append(piece, static_cast<size_t>(n));
        address += static_cast<uint64_t>(std::max<ssize_t>(n, 0));
    }
    if (memory >= 0) ::close(memory);
    return text.substr(0, text.find('\0'));
}

class QueryCommands : public HostCommandFixture {
protected:
    // The first cell of every line but the heading.
    static std::multiset<std::string> FirstCells(const std::string& out) {
        std::multiset<std::string> cells;
        std::vector<std::string> lines = Lines(out);
        for (size_t i = 1; i < lines.size(); ++i) cells.insert(lines[i].substr(0, lines[i].find(',')));
        return cells;
    }
    std::multiset<std::string> Direct(const std::string& sql) {
        std::vector<std::string> rows = Column(DatabasePath(), sql);
        return {rows.begin(), rows.end()};
    }
    // The host run on `settings` as a script runs it (as Run), but that each
    // system call `call` it makes whose third argument is `third` (the flags
    // of an open, the folder of a link's new name) waits for `answer`, given
    // the host's pid and the name in the call's argument `named`: it does
    // what someone else would do meanwhile and gives the errno the call then
    // fails with, 0 to let it go ahead.  Its status is -SIGNAL when a signal
    // ended it.
    HostProcessRun RunAnswering(const std::string& settings, std::vector<std::string> args, uint32_t call,
                                uint32_t third, int named,
                                const std::function<int(pid_t, const std::string&)>& answer) {
        // Everything the child needs is made before it is forked: a child of
        // a process with threads may not allocate.
        args.insert(args.begin(), {TERRALITH_BINARY, "--settings=" + settings});
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string out = scratch.Path() + "stdout", err = scratch.Path() + "stderr";
        sock_filter filter[] = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, call, 0, 3),
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, third, 0, 1),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_USER_NOTIF),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        };
        sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
        int channel[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channel) != 0) return {};
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
        char byte = 0;
        iovec one{&byte, 1};
        msghdr message{};
        message.msg_iov = &one;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        const pid_t pid = ::fork();
        if (pid == 0) {
            // The listener goes to the test, and the host runs under the filter.
            const int in = ::open("/dev/null", O_RDONLY),
                      o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600),
                      e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (in < 0 || o < 0 || e < 0 || ::dup2(in, 0) < 0 || ::dup2(o, 1) < 0 || ::dup2(e, 2) < 0)
                ::_exit(99);
            if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) ::_exit(99);
            const int listener = static_cast<int>(
                ::syscall(__NR_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_NEW_LISTENER, &program));
            if (listener < 0) ::_exit(99);
            cmsghdr* passed = CMSG_FIRSTHDR(&message);
            passed->cmsg_level = SOL_SOCKET;
            passed->cmsg_type = SCM_RIGHTS;
            passed->cmsg_len = CMSG_LEN(sizeof(int));
            std::memcpy(CMSG_DATA(passed), &listener, sizeof listener);
            if (::sendmsg(channel[1], &message, 0) != 1) ::_exit(99);
            ::close(listener);
            ::execv(argv[0], argv.data());
            ::_exit(98);
        }
        ::close(channel[1]);
        int listener = -1;
        if (pid > 0 && ::recvmsg(channel[0], &message, 0) == 1 && CMSG_FIRSTHDR(&message))
            std::memcpy(&listener, CMSG_DATA(CMSG_FIRSTHDR(&message)), sizeof listener);
        ::close(channel[0]);
        int status = 0;
        const auto start = std::chrono::steady_clock::now();
        while (pid > 0 && ::waitpid(pid, &status, WNOHANG) == 0) {
            // A host that hangs fails the test.
            if (std::chrono::steady_clock::now() - start > std::chrono::seconds(30)) ::kill(pid, SIGKILL);
            pollfd ready{listener, POLLIN, 0};
            if (listener < 0 || ::poll(&ready, 1, 10) <= 0 || !(ready.revents & POLLIN)) continue;
            seccomp_notif request{};
            if (::ioctl(listener, SECCOMP_IOCTL_NOTIF_RECV, &request) != 0) continue;
            const pid_t host = static_cast<pid_t>(request.pid);
            const int fails = answer(host, TextOf(host, request.data.args[named]));
            seccomp_notif_resp response{};
            response.id = request.id;
            response.error = -fails;
            response.flags = fails ? 0 : SECCOMP_USER_NOTIF_FLAG_CONTINUE;
            ::ioctl(listener, SECCOMP_IOCTL_NOTIF_SEND, &response);
        }
        if (listener >= 0) ::close(listener);
        HostProcessRun run;
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : WIFSIGNALED(status) ? -WTERMSIG(status) : -1;
        run.out = ReadFile(out);
        run.err = ReadFile(err);
        return run;
    }
};

// A query file whose general criteria have no elements at all.
std::string QueryWithoutCompanies() {
    return "<Query><Options><AssetType>Field</AssetType></Options><Parameters><General><CompanyDetail/>"
           "<LocationDetail/></General><Block><BlockDetail/></Block><Field><FieldDetail/></"
           "Field><Well><WellDetail/>"
           "</Well><Transport><TransportDetail/></Transport></Parameters></Query>";
}

// The fields of Borealis and its subsidiaries in the three sectors of the
// sample query files, oil and oil-and-gas ones, found in the tables.
constexpr const char* kSampleFields =
    "SELECT Field_Code FROM Field WHERE FIELD_TYPE_CODE IN ('OIL','OILGAS') AND Field_Code IN "
    "(SELECT I.Field_Code FROM FieldInterest I JOIN FieldSector S ON S.Field_Code = I.Field_Code "
    "JOIN Company C ON C.Company_Code = I.Company_Code WHERE (C.Company_Code = 101 OR C.Parent_Code = 101) "
    "AND S.Sector_Code IN (11,12,21))";

TEST_F(QueryCommands, RunPrintsTheRowsOfTheQueryFile) {
    HostProcessRun run = Run({"run", SampleQuery("fields-gross.xml")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "") << "nothing but rows when all goes well";
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_GT(lines.size(), 1u);
    EXPECT_TRUE(StartsWith(lines[0], "Field_Code,Field_Name,")) << lines[0];
    const std::multiset<std::string> fields = Direct(kSampleFields);
    ASSERT_FALSE(fields.empty());
    EXPECT_EQ(FirstCells(run.out), fields);

    // The participant rows: one per field and company.
    std::string list;
    for (const std::string& f : fields) list += (list.empty() ? "" : ",") + f;
    run = Run({"run", SampleQuery("fields-gross.xml"), "--results", "participant"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FirstCells(run.out),
              Direct("SELECT Field_Code FROM FieldInterest WHERE Field_Code IN (" + list + ")"));

    // At most N rows, and how many there were on standard error.
    run = Run({"run", SampleQuery("fields-gross.xml"), "--limit", "3", "--format", "table"});
    ASSERT_EQ(run.status, 0) << run.err;
    lines = Split(run.out, "\n");
    ASSERT_EQ(lines.size(), 5u) << run.out;  // heading, three rows, the empty end
    EXPECT_TRUE(StartsWith(lines[0], "Field_Code  Field_Name")) << lines[0];
    EXPECT_FALSE(Has(run.out, "\r"));
    EXPECT_EQ(run.err,
              "terralith: printed 3 of " + CStr(Variant(static_cast<int32_t>(fields.size()))) + " rows\n");
    // A limit of exactly the rows there are leaves none out, and says nothing.
    run = Run({"run", SampleQuery("fields-gross.xml"), "--limit",
               CStr(Variant(static_cast<int32_t>(fields.size())))});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out).size(), fields.size() + 1) << run.out;
    EXPECT_EQ(run.err, "");

    // A date beyond the range of dates is shown as the number it is, in
    // its row, and the rest of the rows follow.
    const std::string odd = *fields.begin();
    Exec(DatabasePath(), "UPDATE Field SET Discovery_Date = 1e308 WHERE Field_Code = " + odd);
    run = Run({"run", SampleQuery("fields-gross.xml")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FirstCells(run.out), fields);
    lines = Lines(run.out);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return StartsWith(line, odd + ",") && Has(line, ",1E+308,");
    })) << run.out;
}

TEST_F(QueryCommands, EverySampleQueryFileFindsRowsGrossAndNet) {
    for (const char* type : {"fields", "wells", "blocks", "transport"}) {
        size_t gross = 0;
        for (const char* grossNet : {"gross", "net"}) {
            const std::string file = std::string(type) + "-" + grossNet + ".xml";
            HostProcessRun run = Run({"run", SampleQuery(file)});
            ASSERT_EQ(run.status, 0) << file << ": " << run.err;
            const size_t rows = Lines(run.out).size() - 1;
            EXPECT_GT(rows, 0u) << file;
            if (std::string(grossNet) == "gross") gross = rows;
            // Net field and block files keep only holdings of 20% and more.
            const bool narrower = std::string(type) == "fields" || std::string(type) == "blocks";
            if (std::string(grossNet) == "net" && narrower) {
                EXPECT_LT(rows, gross) << file;
            }
        }
    }
}

TEST_F(QueryCommands, SqlPrintsTheStatementsWithoutOpeningThem) {
    // The results statement names a table the database does not have: the
    // query can be rendered but not run.
    Exec(DatabasePath(),
         "UPDATE Options SET Value = 'SELECT A.* FROM <table/>Gone A <where/> <orderby/>' "
         "WHERE [Key] = 'SQL_FIELD_RESULTS'");
    HostProcessRun run = Run({"run", SampleQuery("fields-gross.xml"), "--sql"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines = Split(run.out, "\n");
    ASSERT_EQ(lines.size(), 7u) << run.out;
    EXPECT_EQ(lines[0], "-- participant rows");
    EXPECT_TRUE(StartsWith(lines[1], "SELECT A.* FROM FieldParticipantGone A ")) << lines[1];
    EXPECT_TRUE(EndsWith(lines[1],
                         "ORDER BY A.Field_Name, A.Ownership_Status DESC, A.Interest_Perc DESC, "
                         "A.Company_Name;"))
        << lines[1];
    EXPECT_EQ(lines[2], "-- asset rows");
    EXPECT_TRUE(StartsWith(lines[3], "SELECT A.* FROM FieldGone A ")) << lines[3];
    EXPECT_EQ(lines[4], "-- annual rows, on request");
    EXPECT_TRUE(Has(lines[5], "FROM FieldAnnualTransformedGone A") && EndsWith(lines[5], "A.Prod_Year;"));
    EXPECT_FALSE(Has(run.out, "<table/>") || Has(run.out, "<orderby/>"));

    run = Run({"run", SampleQuery("fields-gross.xml")});
    EXPECT_EQ(run.status, 1) << "running them fails";
    EXPECT_EQ(run.out, "");

    // A well query keeps its order placeholder and has no annual rows.
    run = Run({"run", SampleQuery("wells-net.xml"), "--sql"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Split(run.out, "\n").size(), 5u) << run.out;
    EXPECT_TRUE(Has(run.out, "FROM WellParticipant A") && Has(run.out, "FROM Well A"));
}

TEST_F(QueryCommands, AnnualRowsAreOpenedWithTheQuestionsDefaultAnswer) {
    HostProcessRun run = Run({"run", SampleQuery("fields-gross.xml"), "--results", "annual", "--limit", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.err, "Do you wish to continue?")) << run.err;
    EXPECT_TRUE(Has(run.err, "standard input is not a terminal, so the answer is OK")) << run.err;
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3u) << run.out;
    EXPECT_TRUE(Has(lines[0], "Prod_Year")) << lines[0];

    // A query file's asset type is matched as written: "FIELD" is no field query.
    const std::string upper = data.Write("FIELD.xml", Replace(ReadFile(SampleQuery("fields-gross.xml")),
                                                              ">Field</AssetType>", ">FIELD</AssetType>"));
    for (const auto& [file, says] : std::vector<std::pair<std::string, std::string>>{
             {SampleQuery("wells-gross.xml"), "this is a Well query"},
             {upper,
              "this query's asset type is \"FIELD\", and a query file's type is matched as written "
              "(\"Field\")"}}) {
        run = Run({"run", file, "--results", "annual"});
        EXPECT_EQ(run.status, 2) << file;
        EXPECT_EQ(run.err, "terralith: only a field query has annual rows; " + says + "\n");
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(QueryCommands, RefusedFilesNothingToMatchAndUsage) {
    // A query file that cannot be read, or is no query, is named first with
    // why, and only there, by every command that reads one.
    std::string xml = ReadFile(SampleQuery("wells-gross.xml"));
    const size_t a = xml.find("<Well>"), b = xml.find("</Well>");
    const std::string noWell = data.Write("nowell.xml", xml.substr(0, a) + xml.substr(b + 7));
    // Its options nested deeper than any load takes.
    std::string deep = xml, open, close;
    for (int i = 0; i < 300; ++i) {
        open += "<a>";
        close += "</a>";
    }
    deep.insert(deep.find("</Options>") + 10, close);
    deep.insert(deep.find("<Options>"), open);
    // A name with a control character in it is shown escaped, and once.
    const std::string shownDir = data.Path();
    const struct {
        std::string file, says, shown = "";
    } unusable[] = {
        {scratch.Path() + "none.xml", ": No such file or directory"},
        {scratch.Path(), ": it is a folder, not a regular file"},
        {noWell, ": not a query file: Invalid Settings File. Element Well is Missing or corrupt"},
        {data.Write("cut.xml", "<Query>\n<Options>"),
         ": not well-formed XML: line 2, column 9: Start-end tags mismatch"},
        {data.Write("two.xml", xml + "<Query/>"),
         ": not a query file: The XML text of the file cannot be translated: it is not one document "
         "element"},
        {data.Write("deep.xml", deep), ": malformed XML: elements nested deeper than 256 levels"},
        {data.Write("no\x1b[2Jwell.xml", ReadFile(noWell)),
         ": not a query file: Invalid Settings File. Element Well is Missing or corrupt",
         shownDir + "no\\e[2Jwell.xml"},
        {data.Write("two\twell.xml", xml + "<Query/>"),
         ": not a query file: The XML text of the file cannot be translated: it is not one document element",
         shownDir + "two\\twell.xml"},
    };
    HostProcessRun run;
    for (const auto& u : unusable) {
        for (const std::vector<std::string>& command :
             {std::vector<std::string>{"run"},
              {"describe"},
              {"chart", "FieldCapex", "--svg", scratch.Path() + "u.svg"},
              {"list", "--query", "rig-names"}}) {
            std::vector<std::string> args = command;
            args.insert(args.begin() + (command.size() > 1 ? 2 : 1), u.file);
            run = Run(args);
            EXPECT_EQ(run.status, 1) << command[0] << " " << u.file;
            EXPECT_EQ(run.err, "terralith: " + (u.shown.empty() ? u.file : u.shown) + u.says + "\n");
            EXPECT_EQ(run.out, "");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(scratch.Path() + "u.svg"));

    // A misspelt asset type is quoted, in the file named.
    const std::string feld =
        data.Write("feld.xml", Replace(xml, "<AssetType>Well</AssetType>", "<AssetType>Feld</AssetType>"));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"run", feld}, {"run", feld, "--sql"}}) {
        run = Run(args);
        EXPECT_EQ(run.status, 1) << args.back();
        EXPECT_EQ(run.err, "terralith: " + feld +
                               ": the query's asset type \"Feld\" is none of Field, Well, Block and "
                               "Transport, so it gives no statement\n");
    }
    // One that only begins with a type is none either.
    run = Run({"run", data.Write("fields.xml", Replace(xml, ">Well</AssetType>", ">Fields</AssetType>"))});
    EXPECT_TRUE(Has(run.err, "asset type \"Fields\" is none of")) << run.err;

    std::string none = Replace(ReadFile(SampleQuery("fields-gross.xml")), "\"OILGAS\"", "\"NONE\"");
    run = Run({"run", data.Write("none.xml", Replace(none, "\"OIL\"", "\"NOTHING\""))});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(Has(run.err, "No records were found that match your search criteria.")) << run.err;

    // A query the library refuses, or whose statements fail, shows why and
    // fails, in every form of output; it is not "nothing matches".  The
    // field search of the second finds one field 20,001 times: more than a
    // query may hold, which the library only warns of; the third is empty.
    const std::string refused = data.Write(
        "refused.xml",
        Replace(ReadFile(SampleQuery("fields-gross.xml")), "<FieldDetail>",
                "<FieldDetail><AssetCodes><AssetCode Code=\"1;DROP TABLE Options\"/></AssetCodes>"));
    const std::string fieldSearch =
        Column(DatabasePath(), "SELECT Value FROM Options WHERE [Key] = 'SQL_FIELD'")[0];
    Exec(DatabasePath(),
         "CREATE VIEW FieldCopies AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
         "FROM n WHERE i < 20001) SELECT (" +
             std::string(kSampleFields) + " LIMIT 1) AS Field_Code FROM n");
    const struct {
        std::string file, fieldSearch, says;
    } refusedQueries[] = {
        {refused, fieldSearch, "1;DROP TABLE Options"},
        {SampleQuery("fields-gross.xml"),
         "SELECT A.Field_Code <from/> INNER JOIN FieldCopies C ON C.Field_Code = A.Field_Code <join/> "
         "<where/>",
         "terralith: Your results set is too large to process, please refine your query selection.\n"},
        {SampleQuery("fields-gross.xml"), "",
         "table's SQL_FIELD, the statement every Field query starts from, is empty"},
    };
    for (const auto& q : refusedQueries) {
        Exec(DatabasePath(), "UPDATE Options SET Value = '" + q.fieldSearch + "' WHERE [Key] = 'SQL_FIELD'");
        for (const std::vector<std::string>& form : {std::vector<std::string>{"--format", "csv"},
                                                     {"--format", "table"},
                                                     {"--grid", "Field/Assets"}}) {
            std::vector<std::string> args{"run", q.file};
            args.insert(args.end(), form.begin(), form.end());
            run = Run(args);
            EXPECT_EQ(run.status, 1) << form[1] << run.err;
            EXPECT_TRUE(Has(run.err, q.says)) << run.err;
            EXPECT_EQ(run.out, "");
        }
        EXPECT_EQ(Run({"run", q.file, "--sql"}).status, 1) << q.file;
        run = Run({"chart", "FieldCapex", q.file, "--svg", scratch.Path() + "r.svg"});
        EXPECT_EQ(run.status, 1) << q.file << run.err;
        EXPECT_TRUE(Has(run.err, q.says)) << run.err;
        EXPECT_FALSE(std::filesystem::exists(scratch.Path() + "r.svg")) << q.file;
    }
    Exec(DatabasePath(), "UPDATE Options SET Value = '" + fieldSearch + "' WHERE [Key] = 'SQL_FIELD'");
    // The value is quoted as written, its control characters shown: none
    // reaches standard error raw, in the message or in the whole report.  It
    // stays on one line: a line break in it neither starts a line of the
    // message nor makes the message pass for an error report.
    const struct {
        std::string written, shown;
    } hostileValues[] = {
        {"&#27;]0;text&#7;&#13;&#155;&#127;", "'\\e]0;text\\x07\\r\\u009B\\x7F'"},
        {"&#10;  Description: printed 39 rows&#10;  Call Stack: x",
         "'\\n  Description: printed 39 rows\\n  Call Stack: x'"},
        {"a&#13;&#10;b", "'a\\r\\nb'"},
    };
    for (const auto& value : hostileValues) {
        const std::string hostile = data.Write(
            "hostile.xml", Replace(ReadFile(SampleQuery("fields-gross.xml")), "<FieldDetail>",
                                   "<FieldDetail><Dates><Date FieldName=\"Discovery_Date\" DateLow=\"" +
                                       value.written + "\" DateHigh=\"0\"/></Dates>"));
        const std::string message =
            "terralith: The value " + value.shown + " of 'Date@DateLow' is not a valid number.\n";
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"run", hostile, "--format=csv"},
              {"chart", "FieldCapex", hostile, "--svg", scratch.Path() + "h.svg"},
              {"run", hostile, "--verbose"}}) {
            run = Run(args);
            EXPECT_EQ(run.status, 1) << args.back() << run.err;
            if (args.back() == "--verbose")
                EXPECT_TRUE(Has(run.err, value.shown)) << run.err;
            else
                EXPECT_EQ(run.err, message) << args.front();
            size_t raw = 0;
            for (; raw < run.err.size(); ++raw) {
                const auto b = static_cast<unsigned char>(run.err[raw]);
                const auto next = static_cast<unsigned char>(run.err.c_str()[raw + 1]);
                if ((b < 0x20 && b != '\n') || b == 0x7F || (b == 0xC2 && next >= 0x80 && next <= 0x9F))
                    break;
            }
            EXPECT_EQ(raw, run.err.size()) << args.back() << ": a raw control character in " << run.err;
        }
    }

    // Every whole number from 1 up, and nothing else, is a limit; what is
    // not is quoted as written, and one too large to hold is told as such.
    const std::string tooLarge = "' is too large; leave --limit out to print every row\n";
    for (const auto& [limit, says] : std::vector<std::pair<std::string, std::string>>{
             {"0", "N is a whole number from 1 up, not '0'\n"},
             {"-1", "N is a whole number from 1 up, not '-1'\n"},
             {"-99999999999999999999", "N is a whole number from 1 up, not '-99999999999999999999'\n"},
             {"18446744073709551615", "N '18446744073709551615" + tooLarge},
             {"18446744073709551616", "N '18446744073709551616" + tooLarge},
             {"2.5", "N is a whole number from 1 up, not '2.5'\n"},
             {"two", "N is a whole number from 1 up, not 'two'\n"},
             {" 5", "N is a whole number from 1 up, not ' 5'\n"}}) {
        run = Run({"run", SampleQuery("fields-gross.xml"), "--limit", limit});
        EXPECT_EQ(run.status, 2) << limit;
        EXPECT_TRUE(Has(run.err, "terralith: --limit: " + says)) << run.err;
    }
    run = Run({"run", SampleQuery("fields-gross.xml"), "--limit", "2"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out).size(), 3u) << run.out;
    // The help shows what the option takes, once.
    run = Run({"run", "--help"});
    EXPECT_TRUE(Has(run.out, "  --limit N ") && !Has(run.out, "N:")) << run.out;

    EXPECT_EQ(Run({"run", SampleQuery("fields-gross.xml"), "--results", "yearly"}).status, 2);
    EXPECT_EQ(Run({"run", SampleQuery("fields-gross.xml"), "--format", "xml"}).status, 2);
    EXPECT_EQ(Run({"run"}).status, 2);

    // Last, as it takes the data set's asset table away.
    Exec(DatabasePath(), "DROP TABLE Field");
    run = Run({"run", SampleQuery("fields-gross.xml")});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(Has(run.err, "no such table")) << run.err;
}

TEST_F(QueryCommands, DescribePrintsTheTreeOfTheFileAlone) {
    HostProcessRun run = Run({"describe", SampleQuery("fields-net.xml")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Query\n"
              "  Company Selection\n"
              "    Companies\n"
              "      Borealis\n"
              "    Include Subsidiaries\n"
              "    Operator Status\n"
              "      Participant\n"
              "    Search Options\n"
              "      Non-Overlapping\n"
              "  Location\n"
              "    Regions\n"
              "      North Sea\n"
              "        United Kingdom\n"
              "          UK Northern North Sea\n"
              "          UK Central North Sea\n"
              "        Norway\n"
              "          Norwegian North Sea\n");
    run = Run({"describe", "--keys", SampleQuery("wells-gross.xml")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out, "      Borealis  [C_101]\n")) << run.out;
    EXPECT_TRUE(Has(run.out, "          Norwegian North Sea  [SEC_21]\n")) << run.out;
    // A node stays on its line, what it holds shown, not obeyed.
    run = Run({"describe", data.Write("hostile.xml", Replace(ReadFile(SampleQuery("fields-net.xml")),
                                                             "ShortName=\"Borealis\"",
                                                             "ShortName=\"Bore&#27;[2J&#13;&#10;alis\""))});
    EXPECT_TRUE(Has(run.out, "\n      Bore\\e[2J\\r\\nalis\n    Include Subsidiaries\n")) << run.out;

    // Only the file's criteria: a branch the file has no element for is not
    // taken over from the default query file the query was made from first.
    std::string defaults = ReadFile(data.Path() + "Default/Default.xml");
    defaults =
        Replace(defaults, "<CompetitorAnalysis />",
                "<CompetitorAnalysis /><Companies><Company ID=\"108\" ShortName=\"Northgate\"/></Companies>"
                "<OperatorStatus>Operator</OperatorStatus>");
    ASSERT_TRUE(Has(defaults, "Northgate")) << defaults;
    data.Write("Default/Default.xml", defaults);
    run = Run({"describe", data.Write("bare.xml", QueryWithoutCompanies())});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Query\n  Company Selection\n  Location\n");

    // Two companies with one ID: the description shows the error and fails,
    // and what it made of the file before it stopped is not printed.
    std::string xml = ReadFile(SampleQuery("wells-gross.xml"));
    const std::string company = "<Company ID=\"101\"";
    xml.insert(xml.find(company), company + " ShortName=\"Again\"/>");
    run = Run({"describe", data.Write("twice.xml", xml)});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "Key is not unique")) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(QueryCommands, NewWritesAQueryFileOfTheTypeFromTheDefault) {
    const std::string out = scratch.Path() + "new.xml";
    HostProcessRun run = Run({"new", "--type", "Block", out});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string written = ReadFile(out);
    EXPECT_TRUE(Has(written, "<AssetType>Block</AssetType>")) << written;
    EXPECT_TRUE(Has(written, "<CompetitorAnalysis")) << "the default query file's content";

    run = Run({"new", "--type", "Well", out});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "terralith: " + out + " is there already; give --force to replace it\n");
    EXPECT_EQ(ReadFile(out), written);
    run = Run({"new", "--type", "Well", "--force", out});
    ASSERT_EQ(run.status, 0) << run.err;
    // The asset type in any letter case is written in its own.
    const std::string anyCase = scratch.Path() + "case.xml";
    run = Run({"new", "--type", "wELL", anyCase});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(ReadFile(anyCase), "<AssetType>Well</AssetType>")) << ReadFile(anyCase);

    // It runs: every well, since it chooses nothing.
    run = Run({"run", out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out).size() - 1, Column(DatabasePath(), "SELECT Well_Code FROM Well").size());

    EXPECT_EQ(Run({"new", "--type", "Pipeline", scratch.Path() + "p.xml"}).status, 2);
    run = Run({"new", "--type", "Field", scratch.Path() + "no/such/folder/q.xml"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "no/such/folder/q.xml")) << run.err;
    EXPECT_FALSE(Has(run.err, "Call Stack")) << "the report's details only with --verbose";

    // Nothing but a regular file is ever replaced, not even with --force and
    // through a link: a pipe stays a pipe, a folder a folder.
    MakeFifo(scratch.Path() + "pipe");
    std::filesystem::create_symlink(scratch.Path() + "pipe", scratch.Path() + "pipe.xml");
    std::filesystem::create_directory(scratch.Path() + "folder.xml");
    for (const char* name : {"pipe", "pipe.xml", "folder.xml"}) {
        run = Run({"new", "--force", "--type", "Well", scratch.Path() + name});
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_TRUE(Has(run.err, "not a regular file")) << run.err;
    }
    EXPECT_EQ(std::filesystem::status(scratch.Path() + "pipe").type(), std::filesystem::file_type::fifo);
    EXPECT_TRUE(std::filesystem::is_directory(scratch.Path() + "folder.xml"));

    // Nor a file the command reads, even with --force, whatever its name, nor
    // one of the data set that it does not read (a layout the settings name
    // by its whole path, a database, each data file the core database links
    // outside its folder with the start-up repair off, a chart file, the file
    // a chart definition's link leads to, a name in one of the data set's
    // folders that is not there yet), each said as what it is.
    const std::string defaultQuery = data.Path() + "Default/Default.xml";
    const std::string defaultBefore = ReadFile(defaultQuery);
    const std::string layout = data.Path() + "Default/GridLayouts.xml";
    const std::string layoutBefore = ReadFile(layout),
                      annualBefore = ReadFile(data.Path() + "Core/Database/Annual.db");
    SetSetting("DefaultLayoutFile", layout);
    const std::string linked = data.Write("Linked/Annual.db", annualBefore),
                      second = data.Write("Linked/Second.db", annualBefore);
    data.Write("Core/Database/Options.ini", "[Startup]\nCheckAttachedTables=no\n");
    Exec(DatabasePath(),
         "UPDATE LinkedTables SET Datasource = '" + Replace(linked, "'", "''") +
             "'; INSERT INTO LinkedTables (Name, Datasource, ForeignName) SELECT 'Second', '" +
             Replace(second, "'", "''") + "', ForeignName FROM LinkedTables LIMIT 1");
    std::filesystem::create_symlink(defaultQuery, scratch.Path() + "default-link.xml");
    std::filesystem::create_symlink(layout, scratch.Path() + "layout-link.xml");
    const std::string definition = scratch.Write("definition.xml", "<TerralithChart/>");
    std::filesystem::create_symlink(definition, data.Path() + "Charts/Definitions/Linked.xml");
    const std::string reads = " is a file the command reads; give its output another name",
                      ofDataSet = " is one of the data set's files; give its output another name";
    const auto isTheFile = [](const std::string& file, const std::string& what) {
        return " is the file " + file + what + "; give its output another name";
    };
    for (const auto& [input, says] : std::vector<std::pair<std::string, std::string>>{
             {data.Path() + "Host.settings.xml", reads},
             {defaultQuery, reads},
             {data.Path() + "Translations.xml", reads},
             {scratch.Path() + "default-link.xml", isTheFile(defaultQuery, " the command reads")},
             {layout, ofDataSet},
             {scratch.Path() + "layout-link.xml", isTheFile(layout, ", one of the data set's files")},
             {data.Path() + "Core/Database/Annual.db", ofDataSet},
             {linked, ofDataSet},
             {second, ofDataSet},
             {data.Path() + "Charts/ChartManifest.xml", ofDataSet},
             {definition,
              isTheFile(data.Path() + "Charts/Definitions/Linked.xml", ", one of the data set's files")},
             {data.Path() + "Core/Database/New.csv", ofDataSet},
             {data.Path() + "Charts/Definitions/Mine.XML", ofDataSet},
             {data.Path() + "Quartz/indZZ.dat", ofDataSet}}) {
        run = Run({"new", "--force", "--type", "Well", input});
        EXPECT_EQ(run.status, 1) << input;
        EXPECT_EQ(run.err, "terralith: " + input + says + "\n");
    }
    EXPECT_EQ(ReadFile(defaultQuery), defaultBefore);
    EXPECT_EQ(ReadFile(layout), layoutBefore);
    EXPECT_EQ(ReadFile(data.Path() + "Core/Database/Annual.db"), annualBefore);
    EXPECT_EQ(ReadFile(linked), annualBefore);
    EXPECT_EQ(ReadFile(second), annualBefore);
    EXPECT_EQ(ReadFile(definition), "<TerralithChart/>");
    EXPECT_EQ(ReadFile(data.Path() + "Host.settings.xml"), settingsXml);
    for (const char* name : {"Core/Database/New.csv", "Charts/Definitions/Mine.XML", "Quartz/indZZ.dat"})
        EXPECT_FALSE(std::filesystem::exists(data.Path() + name)) << name;
    // A core database that cannot be read, or is empty (a new release being
    // copied in), hides what it links: new still writes, but replaces no
    // database file.
    const std::string core = ReadFile(DatabasePath());
    for (const auto& [content, why] : std::vector<std::pair<std::string, std::string>>{
             {"no database", "file is not a database"}, {"", "' is empty."}}) {
        data.Write("Core/Database/Terralith.db", content);
        run = Run({"new", "--force", "--type", "Well", linked});
        EXPECT_EQ(run.status, 1) << why;
        EXPECT_TRUE(Has(run.err, linked + " is a database file, and the core database cannot be read"))
            << run.err;
        EXPECT_TRUE(Has(run.err, why + "); give its output another name")) << run.err;
        EXPECT_EQ(ReadFile(linked), annualBefore) << why;
        EXPECT_EQ(Run({"new", "--force", "--type", "Well", out}).status, 0) << why;
    }
    data.Write("Core/Database/Terralith.db", core);

    // Every name the folder takes can be written, and replaced: the longest
    // too, though its temporary name could not hold it whole.
    const std::string longest = scratch.Path() + std::string(251, 'q') + ".xml";
    ASSERT_EQ(Run({"new", "--type", "Well", longest}).status, 0);
    run = Run({"new", "--force", "--type", "Block", longest});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(ReadFile(longest), "<AssetType>Block</AssetType>"));
    run = Run({"new", "--type", "Well", longest + "x"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.err, "File name too long")) << run.err;

    // Runs racing for one name without --force: exactly one writes it.
    constexpr int kRuns = 8;
    const std::string raced = scratch.Path() + "raced.xml";
    const std::string settings = data.Write("Host.settings.xml", settingsXml);
    std::vector<TempDir> outputs(kRuns);
    std::vector<int> statuses(kRuns, -1);
    std::vector<std::thread> runs;
    for (int i = 0; i < kRuns; ++i)
        runs.emplace_back([&, i] {
            const std::string type = i % 2 ? "Well" : "Block";
            statuses[i] =
                RunHostProcess(TERRALITH_BINARY, {"--settings=" + settings, "new", "--type", type, raced},
                               outputs[i].Path())
                    .status;
        });
    for (std::thread& t : runs) t.join();
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 0), 1);
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 1), kRuns - 1);
    EXPECT_TRUE(Has(ReadFile(raced), "<AssetType>")) << "the winner's file, whole";
    // Another program makes the file in the instant between the check and
    // the name: refused, and the other program's file stays.
    const std::string taken = scratch.Path() + "taken.xml";
    run = RunAnswering(settings, {"new", "--type", "Well", taken}, __NR_linkat,
                       static_cast<uint32_t>(AT_FDCWD), 3, [&](pid_t, const std::string& name) {
                           if (name == taken) std::ofstream(taken) << "another program's";
                           return 0;
                       });
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(Has(run.err, "taken.xml\": it is there already")) << run.err;
    EXPECT_EQ(ReadFile(taken), "another program's");

    // A default query file that cannot be used is named first with why, as a
    // query file is, by `new` and by the commands that read a query file.
    const std::string madeFrom = " (the default query file, which every query is made from)\n";
    for (const auto& [text, says] : std::vector<std::pair<std::string, std::string>>{
             {"", ": not well-formed XML: line 1, column 1: No document element found"},
             {"<Query>\n  <Options>", ": not well-formed XML: line 2, column 11: Start-end tags mismatch"},
             {"<Query><Options/></Query>",
              ": not a query file: Invalid Settings File. Element Parameters is Missing or corrupt"},
             {"absent", ": No such file or directory"}}) {
        std::filesystem::remove(defaultQuery);
        if (text != "absent") data.Write("Default/Default.xml", text);
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"new", "--type", "Well", scratch.Path() + "d.xml"},
              {"run", SampleQuery("fields-gross.xml")}}) {
            run = Run(args);
            EXPECT_EQ(run.status, 1) << args[0] << " " << text;
            EXPECT_EQ(run.err, "terralith: " + defaultQuery + says + madeFrom);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(scratch.Path() + "d.xml"));
    data.Write("Default/Default.xml", defaultBefore);
    const std::string named = "<DefaultQueryFile>Default.xml</DefaultQueryFile>";
    settingsXml.erase(settingsXml.rfind(named), named.size());
    run = Run({"new", "--type", "Well", scratch.Path() + "d.xml"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "terralith: the settings file " + data.Path() +
                           "Host.settings.xml names no default query file "
                           "(QueryManager/Query/Options/DefaultQueryFile), which every query is made from\n");
}

TEST_F(QueryCommands, CtrlCCancelsTheRunningQueryThroughTheCancelRequest) {
    OpenRoot();
    root->Queries()->Load(SampleQuery("wells-gross.xml"));
    Ref<IQuery> query = root->Queries()->Query("-1");
    struct sigaction before {};
    sigaction(SIGINT, nullptr, &before);
    {
        host::Interruptible interruptible;
        EXPECT_FALSE(host::Interruptible::Interrupted());
        ASSERT_GT(query->Execute(), 0);
        // Pressed before the well narrowing offers cancelling (which clears
        // the request): the flag is still turned into the request at its
        // first hand-over.
        std::raise(SIGINT);
        EXPECT_TRUE(host::Interruptible::Interrupted());
        EXPECT_EQ(query->Execute(), ERR_NO_STATEMENT);
        EXPECT_FALSE(query->Active());
    }
    // Outside, the hand-over does nothing and queries run to their end.
    root->SetCancelled(false);
    EXPECT_GT(query->Execute(), 0);
    struct sigaction now {};
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, before.sa_handler) << "the handler it replaced is not back";
}

TEST_F(QueryCommands, ASecondCtrlCEndsAtOnce) {
    OpenRoot();
    EXPECT_EXIT(
        {
            host::Interruptible interruptible;
            std::raise(SIGINT);
            std::raise(SIGINT);
            std::_Exit(0);
        },
        ::testing::KilledBySignal(SIGINT), "^$");
    // Ignored by whoever started the host, a Ctrl-C is meant for someone else.
    struct sigaction ignore {
    }, before{}, now{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGINT, &ignore, &before);
    {
        host::Interruptible interruptible;
        std::raise(SIGINT);
        EXPECT_FALSE(host::Interruptible::Interrupted());
    }
    sigaction(SIGINT, &before, &now);
    EXPECT_EQ(now.sa_handler, SIG_IGN);
}

}  // namespace

// True once the process catches SIGINT: a Ctrl-C before would end it unheard.
bool CatchesCtrlC(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (StartsWith(line, "SigCgt:"))
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGINT - 1)) & 1;
    return false;
}

// Steps the host `pid`, asking on standard input (the terminal's other side
// is `terminal`, the host's side `answered`), to the read that follows the
// wait for a line: the line "o" typed, the wait sees it; then, as the read
// starts, the terminal discards it as a typed Ctrl-C does, Ctrl-C is pressed
// and the host goes on.  False when the host could not be followed so far.
bool PressBetweenWaitAndRead(pid_t pid, int terminal, int answered) {
    int status = 0;
    if (ptrace(PTRACE_SEIZE, pid, nullptr, PTRACE_O_TRACESYSGOOD) != 0) return false;
    if (ptrace(PTRACE_INTERRUPT, pid, nullptr, nullptr) != 0 || waitpid(pid, &status, 0) != pid) return false;
    if (write(terminal, "o\n", 2) != 2) return false;
    for (int stops = 0; stops < 100000; ++stops) {
        // A signal the host was to get is handed on.
        const int signal = (status >> 16) == 0 && WSTOPSIG(status) != (SIGTRAP | 0x80) ? WSTOPSIG(status) : 0;
        if (ptrace(PTRACE_SYSCALL, pid, nullptr, signal) != 0 || waitpid(pid, &status, 0) != pid ||
            !WIFSTOPPED(status))
            return false;
        __ptrace_syscall_info call{};
        if (WSTOPSIG(status) != (SIGTRAP | 0x80) ||
            ptrace(PTRACE_GET_SYSCALL_INFO, pid, sizeof call, &call) <= 0 ||
            call.op != PTRACE_SYSCALL_INFO_ENTRY || call.entry.nr != SYS_read || call.entry.args[0] != 0)
            continue;
        tcflush(answered, TCIFLUSH);
        kill(pid, SIGINT);
        return ptrace(PTRACE_DETACH, pid, nullptr, 0) == 0;
    }
    return false;
}

// True when the process holds a file of `folder` open.
bool HoldsFileIn(pid_t pid, const std::string& folder) {
    std::error_code ec;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", ec))
        if (StartsWith(std::filesystem::read_symlink(fd.path(), ec).string(), folder)) return true;
    return false;
}

// The host run on the copy's settings with its output into pipes, Ctrl-C
// pressed as soon as the standard output (1), the standard error (2) or the
// terminal (3) has shown `mark` ("" at once); its status (-SIGINT when it
// died of it), its output, in `shown` what the terminal showed and in
// `before` how much of its standard error came before the Ctrl-C.  Without a
// terminal standard input is /dev/null.  The output pipe holds little, so a
// host printing much waits for the test, which reads on once it has pressed.
// Stream 4 is a file of the folder `mark` held open; 5 the standard error,
// the terminal showing nothing (Ctrl-S) until the Ctrl-C; 7 the standard
// error, the question asked on standard input, a terminal that is not the
// host's own (no /dev/tty), with Ctrl-C pressed between the wait for a line
// and its read.
HostProcessRun RunPressingCtrlC(const std::string& settings, std::vector<std::string> args, int stream,
                                const std::string& mark, std::string& shown, size_t& before) {
    int out[2], err[2];
    if (pipe(out) != 0 || pipe(err) != 0) return {};
    fcntl(out[0], F_SETPIPE_SZ, 4096);
    // The terminal becomes the one of the host's own session: it asks there.
    const bool asks = stream == 3 || stream == 5 || stream == 7;
    const int terminal = asks ? posix_openpt(O_RDWR | O_NOCTTY) : -1;
    if (asks && (terminal < 0 || grantpt(terminal) != 0 || unlockpt(terminal) != 0)) return {};
    const int answered = stream == 7 ? open(ptsname(terminal), O_RDWR | O_NOCTTY) : -1;
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (terminal >= 0) {
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
        posix_spawn_file_actions_addopen(&actions, 0, ptsname(terminal),
                                         O_RDWR | (stream == 7 ? O_NOCTTY : 0), 0);
        posix_spawn_file_actions_addclose(&actions, terminal);
        if (answered >= 0) posix_spawn_file_actions_addclose(&actions, answered);
    } else {
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    }
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, err[0]);
    args.insert(args.begin(), {TERRALITH_BINARY, "--settings=" + settings});
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(out[1]);
    close(err[1]);
    if (stream == 5) write(terminal, "\x13", 1);
    for (int i = 0; spawned == 0 && i < 2000 && !CatchesCtrlC(pid); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    HostProcessRun run;
    std::string* texts[] = {&run.out, &run.err, &shown, nullptr, &run.err, nullptr, &run.err};
    pollfd fds[] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}, {terminal, POLLIN, 0}};
    bool pressed = false;
    for (int open = terminal >= 0 ? 3 : 2, spins = 0; spawned == 0 && open > 0;) {
        const bool writing = stream == 4 && !pressed && ++spins < 1000000;
        if (!pressed &&
            (stream == 4 ? HoldsFileIn(pid, mark) : texts[stream - 1]->find(mark) != std::string::npos)) {
            // Well into the work that follows the mark, which takes longer;
            // at once while a file is written.
            if (stream != 4 && stream != 7) std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (stream != 7)
                kill(pid, SIGINT);
            else
                EXPECT_TRUE(PressBetweenWaitAndRead(pid, terminal, answered))
                    << "the host could not be followed";
            // Heard before the test reads on.
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (stream == 5) write(terminal, "\x11", 1);
            pressed = true;
            before = run.err.size();
        }
        const int ready = poll(fds, 3, writing ? 0 : 10000);
        if (ready < 0 || (ready == 0 && !writing)) {
            kill(pid, SIGKILL);  // a host that hangs fails the test
            break;
        }
        for (int i = 0; i < 3; ++i) {
            if (fds[i].fd < 0 || !fds[i].revents) continue;
            char buffer[4096];
            // The terminal ends (EIO) when the host has ended.
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                fds[i].fd = -1;
                --open;
                continue;
            }
            texts[i]->append(buffer, static_cast<size_t>(n));
        }
    }
    close(out[0]);
    close(err[0]);
    if (terminal >= 0) close(terminal);
    if (answered >= 0) close(answered);
    if (spawned != 0) return run;
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : WIFSIGNALED(status) ? -WTERMSIG(status) : -1;
    EXPECT_TRUE(pressed) << "never showed " << mark << ":\n" << run.err << shown;
    return run;
}

TEST_F(QueryCommands, CtrlCCancelsTheWholeCommandAtItsNextPoint) {
    // A statement that counts to three million before it gives its rows: the
    // annual rows and the chart's query take long enough to be interrupted.
    const std::string slow =
        " WHERE (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000000) "
        "SELECT count(*) FROM n) > 0";
    const std::string annualDb = data.Path() + "Core/Database/Annual.db";
    const std::string annualView =
        Column(annualDb, "SELECT sql FROM sqlite_master WHERE name = 'FieldAnnualTransformed'").at(0);
    const std::string select = annualView.substr(annualView.find(" AS") + 3);
    Exec(annualDb, "DROP VIEW FieldAnnualTransformed; CREATE VIEW FieldAnnualTransformed AS SELECT * FROM (" +
                       select + ")" + slow);
    Exec(DatabasePath(), "CREATE VIEW SlowField AS SELECT * FROM Field" + slow);
    // So do a well query's search and rows (long statements), Options Slow and SlowBad (failing).
    Exec(DatabasePath(),
         "CREATE VIEW SlowWell AS SELECT * FROM Well" + slow + "; CREATE VIEW Counted AS SELECT 1" + slow +
             "; UPDATE Options SET Value = 'SELECT A.Well_Code FROM SlowWell A <join/> <where/>' "
             "WHERE [Key] = 'SQL_WELL'; UPDATE Options SET Value = 'SELECT A.* FROM <table/> A, Counted /* " +
             std::string(20000, '.') +
             " */ <where/>' WHERE [Key] = 'SQL_WELL_RESULTS'; ALTER TABLE Options RENAME TO Stored; "
             "INSERT INTO Stored VALUES ('Slow', '1'), ('SlowBad', 'x'); CREATE VIEW Options AS SELECT "
             "[Key], CASE WHEN [Key] LIKE 'Slow%' AND " +
             slow.substr(7) + " THEN json(Value) ELSE Value END AS Value FROM Stored");
    const std::string liquids = ReadFile(data.Path() + "Charts/Definitions/FieldRemainingLiquids.xml");
    data.Write("Charts/Definitions/Slow.xml", Replace(liquids, "FROM Field ", "FROM SlowField "));
    // A chart whose query the engine cannot open (too complex): drawn, it fails.
    std::string unions;
    for (int i = 0; i < 600; ++i) unions += " UNION ALL SELECT 1, 1, 1, 1, 1";
    data.Write("Charts/Definitions/Bad.xml", Replace(liquids, " ORDER BY Field_Name<", unions + "<"));
    const std::string settings = data.Write("Host.settings.xml", settingsXml);
    // Settings whose database another process holds locked, and settings
    // that take a while to read (many translations) and name no database.
    std::filesystem::copy_file(DatabasePath(), data.Path() + "Core/Database/Locked.db");
    sqlite3* holder = nullptr;
    sqlite3_open((data.Path() + "Core/Database/Locked.db").c_str(), &holder);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    const std::string locked =
        data.Write("Locked.settings.xml", Replace(settingsXml, ">Terralith.db<", ">Locked.db<"));
    std::string terms;
    for (int i = 0; i < 300000; ++i)
        terms += Replace("<Term Stored=\"S#\" User=\"U#\"/>", "#", std::to_string(i));
    data.Write("Padded.xml", "<Translations Language=\"en\">" + terms + "</Translations>");
    const std::string padded = data.Write(
        "Padded.settings.xml",
        Replace(Replace(settingsXml, ">Terralith.db<", ">None.db<"), "Translations.xml<", "Padded.xml<"));
    // A layout and a chart manifest that take a few reads (a long comment), in a folder of their own.
    const std::string inputs = data.Path() + "Inputs/",
                      padding = "<!-- " + std::string(10000000, 'x') + " -->";
    const std::string layout =
        data.Write("Inputs/GridLayouts.xml", Replace(ReadFile(data.Path() + "Default/GridLayouts.xml"),
                                                     "<GridLayouts>", padding + "<GridLayouts>"));
    const std::string manifest =
        data.Write("Inputs/ChartManifest.xml", Replace(ReadFile(data.Path() + "Charts/ChartManifest.xml"),
                                                       "<TerralithChart>", padding + "<TerralithChart>"));
    // Settings whose default query file takes a while to write and whose folders a few writes to the pipe.
    data.Write("Default/Big.xml",
               Replace(ReadFile(data.Path() + "Default/Default.xml"), "<LocationDetail />",
                       "<LocationDetail /><Padding>" + std::string(10000000, 'x') + "</Padding>"));
    const std::string big = data.Write(
        "Big.settings.xml", Replace(Replace(settingsXml, ">Default.xml<", ">Big.xml<"), "<UserDataFolder>",
                                    "<UserDataFolder>" + std::string(20000, 'u')));
    const std::string svg = scratch.Path() + "slow.svg", made = scratch.Path() + "new.xml";
    // A database file that new may replace only once it knows what the core database links.
    const std::string copy = scratch.Path() + "copy.db";
    std::filesystem::copy_file(DatabasePath(), copy);
    const std::string query = SampleQuery("fields-gross.xml"), wells = SampleQuery("wells-gross.xml");
    // A query whose description takes a few writes to the pipe.
    std::string sectors;
    for (int i = 1000; i < 1400; ++i)
        sectors += Replace(
            "<Sector SectorCode=\"#\" SectorName=\"Sector # of the North Sea\" CountryCode=\"GB\" "
            "CountryName=\"United Kingdom\" RegionCode=\"NSEA\" RegionName=\"North Sea\"/>",
            "#", std::to_string(i));
    const std::string described =
        data.Write("Sectors.xml", Replace(ReadFile(query), "</Sectors>", sectors + "</Sectors>"));
    const std::string there = described + " is there already; give --force to replace it";
    struct Case {
        const char* where;
        std::vector<std::string> args;
        int stream;            // where the mark shows; 6: at the flush of the folder `mark`, which fails
        std::string mark;      // shown right before the work that is interrupted
        bool printed = false;  // some rows are printed before it stops
        std::string on = {};   // settings other than the copy's
        // All it says after the Ctrl-C, and whether it ends within a second.
        std::string says = "cancelled";
        bool atOnce = false;
        bool written = false;  // its file takes its name
    };
    for (const Case& c : std::vector<Case>{
             {"while the annual rows are opened",
              {"--verbose", "run", "--results", "annual", query},
              2,
              "Executing Query (Annual)\n",
              false},
             {"while the rows are printed", {"run", "--results", "annual", query}, 1, "\n", true},
             {"while the question of the annual rows waits for its answer",
              {"run", "--results", "annual", query},
              3,
              "[O/c] ",
              false},
             {"while the chart is drawn",
              {"--verbose", "chart", "Slow", query, "--svg", svg},
              2,
              "Building Company Participant lists...\n",
              false},
             {"printing an aligned table",
              {"run", "--format", "table", "--results", "annual", query},
              1,
              "\n",
              true},
             {"while a list is printed", {"list", "well-locations", "11,12,21"}, 1, "\n", true},
             {"while a description is written", {"describe", described}, 1, "\n", true},
             {"at the annual question, --verbose",
              {"--verbose", "run", "--results", "annual", query},
              3,
              "[O/c] "},
             {"while the query renders", {"--verbose", "run", wells}, 2, "(Reducing by Well)\n"},
             {"while the statements render", {"--verbose", "run", "--sql", wells}, 2, "(Reducing by Well)\n"},
             {"while waiting for a lock", {"option", "SQL_FIELD"}, 2, "", false, locked, "cancelled", true},
             {"while new waits for a lock",
              {"new", "--type", "Well", "--force", copy},
              2,
              "",
              false,
              locked,
              "cancelled",
              true},
             {"before the database's question", {"option", "SQL_FIELD"}, 2, "", false, padded},
             {"before new's file takes its name", {"new", "--type", "Well", made}, 2, "", false, padded},
             {"while new's file is written", {"new", "--type", "Well", made}, 4, scratch.Path(), false, big},
             {"before option prints", {"--verbose", "option", "Slow"}, 2, "Field Lists...\n"},
             {"before a failure shown", {"--verbose", "option", "SlowBad"}, 2, "Field Lists...\n"},
             {"as rows open", {"--verbose", "chart", "Bad", wells, "--svg", svg}, 2, "... (Participant)\n"},
             {"at a question's wait", {"--verbose", "run", "--results", "annual", query}, 5, "lists...\n"},
             {"between a question's wait and its read, on standard input",
              {"run", "--results", "annual", query},
              7,
              "[O/c] "},
             {"while info prints", {"info"}, 1, "\n", true, big},
             {"before charts prints its heading", {"charts", "--manifest", manifest}, 4, inputs},
             {"before columns prints its heading", {"columns", "--layout", layout}, 4, inputs},
             {"while statements print", {"run", "--sql", wells}, 1, "\n", true},
             {"after which it fails", {"new", "--type", "Well", described}, 2, "", false, padded, there},
             {"after new's last point, its folder's flush failing",
              {"new", "--type", "Well", made},
              6,
              scratch.Path().substr(0, scratch.Path().size() - 1),
              false,
              "",
              "\"" + made + "\" is written, but its folder cannot be flushed to disk: Input/output error",
              false,
              true},
         }) {
        std::string shown;
        size_t before = 0;
        const auto start = std::chrono::steady_clock::now();
        bool pressed = false;
        const HostProcessRun run =
            c.stream == 6
                ? RunAnswering(settings, c.args, __NR_openat, O_RDONLY | O_DIRECTORY | O_CLOEXEC, 1,
                               [&](pid_t host, const std::string& name) {
                                   if (name != c.mark) return 0;
                                   if (!pressed) ::kill(host, SIGINT);
                                   pressed = true;
                                   return EIO;
                               })
                : RunPressingCtrlC(c.on.empty() ? settings : c.on, c.args, c.stream, c.mark, shown, before);
        // Ended by SIGINT, saying nothing after the Ctrl-C but cancelled (or
        // why it failed of its own).
        EXPECT_EQ(run.status, -SIGINT) << c.where << ":\n" << run.err;
        EXPECT_EQ(run.err.substr(std::min(run.err.find("terralith: ", before), run.err.size())),
                  "terralith: " + c.says + "\n")
            << c.where << ":\n"
            << run.err;
        EXPECT_TRUE(!c.atOnce || std::chrono::steady_clock::now() - start < std::chrono::seconds(1))
            << c.where;
        EXPECT_EQ(!run.out.empty(), c.printed) << c.where << ":\n" << run.out.substr(0, 200);
        EXPECT_TRUE(run.out.empty() || EndsWith(run.out, "\n")) << c.where << ": a line cut short";
        EXPECT_EQ(std::filesystem::exists(svg) || std::filesystem::exists(made), c.written) << c.where;
        std::filesystem::remove(made);
        EXPECT_FALSE(Has(shown, "answer is")) << c.where << ": Ctrl-C is the answer\n" << shown;
    }
    sqlite3_close(holder);

    // Every line the writer takes is a point, a later one as well as the
    // first, and the lines taken before the Ctrl-C are written whole: seen in
    // this process, where the instant between two lines can be chosen.
    for (const std::string taken : {"", "first\n", "first\nsecond\n"}) {
        host::Interruptible interruptible;
        int ends[2];
        ASSERT_EQ(pipe(ends), 0);
        {
            host::ResultLines out(ends[1]);
            out << taken;
            std::raise(SIGINT);
            EXPECT_THROW(out << "next\n", host::Cancelled) << taken;
            EXPECT_TRUE(out.WriteAll()) << taken;
        }
        close(ends[1]);
        char written[64];
        const ssize_t n = read(ends[0], written, sizeof written);
        close(ends[0]);
        EXPECT_EQ(std::string(written, static_cast<size_t>(std::max<ssize_t>(n, 0))), taken);
    }
}
