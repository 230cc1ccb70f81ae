#pragma once
// A push button showing its parameter's value: each click steps the value
// up, wrapping at the top, so switches toggle, short lists cycle and action
// buttons run their command. Keeps a default of its own, so buttons that
// share a parameter each reset it to theirs. Owned by its control group's
// entry.
#include "controls/Control.h"
#include "controls/ValueDrawing.h"

class ValueButton : public Control {
public:
    ValueButton(wxWindow* parent, const ControlStyle& style);

    // The text the button shows, empty without a parameter.
    RefString shownText() const { return currentValueText(mainParameter()); }

    void onMouseDown(wxMouseEvent& event) override;
    void onMouseUp(wxMouseEvent& event) override;
    void onMouseMove(wxMouseEvent& event) override;
    void onCaptureLost() override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

protected:
    std::int32_t* defaultValueSlot() override { return &defaultValue_; }

private:
    std::int32_t defaultValue_ = noDefault;
};
