#include "panels/FilterTypePictures.h"

#include <wx/dcmemory.h>
#include <wx/module.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using Response = double (*)(double);

// Gains 0..1 over a logarithmic frequency axis x 0..1, cutoff at the middle.
constexpr double cutoff = 0.5;

double lowPass(double x, double slope)
{
    return x <= cutoff ? 1.0 : std::max(0.0, 1.0 - (x - cutoff) * slope);
}

double highPass(double x) { return x >= cutoff ? 1.0 : std::max(0.0, 1.0 - (cutoff - x) * 3.0); }
double bandPass(double x) { return std::max(0.0, 1.0 - std::abs(x - cutoff) * 4.0); }
double bandStop(double x) { return std::min(1.0, std::abs(x - cutoff) * 4.0); }

const std::array<Response, FilterTypePictures::typeCount> responses{{
    [](double x) { return lowPass(x, 4.0); },
    [](double x) { return lowPass(x, 3.0); },
    [](double x) { return lowPass(x, 2.0); },
    highPass,
    bandPass,
    bandStop,
}};

constexpr int margin = 8;
const wxColour groundColour(40, 44, 52);
const wxColour curveColour(150, 220, 255);

wxBitmap drawResponse(Response response)
{
    wxBitmap picture(FilterTypePictures::width, FilterTypePictures::height, 24);
    wxMemoryDC dc(picture);
    dc.SetBackground(wxBrush(groundColour));
    dc.Clear();
    dc.SetPen(wxPen(curveColour, 2));
    const int plotWidth = FilterTypePictures::width - 2 * margin;
    const int plotHeight = FilterTypePictures::height - 2 * margin;
    std::vector<wxPoint> points;
    for (int column = 0; column <= plotWidth; ++column) {
        const double gain = response(static_cast<double>(column) / plotWidth);
        points.emplace_back(margin + column, margin + static_cast<int>(std::lround((1.0 - gain) * plotHeight)));
    }
    dc.DrawLines(static_cast<int>(points.size()), points.data());
    dc.SelectObject(wxNullBitmap);
    return picture;
}

std::unique_ptr<std::array<wxBitmap, FilterTypePictures::typeCount>>& store()
{
    static std::unique_ptr<std::array<wxBitmap, FilterTypePictures::typeCount>> pictures;
    return pictures;
}

// Toolkit bitmaps must not outlive the toolkit.
class FilterTypePicturesModule : public wxModule {
public:
    bool OnInit() override { return true; }
    void OnExit() override { FilterTypePictures::release(); }

private:
    wxDECLARE_DYNAMIC_CLASS(FilterTypePicturesModule);
};

wxIMPLEMENT_DYNAMIC_CLASS(FilterTypePicturesModule, wxModule);

} // namespace

const wxBitmap* FilterTypePictures::picture(int type)
{
    if (type < 0 || type >= typeCount)
        return nullptr;
    auto& pictures = store();
    if (!pictures) {
        pictures = std::make_unique<std::array<wxBitmap, typeCount>>();
        for (int k = 0; k < typeCount; ++k)
            (*pictures)[k] = drawResponse(responses[k]);
    }
    return &(*pictures)[type];
}

void FilterTypePictures::release() { store().reset(); }
