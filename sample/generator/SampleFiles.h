#pragma once
// File handling of the generator.  Files are written beside their final name
// and renamed over it, so a run that fails half-way never leaves a truncated
// file where the data set expects a whole one.
#include <string>

// Writes `content` to `path` as every file of this system is written
// (platform/runtime/AtomicWrite.h), replacing what is there; raises 75 (path/file
// access error) naming the path.
void WriteSampleFile(const std::string& path, const std::string& content);
// The whole file; raises 53 when it is missing, 75 when it is no regular file.
std::string ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);
// Renames `from` over `to`; raises 75 naming both.
void ReplaceFile(const std::string& from, const std::string& to);
// Makes the folder and its parents; raises 75 when a file stands in the way.
void MakeFolder(const std::string& path);
