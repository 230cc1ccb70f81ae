// A type change made on the instrument reaches the effect pages on the GUI
// thread: the type switch hides and shows windows and rewrites the shared
// destination names, which the GUI thread reads while it draws. Run under
// ThreadSanitizer too, with this thread reading the names meanwhile.
#include "Fs1rDeviceFixture.h"

#include "effects/EffectTypeSwitch.h"
#include "effects/InsertionTables.h"
#include "instrument/Fs1rDestinationLabels.h"
#include "params/Parameter.h"
#include "params/ParameterListener.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "tests/support/EventPump.h"

#include <wx/thread.h>

#include <vector>

namespace {

constexpr PackedAddress insertionType = 0x10012f;
constexpr std::int32_t insertionTypes = 40;
constexpr std::int32_t delayLcr = 33;
constexpr std::int32_t echo = 35;

// Does what the insertion block does on a type change, minus the windows.
class TypeSwitchProbe : public ParameterListener {
public:
    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override
    {
        onGuiThread.push_back(wxThread::IsMain());
        if (const auto step = typeSwitch.change(parameter->getValue(), flags)) {
            appliedDefaults = appliedDefaults || step->applyDefaults;
            nameInsertionDestinations(nullptr, nullptr);
        }
    }

    EffectTypeSwitch typeSwitch{insertionTypes};
    std::vector<bool> onGuiThread;
    bool appliedDefaults = false;
};

class ReceivedTypeTest : public Fs1rDeviceFixture {};

TEST_F(ReceivedTypeTest, TypesFromTheInstrumentSwitchOnTheGuiThreadWithoutDefaults)
{
    connect();
    SysexParameter& type = *device->parameterFactory()->addSysexParameter(insertionType, 0, insertionTypes, 0);
    TypeSwitchProbe probe;
    type.addListener(&probe);

    ASSERT_TRUE(instrument().editParameter(insertionType, delayLcr));
    ASSERT_TRUE(pumpEventsUntil([&] {
        getDestinationLabels()->get(firstInsertionDestination);
        return probe.typeSwitch.currentType() == delayLcr;
    }));
    ASSERT_TRUE(instrument().editParameter(insertionType, echo));
    ASSERT_TRUE(instrument().sendDump(0x100000));
    ASSERT_TRUE(pumpEventsUntil([&] {
        getDestinationLabels()->get(firstInsertionDestination);
        return probe.typeSwitch.currentType() == echo && settle();
    }));

    ASSERT_FALSE(probe.onGuiThread.empty());
    for (bool gui : probe.onGuiThread)
        EXPECT_TRUE(gui);
    EXPECT_FALSE(probe.appliedDefaults) << "the instrument's own values stay";
    type.removeListener(&probe);
}

} // namespace
