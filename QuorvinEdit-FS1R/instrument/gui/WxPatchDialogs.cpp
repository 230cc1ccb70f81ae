#include "instrument/gui/WxPatchDialogs.h"

#include "gui/DialogPlacement.h"
#include "text/WxText.h"

#include <wx/choicdlg.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>

namespace {

// The toolkit's file dialogs are looked up by this name.
constexpr char fileDialogName[] = "filedlg";
// The choice dialog's size; the toolkit keeps it no smaller than its contents.
const wxSize choiceDialogSize(200, 150);

std::string chosenPath(wxFileDialog& dialog)
{
    return dialog.ShowModal() == wxID_OK ? dialog.GetPath().utf8_string() : std::string();
}

} // namespace

WxPatchDialogs::WxPatchDialogs(wxWindow* parent, SlotChooser chooseSlot)
    : parent_(parent), chooseSlot_(std::move(chooseSlot))
{
}

WxPatchDialogs::~WxPatchDialogs()
{
    for (wxFileDialog* dialog : {openDialog_.get(), saveDialog_.get()})
        if (dialog)
            dialog->Destroy();
}

// The toolkit's chooser updates itself a moment after its name changes; one
// destroyed before that moment, while its folder still loads, runs the update
// on its destroyed parts. A chooser kept for the next choice is never
// destroyed that way.
wxFileDialog& WxPatchDialogs::keptFileDialog(wxWeakRef<wxFileDialog>& kept, long style)
{
    if (!kept)
        kept = new wxFileDialog(parent_, wxString(), wxString(), wxString(), wxString(), style, wxDefaultPosition,
            wxDefaultSize, fileDialogName);
    return *kept;
}

std::string WxPatchDialogs::chooseFileToOpen(const RefString& message, const RefString& wildcard)
{
    wxFileDialog& dialog = keptFileDialog(openDialog_, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    dialog.SetMessage(toWxString(message));
    dialog.SetWildcard(toWxString(wildcard));
    dialog.SetFilterIndex(0);
    return chosenPath(dialog);
}

std::string WxPatchDialogs::chooseFileToSave(const RefString& message, const RefString& wildcard,
    const std::string& folder, const RefString& fileName)
{
    wxFileDialog& dialog = keptFileDialog(saveDialog_, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    dialog.SetMessage(toWxString(message));
    dialog.SetWildcard(toWxString(wildcard));
    dialog.SetFilterIndex(0);
    if (!folder.empty())
        dialog.SetDirectory(wxString::FromUTF8(folder));
    dialog.SetFilename(toWxString(fileName));
    return chosenPath(dialog);
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
