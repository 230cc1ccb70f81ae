#include "PageAudit.h"

#include "controls/Control.h"
#include "controls/ControlWindow.h"
#include "gui/EditorPanel.h"

#include <wx/image.h>
#include <wx/window.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace {

double luminance(const wxColour& colour)
{
    const auto channel = [](unsigned char value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.Red()) + 0.7152 * channel(colour.Green()) + 0.0722 * channel(colour.Blue());
}

// How far apart two colours may lie and still read as one plain ground
// (shading, a gradient's steps).
constexpr int groundTolerance = 12;

int colourDistance(const wxColour& a, const wxColour& b)
{
    return std::max({std::abs(a.Red() - b.Red()), std::abs(a.Green() - b.Green()), std::abs(a.Blue() - b.Blue())});
}

wxColour pixel(const wxImage& image, int x, int y)
{
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

ControlWindow* controlWindowOf(wxWindow* window)
{
    auto* controlWindow = dynamic_cast<ControlWindow*>(window);
    return controlWindow && controlWindow->control() ? controlWindow : nullptr;
}

// Draws the window's own picture (a page, or a control) and then its shown
// children, each at its place, as the toolkit stacks them.
class WindowPainter {
public:
    explicit WindowPainter(TextRecordingDc& dc) : dc_(dc) {}

    // Calls noteOwner(controlWindow or null) before each window draws.
    template <typename NoteOwner>
    void paint(wxWindow& window, wxPoint offset, NoteOwner&& noteOwner)
    {
        const wxSize size = window.GetClientSize();
        dc_.SetDeviceOrigin(offset.x, offset.y);
        dc_.DestroyClippingRegion();
        dc_.SetClippingRegion(0, 0, size.x, size.y);
        if (auto* page = dynamic_cast<EditorPanel*>(&window)) {
            noteOwner(nullptr);
            page->paintArea(dc_, wxRect(size));
        } else if (ControlWindow* controlWindow = controlWindowOf(&window)) {
            noteOwner(controlWindow);
            // Drawn enabled: a page whose part is off dims its controls on
            // purpose, and what is audited is the page the user works on.
            controlWindow->control()->draw(dc_, wxRegion(0, 0, size.x, size.y), true, false, false);
        }
        for (wxWindow* child : window.GetChildren())
            if (child->IsShown() && !child->IsTopLevel())
                paint(*child, offset + child->GetPosition(), noteOwner);
    }

private:
    TextRecordingDc& dc_;
};

} // namespace

