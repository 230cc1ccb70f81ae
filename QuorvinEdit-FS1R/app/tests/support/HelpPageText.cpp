#include "HelpPageText.h"

#include <wx/frame.h>
#include <wx/html/htmlwin.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

wxString helpPageText(const std::string& page)
{
    const char* source = std::getenv("QUORVIN_SOURCE_DIR");
    std::ifstream file(std::string(source ? source : ".") + "/user/doc/" + page, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    wxFrame frame(nullptr, wxID_ANY, "help");
    wxHtmlWindow window(&frame);
    window.SetPage(wxString(bytes.data(), wxConvISO8859_1, bytes.size()));
    wxString text = window.ToText();
    text.Replace("\n", " ");
    while (text.Replace("  ", " ") > 0) {
    }
    return text;
}
