#include "gui/MemoryGridView.h"

#include "gui/Colours.h"
#include "gui/Drawing.h"
#include "gui/ItemPickerEvents.h"
#include "gui/WxLayout.h"
#include "patches/PatchCollection.h"
#include "text/WxText.h"

#include <wx/dcclient.h>

#include <algorithm>

namespace {

constexpr int labelPoints = 8;
// Sheen from the top of a cell down to its middle, fading by half.
constexpr int sheenStartRatio = 100;
constexpr int sheenFade = 50;
constexpr int outerFrameRatio = 150;
constexpr int innerFrameRatio = 75;

const wxColour white(255, 255, 255);
const wxColour black(0, 0, 0);

// Colour laid over base by its own alpha.
wxColour overlay(const wxColour& colour, const wxColour& base) { return blendColours(colour, base, colour.Alpha()); }

void fillRect(wxDC& dc, const wxColour& colour, int x, int y, int width, int height)
{
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(colour));
    dc.DrawRectangle(x, y, width, height);
}

void drawSheen(wxDC& dc, const LayoutRect& cell, const wxColour& fill)
{
    const int lines = cell.height / 2;
    for (int i = 0; i < lines; ++i) {
        dc.SetPen(wxPen(blendColours(white, fill, sheenStartRatio - sheenFade * i / lines)));
        dc.DrawLine(cell.x, cell.y + i, cell.right(), cell.y + i);
    }
    fillRect(dc, fill, cell.x, cell.y + lines, cell.width, cell.height - lines);
}

// One ring inset from the cell's edges: lit edges left and top, shaded ones
// right and bottom (drawn last, so they own the corners they share).
void drawRing(wxDC& dc, const LayoutRect& cell, int inset, const wxColour& lit, const wxColour& shaded)
{
    const int left = cell.x + inset;
    const int top = cell.y + inset;
    const int right = cell.right() - 1 - inset;
    const int bottom = cell.bottom() - 1 - inset;
    dc.SetPen(wxPen(lit));
    dc.DrawLine(left, top, left, bottom + 1);
    dc.DrawLine(left, top, right + 1, top);
    dc.SetPen(wxPen(shaded));
    dc.DrawLine(right, top, right, bottom + 1);
    dc.DrawLine(left, bottom, right + 1, bottom);
}

void drawFrame(wxDC& dc, const LayoutRect& cell, const wxColour& fill, bool raised)
{
    int inset = 0;
    for (const int ratio : {outerFrameRatio, innerFrameRatio}) {
        const wxColour light = blendColours(white, fill, ratio);
        const wxColour dark = blendColours(black, fill, ratio);
        drawRing(dc, cell, inset++, raised ? light : dark, raised ? dark : light);
    }
}

} // namespace

MemoryGridView::MemoryGridView(wxWindow* parent, PatchCollection& library)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL | wxWANTS_CHARS,
                       "panel"),
      library_(library),
      layout_(std::make_unique<GridCellLayout>(*this))
{
    SetFont(wxFont(wxFontInfo(labelPoints).Family(wxFONTFAMILY_SWISS)));
    routeEventsToPicker(*this, picker_);
    Bind(wxEVT_PAINT, &MemoryGridView::onPaint, this);
    library_.addObserver(*this);
}

MemoryGridView::~MemoryGridView() { library_.removeObserver(*this); }

void MemoryGridView::fitToContents(int maxWidth, int maxHeight)
{
    const PatchCollection::TextExtent extent = library_.maxLabelExtent([this](const RefString& label) {
        const wxSize size = GetTextExtent(toWxString(label));
        return PatchCollection::TextExtent{size.x, size.y};
    });
    layout_->setCellSize(extent.width + 2 * margin, extent.height + 2 * margin);
    const LayoutSize grid = layout_->fitToHeight(maxHeight);
    SetVirtualSize(grid.width, grid.height);
    const wxSize window = ClientToWindowSize(wxSize(grid.width, grid.height));
    SetSize(std::min(window.x, maxWidth), std::min(window.y, maxHeight));
}

void MemoryGridView::resetChoice()
{
    selection_ = -1;
    picker_.reset();
    Refresh();
}

std::int32_t MemoryGridView::itemCount() const
{
    return shownBanks_.itemCount(library_.bankCount(), library_.bankSize());
}

RefString MemoryGridView::labelOf(std::int32_t index) const
{
    return library_.cellLabel(shownBanks_.recordOf(index, library_.bankCount(), library_.bankSize()));
}

bool MemoryGridView::itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const
{
    return RefString::matchesAt(labelOf(index), text, position);
}

void MemoryGridView::drawItem(wxDC& dc, std::int32_t index, bool hovered, const LayoutRect& cell, int flags)
{
    const wxColour background = GetBackgroundColour();
    if (index == selection_) {
        const wxColour fill = overlay(selectionColour_, background);
        fillRect(dc, fill, cell.x, cell.y, cell.width, cell.height);
        drawFrame(dc, cell, fill, false);
    } else {
        const wxColour fill = hovered ? overlay(hoverColour_, background) : background;
        drawSheen(dc, cell, fill);
        drawFrame(dc, cell, fill, true);
    }
    dc.SetFont(GetFont());
    dc.SetTextForeground(black);
    const wxString label = toWxString(labelOf(index));
    if (flags & centredItem)
        drawTextCentred(dc, label, cell.x, cell.y, cell.width, cell.height);
    else
        dc.DrawText(label, cell.x + margin, cell.y + margin);
}

LayoutPoint MemoryGridView::toLayout(LayoutPoint windowPoint) const
{
    return toLayoutPoint(CalcUnscrolledPosition(toWxPoint(windowPoint)));
}

LayoutPoint MemoryGridView::toWindow(LayoutPoint layoutPoint) const
{
    return toLayoutPoint(CalcScrolledPosition(toWxPoint(layoutPoint)));
}

void MemoryGridView::refreshRect(const LayoutRect& windowRect, bool erase) { RefreshRect(toWxRect(windowRect), erase); }

void MemoryGridView::refreshCell(std::int32_t index)
{
    refreshRect(LayoutRect(toWindow(layout_->cellOrigin(index)), layout_->cellSize()), true);
}

void MemoryGridView::choose(std::int32_t index)
{
    if (index == selection_)
        return;
    if (selection_ != -1)
        refreshCell(selection_);
    if (index != -1)
        refreshCell(index);
    selection_ = index;
}

void MemoryGridView::onPaint(wxPaintEvent& /*event*/)
{
    wxPaintDC dc(this);
    // The layout draws at view positions itself, so the context stays unscrolled.
    const wxPoint scroll = CalcUnscrolledPosition(wxPoint(0, 0));
    const wxSize client = GetClientSize();
    layout_->draw(dc, client.x, client.y, scroll.x, scroll.y, picker_.hoverIndex());
}
