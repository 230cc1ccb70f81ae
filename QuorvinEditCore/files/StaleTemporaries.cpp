#include "files/StaleTemporaries.h"

#include <algorithm>
#include <cctype>

namespace {

// The characters mkstemp puts in place of "XXXXXX".
constexpr std::size_t uniqueCharacters = 6;
constexpr std::string_view savedKinds[] = {".xml", ".syx"};

bool isUniquePart(std::string_view text)
{
    return text.size() == uniqueCharacters
        && std::all_of(text.begin(), text.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

} // namespace

bool StaleTemporaries::isTemporaryName(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || !isUniquePart(name.substr(dot + 1)))
        return false;
    const std::string_view saved = name.substr(0, dot);
    return std::any_of(std::begin(savedKinds), std::end(savedKinds), [saved](std::string_view kind) {
        return saved.size() > kind.size() && saved.substr(saved.size() - kind.size()) == kind;
    });
}

std::size_t StaleTemporaries::remove(const std::filesystem::path& folder, std::filesystem::file_time_type before)
{
    namespace fs = std::filesystem;
    std::error_code failure;
    std::size_t removed = 0;
    for (fs::recursive_directory_iterator entry(folder, failure), end; !failure && entry != end;
         entry.increment(failure)) {
        std::error_code ignored;
        if (entry->is_regular_file(ignored) && !entry->is_symlink(ignored)
            && isTemporaryName(entry->path().filename().string()) && entry->last_write_time(ignored) < before
            && fs::remove(entry->path(), ignored))
            ++removed;
    }
    return removed;
}
