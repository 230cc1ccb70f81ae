#include "gui/TextExtents.h"

#include <wx/dc.h>
#include <wx/window.h>

#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Pages use a handful of fonts; a program making fonts without end would
// only start the tables again.
constexpr std::size_t fontLimit = 64;

class ExtentTable {
public:
    template <typename Measure>
    wxSize get(const wxFont& font, const wxString& text, Measure measure)
    {
        // A context with no font of its own draws in a default one.
        if (!font.IsOk())
            return measure();
        auto& sizes = sizesOf(font);
        if (const auto found = sizes.find(text); found != sizes.end())
            return found->second;
        ++measured_;
        return sizes.emplace(text, measure()).first->second;
    }
    int measured() const { return measured_; }

private:
    using Sizes = std::unordered_map<wxString, wxSize>;

    // The copy kept shares the font's data: a font that is changed gets data
    // of its own and so no longer matches.
    Sizes& sizesOf(const wxFont& font)
    {
        for (auto& [kept, sizes] : fonts_)
            if (kept.IsSameAs(font))
                return sizes;
        if (fonts_.size() >= fontLimit)
            fonts_.clear();
        return fonts_.emplace_back(font, Sizes()).second;
    }

    std::vector<std::pair<wxFont, Sizes>> fonts_;
    int measured_ = 0;
};

// Windows and drawing contexts lay text out apart and may round apart.
ExtentTable& contextTable()
{
    static ExtentTable table;
    return table;
}

ExtentTable& windowTable()
{
    static ExtentTable table;
    return table;
}

} // namespace

wxSize TextExtents::onContext(wxDC& dc, const wxString& text)
{
    return contextTable().get(dc.GetFont(), text, [&] { return dc.GetTextExtent(text); });
}

wxSize TextExtents::onWindow(const wxWindow& window, const wxString& text, const wxFont& font)
{
    return windowTable().get(font, text, [&] {
        int width = 0;
        int height = 0;
        window.GetTextExtent(text, &width, &height, nullptr, nullptr, &font);
        return wxSize(width, height);
    });
}

int TextExtents::measured() { return contextTable().measured() + windowTable().measured(); }
