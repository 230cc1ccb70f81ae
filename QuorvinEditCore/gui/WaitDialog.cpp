#include "gui/WaitDialog.h"

#include "gui/DialogPlacement.h"
#include "gui/ImageWindow.h"

#include <wx/gauge.h>
#include <wx/generic/animate.h>
#include <wx/image.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/thread.h>

#include <algorithm>

namespace {

constexpr int border = 12;
constexpr int pulseRange = 100;
// Brightness (0..255) below which a background gets light text.
constexpr int darkBackgroundLimit = 128;

wxColour bottomRightPixel(const wxImage& image)
{
    if (!image.IsOk())
        return wxNullColour;
    const int x = image.GetWidth() - 1;
    const int y = image.GetHeight() - 1;
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

// The dialog's colour comes from its picture, often a dark one: keep the
// texts readable on it.
wxColour readableTextColour(const wxColour& background)
{
    // The eye's weights of red, green and blue (ITU-R BT.601), per mille.
    const int brightness = (299 * background.Red() + 587 * background.Green() + 114 * background.Blue()) / 1000;
    return brightness < darkBackgroundLimit ? *wxWHITE : *wxBLACK;
}

bool suitsGenericControl(const wxAnimation& animation)
{
    return animation.IsOk() && animation.IsCompatibleWith(wxCLASSINFO(wxGenericAnimationCtrl));
}

void assertGuiThread()
{
    wxASSERT_MSG(wxIsMainThread(), "the wait dialog is driven from the GUI thread only");
}

} // namespace

WaitDialog::WaitDialog() : timer_(this) {}

WaitDialog::WaitDialog(wxWindow* parent, const wxAnimation& animation) : WaitDialog()
{
    const bool usable = suitsGenericControl(animation);
    build(parent, usable ? bottomRightPixel(animation.GetFrame(0)) : wxNullColour);
    animation_ = new wxGenericAnimationCtrl(this, wxID_ANY, usable ? animation : wxNullAnimation,
                                            wxDefaultPosition, wxDefaultSize, wxAC_DEFAULT_STYLE, "animationctrl");
    layOut(animation_);
}

WaitDialog::WaitDialog(const wxBitmap& bitmap, const wxColour& background) : WaitDialog()
{
    build(nullptr, background.IsOk() || !bitmap.IsOk() ? background : bottomRightPixel(bitmap.ConvertToImage()));
    layOut(new ImageWindow(this, bitmap));
}

WaitDialog::~WaitDialog() { timer_.Stop(); }

void WaitDialog::build(wxWindow* parent, const wxColour& background)
{
    // No caption and no border: the window manager is asked to add nothing.
    Create(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE, "dialog");
    // Set before the children are made, so they inherit the colours.
    if (background.IsOk()) {
        SetBackgroundColour(background);
        SetForegroundColour(readableTextColour(background));
    }
    Bind(wxEVT_TIMER, &WaitDialog::onTick, this, timer_.GetId());
    keepOverMainWindow(*this);
}

void WaitDialog::layOut(wxWindow* picture)
{
    message_ = new wxStaticText(this, wxID_ANY, _("Please wait"), wxDefaultPosition, wxDefaultSize, 0, "staticText");
    detail_ = new wxStaticText(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, "staticText");
    gauge_ = new wxGauge(this, wxID_ANY, 0, wxDefaultPosition, wxDefaultSize, wxGA_HORIZONTAL, wxDefaultValidator,
                         "gauge");
    auto* box = new wxBoxSizer(wxVERTICAL);
    box->Add(picture, 0, wxEXPAND | wxALL, border);
    box->AddStretchSpacer(1);
    box->Add(message_, 0, wxEXPAND | wxALL, border);
    box->Add(detail_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, border);
    box->Add(gauge_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, border);
    SetSizerAndFit(box);
}

void WaitDialog::start(const wxString& message, std::int32_t totalMs)
{
    assertGuiThread();
    phases_.reset();
    message_->SetLabel(message);
    detail_->SetLabel(wxEmptyString);
    pulsing_ = totalMs == noTotal;
    if (pulsing_) {
        gauge_->Pulse();
    } else {
        gauge_->SetRange(std::max<std::int32_t>(totalMs, 0));
        gauge_->SetValue(0);
    }
    growToFit();
    // The keyboard stays with the window the user works in: a window
    // manager would otherwise hand it to the wait and give it back only some
    // time after the wait has gone, losing the keys typed in between.
    ShowWithoutActivating();
    runTimer();
}

void WaitDialog::setProgress(std::int32_t value)
{
    assertGuiThread();
    gauge_->SetValue(std::clamp(value, 0, gauge_->GetRange()));
}

void WaitDialog::finish(std::int32_t ms)
{
    assertGuiThread();
    if (pulsing_) {
        gauge_->SetRange(pulseRange);
        pulsing_ = false;
    }
    gauge_->SetValue(gauge_->GetRange());
    detail_->SetLabel(wxEmptyString);
    phases_.finish(ms);
    runTimer();
}

// The dialog keeps the size it was made with unless a text needs more: in
// less room a label wraps, and a line pushed down goes under the gauge.
void WaitDialog::growToFit()
{
    const wxSize fitting = GetSizer()->ComputeFittingWindowSize(this);
    const wxSize size = GetSize();
    SetSize(std::max(size.x, fitting.x), std::max(size.y, fitting.y));
    Layout();
}

void WaitDialog::runTimer()
{
    if (!timer_.IsRunning())
        timer_.Start(WaitPhases::tickMs);
}

void WaitDialog::onTick(wxTimerEvent&)
{
    const WaitPhases::Step step = phases_.tick();
    if (step.hardwareWaitBegins) {
        detail_->SetLabel(_("Complete - wait for the hardware"));
        growToFit();
    }
    if (step.hide) {
        Hide();
        if (animation_)
            animation_->Stop();
    }
    if (pulsing_)
        gauge_->Pulse();
    keepAnimationRunning();
    // An idle editor must not wake every tick.
    if (!IsShown() && phases_.idle())
        timer_.Stop();
}

void WaitDialog::keepAnimationRunning()
{
    if (animation_ && IsShown() && !animation_->IsPlaying() && animation_->GetAnimation().GetFrameCount() > 1)
        animation_->Play();
}
