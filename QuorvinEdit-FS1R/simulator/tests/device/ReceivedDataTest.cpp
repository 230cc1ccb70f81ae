#include "SimulatorTestSupport.h"

#include <gtest/gtest.h>

namespace {

Bytes patternedData(std::size_t size, std::uint8_t seed)
{
    Bytes data(size);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = std::uint8_t((i * 7 + seed) & 0x7F);
    return data;
}

// A formant sequence of the given length code, in dump order.
Bytes formantSequence(std::uint8_t lengthCode)
{
    Bytes data = patternedData(32 + 50 * 128 * (lengthCode + 1u), 3);
    data[0x1B] = lengthCode;
    return data;
}

TEST(ReceivedDataTest, ParameterChangesAreAppliedAndReadBack)
{
    SimulatorRig rig;
    rig.send(parameterChange(0, 0x100010, 99));   // master volume, one byte
    rig.send(parameterChange(0, 0x100108, 9000)); // insertion slot, 14 bits
    rig.send(parameterChange(0, 0x70001E, 300));  // last frame, 14 bits
    EXPECT_EQ(rig.fs1r.parameterValue(0x100010), 99u);
    EXPECT_EQ(rig.fs1r.parameterValue(0x100108), 9000u);
    EXPECT_EQ(rig.fs1r.parameterValue(0x70001E), 300u);

    rig.send(request(parameterRequestCode, 0, 0x100108));
    const auto answers = rig.takeSent();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], (Bytes{0xF0, 0x43, 0x10, 0x5E, 0x10, 0x01, 0x08, 9000 / 128, 9000 % 128, 0xF7}));
    // The high byte of the two-byte slot lands first in the dump.
    const Bytes performance = rig.fs1r.dumpData(0x100000);
    EXPECT_EQ(performance[128 + 8], 9000 / 128);
    EXPECT_EQ(performance[128 + 9], 9000 % 128);
}

TEST(ReceivedDataTest, ParameterChangesThatDoNotFitChangeNothing)
{
    SimulatorRig rig;
    const Bytes before = rig.fs1r.dumpData(0x100000);
    rig.send(parameterChange(0, 0x100010, 128));   // too wide for one byte
    rig.send(parameterChange(0, 0x340000, 1));     // no such part
    rig.send(parameterChange(3, 0x100010, 1));     // another instrument's
    EXPECT_EQ(rig.fs1r.dumpData(0x100000), before);
    EXPECT_TRUE(rig.takeSent().empty());
}

TEST(ReceivedDataTest, ReceivedDumpsAreAppliedAndSentBackUnchanged)
{
    SimulatorRig rig;
    const Bytes voice = patternedData(608, 1);
    rig.send(bulkDump(0, 0x420000, voice));
    EXPECT_EQ(rig.fs1r.dumpData(0x420000), voice);
    rig.send(request(dumpRequestCode, 0, 0x420000));
    const auto answers = rig.takeSent();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], bulkDump(0, 0x420000, voice));

    const Bytes slot = patternedData(400, 2);
    rig.send(bulkDump(0, 0x11007F, slot));
    EXPECT_EQ(rig.fs1r.dumpData(0x11007F), slot);
    EXPECT_EQ(rig.fs1r.rejectedDumpCount(), 0u);
}

TEST(ReceivedDataTest, FormantSequenceCountsAreAcceptedWholeOrHalved)
{
    SimulatorRig rig;
    const Bytes longest = formantSequence(3);
    rig.send(bulkDump(0, 0x600000, longest, longest.size() / 2));
    EXPECT_EQ(rig.fs1r.dumpData(0x600000), longest);

    const Bytes shortest = formantSequence(0);
    rig.send(bulkDump(0, 0x610005, shortest));
    EXPECT_EQ(rig.fs1r.dumpData(0x610005), shortest);
    EXPECT_EQ(rig.fs1r.rejectedDumpCount(), 0u);
}

TEST(ReceivedDataTest, BadDumpsAreIgnored)
{
    SimulatorRig rig;
    const Bytes before = rig.fs1r.dumpData(0x100000);
    const Bytes data = patternedData(400, 4);

    Bytes badChecksum = bulkDump(0, 0x100000, data);
    badChecksum[badChecksum.size() - 2] ^= 0x01;
    rig.send(badChecksum);
    rig.send(bulkDump(0, 0x100000, Bytes(data.begin(), data.end() - 1)));      // a byte short
    rig.send(bulkDump(0, 0x100000, data, 399));                                 // count disagrees
    rig.send(bulkDump(0, 0x100000, data, 200));                                 // halved, not a sequence
    rig.send(bulkDump(0, 0x200000, data));                                      // names nothing
    Bytes fseq = formantSequence(1);
    fseq[0x1B] = 2; // says 384 frames, carries 256
    rig.send(bulkDump(0, 0x600000, fseq));
    EXPECT_EQ(rig.fs1r.rejectedDumpCount(), 6u);

    rig.send(bulkDump(1, 0x100000, data)); // another instrument's: not refused, not taken
    EXPECT_EQ(rig.fs1r.rejectedDumpCount(), 6u);
    EXPECT_EQ(rig.fs1r.dumpData(0x100000), before);
    EXPECT_TRUE(rig.takeSent().empty());
}

TEST(ReceivedDataTest, ChoosingAPartVoiceLoadsItIntoThePartsVoiceBuffer)
{
    SimulatorRig rig;
    rig.send(parameterChange(0, 0x310001, 1)); // internal bank
    rig.send(parameterChange(0, 0x310002, 7));
    EXPECT_EQ(rig.fs1r.dumpData(0x410000), rig.fs1r.dumpData(0x510007));

    rig.send(parameterChange(0, 0x100016, 0)); // internal formant sequence 3
    rig.send(parameterChange(0, 0x100017, 3));
    EXPECT_EQ(rig.fs1r.dumpData(0x600000), rig.fs1r.dumpData(0x610003));

    const Bytes before = rig.fs1r.dumpData(0x420000);
    rig.send(parameterChange(0, 0x320001, 0)); // part off: its voice stays
    EXPECT_EQ(rig.fs1r.dumpData(0x420000), before);
}

TEST(ReceivedDataTest, BankSelectAndProgramChangeLoadAPerformance)
{
    SimulatorRig rig;
    const Bytes stored = patternedData(400, 5);
    rig.send(bulkDump(0, 0x110009, stored));
    rig.send({0xB0, 0x00, 63, 0x20, 0x40, 0xC0, 9}); // bank select, internal bank, program 10
    EXPECT_EQ(rig.fs1r.dumpData(0x100000), stored);

    rig.send({0xB0, 0x20, 0x41, 0xC0, 2}); // preset bank A, program 3
    const Bytes preset = rig.fs1r.dumpData(0x100000);
    EXPECT_EQ(std::string(preset.begin(), preset.begin() + 12), "PrA Perf 003");

    rig.send({0xC5, 4}); // another channel: ignored
    EXPECT_EQ(rig.fs1r.dumpData(0x100000), preset);
    ASSERT_EQ(rig.fs1r.receivedShortMessages().size(), 6u);
    EXPECT_EQ(rig.fs1r.receivedShortMessages().back(), (Bytes{0xC5, 4}));
}

} // namespace
