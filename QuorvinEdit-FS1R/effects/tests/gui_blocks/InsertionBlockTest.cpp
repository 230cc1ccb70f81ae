// The insertion block on a real window over the instrument's memory layout:
// which page shows and paints, what each page holds, the defaults a user's
// type change brings (and an undo or redo brings again), and the control
// destinations named after the shown page.
#include "InsertionDefaults.h"
#include "InsertionExpectations.h"

#include "controls/Control.h"
#include "effects/EffectBlock.h"
#include "effects/EffectBlockDescriptions.h"
#include "effects/InsertionTables.h"
#include "gui/ControlElement.h"
#include "gui/ControlGroup.h"
#include "gui/LabelElement.h"
#include "gui/ControlStyle.h"
#include "instrument/Fs1rDestinationLabels.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "undo/CommandList.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/utils.h>

#include <array>
#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

namespace {

using namespace std::chrono_literals;

constexpr std::int32_t chorus = 1;
constexpr std::int32_t celeste = 2;
constexpr std::int32_t tremolo = 11;
constexpr std::int32_t compDist = 25;
constexpr std::int32_t revrsGate = 40;
constexpr std::size_t modeItem = 11;
constexpr PackedAddress lfoFrequency = 0x100108;
constexpr PackedAddress typeAddress = 0x10012f;

std::string text(const RefString& value) { return value.toUtf8(); }

bool pumpEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 3s)
{
    for (const auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
        wxYield();
        if (done())
            return true;
        wxMilliSleep(5);
    }
    return false;
}

void pumpEventsFor(std::chrono::milliseconds time) { pumpEventsUntil([] { return false; }, time); }

class InsertionBlockTest : public testing::Test {
protected:
    InsertionBlockTest()
    {
        factory.setCommandList(&history);
        block = std::make_unique<EffectBlock>(insertionEffect(), page, factory, style, [this] { ++redraws; });
        block->layout(nullptr);
        frame->Show();
        pumpEventsFor(50ms);
    }
    ~InsertionBlockTest() override
    {
        block.reset();
        factory.destroyParameters();
        frame->Destroy();
    }

    // What a dump or parameter change from the instrument does to one slot.
    void receive(PackedAddress address, std::int32_t value)
    {
        AddressEntry& entry = *map.findEntry(address);
        if (entry.size() == 1) {
            const std::array<std::uint8_t, 1> bytes{std::uint8_t(value)};
            entry.writeBytes(bytes, flagsSysexReceived);
            return;
        }
        const std::array<std::uint8_t, 2> bytes{std::uint8_t(value >> 7 & 0x7F), std::uint8_t(value & 0x7F)};
        entry.writeBytes(bytes, flagsSysexReceived);
    }
    void userPicks(std::int32_t type) { block->typeParameter()->setValue(flagsUserEdit, type); }

    static Control& controlAt(const ControlGroup& group, std::size_t item)
    {
        return dynamic_cast<Control&>(*group.controls().at(item)->control());
    }
    static std::int32_t valueAt(const ControlGroup& group, std::size_t item)
    {
        return controlAt(group, item).mainParameter()->getValue();
    }
    // The values of the page's items, top to bottom.
    std::vector<std::int32_t> pageValues(std::int32_t type) const
    {
        std::vector<std::int32_t> values;
        const ControlGroup& group = *block->page(type);
        for (std::size_t item = 0; item < group.controls().size(); ++item)
            values.push_back(valueAt(group, item));
        return values;
    }
    static std::vector<std::string> insertionDestinations()
    {
        std::vector<std::string> names;
        for (std::int32_t k = 1; k <= insertionDestinationCount; ++k)
            names.push_back(text(getDestinationLabels()->get(k)));
        return names;
    }
    // The captions the block draws over a plain background.
    wxImage paintedCaptions(const std::function<void(wxDC&, const wxRect&)>& paint) const
    {
        const wxRect area(insertionEffect().x, EffectBlock::pageY, 140, 240);
        wxBitmap bitmap(area.GetRight() + 1, area.GetBottom() + 1);
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        paint(dc, area);
        dc.SelectObject(wxNullBitmap);
        return bitmap.ConvertToImage().GetSubImage(area);
    }

    AddressMap map{static_cast<std::uint32_t>(Fs1rMemoryLayout::pages().size())};
    bool mapBuilt = Fs1rMemoryLayout::buildAddressMap(map);
    ParameterFactory factory{map, nullptr};
    CommandList history;
    ControlStyle style;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "effects", wxDefaultPosition, wxSize(900, 760));
    wxPanel* page = new wxPanel(frame);
    std::unique_ptr<EffectBlock> block;
    int redraws = 0;
};

