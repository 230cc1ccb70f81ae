#include "gui/WaitArt.h"

#include "embedded/busyAnimationGif.h"
#include "embedded/splashPng.h"
#include "gui/PngBitmap.h"

#include <wx/generic/animate.h>
#include <wx/log.h>
#include <wx/mstream.h>

wxColour splashBackgroundColour() { return {61, 69, 71}; }

std::unique_ptr<wxBitmap> newSplashBitmap() { return newBitmapFromPng(embedded::splashPng, embedded::splashPngSize); }

wxAnimation loadBusyAnimation()
{
    // The native control of GTK gives no frames to read, so the dialog
    // cannot take its colour from one: use the generic kind throughout.
    wxAnimation animation = wxGenericAnimationCtrl::CreateCompatibleAnimation();
    wxLogNull quiet;
    wxMemoryInputStream stream(embedded::busyAnimationGif, embedded::busyAnimationGifSize);
    animation.Load(stream, wxANIMATION_TYPE_GIF);
    return animation;
}
