#pragma once
// The whole editor model (the FS1R device, its real pages and the MIDI
// interface) against the simulated FS1R over loopback ports without wire-rate
// pacing, and the dump kinds a round trip goes through. Instrument contents
// are random but valid, from a seed the failures print.
#include "instrument/Fs1rDevice.h"
#include "midi/LoopbackMidiBackend.h"
#include "panels/PanelManager.h"
#include "simulator/SimulatorConnection.h"
#include "syxfiles/FakePatchDialogs.h"
#include "tests/device/FakeUserInterface.h"
#include "tests/support/TempFolder.h"
#include "xml/XmlRootElement.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

class SysexParameter;
class wxFrame;

using Bytes = std::vector<std::uint8_t>;

struct DumpKind {
    std::string name;
    Fs1rPart part;
    PackedAddress address;
    std::int32_t page;
    // Formant sequences only: the length code, which sets the size.
    std::uint32_t lengthCode = 0;

    std::uint32_t size() const;
    std::uint32_t countDivisor() const;
    bool isFseq() const { return part == Fs1rParts::formantSequence; }
    // The system settings are no patch: no file holds them.
    bool hasFiles() const { return Fs1rParts::isValid(part); }
};

// Equal bytes, or the places where they differ.
testing::AssertionResult sameBytes(const Bytes& actual, const Bytes& expected);

// System, performance, the four voices and the formant sequence at each
// length code.
const std::vector<DumpKind>& dumpKinds();

class RoundTripFixture : public ::testing::Test {
protected:
    RoundTripFixture();
    ~RoundTripFixture() override;

    // Runs the GUI thread until no request or dump is under way.
    void settle();
    // Settles, then checks that the instrument holds what the editor shows:
    // the system, the performance, the voices and the sequence's header.
    testing::AssertionResult instrumentMatchesAfter(const std::string& step);
    // The same for the kind's own area only, where a step changes nothing
    // else: only the performance chooses other patches.
    testing::AssertionResult kindMatchesAfter(const DumpKind& kind, const std::string& step);
    SimulatedFs1r& instrument() { return simulator_->instrument(); }

    // Every byte 0 to 127 and every parameter of the kind's pages within its
    // range; a sequence's length agrees with its length code.
    Bytes validContents(const DumpKind& kind);
    // The same size, every byte different, the sequence's length kept.
    static Bytes scrambled(const DumpKind& kind, const Bytes& data);
    // Puts the data into the instrument's edit buffer as a bulk dump would.
    void putIntoInstrument(const DumpKind& kind, const Bytes& data);
    // Writes the data into the editor's memory quietly: no store, no
    // history; only the parameters' listeners are told.
    void putIntoEditor(const DumpKind& kind, const Bytes& data);
    // Valid contents in the instrument and junk in the editor, then the
    // editor asks for the dump; returns the instrument's contents.
    Bytes bringIn(const DumpKind& kind);
    // What the editor would send as the kind's dump, at the kind's size.
    Bytes editorBytes(const DumpKind& kind);

    // The parameters of the pages whose bits lie in the kind's dump, each once.
    std::vector<SysexParameter*> parametersOf(const DumpKind& kind);
    // Where an entry's first byte lies in the kind's dump; none outside it.
    std::optional<std::uint32_t> dumpIndex(const DumpKind& kind, PackedAddress address) const;
    // What the parameter's bits encode in the dump data.
    std::int32_t encodedValue(const DumpKind& kind, const SysexParameter& parameter, const Bytes& data) const;

    CommandList& history(const DumpKind& kind) { return panels->history(kind.page); }
    std::string seedText() const { return "seed " + std::to_string(seed_); }

    std::shared_ptr<LoopbackMidiBackend> backend;
    TempFolder folder{"roundtrip"};
    std::unique_ptr<XmlRootElement> settingsRoot;
    XmlElement settings;
    FakeUserInterface ui;
    FakePatchDialogs dialogs;
    wxFrame* frame;
    PanelManager* panels;
    std::unique_ptr<Fs1rDevice> device;
    std::mt19937 random;

private:
    // The event loop the test pumps by hand.
    wxGUIEventLoop loop_;
    wxEventLoopActivator activeLoop_{&loop_};
    std::uint32_t seed_;
    std::unique_ptr<SimulatorConnection> simulator_;
    std::shared_ptr<MidiBackend> previousBackend_;
};
