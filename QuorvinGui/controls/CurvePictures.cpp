#include "controls/CurvePictures.h"

#include <wx/bitmap.h>
#include <wx/image.h>

#include <array>

namespace {

using Rows = std::array<const char*, CurvePictures::height>;

constexpr Rows risingLine{
    "............##",
    "..........##..",
    "........##....",
    "......##......",
    "....##........",
    "..##..........",
    "##............",
};
constexpr Rows steepRiseThenTop{
    "........######",
    ".....###......",
    "....#.........",
    "...#..........",
    "..#...........",
    ".#............",
    "#.............",
};
constexpr Rows steepFallThenBottom{
    "#.............",
    ".#............",
    "..#...........",
    "...#..........",
    "....#.........",
    ".....###......",
    "........######",
};
constexpr Rows fallingLine{
    "##............",
    "..##..........",
    "....##........",
    "......##......",
    "........##....",
    "..........##..",
    "............##",
};
constexpr Rows topThenSteepFall{
    "######........",
    "......###.....",
    ".........#....",
    "..........#...",
    "...........#..",
    "............#.",
    ".............#",
};
constexpr Rows bottomThenSteepRise{
    ".............#",
    "............#.",
    "...........#..",
    "..........#...",
    ".........#....",
    "......###.....",
    "######........",
};

using PictureSet = std::array<wxBitmap, CurvePictures::curveTypes>;

// '#' is a white stroke, anything else transparent.
wxBitmap pictureOf(const Rows& rows)
{
    wxImage image(CurvePictures::width, CurvePictures::height);
    image.InitAlpha();
    for (int y = 0; y < CurvePictures::height; ++y) {
        for (int x = 0; x < CurvePictures::width; ++x) {
            const bool stroke = rows[y][x] == '#';
            image.SetRGB(x, y, 255, 255, 255);
            image.SetAlpha(x, y, stroke ? wxIMAGE_ALPHA_OPAQUE : wxIMAGE_ALPHA_TRANSPARENT);
        }
    }
    return wxBitmap(image);
}

// Kept until the program ends: controls and parameters point into them.
const PictureSet* makeSet(const std::array<const Rows*, CurvePictures::curveTypes>& shapes)
{
    auto* pictures = new PictureSet;
    for (int type = 0; type < CurvePictures::curveTypes; ++type)
        (*pictures)[type] = pictureOf(*shapes[type]);
    return pictures;
}

} // namespace

const wxBitmap* CurvePictures::left()
{
    static const PictureSet* pictures
        = makeSet({&risingLine, &steepRiseThenTop, &steepFallThenBottom, &fallingLine});
    return pictures->data();
}

const wxBitmap* CurvePictures::right()
{
    static const PictureSet* pictures
        = makeSet({&fallingLine, &topThenSteepFall, &bottomThenSteepRise, &risingLine});
    return pictures->data();
}
