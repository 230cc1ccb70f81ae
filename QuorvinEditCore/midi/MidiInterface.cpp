#include "midi/MidiInterface.h"

#include "device/Device.h"
#include "device/WaitProgress.h"
#include "midi/DumpCallback.h"
#include "midi/MidiControlSetBase.h"
#include "midi/MidiInPort.h"
#include "midi/MidiMessageText.h"
#include "midi/MidiOutPort.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "sysex/SysexReadState.h"
#include "sysex/SysexTemplate.h"
#include "text/WxText.h"
#include "undo/CommandList.h"
#include "xml/XmlElement.h"

#include <algorithm>
#include <type_traits>

#include <wx/intl.h>
#include <wx/log.h>
#include <wx/thread.h>

namespace {

// Enough of a message's start to match any template's header; the progress
// of a dump travels with this much of it rather than with all of it.
constexpr std::size_t headerCopyLimit = 64;

std::vector<std::uint8_t> copyOf(const std::uint8_t* buffer, std::size_t count)
{
    return std::vector<std::uint8_t>(buffer, buffer + count);
}

const char* directionText(const MidiDeviceInfo& port)
{
    return port.kind() == MidiDeviceKind::input ? "INPUT" : "OUTPUT";
}

wxString messageText(MidiMessage message)
{
    return toWxString(midiMessageText(message, true));
}

// Driver ids are 16 bits; a hand-edited number outside reads as 0.
std::uint16_t readDriverId(const XmlElement& element, const char16_t* attribute)
{
    const std::int32_t id = element.getIntAttribute(RefString(attribute), 0);
    return id >= 0 && id <= UINT16_MAX ? std::uint16_t(id) : 0;
}

// The first child of that name, or a null handle: reading creates nothing.
XmlElement firstChild(const XmlElement& element, const char16_t* name)
{
    const std::vector<XmlElement> found = element.children(RefString(name));
    return found.empty() ? XmlElement() : found.front();
}

} // namespace

MidiInterface::MidiInterface(Device& device, const ControlSetFactory& makeControlSet)
    : device_(device), replyTimer_(this), probeSettleTimer_(this)
{
    wxLogVerbose("MIDI: MidiInterface construction");
    for (auto& controlSet : controlSets_)
        controlSet = makeControlSet(*this);
    currentInput_ = &createInPort();
    currentOutput_ = &createOutPort();
    dumpSendBuffer_.resize(std::size_t(std::max(device_.maxSysexSize(), 0)));
    Bind(wxEVT_TIMER, &MidiInterface::onTimeout, this, replyTimer_.GetId());
    Bind(wxEVT_TIMER, &MidiInterface::onProbeSettled, this, probeSettleTimer_.GetId());
}

MidiInterface::~MidiInterface()
{
    wxLogVerbose("MIDI: MidiInterface destruction");
    // Inputs first: once they are closed no input thread call can post to
    // this handler while it is being taken apart.
    for (auto& port : inputPorts_)
        closeMidiPort(*port);
    for (auto& port : outputPorts_)
        closeMidiPort(*port);
    replyTimer_.Stop();
    probeSettleTimer_.Stop();
    // Control sets go while the interface is whole: they may still call it.
    for (auto& controlSet : controlSets_)
        controlSet.reset();
}

void MidiInterface::setTemplates(const SysexTemplate* bulkDump, const SysexTemplate* parameterChange)
{
    bulkDumpTemplate_ = bulkDump;
    parameterChangeTemplate_ = parameterChange;
}

void MidiInterface::setDeviceId(std::int32_t id)
{
    if (id < 0 || id > maxDeviceId) {
        wxLogWarning("MIDI ERROR: invalid device ID %d, 0 is used", id);
        id = 0;
    }
    deviceId_ = std::uint8_t(id);
    for (SysexMessage* message : {&parameterChange_, &dumpRequest_, &parameterRequest_})
        message->setDeviceNumber(deviceId_);
}

// --- Logger -----------------------------------------------------------------

void MidiInterface::logInfo(const MidiDeviceInfo& port, const RefString& text)
{
    wxLogVerbose("MIDI: %s %s: %s", directionText(port), toWxString(port.name()), toWxString(text));
}

void MidiInterface::logError(const MidiDeviceInfo& port, const RefString& text)
{
    wxLogWarning("MIDI ERROR: %s %s: %s", directionText(port), toWxString(port.name()), toWxString(text));
}

