#pragma once
// The pages' theme colours and colour mixing shared by every painter.
#include <wx/colour.h>

// The pages' background where no background picture is drawn.
wxColour colourDarkGrey();
// The pages' foreground.
wxColour colourLightGrey();
// Mixes ratio/255 of towards with the rest of base, channel by channel,
// truncating; ratio is held to 0..255. The result is opaque.
wxColour blendColours(const wxColour& towards, const wxColour& base, int ratio);
