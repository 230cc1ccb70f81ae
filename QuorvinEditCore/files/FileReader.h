#pragma once
// Reads a whole small file into memory for the parsers of outside files,
// refusing anything that is not a plain file or is larger than asked.
#include <cstddef>
#include <string>

namespace FileReader {

// On failure returns false with a readable reason in error (when given);
// a pipe or device in the file's place is refused, never waited on.
bool readAll(const std::string& path, std::size_t maxBytes, std::string& bytes, std::string* error = nullptr);

} // namespace FileReader
