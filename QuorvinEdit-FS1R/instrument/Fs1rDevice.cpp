#include "instrument/Fs1rDevice.h"

#include "files/UserPaths.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rPanels.h"
#include "instrument/MemoryListModel.h"
#include "midi/DumpCallback.h"
#include "midi/MidiDeviceFinder.h"
#include "params/Parameter.h"
#include "sysex/AddressEntry.h"
#include "sysex/ParameterFactory.h"
#include "text/WxText.h"

#include <string>

#include <wx/log.h>

namespace {

const char16_t bankSetting[] = u"CurrentPerformance/bank";
const char16_t numberSetting[] = u"CurrentPerformance/number";

// The formant-sequence bank selector offers bank 0 only on an instrument
// with the 64-voice setting.
constexpr std::int32_t fseqBankMinimum = 0;
constexpr std::int32_t fseqBankMinimumWithoutBank0 = 1;

// The effect parameters' two-byte slots, as (first slot, count): a slot that
// no effect type uses still takes its 14 bits in one parameter change.
constexpr std::pair<PackedAddress, std::uint32_t> effectSlotRuns[] = {
    {0x100050, 8}, {0x100068, 12}, {0x100100, 4}, {0x100108, 16}};
constexpr std::uint32_t effectSlotBytes = 2;

} // namespace

// Applies the system settings each time their dump has come in. One object
// serves every connection, so a request that is never answered leaves
// nothing behind.
class Fs1rDevice::SystemSettingsCallback : public DumpCallback {
public:
    explicit SystemSettingsCallback(Fs1rDevice& device) : device_(device) {}

    void dumpDone(PackedAddress) override
    {
        registered = false;
        device_.onSystemSettingsReceived();
    }

    bool registered = false;

private:
    Fs1rDevice& device_;
};

Fs1rDevice::Fs1rDevice(Fs1rPanels& panels, const XmlElement& settings, DeviceUserInterface* userInterface,
    const RefString& cachePath)
    : Device(RefString::fromNarrow(Fs1rLibraries::instrumentId), Fs1rLibraries::count, Fs1rMemoryLayout::pageCapacity,
          settings, userInterface),
      panels_(panels), cachePath_(cachePath), patchFiles_(*this, nullptr),
      systemSettingsCallback_(std::make_unique<SystemSettingsCallback>(*this))
{
    // A fresh editor shows no page as modified.
    for (std::int32_t page = 0; page < Fs1rPanels::pageCount; ++page)
        panels_.pageHistory(page).clearModified();
}

// The MIDI interface, which may still hold the settings callback, goes
// with the base; nothing calls it between the two destructors.
Fs1rDevice::~Fs1rDevice() = default;

bool Fs1rDevice::setup(wxWindow* parent)
{
    const bool librariesOpened = Device::setup(parent);
    Fs1rSysexProtocol::createParameterRequest(createDeviceFinder().requestMessage());
    panels_.createPanels(*this, *parameterFactory());
    // No page shows the voice limit, but the system dump must store it.
    parameterFactory()->getOrCreateAddressEntry(Fs1rMemoryLayout::voiceLimitAddress).growTo(1);
    for (const auto& [first, count] : effectSlotRuns)
        for (std::uint32_t slot = 0; slot < count; ++slot) {
            const PackedAddress address = addToPackedAddress(first, slot * effectSlotBytes);
            if (!addressMap().findEntry(address))
                parameterFactory()->getOrCreateAddressEntry(address).growTo(effectSlotBytes);
        }
    return librariesOpened;
}

void Fs1rDevice::buildAddressMap()
{
    if (!Fs1rMemoryLayout::buildAddressMap(addressMap()))
        wxLogError("The FS1R memory layout does not fit its address map");
}

void Fs1rDevice::setupSysexProtocol()
{
    const Fs1rSysexProtocol protocol;
    bulkDumpTemplate() = protocol.bulkDump();
    parameterChangeTemplate() = protocol.parameterChange();
    MidiInterface& midi = *midiInterface();
    Fs1rSysexProtocol::createParameterChange(midi.parameterChangeMessage());
    Fs1rSysexProtocol::createParameterRequest(midi.parameterRequestMessage());
    Fs1rSysexProtocol::createDumpRequest(midi.dumpRequestMessage());
}

bool Fs1rDevice::setupLibraries()
{
    const RefString cachePath = cachePath_.isEmpty() ? getUserPaths().cachePath() : cachePath_;
    std::string error;
    const bool allKept =
        Fs1rLibraries::setup(libraries().first<Fs1rLibraries::count>(), cachePath, &error);
    if (!error.empty())
        wxLogWarning("Patch caches: %s", error);
    return allKept;
}

PatchLibrary& Fs1rDevice::library(Fs1rLibraries::Index index) const
{
    return libraries()[index];
}

std::unique_ptr<MemoryListModel> Fs1rDevice::createVoiceListModel(ChoiceItemFilter& choice) const
{
    return std::make_unique<MemoryListModel>(library(Fs1rLibraries::voices), choice);
}

// --- Pages --------------------------------------------------------------------------

wxWindow* Fs1rDevice::mainPanel()
{
    return panels_.window();
}

