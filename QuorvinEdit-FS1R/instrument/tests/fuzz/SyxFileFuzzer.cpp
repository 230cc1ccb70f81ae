// Feeds arbitrary bytes to the .syx file check. It stops on three broken
// promises: a refused file writes something, an accepted file fails to load,
// and the file built again from what was loaded carries other data.
//
// The first byte chooses whether the rest is the file as it is or data put
// behind a valid header at one of the addresses a file may name, with the
// count, checksum and F7 fixed as asked, so the run reaches the loading and
// not only the refusals.
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rSysexFile.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressMap.h"
#include "tests/fuzz/FuzzerSupport.h"
#include "tests/support/CountingSink.h"

#include <array>
#include <numeric>

namespace {

using Bytes = std::vector<std::uint8_t>;
using L = Fs1rMemoryLayout;

enum Switch : std::uint8_t {
    wrapInHeader = 0x01,
    fixFraming = 0x02, // the count, the checksum and F7
    halveCount = 0x04,
    fitLength = 0x08, // the data length of the kind the address names
    addressChoice = 0xE0, // three bits: one of the addresses below
};
constexpr unsigned addressShift = 5;
constexpr std::array<PackedAddress, 8> addresses{0x100000, 0x110005, 0x400000, 0x430000, 0x51007F, 0x600000,
    0x610001, 0x000000};
constexpr std::size_t countPosition = 4;
constexpr std::size_t dataPosition = 9;

struct Fixture {
    Fixture()
    {
        startQuietToolkit();
        L::buildAddressMap(map);
        for (const Fs1rMemoryPage& page : L::pages())
            for (std::uint32_t i = 0; i < page.size; ++i)
                map.createEntry(addToPackedAddress(page.parameterAddress, i)).growTo(1);
    }
    AddressMap map{L::pageCapacity};
    CountingSink sink{map};
    const Fs1rSysexProtocol protocol;
};

std::size_t kindLength(PackedAddress address, const Bytes& payload)
{
    if (address >= L::fseqDumpAddress) {
        const std::uint8_t code = payload.size() > Fs1rSysexFile::fseqLengthCodeOffset
            ? payload[Fs1rSysexFile::fseqLengthCodeOffset] & 0x7F : 0;
        return L::fseqDumpSize(L::fseqFrames(code));
    }
    return address >= L::firstVoiceDumpAddress ? L::voiceDumpSize : L::performanceDumpSize;
}

Bytes shapeFile(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    const std::uint8_t switches = data[0];
    Bytes payload(data + 1, data + size);
    if (!(switches & wrapInHeader))
        return payload;
    const PackedAddress address = addresses[(switches & addressChoice) >> addressShift];
    Bytes file{0xF0, 0x43, 0x00, 0x5E, 0, 0, std::uint8_t(address >> 16), std::uint8_t(address >> 8),
        std::uint8_t(address)};
    if (switches & fitLength)
        payload.resize(kindLength(address, payload));
    for (std::uint8_t byte : payload)
        file.push_back(byte & 0x7F);
    if (!(switches & fixFraming))
        return file;
    const std::size_t count = (file.size() - dataPosition) / ((switches & halveCount) ? 2 : 1);
    file[countPosition] = (count >> 7) & 0x7F;
    file[countPosition + 1] = count & 0x7F;
    file.push_back((0u - std::accumulate(file.begin() + countPosition, file.end(), 0u)) & 0x7F);
    file.push_back(0xF7);
    return file;
}

void checkRefusal(Fixture& f, const Fs1rSysexFile& file)
{
    const long before = f.sink.calls;
    require(!file.load(f.sink, flagsFileLoad, 1), "refused file loaded", file.error().toUtf8());
    require(f.sink.calls == before && !file.error().isEmpty(), "refused file wrote or gave no reason",
        file.error().toUtf8());
}

// The data as loaded come back out in a file of the edit buffer.
void checkLoad(Fixture& f, const Fs1rSysexFile& file, const Bytes& bytes)
{
    require(file.load(f.sink, flagsFileLoad), "accepted file did not load", "");
    const Bytes built = Fs1rSysexFile::build(file.part(), f.protocol.bulkDump(), f.sink.sink, 0);
    const auto data = [](const Bytes& message) { return Bytes(message.begin() + dataPosition, message.end() - 2); };
    require(!built.empty() && data(built) == data(bytes), "edit buffer file differs from the loaded one", "");
    require(Fs1rSysexFile::parse(built, f.protocol.bulkDump()).isValid(), "built file refused", "");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Fixture fixture;
    const Bytes bytes = shapeFile(data, size);
    const Fs1rSysexFile file = Fs1rSysexFile::parse(bytes, fixture.protocol.bulkDump());
    if (file.isValid())
        checkLoad(fixture, file, bytes);
    else
        checkRefusal(fixture, file);
    return 0;
}
