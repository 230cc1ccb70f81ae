#pragma once
// A straight line from the press to the release point: shown as a rubber
// band while dragged, set into the editable tracks on release, dropped when
// the graph loses the pointer. Owned by the graph.
#include "fseq/FseqMouseTool.h"

class FseqLineTool : public FseqMouseTool {
public:
    const Images& images() const override;
    wxRect press(wxPoint point) override;
    wxRect release(wxPoint point) override;
    wxRect drag(wxPoint point) override;
    wxRect cancel() override;
    void drawOverlay(wxDC& dc) const override;

    bool isActive() const { return active_; }

private:
    // The band between the start (the last point) and the end, with a
    // pixel to spare for the line's width.
    wxRect lineRect() const;

    wxPoint end_;
    bool active_ = false;
};
