#pragma once
// The temporary files our saves leave behind when the program is killed
// before it could rename them into place: "<name>.xml.XXXXXX" or
// "<name>.syx.XXXXXX" beside the file they were to replace. Nothing in them
// is still needed: the old file is whole, and the patch cache's journal
// holds what its files were about to get.
#include <cstddef>
#include <filesystem>
#include <string_view>

namespace StaleTemporaries {

// True for a name our writer gives its temporary files.
bool isTemporaryName(std::string_view name);

// Removes such files, last changed before the given time, from the folder
// and the folders below it (symbolic links are neither followed nor
// removed). Gives how many were removed.
std::size_t remove(const std::filesystem::path& folder, std::filesystem::file_time_type before);

} // namespace StaleTemporaries
