#pragma once
// A bitmap filled with one colour, painted through a memory context, then
// read back pixel by pixel.
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <optional>
#include <ostream>

inline void PrintTo(const wxColour& colour, std::ostream* out)
{
    *out << "(" << int(colour.Red()) << ", " << int(colour.Green()) << ", " << int(colour.Blue()) << ")";
}

class PixelCanvas {
public:
    PixelCanvas(int width, int height, const wxColour& ground) : bitmap_(width, height, 24)
    {
        dc.SelectObject(bitmap_);
        dc.SetBackground(wxBrush(ground));
        dc.Clear();
    }

    // Ends painting: the context is of no use afterwards.
    const wxImage& image()
    {
        if (!image_) {
            dc.SelectObject(wxNullBitmap);
            image_ = bitmap_.ConvertToImage();
        }
        return *image_;
    }

    wxColour pixel(int x, int y) { return {image().GetRed(x, y), image().GetGreen(x, y), image().GetBlue(x, y)}; }

    // The smallest rectangle holding every pixel that is not ground, and
    // whether any pixel has exactly the colour full.
    wxRect inkBounds(const wxColour& ground, const wxColour& full = wxNullColour, bool* fullFound = nullptr)
    {
        wxRect bounds;
        for (int y = 0; y < image().GetHeight(); ++y)
            for (int x = 0; x < image().GetWidth(); ++x) {
                if (pixel(x, y) != ground)
                    bounds.Union(wxRect(x, y, 1, 1));
                if (fullFound && pixel(x, y) == full)
                    *fullFound = true;
            }
        return bounds;
    }

    wxMemoryDC dc;

private:
    wxBitmap bitmap_;
    std::optional<wxImage> image_;
};
