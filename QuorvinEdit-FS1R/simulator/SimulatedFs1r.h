#pragma once
// A simulated FS1R at the far end of a MIDI cable: bytes in, bytes out. It
// answers parameter and dump requests, takes parameter changes, bulk dumps
// and program changes into its own memory, and can be told to misbehave.
// Thread-safe: bytes may arrive on one thread while a test looks on another.
#include "simulator/SimulatorCodec.h"
#include "simulator/SimulatorMemory.h"
#include "simulator/SimulatorMidiParser.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

class SimulatedFs1r {
public:
    using Transmit = std::function<void(const std::uint8_t* data, std::size_t size)>;

    // Ways to misbehave, for testing how the editor copes with a faulty instrument.
    struct Faults {
        bool silent = false;            // sends nothing at all
        bool badChecksum = false;       // dumps carry a wrong checksum
        bool truncatedDump = false;     // dumps end with F7 after half their data
        bool wrongDeviceNumber = false; // answers carry the next device number
    };

    // What the instrument writes itself when an effect type changes: the new
    // type's own values, as (address, value) pairs by (type address, type).
    using ParameterValues = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
    using EffectTypeDefaults = std::map<std::pair<std::uint32_t, std::uint32_t>, ParameterValues>;

    // Every message it sends goes whole, F0 to F7, through transmit.
    explicit SimulatedFs1r(Transmit transmit = {});
    void setTransmit(Transmit transmit);

    // Any block boundaries; garbage is dropped.
    void receiveBytes(const std::uint8_t* data, std::size_t size);

    // 0 to 15 (shown as 1 to 16 on the instrument); other values are refused.
    bool setDeviceNumber(unsigned number);
    unsigned deviceNumber() const;
    void setFaults(const Faults& faults);
    // The real instrument's table of effect defaults is not known here: the
    // editor's page defaults stand for it. Without them a new type keeps the
    // values it finds.
    void setEffectTypeDefaults(EffectTypeDefaults defaults);

    // The memory as the instrument holds it now.
    std::optional<unsigned> parameterValue(std::uint32_t address) const;
    // The data bytes a dump at this dump address would carry; empty for none.
    std::vector<std::uint8_t> dumpData(std::uint32_t dumpAddress) const;

    // The front panel: an edit, sent out as a parameter change, and a dump
    // sent on the user's command. False when the address names nothing.
    bool editParameter(std::uint32_t address, unsigned value);
    bool sendDump(std::uint32_t dumpAddress);

    // Bulk dumps for this instrument refused for their address, size, count
    // or checksum.
    std::size_t rejectedDumpCount() const;
    // The latest short messages received, oldest first.
    std::vector<std::vector<std::uint8_t>> receivedShortMessages() const;

private:
    void handleSysex(const std::uint8_t* data, std::size_t size);
    void handleShortMessage(const std::uint8_t* data, std::size_t size);
    void handleProgramChange(unsigned channel, unsigned program);
    bool applyParameterChange(std::uint32_t address, unsigned value);
    void applyEffectTypeDefaults(std::uint32_t address, unsigned type);
    void applyBulkDump(const SimulatorMessage& message);
    void answerParameterRequest(std::uint32_t address);
    bool answerDumpRequest(std::uint32_t dumpAddress);
    void queue(std::vector<std::uint8_t> message);
    unsigned answerDeviceNumber() const;
    // Sends what the last call queued, outside the lock, so that a transmit
    // that feeds bytes straight back cannot deadlock.
    void transmitQueued(std::unique_lock<std::mutex>& lock);

    mutable std::mutex mutex_;
    Transmit transmit_;
    SimulatorMemory memory_;
    SimulatorMidiParser parser_;
    unsigned deviceNumber_ = 0;
    Faults faults_;
    EffectTypeDefaults effectTypeDefaults_;
    std::uint8_t bankSelect_;
    std::size_t rejectedDumps_ = 0;
    std::deque<std::vector<std::uint8_t>> shortMessages_;
    std::vector<std::vector<std::uint8_t>> outbox_;
};
