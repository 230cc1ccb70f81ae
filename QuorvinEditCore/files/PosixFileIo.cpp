#include "files/PosixFileIo.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

bool writeAllBytes(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

bool reportFileError(std::string* error, const std::string& what, const std::string& path, int code)
{
    if (error)
        *error = what + " " + path + ": " + std::strerror(code);
    return false;
}
