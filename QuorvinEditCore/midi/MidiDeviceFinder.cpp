#include "midi/MidiDeviceFinder.h"

#include "midi/MidiDeviceFinderClient.h"
#include "midi/MidiDeviceList.h"
#include "midi/MidiInPort.h"
#include "midi/MidiOutPort.h"
#include "sysex/SysexReadState.h"
#include "sysex/SysexTemplate.h"
#include "text/WxText.h"

#include <algorithm>
#include <utility>

#include <wx/log.h>

namespace {

wxString portReport(const MidiDeviceInfo& port, const RefString& text)
{
    return wxString::Format("MIDI %s %s: %s", port.kind() == MidiDeviceKind::input ? "INPUT" : "OUTPUT",
        toWxString(port.name()), toWxString(text));
}

} // namespace

MidiDeviceFinder::MidiDeviceFinder(MidiDeviceFinderClient& device)
    : device_(device), probeAddresses_(device.probeAddresses()), timer_(this)
{
    Bind(wxEVT_TIMER, &MidiDeviceFinder::onTimer, this, timer_.GetId());
}

MidiDeviceFinder::~MidiDeviceFinder()
{
    closeOutputs();
    closeInputs();
}

bool MidiDeviceFinder::findDevice()
{
    wxLogVerbose("Find the device");
    device_.disconnect();
    timer_.Stop();
    windowOpen_ = false;
    closeOutputs();
    closeInputs();
    // What the old inputs posted before they closed is dropped with the
    // old result.
    takePostedMessages();
    clearResult();
    const MidiDeviceList& inputs = enumerateMidiInputs();
    const MidiDeviceList& outputs = enumerateMidiOutputs();
    if (inputs.count() == 0 || outputs.count() == 0)
        return false;
    openInputs(inputs);
    openAndProbeOutputs(outputs);
    windowOpen_ = true;
    timer_.StartOnce(int(searchWindow.count()));
    return true;
}

void MidiDeviceFinder::closeInputs()
{
    if (inputs_.empty())
        return;
    wxLogVerbose("MidiDeviceFinder - Closing the MIDI inputs...");
    for (const auto& port : inputs_)
        closeMidiPort(*port);
    inputs_.clear();
    wxLogVerbose("MidiDeviceFinder - Closing the MIDI inputs done.");
}

void MidiDeviceFinder::closeOutputs()
{
    if (outputs_.empty())
        return;
    wxLogVerbose("MidiDeviceFinder - Closing the MIDI outputs...");
    for (const auto& port : outputs_)
        closeMidiPort(*port);
    outputs_.clear();
    wxLogVerbose("MidiDeviceFinder - Closing the MIDI outputs done.");
}

void MidiDeviceFinder::logInfo(const MidiDeviceInfo& port, const RefString& text)
{
    wxLogVerbose("%s", portReport(port, text));
}

void MidiDeviceFinder::logError(const MidiDeviceInfo& port, const RefString& text)
{
    wxLogWarning("%s", portReport(port, text));
}

void MidiDeviceFinder::onSysexEnd(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo& port)
{
    {
        std::lock_guard lock(postedMutex_);
        posted_.push_back({std::vector<std::uint8_t>(buffer, buffer + count), port});
    }
    CallAfter(&MidiDeviceFinder::takePostedMessages);
}

void MidiDeviceFinder::openInputs(const MidiDeviceList& inputs)
{
    const auto assemblySize = std::size_t(std::max(device_.maxSysexSize(), 0));
    for (std::size_t i = 0; i < inputs.count(); ++i) {
        inputs_.push_back(std::make_unique<MidiInPort>(assemblySize, *this, *this));
        openMidiPort(*inputs_.back(), inputs.at(i));
    }
}

void MidiDeviceFinder::openAndProbeOutputs(const MidiDeviceList& outputs)
{
    for (std::size_t i = 0; i < outputs.count(); ++i) {
        outputs_.push_back(std::make_unique<MidiOutPort>(*this));
        if (openMidiPort(*outputs_.back(), outputs.at(i)) != MidiPortError::ok)
            continue;
        // An answer names its output by the probe address it carries, so an
        // output without an address of its own cannot be told apart.
        if (i >= probeAddresses_.size()) {
            wxLogVerbose("Output %d: no probe address left, nothing sent", int(i));
            continue;
        }
        sendProbes(i, probeAddresses_[i]);
    }
}

void MidiDeviceFinder::sendProbes(std::size_t output, PackedAddress address)
{
    for (std::uint8_t id = 0; id < deviceNumberCount; ++id) {
        request_.setDeviceNumber(id);
        request_.setAddressAndValue(address, 0);
        wxLogVerbose("Output %d: request data at %X (device ID %d)", int(output), unsigned(address), int(id));
        const std::span<const std::uint8_t> bytes = request_.bytes();
        outputs_[output]->sendLong(bytes.data(), bytes.size());
    }
}

void MidiDeviceFinder::takePostedMessages()
{
    std::deque<PostedMessage> messages;
    {
        std::lock_guard lock(postedMutex_);
        messages.swap(posted_);
    }
    if (!windowOpen_)
        return;
    for (const PostedMessage& message : messages)
        onAnswer(message.bytes, message.input);
}

void MidiDeviceFinder::onAnswer(const std::vector<std::uint8_t>& message, const MidiDeviceInfo& input)
{
    if (answerTemplate_ == nullptr)
        return;
    SysexReadState answer(message);
    if (answerTemplate_->match(answer) != SysexParseResult::success)
        return;
    foundInput_ = input;
    foundOutput_.reset();
    const std::size_t probed = std::min(outputs_.size(), probeAddresses_.size());
    for (std::size_t i = 0; i < probed; ++i) {
        if (probeAddresses_[i] != answer.address)
            continue;
        // A closed output asked nothing; an answer naming it reached no
        // port the device could open.
        const MidiDeviceInfo& output = outputs_[i]->openDescription();
        if (!output.isNone()) {
            foundOutput_ = output;
            wxLogVerbose("MidiDeviceFinder - SYSEX message from %s received on %s", toWxString(output.name()),
                toWxString(input.name()));
        }
        break;
    }
    foundDeviceId_ = answer.deviceNumber;
}

void MidiDeviceFinder::onTimer(wxTimerEvent&)
{
    // Answers that arrived before the inputs closed still count, even when
    // the GUI thread has not got to them yet; nothing counts after that.
    closeInputs();
    takePostedMessages();
    windowOpen_ = false;
    const std::optional<MidiDeviceInfo> input = std::exchange(foundInput_, std::nullopt);
    const std::optional<MidiDeviceInfo> output = std::exchange(foundOutput_, std::nullopt);
    closeOutputs();
    if (input && output)
        device_.onDeviceFound(*input, *output, foundDeviceId_);
    else
        device_.onDeviceNotFound();
}

void MidiDeviceFinder::clearResult()
{
    foundInput_.reset();
    foundOutput_.reset();
    foundDeviceId_ = 0;
}
