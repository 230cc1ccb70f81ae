#pragma once
// Moves a file that could not be used out of the way under a new name, so
// that the program can start afresh without destroying what the file held.
#include <string>

namespace SetAsideFile {

// Renames path to path + ".bad", or to path + ".bad.N" with the first free
// N when that name is taken; never replaces an existing file. Gives the new
// name, or false with a readable reason in error (when given).
bool moveAside(const std::string& path, std::string& newPath, std::string* error = nullptr);

} // namespace SetAsideFile
