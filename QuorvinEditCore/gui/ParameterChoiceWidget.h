#pragma once
// A choice: a button that shows its parameter's value text and opens the
// list of the parameter's values as a menu; choosing one sets the parameter
// as a user edit. Owned by its group entry.
#include "gui/ParameterWidget.h"

#include <wx/string.h>

class wxButton;
class wxCommandEvent;

class ParameterChoiceWidget final : public ParameterWidget {
public:
    // The menu's items carry this id plus their position.
    static constexpr int firstItemId = 1000;
    // What the list shows for a value without a text (the "no port" entry).
    static constexpr const wchar_t* emptyValueText = L"\u2014";

    // A value's text as the list shows it.
    static wxString itemText(const wxString& valueText);

    ParameterChoiceWidget(wxWindow* page, Parameter& parameter);

private:
    void showValue() override;
    void openList();
    void onItem(wxCommandEvent& event);

    wxButton* button_;
};
