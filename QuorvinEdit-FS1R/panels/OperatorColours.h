#pragma once
// The colours of operators and formants 1 to 8, shared by the voice page's
// algorithm diagram and the formant-sequence graph so one operator looks the
// same on both pages.
#include <array>

#include <wx/colour.h>

inline const std::array<wxColour, 8>& operatorColours()
{
    static const std::array<wxColour, 8> colours{{
        {255, 149, 149},
        {255, 192, 114},
        {255, 255, 90},
        {162, 255, 136},
        {99, 255, 222},
        {178, 189, 255},
        {248, 182, 255},
        {255, 124, 226},
    }};
    return colours;
}
