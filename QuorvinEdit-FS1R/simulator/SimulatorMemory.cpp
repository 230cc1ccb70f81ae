#include "simulator/SimulatorMemory.h"

#include "simulator/SimAddress.h"
#include "simulator/SimulatorLayout.h"
#include "simulator/SimulatorPatches.h"

#include <algorithm>

namespace {

using L = SimulatorLayout;
using Kind = SimulatorMemory::Kind;

// Blocks: the seven edit buffers, then the internal banks.
constexpr std::size_t systemBlock = 0;
constexpr std::size_t performanceBlock = 1;
constexpr std::size_t firstVoiceBlock = 2;
constexpr std::size_t fseqBlock = firstVoiceBlock + L::partCount;
constexpr std::size_t firstInternalPerformance = fseqBlock + 1;
constexpr std::size_t firstInternalVoice = firstInternalPerformance + L::internalPerformances;
constexpr std::size_t firstInternalFseq = firstInternalVoice + L::internalVoices;

constexpr std::uint32_t blockStep = 0x010000; // from one part or voice to the next

// Where bulk dumps put each patch. Step 1 areas are internal banks: the low
// address byte is the slot.
struct DumpArea {
    std::uint32_t base;
    Kind kind;
    std::size_t firstBlock;
    unsigned count;
    std::uint32_t step;
};

constexpr DumpArea dumpAreas[] = {
    {0x000000, Kind::System, systemBlock, 1, 1},
    {0x100000, Kind::Performance, performanceBlock, 1, 1},
    {0x400000, Kind::Voice, firstVoiceBlock, L::partCount, blockStep},
    {0x600000, Kind::FormantSequence, fseqBlock, 1, 1},
    {0x110000, Kind::Performance, firstInternalPerformance, L::internalPerformances, 1},
    {0x510000, Kind::Voice, firstInternalVoice, L::internalVoices, 1},
    {0x610000, Kind::FormantSequence, firstInternalFseq, L::internalFseqs, 1},
};

// A run of parameter addresses and the bytes it names.
struct ParameterRegion {
    std::uint32_t start;
    std::size_t size;
    std::size_t block;
    std::size_t offset;
};

const std::vector<ParameterRegion>& parameterRegions()
{
    static const std::vector<ParameterRegion> regions = [] {
        std::vector<ParameterRegion> r{
            {0x000000, L::systemSize, systemBlock, 0},
            {0x100000, L::performanceCommonSize, performanceBlock, 0},
        };
        for (unsigned k = 0; k < L::partCount; ++k)
            r.push_back({0x300000 + k * blockStep, L::partSize, performanceBlock,
                         L::performanceCommonSize + k * L::partSize});
        for (unsigned k = 0; k < L::partCount; ++k) {
            r.push_back({0x400000 + k * blockStep, L::voiceCommonSize, firstVoiceBlock + k, 0});
            for (unsigned op = 0; op < L::operatorCount; ++op)
                r.push_back({0x600000 + k * blockStep + op * 0x100, L::operatorSize, firstVoiceBlock + k,
                             L::voiceCommonSize + op * L::operatorSize});
        }
        r.push_back({0x700000, L::fseqMaxSize, fseqBlock, 0}); // header, then the frames
        return r;
    }();
    return regions;
}

// Fields that hold one 14-bit value over two bytes, most significant first:
// runs of two-byte slots from a start address.
struct TwoByteRun {
    std::uint32_t start;
    unsigned count;
};

constexpr TwoByteRun twoByteRuns[] = {
    {0x100018, 4},  // formant-sequence speed, start offset, loop start, loop end
    {0x100030, 8},  // controller source switches
    {0x100050, 8},  // reverb parameters
    {0x100068, 12}, // variation parameters...
    {0x100100, 4},  // ...continued past the 7-bit carry
    {0x100108, 16}, // insertion parameters
    {0x700010, 2},  // formant-sequence loop start and end
    {0x70001E, 1},  // formant-sequence last frame
};

bool isTwoByteField(std::uint32_t address)
{
    const std::uint32_t target = SimAddress::linear(address);
    return std::any_of(std::begin(twoByteRuns), std::end(twoByteRuns), [target](const TwoByteRun& run) {
        const std::uint32_t first = SimAddress::linear(run.start);
        return target >= first && target < first + 2 * run.count && (target - first) % 2 == 0;
    });
}

// Where each block sits in the one store: groups of blocks of one size.
struct BlockGroup {
    std::size_t first;
    std::size_t count;
    std::size_t size;
};

constexpr BlockGroup blockGroups[] = {
    {systemBlock, 1, L::systemSize},
    {performanceBlock, 1, L::performanceSize},
    {firstVoiceBlock, L::partCount, L::voiceSize},
    {fseqBlock, 1, L::fseqMaxSize},
    {firstInternalPerformance, L::internalPerformances, L::performanceSize},
    {firstInternalVoice, L::internalVoices, L::voiceSize},
    {firstInternalFseq, L::internalFseqs, L::fseqMaxSize},
};

struct BlockPlace {
    std::size_t offset;
    std::size_t size;
};

bool isInternal(std::size_t index) { return index >= firstInternalPerformance; }

// Offsets count from the start of the edit buffers, or of the internal
// banks, which have a store of their own.
const std::vector<BlockPlace>& blockPlaces()
{
    static const std::vector<BlockPlace> places = [] {
        std::vector<BlockPlace> p;
        std::size_t offset = 0;
        for (const BlockGroup& group : blockGroups) {
            if (group.first == firstInternalPerformance)
                offset = 0;
            for (std::size_t i = 0; i < group.count; ++i, offset += group.size)
                p.push_back({offset, group.size});
        }
        return p;
    }();
    return places;
}

std::size_t storeSize(std::size_t lastBlock) { return blockPlaces()[lastBlock].offset + blockPlaces()[lastBlock].size; }

void storePatch(std::vector<std::uint8_t>& store, std::size_t index, const std::vector<std::uint8_t>& patch)
{
    std::copy(patch.begin(), patch.end(), store.begin() + blockPlaces()[index].offset);
}

// The internal banks as they leave the factory, made once and shared by
// every instrument until it writes to them.
const std::shared_ptr<std::vector<std::uint8_t>>& factoryBanks()
{
    static const auto banks = [] {
        auto b = std::make_shared<std::vector<std::uint8_t>>(storeSize(blockPlaces().size() - 1));
        for (unsigned n = 0; n < L::internalPerformances; ++n)
            storePatch(*b, firstInternalPerformance + n, SimulatorPatches::performance(0, n));
        for (unsigned n = 0; n < L::internalVoices; ++n)
            storePatch(*b, firstInternalVoice + n, SimulatorPatches::voice(0, n));
        for (unsigned n = 0; n < L::internalFseqs; ++n)
            storePatch(*b, firstInternalFseq + n, SimulatorPatches::formantSequence(0, n));
        return b;
    }();
    return banks;
}

std::size_t partOffset(unsigned part) { return L::performanceCommonSize + part * L::partSize; }

} // namespace

