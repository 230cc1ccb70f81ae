#include "panels/LibraryGridLabels.h"

#include "controls/GridSelectorControl.h"
#include "params/Parameter.h"
#include "patches/PatchCollection.h"

LibraryGridLabels::LibraryGridLabels(GridSelectorControl& grid, PatchCollection& library, int firstRow)
    : grid_(grid), library_(&library), rowParameter_(grid.getParameter(GridSelectorControl::roleRow)),
      firstRow_(firstRow)
{
    if (rowParameter_)
        rowParameter_->addListener(this);
    library.addObserver(*this);
    labelsChanged();
}

LibraryGridLabels::~LibraryGridLabels()
{
    if (library_)
        library_->removeObserver(*this);
}

void LibraryGridLabels::labelsChanged()
{
    const PatchCollection* library = library_;
    const int firstRow = firstRow_;
    grid_.setRowLabels([library, firstRow](std::int32_t row, std::int32_t column) {
        if (row < firstRow)
            return RefString();
        const auto bank = static_cast<std::int32_t>(library->bankSize()) * (row - firstRow);
        return library->cellLabel(bank + column);
    });
}

void LibraryGridLabels::labelChanged(std::int32_t index)
{
    const auto bankSize = library_ ? static_cast<std::int32_t>(library_->bankSize()) : 0;
    if (bankSize > 0)
        grid_.rowLabelChanged(firstRow_ + index / bankSize, index % bankSize);
}

void LibraryGridLabels::onParameterDestroyed(Parameter* parameter)
{
    if (parameter == rowParameter_) {
        rowParameter_ = nullptr;
        library_ = nullptr;
        grid_.setRowLabels(nullptr);
    }
}
