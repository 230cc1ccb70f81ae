#pragma once
// A value-label control over an ordinary parameter: one popup cell per value
// of its range, each showing the value's text. Its list can be narrowed to
// the values whose text holds a marker. Owned by its control group's entry.
#include "controls/ValueLabelControl.h"
#include "gui/GridCellLayout.h"
#include "text/RefString.h"

#include <memory>

class MappedCellLayout;

class ChoiceControl : public ValueLabelControl {
public:
    ChoiceControl(wxWindow* parent, const ControlStyle& style);
    ~ChoiceControl() override;

    // Shows only the values whose text holds text at position; a null text
    // shows every value again.
    void setItemFilter(const RefString& text, std::size_t position);
    bool hasItemFilter() const { return filter_ != nullptr; }
    // Maps the parameter's display to popup indexes, as binding does; with
    // reset its value and default go to its minimum.
    static void mapToIndexes(Parameter& parameter, bool reset);

    // Item source: one item per value of the main parameter's range.
    std::int32_t itemCount() const override;
    bool itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const override;

    // Selection target: index counts shown cells, so under a filter it is
    // mapped to the value it shows.
    void select(std::int32_t index) override;
    std::int32_t currentIndex() const override;
    std::int32_t currentCell() const override;

    void onDisplayTablesChanged() override { itemsChanged(); }

protected:
    void onBind(RoleId role, Parameter* parameter) override;
    void fitCells(wxDC& dc) override;
    CellLayout& popupLayout() override { return layout_; }
    void drawValueAt(wxDC& dc, std::int32_t index, const wxColour& colour, const wxRect& box, bool centred) override;

private:
    GridCellLayout layout_;
    std::unique_ptr<MappedCellLayout> filter_;
};
