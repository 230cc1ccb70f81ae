#pragma once
// The toolkit window of one control: a plain child of the page that hands
// its paint, mouse, key, focus and menu events to the control. The page owns
// it; the control and the window each forget the other when either dies.
#include <wx/window.h>

class Control;

class ControlWindow : public wxWindow {
public:
    ControlWindow(wxWindow* parent, Control* control);
    ~ControlWindow() override;

    Control* control() const { return control_; }
    // Called by a control that dies before its window.
    void forgetControl() { control_ = nullptr; }
    // The screen's resolution, looked up once for every control: the
    // toolkit asks the X server for it at each paint.
    wxSize GetDPI() const override;

private:
    void onPaint(wxPaintEvent& event);
    void onContextMenu(wxContextMenuEvent& event);
    void onMenu(wxCommandEvent& event);
    template <typename Event>
    void route(void (Control::*handler)(Event&), Event& event);

    Control* control_;
};
