#pragma once
// What the FS1R's file and save-to-device commands need of windows: the file
// choosers, the questions asked while loading, the internal-memory slot
// chooser and error boxes. The GUI implements it over the toolkit's dialogs
// (children of the page window), tests answer it. Not owned by the device;
// it must outlive the device.
#include "instrument/Fs1rPart.h"
#include "text/RefString.h"

#include <cstdint>
#include <string>
#include <vector>

class Fs1rPatchDialogs {
public:
    virtual ~Fs1rPatchDialogs() = default;

    // The dialog for opening a file; the chosen file's path (UTF-8), empty
    // on Cancel.
    virtual std::string chooseFileToOpen(const RefString& message, const RefString& wildcard) = 0;
    // The dialog for saving, which asks before replacing a file; it opens in
    // folder (UTF-8, empty for none) proposing fileName. The chosen path,
    // empty on Cancel.
    virtual std::string chooseFileToSave(const RefString& message, const RefString& wildcard,
        const std::string& folder, const RefString& fileName) = 0;
    // A Yes/No box; true for Yes.
    virtual bool askYesNo(const RefString& caption, const RefString& text) = 0;
    // A list to pick one entry from; its index, -1 on Cancel.
    virtual std::int32_t chooseOne(const RefString& caption, const RefString& text,
        const std::vector<RefString>& choices) = 0;
    // The internal-memory view of the part's kind of patch (performance,
    // voice or formant sequence), with the prompt; the chosen slot, -1 for
    // none or Cancel.
    virtual std::int32_t chooseInternalSlot(Fs1rPart part, const RefString& prompt) = 0;
    // A box with the text and an OK button.
    virtual void showError(const RefString& caption, const RefString& text) = 0;
};
