#include "files/SaveFolderList.h"

#include "files/FileReader.h"
#include "files/PosixFileIo.h"
#include "files/StaleTemporaries.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Names end with a zero byte, which no path holds; an entry torn by a crash
// has none and is left out.
constexpr char entryEnd = '\0';
// Far more folders than a user saves into.
constexpr std::size_t maxListBytes = std::size_t(1) << 20;

// Absolute, since the next start may run elsewhere, without a "/" at the end.
fs::path absoluteFolder(const fs::path& folder)
{
    std::error_code ignored;
    const fs::path absolute = fs::absolute(folder, ignored);
    const fs::path normal = (absolute.empty() ? folder : absolute).lexically_normal();
    return normal.has_filename() || !normal.has_relative_path() ? normal : normal.parent_path();
}

std::set<std::string> listedFolders(const fs::path& listFile)
{
    std::string bytes;
    std::set<std::string> folders;
    if (!FileReader::readAll(listFile.string(), maxListBytes, bytes))
        return folders;
    for (std::size_t start = 0, end = 0; (end = bytes.find(entryEnd, start)) != std::string::npos; start = end + 1)
        if (end > start)
            folders.insert(bytes.substr(start, end - start));
    return folders;
}

// Appended and flushed, so the entry is there after a crash at any later
// moment.
void appendEntry(const fs::path& listFile, const std::string& folder)
{
    const int fd = ::open(listFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0)
        return;
    if (writeAllBytes(fd, folder + entryEnd))
        ::fdatasync(fd);
    ::close(fd);
}

} // namespace

SaveFolderList::SaveFolderList(fs::path listFile, fs::path cacheFolder)
    : listFile_(std::move(listFile)), cacheFolder_(absoluteFolder(cacheFolder))
{
}

void SaveFolderList::add(const std::string& folder)
{
    const std::lock_guard lock(mutex_);
    if (known_.contains(folder))
        return;
    const std::string absolute = absoluteFolder(folder).string();
    const bool listed = known_.contains(absolute);
    known_.insert(folder);
    known_.insert(absolute);
    if (!listed && !isInCacheFolder(absolute))
        appendEntry(listFile_, absolute);
}

std::size_t SaveFolderList::sweep(fs::file_time_type before)
{
    const std::lock_guard lock(mutex_);
    std::size_t removed = StaleTemporaries::remove(cacheFolder_, before);
    for (const std::string& folder : listedFolders(listFile_))
        removed += StaleTemporaries::remove(folder, before, StaleTemporaries::Reach::folderOnly);
    std::error_code ignored;
    fs::remove(listFile_, ignored);
    known_.clear();
    return removed;
}

bool SaveFolderList::isInCacheFolder(const fs::path& folder) const
{
    return std::mismatch(cacheFolder_.begin(), cacheFolder_.end(), folder.begin(), folder.end()).first
        == cacheFolder_.end();
}
