#include "MidiTestSupport.h"

#include <random>

namespace {

using Events = std::vector<std::string>;

class SysexAssemblyTest : public LoopbackTest {
protected:
    void SetUp() override
    {
        LoopbackTest::SetUp();
        backend->addPortPair("FS1R");
    }

    void openBoth(MidiInPort& in, MidiOutPort& out)
    {
        ASSERT_EQ(openMidiPort(in, device("FS1R")), MidiPortError::ok);
        ASSERT_EQ(openMidiPort(out, device("FS1R", MidiDeviceKind::output)), MidiPortError::ok);
        recorder.clear();
    }

    Events sendAndRecord(const std::vector<std::uint8_t>& message, std::size_t assemblySize = fs1rMaxSysex)
    {
        MidiInPort in(assemblySize, recorder, recorder);
        MidiOutPort out(recorder);
        openBoth(in, out);
        out.sendLong(message.data(), message.size());
        EXPECT_TRUE(backend->waitUntilIdle());
        return recorder.events();
    }
};

TEST_F(SysexAssemblyTest, MessageOfOneBlockGivesStartAndEndOnly)
{
    EXPECT_EQ(sendAndRecord(sysex(10)), (Events{"start 10", "end 10"}));
    recorder.clear();
    EXPECT_EQ(sendAndRecord(sysex(256)), (Events{"start 256", "end 256"}));
    EXPECT_EQ(recorder.messages().at(0), sysex(256));
}

TEST_F(SysexAssemblyTest, LongMessageReportsTheWholeCountSoFarAfterEachBlock)
{
    EXPECT_EQ(sendAndRecord(sysex(600)), (Events{"start 256", "data 256", "data 512", "end 600"}));
    EXPECT_EQ(recorder.messages().at(0), sysex(600));
}

// Sizes that are an exact multiple of the block size are the risky ones: a
// naive loop drops the last block or counts it twice.
TEST_F(SysexAssemblyTest, ExactMultipleOfTheBlockSizeEndsOnItsLastBlock)
{
    EXPECT_EQ(sendAndRecord(sysex(512)), (Events{"start 256", "data 256", "end 512"}));
    EXPECT_EQ(recorder.messages().at(0), sysex(512));
}

TEST_F(SysexAssemblyTest, LargestInstrumentDumpArrivesWhole)
{
    const Events events = sendAndRecord(sysex(fs1rMaxSysex, 3));
    ASSERT_EQ(recorder.messages().size(), 1u);
    EXPECT_EQ(recorder.messages().front(), sysex(fs1rMaxSysex, 3));
    EXPECT_EQ(events.size(), (fs1rMaxSysex + 255) / 256 + 1); // start, data after every block but the last, end
}

TEST_F(SysexAssemblyTest, OverflowIsReportedOnceAndReceptionResumesAtTheNextF0)
{
    MidiInPort in(300, recorder, recorder);
    MidiOutPort out(recorder);
    openBoth(in, out);
    const auto tooLong = sysex(900);
    out.sendLong(tooLong.data(), tooLong.size());
    out.sendLong(sysex(20).data(), 20);
    ASSERT_TRUE(backend->waitUntilIdle());
    EXPECT_EQ(recorder.events(),
        (Events{"start 256", "data 256", "error FS1R: Buffer overflow.", "start 20", "end 20"}));
}

TEST_F(SysexAssemblyTest, AssemblySizeBelowOneBlockIsRaisedToOneBlock)
{
    EXPECT_EQ(MidiInPort(10, recorder, recorder).assemblySize(), 256u);
    EXPECT_EQ(sendAndRecord(sysex(256), 10), (Events{"start 256", "end 256"}));
}

TEST_F(SysexAssemblyTest, PortWithoutAssemblyBufferPassesShortMessagesOnly)
{
    MidiInPort in(0, recorder, recorder);
    MidiOutPort out(recorder);
    openBoth(in, out);
    out.sendLong(sysex(40).data(), 40);
    out.sendShort({0xB0, 7, 100});
    ASSERT_TRUE(backend->waitUntilIdle());
    EXPECT_EQ(recorder.events(), (Events{"short Control CH1 7 100"}));
}

TEST_F(SysexAssemblyTest, NewF0MidMessageRestartsTheAssembly)
{
    MidiInPort in(fs1rMaxSysex, recorder, recorder);
    ASSERT_EQ(openMidiPort(in, device("FS1R")), MidiPortError::ok);
    recorder.clear();
    auto unfinished = sysex(301);
    unfinished.pop_back();
    inject("FS1R", unfinished);
    inject("FS1R", sysex(5));
    ASSERT_TRUE(backend->waitUntilIdle());
    EXPECT_EQ(recorder.events(), (Events{"start 256", "data 256", "data 300", "start 5", "end 5"}));
}

TEST_F(SysexAssemblyTest, ContinuationWithNoMessageUnderWayIsDroppedSilently)
{
    LoopbackMidiBackend::Faults faults;
    int block = 0;
    faults.blockFilter = [&block](std::uint8_t*, std::size_t&) { return block++ != 0; };
    backend->setFaults("FS1R", faults);
    EXPECT_EQ(sendAndRecord(sysex(600)), Events{});
}

TEST_F(SysexAssemblyTest, EmptyBlockIsReportedAndTheMessageGoesOn)
{
    LoopbackMidiBackend::Faults faults;
    int block = 0;
    faults.blockFilter = [&block](std::uint8_t*, std::size_t& size) {
        if (block++ == 1)
            size = 0;
        return true;
    };
    backend->setFaults("FS1R", faults);
    EXPECT_EQ(sendAndRecord(sysex(600)),
        (Events{"start 256", "data 256", "error FS1R: Received NULL data.", "end 344"}));
}

TEST_F(SysexAssemblyTest, ShortMessagesInterleaveWithoutBreakingSysex)
{
    MidiInPort in(fs1rMaxSysex, recorder, recorder);
    ASSERT_EQ(openMidiPort(in, device("FS1R")), MidiPortError::ok);
    recorder.clear();
    // A clock byte inside the SysEx comes out at once, as from a driver; then
    // running status.
    std::vector<std::uint8_t> stream = {0x90, 60, 100, 0xF0, 0x43, 0xF8, 0x10, 0xF7, 0xC1, 5, 0x90, 61, 0, 62, 10};
    inject("FS1R", stream);
    ASSERT_TRUE(backend->waitUntilIdle());
    EXPECT_EQ(recorder.events(),
        (Events{"short Note on CH1 60 100", "short Clock", "start 4", "end 4",
            "short Program CH2 5", "short Note on CH1 61 0", "short Note on CH1 62 10"}));
    EXPECT_EQ(recorder.messages().at(0), (std::vector<std::uint8_t>{0xF0, 0x43, 0x10, 0xF7}));
}

// Whatever sizes the driver hands the bytes over in, the same messages come out.
TEST_F(SysexAssemblyTest, AnyBlockSplitGivesTheSameMessages)
{
    const std::vector<std::vector<std::uint8_t>> sent = {sysex(600, 1), sysex(512, 2), sysex(3, 3), sysex(2000, 4)};
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
        LoopbackMidiBackend::Faults faults;
        faults.randomSplit = true;
        faults.seed = seed;
        faults.splitSize = seed == 1 ? 1 : 256;
        backend->setFaults("FS1R", faults);
        MidiInPort in(fs1rMaxSysex, recorder, recorder);
        MidiOutPort out(recorder);
        openBoth(in, out);
        for (const auto& message : sent) {
            out.sendLong(message.data(), message.size());
            out.sendShort({0xE2, 0, 64});
        }
        ASSERT_TRUE(backend->waitUntilIdle());
        EXPECT_EQ(recorder.messages(), sent) << "seed " << seed;
        const Events events = recorder.events();
        EXPECT_EQ(std::count(events.begin(), events.end(), "short Bender CH3 8192"), 4);
    }
}

