#include "controls/AlgorithmControl.h"

#include "controls/AlgorithmDiagram.h"
#include "controls/DiagramCanvas.h"
#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "text/WxText.h"

#include <algorithm>

#include <wx/dc.h>
#include <wx/toplevel.h>

namespace {

const AlgorithmGraph emptyAlgorithm;

// Gap between the popup cells; the cell height leaves room above the diagram
// for the value text.
constexpr int popupCellGap = 2;
constexpr int popupTextRoom = 4;
// The popup diagram's output line lies this far above the cell's bottom.
constexpr int popupBaseline = 2;
// The diagram stands this far inside the cell's left and right edges, clear
// of the lines between the cells.
constexpr int popupCellMargin = 3;
// Boxes this small have no room for their number.
constexpr int smallestNumberedBox = 9;

class DcDiagramCanvas : public DiagramCanvas {
public:
    DcDiagramCanvas(wxDC& dc, const ControlStyle& style, const AlgorithmControl::OperatorColours& colours)
        : dc_(dc), style_(style), colours_(colours)
    {
    }

    void drawLine(int x1, int y1, int x2, int y2) override
    {
        dc_.SetPen(style_.pen1);
        dc_.DrawLine(x1, y1, x2, y2);
    }

    void drawOperatorBox(std::int32_t n, int x, int y, int side) override
    {
        dc_.SetPen(*wxTRANSPARENT_PEN);
        dc_.SetBrush(wxBrush(colours_[n - 1]));
        dc_.DrawRectangle(x, y, side, side);
        if (side < smallestNumberedBox)
            return;
        const wxString number = wxString::Format("%d", n);
        const wxSize extent = dc_.GetTextExtent(number);
        dc_.SetTextForeground(style_.colour6);
        dc_.DrawText(number, x + (side - extent.x) / 2, y + (side - extent.y) / 2);
    }

private:
    wxDC& dc_;
    const ControlStyle& style_;
    const AlgorithmControl::OperatorColours& colours_;
};

} // namespace

AlgorithmControl::AlgorithmControl(wxWindow* parent, const ControlStyle& style)
    : Control(parent, style), popup_(*this, *this, style)
{
    operatorColours_.fill(style.pen1.GetColour());
    popupLayout_.setGap(popupCellGap);
    popupLayout_.setGapColour(*wxBLACK);
    popupLayout_.setMargin(style.borderWidth);
    popup_.setLayout(&popupLayout_);
}

void AlgorithmControl::setAlgorithmTable(AlgorithmGraphTable table)
{
    table_ = table;
    measureDiagrams();
    refreshRect(nullptr);
}

void AlgorithmControl::setOperatorColour(std::int32_t k, const wxColour& colour)
{
    if (hasOperator(k) && k >= 0)
        operatorColours_[k] = colour;
}

void AlgorithmControl::subscribe(ParameterListener& listener)
{
    if (Parameter* parameter = algorithmParameter())
        parameter->addListener(&listener);
}

bool AlgorithmControl::hasOperator(std::int32_t k) const { return k < AlgorithmGraph::operatorCount; }

bool AlgorithmControl::isCarrier(std::int32_t k) const
{
    return k >= 0 && hasOperator(k) && (currentAlgorithm().carrierMask & (1u << k)) != 0;
}

bool AlgorithmControl::receivesFeedback(std::int32_t k) const
{
    const AlgorithmGraph& graph = currentAlgorithm();
    return graph.feedbackDestination != 0 && graph.feedbackDestination == k + 1 && graph.feedbackSource != 0;
}

const AlgorithmGraph& AlgorithmControl::algorithmOfValue(std::int32_t raw) const
{
    if (raw < 0 || static_cast<std::size_t>(raw) >= table_.size())
        return emptyAlgorithm;
    return table_[static_cast<std::size_t>(raw)];
}

void AlgorithmControl::drawDiagram(wxDC& dc, const AlgorithmGraph& graph, const DiagramGeometry& geometry, int x,
                                   int y) const
{
    DcDiagramCanvas canvas(dc, style(), operatorColours_);
    AlgorithmDiagram(graph, geometry).draw(canvas, x, y);
}

void AlgorithmControl::onBind(RoleId, Parameter* parameter)
{
    if (parameter == nullptr)
        return;
    popupLayout_.setShape(std::max(itemCount(), 1), 1);
    measureDiagrams();
}

void AlgorithmControl::measureDiagrams()
{
    const Parameter* parameter = algorithmParameter();
    if (table_.empty() || parameter == nullptr)
        return;
    LayoutSize largest;
    for (std::int32_t index = 0; index < itemCount(); ++index) {
        const AlgorithmGraph& graph = algorithmOfValue(parameter->minimum() + index);
        const LayoutSize size = AlgorithmDiagram(graph, popupDiagramGeometry).measure();
        largest.width = std::max(largest.width, size.width);
        largest.height = std::max(largest.height, size.height);
    }
    popupLayout_.setCellSize(largest.width + 2 * popupCellMargin, largest.height + popupTextRoom);
}

// --- Popup ----------------------------------------------------------------------

wxWindow* AlgorithmControl::parentWindow() const { return wxGetTopLevelParent(window()); }

wxPoint AlgorithmControl::position() const { return window()->GetScreenPosition(); }

wxPoint AlgorithmControl::bottomRight() const { return position() + clientSize(); }

bool AlgorithmControl::shownOnScreen() const { return window() && window()->IsShownOnScreen(); }

void AlgorithmControl::drawItem(wxDC& dc, std::int32_t index, bool highlighted, const LayoutRect& cell, int)
{
    const Parameter* parameter = algorithmParameter();
    if (parameter == nullptr)
        return;
    const LayoutSize size = popupLayout_.cellSize();
    if (highlighted) {
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(style().colour9));
        dc.DrawRectangle(cell.x, cell.y, size.width, size.height);
    }
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    const std::int32_t raw = parameter->minimum() + index;
    drawDiagram(dc, algorithmOfValue(raw), popupDiagramGeometry, cell.x + popupCellMargin,
        cell.y + size.height - popupBaseline);
    useFont(dc, style().fixedFont);
    const wxString text = toWxString(parameter->valueText(raw));
    dc.SetTextForeground(index == currentIndex() ? style().colour10 : style().colour8);
    dc.DrawText(text, cell.x + size.width - popupCellMargin - dc.GetTextExtent(text).x, cell.y);
}

std::int32_t AlgorithmControl::itemCount() const
{
    const Parameter* parameter = algorithmParameter();
    return parameter ? parameter->maximum() - parameter->minimum() + 1 : 0;
}

// The diagrams have no text to type.
bool AlgorithmControl::itemMatches(std::int32_t, const char16_t*, std::size_t) const { return true; }

void AlgorithmControl::select(std::int32_t index)
{
    if (Parameter* parameter = algorithmParameter())
        parameter->setValue(flagsUserEdit, parameter->minimum() + index);
}

std::int32_t AlgorithmControl::currentIndex() const
{
    const Parameter* parameter = algorithmParameter();
    return parameter ? parameter->getValue() - parameter->minimum() : -1;
}

// A press only opens the popup, which the selector does; nothing is dragged.
void AlgorithmControl::onMouseDown(wxMouseEvent&) {}
void AlgorithmControl::onMouseUp(wxMouseEvent&) {}
void AlgorithmControl::onCaptureLost() {}

void AlgorithmControl::onKeyDown(wxKeyEvent& event)
{
    if (!PopupListDialog::passKeyWhileOpen(popupList(), event))
        Control::onKeyDown(event);
}
