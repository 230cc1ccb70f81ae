// The FS1R device's edit buffers and patch caches: where each edit buffer
// stands in the instrument's memory, loading the current patch from the
// cache or the instrument, and filing received dumps into the cache.
#include "instrument/Fs1rDevice.h"

#include "files/FileReader.h"
#include "instrument/Fs1rCategoryTags.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rPanels.h"
#include "instrument/SysexParseErrorText.h"
#include "params/Parameter.h"
#include "patches/PatchLibrary.h"
#include "sysex/SysexReadState.h"
#include "text/WxText.h"
#include "undo/CommandList.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include <wx/log.h>
#include <wx/translation.h>

namespace {

using Layout = Fs1rMemoryLayout;

// F0 and the template's bytes come before a dump's data.
constexpr std::size_t dumpHeaderLength = Fs1rSysexProtocol::bulkDumpBytes.size() + 1;
// Where the category byte sits in a performance or voice.
constexpr std::uint32_t categoryOffset = linearAddress(Layout::performanceCategoryAddress)
    - linearAddress(Layout::performanceDumpAddress);
// Where the length code sits in a formant sequence.
constexpr std::uint32_t fseqLengthCodeOffset = 0x1B;
// The high byte of an address names its memory area.
constexpr PackedAddress areaMask = 0xFF0000;
// Only the low byte of an internal-slot address names the program.
constexpr PackedAddress slotMask = 0xFF;
// A program argument that stands for the current location.
constexpr std::int32_t currentSlot = -1;
// Internal memory is bank 0 of the caches.
constexpr std::uint32_t internalBank = 0;

Fs1rLibraries::Index libraryOf(Fs1rPart part)
{
    if (part == Fs1rParts::performance)
        return Fs1rLibraries::performances;
    return Fs1rParts::isVoice(part) ? Fs1rLibraries::voices : Fs1rLibraries::formantSequences;
}

// The page that shows a part.
std::int32_t pageOf(Fs1rPart part)
{
    return part + Fs1rPanels::performancePage;
}

std::uint32_t byteAt(std::span<const std::uint8_t> bytes, std::size_t index)
{
    return index < bytes.size() ? bytes[index] : 0;
}

// Narrow text up to the first zero byte; trailing blanks stay.
RefString nameOf(std::span<const std::uint8_t> bytes)
{
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t(0));
    return RefString::fromNarrow(reinterpret_cast<const char*>(bytes.data()), end - bytes.begin());
}

// The edit buffer a dump loads into: internal slots load as the edit
// buffer of their kind, a voice into the destination voice when one is
// given. None for a dump that is no performance, voice or sequence.
std::optional<PackedAddress> loadAddressOf(PackedAddress headerAddress, std::int32_t destinationVoice)
{
    const PackedAddress area = headerAddress & areaMask;
    if (headerAddress == Layout::performanceDumpAddress || area == Layout::internalPerformanceBase)
        return Layout::performanceDumpAddress;
    if (headerAddress == Layout::fseqDumpAddress)
        return Layout::fseqDumpAddress;
    std::optional<std::uint32_t> voice;
    if (area == Layout::internalVoiceBase)
        voice = 0;
    for (std::uint32_t p = 0; p < Fs1rParts::voiceCount; ++p)
        if (headerAddress == Layout::voiceDumpAddress(p))
            voice = p;
    if (!voice)
        return std::nullopt;
    if (destinationVoice >= 0 && std::uint32_t(destinationVoice) < Fs1rParts::voiceCount)
        voice = std::uint32_t(destinationVoice);
    return Layout::voiceDumpAddress(*voice);
}

// The part whose edit buffer starts at a dump address.
Fs1rPart partAt(PackedAddress editBufferAddress)
{
    if (editBufferAddress == Layout::performanceDumpAddress)
        return Fs1rParts::performance;
    if (editBufferAddress == Layout::fseqDumpAddress)
        return Fs1rParts::formantSequence;
    return Fs1rParts::ofVoice((editBufferAddress - Layout::firstVoiceDumpAddress) / Layout::partStep);
}

// The data bytes a whole dump of a part must carry; a sequence says its
// own length.
std::uint32_t dataSizeOf(Fs1rPart part, std::span<const std::uint8_t> message)
{
    if (part == Fs1rParts::performance)
        return Layout::performanceDumpSize;
    if (part == Fs1rParts::formantSequence)
        return Layout::fseqDumpSize(Layout::fseqFrames(byteAt(message, dumpHeaderLength + fseqLengthCodeOffset)));
    return Layout::voiceDumpSize;
}

