#include "controls/VerticalBitmapSlider.h"

#include "gui/ControlStyle.h"

#include <wx/dc.h>

VerticalBitmapSlider::VerticalBitmapSlider(wxWindow* parent, const ControlStyle& style) : VerticalSlider(parent, style)
{
}

void VerticalBitmapSlider::setHandleBitmap(std::unique_ptr<wxBitmap> handle)
{
    handle_ = std::move(handle);
    refreshRect(nullptr);
}

int VerticalBitmapSlider::margin() const
{
    const bool hasHandle = handle_ && handle_->IsOk();
    return style().borderWidth + (hasHandle ? handle_->GetHeight() / 2 : 0);
}

void VerticalBitmapSlider::drawBar(wxDC& dc, int zero, int bar, int)
{
    const wxSize size = clientSize();
    paintBackground(dc, size.GetWidth(), size.GetHeight());
    if (!handle_ || !handle_->IsOk())
        return;
    const int x = (crossLength() - handle_->GetWidth()) / 2;
    const int y = trackLength() - (zero + bar) - handle_->GetHeight() / 2;
    dc.DrawBitmap(*handle_, x, y, true);
}
