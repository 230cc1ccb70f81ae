// The FS1R device's edit buffers and patch caches: where each edit buffer
// stands in the instrument's memory, loading the current patch from the
// cache or the instrument, and filing received dumps into the cache.
#include "instrument/Fs1rDevice.h"

#include "instrument/Fs1rCategoryTags.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rPanels.h"
#include "instrument/Fs1rSysexFile.h"
#include "params/Parameter.h"
#include "patches/PatchLibrary.h"
#include "text/WxText.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include <wx/log.h>

namespace {

using Layout = Fs1rMemoryLayout;

// F0 and the template's bytes come before a dump's data.
constexpr std::size_t dumpHeaderLength = Fs1rSysexProtocol::bulkDumpBytes.size() + 1;
// Where the category byte sits in a performance or voice.
constexpr std::uint32_t categoryOffset = linearAddress(Layout::performanceCategoryAddress)
    - linearAddress(Layout::performanceDumpAddress);
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

// --- Loading the current patch ----------------------------------------------------------

bool Fs1rDevice::confirmLoad(std::int32_t part)
{
    return panels_.confirmLoad(part);
}

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
    const Fs1rSysexFile file = Fs1rSysexFile::read(path.toUtf8(), bulkDumpTemplate());
    std::string error = file.error().toUtf8();
    if (file.isValid() && libraryOf(file.part()) == libraryOf(part)) {
        wxLogVerbose("loadCurrentPatch: from cache");
        const std::int32_t voice =
            Fs1rParts::isVoice(part) ? std::int32_t(Fs1rParts::voiceIndex(part)) : Fs1rParts::shownPage;
        // As any load, it closes the file the patch was saved into.
        if (patchFiles_.load(file, flagsPatchLoad, voice))
            return true;
        error = "its data could not be loaded";
    } else if (file.isValid()) {
        error = "it holds another kind of patch";
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
    const PackedAddress address = *Layout::editBufferDumpAddress(part);
    const std::deque<Fs1rPatchLocation>& requested = requestedLocations_[std::size_t(part)];
    // A request still queued brings whatever is chosen when it leaves; one
    // on its way brings the patch chosen then, which may be this one again
    // (two parameters share the address that chooses a formant sequence).
    const bool onItsWay =
        !requested.empty() && requested.back().sameSlot(location) && midiInterface()->isDumpRequested(address);
    if (!onItsWay && !midiInterface()->isDumpQueued(address))
        midiInterface()->requestDump(address);
}

void Fs1rDevice::onDumpRequestSent(PackedAddress dumpAddress)
{
    for (Fs1rPart part = Fs1rParts::performance; part <= Fs1rParts::formantSequence; ++part) {
        if (Layout::editBufferDumpAddress(part) != dumpAddress)
            continue;
        if (const std::optional<Fs1rPatchLocation> location = currentLocation(part))
            requestedLocations_[std::size_t(part)].push_back(*location);
    }
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
    // Checked as a .syx file would be, since it becomes one.
    const Fs1rSysexFile dump = Fs1rSysexFile::parse(message, bulkDumpTemplate());
    if (!dump.isValid()) {
        wxLogVerbose("The dump at %X is not cached: %s", dumpAddress, toWxString(dump.error()));
        return;
    }
    if (dump.isInternalSlot())
        fileReceivedDump(dump.part(), {internalBank, dumpAddress & slotMask, {}, {}}, message);
    else
        fileEditBuffer(dump.part(), message);
    if (dump.part() == Fs1rParts::formantSequence)
        panels_.sequenceNamesChanged();
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
    // The instrument's own bytes are the truest copy of the patch.
    Fs1rPatchLocation location{slot.bank, slot.program, nameOf(message.subspan(dumpHeaderLength, nameSizeOf(part))),
        {}};
    if (part != Fs1rParts::formantSequence)
        location.category = categoryTag(byteAt(message, dumpHeaderLength + categoryOffset));
    // A location only a damaged patch names (a bank the instrument does not
    // have): the dump stays in the edit buffer, but no slot can keep it.
    PatchLibrary& cache = library(libraryOf(part));
    if (!cache.isInGrid(location.bank, location.program)) {
        wxLogVerbose("The dump is not cached: bank %u, program %u has no place in the %s cache", location.bank,
            location.program, toWxString(cache.contentType()));
        return;
    }
    // Only the edit buffer of a formant sequence is ever filed.
    if (part == Fs1rParts::formantSequence)
        wxLogVerbose("   Dump received : current FSEQ (bank=%d prog=%d)", location.bank, location.program);
    else
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
    const MidiInterface* midi = midiInterface();
    const std::vector<std::uint8_t> dump =
        Fs1rSysexFile::build(part, bulkDumpTemplate(), *this, midi ? midi->deviceId() : 0);
    if (dump.empty() || !storeInCache(libraryOf(part), location, dump))
        return false;
    markPatchWritten(part);
    return true;
}

void Fs1rDevice::markPatchWritten(Fs1rPart part)
{
    if (part != Fs1rParts::formantSequence && Fs1rParts::isValid(part))
        panels_.pageHistory(pageOf(part)).clearModified();
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
