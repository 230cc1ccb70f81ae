#pragma once
// The borderless busy dialog: a picture, a message, a detail line and a
// gauge. At start-up it is the splash (made and owned by the start-up
// routine); during MIDI exchanges it is the wait dialog that the device owns
// and the MIDI interface drives; the owner deletes it before its parent
// window goes. Every call comes on the GUI thread.
#include "device/WaitProgress.h"
#include "gui/WaitPhases.h"

#include <wx/animate.h>
#include <wx/dialog.h>
#include <wx/timer.h>

#include <cstdint>

class wxGauge;
class wxGenericAnimationCtrl;
class wxStaticText;

class WaitDialog : public wxDialog, public WaitProgress {
public:
    // No known total: the gauge pulses.
    static constexpr std::int32_t noTotal = -1;

    // The busy form. The animation must suit the generic animation control
    // (loadBusyAnimation gives one); the dialog takes the colour of its first
    // frame's bottom-right pixel, so the animation blends in.
    WaitDialog(wxWindow* parent, const wxAnimation& animation);
    // The splash form, without a parent; with no valid colour the dialog
    // takes the bitmap's bottom-right pixel.
    WaitDialog(const wxBitmap& bitmap, const wxColour& background = wxNullColour);
    ~WaitDialog() override;

    // Shows the message, clears the detail line and shows the dialog with a
    // gauge over totalMs, or pulsing for noTotal, grown where the message
    // needs more room. A countdown left by an earlier finish is dropped.
    void start(const wxString& message, std::int32_t totalMs);
    // The gauge's value, held within its range.
    void setProgress(std::int32_t value) override;
    // Fills the gauge and hides the dialog about ms milliseconds later.
    void finish(std::int32_t ms) override;
    // True while the dialog's tick runs: only while a wait shows or counts down.
    bool isTicking() const { return timer_.IsRunning(); }

private:
    WaitDialog();
    void build(wxWindow* parent, const wxColour& background);
    void layOut(wxWindow* picture);
    void growToFit();
    // The tick runs only while a wait shows or counts down.
    void runTimer();
    void onTick(wxTimerEvent& event);
    void keepAnimationRunning();

    wxGenericAnimationCtrl* animation_ = nullptr;
    wxStaticText* message_ = nullptr;
    wxStaticText* detail_ = nullptr;
    wxGauge* gauge_ = nullptr;
    wxTimer timer_;
    WaitPhases phases_;
    bool pulsing_ = false;
};