SimulatorMemory::SimulatorMemory()
    : editBuffers_(storeSize(firstInternalPerformance - 1)), internalBanks_(factoryBanks())
{
    copyInto(systemBlock, SimulatorPatches::systemSettings());
    selectPerformance(0, 0);
}

std::optional<SimulatorMemory::Patch> SimulatorMemory::patchAt(std::uint32_t dumpAddress) const
{
    for (const DumpArea& area : dumpAreas) {
        if (dumpAddress < area.base)
            continue;
        const std::uint32_t distance = dumpAddress - area.base;
        // The internal voices shrink to 64 when the system setting says so.
        const unsigned count = area.firstBlock == firstInternalVoice ? internalVoiceCount() : area.count;
        if (distance % area.step == 0 && distance / area.step < count)
            return Patch{area.kind, area.firstBlock + distance / area.step};
    }
    return std::nullopt;
}

std::span<const std::uint8_t> SimulatorMemory::dumpData(Patch patch) const
{
    const auto bytes = readable(patch.block);
    if (patch.kind != Kind::FormantSequence)
        return bytes;
    const std::size_t frames = L::fseqFrames(bytes[L::fseqLengthCodeOffset]);
    return bytes.first(frames == 0 ? 0 : L::fseqHeaderSize + frames * L::fseqFrameSize);
}

bool SimulatorMemory::fits(Patch patch, std::span<const std::uint8_t> data) const
{
    if (patch.kind != Kind::FormantSequence)
        return data.size() == readable(patch.block).size();
    if (data.size() <= L::fseqLengthCodeOffset)
        return false;
    const std::size_t frames = L::fseqFrames(data[L::fseqLengthCodeOffset]);
    return frames != 0 && data.size() == L::fseqHeaderSize + frames * L::fseqFrameSize;
}

void SimulatorMemory::write(Patch patch, std::span<const std::uint8_t> data)
{
    const auto bytes = writable(patch.block);
    std::copy_n(data.begin(), std::min(data.size(), bytes.size()), bytes.begin());
}

