#pragma once
// What the page layout needs of a control: the control library's controls
// implement it, so the editor core can place, size, show and reset them
// without knowing their kinds. A control group's entry owns its control.
#include "params/ParameterPath.h"

#include <cstdint>

class ConditionSet;
class ControlElement;
class wxBitmap;
class wxRect;

class LayoutControl {
public:
    virtual ~LayoutControl() = default;
    // Filled by the group before parameters are bound to the control.
    virtual ParameterPath& getPath() = 0;
    // Moves the control to (x, y) on its page; background is the page's
    // picture (null when it has none), painted under transparent parts.
    virtual void place(int x, int y, const wxBitmap* background) = 0;
    virtual void setSize(int width, int height) = 0;
    // Repaints without erasing; null repaints the whole control.
    virtual void refreshRect(const wxRect* rect) = 0;
    // The group entry holding the control, whose caption is shown and
    // hidden with it.
    virtual void setAttachedObject(ControlElement* element) = 0;
    virtual ConditionSet& shownConditions() = 0;
    virtual ConditionSet& enabledConditions() = 0;
    // Resets every bound parameter to its default with these flags.
    virtual void init(std::uint32_t flags) = 0;
};