// --- Sends ------------------------------------------------------------------

bool MidiInterface::hasOutput() const
{
    return currentOutput_ != nullptr && currentOutput_->isOpen();
}

void MidiInterface::sendLong(std::span<const std::uint8_t> bytes)
{
    currentOutput_->sendLong(bytes.data(), bytes.size());
    noteWireBytes(bytes.size());
}

void MidiInterface::noteWireBytes(std::size_t count)
{
    const auto now = std::chrono::steady_clock::now();
    wireFreeAt_ = std::max(wireFreeAt_, now) + wireTimePerByte * std::int64_t(count);
}

void MidiInterface::sendShortMessage(MidiMessage message, MidiOutPort* port)
{
    if ((message.status & 0x80) == 0) {
        wxLogWarning("MIDI ERROR: SEND COMMAND ERROR: Invalid status byte");
        return;
    }
    MidiOutPort* const target = port ? port : currentOutput_;
    if (target == nullptr || !target->isOpen()) {
        wxLogVerbose("MIDI OUT: %s (No MIDI OUT)", messageText(message));
        return;
    }
    wxLogVerbose("MIDI OUT: %s", messageText(message));
    target->sendShort(message);
    if (target == currentOutput_)
        noteWireBytes(1u + midiDataLength(message.status));
}

void MidiInterface::sendParameterValue(const SysexParameter& parameter, std::uint32_t flags)
{
    if ((flags & SetValueFlag::sendToInstrument) == 0)
        return;
    const RefString name = parameter.getName();
    for (const AddressEntry* entry : parameter.field().sendableEntries())
        sendParameterChange(*entry, name);
}

void MidiInterface::sendParameterChange(const AddressEntry& entry, const RefString& name)
{
    sendParameterChange(entry.address(), std::int32_t(entry.value()), name);
}

void MidiInterface::sendParameterChange(PackedAddress address, std::int32_t value, const RefString& name)
{
    if (!isValidPackedAddress(address)) {
        wxLogWarning("MIDI ERROR: SEND SYSEX ERROR: Invalid address");
        return;
    }
    if (!hasOutput()) {
        wxLogVerbose("MIDI OUT: (%X)%s = %d (No MIDI OUT)", address, toWxString(name), value);
        return;
    }
    parameterChange_.setAddressAndValue(address, value);
    wxLogVerbose("MIDI OUT: (%X)%s = %d", address, toWxString(name), value);
    sendLong(parameterChange_.bytes());
}

bool MidiInterface::requestDump(PackedAddress address, DumpCallback* callback)
{
    if (!isValidPackedAddress(address)) {
        wxLogWarning("MIDI ERROR: RQ DATA ERROR: invalid parameter address %X", address);
        return false;
    }
    if (!hasOutput()) {
        wxLogVerbose("MIDI OUT: Request dump at %X (No MIDI OUT)", address);
        return false;
    }
    if (callback != nullptr)
        dumpCallbacks_.emplace(address, callback);
    if (awaitedReply_ == Reply::dump)
        pendingDumps_.push_back(address);
    else
        sendDumpRequest(address);
    return true;
}

bool MidiInterface::isDumpRequested(PackedAddress address) const
{
    return (awaitedReply_ == Reply::dump && requestedDump_ == address) || isDumpQueued(address);
}

bool MidiInterface::isDumpQueued(PackedAddress address) const
{
    return std::find(pendingDumps_.begin(), pendingDumps_.end(), address) != pendingDumps_.end();
}

void MidiInterface::sendDumpRequest(PackedAddress address)
{
    requestedDump_ = address;
    dumpRequest_.setAddressAndValue(address, 0);
    wxLogVerbose("MIDI OUT: Request dump at %X", address);
    if (hasOutput())
        sendLong(dumpRequest_.bytes());
    device_.onDumpRequestSent(address);
    device_.showWaitingForSysex(address);
    startReplyTimer(Reply::dump);
}

bool MidiInterface::requestParameter(PackedAddress address)
{
    if (!isValidPackedAddress(address)) {
        wxLogWarning("MIDI ERROR: RQ DATA ERROR: invalid parameter address %X", address);
        return false;
    }
    if (!hasOutput()) {
        wxLogVerbose("MIDI OUT: Request parameter data at %X (No MIDI OUT)", address);
        return false;
    }
    parameterRequest_.setAddressAndValue(address, 0);
    wxLogVerbose("MIDI OUT: Request parameter data at %X", address);
    sendLong(parameterRequest_.bytes());
    startReplyTimer(Reply::parameter);
    return true;
}

