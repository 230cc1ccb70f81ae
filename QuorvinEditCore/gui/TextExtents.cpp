#include "gui/TextExtents.h"

#include <wx/dc.h>
#include <wx/window.h>

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Pages use a handful of fonts; a program making fonts without end would
// only start the tables again.
constexpr std::size_t fontLimit = 64;

bool isPlainAscii(const wxString& text)
{
    return std::all_of(text.begin(), text.end(), [](wxUniChar c) { return c >= 0x20 && c < 0x7F; });
}

class ExtentTable {
public:
    // measure(text) measures a text in the font.
    template <typename Measure>
    wxSize get(const wxFont& font, const wxString& text, Measure measure)
    {
        // A context with no font of its own draws in a default one.
        if (!font.IsOk())
            return measure(text);
        Font& kept = fontOf(font);
        // In a fixed-pitch font a line of plain ASCII is as wide as any other
        // of its length: one measure a length serves every label of a list.
        const wxString& measured = kept.fixedPitch && isPlainAscii(text) ? wxString('0', text.length()) : text;
        if (const auto found = kept.sizes.find(measured); found != kept.sizes.end())
            return found->second;
        ++measured_;
        return kept.sizes.emplace(measured, measure(measured)).first->second;
    }
    int measured() const { return measured_; }

private:
    struct Font {
        // Shares the font's data: a font that is changed gets data of its
        // own and so no longer matches.
        wxFont font;
        bool fixedPitch;
        std::unordered_map<wxString, wxSize> sizes;
    };

    Font& fontOf(const wxFont& font)
    {
        for (Font& kept : fonts_)
            if (kept.font.IsSameAs(font))
                return kept;
        if (fonts_.size() >= fontLimit)
            fonts_.clear();
        return fonts_.emplace_back(Font{font, font.IsFixedWidth(), {}});
    }

    std::vector<Font> fonts_;
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
    return contextTable().get(dc.GetFont(), text, [&](const wxString& measured) { return dc.GetTextExtent(measured); });
}

wxSize TextExtents::onWindow(const wxWindow& window, const wxString& text, const wxFont& font)
{
    return windowTable().get(font, text, [&](const wxString& measured) {
        int width = 0;
        int height = 0;
        window.GetTextExtent(measured, &width, &height, nullptr, nullptr, &font);
        return wxSize(width, height);
    });
}

int TextExtents::measured() { return contextTable().measured() + windowTable().measured(); }
