#pragma once
// A part of a page picture (the part under a control, or all of it), cut and
// converted for drawing once and kept: cutting and converting it at every
// paint was a large share of a page switch. Cut again when the picture or
// the area changes.
#include <wx/bitmap.h>
#include <wx/gdicmn.h>
#include <wx/graphics.h>

class wxDC;

class PictureSlice {
public:
    // Draws the part of picture inside area at the context's origin.
    void draw(wxDC& dc, const wxBitmap& picture, const wxRect& area);
    // Draws the whole picture at the context's origin, only inside clip.
    void drawWhole(wxDC& dc, const wxBitmap& picture, const wxRect& clip);
    // How many times a slice was cut, for tests.
    int cuts() const { return cuts_; }

private:
    void cut(const wxBitmap& picture, const wxRect& area);
    // The slice as a bitmap, for a context without graphics; cut when first
    // asked for.
    const wxBitmap& plainSlice();
    // The slice as the context draws it; null without a graphics context.
    const wxGraphicsBitmap* converted(wxDC& dc, const wxBitmap& picture, const wxRect& area);

    // Shares the picture's data, so a picture replaced or drawn on no
    // longer matches it.
    wxBitmap source_;
    wxRect area_;
    wxBitmap slice_;
    // Cut from the whole picture's conversion, shared by every slice of it.
    wxGraphicsBitmap converted_;
    int cuts_ = 0;
};
