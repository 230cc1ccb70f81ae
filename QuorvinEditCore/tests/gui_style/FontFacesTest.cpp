#include "gui/FontFaces.h"

#include <gtest/gtest.h>

namespace {

TEST(FontFacesTest, WindowsFacesMapToInstalledFacesAndAMissingFaceSpoilsNoFont)
{
    EXPECT_EQ(FontFaces::installedFace("Microsoft Sans Serif"), "Liberation Sans");
    EXPECT_EQ(FontFaces::installedFace("Arial"), "Liberation Sans");
    EXPECT_EQ(FontFaces::installedFace("courier new"), "Liberation Mono");
    EXPECT_EQ(FontFaces::standIns("Courier New"), (std::vector<wxString>{"Liberation Mono", "DejaVu Sans Mono"}));
    EXPECT_EQ(FontFaces::installedFace("DejaVu Sans"), "DejaVu Sans");

    // The toolkit empties a font given a face it does not know.
    wxFont font(wxFontInfo(8).Family(wxFONTFAMILY_MODERN).Bold());
    const wxString before = font.GetFaceName();
    EXPECT_FALSE(FontFaces::setFace(font, "Quorvin No Such Face"));
    ASSERT_TRUE(font.IsOk());
    EXPECT_EQ(font.GetFaceName(), before);
    EXPECT_TRUE(FontFaces::setFace(font, "Arial"));
    EXPECT_EQ(font.GetFaceName(), "Liberation Sans");
    EXPECT_EQ(font.GetWeight(), wxFONTWEIGHT_BOLD);
}

} // namespace
