#include "instrument/Fs1rSaveToDevice.h"

#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rPatchDialogs.h"
#include "instrument/Fs1rSysexFile.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "text/WxText.h"

#include <wx/intl.h>

namespace {

using L = Fs1rMemoryLayout;

constexpr std::int32_t internalPerformances = 128;
constexpr std::int32_t internalVoices = 128;
// The bank value of a part's voice that names the internal voices.
constexpr std::uint32_t internalVoiceBank = 1;
constexpr std::uint32_t internalFseqBank = 0;
constexpr std::int32_t firstPerformanceBankDisplayed = 0;

} // namespace

std::int32_t Fs1rSaveToDevice::slotCount(Fs1rPart part)
{
    if (part == Fs1rParts::performance)
        return internalPerformances;
    if (Fs1rParts::isVoice(part))
        return internalVoices;
    return part == Fs1rParts::formantSequence ? std::int32_t(Fs1rDevice::fseqViewLimit) : 0;
}

std::optional<Fs1rSaveToDevice::Dump> Fs1rSaveToDevice::dumpFor(Fs1rPart part, std::int32_t slot,
    DumpDataSource& source)
{
    const std::optional<PackedAddress> editBuffer = L::editBufferDumpAddress(part);
    if (!editBuffer || slot < 0 || slot >= slotCount(part))
        return std::nullopt;
    PackedAddress slotBase = L::internalFseqBase;
    if (part == Fs1rParts::performance)
        slotBase = L::internalPerformanceBase;
    else if (Fs1rParts::isVoice(part))
        slotBase = L::internalVoiceBase;
    const PackedAddress slotAddress = addToPackedAddress(slotBase, std::uint32_t(slot));
    return Dump{*editBuffer, Fs1rSysexFile::editBufferSize(part, source), slotAddress, L::countDivisor(slotAddress)};
}

bool Fs1rSaveToDevice::save(Fs1rPart part)
{
    if (part == Fs1rParts::shownPage)
        part = device_.getCurrentPart();
    if (!Fs1rParts::isValid(part) || !dialogs_)
        return false;
    const std::int32_t slot = dialogs_->chooseInternalSlot(part, fromWxString(_(
        "Select the destination in the FS1R memory.\nWARNING: the data in the FS1R will be overwritten!")));
    const std::optional<Dump> dump = dumpFor(part, slot, device_);
    if (!dump)
        return false;
    MidiInterface* midi = device_.midiInterface();
    if (!midi || !midi->sendDump(dump->editBuffer, dump->size, device_, dump->slotAddress, dump->countDivisor)) {
        dialogs_->showError(device_.getTypeId(),
            fromWxString(_("The patch could not be sent to the FS1R: check that its MIDI output is open.")));
        return false;
    }
    fileIntoCache(part, slot);
    selectStoredPatch(part, slot);
    return true;
}

bool Fs1rSaveToDevice::fileIntoCache(Fs1rPart part, std::int32_t slot)
{
    if (part == Fs1rParts::performance)
        return device_.updatePerformanceCache(slot);
    if (Fs1rParts::isVoice(part))
        return device_.updateVoiceCache(Fs1rParts::voiceIndex(part), slot);
    return device_.updateFseqCache(slot);
}

// Without the load trigger, so the editor does not load again the patch it
// has just stored.
void Fs1rSaveToDevice::selectStoredPatch(Fs1rPart part, std::int32_t slot)
{
    const auto program = std::uint32_t(slot);
    AddressMap& map = device_.addressMap();
    if (Fs1rParts::isVoice(part)) {
        const std::uint32_t p = Fs1rParts::voiceIndex(part);
        map.setValue(L::partVoiceBankAddress(p), internalVoiceBank, flagsDeviceCommand);
        map.setValue(L::partVoiceNumberAddress(p), program, flagsDeviceCommand);
    } else if (part == Fs1rParts::formantSequence) {
        map.setValue(L::performanceFseqBankAddress, internalFseqBank, flagsDeviceCommand);
        map.setValue(L::performanceFseqNumberAddress, program, flagsDeviceCommand);
    } else {
        if (Parameter* bank = device_.currentPerformanceBank())
            bank->setDisplayValue(flagsDeviceCommand, Rational(firstPerformanceBankDisplayed));
        if (Parameter* number = device_.currentPerformanceNumber())
            number->setDisplayValue(flagsDeviceCommand, Rational(std::int64_t(slot)));
    }
}
