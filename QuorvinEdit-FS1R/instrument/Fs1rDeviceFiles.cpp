// The FS1R device's file commands (.syx open and save) and saving into the
// instrument's internal memory.
#include "instrument/Fs1rDevice.h"

#include "instrument/Fs1rSaveToDevice.h"

void Fs1rDevice::setPatchDialogs(Fs1rPatchDialogs* dialogs)
{
    patchDialogs_ = dialogs;
    patchFiles_.setDialogs(dialogs);
}

void Fs1rDevice::openFile()
{
    patchFiles_.openFile();
}

void Fs1rDevice::saveToFile(bool asNew, std::int32_t part)
{
    patchFiles_.saveToFile(asNew, part);
}

void Fs1rDevice::saveAll()
{
    patchFiles_.saveAll();
}

void Fs1rDevice::saveToDevice(std::int32_t part)
{
    Fs1rSaveToDevice(*this, patchDialogs_).save(part);
}
