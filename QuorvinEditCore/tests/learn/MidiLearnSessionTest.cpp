// MIDI learn without windows: the prompt and the focused control are fakes,
// the control set and its bindings are real.
#include "localparams/LocalParameter.h"
#include "midi/LoopbackMidiBackend.h"
#include "midi/MidiControlBinding.h"
#include "midi/MidiControlGrouper.h"
#include "midi/MidiControlSet.h"
#include "midi/MidiInterface.h"
#include "midi/MidiLearnPrompt.h"
#include "midi/MidiLearnSession.h"
#include "params/SetValueFlags.h"
#include "tests/support/ListenerCounter.h"
#include "tests/support/LogCapture.h"
#include "tests/support/QuietDevice.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr MidiMessage volumeKnob{0xB0, 7, 100};
constexpr MidiMessage panKnob{0xB0, 10, 64};
constexpr MidiMessage clock{0xF8, 0, 0};

class IdleTimer : public MidiControlGrouper::Timer {
public:
    void start(std::chrono::milliseconds) override {}
    void stop() override {}
};

// Plays the user: records what it was shown, may do something while it
// runs (as further messages arrive in the real dialog's modal loop), then
// accepts or cancels with a choice.
struct ScriptedPrompt : MidiLearnPrompt {
    struct Script {
        bool accept = true;
        int choice = 0;
        std::function<void()> whileRunning;
        std::vector<MidiMessage> shown;
        ParameterList candidates;
    };

    explicit ScriptedPrompt(Script& script) : script(script) {}
    void setMessage(MidiMessage message) override { script.shown.push_back(message); }
    bool run(bool /*confirm*/) override
    {
        if (script.whileRunning)
            script.whileRunning();
        return script.accept;
    }
    Parameter* selectedParameter() const override
    {
        const auto index = std::size_t(script.choice);
        return index < script.candidates.size() ? script.candidates[index] : nullptr;
    }

    Script& script;
};

class MidiLearnTest : public ::testing::Test {
protected:
    MidiLearnTest()
    {
        previousBackend_ = MidiBackend::install(std::make_shared<LoopbackMidiBackend>());
        midi_ = std::make_unique<MidiInterface>(
            device_, [this](MidiInterface& owner) { return std::make_unique<MidiControlSet>(owner, grouper_); });
        set().learnSwitch().setValue(flagsUserEdit, 1);
        session = makeSession();
    }
    ~MidiLearnTest() override
    {
        session.reset();
        midi_.reset();
        MidiBackend::install(previousBackend_);
    }

    std::unique_ptr<MidiLearnSession> makeSession()
    {
        return std::make_unique<MidiLearnSession>(
            set(),
            [this](std::shared_ptr<const ParameterList> candidates) {
                ++promptsMade;
                script.candidates = *candidates;
                return std::make_unique<ScriptedPrompt>(script);
            },
            [this](const RefString& caption, const RefString& text) {
                warnings.push_back(caption.toUtf8() + ": " + text.toUtf8());
            },
            [this] { return focused; });
    }

    MidiControlSet& set() const { return static_cast<MidiControlSet&>(midi_->controlSet(0)); }
    void focusOn(ParameterList parameters) { focused = std::make_shared<const ParameterList>(std::move(parameters)); }
    Parameter* boundTo(std::size_t index) const { return set().binding(index).parameter(); }

    LogCapture log;
    LocalParameter level{0, 99};
    LocalParameter pan{0, 127};
    std::shared_ptr<const ParameterList> focused;
    ScriptedPrompt::Script script;
    int promptsMade = 0;
    std::vector<std::string> warnings;
    std::unique_ptr<MidiLearnSession> session;

private:
    QuietDevice device_;
    MidiControlGrouper grouper_{std::make_unique<IdleTimer>()};
    std::shared_ptr<MidiBackend> previousBackend_;
    std::unique_ptr<MidiInterface> midi_;
};

TEST_F(MidiLearnTest, NothingUnderThePointerOpensNoPromptAndBindsNothing)
{
    set().handleMessage(volumeKnob);
    EXPECT_EQ(promptsMade, 0);
    EXPECT_EQ(set().bindingCount(), 0u);
}

TEST_F(MidiLearnTest, AcceptedSingleCandidateIsBoundAndTheListTold)
{
    ListenerCounter listener;
    set().listeners().add(&listener);
    focusOn({&level});
    set().handleMessage(volumeKnob);
    ASSERT_EQ(set().bindingCount(), 1u);
    EXPECT_EQ(boundTo(0), &level);
    EXPECT_EQ(set().binding(0).message().data1, volumeKnob.data1);
    EXPECT_EQ(listener.heard.size(), 1u);
    EXPECT_TRUE(warnings.empty());
    // Learn stays on, so the next control moved starts the next learn.
    EXPECT_EQ(set().learnSwitch().getValue(), 1);
    EXPECT_FALSE(session->isPrompting());
}

TEST_F(MidiLearnTest, ASecondKnobMovedWhileThePromptIsUpReplacesTheFirst)
{
    focusOn({&level});
    script.whileRunning = [this] { set().handleMessage(panKnob); };
    set().handleMessage(volumeKnob);
    EXPECT_EQ(promptsMade, 1);
    EXPECT_EQ(script.shown, (std::vector<MidiMessage>{volumeKnob, panKnob}));
    ASSERT_EQ(set().bindingCount(), 1u);
    EXPECT_EQ(set().binding(0).message().data1, panKnob.data1);
}

TEST_F(MidiLearnTest, AcceptedWithoutAChoiceWarnsAndCancelStaysSilent)
{
    focusOn({&level, &pan});
    script.choice = -1;
    set().handleMessage(volumeKnob);
    EXPECT_EQ(warnings, (std::vector<std::string>{"Warning: You did not select a parameter. No binding was made."}));
    focusOn({});
    script.choice = 0;
    set().handleMessage(volumeKnob);
    EXPECT_EQ(warnings.size(), 2u);
    script.accept = false;
    focusOn({&level});
    set().handleMessage(volumeKnob);
    EXPECT_EQ(warnings.size(), 2u);
    EXPECT_EQ(set().bindingCount(), 0u);
}

TEST_F(MidiLearnTest, ClockMessagesNeitherOpenThePromptNorPushTheKnobOut)
{
    focusOn({&level});
    set().handleMessage(clock);
    EXPECT_EQ(promptsMade, 0);
    script.whileRunning = [this] { set().handleMessage(clock); };
    set().handleMessage(volumeKnob);
    EXPECT_EQ(script.shown, (std::vector<MidiMessage>{volumeKnob}));
    ASSERT_EQ(set().bindingCount(), 1u);
    EXPECT_EQ(boundTo(0), &level);
}

TEST_F(MidiLearnTest, ASessionThatIsGoneLeavesTheSetNotLearning)
{
    focusOn({&level});
    session.reset();
    set().handleMessage(volumeKnob);
    EXPECT_EQ(promptsMade, 0);
    EXPECT_EQ(set().bindingCount(), 0u);
}

} // namespace
