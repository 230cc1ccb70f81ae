#pragma once
// Names the cells of a grid selector after the patches of a library (banks as
// rows, programs as columns) and renames them whenever the library changes.
// Owned by the page that made the selector. The device frees its libraries
// before its parameters, so once the selector's row parameter goes, the
// library is taken as gone too and no longer touched.
#include "params/ParameterListener.h"
#include "patches/LabelsObserver.h"

class GridSelectorControl;
class PatchCollection;

class LibraryGridLabels : public LabelsObserver, private ParameterListener {
public:
    // firstRow: the selector row that shows the library's first bank; rows
    // before it (an "OFF" row) name no patch.
    LibraryGridLabels(GridSelectorControl& grid, PatchCollection& library, int firstRow);
    ~LibraryGridLabels() override;
    LibraryGridLabels(const LibraryGridLabels&) = delete;
    LibraryGridLabels& operator=(const LibraryGridLabels&) = delete;

    void labelsChanged() override;
    void labelChanged(std::int32_t index) override;

private:
    void onParameterChanged(Parameter* /*parameter*/, std::uint32_t /*flags*/) override {}
    void onParameterDestroyed(Parameter* parameter) override;

    GridSelectorControl& grid_;
    PatchCollection* library_;
    Parameter* rowParameter_;
    const int firstRow_;
};
