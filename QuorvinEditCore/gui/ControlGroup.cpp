#include "gui/ControlGroup.h"

#include "gui/LayoutControl.h"
#include "gui/WxLayout.h"

#include <wx/window.h>

ControlGroup::ControlGroup(FlowOrientation orientation, const RefString& name, wxWindow* window,
    ParameterFactory* factory, const ControlStyle& captionStyle)
    : LayoutElement(name), ControlFlow(orientation), window_(window), captionStyle_(captionStyle), factory_(factory)
{
}

ControlElement& ControlGroup::addLabelledControl(std::unique_ptr<LayoutControl> control, const RefString& caption,
    int length, int captionKind, int extraAcross, int depth)
{
    length = resolveLength(length);
    ControlElement& entry = addControl(std::move(control), depth, extraAcross, length);
    setControlPath(*entry.control(), caption);
    addControlCaption(entry, caption, captionKind, length);
    advance(length);
    return entry;
}

ControlElement& ControlGroup::addControl(std::unique_ptr<LayoutControl> control, int depth, int extraAcross,
    int length)
{
    length = resolveLength(length);
    LayoutControl& added = *control;
    ControlElement& entry = appendEntry(std::make_unique<ControlElement>(std::move(control), nullptr));
    added.setAttachedObject(&entry);
    entry.setOffset(cursorPoint(extraAcross));
    const LayoutSize size = elementSize(length, depth);
    added.setSize(size.width, size.height);
    added.shownConditions().addRequired(followShown());
    added.enabledConditions().addRequired(followEnabled());
    return entry;
}

void ControlGroup::setControlPath(LayoutControl& control, const RefString& caption) const
{
    fillPath(control.getPath(), name(), caption, controls().size());
}

ControlElement& ControlGroup::addTextItem(const RefString& text, int length, int captionKind, bool centred)
{
    length = resolveLength(length);
    std::unique_ptr<LabelElement> caption = makeCaption(text, captionKind);
    caption->setOffset(textItemOffset(length, caption->naturalWidth(), centred));
    ControlElement& entry = appendEntry(std::make_unique<ControlElement>(nullptr, std::move(caption)));
    advance(length);
    return entry;
}

void ControlGroup::beginSection(const RefString& title)
{
    const std::optional<LayoutPoint> titleOffset = openSection(title);
    if (!titleOffset)
        return;
    LabelElement& caption = appendCaption(makeCaption(title, ControlStyle::normalText));
    caption.setOffset(*titleOffset);
    caption.setBoxWidth(titleBoxWidth());
}

void ControlGroup::shownChanged()
{
    const auto refresh = [this](const LabelElement& caption) {
        window_->RefreshRect(toWxRect(caption.pageBox()), true);
    };
    for (const auto& entry : controls())
        if (entry->caption() != nullptr && entry->control() == nullptr)
            refresh(*entry->caption());
    for (const auto& caption : captions())
        refresh(*caption);
}

std::unique_ptr<LabelElement> ControlGroup::makeCaption(const RefString& text, int kind) const
{
    return std::make_unique<LabelElement>(captionStyle_, window_, text, kind);
}

void ControlGroup::addControlCaption(ControlElement& entry, const RefString& caption, int captionKind, int length)
{
    const CaptionPlace place = captionPlace(caption);
    if (place == CaptionPlace::none)
        return;
    const LayoutPoint offset = rowPoint();
    if (place == CaptionPlace::section) {
        entry.setCaption(makeCaption(caption, ControlStyle::fixedText));
        entry.caption()->setOffset(offset);
        return;
    }
    std::unique_ptr<LabelElement> label = makeCaption(caption, captionKind);
    label->setOffset(offset);
    label->setBoxWidth(captionBoxWidth(label->naturalWidth(), length));
    if (place == CaptionPlace::heading)
        appendCaption(std::move(label));
    else
        entry.setCaption(std::move(label));
}