bool MidiInterface::sendDump(PackedAddress sourceAddress, std::uint32_t size, DumpDataSource& source,
    PackedAddress destinationAddress, std::uint32_t countUnit)
{
    if (!hasOutput()) {
        wxLogVerbose("MIDI OUT: Send dump to %X (No MIDI OUT)", destinationAddress);
        return false;
    }
    wxLogVerbose("MIDI OUT: Send dump to %X", destinationAddress);
    const std::size_t length = bulkDumpTemplate_ == nullptr ? 0
        : bulkDumpTemplate_->build(dumpSendBuffer_, deviceId_, sourceAddress, size, source, destinationAddress,
              countUnit);
    if (length == 0) {
        wxLogWarning("MIDI ERROR: SEND SYSEX ERROR: the dump of %u bytes at %X cannot be built", size,
            sourceAddress);
        return false;
    }
    sendLong(std::span(dumpSendBuffer_).first(length));
    return true;
}

// The input thread gets here while the GUI thread may be opening or closing
// the output, so the port itself, not its open description, tells whether
// the message went out.
void MidiInterface::sendThru(MidiMessage message)
{
    if (currentOutput_ == nullptr || !currentOutput_->sendShort(message)) {
        wxLogVerbose("MIDI THRU: %s (No MIDI OUT)", messageText(message));
        return;
    }
    wxLogVerbose("MIDI THRU: %s", messageText(message));
}

void MidiInterface::probeConnection()
{
    const std::vector<PackedAddress> addresses = device_.probeAddresses();
    probing_ = true;
    if (!addresses.empty())
        requestParameter(addresses.front());
    // A refused request ends in the time-out as well.
    startReplyTimer(Reply::parameter);
}

// --- Reply timer ------------------------------------------------------------

void MidiInterface::startReplyTimer(Reply awaited)
{
    if (!wxIsMainThread()) {
        CallAfter([this, awaited] { startReplyTimer(awaited); });
        return;
    }
    // A parameter request sent meanwhile does not end the wait for a dump:
    // its answer would stop the timer, and a lost dump would wait forever.
    if (awaitedReply_ != Reply::dump)
        awaitedReply_ = awaited;
    // The window opens when the request has left, behind what was sent before.
    const auto queued = std::max(wireFreeAt_ - std::chrono::steady_clock::now(), std::chrono::steady_clock::duration{});
    const auto window = replyTimeout + std::chrono::ceil<std::chrono::milliseconds>(queued);
    replyTimer_.StartOnce(int(window.count()));
    ++replyWindow_;
}

void MidiInterface::stopReplyTimer()
{
    awaitedReply_ = Reply::none;
    replyTimer_.Stop();
    ++replyWindow_;
}

// An answer that came in time may still wait in the queue behind a moment
// the GUI thread was busy for longer than the window: the window closes only
// behind what has arrived, unless an answer or a new request came first.
void MidiInterface::onTimeout(wxTimerEvent&)
{
    CallAfter([this, window = replyWindow_] {
        if (window == replyWindow_)
            closeReplyWindow();
    });
}

void MidiInterface::closeReplyWindow()
{
    awaitedReply_ = Reply::none;
    if (probing_) {
        probing_ = false;
        device_.onCommunicationNok();
        return;
    }
    wxLogVerbose("MIDI IN: TIMEOUT - Dump abort");
    // The wait ends before the next request starts its own.
    device_.abortWait(fromWxString(_("No response from the MIDI device.")), true);
    sendNextQueuedDump();
}

void MidiInterface::onProbeSettled(wxTimerEvent&)
{
    wxLogVerbose("Communication OK");
    device_.onConnected();
}

void MidiInterface::sendNextQueuedDump()
{
    if (awaitedReply_ == Reply::dump || pendingDumps_.empty())
        return;
    const PackedAddress address = pendingDumps_.front();
    pendingDumps_.pop_front();
    sendDumpRequest(address);
}

// --- Receiving: input thread --------------------------------------------------

void MidiInterface::onShortMessage(MidiMessage message, MidiInPort& port)
{
    {
        std::lock_guard lock(slotsMutex_);
        if (isThruInput(port))
            sendThru(message);
    }
    CallAfter([this, message, source = &port] { onMidiControlEvent(message, source); });
}