TEST_F(SysexAssemblyTest, DamagedBytesNeverGiveAMessageBeyondItsFrame)
{
    LoopbackMidiBackend::Faults faults;
    faults.dropByteChance = 0.01;
    faults.corruptByteChance = 0.01;
    faults.randomSplit = true;
    backend->setFaults("FS1R", faults);
    MidiInPort in(1000, recorder, recorder);
    MidiOutPort out(recorder);
    openBoth(in, out);
    for (std::uint8_t i = 0; i < 40; ++i)
        out.sendLong(sysex(300 + i * 20, i).data(), 300 + i * 20u);
    ASSERT_TRUE(backend->waitUntilIdle());
    const auto messages = recorder.messages();
    EXPECT_FALSE(messages.empty());
    for (const auto& message : messages) {
        EXPECT_LE(message.size(), 1000u);
        EXPECT_EQ(message.front(), 0xF0);
        EXPECT_EQ(message.back(), 0xF7);
    }
}

TEST_F(SysexAssemblyTest, PacedPairTakesTheWireTime)
{
    backend->setPaced("FS1R", true);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(sendAndRecord(sysex(625)), (Events{"start 256", "data 256", "data 512", "end 625"}));
    // 625 bytes at 3,125 bytes a second, once on the way out and once in.
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(200));
}

} // namespace
