#include "gui/PngBitmap.h"

#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include <functional>
#include <map>
#include <string_view>
#include <utility>

void addPngHandler()
{
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
}

namespace {

// Pictures decoded so far, by the hash and length of their bytes: several
// pages share one background, and decoding is most of what a page costs at
// start-up. Only the GUI thread decodes.
using PictureKey = std::pair<std::size_t, std::size_t>;

std::map<PictureKey, wxImage>& decodedPictures()
{
    static std::map<PictureKey, wxImage> pictures;
    return pictures;
}

const wxImage* decode(const unsigned char* bytes, std::size_t byteCount)
{
    const PictureKey key{std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(bytes), byteCount)),
        byteCount};
    auto& pictures = decodedPictures();
    if (const auto known = pictures.find(key); known != pictures.end())
        return &known->second;
    addPngHandler();
    wxImage image;
    // The failure is the caller's to handle: no log box for bad bytes.
    wxLogNull quiet;
    wxMemoryInputStream stream(bytes, byteCount);
    if (!image.LoadFile(stream, wxBITMAP_TYPE_ANY))
        return nullptr;
    return &pictures.emplace(key, std::move(image)).first->second;
}

} // namespace

bool bitmapFromPng(wxBitmap& bitmap, const unsigned char* bytes, std::size_t byteCount)
{
    bitmap = wxBitmap();
    if (bytes == nullptr || byteCount == 0)
        return false;
    if (const wxImage* image = decode(bytes, byteCount))
        bitmap = wxBitmap(*image);
    return bitmap.IsOk();
}

std::unique_ptr<wxBitmap> newBitmapFromPng(const unsigned char* bytes, std::size_t byteCount)
{
    auto bitmap = std::make_unique<wxBitmap>();
    bitmapFromPng(*bitmap, bytes, byteCount);
    return bitmap;
}
