#pragma once
// The 14 x 14 faces of the voiced and unvoiced operator switches, off and
// on, under the "V" or "U" the switch draws over them. Drawn on first use,
// shared by the voice pages, freed when the toolkit shuts down.
#include <wx/bitmap.h>

class OperatorSwitchPictures {
public:
    static constexpr int size = 14;
    static constexpr int count = 2;

    // Picture 0 shows the switch off, picture 1 on.
    static const wxBitmap* pictures();
    static void release();
};
