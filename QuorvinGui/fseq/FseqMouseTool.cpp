#include "fseq/FseqMouseTool.h"

void FseqMouseTool::drawOverlay(wxDC&) const {}
