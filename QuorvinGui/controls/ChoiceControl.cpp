#include "controls/ChoiceControl.h"

#include "controls/ValueDrawing.h"
#include "gui/ControlStyle.h"
#include "gui/TextExtents.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "popup/MappedCellLayout.h"
#include "text/WxText.h"

#include <wx/dcclient.h>

#include <wx/bitmap.h>

namespace {

// A value's face: its picture when the parameter has a picture table (which
// covers the raw values 0 to the maximum), else its text.
wxSize faceExtent(wxDC& dc, const Parameter& parameter, std::int32_t raw)
{
    if (const wxBitmap* pictures = parameter.valuePictures(); pictures && raw >= 0 && raw <= parameter.maximum())
        return pictures[raw].IsOk() ? pictures[raw].GetSize() : wxSize(0, 0);
    return TextExtents::onContext(dc, toWxString(valueFaceText(parameter, raw)));
}

} // namespace

ChoiceControl::ChoiceControl(wxWindow* parent, const ControlStyle& style)
    : ValueLabelControl(parent, style), layout_(*this)
{
    showLayout(layout_);
}

ChoiceControl::~ChoiceControl() = default;

// The display value of a raw value is its popup index.
void ChoiceControl::mapToIndexes(Parameter& parameter, bool reset)
{
    setParameterDisplayScale(&parameter, reset, Rational(1, 1), Rational(-parameter.minimum(), 1));
}

void ChoiceControl::onBind(RoleId role, Parameter* parameter)
{
    if (role != roleMain || parameter == nullptr)
        return;
    mapToIndexes(*parameter, !keepsParametersOnBind());
    itemsChanged();
}

void ChoiceControl::fitCells(wxDC& dc)
{
    const Parameter* parameter = mainParameter();
    if (parameter == nullptr)
        return;
    wxSize largest(0, 0);
    for (std::int64_t raw = parameter->minimum(); raw <= parameter->maximum(); ++raw)
        largest.IncTo(faceExtent(dc, *parameter, static_cast<std::int32_t>(raw)));
    const int border = style().borderWidth;
    const wxSize cell(largest.x + 2 * border + 2, largest.y + 2 * border);
    layout_.setCellSize(cell.x, cell.y);
    if (filter_)
        filter_->layout().setCellSize(cell.x, cell.y);
}

std::int32_t ChoiceControl::itemCount() const
{
    const Parameter* parameter = mainParameter();
    if (parameter == nullptr)
        return 0;
    return static_cast<std::int32_t>(std::int64_t{parameter->maximum()} - parameter->minimum() + 1);
}

bool ChoiceControl::itemMatches(std::int32_t index, const char16_t* text, std::size_t position) const
{
    const Parameter* parameter = mainParameter();
    if (parameter == nullptr || text == nullptr)
        return false;
    const RefString shown = parameter->displayText(Rational(index, 1));
    return !shown.isEmpty() && RefString::matchesAt(shown, text, position);
}

void ChoiceControl::select(std::int32_t index)
{
    if (filter_)
        index = filter_->sourceIndex(index);
    // A cell past the items (or a stale hover) must not clamp to the last value.
    if (Parameter* parameter = mainParameter(); parameter && index >= 0 && index < itemCount())
        parameter->setValue(flagsUserEdit, parameter->minimum() + index);
}

std::int32_t ChoiceControl::currentIndex() const
{
    const Parameter* parameter = mainParameter();
    return parameter ? parameter->getValue() - parameter->minimum() : -1;
}

std::int32_t ChoiceControl::currentCell() const
{
    return filter_ ? filter_->shownIndex(currentIndex()) : currentIndex();
}

void ChoiceControl::drawValueAt(wxDC& dc, std::int32_t index, const wxColour& colour, const wxRect& box, bool centred)
{
    const Parameter* parameter = mainParameter();
    if (parameter == nullptr || index < 0)
        return;
    drawValue(dc, *parameter, parameter->rawFromDisplay(Rational(index, 1)), colour, box, centred);
}

void ChoiceControl::setItemFilter(const RefString& text, std::size_t position)
{
    if (text.isNull()) {
        showLayout(layout_);
        filter_.reset();
        return;
    }
    if (!filter_)
        filter_ = std::make_unique<MappedCellLayout>(*this, style().borderWidth);
    const LayoutSize cell = fittedLayout().cellSize();
    filter_->layout().setCellSize(cell.width, cell.height);
    filter_->rebuild(text.c_str(), position);
    showLayout(filter_->layout());
}
