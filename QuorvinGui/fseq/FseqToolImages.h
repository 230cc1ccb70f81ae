#pragma once
// The button faces of the graph tools, drawn once on first use and kept
// until the program ends: a pen for freehand drawing, a slanted line for
// the line tool, each plain and highlighted.
#include "fseq/FseqMouseTool.h"

namespace FseqToolImages {

const FseqMouseTool::Images& pen();
const FseqMouseTool::Images& line();

} // namespace FseqToolImages
