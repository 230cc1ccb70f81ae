#include "gui/LayoutElement.h"

namespace {

LayoutPoint offsetBy(LayoutPoint point, LayoutPoint origin) { return {point.x + origin.x, point.y + origin.y}; }

} // namespace

LayoutElement::LayoutElement(const RefString& name) : name_(name) {}

LayoutElement::~LayoutElement() = default;

void LayoutElement::setPosition(int x, int y, const wxBitmap* background)
{
    position_ = {x, y};
    for (const auto& entry : controls_) {
        const LayoutPoint at = offsetBy(entry->offset(), position_);
        if (entry->control() != nullptr)
            entry->control()->place(at.x, at.y, background);
        if (entry->caption() != nullptr)
            entry->caption()->setPagePosition(offsetBy(entry->caption()->offset(), position_));
    }
    for (const auto& caption : captions_)
        caption->setPagePosition(offsetBy(caption->offset(), position_));
}

void LayoutElement::refreshChildren()
{
    for (const auto& entry : controls_)
        if (entry->control() != nullptr)
            entry->control()->refreshRect(nullptr);
}

void LayoutElement::initChildren(std::uint32_t flags)
{
    for (const auto& entry : controls_)
        if (entry->control() != nullptr)
            entry->control()->init(flags);
}

void LayoutElement::paintChildren(wxDC& dc, const LayoutRect& rect) const
{
    if (!isShown())
        return;
    const LayoutRect relative(rect.x - position_.x, rect.y - position_.y, rect.width, rect.height);
    for (const auto& entry : controls_)
        entry->drawLabel(dc, relative);
    for (const auto& caption : captions_)
        caption->draw(dc);
}

RefString LayoutElement::itemText(std::size_t position) const
{
    return position < controls_.size() ? controls_[position]->labelText() : RefString();
}

ControlElement& LayoutElement::appendEntry(std::unique_ptr<ControlElement> entry)
{
    controls_.push_back(std::move(entry));
    return *controls_.back();
}

LabelElement& LayoutElement::appendCaption(std::unique_ptr<LabelElement> caption)
{
    captions_.push_back(std::move(caption));
    return *captions_.back();
}
