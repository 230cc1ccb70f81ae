// The .syx format without the device: a file built from memory reads back
// byte for byte, and a bad file is refused with its reason before a byte
// reaches memory.
#include "DumpWriter.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rSysexFile.h"
#include "params/SetValueFlags.h"
#include "tests/support/CountingSink.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using Bytes = std::vector<std::uint8_t>;
using L = Fs1rMemoryLayout;

// Every byte of the dumps has an entry, as if each had a parameter.
struct Memory {
    Memory()
    {
        L::buildAddressMap(map);
        for (const Fs1rMemoryPage& page : L::pages())
            for (std::uint32_t i = 0; i < page.size; ++i)
                map.createEntry(addToPackedAddress(page.parameterAddress, i)).growTo(1);
    }
    Bytes read(PackedAddress address, std::uint32_t size)
    {
        Bytes data(size);
        std::uint32_t sum = 0;
        sink.sink.readBytesWithSum(address, data, sum);
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

// A whole dump, with a right count and checksum, around any data.
Bytes dumpAt(PackedAddress address, const Bytes& data)
{
    Bytes message{0xF0, 0x43, 0x00, 0x5E, std::uint8_t(data.size() >> 7), std::uint8_t(data.size() & 0x7F),
        std::uint8_t(address >> 16), std::uint8_t(address >> 8), std::uint8_t(address)};
    message.insert(message.end(), data.begin(), data.end());
    message.push_back((0u - std::accumulate(message.begin() + 4, message.end(), 0u)) & 0x7F);
    message.push_back(0xF7);
    return message;
}

struct Kind {
    Fs1rPart part;
    std::uint8_t lengthCode;
    std::size_t fileSize;
    std::uint32_t count;
};

class Fs1rSysexFileRoundTrip : public testing::TestWithParam<Kind> {};

TEST_P(Fs1rSysexFileRoundTrip, AFileBuiltFromMemoryLoadsBackByteForByte)
{
    const Kind kind = GetParam();
    const PackedAddress address = *L::editBufferDumpAddress(kind.part);
    const std::uint32_t size = std::uint32_t(kind.fileSize) - Fs1rSysexProtocol::dumpOverhead;
    Memory source;
    Bytes data(size);
    std::iota(data.begin(), data.end(), 5);
    for (std::uint8_t& byte : data)
        byte &= 0x7F;
    if (kind.part == Fs1rParts::formantSequence)
        data[Fs1rSysexFile::fseqLengthCodeOffset] = kind.lengthCode;
    writeDump(source.sink, address, data, flagsSysexReceived);

    const Bytes file = Fs1rSysexFile::build(kind.part, bulkDump(), source.sink.sink, 3);
    ASSERT_EQ(file.size(), kind.fileSize);
    EXPECT_EQ(file[2], 0x03) << "the device number";
    EXPECT_EQ(file[4] << 7 | file[5], int(kind.count));
    const Fs1rSysexFile checked = Fs1rSysexFile::parse(file, bulkDump());
    ASSERT_TRUE(checked.isValid()) << checked.error().toUtf8();
    Memory target;
    ASSERT_TRUE(checked.load(target.sink, flagsFileLoad));
    EXPECT_EQ(target.read(address, size), source.read(address, size));
}

// A sequence's count is halved: 25,632 does not fit 14 bits. A length code
// that names no length leaves the header alone.
INSTANTIATE_TEST_SUITE_P(EachKind, Fs1rSysexFileRoundTrip,
    testing::Values(Kind{Fs1rParts::performance, 0, 411, 400}, Kind{Fs1rParts::ofVoice(2), 0, 619, 608},
        Kind{Fs1rParts::formantSequence, 3, 25643, 12816}, Kind{Fs1rParts::formantSequence, 7, 43, 16}));

TEST(Fs1rSysexFile, BadFilesAreRefusedWithAReasonAndWriteNothing)
{
    const Bytes performance = dumpAt(0x100000, Bytes(400, 0x11));
    auto changed = [&](std::size_t at, std::uint8_t byte) {
        Bytes file = performance;
        file[at] = byte;
        return file;
    };
    Bytes twoMessages = performance;
    twoMessages.insert(twoMessages.end(), performance.begin(), performance.end());
    const struct {
        Bytes bytes;
        const char* reason;
    } badFiles[] = {
        {{}, "empty"},
        {changed(2, 0x10), "not an FS1R bulk dump"}, // a parameter change's header
        {changed(1, 0x41), "not an FS1R bulk dump"}, // another manufacturer
        {Bytes(performance.begin(), performance.begin() + 200), "ends before its bulk dump does"},
        {changed(performance.size() - 2, performance[performance.size() - 2] ^ 1), "Sysex checksum error"},
        {changed(5, performance[5] ^ 1), "damaged"}, // the count
        {twoMessages, "more than one bulk dump"},
        {Bytes(Fs1rSysexFile::maxFileSize + 1, 0), "larger than any FS1R bulk dump"},
        {dumpAt(0x000000, Bytes(76, 0)), "no performance, voice or formant sequence"},
        {dumpAt(0x440000, Bytes(608, 0)), "no performance, voice or formant sequence"},
        {dumpAt(0x400000, Bytes(400, 0)), "400 data bytes instead of 608"},
    };
    for (const auto& bad : badFiles) {
        const Fs1rSysexFile file = Fs1rSysexFile::parse(bad.bytes, bulkDump());
        EXPECT_NE(file.error().toUtf8().find(bad.reason), std::string::npos) << file.error().toUtf8();
        Memory memory;
        EXPECT_FALSE(file.load(memory.sink, flagsFileLoad));
        EXPECT_EQ(memory.sink.calls, 0) << bad.reason;
    }
}

} // namespace
