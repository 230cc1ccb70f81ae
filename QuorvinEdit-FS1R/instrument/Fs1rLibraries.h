#pragma once
// Opens the FS1R's three patch caches (performances, voices, formant
// sequences) in the instrument's folder of the cache. The device owns the
// libraries, in this order; this only sets them up.
#include "patches/PatchLibrary.h"

#include <cstddef>
#include <span>
#include <string>

class Fs1rLibraries {
public:
    enum Index : std::size_t { performances, voices, formantSequences, count };

    // Names the cache folder and the root of every index.
    static constexpr char instrumentId[] = "YAMAHA_FS1R";

    // Makes the instrument's folder in the cache folder (whose path ends
    // with "/") when missing, gives the performance and voice libraries their
    // bank letters and opens all three. True only when all three kept an
    // existing index, so false on a first run; error tells what failed.
    static bool setup(std::span<PatchLibrary, count> libraries, const RefString& cachePath,
        std::string* error = nullptr);
};
