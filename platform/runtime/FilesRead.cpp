#include "FilesRead.h"

#include <filesystem>
#include <vector>

namespace {

thread_local std::vector<FileRead> gFilesRead;

}  // namespace

std::string CanonicalFileName(const std::string& sFile) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(sFile, ec);
    if (ec) return sFile;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, ec);
    return (ec ? absolute.lexically_normal() : canonical).string();
}

void NoteFileRead(const std::string& sFile, const struct stat* st) {
    if (sFile.empty()) return;
    try {
        FileRead read{sFile, CanonicalFileName(sFile), st != nullptr, st ? st->st_dev : 0,
                      st ? st->st_ino : 0};
        // One note per name, however often it is read (an index file searched
        // for every code, a file saved and loaded again): it keeps the file
        // found there last.
        for (FileRead& known : gFilesRead) {
            if (known.canonical != read.canonical) continue;
            if (read.present) known = std::move(read);
            return;
        }
        gFilesRead.push_back(std::move(read));
    } catch (...) {
        // Out of memory: the note is lost, the read goes on.
    }
}

void NoteFileRead(const std::string& sFile) {
    struct stat st {};
    NoteFileRead(sFile, ::stat(sFile.c_str(), &st) == 0 ? &st : nullptr);
}

void ForgetFilesRead() { gFilesRead.clear(); }

const FileRead* FileReadAs(const std::string& sFile) {
    if (sFile.empty()) return nullptr;
    struct stat st {};
    const bool present = ::stat(sFile.c_str(), &st) == 0;
    std::string canonical;
    try {
        canonical = CanonicalFileName(sFile);
    } catch (...) {
    }
    for (const FileRead& read : gFilesRead) {
        if (present && read.present && read.device == st.st_dev && read.inode == st.st_ino) return &read;
        if (!canonical.empty() && read.canonical == canonical) return &read;
    }
    return nullptr;
}
