#include "RoundTripFixture.h"

#include "InstrumentMatch.h"
#include "effects/EffectTypeDefaults.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "midi/MidiInterface.h"
#include "simulator/SimulatorCodec.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "tests/support/EventPump.h"
#include "tests/support/PortInfo.h"

#include <wx/frame.h>

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

using L = Fs1rMemoryLayout;

constexpr std::uint8_t sevenBits = 0x7F;
// The sequence's length: raw frames - 1 over two bytes, 7 bits each.
constexpr std::uint32_t fseqLengthIndex = 0x1E;
// The wait the request for the system settings shows.
constexpr std::string_view systemSettingsWait = "start Waiting for SYSEX data from address 0 -1";

std::uint32_t byteOffset(PackedAddress address, PackedAddress start)
{
    return (linearAddress(address) - linearAddress(start)) & linearAddressMask;
}

std::uint32_t fseqLength(const Bytes& data)
{
    return std::uint32_t(data[fseqLengthIndex]) << 7 | data[fseqLengthIndex + 1];
}

// QUORVIN_ROUNDTRIP_SEED repeats the run a failure printed.
std::uint32_t chosenSeed()
{
    const char* given = std::getenv("QUORVIN_ROUNDTRIP_SEED");
    return given ? std::uint32_t(std::strtoul(given, nullptr, 10)) : std::random_device{}();
}

} // namespace

testing::AssertionResult sameBytes(const Bytes& actual, const Bytes& expected)
{
    if (actual == expected)
        return testing::AssertionSuccess();
    testing::AssertionResult failure = testing::AssertionFailure();
    failure << actual.size() << " bytes, " << expected.size() << " expected; differing at";
    int shown = 0;
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()) && shown < 24; ++i)
        if (actual[i] != expected[i]) {
            failure << " [" << i << "] " << int(actual[i]) << " not " << int(expected[i]) << ";";
            ++shown;
        }
    return failure;
}

std::uint32_t DumpKind::size() const
{
    if (isFseq())
        return L::fseqDumpSize(L::fseqFrames(lengthCode));
    if (part == Fs1rParts::performance)
        return L::performanceDumpSize;
    return Fs1rParts::isVoice(part) ? L::voiceDumpSize : L::systemDumpSize;
}

std::uint32_t DumpKind::countDivisor() const { return L::countDivisor(address); }

const std::vector<DumpKind>& dumpKinds()
{
    static const std::vector<DumpKind> kinds = [] {
        std::vector<DumpKind> made{{"system", Fs1rParts::shownPage, L::systemDumpAddress, Fs1rPanels::systemPage},
            {"performance", Fs1rParts::performance, L::performanceDumpAddress, Fs1rPanels::performancePage}};
        for (std::uint32_t p = 0; p < Fs1rParts::voiceCount; ++p)
            made.push_back({"voice " + std::to_string(p + 1), Fs1rParts::ofVoice(p), L::voiceDumpAddress(p),
                Fs1rPanels::firstVoicePage + std::int32_t(p)});
        for (std::uint32_t code = 0; code < L::fseqLengthCodes; ++code)
            made.push_back({"formant sequence, length code " + std::to_string(code), Fs1rParts::formantSequence,
                L::fseqDumpAddress, Fs1rPanels::fseqPage, code});
        return made;
    }();
    return kinds;
}

RoundTripFixture::RoundTripFixture()
    : backend(std::make_shared<LoopbackMidiBackend>()), settingsRoot(XmlRootElement::create(RefString(u"Settings"))),
      settings(settingsRoot->child(RefString(u"YAMAHA_FS1R"))),
      frame(new wxFrame(nullptr, wxID_ANY, "round trip", wxDefaultPosition, wxSize(1280, 1000))),
      panels(new PanelManager(frame)), seed_(chosenSeed())
{
    random.seed(seed_);
    simulator_ = std::make_unique<SimulatorConnection>(backend);
    // As on the instrument, a new effect type brings its own values.
    instrument().setEffectTypeDefaults(effectTypeDefaults());
    previousBackend_ = MidiBackend::install(backend);
    const XmlElement midiConfig = settings.child(RefString(u"midi_config"));
    writeMidiPortElement(midiConfig.child(RefString(u"input")),
        portInfo(MidiDeviceKind::input, SimulatorConnection::defaultPortName));
    writeMidiPortElement(midiConfig.child(RefString(u"output")),
        portInfo(MidiDeviceKind::output, SimulatorConnection::defaultPortName));
    panels->setConfirmation([](wxWindow&, const wxString&) { return true; });
    device = std::make_unique<Fs1rDevice>(*panels, settings, &ui, RefString::fromUtf8((folder.path() / "").string()));
    device->setPatchDialogs(&dialogs);
    device->setup(frame);
    device->connect();
    // Once connected, the editor asks for the instrument's settings and sends
    // its program change; a test's own requests must not cross them.
    EXPECT_TRUE(pumpEventsUntil([this] { return std::ranges::count(ui.waitCalls, systemSettingsWait) > 0; }));
    settle();
}

