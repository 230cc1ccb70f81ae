#include "simulator/SimulatorPatches.h"

#include "simulator/SimAddress.h"
#include "simulator/SimulatorLayout.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <string>

namespace {

// Bytes whose value 0 would lie outside what the instrument allows, given as
// runs at packed offsets from the start of their block.
struct ByteRun {
    std::uint16_t offset;
    std::uint8_t count;
    std::uint8_t value;
};

constexpr ByteRun systemDefaults[] = {
    {0x00, 1, 64}, {0x06, 1, 64}, {0x12, 4, 1},  {0x16, 1, 16}, {0x17, 1, 17}, {0x18, 1, 18},
    {0x19, 1, 19}, {0x1A, 1, 20}, {0x1B, 1, 21}, {0x1C, 1, 22}, {0x1D, 1, 13}, {0x1E, 1, 4},
    {0x1F, 1, 2},  {0x20, 1, 80}, {0x21, 1, 81},
};

constexpr ByteRun performanceCommonDefaults[] = {
    {0x10, 1, 127},  {0x11, 1, 64},   {0x12, 1, 24},                      // note shift 0
    {0x18, 1, 0x07}, {0x19, 1, 0x68},                                     // speed 1000
    {0x27, 1, 64},   {0x48, 8, 64},   {0x129, 1, 64},   {0x12A, 1, 127}, {0x12C, 1, 64},
    {0x12D, 1, 127}, {0x130, 1, 64},  {0x133, 1, 127},  {0x136, 1, 10},  {0x13A, 1, 10},
    {0x13D, 1, 10},
    {0x21, 1, 2},                                                      // sequence play mode "fseq"
    {0x134, 1, 64},  {0x138, 1, 64},  {0x13B, 1, 64},                 // EQ gains 0
    {0x135, 1, 19},  {0x139, 1, 34},  {0x13C, 1, 52},                 // EQ frequencies 180, 1.0k, 8.0k
};

// Reverb "Hall1", variation "Chorus" and insertion "Chorus" at their pages'
// defaults, so the effect pages show something. Every two-byte parameter here
// has a high byte of 0.
constexpr ByteRun performanceEffects[] = {
    {0x51, 1, 17},  {0x53, 1, 10},  {0x55, 1, 9},   {0x57, 1, 24},  {0x59, 1, 49},  {0x62, 1, 34},  {0x63, 1, 4},
    {0x64, 1, 69},  {0x65, 1, 10},  {0x66, 1, 64},  {0x69, 1, 5},   {0x6B, 1, 46},  {0x6D, 1, 92},  {0x6F, 1, 10},
    {0x73, 1, 20},  {0x75, 1, 64},  {0x77, 1, 50},  {0x79, 1, 64},  {0x105, 1, 1},  {0x109, 1, 6},  {0x10B, 1, 62},
    {0x10D, 1, 79}, {0x10F, 1, 80}, {0x113, 1, 22}, {0x115, 1, 64}, {0x117, 1, 51}, {0x119, 1, 64}, {0x11B, 1, 64},
    {0x11D, 1, 39}, {0x11F, 1, 64}, {0x121, 1, 10}, {0x128, 1, 1},  {0x12B, 1, 1},  {0x12F, 1, 1},
};

constexpr ByteRun partDefaults[] = {
    {0x01, 1, 1},  {0x08, 1, 24}, {0x09, 2, 64}, {0x0C, 2, 64}, {0x10, 1, 127}, {0x15, 15, 64},
    {0x25, 1, 64}, {0x26, 1, 66}, {0x27, 1, 62}, {0x28, 1, 50}, {0x2A, 1, 1},   {0x2B, 1, 127},
    {0x2D, 1, 1},  {0x2E, 2, 64},
};

// The voice the instrument's Init gives: levels and modifier depths at 0,
// envelope times at 50, modifier rows on operators 1 to 5.
constexpr ByteRun voiceCommonDefaults[] = {
    {0x1E, 1, 24}, // note shift 0
    {0x1F, 8, 50}, {0x3E, 1, 50},                                        // pitch envelope
    {0x40, 1, 32}, {0x41, 1, 33}, {0x42, 1, 34}, {0x43, 1, 35}, {0x44, 1, 36}, {0x45, 5, 64}, // formant rows, "freq"
    {0x4A, 1, 16}, {0x4B, 1, 17}, {0x4C, 1, 18}, {0x4D, 1, 19}, {0x4E, 1, 20}, {0x4F, 5, 64}, // FM rows, "out"
    {0x55, 1, 16}, {0x56, 1, 7},  {0x57, 1, 127}, {0x58, 1, 7},  {0x5B, 1, 64}, {0x5C, 1, 60}, // filter
    {0x5D, 1, 12}, {0x64, 1, 64}, {0x65, 4, 50},  {0x69, 4, 50},
};

// Transposes, biases and tunes at 0, ratio 1, amplitude envelopes held at 99.
constexpr ByteRun operatorDefaults[] = {
    {0x00, 1, 24}, {0x01, 1, 1},  {0x04, 1, 56}, {0x07, 1, 15}, {0x08, 2, 50}, {0x0A, 2, 50},  // voiced
    {0x0C, 3, 99}, {0x11, 2, 50}, {0x17, 1, 39}, {0x1A, 2, 3},  {0x1F, 1, 56}, {0x20, 3, 7},
    {0x23, 1, 24}, {0x24, 1, 15}, {0x27, 1, 49}, {0x28, 1, 7},  {0x2A, 2, 50}, {0x2C, 2, 50}, // unvoiced
    {0x2F, 1, 7},  {0x30, 3, 99}, {0x35, 2, 50}, {0x3A, 4, 7},
};
// The operator byte whose low bits name the formant-sequence track it plays:
// operator k plays track k + 1.
constexpr std::size_t operatorTrackOffset = 0x05;

constexpr ByteRun fseqHeaderDefaults[] = {
    {0x15, 1, 64}, {0x18, 1, 64}, {0x19, 1, 63},
};

constexpr std::size_t nameOffset = 0;
constexpr std::size_t performanceNameSize = 12;
constexpr std::size_t voiceNameSize = 10;
constexpr std::size_t fseqNameSize = 8;
constexpr std::size_t categoryOffset = 0x0E;
constexpr unsigned categoryCount = 23;
constexpr std::size_t fseqLoopEndOffset = 0x12;
constexpr std::size_t fseqLastFrameOffset = 0x1E;
constexpr std::uint8_t fseqPitchHigh = 0x66; // 13056, the middle of the pitch range

const char* const performanceBankNames[] = {"Int", "PrA", "PrB", "PrC"};
const char* const voiceBankNames[] = {"Int", "PrA", "PrB", "PrC", "PrD", "PrE", "PrF",
                                      "PrG", "PrH", "PrI", "PrJ", "PrK"};
const char* const fseqBankNames[] = {"Int", "Pre"};

template <std::size_t N>
const char* bankName(const char* const (&names)[N], unsigned bank)
{
    return names[std::min<std::size_t>(bank, N - 1)];
}

void apply(std::span<std::uint8_t> block, std::span<const ByteRun> runs)
{
    for (const ByteRun& run : runs)
        std::fill_n(block.begin() + SimAddress::linear(run.offset), run.count, run.value);
}

void writeName(std::span<std::uint8_t> block, std::size_t width, const std::string& text)
{
    for (std::size_t i = 0; i < width; ++i)
        block[nameOffset + i] = i < text.size() ? std::uint8_t(text[i]) : ' ';
}

std::string placeName(const char* bank, const char* kind, unsigned program)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%s%03u", bank, kind, (program + 1) % 1000);
    return buffer;
}

