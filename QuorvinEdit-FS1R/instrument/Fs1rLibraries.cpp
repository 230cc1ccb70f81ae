#include "instrument/Fs1rLibraries.h"

#include "instrument/Fs1rValueLabels.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace {

struct LibraryRow {
    const char* indexFile;
    const char* contentType;
    std::uint32_t bankCount;
    std::uint32_t bankSize;
    bool bankLetters;
};

constexpr LibraryRow libraryRows[Fs1rLibraries::count] = {
    {"/performances.xml", "performance", 4, 128, true},
    {"/voices.xml", "voice", 12, 128, true},
    {"/fseq.xml", "fseq", 2, 90, false},
};

// The value-label table of the bank letters "i", "A" .. "K".
constexpr std::int32_t bankLetterTable = 0;

void appendError(std::string* error, const std::string& text)
{
    if (!error || text.empty())
        return;
    if (!error->empty())
        *error += '\n';
    *error += text;
}

} // namespace

bool Fs1rLibraries::setup(std::span<PatchLibrary, count> libraries, const RefString& cachePath, std::string* error)
{
    const std::string folder = cachePath.toUtf8() + instrumentId;
    std::error_code failure;
    std::filesystem::create_directory(folder, failure);
    if (failure)
        appendError(error, "Cannot create the folder " + folder + ": " + failure.message());

    const RefString id = RefString::fromNarrow(instrumentId);
    bool allKept = true;
    for (std::size_t i = 0; i < count; ++i) {
        const LibraryRow& row = libraryRows[i];
        libraries[i].setBankLabels(row.bankLetters ? getValueLabels(bankLetterTable) : nullptr);
        std::string openError;
        const bool kept = libraries[i].open(id, RefString::fromNarrow(row.contentType),
            RefString::fromUtf8(folder + row.indexFile), row.bankCount, row.bankSize, &openError);
        appendError(error, openError);
        allKept = allKept && kept;
    }
    return allKept;
}
