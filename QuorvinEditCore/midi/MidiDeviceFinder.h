#pragma once
// Finds the instrument on any pair of ports and any device number: opens
// every installed input and output, asks each output for a probe address of
// its own under all sixteen device numbers, and listens for one second. The
// input an answer arrives on, the address it carries and its device number
// are the result, which goes to the device. Made and owned by the device.
#include "midi/MidiInputListener.h"
#include "midi/MidiPortLogger.h"
#include "sysex/PackedAddress.h"
#include "sysex/SysexMessage.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include <wx/event.h>
#include <wx/timer.h>

class MidiDeviceFinderClient;
class MidiDeviceList;
class MidiInPort;
class MidiOutPort;
class SysexTemplate;

class MidiDeviceFinder : public wxEvtHandler, public MidiInputListener, public MidiPortLogger {
public:
    static constexpr std::chrono::milliseconds searchWindow{1000};
    static constexpr std::uint8_t deviceNumberCount = 16;

    // Fetches the device's probe addresses; the device must outlive it.
    explicit MidiDeviceFinder(MidiDeviceFinderClient& device);
    // Closes every port first, so no answer arrives during the rest.
    ~MidiDeviceFinder() override;
    MidiDeviceFinder(const MidiDeviceFinder&) = delete;
    MidiDeviceFinder& operator=(const MidiDeviceFinder&) = delete;

    // The parameter request, laid out by the device's setup with
    // SysexMessage::create; the finder fills in device number and address.
    SysexMessage& requestMessage() { return request_; }
    // The instrument's parameter-change template, which answers match; not
    // owned. Without one, nothing is ever found.
    void setAnswerTemplate(const SysexTemplate* answer) { answerTemplate_ = answer; }

    // GUI thread. Drops the device's connection and any search under way,
    // then starts over. False, with nothing opened, when there is no input
    // or no output to search.
    bool findDevice();
    bool isSearching() const { return windowOpen_; }
    void closeInputs();
    void closeOutputs();

    // --- MidiPortLogger ----------------------------------------------------
    void logInfo(const MidiDeviceInfo& port, const RefString& text) override;
    void logError(const MidiDeviceInfo& port, const RefString& text) override;

    // --- MidiInputListener (input thread) ----------------------------------
    void onShortMessage(MidiMessage, MidiInPort&) override {}
    void onSysexStart(const std::uint8_t*, std::size_t, const MidiDeviceInfo&) override {}
    void onSysexData(const std::uint8_t*, std::size_t, const MidiDeviceInfo&) override {}
    // Copies the message for the GUI thread and wakes it; nothing else.
    void onSysexEnd(const std::uint8_t* buffer, std::size_t count, const MidiDeviceInfo& port) override;

private:
    // A complete SysEx message as it arrived, waiting for the GUI thread.
    struct PostedMessage {
        std::vector<std::uint8_t> bytes;
        MidiDeviceInfo input;
    };

    void openInputs(const MidiDeviceList& inputs);
    void openAndProbeOutputs(const MidiDeviceList& outputs);
    void sendProbes(std::size_t output, PackedAddress address);
    // GUI thread, from here on.
    void takePostedMessages();
    void onAnswer(const std::vector<std::uint8_t>& message, const MidiDeviceInfo& input);
    void onTimer(wxTimerEvent& event);
    void clearResult();

    MidiDeviceFinderClient& device_;
    const std::vector<PackedAddress> probeAddresses_;
    std::vector<std::unique_ptr<MidiInPort>> inputs_;
    std::vector<std::unique_ptr<MidiOutPort>> outputs_;
    SysexMessage request_;
    const SysexTemplate* answerTemplate_ = nullptr;
    wxTimer timer_;
    // Answers count from the start of a search until its window closes.
    bool windowOpen_ = false;
    std::mutex postedMutex_; // the input threads post, the GUI thread takes
    std::deque<PostedMessage> posted_;
    std::optional<MidiDeviceInfo> foundInput_;
    std::optional<MidiDeviceInfo> foundOutput_;
    std::uint8_t foundDeviceId_ = 0;
};
