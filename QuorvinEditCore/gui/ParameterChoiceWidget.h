#pragma once
// A drop-down list of a parameter's value texts; choosing one sets the
// parameter as a user edit. Owned by its group entry.
#include "gui/ParameterWidget.h"

class wxChoice;
class wxCommandEvent;

class ParameterChoiceWidget final : public ParameterWidget {
public:
    ParameterChoiceWidget(wxWindow* page, Parameter& parameter);

private:
    void showValue() override;
    void onChoice(wxCommandEvent& event);

    wxChoice* choice_;
};
