#include "files/UserPaths.h"

#include "files/FileReader.h"
#include "text/WxText.h"
#include "xml/XmlFile.h"

#include <wx/log.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <pwd.h>
#include <vector>
#include <unistd.h>

namespace {

constexpr std::size_t maxRedirectionBytes = PATH_MAX;
constexpr char dataFolderName[] = "quorvinedit";
constexpr char englishHelpPage[] = "quickhelp_en.html";
constexpr char frenchHelpPage[] = "quickhelp_fr.html";

std::string withSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// The folder a redirection file names. Line ends at its end are dropped,
// since text editors add one; anything else is part of the path.
std::optional<std::string> redirectedFolder()
{
    std::string text;
    if (!FileReader::readAll(UserPaths::redirectionFile, maxRedirectionBytes - 1, text))
        return std::nullopt;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    if (text.empty())
        return std::nullopt;
    return text;
}

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
        return user->pw_dir;
    return ".";
}

std::string dataHome()
{
    // The base directory rules ignore a relative XDG_DATA_HOME.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        return data;
    return homeFolder() + "/.local/share";
}

std::string resolveUserFolder()
{
    if (const char* folder = std::getenv(UserPaths::overrideVariable); folder && *folder)
        return withSeparator(folder);
    if (const std::optional<std::string> folder = redirectedFolder())
        return withSeparator(*folder);
    return withSeparator(withSeparator(dataHome()) + dataFolderName);
}

RefString resolveUserPath()
{
    const RefString path = RefString::fromUtf8(resolveUserFolder());
    wxLogVerbose("USER PATH = %s", toWxString(path));
    return path;
}

RefString join(const RefString& folder, const char* name)
{
    return RefString::concat(folder, RefString::fromNarrow(name));
}

RefString tracedHelpFile(const RefString& file)
{
    wxLogVerbose("Quick help file: %s", toWxString(file));
    return file;
}

std::unique_ptr<UserPaths>& instance()
{
    static std::unique_ptr<UserPaths> paths;
    return paths;
}

} // namespace

UserPaths::UserPaths() : userPath_(resolveUserPath()) {}

RefString UserPaths::cachePath() const { return join(userPath_, "cache/"); }

RefString UserPaths::settingsFile() const { return join(cachePath(), "settings.xml"); }

RefString UserPaths::quickHelpFile(bool frenchInterface, const RefString& installedDocFolder) const
{
    std::vector<RefString> folders{join(userPath_, "doc/")};
    if (!installedDocFolder.isEmpty())
        folders.push_back(RefString::fromUtf8(withSeparator(installedDocFolder.toUtf8())));
    std::vector<const char*> pages{englishHelpPage};
    if (frenchInterface)
        pages.insert(pages.begin(), frenchHelpPage);
    for (const char* page : pages)
        for (const RefString& folder : folders)
            if (const RefString file = join(folder, page); fileExists(file))
                return tracedHelpFile(file);
    return tracedHelpFile(join(folders.front(), englishHelpPage));
}

bool UserPaths::createCacheFolder(std::string* error) const
{
    std::error_code code;
    std::filesystem::create_directories(cachePath().toUtf8(), code);
    if (code && error)
        *error = "Cannot create the folder " + cachePath().toUtf8() + ": " + code.message();
    return !code;
}

UserPaths& getUserPaths()
{
    std::unique_ptr<UserPaths>& paths = instance();
    if (!paths)
        paths = std::make_unique<UserPaths>();
    return *paths;
}

void deleteUserPaths() { instance().reset(); }
