// The desktop the user-facing tests run on: a window manager on the display,
// and input that reaches a window through the X server as a person's does.
#include "tests/support/DesktopInput.h"

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/panel.h>

namespace {

struct SeenInput {
    int clicks = 0;
    int wheelRotation = 0;
    std::vector<int> keys;
};

class DesktopTest : public testing::Test {
protected:
    DesktopTest()
    {
        frame_->SetClientSize(300, 200);
        panel_->SetFocus();
        panel_->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
            ++seen_.clicks;
            event.Skip();
        });
        panel_->Bind(wxEVT_MOUSEWHEEL, [this](wxMouseEvent& event) { seen_.wheelRotation += event.GetWheelRotation(); });
        panel_->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) { seen_.keys.push_back(event.GetKeyCode()); });
        frame_->Show();
        frame_->Raise();
        input_.settle(std::chrono::milliseconds(300));
    }
    ~DesktopTest() override { frame_->Destroy(); }

    DesktopInput input_;
    wxFrame* frame_ = new wxFrame(nullptr, wxID_ANY, "desktop");
    wxPanel* panel_ = new wxPanel(frame_, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS);
    SeenInput seen_;
};

TEST_F(DesktopTest, AWindowManagerRunsOnTheDisplay) { EXPECT_TRUE(DesktopInput::windowManagerRuns()); }

TEST_F(DesktopTest, PointerWheelAndKeysReachTheWindowUnderThePointer)
{
    input_.glideOnto(*panel_);
    const wxPoint centre = panel_->ClientToScreen(wxPoint(150, 100));
    EXPECT_LE(std::abs(input_.pointer().x - centre.x), 1);
    input_.click();
    input_.wheel(2);
    input_.wheel(-1);
    panel_->SetFocus();
    input_.key(WXK_PAGEUP);
    input_.key(WXK_ESCAPE);
    input_.key(WXK_NUMPAD_ADD);
    EXPECT_EQ(seen_.clicks, 1);
    EXPECT_EQ(seen_.wheelRotation, 120);
    EXPECT_EQ(seen_.keys, (std::vector<int>{WXK_PAGEUP, WXK_ESCAPE, WXK_NUMPAD_ADD}));
}

} // namespace
