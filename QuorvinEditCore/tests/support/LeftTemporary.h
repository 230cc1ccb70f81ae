#pragma once
// What a save killed before its rename leaves behind, for the tests of the
// clean-up that follows a crash.
#include <filesystem>

// A temporary file named as the save names it, beside the target, last
// changed an hour ago.
std::filesystem::path leftTemporary(const std::filesystem::path& target);
