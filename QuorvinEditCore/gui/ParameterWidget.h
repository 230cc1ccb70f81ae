#pragma once
// A plain toolkit control standing in a control group for one or more
// parameters: the group places, sizes, shows and resets it, and it follows
// its parameters and its shown and enabled conditions. The editor core's own
// small panels (the MIDI control-set panel) are built from these. Owned by
// its group entry; its window is a child of the page and goes with it.
#include "conditions/ConditionSet.h"
#include "gui/LayoutControl.h"
#include "params/ParameterListener.h"

#include <vector>

class Parameter;
class wxWindow;

class ParameterWidget : public LayoutControl, public ParameterListener {
public:
    ~ParameterWidget() override;
    ParameterWidget(const ParameterWidget&) = delete;
    ParameterWidget& operator=(const ParameterWidget&) = delete;

    ParameterPath& getPath() override { return path_; }
    void place(int x, int y, const wxBitmap* background) override;
    void setSize(int width, int height) override;
    void refreshRect(const wxRect* rect) override;
    void setAttachedObject(ControlElement* element) override { element_ = element; }
    ConditionSet& shownConditions() override { return shown_; }
    ConditionSet& enabledConditions() override { return enabled_; }
    // Every parameter back to its default, as one undo step.
    void init(std::uint32_t flags) override;

    // A parameter or a condition changed: states and value shown again.
    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;
    void onParameterDestroyed(Parameter* parameter) override;

    wxWindow* window() const { return window_; }
    // Shows and enables the window (and its caption) as the conditions say.
    void updateStates();

protected:
    // Listens to the parameters, which must outlive the widget or tell it
    // when they go.
    ParameterWidget(wxWindow* window, std::vector<Parameter*> parameters);

    const std::vector<Parameter*>& parameters() const { return parameters_; }
    // The first parameter, or null once it is gone.
    Parameter* parameter() const { return parameters_.empty() ? nullptr : parameters_.front(); }
    virtual void showValue() = 0;

private:
    wxWindow* window_;
    std::vector<Parameter*> parameters_;
    ParameterPath path_;
    ControlElement* element_ = nullptr;
    ConditionSet shown_{this};
    ConditionSet enabled_{this};
};
