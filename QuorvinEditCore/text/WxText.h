#pragma once
// Exact conversions between the editor's texts and the toolkit's strings,
// used only at the edges (drawing, dialogs, XML, file names).
#include "text/RefString.h"

#include <wx/string.h>

wxString toWxString(const RefString& text);
RefString fromWxString(const wxString& text);
