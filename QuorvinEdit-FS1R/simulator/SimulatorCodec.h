#pragma once
// The FS1R's four SysEx messages as the simulated instrument reads and writes
// them, built straight from the published byte layout:
//   parameter change   F0 43 1n 5E aH aM aL vH vL F7
//   parameter request  F0 43 3n 5E aH aM aL F7
//   dump request       F0 43 2n 5E aH aM aL F7
//   bulk dump          F0 43 0n 5E cH cL aH aM aL data.. checksum F7
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct SimulatorMessage {
    enum class Kind { BulkDump, ParameterChange, DumpRequest, ParameterRequest };

    Kind kind = Kind::ParameterRequest;
    unsigned deviceNumber = 0;
    std::uint32_t address = 0;
    unsigned value = 0;                 // parameter change only
    unsigned byteCount = 0;             // bulk dump only: the count field as sent
    std::span<const std::uint8_t> data; // bulk dump only
    bool checksumHolds = true;          // bulk dump only
};

class SimulatorCodec {
public:
    static constexpr std::size_t dumpOverhead = 11;
    static constexpr std::size_t requestSize = 8;
    static constexpr std::size_t parameterChangeSize = 10;

    // The message's fields when its framing is that of one of the four
    // messages; the dump's checksum is checked, not enforced.
    static std::optional<SimulatorMessage> decode(std::span<const std::uint8_t> message);

    static std::vector<std::uint8_t> parameterChange(unsigned deviceNumber, std::uint32_t address, unsigned value);
    // The count field holds data size / countDivisor.
    static std::vector<std::uint8_t> bulkDump(unsigned deviceNumber, std::uint32_t address,
                                              std::span<const std::uint8_t> data, unsigned countDivisor);

    // The byte that makes the 7-bit sum of the given bytes and itself zero.
    static std::uint8_t checksum(std::span<const std::uint8_t> summedBytes);
};
