#pragma once

#include <string>
#include <string_view>

// Small helpers shared by the writers that work on file descriptors.

// Writes every byte, going on after interrupted and partial writes; false on
// the first real failure (errno tells it).
bool writeAllBytes(int fd, std::string_view bytes);

// Puts "<what> <path>: <system text of code>" into error when asked for it;
// always returns false, so a writer can return it directly.
bool reportFileError(std::string* error, const std::string& what, const std::string& path, int code);
