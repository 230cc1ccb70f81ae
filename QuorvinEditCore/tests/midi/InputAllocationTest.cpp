// Counts allocations per thread by replacing the global allocation
// functions for this test program.
#include "MidiTestSupport.h"

#include <cstdlib>
#include <new>

namespace {

thread_local std::size_t allocationsOnThisThread = 0;

} // namespace

void* operator new(std::size_t size)
{
    ++allocationsOnThisThread;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace {

// Notes the input thread's allocation count at the first and the last
// call, and allocates nothing itself.
class AllocationWatcher : public MidiInputListener, public MidiPortLogger {
public:
    void onShortMessage(MidiMessage, MidiInPort&) override { note(); }
    void onSysexStart(const std::uint8_t*, std::size_t, const MidiDeviceInfo&) override { note(); }
    void onSysexData(const std::uint8_t*, std::size_t, const MidiDeviceInfo&) override { note(); }
    void onSysexEnd(const std::uint8_t*, std::size_t count, const MidiDeviceInfo&) override
    {
        note();
        lastCount = count;
    }
    void logInfo(const MidiDeviceInfo&, const RefString&) override {}
    void logError(const MidiDeviceInfo&, const RefString&) override {}

    std::size_t calls = 0;
    std::size_t atFirstCall = 0;
    std::size_t atLastCall = 0;
    std::size_t lastCount = 0;

private:
    void note()
    {
        if (calls++ == 0)
            atFirstCall = allocationsOnThisThread;
        atLastCall = allocationsOnThisThread;
    }
};

class InputAllocationTest : public LoopbackTest {};

TEST_F(InputAllocationTest, InputThreadNeverAllocatesPerBlock)
{
    backend->addPortPair("FS1R");
    AllocationWatcher watcher;
    MidiInPort in(fs1rMaxSysex, watcher, watcher);
    ASSERT_EQ(in.open(device("FS1R")), MidiPortError::ok);
    std::vector<std::uint8_t> stream = {0x90, 60, 100};
    const auto dump = sysex(fs1rMaxSysex);
    for (int i = 0; i < 3; ++i) {
        stream.insert(stream.end(), dump.begin(), dump.end());
        stream.insert(stream.end(), {0xB0, 7, 100, 0xF8});
    }
    inject("FS1R", stream);
    ASSERT_TRUE(backend->waitUntilIdle());
    EXPECT_GT(watcher.calls, 300u);
    EXPECT_EQ(watcher.lastCount, fs1rMaxSysex);
    EXPECT_EQ(watcher.atLastCall, watcher.atFirstCall);
}

} // namespace
