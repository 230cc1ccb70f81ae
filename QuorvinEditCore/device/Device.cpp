#include "device/Device.h"

#include "device/ActionParameter.h"
#include "device/DeviceUserInterface.h"
#include "device/DeviceWaitDialog.h"
#include "midi/DeviceMidiInParameter.h"
#include "midi/DeviceMidiOutParameter.h"
#include "midi/KeyboardMidiInParameter.h"
#include "midi/MidiControlSet.h"
#include "midi/MidiDeviceFinder.h"
#include "midi/MidiInPort.h"
#include "midi/MidiOutPort.h"
#include "patches/PatchLibrary.h"
#include "sysex/ParameterFactory.h"
#include "text/WxText.h"

#include <string>

#include <wx/intl.h>
#include <wx/log.h>

namespace {

bool isOpen(const MidiPort* port)
{
    return port != nullptr && port->isOpen();
}

} // namespace

Device::Device(const RefString& typeId, std::uint32_t libraryCount, std::uint32_t pageCapacity,
    const XmlElement& settings, DeviceUserInterface* userInterface)
    : typeId_(typeId), userInterface_(userInterface), addressMap_(pageCapacity), addressMapSink_(addressMap_),
      settings_(settings), libraryCount_(libraryCount), libraries_(std::make_unique<PatchLibrary[]>(libraryCount))
{
    wxLogVerbose("Device creation");
}

Device::~Device()
{
    wxLogVerbose("Device destruction");
    saveLibraries();
    libraries_.reset();
    deletePortParameters();
    finder_.reset();
    midi_.reset();
    if (parameterFactory_)
        parameterFactory_->destroyParameters();
    parameterFactory_.reset();
    waitDialog_.reset();
}

// --- Memory ---------------------------------------------------------------------

std::int32_t Device::readValue(PackedAddress address) const
{
    const AddressPage* page = addressMap_.findPage(address, false);
    return page ? std::int32_t(page->readValue(address)) : 0;
}

std::size_t Device::readBytesWithSum(PackedAddress dumpAddress, std::span<std::uint8_t> output, std::uint32_t& sum)
{
    return addressMapSink_.readBytesWithSum(dumpAddress, output, sum);
}

void Device::parameterReceived(PackedAddress address, std::uint32_t value, std::uint32_t flags)
{
    addressMapSink_.parameterReceived(address, value, flags);
}

std::size_t Device::bytesReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> bytes,
    std::uint32_t flags)
{
    return addressMapSink_.bytesReceived(dumpAddress, bytes, flags);
}

// --- Setup ------------------------------------------------------------------------

bool Device::setup(wxWindow* parent)
{
    wxLogVerbose("Device setup");
    createMidiInterface();
    buildAddressMap();
    setupSysexProtocol();
    parameterFactory_ = std::make_unique<ParameterFactory>(addressMap_, midi_.get());
    createPortParameters();
    if (userInterface_)
        waitDialog_ = userInterface_->createWaitDialog(parent);
    return setupLibraries();
}

void Device::createMidiInterface()
{
    std::size_t made = 0;
    midi_ = std::make_unique<MidiInterface>(*this, [this, &made](MidiInterface& midi) {
        auto controlSet = std::make_unique<MidiControlSet>(midi);
        controlSets_.at(made++) = controlSet.get();
        return controlSet;
    });
    midi_->setTemplates(&bulkDumpTemplate_, &parameterChangeTemplate_);
}

void Device::createPortParameters()
{
    deviceMidiIn_ = std::make_unique<DeviceMidiInParameter>(*midi_);
    deviceMidiOut_ = std::make_unique<DeviceMidiOutParameter>(*midi_);
    for (std::size_t i = 0; i < controlSetCount; ++i) {
        std::unique_ptr<ParameterAction> dialog = userInterface_
            ? userInterface_->createControlSetDialog(*controlSets_[i], mainPanel(), dialogStyle())
            : nullptr;
        controlSetDialogParameters_[i] = std::make_unique<ActionParameter>(std::move(dialog));
    }
    for (std::size_t i = 0; i < keyboardInputCount; ++i)
        keyboardMidiIns_[i] = std::make_unique<KeyboardMidiInParameter>(*midi_, i);
}

void Device::deletePortParameters()
{
    for (auto& parameter : controlSetDialogParameters_)
        parameter.reset();
    for (auto& parameter : keyboardMidiIns_)
        parameter.reset();
    deviceMidiOut_.reset();
    deviceMidiIn_.reset();
}

MidiDeviceFinder& Device::createDeviceFinder()
{
    finder_ = std::make_unique<MidiDeviceFinder>(*this);
    finder_->setAnswerTemplate(&parameterChangeTemplate_);
    return *finder_;
}

// --- Owned objects ------------------------------------------------------------------

std::span<PatchLibrary> Device::libraries() const
{
    return {libraries_.get(), libraryCount_};
}

KeyboardMidiInParameter* Device::keyboardMidiIn(std::size_t index) const
{
    return index < keyboardInputCount ? keyboardMidiIns_[index].get() : nullptr;
}

ActionParameter* Device::controlSetDialogParameter(std::size_t index) const
{
    return index < controlSetCount ? controlSetDialogParameters_[index].get() : nullptr;
}

