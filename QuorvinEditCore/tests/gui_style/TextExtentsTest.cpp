// Text sizes are measured once per text and font: a font changed in place
// must not be answered from what was measured before the change.
#include "PixelCanvas.h"
#include "gui/ControlStyle.h"
#include "gui/FontFaces.h"
#include "gui/TextExtents.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

namespace {

TEST(TextExtentsTest, ATextIsMeasuredOnceInAFontAndAgainWhenTheFontChanges)
{
    PixelCanvas canvas(1, 1, *wxBLACK);
    wxFont font = ControlStyle().font;
    canvas.dc.SetFont(font);
    const wxString text = "Measured once";
    const int before = TextExtents::measured();
    EXPECT_EQ(TextExtents::onContext(canvas.dc, text), canvas.dc.GetTextExtent(text));
    EXPECT_EQ(TextExtents::onContext(canvas.dc, text), canvas.dc.GetTextExtent(text));
    EXPECT_EQ(TextExtents::measured(), before + 1);

    font.SetPointSize(font.GetPointSize() * 2);
    canvas.dc.SetFont(font);
    const wxSize larger = TextExtents::onContext(canvas.dc, text);
    EXPECT_EQ(larger, canvas.dc.GetTextExtent(text));
    EXPECT_EQ(TextExtents::measured(), before + 2);
    EXPECT_EQ(TextExtents::onContext(canvas.dc, "Another text"), canvas.dc.GetTextExtent("Another text"));
}

// The library lists measure hundreds of names in the fixed-pitch font, once
// per length: every plain ASCII text of a length must measure as the context
// measures it, and other texts for themselves.
TEST(TextExtentsTest, InTheFixedPitchFontPlainTextsOfALengthMeasureAlike)
{
    PixelCanvas canvas(1, 1, *wxBLACK);
    const wxFont font = ControlStyle().fixedFont;
    ASSERT_TRUE(font.IsFixedWidth());
    canvas.dc.SetFont(font);
    wxString everyCharacter;
    for (char c = ' '; c < 0x7F; ++c)
        everyCharacter += c;
    for (std::size_t at = 0; at < everyCharacter.length(); ++at) {
        const wxString text = everyCharacter.Mid(at, 1 + at % 17);
        EXPECT_EQ(TextExtents::onContext(canvas.dc, text), canvas.dc.GetTextExtent(text)) << text;
    }
    const int before = TextExtents::measured();
    EXPECT_EQ(TextExtents::onContext(canvas.dc, "I001 Init Voice, a longer name"), canvas.dc.GetTextExtent("I001 Init Voice, a longer name"));
    EXPECT_EQ(TextExtents::onContext(canvas.dc, "P128 WWWWWWWWWWWWWWWWWWWWWWWWW"), canvas.dc.GetTextExtent("P128 WWWWWWWWWWWWWWWWWWWWWWWWW"));
    EXPECT_EQ(TextExtents::measured(), before + 1);
    EXPECT_EQ(TextExtents::onContext(canvas.dc, "Séquence"), canvas.dc.GetTextExtent("Séquence"));
    EXPECT_EQ(TextExtents::measured(), before + 2);
}

// Only a fixed-pitch font may answer a text by its length: in the page
// captions' sans face, "iiii" and "WWWW" differ, on a context and on a window
// alike.
TEST(TextExtentsTest, EveryFontMeasuresTextsOfOneLengthForThemselves)
{
    PixelCanvas canvas(1, 1, *wxBLACK);
    wxFrame* window = new wxFrame(nullptr, wxID_ANY, "extents");
    const ControlStyle style;
    wxFont sans(wxFontInfo(10).Family(wxFONTFAMILY_SWISS));
    FontFaces::setFace(sans, "Arial");
    canvas.dc.SetFont(sans);
    ASSERT_NE(canvas.dc.GetTextExtent("iiii"), canvas.dc.GetTextExtent("WWWW")) << "no proportional face";
    const wxFont serif(wxFontInfo(12).Family(wxFONTFAMILY_ROMAN));
    const wxFont* const fonts[] = {&style.font, &style.largeFont, &style.fixedFont, &sans, &serif};
    for (const wxFont* font : fonts) {
        canvas.dc.SetFont(*font);
        for (const wxString text : {"iiii", "WWWW", "0000"}) {
            const wxString face = font->GetFaceName() + " " + text;
            EXPECT_EQ(TextExtents::onContext(canvas.dc, text), canvas.dc.GetTextExtent(text)) << face;
            wxSize onWindow;
            window->GetTextExtent(text, &onWindow.x, &onWindow.y, nullptr, nullptr, font);
            EXPECT_EQ(TextExtents::onWindow(*window, text, *font), onWindow) << face;
        }
    }
    window->Destroy();
}

} // namespace
