#pragma once
// The pictures of the splash and wait dialogs, drawn by our scripts in
// gui/art at build time and compiled into the program.
#include <wx/animate.h>
#include <wx/bitmap.h>
#include <wx/colour.h>

#include <memory>

// The splash dialog's background.
wxColour splashBackgroundColour();
// Not IsOk() when the bytes do not decode.
std::unique_ptr<wxBitmap> newSplashBitmap();
// The wait dialog's busy animation, made for the generic animation control
// that the dialog uses; not IsOk() when the bytes do not decode.
wxAnimation loadBusyAnimation();
