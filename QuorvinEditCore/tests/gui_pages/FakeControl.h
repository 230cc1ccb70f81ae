#pragma once
// The least a control of the control library does for its page: a plain
// window the group places and sizes, that follows its condition sets and
// resets its one parameter to the default in its own undo group.
#include "conditions/ConditionSet.h"
#include "gui/ControlElement.h"
#include "gui/LayoutControl.h"
#include "params/Parameter.h"
#include "params/ParameterListener.h"
#include "undo/CommandList.h"

#include <wx/window.h>

class FakeControl : public wxWindow, public LayoutControl, public ParameterListener {
public:
    FakeControl(wxWindow* page, Parameter* parameter) : wxWindow(page, wxID_ANY), parameter_(parameter) {}

    ParameterPath& getPath() override { return path_; }
    void place(int x, int y, const wxBitmap* background) override
    {
        Move(x, y);
        background_ = background;
    }
    void setSize(int width, int height) override { SetSize(width, height); }
    void refreshRect(const wxRect* rect) override { Refresh(false, rect); }
    void setAttachedObject(ControlElement* element) override { element_ = element; }
    ConditionSet& shownConditions() override { return shown_; }
    ConditionSet& enabledConditions() override { return enabled_; }
    void init(std::uint32_t flags) override
    {
        if (parameter_ == nullptr)
            return;
        beginCommandGroup(RefString::concat(path_.text(), RefString(u" reset")), flags);
        parameter_->setValue(flags, parameter_->defaultValue());
        endCommandGroup(flags);
    }
    void onParameterChanged(Parameter* /*parameter*/, std::uint32_t /*flags*/) override
    {
        Show(shown_.evaluate());
        if (element_->caption() != nullptr)
            element_->caption()->setShown(IsShown());
        Enable(enabled_.evaluate());
    }

    const wxBitmap* background() const { return background_; }
    ControlElement* element() const { return element_; }

private:
    Parameter* parameter_;
    ParameterPath path_;
    ControlElement* element_ = nullptr;
    const wxBitmap* background_ = nullptr;
    ConditionSet shown_{this};
    ConditionSet enabled_{this};
};