// The definitions' ranges; this list gives no addresses.
std::vector<ExpectedDefinition> expectedDefinitions()
{
    std::vector<ExpectedDefinition> definitions;
    for (const ExpectedRange& range : expectedDefinitionRanges())
        definitions.push_back({0, range});
    return definitions;
}

// Held against lists typed apart from the block's tables: a fault in a table
// cannot agree with itself here.
TEST_F(InsertionBlockTest, EveryPageHoldsItsItemsWithTheirLabelsKindsDefinitionsAndRanges)
{
    ASSERT_EQ(expectedInsertionPages().size(), std::size_t(insertionEffect().typeCount));
    const std::vector<ExpectedDefinition> definitions = expectedDefinitions();
    for (const ExpectedInsertionPage& expected : expectedInsertionPages())
        expectPageHolds(*block, expected.type, expected.items, definitions);
}

// Every definition, bound by a page or not; number 87 is not made.
TEST_F(InsertionBlockTest, EveryDefinitionHasItsRange)
{
    ASSERT_EQ(expectedDefinitionRanges().size(), 103u);
    expectDefinitions(*block, expectedDefinitions());
}

// The header's choice stands at the block's place with a 60 px label column
// whose last 6 px part label from choice; every page below it, 16 px a row,
// with a 57 px label box and a 3 px gap.
TEST_F(InsertionBlockTest, TheHeaderAndEveryPageStandAtTheBlocksPlace)
{
    constexpr int blockX = 664;
    constexpr int controlX = blockX + 60;
    const ControlElement& header = *block->header().controls().at(0);
    EXPECT_EQ(controlAt(block->header(), 0).window()->GetRect(), wxRect(controlX, 462, 80, 16));
    EXPECT_EQ(text(header.labelText()), "Insertion");
    EXPECT_EQ(header.caption()->pageBox().right(), controlX - 6);
    for (std::int32_t t = 1; t <= insertionEffect().typeCount; ++t) {
        const ControlGroup& group = *block->page(t);
        for (std::size_t i = 0; i < group.controls().size(); ++i) {
            SCOPED_TRACE("type " + std::to_string(t) + " item " + std::to_string(i + 1));
            const int y = EffectBlock::pageY + 16 * int(i);
            EXPECT_EQ(controlAt(group, i).window()->GetRect(), wxRect(controlX, y, 80, 16));
            const LayoutRect box = group.controls()[i]->caption()->pageBox();
            EXPECT_EQ(box.x, blockX);
            EXPECT_EQ(box.width, 57);
        }
    }
}

TEST_F(InsertionBlockTest, TheTypeChoiceNamesEveryType)
{
    const Parameter& type = *controlAt(block->header(), 0).mainParameter();
    const auto names = expectedInsertionTypeNames();
    ASSERT_EQ(names.size(), 41u);
    EXPECT_EQ(type.minimum(), 0);
    EXPECT_EQ(type.maximum(), 40);
    for (std::int32_t t = 0; t <= 40; ++t)
        EXPECT_EQ(text(type.valueText(t)), names[std::size_t(t)]) << t;
}

TEST_F(InsertionBlockTest, TheLoFiEmphasisReadsOffAndOn)
{
    constexpr std::int32_t loFi = 20;
    constexpr std::size_t emphasisItem = 7;
    const ControlGroup& group = *block->page(loFi);
    ASSERT_EQ(text(group.itemText(emphasisItem)), "Emphasis");
    const Parameter& emphasis = *controlAt(group, emphasisItem).mainParameter();
    EXPECT_EQ(text(emphasis.valueText(0)), "off");
    EXPECT_EQ(text(emphasis.valueText(1)), "on");
}

TEST_F(InsertionBlockTest, OnlyTheCurrentTypesPageShowsAndReceivedTypesKeepTheValues)
{
    EXPECT_EQ(block->currentType(), 0);
    for (std::int32_t t = 1; t <= insertionEffect().typeCount; ++t)
        EXPECT_FALSE(block->page(t)->isShown()) << "no page before the first type arrives";
    receive(lfoFrequency, 99);

    for (std::int32_t t = 1; t <= insertionEffect().typeCount; ++t) {
        receive(typeAddress, t);
        ASSERT_EQ(block->currentType(), t);
        for (std::int32_t other = 1; other <= insertionEffect().typeCount; ++other) {
            const ControlGroup& group = *block->page(other);
            EXPECT_EQ(group.isShown(), other == t);
            EXPECT_EQ(controlAt(group, 0).window()->IsShown(), other == t) << "the controls follow their page";
        }
    }
    EXPECT_EQ(block->definition(1)->getValue(), 99) << "a received type applies no defaults";
    EXPECT_TRUE(history.commands().empty());

    receive(typeAddress, 0);
    EXPECT_FALSE(block->page(insertionEffect().typeCount)->isShown());
}

