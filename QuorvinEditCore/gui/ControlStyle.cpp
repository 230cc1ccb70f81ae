#include "gui/ControlStyle.h"

#include "gui/FontFaces.h"

namespace {

constexpr int smallPoints = 8;
constexpr int mediumPoints = 9;
constexpr int largePoints = 10;

// Plain values, so that no toolkit object is built before the toolkit starts.
struct Rgb {
    unsigned char red, green, blue;
    operator wxColour() const { return {red, green, blue}; }
};

constexpr Rgb silver{192, 192, 192};
constexpr Rgb grey{128, 128, 128};
constexpr Rgb charcoal{64, 64, 64};
constexpr Rgb pale{224, 224, 224};
constexpr Rgb slateBlue{96, 96, 192};

wxFont boldModernFont(int points)
{
    return wxFont(wxFontInfo(points).Family(wxFONTFAMILY_MODERN).Bold());
}

// The pages ask for "Courier New"; without an installed stand-in the bold
// modern family stands in, as the pages were drawn for a fixed-width face.
wxFont boldFixedFont()
{
    wxFont font(wxFontInfo(smallPoints).Bold());
    if (FontFaces::setFace(font, "Courier New"))
        return font;
    return boldModernFont(smallPoints);
}

} // namespace

ControlStyle::ControlStyle()
    : font(boldModernFont(smallPoints)),
      largeFont(boldModernFont(largePoints)),
      mediumFont(boldModernFont(mediumPoints)),
      textColour(silver),
      largeTextColour(silver),
      fixedTextColour(silver),
      borderWidth(1),
      backgroundBrush(charcoal, wxBRUSHSTYLE_TRANSPARENT),
      brush2(grey),
      brush3(pale),
      pen1(silver),
      pen2(Rgb{160, 160, 160}),
      pen3(Rgb{255, 128, 128}),
      pen4(grey),
      pen5(slateBlue),
      pen6(slateBlue),
      fixedFont(boldFixedFont()),
      colour4(silver),
      colour5(grey),
      colour6(charcoal),
      colour7(grey),
      colour8(pale),
      colour9(136, 136, 136),
      colour10(255, 255, 64)
{
}

const wxFont& ControlStyle::fontOfKind(int kind) const
{
    switch (kind) {
    case largeText:
        return largeFont;
    case mediumText:
        return mediumFont;
    case fixedText:
        return fixedFont;
    default:
        return font;
    }
}

const wxColour& ControlStyle::colourOfKind(int kind) const
{
    switch (kind) {
    case largeText:
    case mediumText:
        return largeTextColour;
    case fixedText:
        return fixedTextColour;
    default:
        return textColour;
    }
}

void ControlStyle::applyTextKind(wxDC& dc, int kind) const
{
    dc.SetFont(fontOfKind(kind));
    dc.SetTextForeground(colourOfKind(kind));
}
