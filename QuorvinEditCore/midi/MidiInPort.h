#pragma once
// An input port: opens one installed input, assembles SysEx into a buffer
// of the instrument's largest message size, and hands everything that
// arrives to its listener on the backend's input thread. It may be closed
// from any thread, its own callbacks included; once closed, no call reaches
// the listener. Owned by the MIDI interface or the device finder.
#include "midi/MidiBackend.h"
#include "midi/MidiInputListener.h"
#include "midi/MidiPort.h"
#include "midi/SysexAssembler.h"

class MidiInPort final : public MidiPort, private MidiInputSink, private SysexAssembler::Receiver {
public:
    // An assembly size of 0 allocates no buffer: the port then passes on
    // short messages only.
    MidiInPort(std::size_t assemblySize, MidiPortLogger& logger, MidiInputListener& listener);
    ~MidiInPort() override;

    MidiPortError open(const MidiDeviceInfo& description) override;
    void close() override;

    std::size_t assemblySize() const { return assembler_.size(); }

private:
    void onShortMessage(MidiMessage message) override;
    void onSysexBlock(const std::uint8_t* block, std::size_t size) override;
    void onAssemblyStart(const std::uint8_t* buffer, std::size_t count) override;
    void onAssemblyData(const std::uint8_t* buffer, std::size_t count) override;
    void onAssemblyEnd(const std::uint8_t* buffer, std::size_t count) override;
    void onAssemblyError(MidiPortError error) override;

    MidiInputListener& listener_;
    SysexAssembler assembler_;
    std::shared_ptr<MidiBackend> backend_;
    std::unique_ptr<MidiInputConnection> connection_;
};
