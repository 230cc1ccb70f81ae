#pragma once
// The FS1R's memory as the editor mirrors it: the pages the device registers
// in its address map, the bulk dumps they make up and the addresses the rest
// of the editor names. Data and arithmetic only; nothing here is owned.
#include "instrument/Fs1rPart.h"
#include "sysex/PackedAddress.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class AddressMap;

// One page: its parameter addresses, and where the same bytes sit in the
// address space of bulk dumps.
struct Fs1rMemoryPage {
    PackedAddress parameterAddress;
    std::uint32_t size;
    PackedAddress dumpAddress;
    // The page's values never go out as parameter changes.
    bool neverSend;
};

class Fs1rMemoryLayout {
public:
    static constexpr std::uint32_t pageCapacity = 46;
    static constexpr std::uint32_t pageCount = 44;

    // The bulk dumps of the edit buffers and their data sizes.
    static constexpr PackedAddress systemDumpAddress = 0x000000;
    static constexpr std::uint32_t systemDumpSize = 76;
    static constexpr PackedAddress performanceDumpAddress = 0x100000;
    static constexpr std::uint32_t performanceDumpSize = 400;
    static constexpr PackedAddress firstVoiceDumpAddress = 0x400000;
    static constexpr std::uint32_t voiceDumpSize = 608;
    static constexpr PackedAddress fseqDumpAddress = 0x600000;
    static constexpr std::uint32_t fseqHeaderSize = 32;
    static constexpr std::uint32_t fseqFrameSize = 50;
    static constexpr std::uint32_t fseqFramesPerLengthStep = 128;
    static constexpr std::uint32_t fseqLengthCodes = 4;
    static constexpr std::uint32_t fseqMaxFrames = fseqFramesPerLengthStep * fseqLengthCodes;
    // A 14-bit byte count cannot hold the longer sequences, so sequence
    // dumps count their bytes in pairs.
    static constexpr std::uint32_t fseqCountDivisor = 2;
    // From one part's (or one voice's) addresses to the next one's.
    static constexpr PackedAddress partStep = 0x010000;

    // Slot n of the instrument's internal memory is at base + n (bulk-dump
    // addresses).
    static constexpr PackedAddress internalPerformanceBase = 0x110000;
    static constexpr PackedAddress internalVoiceBase = 0x510000;
    static constexpr PackedAddress internalFseqBase = 0x610000;

    // Parameter addresses read by the device.
    static constexpr PackedAddress voiceLimitAddress = 0x000047; // 1: 64 internal voices
    static constexpr PackedAddress performanceCategoryAddress = 0x10000E;
    static constexpr PackedAddress performanceFseqBankAddress = 0x100016;
    static constexpr PackedAddress performanceFseqNumberAddress = 0x100017;
    static constexpr PackedAddress fseqLengthCodeAddress = 0x70001B;
    // The performance's effect types: insertion, variation and reverb. A
    // new type makes the instrument set that type's own values.
    static constexpr std::array<PackedAddress, 3> effectTypeAddresses{0x10012F, 0x10012B, 0x100128};
    // Names are the first bytes of their dumps.
    static constexpr std::uint32_t performanceNameSize = 12;
    static constexpr std::uint32_t voiceNameSize = 10;
    static constexpr std::uint32_t fseqNameSize = 8;

    // Voice p (0 to 3): its dump address, and its part's voice selection.
    static constexpr PackedAddress voiceDumpAddress(std::uint32_t p) { return firstVoiceDumpAddress + p * partStep; }
    static constexpr PackedAddress voiceCategoryAddress(std::uint32_t p) { return 0x40000E + p * partStep; }
    static constexpr PackedAddress partVoiceBankAddress(std::uint32_t p) { return 0x300001 + p * partStep; }
    static constexpr PackedAddress partVoiceNumberAddress(std::uint32_t p) { return 0x300002 + p * partStep; }

    // Every page, in the order the map gets them.
    static const std::vector<Fs1rMemoryPage>& pages();
    // Linear distance from a page's parameter addresses to its bulk-dump
    // addresses, modulo 2^28 as the map keeps it.
    static std::uint32_t dumpOffset(const Fs1rMemoryPage& page);
    // Adds every page with its dump offset and never-send flag, before any
    // entry is made. False when the map has no room for them all.
    static bool buildAddressMap(AddressMap& map);

    // Frames of a sequence by its length code; 0 for a code that names none.
    static constexpr std::uint32_t fseqFrames(std::uint32_t lengthCode)
    {
        return lengthCode < fseqLengthCodes ? fseqFramesPerLengthStep * (lengthCode + 1) : 0;
    }
    static constexpr std::uint32_t fseqDumpSize(std::uint32_t frames) { return fseqHeaderSize + fseqFrameSize * frames; }

    // The dump that carries a part's edit buffer; none for no valid part.
    static std::optional<PackedAddress> editBufferDumpAddress(Fs1rPart part);
    // What a dump's byte count is divided by: 2 for formant sequences,
    // whether the edit buffer or an internal slot, else 1.
    static std::uint32_t countDivisor(PackedAddress dumpAddress);
};
