#include "../gui_style/PixelCanvas.h"
#include "gui/LabelElement.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

#include <vector>

namespace {

const wxColour ground(0, 0, 0);

// A page that records the rectangles it is asked to repaint.
class RecordingPage : public wxFrame {
public:
    RecordingPage() : wxFrame(nullptr, wxID_ANY, "page") {}
    void Refresh(bool erase, const wxRect* rect) override { refreshed.push_back({rect ? *rect : wxRect(), erase}); }

    std::vector<std::pair<wxRect, bool>> refreshed;
};

class CaptionTest : public testing::Test {
protected:
    ~CaptionTest() override { page->Destroy(); }

    ControlStyle style;
    RecordingPage* page = new RecordingPage;
};

TEST_F(CaptionTest, TwoLinesStartTogetherAndTheBlockEndsAtTheBoxEdge)
{
    LabelElement caption(style, page, RefString(u"A\nBC"), ControlStyle::normalText);
    caption.setPagePosition({10, 5});
    caption.setBoxWidth(40);
    ASSERT_EQ(caption.lineCount(), 2);
    // The caption's pixels are exactly those of its lines drawn by hand.
    PixelCanvas byHand(80, 60, ground), drawn(80, 60, ground);
    style.applyTextKind(byHand.dc, ControlStyle::normalText);
    const int start = 10 + 40 - byHand.dc.GetTextExtent("BC").x;
    byHand.dc.DrawText("A", start, 5);
    byHand.dc.DrawText("BC", start, 5 + caption.lineHeight());
    caption.draw(drawn.dc);
    ASSERT_FALSE(drawn.inkBounds(ground).IsEmpty());
    EXPECT_EQ(memcmp(drawn.image().GetData(), byHand.image().GetData(), 80 * 60 * 3), 0);
}

TEST_F(CaptionTest, HidingRepaintsTheBoxOnceAndDrawsNothing)
{
    LabelElement caption(style, page, RefString(u"Level"), ControlStyle::largeText);
    caption.setPagePosition({30, 40});
    caption.setShown(true);
    caption.setShown(false);
    caption.setShown(false);
    ASSERT_EQ(page->refreshed.size(), 1u) << "only a change repaints";
    EXPECT_EQ(page->refreshed[0].first, wxRect(30, 40, caption.naturalWidth(), caption.lineHeight()));
    EXPECT_TRUE(page->refreshed[0].second) << "erased";
    PixelCanvas canvas(120, 80, ground);
    caption.draw(canvas.dc);
    EXPECT_TRUE(canvas.inkBounds(ground).IsEmpty());
}

} // namespace
