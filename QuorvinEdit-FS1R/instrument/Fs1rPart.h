#pragma once
// Which patch a device operation (load, file save, save to the instrument)
// works on: the performance, the voice of one of the four parts, or the
// formant sequence.
#include <cstdint>

using Fs1rPart = std::int32_t;

namespace Fs1rParts {

inline constexpr Fs1rPart shownPage = -1; // the part of the page on screen
inline constexpr Fs1rPart performance = 0;
inline constexpr Fs1rPart firstVoice = 1; // voices of parts 1 to 4 are 1 to 4
inline constexpr Fs1rPart formantSequence = 5;
inline constexpr std::uint32_t voiceCount = 4;

constexpr bool isValid(Fs1rPart part)
{
    return part >= performance && part <= formantSequence;
}

constexpr bool isVoice(Fs1rPart part)
{
    return part >= firstVoice && part < firstVoice + Fs1rPart(voiceCount);
}

// 0 to 3 for a voice part.
constexpr std::uint32_t voiceIndex(Fs1rPart part)
{
    return std::uint32_t(part - firstVoice);
}

constexpr Fs1rPart ofVoice(std::uint32_t voiceIndex)
{
    return firstVoice + Fs1rPart(voiceIndex);
}

} // namespace Fs1rParts
