#pragma once
// The sixteen styles every FS1R page paints with, made once by the panel
// manager and destroyed after the pages, which keep pointers to them.
#include "gui/ControlStyle.h"

#include <wx/bitmap.h>

#include <array>

class ControlStyleSet {
public:
    static constexpr int styleCount = 16;
    // Style of the system page and of the MIDI control-set dialogs.
    static constexpr int systemStyle = 4;
    // Operator k (0..7) of a voice page paints with style firstOperatorStyle + k.
    static constexpr int firstOperatorStyle = 6;

    ControlStyleSet();
    virtual ~ControlStyleSet() = default;
    ControlStyleSet(const ControlStyleSet&) = delete;
    ControlStyleSet& operator=(const ControlStyleSet&) = delete;

    // Style k, 0..15 (out of range throws std::out_of_range).
    const ControlStyle& style(int k) const { return styles_.at(k); }
    const wxBitmap& barPattern() const { return barPattern_; }

private:
    wxBitmap barPattern_;
    std::array<ControlStyle, styleCount> styles_;
};