TEST_F(InsertionBlockTest, OnlyTheShownPagesCaptionsArePainted)
{
    const ControlGroup& chorusPage = *block->page(chorus);
    const wxImage none = paintedCaptions([this](wxDC& dc, const wxRect& area) { block->paint(dc, area); });
    receive(typeAddress, chorus);
    const wxImage shown = paintedCaptions([this](wxDC& dc, const wxRect& area) { block->paint(dc, area); });
    const wxImage alone = paintedCaptions([&](wxDC& dc, const wxRect& area) {
        chorusPage.paintChildren(dc, LayoutRect(area.x, area.y, area.width, area.height));
    });

    const auto differ = [](const wxImage& a, const wxImage& b) {
        return std::memcmp(a.GetData(), b.GetData(), std::size_t(a.GetWidth() * a.GetHeight() * 3)) != 0;
    };
    EXPECT_TRUE(differ(none, shown)) << "the Chorus captions appear";
    EXPECT_FALSE(differ(shown, alone)) << "and nothing of the other 39 pages";
}

TEST_F(InsertionBlockTest, AStepOnTheTypeChoiceShowsChorusWithItsDefaultsInOneUndoStep)
{
    Control& choice = controlAt(block->header(), 0);
    receive(lfoFrequency, 99);
    choice.window()->SetFocus();
    ASSERT_TRUE(pumpEventsUntil([&] { return Control::focusedControl() == &choice; }));
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_keyCode = WXK_PAGEUP;
    down.SetEventObject(choice.window());
    choice.window()->GetEventHandler()->ProcessEvent(down);
    wxKeyEvent up(wxEVT_KEY_UP);
    up.m_keyCode = WXK_PAGEUP;
    up.SetEventObject(choice.window());
    choice.window()->GetEventHandler()->ProcessEvent(up);

    ASSERT_EQ(block->currentType(), chorus);
    EXPECT_TRUE(block->page(chorus)->isShown());
    EXPECT_EQ(pageValues(chorus), insertionPageDefaults()[0].raws);
    EXPECT_EQ(history.commands().size(), 1u) << "the defaults are not recorded";
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(block->currentType(), 0);
    EXPECT_FALSE(block->page(chorus)->isShown());
}

TEST_F(InsertionBlockTest, EachUsersTypeChangeAppliesThatPagesOwnDefaults)
{
    for (const InsertionPageDefaults& expected : insertionPageDefaults()) {
        userPicks(expected.type);
        EXPECT_EQ(pageValues(expected.type), expected.raws) << "type " << expected.type;
    }
    EXPECT_EQ(history.commands().size(), insertionPageDefaults().size()) << "only the type changes are recorded";
}

TEST_F(InsertionBlockTest, ValueButtonsSharingADefinitionKeepTheirOwnPagesDefault)
{
    userPicks(tremolo);
    EXPECT_EQ(valueAt(*block->page(tremolo), modeItem), 1) << "stereo";
    userPicks(chorus);
    EXPECT_EQ(valueAt(*block->page(chorus), modeItem), 0) << "mono, though Tremolo's page was built later";
    userPicks(tremolo);
    EXPECT_EQ(valueAt(*block->page(tremolo), modeItem), 1);
    userPicks(celeste);
    EXPECT_EQ(valueAt(*block->page(celeste), modeItem), 0);
}

// The defaults a type change applies belong to its step: undo gives back what
// they replaced (here a value the user set), redo the defaults.
TEST_F(InsertionBlockTest, UndoAndRedoOfATypeChangeGiveBackTheValuesBeforeAndAfterIt)
{
    userPicks(tremolo);
    std::vector<std::int32_t> edited = pageValues(tremolo);
    Parameter* lfo = controlAt(*block->page(tremolo), 0).mainParameter();
    lfo->setValue(flagsUserEdit, lfo->getValue() == 5 ? 6 : 5);
    edited.front() = lfo->getValue();
    userPicks(chorus);
    receive(lfoFrequency, 99);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(block->currentType(), tremolo);
    EXPECT_EQ(pageValues(tremolo), edited);

    receive(lfoFrequency, 99);
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(block->currentType(), chorus);
    EXPECT_EQ(pageValues(chorus), insertionPageDefaults()[chorus - 1].raws);
}

