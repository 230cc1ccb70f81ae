// The variation and reverb blocks of the real performance page, connected
// to the simulated FS1R: the user's edits reach the instrument's memory, one
// byte for a one-byte reverb slot, and its dump and front-panel edits come
// back into every parameter over their slots.
#include "controls/Control.h"
#include "effects/EffectBlock.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiInterface.h"
#include "panels/PanelManager.h"
#include "panels/PerformancePanel.h"
#include "params/SetValueFlags.h"
#include "simulator/SimulatorConnection.h"
#include "sysex/SysexParameter.h"
#include "tests/device/FakeUserInterface.h"
#include "tests/support/EventPump.h"
#include "tests/support/LogCapture.h"
#include "tests/support/PortInfo.h"
#include "tests/support/TempFolder.h"
#include "xml/XmlRootElement.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/frame.h>

#include <memory>

namespace {

constexpr std::size_t variationBlock = 1;
constexpr std::size_t reverbBlock = 2;
constexpr std::int32_t karaoke = 24;
constexpr PackedAddress variationType = 0x10012b;

// The offset of a performance common address in the performance dump.
std::size_t dumpOffset(PackedAddress address) { return (address >> 7 & 0x7F) * 128 + (address & 0x7F); }

class EffectsOnInstrumentTest : public testing::Test {
protected:
    EffectsOnInstrumentTest()
    {
        // The connection's progress shows in verbose traces only.
        wxLog::SetVerbose(true);
        const XmlElement midiConfig = settings.child(RefString(u"midi_config"));
        writeMidiPortElement(midiConfig.child(RefString(u"input")),
            portInfo(MidiDeviceKind::input, SimulatorConnection::defaultPortName));
        writeMidiPortElement(midiConfig.child(RefString(u"output")),
            portInfo(MidiDeviceKind::output, SimulatorConnection::defaultPortName));
        device =
            std::make_unique<Fs1rDevice>(*panels, settings, &ui, RefString::fromUtf8((folder.path() / "").string()));
        device->setup(frame);
        device->connect();
        EXPECT_TRUE(pumpEventsUntil([this] { return log.contains("Connection done. Request the device settings"); }));
        EXPECT_TRUE(settle());
    }
    ~EffectsOnInstrumentTest() override
    {
        // As the main window does: the device first, then the pages.
        device.reset();
        delete frame;
        MidiBackend::install(previousBackend);
        wxLog::SetVerbose(false);
    }

    bool settle()
    {
        const MidiInterface& midi = *device->midiInterface();
        return pumpEventsUntil([this, &midi] {
            return !midi.isWaitingForReply() && midi.queuedDumpRequests() == 0
                && backend->waitUntilIdle(std::chrono::milliseconds(0));
        });
    }
    EffectBlock& block(std::size_t index) const
    {
        const auto& page = dynamic_cast<PerformancePanel&>(*panels->page(Fs1rPanels::performancePage));
        return *page.effectBlocks().at(index);
    }
    SimulatedFs1r& instrument() { return simulator->instrument(); }
    std::uint8_t dumpByte(PackedAddress address)
    {
        return instrument().dumpData(Fs1rMemoryLayout::performanceDumpAddress).at(dumpOffset(address));
    }

    wxGUIEventLoop loop;
    wxEventLoopActivator activeLoop{&loop};
    std::shared_ptr<LoopbackMidiBackend> backend = std::make_shared<LoopbackMidiBackend>();
    std::unique_ptr<SimulatorConnection> simulator = std::make_unique<SimulatorConnection>(backend);
    std::shared_ptr<MidiBackend> previousBackend = MidiBackend::install(backend);
    LogCapture log;
    TempFolder folder{"effects"};
    std::unique_ptr<XmlRootElement> settingsRoot = XmlRootElement::create(RefString(u"Settings"));
    XmlElement settings = settingsRoot->child(RefString(u"YAMAHA_FS1R"));
    FakeUserInterface ui;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "effects", wxDefaultPosition, wxSize(1280, 1000));
    PanelManager* panels = new PanelManager(frame);
    std::unique_ptr<Fs1rDevice> device;
};

TEST_F(EffectsOnInstrumentTest, AUsersTypeAndEditsReachTheInstrumentButThePageDefaultsDoNot)
{
    EffectBlock& variation = block(variationBlock);
    const std::uint8_t delayHighBefore = dumpByte(0x100068);
    const std::uint8_t delayLowBefore = dumpByte(0x100069);
    variation.typeParameter()->setValue(flagsUserEdit, karaoke);
    ASSERT_TRUE(settle());
    EXPECT_EQ(instrument().parameterValue(variationType), unsigned(karaoke));
    EXPECT_EQ(dumpByte(0x100068), delayHighBefore) << "defaults are applied quietly";
    EXPECT_EQ(dumpByte(0x100069), delayLowBefore);

    // The page's own "DelayTime", then the long "L delay" over the same slot.
    auto& delayControl = dynamic_cast<Control&>(*variation.page(karaoke)->controls().front()->control());
    Parameter& delayTime = *delayControl.getParameter(0);
    delayTime.setValue(flagsUserEdit, 100);
    ASSERT_TRUE(settle());
    EXPECT_EQ(instrument().parameterValue(0x100068), 100u);
    variation.definition(40)->setValue(flagsUserEdit, 9000);
    ASSERT_TRUE(settle());
    EXPECT_EQ(instrument().parameterValue(0x100068), 9000u);
    EXPECT_EQ(dumpByte(0x100068), 9000 / 128);
    EXPECT_EQ(dumpByte(0x100069), 9000 % 128);
}

TEST_F(EffectsOnInstrumentTest, AOneByteReverbSlotTakesOneByteOfTheInstrumentsMemory)
{
    EffectBlock& reverb = block(reverbBlock);
    const std::uint8_t nextBefore = dumpByte(0x100065);
    reverb.definition(22)->setValue(flagsUserEdit, 40);
    ASSERT_TRUE(settle());
    EXPECT_EQ(instrument().parameterValue(0x100064), 40u);
    EXPECT_EQ(dumpByte(0x100064), 40);
    EXPECT_EQ(dumpByte(0x100065), nextBefore);
    EXPECT_EQ(reverb.definition(11)->getValue(), 40) << "the other definition over the byte";
}

TEST_F(EffectsOnInstrumentTest, TheInstrumentsEditsAndDumpsComeBackIntoEveryParameterOverASlot)
{
    EffectBlock& reverb = block(reverbBlock);
    ASSERT_TRUE(instrument().editParameter(0x100065, 70));
    EXPECT_TRUE(pumpEventsUntil([&reverb] { return reverb.definition(23)->getValue() == 70; }));
    EXPECT_EQ(reverb.definition(12)->getValue(), 70);

    EffectBlock& variation = block(variationBlock);
    ASSERT_TRUE(instrument().editParameter(0x100100, 300));
    ASSERT_TRUE(instrument().editParameter(variationType, karaoke));
    ASSERT_TRUE(instrument().sendDump(Fs1rMemoryLayout::performanceDumpAddress));
    EXPECT_TRUE(pumpEventsUntil([&variation] { return variation.currentType() == karaoke; }));
    EXPECT_TRUE(variation.page(karaoke)->isShown());
    for (std::size_t number : {16, 48, 68})
        EXPECT_EQ(variation.definition(number)->getValue(), 300) << number;
}

} // namespace
