#include "instrument/Fs1rSysexFile.h"

#include "files/FileReader.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/SysexParseErrorText.h"
#include "sysex/MidiBytes.h"
#include "sysex/SysexReadState.h"
#include "text/WxText.h"

#include <algorithm>
#include <array>

#include <wx/intl.h>
#include <wx/string.h>

namespace {

using MidiByte::sysexEnd;
using L = Fs1rMemoryLayout;

// Internal slot n of a kind is at its base + n: the area is the high byte.
constexpr PackedAddress slotAreaMask = 0xFF0000;

// Takes every byte and keeps none: reading a dump into it checks the dump
// whole without writing anything.
class DryRunSink : public DeviceDataSink {
public:
    void parameterReceived(PackedAddress, std::uint32_t, std::uint32_t) override {}
    std::size_t bytesReceived(PackedAddress, std::span<const std::uint8_t> bytes, std::uint32_t) override
    {
        return bytes.size();
    }
};

wxString kindName(Fs1rPart part)
{
    if (part == Fs1rParts::performance)
        return _("performance");
    return Fs1rParts::isVoice(part) ? _("voice") : _("formant sequence");
}

} // namespace

Fs1rSysexFile Fs1rSysexFile::parse(std::span<const std::uint8_t> bytes, const SysexTemplate& bulkDump)
{
    Fs1rSysexFile file(bulkDump);
    file.check(bytes);
    return file;
}

Fs1rSysexFile Fs1rSysexFile::read(const std::string& path, const SysexTemplate& bulkDump)
{
    std::string bytes;
    std::string error;
    if (FileReader::readAll(path, maxFileSize, bytes, &error))
        return parse(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), bulkDump);
    Fs1rSysexFile file(bulkDump);
    file.refuse(wxString::Format(_("The file cannot be read: %s"), wxString::FromUTF8(error)));
    return file;
}

void Fs1rSysexFile::check(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return refuse(_("The file is empty."));
    if (bytes.size() > maxFileSize)
        return refuse(_("The file is larger than any FS1R bulk dump."));
    SysexReadState header(bytes);
    const SysexParseResult matched = template_.match(header);
    if (matched == SysexParseResult::endInData)
        return refuse(_("The file ends before its bulk dump does."), matched);
    if (matched == SysexParseResult::statusInData)
        return refuseDump(matched);
    if (matched != SysexParseResult::success)
        return refuse(_("The file is not an FS1R bulk dump."), matched);
    const auto end = std::find(bytes.begin() + std::ptrdiff_t(header.cursor), bytes.end(), sysexEnd);
    if (end == bytes.end())
        return refuse(_("The file ends before its bulk dump does."), SysexParseResult::endMisplaced);
    const auto message = bytes.first(std::size_t(end - bytes.begin()) + 1);
    SysexReadState state(message);
    template_.match(state);
    DryRunSink dryRun;
    if (const SysexParseResult read = template_.readData(state, dryRun, 0); read != SysexParseResult::success)
        return refuseDump(read);
    if (message.size() < bytes.size())
        return refuse(_("The file holds more than one bulk dump: a .syx file holds one only."));
    if (!takeAddress(state.address))
        return refuse(wxString::Format(
            _("The bulk dump in the file holds no performance, voice or formant sequence (address %06X)."),
            state.address));
    // Reading moved the state's cursor past the data; the header's marks their start.
    const auto data = message.subspan(header.cursor, message.size() - header.cursor - state.trailer - 1);
    if (const std::uint32_t expected = expectedDataLength(data); data.size() != expected)
        return refuse(wxString::Format(_("The %s dump in the file holds %u data bytes instead of %u."),
            kindName(part_), unsigned(data.size()), unsigned(expected)));
    message_.assign(message.begin(), message.end());
    dataSize_ = std::uint32_t(data.size());
    dataStart_ = header.cursor;
}

std::optional<std::uint8_t> Fs1rSysexFile::dataByte(std::uint32_t index) const
{
    if (index >= dataSize_)
        return std::nullopt;
    return message_[dataStart_ + index];
}

