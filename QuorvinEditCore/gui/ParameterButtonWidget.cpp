#include "gui/ParameterButtonWidget.h"

#include "params/Parameter.h"
#include "text/WxText.h"

#include <wx/button.h>

ParameterButtonWidget::ParameterButtonWidget(wxWindow* page, Parameter& parameter)
    : ParameterWidget(new wxButton(page, wxID_ANY), {&parameter})
{
    button_ = static_cast<wxButton*>(window());
    button_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (Parameter* pressed = this->parameter())
            pressed->stepUp(flagsUserEdit);
    });
    showValue();
}

void ParameterButtonWidget::showValue()
{
    if (const Parameter* shown = parameter())
        button_->SetLabel(toWxString(shown->valueText(shown->getValue())));
}
