#pragma once
// A plain child window that shows one picture at its own size; the splash
// dialog shows its picture in one. Owned by its parent window.
#include <wx/bitmap.h>
#include <wx/window.h>

class ImageWindow : public wxWindow {
public:
    // The window keeps a copy of the (shared) picture, so the caller's
    // bitmap need not outlive it.
    ImageWindow(wxWindow* parent, const wxBitmap& bitmap);

private:
    void onPaint(wxPaintEvent& event);

    const wxBitmap bitmap_;
};
