#pragma once
// The instrument-independent base of every instrument the editor drives. It
// owns what connects the editor to one instrument (the MIDI interface, the
// device finder, the SysEx templates, the address map with the parameter
// factory bound to it, the MIDI port parameters, the wait dialog and the
// patch libraries) and runs the connection procedure with its messages; the
// concrete instrument supplies its memory layout, protocol, libraries, pages
// and commands. The main window owns the device; every call but the data
// sink's comes on the GUI thread.
#include "labels/ValueLabels.h"
#include "midi/MidiDeviceFinderClient.h"
#include "midi/MidiInterface.h"
#include "sysex/AddressMap.h"
#include "sysex/AddressMapDataSink.h"
#include "sysex/DeviceDataSink.h"
#include "sysex/DumpDataSource.h"
#include "sysex/PackedAddress.h"
#include "sysex/SysexTemplate.h"
#include "text/RefString.h"
#include "xml/XmlElement.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class ActionParameter;
class ControlStyle;
class DeviceMidiInParameter;
class DeviceMidiOutParameter;
class DeviceUserInterface;
class DeviceWaitDialog;
class KeyboardMidiInParameter;
class MidiControlSet;
class MidiDeviceFinder;
class ParameterFactory;
class PatchLibrary;
class WaitProgress;
class wxWindow;

class Device : public DeviceDataSink, public DumpDataSource, public MidiDeviceFinderClient {
public:
    static constexpr std::size_t keyboardInputCount = MidiInterface::keyboardInputCount;
    static constexpr std::size_t controlSetCount = MidiInterface::controlSetCount;
    // The page that holds the MIDI settings, shown when the connection fails.
    static constexpr std::int32_t settingsPanel = 0;
    // Page and part arguments that stand for the shown page.
    static constexpr std::int32_t shownPanel = -1;

    // typeId names the instrument type and captions every message box;
    // settings is the type's element of the settings document. Without a
    // user interface messages go to the log and there is no wait dialog.
    Device(const RefString& typeId, std::uint32_t libraryCount, std::uint32_t pageCapacity,
        const XmlElement& settings, DeviceUserInterface* userInterface);
    // Saves the library indexes, then frees the device's objects. The
    // concrete device's destructor has run by then.
    ~Device() override;
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // --- Memory ---------------------------------------------------------------
    // The value at a parameter address; 0 where no page or entry holds it.
    virtual std::int32_t readValue(PackedAddress address) const;
    // DumpDataSource: bulk-dump bytes from the address map, as received
    // where no entry holds them, a zero byte outside every page.
    std::size_t readBytesWithSum(PackedAddress dumpAddress, std::span<std::uint8_t> output,
        std::uint32_t& sum) override;
    // DeviceDataSink: received values and dump data go into the address map
    // (dump bytes no entry holds are kept beside the entries); addresses that
    // no page holds change nothing.
    void parameterReceived(PackedAddress address, std::uint32_t value, std::uint32_t flags) override;
    std::size_t bytesReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> bytes,
        std::uint32_t flags) override;

    // Makes the MIDI interface, the memory layout, the protocol, the
    // parameter factory, the port parameters and the wait dialog (over
    // parent), then opens the libraries: true when all opened. Runs once.
    virtual bool setup(wxWindow* parent);

    // --- Pages and commands, supplied by the instrument --------------------------
    // The window that holds the editor pages; parent of the control-set
    // dialogs. Must work before setup.
    virtual wxWindow* mainPanel() = 0;
    virtual void resetCurrentPanel() = 0;
    virtual void openFile() = 0;
    virtual void undo(std::int32_t panel) = 0;
    virtual void redo(std::int32_t panel) = 0;
    // Writes the page's undo history to a text file.
    virtual void dumpHistory(std::int32_t panel) = 0;
    // Writes a patch into the instrument's own memory.
    virtual void saveToDevice(std::int32_t part) = 0;
    // The page names, in View-menu order.
    virtual ValueLabels panelNames() const = 0;
    virtual void showPanel(std::int32_t panel) = 0;
    // The shown page; shownPanel when none is.
    virtual std::int32_t currentPanel() const = 0;
    // From the patch cache, else from the instrument.
    virtual void loadCurrentPatch(std::int32_t part) = 0;
    // Whether the user lets a load of the part's patch replace the pages
    // it replaces; asked before the choice that loads it is made.
    virtual bool confirmLoad(std::int32_t /*part*/) { return true; }
    // asNew: the Save as command, which asks for the file.
    virtual void saveToFile(bool asNew, std::int32_t part) = 0;
    virtual void saveAll() = 0;
    // The style of the control-set dialogs; none for the toolkit's own.
    // Must work before setup.
    virtual const ControlStyle* dialogStyle() = 0;

    // --- Protocol, supplied by the instrument --------------------------------------
    // The first address is the connection probe; the finder asks the others.
    std::vector<PackedAddress> probeAddresses() const override = 0;
    // The largest SysEx message the instrument sends; sizes the input buffers.
    std::int32_t maxSysexSize() const override = 0;
    // Bytes a bulk dump adds around its data.
    virtual std::int32_t dumpOverhead() const = 0;
    // How long the wait dialog stays up after a completed dump and after the
    // instrument was found, so the instrument can finish its own work.
    virtual std::int32_t hardwareWaitMs() const { return 0; }
    // The connection is made: the probe was answered or the finder found
    // the instrument.
    virtual void onConnected() = 0;
    // The connection is about to be closed.
    virtual void onDisconnect() = 0;
    // A checked bulk dump has been written into memory; message is the whole
    // message, F0 to F7.
    virtual void onDumpReceived(PackedAddress dumpAddress, std::span<const std::uint8_t> message) = 0;

    // --- Connection ---------------------------------------------------------------
    // Opens the saved ports and probes the instrument there, or searches for
    // it when they do not both open. Called once, after setup.
    void connect();
    // Saves the MIDI settings and starts the device finder.
    void searchDevice();
    // Writes the MIDI settings into the settings element and closes every
    // port; the finder calls it before each search.
    void disconnect() override;
    void onDeviceFound(const MidiDeviceInfo& input, const MidiDeviceInfo& output, std::uint8_t deviceId) override;
    void onDeviceNotFound() override;
    // The connection probe got no answer.
    virtual void onCommunicationNok();
    // Shows the settings page and the message followed by the advice on
    // what to check.
    void connectionFailure(const RefString& message);

    // A request for the dump at the address has left: the instrument answers
    // with what it holds once the messages sent before it are in.
    virtual void onDumpRequestSent(PackedAddress) {}

    // --- Wait dialog ------------------------------------------------------------------
    // A dump was requested from the address.
    virtual void showWaitingForSysex(PackedAddress address);
    // A dump of size bytes starts to arrive.
    virtual void showReceivingSysex(PackedAddress address, std::int32_t size);
    // Ends the wait at once; with showFailure the message is shown as a
    // connection failure.
    virtual void abortWait(const RefString& message, bool showFailure);
    // None without a user interface or before setup.
    virtual WaitProgress* waitDialog();

    // --- Owned objects ----------------------------------------------------------------
    const RefString& getTypeId() const { return typeId_; }
    const XmlElement& settings() const { return settings_; }
    // Where the device's dialogs are made; none without a display.
    DeviceUserInterface* userInterface() const { return userInterface_; }
    AddressMap& addressMap() { return addressMap_; }
    // None before setup.
    MidiInterface* midiInterface() const { return midi_.get(); }
    ParameterFactory* parameterFactory() const { return parameterFactory_.get(); }
    // None until the concrete device's setup makes it.
    MidiDeviceFinder* deviceFinder() const { return finder_.get(); }
    std::span<PatchLibrary> libraries() const;
    // The port and control-set parameters; none before setup.
    DeviceMidiInParameter* deviceMidiIn() const { return deviceMidiIn_.get(); }
    DeviceMidiOutParameter* deviceMidiOut() const { return deviceMidiOut_.get(); }
    KeyboardMidiInParameter* keyboardMidiIn(std::size_t index) const;
    ActionParameter* controlSetDialogParameter(std::size_t index) const;
    // Writes each opened library's index, in library order; failures are
    // logged.
    void saveLibraries() const;