std::optional<SimulatorMemory::ParameterPlace> SimulatorMemory::parameterPlace(std::uint32_t address) const
{
    if (!SimAddress::isValid(address))
        return std::nullopt;
    const std::uint32_t target = SimAddress::linear(address);
    for (const ParameterRegion& region : parameterRegions()) {
        const std::uint32_t first = SimAddress::linear(region.start);
        if (target < first || target >= first + region.size)
            continue;
        const std::size_t index = target - first;
        const bool twoBytes = isTwoByteField(address) && index + 1 < region.size;
        return ParameterPlace{region.block, region.offset + index, twoBytes};
    }
    return std::nullopt;
}

std::optional<unsigned> SimulatorMemory::readParameter(std::uint32_t address) const
{
    const auto place = parameterPlace(address);
    if (!place)
        return std::nullopt;
    const auto bytes = readable(place->block);
    if (place->twoBytes)
        return unsigned(bytes[place->offset]) << 7 | bytes[place->offset + 1];
    return bytes[place->offset];
}

bool SimulatorMemory::writeParameter(std::uint32_t address, unsigned value)
{
    constexpr unsigned oneByteMax = 0x7F;
    constexpr unsigned twoByteMax = 0x3FFF;
    const auto place = parameterPlace(address);
    if (!place || value > (place->twoBytes ? twoByteMax : oneByteMax))
        return false;
    const auto bytes = writable(place->block);
    if (place->twoBytes) {
        bytes[place->offset] = std::uint8_t(value >> 7);
        bytes[place->offset + 1] = std::uint8_t(value & oneByteMax);
    } else {
        bytes[place->offset] = std::uint8_t(value);
    }
    return true;
}

void SimulatorMemory::selectPerformance(unsigned bank, unsigned program)
{
    if (program >= L::programsPerBank || bank >= L::performanceBanks)
        return;
    if (bank == 0)
        copyInto(performanceBlock, readable(firstInternalPerformance + program));
    else
        copyInto(performanceBlock, SimulatorPatches::performance(bank, program));
    selectPerformanceContents();
}

void SimulatorMemory::selectPerformanceContents()
{
    for (unsigned part = 0; part < L::partCount; ++part)
        selectPartVoice(part);
    selectFormantSequence();
}

void SimulatorMemory::selectPartVoice(unsigned part)
{
    if (part >= L::partCount)
        return;
    // The part's voice bank byte: 0 the part is off, 1 internal, 2 on presets.
    const auto performance = readable(performanceBlock);
    const unsigned bankByte = performance[partOffset(part) + L::partVoiceBankOffset];
    const unsigned number = performance[partOffset(part) + L::partVoiceNumberOffset];
    const std::size_t target = firstVoiceBlock + part;
    if (bankByte == 1 && number < internalVoiceCount())
        copyInto(target, readable(firstInternalVoice + number));
    else if (bankByte > 1 && bankByte <= L::voiceBanks)
        copyInto(target, SimulatorPatches::voice(bankByte - 1, number));
}

void SimulatorMemory::selectFormantSequence()
{
    const auto performance = readable(performanceBlock);
    const unsigned bank = performance[L::fseqBankOffset];
    const unsigned number = performance[L::fseqNumberOffset];
    if (bank == 0 && number < L::internalFseqs)
        copyInto(fseqBlock, readable(firstInternalFseq + number));
    else if (bank == 1 && number < L::presetFseqs)
        copyInto(fseqBlock, SimulatorPatches::formantSequence(bank, number));
}

unsigned SimulatorMemory::internalVoiceCount() const
{
    return readable(systemBlock)[L::voiceLimitOffset] == 1 ? L::internalVoicesWhenLimited : L::internalVoices;
}

std::span<const std::uint8_t> SimulatorMemory::readable(std::size_t index) const
{
    const BlockPlace& p = blockPlaces()[index];
    return std::span(isInternal(index) ? *internalBanks_ : editBuffers_).subspan(p.offset, p.size);
}

std::span<std::uint8_t> SimulatorMemory::writable(std::size_t index)
{
    if (isInternal(index) && internalBanks_.use_count() > 1)
        internalBanks_ = std::make_shared<std::vector<std::uint8_t>>(*internalBanks_);
    const BlockPlace& p = blockPlaces()[index];
    return std::span(isInternal(index) ? *internalBanks_ : editBuffers_).subspan(p.offset, p.size);
}

void SimulatorMemory::copyInto(std::size_t block, std::span<const std::uint8_t> patch)
{
    std::copy(patch.begin(), patch.end(), writable(block).begin());
}
