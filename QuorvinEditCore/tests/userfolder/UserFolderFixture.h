#pragma once
// Runs each test in a fresh working directory with the user-folder
// variables cleared, and puts both back afterwards.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <unistd.h>

class UserFolderFixture : public testing::Test {
protected:
    void SetUp() override
    {
        previousDirectory = std::filesystem::current_path();
        folder = std::filesystem::temp_directory_path() / ("userfolder-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder / "work");
        std::filesystem::current_path(folder / "work");
        for (const char* name : {"QUORVIN_USER_DIR", "XDG_DATA_HOME", "HOME"}) {
            const char* value = std::getenv(name);
            savedVariables[name] = value ? std::optional<std::string>(value) : std::nullopt;
            ::unsetenv(name);
        }
        ::setenv("HOME", (folder / "home").c_str(), 1);
    }
    void TearDown() override
    {
        for (const auto& [name, value] : savedVariables)
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
        std::filesystem::current_path(previousDirectory);
        std::filesystem::remove_all(folder);
    }
    static void writeFile(const std::filesystem::path& path, const std::string& bytes)
    {
        if (path.has_parent_path())
            std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::filesystem::path folder;

private:
    std::filesystem::path previousDirectory;
    std::map<std::string, std::optional<std::string>> savedVariables;
};