TEST_F(InsertionBlockTest, ControlDestinationsNameTheShownPagesDestinationItems)
{
    const std::string none = "---";
    userPicks(chorus);
    EXPECT_EQ(insertionDestinations(),
        (std::vector<std::string>{"I: LFO freq", "I: LFO depth", "I: FB level", "I: EQ low frq", "I: EQ low",
            "I: EQ mid frq", "I: EQ mid", "I: EQ mid Q", "I: EQ hi frq", "I: EQ hi", "I: Mode", "I: Wet mix", none,
            none}));
    EXPECT_EQ(redraws, 1) << "the destination choices are redrawn";

    // Its destination row flags a fourteenth item that the page does not have.
    receive(typeAddress, compDist);
    const auto names = insertionDestinations();
    EXPECT_EQ(names[12], "I: OutputLevel");
    EXPECT_EQ(names[13], none);

    userPicks(revrsGate);
    EXPECT_EQ(insertionDestinations(),
        (std::vector<std::string>{"I: FB level", "I: HPF cutoff", "I: LPF cutoff", "I: Wet mix", none, none, none,
            none, none, none, none, none, none, none}));

    userPicks(0);
    EXPECT_EQ(insertionDestinations(), std::vector<std::string>(14, none));
    EXPECT_EQ(redraws, 4);
}

// Each type's flagged items name the destinations in page order, the rest
// read "---"; flags past the page's last item name nothing.
TEST_F(InsertionBlockTest, EveryTypeNamesTheDestinationsOfItsFlaggedItems)
{
    for (const ExpectedInsertionPage& expected : expectedInsertionPages()) {
        std::vector<std::string> names;
        for (int item : expected.destinationItems)
            if (std::size_t(item) <= expected.items.size())
                names.push_back(std::string("I: ") + expected.items[std::size_t(item) - 1].label);
        names.resize(std::size_t(insertionDestinationCount), "---");
        receive(typeAddress, expected.type);
        EXPECT_EQ(insertionDestinations(), names) << "type " << expected.type;
    }
}

TEST_F(InsertionBlockTest, AHeaderResetHidesThePageAndResetsNoEffectParameter)
{
    userPicks(tremolo);
    receive(lfoFrequency, 99);
    block->init(flagsUserReset);
    EXPECT_EQ(block->typeParameter()->getValue(), 0);
    EXPECT_EQ(block->currentType(), 0);
    EXPECT_FALSE(block->page(tremolo)->isShown());
    EXPECT_EQ(block->definition(1)->getValue(), 99);
}

// A page's controls are made when its type first arrives, over parameters
// that hold their keys (MIDI bindings find them by these) and the
// instrument's data by then: making them changes none of it.
TEST_F(InsertionBlockTest, APageMadeWhenItsTypeArrivesLeavesTheKeysAndValuesAsTheyWere)
{
    const std::size_t count = insertionEffect().definitions.size();
    for (std::size_t number = 0; number < count; ++number)
        if (SysexParameter* definition = block->definition(number))
            definition->setValue(flagsSysexReceived, definition->maximum());
    const auto held = [&] {
        std::vector<std::string> keysAndValues;
        for (std::size_t number = 0; number < count; ++number)
            if (const SysexParameter* definition = block->definition(number))
                keysAndValues.push_back(text(definition->key().path.text()) + " "
                    + std::to_string(definition->key().path.index) + (definition->isRegistered() ? " " : " unfound ")
                    + std::to_string(definition->getValue()));
        return keysAndValues;
    };
    const std::vector<std::string> received = held();
    for (const std::string& keyAndValue : received)
        EXPECT_EQ(keyAndValue.rfind("FS1R ins ", 0), 0u) << keyAndValue;
    for (std::int32_t type = 1; type <= insertionEffect().typeCount; ++type) {
        receive(typeAddress, type);
        EXPECT_EQ(held(), received) << "type " << type;
    }
}

// Tab goes from the type choice down the shown page, whichever page was
// made first.
TEST_F(InsertionBlockTest, APagesControlsFollowTheTypeChoiceInTheTabOrder)
{
    receive(typeAddress, celeste);
    receive(typeAddress, chorus);
    const wxWindowList& order = page->GetChildren();
    auto at = order.Find(controlAt(block->header(), 0).window());
    ASSERT_NE(at, nullptr);
    const ControlGroup& shown = *block->page(chorus);
    for (std::size_t item = 0; item < shown.controls().size(); ++item) {
        at = at->GetNext();
        ASSERT_NE(at, nullptr);
        EXPECT_EQ(at->GetData(), controlAt(shown, item).window()) << "item " << item;
    }
}

} // namespace
