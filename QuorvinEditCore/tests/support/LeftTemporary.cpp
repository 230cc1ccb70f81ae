#include "tests/support/LeftTemporary.h"

#include "files/StaleTemporaries.h"

#include <chrono>
#include <cstdlib>
#include <unistd.h>

std::filesystem::path leftTemporary(const std::filesystem::path& target)
{
    std::string name = StaleTemporaries::pattern(target.string());
    const int fd = ::mkstemp(name.data());
    if (fd >= 0)
        ::close(fd);
    std::error_code ignored;
    std::filesystem::last_write_time(name, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1),
        ignored);
    return name;
}
