#include "panels/FseqPageFaces.h"

#include "labels/ValueLabels.h"
#include "text/RefString.h"

#include <wx/image.h>

#include <functional>

namespace FseqPageFaces {

namespace {

constexpr int iconWidth = 17;
constexpr int iconHeight = 16;

// A white picture whose pixels are opaque where inked(x, y) holds.
wxBitmap glyph(int width, int height, const std::function<bool(int, int)>& inked)
{
    wxImage image(width, height);
    image.SetRGB(wxRect(0, 0, width, height), 255, 255, 255);
    image.InitAlpha();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetAlpha(x, y, inked(x, y) ? wxIMAGE_ALPHA_OPAQUE : wxIMAGE_ALPHA_TRANSPARENT);
    return wxBitmap(image);
}

bool onFrame(int x, int y, int width, int height)
{
    return x == 0 || y == 0 || x == width - 1 || y == height - 1;
}

// Off: an empty box; on: the box with the mark inside.
TwoState boxFaces(int width, int height, const std::function<bool(int, int)>& mark)
{
    const auto frame = [width, height](int x, int y) { return onFrame(x, y, width, height); };
    return {glyph(width, height, frame), glyph(width, height, [&](int x, int y) { return frame(x, y) || mark(x, y); })};
}

// A floppy disk; the device icon adds a downward arrow beside it.
bool disk(int x, int y)
{
    const bool outline = onFrame(x, y, 13, 14) && x < 13 && y < 14;
    const bool shutter = y >= 1 && y <= 4 && x >= 3 && x <= 9;
    const bool label = y >= 8 && y <= 12 && x >= 2 && x <= 10 && (y == 8 || y == 12 || x == 2 || x == 10);
    return outline || shutter || label;
}

bool arrow(int x, int y)
{
    const bool shaft = x == 15 && y >= 4 && y <= 11;
    const bool head = y >= 10 && y <= 12 && x >= 15 - (12 - y) && x <= 15 + (12 - y);
    return shaft || head;
}

} // namespace

// Made once and never freed: bitmaps must not outlive the toolkit's
// shutdown in static destructors.
const TwoState& showFaces()
{
    // An eye: a filled lens when shown.
    static const TwoState* faces = new TwoState(boxFaces(trackFaceWidth, trackFaceHeight,
        [](int x, int y) { return y >= 3 && y <= 6 && x >= 5 + (y == 3 || y == 6) && x <= 11 - (y == 3 || y == 6); }));
    return *faces;
}

const TwoState& editFaces()
{
    // A pen stroke across the box when edited.
    static const TwoState* faces = new TwoState(boxFaces(trackFaceWidth, trackFaceHeight,
        [](int x, int y) { return y >= 2 && y <= 7 && (x == 14 - 2 * y || x == 15 - 2 * y); }));
    return *faces;
}

const TwoState& hideFaces()
{
    // The wide switches carry their text; the face is their frame.
    static const TwoState* faces = new TwoState(boxFaces(2 * trackFaceWidth + 2, legendFaceHeight,
        [](int x, int y) { return y == 1 && x > 1 && x < 2 * trackFaceWidth; }));
    return *faces;
}

std::shared_ptr<const wxBitmap> saveToFileIcon()
{
    static const auto* icon = new std::shared_ptr<const wxBitmap>(new wxBitmap(glyph(iconWidth, iconHeight, disk)));
    return *icon;
}

std::shared_ptr<const wxBitmap> saveToDeviceIcon()
{
    static const auto* icon = new std::shared_ptr<const wxBitmap>(
        new wxBitmap(glyph(iconWidth, iconHeight, [](int x, int y) { return disk(x, y) || arrow(x, y); })));
    return *icon;
}

const ValueLabels& blankValues()
{
    static const auto* texts = new std::array<RefString, 2>{};
    static const auto* labels = new ValueLabels(texts->data(), 2);
    return *labels;
}

} // namespace FseqPageFaces
