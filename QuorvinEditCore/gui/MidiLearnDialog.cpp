#include "gui/MidiLearnDialog.h"

#include "gui/DialogPlacement.h"

#include "midi/MidiMessageText.h"
#include "params/Parameter.h"
#include "text/WxText.h"

#include <wx/arrstr.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

constexpr int border = 5;

wxString keyText(const Parameter* parameter) { return toWxString(parameter->key().text()); }

} // namespace

MidiLearnDialog::MidiLearnDialog(wxWindow* parent, std::shared_ptr<const ParameterList> candidates)
    : wxDialog(parent, wxID_ANY, _("MIDI control learn"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE,
          "dialog"),
      candidates_(std::move(candidates)), timer_(this)
{
    auto* column = new wxBoxSizer(wxVERTICAL);
    auto* bindRow = new wxBoxSizer(wxHORIZONTAL);
    bindRow->Add(new wxStaticText(this, wxID_ANY, _("Bind")), 0, wxRIGHT, border);
    messageText_ = new wxStaticText(this, wxID_ANY, wxString());
    bindRow->Add(messageText_, 1);
    column->Add(bindRow, 0, wxALL | wxEXPAND, border);
    addCandidates(*column);
    buttons_ = CreateStdDialogButtonSizer(wxOK | wxCANCEL);
    column->Add(buttons_, 0, wxALL | wxEXPAND, border);
    SetSizer(column);
    keepOverMainWindow(*this);
    Bind(wxEVT_TIMER, &MidiLearnDialog::onTimer, this);
}

void MidiLearnDialog::addCandidates(wxSizer& sizer)
{
    const ParameterList none;
    const ParameterList& candidates = candidates_ ? *candidates_ : none;
    if (candidates.empty()) {
        sizer.Add(new wxStaticText(this, wxID_ANY, _("No parameter selected")), 0, wxALL, border);
        return;
    }
    if (candidates.size() == 1) {
        sizer.Add(new wxStaticText(this, wxID_ANY, wxString::Format(_("to %s"), keyText(candidates.front()))), 0,
            wxALL, border);
        return;
    }
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, wxID_ANY, _("to")), 0, wxRIGHT, border);
    wxArrayString texts;
    for (const Parameter* candidate : candidates)
        texts.Add(keyText(candidate));
    listBox_ = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, texts, wxLB_SINGLE,
        wxDefaultValidator, "listBox");
    listBox_->SetSelection(0);
    row->Add(listBox_, 1, wxEXPAND);
    sizer.Add(row, 1, wxALL | wxEXPAND, border);
}

void MidiLearnDialog::setMessage(MidiMessage message)
{
    messageText_->SetLabel(toWxString(midiMessageText(message, true)));
    Layout();
    Refresh();
}

bool MidiLearnDialog::run(bool confirm)
{
    GetSizer()->Show(buttons_, confirm, true);
    Fit();
    if (!confirm)
        timer_.Start(autoAcceptMs);
    const int result = ShowModal();
    timer_.Stop();
    return result == wxID_OK;
}

Parameter* MidiLearnDialog::selectedParameter() const
{
    if (!candidates_ || candidates_->empty())
        return nullptr;
    if (listBox_ == nullptr)
        return candidates_->front();
    const int selection = listBox_->GetSelection();
    return selection == wxNOT_FOUND ? nullptr : candidates_->at(std::size_t(selection));
}

void MidiLearnDialog::onTimer(wxTimerEvent& /*event*/)
{
    if (IsModal())
        EndModal(wxID_OK);
}
