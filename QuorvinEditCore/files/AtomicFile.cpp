#include "files/AtomicFile.h"
#include "files/PosixFileIo.h"
#include "files/SaveFolderList.h"
#include "files/StaleTemporaries.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As the kernel allows.
constexpr int maxLinksFollowed = 40;
constexpr mode_t permissionBits = 07777;
constexpr mode_t newFileMode = 0666;
constexpr mode_t usualUmask = 022;
constexpr mode_t anyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

std::atomic<SaveFolderList*> saveFolders{nullptr};

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The process's file creation mask, read without changing it (umask() would
// race with other threads creating files).
mode_t currentUmask()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Umask:", 0) == 0)
            return mode_t(std::strtoul(line.c_str() + 6, nullptr, 8)) & 0777;
    return usualUmask;
}

// What the user may do with the file by its permission bits: the owner's
// bits for the owner, any write bit for the administrator (who passes every
// check of the system), the system's own check for everybody else.
bool mayReplace(const std::string& path, const struct stat& file)
{
    if (!S_ISREG(file.st_mode))
        return true;
    if (file.st_uid == ::geteuid())
        return (file.st_mode & S_IWUSR) != 0;
    if (::geteuid() == 0)
        return (file.st_mode & anyWriteBit) != 0;
    return ::access(path.c_str(), W_OK) == 0;
}

// Gives the temporary file the old file's owner and permission bits, or the
// usual ones for a new file.
void takeOverAttributes(int fd, const struct stat* old)
{
    if (!old) {
        ::fchmod(fd, newFileMode & ~currentUmask());
        return;
    }
    // Only the administrator may give a file away, so the new file may stay ours.
    if ((old->st_uid != ::geteuid() || old->st_gid != ::getegid()) && ::fchown(fd, old->st_uid, old->st_gid) != 0)
        errno = 0;
    ::fchmod(fd, old->st_mode & permissionBits);
}

bool writeTemporary(const std::string& path, const std::string& target, const struct stat* old,
    std::string_view bytes, AtomicFile::Durability durability, std::string& temporary, std::string* error)
{
    if (SaveFolderList* list = saveFolders.load())
        list->add(folderOf(target));
    temporary = StaleTemporaries::pattern(target);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return reportFileError(error, "Cannot create a temporary file for", path, errno);
    takeOverAttributes(fd, old);
    const bool written =
        writeAllBytes(fd, bytes) && (durability == AtomicFile::Durability::unsynced || ::fsync(fd) == 0);
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(temporary.c_str());
        return reportFileError(error, "Cannot write", path, written ? errno : writeError);
    }
    return true;
}

void startWriting(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    ::close(fd);
}

void syncPath(const std::string& path, int openFlags)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | openFlags);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool AtomicFile::write(const std::string& path, std::string_view bytes, std::string* error, Durability durability)
{
    std::string target;
    if (!resolveLinks(path, target, error))
        return false;
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !mayReplace(target, old)) {
        if (error)
            *error = "Cannot write " + path + ": the file is write-protected, so it is left as it is";
        return false;
    }
    std::string temporary;
    if (!writeTemporary(path, target, replacing ? &old : nullptr, bytes, durability, temporary, error))
        return false;
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        return reportFileError(error, "Cannot replace", path, renameError);
    }
    if (durability == Durability::synced)
        syncFolder(folderOf(target));
    return true;
}

bool AtomicFile::resolveLinks(const std::string& path, std::string& target, std::string* error)
{
    target = path;
    for (int followed = 0; followed <= maxLinksFollowed; ++followed) {
        struct stat link {};
        if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            return true;
        char text[PATH_MAX];
        const ssize_t length = ::readlink(target.c_str(), text, sizeof text - 1);
        if (length < 0)
            return reportFileError(error, "Cannot follow the link", path, errno);
        const std::string next(text, std::size_t(length));
        target = !next.empty() && next.front() == '/' ? next : folderOf(target) + "/" + next;
    }
    return reportFileError(error, "Cannot follow the link", path, ELOOP);
}

void AtomicFile::syncFolder(const std::string& folder) { syncPath(folder, O_DIRECTORY); }

void AtomicFile::syncFiles(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths)
        startWriting(path);
    for (const std::string& path : paths)
        syncPath(path, 0);
}

void AtomicFile::setSaveFolderList(SaveFolderList* list) { saveFolders.store(list); }
