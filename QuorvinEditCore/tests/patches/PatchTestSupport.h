#pragma once
// A fresh cache folder per test, file helpers, an observer that counts, and
// a file size limit that makes writes fail as a full disk would.
#include "patches/LabelsObserver.h"
#include "patches/PatchLibrary.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace patchtest {

namespace fs = std::filesystem;

inline constexpr char16_t deviceId[] = u"YAMAHA_FS1R";
inline constexpr std::uint32_t performanceBanks = 4;
inline constexpr std::uint32_t voiceBanks = 12;
inline constexpr std::uint32_t fseqBanks = 2;
inline constexpr std::uint32_t programsPerBank = 128;
inline constexpr std::uint32_t fseqsPerBank = 90;

inline std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string utf8(const RefString& text) { return text.toUtf8(); }

class CountingObserver : public LabelsObserver {
public:
    void labelsChanged() override { ++calls; }
    int calls = 0;
};

// While alive, no file may grow beyond the limit; writes fail with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &normal_);
        rlimit small = normal_;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &normal_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit normal_{};
    void (*previousHandler_)(int);
};

class CacheFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path()
            / ("patches-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" + test->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path indexFile(const char* name = "performances.xml") const { return folder / name; }
    RefString indexPath(const char* name = "performances.xml") const
    {
        return RefString::fromUtf8(indexFile(name).string());
    }
    bool openPerformances(PatchLibrary& library, std::string* error = nullptr) const
    {
        return library.open(deviceId, u"performance", indexPath(), performanceBanks, programsPerBank, error);
    }
    std::size_t filesIn(const fs::path& path) const
    {
        return std::size_t(std::distance(fs::directory_iterator(path), fs::directory_iterator()));
    }

    fs::path folder;
};

} // namespace patchtest
