#include "tests/midiinterface/Fs1rTestProtocol.h"

#include "midi/MidiInterface.h"

#include <array>

namespace {

constexpr std::array<std::uint8_t, 8> bulkDumpBytes{0x43, 0x00, 0x5E, 0x81, 0x81, 0x80, 0x80, 0x80};
constexpr std::array<std::uint8_t, 8> parameterChangeBytes{0x43, 0x10, 0x5E, 0x80, 0x80, 0x80, 0x82, 0x82};
constexpr SysexMessage::Header parameterRequestHeader{0x43, 0x30, 0x5E};
constexpr SysexMessage::Header dumpRequestHeader{0x43, 0x20, 0x5E};
constexpr SysexMessage::Header parameterChangeHeader{0x43, 0x10, 0x5E};
constexpr std::uint32_t parameterChangeDataLength = 2;

struct PageRow {
    PackedAddress parameterAddress;
    std::uint32_t size;
    PackedAddress dumpAddress;
    bool neverSend;
};

std::vector<PageRow> fs1rPages()
{
    constexpr std::uint32_t partCount = 4;
    constexpr std::uint32_t operatorCount = 8;
    constexpr std::uint32_t partSize = 52;
    constexpr std::uint32_t voiceCommonSize = 112;
    constexpr std::uint32_t operatorSize = 62;
    std::vector<PageRow> rows{{0x000000, 76, 0x000000, false}, {0x100000, 192, 0x100000, false}};
    PackedAddress partDump = addToPackedAddress(0x100000, 192);
    for (std::uint32_t k = 0; k < partCount; ++k) {
        rows.push_back({0x300000 + k * 0x010000, partSize, partDump, false});
        partDump = addToPackedAddress(partDump, partSize);
        const PackedAddress voice = 0x400000 + k * 0x010000;
        rows.push_back({voice, voiceCommonSize, voice, false});
        PackedAddress operatorDump = addToPackedAddress(voice, voiceCommonSize);
        for (std::uint32_t j = 0; j < operatorCount; ++j) {
            rows.push_back({0x600000 + k * 0x010000 + j * 0x000100, operatorSize, operatorDump, false});
            operatorDump = addToPackedAddress(operatorDump, operatorSize);
        }
    }
    rows.push_back({0x700000, 32, 0x600000, false});
    rows.push_back({0x700020, 25600, 0x600020, true});
    return rows;
}

} // namespace

Fs1rTestProtocol::Fs1rTestProtocol()
    : bulkDump_(bulkDumpBytes, SysexTemplate::oneChecksumByte),
      parameterChange_(parameterChangeBytes, SysexTemplate::noChecksum)
{
}

void Fs1rTestProtocol::setUp(MidiInterface& midi) const
{
    midi.setTemplates(&bulkDump_, &parameterChange_);
    midi.parameterChangeMessage().create(parameterChangeHeader, parameterChangeDataLength);
    midi.parameterRequestMessage().create(parameterRequestHeader, 0);
    midi.dumpRequestMessage().create(dumpRequestHeader, 0);
}

void Fs1rTestProtocol::buildAddressMap(AddressMap& map, bool withEntries)
{
    for (const PageRow& row : fs1rPages()) {
        AddressPage* page = map.addPage(row.parameterAddress, row.size);
        page->setDumpOffset((linearAddress(row.dumpAddress) - linearAddress(row.parameterAddress)) & linearAddressMask);
        page->setNeverSend(row.neverSend);
        if (!withEntries)
            continue;
        for (std::uint32_t i = 0; i < row.size; ++i)
            map.createEntry(addToPackedAddress(row.parameterAddress, i)).growTo(1);
    }
}
