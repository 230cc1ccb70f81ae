#include "gui/MidiBindingList.h"

#include "midi/MidiControlBinding.h"
#include "midi/MidiControlSet.h"
#include "text/WxText.h"

namespace {

constexpr long messageColumn = 0;
constexpr long parameterColumn = 1;

} // namespace

MidiBindingList::MidiBindingList(wxWindow* parent, MidiControlSet& set)
    : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | wxLC_VIRTUAL, wxDefaultValidator,
          "listCtrl"),
      set_(&set)
{
    InsertColumn(messageColumn, _("Message"), wxLIST_FORMAT_LEFT);
    InsertColumn(parameterColumn, _("Parameter"), wxLIST_FORMAT_LEFT);
    SetItemCount(long(set.bindingCount()));
}

void MidiBindingList::refresh()
{
    const long count = set_ ? long(set_->bindingCount()) : 0;
    if (GetItemCount() == count) {
        if (count > 0)
            RefreshItems(0, count - 1);
    } else {
        SetItemCount(count);
    }
    Refresh();
}

void MidiBindingList::forgetSet()
{
    set_ = nullptr;
    refresh();
}

long MidiBindingList::selectedRow() const { return GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); }

wxString MidiBindingList::OnGetItemText(long row, long column) const
{
    if (!set_ || row < 0 || std::size_t(row) >= set_->bindingCount())
        return {};
    const MidiControlBinding& binding = set_->binding(std::size_t(row));
    return toWxString(column == messageColumn ? binding.messageText() : binding.parameterText());
}
