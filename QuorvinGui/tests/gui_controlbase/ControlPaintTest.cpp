// What a control paints around its own drawing: the page picture under a
// transparent control (its slice kept between paints), and the focus frame
// over the selection frame.
#include "ControlFixture.h"
#include "gui/PictureSlice.h"

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

TEST_F(ControlFixture, ThePagePictureDrawnOnIsShownAnewUnderTheControl)
{
    wxBitmap picture(800, 200);
    const auto fill = [&picture](const wxColour& colour) {
        wxMemoryDC dc(picture);
        dc.SetBackground(wxBrush(colour));
        dc.Clear();
    };
    fill(pagePicture);
    TestControl& control = addBoundControl(0, 10, 0);
    control.place(gap, gap, &picture);
    const auto shown = [&control] {
        const int before = control.paints;
        control.window()->Refresh();
        EXPECT_TRUE(pumpEventsUntil([&] { return control.paints > before; }));
        control.window()->Update();
        return pixel(grab(control.window()), controlWidth / 2, controlHeight / 2);
    };
    EXPECT_EQ(shown(), pagePicture);
    fill(selectionColour);
    EXPECT_EQ(shown(), selectionColour) << "the slice kept from the first paint is stale";
}

TEST(PictureSliceTest, CutOnceAndAgainOnlyForAnotherAreaOrPicture)
{
    wxBitmap picture(40, 20);
    {
        wxMemoryDC dc(picture);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        dc.SetBrush(*wxRED_BRUSH);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(10, 0, 10, 20);
    }
    wxBitmap target(10, 20);
    wxMemoryDC dc(target);
    PictureSlice slice;
    slice.draw(dc, picture, wxRect(10, 0, 10, 20));
    slice.draw(dc, picture, wxRect(10, 0, 10, 20));
    EXPECT_EQ(slice.cuts(), 1);
    dc.SelectObject(wxNullBitmap);
    const wxImage drawn = target.ConvertToImage();
    EXPECT_EQ(pixel(drawn, 5, 10), *wxRED) << "the area's own part of the picture";

    dc.SelectObject(target);
    slice.draw(dc, picture, wxRect(0, 0, 10, 20));
    EXPECT_EQ(slice.cuts(), 2) << "a moved control";
    const wxBitmap replaced(40, 20);
    slice.draw(dc, replaced, wxRect(0, 0, 10, 20));
    EXPECT_EQ(slice.cuts(), 3) << "another picture";
}
