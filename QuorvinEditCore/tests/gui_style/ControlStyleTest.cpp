#include "PixelCanvas.h"
#include "gui/ControlStyle.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlStyleTest, TextKindsPickTheirFontAndColourAndTheFixedKindIsAnInstalledMonospace)
{
    const ControlStyle style;
    EXPECT_EQ(style.fixedFont.GetFaceName(), "Liberation Mono");
    EXPECT_TRUE(style.fixedFont.IsFixedWidth());
    EXPECT_EQ(style.fixedFont.GetWeight(), wxFONTWEIGHT_BOLD);
    const struct {
        int kind;
        const wxFont& font;
        const wxColour& colour;
    } kinds[] = {{0, style.font, style.textColour},           {1, style.largeFont, style.largeTextColour},
                 {2, style.mediumFont, style.largeTextColour}, {3, style.fixedFont, style.fixedTextColour},
                 {4, style.font, style.textColour},           {-1, style.font, style.textColour}};
    for (const auto& expected : kinds) {
        EXPECT_EQ(&style.fontOfKind(expected.kind), &expected.font) << expected.kind;
        EXPECT_EQ(&style.colourOfKind(expected.kind), &expected.colour) << expected.kind;
    }
}

// Boxes framed with each pen: the transparent background brush must leave
// the page showing through, the solid brushes fill.
TEST(ControlStyleTest, FramesAndFillsPaintInTheDefaultColours)
{
    const ControlStyle style;
    const wxColour page(10, 20, 30);
    const struct {
        wxPen pen;
        wxBrush brush;
        wxColour frame, fill;
    } boxes[] = {{style.pen1, style.backgroundBrush, {192, 192, 192}, page},
                 {style.pen2, style.brush2, {160, 160, 160}, {128, 128, 128}},
                 {style.pen3, style.brush3, {255, 128, 128}, {224, 224, 224}},
                 {style.pen4, style.brush2, {128, 128, 128}, {128, 128, 128}},
                 {style.pen5, style.brush3, {96, 96, 192}, {224, 224, 224}},
                 {style.pen6, style.brush3, {96, 96, 192}, {224, 224, 224}}};
    PixelCanvas canvas(20 * std::size(boxes), 20, page);
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        canvas.dc.SetPen(boxes[i].pen);
        canvas.dc.SetBrush(boxes[i].brush);
        canvas.dc.DrawRectangle(20 * i + 2, 2, 16, 16);
    }
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        const int left = 20 * i + 2;
        EXPECT_EQ(canvas.pixel(left, 10), boxes[i].frame) << "box " << i;
        EXPECT_EQ(canvas.pixel(left + 8, 17), boxes[i].frame) << "1 pixel wide, box " << i;
        EXPECT_EQ(canvas.pixel(left + 8, 16), boxes[i].fill) << "box " << i;
        EXPECT_EQ(canvas.pixel(left + 16, 10), page) << "box " << i;
    }
}

} // namespace
