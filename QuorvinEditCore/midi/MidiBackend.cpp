#include "midi/MidiBackend.h"

#include "midi/AlsaMidiBackend.h"
#include "midi/LoopbackMidiBackend.h"

#include <cstdlib>
#include <map>
#include <mutex>

namespace {

constexpr const char* choiceVariable = "QUORVIN_MIDI";

struct Registry {
    std::mutex mutex;
    std::shared_ptr<MidiBackend> current;
    std::map<std::string, MidiBackend::Factory> factories{
        {"loopback", [] { return std::make_shared<LoopbackMidiBackend>(); }},
    };
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

} // namespace

std::shared_ptr<MidiBackend> MidiBackend::current()
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (!r.current) {
        const char* choice = std::getenv(choiceVariable);
        const auto found = choice ? r.factories.find(choice) : r.factories.end();
        r.current = found != r.factories.end() ? found->second() : std::make_shared<AlsaMidiBackend>();
    }
    return r.current;
}

std::shared_ptr<MidiBackend> MidiBackend::install(std::shared_ptr<MidiBackend> backend)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    std::swap(r.current, backend);
    return backend;
}

void MidiBackend::addFactory(const std::string& name, Factory factory)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.factories[name] = std::move(factory);
}
