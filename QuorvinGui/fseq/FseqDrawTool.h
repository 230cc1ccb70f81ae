#pragma once
// Freehand drawing: the press sets the frame under the pointer, each motion
// sets every frame between the last point and this one, so fast motion
// leaves no gaps. Owned by the graph.
#include "fseq/FseqMouseTool.h"

class FseqDrawTool : public FseqMouseTool {
public:
    const Images& images() const override;
    wxRect press(wxPoint point) override;
    wxRect release(wxPoint point) override;
    wxRect drag(wxPoint point) override;
    wxRect cancel() override;
};
