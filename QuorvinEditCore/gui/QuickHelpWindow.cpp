#include "gui/QuickHelpWindow.h"

#include "files/FileReader.h"
#include "files/UserPaths.h"
#include "text/WxText.h"

#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/stdpaths.h>

#include <glib-object.h>

QuickHelpWindow::QuickHelpWindow(wxWindow* parent, int x, int y, int width, int height, const wxColour& background,
                                 const wxColour& text, const wxString& insertText, bool frenchInterface,
                                 const RefString& installedFolder)
    : wxHtmlWindow(parent, wxID_ANY, wxPoint(x, y), wxSize(width, height), wxHW_DEFAULT_STYLE, "htmlWindow")
{
    showFixedScrollBars();
    const RefString file = getUserPaths().quickHelpFile(frenchInterface, installedFolder);
    std::string bytes;
    if (FileReader::readAll(file.toUtf8(), maxPageBytes, bytes))
        SetPage(pageText(bytes, background, text, insertText));
}

void QuickHelpWindow::showFixedScrollBars()
{
    GObject* scrolled = G_OBJECT(GetHandle());
    if (g_object_class_find_property(G_OBJECT_GET_CLASS(scrolled), "overlay-scrolling") != nullptr)
        g_object_set(scrolled, "overlay-scrolling", FALSE, nullptr);
}

wxString QuickHelpWindow::pageText(const std::string& fileBytes, const wxColour& background, const wxColour& text,
                                   const wxString& insertText)
{
    wxString page(fileBytes.data(), wxConvISO8859_1, fileBytes.size());
    page.Replace(marker, insertText);
    return wxString::Format("<body bgcolor=#%02X%02X%02X text=#%02X%02X%02X>%s</font></body>", background.Red(),
                            background.Green(), background.Blue(), text.Red(), text.Green(), text.Blue(), page);
}

bool QuickHelpWindow::interfaceIsFrench()
{
    const wxLocale* locale = wxGetLocale();
    return locale != nullptr && isFrench(locale->GetLanguage());
}

bool QuickHelpWindow::isFrench(int language)
{
    // Every variant's canonical name is "fr" or "fr_" and its region.
    const wxLanguageInfo* info = wxLocale::GetLanguageInfo(language);
    return info != nullptr && (info->CanonicalName == "fr" || info->CanonicalName.StartsWith("fr_"));
}

RefString QuickHelpWindow::installedDocFolder()
{
    wxFileName folder(wxStandardPaths::Get().GetExecutablePath());
    folder.RemoveLastDir();
    folder.AppendDir("share");
    folder.AppendDir("quorvinedit");
    folder.AppendDir("doc");
    return fromWxString(folder.GetPath(wxPATH_GET_VOLUME | wxPATH_GET_SEPARATOR));
}
