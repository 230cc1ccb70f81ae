#include "gui/ParameterChoiceWidget.h"

#include "params/Parameter.h"
#include "text/WxText.h"

#include <wx/arrstr.h>
#include <wx/choice.h>

namespace {

wxArrayString valueTexts(const Parameter& parameter)
{
    wxArrayString texts;
    for (std::int32_t value = parameter.minimum(); value <= parameter.maximum(); ++value)
        texts.Add(toWxString(parameter.valueText(value)));
    return texts;
}

} // namespace

ParameterChoiceWidget::ParameterChoiceWidget(wxWindow* page, Parameter& parameter)
    : ParameterWidget(new wxChoice(page, wxID_ANY), {&parameter})
{
    choice_ = static_cast<wxChoice*>(window());
    choice_->Bind(wxEVT_CHOICE, &ParameterChoiceWidget::onChoice, this);
    showValue();
}

void ParameterChoiceWidget::showValue()
{
    const Parameter* shown = parameter();
    if (shown == nullptr)
        return;
    // The texts may change with the value (the list of MIDI ports does).
    const wxArrayString texts = valueTexts(*shown);
    if (choice_->GetStrings() != texts)
        choice_->Set(texts);
    choice_->SetSelection(shown->getValue() - shown->minimum());
}

void ParameterChoiceWidget::onChoice(wxCommandEvent& event)
{
    if (Parameter* chosen = parameter())
        chosen->setValue(flagsUserEdit, chosen->minimum() + event.GetSelection());
}
