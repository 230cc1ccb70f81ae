#include "conditions/ParameterRangeLink.h"
#include "localparams/LocalParameter.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace {

constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();

class ParameterRangeLinkTest : public ::testing::Test {
protected:
    void TearDown() override { ParameterRangeLinkBase::destroyAll(); }
};

// The loop points of the formant sequence page: their maximum follows the
// length's raw value.
TEST_F(ParameterRangeLinkTest, MaximumFollowsTheSourceAndTheValueMovesOnlyWhenNotified)
{
    LocalParameter length(0, 511, 511);
    LocalParameter loopStart(0, 511, 12);
    LocalParameter loopEnd(0, 511, 8);
    ParameterRangeLink& link = ParameterRangeLink::create(&length, 0);
    link.setFullRange(true);
    link.addTarget(&loopStart);
    link.addTarget(&loopEnd);

    length.setValue(flagsConstruct, 10);
    EXPECT_EQ(loopStart.maximum(), 511) << "a change that is not notified reaches no listener";

    // Told without the notify flag: the ranges move, the values stay.
    length.notifyListeners(flagsConstruct);
    for (const LocalParameter* target : {&loopStart, &loopEnd}) {
        EXPECT_EQ(target->maximum(), 10);
        EXPECT_EQ(target->allowedMaximum(), 10);
    }
    EXPECT_EQ(loopStart.getValue(), 12);

    length.setValue(flagsUserEdit, 10);
    EXPECT_EQ(loopStart.getValue(), 10);
    EXPECT_EQ(loopEnd.getValue(), 8);
}

TEST_F(ParameterRangeLinkTest, EachTargetReadsTheBoundThroughItsOwnDisplayMapping)
{
    LocalParameter source(0, 100, 0);
    LocalParameter plain(0, 100, 100);
    LocalParameter halved(0, 100, 100);
    LocalParameter shifted(0, 100, 100);
    LocalParameter tripled(0, 100, 100);
    LocalParameter tripledCeiling(0, 100, 100);
    halved.setDisplayScale(Rational(1, 2), Rational(0, 1), false);
    shifted.setDisplayScale(Rational(1, 1), Rational(1, 1), false);
    tripled.setDisplayScale(Rational(3, 1), Rational(0, 1), false);
    tripledCeiling.setDisplayScale(Rational(3, 1), Rational(0, 1), false);

    ParameterRangeLink& towardZero = ParameterRangeLink::create(&source, 0);
    for (LocalParameter* target : {&plain, &halved, &shifted, &tripled})
        towardZero.addTarget(target);
    ParameterRangeLink& ceiling = ParameterRangeLink::create(&source, 0);
    ceiling.setMaximumRounding(Rational::Ceiling);
    ceiling.addTarget(&tripledCeiling);

    source.setValue(flagsUserEdit, 10);
    EXPECT_EQ(plain.allowedMaximum(), 10);
    EXPECT_EQ(halved.allowedMaximum(), 20);
    EXPECT_EQ(shifted.allowedMaximum(), 9);
    EXPECT_EQ(tripled.allowedMaximum(), 3);
    EXPECT_EQ(tripledCeiling.allowedMaximum(), 4);
    // The allowed range moved, the full range did not.
    EXPECT_EQ(plain.maximum(), 100);
    EXPECT_EQ(plain.getValue(), 10);
}

// The frame-count code of the formant sequence page is pinned to the code
// whose frame count covers the length, rounding up.
TEST_F(ParameterRangeLinkTest, PinnedRangeFollowsTheDisplayedSource)
{
    LocalParameter length(0, 511, 0);
    length.setDisplayScale(Rational(1, 1), Rational(1, 1), false);
    LocalParameter frameCode(0, 3, 0);
    frameCode.setDisplayScale(Rational(128, 1), Rational(128, 1), false);
    ParameterRangeLink& link = ParameterRangeLink::create(&length, 0, 0);
    link.setDisplaySource(true);
    link.setMinimumRounding(Rational::Ceiling);
    link.setMaximumRounding(Rational::Ceiling);
    link.addTarget(&frameCode);

    const struct {
        std::int32_t lengthRaw;
        std::int32_t code;
    } cases[] = {{0, 0}, {127, 0}, {128, 1}, {255, 1}, {256, 2}, {384, 3}, {511, 3}, {130, 1}};
    for (const auto& c : cases) {
        length.setValue(flagsUserEdit, c.lengthRaw);
        EXPECT_EQ(frameCode.allowedMinimum(), c.code) << c.lengthRaw;
        EXPECT_EQ(frameCode.allowedMaximum(), c.code) << c.lengthRaw;
        EXPECT_EQ(frameCode.getValue(), c.code) << c.lengthRaw;
    }
    EXPECT_EQ(frameCode.maximum(), 3);
}

TEST_F(ParameterRangeLinkTest, ChangeOfATargetIsIgnored)
{
    LocalParameter source(0, 127, 100);
    LocalParameter target(0, 127, 0);
    ParameterRangeLink& link = ParameterRangeLink::create(&source, -50);
    link.setFullRange(true);
    link.addTarget(&target);

    target.setValue(flagsUserEdit, 90);
    EXPECT_EQ(target.maximum(), 127);
    EXPECT_EQ(target.getValue(), 90);
    source.setValue(flagsUserEdit, 100);
    EXPECT_EQ(target.maximum(), 50);
    EXPECT_EQ(target.getValue(), 50);
}

// Offsets and display scales at their limits must saturate at the target's
// 32-bit bounds, not wrap.
TEST_F(ParameterRangeLinkTest, ExtremeBoundsSaturateInsteadOfOverflowing)
{
    LocalParameter source(lowest + 1, highest, highest);
    source.setDisplayScale(Rational(highest, 1), Rational(0, 1), false);
    LocalParameter target(-10, 10, 0);
    target.setDisplayScale(Rational(1, 1000), Rational(-5, 7), false);
    ParameterRangeLink& link = ParameterRangeLink::create(&source, highest, lowest + 1);
    link.setFullRange(true);
    link.setDisplaySource(true);
    link.addTarget(&target);

    source.setValue(flagsUserEdit, highest);
    EXPECT_EQ(target.maximum(), highest);
    EXPECT_EQ(target.minimum(), highest);

    source.setValue(flagsUserEdit, lowest + 1);
    EXPECT_EQ(target.minimum(), lowest);
    EXPECT_EQ(target.maximum(), lowest);
}

TEST_F(ParameterRangeLinkTest, DestroyedTargetsAndSourcesLeaveTheLink)
{
    auto source = std::make_unique<LocalParameter>(0, 127, 0);
    auto doomed = std::make_unique<LocalParameter>(0, 127, 0);
    LocalParameter kept(0, 127, 127);
    const std::size_t linksBefore = ParameterRangeLinkBase::count();
    ParameterRangeLink& link = ParameterRangeLink::create(source.get(), 0);
    link.addTarget(doomed.get());
    link.addTarget(&kept);
    EXPECT_EQ(ParameterRangeLinkBase::count(), linksBefore + 1);

    doomed.reset();
    ASSERT_EQ(link.targets().size(), 1u);
    source->setValue(flagsUserEdit, 20);
    EXPECT_EQ(kept.getValue(), 20);

    source.reset();
    // The link still exists, tied to nothing that is gone.
    link.onParameterChanged(nullptr, flagsUserEdit);
    EXPECT_EQ(kept.allowedMaximum(), 20);
    ParameterRangeLinkBase::destroyAll();
    EXPECT_EQ(ParameterRangeLinkBase::count(), 0u);
    EXPECT_EQ(kept.listeners().size(), 0u);
}

} // namespace
