// Prints how long filling a patch cache takes as it grows: every slot of a
// fresh cache of 100, 1,000 and 10,000 records gets a voice-sized dump, and
// the index is saved at the end as at exit. The ratios between the sizes
// show whether the cost per filed patch stays flat. Other record counts can
// be given as arguments. The processor time in the program itself shows its
// own cost apart from the system's work and the waits for the disk, which
// vary with the machine's load; the slowest single filing and the final
// save show how long the program waits for the disk at one time. The cache
// is made in the temporary folder ($TMPDIR): on a memory file system the
// figures leave the disk out.
#include "patches/PatchLibrary.h"

#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uint32_t programsPerBank = 100;
constexpr std::size_t voiceDumpBytes = 619;
constexpr double smallestMeasurableSeconds = 0.01;

struct Fill {
    std::uint32_t records = 0;
    double seconds = 0;
    double programSeconds = 0;
    double systemSeconds = 0;
    double slowestFiling = 0;
    double save = 0;
};

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

rusage processorUse()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage;
}

bool fillOnce(const fs::path& folder, Fill& fill)
{
    const std::uint32_t records = fill.records;
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::uint32_t banks = (records + programsPerBank - 1) / programsPerBank;
    const std::string dump(voiceDumpBytes, '\x55');
    const auto start = Clock::now();
    const rusage startUse = processorUse();
    {
        PatchLibrary library;
        std::string error;
        library.open(u"BENCHMARK", u"voice", RefString::fromUtf8((folder / "voices.xml").string()), banks,
            programsPerBank, &error);
        for (std::uint32_t slot = 0; slot < records; ++slot) {
            const RefString name = RefString::fromUtf8("Voice " + std::to_string(slot));
            const auto filing = Clock::now();
            if (library.updatePatch(slot / programsPerBank, slot % programsPerBank, name, u"[Pf]", dump, &error)
                    .isNull()) {
                std::fprintf(stderr, "filing failed: %s\n", error.c_str());
                return false;
            }
            fill.slowestFiling = std::max(fill.slowestFiling, secondsSince(filing));
        }
        const auto saving = Clock::now();
        const bool saved = library.saveIndex(&error);
        fill.save = secondsSince(saving);
        if (!saved) {
            std::fprintf(stderr, "saving the index failed: %s\n", error.c_str());
            return false;
        }
    }
    fill.seconds = secondsSince(start);
    const rusage use = processorUse();
    fill.programSeconds = seconds(use.ru_utime) - seconds(startUse.ru_utime);
    fill.systemSeconds = seconds(use.ru_stime) - seconds(startUse.ru_stime);
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

// The times of the fills, then the ratios of each to the one before.
void printTableRow(const std::vector<Fill>& fills)
{
    std::printf("patches|");
    for (const Fill& fill : fills)
        std::printf(" %.3f s |", fill.seconds);
    for (std::size_t k = 1; k < fills.size(); ++k)
        std::printf(" %.1f |", fills[k].seconds / fills[k - 1].seconds);
    std::printf("\n");
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
        Fill fill{records};
        if (records == 0 || !fillOnce(folder, fill)) {
            result = EXIT_FAILURE;
            break;
        }
        std::printf("%6u records: %7.3f s (%.3f ms a record; in the program %.3f s, in the system %.3f s)",
            records, fill.seconds, fill.seconds * 1000 / records, fill.programSeconds, fill.systemSeconds);
        if (!fills.empty())
            std::printf("; %.0f x the records in %.1f x the time", double(records) / fills.back().records,
                fill.seconds / fills.back().seconds);
        // Below the clock's tick the program's time says nothing.
        if (!fills.empty() && fills.back().programSeconds >= smallestMeasurableSeconds)
            std::printf(", %.1f x the program's time", fill.programSeconds / fills.back().programSeconds);
        std::printf("; slowest filing %.1f ms, index save %.1f ms\n", fill.slowestFiling * 1000, fill.save * 1000);
        std::fflush(stdout);
        fills.push_back(fill);
    }
    printTableRow(fills);
    fs::remove_all(folder);
    wxUninitialize();
    return result;
}
