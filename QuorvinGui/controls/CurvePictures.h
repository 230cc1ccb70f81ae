#pragma once
// The small pictures of the four level-scaling curve types, one set for the
// left side and one for the right, white strokes on transparent so they are
// drawn in any colour. Made on first use and kept for the program's life.
class wxBitmap;

class CurvePictures {
public:
    static constexpr int curveTypes = 4;
    static constexpr int width = 14;
    static constexpr int height = 7;

    // Tables of curveTypes pictures, indexed by curve value.
    static const wxBitmap* left();
    static const wxBitmap* right();
};
