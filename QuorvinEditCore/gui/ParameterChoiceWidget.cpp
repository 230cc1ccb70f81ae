#include "gui/ParameterChoiceWidget.h"

#include "params/Parameter.h"
#include "text/WxText.h"

#include <wx/button.h>
#include <wx/menu.h>

ParameterChoiceWidget::ParameterChoiceWidget(wxWindow* page, Parameter& parameter)
    : ParameterWidget(new wxButton(page, wxID_ANY), {&parameter})
{
    button_ = static_cast<wxButton*>(window());
    button_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { openList(); });
    button_->Bind(wxEVT_MENU, &ParameterChoiceWidget::onItem, this);
    showValue();
}

void ParameterChoiceWidget::showValue()
{
    if (const Parameter* shown = parameter())
        button_->SetLabel(toWxString(shown->valueText(shown->getValue())));
}

wxString ParameterChoiceWidget::itemText(const wxString& valueText)
{
    // A menu item needs a text, and '&' would mark a key there.
    if (valueText.empty())
        return emptyValueText;
    wxString text = valueText;
    text.Replace("&", "&&");
    return text;
}

void ParameterChoiceWidget::openList()
{
    const Parameter* shown = parameter();
    if (shown == nullptr || shown->maximum() < shown->minimum())
        return;
    wxMenu list;
    // The texts are read now: some lists change (the MIDI ports do).
    for (std::int32_t value = shown->minimum(); value <= shown->maximum(); ++value) {
        const int id = firstItemId + (value - shown->minimum());
        list.AppendCheckItem(id, itemText(toWxString(shown->valueText(value))))->Check(value == shown->getValue());
    }
    button_->PopupMenu(&list, 0, button_->GetSize().y);
}

void ParameterChoiceWidget::onItem(wxCommandEvent& event)
{
    Parameter* chosen = parameter();
    const int position = event.GetId() - firstItemId;
    if (chosen != nullptr && position >= 0 && position <= chosen->maximum() - chosen->minimum())
        chosen->setValue(flagsUserEdit, chosen->minimum() + position);
}
