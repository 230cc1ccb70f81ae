// The FS1R device's file commands (.syx open and save) and saving into the
// instrument's internal memory. Placeholders until those commands come.
#include "instrument/Fs1rDevice.h"

#include <wx/log.h>

void Fs1rDevice::openFile()
{
    wxLogWarning("Opening a sysex file is not available");
}

void Fs1rDevice::saveToFile(bool, std::int32_t)
{
    wxLogWarning("Saving to a sysex file is not available");
}

void Fs1rDevice::saveAll()
{
    wxLogWarning("Saving to a sysex file is not available");
}

void Fs1rDevice::saveToDevice(std::int32_t)
{
    wxLogWarning("Saving to the device memory is not available");
}
