#pragma once
// The help text beside the system page's controls: an HTML page from the
// help folders, shown in the page's colours, with the program's instruction
// put in at its marker. Made once by the system page, which owns it as a
// child window; browsing is the HTML window's own.
#include "text/RefString.h"

#include <wx/html/htmlwin.h>

#include <string>

class QuickHelpWindow : public wxHtmlWindow {
public:
    // Stands where the page wants the instruction for dumping from the instrument.
    static constexpr char marker[] = "<!-- FS1R_HOWTO_DUMP_FROM_DEVICE -->";
    // Larger files are not help pages: the window stays empty.
    static constexpr std::size_t maxPageBytes = 1 << 20;

    // The page is looked up by UserPaths::quickHelpFile; an unreadable one
    // leaves the window empty.
    QuickHelpWindow(wxWindow* parent, int x, int y, int width, int height, const wxColour& background,
                    const wxColour& text, const wxString& insertText, bool frenchInterface = interfaceIsFrench(),
                    const RefString& installedFolder = installedDocFolder());

    // The page text for a help file's bytes, read one character per byte
    // (ISO 8859-1), the marker replaced and the whole wrapped in a body of
    // the given colours.
    static wxString pageText(const std::string& fileBytes, const wxColour& background, const wxColour& text,
                             const wxString& insertText);
    // True when the interface language chosen at start-up is French.
    static bool interfaceIsFrench();
    // True for French and each of its regional variants (a system set to
    // fr_FR reports French (France)).
    static bool isFrench(int language);
    // The help pages installed with the program: share/quorvinedit/doc/
    // beside the folder of the executable.
    static RefString installedDocFolder();

private:
    // GTK overlays its scroll bars on the text and shows them only while the
    // pointer moves there: a page longer than the window would look whole,
    // its last line cut at the bottom edge. A scroll bar beside the text
    // shows that more follows.
    void showFixedScrollBars();
};
