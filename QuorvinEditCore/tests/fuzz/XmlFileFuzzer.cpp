// Feeds arbitrary bytes to the settings file's loading path. Whatever loads
// must read as the program reads it, take any text, save, and load again.
#include "files/SettingsFile.h"

#include <wx/init.h>
#include <wx/log.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string settingsPath;

void abortOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                   const wxString& message)
{
    std::fprintf(stderr, "wx assert %s:%d in %s: %s %s\n", file.utf8_str().data(), line,
                 function.utf8_str().data(), condition.utf8_str().data(), message.utf8_str().data());
    std::abort();
}

void require(bool condition, const char* what, const std::string& detail)
{
    if (condition)
        return;
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

void useAsTheProgramDoes(const SettingsFile& settings, const RefString& anyText)
{
    const XmlElement device = settings.deviceElement(u"YAMAHA_FS1R");
    device.getIntAttribute(u"CurrentPerformance/bank", 0);
    device.getText(u"Directories/LastVoice", RefString());
    for (const XmlElement& set : device.children(u"midi_config/control_set"))
        set.getAttribute(u"name", RefString());
    device.setText(u"Directories/LastVoice", anyText);
    device.setAttribute(u"midi_config/control_set/name", anyText);
    device.setIntAttribute(u"CurrentPerformance/number", 127);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    wxInitialize();
    wxLog::EnableLogging(false);
    wxSetAssertHandler(abortOnAssert);
    settingsPath = (std::filesystem::temp_directory_path() / ("XmlFileFuzzer-" + std::to_string(::getpid()) + ".xml"))
                       .string();
    std::atexit([] { std::filesystem::remove(settingsPath); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(settingsPath, std::ios::binary | std::ios::trunc) << bytes;

    SettingsFile settings(RefString::fromUtf8(settingsPath));
    if (!settings.load().loaded)
        return 0;
    useAsTheProgramDoes(settings, RefString::fromUtf8(bytes));
    std::string error;
    require(settings.save(&error), "a loaded settings file could not be saved", error);
    SettingsFile saved(RefString::fromUtf8(settingsPath));
    require(saved.load().loaded, "a saved settings file does not load again", bytes);
    return 0;
}
