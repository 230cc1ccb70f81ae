#include "SimulatorTestSupport.h"

#include <gtest/gtest.h>

namespace {

void append(Bytes& to, const Bytes& bytes) { to.insert(to.end(), bytes.begin(), bytes.end()); }

// Requests, a change and a dump in one stream, as the editor sends them.
Bytes editorSession()
{
    Bytes stream;
    append(stream, request(parameterRequestCode, 0, 0x000000));
    append(stream, parameterChange(0, 0x100010, 77));
    append(stream, bulkDump(0, 0x000000, Bytes(76, 0x11)));
    append(stream, request(dumpRequestCode, 0, 0x000000));
    append(stream, {0xB0, 0x20, 0x40, 0xC0, 0x01});
    append(stream, request(parameterRequestCode, 0, 0x100010));
    return stream;
}

std::vector<Bytes> answersTo(const Bytes& stream, std::size_t blockSize)
{
    SimulatorRig rig;
    for (std::size_t at = 0; at < stream.size(); at += blockSize)
        rig.fs1r.receiveBytes(stream.data() + at, std::min(blockSize, stream.size() - at));
    return rig.takeSent();
}

TEST(ByteStreamTest, EveryBlockSizeGivesTheSameAnswers)
{
    const Bytes stream = editorSession();
    const std::vector<Bytes> whole = answersTo(stream, stream.size());
    ASSERT_EQ(whole.size(), 3u);
    EXPECT_EQ(whole[1], bulkDump(0, 0x000000, Bytes(76, 0x11)));
    for (std::size_t blockSize = 1; blockSize < stream.size(); ++blockSize)
        ASSERT_EQ(answersTo(stream, blockSize), whole) << "block size " << blockSize;
}

TEST(ByteStreamTest, GarbageAroundAndInsideMessagesIsDropped)
{
    SimulatorRig rig;
    Bytes stream{0x00, 0x7F, 0x12}; // data bytes with no status
    append(stream, {0xF0, 0x43, 0x30, 0x5E, 0x00});        // cut short by a new F0...
    append(stream, request(parameterRequestCode, 0, 0x000006)); // ...which is answered
    append(stream, {0xF0, 0x43, 0x30, 0x90, 0x3C, 0x40});   // a note ends this one
    append(stream, {0xF7, 0xF7});                           // stray ends
    append(stream, {0xF0, 0x43, 0x30, 0xF8, 0x5E, 0x00, 0x00, 0x00, 0xFE, 0xF7}); // real-time bytes pass through
    append(stream, {0xF0, 0x41, 0x10, 0x42, 0x12, 0xF7});   // another maker's message
    append(stream, {0xF0, 0x43, 0x30, 0x5E, 0x00, 0x00, 0x00, 0x00, 0xF7}); // one byte too many
    rig.send(stream);
    const auto answers = rig.takeSent();
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0], (Bytes{0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x06, 0x00, 64, 0xF7}));
    EXPECT_EQ(answers[1], (Bytes{0xF0, 0x43, 0x10, 0x5E, 0x00, 0x00, 0x00, 0x00, 64, 0xF7}));
    const auto shortMessages = rig.fs1r.receivedShortMessages();
    ASSERT_EQ(shortMessages.size(), 3u);
    EXPECT_EQ(shortMessages[0], (Bytes{0x90, 0x3C, 0x40}));
    EXPECT_EQ(shortMessages[1], Bytes{0xF8});
}

TEST(ByteStreamTest, AnOversizedMessageIsDroppedAndTheNextOneIsHeard)
{
    SimulatorRig rig;
    Bytes stream = bulkDump(0, 0x600000, Bytes(25633, 0x01), 12816); // one byte over the largest
    append(stream, request(parameterRequestCode, 0, 0x000000));
    const Bytes before = rig.fs1r.dumpData(0x600000);
    rig.send(stream);
    EXPECT_EQ(rig.takeSent().size(), 1u);
    EXPECT_EQ(rig.fs1r.dumpData(0x600000), before);
    EXPECT_EQ(rig.fs1r.rejectedDumpCount(), 0u); // never assembled, so never looked at
}

TEST(ByteStreamTest, AnswersFedStraightBackDoNotDeadlock)
{
    // An instrument wired to itself hears its own answers; parameter changes
    // it receives are applied, dumps it receives are written back.
    SimulatedFs1r* self = nullptr;
    std::size_t sent = 0;
    SimulatedFs1r fs1r([&](const std::uint8_t* data, std::size_t size) {
        ++sent;
        self->receiveBytes(data, size);
    });
    self = &fs1r;
    const Bytes ask = request(dumpRequestCode, 0, 0x100000);
    fs1r.receiveBytes(ask.data(), ask.size());
    EXPECT_EQ(sent, 1u);
    EXPECT_EQ(fs1r.rejectedDumpCount(), 0u);
}

} // namespace
