#pragma once
// Sizes and places of the FS1R's memory areas, as the simulated instrument
// keeps them: one byte per 7-bit data byte, in bulk-dump order.
#include <cstddef>
#include <cstdint>

struct SimulatorLayout {
    static constexpr std::size_t systemSize = 76;
    static constexpr std::size_t performanceCommonSize = 192;
    static constexpr std::size_t partSize = 52;
    static constexpr unsigned partCount = 4;
    static constexpr std::size_t performanceSize = performanceCommonSize + partSize * partCount; // 400
    static constexpr std::size_t voiceCommonSize = 112;
    static constexpr std::size_t operatorSize = 62;
    static constexpr unsigned operatorCount = 8;
    static constexpr std::size_t voiceSize = voiceCommonSize + operatorSize * operatorCount; // 608
    static constexpr std::size_t fseqHeaderSize = 32;
    static constexpr std::size_t fseqFrameSize = 50;
    static constexpr std::size_t fseqFramesPerLengthCode = 128;
    static constexpr unsigned fseqLengthCodeCount = 4;
    static constexpr std::size_t fseqMaxSize = fseqHeaderSize + fseqFrameSize * fseqFramesPerLengthCode * fseqLengthCodeCount;
    static constexpr std::size_t fseqLengthCodeOffset = 0x1B;
    static constexpr std::size_t largestMessage = fseqMaxSize + 11; // 25,643 bytes on the wire

    // Internal memory and the banks a selection can name.
    static constexpr unsigned internalPerformances = 128;
    static constexpr unsigned internalVoices = 128;
    static constexpr unsigned internalVoicesWhenLimited = 64;
    static constexpr unsigned internalFseqs = 6;
    static constexpr unsigned programsPerBank = 128;
    static constexpr unsigned performanceBanks = 4;  // internal, presets A to C
    static constexpr unsigned voiceBanks = 12;       // internal, presets A to K
    static constexpr unsigned presetFseqs = 90;

    // System byte that limits the internal voices to 64 when it is 1.
    static constexpr std::size_t voiceLimitOffset = 0x47;
    // Performance common bytes and part bytes that select what a part plays.
    static constexpr std::size_t fseqBankOffset = 0x16;
    static constexpr std::size_t fseqNumberOffset = 0x17;
    static constexpr std::size_t partVoiceBankOffset = 0x01;
    static constexpr std::size_t partVoiceNumberOffset = 0x02;

    // Frames a formant sequence holds for its length code; 0 for no valid code.
    static constexpr std::size_t fseqFrames(std::uint8_t lengthCode)
    {
        return lengthCode < fseqLengthCodeCount ? fseqFramesPerLengthCode * (lengthCode + 1u) : 0;
    }
};
