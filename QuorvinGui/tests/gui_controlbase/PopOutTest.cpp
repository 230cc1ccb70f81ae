// Pop-out shows a control enlarged in a modal window of its own and puts it
// back where it was, in the same place of the tab order.
#include "ControlFixture.h"

#include "controls/DisplayPlacement.h"

#include <wx/app.h>

namespace {

// The page's child windows other than dialogs, in tab order.
std::vector<wxWindow*> childrenOf(const wxWindow* window)
{
    std::vector<wxWindow*> children;
    for (wxWindow* child : window->GetChildren())
        if (!child->IsTopLevel())
            children.push_back(child);
    return children;
}

} // namespace

TEST_F(ControlFixture, PopOutDoublesGrowsShrinksAndPutsTheControlBackInItsTabPlace)
{
    addBoundControl(0, 10, 0);
    TestControl& control = addBoundControl(0, 10, 0);
    addBoundControl(0, 10, 0);
    control.setPopOutAllowed(true);
    const std::vector<wxWindow*> tabOrder = childrenOf(page);
    const wxRect home = control.window()->GetRect();

    std::vector<wxSize> sizes;
    wxTheApp->CallAfter([&] {
        sizes.push_back(control.window()->GetClientSize());
        Control::popOut(control);
        sizes.push_back(control.window()->GetClientSize());
        Control::popIn(control, false);
        sizes.push_back(control.window()->GetClientSize());
        Control::popIn(control, false);
    });
    Control::popOut(control);

    const wxSize size = home.GetSize();
    EXPECT_EQ(sizes, (std::vector<wxSize>{size * 2, size * 4, size * 2}));
    EXPECT_FALSE(control.isPoppedOut());
    EXPECT_EQ(control.window()->GetParent(), page);
    EXPECT_EQ(control.window()->GetRect(), home);
    EXPECT_EQ(childrenOf(page), tabOrder);
}

TEST_F(ControlFixture, EscapeEndsThePopOutAtOnce)
{
    TestControl& control = addBoundControl(0, 10, 0);
    control.setPopOutAllowed(true);
    bool sawPoppedOut = false;
    wxTheApp->CallAfter([&] {
        Control::popOut(control);
        sawPoppedOut = control.isPoppedOut();
        sendKey(control, wxEVT_KEY_DOWN, WXK_ESCAPE);
    });
    Control::popOut(control);
    EXPECT_TRUE(sawPoppedOut);
    EXPECT_FALSE(control.isPoppedOut());
}

TEST_F(ControlFixture, ControlWithoutPopOutOrTooLargeForTheDisplayStaysInPlace)
{
    TestControl& control = addBoundControl(0, 10, 0);
    Control::popOut(control);
    EXPECT_FALSE(control.isPoppedOut());

    control.setPopOutAllowed(true);
    const wxRect area = displayClientAreaAt(control.window()->GetScreenPosition());
    control.setSize(area.width / 2 + 10, controlHeight);
    Control::popOut(control);
    EXPECT_FALSE(control.isPoppedOut());
    EXPECT_EQ(control.window()->GetParent(), page);
}

// The enlarged control opens over the place it came from, not wherever the
// toolkit would centre a dialog of the main window.
TEST_F(ControlFixture, PopOutOpensCentredOnTheControl)
{
    addBoundControl(0, 10, 0);
    addBoundControl(0, 10, 0);
    TestControl& control = addBoundControl(0, 10, 0);
    control.setPopOutAllowed(true);
    const wxRect home = control.window()->GetScreenRect();

    wxRect shown;
    wxTheApp->CallAfter([&] {
        pumpEventsFor(std::chrono::milliseconds(300));
        shown = control.window()->GetScreenRect();
        Control::popIn(control, true);
    });
    Control::popOut(control);

    EXPECT_EQ(shown.GetSize(), home.GetSize() * 2);
    const wxPoint homeCentre(home.x + home.width / 2, home.y + home.height / 2);
    const wxPoint shownCentre(shown.x + shown.width / 2, shown.y + shown.height / 2);
    EXPECT_LE(std::abs(shownCentre.x - homeCentre.x), 1) << shown.x << "," << shown.y;
    EXPECT_LE(std::abs(shownCentre.y - homeCentre.y), 1) << shown.x << "," << shown.y;
}
