#include "instrument/gui/InternalMemoryView.h"

#include "gui/DialogPlacement.h"
#include "gui/MemoryGridView.h"
#include "text/WxText.h"

#include <wx/display.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {

constexpr long dialogStyle = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxRESIZE_BORDER;
// Alpha is the mixing ratio over the grid's background.
const wxColour hoverColour(24, 24, 190, 30);
const wxColour selectionColour(200, 0, 0, 20);
constexpr int scrollStep = 5;
constexpr int border = 4;

// The usable area of the display holding the point; a point left of or
// above every display is moved onto the screen's edge first.
wxRect displayClientAreaAt(wxPoint point)
{
    int display = wxDisplay::GetFromPoint(point);
    if (display == wxNOT_FOUND)
        display = wxDisplay::GetFromPoint(wxPoint(std::max(point.x, 0), std::max(point.y, 0)));
    return wxDisplay(display == wxNOT_FOUND ? 0u : unsigned(display)).GetClientArea();
}

} // namespace

InternalMemoryView::InternalMemoryView(wxWindow* parent, PatchCollection& library)
    : wxDialog(parent, wxID_ANY, _("FS1R internal memory"), wxDefaultPosition, wxDefaultSize, dialogStyle,
               "InternalMemoryView"),
      grid_(new MemoryGridView(this, library))
{
    grid_->setHoverColour(hoverColour);
    grid_->setSelectionColour(selectionColour);
    grid_->selectFirstOnly();
    keepOverMainWindow(*this);
}

void InternalMemoryView::setEntryLimit(std::uint32_t limit) { grid_->setEntryLimit(limit); }

std::int32_t InternalMemoryView::getSelection() const { return grid_->selection(); }

wxSize InternalMemoryView::largestClientSize() const
{
    const wxPoint at = GetParent() ? GetParent()->GetScreenPosition() : wxPoint(0, 0);
    return WindowToClientSize(displayClientAreaAt(at).GetSize());
}

int InternalMemoryView::showModal()
{
    const wxSize largest = largestClientSize();
    grid_->resetChoice();
    grid_->SetScrollRate(scrollStep, scrollStep);
    grid_->fitToContents(largest.x, largest.y);
    // The layout keeps the grid at the size it fitted.
    grid_->SetMinSize(grid_->GetSize());
    if (!laidOut_)
        buildLayout();
    Fit();
    grid_->SetFocus();
    return ShowModal();
}

void InternalMemoryView::buildLayout()
{
    auto* box = new wxBoxSizer(wxVERTICAL);
    if (!prompt_.isEmpty())
        box->Add(new wxStaticText(this, wxID_ANY, toWxString(prompt_), wxDefaultPosition, wxDefaultSize, 0,
                     "staticText"),
            0, wxALL | wxEXPAND, border);
    box->Add(grid_, 1, wxALL | wxEXPAND, border);
    box->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND);
    SetSizer(box);
    laidOut_ = true;
}
