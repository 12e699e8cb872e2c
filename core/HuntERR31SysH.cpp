#include "HuntERR31SysH.h"

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

bool TryOpenAppend(const std::string& sPath, std::ofstream& file) {
    file.open(sPath, std::ios::out | std::ios::app | std::ios::binary);
    if (file.is_open()) return true;
    file.clear();
    return false;
}

bool OpenWithRetry(const std::string& sPath, std::ofstream& file) {
    using Clock = std::chrono::steady_clock;
    const auto first = Clock::now();
    while (true) {
        if (TryOpenAppend(sPath, file)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (Clock::now() - first > std::chrono::seconds(1)) return false;
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
        std::ofstream file;
        if (!OpenWithRetry(path, file)) return;
        file << report << "\r\n\r\n"
             << "\r\n";
        file.close();
    } catch (...) {
        // The log is a courtesy; it must never turn one failure into two.
    }
}
