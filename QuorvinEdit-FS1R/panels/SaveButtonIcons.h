#pragma once
// The 17 x 16 faces of the "Save to file" and "Save to device" buttons,
// drawn when asked for; the button that shows one shares its ownership.
#include <wx/bitmap.h>

#include <memory>

class SaveButtonIcons {
public:
    static constexpr int width = 17;
    static constexpr int height = 16;

    // A floppy disk.
    static std::shared_ptr<const wxBitmap> toFile();
    // A rack unit with an arrow into it.
    static std::shared_ptr<const wxBitmap> toDevice();
};
