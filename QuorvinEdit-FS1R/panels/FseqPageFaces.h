#pragma once
// The small pictures of the formant-sequence page's buttons: the two save
// icons and the two-state faces of the track show, edit and hide switches.
// White glyphs on a transparent ground (controls tint them), drawn on first
// use after the toolkit has started; pages only borrow them.
#include <wx/bitmap.h>

#include <array>
#include <memory>

class ValueLabels;

namespace FseqPageFaces {

// Face k shows value k: off, then on.
using TwoState = std::array<wxBitmap, 2>;

// Size of the per-track show and edit faces.
constexpr int trackFaceWidth = 17;
constexpr int trackFaceHeight = 10;
// Height of the show-all and hide-all switches, which write their text
// inside their frame: a whole line of text clear of the frame and of the
// on state's mark under its top edge.
constexpr int legendFaceHeight = 15;

const TwoState& showFaces();
const TwoState& editFaces();
const TwoState& hideFaces();
std::shared_ptr<const wxBitmap> saveToFileIcon();
std::shared_ptr<const wxBitmap> saveToDeviceIcon();
// Empty texts for both values of a switch whose face is its picture and
// unit text alone.
const ValueLabels& blankValues();

} // namespace FseqPageFaces
