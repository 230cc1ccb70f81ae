// Prints how long filling a patch cache takes as it grows: every slot of a
// fresh cache of 100, 1,000 and 10,000 records gets a voice-sized dump, and
// the index is saved at the end as at exit. The ratios between the sizes
// show whether the cost per filed patch stays flat. Other record counts can
// be given as arguments.
#include "patches/PatchLibrary.h"

#include <wx/init.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uint32_t programsPerBank = 100;
constexpr std::size_t voiceDumpBytes = 619;

struct Fill {
    std::uint32_t records = 0;
    double seconds = 0;
};

bool fillOnce(const fs::path& folder, std::uint32_t records, double& seconds)
{
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::uint32_t banks = (records + programsPerBank - 1) / programsPerBank;
    const std::string dump(voiceDumpBytes, '\x55');
    const auto start = Clock::now();
    {
        PatchLibrary library;
        std::string error;
        library.open(u"BENCHMARK", u"voice", RefString::fromUtf8((folder / "voices.xml").string()), banks,
            programsPerBank, &error);
        for (std::uint32_t slot = 0; slot < records; ++slot) {
            const RefString name = RefString::fromUtf8("Voice " + std::to_string(slot));
            if (library.updatePatch(slot / programsPerBank, slot % programsPerBank, name, u"[Pf]", dump, &error)
                    .isNull()) {
                std::fprintf(stderr, "filing failed: %s\n", error.c_str());
                return false;
            }
        }
        if (!library.saveIndex(&error)) {
            std::fprintf(stderr, "saving the index failed: %s\n", error.c_str());
            return false;
        }
    }
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return true;
}

std::vector<std::uint32_t> recordCounts(int argc, char** argv)
{
    std::vector<std::uint32_t> counts;
    for (int i = 1; i < argc; ++i)
        counts.push_back(std::uint32_t(std::strtoul(argv[i], nullptr, 10)));
    if (counts.empty())
        counts = {100, 1000, 10000};
    return counts;
}

} // namespace

int main(int argc, char** argv)
{
    if (!wxInitialize())
        return EXIT_FAILURE;
    const fs::path folder = fs::temp_directory_path() / ("patch-cache-benchmark-" + std::to_string(::getpid()));
    std::vector<Fill> fills;
    int result = EXIT_SUCCESS;
    for (const std::uint32_t records : recordCounts(argc, argv)) {
        Fill fill{records, 0};
        if (records == 0 || !fillOnce(folder, records, fill.seconds)) {
            result = EXIT_FAILURE;
            break;
        }
        std::printf("%6u records: %9.3f s, %8.3f ms a record", records, fill.seconds,
            fill.seconds * 1000 / records);
        if (!fills.empty())
            std::printf(", %5.1f x the records in %6.1f x the time", double(records) / fills.back().records,
                fill.seconds / fills.back().seconds);
        std::printf("\n");
        std::fflush(stdout);
        fills.push_back(fill);
    }
    fs::remove_all(folder);
    wxUninitialize();
    return result;
}
