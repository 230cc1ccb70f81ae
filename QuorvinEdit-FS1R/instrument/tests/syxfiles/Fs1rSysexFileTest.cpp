// The .syx file format without the device: files built from memory read
// back byte for byte, and every kind of bad file is refused with a reason
// before a single byte reaches memory.
#include "DumpWriter.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rSysexFile.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressMap.h"
#include "tests/support/CountingSink.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using L = Fs1rMemoryLayout;

constexpr std::size_t countPosition = 4;
constexpr std::size_t addressPosition = 6;

// A map where every byte has an entry, as if each had a parameter.
struct Memory {
    Memory()
    {
        L::buildAddressMap(map);
        for (const Fs1rMemoryPage& page : L::pages())
            for (std::uint32_t i = 0; i < page.size; ++i)
                map.createEntry(addToPackedAddress(page.parameterAddress, i)).growTo(1);
    }

    void fill(PackedAddress dumpAddress, std::uint32_t size, std::uint8_t seed)
    {
        Bytes data(size);
        for (std::uint32_t i = 0; i < size; ++i)
            data[i] = std::uint8_t((seed + i * 7) & 0x7F);
        writeDump(sink, dumpAddress, data, flagsSysexReceived);
    }

    Bytes data(PackedAddress dumpAddress, std::uint32_t size)
    {
        Bytes data(size);
        std::uint32_t sum = 0;
        sink.sink.readBytesWithSum(dumpAddress, data, sum);
        return data;
    }

    AddressMap map{L::pageCapacity};
    CountingSink sink{map};
};

const SysexTemplate& bulkDump()
{
    static const Fs1rSysexProtocol protocol;
    return protocol.bulkDump();
}

Fs1rSysexFile parse(const Bytes& bytes)
{
    return Fs1rSysexFile::parse(bytes, bulkDump());
}

// A dump with a right count and checksum around any data.
Bytes dumpAt(PackedAddress address, const Bytes& data, std::uint32_t countDivisor = 1)
{
    const std::uint32_t count = std::uint32_t(data.size()) / countDivisor;
    Bytes message{0xF0, 0x43, 0x00, 0x5E, std::uint8_t(count >> 7 & 0x7F), std::uint8_t(count & 0x7F),
        std::uint8_t(address >> 16), std::uint8_t(address >> 8 & 0x7F), std::uint8_t(address & 0x7F)};
    message.insert(message.end(), data.begin(), data.end());
    const std::uint32_t sum = std::accumulate(message.begin() + countPosition, message.end(), 0u);
    message.push_back((0u - sum) & 0x7F);
    message.push_back(0xF7);
    return message;
}

struct RoundTrip {
    Fs1rPart part;
    std::uint8_t lengthCode;
    std::size_t fileSize;
    std::uint32_t count;
};

class Fs1rSysexFileRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(Fs1rSysexFileRoundTrip, AFileBuiltFromMemoryLoadsBackByteForByte)
{
    const RoundTrip kind = GetParam();
    const PackedAddress address = *L::editBufferDumpAddress(kind.part);
    const std::uint32_t size = std::uint32_t(kind.fileSize) - Fs1rSysexProtocol::dumpOverhead;
    Memory source;
    source.fill(address, size, 5);
    source.fill(addToPackedAddress(L::fseqDumpAddress, Fs1rSysexFile::fseqLengthCodeOffset), 1, kind.lengthCode);

    const Bytes file = Fs1rSysexFile::build(kind.part, bulkDump(), source.sink.sink, 3);
    ASSERT_EQ(file.size(), kind.fileSize);
    EXPECT_EQ(file[2], 0x03) << "the device number";
    EXPECT_EQ(file[countPosition] << 7 | file[countPosition + 1], int(kind.count));

    const Fs1rSysexFile checked = parse(file);
    ASSERT_TRUE(checked.isValid()) << checked.error().toUtf8();
    EXPECT_EQ(checked.part(), kind.part);
    Memory target;
    ASSERT_TRUE(checked.load(target.sink, flagsFileLoad));
    EXPECT_EQ(target.data(address, size), source.data(address, size));
    EXPECT_EQ(Fs1rSysexFile::build(kind.part, bulkDump(), target.sink.sink, 3), file);
}

// A sequence's count is halved: 25,632 does not fit 14 bits. A length code
// naming no length leaves the header alone.
INSTANTIATE_TEST_SUITE_P(EachKind, Fs1rSysexFileRoundTrip,
    testing::Values(RoundTrip{Fs1rParts::performance, 0, 411, 400}, RoundTrip{Fs1rParts::ofVoice(2), 0, 619, 608},
        RoundTrip{Fs1rParts::formantSequence, 1, 12843, 6416}, RoundTrip{Fs1rParts::formantSequence, 3, 25643, 12816},
        RoundTrip{Fs1rParts::formantSequence, 7, 43, 16}));