double contrastRatio(const wxColour& a, const wxColour& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

PageAudit::PageAudit(wxWindow& page) : size_(page.GetClientSize())
{
    collectControls(page, wxPoint());
    image_ = paint(page, TextDrawing::clipped);
    textlessImage_ = paint(page, TextDrawing::none);
    unclippedImage_ = paint(page, TextDrawing::unclipped);
}

void PageAudit::collectControls(wxWindow& window, wxPoint offset)
{
    for (wxWindow* child : window.GetChildren()) {
        if (!child->IsShown() || child->IsTopLevel())
            continue;
        const wxPoint place = offset + child->GetPosition();
        if (ControlWindow* controlWindow = controlWindowOf(child)) {
            const ParameterPath& path = controlWindow->control()->getPath();
            controls_.push_back({path.text().toUtf8(), wxRect(place, child->GetSize()), controlWindow->control()});
            controlWindows_.push_back(child);
        }
        collectControls(*child, place);
    }
}

wxImage PageAudit::paint(wxWindow& page, TextDrawing drawing)
{
    wxBitmap picture(size_);
    std::vector<std::pair<std::size_t, int>> owners;
    {
        wxMemoryDC memory(picture);
        TextRecordingDc dc(memory, drawing);
        WindowPainter(dc).paint(page, wxPoint(), [&](wxWindow* control) {
            const auto found = std::find(controlWindows_.begin(), controlWindows_.end(), control);
            owners.emplace_back(dc.texts().size(), found == controlWindows_.end() ? -1 : int(found - controlWindows_.begin()));
        });
        if (texts_.empty()) {
            for (std::size_t k = 0; k < dc.texts().size(); ++k) {
                const auto owner = std::find_if(owners.rbegin(), owners.rend(), [k](const auto& o) { return o.first <= k; });
                texts_.push_back({dc.texts()[k], owner == owners.rend() ? -1 : owner->second});
            }
        }
    }
    return picture.ConvertToImage();
}

std::string PageAudit::nameOf(const AuditedText& text) const
{
    const std::string where = text.control < 0 ? "page" : controls_[std::size_t(text.control)].name;
    return "\"" + text.drawn.text.utf8_string() + "\" (" + where + ")";
}

wxRect PageAudit::inkBox(const AuditedText& text) const
{
    const wxRect box = text.drawn.box.Intersect(wxRect(image_.GetSize()));
    wxRect ink;
    for (int y = box.GetTop(); y <= box.GetBottom(); ++y)
        for (int x = box.GetLeft(); x <= box.GetRight(); ++x)
            if (pixel(image_, x, y) != pixel(textlessImage_, x, y))
                ink.Union(wxRect(x, y, 1, 1));
    return ink;
}

bool PageAudit::isCut(const AuditedText& text) const
{
    const wxRect control = text.control < 0 ? wxRect(size_) : controls_[std::size_t(text.control)].box;
    const wxRect box = text.drawn.box.Intersect(wxRect(textlessImage_.GetSize()));
    for (int y = box.GetTop(); y <= box.GetBottom(); ++y)
        for (int x = box.GetLeft(); x <= box.GetRight(); ++x) {
            const wxColour whole = pixel(unclippedImage_, x, y);
            if (whole != pixel(image_, x, y) || (!control.Contains(x, y) && whole != pixel(textlessImage_, x, y)))
                return true;
        }
    return false;
}

int PageAudit::crossedPixels(const AuditedText& text) const
{
    // A text whose end touches a line or a drawing reads as run into it.
    wxRect ink = inkBox(text);
    ink.width += ink.IsEmpty() || ink.GetRight() + 1 >= size_.x ? 0 : 1;
    return standingOut(ink);
}

int PageAudit::crossedLinePixels(const AuditedText& text) const { return standingOut(text.drawn.box); }

int PageAudit::standingOut(const wxRect& area) const
{
    const wxRect box = area.Intersect(wxRect(size_));
    std::map<unsigned long, int> counts;
    for (int y = box.GetTop(); y <= box.GetBottom(); ++y)
        for (int x = box.GetLeft(); x <= box.GetRight(); ++x)
            ++counts[pixel(textlessImage_, x, y).GetRGB()];
    if (counts.empty())
        return 0;
    const auto ground = std::max_element(counts.begin(), counts.end(),
        [](const auto& a, const auto& b) { return a.second < b.second; });
    const wxColour plain(ground->first);
    int crossed = 0;
    for (int y = box.GetTop(); y <= box.GetBottom(); ++y)
        for (int x = box.GetLeft(); x <= box.GetRight(); ++x)
            crossed += colourDistance(pixel(textlessImage_, x, y), plain) > groundTolerance ? 1 : 0;
    return crossed;
}

double PageAudit::lowestContrast(const AuditedText& text) const
{
    return contrastRatio(text.drawn.colour, faintestGround(text));
}

wxColour PageAudit::faintestGround(const AuditedText& text) const
{
    const wxImage& behind = textlessImage_;
    const wxRect box = text.drawn.box.Intersect(wxRect(behind.GetSize()));
    double lowest = 22.0;
    // With no glyph pixel found, the ground that contrasts most.
    wxColour faintest = contrastRatio(text.drawn.colour, *wxWHITE) > contrastRatio(text.drawn.colour, *wxBLACK)
        ? *wxWHITE : *wxBLACK;
    for (int y = box.GetTop(); y <= box.GetBottom(); ++y)
        for (int x = box.GetLeft(); x <= box.GetRight(); ++x) {
            const wxColour ground = pixel(behind, x, y);
            const double contrast = contrastRatio(text.drawn.colour, ground);
            if (pixel(image_, x, y) != ground && contrast < lowest) {
                lowest = contrast;
                faintest = ground;
            }
        }
    return faintest;
}
