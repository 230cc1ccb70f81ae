#pragma once
// The temporary files our saves write before renaming them into place, and
// the removal of those a crash left behind. Their names carry a mark no
// user's file has, so nothing else is ever taken for one: a backup such as
// "settings.xml.backup" stays. Nothing in them is still needed: the old file
// is whole, and the patch cache's journal holds what its files were about to
// get.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace StaleTemporaries {

// The template (for mkstemp) of a temporary file that is to replace the
// target: beside it, hidden, marked and naming it.
std::string pattern(const std::string& target);

// True for a name made from such a template.
bool isTemporaryName(std::string_view name);

enum class Reach {
    folderOnly,
    withSubfolders,
};

// Removes such files, last changed before the given time, from the folder
// (and the folders below it, when asked); symbolic links are neither
// followed nor removed. Gives how many were removed.
std::size_t remove(const std::filesystem::path& folder, std::filesystem::file_time_type before,
    Reach reach = Reach::withSubfolders);

} // namespace StaleTemporaries
