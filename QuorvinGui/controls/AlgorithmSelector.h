#pragma once
// The voice's algorithm control: the caption "Preset: " with the algorithm's
// number over the diagram of the chosen algorithm; a press opens the grid of
// all algorithms to pick one. Owned by its control group's entry.
#include "controls/AlgorithmControl.h"

class AlgorithmSelector : public AlgorithmControl {
public:
    AlgorithmSelector(wxWindow* parent, const ControlStyle& style);

    const AlgorithmGraph& currentAlgorithm() const override;
    Parameter* algorithmParameter() const override { return mainParameter(); }

    void onMouseDown(wxMouseEvent& event) override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

private:
    void drawCaption(wxDC& dc, int width) const;
};
