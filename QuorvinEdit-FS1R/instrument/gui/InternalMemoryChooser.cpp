#include "instrument/gui/InternalMemoryChooser.h"

#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rInternalMemory.h"
#include "instrument/gui/InternalMemoryView.h"

std::int32_t InternalMemoryChooser::operator()(Fs1rPart part, const RefString& prompt) const
{
    const std::optional<Fs1rLibraries::Index> index = Fs1rInternalMemory::libraryOf(part);
    if (!index)
        return -1;
    PatchLibrary& library = device_.library(*index);
    InternalMemoryView view(parent_, library);
    view.setEntryLimit(Fs1rInternalMemory::entryLimit(part, library, device_.internalVoiceLimit()));
    view.setPrompt(prompt);
    return view.showModal() == wxID_OK ? view.getSelection() : -1;
}
