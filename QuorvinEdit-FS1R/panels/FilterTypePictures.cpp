#include "panels/FilterTypePictures.h"

#include <wx/dcmemory.h>
#include <wx/module.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

using Response = double (*)(double);

// Gains 0..1 over a logarithmic frequency axis x 0..1, cutoff at the middle;
// every slope lies within 0.15 of it.
constexpr double cutoff = 0.5;

double lowPass(double x, double slope)
{
    return x <= cutoff ? 1.0 : std::max(0.0, 1.0 - (x - cutoff) * slope);
}

double highPass(double x) { return x >= cutoff ? 1.0 : std::max(0.0, 1.0 - (cutoff - x) * 7.0); }
double bandPass(double x) { return std::max(0.0, 1.0 - std::abs(x - cutoff) * 7.0); }
double bandStop(double x) { return std::min(1.0, std::abs(x - cutoff) * 7.0); }

const std::array<Response, FilterTypePictures::typeCount> responses{{
    [](double x) { return lowPass(x, 10.0); },
    [](double x) { return lowPass(x, 8.0); },
    [](double x) { return lowPass(x, 7.0); },
    highPass,
    bandPass,
    bandStop,
}};

// The filter's captions and controls stand on the picture: the pass band
// runs in the free band between the first row of controls and the next
// captions, and the slopes fall in the free column in the middle. Where the
// gain is zero, outside that column, nothing is drawn.
constexpr int margin = 8;
constexpr int passBandY = 37;
constexpr int stopBandY = 100;
const wxColour groundColour(40, 44, 52);
const wxColour curveColour(150, 220, 255);

void drawRun(wxDC& dc, std::vector<wxPoint>& run)
{
    if (run.size() > 1)
        dc.DrawLines(static_cast<int>(run.size()), run.data());
    run.clear();
}

wxBitmap drawResponse(Response response)
{
    wxBitmap picture(FilterTypePictures::width, FilterTypePictures::height, 24);
    wxMemoryDC dc(picture);
    dc.SetBackground(wxBrush(groundColour));
    dc.Clear();
    dc.SetPen(wxPen(curveColour, 2));
    const int plotWidth = FilterTypePictures::width - 2 * margin;
    const auto gainAt = [&](int column) { return response(static_cast<double>(column) / plotWidth); };
    std::vector<wxPoint> run;
    for (int column = 0; column <= plotWidth; ++column) {
        const double gain = gainAt(column);
        const bool besideSound = column > 0 && gainAt(column - 1) > 0.0;
        const bool beforeSound = column < plotWidth && gainAt(column + 1) > 0.0;
        if (gain > 0.0 || besideSound || beforeSound)
            run.emplace_back(margin + column,
                             passBandY + static_cast<int>(std::lround((1.0 - gain) * (stopBandY - passBandY))));
        else
            drawRun(dc, run);
    }
    drawRun(dc, run);
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
