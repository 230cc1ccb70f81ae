#pragma once
// The FS1R file and save-to-device dialogs as toolkit windows: file choosers
// and the load questions over the page window, the voice destination list and
// error boxes. The internal-memory view is supplied by whoever owns it. Owned
// by the page window's owner, so it outlives the device it serves.
#include "gui/KeptFileChooser.h"
#include "instrument/Fs1rPatchDialogs.h"

#include <functional>

class wxWindow;

class WxPatchDialogs : public Fs1rPatchDialogs {
public:
    // Shows the internal-memory view of a part's kind with the prompt and
    // gives the chosen slot, -1 for none.
    using SlotChooser = std::function<std::int32_t(Fs1rPart part, const RefString& prompt)>;

    // parent (the page window, none for the screen) must outlive this.
    explicit WxPatchDialogs(wxWindow* parent, SlotChooser chooseSlot = {});
    ~WxPatchDialogs() override;
    WxPatchDialogs(const WxPatchDialogs&) = delete;
    WxPatchDialogs& operator=(const WxPatchDialogs&) = delete;

    std::string chooseFileToOpen(const RefString& message, const RefString& wildcard) override;
    std::string chooseFileToSave(const RefString& message, const RefString& wildcard, const std::string& folder,
        const RefString& fileName) override;
    bool askYesNo(const RefString& caption, const RefString& text) override;
    std::int32_t chooseOne(const RefString& caption, const RefString& text,
        const std::vector<RefString>& choices) override;
    // -1 until a slot chooser is given.
    std::int32_t chooseInternalSlot(Fs1rPart part, const RefString& prompt) override;
    void showError(const RefString& caption, const RefString& text) override;

private:
    wxWindow* parent_;
    SlotChooser chooseSlot_;
    KeptFileChooser openChooser_;
    KeptFileChooser saveChooser_;
};
