#include "gui/ControlElement.h"

ControlElement::ControlElement(std::unique_ptr<LayoutControl> control, std::unique_ptr<LabelElement> caption)
    : caption_(std::move(caption)), control_(std::move(control))
{
}

void ControlElement::drawLabel(wxDC& dc, const LayoutRect& rect) const
{
    if (caption_ && caption_->groupBox().intersects(rect))
        caption_->draw(dc);
}

RefString ControlElement::labelText() const { return caption_ ? caption_->text() : RefString(); }
