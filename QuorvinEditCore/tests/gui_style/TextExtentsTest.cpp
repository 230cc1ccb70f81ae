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

} // namespace
