#pragma once
// Save to device: stores the edited performance, voice or formant sequence
// into a slot of the FS1R's internal memory chosen by the user, files it
// into the patch cache at that slot, then points the instrument and the
// editor at the stored copy. Made for one command by the device.
#include "instrument/Fs1rPart.h"
#include "sysex/PackedAddress.h"

#include <cstdint>
#include <optional>

class DumpDataSource;
class Fs1rDevice;
class Fs1rPatchDialogs;

class Fs1rSaveToDevice {
public:
    // One part's dump: the edit buffer it reads and the slot it goes to.
    struct Dump {
        PackedAddress editBuffer;
        std::uint32_t size;
        PackedAddress slotAddress;
        std::uint32_t countDivisor;
    };

    // The dump of a part into slot n; none for no valid part or a slot the
    // instrument does not have.
    static std::optional<Dump> dumpFor(Fs1rPart part, std::int32_t slot, DumpDataSource& source);
    // Internal slots of the part's kind of patch.
    static std::int32_t slotCount(Fs1rPart part);

    // Without dialogs no slot can be chosen and nothing happens.
    Fs1rSaveToDevice(Fs1rDevice& device, Fs1rPatchDialogs* dialogs) : device_(device), dialogs_(dialogs) {}

    // Part -1 is the page that shows; the system page saves nothing. True
    // when the patch went out; when it could not be sent the user is told
    // and neither the cache nor the selection changes.
    bool save(Fs1rPart part);

private:
    bool fileIntoCache(Fs1rPart part, std::int32_t slot);
    void selectStoredPatch(Fs1rPart part, std::int32_t slot);

    Fs1rDevice& device_;
    Fs1rPatchDialogs* dialogs_;
};
