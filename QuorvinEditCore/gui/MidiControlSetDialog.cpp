#include "gui/MidiControlSetDialog.h"

#include "files/SavePath.h"
#include "gui/ControlStyle.h"
#include "gui/DialogPlacement.h"
#include "gui/MidiBindingList.h"
#include "gui/MidiControlSetPanel.h"
#include "gui/MidiLearnDialog.h"
#include "midi/ControlSetMidiInParameter.h"
#include "midi/ControlSetMidiOutParameter.h"
#include "midi/MidiControlSet.h"
#include "midi/MidiControlSetFile.h"
#include "midi/MidiLearnSession.h"
#include "params/SetValueFlags.h"
#include "text/WxText.h"

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

namespace {

constexpr int border = 5;
// The columns share the list's width, less room for a scroll bar.
constexpr int scrollBarRoom = 18;
constexpr int columnGap = 2;
constexpr int switchOff = 0;
// A control-set file is an XML file: a name the user gave that extension is kept.
constexpr SavePath controlSetPath(".ctrl.xml", ".xml");

wxString fileWildcard() { return _("MIDI control set files (*.ctrl.xml)|*.ctrl.xml"); }

bool confirmImportBox(wxWindow* parent)
{
    return wxMessageBox(_("This will replace the current settings. If you did not save them, they will be lost."),
               _("Warning"), wxOK | wxCANCEL | wxCENTRE, parent)
        == wxOK;
}

bool confirmReplaceBox(wxWindow* parent, const wxString& path)
{
    return wxMessageBox(wxString::Format(_("The file %s already exists. Do you want to replace it?"), path),
               _("Warning"), wxYES_NO | wxNO_DEFAULT | wxCENTRE, parent)
        == wxYES;
}

void tellBox(wxWindow* parent, const wxString& caption, const wxString& text)
{
    wxMessageBox(text, caption, wxOK | wxCENTRE, parent);
}

} // namespace

MidiControlSetDialog::MidiControlSetDialog(MidiControlSet& set, wxWindow* parent, const ControlStyle& style)
    : wxDialog(parent, wxID_ANY, _("MIDI control set"), wxDefaultPosition, wxDefaultSize, wxCAPTION | wxRESIZE_BORDER,
          "dialog"),
      panel_(new MidiControlSetPanel(this, set, style)), set_(&set), list_(new MidiBindingList(this, set)),
      loadChooser_(this, wxFD_OPEN | wxFD_FILE_MUST_EXIST), saveChooser_(this, wxFD_SAVE | wxFD_OVERWRITE_PROMPT),
      questions_{confirmImportBox, [this](wxWindow*, bool forSaving) { return choosePath(forSaving); },
          confirmReplaceBox, tellBox}
{
    layOut();
    // Escape closes the window as its Close button does.
    SetEscapeId(closeButton);
    keepOverMainWindow(*this);
    Bind(wxEVT_CLOSE_WINDOW, &MidiControlSetDialog::onCloseWindow, this);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { onDelete(); }, deleteButton);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { onImport(); }, importButton);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { onExport(); }, exportButton);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { onClose(); }, closeButton);
    set.listeners().add(this);
    startLearning();
}

MidiControlSetDialog::~MidiControlSetDialog() = default;

void MidiControlSetDialog::layOut()
{
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(panel_, 0);
    column->Add(list_, 1, wxEXPAND | wxALL, border);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    const auto button = [this](ButtonId id, const wxString& label) {
        return new wxButton(this, id, label, wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator, "button");
    };
    buttons->Add(button(deleteButton, _("Delete")));
    buttons->AddStretchSpacer(1);
    buttons->Add(button(importButton, _("Import")));
    buttons->Add(button(exportButton, _("Export")));
    buttons->Add(button(closeButton, _("Close")));
    column->Add(buttons, 0, wxEXPAND | wxALL, border);
    SetSizerAndFit(column);
    SetMinSize(GetSize());
    const int columnWidth = (list_->GetClientSize().x - scrollBarRoom) / 2 - columnGap;
    list_->SetColumnWidth(0, columnWidth);
    list_->SetColumnWidth(1, columnWidth);
}

void MidiControlSetDialog::startLearning()
{
    learning_ = std::make_unique<MidiLearnSession>(
        *set_,
        // Learning goes on while this dialog is hidden: its answers show
        // over the pages.
        [this](std::shared_ptr<const ParameterList> candidates) {
            return std::make_unique<MidiLearnDialog>(GetParent(), std::move(candidates));
        },
        [this](const RefString& caption, const RefString& text) {
            questions_.tell(GetParent(), toWxString(caption), toWxString(text));
        });
}

void MidiControlSetDialog::setQuestions(Questions questions) { questions_ = std::move(questions); }

void MidiControlSetDialog::run()
{
    if (!set_)
        return;
    // Ports may have come or gone since the dialog was last shown.
    set_->inputParameter().refreshPortList(flagsConstruct);
    set_->outputParameter().refreshPortList(flagsConstruct);
    panel_->showValues();
    if (GetParent())
        SetSize(GetSize().x, GetParent()->GetSize().y);
    Show();
    Raise();
}

RefString MidiControlSetDialog::text() const { return fromWxString(_("MIDI control set")); }

void MidiControlSetDialog::onParameterChanged(Parameter* /*parameter*/, std::uint32_t /*flags*/) { list_->refresh(); }

void MidiControlSetDialog::detach()
{
    if (!set_)
        return;
    set_->listeners().remove(this);
    learning_.reset();
    list_->forgetSet();
    // The panel's controls hold the set's parameters.
    panel_->Destroy();
    panel_ = nullptr;
    set_ = nullptr;
    Hide();
}

void MidiControlSetDialog::onDelete()
{
    const long row = list_->selectedRow();
    if (!set_ || row < 0)
        return;
    set_->eraseBinding(std::size_t(row));
    list_->refresh();
}

wxString MidiControlSetDialog::choosePath(bool forSaving)
{
    if (forSaving)
        return saveChooser_.choose(_("Save the MIDI control set"), fileWildcard());
    return loadChooser_.choose(_("Load the MIDI control set"), fileWildcard());
}

void MidiControlSetDialog::onImport()
{
    if (!set_ || !questions_.confirmImport(this))
        return;
    const wxString path = questions_.choosePath(this, false);
    if (path.empty())
        return;
    std::string error;
    if (!importControlSetFile(*set_, fromWxString(path), &error))
        questions_.tell(this, _("MIDI control set"), wxString::FromUTF8(error));
    panel_->showValues();
    list_->refresh();
}

void MidiControlSetDialog::onExport()
{
    if (!set_)
        return;
    const wxString typed = questions_.choosePath(this, true);
    if (typed.empty())
        return;
    const wxString path = wxString::FromUTF8(controlSetPath.confirmed(typed.utf8_string(),
        [this](const std::string& existing) { return questions_.confirmReplace(this, wxString::FromUTF8(existing)); }));
    if (path.empty())
        return;
    std::string error;
    if (!exportControlSetFile(*set_, fromWxString(path), &error))
        questions_.tell(this, _("MIDI control set"), wxString::FromUTF8(error));
}

void MidiControlSetDialog::onClose() { Close(); }

void MidiControlSetDialog::onCloseWindow(wxCloseEvent& /*event*/)
{
    // Learn must not go on behind a hidden window.
    if (set_)
        set_->learnSwitch().setValue(flagsUserEdit, switchOff);
    Hide();
}