void Device::saveLibraries() const
{
    for (const PatchLibrary& library : libraries()) {
        // A library that was never opened has no index to write.
        if (library.indexPath().isEmpty())
            continue;
        std::string error;
        if (!library.saveIndex(&error))
            wxLogError("The patch cache index %s could not be saved: %s", toWxString(library.indexPath()), error);
    }
}

XmlElement Device::midiSettings() const
{
    return settings_.child(RefString(u"midi_config"));
}

// --- Connection -----------------------------------------------------------------------

bool Device::canConnect()
{
    if (finder_ && midi_)
        return true;
    showMessage(RefString(u"INTERNAL ERROR:\nThe device finder was not set."));
    return false;
}

void Device::connect()
{
    wxLogVerbose("Connect device");
    if (!canConnect())
        return;
    midi_->openSavedPorts(midiSettings());
    if (isOpen(midi_->currentInput()) && isOpen(midi_->currentOutput()))
        midi_->probeConnection();
    else
        searchDevice();
}

void Device::searchDevice()
{
    if (!canConnect())
        return;
    midi_->saveMidiSettings(midiSettings());
    if (!finder_->findDevice()) {
        showMessage(fromWxString(_("The device finder failed.\nThis may be because you do not have any MIDI port "
                               "installed on your computer.")));
        showPanel(settingsPanel);
        return;
    }
    startWait(fromWxString(_("Searching for the device...")), DeviceWaitDialog::noTotal);
}

void Device::disconnect()
{
    wxLogVerbose("Disconnect device");
    onDisconnect();
    if (!midi_)
        return;
    midi_->saveMidiSettings(midiSettings());
    midi_->closeAllPorts();
}

bool Device::openFoundPorts(const MidiDeviceInfo& input, const MidiDeviceInfo& output)
{
    const bool inputOpened = midi_->openCurrentInput(input) == MidiPortError::ok;
    const bool outputOpened = midi_->openCurrentOutput(output) == MidiPortError::ok;
    return inputOpened && outputOpened;
}

void Device::onDeviceFound(const MidiDeviceInfo& input, const MidiDeviceInfo& output, std::uint8_t deviceId)
{
    wxLogVerbose("Device found");
    finishWait(hardwareWaitMs());
    midi_->setDeviceId(deviceId);
    const bool opened = openFoundPorts(input, output);
    midi_->openKeyboardInputsAndControlSet(midiSettings());
    // The instrument answered, but the editor cannot reach it: saying
    // nothing would leave the user waiting for a connection that never comes.
    if (!opened) {
        connectionFailure(fromWxString(_("The MIDI communication could not be established: the ports of the device "
                                     "could not be opened.")));
        return;
    }
    showMessage(fromWxString(_("The device was found - MIDI connection is done")));
    onConnected();
}

void Device::onDeviceNotFound()
{
    wxLogVerbose("Device not found");
    finishWait(0);
    midi_->openKeyboardInputsAndControlSet(midiSettings());
    connectionFailure(fromWxString(_("The MIDI communication could not be established: the device was not found.")));
}

void Device::onCommunicationNok()
{
    wxLogVerbose("Communication NOK");
    connectionFailure(fromWxString(_("The MIDI communication is not working.")));
}

void Device::connectionFailure(const RefString& message)
{
    wxLogVerbose("Connection failure. %s", toWxString(message));
    showPanel(settingsPanel);
    const RefString advice = fromWxString(_(
        " Please:\n\n"
        "- Check your MIDI cables connections (or virtual cables if you use any)\n"
        "- Check that your device is switched on\n"
        "- Check that the system exclusive messages reception and transmission are both enabled on the device\n"
        "- Check the MIDI settings here in the system panel\n"
        "- The device may be malfunctioning. Power it off and then on again.\n\n"
        "You may use the auto-detection command or set the MIDI ports manually and use the test command.\n"));
    showMessage(RefString(std::u16string(message.view()) + std::u16string(advice.view())));
}

void Device::showMessage(const RefString& text)
{
    if (userInterface_)
        userInterface_->showMessage(typeId_, text);
    else
        wxLogWarning("%s: %s", toWxString(typeId_), toWxString(text));
}

// --- Wait dialog -------------------------------------------------------------------------

void Device::showWaitingForSysex(PackedAddress address)
{
    startWait(fromWxString(wxString::Format(_("Waiting for SYSEX data from address %X"), address)),
        DeviceWaitDialog::noTotal);
}

void Device::showReceivingSysex(PackedAddress address, std::int32_t size)
{
    startWait(fromWxString(wxString::Format(_("Receiving SYSEX data from address %X\nTotal size: %d bytes"),
                  address, size)),
        size);
}

void Device::abortWait(const RefString& message, bool showFailure)
{
    finishWait(0);
    if (showFailure)
        connectionFailure(message);
}

WaitProgress* Device::waitDialog()
{
    return waitDialog_.get();
}

void Device::startWait(const RefString& message, std::int32_t total)
{
    if (waitDialog_)
        waitDialog_->start(message, total);
}

void Device::finishWait(std::int32_t ms)
{
    if (waitDialog_)
        waitDialog_->finish(ms);
}
