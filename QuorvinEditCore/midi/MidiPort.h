#pragma once
// Base of the input and output ports: the description of the open device,
// present exactly while the port is open, and the logger that hears of it.
#include "midi/MidiDeviceInfo.h"
#include "midi/MidiPortCapabilities.h"
#include "midi/MidiPortError.h"
#include "midi/MidiPortLogger.h"

#include <memory>
#include <vector>

class MidiPort {
public:
    explicit MidiPort(MidiPortLogger& logger) : logger_(logger) {}
    virtual ~MidiPort() = default;
    MidiPort(const MidiPort&) = delete;
    MidiPort& operator=(const MidiPort&) = delete;

    // Searches the installed devices for the description and opens the first
    // match; an open port is first closed through closeMidiPort.
    virtual MidiPortError open(const MidiDeviceInfo& description) = 0;
    virtual void close() = 0;

    bool isOpen() const { return openDescription_ != nullptr; }
    // The none-description while closed.
    const MidiDeviceInfo& openDescription() const;
    MidiPortLogger& logger() const { return logger_; }

protected:
    // The id of the first device in the list that the description matches.
    static bool findDevice(const std::vector<MidiPortCapabilities>& devices, const MidiDeviceInfo& description,
        std::uint32_t& id);
    void setOpenDescription(const MidiDeviceInfo& description);
    void clearOpenDescription() { openDescription_.reset(); }

private:
    std::unique_ptr<MidiDeviceInfo> openDescription_;
    MidiPortLogger& logger_;
};

// Opens and reports the result: "Open", or the error's text.
MidiPortError openMidiPort(MidiPort& port, const MidiDeviceInfo& description);
// Reports "Close" and closes an open port; leaves a closed one alone.
void closeMidiPort(MidiPort& port);
// The port's open description; the none-description for no port, as for
// an empty slot.
const MidiDeviceInfo& openDescriptionOf(const MidiPort* port);
