#pragma once
// The plain text of a help page of the source tree (user/doc), as the help
// window lays it out, with its white space made single spaces.
#include <wx/string.h>

#include <string>

wxString helpPageText(const std::string& page);
