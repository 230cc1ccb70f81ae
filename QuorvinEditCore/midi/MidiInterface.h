#pragma once
// The device's MIDI connection: owns every port opened for the instrument,
// the keyboard (THRU) inputs and the control sets; sends to the instrument;
// matches what it answers against the device's templates and writes it into
// memory. The input thread only passes keyboard notes through and posts each
// complete message, in arrival order, to the GUI thread, where everything
// else runs. Made and owned by the device.
#include "midi/MidiInputListener.h"
#include "midi/MidiMessage.h"
#include "midi/MidiPortError.h"
#include "midi/MidiPortLogger.h"
#include "sysex/PackedAddress.h"
#include "sysex/SysexMessage.h"
#include "sysex/SysexParseResult.h"
#include "sysex/SysexReadState.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include <wx/event.h>
#include <wx/timer.h>

class AddressEntry;
class Device;
class DumpCallback;
class DumpDataSource;
class MidiControlSetBase;
class MidiInPort;
class MidiOutPort;
class SysexParameter;
class SysexTemplate;
class XmlElement;

class MidiInterface : public wxEvtHandler, public MidiInputListener, public MidiPortLogger {
public:
    static constexpr std::size_t keyboardInputCount = 4;
    static constexpr std::size_t controlSetCount = 4;
    // How long the instrument may stay silent after a request, and in the
    // middle of a dump, before the wait is given up.
    static constexpr std::chrono::milliseconds replyTimeout{1000};
    // What a MIDI cable carries: 3,125 bytes a second.
    static constexpr std::chrono::microseconds wireTimePerByte{320};
    // The instrument needs a moment after answering the probe before it
    // takes more requests.
    static constexpr std::chrono::milliseconds probeSettleTime{50};
    static constexpr std::uint8_t maxDeviceId = 15;

    // Makes one control set; called once for each of the four.
    using ControlSetFactory = std::function<std::unique_ptr<MidiControlSetBase>(MidiInterface&)>;

    MidiInterface(Device& device, const ControlSetFactory& makeControlSet);
    // Closes every port first, so no input thread call arrives during the
    // rest of the destruction.
    ~MidiInterface() override;
    MidiInterface(const MidiInterface&) = delete;
    MidiInterface& operator=(const MidiInterface&) = delete;

    // --- Set up by the device ---------------------------------------------
    // Neither template is owned; either may be null (nothing of that kind is
    // then recognised).
    void setTemplates(const SysexTemplate* bulkDump, const SysexTemplate* parameterChange);
    // The prebuilt messages the device lays out with SysexMessage::create.
    SysexMessage& parameterChangeMessage() { return parameterChange_; }
    SysexMessage& dumpRequestMessage() { return dumpRequest_; }
    SysexMessage& parameterRequestMessage() { return parameterRequest_; }
    // An id outside 0..15 is refused with a warning and 0 is used.
    void setDeviceId(std::int32_t id);
    std::uint8_t deviceId() const { return deviceId_; }

    // --- MidiPortLogger ----------------------------------------------------
    void logInfo(const MidiDeviceInfo& port, const RefString& text) override;
    void logError(const MidiDeviceInfo& port, const RefString& text) override;

