#pragma once
// The simulated instrument's memory: the edit buffers (system, performance
// with its four parts, four voices, formant sequence) and the internal banks,
// reached through the two address spaces of the protocol: parameter
// addresses for single values, dump addresses for whole patches.
// Owned by SimulatedFs1r; not thread-safe on its own.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class SimulatorMemory {
public:
    enum class Kind { System, Performance, Voice, FormantSequence };

    // A patch that one bulk dump carries.
    struct Patch {
        Kind kind;
        std::size_t block;
    };

    SimulatorMemory();

    // The patch a bulk dump or dump request at this address names, if any.
    std::optional<Patch> patchAt(std::uint32_t dumpAddress) const;
    // The bytes a dump of the patch carries now: a formant sequence sends as
    // many frames as its length code says, none when the code is invalid.
    std::span<const std::uint8_t> dumpData(Patch patch) const;
    // Whether received dump data fit the patch: the exact size, and for a
    // formant sequence the size its own length code asks for.
    bool fits(Patch patch, std::span<const std::uint8_t> data) const;
    void write(Patch patch, std::span<const std::uint8_t> data);

    // A value at a parameter address: one byte, or 14 bits over two bytes
    // for the fields that hold two.
    std::optional<unsigned> readParameter(std::uint32_t address) const;
    // False, and nothing changed, for an unknown address or a value too wide.
    bool writeParameter(std::uint32_t address, unsigned value);

    // What the instrument does when a performance, a part's voice or the
    // formant sequence is chosen: the chosen patch is copied into its edit
    // buffer. Bank 0 is internal memory; a choice outside memory changes nothing.
    void selectPerformance(unsigned bank, unsigned program);
    // The performance edit buffer's parts take the voices it names and the
    // formant sequence it names, as after choosing it.
    void selectPerformanceContents();
    void selectPartVoice(unsigned part);
    void selectFormantSequence();

    unsigned internalVoiceCount() const;

private:
    struct ParameterPlace {
        std::size_t block;
        std::size_t offset;
        bool twoBytes;
    };
    std::optional<ParameterPlace> parameterPlace(std::uint32_t address) const;
    std::span<const std::uint8_t> readable(std::size_t block) const;
    std::span<std::uint8_t> writable(std::size_t block);
    void copyInto(std::size_t block, std::span<const std::uint8_t> patch);

    std::vector<std::uint8_t> editBuffers_;
    // Shared with the factory contents until the first write.
    std::shared_ptr<std::vector<std::uint8_t>> internalBanks_;
};
