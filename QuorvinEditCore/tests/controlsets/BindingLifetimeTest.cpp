// A binding whose parameter is destroyed first stays in its set, unbound:
// messages for its control move nothing, and learning the control again
// binds it to another parameter.
#include "tests/controlsets/ControlSetFixture.h"

#include "midi/MidiControlBinding.h"

#include <algorithm>

namespace {

class BindingLifetimeTest : public ControlSetFixture {
protected:
    void destroy(const LocalParameter& parameter)
    {
        const auto found = std::find_if(parameters.begin(), parameters.end(),
            [&](const auto& made) { return made.get() == &parameter; });
        ASSERT_NE(found, parameters.end());
        found->reset();
    }
};

TEST_F(BindingLifetimeTest, BindingForgetsAParameterDestroyedBeforeIt)
{
    MidiControlSet& controlSet = set();
    openSurface(controlSet);
    LocalParameter& gone = makeParameter("Gone", 0, 127);
    LocalParameter& kept = makeParameter("Kept", 0, 99);
    ASSERT_NE(controlSet.bind({0xB0, 7, 0}, gone), nullptr);
    destroy(gone);

    inject(surfacePort, {0xB0, 7, 64});
    settle();
    ASSERT_EQ(controlSet.bindingCount(), 1u);
    EXPECT_EQ(controlSet.binding(0).parameter(), nullptr);

    ASSERT_NE(controlSet.bind({0xB0, 7, 0}, kept), nullptr);
    EXPECT_EQ(controlSet.bindingCount(), 1u);
    inject(surfacePort, {0xB0, 7, 127});
    settle();
    EXPECT_EQ(kept.getValue(), 99);
}

} // namespace
