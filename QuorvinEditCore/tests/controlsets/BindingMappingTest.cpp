// How a binding reads a control's message, maps it onto its parameter and
// sends the parameter's value back to the surface.
#include "midi/MidiControlBinding.h"
#include "tests/controlsets/ControlSetFixture.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class BindingMappingTest : public ControlSetFixture {
protected:
    void SetUp() override { openSurface(set()); }

    void move(MidiMessage message)
    {
        set().handleMessage(message);
        settle();
    }
};

TEST_F(BindingMappingTest, SevenBitControllerCoversTheWholeParameterRangeRoundedToNearest)
{
    LocalParameter& volume = makeParameter("Volume", 0, 99);
    set().bind({0xB0, 7, 10}, volume);

    move({0xB0, 7, 0});
    EXPECT_EQ(volume.getValue(), 0);
    move({0xB0, 7, 127});
    EXPECT_EQ(volume.getValue(), 99);
    move({0xB0, 7, 64});
    EXPECT_EQ(volume.getValue(), 50); // (64 x 99 + 63) / 127
}

TEST_F(BindingMappingTest, FeedbackSendsTheValueBackInTheControllersRange)
{
    LocalParameter& volume = makeParameter("Volume", 0, 99);
    set().bind({0xB0, 7, 10}, volume);
    clearSent();

    volume.setValue(flagsUserEdit, 99);
    volume.setValue(flagsUserEdit, 50);
    EXPECT_EQ(surfaceBytes(), (Bytes{0xB0, 7, 127, 0xB0, 7, 64})); // (50 x 127 + 49) / 99
    EXPECT_TRUE(instrumentBytes().empty());
}

TEST_F(BindingMappingTest, PitchBendCarriesFourteenBitsInBothDataBytes)
{
    LocalParameter& bend = makeParameter("Bend", 0, 127);
    set().bind({0xE2, 0, 0}, bend);
    ASSERT_EQ(set().bindingCount(), 1u);
    const MidiControlBinding& binding = set().binding(0);
    EXPECT_TRUE(binding.isWide());
    EXPECT_EQ(binding.messageMaximum(), MidiControlBinding::wideMaximum);
    EXPECT_EQ(binding.valueOf({0xE2, 0, 64}), 8192);

    move({0xE2, 0, 64});
    EXPECT_EQ(bend.getValue(), 64);
    clearSent();
    bend.setValue(flagsUserEdit, 127);
    bend.setValue(flagsUserEdit, 64); // 8256: low 7 bits first
    EXPECT_EQ(surfaceBytes(), (Bytes{0xE2, 0x7F, 0x7F, 0xE2, 0x40, 0x40}));
}

TEST_F(BindingMappingTest, ValueLayoutFollowsTheStatusByte)
{
    struct Row {
        std::uint8_t status;
        std::int32_t byteIndex;
        bool wide;
    };
    const Row rows[] = {{0x80, 2, false}, {0x93, 2, false}, {0xA0, 2, false}, {0xBF, 2, false},
        {0xC0, 1, false}, {0xD5, 1, false}, {0xF1, 1, false}, {0xF3, 1, false}, {0xE0, 1, true},
        {0xF2, 1, true}, {0xF0, -1, false}, {0xF4, -1, false}, {0xF5, -1, false}, {0xF6, -1, false},
        {0xF7, -1, false}, {0xF8, -1, false}, {0xF9, -1, false}, {0xFA, -1, false}, {0xFB, -1, false},
        {0xFC, -1, false}, {0xFD, -1, false}, {0xFE, -1, false}, {0xFF, -1, false}};
    MidiControlBinding binding(*midi, *grouper, nullptr);
    for (const Row& row : rows) {
        SCOPED_TRACE(int(row.status));
        binding.setMessageBase({row.status, 1, 2});
        EXPECT_EQ(binding.valueByteIndex(), row.byteIndex);
        EXPECT_EQ(binding.isWide(), row.wide);
        EXPECT_EQ(binding.messageMaximum(), row.wide ? 16383 : 127);
    }
}

TEST_F(BindingMappingTest, MatchingComparesStatusAndTheControlsOwnDataByte)
{
    MidiControlBinding binding(*midi, *grouper, nullptr);
    binding.setMessageBase({0xB0, 7, 100});
    EXPECT_TRUE(binding.matches({0xB0, 7, 3}));
    EXPECT_FALSE(binding.matches({0xB1, 7, 3})); // the channel is part of the status
    EXPECT_FALSE(binding.matches({0xB0, 8, 100}));

    // Program change: the value is data 1, so data 2 must be the stored one.
    binding.setMessageBase({0xC0, 5, 0});
    EXPECT_TRUE(binding.matches({0xC0, 9, 0}));
    EXPECT_FALSE(binding.matches({0xC0, 9, 1}));
    EXPECT_EQ(binding.valueOf({0xC0, 9, 0}), 9);

    binding.setMessageBase({0xE2, 1, 2});
    EXPECT_TRUE(binding.matches({0xE2, 0x55, 0x22}));
    EXPECT_FALSE(binding.matches({0xE3, 0x55, 0x22}));

    binding.setMessageBase({0xF8, 0, 0});
    EXPECT_FALSE(binding.matches({0xF8, 0, 0}));
}

TEST_F(BindingMappingTest, MappingHandlesAnyParameterRangeWithoutDividingByZero)
{
    using B = MidiControlBinding;
    EXPECT_EQ(B::mapRange(0, 0, 0, 10, 20), 10); // a one-value input range
    EXPECT_EQ(B::mapRange(1, 0, 0, 10, 20), 20);
    EXPECT_EQ(B::mapRange(64, 0, 127, -1000, 100000), (64 * 101000 + 63) / 127 - 1000);
    EXPECT_EQ(B::mapRange(-5, -10, 10, 0, 127), (5 * 127 + 10) / 20);

    LocalParameter& fixed = makeParameter("Fixed", 3, 3);
    set().bind({0xB0, 1, 0}, fixed);
    clearSent();
    move({0xB0, 1, 64});
    EXPECT_EQ(fixed.getValue(), 3);
    EXPECT_EQ(surfaceBytes(), (Bytes{0xB0, 1, 0}));
}

} // namespace
