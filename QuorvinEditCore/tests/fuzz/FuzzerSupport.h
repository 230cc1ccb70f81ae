#pragma once
// Shared by the fuzzers: the toolkit started quiet, and broken promises or
// toolkit asserts that stop the run with a message, as a crash would.
#include <wx/init.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

inline void require(bool condition, const char* what, const std::string& detail)
{
    if (condition)
        return;
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

inline void abortOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
    const wxString& message)
{
    std::fprintf(stderr, "wx assert %s:%d in %s: %s %s\n", file.utf8_str().data(), line,
        function.utf8_str().data(), condition.utf8_str().data(), message.utf8_str().data());
    std::abort();
}

// Log messages would only slow the run down.
inline void startQuietToolkit()
{
    wxInitialize();
    wxLog::EnableLogging(false);
    wxSetAssertHandler(abortOnAssert);
}

// A path in the temporary folder for this run alone; the file is removed
// when the run ends.
inline std::string scratchFile(const std::string& name)
{
    static std::vector<std::filesystem::path> files;
    if (files.empty())
        std::atexit([] {
            for (const std::filesystem::path& file : files)
                std::filesystem::remove(file);
        });
    files.push_back(std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "-" + name));
    return files.back().string();
}
