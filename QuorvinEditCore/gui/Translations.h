#pragma once
// The message catalogues: the code holds the English texts, and each library
// and the application has a catalogue of its own, looked up for the system's
// language. One locale serves the whole process, from start-up to shutdown.
#include <wx/string.h>

#include <vector>

class wxTranslations;

// Folders searched for the catalogues of the application whose executable
// lies in executableFolder: each library's "i18n" folder as the build lays
// them out beside the executable's folder, the executable's own "i18n", and
// the installed "share/locale".
std::vector<wxString> catalogueFolders(const wxString& executableFolder, const wxString& applicationName);
// Makes the folders known to the toolkit's catalogue loader and adds the
// libraries' and the application's catalogues to translations, whose
// language is already chosen. The code's texts are in English (United States).
void addCatalogues(wxTranslations& translations, const std::vector<wxString>& folders,
    const wxString& applicationName);
// Sets the process's locale to the system's language, with the toolkit's own
// catalogue and those of addCatalogues for the running executable. A second
// call replaces the first locale.
void initTranslations(const wxString& applicationName);
// Drops the locale; texts are then shown as the code writes them.
void freeTranslations();
