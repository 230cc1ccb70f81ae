#pragma once
// Which patch library shows a part's internal memory and how many of its
// slots the internal-memory view offers. Plain rules for the view's owner.
#include "instrument/Fs1rLibraries.h"
#include "instrument/Fs1rPart.h"

#include <cstdint>
#include <optional>

class PatchCollection;

class Fs1rInternalMemory {
public:
    // Performances, voices or formant sequences by the part's kind; none
    // for a part that names no patch.
    static std::optional<Fs1rLibraries::Index> libraryOf(Fs1rPart part);
    // Slots the view shows per bank, 0 for the whole bank: 6 formant
    // sequences when the bank holds that many, the instrument's voice limit
    // for voices.
    static std::uint32_t entryLimit(Fs1rPart part, const PatchCollection& library,
        std::optional<std::uint32_t> voiceLimit);
};
