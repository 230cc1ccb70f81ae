#pragma once
// A control group whose controls run left to right, with their captions in
// a 20-pixel band above each row. Owned by its page.
#include "gui/ControlGroup.h"

class HorizontalControlGroup : public ControlGroup {
public:
    HorizontalControlGroup(const RefString& name, wxWindow* window, ParameterFactory* factory,
        const ControlStyle& captionStyle)
        : ControlGroup(FlowOrientation::horizontal, name, window, factory, captionStyle)
    {
    }
};
