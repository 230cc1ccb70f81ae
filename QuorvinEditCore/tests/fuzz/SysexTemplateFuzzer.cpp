// Feeds arbitrary bytes to the FS1R's dump and parameter-change templates
// over a full memory map. Besides crashes and over-reads it stops on two
// broken promises: a message that fails a check has written something, and a
// dump built from memory does not read back into the same bytes.
#include "../sysex/Fs1rTestLayout.h"

#include "params/SetValueFlags.h"
#include "sysex/AddressMapDataSink.h"
#include "tests/support/CountingSink.h"

#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Switches in the first input byte. Without wrapInHeader the rest of the
// input is the message as it is; with it the rest follows a dump header and
// may be cleaned and given a right count, checksum and F7, so that the
// fuzzer reaches the reading code and not only the checks.
enum Switch : std::uint8_t {
    wrapInHeader = 0x01,
    fixCount = 0x02,
    halveCount = 0x04,
    fixChecksum = 0x08,
    cleanData = 0x10,
    appendEnd = 0x20,
    parameterChangeHeader = 0x40,
    deviceNumberOne = 0x80,
};
constexpr std::uint8_t parameterChangeKind = 0x10;
constexpr std::size_t countPosition = 4;
constexpr std::size_t dataPosition = 9;
constexpr std::uint32_t maxRoundTripBytes = 1024;

struct Fixture {
    Fixture() { fs1r::addLayout(map); }
    AddressMap map{fs1r::pageCapacity};
    CountingSink sink{map};
    AddressMapDataSink source{map};
    SysexTemplate dump = fs1r::dumpTemplate();
    SysexTemplate parameterChange = fs1r::parameterChangeTemplate();
};

Bytes shapeMessage(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    const std::uint8_t switches = data[0];
    Bytes payload(data + 1, data + size);
    if (!(switches & wrapInHeader))
        return payload;
    const std::uint8_t kind = (switches & parameterChangeHeader) ? parameterChangeKind : 0;
    Bytes message{0xF0, 0x43, std::uint8_t(kind | ((switches & deviceNumberOne) ? 1 : 0)), 0x5E};
    if (switches & cleanData)
        for (std::uint8_t& byte : payload)
            byte &= 0x7F;
    message.insert(message.end(), payload.begin(), payload.end());
    if ((switches & fixCount) && message.size() >= dataPosition) {
        const std::size_t dataLength = message.size() - dataPosition;
        const std::size_t count = (switches & halveCount) ? dataLength / 2 : dataLength;
        message[countPosition] = (count >> 7) & 0x7F;
        message[countPosition + 1] = count & 0x7F;
    }
    if ((switches & fixChecksum) && message.size() >= countPosition) {
        const std::uint32_t sum = std::accumulate(message.begin() + countPosition, message.end(), 0u);
        message.push_back((0u - sum) & 0x7F);
    }
    if (switches & appendEnd)
        message.push_back(0xF7);
    return message;
}

void expect(bool promise)
{
    if (!promise)
        std::abort();
}

void readMessage(Fixture& f, const Bytes& message)
{
    SysexReadState state(message);
    long before = f.sink.calls;
    SysexParseResult result = f.dump.match(state);
    if (result == SysexParseResult::success)
        result = f.dump.readData(state, f.sink, flagsSysexReceived);
    expect(result == SysexParseResult::success || f.sink.calls == before);

    SysexReadState change(message);
    before = f.sink.calls;
    result = f.parameterChange.matchAndRead(change, f.sink, flagsSysexReceived);
    expect(result == SysexParseResult::success || f.sink.calls == before);

    // The first piece of a dump still arriving is matched on its own.
    SysexReadState piece(std::span(message).first(message.size() / 2));
    f.dump.match(piece);
}

// Whatever the memory holds after the message, a dump of any stretch of it
// reads back without changing a byte.
void roundTrip(Fixture& f, PackedAddress address, std::uint32_t count)
{
    Bytes first(f.dump.dumpLength(count));
    Bytes second(first.size());
    expect(f.dump.build(first, 0, address, count, f.source) == first.size());
    SysexReadState state(first);
    expect(f.dump.match(state) == SysexParseResult::success);
    expect(f.dump.readData(state, f.sink, flagsSysexReceived) == SysexParseResult::success);
    expect(f.dump.build(second, 0, address, count, f.source) == second.size());
    expect(first == second);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Fixture fixture;
    const Bytes message = shapeMessage(data, size);
    readMessage(fixture, message);
    // Stretches that start outside memory are all zeros; they only cost time.
    SysexReadState header(message);
    if (fixture.dump.match(header) == SysexParseResult::success && fixture.map.findPage(header.address, true))
        roundTrip(fixture, header.address, header.byteCount % maxRoundTripBytes);
    return 0;
}
