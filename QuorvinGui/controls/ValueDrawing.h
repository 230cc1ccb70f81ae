#pragma once
// How a control shows one value of a parameter: its shared picture, its
// picture for that value, then its text with the unit. Used by every control
// that shows a value face.
#include "text/RefString.h"

#include <cstdint>

class Parameter;
class wxColour;
class wxDC;
class wxRect;

// The text a value shows: the value text followed by the unit, or nothing
// when the parameter shows its pictures only.
RefString valueFaceText(const Parameter& parameter, std::int32_t raw);
// The face text of the current value; empty without a parameter.
RefString currentValueText(const Parameter* parameter);
// Draws the value's face in the context's current font, centred in the box
// or from its top-left corner. The pictures are white glyphs drawn in colour.
void drawValue(wxDC& dc, const Parameter& parameter, std::int32_t raw, const wxColour& colour, const wxRect& box,
    bool centred);