const ControlStyle* Fs1rDevice::dialogStyle()
{
    return panels_.dialogStyle();
}

void Fs1rDevice::resetCurrentPanel()
{
    panels_.resetCurrentPanel();
}

std::int32_t Fs1rDevice::resolvePage(std::int32_t panel) const
{
    return panel == shownPanel ? panels_.currentPanel() : panel;
}

void Fs1rDevice::undo(std::int32_t panel)
{
    const std::int32_t page = resolvePage(panel);
    if (page != Fs1rPanels::noPage)
        panels_.history(page).undo();
}

void Fs1rDevice::redo(std::int32_t panel)
{
    const std::int32_t page = resolvePage(panel);
    if (page != Fs1rPanels::noPage)
        panels_.history(page).redo();
}

void Fs1rDevice::dumpHistory(std::int32_t panel)
{
    panels_.dumpHistory(panel);
}

ValueLabels Fs1rDevice::panelNames() const
{
    return panels_.panelNames();
}

void Fs1rDevice::showPanel(std::int32_t panel)
{
    if (panel == Fs1rPanels::systemPage)
        panels_.showSystemPanel();
    else if (panel == Fs1rPanels::performancePage)
        panels_.showPerformancePanel();
    else if (panel >= Fs1rPanels::firstVoicePage && panel < Fs1rPanels::fseqPage)
        panels_.showVoicePanel(panel - Fs1rPanels::firstVoicePage);
    else if (panel == Fs1rPanels::fseqPage)
        panels_.showFseqPanel();
}

std::int32_t Fs1rDevice::currentPanel() const
{
    return panels_.currentPanel();
}

Fs1rPart Fs1rDevice::getCurrentPart() const
{
    const std::int32_t page = panels_.currentPanel();
    return page >= Fs1rPanels::performancePage && page <= Fs1rPanels::fseqPage ? page - 1 : Fs1rParts::shownPage;
}

// --- Protocol ------------------------------------------------------------------------

std::vector<PackedAddress> Fs1rDevice::probeAddresses() const
{
    return Fs1rSysexProtocol::probeAddresses();
}

std::int32_t Fs1rDevice::maxSysexSize() const
{
    return Fs1rSysexProtocol::maxSysexSize;
}

std::int32_t Fs1rDevice::dumpOverhead() const
{
    return Fs1rSysexProtocol::dumpOverhead;
}

// --- Connection ----------------------------------------------------------------------

void Fs1rDevice::onConnected()
{
    // Asked first: a No leaves even the shown page as it was.
    const bool replace = panels_.confirmConnectionLoad();
    if (replace)
        showPanel(Fs1rPanels::performancePage);
    wxLogVerbose("Connection done. Request the device settings");
    requestSystemSettings();
    if (replace)
        restoreCurrentPerformance();
}

void Fs1rDevice::requestSystemSettings()
{
    SystemSettingsCallback& callback = *systemSettingsCallback_;
    // A request still unanswered keeps its registration; the answer to
    // either request applies the settings once.
    DumpCallback* toRegister = callback.registered ? nullptr : &callback;
    if (midiInterface()->requestDump(Fs1rMemoryLayout::systemDumpAddress, toRegister) && toRegister)
        callback.registered = true;
}

void Fs1rDevice::restoreCurrentPerformance()
{
    // The bank goes first: the program change then selects within it.
    setFromSetting(currentBank_, bankSetting);
    setFromSetting(currentNumber_, numberSetting);
}

void Fs1rDevice::setFromSetting(Parameter* parameter, const char16_t* setting)
{
    if (!parameter)
        return;
    const std::int32_t displayed = settings().getIntAttribute(RefString(setting), 0);
    parameter->setValue(flagsConnect, parameter->rawFromDisplay(Rational(displayed)));
}

void Fs1rDevice::onDisconnect()
{
    // Without the header's parameters there is no location to keep.
    if (!currentBank_ || !currentNumber_)
        return;
    const Fs1rPatchLocation location = getCurrentPerformanceLocation();
    settings().setIntAttribute(RefString(bankSetting), std::int32_t(location.bank));
    settings().setIntAttribute(RefString(numberSetting), std::int32_t(location.program));
}

void Fs1rDevice::setCurrentPerformanceParameters(Parameter* bank, Parameter* number)
{
    currentBank_ = bank;
    currentNumber_ = number;
}

// --- System settings --------------------------------------------------------------

void Fs1rDevice::onSystemSettingsReceived()
{
    const bool limited = std::uint32_t(readValue(Fs1rMemoryLayout::voiceLimitAddress)) == limitedVoicesSetting;
    wxLogVerbose("System settings received: %s internal voices", limited ? "64" : "128");
    internalVoiceLimit_ = limited ? std::optional<std::uint32_t>(limitedVoiceCount) : std::nullopt;
    panels_.limitPartVoiceSelectors(limited);
    applyFseqBankMinimum(limited ? fseqBankMinimum : fseqBankMinimumWithoutBank0);
}

void Fs1rDevice::applyFseqBankMinimum(std::int32_t minimum)
{
    Parameter* bank = panels_.fseqBankParameter();
    if (!bank || bank->minimum() == minimum)
        return;
    bank->setRange(minimum, bank->maximum(), 0);
}
