#include "instrument/Fs1rMemoryLayout.h"

#include "sysex/AddressMap.h"

#include <array>
#include <utility>

namespace {

using L = Fs1rMemoryLayout;

// The dumps the pages make up; the pages of one dump follow each other in
// bulk-dump space without gaps, in the order they are added.
enum Dump : std::size_t {
    systemDump,
    performanceDump,
    firstVoiceDump,
    fseqDump = firstVoiceDump + Fs1rParts::voiceCount,
    dumpCount
};

constexpr std::array<PackedAddress, dumpCount> dumpStarts{L::systemDumpAddress, L::performanceDumpAddress,
    L::voiceDumpAddress(0), L::voiceDumpAddress(1), L::voiceDumpAddress(2), L::voiceDumpAddress(3),
    L::fseqDumpAddress};

// count pages of one size, parameterStep apart.
struct PageRow {
    PackedAddress parameterAddress;
    std::uint32_t size;
    Dump dump;
    std::uint32_t count = 1;
    PackedAddress parameterStep = 0;
    bool neverSend = false;
};

constexpr PageRow rowsBeforeParts[] = {
    {0x000000, 76, systemDump},
    {0x100000, 192, performanceDump},
};

// Repeated for each part k, k part steps further in parameter space; the
// voice pages go into voice k's dump, the part page into the performance's.
constexpr PageRow rowsOfEachPart[] = {
    {0x300000, 52, performanceDump},
    {0x400000, 112, firstVoiceDump},
    {0x600000, 62, firstVoiceDump, 8, 0x000100},
};

// The frames are edited in bulk on their own page and only ever sent as a
// dump.
constexpr PageRow rowsAfterParts[] = {
    {0x700000, L::fseqHeaderSize, fseqDump},
    {0x700020, L::fseqFrameSize * L::fseqMaxFrames, fseqDump, 1, 0, true},
};

class PageListBuilder {
public:
    void add(const PageRow& row, std::uint32_t part)
    {
        const PackedAddress partBase = sumPackedAddresses(row.parameterAddress, part * L::partStep);
        const Dump dump = row.dump == firstVoiceDump ? Dump(firstVoiceDump + part) : row.dump;
        for (std::uint32_t i = 0; i < row.count; ++i) {
            PackedAddress& dumpAddress = nextDumpAddress_[dump];
            pages_.push_back({sumPackedAddresses(partBase, i * row.parameterStep), row.size, dumpAddress, row.neverSend});
            dumpAddress = addToPackedAddress(dumpAddress, row.size);
        }
    }

    std::vector<Fs1rMemoryPage> pages() && { return std::move(pages_); }

private:
    std::array<PackedAddress, dumpCount> nextDumpAddress_ = dumpStarts;
    std::vector<Fs1rMemoryPage> pages_;
};

std::vector<Fs1rMemoryPage> makePages()
{
    PageListBuilder builder;
    for (const PageRow& row : rowsBeforeParts)
        builder.add(row, 0);
    for (std::uint32_t part = 0; part < Fs1rParts::voiceCount; ++part)
        for (const PageRow& row : rowsOfEachPart)
            builder.add(row, part);
    for (const PageRow& row : rowsAfterParts)
        builder.add(row, 0);
    return std::move(builder).pages();
}

constexpr PackedAddress slotAreaMask = 0xFF0000;

} // namespace

const std::vector<Fs1rMemoryPage>& Fs1rMemoryLayout::pages()
{
    static const std::vector<Fs1rMemoryPage> pages = makePages();
    return pages;
}

std::uint32_t Fs1rMemoryLayout::dumpOffset(const Fs1rMemoryPage& page)
{
    return (linearAddress(page.dumpAddress) - linearAddress(page.parameterAddress)) & linearAddressMask;
}

bool Fs1rMemoryLayout::buildAddressMap(AddressMap& map)
{
    for (const Fs1rMemoryPage& page : pages()) {
        AddressPage* added = map.addPage(page.parameterAddress, page.size);
        if (!added)
            return false;
        added->setDumpOffset(dumpOffset(page));
        added->setNeverSend(page.neverSend);
    }
    return true;
}

std::optional<PackedAddress> Fs1rMemoryLayout::editBufferDumpAddress(Fs1rPart part)
{
    if (part == Fs1rParts::performance)
        return performanceDumpAddress;
    if (Fs1rParts::isVoice(part))
        return voiceDumpAddress(Fs1rParts::voiceIndex(part));
    if (part == Fs1rParts::formantSequence)
        return fseqDumpAddress;
    return std::nullopt;
}

std::uint32_t Fs1rMemoryLayout::countDivisor(PackedAddress dumpAddress)
{
    const bool sequence = dumpAddress == fseqDumpAddress || (dumpAddress & slotAreaMask) == internalFseqBase;
    return sequence ? fseqCountDivisor : 1;
}