protected:
    // Adds the instrument's memory pages to the address map.
    virtual void buildAddressMap() = 0;
    // Fills the templates and lays out the MIDI interface's prebuilt
    // messages; the interface already matches against the templates.
    virtual void setupSysexProtocol() = 0;
    // Opens the libraries; true when all opened.
    virtual bool setupLibraries() = 0;

    SysexTemplate& bulkDumpTemplate() { return bulkDumpTemplate_; }
    SysexTemplate& parameterChangeTemplate() { return parameterChangeTemplate_; }
    // Made by the concrete device's setup; answers are matched against the
    // parameter-change template. The request is the caller's to lay out.
    MidiDeviceFinder& createDeviceFinder();

private:
    void createMidiInterface();
    void createPortParameters();
    void deletePortParameters();
    // The "midi_config" element, created when missing.
    XmlElement midiSettings() const;
    // Shows the internal-error box when connecting cannot work at all.
    bool canConnect();
    void startWait(const RefString& message, std::int32_t total);
    void finishWait(std::int32_t ms);
    void showMessage(const RefString& text);
    // Opens the found ports as the device ports; false when either fails.
    bool openFoundPorts(const MidiDeviceInfo& input, const MidiDeviceInfo& output);

    const RefString typeId_;
    DeviceUserInterface* const userInterface_;
    std::unique_ptr<MidiInterface> midi_;
    // The control sets the interface owns, as the factory made them.
    std::array<MidiControlSet*, controlSetCount> controlSets_{};
    std::unique_ptr<MidiDeviceFinder> finder_;
    SysexTemplate bulkDumpTemplate_;
    SysexTemplate parameterChangeTemplate_;
    AddressMap addressMap_;
    AddressMapDataSink addressMapSink_;
    std::unique_ptr<ParameterFactory> parameterFactory_;
    const XmlElement settings_;
    std::unique_ptr<DeviceWaitDialog> waitDialog_;
    std::unique_ptr<DeviceMidiInParameter> deviceMidiIn_;
    std::unique_ptr<DeviceMidiOutParameter> deviceMidiOut_;
    std::array<std::unique_ptr<KeyboardMidiInParameter>, keyboardInputCount> keyboardMidiIns_;
    std::array<std::unique_ptr<ActionParameter>, controlSetCount> controlSetDialogParameters_;
    const std::uint32_t libraryCount_;
    std::unique_ptr<PatchLibrary[]> libraries_;
};
