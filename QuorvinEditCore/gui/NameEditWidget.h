#pragma once
// A one-line text field for an EditableName: typing sets the name's
// character parameters as one undo step "Text edit". Owned by its group
// entry; the name must outlive it.
#include "gui/ParameterWidget.h"

class EditableName;
class wxCommandEvent;
class wxTextCtrl;

class NameEditWidget final : public ParameterWidget {
public:
    NameEditWidget(wxWindow* page, EditableName& name);

private:
    void showValue() override;
    void onText(wxCommandEvent& event);

    EditableName& name_;
    wxTextCtrl* text_;
    // Set while the typed text is written into the name, whose changes
    // must not rewrite the field under the caret.
    bool typing_ = false;
};
