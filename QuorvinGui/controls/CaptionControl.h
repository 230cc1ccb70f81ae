#pragma once
// A static text on a page, bound to no parameter, placed, shown and enabled
// like any control; pages change its text at run time. Never takes the
// focus. Owned by its control group's entry.
#include "controls/Control.h"

class CaptionControl : public Control {
public:
    // textStyle: ControlStyle's text kinds (large, medium, fixed, any other
    // number the normal small font).
    CaptionControl(wxWindow* parent, const ControlStyle& style, const RefString& text, int textStyle);

    // The caller repaints.
    void setText(const RefString& text) { text_ = text; }
    const RefString& text() const { return text_; }
    int textStyle() const { return textStyle_; }

    void onMouseDown(wxMouseEvent& event) override;
    void onMouseUp(wxMouseEvent& event) override;
    void onCaptureLost() override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

private:
    RefString text_;
    int textStyle_;
};
