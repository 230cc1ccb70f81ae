#include "instrument/gui/WxPatchDialogs.h"

#include "gui/DialogPlacement.h"
#include "text/WxText.h"

#include <wx/choicdlg.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>

namespace {

// The choice dialog's size; the toolkit keeps it no smaller than its contents.
const wxSize choiceDialogSize(200, 150);

} // namespace

WxPatchDialogs::WxPatchDialogs(wxWindow* parent, SlotChooser chooseSlot)
    : parent_(parent), chooseSlot_(std::move(chooseSlot)), openChooser_(parent, wxFD_OPEN | wxFD_FILE_MUST_EXIST),
      saveChooser_(parent, wxFD_SAVE | wxFD_OVERWRITE_PROMPT)
{
}

WxPatchDialogs::~WxPatchDialogs() = default;

std::string WxPatchDialogs::chooseFileToOpen(const RefString& message, const RefString& wildcard)
{
    return openChooser_.choose(toWxString(message), toWxString(wildcard)).utf8_string();
}

std::string WxPatchDialogs::chooseFileToSave(const RefString& message, const RefString& wildcard,
    const std::string& folder, const RefString& fileName)
{
    return saveChooser_
        .choose(toWxString(message), toWxString(wildcard), wxString::FromUTF8(folder), toWxString(fileName))
        .utf8_string();
}

bool WxPatchDialogs::askYesNo(const RefString& caption, const RefString& text)
{
    wxMessageDialog dialog(parent_, toWxString(text), toWxString(caption), wxYES_NO | wxCENTRE);
    return dialog.ShowModal() == wxID_YES;
}

std::int32_t WxPatchDialogs::chooseOne(const RefString& caption, const RefString& text,
    const std::vector<RefString>& choices)
{
    wxArrayString labels;
    for (const RefString& choice : choices)
        labels.Add(toWxString(choice));
    wxSingleChoiceDialog dialog(parent_, toWxString(text), toWxString(caption), labels);
    dialog.SetSize(choiceDialogSize);
    placeWhenShown(dialog, [&dialog] {
        for (wxWindow* child : dialog.GetChildren())
            if (auto* list = dynamic_cast<wxListBox*>(child))
                showEveryRow(*list);
        placeOverMainWindow(dialog);
    });
    return dialog.ShowModal() == wxID_OK ? dialog.GetSelection() : -1;
}

std::int32_t WxPatchDialogs::chooseInternalSlot(Fs1rPart part, const RefString& prompt)
{
    return chooseSlot_ ? chooseSlot_(part, prompt) : -1;
}

void WxPatchDialogs::showError(const RefString& caption, const RefString& text)
{
    wxMessageDialog dialog(parent_, toWxString(text), toWxString(caption), wxOK | wxICON_ERROR | wxCENTRE);
    dialog.ShowModal();
}
