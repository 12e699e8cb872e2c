#include "HuntERR31SysH.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "Version.h"
#include "core/HuntERR31.h"
#include "platform/ado/Connection.h"
#include "platform/runtime/Error.h"
#include "platform/ui/ComputerName.h"
#include "platform/ui/ThreadHook.h"

std::string ApiErrorText(int32_t lCode) {
    // The codes the library's own system calls can leave behind, worded as
    // the system words them.
    switch (lCode) {
        case 2:
            return "The system cannot find the file specified.";
        case 3:
            return "The system cannot find the path specified.";
        case 5:
            return "Access is denied.";
        case 32:
            return "The process cannot access the file because it is being used by another process.";
        case 1200:
            return "The specified device name is invalid.";
        case 1201:
            return "The device is not currently connected but it is a remembered connection.";
        case 1222:
            return "The network is not present or not started.";
        case 2250:
            return "This network connection does not exist.";
        default:
            return "";
    }
}

std::string ComputerName() {
    try {
        return ui::ComputerName();
    } catch (...) {
        return "";
    }
}

namespace {
using Reader = ui::ThreadHook<AdoVersionReader, struct AdoVersionTag>;
}

AdoVersionReader SetAdoVersionReader(AdoVersionReader reader) { return Reader::Set(std::move(reader)); }

std::string AdoVersion() {
    try {
        if (Reader::Get()) return Reader::Get()();
        return ADODB::Connection().Version();
    } catch (...) {
    }
    return "?";
}

std::string AppTitle() { return kAppTitle; }

std::string AppVersionText() {
    return std::to_string(TERRALITH_VERSION_MAJOR) + "." + std::to_string(TERRALITH_VERSION_MINOR) + "." +
           std::to_string(TERRALITH_VERSION_REVISION);
}

int OpenLogWithRetry(const std::string& sPath) {
    using Clock = std::chrono::steady_clock;
    const auto first = Clock::now();
    while (true) {
        // Without waiting: a pipe under the log's name with no reader fails
        // at once (ENXIO) instead of blocking the error display.
        const int fd = ::open(sPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd >= 0) {
            struct stat st {};
            if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
            ::close(fd);
            return -1;
        }
        if (errno == ENXIO) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (Clock::now() - first > std::chrono::seconds(1)) return -1;
    }
}

void ErrSaveToFile(std::string_view sFile) {
    try {
        AppendReportToFile(ErrReportText(), sFile);
    } catch (...) {
    }
}

void AppendReportToFile(const std::string& report, std::string_view sFile) {
    try {
        if (report.empty()) return;
        std::string path(sFile);
        if (path.find_first_of("/\\") == std::string::npos)
            path = (std::filesystem::temp_directory_path() / path).string();
        const int fd = OpenLogWithRetry(path);
        if (fd < 0) return;
        // In one write where the system allows, so that the entries of
        // processes sharing the log do not interleave.
        const std::string entry = report + "\r\n\r\n\r\n";
        for (size_t done = 0; done < entry.size();) {
            const ssize_t n = ::write(fd, entry.data() + done, entry.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        ::close(fd);
    } catch (...) {
        // The log is a courtesy; it must never turn one failure into two.
    }
}
