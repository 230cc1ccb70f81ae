// Where an enlarged control goes: centred on itself, but never off the
// display's work area, and refused when larger than the area.
#include "controls/DisplayPlacement.h"

#include <gtest/gtest.h>

namespace {

const wxRect workArea(0, 30, 1280, 994);

} // namespace

TEST(DisplayPlacement, EnlargedRectIsCentredOnItsAnchorButStaysInTheWorkArea)
{
    wxRect centred(0, 0, 200, 100);
    EXPECT_TRUE(fitRectInArea(workArea, wxRect(500, 500, 100, 50), centred));
    EXPECT_EQ(centred, wxRect(450, 475, 200, 100));

    wxRect topLeft(0, 0, 200, 100);
    EXPECT_TRUE(fitRectInArea(workArea, wxRect(0, 30, 100, 50), topLeft));
    EXPECT_EQ(topLeft, wxRect(0, 30, 200, 100));

    wxRect bottomRight(0, 0, 200, 100);
    EXPECT_TRUE(fitRectInArea(workArea, wxRect(1230, 1000, 50, 24), bottomRight));
    EXPECT_EQ(bottomRight, wxRect(1080, 924, 200, 100));
}

TEST(DisplayPlacement, RectLargerThanTheWorkAreaDoesNotFit)
{
    wxRect rect(0, 0, 1400, 100);
    EXPECT_FALSE(fitRectInArea(workArea, wxRect(0, 100, 700, 50), rect));
    EXPECT_EQ(rect.width, workArea.width);
    EXPECT_EQ(rect.x, 0);
}
