#include "instrument/Fs1rInternalMemory.h"

#include "instrument/Fs1rDevice.h"
#include "patches/PatchCollection.h"

std::optional<Fs1rLibraries::Index> Fs1rInternalMemory::libraryOf(Fs1rPart part)
{
    if (part == Fs1rParts::performance)
        return Fs1rLibraries::performances;
    if (Fs1rParts::isVoice(part))
        return Fs1rLibraries::voices;
    if (part == Fs1rParts::formantSequence)
        return Fs1rLibraries::formantSequences;
    return std::nullopt;
}

std::uint32_t Fs1rInternalMemory::entryLimit(Fs1rPart part, const PatchCollection& library,
    std::optional<std::uint32_t> voiceLimit)
{
    if (part == Fs1rParts::formantSequence && library.bankSize() >= Fs1rDevice::fseqViewLimit)
        return Fs1rDevice::fseqViewLimit;
    if (Fs1rParts::isVoice(part))
        return voiceLimit.value_or(0);
    return 0;
}
