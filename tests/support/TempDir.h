#pragma once
// A temporary folder that lives as long as the test that made it.
#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // The folder, ending in "/".
    const std::string& Path() const { return path_; }
    // Writes a file below the folder and returns its full path.
    std::string Write(const std::string& name, const std::string& content) const;

private:
    std::string path_;
};

// The sample data folder the build made ("<build>/sample-data/").
std::string SampleDataFolder();
