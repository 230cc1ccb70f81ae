#pragma once
// The fonts, colours, brushes and pens that controls, captions and list views
// paint with. Owned by the style set that makes it; painters keep a pointer,
// so a style must outlive them.
#include <wx/brush.h>
#include <wx/colour.h>
#include <wx/dc.h>
#include <wx/font.h>
#include <wx/pen.h>

struct ControlStyle {
    // Text kinds: how captions and static texts name a font and colour pair.
    // Any other number reads as normalText.
    static constexpr int normalText = 0;
    static constexpr int largeText = 1;
    static constexpr int mediumText = 2;
    static constexpr int fixedText = 3;

    ControlStyle();

    const wxFont& fontOfKind(int kind) const;
    const wxColour& colourOfKind(int kind) const;
    // Sets the context's font and text colour for a text kind.
    void applyTextKind(wxDC& dc, int kind) const;

    wxFont font;
    wxFont largeFont;
    wxFont mediumFont;
    wxColour textColour;
    wxColour largeTextColour;
    wxColour fixedTextColour;
    // The popup lists also use it as the gap or margin of their cell grids.
    int borderWidth;
    wxBrush backgroundBrush;
    wxBrush brush2;
    wxBrush brush3;
    wxPen pen1;
    wxPen pen2;
    wxPen pen3;
    wxPen pen4;
    wxPen pen5;
    wxPen pen6;
    wxFont fixedFont;
    wxColour colour4;
    wxColour colour5;
    wxColour colour6;
    wxColour colour7;
    wxColour colour8;
    wxColour colour9;
    wxColour colour10;
};
