// Text sizes are measured once per text and font: a font changed in place
// must not be answered from what was measured before the change.
#include "PixelCanvas.h"
#include "gui/ControlStyle.h"
#include "gui/TextExtents.h"

#include <gtest/gtest.h>

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

} // namespace
