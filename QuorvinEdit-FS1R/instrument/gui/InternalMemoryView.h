#pragma once
// The modal dialog in which the user picks one slot of the instrument's
// internal memory, shown as a grid of the library's first bank with the
// names the cache knows. Made by whoever asks for a slot; the library must
// outlive it.
#include "text/RefString.h"

#include <wx/dialog.h>

#include <cstdint>

class MemoryGridView;
class PatchCollection;

class InternalMemoryView : public wxDialog {
public:
    InternalMemoryView(wxWindow* parent, PatchCollection& library);

    // Shown above the grid; only a prompt set before the first showing is.
    void setPrompt(const RefString& prompt) { prompt_ = prompt; }
    // Slots shown of the bank; 0 for all.
    void setEntryLimit(std::uint32_t limit);
    // Starts with no slot chosen and the grid fitted to the display; wxID_OK
    // when the user confirms, wxID_CANCEL otherwise.
    int showModal();
    // The slot chosen, counted from 0 in the first bank; -1 for none. Kept
    // after the dialog ends, until the next showing.
    std::int32_t getSelection() const;

    MemoryGridView& grid() { return *grid_; }

private:
    wxSize largestClientSize() const;
    void buildLayout();

    RefString prompt_;
    MemoryGridView* grid_;
    bool laidOut_ = false;
};
