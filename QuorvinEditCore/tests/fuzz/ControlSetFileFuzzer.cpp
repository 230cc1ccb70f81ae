// Feeds arbitrary bytes to the loading of "*.ctrl.xml" files into a real
// control set. A file that loads must export, and its export must load into
// an empty set as the same bindings under the same name.
#include "localparams/LocalParameter.h"
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiControlBinding.h"
#include "midi/MidiControlGrouper.h"
#include "midi/MidiControlSet.h"
#include "midi/MidiControlSetFile.h"
#include "midi/MidiInterface.h"
#include "tests/fuzz/FuzzerSupport.h"
#include "tests/support/QuietDevice.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

class IdleTimer : public MidiControlGrouper::Timer {
public:
    void start(std::chrono::milliseconds) override {}
    void stop() override {}
};

// Whatever the fuzzer builds must outlive every iteration; it is never freed.
struct World {
    QuietDevice device;
    MidiControlGrouper grouper{std::make_unique<IdleTimer>()};
    std::vector<std::unique_ptr<LocalParameter>> parameters;
    std::unique_ptr<MidiInterface> midi;
    std::string filePath;
    std::string exportPath;
};

World* world = nullptr;

MidiControlSet& controlSet(std::size_t index) { return static_cast<MidiControlSet&>(world->midi->controlSet(index)); }

void reset(MidiControlSet& set)
{
    while (set.bindingCount() > 0)
        set.eraseBinding(0);
    set.name().setText(RefString());
    set.setInput(MidiDeviceInfo(MidiDeviceKind::input));
    set.setOutput(MidiDeviceInfo(MidiDeviceKind::output));
}

std::vector<std::string> bindingTexts(const MidiControlSet& set)
{
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < set.bindingCount(); ++i) {
        const MidiControlBinding& binding = set.binding(i);
        texts.push_back(std::to_string(binding.message().status) + " " + std::to_string(binding.valueByteIndex())
            + (binding.isWide() ? " wide " : " ") + binding.parameterText().toUtf8());
    }
    return texts;
}

// Keys a seed file can name: panel "P", group "G", widgets "A" to "D".
void registerParameters()
{
    for (const char* widget : {"A", "B", "C", "D"}) {
        auto parameter = std::make_unique<LocalParameter>(0, 127);
        ParameterPath path;
        path.panel = RefString(u"P");
        path.group = RefString(u"G");
        path.widget = RefString::fromUtf8(widget);
        parameter->setKeyAndRegister(path);
        world->parameters.push_back(std::move(parameter));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startQuietToolkit();
    auto backend = std::make_shared<LoopbackMidiBackend>();
    // Feedback sent to the surface goes nowhere, so nothing loops back in.
    backend->addPortPair("Surface", [](const std::uint8_t*, std::size_t) {});
    MidiBackend::install(backend);

    world = new World;
    registerParameters();
    world->midi = std::make_unique<MidiInterface>(
        world->device, [](MidiInterface& owner) { return std::make_unique<MidiControlSet>(owner, world->grouper); });
    world->filePath = scratchFile("ControlSetFileFuzzer.ctrl.xml");
    world->exportPath = scratchFile("ControlSetFileFuzzer-export.ctrl.xml");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::ofstream(world->filePath, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
        std::streamsize(size));
    MidiControlSet& loaded = controlSet(0);
    MidiControlSet& reloaded = controlSet(1);
    reset(loaded);
    reset(reloaded);
    std::filesystem::remove(world->exportPath);

    if (!importControlSetFile(loaded, RefString::fromUtf8(world->filePath)))
        return 0;
    std::string error;
    require(exportControlSetFile(loaded, RefString::fromUtf8(world->exportPath), &error),
        "a loaded control set could not be exported", error);
    require(importControlSetFile(reloaded, RefString::fromUtf8(world->exportPath), &error),
        "an exported control set does not load", error);
    require(bindingTexts(reloaded) == bindingTexts(loaded), "the bindings changed on the way through a file",
        std::to_string(loaded.bindingCount()) + " vs " + std::to_string(reloaded.bindingCount()));
    require(reloaded.name().text() == loaded.name().text(), "the name changed on the way through a file",
        loaded.name().text().toUtf8());
    return 0;
}
