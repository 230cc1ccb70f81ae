#pragma once
// The FS1R page backgrounds and the small pictures that controls draw for
// each value. Decoded on first use, after the toolkit has started, and freed
// when the toolkit shuts down, after every window; pages only borrow them.
#include <wx/bitmap.h>
#include <wx/gdicmn.h>

#include <vector>

class PageBitmaps {
public:
    static constexpr int pageWidth = 1272;
    static constexpr int pageHeight = 716;

    enum class Page { system, performance, voice, fseq };
    static constexpr int pageCount = 4;

    // Picture k of a set shows value k.
    enum class Set {
        editVoiceBitmaps,
        showPerformanceBitmaps,
        categoryBitmaps,
        velocityCurveBitmaps,
        bcCurveBitmaps,
        lfoFormBitmaps,
        lfoPhaseBitmaps,
        spectralFormBitmaps,
        skirtBitmaps,
    };
    static constexpr int setCount = 9;

    static const wxBitmap& background(Page page);
    // As many pictures as the set has values; data() suits Control::setValueBitmaps.
    static const std::vector<wxBitmap>& pictures(Set set);
    static wxSize pictureSize(Set set);
    static int pictureCount(Set set);

    // Starts decoding the pictures on a worker thread while the program
    // starts up; their first use then waits only for what is not done yet.
    static void decodeAhead();
    // Frees the pictures; the toolkit's shutdown calls it.
    static void release();
};
