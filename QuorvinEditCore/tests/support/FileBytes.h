#pragma once
// Whole files as bytes, for tests that prepare or check what is on disk.
#include <filesystem>
#include <string>

// Empty when the file cannot be read.
std::string readFile(const std::filesystem::path& path);
// Makes the missing folders on the way.
void writeFile(const std::filesystem::path& path, const std::string& bytes);
