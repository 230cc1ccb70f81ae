#include "panels/OperatorSwitchPictures.h"

#include <wx/image.h>
#include <wx/module.h>

#include <array>
#include <memory>

namespace {

struct Face {
    unsigned char red, green, blue;
};

const std::array<Face, OperatorSwitchPictures::count> faces{{{70, 74, 82}, {120, 210, 120}}};
constexpr unsigned char opaque = 255;
constexpr unsigned char edgeAlpha = 110;
constexpr int corner = 2;

// A lamp with softened corners on a transparent ground.
wxBitmap drawFace(const Face& face)
{
    const int size = OperatorSwitchPictures::size;
    wxImage image(size, size);
    image.InitAlpha();
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool nearCorner = (x < corner || x >= size - corner) && (y < corner || y >= size - corner);
            image.SetRGB(x, y, face.red, face.green, face.blue);
            image.SetAlpha(x, y, nearCorner ? edgeAlpha : opaque);
        }
    return wxBitmap(image);
}

std::unique_ptr<std::array<wxBitmap, OperatorSwitchPictures::count>>& store()
{
    static std::unique_ptr<std::array<wxBitmap, OperatorSwitchPictures::count>> pictures;
    return pictures;
}

// Toolkit bitmaps must not outlive the toolkit.
class OperatorSwitchPicturesModule : public wxModule {
public:
    bool OnInit() override { return true; }
    void OnExit() override { OperatorSwitchPictures::release(); }

private:
    wxDECLARE_DYNAMIC_CLASS(OperatorSwitchPicturesModule);
};

wxIMPLEMENT_DYNAMIC_CLASS(OperatorSwitchPicturesModule, wxModule);

} // namespace

const wxBitmap* OperatorSwitchPictures::pictures()
{
    auto& pictures = store();
    if (!pictures) {
        pictures = std::make_unique<std::array<wxBitmap, count>>();
        for (int k = 0; k < count; ++k)
            (*pictures)[k] = drawFace(faces[k]);
    }
    return pictures->data();
}

void OperatorSwitchPictures::release() { store().reset(); }
