#pragma once
// A control group whose controls run top to bottom, with their captions in
// a 128-pixel band left of each column. Owned by its page.
#include "gui/ControlGroup.h"

class VerticalControlGroup : public ControlGroup {
public:
    VerticalControlGroup(const RefString& name, wxWindow* window, ParameterFactory* factory,
        const ControlStyle& captionStyle)
        : ControlGroup(FlowOrientation::vertical, name, window, factory, captionStyle)
    {
    }
};
