#pragma once
// What the device's control-set button runs: shows the set's dialog, made
// on the first run so that start-up does not build four hidden dialogs.
// Owned by the button's parameter, while the dialog belongs to its parent
// window; whichever goes first, the dialog never outlives its control set.
#include "device/ParameterAction.h"

#include <wx/weakref.h>
#include <wx/window.h>

class MidiControlSet;
class MidiControlSetDialog;
struct ControlStyle;

class ControlSetDialogAction final : public ParameterAction {
public:
    // The style must live as long as parent does.
    ControlSetDialogAction(MidiControlSet& set, wxWindow* parent, const ControlStyle& style);
    // The device is letting its control sets go: the dialog goes first.
    ~ControlSetDialogAction() override;
    ControlSetDialogAction(const ControlSetDialogAction&) = delete;
    ControlSetDialogAction& operator=(const ControlSetDialogAction&) = delete;

    // Makes the dialog while its parent lives, then shows it; once the
    // parent has gone (at exit) it does nothing.
    void run() override;
    RefString text() const override;

    // Null until the first run.
    MidiControlSetDialog* dialog() const { return dialog_.get(); }

private:
    MidiControlSet& set_;
    wxWeakRef<wxWindow> parent_;
    const ControlStyle& style_;
    wxWeakRef<MidiControlSetDialog> dialog_;
    RefString text_;
};