void MidiInterface::onSysexStart(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo&)
{
    CallAfter([this, header = copyOf(buffer, std::min(count, headerCopyLimit))] { onDumpStart(header); });
}

void MidiInterface::onSysexData(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo&)
{
    CallAfter([this, header = copyOf(buffer, std::min(count, headerCopyLimit)), count] {
        onDumpProgress(header, count);
    });
}

void MidiInterface::onSysexEnd(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo&)
{
    CallAfter([this, message = copyOf(buffer, count), arrived = std::chrono::steady_clock::now()] {
        onSysexComplete(message, arrived);
    });
}

// --- Receiving: GUI thread ----------------------------------------------------

void MidiInterface::onMidiControlEvent(MidiMessage message, const MidiInPort* port)
{
    if (MidiControlSetBase* controlSet = findControlSetByInput(port))
        controlSet->handleMessage(message);
}

std::optional<SysexReadState> MidiInterface::matchDumpHeader(std::span<const std::uint8_t> bytes) const
{
    if (bulkDumpTemplate_ == nullptr)
        return std::nullopt;
    SysexReadState state(bytes);
    if (bulkDumpTemplate_->match(state) != SysexParseResult::success)
        return std::nullopt;
    return state;
}

void MidiInterface::onDumpStart(const std::vector<std::uint8_t>& header)
{
    // Any SysEx from any input shows the instrument is answering.
    stopReplyTimer();
    const std::optional<SysexReadState> dump = matchDumpHeader(header);
    if (!dump)
        return;
    receivingDump_ = true;
    announcedSize_ = std::int32_t(bulkDumpTemplate_->dumpLength(dump->byteCount));
    wxLogVerbose("MIDI IN: Dump start: addr=%X size=%d", dump->address, announcedSize_);
    device_.showReceivingSysex(dump->address, announcedSize_);
}

void MidiInterface::onDumpProgress(const std::vector<std::uint8_t>& header, std::size_t count)
{
    const std::optional<SysexReadState> dump = matchDumpHeader(header);
    if (!dump)
        return;
    wxLogVerbose("MIDI IN: Dump in progress: addr=%X size=%d", dump->address, int(count));
    // A halved byte count (formant sequences) announces less than arrives.
    if (WaitProgress* wait = device_.waitDialog())
        wait->setProgress(std::min(std::int32_t(count), announcedSize_));
}

void MidiInterface::onSysexComplete(const std::vector<std::uint8_t>& message,
    std::chrono::steady_clock::time_point arrived)
{
    receivingDump_ = false;
    beginCommandGroup(fromWxString(_("Sysex reception")), flagsSysexReceived);
    if (!receiveDump(message))
        receiveParameterChange(message, arrived);
    endCommandGroup(flagsSysexReceived);
}

bool MidiInterface::receiveDump(std::span<const std::uint8_t> message)
{
    std::optional<SysexReadState> dump = matchDumpHeader(message);
    if (!dump)
        return false;
    stopReplyTimer();
    const SysexParseResult result = bulkDumpTemplate_->readData(*dump, device_, flagsSysexReceived);
    if (result == SysexParseResult::success)
        finishDump(dump->address, message);
    else
        rejectDump(dump->address, result);
    sendNextQueuedDump();
    return true;
}

void MidiInterface::finishDump(PackedAddress address, std::span<const std::uint8_t> message)
{
    wxLogVerbose("MIDI IN: Dump end: addr=%X", address);
    // The instrument has nothing left to do once it has sent a dump, so the
    // wait ends at once; unless a dump asked for meanwhile is still to come.
    WaitProgress* wait = device_.waitDialog();
    if (wait && awaitedReply_ != Reply::dump && pendingDumps_.empty())
        wait->finish(0);
    device_.onDumpReceived(address, message);
    runDumpCallbacks(address);
}

void MidiInterface::rejectDump(PackedAddress address, SysexParseResult result)
{
    // Nothing of it was written; its requesters keep waiting for a good one.
    wxLogWarning("MIDI IN: Dump error: addr=%X: the dump is ignored (parse result %u)", address,
        unsigned(result));
    device_.abortWait(RefString(), false);
}

void MidiInterface::runDumpCallbacks(PackedAddress address)
{
    // Taken out first: a callback may register new ones for the same address.
    std::vector<DumpCallback*> callbacks;
    const auto [first, last] = dumpCallbacks_.equal_range(address);
    for (auto it = first; it != last; ++it)
        callbacks.push_back(it->second);
    dumpCallbacks_.erase(first, last);
    for (DumpCallback* callback : callbacks)
        callback->dumpDone(address);
}

