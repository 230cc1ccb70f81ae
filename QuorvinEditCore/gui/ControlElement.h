#pragma once
// One entry of a control group: a control with its caption, or a caption
// alone (a text item). Owned by the group; it owns both parts.
#include "gui/LabelElement.h"
#include "gui/LayoutControl.h"
#include "layout/LayoutGeometry.h"
#include "text/RefString.h"

#include <memory>

class wxDC;

class ControlElement {
public:
    ControlElement(std::unique_ptr<LayoutControl> control, std::unique_ptr<LabelElement> caption);

    // Draws the caption when its box meets rect; both relative to the group.
    void drawLabel(wxDC& dc, const LayoutRect& rect) const;
    // A null text when there is no caption.
    RefString labelText() const;

    LayoutControl* control() const { return control_.get(); }
    LabelElement* caption() const { return caption_.get(); }
    void setCaption(std::unique_ptr<LabelElement> caption) { caption_ = std::move(caption); }
    // Relative to the group.
    void setOffset(LayoutPoint offset) { offset_ = offset; }
    LayoutPoint offset() const { return offset_; }

private:
    // Declared in this order so the control goes first: while it dies it may
    // still hide its caption.
    std::unique_ptr<LabelElement> caption_;
    std::unique_ptr<LayoutControl> control_;
    LayoutPoint offset_;
};
