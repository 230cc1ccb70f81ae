#pragma once
// The top of a control-set dialog: the set's name, its MIDI input and
// output, and the Learn and Confirm switches, laid out by one horizontal
// control group on a plain dark page. Owned by its dialog; the control set
// must outlive it.
#include "gui/EditorPanel.h"

class MidiControlSet;
struct ControlStyle;

class MidiControlSetPanel final : public EditorPanel {
public:
    MidiControlSetPanel(wxWindow* parent, MidiControlSet& set, const ControlStyle& style);

    // Shows the set's values again, for changes that tell no one (a name or
    // ports loaded from a file).
    void showValues();

private:
    void build(ControlGroup& group, MidiControlSet& set);
};
