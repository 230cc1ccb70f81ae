#pragma once
// Base of the controls that show FM algorithms as diagrams of operator boxes
// and links: lays out and draws a diagram in the control's style and owns
// the popup grid of every algorithm's diagram. Answers whether an operator is
// a carrier of the current algorithm or receives its feedback. Owned by its
// control group's entry; the algorithm table outlives it.
#include "controls/AlgorithmGraph.h"
#include "controls/Control.h"
#include "controls/DiagramGeometry.h"
#include "gui/GridCellLayout.h"
#include "layout/PopupItemSource.h"
#include "popup/LazyPopupList.h"
#include "popup/PopupAnchor.h"
#include "popup/PopupSelectionTarget.h"

#include <array>
#include <cstdint>

#include <wx/colour.h>

class AlgorithmControl : public Control, public PopupAnchor, public PopupItemSource, public PopupSelectionTarget {
public:
    // Entry k for operator k + 1.
    using OperatorColours = std::array<wxColour, AlgorithmGraph::operatorCount>;

    AlgorithmControl(wxWindow* parent, const ControlStyle& style);

    // The voice page sets it after making the control; empty is no table.
    void setAlgorithmTable(AlgorithmGraphTable table);
    // k = 0..7 for operators 1..8.
    void setOperatorColour(std::int32_t k, const wxColour& colour);

    // Conditions that hang on the algorithm subscribe through here.
    virtual void subscribe(ParameterListener& listener);
    // k counts operators from 0.
    virtual bool hasOperator(std::int32_t k) const;
    virtual bool isCarrier(std::int32_t k) const;
    virtual bool receivesFeedback(std::int32_t k) const;
    // The empty graph when there is no record for the value.
    virtual const AlgorithmGraph& currentAlgorithm() const = 0;
    virtual Parameter* algorithmParameter() const = 0;

    // --- Popup: one cell per value of the algorithm parameter ------------------
    // Null until the popup first opens, and once the top-level window took
    // it down with it.
    PopupListDialog* popupList() const { return popup_.get(); }
    const GridCellLayout& popupLayout() const { return popupLayout_; }

    wxWindow* parentWindow() const override;
    wxPoint position() const override;
    wxPoint bottomRight() const override;
    bool shownOnScreen() const override;

    void drawItem(wxDC& dc, std::int32_t index, bool highlighted, const LayoutRect& cell, int flags) override;
    std::int32_t itemCount() const override;
    bool itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const override;
    // A recorded user edit to the index's value.
    void select(std::int32_t index) override;
    std::int32_t currentIndex() const override;

    void onMouseDown(wxMouseEvent& event) override;
    void onMouseUp(wxMouseEvent& event) override;
    void onCaptureLost() override;
    // While the list is open, keys move and pick in it.
    void onKeyDown(wxKeyEvent& event) override;

protected:
    void onBind(RoleId role, Parameter* parameter) override;
    void openPopup() { popup_.open(); }
    // The record of a raw value of the algorithm parameter.
    const AlgorithmGraph& algorithmOfValue(std::int32_t raw) const;
    void drawDiagram(wxDC& dc, const AlgorithmGraph& graph, const DiagramGeometry& geometry, int x, int y) const;

private:
    // Sizes the popup cells to the largest of the algorithms' diagrams.
    void measureDiagrams();

    AlgorithmGraphTable table_;
    OperatorColours operatorColours_;
    GridCellLayout popupLayout_{*this};
    LazyPopupList popup_;
};
