#include "files/SettingsFile.h"

#include "text/WxText.h"
#include "xml/XmlFile.h"

#include <wx/translation.h>

#include <filesystem>

namespace {

RefString fullPath(const RefString& path)
{
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(path.toUtf8(), ignored);
    return absolute.empty() ? path : RefString::fromUtf8(absolute.string());
}

bool pathExists(const RefString& path)
{
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(path.toUtf8(), ignored));
}

} // namespace

SettingsFile::SettingsFile(RefString path) : path_(std::move(path)) {}

SettingsLoadResult SettingsFile::load()
{
    SettingsLoadResult result;
    result.firstRun = !pathExists(path_);
    root_ = loadXmlFile(path_, &result.reason);
    result.loaded = root_ != nullptr;
    if (!result.loaded) {
        result.message = fromWxString(_("Error trying to open the settings file!\nThis file seems to be corrupted or "
                                        "locked by anoher application.\nYou may delete it. It will be automatically "
                                        "recreated, but you will loose your application settings."));
        result.caption = fullPath(path_);
    }
    return result;
}

XmlElement SettingsFile::root() const { return root_ ? XmlElement(*root_) : XmlElement(); }

XmlElement SettingsFile::deviceElement(const RefString& deviceTypeId) const { return root().child(deviceTypeId); }

bool SettingsFile::save(std::string* error) const
{
    if (!root_) {
        if (error)
            *error = "The settings were not loaded, so " + path_.toUtf8() + " is left as it is";
        return false;
    }
    return saveXmlFile(*root_, path_, error);
}
