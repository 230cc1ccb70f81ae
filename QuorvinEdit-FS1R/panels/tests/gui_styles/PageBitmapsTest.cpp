// The embedded page pictures decode at the sizes the pages are laid out
// for, in the colours their styles were chosen against.
#include "panels/ControlStyleSet.h"
#include "panels/PageBitmaps.h"

#include <gtest/gtest.h>
#include <wx/image.h>

#include <algorithm>
#include <set>
#include <tuple>

namespace {

using Set = PageBitmaps::Set;
using Page = PageBitmaps::Page;

struct SetLayout {
    Set set;
    int count, width, height;
    // Distinct colours of picture 0 and of the others.
    int firstColours, otherColours;
};

constexpr SetLayout layouts[] = {
    {Set::editVoiceBitmaps, 2, 37, 7, 3, 3},
    {Set::showPerformanceBitmaps, 2, 31, 18, 3, 3},
    {Set::categoryBitmaps, 23, 37, 7, 2, 2},
    {Set::velocityCurveBitmaps, 5, 127, 63, 2, 3},
    {Set::bcCurveBitmaps, 4, 127, 63, 2, 3},
    {Set::lfoFormBitmaps, 6, 19, 26, 2, 2},
    {Set::lfoPhaseBitmaps, 4, 38, 21, 2, 2},
    {Set::spectralFormBitmaps, 8, 19, 26, 2, 2},
    {Set::skirtBitmaps, 8, 19, 19, 2, 2},
};

int colourCount(const wxImage& image)
{
    std::set<std::tuple<int, int, int, int>> colours;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            colours.emplace(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y),
                            image.HasAlpha() ? image.GetAlpha(x, y) : wxALPHA_OPAQUE);
    return static_cast<int>(colours.size());
}

wxColour pixel(const wxImage& image, int x, int y)
{
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

wxImage pageImage(Page page) { return PageBitmaps::background(page).ConvertToImage(); }

bool samePixels(const wxBitmap& a, const wxBitmap& b)
{
    const wxImage left = a.ConvertToImage();
    const wxImage right = b.ConvertToImage();
    return left.GetSize() == right.GetSize()
           && std::equal(left.GetData(), left.GetData() + 3 * left.GetWidth() * left.GetHeight(), right.GetData());
}

} // namespace

TEST(PageBitmapsTest, EveryPictureDecodesAtItsSizeWithItsNumberOfColours)
{
    for (const SetLayout& layout : layouts) {
        const std::vector<wxBitmap>& pictures = PageBitmaps::pictures(layout.set);
        ASSERT_EQ(static_cast<int>(pictures.size()), layout.count);
        EXPECT_EQ(PageBitmaps::pictureSize(layout.set), wxSize(layout.width, layout.height));
        for (int k = 0; k < layout.count; ++k) {
            SCOPED_TRACE(testing::Message() << "set " << static_cast<int>(layout.set) << " picture " << k);
            ASSERT_TRUE(pictures[k].IsOk());
            EXPECT_EQ(pictures[k].GetSize(), wxSize(layout.width, layout.height));
            EXPECT_EQ(colourCount(pictures[k].ConvertToImage()), k == 0 ? layout.firstColours : layout.otherColours);
        }
    }
}

TEST(PageBitmapsTest, SharedValuesShowTheSamePicture)
{
    const auto& velocity = PageBitmaps::pictures(Set::velocityCurveBitmaps);
    const auto& breath = PageBitmaps::pictures(Set::bcCurveBitmaps);
    EXPECT_TRUE(samePixels(velocity[0], breath[0]));
    EXPECT_TRUE(samePixels(velocity[4], breath[2]));
    EXPECT_FALSE(samePixels(velocity[1], breath[1]));
    EXPECT_TRUE(samePixels(PageBitmaps::pictures(Set::lfoFormBitmaps)[4],
                           PageBitmaps::pictures(Set::spectralFormBitmaps)[0]));
}

TEST(PageBitmapsTest, WaveFormsAreWhiteOnTransparentSoThePageShowsThrough)
{
    const wxImage sine = PageBitmaps::pictures(Set::lfoFormBitmaps)[4].ConvertToImage();
    ASSERT_TRUE(sine.HasAlpha());
    EXPECT_EQ(sine.GetAlpha(0, 0), wxALPHA_TRANSPARENT);
    // The caption "SIN" starts with a full top row at the bottom band.
    const int captionTop = sine.GetHeight() - 5;
    bool white = false;
    for (int x = 0; x < sine.GetWidth(); ++x)
        white = white || (sine.GetAlpha(x, captionTop) == wxALPHA_OPAQUE && pixel(sine, x, captionTop) == *wxWHITE);
    EXPECT_TRUE(white);
}

// Digits of 3 x 5 pixels could not be told apart at a glance: each phase's
// number stands 7 pixels high in the columns left of its sine.
TEST(PageBitmapsTest, ThePhaseNumbersAreSevenPixelsHigh)
{
    constexpr int captionColumns = 17;
    for (const wxBitmap& picture : PageBitmaps::pictures(Set::lfoPhaseBitmaps)) {
        const wxImage image = picture.ConvertToImage();
        int first = image.GetHeight();
        int last = -1;
        for (int y = 0; y < image.GetHeight(); ++y)
            for (int x = 0; x < captionColumns; ++x)
                if (image.GetAlpha(x, y) == wxALPHA_OPAQUE) {
                    first = std::min(first, y);
                    last = std::max(last, y);
                }
        EXPECT_EQ(last - first + 1, 7);
    }
}

TEST(PageBitmapsTest, PagesDecodeAtPageSizeOnTheGroundsOfTheirStyles)
{
    for (int page = 0; page < PageBitmaps::pageCount; ++page)
        EXPECT_EQ(PageBitmaps::background(static_cast<Page>(page)).GetSize(),
                  wxSize(PageBitmaps::pageWidth, PageBitmaps::pageHeight));
    const ControlStyleSet styles;
    const auto ground = [&](int k) { return styles.style(k).backgroundBrush.GetColour(); };
    // The system page's groups (style 4) stand on its solid ground colour.
    EXPECT_EQ(pixel(pageImage(Page::system), 90, 40), ground(ControlStyleSet::systemStyle));
    // Transparent styles show the page: blue behind the voice name group,
    // green behind the performance parts, dark behind operators and effects.
    const wxImage voice = pageImage(Page::voice);
    EXPECT_EQ(pixel(voice, 800, 25), ground(0));
    EXPECT_EQ(pixel(voice, 400, 200), ground(ControlStyleSet::firstOperatorStyle));
    EXPECT_EQ(pixel(voice, 1040, 160), wxColour(64, 64, 64));
    const wxImage performance = pageImage(Page::performance);
    EXPECT_EQ(pixel(performance, 20, 140), ground(1));
    EXPECT_EQ(pixel(performance, 700, 480), wxColour(64, 64, 64));
    // The header strip is one picture on every page that shows it.
    const wxImage fseq = pageImage(Page::fseq);
    for (const auto& [x, y] : {std::pair{10, 10}, std::pair{600, 116}})
        EXPECT_TRUE(pixel(voice, x, y) == pixel(performance, x, y) && pixel(fseq, x, y) == pixel(voice, x, y));
}