void Fs1rSysexFile::refuse(const wxString& error, SysexParseResult result)
{
    error_ = fromWxString(error);
    parseResult_ = result;
    part_ = Fs1rParts::shownPage;
    internalSlot_ = false;
}

void Fs1rSysexFile::refuseDump(SysexParseResult result)
{
    const std::string text(sysexParseErrorText(result));
    refuse(wxString::Format(_("The bulk dump in the file is damaged: %s."), wxString::FromUTF8(text)), result);
}

bool Fs1rSysexFile::takeAddress(PackedAddress address)
{
    address_ = address;
    const PackedAddress area = address & slotAreaMask;
    internalSlot_ = area == L::internalPerformanceBase || area == L::internalVoiceBase;
    if (address == L::performanceDumpAddress || area == L::internalPerformanceBase)
        part_ = Fs1rParts::performance;
    else if (area == L::internalVoiceBase)
        part_ = Fs1rParts::ofVoice(0);
    else if (address == L::fseqDumpAddress)
        part_ = Fs1rParts::formantSequence;
    for (std::uint32_t p = 0; p < Fs1rParts::voiceCount; ++p)
        if (address == L::voiceDumpAddress(p))
            part_ = Fs1rParts::ofVoice(p);
    return Fs1rParts::isValid(part_);
}

std::uint32_t Fs1rSysexFile::expectedDataLength(std::span<const std::uint8_t> data) const
{
    if (part_ == Fs1rParts::performance)
        return L::performanceDumpSize;
    if (Fs1rParts::isVoice(part_))
        return L::voiceDumpSize;
    const std::uint32_t lengthCode = data.size() > fseqLengthCodeOffset ? data[fseqLengthCodeOffset] : 0;
    return L::fseqDumpSize(L::fseqFrames(lengthCode));
}

bool Fs1rSysexFile::load(DeviceDataSink& sink, std::uint32_t flags, std::optional<std::uint32_t> destinationVoice) const
{
    if (!isValid() || (destinationVoice && *destinationVoice >= Fs1rParts::voiceCount))
        return false;
    SysexReadState state(message_);
    if (template_.match(state) != SysexParseResult::success)
        return false;
    state.address = editBufferAddress(destinationVoice);
    return template_.readData(state, sink, flags) == SysexParseResult::success;
}

PackedAddress Fs1rSysexFile::editBufferAddress(std::optional<std::uint32_t> destinationVoice) const
{
    if (Fs1rParts::isVoice(part_))
        return L::voiceDumpAddress(destinationVoice.value_or(Fs1rParts::voiceIndex(part_)));
    return *L::editBufferDumpAddress(part_);
}

std::vector<std::uint8_t> Fs1rSysexFile::build(Fs1rPart part, const SysexTemplate& bulkDump,
    DumpDataSource& source, std::uint8_t deviceNumber)
{
    const std::optional<PackedAddress> address = L::editBufferDumpAddress(part);
    if (!address)
        return {};
    const std::uint32_t size = editBufferSize(part, source);
    std::vector<std::uint8_t> bytes(bulkDump.dumpLength(size));
    bytes.resize(bulkDump.build(bytes, deviceNumber, *address, size, source, SysexTemplate::sourceAddressInHeader,
        L::countDivisor(*address)));
    return bytes;
}

std::uint32_t Fs1rSysexFile::editBufferSize(Fs1rPart part, DumpDataSource& source)
{
    if (part == Fs1rParts::performance)
        return L::performanceDumpSize;
    if (Fs1rParts::isVoice(part))
        return L::voiceDumpSize;
    return part == Fs1rParts::formantSequence ? L::fseqDumpSize(fseqFrameCount(source)) : 0;
}

std::uint32_t Fs1rSysexFile::fseqFrameCount(DumpDataSource& source)
{
    std::array<std::uint8_t, 1> lengthCode{};
    std::uint32_t sum = 0;
    source.readBytesWithSum(addToPackedAddress(L::fseqDumpAddress, fseqLengthCodeOffset), lengthCode, sum);
    return L::fseqFrames(lengthCode[0]);
}
