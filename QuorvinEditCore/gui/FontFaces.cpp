#include "gui/FontFaces.h"

#include <wx/fontenum.h>

#include <array>

namespace {

struct FaceMapping {
    const char* face;
    std::array<const char*, 2> standIns;
};

// Liberation has the metrics of the Windows faces, so fixed page layouts
// keep their widths; DejaVu is on nearly every Linux machine.
constexpr std::array faceMappings{
    FaceMapping{"Microsoft Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    FaceMapping{"Arial", {"Liberation Sans", "DejaVu Sans"}},
    FaceMapping{"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
};

} // namespace

std::vector<wxString> FontFaces::standIns(const wxString& face)
{
    for (const FaceMapping& mapping : faceMappings)
        if (face.IsSameAs(mapping.face, false))
            return {mapping.standIns.begin(), mapping.standIns.end()};
    return {face};
}

wxString FontFaces::installedFace(const wxString& face)
{
    for (const wxString& candidate : standIns(face))
        if (wxFontEnumerator::IsValidFacename(candidate))
            return candidate;
    return {};
}

bool FontFaces::setFace(wxFont& font, const wxString& face)
{
    const wxString installed = installedFace(face);
    wxFont changed(font);
    if (installed.empty() || !changed.SetFaceName(installed))
        return false;
    font = changed;
    return true;
}