RoundTripFixture::~RoundTripFixture()
{
    device.reset();
    delete frame;
    simulator_.reset();
    MidiBackend::install(previousBackend_);
}

void RoundTripFixture::settle()
{
    const MidiInterface& midi = *device->midiInterface();
    // The start of a dump stops the reply timer: the dump is under way
    // until its end has been read.
    ASSERT_TRUE(pumpEventsUntil([this, &midi] {
        return !midi.isWaitingForReply() && !midi.isReceivingDump() && midi.queuedDumpRequests() == 0
            && backend->waitUntilIdle(std::chrono::milliseconds(0));
    }));
}

testing::AssertionResult RoundTripFixture::instrumentMatchesAfter(const std::string& step)
{
    settle();
    testing::AssertionResult matches = instrumentHoldsWhatTheEditorShows(instrument(), *device);
    // The frames go out only in the sequence page's own dump.
    const DumpKind& sequence = dumpKinds().back();
    const Bytes shown = editorBytes(sequence);
    const Bytes held = instrument().dumpData(sequence.address);
    const auto header = [](const Bytes& bytes) {
        return Bytes(bytes.begin(), bytes.begin() + std::ptrdiff_t(std::min<std::size_t>(L::fseqHeaderSize, bytes.size())));
    };
    const testing::AssertionResult sequenceMatches = sameBytes(header(held), header(shown));
    if (!sequenceMatches)
        matches = testing::AssertionFailure() << (matches ? "" : matches.message())
                                              << "\n  the sequence's header (instrument not editor): "
                                              << sequenceMatches.message();
    if (!matches)
        return testing::AssertionFailure() << "after " << step << ": " << matches.message();
    return matches;
}

testing::AssertionResult RoundTripFixture::kindMatchesAfter(const DumpKind& kind, const std::string& step)
{
    if (kind.part == Fs1rParts::performance)
        return instrumentMatchesAfter(step);
    settle();
    const Bytes shown = editorBytes(kind);
    const Bytes held = instrument().dumpData(kind.address);
    // The frames go out only in the sequence page's own dump.
    const std::size_t compared = kind.isFseq() ? L::fseqHeaderSize : shown.size();
    const testing::AssertionResult matches = sameBytes(Bytes(held.begin(), held.begin() + std::ptrdiff_t(std::min(compared, held.size()))),
        Bytes(shown.begin(), shown.begin() + std::ptrdiff_t(compared)));
    if (!matches)
        return testing::AssertionFailure() << "after " << step << ", the instrument's " << kind.name << " (instrument not editor): " << matches.message();
    return matches;
}

Bytes RoundTripFixture::validContents(const DumpKind& kind)
{
    std::uniform_int_distribution<int> byte(0, sevenBits);
    Bytes data(kind.size());
    std::ranges::generate(data, [&] { return std::uint8_t(byte(random)); });
    if (kind.isFseq()) {
        const std::uint32_t frames = L::fseqFrames(kind.lengthCode);
        const std::uint32_t last = std::uniform_int_distribution<std::uint32_t>(frames - 128, frames - 1)(random);
        data[L::fseqLengthCodeAddress & sevenBits] = std::uint8_t(kind.lengthCode);
        data[fseqLengthIndex] = std::uint8_t(last >> 7);
        data[fseqLengthIndex + 1] = std::uint8_t(last & sevenBits);
    }
    // The pages know the ranges: a field that reads outside its own gets a
    // value inside, in its own bits. Fields sharing bits may need a second go.
    putIntoEditor(kind, data);
    const std::vector<SysexParameter*> parameters = parametersOf(kind);
    for (int pass = 0; pass < 4; ++pass) {
        bool changed = false;
        for (SysexParameter* parameter : parameters) {
            const std::int32_t value = parameter->getValue();
            if (value >= parameter->minimum() && value <= parameter->maximum())
                continue;
            // Told, so that what follows a value (an effect block's page)
            // knows it as the instrument does.
            parameter->setValue(flagsConstruct | SetValueFlag::notify,
                std::uniform_int_distribution<std::int32_t>(parameter->minimum(), parameter->maximum())(random));
            changed = true;
        }
        if (!changed)
            break;
    }
    Bytes valid = editorBytes(kind);
    if (kind.isFseq()) {
        EXPECT_EQ(fseqLength(valid), fseqLength(data)) << "the length stays within its code";
    }
    return valid;
}