bool MidiInterface::receiveParameterChange(std::span<const std::uint8_t> message,
    std::chrono::steady_clock::time_point arrived)
{
    if (parameterChangeTemplate_ == nullptr)
        return false;
    SysexReadState state(message);
    if (parameterChangeTemplate_->matchAndRead(state, device_, flagsSysexReceived) != SysexParseResult::success)
        return false;
    stopReplyTimer();
    // Requests queued behind a dump that may now never be timed out go on.
    sendNextQueuedDump();
    if (probing_) {
        probing_ = false;
        // The instrument's moment runs from its answer, which may have
        // waited here behind the drawing of the window.
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            arrived + probeSettleTime - std::chrono::steady_clock::now());
        probeSettleTimer_.StartOnce(std::max(1, int(left.count())));
    }
    return true;
}

// --- Ports --------------------------------------------------------------------

MidiInPort& MidiInterface::createInPort()
{
    const auto size = std::size_t(std::max(device_.maxSysexSize(), 0));
    inputPorts_.push_back(std::make_unique<MidiInPort>(size, *this, *this));
    return *inputPorts_.back();
}

MidiOutPort& MidiInterface::createOutPort()
{
    outputPorts_.push_back(std::make_unique<MidiOutPort>(*this));
    return *outputPorts_.back();
}

template <class Port>
void MidiInterface::assignSlot(Port*& slot, Port* port)
{
    std::lock_guard lock(slotsMutex_);
    slot = port;
}

template <class Port>
std::vector<std::unique_ptr<Port>>& MidiInterface::portsOf()
{
    if constexpr (std::is_same_v<Port, MidiInPort>)
        return inputPorts_;
    else
        return outputPorts_;
}

template <class Port>
const std::vector<std::unique_ptr<Port>>& MidiInterface::portsOf() const
{
    return const_cast<MidiInterface*>(this)->portsOf<Port>();
}

bool MidiInterface::isInUse(const MidiInPort* port) const
{
    return port == currentInput_ || isThruInput(*port) || findControlSetByInput(port) != nullptr;
}

bool MidiInterface::isInUse(const MidiOutPort* port) const
{
    return port == currentOutput_ || findControlSetByOutput(port) != nullptr;
}

template <class Port>
Port* MidiInterface::findOpenPort(const MidiDeviceInfo& description) const
{
    for (const auto& port : portsOf<Port>()) {
        if (port->openDescription().matches(description))
            return port.get();
    }
    return nullptr;
}

// A closed port that no slot holds is taken again, so reopening slots does
// not pile up ports and their SysEx buffers.
template <class Port>
Port& MidiInterface::unusedPort()
{
    for (const auto& port : portsOf<Port>()) {
        if (!port->isOpen() && !isInUse(port.get()))
            return *port;
    }
    if constexpr (std::is_same_v<Port, MidiInPort>)
        return createInPort();
    else
        return createOutPort();
}

template <class Port>
MidiPortError MidiInterface::openPort(Port*& slot, const MidiDeviceInfo& description)
{
    Port* const previous = slot;
    assignSlot<Port>(slot, nullptr);
    if (previous != nullptr && !isInUse(previous))
        closeMidiPort(*previous);
    if (description.isNone())
        return MidiPortError::ok;
    if (Port* shared = findOpenPort<Port>(description)) {
        assignSlot(slot, shared);
        return MidiPortError::ok;
    }
    Port& port = unusedPort<Port>();
    assignSlot(slot, &port);
    return openMidiPort(port, description);
}

MidiPortError MidiInterface::openInPort(MidiInPort*& slot, const MidiDeviceInfo& description)
{
    return openPort(slot, description);
}

MidiPortError MidiInterface::openOutPort(MidiOutPort*& slot, const MidiDeviceInfo& description)
{
    return openPort(slot, description);
}

MidiPortError MidiInterface::openCurrentInput(const MidiDeviceInfo& description)
{
    return openInPort(currentInput_, description);
}

MidiPortError MidiInterface::openCurrentOutput(const MidiDeviceInfo& description)
{
    return openOutPort(currentOutput_, description);
}

MidiPortError MidiInterface::openKeyboardInput(std::size_t index, const MidiDeviceInfo& description)
{
    if (index >= keyboardInputCount)
        return MidiPortError::ok;
    return openInPort(keyboardInputs_[index], description);
}

