#include "FilesRead.h"

#include <filesystem>

namespace {

thread_local FileNotes gFilesRead;

}  // namespace

std::string CanonicalFileName(const std::string& sFile) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(sFile, ec);
    if (ec) return sFile;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, ec);
    return (ec ? absolute.lexically_normal() : canonical).string();
}

void FileNotes::Note(const std::string& sFile, const struct stat* st) {
    if (sFile.empty()) return;
    try {
        FileRead read{sFile, CanonicalFileName(sFile), st != nullptr, st ? st->st_dev : 0,
                      st ? st->st_ino : 0};
        // One note per name, however often it is read (an index file searched
        // for every code, a file saved and loaded again): it keeps the file
        // found there last.
        if (const auto known = byName_.find(read.canonical); known != byName_.end()) {
            if (read.present) notes_[known->second] = std::move(read);
            return;
        }
        notes_.push_back(std::move(read));
        try {
            byName_.emplace(notes_.back().canonical, notes_.size() - 1);
        } catch (...) {
            notes_.pop_back();
            throw;
        }
    } catch (...) {
        // Out of memory: the note is lost, the read goes on.
    }
}

void FileNotes::Note(const std::string& sFile) {
    struct stat st {};
    Note(sFile, ::stat(sFile.c_str(), &st) == 0 ? &st : nullptr);
}

const FileRead* FileNotes::Find(const std::string& sFile) const {
    if (sFile.empty()) return nullptr;
    struct stat st {};
    const bool present = ::stat(sFile.c_str(), &st) == 0;
    std::string canonical;
    try {
        canonical = CanonicalFileName(sFile);
    } catch (...) {
    }
    for (const FileRead& read : notes_) {
        if (present && read.present && read.device == st.st_dev && read.inode == st.st_ino) return &read;
        if (!canonical.empty() && read.canonical == canonical) return &read;
    }
    return nullptr;
}

void NoteFileRead(const std::string& sFile, const struct stat* st) { gFilesRead.Note(sFile, st); }

void NoteFileRead(const std::string& sFile) { gFilesRead.Note(sFile); }

void ForgetFilesRead() { gFilesRead.Clear(); }

const FileRead* FileReadAs(const std::string& sFile) { return gFilesRead.Find(sFile); }
