// What a control paints around its own drawing: the page picture under a
// transparent control, and the focus frame over the selection frame.
#include "ControlFixture.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>

namespace {

const wxColour pagePicture(20, 40, 160), focusColour(255, 0, 0), selectionColour(0, 255, 0);

// The window's pixels as they are on the display now.
wxImage grab(wxWindow* window)
{
    const wxSize size = window->GetClientSize();
    wxBitmap bitmap(size);
    wxMemoryDC memory(bitmap);
    wxClientDC screen(window);
    memory.Blit(0, 0, size.x, size.y, &screen, 0, 0);
    memory.SelectObject(wxNullBitmap);
    return bitmap.ConvertToImage();
}

wxColour pixel(const wxImage& image, int x, int y)
{
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

} // namespace

TEST_F(ControlFixture, TransparentControlShowsThePagePictureAndTheFocusFrameOnTop)
{
    style.pen5 = wxPen(focusColour);
    style.pen6 = wxPen(selectionColour);
    wxBitmap picture(800, 200);
    {
        wxMemoryDC dc(picture);
        dc.SetBackground(wxBrush(pagePicture));
        dc.Clear();
    }
    TestControl& control = addBoundControl(0, 10, 0);
    control.place(gap, gap, &picture);
    Control::toggleSelected(control, true);
    focus(control);
    ASSERT_TRUE(pumpEventsUntil([&] { return control.drawnFocused && control.drawnSelected; }));
    control.window()->Update();

    const wxImage image = grab(control.window());
    EXPECT_EQ(pixel(image, controlWidth / 2, controlHeight / 2), pagePicture);
    EXPECT_EQ(pixel(image, controlWidth / 2, 0), focusColour);
}
