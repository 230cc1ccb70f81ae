#pragma once
// Writes a whole file so that a crash or a failed write can never leave it
// half-written: the bytes go to a temporary file in the same folder, are
// flushed to disk, and the temporary file is renamed over the old one.
#include <string>
#include <string_view>

namespace AtomicFile {

// On failure returns false, leaves any old file untouched, removes the
// temporary file and puts a readable reason into error (when given).
bool write(const std::string& path, std::string_view bytes, std::string* error = nullptr);

} // namespace AtomicFile
