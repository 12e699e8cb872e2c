#include "SampleFiles.h"

#include <filesystem>
#include <fstream>

#include "platform/runtime/AtomicWrite.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/RegularFile.h"

namespace fs = std::filesystem;

namespace {
const char* const kSource = "SampleFiles";
}

void WriteSampleFile(const std::string& path, const std::string& content) {
    WriteFileAtomically(path, content, kSource);
}

std::string ReadWholeFile(const std::string& path) { return ReadRegularFile(path, kSource); }

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

void ReplaceFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) Raise(rt::kPathFileAccess, kSource, "cannot move " + from + " to " + to + ": " + ec.message());
}

void MakeFolder(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec || !fs::is_directory(path, ec))
        Raise(rt::kPathFileAccess, kSource,
              "cannot make the folder " + path + (ec ? ": " + ec.message() : ""));
}
