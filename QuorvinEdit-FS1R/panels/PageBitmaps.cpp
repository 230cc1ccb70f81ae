#include "panels/PageBitmaps.h"

#include "gui/PngBitmap.h"

#include "embedded/bcCurvePng.h"
#include "embedded/categoryPng.h"
#include "embedded/editVoicePng.h"
#include "embedded/fseqPagePng.h"
#include "embedded/lfoFormPng.h"
#include "embedded/lfoPhasePng.h"
#include "embedded/performancePagePng.h"
#include "embedded/showPerformancePng.h"
#include "embedded/skirtPng.h"
#include "embedded/spectralFormPng.h"
#include "embedded/systemPagePng.h"
#include "embedded/voicePagePng.h"
#include "embedded/velocityCurvePng.h"

#include <wx/module.h>

#include <array>
#include <cstddef>
#include <memory>

namespace {

struct EmbeddedPng {
    const unsigned char* bytes;
    const std::size_t& size;
};

// Each set is drawn as one strip, picture k at x = k * width.
struct StripLayout {
    EmbeddedPng png;
    int count;
    int width;
    int height;
};

const std::array<EmbeddedPng, PageBitmaps::pageCount> pagePngs{{
    {embedded::systemPagePng, embedded::systemPagePngSize},
    {embedded::performancePagePng, embedded::performancePagePngSize},
    {embedded::voicePagePng, embedded::voicePagePngSize},
    {embedded::fseqPagePng, embedded::fseqPagePngSize},
}};

const std::array<StripLayout, PageBitmaps::setCount> strips{{
    {{embedded::editVoicePng, embedded::editVoicePngSize}, 2, 37, 7},
    {{embedded::showPerformancePng, embedded::showPerformancePngSize}, 2, 31, 18},
    {{embedded::categoryPng, embedded::categoryPngSize}, 23, 37, 7},
    {{embedded::velocityCurvePng, embedded::velocityCurvePngSize}, 5, 127, 63},
    {{embedded::bcCurvePng, embedded::bcCurvePngSize}, 4, 127, 63},
    {{embedded::lfoFormPng, embedded::lfoFormPngSize}, 6, 19, 26},
    {{embedded::lfoPhasePng, embedded::lfoPhasePngSize}, 4, 38, 21},
    {{embedded::spectralFormPng, embedded::spectralFormPngSize}, 8, 19, 26},
    {{embedded::skirtPng, embedded::skirtPngSize}, 8, 19, 19},
}};

// A strip that does not decode at its size gives pictures that are not
// IsOk(), so controls fall back to their text; the count stays.
std::vector<wxBitmap> cutStrip(const StripLayout& layout)
{
    std::vector<wxBitmap> pictures(layout.count);
    wxBitmap strip;
    if (!bitmapFromPng(strip, layout.png.bytes, layout.png.size)
        || strip.GetSize() != wxSize(layout.count * layout.width, layout.height))
        return pictures;
    for (int k = 0; k < layout.count; ++k)
        pictures[k] = strip.GetSubBitmap(wxRect(k * layout.width, 0, layout.width, layout.height));
    return pictures;
}

struct Store {
    std::array<wxBitmap, PageBitmaps::pageCount> backgrounds;
    std::array<std::vector<wxBitmap>, PageBitmaps::setCount> sets;

    Store()
    {
        for (std::size_t page = 0; page < pagePngs.size(); ++page)
            bitmapFromPng(backgrounds[page], pagePngs[page].bytes, pagePngs[page].size);
        for (std::size_t set = 0; set < strips.size(); ++set)
            sets[set] = cutStrip(strips[set]);
    }
};

} // namespace

void PageBitmaps::decodeAhead()
{
    std::vector<std::span<const unsigned char>> pictures;
    for (const EmbeddedPng& png : pagePngs)
        pictures.emplace_back(png.bytes, png.size);
    for (const StripLayout& strip : strips)
        pictures.emplace_back(strip.png.bytes, strip.png.size);
    decodePngsAhead(std::move(pictures));
}

namespace {

std::unique_ptr<Store>& storeSlot()
{
    static std::unique_ptr<Store> store;
    return store;
}

Store& store()
{
    std::unique_ptr<Store>& slot = storeSlot();
    if (!slot)
        slot = std::make_unique<Store>();
    return *slot;
}

// Toolkit bitmaps must not outlive the toolkit, so the pictures go when it
// shuts down rather than with the program's static objects.
class PageBitmapsModule : public wxModule {
public:
    bool OnInit() override { return true; }
    void OnExit() override { PageBitmaps::release(); }

private:
    wxDECLARE_DYNAMIC_CLASS(PageBitmapsModule);
};

wxIMPLEMENT_DYNAMIC_CLASS(PageBitmapsModule, wxModule);

std::size_t indexOf(PageBitmaps::Set set) { return static_cast<std::size_t>(set); }

} // namespace

const wxBitmap& PageBitmaps::background(Page page)
{
    return store().backgrounds.at(static_cast<std::size_t>(page));
}

const std::vector<wxBitmap>& PageBitmaps::pictures(Set set)
{
    return store().sets.at(indexOf(set));
}

wxSize PageBitmaps::pictureSize(Set set)
{
    const StripLayout& layout = strips.at(indexOf(set));
    return {layout.width, layout.height};
}

int PageBitmaps::pictureCount(Set set)
{
    return strips.at(indexOf(set)).count;
}

void PageBitmaps::release()
{
    storeSlot().reset();
}
