#include "files/StaleTemporaries.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace {

namespace fs = std::filesystem;

// Hidden, and no user names a file so.
constexpr std::string_view mark = ".quorvin-save.";
// What mkstemp replaces, after a dot.
constexpr std::string_view uniquePart = ".XXXXXX";
// A name may not be longer, whatever the file system.
constexpr std::size_t longestName = NAME_MAX;

bool isUniquePart(std::string_view text)
{
    return text.size() == uniquePart.size() - 1
        && std::all_of(text.begin(), text.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// Cut at a character's start, so the name stays readable.
std::string_view fittingPart(std::string_view name, std::size_t room)
{
    if (name.size() <= room)
        return name;
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    return name.substr(0, cut);
}

bool isStale(const fs::directory_entry& entry, fs::file_time_type before)
{
    std::error_code ignored;
    return entry.is_regular_file(ignored) && !entry.is_symlink(ignored)
        && StaleTemporaries::isTemporaryName(entry.path().filename().string())
        && entry.last_write_time(ignored) < before;
}

template <typename Iterator>
std::size_t removeStale(Iterator entry, fs::file_time_type before, std::error_code& failure)
{
    std::size_t removed = 0;
    for (const Iterator end; !failure && entry != end; entry.increment(failure)) {
        std::error_code ignored;
        if (isStale(*entry, before) && fs::remove(entry->path(), ignored))
            ++removed;
    }
    return removed;
}

} // namespace

std::string StaleTemporaries::pattern(const std::string& target)
{
    const std::size_t slash = target.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string_view name = std::string_view(target).substr(nameStart);
    const std::size_t room = longestName - mark.size() - uniquePart.size();
    return target.substr(0, nameStart) + std::string(mark) + std::string(fittingPart(name, room))
        + std::string(uniquePart);
}

bool StaleTemporaries::isTemporaryName(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    return name.starts_with(mark) && dot != std::string_view::npos && dot >= mark.size()
        && isUniquePart(name.substr(dot + 1));
}

std::size_t StaleTemporaries::remove(const fs::path& folder, fs::file_time_type before, Reach reach)
{
    std::error_code failure;
    if (reach == Reach::folderOnly)
        return removeStale(fs::directory_iterator(folder, failure), before, failure);
    return removeStale(fs::recursive_directory_iterator(folder, failure), before, failure);
}
