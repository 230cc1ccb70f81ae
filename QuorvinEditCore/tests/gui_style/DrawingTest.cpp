#include "PixelCanvas.h"
#include "embedded/testCardPng.h"
#include "gui/Colours.h"
#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "gui/PngBitmap.h"
#include "gui/TextLayoutCache.h"

#include <gtest/gtest.h>

namespace {

const wxColour black(0, 0, 0);
const wxString sample = "Quorvin";

// Text centred in a box and the same text drawn where the box should put it
// must give identical pixels.
void expectCentredAt(int x, int y, int width, int height, wxPoint expected)
{
    PixelCanvas centred(160, 60, black), placed(160, 60, black);
    for (PixelCanvas* canvas : {&centred, &placed})
        ControlStyle().applyTextKind(canvas->dc, ControlStyle::largeText);
    drawTextCentred(centred.dc, sample, x, y, width, height);
    placed.dc.DrawText(sample, expected);
    ASSERT_FALSE(placed.inkBounds(black).IsEmpty()) << "no text drawn";
    EXPECT_EQ(memcmp(centred.image().GetData(), placed.image().GetData(), 160 * 60 * 3), 0)
        << "box " << x << "," << y << " " << width << "x" << height;
}

// Odd negative differences are where truncation and flooring part.
TEST(DrawingTest, CentredTextHalvesRoundTowardZeroAndOnlyTheLeftEdgeIsHeld)
{
    PixelCanvas probe(1, 1, black);
    probe.dc.SetFont(ControlStyle().largeFont);
    const wxSize text = probe.dc.GetTextExtent(sample);
    expectCentredAt(20, 10, text.x + 7, text.y + 9, {23, 14});
    expectCentredAt(20, 10, text.x - 7, text.y - 5, {17, 8});
    expectCentredAt(0, 0, text.x - 11, text.y - 7, {0, -3});
}

// Text is drawn from kept layouts: the same text again, in another colour or
// font, must give the toolkit's own pixels each time, and texts that come
// and go must not pile up.
TEST(DrawingTest, KeptLayoutsDrawWhatTheToolkitDrawsAndStayBounded)
{
    const ControlStyle style;
    for (const wxFont& font : {style.largeFont, style.font, style.mediumFont.Bold()})
        for (const wxColour& colour : {wxColour(255, 255, 64), wxColour(40, 90, 250), wxColour(255, 255, 64)}) {
            PixelCanvas kept(160, 40, black), toolkit(160, 40, black);
            for (PixelCanvas* canvas : {&kept, &toolkit}) {
                canvas->dc.SetFont(font);
                canvas->dc.SetTextForeground(colour);
            }
            drawText(kept.dc, sample, 7, 5);
            toolkit.dc.DrawText(sample, 7, 5);
            ASSERT_FALSE(toolkit.inkBounds(black).IsEmpty());
            EXPECT_EQ(memcmp(kept.image().GetData(), toolkit.image().GetData(), 160 * 40 * 3), 0)
                << font.GetNativeFontInfoDesc() << " " << colour.GetAsString();
        }
    PixelCanvas canvas(40, 20, black);
    canvas.dc.SetFont(style.font);
    for (std::size_t k = 0; k <= TextLayoutCache::capacity; ++k)
        drawText(canvas.dc, wxString::Format("%zu", k), 0, 0);
    EXPECT_LE(TextLayoutCache::instance().size(), TextLayoutCache::capacity);
}

TEST(DrawingTest, ColouredTextIsDrawnInItsColourInsideItsBox)
{
    const wxColour yellow(255, 255, 64);
    PixelCanvas canvas(200, 60, black);
    canvas.dc.SetFont(ControlStyle().largeFont);
    drawColouredText(canvas.dc, sample, yellow, 50, 10, 100, 40, true);
    bool fullColour = false;
    const wxRect ink = canvas.inkBounds(black, yellow, &fullColour);
    EXPECT_TRUE(wxRect(50, 10, 100, 40).Contains(ink));
    EXPECT_NEAR(ink.x - 50, 150 - ink.GetRight() - 1, 3) << "centred";
    EXPECT_TRUE(fullColour);
}

// The card is 24 x 16: red over blue on the left; a white and a grey square
// on a transparent right half.
TEST(DrawingTest, TintingTurnsOnlyWhiteIntoTheColourAndCentringMatchesText)
{
    wxBitmap card;
    ASSERT_TRUE(bitmapFromPng(card, embedded::testCardPng, embedded::testCardPngSize));
    const wxColour ground(0, 100, 0), tint(255, 255, 64), red(255, 0, 0);
    PixelCanvas canvas(40, 30, ground), centred(40, 30, ground), atEdge(40, 30, ground);
    drawBitmapInRect(card, tint, canvas.dc, 5, 5, false, 0, 0);
    drawBitmapInRect(card, tint, centred.dc, 10, 10, true, 24 + 7, 16 - 5);
    drawBitmapInRect(card, tint, atEdge.dc, 0, 4, true, 24 - 9, 16);
    EXPECT_EQ(canvas.pixel(5 + 17, 5 + 5), tint);
    EXPECT_EQ(canvas.pixel(5 + 17, 5 + 11), wxColour(128, 128, 128));
    EXPECT_EQ(canvas.pixel(5 + 22, 5 + 1), ground);
    EXPECT_EQ(canvas.pixel(5, 5), red);
    EXPECT_EQ(centred.pixel(13, 8), red);
    EXPECT_EQ(centred.pixel(12, 8), ground);
    EXPECT_EQ(centred.pixel(13, 7), ground);
    EXPECT_EQ(atEdge.pixel(0, 4), red);
    EXPECT_EQ(atEdge.pixel(16, 8), tint);
}

TEST(DrawingTest, BlendingMixesByRatioTruncatesAndStaysOpaque)
{
    const wxColour towards(200, 100, 7, 10), base(0, 255, 3, 20);
    EXPECT_EQ(blendColours(towards, base, 255), wxColour(200, 100, 7));
    EXPECT_EQ(blendColours(towards, base, 0), wxColour(0, 255, 3));
    // 20000/255 = 78.4, (10000 + 39525)/255 = 194.2, (700 + 465)/255 = 4.57
    EXPECT_EQ(blendColours(towards, base, 100), wxColour(78, 194, 4));
    EXPECT_EQ(blendColours(towards, base, 300), wxColour(200, 100, 7)) << "no wrap-round past 255";
    EXPECT_EQ(blendColours(towards, base, -5), wxColour(0, 255, 3));
    EXPECT_EQ(colourDarkGrey(), wxColour(96, 96, 96));
    EXPECT_EQ(colourLightGrey(), wxColour(192, 192, 192));
}

} // namespace
