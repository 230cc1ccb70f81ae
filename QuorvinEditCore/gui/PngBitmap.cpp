#include "gui/PngBitmap.h"

#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

void addPngHandler()
{
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
}

bool bitmapFromPng(wxBitmap& bitmap, const unsigned char* bytes, std::size_t byteCount)
{
    bitmap = wxBitmap();
    if (bytes == nullptr || byteCount == 0)
        return false;
    addPngHandler();
    wxImage image;
    {
        // The failure is the caller's to handle: no log box for bad bytes.
        wxLogNull quiet;
        wxMemoryInputStream stream(bytes, byteCount);
        if (!image.LoadFile(stream, wxBITMAP_TYPE_ANY))
            return false;
    }
    bitmap = wxBitmap(image);
    return bitmap.IsOk();
}

std::unique_ptr<wxBitmap> newBitmapFromPng(const unsigned char* bytes, std::size_t byteCount)
{
    auto bitmap = std::make_unique<wxBitmap>();
    bitmapFromPng(*bitmap, bytes, byteCount);
    return bitmap;
}
