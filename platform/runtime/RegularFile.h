#pragma once
// Reading a file the library names (settings, translations, INI files, index
// files).  Only a regular file is ever read: a pipe, a device or a socket is
// refused before anything could wait on it, so a stray FIFO in a data folder
// can never block a caller.
#include <cstdint>
#include <string>

class RegularFile {
public:
    // Opens `sFile` for reading.  Raises 53 when it does not exist, 70 when it
    // may not be read, 75 when it is a folder, pipe, device or anything else
    // that is not a regular file (a pipe is never opened for reading), each
    // naming the file ("File not found: \"<file>\": No such file or
    // directory") and carrying `source` as the error's source.
    RegularFile(const std::string& sFile, const char* source);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // The file's size in bytes when it was opened.
    int64_t Size() const { return size_; }
    // Reads up to `length` bytes from `offset`; returns fewer at the end of
    // the file.  Raises 75 naming the file when the system fails to read.
    std::string ReadAt(int64_t offset, size_t length) const;
    // The whole content; raises as ReadAt.
    std::string ReadAll() const;
    const std::string& Path() const { return path_; }

private:
    friend bool TryReadRegularFile(const std::string& sFile, std::string& sText, std::string& sProblem);
    RegularFile() = default;

    int fd_ = -1;
    int64_t size_ = 0;
    std::string path_;
    std::string source_;
};

// The whole content of the regular file `sFile`; raises as RegularFile does.
std::string ReadRegularFile(const std::string& sFile, const char* source);

// Why `sFile` cannot be read as a regular file, in the words that follow its
// name in the error RegularFile would raise ("No such file or directory",
// "it is a folder, not a regular file"); "" when it can.  Never fails.
std::string RegularFileProblem(const std::string& sFile);

// ReadRegularFile without raising: false, with why the file cannot be read in
// `sProblem`, in the words that follow its name in the error ReadRegularFile
// would raise ("No such file or directory", "Permission denied", "it is a
// pipe, not a regular file").  Never fails.
bool TryReadRegularFile(const std::string& sFile, std::string& sText, std::string& sProblem);
