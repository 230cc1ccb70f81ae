#pragma once
// Asks the user for an internal slot of the device's memory in the
// internal-memory view of the part's kind. The device type hands it to the
// save-to-device dialogs; it is called only while the device lives. Each
// question gets a fresh view, so no view outlives the library it observes.
#include "instrument/Fs1rPart.h"
#include "text/RefString.h"

#include <cstdint>

class Fs1rDevice;
class wxWindow;

class InternalMemoryChooser {
public:
    // parent (the page window) is the views' parent.
    InternalMemoryChooser(Fs1rDevice& device, wxWindow* parent) : device_(device), parent_(parent) {}

    // The chosen slot; -1 on Cancel, for no slot or a part that names no patch.
    std::int32_t operator()(Fs1rPart part, const RefString& prompt) const;

private:
    Fs1rDevice& device_;
    wxWindow* parent_;
};
