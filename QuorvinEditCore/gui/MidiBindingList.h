#pragma once
// The bindings of a control set as a two-column list ("Message",
// "Parameter") that keeps no copy: every cell is asked of the set. Owned by
// its dialog, which forgets the set before the set goes.
#include <wx/listctrl.h>

class MidiControlSet;

class MidiBindingList final : public wxListCtrl {
public:
    MidiBindingList(wxWindow* parent, MidiControlSet& set);

    // Follows the set's binding count and redraws every row.
    void refresh();
    // The set is going: the list shows nothing from now on.
    void forgetSet();
    // The first selected row, or -1.
    long selectedRow() const;

private:
    wxString OnGetItemText(long row, long column) const override;

    MidiControlSet* set_;
};
