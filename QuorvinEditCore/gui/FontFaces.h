#pragma once
// Stand-ins for the Windows font faces the pages name: Linux has none of
// them, so each maps to installed faces of the same metrics, best first.
#include <wx/font.h>
#include <wx/string.h>

#include <vector>

namespace FontFaces {

// The faces that may stand for face, best first; a face without a mapping
// stands for itself.
std::vector<wxString> standIns(const wxString& face);
// The first installed stand-in, or an empty text when none is installed.
wxString installedFace(const wxString& face);
// Gives font the installed stand-in of face. Returns false, and leaves the
// font as it was, when none is installed (the toolkit would spoil the font).
bool setFace(wxFont& font, const wxString& face);

} // namespace FontFaces
