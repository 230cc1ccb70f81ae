#pragma once
// What the device's control-set button runs: shows the set's dialog. Owned
// by the button's parameter, while the dialog belongs to its parent window;
// whichever goes first, the dialog never outlives its control set.
#include "device/ParameterAction.h"

#include <wx/weakref.h>

class MidiControlSetDialog;

class ControlSetDialogAction final : public ParameterAction {
public:
    explicit ControlSetDialogAction(MidiControlSetDialog* dialog);
    // The device is letting its control sets go: the dialog goes first.
    ~ControlSetDialogAction() override;
    ControlSetDialogAction(const ControlSetDialogAction&) = delete;
    ControlSetDialogAction& operator=(const ControlSetDialogAction&) = delete;

    void run() override;
    RefString text() const override;

    MidiControlSetDialog* dialog() const { return dialog_.get(); }

private:
    wxWeakRef<MidiControlSetDialog> dialog_;
    RefString text_;
};
