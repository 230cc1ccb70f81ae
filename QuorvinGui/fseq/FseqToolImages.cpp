#include "fseq/FseqToolImages.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>

#include <functional>
#include <iterator>

namespace {

constexpr int faceSize = 28;
const wxColour plainGround(72, 72, 72);
const wxColour selectedGround(200, 200, 96);
const wxColour plainInk(224, 224, 224);
const wxColour selectedInk(32, 32, 32);

using Picture = std::function<void(wxDC&)>;

wxBitmap drawFace(const Picture& picture, const wxColour& ground, const wxColour& ink)
{
    wxBitmap face(faceSize, faceSize, 24);
    wxMemoryDC dc(face);
    dc.SetBackground(wxBrush(ground));
    dc.Clear();
    dc.SetPen(wxPen(ink, 2));
    dc.SetBrush(wxBrush(ink));
    picture(dc);
    dc.SelectObject(wxNullBitmap);
    return face;
}

FseqMouseTool::Images drawFaces(const Picture& picture)
{
    return {drawFace(picture, plainGround, plainInk), drawFace(picture, selectedGround, selectedInk)};
}

void drawPen(wxDC& dc)
{
    // A wavy stroke, as a pen leaves it.
    const wxPoint stroke[] = {{5, 20}, {9, 12}, {13, 16}, {17, 8}, {21, 14}, {23, 6}};
    dc.DrawLines(int(std::size(stroke)), stroke);
}

void drawLine(wxDC& dc)
{
    dc.DrawLine(5, 22, 23, 6);
    dc.DrawCircle(5, 22, 2);
    dc.DrawCircle(23, 6, 2);
}

} // namespace

namespace FseqToolImages {

const FseqMouseTool::Images& pen()
{
    static const FseqMouseTool::Images faces = drawFaces(drawPen);
    return faces;
}

const FseqMouseTool::Images& line()
{
    static const FseqMouseTool::Images faces = drawFaces(drawLine);
    return faces;
}

} // namespace FseqToolImages
