// Feeds arbitrary bytes to the simulated instrument in arbitrary blocks and
// checks that whatever it answers is one well-framed SysEx message.
#include "simulator/SimulatedFs1r.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void checkFraming(const std::uint8_t* data, std::size_t size)
{
    if (size < 2 || data[0] != 0xF0 || data[size - 1] != 0xF7)
        std::abort();
    if (std::any_of(data + 1, data + size - 1, [](std::uint8_t b) { return b >= 0x80; }))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    // The first byte picks the faults and the device number, the second the
    // block size the bytes arrive in.
    const std::uint8_t setup = data[0];
    const std::size_t blockSize = data[1] % 64 + 1;
    data += 2;
    size -= 2;

    SimulatedFs1r fs1r(checkFraming);
    fs1r.setDeviceNumber(setup & 0x0F);
    fs1r.setFaults({.silent = false,
                    .badChecksum = (setup & 0x10) != 0,
                    .truncatedDump = (setup & 0x20) != 0,
                    .wrongDeviceNumber = (setup & 0x40) != 0});
    for (std::size_t at = 0; at < size; at += blockSize)
        fs1r.receiveBytes(data + at, std::min(blockSize, size - at));
    return 0;
}
