#include "patches/SetAsideFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr char badSuffix[] = ".bad";
// Far more set-aside copies of one file than anyone keeps.
constexpr int maxNumberedCopies = 999;

std::string candidateName(const std::string& path, int copy)
{
    std::string name = path + badSuffix;
    // Appended, not "." + a temporary: GCC 12 warns (-Wrestrict) on that.
    if (copy != 0)
        name.append(".").append(std::to_string(copy));
    return name;
}

// A rename that fails with EEXIST rather than replace the target.
int renameWithoutReplacing(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL)
        return errno;
    // The file system cannot refuse by itself; look first.
    if (::access(to.c_str(), F_OK) == 0)
        return EEXIST;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

} // namespace

bool SetAsideFile::moveAside(const std::string& path, std::string& newPath, std::string* error)
{
    int lastError = EEXIST;
    for (int copy = 0; copy <= maxNumberedCopies && lastError == EEXIST; ++copy) {
        const std::string candidate = candidateName(path, copy);
        lastError = renameWithoutReplacing(path, candidate);
        if (lastError == 0) {
            newPath = candidate;
            return true;
        }
    }
    if (error)
        *error = "Cannot set " + path + " aside: " + std::strerror(lastError);
    return false;
}
