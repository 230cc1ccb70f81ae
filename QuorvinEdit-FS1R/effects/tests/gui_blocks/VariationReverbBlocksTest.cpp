// The variation and reverb blocks built in a real window: each type the user
// picks shows its own page, laid out as its table says, with every control
// at that page's default (value buttons sharing a definition included).
#include "EffectPageCheck.h"
#include "VariationReverbItems.h"

#include "controls/Control.h"
#include "effects/EffectBlock.h"
#include "effects/EffectBlockDescriptions.h"
#include "effects/EffectParameters.h"
#include "gui/ControlGroup.h"
#include "gui/ControlStyle.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/AddressMap.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t variationHall = 25;
constexpr std::int32_t variationRoom = 26;

class VariationReverbBlocksTest : public testing::Test {
protected:
    VariationReverbBlocksTest()
    {
        for (const EffectBlockDescription* description : {&variationEffect(), &reverbEffect()}) {
            blocks.push_back(std::make_unique<EffectBlock>(*description, frame, factory, style));
            blocks.back()->layout(nullptr);
        }
    }
    ~VariationReverbBlocksTest() override
    {
        blocks.clear();
        factory.destroyParameters();
        frame->Destroy();
    }

    EffectBlock& variation() const { return *blocks[0]; }
    EffectBlock& reverb() const { return *blocks[1]; }
    static Control& controlAt(const ControlGroup& page, std::size_t item)
    {
        return dynamic_cast<Control&>(*page.controls().at(item)->control());
    }
    static void choose(EffectBlock& block, std::int32_t type) { block.typeParameter()->setValue(flagsUserEdit, type); }

    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "effects", wxDefaultPosition, wxSize(1280, 800));
    AddressMap map{static_cast<std::uint32_t>(Fs1rMemoryLayout::pages().size())};
    bool mapBuilt = Fs1rMemoryLayout::buildAddressMap(map);
    ParameterFactory factory{map, nullptr};
    ControlStyle style;
    std::vector<std::unique_ptr<EffectBlock>> blocks;
};

PackedAddress addressOf(const Parameter* parameter)
{
    const auto* sysex = dynamic_cast<const SysexParameter*>(parameter);
    return sysex ? sysex->field().entries().front()->address() : 0;
}

TEST_F(VariationReverbBlocksTest, EachTypeTheUserPicksShowsItsPageAtItsDefaults)
{
    for (EffectBlock* block : {&variation(), &reverb()}) {
        const EffectBlockDescription& description = block->description();
        SCOPED_TRACE(description.caption);
        ASSERT_EQ(description.pages.size(), std::size_t(description.typeCount));
        for (std::int32_t type = 1; type <= description.typeCount; ++type) {
            choose(*block, type);
            ASSERT_EQ(block->currentType(), type);
            const auto& items = description.pages[std::size_t(type) - 1].items;
            const ControlGroup& page = *block->page(type);
            ASSERT_EQ(page.controls().size(), items.size()) << "type " << type;
            for (std::int32_t other = 1; other <= description.typeCount; ++other)
                EXPECT_EQ(block->page(other)->isShown(), other == type) << "type " << type << " with " << other;
            for (std::size_t i = 0; i < items.size(); ++i) {
                SCOPED_TRACE("type " + std::to_string(type) + " item " + std::to_string(i + 1));
                Control& control = controlAt(page, i);
                Parameter* parameter = control.getParameter(0);
                EXPECT_EQ(page.controls()[i]->labelText().toUtf8(), items[i].label);
                EXPECT_TRUE(isKind(control, items[i].kind));
                if (items[i].definition == pageParameter)
                    EXPECT_EQ(addressOf(parameter), items[i].own.address);
                else
                    EXPECT_EQ(parameter, block->definition(std::size_t(items[i].definition)));
                EXPECT_EQ(parameter->getValue(), EffectParameters::resolveDefault(*parameter, items[i].defaultValue));
                // Items stand 16 px apart, straight below the header's choice.
                const wxPoint at = control.window()->GetPosition();
                EXPECT_EQ(at.y, EffectBlock::pageY + 16 * int(i));
                EXPECT_EQ(at.x, controlAt(block->header(), 0).window()->GetPosition().x);
            }
        }
    }
    EXPECT_EQ(controlAt(variation().header(), 0).window()->GetPosition().y, EffectBlock::headerY);
    EXPECT_LT(controlAt(variation().header(), 0).window()->GetPosition().x,
        controlAt(reverb().header(), 0).window()->GetPosition().x);
}

// Held against lists typed apart from the blocks' tables: a fault in a table
// cannot agree with itself here.
TEST_F(VariationReverbBlocksTest, EveryPageHoldsItsItemsAsTheInstrumentsListsGiveThem)
{
    const struct {
        EffectBlock& block;
        const std::vector<ExpectedEffectPage>& pages;
        std::span<const ExpectedDefinition> definitions;
    } blocksExpected[] = {{variation(), expectedVariationPages(), expectedVariationDefinitions()},
        {reverb(), expectedReverbPages(), expectedReverbDefinitions()}};
    for (const auto& [block, pages, definitions] : blocksExpected) {
        SCOPED_TRACE(block.description().caption);
        ASSERT_EQ(pages.size(), std::size_t(block.description().typeCount));
        for (const ExpectedEffectPage& page : pages)
            expectPageHolds(block, page.type, page.items, definitions);
        expectDefinitions(block, definitions);
    }
}

TEST_F(VariationReverbBlocksTest, HallToRoomAppliesEveryRoomDefault)
{
    choose(variation(), variationHall);
    const ControlGroup& room = *variation().page(variationRoom);
    for (std::size_t i = 0; i < room.controls().size(); ++i) {
        Parameter* parameter = controlAt(room, i).getParameter(0);
        parameter->setValue(flagsUserEdit, parameter->maximum());
    }

    choose(variation(), variationRoom);

    const std::vector<std::int32_t> roomDefaults{5, 10, 16, 4, 49, 2, 64, 8, 64};
    ASSERT_EQ(room.controls().size(), roomDefaults.size());
    for (std::size_t i = 0; i < roomDefaults.size(); ++i)
        EXPECT_EQ(controlAt(room, i).getParameter(0)->getValue(), roomDefaults[i]) << "item " << i + 1;
}

} // namespace
