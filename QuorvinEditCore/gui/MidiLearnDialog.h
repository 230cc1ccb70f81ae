#pragma once
// The small dialog of MIDI learn: "Bind" the moved control's message "to"
// the parameter under the pointer, or to one picked from a list when the
// control offers several. Without confirmation it hides its buttons and
// accepts by itself after 500 ms. Owned by the learn session while it runs.
#include "midi/FocusedParameters.h"
#include "midi/MidiLearnPrompt.h"

#include <wx/dialog.h>
#include <wx/timer.h>

#include <memory>

class wxListBox;
class wxSizer;
class wxStaticText;

class MidiLearnDialog final : public wxDialog, public MidiLearnPrompt {
public:
    static constexpr int autoAcceptMs = 500;

    // Over the parent's window, where the window manager shows it.
    MidiLearnDialog(wxWindow* parent, std::shared_ptr<const ParameterList> candidates);

    void setMessage(MidiMessage message) override;
    bool run(bool confirm) override;
    // The only candidate, the list's selection, or null.
    Parameter* selectedParameter() const override;

private:
    void addCandidates(wxSizer& sizer);
    void onTimer(wxTimerEvent& event);

    wxStaticText* messageText_;
    std::shared_ptr<const ParameterList> candidates_;
    wxListBox* listBox_ = nullptr;
    wxSizer* buttons_;
    wxTimer timer_;
};