void writeFourteenBits(std::span<std::uint8_t> block, std::size_t offset, unsigned value)
{
    block[offset] = (value >> 7) & 0x7F;
    block[offset + 1] = value & 0x7F;
}

void fillFrame(std::span<std::uint8_t> frame, unsigned frameIndex, unsigned program)
{
    constexpr unsigned formants = 8;
    frame[0] = fseqPitchHigh;
    frame[1] = 0;
    for (unsigned f = 0; f < formants; ++f) {
        const std::uint8_t high = (0x20 + f * 8 + program) & 0x7F;
        const std::uint8_t low = frameIndex & 0x7F;
        const std::uint8_t level = (frameIndex + f * 16 + program) & 0x7F;
        frame[2 + f] = high;       // voiced frequency, high part
        frame[10 + f] = low;       // voiced frequency, low part
        frame[18 + f] = level;     // voiced level
        frame[26 + f] = high;      // unvoiced frequency, high part
        frame[34 + f] = low;       // unvoiced frequency, low part
        frame[42 + f] = level / 2; // unvoiced level
    }
}

} // namespace

std::vector<std::uint8_t> SimulatorPatches::systemSettings()
{
    std::vector<std::uint8_t> bytes(SimulatorLayout::systemSize);
    apply(bytes, systemDefaults);
    return bytes;
}