MidiInPort* MidiInterface::findOpenInPort(const MidiDeviceInfo& description) const
{
    return findOpenPort<MidiInPort>(description);
}

MidiOutPort* MidiInterface::findOpenOutPort(const MidiDeviceInfo& description) const
{
    return findOpenPort<MidiOutPort>(description);
}

void MidiInterface::closeAllPorts()
{
    for (auto& port : inputPorts_)
        closeMidiPort(*port);
    for (auto& port : outputPorts_)
        closeMidiPort(*port);
}

bool MidiInterface::isThruInput(const MidiInPort& port) const
{
    return std::find(keyboardInputs_.begin(), keyboardInputs_.end(), &port) != keyboardInputs_.end();
}

MidiControlSetBase* MidiInterface::findControlSetByInput(const MidiInPort* port) const
{
    for (const auto& controlSet : controlSets_) {
        if (controlSet && port != nullptr && controlSet->input() == port)
            return controlSet.get();
    }
    return nullptr;
}

MidiControlSetBase* MidiInterface::findControlSetByOutput(const MidiOutPort* port) const
{
    for (const auto& controlSet : controlSets_) {
        if (controlSet && port != nullptr && controlSet->output() == port)
            return controlSet.get();
    }
    return nullptr;
}

MidiInPort* MidiInterface::keyboardInput(std::size_t index) const
{
    return index < keyboardInputCount ? keyboardInputs_[index] : nullptr;
}

// --- Settings -------------------------------------------------------------------

void MidiInterface::openSavedPorts(const XmlElement& element)
{
    setDeviceId(element.getIntAttribute(RefString(u"deviceID"), 0));
    // Through the slots: a current port the user set to "no port" has left
    // its slot empty, and a port shared with another slot stays where it is.
    const MidiDeviceInfo output = readMidiPortElement(firstChild(element, u"output"), MidiDeviceKind::output);
    if (!output.isNone())
        openCurrentOutput(output);
    const MidiDeviceInfo input = readMidiPortElement(firstChild(element, u"input"), MidiDeviceKind::input);
    if (!input.isNone())
        openCurrentInput(input);
    openKeyboardInputsAndControlSet(element);
}

void MidiInterface::openKeyboardInputsAndControlSet(const XmlElement& element)
{
    const std::vector<XmlElement> keyboards = element.children(RefString(u"kb_input"));
    for (std::size_t i = 0; i < std::min(keyboards.size(), keyboardInputCount); ++i)
        openKeyboardInput(i, readMidiPortElement(keyboards[i], MidiDeviceKind::input));
    const std::vector<XmlElement> sets = element.children(RefString(u"control_set"));
    for (std::size_t i = 0; i < std::min(sets.size(), controlSetCount); ++i)
        controlSets_[i]->load(sets[i]);
}

void MidiInterface::saveMidiSettings(const XmlElement& element) const
{
    element.setIntAttribute(RefString(u"deviceID"), deviceId_);
    element.removeChildren(RefString(u"input"));
    writeMidiPortElement(element.addChild(RefString(u"input")), openDescriptionOf(currentInput_));
    element.removeChildren(RefString(u"output"));
    writeMidiPortElement(element.addChild(RefString(u"output")), openDescriptionOf(currentOutput_));
    element.removeChildren(RefString(u"kb_input"));
    for (MidiInPort* port : keyboardInputs_) {
        if (port != nullptr && port->isOpen())
            writeMidiPortElement(element.addChild(RefString(u"kb_input")), port->openDescription());
    }
    element.removeChildren(RefString(u"control_set"));
    for (const auto& controlSet : controlSets_)
        controlSet->save(element.addChild(RefString(u"control_set")));
}

MidiDeviceInfo readMidiPortElement(const XmlElement& element, MidiDeviceKind kind)
{
    return MidiDeviceInfo(kind, readDriverId(element, u"mid"), readDriverId(element, u"pid"),
        element.getAttribute(RefString(u"name"), RefString()));
}

void writeMidiPortElement(const XmlElement& element, const MidiDeviceInfo& description)
{
    if (description.isNone())
        return;
    element.setIntAttribute(RefString(u"mid"), description.manufacturerId());
    element.setIntAttribute(RefString(u"pid"), description.productId());
    element.setAttribute(RefString(u"name"), description.name());
}
