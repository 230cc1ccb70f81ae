#pragma once
// Small drawing helpers shared by the controls, captions and list views.
#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/dc.h>
#include <wx/string.h>

#include "layout/LayoutGeometry.h"

#include <vector>

// Draws text as the context's DrawText does, without measuring it for the
// context's bounding box, which the pages never read (the toolkit's
// graphics context measures every text it draws: a sixth of a page's paint).
void drawText(wxDC& dc, const wxString& text, int x, int y);
// Set the context's font (and text colour) only where they differ: the
// toolkit's graphics context makes its font anew at each setting.
void useFont(wxDC& dc, const wxFont& font);
void setTextStyle(wxDC& dc, const wxFont& font, const wxColour& colour);
// Draws text in the context's current font centred in the box; halves round
// toward zero. Text wider than a box at the left edge starts at x = 0, so its
// beginning stays readable; y is not limited.
void drawTextCentred(wxDC& dc, const wxString& text, int x, int y, int width, int height);
// Sets the text colour, then draws centred in the box or from its top-left.
void drawColouredText(wxDC& dc, const wxString& text, const wxColour& colour, int x, int y, int width, int height,
                      bool centred);
// Draws a white-on-transparent glyph in any colour: every pure white pixel
// becomes colour. Centred in the box, or from (x, y); as with text, a left
// position below 0 becomes 0.
void drawBitmapInRect(const wxBitmap& bitmap, const wxColour& colour, wxDC& dc, int x, int y, bool centred,
                      int width, int height);
// Fills every rectangle in one colour, without outlines (grid gaps).
void fillRects(wxDC& dc, const std::vector<LayoutRect>& rects, const wxColour& colour);
