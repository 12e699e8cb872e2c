#include "FileSystemObject.h"

#include <cstdlib>
#include <filesystem>

#include "PathText.h"
#include "platform/runtime/Error.h"

using toolslib::IsOnlySeparators;
using toolslib::LastSeparator;
using toolslib::WithoutLeadingSeparators;
using toolslib::WithoutTrailingSeparators;

bool FileSystemObject::FileExists(const std::string& sPath) {
    std::error_code ec;
    auto st = std::filesystem::status(sPath, ec);
    return !ec && std::filesystem::exists(st) && !std::filesystem::is_directory(st);
}

bool FileSystemObject::FolderExists(const std::string& sPath) {
    std::error_code ec;
    return std::filesystem::is_directory(sPath, ec);
}

std::string FileSystemObject::BuildPath(const std::string& sFolder, const std::string& sName) {
    if (sFolder.empty()) return sName;
    std::string folder = IsOnlySeparators(sFolder) ? "" : std::string(WithoutTrailingSeparators(sFolder));
    return folder + "/" + std::string(WithoutLeadingSeparators(sName));
}

std::string FileSystemObject::GetSpecialFolder(int32_t lFolder) {
    if (lFolder != 2)
        Raise(rt::kInvalidCall, kProgID,
              "GetSpecialFolder: only the temporary folder (2) exists on this system");
    const char* env = std::getenv("TMPDIR");
    std::string folder = env && *env ? env : "/tmp";
    if (IsOnlySeparators(folder)) return "/";
    return std::string(WithoutTrailingSeparators(folder));
}

std::string FileSystemObject::GetFileName(const std::string& sPath) {
    std::string_view path = WithoutTrailingSeparators(sPath);
    size_t sep = LastSeparator(path);
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string FileSystemObject::GetParentFolderName(const std::string& sPath) {
    std::string_view path = WithoutTrailingSeparators(sPath);
    size_t sep = LastSeparator(path);
    if (sep == std::string_view::npos) return "";
    std::string_view parent = WithoutTrailingSeparators(path.substr(0, sep));
    if (parent.empty()) return "/";
    return std::string(parent);
}
