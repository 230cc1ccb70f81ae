#include "tests/support/TempFolder.h"

#include <atomic>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::atomic<int> foldersMade{0};

} // namespace

TempFolder::TempFolder(const std::string& name)
    : path_(fs::temp_directory_path()
          / ("quorvin-" + name + "-" + std::to_string(::getpid()) + "-" + std::to_string(foldersMade++)))
{
    // Left over by a crashed run of a program that had the same process id.
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

RefString TempFolder::file(const std::string& name) const { return RefString::fromUtf8((path_ / name).string()); }