std::vector<std::uint8_t> SimulatorPatches::performance(unsigned bank, unsigned program)
{
    std::vector<std::uint8_t> bytes(SimulatorLayout::performanceSize);
    apply(bytes, performanceCommonDefaults);
    apply(bytes, performanceEffects);
    writeName(bytes, performanceNameSize, placeName(bankName(performanceBankNames, bank), " Perf ", program));
    bytes[categoryOffset] = program % categoryCount;
    bytes[SimulatorLayout::fseqNumberOffset] = program % SimulatorLayout::internalFseqs;
    for (unsigned part = 0; part < SimulatorLayout::partCount; ++part) {
        const auto block = std::span(bytes).subspan(SimulatorLayout::performanceCommonSize + part * SimulatorLayout::partSize,
                                                    SimulatorLayout::partSize);
        apply(block, partDefaults);
        block[SimulatorLayout::partVoiceNumberOffset] = (program * SimulatorLayout::partCount + part) %
                                                        SimulatorLayout::internalVoicesWhenLimited;
        block[0x03] = part; // receive channels: part p on channel p + 1
        block[0x04] = part;
    }
    return bytes;
}

std::vector<std::uint8_t> SimulatorPatches::voice(unsigned bank, unsigned program)
{
    std::vector<std::uint8_t> bytes(SimulatorLayout::voiceSize);
    apply(bytes, voiceCommonDefaults);
    writeName(bytes, voiceNameSize, placeName(bankName(voiceBankNames, bank), " Vc ", program));
    bytes[categoryOffset] = program % categoryCount;
    for (unsigned op = 0; op < SimulatorLayout::operatorCount; ++op) {
        const auto block = std::span(bytes).subspan(SimulatorLayout::voiceCommonSize + op * SimulatorLayout::operatorSize,
                                                    SimulatorLayout::operatorSize);
        apply(block, operatorDefaults);
        block[operatorTrackOffset] = std::uint8_t(op);
    }
    return bytes;
}

std::vector<std::uint8_t> SimulatorPatches::formantSequence(unsigned bank, unsigned program)
{
    std::vector<std::uint8_t> bytes(SimulatorLayout::fseqMaxSize);
    apply(bytes, fseqHeaderDefaults);
    writeName(bytes, fseqNameSize, placeName(bankName(fseqBankNames, bank), "Sq", program));
    const std::uint8_t lengthCode = program % SimulatorLayout::fseqLengthCodeCount;
    const unsigned lastFrame = unsigned(SimulatorLayout::fseqFrames(lengthCode)) - 1;
    bytes[SimulatorLayout::fseqLengthCodeOffset] = lengthCode;
    writeFourteenBits(bytes, fseqLoopEndOffset, lastFrame);
    writeFourteenBits(bytes, fseqLastFrameOffset, lastFrame);
    const unsigned maxFrames = SimulatorLayout::fseqFramesPerLengthCode * SimulatorLayout::fseqLengthCodeCount;
    for (unsigned frame = 0; frame < maxFrames; ++frame)
        fillFrame(std::span(bytes).subspan(SimulatorLayout::fseqHeaderSize + frame * SimulatorLayout::fseqFrameSize,
                                           SimulatorLayout::fseqFrameSize),
                  frame, program);
    return bytes;
}