Bytes RoundTripFixture::scrambled(const DumpKind& kind, const Bytes& data)
{
    Bytes other(data.size());
    std::ranges::transform(data, other.begin(), [](std::uint8_t b) { return std::uint8_t((b + 1) & sevenBits); });
    if (kind.isFseq()) {
        other[L::fseqLengthCodeAddress & sevenBits] = data[L::fseqLengthCodeAddress & sevenBits];
        other[fseqLengthIndex] = data[fseqLengthIndex];
        other[fseqLengthIndex + 1] = data[fseqLengthIndex + 1];
    }
    return other;
}

void RoundTripFixture::putIntoInstrument(const DumpKind& kind, const Bytes& data)
{
    const Bytes message = SimulatorCodec::bulkDump(0, kind.address, data, kind.countDivisor());
    instrument().receiveBytes(message.data(), message.size());
    ASSERT_TRUE(sameBytes(instrument().dumpData(kind.address), data)) << kind.name;
}

void RoundTripFixture::putIntoEditor(const DumpKind& kind, const Bytes& data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const std::span<const std::uint8_t> rest = std::span(data).subspan(done);
        done += std::max<std::size_t>(1,
            device->bytesReceived(addToPackedAddress(kind.address, std::uint32_t(done)), rest, SetValueFlag::notify));
    }
}

Bytes RoundTripFixture::bringIn(const DumpKind& kind)
{
    const Bytes data = validContents(kind);
    putIntoInstrument(kind, data);
    putIntoEditor(kind, scrambled(kind, data));
    EXPECT_TRUE(device->midiInterface()->requestDump(kind.address));
    settle();
    return data;
}

Bytes RoundTripFixture::editorBytes(const DumpKind& kind)
{
    Bytes bytes(kind.size());
    std::uint32_t sum = 0;
    EXPECT_EQ(device->readBytesWithSum(kind.address, bytes, sum), bytes.size());
    return bytes;
}

std::optional<std::uint32_t> RoundTripFixture::dumpIndex(const DumpKind& kind, PackedAddress address) const
{
    for (const Fs1rMemoryPage& page : L::pages()) {
        const std::uint32_t slot = byteOffset(address, page.parameterAddress);
        if (slot >= page.size)
            continue;
        const std::uint32_t index = byteOffset(addToPackedAddress(page.dumpAddress, slot), kind.address);
        return index < kind.size() ? std::optional(index) : std::nullopt;
    }
    return std::nullopt;
}

std::vector<SysexParameter*> RoundTripFixture::parametersOf(const DumpKind& kind)
{
    std::vector<SysexParameter*> found;
    std::set<const SysexParameter*> seen;
    for (const Fs1rMemoryPage& page : L::pages()) {
        const AddressPage* held = device->addressMap().findPage(page.parameterAddress, false);
        for (std::uint32_t slot = 0; held && slot < page.size; ++slot) {
            const PackedAddress address = addToPackedAddress(page.parameterAddress, slot);
            const AddressEntry* entry = held->entryAt(address);
            if (!entry || !dumpIndex(kind, address))
                continue;
            for (const auto& listener : entry->listeners()) {
                const auto* field = dynamic_cast<const SysexField*>(listener.get());
                SysexParameter* parameter = field ? field->parameter() : nullptr;
                if (parameter && seen.insert(parameter).second)
                    found.push_back(parameter);
            }
        }
    }
    return found;
}

std::int32_t RoundTripFixture::encodedValue(const DumpKind& kind, const SysexParameter& parameter,
    const Bytes& data) const
{
    // Each entry's bytes, 7 bits each, most significant first.
    std::vector<std::uint64_t> entries;
    for (const AddressEntry* entry : parameter.field().entries()) {
        std::uint64_t value = 0;
        const std::uint32_t first = dumpIndex(kind, entry->address()).value_or(0);
        for (std::uint32_t i = 0; i < entry->size() && first + i < data.size(); ++i)
            value = value << 7 | data[first + i];
        entries.push_back(value);
    }
    const std::uint32_t width = parameter.bitWidth();
    std::uint64_t bits = entries.size() == 1
        ? entries[0] >> parameter.bitOffset()
        : entries[1] << 7 | (entries[0] & sevenBits);
    bits &= (std::uint64_t(1) << width) - 1;
    const bool negative = parameter.isSigned() && ((bits >> (width - 1)) & 1) != 0;
    return std::int32_t(negative ? std::int64_t(bits) - (std::int64_t(1) << width) : std::int64_t(bits));
}
