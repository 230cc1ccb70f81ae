// What the user's change of the insertion type sends, read back from the
// simulated FS1R's memory: the type first, then the page's defaults, so the
// instrument holds what the editor shows even where its own defaults differ;
// and what undo and redo of a type change send, where the instrument sets the
// type's own values as it changes.
#include "Fs1rDeviceFixture.h"

#include "effects/EffectBlock.h"
#include "effects/EffectBlockDescriptions.h"
#include "effects/EffectTypeDefaults.h"
#include "gui/ControlStyle.h"
#include "params/SetValueFlags.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "tests/support/EventPump.h"
#include "undo/CommandHistory.h"

#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

constexpr PackedAddress typeAddress = 0x10012f;
constexpr PackedAddress lfoFrequency = 0x100108;
constexpr PackedAddress amDepth = 0x10010a;
constexpr std::int32_t thru = 0;
constexpr std::int32_t tremolo = 11;
// Tremolo's "AM depth" (definition 21) defaults to 112.
constexpr std::int32_t tremoloAmDepth = 112;

class TypeChangeSentTest : public Fs1rDeviceFixture {
protected:
    void SetUp() override
    {
        // The connection and every parameter change sent are verbose traces.
        wxLog::SetVerbose(true);
        connect();
        device->parameterFactory()->setCommandList(&history.list());
        block = std::make_unique<EffectBlock>(insertionEffect(), page, *device->parameterFactory(), style);
        block->layout(nullptr);
    }
    void TearDown() override
    {
        block.reset();
        frame->Destroy();
        wxLog::SetVerbose(false);
    }
    unsigned held(PackedAddress address) { return instrument().parameterValue(address).value_or(0xFFFF); }

    wxGUIEventLoop loop;
    wxEventLoopActivator activeLoop{&loop};
    ControlStyle style;
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "effects");
    wxPanel* page = new wxPanel(frame);
    CommandHistory history;
    std::unique_ptr<EffectBlock> block;
};

TEST_F(TypeChangeSentTest, AUsersTypeChangeSendsTheTypeThenThePagesDefaults)
{
    ASSERT_TRUE(instrument().editParameter(lfoFrequency, 99));
    ASSERT_TRUE(instrument().editParameter(amDepth, 99));
    ASSERT_NE(held(typeAddress), unsigned(tremolo));
    // The instrument tells the editor of its edits too.
    ASSERT_TRUE(pumpEventsUntil(
        [this] { return block->definition(1)->getValue() == 99 && block->definition(21)->getValue() == 99; }));

    log.clear();
    block->typeParameter()->setValue(flagsUserEdit, tremolo);
    ASSERT_TRUE(settle());

    std::vector<std::string> sent = log.texts();
    std::erase_if(sent, [](const std::string& text) { return !text.starts_with("MIDI OUT: ("); });
    ASSERT_GT(sent.size(), 2u) << "the type and the page's defaults";
    EXPECT_TRUE(sent.front().starts_with("MIDI OUT: (10012F)")) << "the type goes first: " << sent.front();
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                  [](const std::string& text) { return text.starts_with("MIDI OUT: (10012F)"); }),
        1);
    EXPECT_EQ(held(typeAddress), unsigned(tremolo));
    EXPECT_EQ(block->definition(21)->getValue(), tremoloAmDepth) << "the editor shows the default";
    EXPECT_EQ(held(amDepth), unsigned(tremoloAmDepth)) << "and so does the instrument";
    EXPECT_NE(block->definition(1)->getValue(), 99);
    EXPECT_EQ(held(lfoFrequency), unsigned(block->definition(1)->getValue()));
}

TEST_F(TypeChangeSentTest, UndoAndRedoOfATypeChangeLeaveTheInstrumentHoldingThePagesValues)
{
    instrument().setEffectTypeDefaults(effectTypeDefaults());
    block->typeParameter()->setValue(flagsUserEdit, tremolo);
    block->definition(21)->setValue(flagsUserEdit, 99);
    // A step of the type alone, as Init's: "Thru" has no page, so nothing
    // of tremolo's changes in the editor.
    block->typeParameter()->setValue(flagsUserEdit, thru);
    ASSERT_TRUE(settle());
    ASSERT_EQ(held(amDepth), 99u);

    const auto pageHeld = [this](const char* step) {
        EXPECT_TRUE(settle()) << step;
        EXPECT_EQ(held(typeAddress), unsigned(block->typeParameter()->getValue())) << step;
        EXPECT_EQ(held(amDepth), unsigned(block->definition(21)->getValue())) << step;
        EXPECT_EQ(held(lfoFrequency), unsigned(block->definition(1)->getValue())) << step;
    };
    // Back to tremolo, the instrument sets its default depth; the editor
    // shows 99 still.
    ASSERT_TRUE(history.list().undo());
    EXPECT_EQ(block->definition(21)->getValue(), 99);
    pageHeld("undo of Thru");
    ASSERT_TRUE(history.list().undo());
    EXPECT_EQ(block->definition(21)->getValue(), tremoloAmDepth);
    pageHeld("undo of the depth");
    ASSERT_TRUE(history.list().undo());
    pageHeld("undo of tremolo");
    ASSERT_TRUE(history.list().redo());
    pageHeld("redo of tremolo");
    ASSERT_TRUE(history.list().redo());
    pageHeld("redo of the depth");
    ASSERT_TRUE(history.list().redo());
    pageHeld("redo of Thru");
}

} // namespace
