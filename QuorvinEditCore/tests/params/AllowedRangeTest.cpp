#include "FakeParameter.h"

#include "params/SetValueFlags.h"

#include <gtest/gtest.h>

namespace {

// A MIDI channel link can ask for an allowed minimum above the field's top
// (channel 16 linked to a range reaching "channel + 12"). The value must
// still fit the field, or an out-of-range byte is stored and sent.
TEST(AllowedRange, BoundsALinkAsksBeyondTheFullRangeStayInsideIt)
{
    FakeParameter channel(-1, 15);
    channel.setAllowedRange(16, 28, flagsUserEdit);
    EXPECT_EQ(channel.allowedMinimum(), 15);
    EXPECT_EQ(channel.allowedMaximum(), 15);
    channel.setValue(flagsUserEdit, 3);
    EXPECT_EQ(channel.getValue(), 15);

    channel.setAllowedMin(40, flagsUserEdit);
    channel.setAllowedMax(-9, flagsUserEdit);
    channel.setValue(flagsUserEdit, 7);
    EXPECT_GE(channel.getValue(), -1);
    EXPECT_LE(channel.getValue(), 15);
}

} // namespace
