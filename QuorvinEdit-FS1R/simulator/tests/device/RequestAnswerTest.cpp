#include "SimulatorTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DumpCase {
    std::uint32_t address;
    std::size_t dataSize;
    std::size_t countField; // what the count bytes hold
    const char* name;       // first data bytes
};

// One case per kind of dump the instrument answers. Formant sequences carry
// their count halved: 14 bits cannot hold 25,632.
const DumpCase dumpCases[] = {
    {0x000000, 76, 76, ""},
    {0x100000, 400, 400, "Int Perf 001"},
    {0x400000, 608, 608, "Int Vc 001"},
    {0x410000, 608, 608, "Int Vc 002"},
    {0x420000, 608, 608, "Int Vc 003"},
    {0x430000, 608, 608, "Int Vc 004"},
    {0x600000, 6432, 3216, "IntSq001"},
    {0x110005, 400, 400, "Int Perf 006"},
    {0x51007F, 608, 608, "Int Vc 128"},
    {0x610003, 25632, 12816, "IntSq004"},
};

TEST(RequestAnswerTest, EveryKindOfDumpRequestGetsTheExactDump)
{
    SimulatorRig rig;
    for (const DumpCase& c : dumpCases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.address);
        rig.send(request(dumpRequestCode, 0, c.address));
        const auto answers = rig.takeSent();
        ASSERT_EQ(answers.size(), 1u);
        const Bytes& dump = answers[0];
        ASSERT_EQ(dump.size(), c.dataSize + 11);
        const Bytes header{0xF0, 0x43, 0x00, 0x5E, std::uint8_t(c.countField >> 7), std::uint8_t(c.countField & 0x7F),
                           std::uint8_t(c.address >> 16), std::uint8_t(c.address >> 8), std::uint8_t(c.address)};
        EXPECT_EQ(Bytes(dump.begin(), dump.begin() + 9), header);
        EXPECT_EQ(dump[dump.size() - 2], independentChecksum(dump));
        EXPECT_EQ(dump.back(), 0xF7);
        const std::string name(c.name);
        EXPECT_EQ(std::string(dump.begin() + 9, dump.begin() + 9 + name.size()), name);
        EXPECT_EQ(Bytes(dump.begin() + 9, dump.end() - 2), rig.fs1r.dumpData(c.address));
    }
}

TEST(RequestAnswerTest, TheLargestFormantSequenceDumpIsTheLargestMessage)
{
    SimulatorRig rig;
    rig.send(request(dumpRequestCode, 0, 0x610003));
    const auto answers = rig.takeSent();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].size(), 25643u);
    EXPECT_EQ(answers[0][4], 0x64); // 12,816 = 25,632 / 2
    EXPECT_EQ(answers[0][5], 0x10);
}

TEST(RequestAnswerTest, ParameterRequestsAreAnsweredWithParameterChanges)
{
    SimulatorRig rig;
    rig.send(request(parameterRequestCode, 0, 0x000000)); // master tune, one byte
    rig.send(request(parameterRequestCode, 0, 0x100018)); // sequence speed 1000, two bytes
    rig.send(request(parameterRequestCode, 0, 0x310002)); // part 2's voice number
    const auto answers = rig.takeSent();
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[0], (Bytes{0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x00, 0x00, 64, 0xF7}));
    EXPECT_EQ(answers[1], (Bytes{0xF0, 0x43, 0x10, 0x5E, 0x10, 0x00, 0x18, 0x07, 0x68, 0xF7}));
    EXPECT_EQ(answers[2], (Bytes{0xF0, 0x43, 0x10, 0x5E, 0x31, 0x00, 0x02, 0x00, 0x01, 0xF7}));
}

TEST(RequestAnswerTest, ParameterAndDumpAddressSpacesAreNotConfused)
{
    // Parameter address 0x600000 is voice 1's first operator; dump address
    // 0x600000 is the formant sequence.
    SimulatorRig rig;
    rig.send(request(parameterRequestCode, 0, 0x600008));
    const auto answers = rig.takeSent();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0][8], rig.fs1r.dumpData(0x400000)[112 + 8]);
    // Part 2 byte 5 sits at dump address 0x100179.
    EXPECT_EQ(rig.fs1r.parameterValue(0x310005), rig.fs1r.dumpData(0x100000)[192 + 52 + 5]);
}

TEST(RequestAnswerTest, RequestsForAddressesThatNameNothingGetNoAnswer)
{
    SimulatorRig rig;
    for (std::uint32_t address : {0x200000u, 0x440000u, 0x400001u, 0x110080u, 0x610006u, 0x7F7F7Fu})
        rig.send(request(dumpRequestCode, 0, address));
    for (std::uint32_t address : {0x00004Cu, 0x340000u, 0x680000u, 0x7F7F7Fu})
        rig.send(request(parameterRequestCode, 0, address));
    EXPECT_TRUE(rig.takeSent().empty());
}

TEST(RequestAnswerTest, OnlyItsOwnDeviceNumberIsAnswered)
{
    SimulatorRig rig;
    ASSERT_TRUE(rig.fs1r.setDeviceNumber(5));
    // A search asks every device number in turn: exactly one answer comes.
    for (unsigned n = 0; n < 16; ++n)
        rig.send(request(parameterRequestCode, n, 0x000000));
    const auto answers = rig.takeSent();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0][2], 0x15);

    rig.send(request(dumpRequestCode, 5, 0x000000));
    const auto dumps = rig.takeSent();
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_EQ(dumps[0][2], 0x05);

    EXPECT_FALSE(rig.fs1r.setDeviceNumber(16));
    EXPECT_EQ(rig.fs1r.deviceNumber(), 5u);
}

TEST(RequestAnswerTest, SixtyFourVoiceModeHidesTheUpperInternalVoices)
{
    SimulatorRig rig;
    rig.send(parameterChange(0, 0x000047, 1));
    rig.send(request(dumpRequestCode, 0, 0x510040));
    EXPECT_TRUE(rig.takeSent().empty());
    rig.send(request(dumpRequestCode, 0, 0x51003F));
    EXPECT_EQ(rig.takeSent().size(), 1u);
}

TEST(RequestAnswerTest, FrontPanelEditsAndDumpsAreSentUnasked)
{
    SimulatorRig rig;
    ASSERT_TRUE(rig.fs1r.editParameter(0x100010, 100));
    ASSERT_TRUE(rig.fs1r.sendDump(0x510002));
    EXPECT_FALSE(rig.fs1r.editParameter(0x100010, 128));
    EXPECT_FALSE(rig.fs1r.sendDump(0x520000));
    const auto sent = rig.takeSent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], (Bytes{0xF0, 0x43, 0x10, 0x5E, 0x10, 0x00, 0x10, 0x00, 100, 0xF7}));
    EXPECT_EQ(sent[1].size(), 619u);
    EXPECT_EQ(sent[1][8], 0x02);
}

} // namespace
