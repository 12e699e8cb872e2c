#include "OutputFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "host/main/DataSet.h"
#include "host/main/Interrupt.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/FilesRead.h"

namespace host {
namespace {

const char* const kSource = "terralith";

// True when the two names lead to one file: the same file once links are
// followed (hard links included) when both are there, else the same path
// once its folders' links are followed.
bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return CanonicalFileName(a) == CanonicalFileName(b);
}

// True when `a` and `b` are one name however written (relative or
// absolute, with "." or ".."), not two names of one file.
bool SameName(const std::string& a, const std::string& b) {
    std::error_code ec, ec2;
    const std::filesystem::path pa = std::filesystem::absolute(a, ec), pb = std::filesystem::absolute(b, ec2);
    return a == b || (!ec && !ec2 && pa.lexically_normal() == pb.lexically_normal());
}

// Why the folder that `written` is made in cannot take it ("" when it can):
// asked before anything runs, so that a missing folder is not found out only
// once the work is done.
std::string FolderProblem(const std::string& written) {
    const std::filesystem::path parent = std::filesystem::path(written).parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        return errno == ENOENT ? "there is no folder " + folder
                               : "its folder " + folder + " cannot be used: " + std::strerror(errno);
    if (!S_ISDIR(st.st_mode)) return folder + " is not a folder";
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return "its folder " + folder + " may not be written to: " + std::strerror(errno);
    return "";
}

// Whether a file holds a database of the engine: a data file that the core
// database may link.
enum class Database { No, Yes, CannotTell };

Database DatabaseIn(const std::string& file) {
    static constexpr char kHeader[] = "SQLite format 3";  // with its NUL, the file's first 16 bytes
    char start[sizeof kHeader] = {};
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return Database::CannotTell;
    const ssize_t n = ::pread(fd, start, sizeof start, 0);
    ::close(fd);
    if (n < 0) return Database::CannotTell;
    return n == static_cast<ssize_t>(sizeof start) && std::memcmp(start, kHeader, sizeof start) == 0
               ? Database::Yes
               : Database::No;
}

}  // namespace

std::string OutputFilesProblem(const std::vector<std::string>& outputs, bool bForce,
                               const DataSetFiles& dataSet) {
    // Where each output's links end: the file a write makes or replaces.
    std::vector<std::string> writtenFiles(outputs.size());
    for (size_t i = 0; i < outputs.size(); ++i) {
        const std::string& out = outputs[i];
        if (out.empty()) continue;
        std::string& written = writtenFiles[i];
        bool replaces = false;  // a file is there, which the write replaces
        try {
            const OutputDestination destination = OutputDestinationOf(out, kSource);
            switch (destination.target) {
                case OutputTarget::Other:
                    return out +
                           " is not a regular file (a folder, pipe, device or socket); give a file name";
                case OutputTarget::RegularFile:
                    if (!bForce) return out + " is there already; give --force to replace it";
                    break;
                case OutputTarget::Absent:
                    break;
            }
            written = destination.file;
            replaces = destination.target == OutputTarget::RegularFile;
        } catch (const Error& e) {
            return e.Description();
        }
        if (std::string problem = FolderProblem(written); !problem.empty())
            return out + " cannot be written: " + problem;
        for (size_t j = 0; j < i; ++j)
            if (!outputs[j].empty() && SameFile(written, writtenFiles[j]))
                return (out == outputs[j] ? out + " is named twice"
                                          : out + " and " + outputs[j] + " are one file") +
                       "; give each output a file of its own";
        // Said as what it is: a file this run has read, or one of the data
        // set's that it has not (maybe not there yet).  The name given counts
        // as well as where its links end: a link among the chart definitions
        // is one of them, wherever it leads.
        if (const FileRead* note = FileReadAs(written))
            return (SameName(out, note->path) ? out + " is a file" : out + " is the file " + note->path) +
                   " the command reads; give its output another name";
        std::string ofDataSet = dataSet.FileAs(written);
        if (ofDataSet.empty()) ofDataSet = dataSet.FileAs(out);
        if (!ofDataSet.empty())
            return (SameName(out, ofDataSet) ? out + " is" : out + " is the file " + ofDataSet + ",") +
                   " one of the data set's files; give its output another name";
        if (dataSet.LinksUnknown().empty() || !replaces) continue;
        const Database database = DatabaseIn(written);
        if (database == Database::No) continue;
        // A Ctrl-C breaks off the wait for the core database's lock, and so
        // may be why its links are unknown: the command was cancelled.
        Interruptible::StopIfInterrupted();
        return out +
               (database == Database::Yes ? " is a database file"
                                          : " may be a database file (it cannot be read to tell)") +
               ", and the core database cannot be read to tell whether it links it (" +
               dataSet.LinksUnknown() + "); give its output another name";
    }
    return "";
}

bool OutputFilesWritable(CommandContext& c, const std::vector<std::string>& outputs, bool bForce) {
    if (!c.dataSet)
        c.dataSet = c.settings ? std::make_shared<const DataSetFiles>(c.root, *c.settings)
                               : std::make_shared<const DataSetFiles>();
    const std::string problem = OutputFilesProblem(outputs, bForce, *c.dataSet);
    if (!problem.empty()) c.console.Say(problem);
    return problem.empty();
}

}  // namespace host
