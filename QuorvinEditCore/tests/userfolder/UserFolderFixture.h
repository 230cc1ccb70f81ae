#pragma once
// Runs each test in a fresh working directory with the user-folder
// variables cleared, and puts both back afterwards.
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <unistd.h>

class UserFolderFixture : public testing::Test {
protected:
    void SetUp() override
    {
        previousDirectory = std::filesystem::current_path();
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
    }

    TempFolder folder{"userfolder"};

private:
    std::filesystem::path previousDirectory;
    std::map<std::string, std::optional<std::string>> savedVariables;
};
