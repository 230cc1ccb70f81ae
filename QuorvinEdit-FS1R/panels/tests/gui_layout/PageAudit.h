#pragma once
// Paints a shown editor page, with the header and every control on it, into
// bitmaps the way the toolkit shows it (with, without and with uncut texts), and lists what a user would find
// wrong with it: controls and texts outside the page, controls on top of
// each other, texts on controls or on other texts, texts cut short, texts
// across a line or a drawing and texts too faint against the pixels behind
// them.
#include "TextRecordingDc.h"

#include <wx/bitmap.h>
#include <wx/image.h>

#include <string>
#include <vector>

class Control;
class wxWindow;

struct AuditedControl {
    std::string name;
    wxRect box;
    Control* control;
};

// A text with the control that drew it (none for texts the page drew).
struct AuditedText {
    DrawnText drawn;
    int control = -1;
};

class PageAudit {
public:
    // The page must be shown; it is painted at once.
    explicit PageAudit(wxWindow& page);

    const std::vector<AuditedControl>& controls() const { return controls_; }
    const std::vector<AuditedText>& texts() const { return texts_; }
    std::string nameOf(const AuditedText& text) const;

    // Where the text's glyphs show (empty when nothing of it shows).
    wxRect inkBox(const AuditedText& text) const;
    // Whether glyphs of the text are cut off: by a clipping its drawer set
    // or, for a control's text, at the control's edge.
    bool isCut(const AuditedText& text) const;
    // How many pixels behind the text's glyphs, and in the column just past
    // their end, stand out from the plain ground most of them show (a line,
    // a frame, a control's drawing).
    int crossedPixels(const AuditedText& text) const;
    // The same behind the text's whole line, ascent to descent: a line
    // there runs through the glyphs wherever they are drawn in its colour.
    int crossedLinePixels(const AuditedText& text) const;
    // The lowest contrast (1 to 21) between the text's colour and the
    // pixels behind its glyphs (where the page with texts differs from the
    // page without).
    double lowestContrast(const AuditedText& text) const;
    // The pixel behind the text where its contrast is lowest.
    wxColour faintestGround(const AuditedText& text) const;

private:
    void collectControls(wxWindow& window, wxPoint offset);
    // How many pixels of the page without its texts stand out in the area
    // from the plain ground most of them show.
    int standingOut(const wxRect& area) const;
    // Records the texts on the first call.
    wxImage paint(wxWindow& page, TextDrawing drawing);

    wxSize size_;
    std::vector<AuditedControl> controls_;
    std::vector<wxWindow*> controlWindows_;
    std::vector<AuditedText> texts_;
    wxImage image_;
    wxImage textlessImage_;
    wxImage unclippedImage_;
};

// WCAG contrast ratio of two colours, 1 to 21.
double contrastRatio(const wxColour& a, const wxColour& b);
