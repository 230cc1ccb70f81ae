#pragma once
// The FS1R's memory layout and message templates written out by hand, so the
// tests, the fuzzer and the benchmark work on real message shapes without the
// FS1R device. Every byte of each dump is held by an entry: mostly one byte,
// with a few wider ones (names in byte buffers, 2- and 4-byte values, the
// 14-bit pitch of every formant-sequence frame).
#include "sysex/AddressMap.h"
#include "sysex/SysexTemplate.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace fs1r {

inline constexpr std::uint32_t pageCapacity = 46;

inline constexpr std::array<std::uint8_t, 8> dumpTemplateBytes{0x43, 0x00, 0x5E, 0x81, 0x81, 0x80, 0x80, 0x80};
inline constexpr std::array<std::uint8_t, 8> parameterChangeBytes{0x43, 0x10, 0x5E, 0x80, 0x80, 0x80, 0x82, 0x82};

inline SysexTemplate dumpTemplate()
{
    return SysexTemplate(dumpTemplateBytes, SysexTemplate::oneChecksumByte);
}

inline SysexTemplate parameterChangeTemplate()
{
    return SysexTemplate(parameterChangeBytes, SysexTemplate::noChecksum);
}

struct PageRow {
    PackedAddress parameterAddress;
    std::uint32_t size;
    PackedAddress dumpAddress;
    bool neverSend;
};

inline constexpr std::uint32_t frameBytes = 50;
inline constexpr std::uint32_t maxFrames = 512;
inline constexpr PackedAddress framesAddress = 0x700020;

inline std::vector<PageRow> pageRows()
{
    constexpr std::array<PackedAddress, 4> partDumpAddresses{0x100140, 0x100174, 0x100228, 0x10025C};
    constexpr std::array<PackedAddress, 8> operatorDumpOffsets{0x0070, 0x012E, 0x016C, 0x022A, 0x0268, 0x0326, 0x0364, 0x0422};
    std::vector<PageRow> rows{{0x000000, 76, 0x000000, false}, {0x100000, 192, 0x100000, false}};
    for (PackedAddress k = 0; k < 4; ++k) {
        rows.push_back({0x300000 + k * 0x010000, 52, partDumpAddresses[k], false});
        rows.push_back({0x400000 + k * 0x010000, 112, 0x400000 + k * 0x010000, false});
        for (PackedAddress j = 0; j < 8; ++j)
            rows.push_back({0x600000 + k * 0x010000 + j * 0x000100, 62, 0x400000 + k * 0x010000 + operatorDumpOffsets[j], false});
    }
    rows.push_back({0x700000, 32, 0x600000, false});
    rows.push_back({framesAddress, frameBytes * maxFrames, 0x600020, true});
    return rows;
}

// Entries wider than one byte, by parameter address.
inline std::uint32_t entrySize(const PageRow& row, std::uint32_t offset)
{
    struct Wide {
        PackedAddress address;
        std::uint32_t size;
    };
    static constexpr std::array wide{Wide{0x000010, 2}, Wide{0x000020, 4}, Wide{0x100000, 12}, Wide{0x400000, 10},
        Wide{0x410000, 10}, Wide{0x420000, 10}, Wide{0x430000, 10}, Wide{0x700000, 8}};
    const PackedAddress address = addToPackedAddress(row.parameterAddress, offset);
    for (const Wide& w : wide)
        if (w.address == address)
            return w.size;
    if (row.parameterAddress == framesAddress && offset % frameBytes == 0)
        return 2;
    return 1;
}

inline void addLayout(AddressMap& map)
{
    for (const PageRow& row : pageRows()) {
        AddressPage* page = map.addPage(row.parameterAddress, row.size);
        page->setDumpOffset((linearAddress(row.dumpAddress) - linearAddress(row.parameterAddress)) & linearAddressMask);
        page->setNeverSend(row.neverSend);
        for (std::uint32_t offset = 0; offset < row.size;) {
            const std::uint32_t size = entrySize(row, offset);
            map.createEntry(addToPackedAddress(row.parameterAddress, offset)).growTo(size);
            offset += size;
        }
    }
}

struct DumpKind {
    std::string name;
    PackedAddress address;
    std::uint32_t dataBytes;
    std::uint32_t countDivisor;
};

inline std::vector<DumpKind> dumpKinds()
{
    return {{"system", 0x000000, 76, 1}, {"performance", 0x100000, 400, 1}, {"voice1", 0x400000, 608, 1},
        {"voice2", 0x410000, 608, 1}, {"voice3", 0x420000, 608, 1}, {"voice4", 0x430000, 608, 1},
        {"fseq128", 0x600000, 32 + frameBytes * 128, 2}, {"fseq512", 0x600000, 32 + frameBytes * 512, 2}};
}

// A data byte that differs from its neighbours and from one seed to the next.
inline std::uint8_t patternByte(PackedAddress dumpAddress, std::uint8_t seed)
{
    return std::uint8_t((linearAddress(dumpAddress) * 29 + seed) & 0x7F);
}

// Writes the pattern into every entry of the map, without telling anyone.
inline void fillWithPattern(AddressMap& map, std::uint8_t seed)
{
    for (const PageRow& row : pageRows()) {
        const AddressPage* page = map.findPage(row.parameterAddress, false);
        for (std::uint32_t offset = 0; offset < row.size; ++offset) {
            AddressEntry* entry = page->entryAt(addToPackedAddress(row.parameterAddress, offset));
            if (!entry)
                continue;
            std::vector<std::uint8_t> bytes(entry->size());
            for (std::uint32_t i = 0; i < bytes.size(); ++i)
                bytes[i] = patternByte(addToPackedAddress(row.dumpAddress, offset + i), seed);
            entry->writeBytes(bytes, 0);
        }
    }
}

} // namespace fs1r
