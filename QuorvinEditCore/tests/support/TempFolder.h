#pragma once
// A fresh folder under the system's temporary folder for one test, removed
// with all it holds when the object goes, even after the test took away its
// write permission.
#include "text/RefString.h"

#include <filesystem>
#include <string>

class TempFolder {
public:
    // The name says whose folder it is; the process and a count make it unique.
    explicit TempFolder(const std::string& name);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // A file's path as the program takes file names.
    RefString file(const std::string& name) const;

private:
    std::filesystem::path path_;
};