std::uint32_t nameSizeOf(Fs1rPart part)
{
    if (part == Fs1rParts::performance)
        return Layout::performanceNameSize;
    return part == Fs1rParts::formantSequence ? Layout::fseqNameSize : Layout::voiceNameSize;
}

std::string_view asChars(std::span<const std::uint8_t> bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace

// --- Current locations and names ----------------------------------------------------

std::uint32_t Fs1rDevice::readByte(PackedAddress address) const
{
    return std::uint32_t(std::max(readValue(address), 0));
}

RefString Fs1rDevice::readName(PackedAddress dumpAddress, std::uint32_t size)
{
    std::array<std::uint8_t, Layout::performanceNameSize> buffer{};
    std::uint32_t sum = 0;
    const std::size_t read = readBytesWithSum(dumpAddress, std::span(buffer).first(size), sum);
    return nameOf(std::span(buffer).first(read));
}

RefString Fs1rDevice::categoryAt(PackedAddress address) const
{
    return categoryTag(readByte(address));
}

RefString Fs1rDevice::getPerformanceName()
{
    return readName(Layout::performanceDumpAddress, Layout::performanceNameSize);
}

RefString Fs1rDevice::getVoiceName(std::uint32_t p)
{
    return readName(Layout::voiceDumpAddress(p), Layout::voiceNameSize);
}

RefString Fs1rDevice::getFseqName()
{
    return readName(Layout::fseqDumpAddress, Layout::fseqNameSize);
}

std::uint32_t Fs1rDevice::getFseqFrameCount() const
{
    return Layout::fseqFrames(readByte(Layout::fseqLengthCodeAddress));
}

Fs1rPatchLocation Fs1rDevice::editBufferLocation(Fs1rPart part, std::uint32_t bank, std::uint32_t program)
{
    Fs1rPatchLocation location{bank, program, {}, {}};
    if (part == Fs1rParts::performance) {
        location.name = getPerformanceName();
        location.category = categoryAt(Layout::performanceCategoryAddress);
    } else if (Fs1rParts::isVoice(part)) {
        const std::uint32_t p = Fs1rParts::voiceIndex(part);
        location.name = getVoiceName(p);
        location.category = categoryAt(Layout::voiceCategoryAddress(p));
    } else {
        location.name = getFseqName();
    }
    return location;
}

Fs1rPatchLocation Fs1rDevice::getCurrentPerformanceLocation()
{
    const std::int32_t bank = currentBank_ ? currentBank_->getValue() - firstPerformanceBank : 0;
    const std::int32_t program = currentNumber_ ? currentNumber_->getValue() : 0;
    return editBufferLocation(Fs1rParts::performance, std::uint32_t(std::max(bank, 0)),
        std::uint32_t(std::max(program, 0)));
}

bool Fs1rDevice::isPartOff(std::uint32_t p) const
{
    return p >= Fs1rParts::voiceCount || readByte(Layout::partVoiceBankAddress(p)) == 0;
}

std::optional<Fs1rPatchLocation> Fs1rDevice::getCurrentVoiceLocation(std::uint32_t p)
{
    if (isPartOff(p))
        return std::nullopt;
    // Bank byte 1 is the internal bank, the caches' bank 0.
    const std::uint32_t bank = readByte(Layout::partVoiceBankAddress(p)) - 1;
    return editBufferLocation(Fs1rParts::ofVoice(p), bank, readByte(Layout::partVoiceNumberAddress(p)));
}

Fs1rPatchLocation Fs1rDevice::getCurrentFseqLocation()
{
    return editBufferLocation(Fs1rParts::formantSequence, readByte(Layout::performanceFseqBankAddress),
        readByte(Layout::performanceFseqNumberAddress));
}

std::optional<Fs1rPatchLocation> Fs1rDevice::currentLocation(Fs1rPart part)
{
    if (part == Fs1rParts::performance)
        return getCurrentPerformanceLocation();
    if (Fs1rParts::isVoice(part))
        return getCurrentVoiceLocation(Fs1rParts::voiceIndex(part));
    return getCurrentFseqLocation();
}

// --- Edit-buffer dumps ------------------------------------------------------------------

std::vector<std::uint8_t> Fs1rDevice::editBufferDump(Fs1rPart part)
{
    const std::optional<PackedAddress> address = Layout::editBufferDumpAddress(part);
    if (!address || !midiInterface())
        return {};
    std::uint32_t size = Layout::voiceDumpSize;
    if (part == Fs1rParts::performance)
        size = Layout::performanceDumpSize;
    else if (part == Fs1rParts::formantSequence)
        size = Layout::fseqDumpSize(getFseqFrameCount());
    std::vector<std::uint8_t> dump(bulkDumpTemplate().dumpLength(size));
    const std::size_t length = bulkDumpTemplate().build(dump, midiInterface()->deviceId(), *address, size, *this,
        *address, Layout::countDivisor(*address));
    dump.resize(length);
    return dump;
}

bool Fs1rDevice::loadDump(std::span<const std::uint8_t> message, std::uint32_t flags, std::int32_t destinationVoice)
{
    return loadDumpInto(message, flags, destinationVoice, std::nullopt);
}

bool Fs1rDevice::loadDumpInto(std::span<const std::uint8_t> message, std::uint32_t flags,
    std::int32_t destinationVoice, std::optional<PackedAddress> requiredAddress)
{
    SysexReadState state(message);
    SysexParseResult result = bulkDumpTemplate().match(state);
    if (result != SysexParseResult::success) {
        wxLogError("%s", sysexParseErrorText(result));
        return false;
    }
    const std::optional<PackedAddress> address = loadAddressOf(state.address, destinationVoice);
    if (!address || (requiredAddress && *address != *requiredAddress)) {
        wxLogError("The sysex data at address %X is not a patch of the expected kind", state.address);
        return false;
    }
    if (message.size() != dumpOverhead() + dataSizeOf(partAt(*address), message)) {
        wxLogError("The sysex data at address %X has %d bytes, which is not the size of its kind", state.address,
            int(message.size()));
        return false;
    }
    state.address = *address;
    beginCommandGroup(fromWxString(_("Load patch from sysex")), flags);
    result = bulkDumpTemplate().readData(state, *this, flags);
    endCommandGroup(flags);
    if (result != SysexParseResult::success) {
        wxLogError("%s", sysexParseErrorText(result));
        return false;
    }
    return true;
}

// --- Loading the current patch ----------------------------------------------------------

void Fs1rDevice::loadCurrentPatch(std::int32_t part)
{
    if (!midiInterface()) {
        wxLogError("LoadPatch failed because the MIDI interface is not setup");
        return;
    }
    if (!Fs1rParts::isValid(part))
        return;
    const std::optional<Fs1rPatchLocation> location = currentLocation(part);
    if (!location) {
        wxLogVerbose("loadCurrentPatch (voice %d): init", part);
        panels_.initVoicePanel(std::int32_t(Fs1rParts::voiceIndex(part)));
        return;
    }
    // What comes next, from the cache or the instrument, is not an edit.
    panels_.markSaved(pageOf(part));
    if (!loadFromCache(part, *location))
        requestEditBuffer(part, *location);
}

bool Fs1rDevice::loadFromCache(Fs1rPart part, const Fs1rPatchLocation& location)
{
    PatchLibrary& cache = library(libraryOf(part));
    RefString path;
    RefString name;
    RefString category;
    if (!cache.getPatch(location.bank, location.program, path, name, category) || path.isEmpty())
        return false;
    std::string bytes;
    std::string error;
    if (FileReader::readAll(path.toUtf8(), std::size_t(maxSysexSize()), bytes, &error)) {
        wxLogVerbose("loadCurrentPatch: from cache");
        const std::span<const std::uint8_t> dump(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        const std::int32_t destinationVoice =
            Fs1rParts::isVoice(part) ? std::int32_t(Fs1rParts::voiceIndex(part)) : Fs1rParts::shownPage;
        if (loadDumpInto(dump, flagsPatchLoad, destinationVoice, Layout::editBufferDumpAddress(part)))
            return true;
        error = "its data are not a patch of this kind";
    }
    // The patch comes from the instrument instead, and the file goes out
    // of the way so it is not tried again.
    wxLogWarning("The cached patch %s cannot be used (%s); it is set aside", toWxString(path), error);
    std::string asideError;
    if (!cache.setPatchAside(location.bank, location.program, &asideError))
        wxLogError("The cached patch %s could not be set aside: %s", toWxString(path), asideError);
    return false;
}

void Fs1rDevice::requestEditBuffer(Fs1rPart part, const Fs1rPatchLocation& location)
{
    wxLogVerbose("loadCurrentPatch: from device");
    if (midiInterface()->requestDump(*Layout::editBufferDumpAddress(part)))
        requestedLocations_[std::size_t(part)].push_back(location);
}

void Fs1rDevice::abortWait(const RefString& message, bool showFailure)
{
    // The instrument did not answer: what was asked of it is not coming.
    if (showFailure)
        for (auto& requested : requestedLocations_)
            requested.clear();
    Device::abortWait(message, showFailure);
}

// --- Received dumps ----------------------------------------------------------------------

void Fs1rDevice::onDumpReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> message)
{
    const PackedAddress area = dumpAddress & areaMask;
    const Fs1rPatchLocation internalSlot{internalBank, dumpAddress & slotMask, {}, {}};
    if (area == Layout::internalPerformanceBase)
        fileReceivedDump(Fs1rParts::performance, internalSlot, message);
    else if (area == Layout::internalVoiceBase)
        fileReceivedDump(Fs1rParts::ofVoice(0), internalSlot, message);
    else if (loadAddressOf(dumpAddress, Fs1rParts::shownPage) == dumpAddress)
        fileEditBuffer(partAt(dumpAddress), message);
}

void Fs1rDevice::fileEditBuffer(Fs1rPart part, std::span<const std::uint8_t> message)
{
    const std::optional<Fs1rPatchLocation> current = currentLocation(part);
    std::deque<Fs1rPatchLocation>& requested = requestedLocations_[std::size_t(part)];
    if (requested.empty()) {
        // Sent by the instrument unasked: it is the patch it plays now.
        if (current)
            fileReceivedDump(part, *current, message);
        return;
    }
    const Fs1rPatchLocation asked = requested.front();
    requested.pop_front();
    fileReceivedDump(part, asked, message);
    // Another patch was chosen while this one was on its way: its data
    // now stand in the edit buffer, so the chosen one is brought back.
    if (current && !current->sameSlot(asked) && requested.empty())
        loadCurrentPatch(part);
}

void Fs1rDevice::fileReceivedDump(Fs1rPart part, const Fs1rPatchLocation& slot, std::span<const std::uint8_t> message)
{
    if (message.size() != dumpOverhead() + dataSizeOf(part, message)) {
        wxLogWarning("A dump of %d bytes does not hold a whole patch; it is not cached", int(message.size()));
        return;
    }
    // The instrument's own bytes are the truest copy of the patch.
    Fs1rPatchLocation location{slot.bank, slot.program, nameOf(message.subspan(dumpHeaderLength, nameSizeOf(part))),
        {}};
    if (part != Fs1rParts::formantSequence)
        location.category = categoryTag(byteAt(message, dumpHeaderLength + categoryOffset));
    logCacheUpdate(part, location);
    storeInCache(libraryOf(part), location, message);
}

// --- Cache updates -------------------------------------------------------------------------

bool Fs1rDevice::updatePerformanceCache(std::int32_t program)
{
    return updateCache(Fs1rParts::performance, program);
}

bool Fs1rDevice::updateVoiceCache(std::uint32_t p, std::int32_t program)
{
    return p < Fs1rParts::voiceCount && updateCache(Fs1rParts::ofVoice(p), program);
}

bool Fs1rDevice::updateFseqCache(std::int32_t program)
{
    return updateCache(Fs1rParts::formantSequence, program);
}

bool Fs1rDevice::updateCache(Fs1rPart part, std::int32_t program)
{
    if (program == currentSlot) {
        const std::optional<Fs1rPatchLocation> location = currentLocation(part);
        return location && fileIntoCache(part, *location);
    }
    return program >= 0 && fileIntoCache(part, editBufferLocation(part, internalBank, std::uint32_t(program)));
}

void Fs1rDevice::logCacheUpdate(Fs1rPart part, const Fs1rPatchLocation& location)
{
    if (part == Fs1rParts::performance)
        wxLogVerbose("   Update cache with performance (bank=%d prog=%d)", location.bank, location.program);
    else if (Fs1rParts::isVoice(part))
        wxLogVerbose("   Update cache with voice %d (bank=%d prog=%d)", Fs1rParts::voiceIndex(part), location.bank,
            location.program);
    else
        wxLogVerbose("   Update cache with formant sequence (bank=%d prog=%d)", location.bank, location.program);
}

bool Fs1rDevice::fileIntoCache(Fs1rPart part, const Fs1rPatchLocation& location)
{
    logCacheUpdate(part, location);
    const std::vector<std::uint8_t> dump = editBufferDump(part);
    return !dump.empty() && storeInCache(libraryOf(part), location, dump);
}

bool Fs1rDevice::storeInCache(Fs1rLibraries::Index index, const Fs1rPatchLocation& location,
    std::span<const std::uint8_t> dump)
{
    std::string error;
    const RefString file =
        library(index).updatePatch(location.bank, location.program, location.name, location.category,
            asChars(dump), &error);
    if (file.isNull()) {
        wxLogError("The patch cache could not be updated at bank %u, program %u: %s", location.bank,
            location.program, error);
        return false;
    }
    return true;
}
