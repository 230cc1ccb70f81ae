#include "files/FileReader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t blockBytes = 1 << 16;

std::string readProblem(int fd, const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return path + " is not a file";
    const std::string tooLarge = path + " is larger than " + std::to_string(maxBytes) + " bytes";
    if (std::size_t(status.st_size) > maxBytes)
        return tooLarge;
    char block[blockBytes];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n == 0)
            return {};
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return "Cannot read " + path + ": " + std::strerror(errno);
        // The file may have grown since it was measured.
        if (bytes.size() + std::size_t(n) > maxBytes)
            return tooLarge;
        bytes.append(block, std::size_t(n));
    }
}

} // namespace

bool FileReader::readAll(const std::string& path, std::size_t maxBytes, std::string& bytes, std::string* error)
{
    bytes.clear();
    // Not blocking, so that opening a pipe in the file's place returns at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    std::string problem = fd < 0 ? "Cannot read " + path + ": " + std::strerror(errno)
                                 : readProblem(fd, path, maxBytes, bytes);
    if (fd >= 0)
        ::close(fd);
    if (error)
        *error = problem;
    if (!problem.empty())
        bytes.clear();
    return problem.empty();
}
