#include "gui/KeptFileChooser.h"

namespace {

// The toolkit's file dialogs are looked up by this name.
constexpr char fileDialogName[] = "filedlg";

} // namespace

KeptFileChooser::KeptFileChooser(wxWindow* parent, long style) : parent_(parent), style_(style) {}

KeptFileChooser::~KeptFileChooser()
{
    if (dialog_)
        dialog_->Destroy();
}

wxFileDialog& KeptFileChooser::dialog()
{
    if (!dialog_)
        dialog_ = new wxFileDialog(parent_, wxString(), wxString(), wxString(), wxString(), style_,
            wxDefaultPosition, wxDefaultSize, fileDialogName);
    return *dialog_;
}

wxString KeptFileChooser::choose(const wxString& message, const wxString& wildcard, const wxString& folder,
    const wxString& fileName)
{
    wxFileDialog& chooser = dialog();
    chooser.SetMessage(message);
    chooser.SetWildcard(wildcard);
    chooser.SetFilterIndex(0);
    if (!folder.empty())
        chooser.SetDirectory(folder);
    if (!fileName.empty())
        chooser.SetFilename(fileName);
    return chooser.ShowModal() == wxID_OK ? chooser.GetPath() : wxString();
}
