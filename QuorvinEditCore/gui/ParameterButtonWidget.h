#pragma once
// A button that shows its parameter's value text and steps the value on each
// press, wrapping (the OFF/ON switches). Owned by its group entry.
#include "gui/ParameterWidget.h"

class wxButton;

class ParameterButtonWidget final : public ParameterWidget {
public:
    ParameterButtonWidget(wxWindow* page, Parameter& parameter);

private:
    void showValue() override;

    wxButton* button_;
};