    // --- Sends (GUI thread) ------------------------------------------------
    // To the given port, else to the instrument's output.
    void sendShortMessage(MidiMessage message, MidiOutPort* port = nullptr);
    // Only with SetValueFlag::sendToInstrument: one parameter change per
    // sendable entry of the parameter's field, named with its key text.
    void sendParameterValue(const SysexParameter& parameter, std::uint32_t flags);
    // The entry's address and whole value as one parameter change.
    void sendParameterChange(const AddressEntry& entry, const RefString& name);
    void sendParameterChange(PackedAddress address, std::int32_t value, const RefString& name);
    // Registers the callback (not owned; it must stay alive while registered)
    // and sends the request, or queues it while another dump is awaited.
    // False, with nothing registered, for an invalid address or no output.
    bool requestDump(PackedAddress address, DumpCallback* callback = nullptr);
    // A request for the dump at the address is queued, or sent and not yet
    // answered.
    bool isDumpRequested(PackedAddress address) const;
    // A request for the dump at the address waits behind the dump awaited.
    bool isDumpQueued(PackedAddress address) const;
    void sendDumpRequest(PackedAddress address);
    bool requestParameter(PackedAddress address);
    // Builds a dump of size bytes read from source at sourceAddress, whose
    // header names destinationAddress and counts size / countUnit. False,
    // with nothing sent, without an output or when the dump cannot be built.
    bool sendDump(PackedAddress sourceAddress, std::uint32_t size, DumpDataSource& source,
        PackedAddress destinationAddress, std::uint32_t countUnit = 1);
    // To the instrument's output at once; the input thread calls it for
    // keyboard inputs.
    void sendThru(MidiMessage message);
    // Asks the first probe address; the answer ends in Device::onConnected,
    // silence in Device::onCommunicationNok.
    void probeConnection();

    // --- Ports (GUI thread) ------------------------------------------------
    MidiInPort& createInPort();
    MidiOutPort& createOutPort();
    // Puts the port for the description into the slot: an open port of the
    // same device is shared, otherwise a new one is made and opened. The
    // port leaving the slot is closed unless another slot still uses it.
    // The slot is the current input, a keyboard input or a control set's.
    MidiPortError openInPort(MidiInPort*& slot, const MidiDeviceInfo& description);
    MidiPortError openOutPort(MidiOutPort*& slot, const MidiDeviceInfo& description);
    MidiPortError openCurrentInput(const MidiDeviceInfo& description);
    MidiPortError openCurrentOutput(const MidiDeviceInfo& description);
    MidiPortError openKeyboardInput(std::size_t index, const MidiDeviceInfo& description);
    MidiInPort* findOpenInPort(const MidiDeviceInfo& description) const;
    MidiOutPort* findOpenOutPort(const MidiDeviceInfo& description) const;
    // Closes every port; the port objects stay.
    void closeAllPorts();
    bool isThruInput(const MidiInPort& port) const;
    MidiControlSetBase* findControlSetByInput(const MidiInPort* port) const;
    MidiControlSetBase* findControlSetByOutput(const MidiOutPort* port) const;

    MidiInPort* currentInput() const { return currentInput_; }
    MidiOutPort* currentOutput() const { return currentOutput_; }
    // None for an index past the last slot.
    MidiInPort* keyboardInput(std::size_t index) const;
    MidiControlSetBase& controlSet(std::size_t index) const { return *controlSets_.at(index); }

    // --- The "midi_config" settings element (GUI thread) -------------------
    void openSavedPorts(const XmlElement& element);
    void openKeyboardInputsAndControlSet(const XmlElement& element);
    void saveMidiSettings(const XmlElement& element) const;

    // --- State, for the device and its tests --------------------------------
    bool isProbing() const { return probing_; }
    // A request is waiting for the instrument's first answer.
    bool isWaitingForReply() const { return replyTimer_.IsRunning(); }
    // A dump has started to arrive and has not ended yet.
    bool isReceivingDump() const { return receivingDump_; }
    std::size_t queuedDumpRequests() const { return pendingDumps_.size(); }

    // --- MidiInputListener (input thread) ----------------------------------
    void onShortMessage(MidiMessage message, MidiInPort& port) override;
    void onSysexStart(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo& port) override;
    void onSysexData(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo& port) override;
    void onSysexEnd(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo& port) override;

private:
    enum class Reply { none, parameter, dump };

    // GUI-thread halves of the input thread's calls.
    void onMidiControlEvent(MidiMessage message, const MidiInPort* port);
    void onDumpStart(const std::vector<std::uint8_t>& header);
    void onDumpProgress(const std::vector<std::uint8_t>& header, std::size_t count);
    // arrived: when the input thread had the whole message.
    void onSysexComplete(const std::vector<std::uint8_t>& message, std::chrono::steady_clock::time_point arrived);
    void onTimeout(wxTimerEvent& event);
    void closeReplyWindow();
    void onProbeSettled(wxTimerEvent& event);

