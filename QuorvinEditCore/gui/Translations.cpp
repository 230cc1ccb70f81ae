#include "gui/Translations.h"

#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>

#include <array>
#include <memory>

namespace {

// In lookup order; the control library's catalogue comes with that library.
constexpr std::array<const char*, 2> libraryCatalogues = {"QuorvinGui", "QuorvinEditCore"};

std::unique_ptr<wxLocale>& processLocale()
{
    static std::unique_ptr<wxLocale> locale;
    return locale;
}

wxString folderPath(const wxFileName& folder)
{
    return folder.GetPath(wxPATH_GET_VOLUME);
}

wxString executableFolder()
{
    return folderPath(wxFileName(wxStandardPaths::Get().GetExecutablePath()));
}

} // namespace

std::vector<wxString> catalogueFolders(const wxString& executableFolder, const wxString& applicationName)
{
    std::vector<wxString> folders;
    for (const wxString& library : {wxString("QuorvinEditCore"), wxString("QuorvinGui"), applicationName}) {
        wxFileName folder = wxFileName::DirName(executableFolder);
        folder.RemoveLastDir();
        folder.AppendDir(library);
        folder.AppendDir("i18n");
        folders.push_back(folderPath(folder));
    }
    wxFileName own = wxFileName::DirName(executableFolder);
    own.AppendDir("i18n");
    folders.push_back(folderPath(own));
    wxFileName installed = wxFileName::DirName(executableFolder);
    installed.RemoveLastDir();
    installed.AppendDir("share");
    installed.AppendDir("locale");
    folders.push_back(folderPath(installed));
    return folders;
}

void addCatalogues(wxTranslations& translations, const std::vector<wxString>& folders,
    const wxString& applicationName)
{
    for (const wxString& folder : folders)
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(folder);
    for (const char* catalogue : libraryCatalogues)
        translations.AddCatalog(catalogue, wxLANGUAGE_ENGLISH_US);
    translations.AddCatalog(applicationName, wxLANGUAGE_ENGLISH_US);
}

void initTranslations(const wxString& applicationName)
{
    std::unique_ptr<wxLocale>& locale = processLocale();
    // An earlier locale goes first, giving back the state it found.
    locale.reset();
    locale = std::make_unique<wxLocale>();
    {
        // A language the C library has no locale for still gets its
        // catalogues; the toolkit would only complain about it in a box.
        const wxLogNull quiet;
        locale->Init(wxLANGUAGE_DEFAULT, wxLOCALE_LOAD_DEFAULT);
    }
    if (wxTranslations* translations = wxTranslations::Get())
        addCatalogues(*translations, catalogueFolders(executableFolder(), applicationName), applicationName);
}

void freeTranslations()
{
    processLocale().reset();
}
