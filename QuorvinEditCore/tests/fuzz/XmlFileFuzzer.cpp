// Feeds arbitrary bytes to the settings file's loading path. Whatever loads
// must read as the program reads it, take any text, save, and load again.
#include "files/SettingsFile.h"
#include "tests/fuzz/FuzzerSupport.h"

#include <cstdint>
#include <fstream>
#include <string>

namespace {

std::string settingsPath;

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
    startQuietToolkit();
    settingsPath = scratchFile("XmlFileFuzzer.xml");
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