struct BadFile {
    const char* name;
    Bytes bytes;
    const char* reason;
};

std::vector<BadFile> badFiles()
{
    const Bytes performance = dumpAt(0x100000, Bytes(400, 0x11));
    Bytes badChecksum = performance;
    badChecksum[badChecksum.size() - 2] ^= 0x01;
    Bytes foreign = performance;
    foreign[1] = 0x41;
    Bytes twoMessages = performance;
    twoMessages.insert(twoMessages.end(), performance.begin(), performance.end());
    Bytes trailingByte = performance;
    trailingByte.push_back(0x00);
    Bytes wrongCount = performance;
    wrongCount[countPosition + 1] ^= 0x01;
    Bytes parameterChange{0xF0, 0x43, 0x10, 0x5E, 0x10, 0x00, 0x00, 0x00, 0x05, 0xF7};
    return {
        {"empty", {}, "empty"},
        {"larger than any dump", Bytes(Fs1rSysexFile::maxFileSize + 1, 0), "larger"},
        {"wrong header", parameterChange, "not an FS1R bulk dump"},
        {"foreign manufacturer", foreign, "not an FS1R bulk dump"},
        {"header cut short", Bytes(performance.begin(), performance.begin() + 7), "ends before"},
        {"truncated", Bytes(performance.begin(), performance.begin() + 200), "ends before"},
        {"bad checksum", badChecksum, "Sysex checksum error"},
        {"count against data", wrongCount, "damaged"},
        {"two messages", twoMessages, "more than one"},
        {"overlong", trailingByte, "more than one"},
        {"system settings", dumpAt(0x000000, Bytes(76, 0)), "no performance, voice or formant sequence"},
        {"voice with no part", dumpAt(0x440000, Bytes(608, 0)), "no performance, voice or formant sequence"},
        {"performance part only", dumpAt(0x100140, Bytes(52, 0)), "no performance, voice or formant sequence"},
        {"short voice", dumpAt(0x400000, Bytes(400, 0)), "400 data bytes instead of 608"},
    };
}

TEST(Fs1rSysexFile, BadFilesAreRefusedWithAReasonAndWriteNothing)
{
    for (const BadFile& bad : badFiles()) {
        const Fs1rSysexFile file = parse(bad.bytes);
        EXPECT_FALSE(file.isValid()) << bad.name;
        EXPECT_NE(file.error().toUtf8().find(bad.reason), std::string::npos)
            << bad.name << ": " << file.error().toUtf8();
        Memory memory;
        EXPECT_FALSE(file.load(memory.sink, flagsFileLoad)) << bad.name;
        EXPECT_EQ(memory.sink.calls, 0) << bad.name;
    }
}

TEST(Fs1rSysexFile, InternalSlotsLoadIntoTheEditBuffers)
{
    Bytes voiceData(608);
    std::iota(voiceData.begin(), voiceData.end(), 0);
    for (std::uint8_t& byte : voiceData)
        byte &= 0x7F;
    const Fs1rSysexFile voice = parse(dumpAt(0x510007, voiceData));
    ASSERT_TRUE(voice.isValid());
    EXPECT_TRUE(voice.isInternalSlot());
    EXPECT_EQ(voice.part(), Fs1rParts::ofVoice(0)) << "an internal-slot voice names part 1";

    Memory memory;
    ASSERT_TRUE(voice.load(memory.sink, flagsPatchLoad, 2));
    EXPECT_EQ(memory.data(L::voiceDumpAddress(2), 608), voiceData);
    EXPECT_EQ(memory.data(L::voiceDumpAddress(0), 608), Bytes(608, 0));
    EXPECT_FALSE(voice.load(memory.sink, flagsPatchLoad, 4)) << "there is no fifth part";

    const Fs1rSysexFile performance = parse(dumpAt(0x11005A, Bytes(400, 0x22)));
    ASSERT_TRUE(performance.isValid());
    ASSERT_TRUE(performance.load(memory.sink, flagsPatchLoad));
    EXPECT_EQ(memory.data(L::performanceDumpAddress, 400), Bytes(400, 0x22));
}

TEST(Fs1rSysexFile, ASequenceCountMayBeWholeOrHalved)
{
    Bytes header(32, 0);
    header[Fs1rSysexFile::fseqLengthCodeOffset] = 0;
    Bytes sequence = header;
    sequence.resize(L::fseqDumpSize(128), 0x01);
    EXPECT_TRUE(parse(dumpAt(0x600000, sequence, 1)).isValid());
    EXPECT_TRUE(parse(dumpAt(0x600000, sequence, 2)).isValid());
    EXPECT_FALSE(parse(dumpAt(0x600000, Bytes(sequence.begin(), sequence.end() - 50), 2)).isValid())
        << "a frame missing for its length code";
}

} // namespace
