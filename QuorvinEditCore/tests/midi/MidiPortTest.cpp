#include "MidiTestSupport.h"

#include "midi/MidiDeviceList.h"

namespace {

using Events = std::vector<std::string>;

TEST(MidiDeviceInfoTest, MatchingNeedsEqualNonEmptyNamesAndEqualIds)
{
    const MidiDeviceInfo fs1r(MidiDeviceKind::output, 0, 1, RefString(u"FS1R"));
    EXPECT_TRUE(fs1r.matches(RefString(u"FS1R"), 0, 1));
    EXPECT_FALSE(fs1r.matches(RefString(u"FS1R"), 0, 2));
    EXPECT_FALSE(fs1r.matches(RefString(u"FS1R"), 1, 1));
    EXPECT_FALSE(fs1r.matches(RefString(u"FS1"), 0, 1));
    const MidiDeviceInfo unnamed(MidiDeviceKind::input);
    EXPECT_FALSE(unnamed.matches(unnamed));
    EXPECT_FALSE(fs1r.matches(RefString(), 0, 1));
    EXPECT_TRUE(MidiDeviceInfo::none().isNone());
    EXPECT_FALSE(MidiDeviceInfo::none().matches(MidiDeviceInfo::none()));
    EXPECT_FALSE(fs1r.isNone());
}

TEST(MidiDeviceListTest, ResetKeepsCapacityAndIndexFindsTheFirstMatch)
{
    MidiDeviceList list;
    list.reset(3, MidiDeviceKind::output);
    EXPECT_TRUE(list.add(0, 0, RefString(u"A")));
    EXPECT_TRUE(list.add(0, 7, RefString(u"B")));
    EXPECT_TRUE(list.add(0, 7, RefString(u"B")));
    EXPECT_FALSE(list.add(0, 0, RefString(u"C")));
    std::size_t index = 99;
    EXPECT_TRUE(list.indexOf(MidiDeviceInfo(MidiDeviceKind::output, 0, 7, RefString(u"B")), index));
    EXPECT_EQ(index, 1u);
    EXPECT_EQ(list.at(1).kind(), MidiDeviceKind::output);
    EXPECT_FALSE(list.indexOf(MidiDeviceInfo(MidiDeviceKind::output, 0, 8, RefString(u"B")), index));
    list.reset(1, MidiDeviceKind::output);
    EXPECT_EQ(list.count(), 0u);
    EXPECT_EQ(list.capacity(), 3u);
}

TEST(MidiDeviceListTest, LabelsShowTheLeadingEntryBeforeTheNames)
{
    MidiDeviceList list;
    list.reset(1, MidiDeviceKind::input);
    list.add(0, 0, RefString(u"FS1R"));
    MidiPortLabelList& labels = list.labels();
    labels.setLabel(0, RefString(u"ignored"));
    EXPECT_EQ(labels.count(), 1u);
    EXPECT_EQ(labels.get(0), RefString(u"FS1R"));
    labels.setLeadingEntry(true);
    labels.setLabel(0, RefString(u"None"));
    labels.setLabel(1, RefString(u"ignored"));
    EXPECT_EQ(labels.count(), 2u);
    EXPECT_EQ(labels.get(0), RefString(u"None"));
    EXPECT_EQ(labels.get(1), RefString(u"FS1R"));
    EXPECT_TRUE(labels.get(2).isEmpty());
    EXPECT_TRUE(labels.get(-1).isEmpty());
}

TEST(MidiPortErrorTest, EveryCodeHasItsText)
{
    EXPECT_EQ(midiPortErrorText(MidiPortError::ok), RefString(u"OK"));
    EXPECT_EQ(midiPortErrorText(MidiPortError::deviceNotFound), RefString(u"Device not found."));
    EXPECT_EQ(midiPortErrorText(MidiPortError::portNotAvailable), RefString(u"The MIDI port is not available."));
    EXPECT_EQ(midiPortErrorText(MidiPortError::memoryFailure), RefString(u"Memory failure."));
    EXPECT_EQ(midiPortErrorText(MidiPortError::receivedNullData), RefString(u"Received NULL data."));
    EXPECT_EQ(midiPortErrorText(MidiPortError::bufferOverflow), RefString(u"Buffer overflow."));
    EXPECT_EQ(midiPortErrorText(MidiPortError::unhandledDriverBehaviour),
        RefString(u"Unhandled driver behaviour.\nThe software is not compatible with this MIDI driver."));
    EXPECT_EQ(midiPortErrorText(static_cast<MidiPortError>(7)), RefString(u"Unhandled error code."));
    EXPECT_EQ(midiPortErrorText(static_cast<MidiPortError>(-1)), RefString(u"Unhandled error code."));
}

class MidiPortTest : public LoopbackTest {};

TEST_F(MidiPortTest, OutputListOmitsSynthesizersButOpeningFindsThem)
{
    backend->addPortPair("FS1R");
    backend->addPortPair("Soft synth");
    backend->setCapabilities("Soft synth", 0, 0, MidiTechnology::synthesizer);
    backend->addPortPair("Mapper");
    backend->setCapabilities("Mapper", 1, 2, MidiTechnology::mapper);
    const MidiDeviceList& outputs = enumerateMidiOutputs();
    ASSERT_EQ(outputs.count(), 2u);
    EXPECT_EQ(outputs.at(0).name(), RefString(u"FS1R"));
    EXPECT_EQ(outputs.at(1).productId(), 2);
    EXPECT_EQ(enumerateMidiInputs().count(), 3u);
    MidiOutPort out(recorder);
    EXPECT_EQ(openMidiPort(out, device("Soft synth", MidiDeviceKind::output)), MidiPortError::ok);
}

TEST_F(MidiPortTest, OpenResultsAreReportedWithTheirTexts)
{
    backend->addPortPair("Busy");
    backend->setOpenError("Busy", MidiPortError::portNotAvailable);
    backend->addPortPair("Broken");
    backend->setOpenError("Broken", MidiPortError::memoryFailure);
    backend->addPortPair("FS1R");
    backend->setCapabilities("FS1R", 0, 5, MidiTechnology::port);
    MidiInPort in(fs1rMaxSysex, recorder, recorder);
    EXPECT_EQ(openMidiPort(in, device("Nowhere")), MidiPortError::deviceNotFound);
    EXPECT_EQ(openMidiPort(in, device("FS1R")), MidiPortError::deviceNotFound); // product id differs
    EXPECT_EQ(openMidiPort(in, device("Busy")), MidiPortError::portNotAvailable);
    EXPECT_EQ(openMidiPort(in, device("Broken")), MidiPortError::memoryFailure);
    EXPECT_FALSE(in.isOpen());
    EXPECT_TRUE(in.openDescription().isNone());
    EXPECT_EQ(openMidiPort(in, device("FS1R", MidiDeviceKind::input, 0, 5)), MidiPortError::ok);
    EXPECT_EQ(in.openDescription().name(), RefString(u"FS1R"));
    EXPECT_EQ(recorder.events(),
        (Events{"error Nowhere: Device not found.", "error FS1R: Device not found.",
            "error Busy: The MIDI port is not available.", "error Broken: Memory failure.", "FS1R: Open"}));
}

TEST_F(MidiPortTest, ReopeningOnAnotherDeviceReportsCloseBeforeOpen)
{
    backend->addPortPair("A");
    backend->addPortPair("B");
    {
        MidiOutPort out(recorder);
        openMidiPort(out, device("A", MidiDeviceKind::output));
        openMidiPort(out, device("Missing", MidiDeviceKind::output));
        EXPECT_TRUE(out.isOpen()); // a failed search leaves the old device open
        openMidiPort(out, device("B", MidiDeviceKind::output));
        closeMidiPort(out);
        closeMidiPort(out);
        openMidiPort(out, device("A", MidiDeviceKind::output));
    }
    EXPECT_EQ(recorder.events(),
        (Events{"A: Open", "error Missing: Device not found.", "A: Close", "B: Open", "B: Close", "A: Open",
            "A: Close"}));
}

TEST_F(MidiPortTest, AnInputIsHeldByOnePortAtATimeAndFreedByClosing)
{
    backend->addPortPair("FS1R");
    MidiInPort first(fs1rMaxSysex, recorder, recorder);
    MidiInPort second(fs1rMaxSysex, recorder, recorder);
    EXPECT_EQ(first.open(device("FS1R")), MidiPortError::ok);
    EXPECT_EQ(second.open(device("FS1R")), MidiPortError::portNotAvailable);
    first.close();
    EXPECT_EQ(second.open(device("FS1R")), MidiPortError::ok);
}

TEST_F(MidiPortTest, UnpluggedDeviceIsNotFoundAndSendsToAClosedPortDoNothing)
{
    backend->addPortPair("FS1R");
    MidiOutPort out(recorder);
    out.sendShort({0x90, 1, 2});
    backend->removePortPair("FS1R");
    EXPECT_EQ(out.open(device("FS1R", MidiDeviceKind::output)), MidiPortError::deviceNotFound);
    EXPECT_EQ(enumerateMidiOutputs().count(), 0u);
    EXPECT_TRUE(backend->waitUntilIdle(std::chrono::milliseconds(100)));
}

TEST(MidiMessageTextTest, NamesAndTextsFollowTheStatusTable)
{
    EXPECT_EQ(std::u16string(midiStatusName(0x8F)), u"Note off");
    EXPECT_EQ(std::u16string(midiStatusName(0xA0)), u"Key aft");
    EXPECT_EQ(std::u16string(midiStatusName(0xD3)), u"Chan aft");
    EXPECT_EQ(std::u16string(midiStatusName(0xF1)), u"1/4 Frm");
    EXPECT_EQ(std::u16string(midiStatusName(0xFE)), u"Sense");
    for (const std::uint8_t unnamed : {0x00, 0x7F, 0xF4, 0xF5, 0xF9, 0xFD})
        EXPECT_EQ(midiStatusName(unnamed), nullptr) << int(unnamed);

    auto text = [](std::uint8_t status, std::uint8_t data1, std::uint8_t data2, bool withData = true) {
        return midiMessageText({status, data1, data2}, withData).toUtf8();
    };
    EXPECT_EQ(text(0xB0, 7, 100), "Control CH1 7 100");
    EXPECT_EQ(text(0xB0, 7, 100, false), "Control CH1 7");
    EXPECT_EQ(text(0xE2, 0, 64), "Bender CH3 8192");
    EXPECT_EQ(text(0xE2, 0, 64, false), "Bender CH3");
    EXPECT_EQ(text(0xC5, 12, 0), "Program CH6 12");
    EXPECT_EQ(text(0xF8, 0, 0), "Clock");
    EXPECT_EQ(text(0xF2, 1, 1), "Song pos 129");
    EXPECT_EQ(text(0xF3, 4, 0), "Song sel 4");
    EXPECT_EQ(text(0xF4, 4, 0), "");
    EXPECT_EQ(text(0x8F, 127, 127), "Note off CH16 127 127"); // the longest text
    EXPECT_EQ(text(0x8F, 127, 127).size(), 21u);
}

} // namespace
