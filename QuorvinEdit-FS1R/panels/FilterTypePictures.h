#pragma once
// The response curves of the six FS1R filter types that a voice page shows
// beside its filter controls. Drawn on first use, shared by the voice pages,
// freed when the toolkit shuts down.
#include <wx/bitmap.h>

class FilterTypePictures {
public:
    static constexpr int typeCount = 6;
    static constexpr int width = 224;
    static constexpr int height = 104;

    // The picture of a filter type 0..5, or null for any other value (a
    // received byte may hold 6 or 7).
    static const wxBitmap* picture(int type);
    static void release();
};
