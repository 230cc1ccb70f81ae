// The sixteen page styles against the colour, pen and font tables they were
// designed from, walked once; the tinted rows check the integer derivation.
#include "panels/ControlStyleSet.h"
#include "panels/PanelManager.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

#include <array>

namespace {

struct Rgb {
    int red, green, blue;
};

struct ExpectedColours {
    Rgb label, title, valueLabel, background;
    bool solidBackground;
    Rgb fill, bar, line, barLine, highlight, zeroLine, focus, value, disabledText, diagramText;
};

struct ExpectedFonts {
    int largePoints;
    bool largeItalic;
    int mediumPoints;
    bool mediumItalic;
    int valuePoints;
    const char* valueFace;
};

// Base colour, highlight, first and second step toward grey, as designed.
struct Tint {
    Rgb base, highlight, step1, step2;
};

constexpr Rgb dark{50, 50, 50};
constexpr Rgb pale{200, 200, 200};
constexpr Rgb ground{64, 64, 64};
constexpr Rgb defaultHighlight{255, 128, 128};

ExpectedColours tinted(const Tint& t, bool solid)
{
    return {pale, {239, 239, 239}, t.base, ground, solid, t.step2, t.step1, t.step1, t.step2,
            t.highlight, t.step1, pale, t.base, t.step2, {33, 33, 33}};
}

ExpectedColours expectedColours(int k)
{
    static const std::array<ExpectedColours, 4> plain{{
        {dark, dark, dark, {82, 203, 243}, false, {69, 169, 202}, {28, 68, 81}, {28, 68, 81}, {69, 169, 202},
         {69, 169, 202}, {56, 136, 162}, {122, 223, 255}, {28, 68, 81}, {56, 136, 162}, {82, 203, 243}},
        {dark, dark, {69, 85, 44}, {207, 255, 132}, false, {173, 213, 110}, {69, 85, 44}, {69, 85, 44},
         {173, 213, 110}, {6, 10, 9}, {138, 170, 88}, {6, 10, 9}, {69, 85, 44}, {138, 170, 88}, {207, 255, 132}},
        {dark, {239, 239, 239}, dark, ground, false, {128, 128, 128}, {0, 0, 0}, {192, 192, 192},
         {160, 160, 160}, defaultHighlight, {128, 128, 128}, {100, 20, 20}, dark, {80, 80, 80}, dark},
        {{210, 210, 210}, {210, 210, 210}, {210, 210, 210}, ground, false, {128, 128, 128}, {135, 135, 135},
         {192, 192, 192}, {160, 160, 160}, defaultHighlight, {128, 128, 128}, pale, {210, 210, 210},
         {150, 150, 150}, {24, 24, 24}},
    }};
    static const std::array<Tint, 10> tints{{
        {{200, 200, 220}, {218, 218, 231}, {150, 150, 160}, {125, 125, 130}},
        {{200, 200, 220}, {218, 218, 231}, {150, 150, 160}, {125, 125, 130}},
        {{255, 149, 149}, {255, 184, 184}, {177, 124, 124}, {138, 112, 112}},
        {{255, 192, 114}, {255, 213, 161}, {177, 146, 107}, {138, 123, 103}},
        {{255, 255, 90}, {255, 255, 145}, {177, 177, 95}, {138, 138, 97}},
        {{162, 255, 136}, {193, 255, 175}, {131, 177, 118}, {115, 138, 109}},
        {{99, 255, 222}, {151, 255, 233}, {99, 177, 161}, {99, 138, 130}},
        {{178, 189, 255}, {203, 211, 255}, {139, 144, 177}, {119, 122, 138}},
        {{248, 182, 255}, {250, 206, 255}, {174, 141, 177}, {137, 120, 138}},
        {{255, 124, 226}, {255, 167, 235}, {177, 112, 163}, {138, 106, 131}},
    }};
    if (k < 4)
        return plain[k];
    if (k < 14)
        return tinted(tints[k - 4], k == ControlStyleSet::systemStyle);
    if (k == 14)
        return {pale, pale, pale, ground, false, {128, 128, 128}, pale, {192, 192, 192}, {160, 160, 160},
                defaultHighlight, {128, 128, 128}, pale, pale, {80, 80, 80}, dark};
    return plain[2];
}

ExpectedFonts expectedFonts(int k)
{
    const bool tinted = k >= 4 && k <= 13;
    const bool fontSetA = k <= 1;
    const int largePoints = k == 15 ? 14 : (k == 2 || tinted) ? 12 : 8;
    const int mediumPoints = k == 2 ? 8 : 9;
    const bool arialTitles = k == 2 || tinted;
    return {largePoints, arialTitles || k == 15, mediumPoints, arialTitles, fontSetA ? 9 : 7,
            fontSetA ? "Liberation Mono" : "Liberation Sans"};
}

void expectColour(const wxColour& actual, Rgb expected, const char* field)
{
    EXPECT_EQ(actual, wxColour(expected.red, expected.green, expected.blue)) << field;
    EXPECT_EQ(actual.Alpha(), wxALPHA_OPAQUE) << field;
}

void expectPen(const wxPen& pen, Rgb expected, const char* field)
{
    expectColour(pen.GetColour(), expected, field);
    EXPECT_EQ(pen.GetWidth(), 1) << field;
}

bool usesBarPattern(int k) { return k == 2 || k == 15; }

void expectColours(const ControlStyle& style, int k)
{
    const ExpectedColours e = expectedColours(k);
    expectColour(style.textColour, e.label, "label");
    expectColour(style.largeTextColour, e.title, "title");
    expectColour(style.fixedTextColour, e.valueLabel, "value label");
    expectColour(style.backgroundBrush.GetColour(), e.background, "background");
    EXPECT_EQ(style.backgroundBrush.GetStyle(), e.solidBackground ? wxBRUSHSTYLE_SOLID : wxBRUSHSTYLE_TRANSPARENT);
    expectColour(style.brush2.GetColour(), e.fill, "fill");
    if (!usesBarPattern(k))
        expectColour(style.brush3.GetColour(), e.bar, "bar");
    expectPen(style.pen1, e.line, "line");
    expectPen(style.pen2, e.barLine, "bar line");
    expectPen(style.pen3, e.highlight, "highlight");
    expectPen(style.pen4, e.zeroLine, "zero line");
    expectPen(style.pen5, e.focus, "focus");
    expectPen(style.pen6, e.focus, "selection");
    expectColour(style.colour4, e.value, "value");
    expectColour(style.colour5, e.disabledText, "disabled text");
    expectColour(style.colour6, e.diagramText, "diagram text");
    expectColour(style.colour7, {20, 20, 20}, "popup background");
    expectColour(style.colour8, {180, 180, 180}, "popup text");
    expectColour(style.colour9, {80, 80, 80}, "popup hover");
    expectColour(style.colour10, {210, 235, 64}, "popup current text");
}

// Liberation stands in for the Windows faces where it is installed, as on
// the build machines; sizes, weights and slants hold whatever the face.
void expectFonts(const ControlStyle& style, int k)
{
    const ExpectedFonts e = expectedFonts(k);
    const auto slant = [](bool italic) { return italic ? wxFONTSTYLE_ITALIC : wxFONTSTYLE_NORMAL; };
    ASSERT_TRUE(style.font.IsOk() && style.largeFont.IsOk() && style.mediumFont.IsOk() && style.fixedFont.IsOk());
    EXPECT_EQ(style.font.GetPointSize(), 7);
    EXPECT_EQ(style.font.GetWeight(), wxFONTWEIGHT_NORMAL);
    EXPECT_EQ(style.font.GetFaceName(), "Liberation Sans");
    EXPECT_EQ(style.largeFont.GetPointSize(), e.largePoints);
    EXPECT_EQ(style.largeFont.GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(style.largeFont.GetStyle(), slant(e.largeItalic));
    EXPECT_EQ(style.largeFont.GetFaceName(), "Liberation Sans");
    EXPECT_EQ(style.mediumFont.GetPointSize(), e.mediumPoints);
    EXPECT_EQ(style.mediumFont.GetWeight(), wxFONTWEIGHT_BOLD);
    EXPECT_EQ(style.mediumFont.GetStyle(), slant(e.mediumItalic));
    EXPECT_EQ(style.fixedFont.GetPointSize(), e.valuePoints);
    EXPECT_EQ(style.fixedFont.GetWeight(), wxFONTWEIGHT_NORMAL);
    EXPECT_EQ(style.fixedFont.GetFaceName(), e.valueFace);
}

} // namespace

TEST(ControlStyleSetTest, EveryStyleHasTheDesignedFontsColoursAndPens)
{
    const ControlStyleSet styles;
    for (int k = 0; k < ControlStyleSet::styleCount; ++k) {
        SCOPED_TRACE(testing::Message() << "style " << k);
        expectColours(styles.style(k), k);
        expectFonts(styles.style(k), k);
    }
}

TEST(ControlStyleSetTest, ThePatternStylesTileTheGlossyBarPattern)
{
    const ControlStyleSet styles;
    const wxImage pattern = styles.barPattern().ConvertToImage();
    ASSERT_EQ(pattern.GetSize(), wxSize(64, 16));
    // Upper and lower halves, first and last rows of each; columns alike.
    EXPECT_EQ(wxColour(pattern.GetRed(0, 0), pattern.GetGreen(0, 0), pattern.GetBlue(0, 0)), wxColour(192, 219, 227));
    EXPECT_EQ(wxColour(pattern.GetRed(63, 7), pattern.GetGreen(63, 7), pattern.GetBlue(63, 7)), wxColour(182, 213, 223));
    EXPECT_EQ(wxColour(pattern.GetRed(30, 8), pattern.GetGreen(30, 8), pattern.GetBlue(30, 8)), wxColour(168, 192, 190));
    EXPECT_EQ(wxColour(pattern.GetRed(5, 15), pattern.GetGreen(5, 15), pattern.GetBlue(5, 15)), wxColour(146, 166, 163));
    for (int k : {2, 15}) {
        const wxBrush& bar = styles.style(k).brush3;
        EXPECT_EQ(bar.GetStyle(), wxBRUSHSTYLE_STIPPLE) << k;
        ASSERT_NE(bar.GetStipple(), nullptr);
        EXPECT_EQ(bar.GetStipple()->GetSize(), wxSize(64, 16)) << k;
    }
}

TEST(ControlStyleSetTest, AStyleOutsideTheSetIsRefusedNotRead)
{
    const ControlStyleSet styles;
    EXPECT_THROW(styles.style(ControlStyleSet::styleCount), std::out_of_range);
    EXPECT_THROW(styles.style(-1), std::out_of_range);
}

TEST(ControlStyleSetTest, TheControlSetDialogsPaintLikeTheSystemPage)
{
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "styles");
    PanelManager* panels = new PanelManager(frame);
    const ControlStyle* style = panels->dialogStyle();
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->backgroundBrush.GetStyle(), wxBRUSHSTYLE_SOLID);
    EXPECT_EQ(style->backgroundBrush.GetColour(), wxColour(64, 64, 64));
    EXPECT_EQ(style->fixedTextColour, wxColour(200, 200, 220));
    frame->Destroy();
}
