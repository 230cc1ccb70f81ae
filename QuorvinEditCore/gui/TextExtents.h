#pragma once
// Sizes of texts, measured once and kept for the run: the pages measure the
// same texts many times over (four voice pages alike, four part voice lists
// alike, every value at every paint), and each measure lays the text out
// anew. Kept apart by font: a font changed or replaced is a new font, whose
// texts are measured again. In a fixed-pitch font, plain ASCII texts are
// measured once per length. GUI thread only.
#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxDC;
class wxWindow;

class TextExtents {
public:
    // As a drawing context draws text in its current font.
    static wxSize onContext(wxDC& dc, const wxString& text);
    // As window measures text in font (captions and labels).
    static wxSize onWindow(const wxWindow& window, const wxString& text, const wxFont& font);
    // How many texts were measured rather than found, for tests.
    static int measured();
};
