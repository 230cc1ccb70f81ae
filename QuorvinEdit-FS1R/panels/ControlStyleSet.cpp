#include "panels/ControlStyleSet.h"

#include "gui/FontFaces.h"
#include "gui/PngBitmap.h"

#include "embedded/barPatternPng.h"

#include <optional>

namespace {

struct Rgb {
    unsigned char red, green, blue;
    operator wxColour() const { return {red, green, blue}; }
};

// The two font sets: A has a fixed-width value font, B a small sans one.
enum class FontSet { sansSerif, smallSansSerif };

// What a style changes of the defaults; an empty field keeps the default.
struct StyleRecipe {
    FontSet fonts;
    // Bold italic "Arial" titles; 0 keeps the font set's title.
    int largeTitlePoints = 0;
    int mediumTitlePoints = 0;
    std::optional<Rgb> label{}, title{}, valueLabel{};
    // The background brush stays transparent unless solidBackground.
    std::optional<Rgb> background{};
    bool solidBackground = false;
    std::optional<Rgb> fill{}, bar{}, line{}, barLine{}, highlight{}, zeroLine{};
    // Focus and selection frames share one colour in every style.
    std::optional<Rgb> focus{};
    std::optional<Rgb> value{}, disabledText{}, diagramText{};
    bool barStipple = false;
};

constexpr int tintedLargeTitlePoints = 12;
constexpr int tintedMediumTitlePoints = 9;
constexpr Rgb paleGrey{200, 200, 200};
constexpr Rgb titleWhite{239, 239, 239};
constexpr Rgb darkText{50, 50, 50};
constexpr Rgb shadowText{80, 80, 80};
constexpr Rgb darkRed{100, 20, 20};
constexpr Rgb pageGround{64, 64, 64};

constexpr unsigned char average(int a, int b) { return static_cast<unsigned char>((a + b) / 2); }
constexpr Rgb halfway(Rgb c, int grey) { return {average(c.red, grey), average(c.green, grey), average(c.blue, grey)}; }
constexpr unsigned char towardWhite(int c) { return static_cast<unsigned char>((2 * c + 255) / 3); }

// One base colour gives a whole scheme: a light highlight, and two steps
// toward a mid grey for lines and fills (integer division throughout).
constexpr StyleRecipe tinted(Rgb base, bool solidBackground = false)
{
    constexpr int stepGrey = 100;
    const Rgb step1 = halfway(base, stepGrey);
    const Rgb step2 = halfway(step1, stepGrey);
    return {.fonts = FontSet::smallSansSerif,
            .largeTitlePoints = tintedLargeTitlePoints,
            .mediumTitlePoints = tintedMediumTitlePoints,
            .label = paleGrey,
            .title = titleWhite,
            .valueLabel = base,
            .background = pageGround,
            .solidBackground = solidBackground,
            .fill = step2,
            .bar = step1,
            .line = step1,
            .barLine = step2,
            .highlight = Rgb{towardWhite(base.red), towardWhite(base.green), towardWhite(base.blue)},
            .zeroLine = step1,
            .focus = paleGrey,
            .value = base,
            .disabledText = step2,
            .diagramText = Rgb{33, 33, 33}};
}

constexpr Rgb mauve{200, 200, 220};

const StyleRecipe recipes[ControlStyleSet::styleCount] = {
    // 0: blue
    {.fonts = FontSet::sansSerif,
     .label = darkText, .title = darkText, .valueLabel = darkText,
     .background = Rgb{82, 203, 243},
     .fill = Rgb{69, 169, 202}, .bar = Rgb{28, 68, 81}, .line = Rgb{28, 68, 81}, .barLine = Rgb{69, 169, 202},
     .highlight = Rgb{69, 169, 202}, .zeroLine = Rgb{56, 136, 162}, .focus = Rgb{122, 223, 255},
     .value = Rgb{28, 68, 81}, .disabledText = Rgb{56, 136, 162}, .diagramText = Rgb{82, 203, 243}},
    // 1: green
    {.fonts = FontSet::sansSerif,
     .label = darkText, .title = darkText, .valueLabel = Rgb{69, 85, 44},
     .background = Rgb{207, 255, 132},
     .fill = Rgb{173, 213, 110}, .bar = Rgb{69, 85, 44}, .line = Rgb{69, 85, 44}, .barLine = Rgb{173, 213, 110},
     .highlight = Rgb{6, 10, 9}, .zeroLine = Rgb{138, 170, 88}, .focus = Rgb{6, 10, 9},
     .value = Rgb{69, 85, 44}, .disabledText = Rgb{138, 170, 88}, .diagramText = Rgb{207, 255, 132}},
    // 2: grey with the glossy bar pattern
    {.fonts = FontSet::smallSansSerif, .largeTitlePoints = 12, .mediumTitlePoints = 8,
     .label = darkText, .title = titleWhite, .valueLabel = darkText,
     .focus = darkRed, .value = darkText, .disabledText = shadowText, .diagramText = darkText,
     .barStipple = true},
    // 3: light grey
    {.fonts = FontSet::smallSansSerif,
     .label = Rgb{210, 210, 210}, .title = Rgb{210, 210, 210}, .valueLabel = Rgb{210, 210, 210},
     .bar = Rgb{135, 135, 135}, .focus = paleGrey,
     // Darker than the page ground, so values over the grey bars stay legible.
     .value = Rgb{210, 210, 210}, .disabledText = Rgb{150, 150, 150}, .diagramText = Rgb{24, 24, 24}},
    // 4: the system page and the MIDI dialogs, on a solid ground
    tinted(mauve, true),
    // 5: voice common groups
    tinted(mauve),
    // 6-13: operators 1 to 8, the colours of the algorithm diagram
    tinted({255, 149, 149}),
    tinted({255, 192, 114}),
    tinted({255, 255, 90}),
    tinted({162, 255, 136}),
    tinted({99, 255, 222}),
    tinted({178, 189, 255}),
    tinted({248, 182, 255}),
    tinted({255, 124, 226}),
    // 14: pale, for the effect blocks and EQ
    {.fonts = FontSet::smallSansSerif,
     .label = paleGrey, .title = paleGrey, .valueLabel = paleGrey,
     .bar = paleGrey, .focus = paleGrey,
     .value = paleGrey, .disabledText = shadowText, .diagramText = darkText},
    // 15: like 2 with a larger title, for the mixer
    {.fonts = FontSet::smallSansSerif, .largeTitlePoints = 14,
     .label = darkText, .title = titleWhite, .valueLabel = darkText,
     .focus = darkRed, .value = darkText, .disabledText = shadowText, .diagramText = darkText,
     .barStipple = true},
};

constexpr const char* sansSerifFace = "Microsoft Sans Serif";
constexpr const char* fixedFace = "Courier New";
constexpr const char* titleFace = "Arial";

// The face's installed stand-in, or the swiss family when there is none;
// size, weight and slant hold either way.
wxFont pageFont(int points, const char* face, bool bold, bool italic = false)
{
    wxFont font(wxFontInfo(points).Family(wxFONTFAMILY_SWISS).Bold(bold).Italic(italic));
    FontFaces::setFace(font, face);
    return font;
}

void setFonts(ControlStyle& style, FontSet set)
{
    constexpr int titlePoints = 8;
    constexpr int labelPoints = 7;
    constexpr int fixedValuePoints = 9;
    style.largeFont = pageFont(titlePoints, sansSerifFace, true);
    style.font = pageFont(labelPoints, sansSerifFace, false);
    style.fixedFont = set == FontSet::sansSerif ? pageFont(fixedValuePoints, fixedFace, false)
                                                : pageFont(labelPoints, sansSerifFace, false);
}

void setColour(wxColour& field, const std::optional<Rgb>& colour)
{
    if (colour)
        field = *colour;
}

void setPen(wxPen& field, const std::optional<Rgb>& colour)
{
    if (colour)
        field = wxPen(*colour, 1);
}

void setBrush(wxBrush& field, const std::optional<Rgb>& colour)
{
    if (colour)
        field = wxBrush(*colour);
}

void setPopupColours(ControlStyle& style)
{
    style.colour7 = Rgb{20, 20, 20};
    style.colour8 = Rgb{180, 180, 180};
    style.colour9 = Rgb{80, 80, 80};
    style.colour10 = Rgb{210, 235, 64};
}

void applyRecipe(ControlStyle& style, const StyleRecipe& recipe, const wxBitmap& barPattern)
{
    setFonts(style, recipe.fonts);
    if (recipe.largeTitlePoints > 0)
        style.largeFont = pageFont(recipe.largeTitlePoints, titleFace, true, true);
    if (recipe.mediumTitlePoints > 0)
        style.mediumFont = pageFont(recipe.mediumTitlePoints, titleFace, true, true);
    setColour(style.textColour, recipe.label);
    setColour(style.largeTextColour, recipe.title);
    setColour(style.fixedTextColour, recipe.valueLabel);
    if (recipe.background)
        style.backgroundBrush =
            wxBrush(*recipe.background, recipe.solidBackground ? wxBRUSHSTYLE_SOLID : wxBRUSHSTYLE_TRANSPARENT);
    setBrush(style.brush2, recipe.fill);
    setBrush(style.brush3, recipe.bar);
    setPen(style.pen1, recipe.line);
    setPen(style.pen2, recipe.barLine);
    setPen(style.pen3, recipe.highlight);
    setPen(style.pen4, recipe.zeroLine);
    setPen(style.pen5, recipe.focus);
    setPen(style.pen6, recipe.focus);
    setColour(style.colour4, recipe.value);
    setColour(style.colour5, recipe.disabledText);
    setColour(style.colour6, recipe.diagramText);
    setPopupColours(style);
    // Without a decoded pattern the bar keeps its plain colour.
    if (recipe.barStipple && barPattern.IsOk())
        style.brush3 = wxBrush(barPattern);
}

} // namespace

ControlStyleSet::ControlStyleSet()
{
    bitmapFromPng(barPattern_, embedded::barPatternPng, embedded::barPatternPngSize);
    for (int k = 0; k < styleCount; ++k)
        applyRecipe(styles_[k], recipes[k], barPattern_);
}