    bool receiveDump(std::span<const std::uint8_t> message);
    bool receiveParameterChange(std::span<const std::uint8_t> message, std::chrono::steady_clock::time_point arrived);
    void finishDump(PackedAddress address, std::span<const std::uint8_t> message);
    void rejectDump(PackedAddress address, SysexParseResult result);
    void runDumpCallbacks(PackedAddress address);
    void sendNextQueuedDump();
    // The bulk-dump template matched against a message's start: its
    // address and byte count, or none.
    std::optional<SysexReadState> matchDumpHeader(std::span<const std::uint8_t> bytes) const;

    void startReplyTimer(Reply awaited);
    void stopReplyTimer();
    bool hasOutput() const;
    void sendLong(std::span<const std::uint8_t> bytes);
    void noteWireBytes(std::size_t count);
    // The port is in a slot: the current port, a keyboard input or a
    // control set's.
    bool isInUse(const MidiInPort* port) const;
    bool isInUse(const MidiOutPort* port) const;
    // Slots the input thread reads change only under slotsMutex_.
    template <class Port>
    void assignSlot(Port*& slot, Port* port);
    template <class Port>
    std::vector<std::unique_ptr<Port>>& portsOf();
    template <class Port>
    const std::vector<std::unique_ptr<Port>>& portsOf() const;
    template <class Port>
    Port* findOpenPort(const MidiDeviceInfo& description) const;
    template <class Port>
    Port& unusedPort();
    template <class Port>
    MidiPortError openPort(Port*& slot, const MidiDeviceInfo& description);

    Device& device_;
    std::uint8_t deviceId_ = 0;
    std::vector<std::unique_ptr<MidiInPort>> inputPorts_;
    std::vector<std::unique_ptr<MidiOutPort>> outputPorts_;
    MidiInPort* currentInput_ = nullptr;
    MidiOutPort* currentOutput_ = nullptr;
    std::array<MidiInPort*, keyboardInputCount> keyboardInputs_{};
    // Guards keyboardInputs_ and currentOutput_, which the input thread
    // reads for MIDI THRU.
    mutable std::mutex slotsMutex_;
    std::array<std::unique_ptr<MidiControlSetBase>, controlSetCount> controlSets_;
    const SysexTemplate* bulkDumpTemplate_ = nullptr;
    const SysexTemplate* parameterChangeTemplate_ = nullptr;
    std::vector<std::uint8_t> dumpSendBuffer_;
    SysexMessage parameterChange_;
    SysexMessage dumpRequest_;
    SysexMessage parameterRequest_;
    wxTimer replyTimer_;
    wxTimer probeSettleTimer_;
    // When the bytes sent so far will have left through the cable: a reply
    // cannot come before the request itself has gone.
    std::chrono::steady_clock::time_point wireFreeAt_{};
    Reply awaitedReply_ = Reply::none;
    // Counts the reply windows opened and closed, so a time-out handled late
    // knows whether its window is still the open one.
    std::uint64_t replyWindow_ = 0;
    // Requests made while another dump is awaited, sent one at a time.
    std::deque<PackedAddress> pendingDumps_;
    // The address of the latest dump request sent.
    PackedAddress requestedDump_ = 0;
    std::multimap<PackedAddress, DumpCallback*> dumpCallbacks_;
    // The size the header of the dump under way announced, for the gauge.
    std::int32_t announcedSize_ = 0;
    bool receivingDump_ = false;
    bool probing_ = false;
};

// A port's description in a settings element: "mid", "pid" and "name".
MidiDeviceInfo readMidiPortElement(const XmlElement& element, MidiDeviceKind kind);
// Nothing for the none-description.
void writeMidiPortElement(const XmlElement& element, const MidiDeviceInfo& description);
